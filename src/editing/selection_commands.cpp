#include "editing/selection_commands.h"

#include "core/message_boxes.h"
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

// The display switch of a kind in the flags (null for kinds without one).
bool* DisplaySwitch(s_DisplayFlagsType& f, int kind, int stage) {
    const int s = stage == 2 ? 1 : 0;
    switch (kind) {
    case 2:
    case 84: return &f.profilePoints;
    case 4:
    case 86: return &f.profileLines;
    case 88: return &f.profileNumbers;
    case 68: return &f.materialNumbers;
    case 72: return &f.materialFill;
    case 78: return &f.piezometricPoints[s];
    case 80: return &f.piezometricLines[s];
    case 82: return &f.piezometricNumbers[s];
    case 90:
    case 92: return &f.pressurePoints[s];
    case 106:
    case 108: return &f.ruPoints[s];
    case 136:
    case 138: return &f.strengthPoints[s];
    case 12:
    case 14: return &f.otherPoints[s];
    case 91:
    case 109:
    case 140:
    case 16: return &f.triangles[s];
    case 132: return &f.slopePoints;
    case 134: return &f.slopeLine;
    case 20:
    case 22: return &f.slopeGeometry[0];
    case 24:
    case 26: return &f.slopeGeometry[1];
    case 36: return &f.loadPoints[s];
    case 38: return &f.loadDiagram[s];
    case 39: return &f.loadShear[s];
    case 62:
    case 64: return &f.lineLoads[s];
    case 100: return &f.reinforcement[0];
    case 98: return &f.reinforcement[1];
    case 102: return &f.reinforcement[2];
    case 104: return &f.reinforcement[3];
    case 53: return &f.initialCentre;
    case 54: return &f.analysis2;
    case 55: return &f.analysis1;
    case 46:
    case 48: return &f.searchGrid;
    case 70:
    case 71: return &f.materialTable[s];
    default: return nullptr;
    }
}

// The results switches: results display (first) or slices (second) switch of a kind, -1 none.
std::pair<int, int> ResultsSwitch(int kind) {
    switch (kind) {
    case 6: return {0, -1};
    case 28: return {1, -1};
    case 110: return {4, -1};
    case 114: return {6, -1};
    case 116: return {7, -1};
    case 128:
    case 130: return {-1, 0};
    case 30: return {-1, 1};
    case 32: return {-1, 2};
    case 18: return {-1, 3};
    case 66: return {-1, 4};
    case 118: return {-1, 5};
    case 120: return {-1, 6};
    case 122: return {-1, 7};
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
        // Kind 12 and 14 also hide the stage's triangles.
        if (item->GetType() == 12 || item->GetType() == 14)
            ds->DisplayFlags().triangles[item->GetStage() == 2 ? 1 : 0] = false;
        const auto [resultsSwitch, slicesSwitch] = ResultsSwitch(item->GetType());
        if (resultsSwitch >= 0) ds->ResultsDisplay().SetDisplaySwitch(resultsSwitch, 0);
        if (slicesSwitch >= 0) ds->Slices().SetDisplaySwitch(slicesSwitch, 0);
        if (bool* flag = DisplaySwitch(ds->DisplayFlags(), item->GetType(), item->GetStage())) {
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
