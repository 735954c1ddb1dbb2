#include "dialogs/input_dialog_base.h"

#include <QEvent>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>

namespace dialogs {

namespace {

bool LayoutHolds(const QLayout* layout, const QWidget* widget) {
    if (!layout) return false;
    for (int i = 0; i < layout->count(); ++i) {
        QLayoutItem* item = layout->itemAt(i);
        if (item->widget() == widget || LayoutHolds(item->layout(), widget)) return true;
    }
    return false;
}

}  // namespace

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
        if (event->type() == QEvent::FocusIn)
            button->setDefault(true);
        else if (event->type() == QEvent::FocusOut)
            RestoreDefaultButton();
    }
    return QDialog::eventFilter(watched, event);
}

void CmInputDialog1::FocusOnShow() { pointList_->FocusEntryEdit(); }

void CmInputDialog1::showEvent(QShowEvent* event) {
    // A dialog of one list lays out only that one; the other would sit unplaced in a corner.
    for (CmListBox* list : {lineList_, pointList_})
        if (list->parentWidget() == this && !LayoutHolds(layout(), list)) list->hide();
    QDialog::showEvent(event);
    FocusOnShow();
}

}  // namespace dialogs
