#include "platform/qt/qt_message_boxes.h"

#include "platform/qt/qt_text.h"

#include <QApplication>
#include <QMessageBox>

namespace platform::qt {

namespace {

QMessageBox::StandardButton ToQt(BoxResult r) {
    switch (r) {
    case BoxResult::Ok: return QMessageBox::Ok;
    case BoxResult::Cancel: return QMessageBox::Cancel;
    case BoxResult::Yes: return QMessageBox::Yes;
    case BoxResult::No: return QMessageBox::No;
    }
    return QMessageBox::Ok;
}

QMessageBox::StandardButtons ButtonsOf(BoxButtons b) {
    switch (b) {
    case BoxButtons::Ok: return QMessageBox::Ok;
    case BoxButtons::OkCancel: return QMessageBox::Ok | QMessageBox::Cancel;
    case BoxButtons::YesNo: return QMessageBox::Yes | QMessageBox::No;
    case BoxButtons::YesNoCancel: return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

bool Has(BoxButtons b, BoxResult r) {
    switch (b) {
    case BoxButtons::Ok: return r == BoxResult::Ok;
    case BoxButtons::OkCancel: return r == BoxResult::Ok || r == BoxResult::Cancel;
    case BoxButtons::YesNo: return r == BoxResult::Yes || r == BoxResult::No;
    case BoxButtons::YesNoCancel: return r != BoxResult::Ok;
    }
    return false;
}

// What Escape (or closing the box) answers.
BoxResult EscapeResult(BoxButtons b) {
    if (Has(b, BoxResult::Cancel)) return BoxResult::Cancel;
    if (Has(b, BoxResult::No)) return BoxResult::No;
    return BoxResult::Ok;
}

// The first button when the requested default is not among the buttons.
BoxResult DefaultResult(const MessageBoxRequest& r) {
    if (Has(r.buttons, r.defaultButton)) return r.defaultButton;
    return (r.buttons == BoxButtons::Ok || r.buttons == BoxButtons::OkCancel) ? BoxResult::Ok
                                                                              : BoxResult::Yes;
}

QMessageBox::Icon IconOf(BoxIcon icon) {
    switch (icon) {
    case BoxIcon::None: return QMessageBox::NoIcon;
    case BoxIcon::Question: return QMessageBox::Question;
    case BoxIcon::Exclamation: return QMessageBox::Warning;
    case BoxIcon::Information: return QMessageBox::Information;
    case BoxIcon::Stop: return QMessageBox::Critical;
    }
    return QMessageBox::NoIcon;
}

}  // namespace

BoxResult QtMessageBoxes::Show(const MessageBoxRequest& request) {
    QWidget* owner = nullptr;
    switch (request.owner) {
    case BoxOwner::Window:
        owner = static_cast<QWidget*>(request.window);
        if (!owner) owner = QApplication::activeWindow();
        if (!owner) owner = mainWindow_;
        break;
    case BoxOwner::MainWindow: owner = mainWindow_; break;
    case BoxOwner::None: break;
    }
    QMessageBox box(IconOf(request.icon), ToQString(request.caption), ToQString(request.text),
                    ButtonsOf(request.buttons), owner);
    box.setDefaultButton(ToQt(DefaultResult(request)));
    box.setEscapeButton(box.button(ToQt(EscapeResult(request.buttons))));
    box.exec();
    const QAbstractButton* clicked = box.clickedButton();
    if (!clicked) return EscapeResult(request.buttons);
    switch (box.standardButton(const_cast<QAbstractButton*>(clicked))) {
    case QMessageBox::Ok: return BoxResult::Ok;
    case QMessageBox::Cancel: return BoxResult::Cancel;
    case QMessageBox::Yes: return BoxResult::Yes;
    case QMessageBox::No: return BoxResult::No;
    default: return EscapeResult(request.buttons);
    }
}

}  // namespace platform::qt
