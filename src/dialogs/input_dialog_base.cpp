#include "dialogs/input_dialog_base.h"

#include <QEvent>
#include <QLineEdit>
#include <QPushButton>

namespace dialogs {

CmInputDialog1::CmInputDialog1(QWidget* parent)
    : QDialog(parent), lineList_(new CmListBox(this)), pointList_(new CmListBox(this)) {
    lineList_->setObjectName("lineList");
    pointList_->setObjectName("pointList");
}

bool CmInputDialog1::IsTextChanged(const char* text, std::string value) {
    if (!text || value.empty()) return false;
    return value != text;
}

QPushButton* CmInputDialog1::SaveDefaultButton() {
    savedDefault_ = nullptr;
    for (QPushButton* button : findChildren<QPushButton*>())
        if (button->isDefault()) savedDefault_ = button;
    return savedDefault_;
}

void CmInputDialog1::RestoreDefaultButton() {
    if (savedDefault_) savedDefault_->setDefault(true);
}

void CmInputDialog1::WatchEntryEdit(QLineEdit* edit, QPushButton* button) {
    watched_.emplace_back(edit, button);
    edit->installEventFilter(this);
}

bool CmInputDialog1::eventFilter(QObject* watched, QEvent* event) {
    for (const auto& [edit, button] : watched_) {
        if (watched != edit) continue;
        if (event->type() == QEvent::FocusIn) button->setDefault(true);
        else if (event->type() == QEvent::FocusOut) RestoreDefaultButton();
    }
    return QDialog::eventFilter(watched, event);
}

void CmInputDialog1::FocusOnShow() { pointList_->FocusEntryEdit(); }

void CmInputDialog1::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    FocusOnShow();
}

}  // namespace dialogs
