#pragma once
// The six saved views: a world window with its exact mapping, kept in the document as the
// block "VIEw data follow -" and returned to with "View 1" to "View 6".

#include "core/dialog_slot.h"

#include <cstdio>
#include <iosfwd>
#include <string>

struct s_ViewRecordType {
    bool defined = false;
    double world[4] = {0, 0, 0, 0};    // xmin, xmax, ymin, ymax
    double mapping[4] = {0, 0, 0, 0};  // x offset, x scale, y offset, y scale
    double visible[4] = {0, 0, 0, 0};  // xmin, xmax, ymin, ymax
};

constexpr int kNumberOfViews = 6;

// View n (1 to 6); nullptr for any other n.
const s_ViewRecordType* GetView(int n);
bool AssignView(int n);
void ClearViews();
int FirstUndefinedView();
// Goes to view n; an undefined view asks whether to assign the current view as view n.
bool GoToView(int n);
// The "Set View ..." dialog: the chosen view number and whether to clear all views; it
// answers false on Cancel. Its window is registered in SetViewsDialogSlot(); the stand-in
// cancels.
struct s_SetViewsChoice {
    int view = 1;
    bool clearAll = false;
};
class SetViewsDialogWindow {
public:
    virtual ~SetViewsDialogWindow() = default;
    virtual bool Run(s_SetViewsChoice& choice) = 0;
};
DialogSlot<SetViewsDialogWindow>& SetViewsDialogSlot();
// Runs the dialog; on OK assigns the chosen view or clears them all.
bool SetViewsDialog();

// The document block.
void WriteViews(std::ostream& out);
// Reads the lines after the header line. At most the count of groups is read; a group whose
// view number is outside 1 to 6 is read and ignored. False when the block is damaged.
bool ReadViews(std::FILE* file);
// Back to the start (tests).
void ResetViews();
