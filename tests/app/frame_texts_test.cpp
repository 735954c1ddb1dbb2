// Texts of the main frame and its windows shown whole: the title's unsaved-changes mark, the
// status line's message beside its panes, and dialog captions that are never elided.

#include "app/main_frame.h"
#include "dialogs/title_width.h"
#include "support/fake_services.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QStatusBar>
#include <QTest>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string>* recordedWarnings = nullptr;

void RecordWarning(QtMsgType type, const QMessageLogContext&, const QString& text) {
    if (recordedWarnings && type != QtDebugMsg && type != QtInfoMsg)
        recordedWarnings->push_back(text.toStdString());
}

class FrameTexts : public ::testing::Test {
protected:
    testsupport::FakeServices fakes;
    app::MainFrame frame;
};

// The title holds the "[*]" place where the window marks unsaved changes, so the mark shows
// and Qt warns of nothing.
TEST_F(FrameTexts, TheTitleMarksUnsavedChangesWithoutAWarning) {
    std::vector<std::string> warnings;
    recordedWarnings = &warnings;
    const QtMessageHandler previous = qInstallMessageHandler(RecordWarning);
    frame.Doc().SetModifiedFlag(true);
    const QString modifiedTitle = frame.windowTitle();
    const bool modified = frame.isWindowModified();
    frame.Doc().SetModifiedFlag(false);
    qInstallMessageHandler(previous);
    recordedWarnings = nullptr;
    EXPECT_EQ(modifiedTitle.toStdString(), frame.Doc().Title() + "[*] - dravonet4");
    EXPECT_TRUE(modified);
    EXPECT_FALSE(frame.isWindowModified());
    EXPECT_TRUE(warnings.empty()) << warnings.front();
}

// The message takes the room the coordinate panes leave; the force pane shows only with a text.
TEST_F(FrameTexts, TheStatusMessageGetsTheRoomBesideTheCoordinatePanes) {
    frame.resize(900, 600);
    frame.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&frame));
    auto* force = frame.statusBar()->findChild<QLabel*>("pane103");
    ASSERT_NE(force, nullptr);
    EXPECT_FALSE(force->isVisible());
    frame.SetLongForceText(true, "Long. Force: 1250.00");
    QApplication::processEvents();
    EXPECT_TRUE(force->isVisible());
    frame.SetLongForceText(false, {});
    QApplication::processEvents();
    EXPECT_FALSE(force->isVisible());

    auto* x = frame.statusBar()->findChild<QLabel*>("pane101");
    auto* y = frame.statusBar()->findChild<QLabel*>("pane102");
    ASSERT_TRUE(x && y);
    frame.SetCursorPosition(-1234.5, 98765.25);
    QApplication::processEvents();
    // Each pane shows its whole text, and together they leave at least half the line.
    for (QLabel* pane : {x, y})
        EXPECT_GE(pane->width(), pane->fontMetrics().horizontalAdvance(pane->text()))
            << pane->text().toStdString();
    EXPECT_LT(x->width() + y->width(), frame.statusBar()->width() / 2);
    frame.hide();
}

// A dialog narrower than its caption needs is widened as it is shown.
TEST_F(FrameTexts, DialogsAreAtLeastAsWideAsTheirCaptions) {
    dialogs::KeepDialogTitlesWhole();
    for (const char* title : {"Overburden Pressure Computation", "OK"}) {
        QDialog dialog;
        dialog.setWindowTitle(title);
        dialog.resize(120, 80);
        dialog.show();
        EXPECT_GE(dialog.width(), dialogs::TitleWidth(title)) << title;
        EXPECT_GE(dialog.width(), 120) << title;
        dialog.hide();
    }
}

}  // namespace
