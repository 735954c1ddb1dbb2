#include "editing/selection_refresh.h"

#include "core/cursor_mode.h"
#include "core/summary_window.h"
#include "editing/cursor_modes.h"
#include "editing/selection.h"
#include "editing/selection_list.h"
#include "editing/view_selection.h"
#include "model/program_state.h"

#include <algorithm>
#include <initializer_list>

namespace {

bool g_dragging = false;

const bool g_resetAdded = (AddProgramStateReset([] { g_dragging = false; }), true);

// The kinds whose drop ends with the item's refresh: line points, distributed-load points, the
// fixed grid's corner, crack points, line loads, radius definitions and the points of tangent
// lines, the circle's own and those of radius definitions.
bool RefreshedAfterDrop(int kind) {
    const std::initializer_list<int> kinds = {SEL_CONSTRUCTION_POINT,
                                              SEL_LOAD_POINT,
                                              SEL_GRID_CORNER,
                                              SEL_NONCIRCULAR_POINT,
                                              SEL_VARIABLE_CRACK_POINT,
                                              SEL_VARIABLE_WATER_POINT,
                                              SEL_LINE_LOAD,
                                              SEL_LINE_LOAD_DRAWN,
                                              SEL_PIEZOMETRIC_POINT,
                                              SEL_PROFILE_POINT,
                                              SEL_DEFINITION_RADIUS,
                                              SEL_DEFINITION_FIXED_POINT,
                                              SEL_DEFINITION_HORIZONTAL_TANGENT,
                                              SEL_REINFORCEMENT_POINT,
                                              SEL_SLOPE_POINT,
                                              SEL_TANGENT_POINT,
                                              SEL_DEFINITION_TANGENT_POINT};
    return std::find(kinds.begin(), kinds.end(), kind) != kinds.end();
}

}  // namespace

void RefreshSelectedItem(const Cpp_Selection& item) {
    UpdateSummaryWindow(item);
    item.UpdateToolBars();
}

void NoteSelectionDragStarted() { g_dragging = GetCursorMode() != CursorModeNone; }

void EndSelectionDrag(int modeBefore, bool dropped, bool selectMode) {
    if (!g_dragging || modeBefore == CursorModeNone || GetCursorMode() != CursorModeNone) return;
    g_dragging = false;
    if (!dropped) return;
    Cpp_SelectionList& list = GetCurrentSelection();
    const Cpp_Selection* first = list.GetNth(1);
    if (!first || !list.IsLive(first) || !first->TargetExists()) return;
    if (RefreshedAfterDrop(first->GetType())) RefreshSelectedItem(*first);
    // The drag took the highlight off when it started; the prompt names the item's new values.
    first->RedrawHighlighted();
    if (selectMode) ShowSelectionPrompt();
}
