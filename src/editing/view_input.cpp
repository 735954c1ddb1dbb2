#include "editing/view_input.h"

#include "editing/construction_items.h"

#include "core/command_ids.h"
#include "core/message_boxes.h"
#include "core/preferences.h"
#include "core/text_formats.h"
#include "editing/crack_tool.h"
#include "editing/cursor_modes.h"
#include "editing/edit_modes.h"
#include "editing/interpolation_tool.h"
#include "editing/line_entry_tool.h"
#include "editing/noncircular_tool.h"
#include "editing/renumber_lines.h"
#include "editing/selection_edit_commands.h"
#include "editing/selection_kinds.h"
#include "editing/selection_list.h"
#include "editing/selection_refresh.h"
#include "editing/tool_table.h"
#include "editing/view_dispatch.h"
#include "editing/view_load_steps.h"
#include "editing/view_menus.h"
#include "editing/view_navigation.h"
#include "editing/view_selection.h"
#include "editing/view_slip_surface_steps.h"
#include "graphics/graphic_grid.h"
#include "graphics/graphics.h"
#include "loads/line_load.h"
#include "loads/reinforcement_line.h"
#include "model/data_set_information.h"
#include "model/data_sets.h"
#include "model/program_state.h"
#include "platform/services.h"
#include "porepressure/interpolation_data.h"
#include "porepressure/interpolation_drawing.h"

#include <cstdio>
#include <optional>

namespace {

s_PressRecord g_press;

s_tagTypePointXY PixelToWorld(s_PixelPoint p) {
    const ToolMapping mapping{};
    return mapping.ToWorld(p);
}

s_PixelPoint WorldToDevice(const s_tagTypePointXY& w) {
    return ToolContext(nullptr).Mapping().ToDevice(w);
}

// The raw, snapped and rounded points of a press (the device point recomputed from a snap).
void ComputePressPoints(s_InputCall& call) {
    call.pickDevice = call.in.device;
    call.raw = PixelToWorld(call.in.device);
    call.snapped = call.raw;
    const ToolContext context(&call.view);
    const bool snapped = context.Snapper().SnapPress(call.view, call.snapped);
    if (snapped) call.in.device = WorldToDevice(call.snapped);
    call.rounded =
        snapped ? call.snapped : Cpp_KlivenSettings::RoundPair(call.snapped.x, call.snapped.y);
}

// Carries out a cell; Default cells are resolved by the caller.
void RunCell(s_InputCall& call, const s_InputCell& cell) {
    switch (cell.kind) {
    case e_InputCell::Nothing: call.handled = true; break;
    case e_InputCell::NotHandled:
    case e_InputCell::Default: call.handled = false; break;
    case e_InputCell::Run:
        call.handled = true;
        cell.run(call);
        break;
    case e_InputCell::Delete: call.handled = DeleteKey(call.view); break;
    }
}

// The cell of one input at cursor mode 0 by the edit mode (Tables 2 to 5); an edit mode
// without a row does nothing (right button: the view menu).
void RunEditModeCell(s_InputCall& call, s_InputCell s_EditModeRow::*column) {
    const s_EditModeRow* row = FindEditModeRow(call.view.EditMode());
    if (!row) {
        if (column == &s_EditModeRow::right) {
            view_input_ops::ShowViewMenu(call);
        } else {
            call.handled = false;
        }
        return;
    }
    call.what = row->tool;
    RunCell(call, row->*column);
}

std::string CoordinateText(const s_tagTypePointXY& p) {
    std::string format;
    const int decimals = Cpp_KlivenSettings::CoordinateDecimals();
    if (!Cpp_Strings::MakeNumberFormat(1, 1, decimals, format)) format = "%1.2f";
    char x[64], y[64];
    std::snprintf(x, sizeof x, format.c_str(), p.x);
    std::snprintf(y, sizeof y, format.c_str(), p.y);
    return std::string("X: ") + x + " , Y: " + y;
}

// The outputs of a mouse move, handed to the view at the end.
struct s_MoveOutputs {
    bool longForce = false;
    std::string longForceText;
    std::string toolTip;
};
s_MoveOutputs* g_move = nullptr;

void DragCheck(s_InputCall& call) {
    if (!g_press.armed) return;
    if (call.view.Milliseconds() - g_press.time <= kDragDelayMilliseconds) return;
    if (call.in.device.x == g_press.press.x && call.in.device.y == g_press.press.y) return;
    g_press.consumed = true;
    g_press.armed = false;
    // A drag of the selection when something is selected, a selection band otherwise.
    if (!GetCurrentSelection().IsEmpty()) {
        ChangeValueOfSelection(call.view, g_press.press.x, g_press.press.y);
        g_press.heldDrag = GetCursorMode();
        return;
    }
    StartPickBand(call.in.shift, call.view, g_press.press, call.in.device);
}

bool IsCtrlOverInterpolationPoint(const ViewInputHost& view, bool control) {
    if (!control || view.EditMode() != EditModeSelect) return control;
    const Cpp_Selection* first = GetCurrentSelection().GetNth(1);
    if (!first) return true;
    // The points and nodes of an interpolation data set take the wheel themselves.
    return !SelectionKindHas(first->GetType(), selection_flags::kInterpolation) ||
           SelectionKindHas(first->GetType(), selection_flags::kTriangle);
}

// The release of a press that started a drag: the drag follows to the release point (when the
// last move was elsewhere) and drops there, as the click of its step does.
bool DropHeldDrag(ViewInputHost& view, const s_ViewInput& in, int mode) {
    const s_CursorModeRow* row = FindCursorModeRow(mode);
    if (!row) return false;
    bool redraw = false;
    s_InputCall call{view, in, {}, {}, {}, {}, row->step, redraw};
    ComputePressPoints(call);
    const bool moved = in.device.x != g_press.lastCursor.x || in.device.y != g_press.lastCursor.y;
    g_press.lastCursor = in.device;
    if (moved && row->cells[InputMove].kind == e_InputCell::Run)
        RunCell(call, row->cells[InputMove]);
    RunCell(call, row->cells[InputLeft]);
    EndSelectionDrag(mode, true, view.EditMode() == EditModeSelect);
    if (redraw) view.InvalidateView();
    return call.modified;
}

// The press record and the navigation join the program-wide reset.
const bool g_resetAdded = (AddProgramStateReset(&ResetViewInputState), true);

}  // namespace

