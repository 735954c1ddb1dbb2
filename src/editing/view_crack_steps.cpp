// The view's steps of the crack and crack-water tools: a click or Enter with the tool idle
// (edit modes 17, 18) and the point entry (cursor modes 42, 43). After a stored change the crack
// bottom or the crack-water levels of the data set are computed again.

#include "analysis/analysis_computation_data.h"
#include "core/cursor_mode.h"
#include "editing/crack_tool.h"
#include "editing/cursor_modes.h"
#include "editing/display_bounds.h"
#include "editing/edit_modes.h"
#include "editing/selection_list.h"
#include "editing/tool_dialog_bars.h"
#include "editing/view_tool_steps.h"
#include "model/data_set.h"
#include "model/data_sets.h"
#include "model/derived_data.h"
#include "profile/slope_geometry.h"

#include <utility>
#include <vector>

namespace view_tool_steps {

namespace {

Cpp_Kliven4DataSet& DataSet() { return *Cpp_Kliven4Data::CurrentDataSet(); }
Cpp_Crack& Crack() { return DataSet().AnalysisComputationData()->GetCrack(); }

bool CrackModeOfEditMode(const s_InputCall& c) { return c.view.EditMode() != EditModeCrackWater; }
bool CrackModeOfCursorMode() { return GetCursorMode() != CursorModeCrackWaterEntry; }

// The crack bottom (crack) or the water levels (water) after a change.
bool Recompute(bool crackMode) {
    return crackMode ? ComputeCrackBottom(DataSet(), nullptr) : ComputeCrackWaterLevels(DataSet());
}

void Changed(s_InputCall& c) {
    c.modified = true;
    c.redraw = true;
    c.view.DataChanged(0);
}

std::vector<std::pair<double, double>> PointsOf(const Cpp_Line& line) {
    std::vector<std::pair<double, double>> points;
    for (const Cpp_PointXY* p = line.FirstPoint(); p; p = p->Next())
        points.emplace_back(p->X(), p->Y());
    return points;
}

// A dropped point: the crack bottom and the water levels over it (a crack point), or the water
// levels (a water point), computed again. Only when a line changed are the display bounds set
// again and the whole view drawn again; the point and its segments the move drew itself.
void Dropped(s_InputCall& c, bool crackMode) {
    const Cpp_SlopeGeometry& geometry = DataSet().SlopeGeometry();
    const auto bottom = PointsOf(geometry.GetCrackBottomLine());
    const auto water = PointsOf(geometry.GetCrackWaterLine());
    if (crackMode) Recompute(true);
    Recompute(false);
    const bool changed = PointsOf(geometry.GetCrackBottomLine()) != bottom ||
                         PointsOf(geometry.GetCrackWaterLine()) != water;
    c.modified = true;
    c.view.DataChanged(0);
    if (!changed) return;
    UpdateDisplayBoundsFromGeometry();
    c.redraw = true;
}

}  // namespace

void CrackToolClick(s_InputCall& c) {
    Cpp_CrackTool::OnToolInput(Crack(), c.in.device.x, c.in.device.y, c.snapped.x, c.snapped.y,
                               CrackModeOfEditMode(c), false);
}

void CrackToolEnter(s_InputCall& c) {
    const bool crackMode = CrackModeOfEditMode(c);
    if (!Cpp_CrackTool::OnEnterKey(Crack(), crackMode)) return;
    Recompute(crackMode);
    Changed(c);
}

void CrackToolMove(s_InputCall& c) {
    if (c.in.shift) TheToolBars().crack.SetPoint(c.rounded.x, c.rounded.y);
}

namespace {
void EnterPoint(s_InputCall& c, bool typed) {
    const bool crackMode = CrackModeOfCursorMode();
    bool finished = false;
    Cpp_CrackTool::EnterPoints(Crack(), c.in.device.x, c.in.device.y, c.snapped.x, c.snapped.y,
                               crackMode, typed, finished);
    if (!finished) return;
    Recompute(crackMode);
    Changed(c);
}
}  // namespace

void CrackEntryClick(s_InputCall& c) { EnterPoint(c, false); }
void CrackEntryEnter(s_InputCall& c) { EnterPoint(c, true); }

void CrackEntryMove(s_InputCall& c) {
    CrackToolMove(c);
    Cpp_CrackTool::EntryMouseMove(c.in.device.x, c.in.device.y, c.snapped.x, c.snapped.y);
    view_input_ops::CoordinateToolTip(c);
}

void CrackEntryEscape(s_InputCall&) { Cpp_CrackTool::CancelEntry(); }

void CrackEntryFinish(s_InputCall& c) {
    const bool crackMode = CrackModeOfCursorMode();
    if (!Cpp_CrackTool::FinishEntry(Crack(), crackMode)) return;
    if (Recompute(crackMode)) {
        DataSet().AnalysisComputationData()->SetDataDefined(true);
        UpdateDisplayBoundsFromGeometry();
    }
    Changed(c);
}

void CrackDragDrop(s_InputCall& c) {
    const bool crackMode = Cpp_CrackTool::EditedCrackMode();
    if (Cpp_CrackTool::EndDragPoint(false)) Dropped(c, crackMode);
}

void CrackDragDropFromBar(s_InputCall& c) {
    const bool crackMode = Cpp_CrackTool::EditedCrackMode();
    if (Cpp_CrackTool::EndDragPoint(true)) Dropped(c, crackMode);
}

void CrackDragMove(s_InputCall& c) {
    CrackToolMove(c);
    Cpp_CrackTool::DragPointMouseMove(c.in.device.x, c.in.device.y, c.snapped.x, c.snapped.y);
}

void CrackDragEscape(s_InputCall&) { Cpp_CrackTool::CancelDrag(); }

void CrackInsertClick(s_InputCall& c) {
    const bool crackMode = GetCursorMode() == CursorModeInsertCrackDepthPoint;
    if (!Cpp_CrackTool::InsertPointAtCursor(c.snapped.x, c.snapped.y)) return;
    GetCurrentSelection().ClearAndErase();
    if (Recompute(crackMode)) UpdateDisplayBoundsFromGeometry();
    Changed(c);
}

void CrackInsertMove(s_InputCall& c) {
    CrackToolMove(c);
    Cpp_CrackTool::InsertMouseMove(c.in.device.x, c.in.device.y, c.snapped.x, c.snapped.y);
    view_input_ops::CoordinateToolTip(c);
}

void CrackInsertEscape(s_InputCall&) { Cpp_CrackTool::CancelInsert(); }

}  // namespace view_tool_steps
