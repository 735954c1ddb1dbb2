// The frame's keys and the Help menu: Ctrl+Insert copies like Ctrl+C, F1 and Shift+F1 open the
// help, and the About box shows the program's version.

#include "app/help_files.h"
#include "app/main_frame.h"
#include "core/command_ids.h"
#include "core/text_formats.h"
#include "frame_on_example.h"

#include <QApplication>
#include <QLabel>
#include <QTest>

namespace {

class FrameKeys : public testsupport::FrameOnExample {
protected:
    void ShowActive() {
        frame.show();
        QApplication::setActiveWindow(&frame);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&frame));
    }
    // The held Shift or Ctrl of the last key click stays in the application's modifier state
    // (tool commands read it): a plain key release leaves no key held for the tests after this.
    void TearDown() override {
        if (frame.isVisible()) QTest::keyRelease(&frame, Qt::Key_Control, Qt::NoModifier);
        testsupport::FrameOnExample::TearDown();
    }
};

TEST_F(FrameKeys, CtrlInsertAndCtrlCBothCopyTheDrawing) {
    OpenExample("embankment.preinput-kliven");
    ShowActive();
    for (const auto key : {Qt::Key_Insert, Qt::Key_C}) {
        SCOPED_TRACE(key);
        fakes.clipboard.svg.clear();
        const int before = fakes.clipboard.copies;
        QTest::keyClick(&frame, key, Qt::ControlModifier);
        EXPECT_EQ(fakes.clipboard.copies, before + 1);
        EXPECT_NE(fakes.clipboard.svg.find("<svg"), std::string::npos);
    }
}

TEST_F(FrameKeys, F1AndShiftF1OpenTheProgramHelp) {
    ASSERT_TRUE(app::SetHelpFileNames(dir.Path(), "Dravonet Help.chm", "KLIVEN4 Error Help.chm"));
    ShowActive();
    for (const auto modifiers :
         {Qt::KeyboardModifiers(Qt::NoModifier), Qt::KeyboardModifiers(Qt::ShiftModifier)}) {
        fakes.help.shown.clear();
        QTest::keyClick(&frame, Qt::Key_F1, modifiers);
        ASSERT_EQ(fakes.help.shown.size(), 1u) << modifiers;
        EXPECT_EQ(fakes.help.shown[0].first, dir.Path() / "Dravonet Help.chm");
    }
    app::SetHelpFileNames({}, "", "");  // as before the program set them
}

TEST_F(FrameKeys, AboutShowsTheProjectVersion) {
    EXPECT_EQ(GetProgramVersionText(), DRAVONET_PROJECT_VERSION);
    QString line;
    const QString caption = RunCommand(ID_APP_ABOUT, [&](QDialog* d) {
        auto* label = d->findChild<QLabel*>("c1778");
        if (label) line = label->text();
        Ok(d);
    });
    EXPECT_EQ(caption, "About dravonet");
    EXPECT_EQ(line, QString("Kliven Preprocessor Version ") + DRAVONET_PROJECT_VERSION);
}

}  // namespace
