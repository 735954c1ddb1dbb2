// The progress control over the status bar's first pane: hidden until a task begins, showing
// the percentage of steps done, and Escape during the task asks it to stop.

#include "platform/qt/qt_progress.h"
#include "platform/services.h"

#include <QApplication>
#include <QLineEdit>
#include <QMainWindow>
#include <QStatusBar>
#include <QTest>
#include <gtest/gtest.h>

namespace {

using platform::qt::QtProgress;

TEST(QtProgress, HiddenUntilATaskBeginsThenFollowsItsStepsAndHidesAtTheEnd) {
    QMainWindow window;
    QtProgress progress(window.statusBar());
    window.show();
    QProgressBar* control = window.statusBar()->findChild<QProgressBar*>("progressControl");
    ASSERT_EQ(control, progress.Control());
    EXPECT_FALSE(control->isVisible());
    EXPECT_EQ(control->minimum(), 0);
    EXPECT_EQ(control->maximum(), 100);
    EXPECT_EQ(control->value(), 50);

    progress.Begin("Reading", 400);
    EXPECT_TRUE(control->isVisible());
    EXPECT_TRUE(progress.IsActive());
    EXPECT_EQ(control->value(), 0);
    progress.Step(100);
    EXPECT_EQ(control->value(), 25);
    progress.Step(1000);
    EXPECT_EQ(control->value(), 100);
    progress.End();
    EXPECT_FALSE(control->isVisible());
    EXPECT_FALSE(progress.IsActive());
}

TEST(QtProgress, EscapeDuringATaskAsksToStopAndOtherInputIsHeldBack) {
    QMainWindow window;
    auto* edit = new QLineEdit(&window);
    window.setCentralWidget(edit);
    QtProgress progress(window.statusBar());
    window.show();
    edit->setFocus();

    progress.Begin("Reading", 10);
    QTest::keyClicks(edit, "abc");
    EXPECT_TRUE(edit->text().isEmpty());
    EXPECT_FALSE(progress.CancelRequested());
    QTest::keyClick(edit, Qt::Key_Escape);
    EXPECT_TRUE(progress.CancelRequested());
    progress.End();
    EXPECT_FALSE(progress.CancelRequested());

    // Once the task has ended, typing reaches the window again.
    QTest::keyClicks(edit, "abc");
    EXPECT_EQ(edit->text(), "abc");
}

TEST(QtProgress, ScopeEndsTheTaskWhenItThrows) {
    QMainWindow window;
    QtProgress progress(window.statusBar());
    platform::Services().SetProgress(&progress);
    try {
        platform::ProgressScope scope("Reading", 10);
        scope.Step(5);
        EXPECT_TRUE(progress.IsActive());
        EXPECT_EQ(progress.Control()->value(), 50);
        throw 1;
    } catch (int) {}
    EXPECT_FALSE(progress.IsActive());
    EXPECT_FALSE(progress.Control()->isVisible());
    platform::Services().SetProgress(nullptr);
}

}  // namespace
