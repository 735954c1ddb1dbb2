// The two distance windows driven through their widgets, opened by the distance functions as
// the view's distance tool opens them.

#include "dialogs/distance_dialogs.h"

#include "dialogs/running_program.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

#include <functional>

namespace {

using dialogs::DistanceBetweenPointAndLineDialog;
using dialogs::DistanceBetweenPointsDialog;
using testsupport::PressButton;
using testsupport::Retype;

class DistanceDialogsTest : public testsupport::RunningProgram {
protected:
    template <class D>
    void Drive(std::function<void(D*)> action) {
        testsupport::WhenModal([action](QWidget* modal) {
            auto* d = qobject_cast<D*>(modal);
            ASSERT_NE(d, nullptr);
            action(d);
        });
    }
    template <class W>
    static W* Child(QWidget* d, const char* name) {
        W* w = d->findChild<W*>(name);
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
};

// The list decides which field is open; a changed total moves the chosen point along the line
// through both points.
TEST_F(DistanceDialogsTest, TotalDistanceMovesTheSecondPoint) {
    Drive<DistanceBetweenPointsDialog>([](auto* d) {
        EXPECT_EQ(d->windowTitle(), "Distance between selected points");
        EXPECT_EQ(Child<QLineEdit>(d, "total")->text(), "5");
        EXPECT_EQ(Child<QLineEdit>(d, "horizontal")->text(), "3");
        EXPECT_EQ(Child<QLineEdit>(d, "vertical")->text(), "4");
        EXPECT_FALSE(Child<QLineEdit>(d, "total")->isEnabled());
        EXPECT_FALSE(Child<QRadioButton>(d, "changeSecond")->isEnabled());
        auto* option = Child<QComboBox>(d, "option");
        EXPECT_EQ(option->currentText(), "Distances are fixed.");
        option->setCurrentIndex(1);
        EXPECT_TRUE(Child<QLineEdit>(d, "total")->isEnabled());
        EXPECT_FALSE(Child<QLineEdit>(d, "horizontal")->isEnabled());
        option->setCurrentIndex(2);
        EXPECT_FALSE(Child<QLineEdit>(d, "total")->isEnabled());
        EXPECT_TRUE(Child<QLineEdit>(d, "vertical")->isEnabled());
        option->setCurrentIndex(1);
        Retype(Child<QLineEdit>(d, "total"), "10");
        QTest::mouseClick(Child<QRadioButton>(d, "changeSecond"), Qt::LeftButton);
        PressButton(d, QDialogButtonBox::Ok);
    });
    s_DistanceMove move;
    EXPECT_TRUE(ComputeDistanceFromSelection({1, 2}, {4, 6}, move));
    EXPECT_TRUE(move.moves);
    EXPECT_EQ(move.which, 1);
    EXPECT_DOUBLE_EQ(move.to.x, 7);
    EXPECT_DOUBLE_EQ(move.to.y, 10);
}

// A horizontal segment: its horizontal distance is not offered and its field stands replaced by
// "Horizontal line - cannot change."; the vertical distance moves the point.
TEST_F(DistanceDialogsTest, HorizontalSegmentOffersNoHorizontalDistance) {
    Drive<DistanceBetweenPointAndLineDialog>([](auto* d) {
        EXPECT_EQ(d->windowTitle(), "Distance between point and line");
        auto* option = Child<QComboBox>(d, "option");
        ASSERT_EQ(option->count(), 3);
        EXPECT_EQ(option->itemText(1), "Perpendicular distance can be changed.");
        EXPECT_EQ(option->itemText(2), "Vertical distance can be changed.");
        EXPECT_FALSE(Child<QLineEdit>(d, "horizontal")->isVisibleTo(d));
        auto* missing = Child<QLabel>(d, "horizontalMissing");
        EXPECT_TRUE(missing->isVisibleTo(d));
        EXPECT_EQ(missing->text(), "Horizontal line - cannot change.");
        EXPECT_EQ(Child<QLineEdit>(d, "vertical")->text(), "-1");
        option->setCurrentIndex(2);
        EXPECT_TRUE(Child<QLineEdit>(d, "vertical")->isEnabled());
        EXPECT_FALSE(Child<QLineEdit>(d, "perpendicular")->isEnabled());
        Retype(Child<QLineEdit>(d, "vertical"), "-3");
        PressButton(d, QDialogButtonBox::Ok);
    });
    s_DistanceMove move;
    EXPECT_TRUE(ComputeDistancePointToLine({5, 1}, {0, 0}, {10, 0}, move));
    EXPECT_TRUE(move.moves);
    EXPECT_DOUBLE_EQ(move.to.x, 5);
    EXPECT_DOUBLE_EQ(move.to.y, 3);

    Drive<DistanceBetweenPointAndLineDialog>([](auto* d) {
        Child<QComboBox>(d, "option")->setCurrentIndex(1);
        Retype(Child<QLineEdit>(d, "perpendicular"), "oops");
        PressButton(d, QDialogButtonBox::Ok);
        EXPECT_TRUE(d->isVisible());
        PressButton(d, QDialogButtonBox::Cancel);
    });
    EXPECT_FALSE(ComputeDistancePointToLine({5, 1}, {0, 0}, {10, 0}, move));
    EXPECT_FALSE(move.moves);
    ASSERT_EQ(Fakes().messageBoxes.requests.size(), 1u);
    EXPECT_EQ(Fakes().messageBoxes.requests[0].text, "Enter a number.");
}

}  // namespace