// ---------------------------------------------------------------------------------------------
// Operations of the tables at cursor mode 0.

namespace view_input_ops {

void EscapeAtModeZero(s_InputCall& call) {
    ToolContext context(&call.view);
    if (Tool* tool = ToolForEditMode(call.view.EditMode())) tool->EscapeAtRest(context);
}

namespace {
void TrackAtClick(s_InputCall& call, const MenuList& menu) {
    const s_PixelPoint corner = call.view.ScreenTopLeft();
    const int id = call.view.TrackMenu(
        menu, {corner.x + call.pickDevice.x + 4, corner.y + call.pickDevice.y + 5});
    if (id != 0) call.view.RunCommand(id);
}
}  // namespace

void ShowViewMenu(s_InputCall& call) { TrackAtClick(call, ViewMenu(false)); }
void ShowViewMenuWithStage(s_InputCall& call) { TrackAtClick(call, ViewMenu(true)); }

void SelectWithMouse(s_InputCall& call) {
    // A click that selected something, or showed the candidates, never drags afterwards.
    const int found =
        SelectAtClick(call.view, call.pickDevice, call.raw.x, call.raw.y, call.in.shift);
    if (found >= 2) g_press.armed = false;
    if (found >= 1) g_press.consumed = true;
}

void FinishBand(s_InputCall&) {
    FinishPickBand(true, Cpp_Kliven4Data::CurrentDataSetOrNull());
    g_press.consumed = true;
}
void BandMove(s_InputCall& call) { RedrawPickBand(call.in.device.x, call.in.device.y); }
void EndBand(s_InputCall&) { EndPickBand(); }
// Enter gives the one selected item the values of its tool bar; with more or none, nothing.
void SelectModeEnter(s_InputCall& call) {
    if (GetCurrentSelection().HasOneItem()) {
        call.modified = AssignNumberToSelection(call.view);
    } else {
        call.handled = false;
    }
}

// With nothing selected the tool tip describes the item under the cursor; with an
// interpolation point selected the "Long. Force" pane shows the value at the cursor.
void SelectModeMove(s_InputCall& call) {
    if (!g_move) return;
    const Cpp_SelectionList& current = GetCurrentSelection();
    if (current.IsEmpty()) {
        g_move->toolTip =
            HoverToolTip(call.view, call.snapped.x, call.snapped.y, CoordinateText(call.rounded));
        return;
    }
    const Cpp_Selection* first = current.GetNth(1);
    auto* set = static_cast<Cpp_InterpolationDataSet*>(first->IsInterpolationItem());
    const int kind = first->GetType();
    if (!set || kind == SEL_CP_TRIANGLE || kind == SEL_PRESSURE_TRIANGLE ||
        kind == SEL_RSUBU_TRIANGLE || kind == SEL_STRENGTH_TRIANGLE)
        return;
    int code = 0;
    double value = 0;
    std::string text;
    if (GetInterpolationToolTipText(*set, call.rounded.x, call.rounded.y, text, code, value)) {
        g_move->longForce = true;
        g_move->longForceText = text;
    }
}

// With something selected the edit commands that fit it (nothing for a kind without them).
void SelectModeRight(s_InputCall& call) {
    if (GetCurrentSelection().IsEmpty()) {
        ShowViewMenu(call);
        return;
    }
    const MenuList menu = EditContextMenu(GetCurrentSelection());
    if (!menu.empty()) TrackAtClick(call, menu);
}

void RescalePointClick(s_InputCall& call) {
    g_press.armed = false;
    Cpp_SelectionList& picks = GetPickList();
    picks.Clear();
    picks.SetAddMode(false);
    picks.SelectItemAtPoint(Cpp_Kliven4Data::CurrentDataSetOrNull(), call.raw.x, call.raw.y, false,
                            true, false);
    if (picks.Count() >= 2) {
        ShowSelectionMenu(call.view, call.pickDevice);
    } else if (const Cpp_Selection* picked = picks.GetNth(1)) {
        if (PickedRescalePoint(call.view, *picked)) call.redraw = true;
    }
}

void RenumberClick(s_InputCall& call) {
    g_press.armed = false;
    g_press.consumed = true;
    const int before = RenumberLines::ClickedCount();
    if (RenumberLines::OnClick(call.raw, PickToleranceInWorld(), nullptr)) {
        call.view.InvalidateView();
        return;
    }
    // The number of the line just clicked, in a disc at the click.
    const int clicked = RenumberLines::ClickedCount();
    if (clicked == before) return;
    const s_PixelPoint at = call.pickDevice;
    call.view.DrawOverlay(call.view.ClientRect(), [&](platform::DeviceContext& dc) {
        dc.SetRop2(platform::RasterOp::CopyPen);
        RenumberLines::DrawNumbers(dc, at.x, at.y, clicked);
    });
}

void RenumberEscape(s_InputCall& call) {
    RenumberLines::End();
    call.redraw = true;
}

// The material tool: the material of the profile line at the point, in the dialog of one
// material for the current stage; the document changes only when that ends with OK.
void MaterialToolClick(s_InputCall& call) {
    g_press.armed = false;
    Cpp_Kliven4DataSet* dataSet = Cpp_Kliven4Data::CurrentDataSetOrNull();
    if (!dataSet) return;
    call.modified = EditMaterialAtPoint(*dataSet, call.raw.x, call.raw.y, PixelsToWorldLength(1));
}

void CoordinateToolTip(s_InputCall& call) {
    if (g_move) g_move->toolTip = CoordinateText(call.rounded);
}
void SetMoveToolTip(const std::string& text) {
    if (g_move) g_move->toolTip = text;
}
void ConsumePress(bool disarm) {
    g_press.consumed = true;
    if (disarm) g_press.armed = false;
}

}  // namespace view_input_ops

