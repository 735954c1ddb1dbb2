// The grid widget driven by keys: in-place editing, navigation out of an editor, option lists,
// and the clipboard keys.
#include "grid_widget_fixture.h"

#include "gridctrl/grid_cell_combo.h"

#include <QAbstractItemView>

namespace {

using namespace gridtest;

struct Editing : GridWidgetTest {
    Editing() {
        grid->SetCellText(2, 2, "12.5");
        grid->SetFocusCell(2, 2);
        grid->SetSelectedRange(2, 2, 2, 2);
        grid->SetModified(false);
    }
};

TEST_F(Editing, TheEditorOpensWithTheTypedCharacterOrTheCellText) {
    Type(Qt::Key_5);
    ASSERT_NE(Edit(), nullptr);
    EXPECT_EQ(Edit()->text(), "5");
    Type(Qt::Key_Escape);
    EXPECT_EQ(Edit(), nullptr);

    Type(Qt::Key_Backspace);
    ASSERT_NE(Edit(), nullptr);
    EXPECT_EQ(Edit()->text(), "12.");
    Type(Qt::Key_Escape);

    Click(Center(2, 2));  // a second click on the focus cell
    ASSERT_NE(Edit(), nullptr);
    EXPECT_EQ(Edit()->text(), "12.5");
    EXPECT_EQ(Edit()->selectedText(), "12.5");  // typing replaces it, as after a typed character
    Type(Qt::Key_Escape);

    Type(Qt::Key_F2);  // F2 keeps the text with the caret at its end
    ASSERT_NE(Edit(), nullptr);
    EXPECT_EQ(Edit()->text(), "12.5");
    EXPECT_EQ(Edit()->cursorPosition(), 4);
    EXPECT_FALSE(Edit()->hasSelectedText());
    Type(Qt::Key_Escape);
}

// Typing over a cell opened by a click stores what was typed, never the old text with the new
// characters added to it.
TEST_F(Editing, TypingAfterAClickOnTheFocusCellReplacesItsText) {
    Click(Center(2, 2));
    ASSERT_NE(Edit(), nullptr);
    Type(Qt::Key_2);
    Type(Qt::Key_0);
    Type(Qt::Key_Tab);
    EXPECT_EQ(grid->GetCellText(2, 2), "20");
    Type(Qt::Key_Escape);
}

TEST_F(Editing, EscapePutsTheOldTextBackAndEnterKeepsTheNewAndMovesDown) {
    Type(Qt::Key_7);
    Type(Qt::Key_Escape);
    EXPECT_EQ(grid->GetCellText(2, 2), "12.5");
    EXPECT_EQ(owner->Count(EndEdit), 0);
    EXPECT_FALSE(grid->GetModified());

    Type(Qt::Key_8);
    Type(Qt::Key_Return);
    EXPECT_EQ(Edit(), nullptr);
    EXPECT_EQ(grid->GetCellText(2, 2), "8");
    EXPECT_EQ(owner->Count(EndEdit), 1);
    EXPECT_EQ(grid->GetFocusCell(), CCellID(3, 2));
    EXPECT_EQ(Edit(), nullptr);  // the next cell opens when typed into

    Type(Qt::Key_9);
    Type(Qt::Key_Return);
    EXPECT_EQ(grid->GetCellText(3, 2), "9");
    EXPECT_EQ(grid->GetFocusCell(), CCellID(4, 2));
}

TEST_F(Editing, TabStoresMovesRightWrapsAndOpensTheEditorThere) {
    grid->SetFocusCell(2, 3);
    Type(Qt::Key_9);
    Type(Qt::Key_Tab);
    EXPECT_EQ(grid->GetCellText(2, 3), "9");
    EXPECT_EQ(grid->GetFocusCell(), CCellID(2, 4));
    ASSERT_NE(Edit(), nullptr);
    EXPECT_EQ(Edit()->selectedText(), "r2c4");  // the whole text, ready to be replaced
    Type(Qt::Key_Tab);
    EXPECT_EQ(grid->GetFocusCell(), CCellID(3, 1));  // wrapped to the next row's first data column
    ASSERT_NE(Edit(), nullptr);
    Type(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(grid->GetFocusCell(), CCellID(2, 4));
    Type(Qt::Key_Escape);
    EXPECT_EQ(grid->GetCellText(2, 4), "r2c4");
}

TEST_F(Editing, LeftEndsATypedEditButMovesTheCaretInAClickedOne) {
    Type(Qt::Key_3);
    Type(Qt::Key_Left);
    EXPECT_EQ(grid->GetCellText(2, 2), "3");
    EXPECT_EQ(grid->GetFocusCell(), CCellID(2, 1));
    Type(Qt::Key_Escape);

    grid->SetFocusCell(2, 2);
    Click(Center(2, 2));
    ASSERT_NE(Edit(), nullptr);
    Type(Qt::Key_Left);
    ASSERT_NE(Edit(), nullptr);
    EXPECT_EQ(Edit()->cursorPosition(), 0);  // "3" with the caret moved before it
    EXPECT_EQ(grid->GetFocusCell(), CCellID(2, 2));
    Type(Qt::Key_Left, Qt::ControlModifier);
    EXPECT_EQ(grid->GetFocusCell(), CCellID(2, 1));
}

TEST_F(Editing, AReadOnlyCellOpensNoEditor) {
    grid->SetCellState(2, 2, grid->GetCellState(2, 2) | GVIS_READONLY);
    Type(Qt::Key_5);
    Type(Qt::Key_F2);
    Click(Center(2, 2));
    EXPECT_EQ(Edit(), nullptr);
    EXPECT_EQ(owner->Count(BeginEdit), 0);
}

TEST_F(Editing, AnOptionCellReportsTheChosenIndexThenEndsWithItsText) {
    ASSERT_TRUE(grid->SetCellType(2, 2, CellFactoryOf<CGridCellCombo>()));
    static_cast<CGridCellCombo*>(grid->GetCell(2, 2))
        ->SetOptions({"Linear", "Nonlinear", "Two-stage"});
    Type(Qt::Key_F2);
    InPlaceList* list = List();
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->count(), 3);
    list->setCurrentIndex(2);
    QApplication::processEvents();
    EXPECT_EQ(List(), nullptr);
    EXPECT_EQ(grid->GetCellText(2, 2), "Two-stage");
    ASSERT_EQ(owner->Count(OptionChanged), 1);
    EXPECT_EQ(owner->Codes(), (std::vector<int>{BeginEdit, OptionChanged, EndEdit}));
    EXPECT_EQ(owner->notes.at(1).index, 2);
}

TEST_F(Editing, AListOfWideOptionsDropsDownAtMost200PixelsWide) {
    ASSERT_TRUE(grid->SetCellType(2, 2, CellFactoryOf<CGridCellCombo>()));
    static_cast<CGridCellCombo*>(grid->GetCell(2, 2))->SetOptions({"short", std::string(60, 'W')});
    Type(Qt::Key_F2);
    ASSERT_NE(List(), nullptr);
    EXPECT_EQ(List()->DroppedWidth(), InPlaceList::kMaxDroppedWidth);
    EXPECT_EQ(List()->view()->minimumWidth(), 200);
    List()->hidePopup();
    Type(Qt::Key_Escape);
}

TEST_F(Editing, CtrlCCopiesAndCtrlVPastesIntoAnOpenEditor) {
    grid->SetSelectedRange(1, 1, 2, 2);
    Type(Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(fakes.clipboard.text, "r1c1\tr1c2\r\nr2c1\t12.5");

    Type(Qt::Key_1);
    fakes.clipboard.text = "abc";
    Type(Qt::Key_V, Qt::ControlModifier);
    ASSERT_NE(Edit(), nullptr);
    EXPECT_EQ(Edit()->text(), "1abc");
    EXPECT_EQ(grid->GetCellText(1, 1), "r1c1");
    Type(Qt::Key_Return);
    EXPECT_EQ(grid->GetCellText(2, 2), "1abc");
}

TEST_F(Editing, CtrlVPastesTheClipboardIntoTheGrid) {
    fakes.clipboard.text = "x\ty\r\n";
    Type(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(grid->GetCellText(2, 2), "x");
    EXPECT_EQ(grid->GetCellText(2, 3), "y");
    EXPECT_EQ(Selected(), (std::vector<CCellID>{{2, 2}, {2, 3}}));
}

}  // namespace
