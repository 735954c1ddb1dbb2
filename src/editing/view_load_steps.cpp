#include "editing/view_load_steps.h"

#include "core/cursor_mode.h"
#include "core/units.h"
#include "editing/cursor_modes.h"
#include "editing/display_bounds.h"
#include "editing/distributed_load_tool.h"
#include "editing/selection_list.h"
#include "editing/tool_dialog_bars.h"
#include "editing/tool_table.h"
#include "graphics/graphics.h"
#include "graphics/prompts.h"
#include "loads/distributed_load_data.h"
#include "loads/line_load.h"
#include "loads/reinforcement_line.h"
#include "model/data_set.h"
#include "model/data_sets.h"

namespace view_load_ops {

namespace {

Cpp_DistributedLoadData* StageLoads() {
    Cpp_Kliven4DataSet* dataSet = Cpp_Kliven4Data::CurrentDataSet();
    return dataSet ? dataSet->DistributedLoads(Cpp_Kliven4DataSet::CurrentStage()) : nullptr;
}

// The stage's loads changed: the document is modified and drawn again.
void LoadsChanged(s_InputCall& c, bool bounds) {
    c.modified = true;
    c.redraw = true;
    if (bounds) UpdateDisplayBoundsFromGeometry();
    c.view.DataChanged(0);
}

// The tool tip a tool left in the prompts goes to the view's tool tip of this move.
void MoveToolTip(s_InputCall&) {
    std::string text;
    if (GetToolTipText(text)) view_input_ops::SetMoveToolTip(text);
}

// Shift or Ctrl alone: the cursor point to the bar's X and Y.
void PointToBar(const s_InputCall& c) {
    if (c.in.shift == c.in.control) return;
    if (CmDialogBarDistributedLoad* bar = ActiveDistributedLoadBar())
        bar->SetPoint(c.rounded.x, c.rounded.y);
}

// Shift and Ctrl together: the water pressure of the bar's piezometric line at the cursor
// becomes the bar's normal stress; its point and shear stress stay.
void WaterPressureToBar(const s_InputCall& c) {
    if (!c.in.shift || !c.in.control) return;
    CmDialogBarDistributedLoad* bar = ActiveDistributedLoadBar();
    const Cpp_Kliven4DataSet* dataSet = Cpp_Kliven4Data::CurrentDataSet();
    double x = 0, y = 0, normal = 0, shear = 0, pressure = 0;
    if (!bar || !dataSet || !bar->GetLoadData(x, y, normal, shear)) return;
    if (WaterPressureForDistributedLoad(*dataSet, c.rounded.x, c.rounded.y, pressure))
        bar->SetLoadData(x, y, pressure, shear);
}

}  // namespace

// Shift alone puts the cursor into the bar; with Ctrl the bar takes the water pressure there.
void DistributedLoadToolMove(s_InputCall& c) {
    if (c.in.shift && !c.in.control)
        if (CmDialogBarDistributedLoad* bar = ActiveDistributedLoadBar())
            bar->SetPoint(c.rounded.x, c.rounded.y);
    WaterPressureToBar(c);
}

// Starting the entry with "Use piez. line:" ticked switches the stage to that line at once.
void DistributedLoadFirstClick(s_InputCall& c) {
    Cpp_DistributedLoadData* loads = StageLoads();
    if (loads && loads->EnterPointsTool(c.snapped.x, c.snapped.y, false) &&
        GetCursorMode() != CursorModeDistributedLoadEntry)
        LoadsChanged(c, false);
}
void DistributedLoadFirstEnter(s_InputCall& c) {
    Cpp_DistributedLoadData* loads = StageLoads();
    if (loads && loads->EnterPointsTool(0, 0, true) &&
        GetCursorMode() != CursorModeDistributedLoadEntry)
        LoadsChanged(c, false);
}
void DistributedLoadClick(s_InputCall& c) {
    if (Cpp_DistributedLoadData* loads = StageLoads())
        if (loads->EntryToolClick(c.snapped.x, c.snapped.y, false)) LoadsChanged(c, true);
}
void DistributedLoadEnter(s_InputCall& c) {
    if (Cpp_DistributedLoadData* loads = StageLoads())
        if (loads->EntryToolClick(0, 0, true)) LoadsChanged(c, true);
}
void DistributedLoadMove(s_InputCall& c) {
    PointToBar(c);
    WaterPressureToBar(c);
    if (Cpp_DistributedLoadData* loads = StageLoads())
        loads->EntryToolMouseMove(c.in.device.x, c.in.device.y, c.rounded.x, c.rounded.y);
    MoveToolTip(c);
}
void DistributedLoadEscape(s_InputCall&) { Cpp_DistributedLoadData::EndEntryTool(); }
void DistributedLoadFinish(s_InputCall& c) {
    if (Cpp_DistributedLoadData* loads = StageLoads())
        if (loads->FinishPointEntry()) LoadsChanged(c, true);
}

void DistributedLoadAddEndClick(s_InputCall& c) {
    if (Cpp_DistributedLoadData* loads = StageLoads())
        if (loads->AddPointAtEnd(c.snapped.x, c.snapped.y, false)) LoadsChanged(c, true);
}
void DistributedLoadAddEndEnter(s_InputCall& c) {
    if (Cpp_DistributedLoadData* loads = StageLoads())
        if (loads->AddPointAtEnd(0, 0, true)) LoadsChanged(c, true);
}
void DistributedLoadAddEndMove(s_InputCall& c) {
    PointToBar(c);
    if (Cpp_DistributedLoadData* loads = StageLoads())
        loads->AddEndToolMouseMove(c.in.device.x, c.in.device.y, c.rounded.x, c.rounded.y);
    MoveToolTip(c);
}
void DistributedLoadAddEndEscape(s_InputCall&) {
    if (Cpp_DistributedLoadData* loads = StageLoads()) loads->CancelEntryTool();
}

void DistributedLoadDragDrop(s_InputCall& c) {
    if (Cpp_DistributedLoadData* loads = StageLoads()) {
        loads->DragMove(c.in.device.x, c.in.device.y, c.snapped.x, c.snapped.y);
        if (loads->DragEnd()) LoadsChanged(c, true);
    }
}
void DistributedLoadDragEnter(s_InputCall& c) {
    if (Cpp_DistributedLoadData* loads = StageLoads()) {
        CmDialogBarDistributedLoad* bar = ActiveDistributedLoadBar();
        double x = 0, y = 0, normal = 0, shear = 0;
        if (!bar || !bar->GetLoadData(x, y, normal, shear)) return;
        loads->DragMove(Cpp_Graphics::XToPixel(x), Cpp_Graphics::YToPixel(y), x, y);
        if (loads->DragEnd()) LoadsChanged(c, true);
    }
}
void DistributedLoadDragMove(s_InputCall& c) {
    if (Cpp_DistributedLoadData* loads = StageLoads())
        loads->DragMove(c.in.device.x, c.in.device.y, c.rounded.x, c.rounded.y);
}
void DistributedLoadDragEscape(s_InputCall&) { Cpp_DistributedLoadData::EraseToolPreview(); }

void DistributedLoadInsertClick(s_InputCall& c) {
    if (Cpp_DistributedLoadData* loads = StageLoads())
        if (loads->InsertToolClick(c.snapped.x, c.snapped.y, false)) LoadsChanged(c, true);
}
void DistributedLoadInsertEnter(s_InputCall& c) {
    if (Cpp_DistributedLoadData* loads = StageLoads())
        if (loads->InsertToolClick(0, 0, true)) LoadsChanged(c, true);
}
void DistributedLoadInsertMove(s_InputCall& c) {
    PointToBar(c);
    if (Cpp_DistributedLoadData* loads = StageLoads())
        loads->InsertToolMouseMove(c.in.device.x, c.in.device.y, c.rounded.x, c.rounded.y);
    MoveToolTip(c);
}
void DistributedLoadInsertEscape(s_InputCall&) { Cpp_DistributedLoadData::CancelInsertTool(); }

namespace {
Cpp_LineLoadList* StageLineLoads() {
    Cpp_Kliven4DataSet* dataSet = Cpp_Kliven4Data::CurrentDataSet();
    return dataSet ? dataSet->LineLoads(Cpp_Kliven4DataSet::CurrentStage()) : nullptr;
}
void LineLoadAt(s_InputCall& c, double x, double y, bool typed) {
    bool redraw = false;
    if (Cpp_LineLoadList* loads = StageLineLoads();
        loads && loads->EnterLoad(x, y, typed, redraw)) {
        c.modified = true;
        c.redraw = redraw;
        UpdateDisplayBoundsFromGeometry();
        c.view.DataChanged(0);
    }
}
}  // namespace

void LineLoadClick(s_InputCall& c) { LineLoadAt(c, c.snapped.x, c.snapped.y, false); }
void LineLoadEnter(s_InputCall& c) { LineLoadAt(c, 0, 0, true); }
void LineLoadMove(s_InputCall& c) {
    Cpp_LineLoadList::ToolMouseMove(c.in.device.x, c.in.device.y, c.rounded.x, c.rounded.y);
    MoveToolTip(c);
}
void LineLoadDragDrop(s_InputCall& c) {
    if (Cpp_LineLoadList* loads = StageLineLoads()) {
        loads->DragMove(c.in.device.x, c.in.device.y, c.snapped.x, c.snapped.y);
        if (loads->DragEnd()) LoadsChanged(c, true);
    }
}
void LineLoadDragEnter(s_InputCall& c) {
    if (Cpp_LineLoadList* loads = StageLineLoads())
        if (loads->DragEnd()) LoadsChanged(c, true);
}
void LineLoadDragMove(s_InputCall& c) {
    if (Cpp_LineLoadList* loads = StageLineLoads())
        loads->DragMove(c.in.device.x, c.in.device.y, c.rounded.x, c.rounded.y);
}
void LineLoadDragEscape(s_InputCall& c) {
    Cpp_LineLoadList::CancelDrag();
    if (ViewInputHost* view = &c.view) SetToolPrompt(true, view->EditMode(), {});
}

namespace {
// A reinforcement line added: the largest force over the data sets sets the scale.
void ReinforcementAdded(s_InputCall& c) {
    Cpp_ReinforcementLineList::SetLargestForce(Cpp_Kliven4Data::MaximumReinforcementForce());
    Cpp_ReinforcementLineList::ComputeForceScale(GetUnitSystem());
    LoadsChanged(c, true);
}
void ReinforcementPointToBar(const s_InputCall& c) {
    if (!c.in.shift) return;
    if (CmDialogBarReinforcementTool* bar = ActiveReinforcementBar())
        bar->SetPoint(c.rounded.x, c.rounded.y);
}
}  // namespace

void ReinforcementFirstClick(s_InputCall& c) {
    Cpp_ReinforcementLineList::EnterPointsClick(c.snapped.x, c.snapped.y, false);
}
void ReinforcementFirstEnter(s_InputCall&) {
    Cpp_ReinforcementLineList::EnterPointsClick(0, 0, true);
}
void ReinforcementClick(s_InputCall& c) {
    if (Cpp_ReinforcementLineList::EnterPointsTool(c.snapped.x, c.snapped.y, false))
        ReinforcementAdded(c);
}
void ReinforcementEnter(s_InputCall& c) {
    if (Cpp_ReinforcementLineList::EnterPointsTool(0, 0, true)) ReinforcementAdded(c);
}
void ReinforcementMove(s_InputCall& c) {
    ReinforcementPointToBar(c);
    Cpp_ReinforcementLineList::ToolMouseMove(c.in.device.x, c.in.device.y, c.rounded.x,
                                             c.rounded.y);
    MoveToolTip(c);
}
void ReinforcementIdleMove(s_InputCall& c) {
    ReinforcementPointToBar(c);
    view_input_ops::CoordinateToolTip(c);
}
void ReinforcementEscape(s_InputCall& c) {
    if (c.in.shift)
        Cpp_ReinforcementLineList::DeleteKeyInTool();
    else
        Cpp_ReinforcementLineList::EscapeInEntryTool();
}
void ReinforcementBackspace(s_InputCall&) { Cpp_ReinforcementLineList::DeleteKeyInTool(); }
void ReinforcementFinish(s_InputCall& c) {
    if (Cpp_ReinforcementLineList::AddLine()) ReinforcementAdded(c);
}

namespace {
void ReinforcementAddedAt(s_InputCall& c, bool added) {
    if (!added) return;
    if (Cpp_Selection* last = GetCurrentSelection().GetLast()) last->UpdateToolBars();
    ReinforcementAdded(c);
}
void ReinforcementInserted(s_InputCall& c, bool inserted) {
    GetCurrentSelection().Clear();
    c.view.HideCurrentToolBar();
    if (inserted) ReinforcementAdded(c);
}
void ReinforcementDropped(s_InputCall& c, bool moved) {
    c.view.SetToolTip({});
    if (!moved) return;
    if (Cpp_Selection* first = GetCurrentSelection().GetNth(1)) first->UpdateToolBars();
    ReinforcementAdded(c);
}
}  // namespace

void ReinforcementAddEndClick(s_InputCall& c) {
    ReinforcementAddedAt(c,
                         Cpp_ReinforcementLineList::AddPointAtEnd(c.snapped.x, c.snapped.y, false));
}
void ReinforcementAddEndEnter(s_InputCall& c) {
    ReinforcementAddedAt(c, Cpp_ReinforcementLineList::AddPointAtEnd(0, 0, true));
}
void ReinforcementAddEndMove(s_InputCall& c) {
    ReinforcementPointToBar(c);
    Cpp_ReinforcementLineList::AddPointAtEndMouseMove(c.in.device.x, c.in.device.y, c.rounded.x,
                                                      c.rounded.y);
    MoveToolTip(c);
}
void ReinforcementAddEndEscape(s_InputCall&) { Cpp_ReinforcementLineList::CancelAddPointAtEnd(); }
void ReinforcementDragDrop(s_InputCall& c) {
    Cpp_ReinforcementLineList::DragMove(c.in.device.x, c.in.device.y, c.snapped.x, c.snapped.y);
    ReinforcementDropped(c, Cpp_ReinforcementLineList::DragEnd(false));
}
void ReinforcementDragEnter(s_InputCall& c) {
    ReinforcementDropped(c, Cpp_ReinforcementLineList::DragEnd(true));
}
void ReinforcementDragMove(s_InputCall& c) {
    ReinforcementPointToBar(c);
    Cpp_ReinforcementLineList::DragMove(c.in.device.x, c.in.device.y, c.rounded.x, c.rounded.y);
    MoveToolTip(c);
}
void ReinforcementDragEscape(s_InputCall&) { Cpp_ReinforcementLineList::CancelDrag(); }
void ReinforcementInsertClick(s_InputCall& c) {
    ReinforcementInserted(
        c, Cpp_ReinforcementLineList::InsertPointClick(c.snapped.x, c.snapped.y, false));
}
void ReinforcementInsertEnter(s_InputCall& c) {
    ReinforcementInserted(c, Cpp_ReinforcementLineList::InsertPointClick(0, 0, true));
}
void ReinforcementInsertMove(s_InputCall& c) {
    ReinforcementPointToBar(c);
    Cpp_ReinforcementLineList::InsertToolMouseMove(c.in.device.x, c.in.device.y, c.rounded.x,
                                                   c.rounded.y);
    MoveToolTip(c);
}
void ReinforcementInsertEscape(s_InputCall&) { Cpp_ReinforcementLineList::CancelInsertTool(); }

// "Split Line at Segment" on a reinforcement interval splits nothing: a click or Enter ends
// the step and empties the selection, Escape ends it.
void ReinforcementSplitClick(s_InputCall&) {
    SetCursorMode(CursorModeNone);
    GetCurrentSelection().Clear();
}
void ReinforcementSplitEscape(s_InputCall&) { SetCursorMode(CursorModeNone); }

bool DistributedLoadWheel(int cursorMode, int delta, bool shift, bool control) {
    if (cursorMode == CursorModeDistributedLoadEntry) {
        Cpp_DistributedLoadData::WheelEditEntry(delta, control);
        return true;
    }
    return Cpp_DistributedLoadData::WheelEditTool(delta, control && !shift);
}

}  // namespace view_load_ops
