#include "editing/two_step_edits.h"

#include "editing/view_dispatch.h"

#include "analysis/analysis_computation_data.h"
#include "analysis/radius_definition.h"
#include "core/cursor_mode.h"
#include "core/dialog_slot.h"
#include "core/geometry.h"
#include "core/message_boxes.h"
#include "editing/construction_items.h"
#include "editing/cursor_modes.h"
#include "editing/display_bounds.h"
#include "editing/line_point_tools.h"
#include "editing/pending_moves.h"
#include "editing/profile_tool.h"
#include "editing/selection_edit_commands.h"
#include "editing/selection_edit_support.h"
#include "editing/selection_family_ops.h"
#include "editing/selection_kinds.h"
#include "editing/selection_list.h"
#include "editing/selection_refresh.h"
#include "editing/tool_dialog_bars.h"
#include "graphics/line.h"
#include "graphics/prompts.h"
#include "model/data_set.h"
#include "model/data_sets.h"
#include "model/derived_data.h"
#include "platform/services.h"
#include "porepressure/piezometric_drawing.h"
#include "profile/crack.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>

using namespace selection_edit;

namespace {

bool In(int kind, std::initializer_list<int> kinds) {
    return std::find(kinds.begin(), kinds.end(), kind) != kinds.end();
}

bool Has(int kind, unsigned flag) { return SelectionKindHas(kind, flag); }

int g_snapDirection = 1;

// The line and the point (segment start) of a line item; false for other kinds.
bool TargetLineOf(const Cpp_Selection& item, Cpp_Line*& line, Cpp_PointXY*& point) {
    line = LineOf(item);
    point = PointOf(item);
    return line && point && item.TargetExists();
}

// The first candidate of a point pick at (x, y) into the emptied pick list, or null.
const Cpp_Selection* PickAt(double x, double y, bool pointsOnly, bool segmentsOnly) {
    Cpp_SelectionList& picks = GetPickList();
    picks.Clear();
    picks.SetAddMode(false);
    picks.SelectPointAtPoint(Cpp_Kliven4Data::CurrentDataSetOrNull(), x, y, true, pointsOnly,
                             segmentsOnly, false);
    return picks.GetNth(1);
}

const Cpp_Selection* FirstCurrent() {
    Cpp_SelectionList& list = GetCurrentSelection();
    const Cpp_Selection* first = list.GetNth(1);
    return first && list.IsLive(first) ? first : nullptr;
}

// Every live selected item, with the kind of the first for the change report.
template <class Each>
bool ForEachSelected(ViewInputHost& view, Each each) {
    Cpp_SelectionList& list = GetCurrentSelection();
    const Cpp_Selection* first = list.GetNth(1);
    const int kind = first ? first->GetType() : 0;
    bool moved = false;
    for (int n = 1; Cpp_Selection* s = list.GetNth(n); ++n)
        if (list.IsLive(s) && s->TargetExists()) moved = each(*s) || moved;
    if (moved) {
        view.DataChanged(DataChangeKindOf(kind));
        if (first) first->UpdateToolBars();
    }
    view.InvalidateView();
    return moved;
}

void ShowNotice(const char* text) { AskOkCancel(nullptr, "Data Entry Notice", text); }

}  // namespace

// ---------------------------------------------------------------------------------------------
// The moves of one item

bool Cpp_Selection::MoveByDistance(bool& repaint) {
    if (!TargetExists()) return false;
    const s_SelectionKindRow* row = FindSelectionKind(type_);
    if (const auto op = row ? SelectionFamilyOps(row->family).moveByDistance : nullptr)
        return op(*this, repaint);
    return false;
}

