// The view's inputs while a point tool of a polyline runs (adding at an end, inserting,
// dragging a point or a segment): the operations of their cursor-mode rows (view_dispatch.cpp).

#include "core/cursor_mode.h"
#include "core/preferences.h"
#include "editing/construction_items.h"
#include "editing/cursor_modes.h"
#include "editing/line_point_tools.h"
#include "editing/piezometric_tool.h"
#include "editing/profile_tool.h"
#include "editing/selection_list.h"
#include "editing/slope_tool.h"
#include "editing/tool_dialog_bars.h"
#include "editing/view_dispatch.h"
#include "editing/working_line.h"
#include "loads/reinforcement_line.h"
#include "model/data_set.h"
#include "model/data_sets.h"
#include "porepressure/piezometric_line.h"
#include "profile/profile_line.h"
#include "profile/slope_geometry.h"

namespace {

// What a changed line means for the document: the profile and piezometric lines carry derived
// data (DataChanged kinds 2 and 4); a changed slope counts as entered and its crack lines follow.
void LineChanged(s_InputCall& c, const Cpp_Line* line) {
    c.modified = true;
    Cpp_Kliven4DataSet* dataSet = Cpp_Kliven4Data::CurrentDataSetOrNull();
    if (!dataSet) return;
    if (dataSet->ProfileLines().IndexOf(line) >= 0) {
        c.view.DataChanged(2);
    } else if (dataSet->PiezometricLines(Cpp_Kliven4DataSet::CurrentStage())->IndexOf(line) >= 0) {
        c.view.DataChanged(4);
    } else if (line == &dataSet->SlopeGeometry().GetSlopeLine()) {
        Cpp_SlopeTool::SlopeChanged();
        c.view.DataChanged(0);
        c.redraw = true;
    } else if (Cpp_WorkingLine::Holds(line)) {
        c.view.DataChanged(9);  // the slip surface or a tangent line
    } else if (dataSet->ReinforcementLines()->IndexOf(line) >= 0) {
        // The force diagrams follow the moved points: drawn again whole.
        c.view.DataChanged(0);
        c.redraw = true;
    } else {
        c.view.DataChanged(0);
    }
}

// Shift during a move: the cursor point goes to the bar of the line being edited.
void CursorToBar(s_InputCall& c, int mode) {
    if (!c.in.shift) return;
    ToolDialogBars& bars = TheToolBars();
    const double x = c.rounded.x, y = c.rounded.y;
    switch (mode) {
    case CursorModeAddPointConstructionLine:
    case CursorModeDragConstructionPoint:
    case CursorModeInsertConstructionPoint: bars.construction.SetPoint(x, y); break;
    case CursorModeAddPointProfileLine:
    case CursorModeDragProfilePoint:
    case CursorModeInsertProfilePoint: bars.profile.SetPoint(x, y); break;
    case CursorModeAddPointPiezometricLine:
    case CursorModeDragPiezometricPoint:
    case CursorModeInsertPiezometricPoint: bars.piezometric.SetPoint(x, y); break;
    case CursorModeInsertSlopePoint: bars.slope.SetPoint(x, y); break;
    default: break;
    }
}

// The addition at an end, from the click or (typed) from the bar of the line's kind.
bool AddAtEnd(int mode, double x, double y, bool typed) {
    switch (mode) {
    case CursorModeAddPointConstructionLine: return Cpp_LineTool::AddPointAtEndFromBar(x, y, typed);
    case CursorModeAddPointProfileLine: return Cpp_LineTool::AddPointAtEndFromBar2(x, y, typed);
    case CursorModeAddPointPiezometricLine:
        return Cpp_PiezometricTool::AddPointAtEndFromToolBar(x, y, typed);
    case CursorModeAddPointSlopeLine: {
        if (typed && !TheToolBars().slope.GetPoint(x, y)) return false;
        return Cpp_LineTool::AddPointAtEnd(x, y);
    }
    default: return false;
    }
}

bool Insert(int mode, double x, double y, bool typed) {
    switch (mode) {
    case CursorModeInsertConstructionPoint:
        return Cpp_LineTool::InsertOnSegmentFromBar(x, y, true, typed);
    case CursorModeInsertProfilePoint:
        return Cpp_LineTool::InsertOnSegmentFromBar2(x, y, true, typed);
    case CursorModeInsertPiezometricPoint:
        return Cpp_PiezometricTool::CompleteInsertFromToolBar(x, y, true, typed);
    case CursorModeInsertSlopePoint:
        return Cpp_SlopeTool::CompleteInsertFromToolBar(x, y, true, typed);
    default: return false;
    }
}

bool Drop(int mode, bool typed) {
    switch (mode) {
    case CursorModeDragConstructionPoint: return Cpp_LineTool::DropPointFromBar(typed);
    case CursorModeDragProfilePoint: return Cpp_LineTool::DropPointFromBar2(typed);
    case CursorModeDragPiezometricPoint: return Cpp_PiezometricTool::EndDragPoint(typed);
    case CursorModeDragSlopePoint: return Cpp_LineTool::DropDraggedPoint(0, 0, false);
    default: return false;
    }
}

void AddAtEndInput(s_InputCall& c, bool typed) {
    Cpp_Line* line = Cpp_LineTool::EditedLine();
    if (AddAtEnd(GetCursorMode(), c.snapped.x, c.snapped.y, typed)) LineChanged(c, line);
}

void InsertInput(s_InputCall& c, bool typed) {
    Cpp_Line* line = Cpp_LineTool::EditedLine();
    const int mode = GetCursorMode();
    if (!Insert(mode, c.snapped.x, c.snapped.y, typed)) return;
    GetCurrentSelection().Clear();
    if (typed) c.view.HideCurrentToolBar();
    LineChanged(c, line);
}

void DropInput(s_InputCall& c, bool typed) {
    Cpp_Line* line = Cpp_LineTool::EditedLine();
    if (!Drop(GetCursorMode(), typed)) return;
    c.view.SetToolTip({});
    LineChanged(c, line);
}

}  // namespace

