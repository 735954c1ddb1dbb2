// The editing flow: opening a cell's in-place editor, storing what it reports, and the
// accept-or-revert protocol with the owner (-105 before, -106 after) that pasting and
// clearing use too.
#include "gridctrl/grid_ctrl.h"

namespace gridctrl {

bool CGridCtrl::IsCellEditable(int row, int col) const {
    return editable_ && !(GetCellState(row, col) & GVIS_READONLY);
}

void CGridCtrl::StartCellEdit(int row, int col, int x, int y, unsigned firstChar) {
    if (window_) window_->HideTitleTip();
    if (!IsValid(row, col) || !IsCellEditable(row, col)) return;
    EnsureVisible(row, col);
    if (!IsCellVisible(row, col)) return;
    DeviceRect rect;
    if (!GetCellRect(row, col, rect)) return;
    if (NotifyBeginEdit({row, col}) < 0) return;
    if (CGridCellBase* cell = GetCell(row, col)) cell->Edit(row, col, rect, {x, y}, firstChar);
}

bool CGridCtrl::ValidateCellEdit(int row, int col, const std::string& text) {
    CGridCellBase* cell = GetCell(row, col);
    return !cell || cell->AcceptEdit(text);
}

// The new text is in the cell while the owner is asked, so that it can read it there; a refused
// edit leaves the cell as it was, modified flag included.
void CGridCtrl::EndCellEdit(int row, int col, const std::string& typed) {
    CGridCellBase* cell = GetCell(row, col);
    if (!cell) return;
    const std::string text = StoredCellText(row, col, typed);
    const std::string old = cell->GetText();
    if (text != old) {
        cell->SetText(text);
        bool accepted = ValidateCellEdit(row, col, text);
        if (accepted) accepted = NotifyEndEdit({row, col}) >= 0;
        cell = GetCell(row, col);
        if (!cell) return;
        if (accepted) {
            SetModified(true, row, col);
            RedrawCell(row, col);
        } else {
            cell->SetText(old);
        }
    }
    cell->EditEnded();
}

void CGridCtrl::EndFocusCellEdit() {
    if (CGridCellBase* cell = GetCell(focus_.row, focus_.col)) cell->StopEdit();
}

void CGridCtrl::SetCellTextAndNotify(int row, int col, const std::string& given) {
    if (!GetCell(row, col) || !IsCellEditable(row, col)) return;
    const std::string text = StoredCellText(row, col, given);
    if (NotifyBeginEdit({row, col}) < 0) return;
    CGridCellBase* cell = GetCell(row, col);
    if (!cell) return;
    const std::string old = cell->GetText();
    if (text == old) return;
    cell->SetText(text);
    bool accepted = cell->AcceptEdit(text);
    if (accepted) accepted = NotifyEndEdit({row, col}) >= 0;
    cell = GetCell(row, col);
    if (!cell) return;
    if (accepted) {
        SetModified(true, row, col);
        RedrawCell(row, col);
    } else {
        cell->SetText(old);
    }
}

void CGridCtrl::OnEndInPlaceEdit(int row, int col, const std::string& text, unsigned exitKey,
                                 bool shift) {
    EndCellEdit(row, col, text);
    switch (exitKey) {
    case VK_TAB:
    case VK_PRIOR:
    case VK_NEXT:
    case VK_END:
    case VK_HOME:
    case VK_LEFT:
    case VK_UP:
    case VK_RIGHT:
    case VK_DOWN:
        PreTranslateKeyDown(exitKey);
        OnKeyDown(exitKey, false, shift);
        StartCellEdit(focus_.row, focus_.col, -1, -1, exitKey);
        break;
    case VK_RETURN:
        // Enter stores the text and moves one row down, as in a spreadsheet; typing there
        // opens the next editor.
        PreTranslateKeyDown(VK_DOWN);
        OnKeyDown(VK_DOWN, false, false);
        break;
    default: break;
    }
}

int CGridCtrl::OnInPlaceOptionChanged(int row, int col, int index) {
    return owner_ ? owner_->OnOptionChanged({row, col}, index) : 0;
}

}  // namespace gridctrl
