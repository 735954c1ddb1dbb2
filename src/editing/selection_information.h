#pragma once
// The information window for a selected item: emptied, then filled by the writer of the item's
// kind (analysis items, construction items, slope and crack, loads, materials, piezometric
// lines, profile lines, interpolation data, reinforcement). A kind without a writer leaves the
// window empty; a hidden window is left untouched.

#include "platform/info_window.h"

class Cpp_Selection;
class Cpp_SelectionList;

// False (nothing done) when the window does not exist or is hidden.
bool ShowSelectionInformation(const Cpp_Selection& item);

// "Data Information Window": shows the window when hidden, hides it when shown; when it is then
// visible it shows the last item of the list (its live last record), or is emptied.
void ToggleInformationWindowForSelection(Cpp_SelectionList& list);

// The pages this module writes: construction items (8 segment, 9 point, 10 circle), profile
// items (84 point, 86 segment, 88 number label), slope and computed crack items (132, 134, 20,
// 22, 24, 26). Each empties the window first; false for another kind.
bool AddConstructionInformation(platform::InfoWindowService& info, const Cpp_Selection& item);
bool AddProfileInformation(platform::InfoWindowService& info, const Cpp_Selection& item);
bool AddSlopeInformation(platform::InfoWindowService& info, const Cpp_Selection& item);
