// The grid's model without a widget: counts and items, cells and their drawing, geometry and
// scrolling, painting.
#include "grid_test_support.h"

#include "gridctrl/grid_cell_combo.h"

#include <gtest/gtest.h>
#include <new>

namespace {

using namespace gridtest;

struct GridWithWindow : ::testing::Test {
    GridWithWindow() { grid.AttachWindow(&window); }
    FakeWindow window;
    CGridCtrl grid;
};

// ---- Counts

TEST(GridCounts, InsertRowOnANewGridCreatesOneColumnAndRefusesPlacesInTheFixedRowsOrAtTheEnd) {
    CGridCtrl grid;
    EXPECT_EQ(grid.GetRowCount(), 0);
    EXPECT_EQ(grid.GetColumnCount(), 0);
    EXPECT_EQ(grid.InsertRow("first"), 0);
    EXPECT_EQ(grid.GetColumnCount(), 1);
    EXPECT_EQ(grid.GetCellText(0, 0), "first");
    ASSERT_TRUE(grid.SetRowCount(4));
    ASSERT_TRUE(grid.SetFixedRowCount(1));
    EXPECT_EQ(grid.InsertRow("", 0), -1);  // inside the fixed rows
    EXPECT_EQ(grid.InsertRow("", 4), -1);  // at the row count
    EXPECT_EQ(grid.GetRowCount(), 4);
    EXPECT_EQ(grid.InsertRow("mid", 2), 2);
    EXPECT_EQ(grid.GetCellText(2, 0), "mid");
    EXPECT_EQ(grid.InsertRow("last"), 5);
    EXPECT_EQ(grid.GetRowCount(), 6);
}

TEST(GridCounts, FixedCountsFollowTheRowAndColumnCounts) {
    CGridCtrl grid(5, 4, 3, 2);
    EXPECT_EQ(grid.GetCellState(2, 3) & (GVIS_FIXED | GVIS_FIXEDROW), GVIS_FIXED | GVIS_FIXEDROW);
    EXPECT_EQ(grid.GetCellState(0, 0) & 0x70, 0x70u);
    ASSERT_TRUE(grid.SetRowCount(2));
    EXPECT_EQ(grid.GetFixedRowCount(), 2);
    ASSERT_TRUE(grid.SetFixedColumnCount(6));
    EXPECT_EQ(grid.GetColumnCount(), 6);
    // A fixed row that becomes a data row loses its heading look and its colours.
    ASSERT_TRUE(grid.SetRowCount(4));
    grid.SetCellBackColour(1, 3, platform::MakeRgb(1, 2, 3));
    ASSERT_TRUE(grid.SetFixedColumnCount(1));
    ASSERT_TRUE(grid.SetFixedRowCount(1));
    EXPECT_EQ(grid.GetCellState(1, 3) & 0x70, 0u);
    EXPECT_EQ(grid.GetCellState(1, 0) & 0x70, GVIS_FIXED | GVIS_FIXEDCOL);
    EXPECT_EQ(grid.GetCell(1, 3)->GetBackColour(), CLR_DEFAULT);
}

TEST(GridCounts, SizesRefuseBadIndexesAndNegativeSizesAndZeroHides) {
    CGridCtrl grid(3, 3);
    EXPECT_FALSE(grid.SetColumnWidth(1, -1));
    EXPECT_FALSE(grid.SetColumnWidth(3, 10));
    EXPECT_FALSE(grid.SetRowHeight(-1, 10));
    EXPECT_EQ(grid.GetColumnWidth(5), -1);
    EXPECT_TRUE(grid.SetColumnWidth(1, 0));
    EXPECT_EQ(grid.GetColumnWidth(1), 0);
    EXPECT_EQ(grid.GetTotalColumnWidth(), 2 * grid.GetColumnWidth(0));
}

TEST(GridCounts, ClearingTheModifiedFlagClearsItOnEveryCell) {
    CGridCtrl grid(3, 3);
    grid.SetCellText(1, 1, "x");
    grid.SetCellText(2, 2, "y");
    EXPECT_TRUE(grid.GetModified());
    EXPECT_TRUE(grid.GetCellState(1, 1) & GVIS_MODIFIED);
    grid.SetModified(false);
    EXPECT_FALSE(grid.GetModified());
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c) EXPECT_FALSE(grid.GetCellState(r, c) & GVIS_MODIFIED);
}

