#pragma once
// The grid of every data-entry table: a CGridCtrl with numbered data rows ("Point: 1",
// "Point: 2" ... for the row label "Point"), a pop-up menu that adds rows above or below and
// deletes rows, automatic appending of empty rows when the user moves past the end, one
// column of drop-down options, one read-only column, enabling with a background colour, and
// typed readers and writers of cell texts.
//
// On top of it the typed table (grid_table.cpp): columns of floating-point values, integers
// or options, set up once, filled from rows of values and read back after a validation that
// reports the first problem in a message box (caption "ERROR") owned by the grid's dialog.
//
//     CGridCtrlKDX& grid = ...;
//     grid.SetupTable(3, 51, false, {"", "X", "Y"}, "Point", {}, descriptors, 0, 80, -1, 10);
//     grid.SetTableValues(rows);
//     if (!grid.GetTableValues(rows, 2, -1)) return;  // the message has been shown
//
// Qt-free, like the grid it extends; the widget GridCtrlWidget shows it.

#include "gridctrl/grid_ctrl.h"

#include <array>
#include <string>
#include <vector>

namespace gridctrl {

// Cell formats of the tables.
constexpr unsigned kNumberCellFormat = 0x8826;   // right-aligned single line: numbers, headers
constexpr unsigned kOptionCellFormat = 0x8824;   // left-aligned single line: options
constexpr unsigned kDefaultCellFormat = 0x8825;  // centred single line
constexpr unsigned kHeadingCellFormat = 0x8815;  // centred, word-wrapped: the heading row

// Backgrounds of an enabled and a disabled grid.
constexpr ColorRef kEnabledGridBackground = 0xFFFFFF;
constexpr ColorRef kDisabledGridBackground = 0xD9E9EC;

// The pop-up menu's commands.
constexpr int ID_ADD_ROWS_ABOVE = 40000;
constexpr int ID_ADD_ROWS_BELOW = 40001;
constexpr int ID_DELETE_ROWS = 40002;

// The column of drop-down options: its index (-1 none) and up to ten options in display order.
struct CGridComboColumn {
    static constexpr int kMaxOptions = 10;
    int column = -1;
    std::array<std::string, kMaxOptions> options;
    int count = 0;

    CGridComboColumn() = default;
    CGridComboColumn(int col, const std::vector<std::string>& texts);
};

// Column types of a table.
enum TableColumnType : int {
    kSkipColumn = 0,
    kDoubleColumn = 1,
    kIntegerColumn = 2,
    kOptionColumn = 3
};

struct CGridColumnDescriptor {
    int type = kSkipColumn;
    // An empty cell of the column is not a blank cell; a floating-point column reads it as 0.
    bool blankIsZero = false;
    // The printf format its values are written with ("%.3f", "%1d"); at most 22 characters.
    std::string format;
};

// One value of a table row: a floating-point column's double, or an integer column's int, or
// an option column's option index (0 the first option).
struct TableSlot {
    double number = 0.0;
    int integer = 0;
    friend bool operator==(const TableSlot&, const TableSlot&) = default;
};
// Slot k of a row holds the value of grid column k + 1; a table has at most 9 data columns.
constexpr int kSlotsPerRow = 10;
using TableRow = std::array<TableSlot, kSlotsPerRow>;
using TableValues = std::vector<TableRow>;

// A selection sort of the first `count` rows in ascending order of slot 0's number; of equal
// values the earliest stays first. The first `valuesPerRow` slots of two rows are exchanged.
void SortTableRowsByFirstValue(TableValues& values, int count, int valuesPerRow);

// Scans a cell text as the formatted input of the C library would: leading blanks skipped,
// the longest leading number taken, anything after it ignored ("12abc" is 12, "1.5x" is 1.5).
// Only decimals are numbers (no "inf", "nan" or hexadecimal), and an integer outside the range
// of int is no integer.
bool ScanCellInteger(const std::string& text, int& value);
bool ScanCellDouble(const std::string& text, double& value);

class CGridCtrlKDX : public CGridCtrl {
public:
    static constexpr int kMaxColumns = kSlotsPerRow;
    static constexpr std::size_t kLongestCellText = 79;

    CGridCtrlKDX();

