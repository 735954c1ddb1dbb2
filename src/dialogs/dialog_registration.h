#pragma once
// The one place where the dialog windows of the program are plugged into the model: each window
// is registered in the slot of the model-owned interface that opens it (core/dialog_slot.h).
// The application calls RegisterDialogWindows once at start-up, after the main frame exists,
// and UnregisterDialogWindows before the frame goes.

class QWidget;

namespace dialogs {

void RegisterDialogWindows(QWidget* mainWindow);
// The slots that RegisterDialogWindows set go back to their stand-ins, and its windows go.
void UnregisterDialogWindows();

}  // namespace dialogs