namespace selection_family {

bool ConstructionLineMoveByDistance(Cpp_Selection& item, [[maybe_unused]] bool& repaint) {
    switch (item.GetType()) {
    case SEL_CONSTRUCTION_POINT: {
        s_tagTypePointXY p = item.GetItemPosition();
        if (!ApplyPendingMoveToPoint(p)) return false;
        return MoveLinePoint(item, p.x, p.y);
    }
    default: return false;
    }
}

bool SlipSurfaceMoveByDistance(Cpp_Selection& item, [[maybe_unused]] bool& repaint) {
    switch (item.GetType()) {
    case SEL_NONCIRCULAR_POINT: {
        s_tagTypePointXY p = item.GetItemPosition();
        if (!ApplyPendingMoveToPoint(p)) return false;
        return MoveLinePoint(item, p.x, p.y);
    }
    default: return false;
    }
}

bool PiezometricLineMoveByDistance(Cpp_Selection& item, [[maybe_unused]] bool& repaint) {
    switch (item.GetType()) {
    case SEL_PIEZOMETRIC_POINT: {
        s_tagTypePointXY p = item.GetItemPosition();
        if (!ApplyPendingMoveToPoint(p)) return false;
        return MoveLinePoint(item, p.x, p.y);
    }
    default: return false;
    }
}

bool ProfileLineMoveByDistance(Cpp_Selection& item, [[maybe_unused]] bool& repaint) {
    switch (item.GetType()) {
    case SEL_PROFILE_POINT: {
        s_tagTypePointXY p = item.GetItemPosition();
        if (!ApplyPendingMoveToPoint(p)) return false;
        return MoveLinePoint(item, p.x, p.y);
    }
    default: return false;
    }
}

bool ReinforcementMoveByDistance(Cpp_Selection& item, [[maybe_unused]] bool& repaint) {
    switch (item.GetType()) {
    case SEL_REINFORCEMENT_POINT: {
        s_tagTypePointXY p = item.GetItemPosition();
        if (!ApplyPendingMoveToPoint(p)) return false;
        return MoveLinePoint(item, p.x, p.y);
    }
    default: return false;
    }
}

bool SlopeLineMoveByDistance(Cpp_Selection& item, [[maybe_unused]] bool& repaint) {
    switch (item.GetType()) {
    case SEL_SLOPE_POINT: {
        s_tagTypePointXY p = item.GetItemPosition();
        if (!ApplyPendingMoveToPoint(p)) return false;
        return MoveLinePoint(item, p.x, p.y);
    }
    default: return false;
    }
}

bool IrregularTangentMoveByDistance(Cpp_Selection& item, [[maybe_unused]] bool& repaint) {
    switch (item.GetType()) {
    case SEL_TANGENT_POINT: {
        s_tagTypePointXY p = item.GetItemPosition();
        if (!ApplyPendingMoveToPoint(p)) return false;
        return MoveLinePoint(item, p.x, p.y);
    }
    default: return false;
    }
}

bool RadiusDefinitionMoveByDistance(Cpp_Selection& item, [[maybe_unused]] bool& repaint) {
    switch (item.GetType()) {
    case SEL_DEFINITION_TANGENT_POINT: {
        s_tagTypePointXY p = item.GetItemPosition();
        if (!ApplyPendingMoveToPoint(p)) return false;
        return MoveLinePoint(item, p.x, p.y);
    }
    case SEL_DEFINITION_FIXED_POINT: {
        Cpp_RadiusDefinition* definition = RadiusDefinitionOf(item);
        if (!definition) return false;
        s_tagTypePointXY p = definition->GetFixedPoint();
        if (!ApplyPendingMoveToPoint(p)) return false;
        definition->SetFixedPoint(p.x, p.y);
        repaint = true;
        return true;
    }
    default: return false;
    }
}

bool CircleDefinitionMoveByDistance(Cpp_Selection& item, [[maybe_unused]] bool& repaint) {
    switch (item.GetType()) {
    case SEL_CIRCLE_CENTRE: {
        const int mode = item.GetDataSet() ? item.GetDataSet()->AnalysisMode() : 0;
        if (mode == 1 || mode == 3) {
            s_tagTypePointXY p{item.GetItemReferences().x, item.GetItemReferences().y};
            if (ApplyPendingMoveToPoint(p)) {
                SetCentre(*item.GetDataSet(), p.x, p.y);
                item.EditItemReferences().x = p.x;
                item.EditItemReferences().y = p.y;
            }
            repaint = true;
        }
        return true;
    }
    default: return false;
    }
}

bool LineLoadMoveByDistance(Cpp_Selection& item, [[maybe_unused]] bool& repaint) {
    switch (item.GetType()) {
    case SEL_LINE_LOAD: return true;
    default: return false;
    }
}

}  // namespace selection_family

bool Cpp_Selection::MoveFromReferencePoint(const s_tagTypePointXY& reference, double distance,
                                           int mode) {
    const s_tagTypePointXY at = GetItemPosition();
    if (mode == 5) return MoveToXY(reference.x + distance, at.y, true);
    if (mode == 6) return MoveToXY(at.x, reference.y + distance, true);
    return false;
}

