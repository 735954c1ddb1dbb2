// The typed data-entry table of CGridCtrlKDX: set-up, filling, validation and reading.
#include "gridctrl/grid_ctrl_kdx.h"

#include "core/format_text.h"
#include "core/input_lines.h"

#include <algorithm>

namespace gridctrl {

namespace {

constexpr std::size_t kLongestFormat = 22;

std::string RowHeader(const std::string& label, int row) {
    return label.empty() ? std::to_string(row) : label + ": " + std::to_string(row);
}

}  // namespace

const CGridColumnDescriptor& CGridCtrlKDX::Descriptor(int col) const {
    static const CGridColumnDescriptor none;
    return col >= 0 && col < kMaxColumns ? descriptors_[static_cast<std::size_t>(col)] : none;
}

void CGridCtrlKDX::SetupTable(int columns, int rows, bool fixedSize,
                              const std::vector<std::string>& titles, const std::string& rowLabel,
                              const CGridComboColumn& comboColumn,
                              const std::vector<CGridColumnDescriptor>& descriptors,
                              int firstColumnWidth, int columnWidth, int readOnlyColumn,
                              int automaticRows) {
    columns = std::clamp(columns, 1, kMaxColumns);
    tableColumns_ = columns;
    tableRows_ = std::max(rows, 1);
    if (firstColumnWidth <= 0) firstColumnWidth = 55;
    fixedSize_ = fixedSize;
    if (fixedSize) automaticRows = 0;

    SetAutoSizeStyle(3);
    descriptors_ = {};
    for (int c = 0; c < columns && c < static_cast<int>(descriptors.size()); ++c) {
        CGridColumnDescriptor& d = descriptors_[static_cast<std::size_t>(c)];
        d = descriptors[static_cast<std::size_t>(c)];
        if (d.format.size() > kLongestFormat) d.format.resize(kLongestFormat);
    }

    SetRowCount(tableRows_);
    SetColumnCount(tableColumns_);
    SetFixedRowCount(1);
    SetFixedColumnCount(1);

    GetDefaultCell(false, false)->SetFormat(kDefaultCellFormat);
    GetDefaultCell(true, false)->SetFormat(kDefaultCellFormat);
    GetDefaultCell(false, true)->SetFormat(kDefaultCellFormat);
    SetColumnResize(true);
    GetDefaultCell(false, false)->SetBackColour(kEnabledGridBackground);

    SetComboColumn(comboColumn);

    GridItem item;
    item.mask = GVIF_TEXT | GVIF_FORMAT;
    for (int r = 0; r < GetRowCount(); ++r) {
        for (int c = 0; c < GetColumnCount(); ++c) {
            item.row = r;
            item.col = c;
            if (r > 0 && Descriptor(c).type == kOptionColumn) {
                SetComboCell(r);
                continue;
            }
            if (r == 0) {
                AutoSizeRow(0, false);
                item.text = c < static_cast<int>(titles.size())
                                ? titles[static_cast<std::size_t>(c)]
                                : std::string();
                item.format = kHeadingCellFormat;
            } else if (c == 0) {
                item.text = RowHeader(rowLabel, r);
                item.format = kNumberCellFormat;
            } else {
                item.text.clear();
                item.format = c == combo_.column ? GetCell(r, c)->GetFormat() : kNumberCellFormat;
            }
            SetCellAttributes(&item);
        }
    }
    SetRowOptions(rowLabel, readOnlyColumn, automaticRows);

    SetEditable(true);
    AutoSizeColumns(3);
    for (int c = 0; c < GetColumnCount(); ++c) {
        const int least = c == 0 ? firstColumnWidth : columnWidth;
        if (GetColumnWidth(c) < least) SetColumnWidth(c, least);
    }
    // The heading row fits its titles in their final widths.
    AutoSizeRow(0);
    SetModified(false);
}

std::string CGridCtrlKDX::StoredCellText(int row, int col, const std::string& text) const {
    const CGridColumnDescriptor& d = Descriptor(col);
    if (row < GetFixedRowCount() || d.type != kDoubleColumn || d.format.empty() ||
        text.size() > kLongestCellText)
        return text;
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return text;
    const std::size_t last = text.find_last_not_of(" \t");
    const std::string_view number = std::string_view(text).substr(first, last - first + 1);
    double value = 0.0;
    if (ParseDecimalPrefix(number, value) != number.size()) return text;
    return FormatDynamic(d.format, value);
}

bool CGridCtrlKDX::PasteTextToGrid(int row, int col, const std::string& text,
                                   bool selectPastedCells) {
    if (!fixedSize_ && IsValid(row, col) && IsCellEditable(row, col)) {
        // The lines up to the last one that holds something.
        int lines = 0, line = 0;
        for (std::size_t from = 0; from <= text.size(); ++line) {
            std::size_t end = text.find('\n', from);
            if (end == std::string::npos) end = text.size();
            if (text.find_first_not_of(" \t\r", from) < end) lines = line + 1;
            from = end + 1;
        }
        int last = row;
        for (int counted = 0; counted < lines; ++last) {
            if (last >= GetRowCount()) {
                counted += 1;
                continue;
            }
            if (GetRowHeight(last) > 0) ++counted;
        }
        // `last` is one past the row of the last line; one empty row after it.
        if (last >= GetRowCount()) AppendRows(last - GetRowCount() + 1);
    }
    return CGridCtrl::PasteTextToGrid(row, col, text, selectPastedCells);
}

void CGridCtrlKDX::ClearCellTexts() {
    if (GetRowCount() < 2 || GetColumnCount() < 2) return;
    ClearCellRange({1, 1, GetRowCount() - 1, GetColumnCount() - 1});
}

bool CGridCtrlKDX::SetColumnTitles(const std::vector<std::string>& titles) {
    if (static_cast<int>(titles.size()) != GetColumnCount() || GetRowCount() < 1) return false;
    for (int c = 0; c < GetColumnCount(); ++c)
        SetCellText(0, c, titles[static_cast<std::size_t>(c)]);
    Refresh();
    return true;
}

bool CGridCtrlKDX::SetTableValues(const TableValues& values, int count) {
    if (count < 0 || count > static_cast<int>(values.size()))
        count = static_cast<int>(values.size());
    ClearCellTexts();
    const int last = GetRowCount() - 1;
    bool appended = false;
    if (last < count) {
        AppendRows(count - last + 1);
        appended = true;
    }
    const int lastCol = GetColumnCount() - 1;
    for (int r = 1; r <= count; ++r) {
        const TableRow& row = values[static_cast<std::size_t>(r - 1)];
        for (int c = 1; c <= lastCol; ++c) {
            const TableSlot& slot = row[static_cast<std::size_t>(c - 1)];
            const CGridColumnDescriptor& d = Descriptor(c);
            switch (d.type) {
            case kDoubleColumn: SetCellDouble(r, c, slot.number, d.format); break;
            case kIntegerColumn: SetCellInt(r, c, slot.integer, d.format); break;
            case kOptionColumn: SetCellOption(r, c, slot.integer); break;
            default: break;
            }
        }
    }
    if (!appended && count < last && combo_.column > 0)
        for (int r = count + 1; r <= last; ++r) SetCellOption(r, combo_.column, 0);
    SetModified(false);
    return true;
}

bool CGridCtrlKDX::ValidateTableData(int* lastDataRow, int minimumRows, int maximumRows) {
    int lastData = -1;
    const int lastRow = GetRowCount() - 1;
    const int lastCol = GetColumnCount() - 1;
    bool emptyMet = false;
    for (int r = 1; r <= lastRow; ++r) {
        bool nonBlank = false, missingOption = false, blankCell = false;
        for (int c = 1; c <= lastCol; ++c) {
            if (GetCellState(r, c) & GVIS_READONLY) continue;
            const CGridColumnDescriptor& d = Descriptor(c);
            const bool empty = GetCellText(r, c).empty();
            if (d.type == kOptionColumn) {
                if (empty) missingOption = true;
            } else if (!empty) {
                nonBlank = true;
            } else if (!d.blankIsZero) {
                blankCell = true;
            }
        }
        if (!emptyMet) {
            if (!nonBlank) {
                emptyMet = true;
                lastData = r - 1;
            } else if (missingOption) {
                if (lastDataRow) *lastDataRow = lastData;
                ShowTableMessage(FormatText("Missing option selected in row %1d of data", r));
                return false;
            } else if (blankCell) {
                if (lastDataRow) *lastDataRow = lastData;
                ShowTableMessage(FormatText("Blank cells in row %1d of data", r));
                return false;
            }
        } else if (nonBlank) {
            if (lastDataRow) *lastDataRow = lastData;
            ShowTableMessage(FormatText(
                "Non-blank cells in row %1d of data follow one or more blank lines of data", r));
            return false;
        }
    }
    if (!emptyMet) lastData = std::max(lastRow, 0);
    if (lastDataRow) *lastDataRow = lastData;

    for (int c = 1; c <= lastCol; ++c) {
        const CGridColumnDescriptor& d = Descriptor(c);
        for (int r = 1; r <= lastData; ++r) {
            const std::string text = GetCellText(r, c);
            switch (d.type) {
            case kDoubleColumn: {
                if (text.size() > kLongestCellText) {
                    ShowTableMessage("Input string is too long.");
                    return false;
                }
                if (text.empty() && d.blankIsZero) break;
                if (GetCellState(r, c) & GVIS_READONLY) break;
                double v = 0.0;
                if (!ScanCellDouble(text, v)) {
                    ShowTableMessage(FormatText(
                        "Illegal floating point value in field (row %1d, col %1d)", r, c));
                    return false;
                }
                break;
            }
            case kIntegerColumn: {
                if (text.size() > kLongestCellText) {
                    ShowTableMessage(
                        FormatText("Illegal integer value in field (row %1d, col %1d)", r, c));
                    return false;
                }
                int v = 0;
                if (!ScanCellInteger(text, v)) {
                    ShowTableMessage("Illegal integer in field.");
                    return false;
                }
                break;
            }
            case kOptionColumn:
                if (FindOptionIndex(r, c) < 0) {
                    ShowTableMessage(
                        FormatText("Option selected in row %1d of data is not a valid option", r));
                    return false;
                }
                break;
            default: break;
            }
        }
    }

    if (minimumRows >= 0 && lastData < minimumRows) {
        ShowTableMessage(FormatText("Not enough values (rows of data): %1d values entered, minimum "
                                    "number required = %1d",
                                    lastData, minimumRows));
        return false;
    }
    if (maximumRows >= 0 && lastData > maximumRows) {
        ShowTableMessage(FormatText("Too many values (rows of data): %1d values entered, maximum "
                                    "number allowed = %1d",
                                    lastData, maximumRows));
        return false;
    }
    return true;
}

bool CGridCtrlKDX::GetTableValues(TableValues& values, int minimumRows, int maximumRows) {
    int lastData = 0;
    if (!ValidateTableData(&lastData, minimumRows, maximumRows)) return false;
    const int lastCol = GetColumnCount() - 1;
    values.assign(static_cast<std::size_t>(std::max(lastData, 0)), TableRow{});
    int count = 0;
    for (int r = 1; r <= lastData; ++r) {
        TableRow& row = values[static_cast<std::size_t>(count)];
        for (int c = 1; c <= lastCol; ++c) {
            TableSlot& slot = row[static_cast<std::size_t>(c - 1)];
            const CGridColumnDescriptor& d = Descriptor(c);
            switch (d.type) {
            case kDoubleColumn:
                if (!GetItemDouble(r, c, &slot.number, d.blankIsZero)) {
                    values.resize(static_cast<std::size_t>(count));
                    return false;
                }
                break;
            case kIntegerColumn:
                if (!GetItemInt(r, c, &slot.integer)) {
                    values.resize(static_cast<std::size_t>(count));
                    return false;
                }
                break;
            case kOptionColumn:
                slot.integer = FindOptionIndex(r, c);
                if (slot.integer < 0) {
                    values.resize(static_cast<std::size_t>(count));
                    return false;
                }
                break;
            default: break;
            }
        }
        ++count;
    }
    SetModified(false);
    return true;
}

bool CGridCtrlKDX::GetTableValuesSorted(TableValues& values, int minimumRows, int maximumRows,
                                        int sort) {
    if (!GetTableValues(values, minimumRows, maximumRows)) return false;
    if (values.size() > 1 && sort >= 0)
        SortTableRowsByFirstValue(values, static_cast<int>(values.size()), tableColumns_);
    return true;
}

bool CGridCtrlKDX::FindLastDataRow(int* lastDataRow, bool showMessage) {
    int lastData = -1;
    const int lastRow = GetRowCount() - 1;
    const int lastCol = GetColumnCount() - 1;
    bool emptyMet = false;
    for (int r = 1; r <= lastRow; ++r) {
        bool nonBlank = false, missingOption = false, blankCell = false;
        for (int c = 1; c <= lastCol; ++c) {
            const bool empty = GetCellText(r, c).empty();
            if (Descriptor(c).type == kOptionColumn) {
                if (empty) missingOption = true;
            } else if (!empty) {
                nonBlank = true;
            } else {
                blankCell = true;
            }
        }
        if (!emptyMet) {
            if (!nonBlank) {
                emptyMet = true;
                lastData = r - 1;
            } else if (missingOption || blankCell) {
                if (lastDataRow) *lastDataRow = lastData;
                return false;
            }
        } else if (nonBlank) {
            if (lastDataRow) *lastDataRow = lastData;
            if (showMessage)
                ShowTableMessage(
                    FormatText("Non-blank cells in row %1d of data follow blank line", r));
            return false;
        }
    }
    if (!emptyMet) lastData = std::max(lastRow, 0);
    if (lastDataRow) *lastDataRow = lastData;
    return true;
}

}  // namespace gridctrl
