#pragma once
// The text of the rows of the multi-column list box (CmListBox, dialogs/list_box.h), kept apart
// from the widget so that it needs no Qt. A row is one line of cells joined by single tabs (no
// tab at either end); each cell is printed with its column's printf format, whose field width is
// the column's width in characters. The widget places the tab stops under the column headings.
//
//     CmListBoxColumns columns;
//     columns.SetCount(2);
//     columns.SetType(0, CmListBoxColumns::kFixed);  columns.SetDecimals(0, 2);
//     columns.SetType(1, CmListBoxColumns::kFixed);  columns.SetDecimals(1, 2);
//     columns.Layout({10, 10});
//     columns.FormatRow({1.5, 2});                    // "      1.50\t      2.00"

#include <string>
#include <vector>

namespace dialogs {

// One typed cell value of a row given column by column.
class CmListBoxValue {
public:
    enum Kind { kNone = 0, kInteger = 1, kReal = 2, kText = 5 };
    // The longest text a cell keeps; a text of up to kMaxText + 1 characters is kept whole, a
    // longer one is cut to its first kMaxText characters. The caller's text is never changed.
    static constexpr std::size_t kMaxText = 255;

    void SetInt(int value);
    void SetDouble(double value);
    void SetText(const std::string& value);

    int kind = kNone;
    std::string text;
    double real = 0.0;
    int integer = 0;
};

// The columns of one list: type, decimals and blank mode of each, and the formats built from
// their widths.
class CmListBoxColumns {
public:
    // Column types of the list (numbered as the dialogs give them; MakeColumnFormat maps them
    // onto the number-format kinds).
    enum Type { kInteger = 1, kFixed = 2, kExponential = 3, kRightText = 4, kLeftText = 5 };
    // Blank modes: 0 every value prints; kBlankAll an integer 0 prints as "  All".
    static constexpr int kBlankAll = 4;

    // n columns of type 0, blank mode 0, no decimals and no formats.
    void SetCount(int n);
    int Count() const { return static_cast<int>(columns_.size()); }
    void SetType(int column, int type) { columns_.at(column).type = type; }
    void SetDecimals(int column, int decimals) { columns_.at(column).decimals = decimals; }
    void SetBlankMode(int column, int mode) { columns_.at(column).blankMode = mode; }
    int Type(int column) const { return columns_.at(column).type; }

    // Several columns: builds each column's format from its width in characters (one width per
    // column). A column of an unknown type keeps its format.
    void Layout(const std::vector<int>& widths);
    // One column: an integer format of the width, whatever the column's type.
    void LayoutSingle(int width);
    const std::string& Format(int column) const { return columns_.at(column).format; }

    // A row of numbers, one per column from the first: integer columns print the value truncated
    // toward zero, real columns the value.
    std::string FormatRow(const std::vector<double>& values) const;
    // A row of typed values, one per column.
    std::string FormatRowValues(const std::vector<CmListBoxValue>& values) const;
    // The numbers as in FormatRow over the first columns, then the text printed with the last
    // column's format and appended directly after the last number (no tab between them).
    std::string FormatRowWithText(const std::vector<double>& values, const std::string& text) const;

private:
    struct Column {
        int type = 0;
        int blankMode = 0;
        int decimals = 0;
        std::string format;
        std::string alternate;  // the format of "  All" under blank mode 4
    };
    std::string NumberCell(const Column& column, double value) const;

    std::vector<Column> columns_;
};

// The printf format of a list column of the type, width in characters and decimals; false and
// an empty format for an unknown type or a format of 40 characters or more.
bool MakeColumnFormat(int type, int width, int decimals, std::string& format);

}  // namespace dialogs