    // ---- Configuration
    void SetRowOptions(const std::string& label, int readOnlyColumn, int automaticRowCount);
    void SetComboColumn(const CGridComboColumn& column) { combo_ = column; }
    const CGridComboColumn& ComboColumn() const { return combo_; }
    const std::string& RowLabel() const { return rowLabel_; }
    int AutomaticRowCount() const { return autoRows_; }
    int ReadOnlyColumn() const { return readOnlyCol_; }
    bool IsFixedSize() const { return fixedSize_; }
    CCellID RightClickedCell() const { return rightClicked_; }

    // ---- Rows and cells
    void AppendRows(int n);
    void RenumberRows();
    void SetComboCell(int row);
    void SetCellEditable(int row, int col, bool editable);
    bool IsCellEditable(int row, int col) const;
    void SetNewRowFormat(int row, int col);
    void SetNewRowsFormat(int firstRow, int lastRow, int firstCol, int lastCol);
    void EnableGrid(bool enable);
    bool IsGridEnabled() const { return enabled_; }

    // ---- Cell writers
    void SetCellInt(int row, int col, int value, const std::string& format);
    void SetCellDouble(int row, int col, double value, const std::string& format);
    void SetCellOption(int row, int col, int index);

    // ---- Cell readers; a text of 80 characters or more is "Input string is too long."
    bool GetItemInt(int row, int col, int* value);
    bool GetItemDouble(int row, int col, double* value, bool blankIsZero);
    int FindOptionIndex(int row, int col) const;

    // ---- Pop-up menu commands
    void OnAddRowsAbove();
    void OnAddRowsBelow();
    void OnDeleteRows();

    // ---- Typed table (grid_table.cpp)
    void SetupTable(int columns, int rows, bool fixedSize, const std::vector<std::string>& titles,
                    const std::string& rowLabel, const CGridComboColumn& comboColumn,
                    const std::vector<CGridColumnDescriptor>& descriptors, int firstColumnWidth,
                    int columnWidth, int readOnlyColumn, int automaticRows);
    // Writes the first `count` rows (all with -1) into the data rows; true.
    bool SetTableValues(const TableValues& values, int count = -1);
    // Validates, then reads the data rows into `values` (resized to the rows read). A limit
    // of -1 is none.
    bool GetTableValues(TableValues& values, int minimumRows, int maximumRows);
    // GetTableValues, then with `sort` of 0 or more the rows in order of their first value.
    bool GetTableValuesSorted(TableValues& values, int minimumRows, int maximumRows, int sort);
    bool ValidateTableData(int* lastDataRow, int minimumRows, int maximumRows);
    bool ValidateTable(int* lastDataRow) { return ValidateTableData(lastDataRow, -1, -1); }
    bool FindLastDataRow(int* lastDataRow, bool showMessage);
    void ClearCellTexts();
    bool SetColumnTitles(const std::vector<std::string>& titles);
    const CGridColumnDescriptor& Descriptor(int col) const;
    int TableColumnCount() const { return tableColumns_; }

    // A whole number typed or pasted into a floating-point column is written in the column's
    // format, so every cell of a column shows its value the same way and shows all that the
    // table will read back. Any other text is kept for the validation to report.
    std::string StoredCellText(int row, int col, const std::string& text) const override;

    // Rows copied from a spreadsheet go in as rows: a table that may grow gets the rows the
    // pasted lines need (and one empty row after them) before they are pasted.
    bool PasteTextToGrid(int row, int col, const std::string& text,
                         bool selectPastedCells) override;

    // ---- Input the grid adds to its base
    void PreTranslateKeyDown(unsigned key) override;
    void OnLButtonDown(DevicePoint point, bool ctrl, bool shift) override;
    std::vector<GridMenuItem> OnRButtonDown(DevicePoint point) override;
    void OnMenuCommand(int command) override;

    // The message box of the grid's readers and of the table validation: caption "ERROR", the
    // OK button only, no icon, owned by the grid's dialog.
    void ShowTableMessage(const std::string& text) const;

private:
    void PrepareNewRow(int row);
    void FormatNewRows(int firstRow, int lastRow);
    void InsertRowsBefore(int before, int n);
    bool IsValidRightClickedCell() const;

    CCellID rightClicked_;
    std::string rowLabel_;
    int autoRows_ = 0;
    int readOnlyCol_ = -1;
    CGridComboColumn combo_;
    bool fixedSize_ = false;
    bool enabled_ = true;

    std::array<CGridColumnDescriptor, kMaxColumns> descriptors_;
    int tableColumns_ = 0;
    int tableRows_ = 0;
};

}  // namespace gridctrl
