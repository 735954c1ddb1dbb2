#pragma once
// Commands on every item of a selection list: switching off the display of the selected items'
// kinds, retriangulating or trimming the selected interpolation data set, and the arrow-key
// nudge settings with their options dialog.
//
// The operations on one selected item (retriangulating, trimming triangles) go through
// SelectedItemOperationsSlot(), which answers the item's own operations (Cpp_Selection) unless a
// test puts others in their place.

#include "core/dialog_slot.h"

class Cpp_Selection;
class Cpp_SelectionList;

// Operations on one selected item (the interpolation actions).
class SelectedItemOperations {
public:
    virtual ~SelectedItemOperations() = default;
    virtual bool RetriangulateDataSet(Cpp_Selection& item) = 0;
    virtual bool DeleteTrianglesOutsideMaterial(Cpp_Selection& item) = 0;
};
DialogSlot<SelectedItemOperations>& SelectedItemOperationsSlot();

// "Clear Display for Selection": every item switches off the display switch of its kind in its
// data set (stage-dependent switches: the item's stage), the owners follow. Always true.
bool ClearDisplayFlags(Cpp_SelectionList& list);

// "Retriangulate Interpolation Data Set": empty list, or a first item that is no interpolation
// item: the notice "A valid interpolation data set (point or triangle) has not been selected.
// Select an interpolation data set first." (false). Otherwise the first item's data set is
// retriangulated. The list is emptied whenever it held an item.
bool RetriangulateSelection(Cpp_SelectionList& list);
// "Delete Triangles Outside Material": empty list false; else the first item's operation, then
// the list is emptied.
bool DeleteTrianglesOutsideMaterial(Cpp_SelectionList& list);

// The arrow-key nudge: mode 1 pixels (the default), 2 world distance; distance 1.0.
struct s_NudgeOptions {
    int mode = 1;
    double distance = 1.0;
};
s_NudgeOptions& NudgeOptions();
// The "Selection Options" dialog: answers false on Cancel.
class SelectionOptionsDialog {
public:
    virtual ~SelectionOptionsDialog() = default;
    virtual bool Run(s_NudgeOptions& options) = 0;
};
DialogSlot<SelectionOptionsDialog>& SelectionOptionsDialogSlot();
// "Selected Item Options": the dialog on a copy of the options; OK stores them (true).
bool EditSelectedItemOptions();