// ---------------------------------------------------------------------------------------------
// The input functions.

const s_PressRecord& GetPressRecord() { return g_press; }

void GetZoomAnchor(int& x, int& y) {
    x = g_press.lastCursor.x;
    y = g_press.lastCursor.y;
}

bool ViewLButtonDown(ViewInputHost& view, const s_ViewInput& in, bool& redraw) {
    redraw = false;
    g_press.time = view.Milliseconds();
    g_press.press = g_press.lastCursor = in.device;
    g_press.buttonDown = true;
    g_press.consumed = false;
    g_press.armed = true;
    g_press.heldDrag = CursorModeNone;

    s_InputCall call{view, in, {}, {}, {}, {}, "", redraw};
    ComputePressPoints(call);
    const int mode = GetCursorMode();
    const s_CursorModeRow* row = FindCursorModeRow(mode);
    if (!row) return false;
    const int boxes = MessageBoxesShown();
    if (row->cells[InputLeft].kind == e_InputCell::Default) {
        RunEditModeCell(call, &s_EditModeRow::left);
    } else {
        call.what = row->step;
        RunCell(call, row->cells[InputLeft]);
    }
    // A box the click opened took the button's release: the view will not see it, and the
    // next mouse move must not drag the selection from this press.
    if (MessageBoxesShown() != boxes) g_press.armed = false;
    EndSelectionDrag(mode, true, view.EditMode() == EditModeSelect);
    return call.modified;
}

