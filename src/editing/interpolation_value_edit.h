#pragma once
// Two commands of the edit menu on a selected interpolation point: "Edit Values" (the point's
// value, or its total head when its data set holds heads, in the "Edit Value" window) and
// "Display / Edit Heads" (a pressure data set shows and takes total heads, or pressures again).
//
//     if (EditSelectedValues(GetCurrentSelection(), placement)) redraw;

#include "editing/line_editing_dialogs.h"

class Cpp_SelectionList;

// The label of the value of an interpolation point kind (14, 92, 108, 138), without ":";
// "" for other kinds.
const char* EditValueLabel(int kind, bool head);
// The first item of the list, when it is a live interpolation point: its value in the window,
// stored on OK (the contours go; they are traced again). True after OK.
bool EditSelectedValues(Cpp_SelectionList& list, const s_EditValuePlacement& placement);
// The first item of the list, when it is a live interpolation item of a pressure data set:
// heads on or off for that data set. True when it changed.
bool ToggleHeadsOfSelection(Cpp_SelectionList& list);
// The view's interpolation display message: the value labels of the interpolation tool's stage
// on or off; the caller draws the view again.
void RedrawInterpolationDisplay(bool showValues);
