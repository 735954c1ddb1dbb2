// Selection and focus: blocks of selected cells anchored at the selection start cell, and the
// focus cell with its highlighted headings. The selected flag in each cell is the truth; the
// selected-cell set mirrors it.
#include "gridctrl/grid_ctrl.h"

#include <algorithm>

namespace gridctrl {

bool CGridCtrl::InVisibleBlocks(int row, int col, const CCellBlock& data,
                                const CCellBlock& fixed) const {
    return data.Contains(row, col) || fixed.Contains(row, col);
}

void CGridCtrl::SetSelectedRange(int r1, int c1, int r2, int c2, bool forceRepaint, bool select) {
    CCellBlock visibleData, visibleFixed;
    if (window_) {
        visibleData = GetVisibleDataBlock();
        visibleFixed = GetVisibleFixedBlock();
    }
    if (r1 >= 0 && r1 < fixedRows_) r1 = fixedRows_;
    if (r2 >= 0 && r2 < fixedRows_) r2 = fixedRows_;
    if (c1 >= 0 && c1 < fixedCols_) c1 = fixedCols_;
    if (c2 >= 0 && c2 < fixedCols_) c2 = fixedCols_;
    const CCellBlock block(r1, c1, r2, c2);

    if (select) {
        CellSet old;
        std::swap(old, selected_);
        old.ForEach([&](CCellID cell) {
            CGridCellBase* c = GetCell(cell.row, cell.col);
            if (!c) return;
            c->SetState(c->GetState() & ~GVIS_SELECTED);
            if (!block.Contains(cell) &&
                InVisibleBlocks(cell.row, cell.col, visibleData, visibleFixed))
                RepaintCell(cell.row, cell.col, forceRepaint);
        });
        if (r1 < 0) return;
        if (c1 >= 0 && r2 >= 0 && c2 >= 0) {
            prevSelected_.ForEach([&](CCellID cell) {
                CGridCellBase* c = GetCell(cell.row, cell.col);
                if (!c) return;
                c->SetState(c->GetState() | GVIS_SELECTED);
                selected_.Insert(cell.row, cell.col);
                if (InVisibleBlocks(cell.row, cell.col, visibleData, visibleFixed))
                    RepaintCell(cell.row, cell.col, forceRepaint);
            });
        }
    }
    if (!block.InRange(GetCellRange())) return;
    for (int r = block.minRow; r <= block.maxRow; ++r) {
        Row& row = rows_[static_cast<std::size_t>(r)];
        for (int c = block.minCol; c <= block.maxCol; ++c) {
            CGridCellBase* cell = row[static_cast<std::size_t>(c)].get();
            if (!cell || cell->IsSelected() == select) continue;
            if (select) {
                cell->SetState(cell->GetState() | GVIS_SELECTED);
                selected_.Insert(r, c);
            } else {
                cell->SetState(cell->GetState() & ~GVIS_SELECTED);
                selected_.Erase(r, c);
            }
            if (InVisibleBlocks(r, c, visibleData, visibleFixed)) RepaintCell(r, c, forceRepaint);
        }
    }
}

void CGridCtrl::ResetSelection() {
    prevSelected_.Clear();
    SetSelectedRange(-1, -1, -1, -1, false, true);
    SetFocusCell(-1, -1);
}

CCellBlock CGridCtrl::GetSelectedCellRange() const {
    return selected_.Bounds(CCellBlock(GetRowCount(), GetColumnCount(), -1, -1));
}

bool CGridCtrl::IsCellSelected(int row, int col) const {
    return (GetCellState(row, col) & GVIS_SELECTED) != 0;
}

void CGridCtrl::SelectAll() {
    SetSelectedRange(fixedRows_, fixedCols_, GetRowCount() - 1, GetColumnCount() - 1, false, true);
}

void CGridCtrl::SelectAllCells() {
    NotifySelection(true, leftClickDownCell_);
    SelectAll();
    NotifySelection(false, focus_);
}

void CGridCtrl::SelectCells(CCellID cell, bool forceRepaint, bool select) {
    if (!IsValid(cell) || IsCellFixed(cell.row, cell.col)) return;
    SetSelectedRange(std::min(selStart_.row, cell.row), std::min(selStart_.col, cell.col),
                     std::max(selStart_.row, cell.row), std::max(selStart_.col, cell.col),
                     forceRepaint, select);
}

void CGridCtrl::SelectColumns(CCellID cell, bool forceRepaint, bool select) {
    if (!IsValid(cell) || cell.col < fixedCols_) return;
    SetSelectedRange(fixedRows_, std::min(selStart_.col, cell.col), GetRowCount() - 1,
                     std::max(selStart_.col, cell.col), forceRepaint, select);
}

void CGridCtrl::SelectRows(CCellID cell, bool forceRepaint, bool select) {
    if (!IsValid(cell) || cell.row < fixedRows_) return;
    SetSelectedRange(std::min(selStart_.row, cell.row), fixedCols_,
                     std::max(selStart_.row, cell.row), GetColumnCount() - 1, forceRepaint, select);
}

void CGridCtrl::OnSelecting(CCellID cell) {
    switch (mouseMode_) {
    case MouseMode::SelectAll: SelectAll(); break;
    case MouseMode::SelectColumns: SelectColumns(cell, false, true); break;
    case MouseMode::SelectRows: SelectRows(cell, false, true); break;
    case MouseMode::SelectCells: SelectCells(cell, false, true); break;
    default: break;
    }
}

void CGridCtrl::OnHeadingClick(CCellID cell) {
    mouseMode_ = cell.col < fixedCols_ ? MouseMode::SelectAll : MouseMode::SelectColumns;
    OnSelecting(cell);
}

void CGridCtrl::OnFixedCellClick(CCellID cell) {
    mouseMode_ = MouseMode::SelectRows;
    OnSelecting(cell);
}

CCellID CGridCtrl::SetFocusCell(int row, int col) {
    if (CCellID(row, col) == focus_) return focus_;
    const CCellID prev = focus_;
    if (row != -1 && row < fixedRows_) row = fixedRows_;
    if (col != -1 && col < fixedCols_) col = fixedCols_;
    focus_ = CCellID(row, col);
    if (CGridCellBase* cell = GetCell(prev.row, prev.col)) {
        cell->SetState(cell->GetState() & ~GVIS_FOCUSED);
        RepaintCell(prev.row, prev.col, true);
        if (trackFocus_) {
            if (prev.col != focus_.col) RepaintFixedOfColumn(prev.col);
            if (prev.row != focus_.row && fixedCols_ > 0) RepaintFixedOfRow(prev.row);
        }
    }
    if (CGridCellBase* cell = GetCell(focus_.row, focus_.col)) {
        cell->SetState(cell->GetState() | GVIS_FOCUSED);
        RepaintCell(focus_.row, focus_.col, true);
        if (trackFocus_) {
            if (prev.col != focus_.col) RepaintFixedOfColumn(focus_.col);
            if (prev.row != focus_.row && fixedCols_ > 0) RepaintFixedOfRow(focus_.row);
        }
    }
    return prev;
}

void CGridCtrl::SelectAfterKey(CCellID next, bool shift, bool tab) {
    if (mouseMode_ != MouseMode::None) return;
    prevSelected_.Clear();
    mouseMode_ = MouseMode::SelectCells;
    if (!shift || tab) selStart_ = next;
    NotifySelection(true, next);
    OnSelecting(next);
    NotifySelection(false, next);
    mouseMode_ = MouseMode::None;
}

}  // namespace gridctrl
