#include "gridctrl/in_place_list.h"

#include "gridctrl/grid_ctrl_widget.h"
#include "gridctrl/qt_grid_painter.h"
#include "platform/qt/qt_text.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>
#include <QStyle>

namespace gridctrl {

using platform::qt::ToQString;
using platform::qt::ToStdString;

InPlaceList::InPlaceList(GridCtrlWidget& grid, const ListEditorRequest& r)
    : QComboBox(grid.viewport()), grid_(grid), row_(r.row), col_(r.col),
      initial_(ToQString(r.text)) {
    setEditable(r.editable);
    setInsertPolicy(QComboBox::NoInsert);
    setFont(ToQFont(r.font));
    setMaxVisibleItems(4);
    for (const std::string& option : r.options) addItem(ToQString(option));
    setGeometry(r.rect.left, r.rect.top, r.rect.right - r.rect.left, r.rect.bottom - r.rect.top);
    SetDroppedWidth();
    // The option that begins with the text, in any case; else the text itself.
    const int index = initial_.isEmpty() ? -1 : findText(initial_, Qt::MatchStartsWith);
    setCurrentIndex(index);
    if (index < 0 && isEditable()) setEditText(initial_);
    show();
    setFocus(Qt::OtherFocusReason);
    if (isEditable()) {
        QLineEdit* edit = lineEdit();
        switch (r.firstChar) {
        case VK_LBUTTON:
        case VK_RETURN: edit->end(false); break;
        case VK_BACK:
            edit->end(false);
            edit->backspace();
            break;
        case VK_CLICK_EDIT:
        case VK_PRIOR:
        case VK_NEXT:
        case VK_END:
        case VK_HOME:
        case VK_LEFT:
        case VK_UP:
        case VK_RIGHT:
        case VK_DOWN: edit->selectAll(); break;
        default:
            edit->selectAll();
            SendChar(r.firstChar);
            break;
        }
    }
    connect(this, &QComboBox::currentIndexChanged, this, &InPlaceList::OnSelectionChanged);
    showPopup();
}

void InPlaceList::SetDroppedWidth() {
    int widest = 0;
    for (int i = 0; i < count(); ++i)
        widest = std::max(widest, fontMetrics().horizontalAdvance(itemText(i)));
    const int scrollBar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    droppedWidth_ =
        std::min(kMaxDroppedWidth, widest + scrollBar + fontMetrics().horizontalAdvance("0"));
    view()->setMinimumWidth(droppedWidth_);
}

void InPlaceList::SendChar(unsigned ch) {
    if (!isEditable()) return;
    if (ch == VK_BACK)
        lineEdit()->backspace();
    else if ((ch >= 32 && ch < VK_CLICK_EDIT) || ch == VK_TAB)
        lineEdit()->insert(QString::fromUcs4(reinterpret_cast<const char32_t*>(&ch), 1));
}

void InPlaceList::Paste(const std::string& text) {
    if (isEditable()) lineEdit()->insert(ToQString(text));
}

void InPlaceList::OnSelectionChanged(int index) {
    if (ended_ || index < 0) return;
    try {
        grid_.Grid().OnInPlaceOptionChanged(row_, col_, index);
    } catch (...) {}
    // Choosing an option also ends the edit, once the choice has been made.
    QPointer<InPlaceList> self(this);
    QMetaObject::invokeMethod(
        this,
        [self] {
            if (self) self->End();
        },
        Qt::QueuedConnection);
}

bool InPlaceList::event(QEvent* e) {
    if (e->type() == QEvent::KeyPress) {
        auto* k = static_cast<QKeyEvent*>(e);
        if (k->key() == Qt::Key_Tab || k->key() == Qt::Key_Backtab) {
            keyPressEvent(k);
            return true;
        }
    }
    return QComboBox::event(e);
}

void InPlaceList::keyPressEvent(QKeyEvent* e) {
    const int key = e->key();
    const bool ctrl = e->modifiers() & Qt::ControlModifier;
    if (key == Qt::Key_Escape) {
        const bool was = ended_;
        ended_ = true;  // putting the old text back is no choice
        const int index = initial_.isEmpty() ? -1 : findText(initial_, Qt::MatchStartsWith);
        setCurrentIndex(index);
        if (isEditable()) setEditText(initial_);
        ended_ = was;
        exitKey_ = VK_ESCAPE;
        End();
        return;
    }
    if (key == Qt::Key_Tab || key == Qt::Key_Backtab || key == Qt::Key_Return ||
        key == Qt::Key_Enter) {
        exitKey_ = (key == Qt::Key_Return || key == Qt::Key_Enter) ? VK_RETURN : VK_TAB;
        shift_ = key == Qt::Key_Backtab || (e->modifiers() & Qt::ShiftModifier);
        End();
        return;
    }
    unsigned nav = 0;
    switch (key) {
    case Qt::Key_PageUp: nav = VK_PRIOR; break;
    case Qt::Key_PageDown: nav = VK_NEXT; break;
    case Qt::Key_Left: nav = VK_LEFT; break;
    case Qt::Key_Up: nav = VK_UP; break;
    case Qt::Key_Right: nav = VK_RIGHT; break;
    case Qt::Key_Down: nav = VK_DOWN; break;
    default: break;
    }
    if (nav && ctrl) {
        exitKey_ = nav;
        End();
        return;
    }
    QComboBox::keyPressEvent(e);
}

void InPlaceList::focusOutEvent(QFocusEvent* e) {
    QComboBox::focusOutEvent(e);
    // The list's own drop-down and edit field are part of it.
    QWidget* now = QApplication::focusWidget();
    if (e->reason() == Qt::PopupFocusReason || view()->isVisible() || (now && isAncestorOf(now)))
        return;
    End();
}

void InPlaceList::End() {
    if (ended_) return;
    ended_ = true;
    const std::string text = ToStdString(currentText());
    hidePopup();
    grid_.EditorClosed(this);
    if (hasFocus() || (lineEdit() && lineEdit()->hasFocus())) grid_.setFocus(Qt::OtherFocusReason);
    try {
        grid_.Grid().OnEndInPlaceEdit(row_, col_, text, exitKey_, shift_);
    } catch (...) {}
    hide();
    deleteLater();
}

}  // namespace gridctrl
