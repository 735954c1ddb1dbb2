#include "editing/view_dispatch.h"

#include "editing/tool_table.h"

#include "editing/construction_items.h"
#include "editing/cursor_modes.h"
#include "editing/edit_modes.h"
#include "editing/line_entry_tool.h"
#include "editing/noncircular_tool.h"
#include "editing/piezometric_tool.h"
#include "editing/profile_tool.h"
#include "editing/selection_list.h"
#include "editing/slope_tool.h"
#include "editing/tangent_line_tools.h"
#include "editing/tool_dialog_bars.h"
#include "editing/two_step_edits.h"
#include "editing/view_load_steps.h"
#include "editing/view_navigation.h"
#include "editing/view_selection.h"
#include "editing/view_slip_surface_steps.h"
#include "editing/view_tool_steps.h"
#include "graphics/graphics.h"
#include "model/data_set.h"
#include "model/data_sets.h"

#include <algorithm>
#include <vector>

namespace {

using namespace view_input_ops;
using namespace view_tool_steps;
using namespace view_slip_surface_steps;
using namespace view_load_ops;
using namespace view_edit_steps;

constexpr s_InputCell N{e_InputCell::Nothing};
constexpr s_InputCell D{e_InputCell::Default};
constexpr s_InputCell H{e_InputCell::NotHandled};
constexpr s_InputCell X{e_InputCell::Delete};
constexpr s_InputCell R(InputOperation op) { return {e_InputCell::Run, op}; }

// The navigation steps of the view.
void ZoomBoxFirstCorner(s_InputCall& c) { StartZoomBox(c.in.device.x, c.in.device.y); }
void ZoomBoxSecondCorner(s_InputCall&) { FinishZoomBox(); }
void CrosshairMove(s_InputCall& c) { MoveCrosshair(c.in.device.x, c.in.device.y); }
void ZoomBoxMove(s_InputCall& c) { DrawZoomBoxMove(c.in.device.x, c.in.device.y); }
void EraseCrosshair(s_InputCall&) { EraseRubberBand(1); }
void EraseZoomBox(s_InputCall&) { EraseRubberBand(2); }
void PanAnchor(s_InputCall& c) { StartPan(c.in.device.x, c.in.device.y); }
void PanEnd(s_InputCall&) { FinishPan(); }
void PanLineMove(s_InputCall& c) { DrawPanLineMove(c.in.device.x, c.in.device.y); }
void ErasePanCrosshair(s_InputCall&) { EraseRubberBandOnRightClick(1); }
void ErasePanLine(s_InputCall&) { EraseRubberBandOnRightClick(2); }
void ZoomInClick(s_InputCall& c) {
    Cpp_Graphics::ZoomInAt(c.raw.x, c.raw.y);
    InvalidateViewWindow();
}
void ZoomOutClick(s_InputCall& c) {
    Cpp_Graphics::ZoomOutAt(c.raw.x, c.raw.y);
    InvalidateViewWindow();
}
void ToModeZero(s_InputCall&) { SetCursorMode(CursorModeNone); }

// The factor-of-safety text tool works on the results of the first selected item's data set.
Cpp_Selection* FirstSelectedWithDataSet() {
    Cpp_Selection* first = GetCurrentSelection().GetNth(1);
    return first && first->GetDataSet() ? first : nullptr;
}
void ResultsToolMove(s_InputCall& c) {
    if (Cpp_Selection* first = FirstSelectedWithDataSet()) {
        Cpp_ResultsDisplay& results = first->GetDataSet()->ResultsDisplay();
        c.view.DrawOverlay(c.view.ClientRect(), [&](platform::DeviceContext& dc) {
            results.MouseMoveTool(dc, c.in.device.x, c.in.device.y);
        });
    }
}
void ResultsToolClick(s_InputCall& c) {
    Cpp_Selection* first = FirstSelectedWithDataSet();
    if (!first || first->GetType() != SEL_RESULTS_FACTOR_TEXT) return;
    Cpp_ResultsDisplay& results = first->GetDataSet()->ResultsDisplay();
    c.view.DrawOverlay(c.view.ClientRect(),
                       [&](platform::DeviceContext& dc) { results.LButtonDownTool(dc); });
    ResetCursorMode();
    c.view.InvalidateView();
}
// Generic line point entry (cursor mode 13): every tool that starts the entry sets its own mode
// at once, so these serve only an entry left in this mode; they act by the edit mode, the line
// kinds' own entry rows doing the finishing.
void RunRowCell(s_InputCall& c, int cursorMode, int column) {
    const s_CursorModeRow* row = FindCursorModeRow(cursorMode);
    const s_InputCell& cell = row->cells[static_cast<std::size_t>(column)];
    if (cell.kind == e_InputCell::Run) cell.run(c);
}
void AddConstructionLine(s_InputCall& c) {
    if (AddConstructionLineFromToolBar()) {
        c.modified = true;
        c.view.DataChanged(0);
    }
    c.redraw = true;
}
void GenericEntryClick(s_InputCall& c) {
    Cpp_LineEntry::AddClickedPoint(c.in.device.x, c.in.device.y, c.snapped.x, c.snapped.y);
}
void GenericEntryMove(s_InputCall& c) {
    if (c.in.shift) {
        ToolDialogBars& bars = TheToolBars();
        switch (c.view.EditMode()) {
        case EditModeConstruction: bars.construction.SetPoint(c.rounded.x, c.rounded.y); break;
        case EditModeProfileLines: bars.profile.SetPoint(c.rounded.x, c.rounded.y); break;
        case EditModeReinforcement: bars.reinforcement.SetPoint(c.rounded.x, c.rounded.y); break;
        default: break;
        }
    }
    LineEntryPointMove(c);
}
void GenericEntryEnter(s_InputCall& c) {
    switch (c.view.EditMode()) {
    case EditModeConstruction: AddConstructionLine(c); return;
    case EditModeProfileLines: {
        double x = 0.0, y = 0.0;
        if (TheToolBars().profile.GetPoint(x, y)) Cpp_LineEntry::AddTypedPoint(x, y);
        return;
    }
    case EditModeSlopeLine: RunRowCell(c, CursorModeSlopeLineEntry, InputRight); return;
    case EditModeReinforcement: RunRowCell(c, CursorModeReinforcementLineEntry, InputRight); return;
    default: break;
    }
    // The Enter of the edit mode at rest.
    const s_EditModeRow* row = FindEditModeRow(c.view.EditMode());
    const e_InputCell kind = row ? row->enter.kind : e_InputCell::NotHandled;
    c.handled = kind == e_InputCell::Run || kind == e_InputCell::Nothing;
    if (kind == e_InputCell::Run) row->enter.run(c);
}
void GenericEntryFinish(s_InputCall& c) {
    switch (c.view.EditMode()) {
    case EditModeConstruction: AddConstructionLine(c); break;
    case EditModeProfileLines: RunRowCell(c, CursorModeProfileLineEntry, InputRight); break;
    case EditModePiezometricLines: RunRowCell(c, CursorModePiezometricLineEntry, InputRight); break;
    case EditModeSlopeLine: RunRowCell(c, CursorModeSlopeLineEntry, InputRight); break;
    default: break;
    }
}

// A click that selects the one item under the cursor in place of the selection: nothing there
// empties the selection, two or more candidates bring up the candidate menu.
void ClickSelectionClick(s_InputCall& c) {
    Cpp_SelectionList& picks = GetPickList();
    picks.Clear();
    picks.SetAddMode(false);
    picks.SelectItemAtPoint(Cpp_Kliven4Data::CurrentDataSetOrNull(), c.raw.x, c.raw.y, false, false,
                            false);
    Cpp_SelectionList& current = GetCurrentSelection();
    if (picks.IsEmpty()) {
        current.ClearAndErase();
        return;
    }
    if (picks.Count() >= 2) {
        ShowSelectionMenu(c.view, c.pickDevice);
        return;
    }
    current.AddCopy(*picks.GetNth(1));
    picks.Clear();
    const Cpp_Selection* added = current.GetLast();
    c.view.DrawOverlay(c.view.ClientRect(),
                       [&](platform::DeviceContext& dc) { added->DrawHighlighted(dc); });
}

//                                 Left  Move  Enter Esc   Bksp  Right
// The view's own steps; the tools' steps come from the tool table.
const s_CursorModeRow kCursorModes[] = {
    {0, 0, "", {D, D, D, R(EscapeAtModeZero), N, D}},
    {2,
     2,
     "Zoom Window",
     {R(ZoomBoxFirstCorner), R(CrosshairMove), N, R(EraseCrosshair), N, R(EraseCrosshair)}},
    {3,
     3,
     "Zoom Window",
     {R(ZoomBoxSecondCorner), R(ZoomBoxMove), N, R(EraseZoomBox), N, R(EraseZoomBox)}},
    {4, 4, "Pan", {R(PanAnchor), R(CrosshairMove), N, H, N, R(ErasePanCrosshair)}},
    {5, 5, "Pan", {R(PanEnd), R(PanLineMove), N, H, N, R(ErasePanLine)}},
    {6,
     6,
     "Zoom in",
     {R(ZoomInClick), D, R(ToModeZero), R(ToModeZero), R(ToModeZero), R(ToModeZero)}},
    {7,
     7,
     "Zoom out",
     {R(ZoomOutClick), D, R(ToModeZero), R(ToModeZero), R(ToModeZero), R(ToModeZero)}},
    {10, 11, "Rescale coordinates", {R(RescalePointClick), N, D, H, H, H}},
    {13,
     13,
     "Line point entry",
     {R(GenericEntryClick), R(GenericEntryMove), R(GenericEntryEnter), R(LineEntryEscape), X,
      R(GenericEntryFinish)}},
    {44, 44, "Selection band", {R(FinishBand), R(BandMove), D, R(EndBand), H, H}},
    {59, 59, "Results display tool", {R(ResultsToolClick), R(ResultsToolMove), D, H, H, H}},
    {77, 77, "Click selection", {R(ClickSelectionClick), D, D, H, H, H}},
    {80, 80, "Compute Distance", {R(DistancePick), D, D, R(DistanceEscape), H, H}},
    {160, 160, "Renumber lines", {R(RenumberClick), D, D, R(RenumberEscape), N, H}},
};

}  // namespace

