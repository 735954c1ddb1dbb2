// The data-entry grid and its typed table on the model alone: row headers, the pop-up menu's
// row commands, automatic appending, option and read-only columns, cell readers, filling,
// validation with its messages, reading and sorting.
#include "grid_test_support.h"

#include "gridctrl/grid_cell_combo.h"
#include "gridctrl/grid_ctrl_kdx.h"
#include "support/fake_services.h"

#include <gtest/gtest.h>

namespace {

using namespace gridtest;

// Columns: row header, X (double), Y (double, optionally blank as zero), N (integer) and,
// optionally, an option column.
struct Table : ::testing::Test {
    void SetUp() override { grid.AttachWindow(&window); }

    void Build(int rows, bool withOption = false, bool yBlankIsZero = false, int autoRows = 0,
               int readOnlyColumn = -1) {
        std::vector<CGridColumnDescriptor> d = {
            {kSkipColumn, false, ""},
            {kDoubleColumn, false, "%.3f"},
            {kDoubleColumn, yBlankIsZero, "%.3f"},
            {kIntegerColumn, false, "%1d"},
        };
        std::vector<std::string> titles = {"", "X", "Y", "N"};
        CGridComboColumn combo;
        if (withOption) {
            d.push_back({kOptionColumn, false, ""});
            titles.push_back("Kind");
            combo = CGridComboColumn(4, {"Components", "Magnitude and Direction"});
        }
        grid.SetupTable(static_cast<int>(d.size()), rows, false, titles, "Point", combo, d, 0, 60,
                        readOnlyColumn, autoRows);
    }
    void Row(int r, const std::vector<std::string>& texts) {
        for (std::size_t c = 0; c < texts.size(); ++c)
            grid.SetCellText(r, static_cast<int>(c) + 1, texts[c]);
    }
    std::vector<std::string> Headers() const {
        std::vector<std::string> h;
        for (int r = 1; r < grid.GetRowCount(); ++r) h.push_back(grid.GetCellText(r, 0));
        return h;
    }

