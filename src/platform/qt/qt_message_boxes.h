#pragma once
// Message boxes as QMessageBox: buttons, icon, default button and owner as requested; Escape
// answers Cancel where there is one, else No, else OK.

#include "platform/message_box.h"

#include <QPointer>
#include <QWidget>

namespace platform::qt {

class QtMessageBoxes final : public MessageBoxService {
public:
    BoxResult Show(const MessageBoxRequest& request) override;
    // The main window owns the boxes asked of it (and of a window, when no other is active).
    void SetMainWindow(QWidget* window) { mainWindow_ = window; }

private:
    QPointer<QWidget> mainWindow_;
};

}  // namespace platform::qt
