// The grid's model without a widget: selection and focus, clipboard text, the edit protocol
// with the owner, and key navigation.
#include "grid_test_support.h"

#include "support/fake_services.h"

#include <gtest/gtest.h>

namespace {

using namespace gridtest;

// A 6 x 5 grid (one fixed row and column) in a 300 x 200 window, with an owner.
struct Grid : ::testing::Test {
    Grid() : owner(&grid) {
        grid.AttachWindow(&window);
        grid.SetOwner(&owner);
        Fill(grid, 6, 5);
    }
    std::vector<CCellID> Selected() const {
        std::vector<CCellID> cells;
        for (int r = 0; r < grid.GetRowCount(); ++r)
            for (int c = 0; c < grid.GetColumnCount(); ++c)
                if (grid.IsCellSelected(r, c)) cells.push_back({r, c});
        return cells;
    }
    void Key(unsigned key, bool ctrl = false, bool shift = false) {
        grid.OnKeyDown(key, ctrl, shift);
    }
    testsupport::FakeServices fakes;
    FakeWindow window;
    CGridCtrl grid;
    OwnerFake owner;
};

// ---- Selection and focus

TEST_F(Grid, BlocksOverFixedCellsAreClampedAndSelectFalseKeepsTheRest) {
    grid.SetSelectedRange(0, 0, 2, 2);
    EXPECT_EQ(Selected(), (std::vector<CCellID>{{1, 1}, {1, 2}, {2, 1}, {2, 2}}));
    EXPECT_EQ(grid.GetSelectedCount(), 4u);
    grid.SetSelectedRange(2, 2, 2, 2, false, false);
    EXPECT_EQ(Selected(), (std::vector<CCellID>{{1, 1}, {1, 2}, {2, 1}}));
    EXPECT_EQ(grid.GetSelectedCellRange(), CCellBlock(1, 1, 2, 2));
    grid.SetSelectedRange(-1, -1, -1, -1);
    EXPECT_TRUE(Selected().empty());
    EXPECT_FALSE(grid.GetSelectedCellRange().IsValid());
}

TEST_F(Grid, MovingTheFocusOntoAFixedCellLandsOnTheFirstDataRowOrColumn) {
    grid.SetFocusCell(0, 3);
    EXPECT_EQ(grid.GetFocusCell(), CCellID(1, 3));
    grid.SetFocusCell(4, 0);
    EXPECT_EQ(grid.GetFocusCell(), CCellID(4, 1));
    EXPECT_TRUE(grid.GetCellState(4, 1) & GVIS_FOCUSED);
    EXPECT_FALSE(grid.GetCellState(1, 3) & GVIS_FOCUSED);
}

// The selected cells are keyed by the whole row and column: beyond 65,535 rows no two rows
// share a key.
TEST(GridSelectionKeys, SelectingRow65537NeverSelectsRow1) {
    CGridCtrl grid(70000, 2, 0, 0);
    grid.SetCellText(1, 1, "row 1");
    grid.SetCellText(65537, 1, "row 65537");
    grid.SetSelectedRange(65537, 0, 65537, 1);
    EXPECT_FALSE(grid.IsCellSelected(1, 1));
    EXPECT_EQ(grid.GetSelectedCellRange(), CCellBlock(65537, 0, 65537, 1));
    EXPECT_EQ(grid.CopyTextFromSelection(), "\trow 65537");
    grid.SetCellState(65537, 1, 0);
    EXPECT_EQ(grid.GetSelectedCount(), 1u);
    EXPECT_EQ(grid.GetSelectedCellRange(), CCellBlock(65537, 0, 65537, 0));
}

// ---- Copy, cut and clear

TEST_F(Grid, CopiedTextHasALinePerShownRowAndAFieldPerShownColumn) {
    auto text = [&](int r, int c, const char* t) { grid.SetCellText(r, c, t); };
    text(1, 1, "a"), text(1, 2, "b"), text(1, 3, "c"), text(2, 1, "d"), text(2, 2, "e"),
        text(2, 3, "f");
    struct Case {
        const char* what;
        std::function<void()> select;
        std::string expected;
    };
    const std::vector<Case> cases = {
        {"block", [&] { grid.SetSelectedRange(1, 1, 2, 3); }, "a\tb\tc\r\nd\te\tf"},
        {"two single cells",
         [&] {
             grid.SetCellState(1, 1, grid.GetCellState(1, 1) | GVIS_SELECTED);
             grid.SetCellState(2, 2, grid.GetCellState(2, 2) | GVIS_SELECTED);
         },
         "a\t\r\n\te"},
        {"hidden row and column",
         [&] {
             grid.SetSelectedRange(1, 1, 3, 3);
             grid.SetRowHeight(2, 0);
             grid.SetColumnWidth(2, 0);
         },
         "a\tc\r\nr3c1\tr3c3"},
    };
    for (const Case& c : cases) {
        grid.SetSelectedRange(-1, -1, -1, -1);
        c.select();
        EXPECT_EQ(grid.CopyTextFromSelection(), c.expected) << c.what;
        grid.CopySelectedText();
        EXPECT_EQ(fakes.clipboard.text, c.expected) << c.what;
    }
    grid.SetSelectedRange(-1, -1, -1, -1);
    fakes.clipboard.text = "untouched";
    grid.CopySelectedText();  // nothing selected: nothing copied
    EXPECT_EQ(fakes.clipboard.text, "untouched");
}

TEST_F(Grid, CutEmptiesTheCopiedCellsAndDeleteOnlyTheSelectedOnes) {
    grid.SetSelectedRange(1, 1, 1, 2);
    grid.CutSelectedText();
    EXPECT_EQ(fakes.clipboard.text, "r1c1\tr1c2");
    EXPECT_EQ(grid.GetCellText(1, 1), "");
    EXPECT_EQ(grid.GetCellText(1, 2), "");
    EXPECT_EQ(owner.Count(BeginEdit), 2);
    EXPECT_EQ(owner.Count(EndEdit), 2);

    grid.SetSelectedRange(3, 3, 3, 3);
    grid.SetFocusCell(4, 4);
    Key(VK_DELETE);
    EXPECT_EQ(grid.GetCellText(3, 3), "");
    EXPECT_EQ(grid.GetCellText(4, 4), "r4c4");
}

// ---- Paste

TEST_F(Grid, PastedTextFillsTheCellsFromTheStartCell) {
    struct Case {
        const char* what;
        std::string text;
        std::vector<std::pair<CCellID, std::string>> cells;
        CCellBlock selected;
        int written;
    };
    const std::vector<Case> cases = {
        {"comma and tab, CRLF",
         "1,2\r\n3\t4\r\n",
         {{{1, 1}, "1"}, {{1, 2}, "2"}, {{2, 1}, "3"}, {{2, 2}, "4"}, {{3, 1}, "r3c1"}},
         {1, 1, 2, 2},
         4},
        {"LF only",
         " 1 \n3\t4\n",
         {{{1, 1}, "1"}, {{1, 2}, "r1c2"}, {{2, 2}, "4"}},
         {1, 1, 2, 2},
         3},
        {"a separator at the end adds no field",
         "x\t",
         {{{1, 1}, "x"}, {{1, 2}, "r1c2"}},
         {1, 1, 1, 1},
         1},
    };
    for (const Case& c : cases) {
        Fill(grid, 6, 5);
        grid.ResetSelection();
        owner.notes.clear();
        grid.SetFocusCell(1, 1);
        fakes.clipboard.text = c.text;
        grid.PasteFromClipboard();
        for (const auto& [cell, text] : c.cells)
            EXPECT_EQ(grid.GetCellText(cell.row, cell.col), text) << c.what;
        EXPECT_EQ(grid.GetSelectedCellRange(), c.selected) << c.what;
        EXPECT_EQ(owner.Count(BeginEdit), c.written) << c.what;
        EXPECT_EQ(owner.Count(EndEdit), c.written) << c.what;
    }
}

TEST_F(Grid, PastingNeverAddsColumnsAndLeavesReadOnlyCellsAlone) {
    grid.SetCellState(2, 3, grid.GetCellState(2, 3) | GVIS_READONLY);
    fakes.clipboard.text = "a\tb\tc\td\r\ne\tf\tg\th";
    ASSERT_TRUE(grid.PasteTextToGrid(1, 2, fakes.clipboard.text, true));
    EXPECT_EQ(grid.GetColumnCount(), 5);
    EXPECT_EQ(grid.GetCellText(1, 2), "a");
    EXPECT_EQ(grid.GetCellText(1, 4), "c");
    EXPECT_EQ(grid.GetCellText(2, 2), "e");
    EXPECT_EQ(grid.GetCellText(2, 3), "r2c3");  // read-only
    EXPECT_EQ(grid.GetCellText(2, 4), "g");
    EXPECT_EQ(grid.GetSelectedCellRange(), CCellBlock(1, 2, 2, 4));
}

TEST_F(Grid, AnEmptyClipboardChangesNothing) {
    grid.SetFocusCell(1, 1);
    grid.SetSelectedRange(1, 1, 1, 1);
    fakes.clipboard.text = "x";
    EXPECT_TRUE(grid.CanPaste());
    fakes.clipboard.text.clear();
    EXPECT_FALSE(grid.CanPaste());
    grid.PasteFromClipboard();
    EXPECT_EQ(grid.GetCellText(1, 1), "r1c1");
    EXPECT_TRUE(owner.notes.empty());
    EXPECT_EQ(Selected(), (std::vector<CCellID>{{1, 1}}));
    EXPECT_FALSE(grid.GetModified());
}

// A paste that cannot go in, wholly or in part, says why in one box; one that goes in whole
// shows none.
TEST_F(Grid, APasteThatCannotGoInSaysWhy) {
    const struct {
        const char* what;
        const char* clipboard;
        CCellID start;
        CCellID readOnly;
        const char* message;  // "" for none
    } cases[] = {
        {"empty clipboard",
         "",
         {1, 1},
         {-1, -1},
         "Nothing was pasted: the clipboard holds no text."},
        {"read-only start",
         "x",
         {2, 2},
         {2, 2},
         "Nothing was pasted: the first cell to paste into cannot be changed."},
        {"columns past the last",
         "a\tb\tc\td\r\ne\tf",
         {1, 3},
         {-1, -1},
         "2 pasted values did not fit into the table and were left out."},
        {"rows past the last",
         "1\n2\n3\n4\n5\n6\n7",
         {3, 1},
         {-1, -1},
         "4 pasted values did not fit into the table and were left out."},
        {"a read-only cell and a row too many",
         "a\tb\r\nc\td\r\ne\tf\r\ng",
         {3, 1},
         {4, 2},
         "1 pasted values did not fit into the table and were left out.\n1 pasted values were "
         "for cells that cannot be changed and were left out."},
        {"all in", "a\tb\r\nc\td\r\n", {1, 1}, {-1, -1}, ""},
    };
    for (const auto& c : cases) {
        Fill(grid, 6, 5);
        for (int r = 1; r < 6; ++r)
            for (int col = 1; col < 5; ++col)
                grid.SetCellState(r, col, grid.GetCellState(r, col) & ~GVIS_READONLY);
        if (c.readOnly.row >= 0)
            grid.SetCellState(c.readOnly.row, c.readOnly.col,
                              grid.GetCellState(c.readOnly.row, c.readOnly.col) | GVIS_READONLY);
        grid.SetFocusCell(c.start);
        grid.SetSelectedRange(c.start.row, c.start.col, c.start.row, c.start.col);
        fakes.clipboard.text = c.clipboard;
        fakes.messageBoxes.requests.clear();
        Key(VK_KEY_V, true);
        const std::vector<std::string> expected =
            *c.message ? std::vector<std::string>{c.message} : std::vector<std::string>{};
        EXPECT_EQ(fakes.messageBoxes.Texts(), expected) << c.what;
        if (*c.message) {
            EXPECT_EQ(fakes.messageBoxes.requests[0].caption, "ERROR") << c.what;
        }
    }
}

// Rows selected by a click on their headers leave no focus cell; Ctrl+V pastes the copied rows
// there, row by row from the first selected row's first data column.
TEST_F(Grid, CtrlVPastesRowsOntoRowsSelectedByTheirHeaders) {
    DeviceRect rect;
    ASSERT_TRUE(grid.GetCellRect(2, 0, rect));
    const DevicePoint header{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
    grid.OnLButtonDown(header, false, false);
    grid.OnLButtonUp(header);
    ASSERT_FALSE(grid.IsValid(grid.GetFocusCell()));
    ASSERT_EQ(grid.GetSelectedCellRange(), CCellBlock(2, 1, 2, 4));
    fakes.clipboard.text = "1\t2\t3\t4\r\n5\t6\t7\t8\r\n";
    Key(VK_KEY_V, true);
    EXPECT_EQ(grid.GetCellText(2, 1), "1");
    EXPECT_EQ(grid.GetCellText(2, 4), "4");
    EXPECT_EQ(grid.GetCellText(3, 1), "5");
    EXPECT_EQ(grid.GetCellText(3, 4), "8");
    EXPECT_EQ(grid.GetSelectedCellRange(), CCellBlock(2, 1, 3, 4));
    EXPECT_TRUE(fakes.messageBoxes.requests.empty());

    grid.SetSelectedRange(2, 1, 3, 4);
    Key(VK_KEY_C, true);
    EXPECT_EQ(fakes.clipboard.text, "1\t2\t3\t4\r\n5\t6\t7\t8");
}

// ---- The edit protocol

TEST_F(Grid, EndingAnEditWithTheSameTextSendsNothingAndLeavesTheCellUnmodified) {
    grid.EndCellEdit(2, 2, "r2c2");
    EXPECT_TRUE(owner.notes.empty());
    EXPECT_FALSE(grid.GetCellState(2, 2) & GVIS_MODIFIED);
    EXPECT_FALSE(grid.GetModified());
}

TEST_F(Grid, AnOwnerRefusingTheEditSeesTheNewTextDuringTheCallAndTheOldAfter) {
    owner.endEditAnswer = -1;
    grid.EndCellEdit(2, 2, "new");
    ASSERT_EQ(owner.Count(EndEdit), 1);
    EXPECT_EQ(owner.notes.back().textDuring, "new");
    EXPECT_EQ(grid.GetCellText(2, 2), "r2c2");
    EXPECT_FALSE(grid.GetCellState(2, 2) & GVIS_MODIFIED);
    owner.endEditAnswer = 0;
    grid.EndCellEdit(2, 2, "new");
    EXPECT_EQ(grid.GetCellText(2, 2), "new");
    EXPECT_TRUE(grid.GetCellState(2, 2) & GVIS_MODIFIED);
    EXPECT_TRUE(grid.GetModified());
}

TEST_F(Grid, ARefusedBeginEditKeepsPastedAndClearedCells) {
    owner.beginEditAnswer = -1;
    grid.SetSelectedRange(1, 1, 2, 2);
    grid.ClearSelectedCellTexts();
    EXPECT_EQ(grid.GetCellText(1, 1), "r1c1");
    EXPECT_EQ(owner.Count(EndEdit), 0);
}

// ---- Keys

TEST_F(Grid, TabMovesRightWrapsToTheNextRowAndStaysInTheLastCell) {
    struct Case {
        CCellID from;
        bool shift;
        CCellID to;
    };
    const std::vector<Case> cases = {
        {{1, 1}, false, {1, 2}}, {{1, 4}, false, {2, 1}}, {{5, 4}, false, {5, 4}},
        {{2, 1}, true, {1, 4}},  {{1, 1}, true, {1, 1}},  {{3, 3}, true, {3, 2}},
    };
    for (const Case& c : cases) {
        grid.SetFocusCell(c.from);
        Key(VK_TAB, false, c.shift);
        EXPECT_EQ(grid.GetFocusCell(), c.to) << c.from.row << "," << c.from.col;
    }
}

TEST_F(Grid, ArrowsSkipHiddenRowsAndColumnsAndStopAtTheEdges) {
    grid.SetRowHeight(3, 0);
    grid.SetColumnWidth(2, 0);
    grid.SetFocusCell(2, 1);
    Key(VK_DOWN);
    EXPECT_EQ(grid.GetFocusCell(), CCellID(4, 1));
    Key(VK_RIGHT);
    EXPECT_EQ(grid.GetFocusCell(), CCellID(4, 3));
    Key(VK_UP);
    EXPECT_EQ(grid.GetFocusCell(), CCellID(2, 3));
    Key(VK_LEFT);
    EXPECT_EQ(grid.GetFocusCell(), CCellID(2, 1));
    Key(VK_LEFT);
    EXPECT_EQ(grid.GetFocusCell(), CCellID(2, 1));  // never into the fixed column

    grid.SetFocusCell(5, 1);
    owner.notes.clear();
    Key(VK_DOWN);
    EXPECT_EQ(grid.GetFocusCell(), CCellID(5, 1));
    EXPECT_TRUE(owner.notes.empty());
}

TEST_F(Grid, ShiftExtendsTheSelectionFromTheAnchorAndTabRestartsIt) {
    grid.SetFocusCell(1, 1);
    Key(VK_RIGHT);
    EXPECT_EQ(Selected(), (std::vector<CCellID>{{1, 2}}));
    EXPECT_EQ(owner.Codes(), (std::vector<int>{Changing, Changed}));
    Key(VK_DOWN, false, true);
    Key(VK_RIGHT, false, true);
    EXPECT_EQ(Selected(), (std::vector<CCellID>{{1, 2}, {1, 3}, {2, 2}, {2, 3}}));
    Key(VK_TAB, false, false);
    EXPECT_EQ(Selected(), (std::vector<CCellID>{{2, 4}}));
    EXPECT_EQ(grid.GetSelectionStartCell(), CCellID(2, 4));
}

TEST_F(Grid, PageKeysOnTheLastAndFirstPageGoToTheLastAndFirstDataRow) {
    Fill(grid, 40, 5);
    grid.SetFocusCell(2, 2);
    Key(VK_NEXT);
    EXPECT_GT(grid.GetFocusCell().row, 2);
    for (int i = 0; i < 10; ++i) Key(VK_NEXT);
    EXPECT_EQ(grid.GetFocusCell(), CCellID(39, 2));
    for (int i = 0; i < 10; ++i) Key(VK_PRIOR);
    EXPECT_EQ(grid.GetFocusCell(), CCellID(1, 2));
    Key(VK_END, true);
    EXPECT_EQ(grid.GetFocusCell(), CCellID(39, 4));
    Key(VK_HOME, true);
    EXPECT_EQ(grid.GetFocusCell(), CCellID(1, 1));
    EXPECT_EQ(grid.GetScrollPosition(ScrollBar::Vertical), 0);
}

TEST_F(Grid, TypingOpensTheEditorButEscapeAndTabNever) {
    grid.SetFocusCell(2, 2);
    for (unsigned ch : {unsigned{VK_ESCAPE}, unsigned{VK_TAB}}) grid.OnChar(ch, false);
    grid.OnChar('5', true);  // with Ctrl
    EXPECT_EQ(owner.Count(BeginEdit), 0);
    grid.OnChar('5', false);
    EXPECT_EQ(owner.Count(BeginEdit), 1);
    grid.SetCellState(2, 2, grid.GetCellState(2, 2) | GVIS_READONLY);
    grid.OnChar('5', false);
    Key(VK_F2);
    EXPECT_EQ(owner.Count(BeginEdit), 1);
}

TEST_F(Grid, CtrlKeysSelectAllAndSizeEveryShownColumnToItsWidestText) {
    grid.SetFocusCell(1, 1);
    Key(VK_KEY_A, true);
    EXPECT_EQ(grid.GetSelectedCount(), 5u * 4u);
    EXPECT_EQ(grid.GetSelectedCellRange(), CCellBlock(1, 1, 5, 4));
    grid.SetCellText(3, 2, "a much wider text");
    grid.SetColumnWidth(4, 0);
    Key(VK_ADD, true);
    EXPECT_EQ(grid.GetColumnWidth(2), 17 * 7 + 14 + 1);
    EXPECT_EQ(grid.GetColumnWidth(1), 4 * 7 + 14 + 2);  // "r0c1" in the heading
    EXPECT_EQ(grid.GetColumnWidth(4), 0);
    Key(VK_KEY_C, true);
    EXPECT_EQ(fakes.clipboard.text.substr(0, 10), "r1c1\tr1c2\t");
}

}  // namespace
