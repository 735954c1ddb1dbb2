// The view's steps of the circle tool and of the fixed search grid's tools. A stored circle is
// followed by its end points on the slope; every stored change marks the document modified.

#include "editing/view_slip_surface_steps.h"

#include "analysis/analysis_computation_data.h"
#include "core/cursor_mode.h"
#include "editing/circle_tool.h"
#include "editing/cursor_modes.h"
#include "editing/display_bounds.h"
#include "editing/line_entry_tool.h"
#include "editing/noncircular_tool.h"
#include "editing/radius_tool.h"
#include "editing/search_grid_tool.h"
#include "editing/selection_list.h"
#include "editing/shift_direction_tool.h"
#include "editing/tool_dialog_bars.h"
#include "editing/view_selection.h"
#include "graphics/graphic_grid.h"
#include "graphics/graphics.h"
#include "model/circle_end_points.h"
#include "model/data_set.h"
#include "model/data_sets.h"

namespace view_slip_surface_steps {

namespace {

Cpp_Kliven4DataSet& DataSet() { return *Cpp_Kliven4Data::CurrentDataSet(); }
Cpp_AnalysisComputationData& Analysis() { return *DataSet().AnalysisComputationData(); }
Cpp_FixedSearchGrid& Grid() { return Analysis().GetFixedSearchGrid(); }

void Changed(s_InputCall& c) {
    c.modified = true;
    c.redraw = true;
    c.view.DataChanged(0);
}

// A circle stored: its end points on the slope, then the document.
void CircleStored(s_InputCall& c) {
    UpdateCircleEndPoints(DataSet());
    Changed(c);
}

// The world point of a pixel, snapped to the grid when snapping is on.
s_tagTypePointXY SnappedWorld(s_PixelPoint pixel) {
    s_tagTypePointXY p;
    Cpp_Graphics::PixelToWorldPoint(pixel.x, pixel.y, p.x, p.y);
    if (Cpp_GraphicGrid::SnapOn()) Cpp_GraphicGrid::SnapToGrid(p.x, p.y, false);
    return p;
}

}  // namespace

void CircleClick(s_InputCall& c) {
    if (Cpp_CircleTool::CircleToolClick(Analysis(), c.in.device.x, c.in.device.y, c.snapped.x,
                                        c.snapped.y))
        view_input_ops::ConsumePress(true);
}

void CircleEnter(s_InputCall& c) {
    if (Cpp_CircleTool::CircleToolEnter(Analysis())) CircleStored(c);
}

void CircleMove(s_InputCall& c) {
    if (c.in.shift) TheToolBars().circle.SetCenter(c.rounded.x, c.rounded.y);
    if (c.in.control) Cpp_CircleTool::CircleToolMouseMove(c.rounded.x, c.rounded.y);
    // A press held and moved drags a grid rectangle from the press point.
    const s_PressRecord& press = GetPressRecord();
    if (!press.buttonDown || !press.armed) return;
    if (c.view.Milliseconds() - press.time <= kDragDelayMilliseconds) return;
    if (c.in.device.x == press.press.x && c.in.device.y == press.press.y) return;
    const s_tagTypePointXY at = SnappedWorld(press.press);
    Cpp_FixedSearchGridTool::StartEntry(Grid(), press.press.x, press.press.y, at.x, at.y, true,
                                        false);
}

void CircleButtonUp(ViewInputHost& view, const s_ViewInput& in) {
    const s_tagTypePointXY at = SnappedWorld(in.device);
    if (GetCursorMode() == CursorModeSearchGridDrag) {
        if (Cpp_CircleTool::CircleToolButtonUp(Analysis(), at.x, at.y)) {
            view.DataChanged(0);
            view.InvalidateView();
        }
        return;
    }
    Cpp_FixedSearchGridTool::StartEntry(Grid(), Cpp_Graphics::XToPixel(at.x),
                                        Cpp_Graphics::YToPixel(at.y), at.x, at.y, false, false);
}

void CircleRadiusClick(s_InputCall& c) {
    if (!Cpp_CircleTool::FinishCircleTool(Analysis(), c.snapped.x, c.snapped.y, false)) return;
    CircleStored(c);
    view_input_ops::ConsumePress(true);
}

void CircleRadiusEnter(s_InputCall& c) {
    if (Cpp_CircleTool::FinishCircleTool(Analysis(), 0.0, 0.0, true)) CircleStored(c);
}

void CircleRadiusMove(s_InputCall& c) {
    view_input_ops::SetMoveToolTip(Cpp_CircleTool::CircleToolRadiusMouseMove(
        c.in.device.x, c.in.device.y, c.rounded.x, c.rounded.y, c.in.shift));
}

void CircleRadiusCancel(s_InputCall&) { Cpp_CircleTool::CancelCircleToolRadius(); }

void CentreClick(s_InputCall& c) {
    if (Cpp_CircleTool::CenterToolClick(Analysis(), c.snapped.x, c.snapped.y)) CircleStored(c);
}

void CentreMove(s_InputCall& c) {
    Cpp_CircleTool::CenterToolMouseMove(Analysis(), c.in.device.x, c.in.device.y);
}

void CentreCancel(s_InputCall&) { Cpp_CircleTool::CancelCenterTool(); }

void RadiusRuleClick(s_InputCall& c) {
    if (Cpp_CircleTool::RadiusRuleDragClick(Analysis(), c.snapped.x, c.snapped.y)) CircleStored(c);
}

void RadiusRuleMove(s_InputCall& c) {
    if (c.in.shift) TheToolBars().radius.UpdateFromPoint(c.snapped.x, c.snapped.y, true);
    view_input_ops::SetMoveToolTip(Cpp_CircleTool::RadiusRuleDragMouseMove(
        c.in.device.x, c.in.device.y, c.snapped.x, c.snapped.y));
}

void RadiusRuleCancel(s_InputCall&) { Cpp_CircleTool::CancelRadiusRuleDrag(); }

namespace {
void GridCorner(s_InputCall& c, bool fromBar) {
    const bool entering = Cpp_FixedSearchGridTool::IsEntering();
    if (!Cpp_CircleTool::GridCornerClick(Analysis(), c.in.device.x, c.in.device.y, c.snapped.x,
                                         c.snapped.y, fromBar))
        return;
    if (!fromBar) view_input_ops::ConsumePress(false);
    if (entering && !Cpp_FixedSearchGridTool::IsEntering()) Changed(c);
}
}  // namespace

void GridCornerClick(s_InputCall& c) { GridCorner(c, false); }
void GridCornerEnter(s_InputCall& c) { GridCorner(c, true); }

void GridCornerMove(s_InputCall& c) {
    Cpp_FixedSearchGridTool::ToolMouseMove(c.pickDevice.x, c.pickDevice.y, c.in.device.x,
                                           c.in.device.y, c.snapped.x, c.snapped.y, false);
}

void GridRectangleMove(s_InputCall& c) {
    Cpp_FixedSearchGridTool::ToolMouseMove(c.pickDevice.x, c.pickDevice.y, c.in.device.x,
                                           c.in.device.y, c.snapped.x, c.snapped.y, true);
}

void GridEntryEscape(s_InputCall&) { Cpp_FixedSearchGridTool::EscapeEntry(); }

namespace {
// A selected item dropped (a grid corner, a radius definition): the change, and the item's bar
// shows its new values.
void SelectedItemDropped(s_InputCall& c) {
    Changed(c);
    Cpp_SelectionList& list = GetCurrentSelection();
    const Cpp_Selection* first = list.GetNth(1);
    if (first && list.IsLive(first)) first->UpdateToolBars();
}
}  // namespace

void GridCornerDrop(s_InputCall& c) {
    if (Cpp_FixedSearchGridTool::DragEnd(Grid(), false)) SelectedItemDropped(c);
}

void GridCornerDropFromBar(s_InputCall& c) {
    if (Cpp_FixedSearchGridTool::DragEnd(Grid(), true)) SelectedItemDropped(c);
}

void GridCornerDragMove(s_InputCall& c) {
    if (c.in.shift) TheToolBars().circle.SetCenter(c.rounded.x, c.rounded.y);
    Cpp_FixedSearchGridTool::DragMove(c.in.device.x, c.in.device.y, c.snapped.x, c.snapped.y);
}

void GridCornerMoveCancel(s_InputCall&) { Cpp_FixedSearchGridTool::CancelTool(); }

void RadiusClick(s_InputCall& c) {
    Cpp_RadiusTool::RadiusToolClick(Analysis(), c.in.device.x, c.in.device.y, c.snapped.x,
                                    c.snapped.y, false);
    if (GetCursorMode() == CursorModeNone) Changed(c);
}

void RadiusEnter(s_InputCall& c) {
    Cpp_RadiusTool::RadiusToolClick(Analysis(), 0, 0, 0.0, 0.0, true);
    if (GetCursorMode() == CursorModeNone) Changed(c);
}

void RadiusMove(s_InputCall& c) {
    if (c.in.shift) TheToolBars().radius.UpdateFromPoint(c.snapped.x, c.snapped.y, true);
}

namespace {
void TangentStored(s_InputCall& c) {
    UpdateDisplayBoundsFromGeometry();
    Changed(c);
}
void TangentPoint(s_InputCall& c, bool fromBar) {
    bool stored = false;
    Cpp_RadiusTool::RadiusToolEnterTypedPoint(Analysis(), c.in.device.x, c.in.device.y, c.rounded.x,
                                              c.rounded.y, fromBar, stored);
    if (stored) TangentStored(c);
}
}  // namespace

void TangentPointClick(s_InputCall& c) { TangentPoint(c, false); }
void TangentPointEnter(s_InputCall& c) { TangentPoint(c, true); }

void TangentPointMove(s_InputCall& c) {
    Cpp_LineEntry::EnterPointsMouseMove(c.pickDevice.x, c.pickDevice.y, c.in.device.x,
                                        c.in.device.y, c.rounded.x, c.rounded.y);
    view_input_ops::CoordinateToolTip(c);
}

void TangentEscape(s_InputCall& c) {
    if (c.in.shift) {
        Cpp_LineEntry::UndoLastEnteredPoint();
        if (!Cpp_LineEntry::IsActive()) SetCursorMode(CursorModeNone);
    } else {
        Cpp_RadiusTool::CancelTangentLine();
    }
}

void TangentFinish(s_InputCall& c) {
    if (Cpp_RadiusTool::RadiusToolFinishTangentLine(Analysis())) TangentStored(c);
}

void RubberBandClick(s_InputCall& c) {
    if (Cpp_RubberBandCircle::Click(c.snapped.x, c.snapped.y, false)) SelectedItemDropped(c);
}

void RubberBandEnter(s_InputCall& c) {
    if (Cpp_RubberBandCircle::Click(0.0, 0.0, true)) SelectedItemDropped(c);
}

void RubberBandMove(s_InputCall& c) {
    if (c.in.shift) TheToolBars().radius.UpdateFromPoint(c.snapped.x, c.snapped.y, true);
    Cpp_RubberBandCircle::MouseMove(c.pickDevice.x, c.pickDevice.y, c.in.device.x, c.in.device.y,
                                    c.snapped.x, c.snapped.y);
    view_input_ops::SetMoveToolTip(Cpp_RubberBandCircle::TooltipText(c.snapped.x, c.snapped.y));
}

void RubberBandCancel(s_InputCall&) { Cpp_RubberBandCircle::Cancel(); }

void NoncircularClick(s_InputCall& c) {
    Cpp_NoncircularTool::StartNoncircularEntry(c.in.device.x, c.in.device.y, c.rounded.x,
                                               c.rounded.y, false, DataSet().SlopeGeometry());
}

void NoncircularEnter(s_InputCall&) {
    Cpp_NoncircularTool::StartNoncircularEntry(0, 0, 0.0, 0.0, true, DataSet().SlopeGeometry());
}

void NoncircularMove(s_InputCall& c) {
    if (c.in.shift) TheToolBars().noncircular.SetPoint(c.rounded.x, c.rounded.y);
}

namespace {
void NoncircularStored(s_InputCall& c) {
    UpdateDisplayBoundsFromGeometry();
    Changed(c);
}
void NoncircularPoint(s_InputCall& c, bool fromBar) {
    bool stored = false;
    Cpp_NoncircularTool::NoncircularToolNextPoint(Analysis(), c.in.device.x, c.in.device.y,
                                                  c.rounded.x, c.rounded.y, fromBar,
                                                  DataSet().SlopeGeometry(), stored);
    if (stored) NoncircularStored(c);
}
}  // namespace

void NoncircularPointClick(s_InputCall& c) { NoncircularPoint(c, false); }
void NoncircularPointEnter(s_InputCall& c) { NoncircularPoint(c, true); }

void NoncircularPointMove(s_InputCall& c) {
    NoncircularMove(c);
    Cpp_NoncircularTool::NoncircularEntryMouseMove(c.in.device.x, c.in.device.y, c.rounded.x,
                                                   c.rounded.y);
    view_input_ops::CoordinateToolTip(c);
}

void NoncircularCancel(s_InputCall&) { Cpp_NoncircularTool::CancelNoncircularEntry(); }

void NoncircularFinish(s_InputCall& c) {
    if (Cpp_NoncircularTool::FinishNoncircularEntry(Analysis(), DataSet().SlopeGeometry()))
        NoncircularStored(c);
}

void ShiftDirectionClick(s_InputCall& c) {
    if (Cpp_ShiftDirectionTool::DirectionToolClick(c.snapped.x, c.snapped.y)) Changed(c);
}

void ShiftDirectionMove(s_InputCall& c) {
    Cpp_ShiftDirectionTool::ShiftToolMouseMove(c.in.device.x, c.in.device.y);
}

void ShiftDirectionCancel(s_InputCall&) { Cpp_ShiftDirectionTool::CancelDirectionTool(); }

void ShiftParallelPick(s_InputCall& c) {
    Cpp_SelectionList& picks = GetPickList();
    picks.Clear();
    picks.SetAddMode(false);
    picks.SelectItemAtPoint(Cpp_Kliven4Data::CurrentDataSetOrNull(), c.raw.x, c.raw.y, true, false,
                            true);
    if (picks.Count() >= 2) {
        ShowSelectionMenu(c.view, c.pickDevice);
    } else if (const Cpp_Selection* picked = picks.GetNth(1)) {
        const Cpp_Selection copy = *picked;
        picks.Clear();
        if (Cpp_ShiftDirectionTool::SetMoveDirectionFromPickedSegment(copy)) Changed(c);
    }
}

void ShiftParallelCancel(s_InputCall&) { Cpp_ShiftDirectionTool::CancelShiftTool(); }

}  // namespace view_slip_surface_steps