bool Cpp_Selection::MoveToLine(const Cpp_PointXY* referenceFirst) {
    if (IsSegmentKind(type_)) return false;
    if (!TargetExists()) return false;
    s_tagTypePointXY p = GetItemPosition();
    MovePointToTargetLine(p, referenceFirst);
    const s_SelectionKindRow* row = FindSelectionKind(type_);
    if (const auto op = row ? SelectionFamilyOps(row->family).moveToLine : nullptr)
        if (const std::optional<bool> done = op(*this, p)) return *done;
    RefreshSelectedItem(*this);
    return true;
}

namespace selection_family {

std::optional<bool> ConstructionLineMoveToLine(Cpp_Selection& item, const s_tagTypePointXY& p) {
    switch (item.GetType()) {
    case SEL_CONSTRUCTION_POINT: MoveLinePoint(item, p.x, p.y); return std::nullopt;
    default: return std::nullopt;
    }
}

std::optional<bool> SlipSurfaceMoveToLine(Cpp_Selection& item, const s_tagTypePointXY& p) {
    switch (item.GetType()) {
    case SEL_NONCIRCULAR_POINT: MoveLinePoint(item, p.x, p.y); return std::nullopt;
    default: return std::nullopt;
    }
}

std::optional<bool> PiezometricLineMoveToLine(Cpp_Selection& item, const s_tagTypePointXY& p) {
    switch (item.GetType()) {
    case SEL_PIEZOMETRIC_POINT: MoveLinePoint(item, p.x, p.y); return std::nullopt;
    default: return std::nullopt;
    }
}

std::optional<bool> ProfileLineMoveToLine(Cpp_Selection& item, const s_tagTypePointXY& p) {
    switch (item.GetType()) {
    case SEL_PROFILE_POINT: MoveLinePoint(item, p.x, p.y); return std::nullopt;
    default: return std::nullopt;
    }
}

std::optional<bool> SlopeLineMoveToLine(Cpp_Selection& item, const s_tagTypePointXY& p) {
    switch (item.GetType()) {
    case SEL_SLOPE_POINT: MoveLinePoint(item, p.x, p.y); return std::nullopt;
    default: return std::nullopt;
    }
}

std::optional<bool> IrregularTangentMoveToLine(Cpp_Selection& item, const s_tagTypePointXY& p) {
    switch (item.GetType()) {
    case SEL_TANGENT_POINT: MoveLinePoint(item, p.x, p.y); return std::nullopt;
    default: return std::nullopt;
    }
}

std::optional<bool> RadiusDefinitionMoveToLine(Cpp_Selection& item, const s_tagTypePointXY& p) {
    switch (item.GetType()) {
    case SEL_DEFINITION_TANGENT_POINT: MoveLinePoint(item, p.x, p.y); return std::nullopt;
    case SEL_DEFINITION_FIXED_POINT:
        if (Cpp_RadiusDefinition* definition = RadiusDefinitionOf(item))
            definition->SetFixedPoint(p.x, p.y);
        return std::nullopt;
    default: return std::nullopt;
    }
}

std::optional<bool> ReinforcementMoveToLine(Cpp_Selection& item, const s_tagTypePointXY& p) {
    switch (item.GetType()) {
    case SEL_REINFORCEMENT_POINT: MoveLinePoint(item, p.x, p.y); return std::nullopt;
    default: return std::nullopt;
    }
}

std::optional<bool> DistributedLoadMoveToLine(Cpp_Selection& item, const s_tagTypePointXY& p) {
    switch (item.GetType()) {
    case SEL_LOAD_POINT: MoveLoadPoint(item, p.x, p.y); return std::nullopt;
    default: return std::nullopt;
    }
}

std::optional<bool> CircleDefinitionMoveToLine(Cpp_Selection& item, const s_tagTypePointXY& p) {
    switch (item.GetType()) {
    case SEL_CIRCLE_CENTRE:
        SetCentre(*item.GetDataSet(), p.x, p.y);
        item.EditItemReferences().x = p.x;
        item.EditItemReferences().y = p.y;
        return true;
    default: return std::nullopt;
    }
}

}  // namespace selection_family

