#include "core/message_boxes.h"

#include <optional>

#include "core/string_table.h"
#include "platform/services.h"

using platform::BoxButtons;
using platform::BoxIcon;
using platform::BoxOwner;
using platform::BoxResult;

namespace {

bool g_mainWindow = false;
int g_boxesShown = 0;

BoxResult Show(const std::string& caption, const std::string& text, BoxButtons buttons,
               BoxIcon icon, BoxResult defaultButton, BoxOwner owner) {
    platform::MessageBoxRequest request;
    request.caption = caption;
    request.text = text;
    request.buttons = buttons;
    request.icon = icon;
    request.defaultButton = defaultButton;
    request.owner = owner;
    ++g_boxesShown;
    return platform::Services().MessageBoxes().Show(request);
}

std::optional<std::string> Text(int id) {
    auto text = LoadStringText(id);
    if (!text || text->empty()) return std::nullopt;
    return text;
}

}  // namespace

int MessageBoxesShown() { return g_boxesShown; }

void SetMainWindowExists(bool exists) { g_mainWindow = exists; }

bool ShowQuestionMessage(WindowHandle window, const std::string& caption, const std::string& text) {
    return Show(caption, text, BoxButtons::Ok, BoxIcon::Question, BoxResult::Ok,
                window ? BoxOwner::Window : BoxOwner::None) == BoxResult::Ok;
}

bool AskOkCancel(WindowHandle window, const std::string& caption, const std::string& text) {
    return Show(caption, text, BoxButtons::OkCancel, BoxIcon::Question, BoxResult::Ok,
                window ? BoxOwner::Window : BoxOwner::None) == BoxResult::Ok;
}

bool AskOkCancelFromResources(WindowHandle window, int captionId, int textId) {
    auto caption = Text(captionId);
    auto text = Text(textId);
    if (window == nullptr || !caption || !text) return false;
    return AskOkCancel(window, *caption, *text);
}

bool AskYesNo(WindowHandle window, const std::string& caption, const std::string& text) {
    return Show(caption, text, BoxButtons::YesNo, BoxIcon::Question, BoxResult::Yes,
                window ? BoxOwner::Window : BoxOwner::None) == BoxResult::Yes;
}

bool AskYesNoFromResources(WindowHandle window, int captionId, int textId) {
    auto caption = Text(captionId);
    auto text = Text(textId);
    if (window == nullptr || !caption || !text) return false;
    return AskYesNo(window, *caption, *text);
}

bool AskYesNoWithCaptionId(WindowHandle window, int captionId, const std::string& text) {
    auto caption = Text(captionId);
    if (window == nullptr || !caption || text.empty()) return false;
    return AskYesNo(window, *caption, text);
}

bool AskYesNoOnMainWindow(const std::string& caption, const std::string& text) {
    return AskYesNoOnMainWindowEx(caption, text, true);
}

bool AskYesNoOnMainWindowEx(const std::string& caption, const std::string& text, bool yesDefault) {
    return Show(caption, text, BoxButtons::YesNo, BoxIcon::Question,
                yesDefault ? BoxResult::Yes : BoxResult::No,
                g_mainWindow ? BoxOwner::MainWindow : BoxOwner::None) == BoxResult::Yes;
}

BoxResult AskYesNoCancel(WindowHandle window, const std::string& caption, const std::string& text) {
    return Show(caption, text, BoxButtons::YesNoCancel, BoxIcon::Question, BoxResult::Yes,
                window ? BoxOwner::Window : BoxOwner::None);
}

int AskYesNoCancelWithCaptionId(WindowHandle window, int captionId, const std::string& text) {
    auto caption = Text(captionId);
    if (window == nullptr || !caption || text.empty()) return 0;
    switch (AskYesNoCancel(window, *caption, text)) {
    case BoxResult::Yes: return 1;
    case BoxResult::No: return 2;
    default: return 3;
    }
}

int ShowErrorOnWindow(WindowHandle window, const std::string& caption, const std::string& text) {
    if (window == nullptr) return 0;
    Show(caption, text, BoxButtons::Ok, BoxIcon::Stop, BoxResult::Ok, BoxOwner::Window);
    return 1;
}

int ShowErrorFromStringIds(WindowHandle window, int textId, int captionId) {
    auto text = Text(textId);
    auto caption = Text(captionId);
    if (window == nullptr || !caption || !text) return 0;
    Show(*caption, *text, BoxButtons::Ok, BoxIcon::Stop, BoxResult::Ok, BoxOwner::Window);
    return 1;
}

int ShowErrorWithCaptionId(WindowHandle window, int captionId, const std::string& text) {
    auto caption = Text(captionId);
    if (window == nullptr || !caption || text.empty()) return 0;
    return ShowErrorOnWindow(window, *caption, text);
}

bool ShowErrorMessage(const std::string& caption, const std::string& text) {
    Show(caption, text, BoxButtons::Ok, BoxIcon::Stop, BoxResult::Ok,
         g_mainWindow ? BoxOwner::MainWindow : BoxOwner::None);
    return true;
}

bool ShowErrorOnMainWindow(const std::string& caption, const std::string& text) {
    if (!g_mainWindow) return false;
    Show(caption, text, BoxButtons::Ok, BoxIcon::Stop, BoxResult::Ok, BoxOwner::MainWindow);
    return true;
}

bool ShowMessageByKind(const std::string& caption, const std::string& text, int kind) {
    BoxIcon icon = BoxIcon::Stop;
    if (kind == 3)
        icon = BoxIcon::Question;
    else if (kind == 4 || kind == 5)
        icon = BoxIcon::Exclamation;
    else if (kind == 6 || kind == 7)
        icon = BoxIcon::Information;
    return Show(caption, text, BoxButtons::Ok, icon, BoxResult::Ok,
                g_mainWindow ? BoxOwner::MainWindow : BoxOwner::None) == BoxResult::Ok;
}