    testsupport::FakeServices fakes;
    FakeWindow window{400, 300};
    CGridCtrlKDX grid;
};

TEST_F(Table, SetUpNumbersTheRowsAndShowsTitlesAndTheFirstOption) {
    Build(4, true);
    EXPECT_EQ(grid.GetRowCount(), 4);
    EXPECT_EQ(grid.GetColumnCount(), 5);
    EXPECT_EQ(grid.GetFixedRowCount(), 1);
    EXPECT_EQ(grid.GetFixedColumnCount(), 1);
    EXPECT_EQ(grid.GetCellText(0, 1), "X");
    EXPECT_EQ(grid.GetCell(0, 1)->GetFormat(), kHeadingCellFormat);
    EXPECT_EQ(Headers(), (std::vector<std::string>{"Point: 1", "Point: 2", "Point: 3"}));
    EXPECT_EQ(grid.GetCell(2, 1)->GetFormat(), kNumberCellFormat);
    ASSERT_NE(dynamic_cast<CGridCellCombo*>(grid.GetCell(3, 4)), nullptr);
    EXPECT_EQ(grid.GetCellText(3, 4), "Components");
    EXPECT_EQ(grid.GetCell(3, 4)->GetFormat(), kOptionCellFormat);
    EXPECT_GE(grid.GetColumnWidth(0), 55);
    EXPECT_GE(grid.GetColumnWidth(1), 60);
    EXPECT_FALSE(grid.GetModified());
}

TEST_F(Table, AddRowsAboveASelectionInsertsAsManyRowsAndRenumbersEveryHeader) {
    Build(9, true);
    for (int r = 1; r < 9; ++r) grid.SetCellText(r, 1, std::to_string(r));
    grid.SetSelectedRange(3, 1, 5, 2);
    grid.OnMenuCommand(ID_ADD_ROWS_ABOVE);
    ASSERT_EQ(grid.GetRowCount(), 12);
    const std::vector<std::string> headers = Headers();
    for (int r = 1; r < 12; ++r) EXPECT_EQ(headers[r - 1], "Point: " + std::to_string(r));
    EXPECT_EQ(grid.GetCellText(2, 1), "2");
    for (int r = 3; r <= 5; ++r) {
        EXPECT_EQ(grid.GetCellText(r, 1), "");
        EXPECT_EQ(grid.GetCellText(r, 4), "Components");  // the new rows show the first option
        EXPECT_EQ(grid.GetCell(r, 2)->GetFormat(), kNumberCellFormat);
    }
    EXPECT_EQ(grid.GetCellText(6, 1), "3");
    EXPECT_EQ(grid.GetCellText(8, 1), "5");
}

TEST_F(Table, RowCommandsWithoutSelectionWorkOnTheRightClickedRow) {
    Build(5);
    for (int r = 1; r < 5; ++r) grid.SetCellText(r, 1, std::to_string(r));
    grid.OnSize();
    DeviceRect rect;
    // A press on a heading or a row header records the cell but opens no menu.
    ASSERT_TRUE(grid.GetCellRect(0, 1, rect));
    EXPECT_TRUE(grid.OnRButtonDown({rect.left + 2, rect.top + 2}).empty());
    EXPECT_EQ(grid.RightClickedCell(), CCellID(0, 1));
    ASSERT_TRUE(grid.GetCellRect(4, 2, rect));
    const std::vector<GridMenuItem> items = grid.OnRButtonDown({rect.left + 2, rect.top + 2});
    EXPECT_EQ(items, (std::vector<GridMenuItem>{{"Add rows above", ID_ADD_ROWS_ABOVE},
                                                {"Add rows below", ID_ADD_ROWS_BELOW},
                                                {"Delete rows", ID_DELETE_ROWS}}));
    grid.OnMenuCommand(ID_ADD_ROWS_BELOW);  // below the last row: appended
    ASSERT_EQ(grid.GetRowCount(), 6);
    EXPECT_EQ(grid.GetCellText(5, 0), "Point: 5");
    EXPECT_EQ(grid.GetCellText(4, 1), "4");
    grid.OnMenuCommand(ID_DELETE_ROWS);
    grid.OnMenuCommand(ID_DELETE_ROWS);
    EXPECT_EQ(grid.GetRowCount(), 4);
    EXPECT_EQ(grid.GetCellText(3, 1), "3");
    // Every data row may go.
    grid.SetSelectedRange(1, 1, 3, 3);
    grid.OnMenuCommand(ID_DELETE_ROWS);
    EXPECT_EQ(grid.GetRowCount(), 1);
    int last = -5;
    EXPECT_TRUE(grid.ValidateTable(&last));
    EXPECT_EQ(last, 0);
}

TEST_F(Table, AutomaticRowsFollowTabDownAndClicksAtTheEnd) {
    Build(5, false, false, 10);
    grid.OnSize();
    // Tab in the last cell appends 10 rows and the focus stays in the grid.
    grid.SetFocusCell(4, 3);
    grid.PreTranslateKeyDown(VK_TAB);
    grid.OnKeyDown(VK_TAB, false, false);
    EXPECT_EQ(grid.GetRowCount(), 15);
    EXPECT_EQ(grid.GetFocusCell(), CCellID(5, 1));
    EXPECT_EQ(grid.GetCellText(14, 0), "Point: 14");
    // Tab elsewhere appends nothing.
    grid.SetFocusCell(3, 3);
    grid.PreTranslateKeyDown(VK_TAB);
    EXPECT_EQ(grid.GetRowCount(), 15);
    // Down appends on the second-to-last row and not on the last.
    grid.SetFocusCell(14, 1);
    grid.PreTranslateKeyDown(VK_DOWN);
    EXPECT_EQ(grid.GetRowCount(), 15);
    grid.SetFocusCell(13, 1);
    grid.PreTranslateKeyDown(VK_DOWN);
    EXPECT_EQ(grid.GetRowCount(), 25);
    EXPECT_EQ(grid.GetFocusCell(), CCellID(13, 1));
}

TEST_F(Table, NoAutomaticRowsWithACountOfZero) {
    Build(5);
    grid.SetFocusCell(4, 3);
    grid.PreTranslateKeyDown(VK_TAB);
    grid.SetFocusCell(3, 1);
    grid.PreTranslateKeyDown(VK_DOWN);
    EXPECT_EQ(grid.GetRowCount(), 5);
}

TEST_F(Table, AReadOnlyColumnLooksLikeAHeadingInAddedRowsAndIsLeftOutOfTheBlankCheck) {
    Build(3, false, true, 0, 2);
    grid.SetCellEditable(1, 2, false);
    grid.SetCellEditable(2, 2, false);
    EXPECT_FALSE(grid.IsCellEditable(1, 2));
    EXPECT_EQ(grid.GetCell(1, 2)->GetBackColour(),
              grid.GetDefaultCell(true, false)->GetBackColour());
    grid.AppendRows(2);
    EXPECT_FALSE(grid.IsCellEditable(4, 2));
    EXPECT_TRUE(grid.IsCellEditable(4, 1));
    grid.SetCellEditable(4, 2, true);
    EXPECT_TRUE(grid.IsCellEditable(4, 2));
    Row(1, {"1", "", "3"});
    int last = 0;
    EXPECT_TRUE(grid.ValidateTable(&last));
    EXPECT_EQ(last, 1);
}

TEST_F(Table, DisablingClearsFocusAndSelectionAndGreysTheBackground) {
    Build(4);
    grid.SetFocusCell(2, 2);
    grid.SetSelectedRange(1, 1, 2, 2);
    grid.EnableGrid(false);
    EXPECT_FALSE(grid.GetFocusCell().IsValid());
    EXPECT_EQ(grid.GetSelectedCount(), 0u);
    EXPECT_EQ(grid.GetDefaultCell(false, false)->GetBackColour(), kDisabledGridBackground);
    grid.EnableGrid(true);
    EXPECT_EQ(grid.GetDefaultCell(false, false)->GetBackColour(), kEnabledGridBackground);
    EXPECT_EQ(grid.GetSelectedCount(), 0u);
}

TEST(CellScanning, ReadsTheLeadingNumberAndRefusesWhatIsNoNumber) {
    struct Case {
        const char* text;
        bool isInt;
        int i;
        bool isDouble;
        double d;
    };
    const Case cases[] = {
        {"12abc", true, 12, true, 12.0},
        {"1.5x", true, 1, true, 1.5},
        {"x1.5", false, 0, false, 0},
        {"  -7", true, -7, true, -7.0},
        {"+3", true, 3, true, 3.0},
        {"", false, 0, false, 0},
        {"abc", false, 0, false, 0},
        {".5", false, 0, true, 0.5},
        {"2147483647", true, 2147483647, true, 2147483647.0},
        {"-2147483648", true, -2147483647 - 1, true, -2147483648.0},
        {"2147483648", false, 0, true, 2147483648.0},
        {"-99999999999999999999", false, 0, true, -1e20},
        {"inf", false, 0, false, 0},
        {"nan", false, 0, false, 0},
        {"1e400", true, 1, false, 0},
    };
    for (const Case& c : cases) {
        int i = 0;
        double d = 0;
        EXPECT_EQ(ScanCellInteger(c.text, i), c.isInt) << c.text;
        if (c.isInt) {
            EXPECT_EQ(i, c.i) << c.text;
        }
        EXPECT_EQ(ScanCellDouble(c.text, d), c.isDouble) << c.text;
        if (c.isDouble) {
            EXPECT_DOUBLE_EQ(d, c.d) << c.text;
        }
    }
}

TEST_F(Table, ReadersShowTheTooLongMessageAndOptionsMatchWholeAndCaseSensitive) {
    Build(4, true);
    grid.SetCellText(1, 1, std::string(80, '1'));
    double d = 0;
    EXPECT_FALSE(grid.GetItemDouble(1, 1, &d, false));
    ASSERT_EQ(fakes.messageBoxes.requests.size(), 1u);
    EXPECT_EQ(fakes.messageBoxes.requests[0].caption, "ERROR");
    EXPECT_EQ(fakes.messageBoxes.requests[0].text, "Input string is too long.");
    EXPECT_EQ(fakes.messageBoxes.requests[0].icon, platform::BoxIcon::None);
    EXPECT_EQ(fakes.messageBoxes.requests[0].buttons, platform::BoxButtons::Ok);
    EXPECT_TRUE(grid.GetItemDouble(2, 1, &d, true));
    EXPECT_EQ(d, 0.0);
    int i = 0;
    grid.SetCellText(1, 3, "12abc");
    EXPECT_TRUE(grid.GetItemInt(1, 3, &i));
    EXPECT_EQ(i, 12);
    const std::pair<const char*, int> options[] = {{"Components", 0},
                                                   {"Magnitude and Direction", 1},
                                                   {"components", -1},
                                                   {"Components ", -1},
                                                   {"", -1}};
    for (const auto& [text, index] : options) {
        grid.SetCellText(1, 4, text);
        EXPECT_EQ(grid.FindOptionIndex(1, 4), index) << text;
    }
}

// Each case fills rows 1 to 5 of a six-row table (X, Y, N and the option) and validates with
// the limits given; the whole message is checked, or none when the table is good.
TEST_F(Table, ValidationReportsTheFirstProblemWithItsWholeMessage) {
    struct Case {
        const char* name;
        std::vector<std::vector<std::string>> rows;
        bool yBlankIsZero;
        int minimum;
        int maximum;
        std::string message;  // empty: valid
        int lastDataRow;
    };
    const std::string c0 = "Components";
    const Case cases[] = {
        {"blank line then data",
         {{"1", "2", "3", c0}, {"1", "2", "3", c0}, {"", "", "", c0}, {"4", "", "", c0}},
         false,
         -1,
         -1,
         "Non-blank cells in row 4 of data follow one or more blank lines of data",
         2},
        {"blank cell", {{"1", "", "3", c0}}, false, -1, -1, "Blank cells in row 1 of data", -1},
        {"blank cell read as zero", {{"1", "", "3", c0}}, true, -1, -1, "", 1},
        {"bad double",
         {{"x1.5", "2", "3", c0}},
         false,
         -1,
         -1,
         "Illegal floating point value in field (row 1, col 1)",
         1},
        {"double with a tail", {{"1.5x", "2", "3", c0}}, false, -1, -1, "", 1},
        {"bad double later",
         {{"1", "2", "3", c0}, {"1", "2y", "3", c0}, {"1", "y", "3", c0}},
         false,
         -1,
         -1,
         "Illegal floating point value in field (row 3, col 2)",
         3},
        {"bad integer", {{"1", "2", "x", c0}}, false, -1, -1, "Illegal integer in field.", 1},
        {"integer out of range",
         {{"1", "2", "2147483648", c0}},
         false,
         -1,
         -1,
         "Illegal integer in field.",
         1},
        {"integer with a tail", {{"1", "2", "12abc", c0}}, false, -1, -1, "", 1},
        {"80 characters",
         {{std::string(80, '1'), "2", "3", c0}},
         false,
         -1,
         -1,
         "Input string is too long.",
         1},
        {"79 characters", {{std::string(79, '1'), "2", "3", c0}}, false, -1, -1, "", 1},
        {"long integer",
         {{"1", "2", std::string(80, '1'), c0}},
         false,
         -1,
         -1,
         "Illegal integer value in field (row 1, col 3)",
         1},
        {"too few",
         {{"1", "2", "3", c0}},
         false,
         2,
         -1,
         "Not enough values (rows of data): 1 values entered, minimum number required = 2",
         1},
        {"none with a minimum",
         {},
         false,
         2,
         -1,
         "Not enough values (rows of data): 0 values entered, minimum number required = 2",
         0},
        {"too many",
         {{"1", "2", "3", c0}, {"1", "2", "3", c0}, {"1", "2", "3", c0}, {"1", "2", "3", c0}},
         false,
         -1,
         3,
         "Too many values (rows of data): 4 values entered, maximum number allowed = 3",
         4},
        {"not an option",
         {{"1", "2", "3", c0}, {"1", "2", "3", "components"}},
         false,
         -1,
         -1,
         "Option selected in row 2 of data is not a valid option",
         2},
        {"option with a trailing blank",
         {{"1", "2", "3", "Components "}},
         false,
         -1,
         -1,
         "Option selected in row 1 of data is not a valid option",
         1},
        {"missing option before blank cell",
         {{"1", "", "3", ""}},
         false,
         -1,
         -1,
         "Missing option selected in row 1 of data",
         -1},
        {"only an option is an empty row",
         {{"", "", "", "Magnitude and Direction"}},
         false,
         -1,
         -1,
         "",
         0},
        {"every row filled",
         {{"1", "2", "3", c0},
          {"1", "2", "3", c0},
          {"1", "2", "3", c0},
          {"1", "2", "3", c0},
          {"1", "2", "3", c0}},
         false,
         -1,
         -1,
         "",
         5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        grid.DeleteAllItems();
        Build(6, true, c.yBlankIsZero);
        for (std::size_t r = 0; r < c.rows.size(); ++r) Row(static_cast<int>(r) + 1, c.rows[r]);
        fakes.messageBoxes.requests.clear();
        int last = -9;
        EXPECT_EQ(grid.ValidateTableData(&last, c.minimum, c.maximum), c.message.empty());
        EXPECT_EQ(last, c.lastDataRow);
        if (c.message.empty()) {
            EXPECT_TRUE(fakes.messageBoxes.requests.empty());
        } else {
            ASSERT_EQ(fakes.messageBoxes.requests.size(), 1u);
            EXPECT_EQ(fakes.messageBoxes.requests[0].caption, "ERROR");
            EXPECT_EQ(fakes.messageBoxes.requests[0].text, c.message);
            EXPECT_EQ(fakes.messageBoxes.requests[0].icon, platform::BoxIcon::None);
        }
    }
}

TEST_F(Table, AnEmptyIntegerCellPassesTheBlankCheckWithBlankAsZeroButNotTheTypeCheck) {
    std::vector<CGridColumnDescriptor> d = {
        {}, {kDoubleColumn, false, "%.3f"}, {kIntegerColumn, true, "%1d"}};
    grid.SetupTable(3, 4, false, {"", "X", "N"}, "", {}, d, 0, 60, -1, 0);
    Row(1, {"1", ""});
    int last = 0;
    EXPECT_FALSE(grid.ValidateTable(&last));
    EXPECT_EQ(fakes.messageBoxes.Texts(), std::vector<std::string>{"Illegal integer in field."});
    EXPECT_EQ(grid.GetCellText(1, 0), "1");  // bare numbers without a label
}

TEST_F(Table, FillingAppendsRowsForTheDataAndReadingGivesTheValuesBack) {
    Build(21, true, true);
    TableValues rows(25);
    for (int r = 0; r < 25; ++r) {
        rows[r][0].number = r + 0.5;
        rows[r][1].number = -r;
        rows[r][2].integer = r * 10;
        rows[r][3].integer = r % 2;
    }
    ASSERT_TRUE(grid.SetTableValues(rows, 25));
    EXPECT_EQ(grid.GetRowCount(), 27);  // 6 rows appended: the data and one empty row
    EXPECT_EQ(grid.GetCellText(27 - 1, 0), "Point: 26");
    EXPECT_EQ(grid.GetCellText(3, 1), "2.500");
    EXPECT_EQ(grid.GetCellText(3, 3), "20");
    EXPECT_EQ(grid.GetCellText(2, 4), "Magnitude and Direction");
    EXPECT_EQ(grid.GetCellText(26, 1), "");
    EXPECT_FALSE(grid.GetModified());
    TableValues back;
    ASSERT_TRUE(grid.GetTableValues(back, 1, -1));
    ASSERT_EQ(back.size(), 25u);
    for (int r = 0; r < 25; ++r) {
        EXPECT_DOUBLE_EQ(back[r][0].number, rows[r][0].number);
        EXPECT_DOUBLE_EQ(back[r][1].number, rows[r][1].number);
        EXPECT_EQ(back[r][2].integer, rows[r][2].integer);
        EXPECT_EQ(back[r][3].integer, rows[r][3].integer);
    }
}

TEST_F(Table, FillingFewRowsPutsTheFirstOptionBackInTheRowsAfterTheData) {
    Build(11, true);
    for (int r = 1; r < 11; ++r) grid.SetCellText(r, 4, "Magnitude and Direction");
    TableValues rows(2);
    rows[0][3].integer = 1;
    rows[1][3].integer = 1;
    grid.SetTableValues(rows, 2);
    EXPECT_EQ(grid.GetRowCount(), 11);
    EXPECT_EQ(grid.GetCellText(2, 4), "Magnitude and Direction");
    for (int r = 3; r <= 10; ++r) EXPECT_EQ(grid.GetCellText(r, 4), "Components") << r;
}

// A typed or pasted number in a floating-point column is shown in the column's format, so a
// cell never shows less than the table reads back; what is no whole number stays for the check.
TEST_F(Table, TypedAndPastedNumbersTakeTheColumnFormatAndOtherTextsStay) {
    Build(4);
    grid.SetTableValues(TableValues(1), 1);
    grid.OnEndInPlaceEdit(1, 1, "20", VK_TAB);
    EXPECT_EQ(grid.GetCellText(1, 1), "20.000");
    TableValues back;
    ASSERT_TRUE(grid.GetTableValues(back, 1, -1));
    EXPECT_EQ(back[0][0].number, 20);

    const struct {
        int col;
        const char* typed;
        const char* shown;
    } cases[] = {
        {1, "52", "52.000"},
        {1, " -7.25 ", "-7.250"},
        {2, "15.0004", "15.000"},
        {2, "12abc", "12abc"},
        {1, "", ""},
        {3, "7", "7"},
        {3, "07", "07"},
        {1, "1e2", "100.000"},
        {1, "inf", "inf"},
    };
    for (const auto& c : cases) {
        grid.SetCellText(2, c.col, "0");
        grid.OnEndInPlaceEdit(2, c.col, c.typed, VK_RETURN);
        EXPECT_EQ(grid.GetCellText(2, c.col), c.shown) << "typed " << c.typed;
        grid.SetCellText(3, c.col, "0");
        grid.PasteTextToGrid(3, c.col, c.typed, false);
        if (*c.typed) {
            EXPECT_EQ(grid.GetCellText(3, c.col), c.shown) << "pasted " << c.typed;
        }
    }
}

TEST(TableSort, SelectionSortKeepsTheEarlierOfEqualValuesFirst) {
    // Rows tagged by slot 1: 3, 1a, 2, 1b -> 1a, 1b, 2, 3; and 1a, 1b, 0 -> 0, 1b, 1a (the
    // selection sort's exchange moves 1a behind 1b).
    auto sorted = [](std::vector<std::pair<double, int>> in) {
        TableValues v(in.size());
        for (std::size_t i = 0; i < in.size(); ++i) {
            v[i][0].number = in[i].first;
            v[i][1].integer = in[i].second;
        }
        SortTableRowsByFirstValue(v, static_cast<int>(v.size()), 3);
        std::vector<std::pair<double, int>> out;
        for (const TableRow& row : v) out.push_back({row[0].number, row[1].integer});
        return out;
    };
    using V = std::vector<std::pair<double, int>>;
    EXPECT_EQ(sorted({{3, 0}, {1, 'a'}, {2, 0}, {1, 'b'}}),
              (V{{1, 'a'}, {1, 'b'}, {2, 0}, {3, 0}}));
    EXPECT_EQ(sorted({{1, 'a'}, {1, 'b'}, {0, 0}}), (V{{0, 0}, {1, 'b'}, {1, 'a'}}));
    // Slots beyond the count given stay with their rows' places.
    TableValues v(2);
    v[0][0].number = 2;
    v[0][5].integer = 7;
    v[1][0].number = 1;
    SortTableRowsByFirstValue(v, 2, 1);
    EXPECT_EQ(v[0][0].number, 1);
    EXPECT_EQ(v[0][5].integer, 7);
}

TEST_F(Table, SortedReadingOrdersTheRowsAndAFailedReadKeepsTheMessage) {
    Build(6);
    Row(1, {"3", "1", "1"});
    Row(2, {"1", "2", "2"});
    Row(3, {"2", "3", "3"});
    TableValues v;
    ASSERT_TRUE(grid.GetTableValuesSorted(v, -1, -1, 0));
    ASSERT_EQ(v.size(), 3u);
    EXPECT_EQ(v[0][2].integer, 2);
    EXPECT_EQ(v[2][2].integer, 1);
    ASSERT_TRUE(grid.GetTableValuesSorted(v, -1, -1, -1));
    EXPECT_EQ(v[0][2].integer, 1);
}

TEST_F(Table, FindLastDataRowCountsEveryCellAndSpeaksOnlyWhenAsked) {
    Build(6, false, true);
    Row(1, {"1", "2", "3"});
    Row(3, {"1", "2", "3"});
    int last = 0;
    EXPECT_FALSE(grid.FindLastDataRow(&last, false));
    EXPECT_TRUE(fakes.messageBoxes.requests.empty());
    EXPECT_FALSE(grid.FindLastDataRow(&last, true));
    EXPECT_EQ(fakes.messageBoxes.Texts(),
              std::vector<std::string>{"Non-blank cells in row 3 of data follow blank line"});
    grid.SetCellText(3, 1, "");
    grid.SetCellText(3, 2, "");
    grid.SetCellText(3, 3, "");
    grid.SetCellText(2, 1, "5");  // a blank cell even where blanks read as zero
    EXPECT_FALSE(grid.FindLastDataRow(&last, true));
    grid.SetCellText(2, 1, "");
    EXPECT_TRUE(grid.FindLastDataRow(&last, true));
    EXPECT_EQ(last, 1);
}

TEST_F(Table, ColumnTitlesNeedOnePerColumn) {
    Build(3);
    EXPECT_FALSE(grid.SetColumnTitles({"", "A"}));
    EXPECT_EQ(grid.GetCellText(0, 1), "X");
    EXPECT_TRUE(grid.SetColumnTitles({"Item", "A", "B", "C"}));
    EXPECT_EQ(grid.GetCellText(0, 2), "B");
}

}  // namespace
