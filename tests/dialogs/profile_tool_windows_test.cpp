// The profile tool in the running program: the tool button, clicks and a right click on the
// real view, and the "Resolve Duplicate Line" window driven through its widgets.

#include "dialogs/line_editing_windows.h"

#include "app/drawing_view.h"
#include "core/command_ids.h"
#include "core/cursor_mode.h"
#include "dialogs/running_program.h"
#include "editing/cursor_modes.h"
#include "editing/line_point_tools.h"
#include "editing/profile_tool.h"
#include "editing/tool_dialog_bars.h"
#include "model/data_set.h"
#include "model/data_sets.h"
#include "profile/profile_line.h"

#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QRadioButton>
#include <QTest>

#include <string>
#include <vector>

namespace {

using dialogs::CmDuplicateLineResolution;
using testsupport::PressButton;
using testsupport::Retype;

class ProfileToolWindows : public testsupport::RunningProgram {
protected:
    void SetUp() override {
        RunningProgram::SetUp();
        Frame().resize(900, 700);
        Frame().show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&Frame()));
    }
    Cpp_ProfileLineList& Lines() { return Cpp_Kliven4Data::CurrentDataSet()->ProfileLines(); }
    void Mouse(QEvent::Type type, QPoint at, Qt::MouseButton button) {
        QWidget* view = Frame().View();
        const Qt::MouseButtons held =
            type == QEvent::MouseButtonPress ? Qt::MouseButtons(button) : Qt::NoButton;
        QMouseEvent event(type, at, view->mapToGlobal(at), button, held, Qt::NoModifier);
        QApplication::sendEvent(view, &event);
    }
    void Click(QPoint at, Qt::MouseButton button = Qt::LeftButton) {
        Mouse(QEvent::MouseMove, at, Qt::NoButton);
        Mouse(QEvent::MouseButtonPress, at, button);
        Mouse(QEvent::MouseButtonRelease, at, button);
    }
    // Three clicks and a right click on the view with the profile tool chosen.
    void DrawLine() {
        Frame().OnCommand(ID_ENTER_PROFILE_LINES);
        Click({100, 300});
        Click({300, 250});
        Click({500, 320});
        Click({500, 320}, Qt::RightButton);
    }
    void AddExistingLines(std::vector<int> numbers) {
        for (int n : numbers) {
            Cpp_ProfileLine* line = Lines().CreateLine(n, n, "old");
            line->AddPoint(0, 0);
            line->AddPoint(10, 0);
        }
    }
    std::vector<int> Numbers() {
        std::vector<int> numbers;
        for (const auto& line : Lines().Lines()) numbers.push_back(line->GetNumber());
        return numbers;
    }
};

TEST_F(ProfileToolWindows, TheToolButtonPromptsAndClicksOnTheViewAddAModifiedLine) {
    Frame().OnCommand(ID_ENTER_PROFILE_LINES);
    EXPECT_EQ(Fakes().statusLine.Text(), "Left-click to enter first point on new profile line");
    DrawLine();
    EXPECT_EQ(GetCursorMode(), CursorModeNone);
    ASSERT_EQ(Lines().Count(), 1);
    EXPECT_EQ(Lines().LineAt(0)->NumberOfPoints(), 3);
    EXPECT_TRUE(Frame().Doc().IsModified());
    // Another tool chosen in the middle of an entry drops it.
    Click({100, 300});
    Click({300, 250});
    Frame().OnCommand(ID_SELECT_ITEMS);
    EXPECT_EQ(GetCursorMode(), CursorModeNone);
    EXPECT_EQ(Lines().Count(), 1);
}

