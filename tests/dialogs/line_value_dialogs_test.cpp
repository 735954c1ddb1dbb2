// The windows of the line editing tools in the running program, driven through their widgets:
// the length and slope windows opened by their tools, the move-distance window, "Edit Value"
// placed at the click, and the two split windows opened by splitting a line.

#include "dialogs/line_value_dialogs.h"

#include "core/cursor_mode.h"
#include "dialogs/running_program.h"
#include "editing/cursor_modes.h"
#include "editing/line_editing_dialogs.h"
#include "editing/line_point_tools.h"
#include "editing/piezometric_tool.h"
#include "editing/profile_tool.h"
#include "model/data_set.h"
#include "model/data_sets.h"
#include "porepressure/piezometric_line.h"
#include "profile/profile_line.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

#include <functional>

namespace {

using testsupport::PressButton;
using testsupport::Retype;

class LineValueDialogsTest : public testsupport::RunningProgram {
protected:
    // The action runs on the next modal window, which must be a D.
    template <class D>
    void Drive(std::function<void(D*)> action) {
        testsupport::WhenModal([action](QWidget* modal) {
            auto* d = qobject_cast<D*>(modal);
            if (!d) {
                ADD_FAILURE() << "another window: " << modal->metaObject()->className();
                modal->close();
                return;
            }
            action(d);
        });
    }
    // A click on the button's indicator (the middle of a wide button may miss its text).
    static void ClickRadio(QRadioButton* button) {
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
    }
    template <class W>
    static W* Child(QWidget* d, const char* name) {
        W* w = d->findChild<W*>(name);
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    Cpp_ProfileLineList& Profiles() { return Cpp_Kliven4Data::CurrentDataSet()->ProfileLines(); }
    Cpp_ProfileLine* Segment(int number, int material) {
        Cpp_ProfileLine* line = Profiles().CreateLine(number, material, "line");
        line->AddPoint(0, 0);
        line->AddPoint(30, 40);
        return line;
    }
};

TEST_F(LineValueDialogsTest, TheLengthWindowShowsTheLengthAndTakesTheOneTyped) {
    Cpp_ProfileLine* line = Segment(1, 1);
    const s_DrawAttributesType attributes = Cpp_ProfileTool::GetDisplayAttributes();
    Drive<dialogs::CmEnterLength>([](dialogs::CmEnterLength* d) {
        EXPECT_EQ(d->windowTitle(), "Enter length of line");
        QLineEdit* edit = Child<QLineEdit>(d, "length");
        EXPECT_EQ(edit->text(), "50");
        Retype(edit, "ten");
        QTest::keyClick(edit, Qt::Key_Return);
        EXPECT_TRUE(d->isVisible());  // refused
        Retype(edit, "100");
        QTest::keyClick(edit, Qt::Key_Return);
    });
    ASSERT_TRUE(Cpp_LineTool::StartChangeLength(line, line->FirstPoint(), attributes));
    EXPECT_EQ(Fakes().messageBoxes.Texts(), std::vector<std::string>{"Enter a number."});
    EXPECT_EQ(GetCursorMode(), CursorModeChangeSegmentLength);
    ASSERT_TRUE(Cpp_LineTool::ChangeLengthClick(30, 40));
    EXPECT_DOUBLE_EQ(line->LastPoint()->X(), 60.0);
    EXPECT_DOUBLE_EQ(line->LastPoint()->Y(), 80.0);

    // Escape cancels: no tool starts.
    Drive<dialogs::CmEnterLength>(
        [](dialogs::CmEnterLength* d) { QTest::keyClick(d, Qt::Key_Escape); });
    EXPECT_FALSE(Cpp_LineTool::StartChangeLength(line, line->FirstPoint(), attributes));
    EXPECT_EQ(GetCursorMode(), CursorModeNone);
}

TEST_F(LineValueDialogsTest, TheSlopeWindowOffersTheFormatsAndRulesAndMovesThePoint) {
    Cpp_ProfileLine* line = Segment(1, 1);
    Drive<dialogs::CmEnterSlopeAngle>([](dialogs::CmEnterSlopeAngle* d) {
        EXPECT_EQ(d->windowTitle(), "Enter slope of line");
        QComboBox* formats = Child<QComboBox>(d, "format");
        ASSERT_EQ(formats->count(), 3);
        EXPECT_EQ(formats->itemText(0), "Slope angle (degrees)");
        EXPECT_EQ(formats->itemText(1), "Slope ratio - Horizontal:Vertical  (dx/dy)");
        EXPECT_EQ(formats->itemText(2), "Slope ratio (dy/dx)");
        EXPECT_EQ(formats->currentIndex(), 1);
        EXPECT_EQ(Child<QLineEdit>(d, "value")->text(), "0.75");
        EXPECT_TRUE(Child<QRadioButton>(d, "rule0")->isChecked());
        EXPECT_EQ(Child<QRadioButton>(d, "rule1")->text(),
                  "Change x coordinate only (length changes)");
        formats->setCurrentIndex(2);
        Retype(Child<QLineEdit>(d, "value"), "0");
        PressButton(d, QDialogButtonBox::Ok);
    });
    Cpp_LineTool::StartChangeSlope(line, line->FirstPoint(),
                                   Cpp_ProfileTool::GetDisplayAttributes(), false);
    ASSERT_TRUE(Cpp_LineTool::ChangeSlopeClick(30, 40));
    EXPECT_DOUBLE_EQ(line->LastPoint()->X(), 50.0);
    EXPECT_DOUBLE_EQ(line->LastPoint()->Y(), 0.0);
}

TEST_F(LineValueDialogsTest, TheMoveDistanceWindowOpensWithOneAndTheKindsTexts) {
    Drive<dialogs::CmEnterMoveDistance>([](dialogs::CmEnterMoveDistance* d) {
        EXPECT_EQ(d->windowTitle(), "Enter distance to move");
        EXPECT_EQ(Child<QLabel>(d, "label")->text(), "Horizontal distance to move:");
        EXPECT_EQ(Child<QLabel>(d, "message")->text(),
                  "Positve value if point is to be moved to the right; negative if point is to "
                  "be moved to the left.");
        QLineEdit* edit = Child<QLineEdit>(d, "distance");
        EXPECT_EQ(edit->text(), "1");
        Retype(edit, "-2.5");
        QTest::keyClick(edit, Qt::Key_Return);
    });
    double distance = 0;
    ASSERT_TRUE(RunMoveDistanceDialog(1, distance));
    EXPECT_EQ(distance, -2.5);
    Drive<dialogs::CmEnterMoveDistance>(
        [](dialogs::CmEnterMoveDistance* d) { QTest::keyClick(d, Qt::Key_Escape); });
    EXPECT_FALSE(RunMoveDistanceDialog(2, distance));
    EXPECT_EQ(distance, -2.5);
}

TEST_F(LineValueDialogsTest, EditValueNearTheRightEdgeLandsFivePixelsInside) {
    s_EditValuePlacement placement;
    placement.screenWidth = 1000;
    placement.screenHeight = 800;
    placement.point = {900, 400};
    placement.click = {990, 410};
    dialogs::CmEditValue dialog("Pore water pressure", placement, 12.5);
    testsupport::WhenModal([&](QWidget*) {
        EXPECT_EQ(dialog.windowTitle(), "Edit Value");
        EXPECT_EQ(Child<QLabel>(&dialog, "label")->text(), "Pore water pressure:");
        const QRect frame = dialog.frameGeometry();
        EXPECT_EQ(frame.x() + frame.width(), 1000 - 5);
        EXPECT_EQ(frame.y(), 410);
        QLineEdit* edit = Child<QLineEdit>(&dialog, "value");
        EXPECT_EQ(edit->text(), "12.5");
        Retype(edit, "20");
        PressButton(&dialog, QDialogButtonBox::Ok);
    });
    EXPECT_EQ(dialog.exec(), QDialog::Accepted);
    EXPECT_EQ(dialog.value, 20.0);
}

TEST_F(LineValueDialogsTest,
       TheProfileSplitWindowProposesANewMaterialAndTheTypedOneOnlyWhenChosen) {
    for (int n = 1; n <= 4; ++n) Segment(n, n);
    Cpp_ProfileLine* three = Profiles().FindProfileLine(3);
    Drive<dialogs::CmProfileSplitInput>([](dialogs::CmProfileSplitInput* d) {
        EXPECT_EQ(d->windowTitle(), "Information for New Profile Line");
        EXPECT_EQ(Child<QRadioButton>(d, "sameMaterial")->text(),
                  "Use same material for both lines - Material number = 3");
        QRadioButton* fresh = Child<QRadioButton>(d, "newMaterial");
        EXPECT_EQ(fresh->text(), "Use a new material for new line - Material number = 5");
        EXPECT_TRUE(fresh->isChecked());
        QLineEdit* material = Child<QLineEdit>(d, "materialNumber");
        EXPECT_FALSE(material->isEnabled());
        ClickRadio(Child<QRadioButton>(d, "specifiedMaterial"));
        EXPECT_TRUE(material->isEnabled());
        Retype(material, "0");
        PressButton(d, QDialogButtonBox::Ok);
        EXPECT_TRUE(d->isVisible());  // material 0 refused
        Retype(material, "7");
        ClickRadio(fresh);
        EXPECT_FALSE(material->isEnabled());
        EXPECT_TRUE(Child<QRadioButton>(d, "rightPortion")->isChecked());
        ClickRadio(Child<QRadioButton>(d, "leftPortion"));
        QLineEdit* description = Child<QLineEdit>(d, "description");
        EXPECT_EQ(description->text(), "Profile line number 5");
        Retype(description, "");
        PressButton(d, QDialogButtonBox::Ok);
    });
    ASSERT_TRUE(Cpp_ProfileTool::SplitLineAtPoint(three, three->FirstPoint()));
    EXPECT_EQ(Fakes().messageBoxes.Texts(),
              std::vector<std::string>{
                  "Illegal material number - Material numbers must be greater than zero."});
    // The left portion became line 5 with the proposed material 5 (not the 7 typed) and the
    // description of its number; the old number keeps the right-hand points.
    const Cpp_ProfileLine* five = Profiles().FindProfileLine(5);
    ASSERT_NE(five, nullptr);
    EXPECT_EQ(five, three);
    EXPECT_EQ(five->GetMaterialNumber(), 5);
    EXPECT_EQ(five->Description(), "Profile line number 5");
    EXPECT_EQ(five->NumberOfPoints(), 1);
    EXPECT_EQ(Profiles().FindProfileLine(3)->NumberOfPoints(), 2);
    EXPECT_EQ(Profiles().FindProfileLine(3)->GetMaterialNumber(), 3);
}

TEST_F(LineValueDialogsTest, ThePiezometricSplitWindowShowsTheNewNumberAndCancelKeepsTheLine) {
    Cpp_PiezometricLineList& lines =
        *Cpp_Kliven4Data::CurrentDataSet()->PiezometricLines(Cpp_Kliven4DataSet::CurrentStage());
    Cpp_PiezometricLine* line = lines.CreateLine(1, 9.81, "water");
    line->AddPoint(0, 0);
    line->AddPoint(10, 0);
    line->AddPoint(20, 0);
    Drive<dialogs::CmPiezometricSplitInput>([](dialogs::CmPiezometricSplitInput* d) {
        EXPECT_EQ(d->windowTitle(), "Information for New Piezometric Line");
        EXPECT_EQ(Child<QLabel>(d, "newNumber")->text(), "New line number 2");
        EXPECT_EQ(Child<QLineEdit>(d, "description")->text(), "Piezometric line number 2");
        EXPECT_EQ(Child<QRadioButton>(d, "leftPortion")->text(),
                  "Left portion of original line is the new line.");
        QTest::keyClick(d, Qt::Key_Escape);
    });
    EXPECT_FALSE(Cpp_PiezometricTool::SplitLineAtPoint(line, line->FirstPoint()->Next()));
    EXPECT_EQ(lines.Count(), 1);
    EXPECT_EQ(line->NumberOfPoints(), 3);
    Drive<dialogs::CmPiezometricSplitInput>([](dialogs::CmPiezometricSplitInput* d) {
        Retype(Child<QLineEdit>(d, "description"), "east");
        QTest::keyClick(Child<QLineEdit>(d, "description"), Qt::Key_Return);
    });
    ASSERT_TRUE(Cpp_PiezometricTool::SplitLineAtPoint(line, line->FirstPoint()->Next()));
    ASSERT_EQ(lines.Count(), 2);
    EXPECT_EQ(lines.FindLine(2)->Description(), "east");
    EXPECT_EQ(lines.FindLine(2)->NumberOfPoints(), 2);
}

}  // namespace