bool ViewLButtonUp(ViewInputHost& view, const s_ViewInput& in) {
    const bool consumed = g_press.consumed;
    const int heldDrag = g_press.heldDrag;
    g_press.buttonDown = false;
    g_press.armed = false;
    g_press.heldDrag = CursorModeNone;
    // A drag the held press started, still under way, drops where the button is released, as
    // a click drops one started from a command.
    if (heldDrag != CursorModeNone && GetCursorMode() == heldDrag)
        return DropHeldDrag(view, in, heldDrag);
    if (consumed) return false;
    const int mode = GetCursorMode();
    ToolContext context(&view);
    Tool* tool =
        mode == CursorModeNone ? ToolForEditMode(view.EditMode()) : ToolForCursorMode(mode);
    if (tool) tool->ButtonUp(context, mode, in);
    EndSelectionDrag(mode, true, view.EditMode() == EditModeSelect);
    return false;
}

void ViewMouseMove(ViewInputHost& view, const s_ViewInput& in) {
    g_press.lastCursor = in.device;
    bool redraw = false;
    s_InputCall call{view, in, in.device, {}, {}, {}, "", redraw};
    call.raw = PixelToWorld(in.device);
    call.snapped = call.raw;
    // Ctrl forces the snap, except while an interpolation point is selected in select mode.
    const bool force = IsCtrlOverInterpolationPoint(view, in.control);
    if (ToolContext(&view).Snapper().SnapMove(call.snapped, force))
        call.in.device = WorldToDevice(call.snapped);
    view.ShowCursorPosition(call.snapped.x, call.snapped.y);
    call.rounded = Cpp_KlivenSettings::RoundPair(call.snapped.x, call.snapped.y);

    s_MoveOutputs outputs;
    g_move = &outputs;
    struct Restore {
        ~Restore() { g_move = nullptr; }
    } restore;

    const int mode = GetCursorMode();
    const s_CursorModeRow* row = FindCursorModeRow(mode);
    if (row && row->cells[InputMove].kind != e_InputCell::Default) {
        call.what = row->step;
        RunCell(call, row->cells[InputMove]);
    } else {
        const Tool* tool = ToolForEditMode(view.EditMode());
        if (tool && tool->ShowsCoordinates()) outputs.toolTip = CoordinateText(call.rounded);
        RunEditModeCell(call, &s_EditModeRow::move);
        if (!tool || tool->DragsFromRest()) DragCheck(call);
    }
    view.SetLongForceText(outputs.longForce, outputs.longForceText);
    view.SetToolTip(outputs.toolTip);
}

bool MouseWheelEdit(ViewInputHost& view, int delta, bool shift, bool control) {
    const int mode = GetCursorMode();
    if (mode == CursorModePickBand) {
        ChangePickBandWidth(delta > 0);
        return true;
    }
    ToolContext context(&view);
    // The step under way first, then the item selected, then the tool at rest.
    if (Tool* owner = ToolForCursorMode(mode))
        if (std::optional<bool> taken = owner->Wheel(context, mode, delta, shift, control))
            return *taken;
    if (!view.WheelEditingOn()) return false;
    if (WheelEditSelection(view, delta, control)) return true;
    if (mode != CursorModeNone) return false;
    Tool* tool = ToolForEditMode(view.EditMode());
    if (!tool) return false;
    return tool->Wheel(context, mode, delta, shift, control).value_or(false);
}

bool ViewMouseWheel(ViewInputHost& view, const s_ViewInput& in) {
    const int delta = in.wheelSteps * 120;
    if (MouseWheelEdit(view, delta, in.shift, in.control)) return true;
    if (!in.control) {
        const bool scrolled = in.shift ? view.ScrollView(delta >= 0 ? 1 : -1, 0)
                                       : view.ScrollView(0, delta > 0 ? 1 : -1);
        if (scrolled) view.UpdateView();
        return scrolled;
    }
    Cpp_Graphics::ZoomAtPixel(delta > 0, in.device.x, in.device.y);
    view.InvalidateView();
    view.UpdateView();
    return true;
}

