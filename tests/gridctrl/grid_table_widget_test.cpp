// The data-entry grid in its widget, driven with QTest: automatic rows from the keyboard (the
// grid's own keys and its editor's) and the mouse, and the row commands of its pop-up menu.
#include "grid_test_support.h"

#include "gridctrl/grid_ctrl_kdx.h"
#include "gridctrl/grid_ctrl_widget.h"
#include "support/fake_services.h"

#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include <memory>

namespace {

using namespace gridtest;

struct TableWidget : ::testing::Test {
    TableWidget() {
        auto owned = std::make_unique<CGridCtrlKDX>();
        grid = owned.get();
        widget = std::make_unique<GridCtrlWidget>(nullptr, std::move(owned));
        widget->resize(420, 300);
        const std::vector<CGridColumnDescriptor> d = {
            {}, {kDoubleColumn, false, "%.2f"}, {kDoubleColumn, false, "%.2f"}};
        grid->SetupTable(3, 4, false, {"", "X", "Y"}, "Point", {}, d, 0, 60, -1, 10);
        widget->show();
        widget->activateWindow();
        [[maybe_unused]] const bool exposed = QTest::qWaitForWindowExposed(widget.get());
        widget->setFocus();
        QApplication::processEvents();
    }
    ~TableWidget() override {
        widget.reset();
        QApplication::processEvents();
    }
    QPoint Center(int r, int c) const {
        DeviceRect rect;
        grid->GetCellRect(r, c, rect);
        return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
    }
    void Type(int key) {
        QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : widget.get();
        QTest::keyClick(target, static_cast<Qt::Key>(key));
    }

    testsupport::FakeServices fakes;
    std::unique_ptr<GridCtrlWidget> widget;
    CGridCtrlKDX* grid = nullptr;
};

TEST_F(TableWidget, TabInTheLastCellAppendsRowsAlsoFromAnOpenEditorAndKeepsTheFocusInTheGrid) {
    grid->SetFocusCell(3, 2);
    Type(Qt::Key_Tab);
    EXPECT_EQ(grid->GetRowCount(), 14);
    EXPECT_EQ(grid->GetFocusCell(), CCellID(4, 1));
    EXPECT_EQ(widget->focusWidget(), widget.get());  // whether or not the window was activated
    // Typing into the last cell and leaving it with Tab.
    grid->SetFocusCell(13, 2);
    Type(Qt::Key_7);
    ASSERT_NE(qobject_cast<QLineEdit*>(widget->Editor()), nullptr);
    Type(Qt::Key_Tab);
    EXPECT_EQ(grid->GetCellText(13, 2), "7.00");  // in the column's format
    EXPECT_EQ(grid->GetRowCount(), 24);
    EXPECT_EQ(grid->GetCellText(23, 0), "Point: 23");
}

TEST_F(TableWidget, DownAppendsFromTheSecondToLastRowAndAClickInTheLastRowAppends) {
    grid->SetFocusCell(2, 1);
    Type(Qt::Key_Down);
    EXPECT_EQ(grid->GetRowCount(), 14);
    EXPECT_EQ(grid->GetFocusCell(), CCellID(3, 1));
    QTest::mouseClick(widget->viewport(), Qt::LeftButton, {}, Center(2, 1));
    EXPECT_EQ(grid->GetRowCount(), 14);
    grid->EnsureVisible(13, 1);
    QTest::mouseClick(widget->viewport(), Qt::LeftButton, {}, Center(13, 1));
    EXPECT_EQ(grid->GetRowCount(), 24);
}

TEST_F(TableWidget, TheRightButtonMenuAddsARowAboveTheClickedRow) {
    grid->SetCellText(2, 1, "2");
    QStringList shown;
    QTimer::singleShot(0, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu) {
            shown << "no menu";
            return;
        }
        for (QAction* a : menu->actions()) shown << a->text();
        menu->setActiveAction(menu->actions().at(0));
        QTest::keyClick(menu, Qt::Key_Return);
    });
    QTest::mousePress(widget->viewport(), Qt::RightButton, {}, Center(2, 1));
    QTest::mouseRelease(widget->viewport(), Qt::RightButton, {}, Center(2, 1));
    EXPECT_EQ(shown, (QStringList{"Add rows above", "Add rows below", "Delete rows"}));
    ASSERT_EQ(grid->GetRowCount(), 5);
    EXPECT_EQ(grid->GetCellText(2, 1), "");
    EXPECT_EQ(grid->GetCellText(3, 1), "2");
    EXPECT_EQ(grid->GetCellText(4, 0), "Point: 4");
}

// Rows copied from a spreadsheet go in as rows: a table that may grow gets the rows they need
// and one empty row after them; a table of fixed size keeps its rows and says what was left.
TEST_F(TableWidget, PastedRowsGrowTheTableAndAFixedTableSaysWhatWasLeftOut) {
    fakes.clipboard.text = "1\t2\r\n3\t4\r\n5\t6\r\n7\t8\r\n9\t10\r\n";
    grid->SetFocusCell(2, 1);
    grid->SetSelectedRange(2, 1, 2, 1);
    QTest::keyClick(widget.get(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(grid->GetRowCount(), 8);  // rows 2 to 6 hold the data, row 7 is empty
    EXPECT_EQ(grid->GetCellText(2, 1), "1.00");
    EXPECT_EQ(grid->GetCellText(6, 2), "10.00");
    EXPECT_EQ(grid->GetCellText(7, 1), "");
    EXPECT_EQ(grid->GetCellText(7, 0), "Point: 7");
    EXPECT_TRUE(fakes.messageBoxes.requests.empty());

    const std::vector<CGridColumnDescriptor> d = {
        {}, {kDoubleColumn, false, "%.2f"}, {kDoubleColumn, false, "%.2f"}};
    grid->SetupTable(3, 4, true, {"", "X", "Y"}, "Point", {}, d, 0, 60, -1, 10);
    grid->SetFocusCell(2, 1);
    grid->SetSelectedRange(2, 1, 2, 1);
    QTest::keyClick(widget.get(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(grid->GetRowCount(), 4);
    EXPECT_EQ(grid->GetCellText(3, 2), "4.00");
    EXPECT_EQ(
        fakes.messageBoxes.Texts(),
        std::vector<std::string>{"6 pasted values did not fit into the table and were left out."});
}

}  // namespace
