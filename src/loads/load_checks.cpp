#include "loads/load_checks.h"

#include "core/data_error_output.h"
#include "core/world_rect.h"
#include "loads/loads_data.h"

#include <algorithm>

bool CheckLoadsAndReinforcement(Cpp_LoadsData& loads, const Cpp_Line* slope, double tolerance,
                                bool multiStage, std::FILE* listing) {
    bool ok = true;
    const int stages = multiStage ? 2 : 1;

    Cpp_DataErrorOutput::SetPendingTitle(
        "********** ERROR(S) OR WARNING(S) IN DISTRIBUTED LOAD DATA **********\n");
    for (int stage = 1; stage <= stages; ++stage)
        ok &= loads.DistributedLoads(stage).Check(slope, listing);
    Cpp_DataErrorOutput::DiscardPendingTitle();

    Cpp_DataErrorOutput::SetPendingTitle(
        "********** ERROR(S) OR WARNING(S) IN LINE LOAD DATA **********\n");
    for (int stage = 1; stage <= stages; ++stage) ok &= loads.LineLoads(stage).Check(listing);
    Cpp_DataErrorOutput::DiscardPendingTitle();

    Cpp_DataErrorOutput::SetPendingTitle(
        "********** ERROR(S) OR WARNING(S) IN REINFORCEMENT DATA **********\n");
    if (loads.reinforcement.Check(tolerance, slope, listing))
        ok &= loads.reinforcement.CheckAllInterfaces(0, nullptr, stages, listing);
    else
        ok = false;
    Cpp_DataErrorOutput::DiscardPendingTitle();
    return ok;
}

bool LoadsExtents(const Cpp_LoadsData& loads, double& xmin, double& xmax, double& ymin,
                  double& ymax) {
    Cpp_Extents extents;
    for (int stage = 1; stage <= 2; ++stage) {
        for (const Cpp_DistributedLoadPoint* p = loads.DistributedLoads(stage).GetFirstListItem();
             p; p = p->NextPoint())
            extents.Add(p->X(), p->Y());
        for (const auto& l : loads.LineLoads(stage).Loads()) extents.Add(l->X(), l->Y());
    }
    double a, b, c, d;
    if (loads.reinforcement.GetExtents(a, b, c, d)) extents.Add(a, b, c, d);
    if (loads.geogrids.GetIndividualGeogridList().GetBounds(a, b, c, d)) extents.Add(a, b, c, d);
    return extents.Get(xmin, xmax, ymin, ymax);
}