bool Cpp_Selection::Snap(int direction, const s_tagTypePointXY& a, const s_tagTypePointXY& b) {
    const s_tagTypePointXY p = GetItemPosition();
    s_tagTypePointXY z = p;
    if (direction == 1) {
        if (a.y == b.y) {
            ShowErrorMessage("Error", "Cannot snap point horizontally to a horizontal line.");
            return false;
        }
        z.x = std::fabs(a.x - p.x) >= std::fabs(b.x - p.x) ? a.x : b.x;
        if (z.x == p.x) z.x = p.x + 1.0;
    } else {
        if (a.x == b.x) {
            ShowErrorMessage("Error", "Cannot snap point vertically to a vertical line.");
            return false;
        }
        z.y = std::fabs(a.y - p.y) >= std::fabs(b.y - p.y) ? a.y : b.y;
        if (z.y == p.y) z.y = p.y + 1.0;
    }
    Cpp_PointXY at;
    if (!LinesIntersectionPoint(Cpp_PointXY(p), Cpp_PointXY(z), Cpp_PointXY(a), Cpp_PointXY(b), 0.0,
                                at))
        return false;
    if (!SnapToPickedItem(at.XY())) return false;
    RefreshSelectedItem(*this);
    return true;
}

bool Cpp_Selection::SnapToPickedItem(const s_tagTypePointXY& point) {
    if (!TargetExists()) return false;
    const s_SelectionKindRow* row = FindSelectionKind(type_);
    if (const auto op = row ? SelectionFamilyOps(row->family).snapToPickedItem : nullptr)
        return op(*this, point);
    return false;
}

