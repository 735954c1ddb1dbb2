// Cell text to and from the clipboard (rows on lines ended by "\r\n", cells separated by tabs),
// clearing the selected cells, and the drop target that shows where a drop would go and
// refuses it.
#include "gridctrl/grid_ctrl.h"
#include "platform/services.h"

#include <algorithm>

namespace gridctrl {

namespace {

std::string Trim(const std::string& s) {
    const char* blanks = " \t\r\n\v\f";
    const std::size_t first = s.find_first_not_of(blanks);
    if (first == std::string::npos) return {};
    const std::size_t last = s.find_last_not_of(blanks);
    return s.substr(first, last - first + 1);
}

// The fields of a line: split at every tab or comma; a separator at the end adds no field.
std::vector<std::string> Fields(const std::string& line) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (;;) {
        const std::size_t sep = line.find_first_of("\t,", start);
        if (sep == std::string::npos) {
            if (start < line.size() || fields.empty()) fields.push_back(line.substr(start));
            break;
        }
        fields.push_back(line.substr(start, sep - start));
        start = sep + 1;
    }
    return fields;
}

}  // namespace

std::optional<std::string> CGridCtrl::CopyTextFromSelection() const {
    const CCellBlock block = GetSelectedCellRange();
    if (!block.InRange(GetCellRange())) return std::nullopt;
    std::string text;
    text.reserve(selected_.Size() * 8);
    for (int r = block.minRow; r <= block.maxRow; ++r) {
        if (rowHeights_[static_cast<std::size_t>(r)] <= 0) continue;
        const Row& row = rows_[static_cast<std::size_t>(r)];
        for (int c = block.minCol; c <= block.maxCol; ++c) {
            if (colWidths_[static_cast<std::size_t>(c)] <= 0) continue;
            const CGridCellBase* cell = row[static_cast<std::size_t>(c)].get();
            if (cell && cell->IsSelected()) text += cell->GetText();
            if (c != block.maxCol) text += '\t';
        }
        if (r != block.maxRow) text += "\r\n";
    }
    return text;
}

void CGridCtrl::CopySelectedText() {
    if (const std::optional<std::string> text = CopyTextFromSelection())
        platform::Services().Clipboard().SetText(*text);
}

void CGridCtrl::CutSelectedText() {
    if (!editable_) return;
    const std::optional<std::string> text = CopyTextFromSelection();
    if (!text) return;
    platform::Services().Clipboard().SetText(*text);
    ClearSelectedCellTexts();
}

void CGridCtrl::ClearSelectedCellTexts() {
    if (!editable_ || selected_.Empty()) return;
    // Row by row over the selected block: the same order every time, linear in the cells.
    const CCellBlock block = GetSelectedCellRange();
    for (int r = block.minRow; r <= block.maxRow; ++r)
        for (int c = block.minCol; c <= block.maxCol; ++c)
            if (IsCellSelected(r, c)) SetCellTextAndNotify(r, c, "");
}

bool CGridCtrl::CanPaste() const {
    return IsValid(focus_) && IsCellEditable(focus_.row, focus_.col) &&
           !platform::Services().Clipboard().GetText().empty();
}

void CGridCtrl::PasteFromClipboard() {
    if (!editable_) return;
    const CCellBlock block = GetSelectedCellRange();
    CCellID start;
    if (block.IsValid())
        start = block.TopLeft();
    else if (IsValid(focus_))
        start = focus_;
    else if (IsValid(GetTopLeftNonFixedCell()))
        start = GetTopLeftNonFixedCell();
    else
        return;
    // An open text editor takes the text itself.
    for (CCellID c : {start, focus_}) {
        const CGridCellBase* cell = GetCell(c.row, c.col);
        InPlaceEditor* editor = cell && cell->IsEditing() ? cell->GetEditWindow() : nullptr;
        if (editor && editor->IsTextEdit()) {
            editor->Paste(platform::Services().Clipboard().GetText());
            return;
        }
    }
    const std::string text = platform::Services().Clipboard().GetText();
    if (text.empty()) return;
    PasteTextToGrid(start.row, start.col, text, true);
}

bool CGridCtrl::PasteTextToGrid(int row, int col, const std::string& text, bool selectPastedCells) {
    if (!IsValid(row, col) || !IsCellEditable(row, col)) return false;
    CCellBlock pasted(row, col, -1, -1);
    int targetRow = row;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t nl = text.find('\n', start);
        if (nl == std::string::npos) nl = text.size();
        std::string line = text.substr(start, nl - start);
        start = nl + 1;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        while (targetRow < GetRowCount() && rowHeights_[static_cast<std::size_t>(targetRow)] == 0)
            ++targetRow;
        if (targetRow >= GetRowCount()) break;
        if (!line.empty()) {
            int targetCol = col;
            for (const std::string& field : Fields(line)) {
                while (targetCol < GetColumnCount() &&
                       colWidths_[static_cast<std::size_t>(targetCol)] == 0)
                    ++targetCol;
                if (targetCol >= GetColumnCount()) break;
                SetCellTextAndNotify(targetRow, targetCol, Trim(field));
                SetCellState(targetRow, targetCol,
                             GetCellState(targetRow, targetCol) & ~GVIS_SELECTED);
                pasted.maxRow = std::max(pasted.maxRow, targetRow);
                pasted.maxCol = std::max(pasted.maxCol, targetCol);
                ++targetCol;
            }
        }
        ++targetRow;
    }
    if (selectPastedCells) {
        SetSelectedRange(pasted, true, true);
    } else {
        ResetSelection();
        Refresh();
    }
    return true;
}

// ---- Drop target: dragging text in is switched off; a drop is shown and refused.

DropEffect CGridCtrl::OnDragEnter(DevicePoint point) {
    lastDragOver_ = CCellID();
    OnDragOver(point, false);
    return DropEffect::None;
}

DropEffect CGridCtrl::OnDragOver(DevicePoint point, bool ctrl) {
    const CCellID cell = GetCellFromPoint(point, false);
    if (IsValid(cell) && !IsCellFixed(cell.row, cell.col)) {
        if (cell != lastDragOver_) {
            OnDragLeave();
            lastDragOver_ = cell;
            SetCellState(cell.row, cell.col, GetCellState(cell.row, cell.col) | GVIS_DROPHILITED);
            RedrawCell(cell.row, cell.col);
        }
        return ctrl ? DropEffect::Copy : DropEffect::Move;
    }
    OnDragLeave();
    return DropEffect::None;
}

void CGridCtrl::OnDragLeave() {
    if (IsValid(lastDragOver_)) {
        SetCellState(lastDragOver_.row, lastDragOver_.col,
                     GetCellState(lastDragOver_.row, lastDragOver_.col) & ~GVIS_DROPHILITED);
        RedrawCell(lastDragOver_.row, lastDragOver_.col);
    }
    lastDragOver_ = CCellID();
}

bool CGridCtrl::OnDrop(DevicePoint) {
    mouseMode_ = MouseMode::None;
    OnDragLeave();
    return false;
}

}  // namespace gridctrl
