#include "editing/selection_commands.h"

#include "core/message_boxes.h"
#include "editing/selection_kinds.h"
#include "editing/selection_list.h"
#include "model/data_set.h"
#include "model/program_state.h"
#include "platform/services.h"
#include "registry/display_selections.h"

#include <algorithm>
#include <set>
#include <utility>

namespace {

// The selected item's own operations.
class ItemOperations final : public SelectedItemOperations {
public:
    bool RetriangulateDataSet(Cpp_Selection& item) override { return item.RetriangulateDataSet(); }
    bool DeleteTrianglesOutsideMaterial(Cpp_Selection& item) override {
        return item.DeleteTrianglesOutsideMaterial();
    }
};

class CancelOptions final : public SelectionOptionsDialog {
public:
    bool Run(s_NudgeOptions&) override { return false; }
};

const char kNoInterpolationSet[] =
    "A valid interpolation data set (point or triangle) has not been selected.  Select an "
    "interpolation data set first.";

// The flag of a display switch in the flags (null for the switches kept elsewhere).
bool* DisplayFlag(s_DisplayFlagsType& f, e_DisplaySwitch display, int stage) {
    const int s = stage == 2 ? 1 : 0;
    using V = e_DisplaySwitch;
    switch (display) {
    case V::ProfilePoints: return &f.profilePoints;
    case V::ProfileLines: return &f.profileLines;
    case V::ProfileNumbers: return &f.profileNumbers;
    case V::MaterialNumbers: return &f.materialNumbers;
    case V::MaterialFill: return &f.materialFill;
    case V::PiezometricPoints: return &f.piezometricPoints[s];
    case V::PiezometricLines: return &f.piezometricLines[s];
    case V::PiezometricNumbers: return &f.piezometricNumbers[s];
    case V::PressurePoints: return &f.pressurePoints[s];
    case V::RuPoints: return &f.ruPoints[s];
    case V::StrengthPoints: return &f.strengthPoints[s];
    case V::OtherPoints: return &f.otherPoints[s];
    case V::Triangles: return &f.triangles[s];
    case V::SlopePoints: return &f.slopePoints;
    case V::SlopeLine: return &f.slopeLine;
    case V::CrackBottom: return &f.slopeGeometry[0];
    case V::CrackWater: return &f.slopeGeometry[1];
    case V::LoadPoints: return &f.loadPoints[s];
    case V::LoadDiagram: return &f.loadDiagram[s];
    case V::LoadShear: return &f.loadShear[s];
    case V::LineLoads: return &f.lineLoads[s];
    case V::ReinforcementLines: return &f.reinforcement[0];
    case V::ReinforcementPoints: return &f.reinforcement[1];
    case V::LongitudinalForces: return &f.reinforcement[2];
    case V::TransverseForces: return &f.reinforcement[3];
    case V::InitialCentre: return &f.initialCentre;
    case V::SlipSurfacePoints: return &f.analysis2;
    case V::SlipSurface: return &f.analysis1;
    case V::SearchGrid: return &f.searchGrid;
    case V::MaterialTable: return &f.materialTable[s];
    default: return nullptr;
    }
}

// The results display (first) or slices (second) switch number of a display switch, -1 none.
std::pair<int, int> ResultsSwitch(e_DisplaySwitch display) {
    using V = e_DisplaySwitch;
    switch (display) {
    case V::AnswerText: return {0, -1};
    case V::CriticalCircle: return {1, -1};
    case V::ResultsItem: return {4, -1};
    case V::SearchContours: return {6, -1};
    case V::SearchTriangles: return {7, -1};
    case V::Slices: return {-1, 0};
    case V::ShearSurfacePoints: return {-1, 1};
    case V::ShearSurface: return {-1, 2};
    case V::CrackWaterForce: return {-1, 3};
    case V::ThrustLine: return {-1, 4};
    case V::TotalStress: return {-1, 5};
    case V::PorePressure: return {-1, 6};
    case V::EffectiveStress: return {-1, 7};
    default: return {-1, -1};
    }
}

}  // namespace