// A count operation that fails half way leaves the grid exactly as it was: never a count
// without its rows or cells.
TEST(GridCounts, AFailedCountChangeLeavesTheGridAsItWas) {
    CGridCtrl grid(3, 2);
    grid.SetCellText(2, 1, "kept");
    int made = 0;
    int limit = 0;
    grid.SetDefaultCellType([&]() -> std::unique_ptr<CGridCellBase> {
        if (++made > limit) throw std::bad_alloc();
        return std::make_unique<CGridCell>();
    });
    struct Case {
        const char* what;
        std::function<bool()> change;
    };
    const std::vector<Case> cases = {
        {"rows", [&] { return grid.SetRowCount(10); }},
        {"columns", [&] { return grid.SetColumnCount(6); }},
        {"insert", [&] { return grid.InsertRow("x", 1) >= 0; }},
        {"fixed rows", [&] { return grid.SetFixedRowCount(8); }},
    };
    for (const Case& c : cases) {
        made = 0;
        limit = 1;  // one cell is made, then the next one fails
        EXPECT_FALSE(c.change()) << c.what;
        EXPECT_EQ(grid.GetRowCount(), 3) << c.what;
        EXPECT_EQ(grid.GetColumnCount(), 2) << c.what;
        EXPECT_EQ(grid.GetCellText(2, 1), "kept") << c.what;
        for (int r = 0; r < 3; ++r)
            for (int col = 0; col < 2; ++col) EXPECT_NE(grid.GetCell(r, col), nullptr) << c.what;
        EXPECT_EQ(grid.GetTotalRowHeight(), 3 * grid.GetRowHeight(0)) << c.what;
    }
}

// ---- Cells

TEST_F(GridWithWindow, ACellWithoutItsOwnFormattingDrawsWithItsDefaultCells) {
    Fill(grid, 3, 3);
    CGridDefaultCell* normal = grid.GetDefaultCell(false, false);
    normal->SetTextColour(platform::MakeRgb(10, 20, 30));
    normal->SetFormat(DT_RIGHT | DT_SINGLELINE);
    const Font big{"Serif", 30};
    normal->SetFont(&big);
    normal->SetMargin(4);
    CGridCell cell;
    cell.SetGrid(&grid);
    cell.SetText("v");
    RecordingPainter p;
    ASSERT_TRUE(cell.Draw(p, 1, 1, {10, 10, 59, 29}, false));
    EXPECT_TRUE(p.fills.empty());  // the background was erased by the grid
    ASSERT_EQ(p.texts.size(), 1u);
    EXPECT_EQ(p.texts[0].colour, platform::MakeRgb(10, 20, 30));
    EXPECT_EQ(p.texts[0].format, DT_RIGHT | DT_SINGLELINE | DT_NOPREFIX);
    EXPECT_EQ(p.texts[0].font, big);
    EXPECT_EQ(p.texts[0].rect, (DeviceRect{14, 14, 57, 27}));

    // An own background colour is filled even when the grid does not ask for erasing.
    cell.SetBackColour(platform::MakeRgb(200, 0, 0));
    RecordingPainter own;
    cell.Draw(own, 1, 1, {10, 10, 59, 29}, false);
    ASSERT_EQ(own.fills.size(), 1u);
    EXPECT_EQ(own.fills[0].colour, platform::MakeRgb(200, 0, 0));
    EXPECT_EQ(own.fills[0].rect, (DeviceRect{10, 10, 60, 30}));
}

