#include "loads/load_checks.h"

#include "core/data_error_output.h"
#include "loads/loads_data.h"

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
