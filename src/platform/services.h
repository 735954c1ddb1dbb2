#pragma once
// The one registry through which model code reaches the platform services.
// Until an implementation is registered, each accessor hands out a silent stand-in
// (boxes answer their default button, dialogs cancel, the profile is empty, the prompt bar and
// the tool bar windows show nothing, no picture is copied), never null.
// The program registers the Qt implementations at start-up; tests register fakes.

#include "platform/clipboard.h"
#include "platform/data_errors.h"
#include "platform/file_dialogs.h"
#include "platform/graph_window.h"
#include "platform/help.h"
#include "platform/info_window.h"
#include "platform/keyboard.h"
#include "platform/message_box.h"
#include "platform/picture_copy.h"
#include "platform/printing.h"
#include "platform/process.h"
#include "platform/profile.h"
#include "platform/progress.h"
#include "platform/prompt_bar.h"
#include "platform/status_line.h"
#include "platform/tool_bar_windows.h"

namespace platform {

class ServiceRegistry {
public:
    MessageBoxService& MessageBoxes();
    FileDialogService& FileDialogs();
    ProfileService& Profile();
    ProcessService& Processes();
    StatusLineService& StatusLine();
    ClipboardService& Clipboard();
    HelpService& Help();
    InfoWindowService& InfoWindow();
    DataErrorService& DataErrors();
    GraphWindowService& GraphWindow();
    PrintService& Printing();
    KeyboardService& Keyboard();
    ProgressService& Progress();
    PromptBarService& PromptBar();
    ToolBarWindowService& ToolBarWindows();
    PictureCopyService& PictureCopy();

    // The registry does not own what is registered; pass nullptr to return to the stand-in.
    void SetMessageBoxes(MessageBoxService* s) { messageBoxes_ = s; }
    void SetFileDialogs(FileDialogService* s) { fileDialogs_ = s; }
    void SetProfile(ProfileService* s) { profile_ = s; }
    void SetProcesses(ProcessService* s) { processes_ = s; }
    void SetStatusLine(StatusLineService* s) { statusLine_ = s; }
    void SetClipboard(ClipboardService* s) { clipboard_ = s; }
    void SetHelp(HelpService* s) { help_ = s; }
    void SetInfoWindow(InfoWindowService* s) { infoWindow_ = s; }
    void SetDataErrors(DataErrorService* s) { dataErrors_ = s; }
    void SetGraphWindow(GraphWindowService* s) { graphWindow_ = s; }
    void SetPrinting(PrintService* s) { printing_ = s; }
    void SetKeyboard(KeyboardService* s) { keyboard_ = s; }
    void SetProgress(ProgressService* s) { progress_ = s; }
    void SetPromptBar(PromptBarService* s) { promptBar_ = s; }
    void SetToolBarWindows(ToolBarWindowService* s) { toolBarWindows_ = s; }
    void SetPictureCopy(PictureCopyService* s) { pictureCopy_ = s; }

    // Back to the stand-ins for every service (tests call this between cases).
    void Reset();

private:
    MessageBoxService* messageBoxes_ = nullptr;
    FileDialogService* fileDialogs_ = nullptr;
    ProfileService* profile_ = nullptr;
    ProcessService* processes_ = nullptr;
    StatusLineService* statusLine_ = nullptr;
    ClipboardService* clipboard_ = nullptr;
    HelpService* help_ = nullptr;
    InfoWindowService* infoWindow_ = nullptr;
    DataErrorService* dataErrors_ = nullptr;
    GraphWindowService* graphWindow_ = nullptr;
    PrintService* printing_ = nullptr;
    KeyboardService* keyboard_ = nullptr;
    ProgressService* progress_ = nullptr;
    PromptBarService* promptBar_ = nullptr;
    ToolBarWindowService* toolBarWindows_ = nullptr;
    PictureCopyService* pictureCopy_ = nullptr;
};

ServiceRegistry& Services();

}  // namespace platform
