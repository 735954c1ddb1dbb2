#pragma once
// Types into the cells of a grid widget as a user would: the focus goes to the cell, the first
// character opens the in-place editor, the rest goes into it and Enter stores the text.

#include "gridctrl/grid_ctrl_widget.h"

#include <QApplication>
#include <QTest>

namespace testsupport {

inline void TypeIntoCell(gridctrl::GridCtrlWidget* widget, int row, int col, const QString& text) {
    gridctrl::CGridCtrl& grid = widget->Grid();
    grid.EnsureVisible(row, col);
    grid.SetFocusCell(row, col);
    widget->setFocus();
    if (text.isEmpty()) {
        grid.SetSelectedRange(row, col, row, col);
        QTest::keyClick(widget, Qt::Key_Delete);
        return;
    }
    QTest::keyClicks(widget, text.left(1));
    QWidget* editor = widget->Editor() ? widget->Editor() : widget;
    QTest::keyClicks(editor, text.mid(1));
    QTest::keyClick(editor, Qt::Key_Return);
}

}  // namespace testsupport