namespace selection_family {

bool ConstructionLineSnapToPickedItem(Cpp_Selection& item,
                                      [[maybe_unused]] const s_tagTypePointXY& point) {
    [[maybe_unused]] Cpp_AnalysisComputationData* a =
        item.GetDataSet() ? item.GetDataSet()->AnalysisComputationData() : nullptr;
    switch (item.GetType()) {
    case SEL_CONSTRUCTION_POINT: return MoveLinePoint(item, point.x, point.y);
    default: return false;
    }
}

bool SlipSurfaceSnapToPickedItem(Cpp_Selection& item,
                                 [[maybe_unused]] const s_tagTypePointXY& point) {
    [[maybe_unused]] Cpp_AnalysisComputationData* a =
        item.GetDataSet() ? item.GetDataSet()->AnalysisComputationData() : nullptr;
    switch (item.GetType()) {
    case SEL_NONCIRCULAR_POINT: return MoveLinePoint(item, point.x, point.y);
    default: return false;
    }
}

bool PiezometricLineSnapToPickedItem(Cpp_Selection& item,
                                     [[maybe_unused]] const s_tagTypePointXY& point) {
    [[maybe_unused]] Cpp_AnalysisComputationData* a =
        item.GetDataSet() ? item.GetDataSet()->AnalysisComputationData() : nullptr;
    switch (item.GetType()) {
    case SEL_PIEZOMETRIC_POINT: return MoveLinePoint(item, point.x, point.y);
    default: return false;
    }
}

bool ProfileLineSnapToPickedItem(Cpp_Selection& item,
                                 [[maybe_unused]] const s_tagTypePointXY& point) {
    [[maybe_unused]] Cpp_AnalysisComputationData* a =
        item.GetDataSet() ? item.GetDataSet()->AnalysisComputationData() : nullptr;
    switch (item.GetType()) {
    case SEL_PROFILE_POINT: return MoveLinePoint(item, point.x, point.y);
    default: return false;
    }
}

bool ReinforcementSnapToPickedItem(Cpp_Selection& item,
                                   [[maybe_unused]] const s_tagTypePointXY& point) {
    [[maybe_unused]] Cpp_AnalysisComputationData* a =
        item.GetDataSet() ? item.GetDataSet()->AnalysisComputationData() : nullptr;
    switch (item.GetType()) {
    case SEL_REINFORCEMENT_POINT: return MoveLinePoint(item, point.x, point.y);
    default: return false;
    }
}

bool SlopeLineSnapToPickedItem(Cpp_Selection& item,
                               [[maybe_unused]] const s_tagTypePointXY& point) {
    [[maybe_unused]] Cpp_AnalysisComputationData* a =
        item.GetDataSet() ? item.GetDataSet()->AnalysisComputationData() : nullptr;
    switch (item.GetType()) {
    case SEL_SLOPE_POINT: return MoveLinePoint(item, point.x, point.y);
    default: return false;
    }
}

bool RadiusDefinitionSnapToPickedItem(Cpp_Selection& item,
                                      [[maybe_unused]] const s_tagTypePointXY& point) {
    [[maybe_unused]] Cpp_AnalysisComputationData* a =
        item.GetDataSet() ? item.GetDataSet()->AnalysisComputationData() : nullptr;
    switch (item.GetType()) {
    case SEL_DEFINITION_TANGENT_POINT: return MoveLinePoint(item, point.x, point.y);
    case SEL_DEFINITION_FIXED_POINT:
        if (Cpp_RadiusDefinition* definition = RadiusDefinitionOf(item)) {
            definition->SetFixedPoint(point.x, point.y);
            return true;
        }
        return false;
    default: return false;
    }
}

bool IrregularTangentSnapToPickedItem(Cpp_Selection& item,
                                      [[maybe_unused]] const s_tagTypePointXY& point) {
    [[maybe_unused]] Cpp_AnalysisComputationData* a =
        item.GetDataSet() ? item.GetDataSet()->AnalysisComputationData() : nullptr;
    switch (item.GetType()) {
    case SEL_TANGENT_POINT:
        MoveLinePoint(item, point.x, point.y);
        RecomputeCircle(item.GetDataSet());
        return true;
    default: return false;
    }
}

bool InterpolationSnapToPickedItem(Cpp_Selection& item,
                                   [[maybe_unused]] const s_tagTypePointXY& point) {
    [[maybe_unused]] Cpp_AnalysisComputationData* a =
        item.GetDataSet() ? item.GetDataSet()->AnalysisComputationData() : nullptr;
    switch (item.GetType()) {
    case SEL_CP_POINT:
    case SEL_PRESSURE_POINT:
    case SEL_RSUBU_POINT:
    case SEL_STRENGTH_POINT: return MoveInterpolationPoint(item, point.x, point.y);
    default: return false;
    }
}

bool DistributedLoadSnapToPickedItem(Cpp_Selection& item,
                                     [[maybe_unused]] const s_tagTypePointXY& point) {
    [[maybe_unused]] Cpp_AnalysisComputationData* a =
        item.GetDataSet() ? item.GetDataSet()->AnalysisComputationData() : nullptr;
    switch (item.GetType()) {
    case SEL_LOAD_POINT: return MoveLoadPoint(item, point.x, point.y);
    default: return false;
    }
}

bool LineLoadSnapToPickedItem(Cpp_Selection& item, [[maybe_unused]] const s_tagTypePointXY& point) {
    [[maybe_unused]] Cpp_AnalysisComputationData* a =
        item.GetDataSet() ? item.GetDataSet()->AnalysisComputationData() : nullptr;
    switch (item.GetType()) {
    case SEL_LINE_LOAD: return MoveLineLoad(item, point.x, point.y);
    default: return false;
    }
}

bool CircleDefinitionSnapToPickedItem(Cpp_Selection& item,
                                      [[maybe_unused]] const s_tagTypePointXY& point) {
    [[maybe_unused]] Cpp_AnalysisComputationData* a =
        item.GetDataSet() ? item.GetDataSet()->AnalysisComputationData() : nullptr;
    switch (item.GetType()) {
    case SEL_FIXED_POINT:
        a->SetThroughPoint(point.x, point.y);
        RecomputeCircle(item.GetDataSet());
        item.EditItemReferences().x = point.x;
        item.EditItemReferences().y = point.y;
        return true;
    case SEL_CIRCLE_CENTRE:
        SetCentre(*item.GetDataSet(), point.x, point.y);
        item.EditItemReferences().x = point.x;
        item.EditItemReferences().y = point.y;
        return true;
    case SEL_GRID_CORNER:
        a->GetFixedSearchGrid().SetCorner(static_cast<int>(item.GetItemReferences().number1),
                                          point.x, point.y);
        item.EditItemReferences().x = point.x;
        item.EditItemReferences().y = point.y;
        return true;
    default: return false;
    }
}

bool VariableCrackSnapToPickedItem(Cpp_Selection& item,
                                   [[maybe_unused]] const s_tagTypePointXY& point) {
    [[maybe_unused]] Cpp_AnalysisComputationData* a =
        item.GetDataSet() ? item.GetDataSet()->AnalysisComputationData() : nullptr;
    switch (item.GetType()) {
    case SEL_VARIABLE_CRACK_POINT:
    case SEL_VARIABLE_WATER_POINT:
        if (MoveCrackPoint(item, point.x, point.y)) UpdateDisplayBoundsFromGeometry();
        return true;
    default: return false;
    }
}

}  // namespace selection_family

