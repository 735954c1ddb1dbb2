#include "model/data_sets.h"

#include <algorithm>
#include <memory>
#include <new>

#include "core/output_table.h"
#include "core/world_rect.h"
#include "model/data_check.h"
#include "porepressure/interpolation_data.h"
#include "registry/display_selections.h"

namespace {

struct DataSetList {
    std::vector<std::unique_ptr<Cpp_Kliven4DataSet>> sets;
    Cpp_Kliven4DataSet* current = nullptr;
};

DataSetList& List() {
    static DataSetList list;
    return list;
}

// Echo tables print the heading of the current data set in their page header.
void InstallHeadingPrinter() {
    static bool installed = false;
    if (installed) return;
    installed = true;
    Cpp_OutputTable::SetHeadingPrinter([](std::FILE* file) {
        if (Cpp_Kliven4DataSet* ds = Cpp_Kliven4Data::CurrentDataSetOrNull())
            ds->Heading().PrintLines(file);
    });
}

}  // namespace

Cpp_Kliven4DataSet* Cpp_Kliven4Data::NewDataSet(int number, bool keep) {
    InstallHeadingPrinter();
    std::unique_ptr<Cpp_Kliven4DataSet> set;
    try {
        set = std::make_unique<Cpp_Kliven4DataSet>(number);
    } catch (const std::bad_alloc&) {
        throw Exc_CannotAllocateMemory();
    }
    if (!keep) DeleteAllDataSets();
    auto& list = List();
    list.sets.push_back(std::move(set));
    list.current = list.sets.back().get();
    return list.current;
}

Cpp_Kliven4DataSet* Cpp_Kliven4Data::CurrentDataSet() {
    if (List().current == nullptr) NewDataSet(NumberOfDataSets() + 1, true);
    return List().current;
}

Cpp_Kliven4DataSet* Cpp_Kliven4Data::CurrentDataSetOrNull() { return List().current; }

bool Cpp_Kliven4Data::SetCurrentDataSet(Cpp_Kliven4DataSet* dataSet) {
    auto& sets = List().sets;
    auto it =
        std::find_if(sets.begin(), sets.end(), [&](const auto& p) { return p.get() == dataSet; });
    if (dataSet == nullptr || it == sets.end()) throw Exc_IllegalDataSetToSetCurrent();
    List().current = dataSet;
    return true;
}

Cpp_Kliven4DataSet* Cpp_Kliven4Data::FirstDataSet() {
    return List().sets.empty() ? nullptr : List().sets.front().get();
}

int Cpp_Kliven4Data::NumberOfDataSets() { return static_cast<int>(List().sets.size()); }

void Cpp_Kliven4Data::DeleteDataSetChain(Cpp_Kliven4DataSet* dataSet) {
    auto& list = List();
    auto it = std::find_if(list.sets.begin(), list.sets.end(),
                           [&](const auto& p) { return p.get() == dataSet; });
    if (it == list.sets.end()) return;
    const size_t first = static_cast<size_t>(it - list.sets.begin());
    // The last one first.
    while (list.sets.size() > first) {
        if (list.sets.back().get() == list.current) list.current = nullptr;
        list.sets.back()->Clear();
        list.sets.pop_back();
    }
}

void Cpp_Kliven4Data::DeleteAllDataSets() {
    auto& list = List();
    while (!list.sets.empty()) {
        list.sets.back()->Clear();
        list.sets.pop_back();
    }
    list.current = nullptr;
}

bool Cpp_Kliven4Data::ChangeSlipSurfaceShape(WindowHandle parent, bool circular) {
    return CurrentDataSet()->AnalysisComputationData()->ChangeShape(parent, circular);
}

bool Cpp_Kliven4Data::CheckCircleDataForRadius(WindowHandle parent) {
    Cpp_Kliven4DataSet* ds = CurrentDataSetOrNull();
    if (ds != nullptr && ds->Analysis().HasData()) {
        if (ds->Analysis().IsCircular()) return true;
        ShowQuestionMessage(parent, "Notice",
                            "Current data are for noncircular slip surfaces.  Enter data for "
                            "circular slip surfaces (using the Circle Tool) before entering radius "
                            "data.");
        return false;
    }
    ShowQuestionMessage(parent, "Notice",
                        "There is currently no analysis/computation data.  Enter data for circular "
                        "slip surfaces (using the Circle Tool) before entering radius data.");
    return false;
}

bool Cpp_Kliven4Data::ExtentsOfAllDataSets(double& xmin, double& xmax, double& ymin, double& ymax) {
    Cpp_Extents extents;
    for (auto& set : List().sets) {
        double a = 0, b = 0, c = 0, d = 0;
        if (DataSetExtents(*set, a, b, c, d)) extents.Add(a, b, c, d);
    }
    return extents.Get(xmin, xmax, ymin, ymax);
}

double Cpp_Kliven4Data::MaximumDistributedLoad() {
    double largest = 0.0;
    for (auto& set : List().sets) {
        largest = std::max(largest, set->DistributedLoads(1)->GetMaxValue());
        if (set->IsMultiStage())
            largest = std::max(largest, set->DistributedLoads(2)->GetMaxValue());
    }
    return largest;
}

double Cpp_Kliven4Data::MaximumSliceValue() {
    double largest = 0.0;
    for (auto& set : List().sets) {
        int side = 0;
        double depth = 0, force = 0, x = 0, y = 0;
        set->Slices().GetCrackWaterForce(side, depth, force, x, y);
        largest = std::max(largest, force);
    }
    return largest;
}

double Cpp_Kliven4Data::MaximumSliceQuantity(int entity) {
    double largest = 0.0;
    for (auto& set : List().sets)
        if (set->ResultsDisplay().HasResults())
            largest = std::max(largest,
                               set->Slices().MaxAbsValue(entity, set->Analysis().NumberOfStages()));
    return largest;
}

double Cpp_Kliven4Data::MaximumLineLoad() {
    double largest = 0.0;
    for (auto& set : List().sets) {
        largest = std::max(largest, set->LineLoads(1)->GetMaxForce());
        if (set->IsMultiStage()) largest = std::max(largest, set->LineLoads(2)->GetMaxForce());
    }
    return largest;
}

double Cpp_Kliven4Data::MaximumReinforcementForce() {
    double largest = 0.0;
    for (auto& set : List().sets)
        largest = std::max(largest, set->ReinforcementLines()->GetMaxForce());
    return largest;
}

bool Cpp_Kliven4Data::EditDisplaySelections() {
    Cpp_Kliven4DataSet* ds = CurrentDataSetOrNull();
    if (ds == nullptr) return Cpp_DisplaySelections::EditDisplaySelections(nullptr, nullptr);
    const auto& sets = ds->InterpolationData(1)->DataSets();
    std::vector<InterpolationDisplayType> rows;
    rows.reserve(sets.size());
    for (const auto& set : sets) rows.push_back({set->Kind(), set->Material(), set->IsDisplayed()});
    if (!Cpp_DisplaySelections::EditDisplaySelections(&ds->DisplayFlags(), &rows)) return false;
    for (std::size_t i = 0; i < sets.size(); ++i) sets[i]->SetDisplayed(rows[i].display);
    return true;
}