TEST_F(GridWithWindow, FocusedCellsAreFramedAndSelectedOnesHighlighted) {
    Fill(grid, 3, 3);
    const GridSystemColours& sys = grid.SystemColours();
    const ColorRef text = grid.GetDefaultCell(false, false)->GetTextColour();
    grid.SetCellBackColour(1, 1, platform::MakeRgb(0, 200, 0));
    grid.SetFocusCell(1, 1);
    RecordingPainter focused;
    grid.GetCell(1, 1)->Draw(focused, 1, 1, {50, 20, 99, 39}, false);
    ASSERT_EQ(focused.frames.size(), 1u);
    EXPECT_EQ(focused.frames[0].colour, text);
    EXPECT_EQ(focused.fills.at(0).colour,
              platform::MakeRgb(0, 200, 0));  // keeps its own background
    EXPECT_EQ(focused.texts.at(0).colour, text);

    grid.SetSelectedRange(1, 1, 1, 1);
    RecordingPainter both;
    grid.GetCell(1, 1)->Draw(both, 1, 1, {50, 20, 99, 39}, false);
    EXPECT_EQ(both.fills.at(0).colour, sys.highlight);
    EXPECT_EQ(both.frames.at(0).colour, sys.highlightText);
    EXPECT_EQ(both.texts.at(0).colour, sys.highlightText);
}

TEST_F(GridWithWindow, FixedCellsOfTheFocusRowAndColumnLookPressed) {
    Fill(grid, 4, 4);
    grid.SetFocusCell(2, 2);
    const GridSystemColours& sys = grid.SystemColours();
    // The first line of a fixed cell: dark along the left edge when pressed, light when raised.
    auto firstLine = [&](int r, int c) {
        RecordingPainter p;
        DeviceRect rect;
        grid.GetCellRect(r, c, rect);
        grid.GetCell(r, c)->Draw(p, r, c, rect, false);
        return p.lines.at(0).colour;
    };
    EXPECT_EQ(firstLine(0, 2), sys.darkShadow);  // the focus column's heading
    EXPECT_EQ(firstLine(2, 0), sys.darkShadow);  // the focus row's header
    EXPECT_EQ(firstLine(0, 1), sys.light);
    EXPECT_EQ(firstLine(3, 0), sys.light);
}

TEST(GridCells, ADefaultCellIsAlwaysReadOnly) {
    CGridCtrl grid;
    CGridDefaultCell* d = grid.GetDefaultCell(true, false);
    d->SetState(0);
    EXPECT_TRUE(d->IsReadOnly());
    EXPECT_TRUE(grid.GetDefaultCell(false, false)->GetState() & GVIS_READONLY);
}

TEST_F(GridWithWindow, DefaultCellsMeasureTheirFontAndCellsTheirText) {
    // 7 pixels a character, 14 high: margin one blank, width " XXXXXXXXXXXX ", 1.5 times high.
    const CGridDefaultCell* d = grid.GetDefaultCell(false, false);
    EXPECT_EQ(d->GetMargin(), 7);
    EXPECT_EQ(d->GetWidth(), 14 * 7);
    EXPECT_EQ(d->GetHeight(), 21);
    Fill(grid, 2, 2);
    grid.SetCellText(1, 1, "abc\nlonger line");
    CGridCellBase* cell = grid.GetCell(1, 1);
    EXPECT_EQ(cell->MeasureCell(window.Measurer()).cx, 15 * 7 + 14 + 1);  // one line, extent
    cell->SetFormat(DT_WORDBREAK);
    const TextSize wrapped = cell->MeasureCell(window.Measurer());
    EXPECT_EQ(wrapped.cx, 11 * 7 + 14 + 1);  // the widest line
    EXPECT_EQ(wrapped.cy, 2 * 14 + 14 + 1);
}

TEST_F(GridWithWindow, OptionCellsDrawADropButtonWhileEditable) {
    Fill(grid, 3, 3);
    ASSERT_TRUE(grid.SetCellType(1, 1, CellFactoryOf<CGridCellCombo>()));
    EXPECT_EQ(grid.GetCellText(1, 1), "r1c1");  // the contents moved to the new cell
    RecordingPainter p;
    grid.GetCell(1, 1)->Draw(p, 1, 1, {50, 20, 99, 39}, false);
    ASSERT_EQ(p.buttons.size(), 1u);
    EXPECT_EQ(p.buttons[0], (DeviceRect{99 - 16, 20, 99, 36}));
    grid.SetCellState(1, 1, grid.GetCellState(1, 1) | GVIS_READONLY);
    RecordingPainter readOnly;
    grid.GetCell(1, 1)->Draw(readOnly, 1, 1, {50, 20, 99, 39}, false);
    EXPECT_TRUE(readOnly.buttons.empty());
}

// ---- Geometry and scrolling