// ---------------------------------------------------------------------------------------------
// Move Point a Distance

bool StartMovePointDistance(ViewInputHost& view, int mode) {
    StartPendingMove(mode);
    if (mode == 1 || mode == 2) return MoveSelectedPointsByDistance(view);
    return true;
}

bool MoveSelectedPointsByDistance(ViewInputHost& view) {
    if (!PerformPendingMove()) return false;
    ForEachSelected(view, [](Cpp_Selection& s) {
        bool repaint = false;
        return s.MoveByDistance(repaint);
    });
    EndPendingStep();
    return true;
}

bool MoveDistanceFromPointClick(ViewInputHost& view, double x, double y) {
    const Cpp_Selection* picked = PickAt(x, y, true, false);
    if (!picked) return false;
    s_tagTypePointXY reference;
    if (!picked->GetPointXY(reference)) {
        ShowNotice("Error - You have not selected a valid point or line to move within a "
                   "distance of.");
        return false;
    }
    if (Has(picked->GetType(), selection_flags::kDistanceReference)) {
        const int mode = PendingMove().mode;
        double distance = 1.0;
        if (AskMoveDistance(mode, distance)) {
            PendingMove().distance = distance;
            ForEachSelected(view, [&](Cpp_Selection& s) {
                return s.MoveFromReferencePoint(reference, distance, mode);
            });
        }
        SetCursorMode(CursorModeNone);
        ClearPromptBar();
    }
    return true;
}

bool MoveDistanceFromLineClick(ViewInputHost& view, double x, double y) {
    const Cpp_Selection* picked = PickAt(x, y, false, true);
    if (!picked) return false;
    Cpp_Line* line = nullptr;
    Cpp_PointXY* point = nullptr;
    if (!TargetLineOf(*picked, line, point)) {
        ShowNotice("Error - You have not selected a valid point or line to move within a "
                   "distance of.");
        return false;
    }
    if (Cpp_Selection::IsSegmentKind(picked->GetType()) && SetPendingMoveReferenceLine(line, point))
        MoveSelectedPointsByDistance(view);
    return true;
}

bool MoveDistanceModeThreeFourClick(ViewInputHost& view, double x, double y) {
    const Cpp_Selection* picked = PickAt(x, y, false, true);
    if (!picked || !Cpp_Selection::IsSegmentKind(picked->GetType())) return false;
    Cpp_Line* line = nullptr;
    Cpp_PointXY* point = nullptr;
    if (!TargetLineOf(*picked, line, point)) return false;
    if (SetPendingMoveTarget(picked->GetType(), 0)) MoveSelectedPointsByDistance(view);
    return false;
}

// ---------------------------------------------------------------------------------------------
// Move to Line

bool StartMoveToLine(bool parallel) {
    const Cpp_Selection* first = FirstCurrent();
    if (!first) return false;
    const int kind = first->GetType();
    if (!Has(kind, selection_flags::kMovesToLine)) return false;
    return StartPendingMoveToLine(parallel, kind == SEL_REINFORCEMENT_POINT);
}

bool MoveToLineFirstClick(double x, double y) {
    const Cpp_Selection* picked = PickAt(x, y, false, true);
    const Cpp_Selection* first = FirstCurrent();
    Cpp_Line* line = nullptr;
    Cpp_PointXY* point = nullptr;
    if (!picked || !first || !TargetLineOf(*picked, line, point) ||
        !Has(first->GetType(), selection_flags::kMovable))
        return false;
    return StartPickReferenceLine(line);
}

bool MoveToLineSecondClick(ViewInputHost& view, double x, double y) {
    const Cpp_Selection* picked = PickAt(x, y, false, true);
    if (!picked) return false;
    if (!Cpp_Selection::IsSegmentKind(picked->GetType())) return true;
    Cpp_Line* line = nullptr;
    Cpp_PointXY* point = nullptr;
    Cpp_Selection* first = GetCurrentSelection().GetNth(1);
    if (!TargetLineOf(*picked, line, point) || !first ||
        !Has(first->GetType(), selection_flags::kMovable))
        return false;
    const int kind = first->GetType();
    if (first->MoveToLine(point)) {
        view.DataChanged(DataChangeKindOf(kind));
        view.InvalidateView();
    }
    return true;
}

