#pragma once
// The message-box family: every question and error box of the program, with its buttons, icon
// and owner fixed here. Caption first, then text. The boxes go through platform::Services().
//
//     if (AskYesNo(window, "Save settings?", "Do you want ...")) ...
//     ShowErrorMessage("File I/O Error", text);
//
// A "window" is the owner handed down from the user interface (opaque to the model);
// nullptr means none. Functions that need a window show nothing and answer false (or 0)
// without one; ShowErrorMessage is the one error box shown without a main window.
// The "FromResources" and "CaptionId" forms load their texts from the string table
// (core/string_table.h); a missing or empty text suppresses the box.

#include <string>

#include "platform/message_box.h"

using WindowHandle = void*;

// How many boxes have been shown in this run: the view input compares it around a click to
// know that a box opened by the click took the mouse button's release.
int MessageBoxesShown();

// The application sets this when its main window exists (and clears it when it goes).
void SetMainWindowExists(bool exists);

bool ShowQuestionMessage(WindowHandle window, const std::string& caption, const std::string& text);
bool AskOkCancel(WindowHandle window, const std::string& caption, const std::string& text);
bool AskOkCancelFromResources(WindowHandle window, int captionId, int textId);
bool AskYesNo(WindowHandle window, const std::string& caption, const std::string& text);
bool AskYesNoFromResources(WindowHandle window, int captionId, int textId);
bool AskYesNoWithCaptionId(WindowHandle window, int captionId, const std::string& text);
bool AskYesNoOnMainWindow(const std::string& caption, const std::string& text);
bool AskYesNoOnMainWindowEx(const std::string& caption, const std::string& text, bool yesDefault);
// The button pressed: Yes, No or Cancel (Escape answers Cancel).
platform::BoxResult AskYesNoCancel(WindowHandle window, const std::string& caption,
                                   const std::string& text);
// 0 and no box when the window is none or a text is missing; else 1 Yes, 2 No, 3 Cancel.
int AskYesNoCancelWithCaptionId(WindowHandle window, int captionId, const std::string& text);
// 1 (OK) when shown; 0 and no box when the window is none.
int ShowErrorOnWindow(WindowHandle window, const std::string& caption, const std::string& text);
int ShowErrorWithCaptionId(WindowHandle window, int captionId, const std::string& text);
// The stop box with the text and caption of two string-table ids; nothing when the window is
// none or either text is missing or empty. 1 when shown, else 0.
int ShowErrorFromStringIds(WindowHandle window, int textId, int captionId);
// The error box on the main window, or without owner when there is no main window.
bool ShowErrorMessage(const std::string& caption, const std::string& text);
// The error box on the main window; nothing when there is no main window.
bool ShowErrorOnMainWindow(const std::string& caption, const std::string& text);
// OK box with the icon by kind: 3 question, 4 and 5 exclamation, 6 and 7 information, else stop.
bool ShowMessageByKind(const std::string& caption, const std::string& text, int kind);