TEST_F(GridWithWindow, ScrollBarsAppearOnlyWhereTheContentNeedsThem) {
    struct Case {
        const char* what;
        int rows, cols, fixedCols, fixedWidth;
        bool horizontal, vertical;
    };
    // The window is 300 x 200; rows 20 high, columns 50 wide.
    const std::vector<Case> cases = {
        {"fits", 5, 4, 1, 50, false, false},
        {"too tall", 20, 4, 1, 50, false, true},
        {"fixed columns wider than the window", 20, 8, 1, 400, false, false},
        // 6 columns = 300 pixels fit, until the vertical bar takes 16 of them.
        {"wide only beside the vertical bar", 20, 6, 1, 50, true, true},
    };
    for (const Case& c : cases) {
        Fill(grid, c.rows, c.cols, 1, c.fixedCols);
        grid.SetColumnWidth(0, c.fixedWidth);
        EXPECT_EQ((grid.GetScrollBarState() & 1) != 0, c.horizontal) << c.what;
        EXPECT_EQ((grid.GetScrollBarState() & 2) != 0, c.vertical) << c.what;
        EXPECT_EQ(window.bars.horizontal, c.horizontal) << c.what;
        grid.DeleteAllItems();
    }
}

TEST_F(GridWithWindow, CellsArePlacedAndFoundByPoints) {
    Fill(grid, 20, 10);
    DeviceRect rect;
    ASSERT_TRUE(grid.GetCellRect(2, 3, rect));
    EXPECT_EQ(rect, (DeviceRect{150, 40, 199, 59}));
    struct Case {
        DevicePoint point;
        bool includeFixed;
        CCellID expected;
    };
    const std::vector<Case> cases = {
        {{150, 40}, true, {2, 3}},  {{199, 59}, true, {2, 3}},  {{10, 5}, true, {0, 0}},
        {{10, 5}, false, {-1, -1}}, {{60, 5}, false, {-1, 1}},  {{-1, 30}, true, {1, -1}},
        {{499, 30}, true, {1, 9}},  {{500, 30}, true, {1, -1}}, {{60, 400}, true, {19, 1}},
        {{60, 401}, true, {-1, 1}},
    };
    grid.SetRowHeight(19, 21);
    for (const Case& c : cases)
        EXPECT_EQ(grid.GetCellFromPoint(c.point, c.includeFixed), c.expected)
            << c.point.x << "," << c.point.y;
    // Scrolled three columns right: column 4 shows after the fixed column.
    grid.OnScroll(ScrollBar::Horizontal, SB_LINEDOWN);
    grid.OnScroll(ScrollBar::Horizontal, SB_LINEDOWN);
    grid.OnScroll(ScrollBar::Horizontal, SB_LINEDOWN);
    EXPECT_EQ(grid.GetTopLeftNonFixedCell(), CCellID(1, 4));
    EXPECT_EQ(grid.GetCellFromPoint({60, 30}), CCellID(1, 4));
    EXPECT_FALSE(grid.GetCellRect(1, 2, rect));
    EXPECT_FALSE(grid.IsCellVisible(1, 3));
    EXPECT_TRUE(grid.IsCellVisible(1, 8));  // partly visible at the right
    EXPECT_FALSE(grid.IsCellVisible(1, 9));
}

TEST_F(GridWithWindow, LineScrollsStopAtTheEndsAndSkipHiddenColumns) {
    Fill(grid, 5, 12);
    grid.SetColumnWidth(1, 0);
    grid.OnScroll(ScrollBar::Horizontal, SB_LINEDOWN);  // past the hidden column and the next
    EXPECT_EQ(grid.GetScrollPosition(ScrollBar::Horizontal), 50);
    EXPECT_EQ(grid.GetTopLeftNonFixedCell().col, 3);
    grid.OnScroll(ScrollBar::Horizontal, SB_BOTTOM);
    const int end = grid.GetScrollPosition(ScrollBar::Horizontal);
    EXPECT_EQ(end, grid.GetScrollLimit(ScrollBar::Horizontal));
    grid.OnScroll(ScrollBar::Horizontal, SB_LINEDOWN);
    EXPECT_EQ(grid.GetScrollPosition(ScrollBar::Horizontal), end);
    grid.OnScroll(ScrollBar::Horizontal, SB_TOP);
    grid.OnScroll(ScrollBar::Horizontal, SB_LINEUP);
    EXPECT_EQ(grid.GetScrollPosition(ScrollBar::Horizontal), 0);
}

