#include "gridctrl/grid_ctrl_kdx.h"

#include "gridctrl/grid_cell_combo.h"
#include "platform/services.h"

#include <cctype>
#include <charconv>
#include <cstdio>
#include <utility>

#include "core/format_text.h"
#include "core/input_lines.h"

namespace gridctrl {

namespace {

constexpr int kNormalDefault = 0;

std::size_t SkipBlanks(const std::string& text) {
    std::size_t p = 0;
    while (p < text.size() && std::isspace(static_cast<unsigned char>(text[p]))) ++p;
    return p;
}

std::string RowHeader(const std::string& label, int row) {
    return label.empty() ? std::to_string(row) : label + ": " + std::to_string(row);
}

}  // namespace

CGridComboColumn::CGridComboColumn(int col, const std::vector<std::string>& texts) : column(col) {
    for (const std::string& text : texts) {
        if (count == kMaxOptions) break;
        options[static_cast<std::size_t>(count++)] = text;
    }
}

bool ScanCellInteger(const std::string& text, int& value) {
    std::size_t p = SkipBlanks(text);
    bool negative = false;
    if (p < text.size() && (text[p] == '+' || text[p] == '-')) negative = text[p++] == '-';
    std::size_t end = p;
    while (end < text.size() && std::isdigit(static_cast<unsigned char>(text[end]))) ++end;
    if (end == p) return false;
    // The digits with their sign, read as a wider number and held to the range of int.
    long long magnitude = 0;
    for (std::size_t i = p; i < end; ++i) {
        magnitude = magnitude * 10 + (text[i] - '0');
        if (magnitude > 2147483648LL) return false;
    }
    const long long signedValue = negative ? -magnitude : magnitude;
    if (signedValue > 2147483647LL) return false;
    value = static_cast<int>(signedValue);
    return true;
}

bool ScanCellDouble(const std::string& text, double& value) {
    const std::size_t p = SkipBlanks(text);
    double v = 0.0;
    if (ParseDecimalPrefix(std::string_view(text).substr(p), v) == 0) return false;
    value = v;
    return true;
}

void SortTableRowsByFirstValue(TableValues& values, int count, int valuesPerRow) {
    count = std::min(count, static_cast<int>(values.size()));
    if (count < 2 || valuesPerRow <= 0) return;
    const int n = std::min(valuesPerRow, kSlotsPerRow);
    for (int i = 0; i < count - 1; ++i) {
        int smallest = i;
        for (int j = i + 1; j < count; ++j)
            if (values[static_cast<std::size_t>(j)][0].number <
                values[static_cast<std::size_t>(smallest)][0].number)
                smallest = j;
        if (smallest == i) continue;
        TableRow& a = values[static_cast<std::size_t>(i)];
        TableRow& b = values[static_cast<std::size_t>(smallest)];
        for (int k = 0; k < n; ++k)
            std::swap(a[static_cast<std::size_t>(k)], b[static_cast<std::size_t>(k)]);
    }
}

CGridCtrlKDX::CGridCtrlKDX() : CGridCtrl(0, 0, 0, 0) {}

void CGridCtrlKDX::SetRowOptions(const std::string& label, int readOnlyColumn,
                                 int automaticRowCount) {
    rowLabel_ = label;
    readOnlyCol_ = readOnlyColumn;
    autoRows_ = automaticRowCount;
}

// ---- Rows and cells

void CGridCtrlKDX::PrepareNewRow(int row) {
    if (combo_.column > 0) SetComboCell(row);
    if (readOnlyCol_ > 0) SetCellEditable(row, readOnlyCol_, false);
}

void CGridCtrlKDX::FormatNewRows(int firstRow, int lastRow) {
    SetNewRowsFormat(firstRow, lastRow, GetFixedColumnCount(), GetColumnCount() - 1);
}

void CGridCtrlKDX::AppendRows(int n) {
    const int first = GetRowCount();
    for (int i = 0; i < n; ++i) {
        const int row = InsertRow("New Row");
        if (row < 0) break;
        PrepareNewRow(row);
    }
    if (GetRowCount() > first) FormatNewRows(first, GetRowCount() - 1);
    RenumberRows();
}

void CGridCtrlKDX::RenumberRows() {
    GridItem item;
    item.mask = GVIF_TEXT | GVIF_FORMAT;
    item.format = kNumberCellFormat;
    item.col = 0;
    for (int r = GetFixedRowCount(); r < GetRowCount(); ++r) {
        item.row = r;
        item.text = RowHeader(rowLabel_, r);
        SetCellAttributes(&item);
    }
    Refresh();
}

void CGridCtrlKDX::SetComboCell(int row) {
    const int col = combo_.column;
    if (!SetCellType(row, col, CellFactoryOf<CGridCellCombo>())) return;
    auto* cell = dynamic_cast<CGridCellCombo*>(GetCell(row, col));
    if (!cell) return;
    GridItem item;
    item.row = row;
    item.col = col;
    item.mask = GVIF_TEXT | GVIF_FORMAT;
    item.format = kOptionCellFormat;
    item.text = combo_.count > 0 ? combo_.options[0] : std::string();
    SetCellAttributes(&item);
    cell->SetOptions({combo_.options.begin(), combo_.options.begin() + combo_.count});
    cell->SetStyle(CBS_DROPDOWN);
}

void CGridCtrlKDX::SetCellEditable(int row, int col, bool editable) {
    CGridCellBase* cell = GetCell(row, col);
    if (!cell) return;
    const unsigned state = GetCellState(row, col);
    if (editable) {
        if (state & GVIS_READONLY) SetCellState(row, col, state & ~GVIS_READONLY);
        cell->SetBackColour(GetDefaultCell(false, false)->GetBackColour());
    } else {
        SetCellState(row, col, state | GVIS_READONLY);
        cell->SetBackColour(GetDefaultCell(true, false)->GetBackColour());
    }
    RedrawCell(row, col);
}

bool CGridCtrlKDX::IsCellEditable(int row, int col) const {
    return (GetCellState(row, col) & GVIS_READONLY) == 0;
}

void CGridCtrlKDX::SetNewRowFormat(int row, int col) {
    if (CGridCellBase* cell = GetCell(row, col)) cell->SetFormat(kNumberCellFormat);
}

void CGridCtrlKDX::SetNewRowsFormat(int firstRow, int lastRow, int firstCol, int lastCol) {
    for (int r = firstRow; r <= lastRow; ++r)
        for (int c = firstCol; c <= lastCol; ++c)
            if (c != combo_.column) SetNewRowFormat(r, c);
}

void CGridCtrlKDX::EnableGrid(bool enable) {
    CGridDefaultCell* normal = GetDefaultCell(false, false);
    if (enable) {
        normal->SetBackColour(kEnabledGridBackground);
    } else {
        SetFocusCell(-1, -1);
        if (GetRowCount() > 0 && GetColumnCount() > 0)
            SetSelectedRange(0, 0, GetRowCount() - 1, GetColumnCount() - 1, false, false);
        ResetSelection();
        normal->SetBackColour(kDisabledGridBackground);
    }
    enabled_ = enable;
    if (Window()) Window()->EnableWindow(enable);
    Refresh();
}

// ---- Cell writers

void CGridCtrlKDX::SetCellInt(int row, int col, int value, const std::string& format) {
    GridItem item;
    item.row = row;
    item.col = col;
    item.mask = GVIF_TEXT | GVIF_FORMAT;
    item.format = kNumberCellFormat;
    item.text = FormatDynamicLong(format, value);
    SetCellAttributes(&item);
}

void CGridCtrlKDX::SetCellDouble(int row, int col, double value, const std::string& format) {
    GridItem item;
    item.row = row;
    item.col = col;
    item.mask = GVIF_TEXT | GVIF_FORMAT;
    item.format = kNumberCellFormat;
    item.text = FormatDynamic(format, value);
    SetCellAttributes(&item);
}

void CGridCtrlKDX::SetCellOption(int row, int col, int index) {
    // An index that is no option leaves the cell empty, which the validation refuses.
    const bool known = index >= 0 && index < combo_.count;
    SetCellText(row, col, known ? combo_.options[static_cast<std::size_t>(index)] : std::string());
}

// ---- Cell readers

void CGridCtrlKDX::ShowTableMessage(const std::string& text) const { ShowGridMessage(text); }

bool CGridCtrlKDX::GetItemInt(int row, int col, int* value) {
    const std::string text = GetCellText(row, col);
    if (text.size() > kLongestCellText) {
        ShowTableMessage("Input string is too long.");
        return false;
    }
    int v = 0;
    if (!ScanCellInteger(text, v)) return false;
    if (value) *value = v;
    return true;
}

bool CGridCtrlKDX::GetItemDouble(int row, int col, double* value, bool blankIsZero) {
    const std::string text = GetCellText(row, col);
    if (text.size() > kLongestCellText) {
        ShowTableMessage("Input string is too long.");
        return false;
    }
    double v = 0.0;
    if (!(text.empty() && blankIsZero) && !ScanCellDouble(text, v)) return false;
    if (value) *value = v;
    return true;
}

int CGridCtrlKDX::FindOptionIndex(int row, int col) const {
    const std::string text = GetCellText(row, col);
    for (int i = 0; i < combo_.count; ++i)
        if (combo_.options[static_cast<std::size_t>(i)] == text) return i;
    return -1;
}

// ---- Pop-up menu

std::vector<GridMenuItem> CGridCtrlKDX::OnRButtonDown(DevicePoint point) {
    rightClicked_ = GetCellFromPoint(point, true);
    if (fixedSize_ || rightClicked_.row < 0 || rightClicked_.col < 0 ||
        IsCellFixed(rightClicked_.row, rightClicked_.col))
        return {};
    return {{"Add rows above", ID_ADD_ROWS_ABOVE},
            {"Add rows below", ID_ADD_ROWS_BELOW},
            {"Delete rows", ID_DELETE_ROWS}};
}

void CGridCtrlKDX::OnMenuCommand(int command) {
    switch (command) {
    case ID_ADD_ROWS_ABOVE: OnAddRowsAbove(); break;
    case ID_ADD_ROWS_BELOW: OnAddRowsBelow(); break;
    case ID_DELETE_ROWS: OnDeleteRows(); break;
    default: break;
    }
}

bool CGridCtrlKDX::IsValidRightClickedCell() const {
    return rightClicked_.row >= 0 && rightClicked_.col >= 0 && rightClicked_.row < GetRowCount() &&
           rightClicked_.col < GetColumnCount() &&
           !IsCellFixed(rightClicked_.row, rightClicked_.col);
}

// Inserts n rows, the first before `before` and each next one after the one before it.
void CGridCtrlKDX::InsertRowsBefore(int before, int n) {
    int first = -1, last = -1;
    for (int i = 0; i < n; ++i) {
        const int at = before + i;
        const int row = InsertRow("New Row", at >= GetRowCount() ? -1 : at);
        if (row < 0) break;
        PrepareNewRow(row);
        if (first < 0) first = row;
        last = row;
    }
    if (first >= 0) FormatNewRows(first, last);
}

void CGridCtrlKDX::OnAddRowsAbove() {
    const CCellBlock range = GetSelectedCellRange();
    if (range.IsValid())
        InsertRowsBefore(range.minRow, range.maxRow - range.minRow + 1);
    else if (IsValidRightClickedCell())
        InsertRowsBefore(rightClicked_.row, 1);
    RenumberRows();
}

void CGridCtrlKDX::OnAddRowsBelow() {
    const CCellBlock range = GetSelectedCellRange();
    if (range.IsValid())
        InsertRowsBefore(range.maxRow + 1, range.maxRow - range.minRow + 1);
    else if (IsValidRightClickedCell())
        InsertRowsBefore(rightClicked_.row + 1, 1);
    RenumberRows();
}

void CGridCtrlKDX::OnDeleteRows() {
    const CCellBlock range = GetSelectedCellRange();
    if (range.IsValid()) {
        for (int i = range.minRow; i <= range.maxRow; ++i) DeleteRow(range.minRow);
    } else if (IsValidRightClickedCell()) {
        DeleteRow(rightClicked_.row);
    }
    RenumberRows();
}

// ---- Automatic appending

void CGridCtrlKDX::PreTranslateKeyDown(unsigned key) {
    if (autoRows_ <= 0) return;
    const CCellID focus = GetFocusCell();
    if (!IsValid(focus)) return;
    const bool lastCell = focus.row == GetRowCount() - 1 && focus.col == GetColumnCount() - 1;
    const bool secondToLastRow = focus.row == GetRowCount() - 2;
    if ((key == VK_TAB && lastCell) || (key == VK_DOWN && secondToLastRow)) {
        AppendRows(autoRows_);
        SetFocusCell(focus);
    }
}

void CGridCtrlKDX::OnLButtonDown(DevicePoint point, bool ctrl, bool shift) {
    CGridCtrl::OnLButtonDown(point, ctrl, shift);
    if (autoRows_ <= 0) return;
    const CCellID cell = GetCellFromPoint(point, true);
    if (cell.row >= 0 && cell.col >= 0 && cell.row == GetRowCount() - 1) AppendRows(autoRows_);
}

}  // namespace gridctrl
