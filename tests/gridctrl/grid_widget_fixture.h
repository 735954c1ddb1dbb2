#pragma once
// A shown grid widget with an owner fake and the platform fakes, for tests that drive it with
// QTest: a 12 x 5 grid (one fixed row and column), columns 50 and rows 20 pixels wide.

#include "grid_test_support.h"

#include "gridctrl/grid_ctrl_widget.h"
#include "gridctrl/in_place_list.h"
#include "gridctrl/title_tip.h"
#include "support/fake_services.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace gridtest {

struct GridWidgetTest : ::testing::Test {
    GridWidgetTest() {
        widget = std::make_unique<GridCtrlWidget>();
        grid = &widget->Grid();
        owner = std::make_unique<OwnerFake>(grid);
        grid->SetOwner(owner.get());
        widget->resize(420, 300);
        Fill(*grid, 12, 5);
        widget->show();
        widget->activateWindow();
        [[maybe_unused]] const bool exposed = QTest::qWaitForWindowExposed(widget.get());
        widget->setFocus();
        QApplication::processEvents();
    }
    ~GridWidgetTest() override {
        grid->SetOwner(nullptr);
        widget.reset();
        QApplication::processEvents();
    }
    QWidget* Viewport() const { return widget->viewport(); }
    QPoint Center(int r, int c) const {
        DeviceRect rect;
        grid->GetCellRect(r, c, rect);
        return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
    }
    QLineEdit* Edit() const { return qobject_cast<QLineEdit*>(widget->Editor()); }
    InPlaceList* List() const { return qobject_cast<InPlaceList*>(widget->Editor()); }
    void Click(QPoint p, Qt::KeyboardModifiers mods = {}) {
        QTest::mouseClick(Viewport(), Qt::LeftButton, mods, p);
    }
    void Type(int key, Qt::KeyboardModifiers mods = {}) {
        QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : widget.get();
        QTest::keyClick(target, static_cast<Qt::Key>(key), mods);
    }
    std::vector<CCellID> Selected() const {
        std::vector<CCellID> cells;
        for (int r = 0; r < grid->GetRowCount(); ++r)
            for (int c = 0; c < grid->GetColumnCount(); ++c)
                if (grid->IsCellSelected(r, c)) cells.push_back({r, c});
        return cells;
    }

    testsupport::FakeServices fakes;
    std::unique_ptr<GridCtrlWidget> widget;
    CGridCtrl* grid = nullptr;
    std::unique_ptr<OwnerFake> owner;
};

}  // namespace gridtest
