#pragma once
// The cursor mode: which step of which tool the mouse handling is in (0: no step under way;
// 2 and 3 the corners of a zoom box, 6 zoom in, 7 zoom out; other values chosen by the tools),
// the mode to return to after a temporary one, and the two pixel points of rubber bands.
//
//     SetCursorMode(42);  ...  if (GetCursorMode() == 42) ...;  SetCursorMode(0);
//
// The prompt-text holder (selection and editing) and the view's cursor are reached through
// hooks that those owners install; without them only the mode itself changes.

#include <functional>

struct s_PixelPoint {
    int x = 0;
    int y = 0;
};

int GetCursorMode();
// Leaving 6 or 7 for 0 restores the arrow cursor; mode 0 restores the saved prompt text;
// modes 2, 3, 6 and 7 load the zoom prompts 510 to 513 (saving the held text first, except 3).
void SetCursorMode(int mode);
// Restores the prompt text and sets mode 0 (a click in the view, a file read).
void ResetCursorMode();
int GetSavedCursorMode();
void SetSavedCursorMode(int mode);

s_PixelPoint GetRubberBandStart();
void SetRubberBandStart(int x, int y);
s_PixelPoint GetRubberBandEnd();
void SetRubberBandEnd(int x, int y);

// What the user interface does at a change of mode; a hook left empty does nothing.
struct s_CursorModeHooks {
    std::function<void(int stringId, bool save)> loadPromptText = [](int, bool) {};
    std::function<void()> restorePromptText = [] {};
    std::function<void()> setArrowCursor = [] {};
};
void SetCursorModeHooks(s_CursorModeHooks hooks);
// Mode 0, nothing saved, the rubber-band points at 0 and no hooks, without calling any hook
// (the program-wide reset).
void ResetCursorModeState();