// ---------------------------------------------------------------------------------------------
// Make parallel

bool MakeParallelOrPerpendicular(bool parallel) {
    if (GetCurrentSelection().Count() > 1) {
        ShowNotice("Error - Cannot make multiple segments paralel at one time.  You must select "
                   "segments one at a time.");
        return false;
    }
    const Cpp_Selection* first = FirstCurrent();
    return first && first->StartMakeParallel(parallel);
}

bool PickParallelReferenceLine(double x, double y) {
    const Cpp_Selection* picked = PickAt(x, y, false, true);
    Cpp_Line* line = nullptr;
    Cpp_PointXY* point = nullptr;
    if (!picked || !Cpp_Selection::IsSegmentKind(picked->GetType()) ||
        !TargetLineOf(*picked, line, point))
        return false;
    return Cpp_LineTool::StartAdjustEnd(line, point);
}

// ---------------------------------------------------------------------------------------------
// Extend, change length or slope, split

bool ExtendToLine(bool toSegment) {
    const Cpp_Selection* first = FirstCurrent();
    return first && Has(first->GetType(), selection_flags::kLinePoint) &&
           first->StartExtendToLine(toSegment);
}

bool ExtendToSelectedLineClick(ViewInputHost& view, double x, double y) {
    const Cpp_Selection* picked = PickAt(x, y, false, true);
    Cpp_Line* line = nullptr;
    Cpp_PointXY* point = nullptr;
    if (!picked || !TargetLineOf(*picked, line, point)) return false;
    const Cpp_Selection* first = FirstCurrent();
    const int kind = first ? first->GetType() : 0;
    if (Cpp_LineTool::ExtendChooseDirection(line, point)) {
        view.DataChanged(DataChangeKindOf(kind));
        view.InvalidateView();
    }
    return true;
}

bool StartChangeSegmentLength() {
    const Cpp_Selection* first = FirstCurrent();
    if (first) first->StartChangeSegmentLength();
    return true;
}

bool StartChangeSegmentSlope() {
    const Cpp_Selection* first = FirstCurrent();
    if (first) first->StartChangeSegmentSlope();
    return true;
}

bool SplitLineAtPoint(ViewInputHost& view) {
    const Cpp_Selection* first = FirstCurrent();
    if (!first || !In(first->GetType(), {SEL_PIEZOMETRIC_POINT, SEL_PROFILE_POINT})) return true;
    const int kind = first->GetType();
    const Cpp_Line* line = LineOf(*first);
    const int before = LineListOf(*first) ? LineListOf(*first)->Count() : 0;
    first->SplitLineAtPoint();
    if (LineListOf(*first) && LineListOf(*first)->Count() != before) {
        GetCurrentSelection().Clear();
        Cpp_SelectionList::NoteModelChange();
        view.HideCurrentToolBar();
        view.DataChanged(DataChangeKindOf(kind));
    }
    (void)line;
    view.InvalidateView();
    return true;
}

bool SplitLineAtSegment(bool splitter) {
    const Cpp_Selection* first = FirstCurrent();
    if (!first || !first->TargetExists()) return true;
    Cpp_Line* line = LineOf(*first);
    Cpp_PointXY* segment = PointOf(*first);
    switch (first->GetType()) {
    case SEL_CONSTRUCTION_SEGMENT:
        Cpp_LineTool::StartSplitLine(Cpp_ConstructionLineList::GetDrawAttributes(), line, segment,
                                     splitter);
        SetCursorMode(CursorModeSplitConstructionLine);
        break;
    case SEL_PIEZOMETRIC_SEGMENT:
        Cpp_LineTool::StartSplitLine(
            GetPiezometricDisplayAttributes(first->GetStage() == 2 ? 2 : 1), line, segment,
            splitter);
        SetCursorMode(CursorModeSplitPiezometricLine);
        if (!splitter) TheToolBars().piezometric.SetEntryOption(4);
        break;
    case SEL_PROFILE_SEGMENT:
        Cpp_LineTool::StartSplitLine(Cpp_ProfileTool::GetDisplayAttributes(), line, segment,
                                     splitter);
        SetCursorMode(CursorModeSplitProfileLine);
        if (!splitter) TheToolBars().profile.SetEntryOption(4);
        break;
    case SEL_REINFORCEMENT_INTERVAL: SetCursorMode(CursorModeSplitReinforcementLine); break;
    default: break;
    }
    return true;
}