DialogSlot<SelectedItemOperations>& SelectedItemOperationsSlot() {
    static DialogSlot<SelectedItemOperations> slot("selected item operations",
                                                   std::make_unique<ItemOperations>());
    return slot;
}

DialogSlot<SelectionOptionsDialog>& SelectionOptionsDialogSlot() {
    static DialogSlot<SelectionOptionsDialog> slot("selection options dialog",
                                                   std::make_unique<CancelOptions>());
    return slot;
}

bool ClearDisplayFlags(Cpp_SelectionList& list) {
    std::set<Cpp_Kliven4DataSet*> changed;
    for (int n = 1; Cpp_Selection* item = list.GetNth(n); ++n) {
        Cpp_Kliven4DataSet* ds = item->GetDataSet();
        if (!ds || !list.IsLive(item)) continue;
        const s_SelectionKindRow* row = FindSelectionKind(item->GetType());
        const e_DisplaySwitch display = row ? row->display : e_DisplaySwitch::None;
        // The remaining point kinds also hide the stage's triangles.
        if (display == e_DisplaySwitch::OtherPoints)
            ds->DisplayFlags().triangles[item->GetStage() == 2 ? 1 : 0] = false;
        const auto [resultsSwitch, slicesSwitch] = ResultsSwitch(display);
        if (resultsSwitch >= 0) ds->ResultsDisplay().SetDisplaySwitch(resultsSwitch, 0);
        if (slicesSwitch >= 0) ds->Slices().SetDisplaySwitch(slicesSwitch, 0);
        if (bool* flag = DisplayFlag(ds->DisplayFlags(), display, item->GetStage())) {
            *flag = false;
            changed.insert(ds);
        }
    }
    for (Cpp_Kliven4DataSet* ds : changed)
        Cpp_DisplaySelections::ApplyToOwners(*ds, ds->DisplayFlags());
    return true;
}

namespace {

// One operation on the first item: the notice when it is no interpolation item.
bool FirstItemOperation(Cpp_SelectionList& list,
                        bool (SelectedItemOperations::*operation)(Cpp_Selection&), bool notice) {
    if (list.IsEmpty()) {
        ShowMessageByKind("Notice", kNoInterpolationSet, 7);
        return false;
    }
    Cpp_Selection first = *list.GetNth(1);
    const bool live = list.IsLive(list.GetNth(1));
    list.Clear();
    if (!live || !first.IsInterpolationItem()) {
        if (notice) ShowMessageByKind("Notice", kNoInterpolationSet, 7);
        return false;
    }
    const bool ok = (SelectedItemOperationsSlot().Get().*operation)(first);
    if (!ok && notice) ShowMessageByKind("Notice", kNoInterpolationSet, 7);
    return ok;
}

}  // namespace

bool RetriangulateSelection(Cpp_SelectionList& list) {
    return FirstItemOperation(list, &SelectedItemOperations::RetriangulateDataSet, true);
}

bool DeleteTrianglesOutsideMaterial(Cpp_SelectionList& list) {
    if (list.IsEmpty()) return false;
    return FirstItemOperation(list, &SelectedItemOperations::DeleteTrianglesOutsideMaterial, false);
}

namespace {

void ResetNudgeOptions() { NudgeOptions() = s_NudgeOptions(); }

}  // namespace

s_NudgeOptions& NudgeOptions() {
    static s_NudgeOptions* options = [] {
        AddProgramStateReset(&ResetNudgeOptions);
        return new s_NudgeOptions;
    }();
    return *options;
}

bool EditSelectedItemOptions() {
    s_NudgeOptions copy = NudgeOptions();
    if (!SelectionOptionsDialogSlot().Get().Run(copy)) return false;
    NudgeOptions() = copy;
    return true;
}
