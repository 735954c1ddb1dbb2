// F1, the "?" button and the Help menu's command open the help pages built into the program in
// the help window.

#include "app/application.h"
#include "app/main_frame.h"
#include "core/command_ids.h"
#include "platform/qt/qt_help.h"
#include "support/test_support.h"

#include <QAction>
#include <QTest>
#include <QTextBrowser>
#include <QToolBar>
#include <gtest/gtest.h>

#include <cstdlib>

namespace {

class HelpCommands : public ::testing::Test {
protected:
    HelpCommands() { setenv("XDG_CONFIG_HOME", config.Path().c_str(), 1); }
    ~HelpCommands() override {
        if (platform::qt::HelpWindow* window = platform::qt::QtHelp::Window()) window->close();
        unsetenv("XDG_CONFIG_HOME");
    }
    // The help window shows the contents; it is closed for the next way in.
    static void ExpectContentsShown(const char* how) {
        platform::qt::HelpWindow* window = platform::qt::QtHelp::Window();
        ASSERT_NE(window, nullptr) << how;
        EXPECT_TRUE(window->isVisible()) << how;
        EXPECT_EQ(window->Browser()->source(), QUrl("qrc:/help/index.html")) << how;
        EXPECT_EQ(window->windowTitle(), "Dravonet Help") << how;
        window->close();
    }
    testsupport::TempDir config;
    app::Application program{{"dravonet"}};
};

TEST_F(HelpCommands, F1TheQuestionMarkButtonAndTheHelpMenuOpenTheContents) {
    app::MainFrame& frame = program.Frame();
    frame.show();
    frame.InitialUpdate();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&frame));

    frame.activateWindow();
    QTest::keyClick(&frame, Qt::Key_F1);
    ExpectContentsShown("F1");

    QTest::mouseClick(frame.MainToolBar()->widgetForAction(frame.Action(ID_TOOLBAR_HELP)),
                      Qt::LeftButton);
    ExpectContentsShown("?");

    frame.Action(ID_PREPROCESSOR_HELP)->trigger();
    ExpectContentsShown("Help menu");
}

}  // namespace
