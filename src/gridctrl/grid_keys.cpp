// Keyboard input: moving the focus cell (hidden rows and columns are skipped), extending the
// selection with Shift, the clipboard and select-all keys, Delete, F2 and typing.
#include "gridctrl/grid_ctrl.h"

#include <algorithm>

namespace gridctrl {

// The next row (step 1) or the previous one (step -1) with a height above 0; -1 when none.
// Going up never enters the fixed rows.
int CGridCtrl::NextVisibleRow(int row, int step) const {
    for (int r = row + step; r >= fixedRows_ && r < GetRowCount(); r += step)
        if (rowHeights_[static_cast<std::size_t>(r)] > 0) return r;
    return -1;
}

int CGridCtrl::NextVisibleColumn(int col, int step) const {
    for (int c = col + step; c >= fixedCols_ && c < GetColumnCount(); c += step)
        if (colWidths_[static_cast<std::size_t>(c)] > 0) return c;
    return -1;
}

void CGridCtrl::OnKeyDown(unsigned key, bool ctrl, bool shift) {
    if (window_) window_->HideTitleTip();
    // The clipboard keys act on the selection, also on rows or columns selected by their
    // headers, which leave no focus cell.
    if (ctrl) {
        switch (key) {
        case VK_KEY_C:
        case VK_INSERT: CopySelectedText(); break;
        case VK_KEY_X: CutSelectedText(); break;
        case VK_KEY_V: PasteFromClipboard(); break;
        case VK_KEY_A: SelectAllCells(); break;
        case VK_ADD:
            AutoSizeColumns(autoSizeStyle_);
            Refresh();
            break;
        default: break;
        }
    }
    if (shift && key == VK_INSERT) {
        PasteFromClipboard();
        return;
    }
    if (!IsValid(focus_)) return;

    CCellID next = focus_;
    bool wrapped = false;
    const bool tab = key == VK_TAB;
    switch (key) {
    case VK_DELETE: ClearSelectedCellTexts(); break;
    case VK_DOWN:
        if (const int r = NextVisibleRow(focus_.row, 1); r >= 0) next.row = r;
        break;
    case VK_UP:
        if (const int r = NextVisibleRow(focus_.row, -1); r >= 0) next.row = r;
        break;
    case VK_RIGHT:
    case VK_TAB:
        if (key == VK_TAB && shift) {
            if (const int c = NextVisibleColumn(focus_.col, -1); c >= 0) {
                next.col = c;
            } else if (focus_.row > fixedRows_) {
                int r = focus_.row - 1;
                while (r > fixedRows_ && rowHeights_[static_cast<std::size_t>(r)] <= 0) --r;
                next.row = r > fixedRows_ ? r : fixedRows_;
                const int last = NextVisibleColumn(GetColumnCount(), -1);
                if (last >= 0) next.col = last;
                wrapped = true;
            }
        } else if (const int c = NextVisibleColumn(focus_.col, 1); c >= 0) {
            next.col = c;
        } else if (key == VK_TAB && focus_.row < GetRowCount() - 1) {
            const int r = NextVisibleRow(focus_.row, 1);
            next.row = r >= 0 ? r : GetRowCount() - 1;
            const int first = NextVisibleColumn(fixedCols_ - 1, 1);
            if (first >= 0) next.col = first;
            wrapped = true;
        }
        break;
    case VK_LEFT:
        if (const int c = NextVisibleColumn(focus_.col, -1); c >= 0) next.col = c;
        break;
    case VK_NEXT:
    case VK_PRIOR: {
        const bool down = key == VK_NEXT;
        const CCellID before = GetTopLeftNonFixedCell();
        OnScroll(ScrollBar::Vertical, down ? SB_PAGEDOWN : SB_PAGEUP);
        const int moved = GetTopLeftNonFixedCell().row - before.row;
        if (moved != 0)
            next.row = std::clamp(focus_.row + moved, fixedRows_, GetRowCount() - 1);
        else
            next.row = down ? GetRowCount() - 1 : fixedRows_;
        // Never onto a hidden row: the nearest shown one in the direction of the key, else back.
        if (rowHeights_[static_cast<std::size_t>(next.row)] <= 0) {
            int r = NextVisibleRow(next.row, down ? 1 : -1);
            if (r < 0) r = NextVisibleRow(next.row, down ? -1 : 1);
            next.row = r >= 0 ? r : focus_.row;
        }
        break;
    }
    case VK_HOME: {
        if (ctrl) {
            OnScroll(ScrollBar::Vertical, SB_TOP);
            next.row = fixedRows_;
        }
        OnScroll(ScrollBar::Horizontal, SB_TOP);
        if (const int c = NextVisibleColumn(fixedCols_ - 1, 1); c >= 0) next.col = c;
        while (next.row < GetRowCount() - 1 && rowHeights_[static_cast<std::size_t>(next.row)] <= 0)
            ++next.row;
        break;
    }
    case VK_END: {
        if (ctrl) {
            OnScroll(ScrollBar::Vertical, SB_BOTTOM);
            next.row = GetRowCount() - 1;
        }
        OnScroll(ScrollBar::Horizontal, SB_BOTTOM);
        if (const int c = NextVisibleColumn(GetColumnCount(), -1); c >= 0) next.col = c;
        while (next.row > fixedRows_ && rowHeights_[static_cast<std::size_t>(next.row)] <= 0)
            --next.row;
        break;
    }
    case VK_F2: StartCellEdit(focus_.row, focus_.col, -1, -1, VK_LBUTTON); break;
    default: return;
    }
    if (next == focus_) return;

    if (mouseMode_ == MouseMode::None) SelectAfterKey(next, shift, tab);
    SetFocusCell(next);
    if (!IsCellVisible(next.row, next.col)) {
        switch (key) {
        case VK_LEFT: OnScroll(ScrollBar::Horizontal, SB_LINEUP); break;
        case VK_RIGHT: OnScroll(ScrollBar::Horizontal, SB_LINEDOWN); break;
        case VK_UP: OnScroll(ScrollBar::Vertical, SB_LINEUP); break;
        case VK_DOWN: OnScroll(ScrollBar::Vertical, SB_LINEDOWN); break;
        case VK_TAB:
            if (wrapped) {
                OnScroll(ScrollBar::Vertical, shift ? SB_LINEUP : SB_LINEDOWN);
                SetScrollPosition(ScrollBar::Horizontal,
                                  shift ? GetScrollLimit(ScrollBar::Horizontal) : 0);
            } else {
                OnScroll(ScrollBar::Horizontal, shift ? SB_LINEUP : SB_LINEDOWN);
            }
            break;
        default: break;
        }
        EnsureVisible(next.row, next.col);
        Refresh();
    }
    EnsureVisible(next.row, next.col);
}

void CGridCtrl::OnChar(unsigned ch, bool ctrl) {
    if (ctrl || mouseMode_ != MouseMode::None || ch == VK_ESCAPE || ch == VK_TAB) return;
    StartCellEdit(focus_.row, focus_.col, -1, -1, ch);
}

}  // namespace gridctrl