bool ViewRButtonDown(ViewInputHost& view, const s_ViewInput& in, bool& redraw) {
    redraw = false;
    s_InputCall call{view, in, in.device, {}, {}, {}, "", redraw};
    call.raw = call.snapped = call.rounded = PixelToWorld(in.device);
    const s_CursorModeRow* row = FindCursorModeRow(GetCursorMode());
    if (!row) return false;
    if (row->cells[InputRight].kind == e_InputCell::Default) {
        RunEditModeCell(call, &s_EditModeRow::right);
        return true;
    }
    call.what = row->step;
    RunCell(call, row->cells[InputRight]);
    return call.handled;
}

void ViewKeyDown(ViewInputHost& view, int key, bool shift, bool& redraw) {
    redraw = false;
    switch (key) {
    case ViewKeyBackspace: BackspaceKey(view); break;
    case ViewKeyEnter: EnterKey(view, redraw); break;
    case ViewKeyEscape: EscapeKey(view, shift, redraw); break;
    case ViewKeyArrowLeft:
    case ViewKeyArrowUp:
    case ViewKeyArrowRight:
    case ViewKeyArrowDown: ArrowKey(view, key); break;
    case ViewKeyDelete: DeleteKey(view); break;
    default: break;
    }
}

bool EnterKey(ViewInputHost& view, bool& redraw) {
    redraw = false;
    s_InputCall call{view, {}, {}, {}, {}, {}, "", redraw};
    const int mode = GetCursorMode();
    const s_CursorModeRow* row = FindCursorModeRow(mode);
    if (!row || row->cells[InputEnter].kind == e_InputCell::Default) {
        RunEditModeCell(call, &s_EditModeRow::enter);
    } else {
        call.what = row->step;
        RunCell(call, row->cells[InputEnter]);
    }
    EndSelectionDrag(mode, true, view.EditMode() == EditModeSelect);
    return call.handled;
}

bool EscapeKey(ViewInputHost& view, bool shift, bool& redraw) {
    redraw = false;
    s_InputCall call{view, {}, {}, {}, {}, {}, "", redraw};
    call.in.shift = shift;
    const int mode = GetCursorMode();
    const s_CursorModeRow* row = FindCursorModeRow(mode);
    if (!row) return false;
    call.what = row->step;
    RunCell(call, row->cells[InputEscape]);
    // The tool tip of the step does not outlive it.
    if (mode != CursorModeNone) view.SetToolTip("");
    EndSelectionDrag(mode, false, view.EditMode() == EditModeSelect);
    // A step of an item ended: the bar of the last selected item, or none.
    const bool navigation = mode >= CursorModeZoomWindow && mode <= CursorModeZoomOut;
    if (mode != CursorModeNone && !navigation && view.EditMode() == EditModeSelect &&
        GetCurrentSelection().IsEmpty())
        view.HideCurrentToolBar();
    return call.handled;
}

bool BackspaceKey(ViewInputHost& view) {
    bool redraw = false;
    s_InputCall call{view, {}, {}, {}, {}, {}, "", redraw};
    const s_CursorModeRow* row = FindCursorModeRow(GetCursorMode());
    if (!row) return false;
    call.what = row->step;
    RunCell(call, row->cells[InputBackspace]);
    return call.handled;
}

bool DeleteKey(ViewInputHost& view) {
    const int mode = GetCursorMode();
    if (mode >= CursorModeZoomWindow && mode <= CursorModeZoomOut) return true;
    ToolContext context(&view);
    // The step under way, then the tool of the edit mode (the selection's Delete).
    Tool* owner = ToolForCursorMode(mode);
    if (owner)
        if (std::optional<bool> taken = owner->Delete(context, mode)) return *taken;
    // The generic line entry takes the last entered point back, as Shift+Escape does.
    if (mode == CursorModeLineEntry) Cpp_LineEntry::UndoLastEnteredPoint();
    Tool* tool = ToolForEditMode(view.EditMode());
    if (!tool || tool == owner) return false;
    return tool->Delete(context, mode).value_or(false);
}

bool ArrowKey(ViewInputHost& view, int key) {
    NudgeKey(view, key);
    return true;
}

bool IsShiftDown() { return platform::Services().Keyboard().ShiftDown(); }
bool IsControlDown() { return platform::Services().Keyboard().ControlDown(); }
bool IsAltDown() { return platform::Services().Keyboard().AltDown(); }

void ResetViewInputState() {
    g_press = s_PressRecord{};
    ResetViewNavigationState();
    ResetViewSelectionState();
}