TEST_F(GridWithWindow, EnsureVisibleBringsTheWholeCellIn) {
    Fill(grid, 40, 20);
    grid.EnsureVisible(30, 15);
    DeviceRect rect;
    ASSERT_TRUE(grid.GetCellRect(30, 15, rect));
    EXPECT_LE(rect.right, window.ClientWidth() - 1);
    EXPECT_LE(rect.bottom, window.ClientHeight() - 1);
    EXPECT_GE(rect.left, grid.GetFixedColumnWidth());
    grid.EnsureVisible(1, 1);
    EXPECT_EQ(grid.GetTopLeftNonFixedCell(), CCellID(1, 1));
    EXPECT_EQ(grid.GetScrollPosition(ScrollBar::Vertical), 0);
}

TEST(GridWheel, ANotchScrollsItsLinesOrOnePage) {
    CGridCtrl grid;
    EXPECT_EQ(grid.WheelScrollRequests(120), std::vector<int>(3, SB_LINEUP));
    EXPECT_EQ(grid.WheelScrollRequests(-240), std::vector<int>(6, SB_LINEDOWN));
    grid.SetWheelScrollLines(-1);
    EXPECT_EQ(grid.WheelScrollRequests(120), std::vector<int>(1, SB_PAGEUP));
    EXPECT_EQ(grid.WheelScrollRequests(-119), std::vector<int>());
}

TEST_F(GridWithWindow, AutomaticColumnSizingMeasuresTheRowsItsStyleNames) {
    Fill(grid, 4, 3);
    grid.SetCellText(0, 1, "a long heading");         // 14 characters
    grid.SetCellText(2, 1, "wide data text, wider");  // 21 characters
    grid.SetColumnWidth(2, 0);
    const int margins = 2 * 7;
    struct Case {
        int style;
        int width;
    };
    for (const Case& c : {Case{1, 14 * 7 + margins + 2}, Case{2, 21 * 7 + margins + 1},
                          Case{3, 21 * 7 + margins + 1}, Case{0, 21 * 7 + margins + 1}}) {
        ASSERT_TRUE(grid.AutoSizeColumn(1, c.style));
        EXPECT_EQ(grid.GetColumnWidth(1), c.width) << "style " << c.style;
    }
    EXPECT_FALSE(grid.AutoSizeColumn(2));  // hidden
    EXPECT_EQ(grid.GetColumnWidth(2), 0);
}

// ---- Painting

TEST_F(GridWithWindow, AnEmptyGridPaintsOnlyTheGridBackground) {
    RecordingPainter p;
    grid.DrawGrid(p, {0, 0, 300, 200});
    ASSERT_FALSE(p.fills.empty());
    for (const auto& f : p.fills) EXPECT_EQ(f.colour, grid.GetGridBkColour());
    EXPECT_TRUE(p.texts.empty());
}

TEST_F(GridWithWindow, PaintingSkipsHiddenColumnsAndCellsOutsideTheClip) {
    Fill(grid, 4, 4);
    grid.SetColumnWidth(2, 0);
    RecordingPainter p;
    grid.DrawGrid(p, {0, 0, 300, 200});
    std::vector<int> verticals;
    for (const auto& l : p.lines)
        if (l.x1 == l.x2 && l.colour == grid.GetGridLineColour()) verticals.push_back(l.x1);
    EXPECT_EQ(verticals, (std::vector<int>{99, 149}));  // no line for the hidden column
    for (const auto& t : p.texts) EXPECT_NE(t.text.substr(2), "c2");
    // The background right of the last column shows the grid background.
    bool background = false;
    for (const auto& f : p.fills)
        background |= f.colour == grid.GetGridBkColour() && f.rect.left == 150;
    EXPECT_TRUE(background);

    RecordingPainter part;
    grid.DrawGrid(part, {60, 45, 70, 50});  // inside cell (2, 1)
    std::vector<std::string> drawn;
    for (const auto& t : part.texts) drawn.push_back(t.text);
    EXPECT_EQ(drawn, (std::vector<std::string>{"r0c0", "r2c1"}));
}

}  // namespace
