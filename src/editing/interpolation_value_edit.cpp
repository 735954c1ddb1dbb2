#include "editing/interpolation_value_edit.h"

#include "core/dialog_slot.h"
#include "editing/interpolation_tool.h"
#include "editing/selection.h"
#include "editing/selection_edit_support.h"
#include "editing/selection_list.h"
#include "porepressure/interpolation_data.h"
#include "porepressure/vertex.h"

using selection_edit::InterpolationPointIndex;
using selection_edit::InterpolationSetOf;

const char* EditValueLabel(int kind, bool head) {
    switch (kind) {
    case SEL_CP_POINT: return "c/p ratio";
    case SEL_PRESSURE_POINT: return head ? "Total hydraulic head" : "Pore water pressure";
    case SEL_RSUBU_POINT: return "Pore pressure coefficient (r-sub-u)";
    case SEL_STRENGTH_POINT: return "Undrained strength";
    default: return "";
    }
}

bool EditSelectedValues(Cpp_SelectionList& list, const s_EditValuePlacement& placement) {
    const Cpp_Selection* first = list.GetNth(1);
    if (!first || !list.IsLive(first)) return false;
    const int kind = first->GetType();
    if (*EditValueLabel(kind, false) == '\0') return false;
    Cpp_InterpolationDataSet* set = InterpolationSetOf(*first);
    if (!set || InterpolationPointIndex(*first) < 0) return false;
    auto* vertex = static_cast<Cpp_VERTEX*>(first->GetItemReferences().ref2);
    const bool head = kind == SEL_PRESSURE_POINT && set->GetOptionFlag();
    double value = head ? vertex->SecondValue() : vertex->FirstValue();
    if (!LineEditingDialogsSlot().Get().EditValue(EditValueLabel(kind, head), placement, value))
        return false;
    const double gammaW = Cpp_InterpolationData::UnitWeightOfWater();
    if (head) {
        vertex->SetSecondValue(value);
        vertex->SetFirstValue(gammaW * (value - vertex->Y()));
    } else {
        vertex->SetFirstValue(value);
        if (kind == SEL_PRESSURE_POINT) vertex->SetSecondValue(vertex->Y() + value / gammaW);
    }
    set->RebuildPoints(gammaW);
    set->GetContours().DeleteAll();
    return true;
}

bool ToggleHeadsOfSelection(Cpp_SelectionList& list) {
    const Cpp_Selection* first = list.GetNth(1);
    if (!first || !list.IsLive(first)) return false;
    Cpp_InterpolationDataSet* set = InterpolationSetOf(*first);
    if (!set || set->Kind() != 1) return false;
    set->ToggleOptionFlag();
    return true;
}

void RedrawInterpolationDisplay(bool showValues) {
    if (Cpp_InterpolationTool::ShowPointValues() != showValues)
        Cpp_InterpolationTool::ToggleShowPointValues();
}