TEST_F(ProfileToolWindows, AUsedNumberIsRefusedAndAnotherGivesTheNewLineItsNumber) {
    AddExistingLines({1, 2, 4});
    bool reached = false;
    testsupport::WhenModal([&](QWidget* modal) {
        auto* d = qobject_cast<CmDuplicateLineResolution*>(modal);
        ASSERT_NE(d, nullptr);
        reached = true;
        EXPECT_EQ(d->windowTitle(), "Resolve Duplicate Line");
        EXPECT_EQ(d->findChild<QLabel*>("message")->text(),
                  "Profile Line number 2 already exists.");
        auto* newNumber = d->findChild<QLineEdit*>("newNumber");
        auto* existing = d->findChild<QLineEdit*>("existingNumber");
        EXPECT_EQ(newNumber->text(), "3");
        EXPECT_EQ(existing->text(), "3");
        EXPECT_TRUE(d->findChild<QRadioButton*>("choice1")->isChecked());
        EXPECT_TRUE(newNumber->isEnabled());
        EXPECT_FALSE(existing->isEnabled());
        Retype(newNumber, "2");
        PressButton(d, QDialogButtonBox::Ok);
        EXPECT_TRUE(d->isVisible());
        ASSERT_EQ(Fakes().messageBoxes.requests.size(), 1u);
        EXPECT_EQ(Fakes().messageBoxes.requests[0].caption, "Error in Line Number");
        EXPECT_EQ(Fakes().messageBoxes.requests[0].text,
                  "Line number 2 is used by another line.  Enter a different number.");
        EXPECT_EQ(newNumber->text(), "3");
        Retype(newNumber, "7");
        QTest::keyClick(newNumber, Qt::Key_Return);
    });
    Frame().OnCommand(ID_ENTER_PROFILE_LINES);
    TheToolBars().profile.SetLineData(2, 5, "sand");
    Click({100, 300});
    Click({300, 250});
    Click({300, 250}, Qt::RightButton);
    EXPECT_TRUE(reached);
    EXPECT_EQ(Numbers(), (std::vector<int>{1, 2, 4, 7}));
    EXPECT_EQ(Lines().ProfileLineAt(3)->GetMaterialNumber(), 5);
}

TEST_F(ProfileToolWindows, EscapeInTheDuplicateWindowDropsTheNewLine) {
    AddExistingLines({1});
    bool reached = false;
    testsupport::WhenModal([&](QWidget* modal) {
        reached = true;
        // The first choice needs no number: both fields are disabled.
        QTest::mouseClick(modal->findChild<QRadioButton*>("choice0"), Qt::LeftButton);
        EXPECT_FALSE(modal->findChild<QLineEdit*>("newNumber")->isEnabled());
        EXPECT_FALSE(modal->findChild<QLineEdit*>("existingNumber")->isEnabled());
        QTest::mouseClick(modal->findChild<QRadioButton*>("choice2"), Qt::LeftButton);
        EXPECT_TRUE(modal->findChild<QLineEdit*>("existingNumber")->isEnabled());
        QTest::keyClick(modal, Qt::Key_Escape);
    });
    Frame().OnCommand(ID_ENTER_PROFILE_LINES);
    TheToolBars().profile.SetLineData(1, 1, "again");
    Click({100, 300});
    Click({300, 250});
    Click({300, 250}, Qt::RightButton);
    EXPECT_TRUE(reached);
    EXPECT_EQ(Numbers(), (std::vector<int>{1}));
    EXPECT_EQ(Lines().LineAt(0)->Description(), "old");
}

// A point added at the end of a line with real mouse events on the view marks the document
// modified; a tool chosen while the point tool runs ends it and nothing is added.
TEST_F(ProfileToolWindows, APointAddedAtTheEndOnTheViewModifiesTheDocumentAndAnotherToolEndsIt) {
    DrawLine();
    Frame().Doc().SetModifiedFlag(false);
    Cpp_Line* line = Lines().LineAt(0);
    ASSERT_TRUE(Cpp_ProfileTool::StartAddPointAtEnd(line, line->LastPoint()));
    EXPECT_EQ(GetCursorMode(), CursorModeAddPointProfileLine);
    Click({600, 350});
    EXPECT_EQ(line->NumberOfPoints(), 4);
    EXPECT_EQ(GetCursorMode(), CursorModeNone);
    EXPECT_TRUE(Frame().Doc().IsModified());

    ASSERT_TRUE(Cpp_ProfileTool::StartAddPointAtEnd(line, line->FirstPoint()));
    Mouse(QEvent::MouseMove, {50, 300}, Qt::NoButton);
    Frame().OnCommand(ID_SELECT_ITEMS);
    EXPECT_FALSE(Cpp_LineTool::IsActive());
    EXPECT_EQ(GetCursorMode(), CursorModeNone);
    Click({50, 300});
    EXPECT_EQ(line->NumberOfPoints(), 4);
}

}  // namespace