namespace view_input_ops {

void AddAtEndClick(s_InputCall& c) { AddAtEndInput(c, false); }
void AddAtEndEnter(s_InputCall& c) { AddAtEndInput(c, true); }
void AddAtEndMove(s_InputCall& c) {
    CursorToBar(c, GetCursorMode());
    Cpp_LineTool::AddPointAtEndMouseMove(c.in.device.x, c.in.device.y, c.snapped.x, c.snapped.y);
    CoordinateToolTip(c);
}
void AddAtEndCancel(s_InputCall&) { Cpp_LineTool::CancelAddPointAtEnd(); }

void InsertClick(s_InputCall& c) { InsertInput(c, false); }
void InsertEnter(s_InputCall& c) { InsertInput(c, true); }
void InsertMove(s_InputCall& c) {
    CursorToBar(c, GetCursorMode());
    Cpp_LineTool::InsertMouseMove(c.in.device.x, c.in.device.y, c.snapped.x, c.snapped.y);
    CoordinateToolTip(c);
}
void InsertCancel(s_InputCall&) { Cpp_LineTool::EndEditRubberBand(); }

void DragPointDrop(s_InputCall& c) { DropInput(c, false); }
void DragPointEnter(s_InputCall& c) { DropInput(c, true); }
void DragPointMove(s_InputCall& c) {
    CursorToBar(c, GetCursorMode());
    Cpp_LineTool::SetDragPosition(c.pickDevice.x, c.pickDevice.y, c.in.device.x, c.in.device.y,
                                  c.snapped.x, c.snapped.y);
    CoordinateToolTip(c);
}
void DragPointCancel(s_InputCall&) { Cpp_LineTool::CancelDragPoint(); }

void DragSegmentDrop(s_InputCall& c) {
    Cpp_Line* line = Cpp_LineTool::EditedLine();
    if (Cpp_LineTool::DropDraggedSegment()) LineChanged(c, line);
}
void DragSegmentMove(s_InputCall& c) {
    Cpp_LineTool::DragSegmentMouseMove(c.in.device.x, c.in.device.y);
}
void DragSegmentCancel(s_InputCall&) { Cpp_LineTool::CancelDragSegment(); }

namespace {
// A click of an editing tool: the document changes when the tool did its work.
template <typename Click>
void EditClick(s_InputCall& c, Click&& click) {
    Cpp_Line* line = Cpp_LineTool::EditedLine();
    if (click() && line && Cpp_LineTool::EditedLine() == nullptr) LineChanged(c, line);
}
}  // namespace

void ChangeLengthClick(s_InputCall& c) {
    EditClick(c, [&] { return Cpp_LineTool::ChangeLengthClick(c.raw.x, c.raw.y); });
}
void ChangeSlopeClick(s_InputCall& c) {
    EditClick(c, [&] { return Cpp_LineTool::ChangeSlopeClick(c.raw.x, c.raw.y); });
}
void ChangeSlopeEscape(s_InputCall&) { Cpp_LineTool::CancelEditTool(); }
void ExtendDirectionClick(s_InputCall& c) {
    Cpp_Line* line = Cpp_LineTool::EditedLine();
    const Cpp_PointXY* point = Cpp_LineTool::EditedPoint();
    if (!line || !point) return;
    const s_tagTypePointXY was = point->XY();
    // The extension may also end without a move (its question cancelled).
    if (Cpp_LineTool::ExtendToLineClick(c.raw.x, c.raw.y) &&
        (point->X() != was.x || point->Y() != was.y))
        LineChanged(c, line);
}
void ExtendEscape(s_InputCall&) { Cpp_LineTool::EndExtendTool(); }
void AdjustEndClick(s_InputCall& c) {
    EditClick(c, [&] { return Cpp_LineTool::AdjustEndClick(c.raw.x, c.raw.y); });
}
void ParallelEscape(s_InputCall&) { Cpp_LineTool::ClearEditPrompt(); }

namespace {
void SplitInput(s_InputCall& c, bool typed) {
    Cpp_Line* line = Cpp_LineTool::EditedLine();
    Cpp_PointXY* segment = Cpp_LineTool::EditedSegmentStart();
    const int mode = GetCursorMode();
    if (!typed) {
        // The split goes where the click is, as a move there would show it.
        s_tagTypePointXY at;
        Cpp_LineTool::SplitMouseMove(c.in.device.x, c.in.device.y, c.snapped.x, c.snapped.y, at);
    }
    const bool split = mode == CursorModeSplitProfileLine
                           ? Cpp_ProfileTool::SplitLineAtSegment(line, segment, typed)
                       : mode == CursorModeSplitConstructionLine
                           ? GetConstructionLineList().SplitLineAtSegment(line, segment, typed)
                           : Cpp_PiezometricTool::SplitLineAtSegment(line, segment, typed);
    if (!typed || split) GetCurrentSelection().Clear();
    if (split) LineChanged(c, line);
    c.redraw = true;
}
}  // namespace

void SplitClick(s_InputCall& c) { SplitInput(c, false); }
void SplitEnter(s_InputCall& c) { SplitInput(c, true); }
void SplitMove(s_InputCall& c) {
    s_tagTypePointXY at;
    Cpp_LineTool::SplitMouseMove(c.in.device.x, c.in.device.y, c.snapped.x, c.snapped.y, at);
    if (c.in.shift && GetCursorMode() == CursorModeSplitProfileLine) {
        const s_tagTypePointXY rounded = Cpp_KlivenSettings::RoundPair(at.x, at.y);
        TheToolBars().profile.SetPoint(rounded.x, rounded.y);
    }
}
void SplitEscape(s_InputCall&) { Cpp_LineTool::CancelSplit(); }

}  // namespace view_input_ops