// ---------------------------------------------------------------------------------------------
// Snapping

bool StartSnapSelection(int direction) {
    const Cpp_Selection* first = FirstCurrent();
    if (!first || !Has(first->GetType(), selection_flags::kSnaps)) {
        SetCursorMode(CursorModeNone);
        return false;
    }
    g_snapDirection = direction;
    ShowPromptResource(1350);
    SetToolTipFromId(1350);
    SetCursorMode(CursorModeSnapHorizontalOrVertical);
    return true;
}

bool SnapSelectedPointsToPickedLine(ViewInputHost& view, const Cpp_Selection& picked) {
    Cpp_Line* line = nullptr;
    Cpp_PointXY* segment = nullptr;
    if (!Cpp_Selection::IsSegmentKind(picked.GetType()) || !TargetLineOf(picked, line, segment) ||
        !segment->Next())
        return false;
    const s_tagTypePointXY a = segment->XY(), b = segment->Next()->XY();
    bool success = true;
    ForEachSelected(view, [&](Cpp_Selection& s) {
        const bool moved = s.Snap(g_snapDirection, a, b);
        if (Has(s.GetType(), selection_flags::kLinePoint) && s.GetType() != SEL_TANGENT_POINT)
            success = moved;
        return moved;
    });
    if (const Cpp_Selection* first = FirstCurrent()) RefreshSelectedItem(*first);
    if (success) EndPendingStep();
    return success;
}

bool SnapClick(ViewInputHost& view, double x, double y) {
    const Cpp_Selection* picked = PickAt(x, y, false, true);
    if (!picked) return false;
    const Cpp_Selection copy = *picked;
    return SnapSelectedPointsToPickedLine(view, copy);
}

bool StartSnapToPoint() {
    ShowPromptResource(1351);
    SetToolTipFromId(1351);
    SetCursorMode(CursorModeSnapToPoint);
    return true;
}

bool SnapToPointClick(ViewInputHost& view, double x, double y) {
    const Cpp_Selection* picked = PickAt(x, y, true, false);
    s_tagTypePointXY point;
    if (!picked || !picked->GetPointXY(point)) return false;
    ForEachSelected(view, [&](Cpp_Selection& s) {
        if (!s.SnapToPickedItem(point)) return false;
        RefreshSelectedItem(s);
        return true;
    });
    SetCursorMode(CursorModeNone);
    ClearPromptBar();
    EndPendingStep();
    UpdateDisplayBoundsFromGeometry();
    return true;
}

bool CancelSelectionTool() {
    EndPendingStep();
    return true;
}

// ---------------------------------------------------------------------------------------------
// The view's steps

namespace view_edit_steps {

void MoveFromPointClick(s_InputCall& call) {
    MoveDistanceFromPointClick(call.view, call.raw.x, call.raw.y);
}
void MoveFromLineClick(s_InputCall& call) {
    MoveDistanceFromLineClick(call.view, call.raw.x, call.raw.y);
}
void MoveModeThreeFourClick(s_InputCall& call) {
    MoveDistanceModeThreeFourClick(call.view, call.raw.x, call.raw.y);
}
void MoveToLineTargetClick(s_InputCall& call) { MoveToLineFirstClick(call.raw.x, call.raw.y); }
void MoveToLineReferenceClick(s_InputCall& call) {
    MoveToLineSecondClick(call.view, call.raw.x, call.raw.y);
}
void SnapLineClick(s_InputCall& call) { SnapClick(call.view, call.raw.x, call.raw.y); }
void SnapPointClick(s_InputCall& call) { SnapToPointClick(call.view, call.raw.x, call.raw.y); }
void EndStep(s_InputCall&) { CancelSelectionTool(); }
void ParallelReferenceClick(s_InputCall& call) {
    PickParallelReferenceLine(call.raw.x, call.raw.y);
}
void ExtendTargetClick(s_InputCall& call) {
    if (ExtendToSelectedLineClick(call.view, call.raw.x, call.raw.y)) call.modified = true;
}

}  // namespace view_edit_steps
