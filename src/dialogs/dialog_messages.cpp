#include "dialogs/dialog_messages.h"

#include "platform/services.h"

#include <QWidget>

namespace dialogs {

namespace {

platform::BoxResult Show(QWidget* dialog, const std::string& caption, const std::string& text,
                         platform::BoxButtons buttons, platform::BoxIcon icon) {
    platform::MessageBoxRequest request;
    request.caption = caption;
    request.text = text;
    request.buttons = buttons;
    request.icon = icon;
    request.owner = platform::BoxOwner::Window;
    request.window = dialog ? dialog->window() : nullptr;
    return platform::Services().MessageBoxes().Show(request);
}

}  // namespace

void ShowDialogError(QWidget* dialog, const std::string& caption, const std::string& text) {
    Show(dialog, caption, text, platform::BoxButtons::Ok, platform::BoxIcon::Stop);
}

bool AskDialogOkCancel(QWidget* dialog, const std::string& caption, const std::string& text) {
    return Show(dialog, caption, text, platform::BoxButtons::OkCancel,
                platform::BoxIcon::Question) == platform::BoxResult::Ok;
}

}  // namespace dialogs
