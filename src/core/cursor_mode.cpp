#include "core/cursor_mode.h"

#include <utility>

namespace {
int g_mode = 0;
int g_saved = 0;
s_PixelPoint g_start, g_end;
s_CursorModeHooks& Hooks() {
    static s_CursorModeHooks hooks;
    return hooks;
}
}  // namespace

int GetCursorMode() { return g_mode; }

void SetCursorMode(int mode) {
    auto& h = Hooks();
    if ((g_mode == 6 || g_mode == 7) && mode == 0) h.setArrowCursor();
    g_mode = mode;
    switch (mode) {
    case 0: h.restorePromptText(); break;
    case 2:
    case 3:
    case 6:
    case 7: {
        const int id = mode == 2 ? 510 : mode == 3 ? 511 : mode == 6 ? 512 : 513;
        h.loadPromptText(id, mode != 3);
        break;
    }
    default: break;
    }
}

void ResetCursorMode() {
    Hooks().restorePromptText();
    g_mode = 0;
}

int GetSavedCursorMode() { return g_saved; }
void SetSavedCursorMode(int mode) { g_saved = mode; }
s_PixelPoint GetRubberBandStart() { return g_start; }
void SetRubberBandStart(int x, int y) { g_start = {x, y}; }
s_PixelPoint GetRubberBandEnd() { return g_end; }
void SetRubberBandEnd(int x, int y) { g_end = {x, y}; }
void SetCursorModeHooks(s_CursorModeHooks hooks) {
    const s_CursorModeHooks none;
    if (!hooks.loadPromptText) hooks.loadPromptText = none.loadPromptText;
    if (!hooks.restorePromptText) hooks.restorePromptText = none.restorePromptText;
    if (!hooks.setArrowCursor) hooks.setArrowCursor = none.setArrowCursor;
    Hooks() = std::move(hooks);
}

void ResetCursorModeState() {
    g_mode = g_saved = 0;
    g_start = g_end = {};
    Hooks() = {};
}
