// The window of a tool dialog bar driven with real key presses: typed values reach the bar's
// getters, listed fields send Enter, Escape and the arrows on, other controls keep them.

#include "core/units.h"
#include "dialogs/dialog_bar_widget.h"
#include "editing/line_entry_bars.h"
#include "editing/load_bars.h"
#include "editing/nail_geogrid_bars.h"
#include "support/fake_services.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QWheelEvent>
#include <gtest/gtest.h>

namespace {

template <class T = QWidget>
T* Child(QWidget& w, int id) {
    return w.findChild<T*>(QString("c%1").arg(id));
}

TEST(DialogBarWidget, TypedValuesReachTheGetters) {
    testsupport::FakeServices fakes;
    CmDialogBarProfileTool bar;
    dialogs::DialogBarWidget window(bar, nullptr);
    EXPECT_EQ(Child<QLineEdit>(window, 1793)->text(), "Profile Line #1");
    EXPECT_EQ(Child<QLineEdit>(window, 1785)->text(), "1");
    EXPECT_FALSE(Child<QPushButton>(window, 1994)->isEnabled());
    bar.SetEntryOption(1);
    QLineEdit* x = Child<QLineEdit>(window, 1789);
    x->clear();
    QTest::keyClicks(x, "12.25");
    double px = 0, py = 1;
    ASSERT_TRUE(bar.GetPoint(px, py));
    EXPECT_EQ(px, 12.25);
    EXPECT_EQ(py, 0);
    x->clear();
    QTest::keyClicks(x, "abc");
    EXPECT_FALSE(bar.GetPoint(px, py));
    EXPECT_EQ(px, 12.25);
    EXPECT_EQ(fakes.messageBoxes.Texts(), std::vector<std::string>{"Enter a number."});
    bar.SetEntryOption(3);
    EXPECT_FALSE(x->isEnabled());
    EXPECT_TRUE(Child(window, 1793)->isEnabled());
}

// A point echoed into a narrow field shows its leading digits, not the tail of the fraction.
TEST(DialogBarWidget, AnEchoedPointShowsItsLeadingDigits) {
    testsupport::FakeServices fakes;
    CmDialogBarProfileTool bar;
    dialogs::DialogBarWidget window(bar, nullptr);
    bar.SetEntryOption(1);
    bar.SetPoint(56.36150627615063, 64.75815899581590);
    QLineEdit* x = Child<QLineEdit>(window, 1789);
    EXPECT_TRUE(x->text().startsWith("56.3615062761")) << x->text().toStdString();
    EXPECT_EQ(x->cursorPosition(), 0);
}

TEST(DialogBarWidget, KeysOfListedFieldsBecomeSignals) {
    CmDialogBarProfileTool bar;
    dialogs::DialogBarWidget window(bar, nullptr);
    QSignalSpy enter(&window, &dialogs::DialogBarWidget::enterKey);
    QSignalSpy escape(&window, &dialogs::DialogBarWidget::escapeKey);
    QSignalSpy arrow(&window, &dialogs::DialogBarWidget::arrowKey);
    QLineEdit* x = Child<QLineEdit>(window, 1789);
    QPushButton* finish = Child<QPushButton>(window, 1994);
    finish->setEnabled(true);

    QTest::keyClick(x, Qt::Key_Return);
    QTest::keyClick(finish, Qt::Key_Return);
    EXPECT_EQ(enter.count(), 1);

    QTest::keyClick(Child(window, 1791), Qt::Key_Escape, Qt::ShiftModifier);
    QTest::keyClick(x, Qt::Key_Escape);
    QTest::keyClick(finish, Qt::Key_Escape);  // swallowed, nothing sent
    ASSERT_EQ(escape.count(), 2);
    EXPECT_TRUE(escape.at(0).at(0).toBool());
    EXPECT_FALSE(escape.at(1).at(0).toBool());

    x->setText("123");
    x->setCursorPosition(3);
    QTest::keyClick(x, Qt::Key_Left);
    QTest::keyClick(finish, Qt::Key_Down);
    ASSERT_EQ(arrow.count(), 1);
    EXPECT_EQ(arrow.at(0).at(0).toInt(), 37);
    EXPECT_EQ(x->cursorPosition(), 3);  // the arrow went to the frame, not the field
}

TEST(DialogBarWidget, CircleBoxKeepsEnterAndTheWheelGoesToTheView) {
    CmDialogBarConstructionTool bar;
    dialogs::DialogBarWidget window(bar, nullptr);
    window.show();
    QSignalSpy enter(&window, &dialogs::DialogBarWidget::enterKey);
    QSignalSpy wheel(&window, &dialogs::DialogBarWidget::wheelToView);
    QTest::keyClick(Child(window, 2187), Qt::Key_Return);
    EXPECT_EQ(enter.count(), 0);
    QTest::mouseClick(Child<QCheckBox>(window, 2187), Qt::LeftButton);
    EXPECT_TRUE(bar.IsCircleChecked());
    EXPECT_FALSE(Child(window, 2183)->isHidden());

    QWheelEvent event(QPointF(5, 5), QPointF(5, 5), QPoint(), QPoint(0, 120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(Child(window, 1980), &event);
    EXPECT_EQ(wheel.count(), 1);
}

TEST(DialogBarWidget, TheDistributedLoadBarTakesEveryEnterAndTheWheel) {
    CmDialogBarDistributedLoad bar;
    dialogs::DialogBarWidget window(bar, nullptr);
    QSignalSpy enter(&window, &dialogs::DialogBarWidget::enterKey);
    QSignalSpy escape(&window, &dialogs::DialogBarWidget::escapeKey);
    QSignalSpy wheel(&window, &dialogs::DialogBarWidget::wheelEdit);
    QTest::keyClick(Child(window, 1931), Qt::Key_Return);
    QTest::keyClick(Child(window, 1925), Qt::Key_Escape, Qt::ShiftModifier);
    EXPECT_EQ(enter.count(), 1);
    ASSERT_EQ(escape.count(), 1);
    EXPECT_FALSE(escape.at(0).at(0).toBool());
    QWheelEvent event(QPointF(5, 5), QPointF(5, 5), QPoint(), QPoint(0, -240), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(Child(window, 1921), &event);
    ASSERT_EQ(wheel.count(), 1);
    EXPECT_EQ(wheel.at(0).at(0).toInt(), -240);
    // Ticking "Use piez. line:" with the mouse switches the fields.
    window.show();
    QTest::mouseClick(Child<QCheckBox>(window, 1929), Qt::LeftButton);
    EXPECT_FALSE(Child(window, 1921)->isEnabled());
    EXPECT_TRUE(Child(window, 1930)->isEnabled());
}

// The nail bar leaves the wheel to its own controls: neither the view nor the tool gets it.
TEST(DialogBarWidget, TheNailBarKeepsTheWheel) {
    CmDialogBarNailsTool bar;
    dialogs::DialogBarWidget window(bar, nullptr);
    QSignalSpy toView(&window, &dialogs::DialogBarWidget::wheelToView);
    QSignalSpy edit(&window, &dialogs::DialogBarWidget::wheelEdit);
    QWheelEvent event(QPointF(5, 5), QPointF(5, 5), QPoint(), QPoint(0, 120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(Child(window, 1960), &event);
    EXPECT_EQ(toView.count(), 0);
    EXPECT_EQ(edit.count(), 0);
}

}  // namespace

namespace {

QString UnitWord(QWidget& w, int id) {
    auto* label = w.findChild<QLabel*>(QString("c%1Unit").arg(id));
    return label ? label->text() : QString("(none)");
}

// The load and reinforcement bars name the unit of each dimensioned field in the current unit
// system; the line-load bar's second field is an angle while it holds the inclination.
TEST(DialogBarWidget, LoadAndReinforcementFieldsShowTheirUnitWords) {
    testsupport::FakeServices fakes;
    ResetUnits();
    {
        CmDialogBarDistributedLoad bar;
        dialogs::DialogBarWidget window(bar, nullptr);
        using B = CmDialogBarDistributedLoad;
        EXPECT_EQ(UnitWord(window, B::IdX), "ft.");
        EXPECT_EQ(UnitWord(window, B::IdNormal), "psf");
        EXPECT_EQ(UnitWord(window, B::IdShear), "psf");
        EXPECT_EQ(UnitWord(window, B::IdLineNumber), "(none)");
        SetUnitSystem(UnitSystemSI);
        window.show();  // shown again after the unit system changed
        EXPECT_EQ(UnitWord(window, B::IdY), "m.");
        EXPECT_EQ(UnitWord(window, B::IdNormal), "Pa");
    }
    {
        CmDialogBarLineLoadTool bar;
        dialogs::DialogBarWidget window(bar, nullptr);
        using B = CmDialogBarLineLoadTool;
        EXPECT_EQ(UnitWord(window, B::IdFirst), "N/m");
        EXPECT_EQ(UnitWord(window, B::IdSecond), "N/m");
        QTest::mouseClick(Child<QAbstractButton>(window, B::IdResultant), Qt::LeftButton);
        EXPECT_EQ(Child<QLabel>(window, B::IdSecondLabel)->text(), "Inclination:");
        EXPECT_EQ(UnitWord(window, B::IdFirst), "N/m");
        EXPECT_EQ(UnitWord(window, B::IdSecond), "degrees");
    }
    {
        CmDialogBarReinforcementTool bar;
        dialogs::DialogBarWidget window(bar, nullptr);
        using B = CmDialogBarReinforcementTool;
        EXPECT_EQ(UnitWord(window, B::IdLongForce), "N/m");
        EXPECT_EQ(UnitWord(window, B::IdTransForce), "N/m");
        EXPECT_EQ(UnitWord(window, B::IdNumber), "(none)");
    }
    ResetUnits();
}

}  // namespace
