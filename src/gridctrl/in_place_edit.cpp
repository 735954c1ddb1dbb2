#include "gridctrl/in_place_edit.h"

#include "gridctrl/grid_ctrl_widget.h"
#include "gridctrl/qt_grid_painter.h"
#include "platform/qt/qt_text.h"
#include "platform/services.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QPointer>

namespace gridctrl {

using platform::qt::ToQString;
using platform::qt::ToStdString;

namespace {

unsigned NavigationKey(int key) {
    switch (key) {
    case Qt::Key_PageUp: return VK_PRIOR;
    case Qt::Key_PageDown: return VK_NEXT;
    case Qt::Key_Left: return VK_LEFT;
    case Qt::Key_Up: return VK_UP;
    case Qt::Key_Right: return VK_RIGHT;
    case Qt::Key_Down: return VK_DOWN;
    default: return 0;
    }
}

}  // namespace

InPlaceEdit::InPlaceEdit(GridCtrlWidget& grid, const TextEditorRequest& r)
    : QLineEdit(grid.viewport()), grid_(grid), row_(r.row), col_(r.col),
      initial_(ToQString(r.text)),
      exitsOnNavigation_(r.firstChar != VK_LBUTTON && r.firstChar != VK_CLICK_EDIT) {
    setContextMenuPolicy(Qt::NoContextMenu);
    if (r.format & DT_RIGHT)
        setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    else if (r.format & DT_CENTER)
        setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    else
        setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    setFont(ToQFont(r.font));
    setTextMargins(0, 0, 0, 0);
    setText(initial_);
    setGeometry(r.rect.left, r.rect.top, r.rect.right - r.rect.left, r.rect.bottom - r.rect.top);
    show();
    setFocus(Qt::OtherFocusReason);
    switch (r.firstChar) {
    case VK_LBUTTON:
    case VK_RETURN: end(false); break;
    case VK_BACK:
        end(false);
        backspace();
        break;
    case VK_CLICK_EDIT:
    case VK_TAB:
    case ' ':
    case VK_PRIOR:
    case VK_NEXT:
    case VK_END:
    case VK_HOME:
    case VK_LEFT:
    case VK_UP:
    case VK_RIGHT:
    case VK_DOWN: selectAll(); break;
    default:
        selectAll();
        SendChar(r.firstChar);
        break;
    }
}

void InPlaceEdit::SendChar(unsigned ch) {
    if (ch == VK_BACK)
        backspace();
    else if (ch >= 32 && ch < VK_CLICK_EDIT)
        insert(QString::fromUcs4(reinterpret_cast<const char32_t*>(&ch), 1));
    Grow();
}

void InPlaceEdit::Paste(const std::string& text) {
    insert(ToQString(text));
    Grow();
}

bool InPlaceEdit::event(QEvent* e) {
    if (e->type() == QEvent::KeyPress) {
        auto* k = static_cast<QKeyEvent*>(e);
        if (k->key() == Qt::Key_Tab || k->key() == Qt::Key_Backtab) {
            keyPressEvent(k);
            return true;
        }
    }
    return QLineEdit::event(e);
}

void InPlaceEdit::keyPressEvent(QKeyEvent* e) {
    const int key = e->key();
    const bool ctrl = e->modifiers() & Qt::ControlModifier;
    if (key == Qt::Key_Escape) {
        setText(initial_);
        exitKey_ = VK_ESCAPE;
        End();
        return;
    }
    if (key == Qt::Key_Tab || key == Qt::Key_Backtab) {
        exitKey_ = VK_TAB;
        shift_ = key == Qt::Key_Backtab || (e->modifiers() & Qt::ShiftModifier);
        End();
        return;
    }
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        exitKey_ = VK_RETURN;
        End();
        return;
    }
    if (const unsigned nav = NavigationKey(key); nav && (exitsOnNavigation_ || ctrl)) {
        exitKey_ = nav;
        End();
        return;
    }
    // The clipboard is the platform's service, here as in the grid.
    if (e->matches(QKeySequence::Paste)) {
        Paste(platform::Services().Clipboard().GetText());
        return;
    }
    if (e->matches(QKeySequence::Copy) || e->matches(QKeySequence::Cut)) {
        if (hasSelectedText()) {
            platform::Services().Clipboard().SetText(ToStdString(selectedText()));
            if (e->matches(QKeySequence::Cut)) del();
        }
        return;
    }
    QLineEdit::keyPressEvent(e);
    if (!e->text().isEmpty()) Grow();
}

void InPlaceEdit::Grow() {
    const int needed = fontMetrics().horizontalAdvance(text() + "  ") + 6;
    if (needed <= width()) return;
    const int right = std::min(x() + needed, grid_.viewport()->width());
    if (right > x() + width()) resize(right - x(), height());
}

void InPlaceEdit::focusOutEvent(QFocusEvent* e) {
    QLineEdit::focusOutEvent(e);
    if (e->reason() != Qt::PopupFocusReason) End();
}

// Ends once: a second end while one is under way (the focus leaving as the grid takes it
// back) does nothing.
void InPlaceEdit::End() {
    static bool ending = false;
    if (ending || ended_) return;
    ending = true;
    ended_ = true;
    const std::string text = ToStdString(this->text());
    grid_.EditorClosed(this);
    if (hasFocus()) grid_.setFocus(Qt::OtherFocusReason);
    try {
        grid_.Grid().OnEndInPlaceEdit(row_, col_, text, exitKey_, shift_);
    } catch (...) {}
    ending = false;
    hide();
    deleteLater();
}

}  // namespace gridctrl
