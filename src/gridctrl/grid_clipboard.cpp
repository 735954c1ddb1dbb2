// Cell text to and from the clipboard (rows on lines ended by "\r\n", cells separated by tabs),
// clearing the selected cells, and the drop target that shows where a drop would go and
// refuses it.
#include "gridctrl/grid_ctrl.h"

#include "core/format_text.h"
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
    if (text.empty()) {
        ShowGridMessage("Nothing was pasted: the clipboard holds no text.");
        return;
    }
    if (!IsValid(start) || !IsCellEditable(start.row, start.col)) {
        ShowGridMessage("Nothing was pasted: the first cell to paste into cannot be changed.");
        return;
    }
    if (!PasteTextToGrid(start.row, start.col, text, true)) return;
    std::string why;
    if (pasteOutcome_.dropped > 0)
        why += FormatText("%1d pasted values did not fit into the table and were left out.",
                          pasteOutcome_.dropped);
    if (pasteOutcome_.refused > 0) {
        if (!why.empty()) why += '\n';
        why += FormatText("%1d pasted values were for cells that cannot be changed and were left "
                          "out.",
                          pasteOutcome_.refused);
    }
    if (!why.empty()) ShowGridMessage(why);
}

void CGridCtrl::ShowGridMessage(const std::string& text) const {
    platform::MessageBoxRequest request;
    request.caption = "ERROR";
    request.text = text;
    request.buttons = platform::BoxButtons::Ok;
    request.icon = platform::BoxIcon::None;
    request.owner = platform::BoxOwner::Window;
    request.window = window_ ? window_->MessageOwner() : nullptr;
    platform::Services().MessageBoxes().Show(request);
}

bool CGridCtrl::PasteTextToGrid(int row, int col, const std::string& text, bool selectPastedCells) {
    pasteOutcome_ = {};
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
        if (targetRow >= GetRowCount()) {
            // The lines left over, the last one counted only when it holds something.
            for (std::size_t from = nl; from < text.size();) {
                std::size_t end = text.find('\n', from);
                if (end == std::string::npos) end = text.size();
                const std::string rest = Trim(text.substr(from, end - from));
                if (!rest.empty()) pasteOutcome_.dropped += static_cast<int>(Fields(rest).size());
                from = end + 1;
            }
            if (!Trim(line).empty()) pasteOutcome_.dropped += static_cast<int>(Fields(line).size());
            break;
        }
        if (!line.empty()) {
            int targetCol = col;
            const std::vector<std::string> fields = Fields(line);
            for (std::size_t k = 0; k < fields.size(); ++k) {
                const std::string& field = fields[k];
                while (targetCol < GetColumnCount() &&
                       colWidths_[static_cast<std::size_t>(targetCol)] == 0)
                    ++targetCol;
                if (targetCol >= GetColumnCount()) {
                    for (std::size_t rest = k; rest < fields.size(); ++rest)
                        if (!Trim(fields[rest]).empty()) ++pasteOutcome_.dropped;
                    break;
                }
                const std::string value = Trim(field);
                // A read-only cell is counted; an edit the owner refuses is the owner's to
                // explain.
                if (!IsCellEditable(targetRow, targetCol) &&
                    GetCellText(targetRow, targetCol) !=
                        StoredCellText(targetRow, targetCol, value))
                    ++pasteOutcome_.refused;
                SetCellTextAndNotify(targetRow, targetCol, value);
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
