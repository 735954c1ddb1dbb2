// The grid widget driven by the mouse: selecting, resizing and sizing borders, automatic
// scrolling, the wheel, the title tip and the drop target.
#include "grid_widget_fixture.h"

#include <QDragEnterEvent>
#include <QMimeData>
#include <QScrollBar>
#include <QWheelEvent>

namespace {

using namespace gridtest;

using Mouse = GridWidgetTest;

TEST_F(Mouse, HeadingsSelectTheirColumnsRowsOrEverything) {
    struct Case {
        const char* what;
        CCellID clicked;
        CCellBlock selected;
    };
    const std::vector<Case> cases = {
        {"corner", {0, 0}, {1, 1, 11, 4}},
        {"column heading", {0, 3}, {1, 3, 11, 3}},
        {"row header", {4, 0}, {4, 1, 4, 4}},
    };
    for (const Case& c : cases) {
        Click(Center(c.clicked.row, c.clicked.col));
        EXPECT_EQ(grid->GetSelectedCellRange(), c.selected) << c.what;
        const std::size_t cells =
            static_cast<std::size_t>(c.selected.maxRow - c.selected.minRow + 1) *
            static_cast<std::size_t>(c.selected.maxCol - c.selected.minCol + 1);
        EXPECT_EQ(grid->GetSelectedCount(), cells) << c.what;
    }
}

TEST_F(Mouse, ShiftExtendsFromTheAnchorAndCtrlAddsOrRemovesCells) {
    Click(Center(2, 1));
    Click(Center(3, 3), Qt::ShiftModifier);
    EXPECT_EQ(grid->GetSelectedCellRange(), CCellBlock(2, 1, 3, 3));
    EXPECT_EQ(grid->GetSelectedCount(), 6u);
    Click(Center(5, 4), Qt::ControlModifier);
    EXPECT_EQ(grid->GetSelectedCount(), 7u);
    EXPECT_TRUE(grid->IsCellSelected(5, 4));
    Click(Center(2, 2), Qt::ControlModifier);
    EXPECT_FALSE(grid->IsCellSelected(2, 2));
    EXPECT_EQ(grid->GetSelectedCount(), 6u);
    Click(Center(6, 2));
    EXPECT_EQ(Selected(), (std::vector<CCellID>{{6, 2}}));
    EXPECT_GT(owner->commands, 0);
}

TEST_F(Mouse, DraggingABorderInTheHeadingResizesTheColumnLeftOfIt) {
    struct Case {
        const char* what;
        int pressX;
        int releaseX;
        int column;
        int width;
    };
    // Column 1 spans 50..99, column 2 100..149.
    const std::vector<Case> cases = {
        {"on the border", 100, 130, 1, 80},
        {"just inside the right edge", 148, 170, 2, 70},
        {"dragged fully left", 100, 0, 1, 1},
    };
    for (const Case& c : cases) {
        Fill(*grid, 12, 5);
        QTest::mouseMove(Viewport(), QPoint(c.pressX, 10));
        QTest::mousePress(Viewport(), Qt::LeftButton, {}, QPoint(c.pressX, 10));
        QTest::mouseMove(Viewport(), QPoint(c.releaseX, 10));
        QTest::mouseRelease(Viewport(), Qt::LeftButton, {}, QPoint(c.releaseX, 10));
        EXPECT_EQ(grid->GetColumnWidth(c.column), c.width) << c.what;
        EXPECT_EQ(grid->GetColumnWidth(c.column == 1 ? 2 : 1), 50) << c.what;
    }
}

TEST_F(Mouse, DoubleClickingABorderSizesTheColumnToItsWidestText) {
    grid->SetCellText(5, 1, "a text much wider than fifty pixels");
    const QPoint border(100, 10);
    QTest::mouseMove(Viewport(), Center(3, 3));
    QTest::mouseMove(Viewport(), border);
    QTest::mouseDClick(Viewport(), Qt::LeftButton, {}, border);
    const GridMeasurer* m = widget->Measurer();
    const int expected = grid->GetCell(5, 1)->MeasureCell(m).cx;
    EXPECT_EQ(grid->GetColumnWidth(1), expected);
    EXPECT_GT(expected, 100);
}

TEST_F(Mouse, HoldingTheButtonBelowTheWindowScrollsAndExtendsTheSelection) {
    Fill(*grid, 60, 5);
    QTest::mousePress(Viewport(), Qt::LeftButton, {}, Center(3, 2));
    EXPECT_TRUE(widget->AutoScrolling());
    QTest::mouseMove(Viewport(), QPoint(Center(3, 2).x(), Viewport()->height() + 15));
    for (int i = 0; i < 100 && grid->GetScrollPosition(ScrollBar::Vertical) < 60; ++i)
        QTest::qWait(25);
    QTest::mouseRelease(Viewport(), Qt::LeftButton, {},
                        QPoint(Center(3, 2).x(), Viewport()->height() + 15));
    EXPECT_FALSE(widget->AutoScrolling());
    EXPECT_GE(grid->GetScrollPosition(ScrollBar::Vertical), 60);
    const CCellBlock selected = grid->GetSelectedCellRange();
    EXPECT_EQ(selected.minRow, 3);
    EXPECT_EQ(selected.minCol, 2);
    EXPECT_GT(selected.maxRow, 14);
    EXPECT_EQ(selected.maxCol, 2);
}

TEST_F(Mouse, OneWheelNotchScrollsThreeLines) {
    Fill(*grid, 60, 5);
    QWheelEvent wheel(QPointF(100, 100), Viewport()->mapToGlobal(QPointF(100, 100)), QPoint(),
                      QPoint(0, -120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(Viewport(), &wheel);
    QApplication::processEvents();
    EXPECT_EQ(grid->GetScrollPosition(ScrollBar::Vertical), 3 * 20);
    EXPECT_EQ(grid->GetTopLeftNonFixedCell().row, 4);
    EXPECT_EQ(widget->verticalScrollBar()->value(), 60);
}

TEST_F(Mouse, ATruncatedTextShowsWholeInTheTitleTipAndClicksOnItReachTheGrid) {
    grid->SetCellText(2, 1, "a text far too long for the cell");
    grid->SetCellText(3, 1, "ok");
    QTest::mouseMove(Viewport(), Center(3, 1));
    EXPECT_FALSE(widget->Tip()->isVisible());
    QTest::mouseMove(Viewport(), Center(2, 1));
    ASSERT_TRUE(widget->Tip()->isVisible());
    EXPECT_EQ(widget->Tip()->Text(), " a text far too long for the cell ");
    EXPECT_GT(widget->Tip()->width(), 50);
    QTest::mouseMove(Viewport(), Center(2, 1) + QPoint(3, 0));  // within the cell: stays
    EXPECT_TRUE(widget->Tip()->isVisible());
    QTest::mouseMove(Viewport(), Center(4, 3));  // leaving the cell hides it
    EXPECT_FALSE(widget->Tip()->isVisible());

    QTest::mouseMove(Viewport(), Center(2, 1));
    ASSERT_TRUE(widget->Tip()->isVisible());
    QTest::mouseClick(widget->Tip(), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(grid->GetFocusCell(), CCellID(2, 1));
    EXPECT_EQ(owner->Count(Code::Click), 1);
    ASSERT_TRUE(widget->Tip()->isVisible());  // up again after the release, still truncated
    QTest::mouseClick(widget->Tip(), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(owner->Count(DoubleClick), 1);
}

TEST_F(Mouse, DraggedTextHighlightsTheCellUnderItAndADropChangesNothing) {
    QMimeData data;
    data.setText("dropped");
    const QPoint over = Center(3, 3);
    QDragEnterEvent enter(over, Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton,
                          Qt::NoModifier);
    QApplication::sendEvent(Viewport(), &enter);
    QDragMoveEvent move(over, Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton,
                        Qt::NoModifier);
    QApplication::sendEvent(Viewport(), &move);
    EXPECT_TRUE(grid->GetCellState(3, 3) & GVIS_DROPHILITED);
    EXPECT_TRUE(move.isAccepted());
    EXPECT_EQ(move.dropAction(), Qt::MoveAction);
    QDragMoveEvent withCtrl(over, Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton,
                            Qt::ControlModifier);
    QApplication::sendEvent(Viewport(), &withCtrl);
    EXPECT_EQ(withCtrl.dropAction(), Qt::CopyAction);
    QDragMoveEvent overHeading(Center(0, 3), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(Viewport(), &overHeading);
    EXPECT_FALSE(overHeading.isAccepted());
    EXPECT_FALSE(grid->GetCellState(3, 3) & GVIS_DROPHILITED);

    QApplication::sendEvent(Viewport(), &move);
    QDropEvent drop(QPointF(over), Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton,
                    Qt::NoModifier);
    QApplication::sendEvent(Viewport(), &drop);
    EXPECT_FALSE(drop.isAccepted());
    EXPECT_EQ(grid->GetCellText(3, 3), "r3c3");
    EXPECT_FALSE(grid->GetCellState(3, 3) & GVIS_DROPHILITED);
    EXPECT_TRUE(owner->notes.empty());
}

}  // namespace
