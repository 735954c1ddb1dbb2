#pragma once
// Message boxes a dialog owns: its own checks' errors (stop icon) and its questions (question
// icon, OK and Cancel). They go through the message-box service, so tests answer them.

#include <string>

class QWidget;

namespace dialogs {

void ShowDialogError(QWidget* dialog, const std::string& caption, const std::string& text);
// True on OK.
bool AskDialogOkCancel(QWidget* dialog, const std::string& caption, const std::string& text);

}  // namespace dialogs