namespace {

// The view's rows and every tool's steps, in the order of their cursor modes; built once.
const std::vector<s_CursorModeRow>& CursorModeRows() {
    static const std::vector<s_CursorModeRow> rows = [] {
        std::vector<s_CursorModeRow> all(std::begin(kCursorModes), std::end(kCursorModes));
        for (const Tool* tool : AllTools())
            all.insert(all.end(), tool->Steps().begin(), tool->Steps().end());
        std::sort(all.begin(), all.end(), [](const s_CursorModeRow& a, const s_CursorModeRow& b) {
            return a.firstMode < b.firstMode;
        });
        return all;
    }();
    return rows;
}

// One row per edit mode, from the tool of the mode.
const std::vector<s_EditModeRow>& EditModeRows() {
    static const std::vector<s_EditModeRow> rows = [] {
        std::vector<s_EditModeRow> all;
        for (const Tool* tool : AllTools())
            for (int mode = tool->FirstMode(); mode <= tool->LastMode(); ++mode) {
                const s_ToolInputs in = tool->Inputs(mode);
                all.push_back({mode, mode, tool->Name(), in.left, in.enter, in.move, in.right});
            }
        return all;
    }();
    return rows;
}

}  // namespace

std::span<const s_CursorModeRow> CursorModeTable() { return CursorModeRows(); }

const s_CursorModeRow* FindCursorModeRow(int mode) {
    const auto& rows = CursorModeRows();
    const auto it = std::find_if(rows.begin(), rows.end(), [mode](const s_CursorModeRow& row) {
        return row.firstMode <= mode && mode <= row.lastMode;
    });
    return it == rows.end() ? nullptr : &*it;
}

const s_EditModeRow* FindEditModeRow(int mode) {
    const auto& rows = EditModeRows();
    const auto it = std::find_if(rows.begin(), rows.end(), [mode](const s_EditModeRow& row) {
        return row.firstMode <= mode && mode <= row.lastMode;
    });
    return it == rows.end() ? nullptr : &*it;
}

namespace view_input_ops {

void LineKindAdded(s_InputCall& c, int kind) {
    c.modified = true;
    c.redraw = true;
    c.view.DataChanged(kind);
}

void LineEntryPointMove(s_InputCall& c) {
    Cpp_LineEntry::EnterPointsMouseMove(c.pickDevice.x, c.pickDevice.y, c.in.device.x,
                                        c.in.device.y, c.rounded.x, c.rounded.y);
    CoordinateToolTip(c);
}

}  // namespace view_input_ops
