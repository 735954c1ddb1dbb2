#pragma once
// The About box of the Help menu: the program's icon, its version line and OK.

class QWidget;

namespace dialogs {

// "Kliven Preprocessor Version " and the program version (GetProgramVersionText).
const char* AboutVersionPrefix();
// Runs the box modally over the parent.
void ShowAboutBox(QWidget* parent);

}  // namespace dialogs
