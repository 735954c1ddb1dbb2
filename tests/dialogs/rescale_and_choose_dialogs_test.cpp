// The rescale and choose-X windows driven through their widgets in the running program, and
// the Edit menu's rescale and renumber commands.

#include "dialogs/choose_x_dialog.h"
#include "dialogs/rescale_dialog.h"

#include "core/command_ids.h"
#include "core/cursor_mode.h"
#include "dialogs/running_program.h"
#include "editing/cursor_modes.h"
#include "editing/renumber_lines.h"
#include "editing/rescale_coordinates.h"
#include "loads/geogrid_data.h"
#include "model/data_sets.h"

#include <QLineEdit>
#include <QListWidget>
#include <QTest>

#include <string>
#include <vector>

namespace {

using dialogs::ChooseXValueDialog;
using dialogs::RescaleCoordinatesDialog;
using testsupport::PressButton;
using testsupport::Retype;

class RescaleAndChooseTest : public testsupport::RunningProgram {
protected:
    void SetUp() override {
        RunningProgram::SetUp();
        ds = Cpp_Kliven4Data::CurrentDataSet();
        Cpp_ProfileLine* line = ds->ProfileLines().CreateLine(1, 1, "");
        line->AddPoint(0, 0);
        line->AddPoint(10, 5);
    }
    s_tagTypePointXY Second() const {
        const Cpp_PointXY* p = ds->ProfileLines().Lines()[0]->FirstPoint()->Next();
        return {p->X(), p->Y()};
    }
    // The picks of cursor modes 10 and 11 with the dialog answered by the action.
    template <class Action>
    bool PickAndAnswer(s_tagTypePointXY first, s_tagTypePointXY second, Action action) {
        bool reached = false;
        testsupport::WhenModal([&](QWidget* modal) {
            auto* d = qobject_cast<RescaleCoordinatesDialog*>(modal);
            ASSERT_NE(d, nullptr);
            reached = true;
            action(d);
        });
        RescaleCoordinates::FirstPointClick(ds, first);
        const bool done = RescaleCoordinates::SecondPointClick(second);
        EXPECT_TRUE(reached);
        return done;
    }

    Cpp_Kliven4DataSet* ds = nullptr;
};

// The command starts the first pick; the window shows the picked points, the new values typed
// come back and map the data; both new X equal asks first (Cancel keeps the window open).
TEST_F(RescaleAndChooseTest, RescaleFromTheCommandThroughTheWindow) {
    Frame().OnCommand(ID_RESCALE_COORDINATES);
    EXPECT_EQ(GetCursorMode(), CursorModeRescaleFirstPoint);
    EXPECT_EQ(Fakes().statusLine.text, "");
    ASSERT_TRUE(PickAndAnswer({0, 0}, {10, 5}, [&](RescaleCoordinatesDialog* d) {
        EXPECT_EQ(d->windowTitle(), "Rescale coordinates");
        EXPECT_EQ(d->Edit("oldX2")->text(), "10");
        EXPECT_EQ(d->Edit("oldY2")->text(), "5");
        EXPECT_FALSE(d->Edit("oldX1")->isEnabled());
        EXPECT_EQ(d->focusWidget(), d->Edit("newX1"));  // the focus once the window is active
        Retype(d->Edit("newX1"), "100");
        Retype(d->Edit("newY1"), "200");
        Retype(d->Edit("newX2"), "100");
        Retype(d->Edit("newY2"), "210");
        Fakes().messageBoxes.answers = {platform::BoxResult::Cancel};
        PressButton(d, QDialogButtonBox::Ok);
        EXPECT_TRUE(d->isVisible());
        Retype(d->Edit("newX2"), "120");
        PressButton(d, QDialogButtonBox::Ok);
    }));
    EXPECT_EQ(Second().x, 120);
    EXPECT_EQ(Second().y, 210);
    EXPECT_EQ(GetCursorMode(), 0);
    ASSERT_EQ(Fakes().messageBoxes.requests.size(), 1u);
    EXPECT_EQ(Fakes().messageBoxes.requests[0].caption, "Notice");
    EXPECT_EQ(Fakes().messageBoxes.requests[0].text,
              "Both X values are the same - all X-Coordinates will be set to one value.  Is this "
              "the intent?");
}

// Two points on one vertical line: after OK to the question the new X fields are disabled and
// only y changes; both new Y equal after both new X equal is refused; Cancel changes nothing.
TEST_F(RescaleAndChooseTest, RescaleYOnlyAndRefusals) {
    Fakes().messageBoxes.answers = {platform::BoxResult::Ok};
    ASSERT_TRUE(PickAndAnswer({10, 0}, {10, 5}, [&](RescaleCoordinatesDialog* d) {
        EXPECT_FALSE(d->Edit("newX1")->isEnabled());
        EXPECT_FALSE(d->Edit("newX2")->isEnabled());
        EXPECT_EQ(d->focusWidget(), d->Edit("newY1"));  // the focus once the window is active
        Retype(d->Edit("newY2"), "10");
        PressButton(d, QDialogButtonBox::Ok);
    }));
    EXPECT_EQ(Second().x, 10);
    EXPECT_EQ(Second().y, 10);

    Fakes().messageBoxes.requests.clear();
    EXPECT_FALSE(PickAndAnswer({0, 0}, {10, 10}, [&](RescaleCoordinatesDialog* d) {
        Retype(d->Edit("newX2"), "0");
        Retype(d->Edit("newY2"), "0");
        PressButton(d, QDialogButtonBox::Ok);  // OK to the X question, then the error
        EXPECT_TRUE(d->isVisible());
        Retype(d->Edit("newX1"), "x");
        PressButton(d, QDialogButtonBox::Ok);
        EXPECT_TRUE(d->isVisible());
        PressButton(d, QDialogButtonBox::Cancel);
    }));
    EXPECT_EQ(Second().x, 10);
    EXPECT_EQ(Second().y, 10);
    ASSERT_EQ(Fakes().messageBoxes.requests.size(), 3u);
    EXPECT_EQ(Fakes().messageBoxes.requests[1].caption, "Error");
    EXPECT_EQ(Fakes().messageBoxes.requests[1].text,
              "Both X values and both Y values are the same; cannot re-scale.");
    EXPECT_EQ(Fakes().messageBoxes.requests[2].text, "Enter a number.");
}

// "Choose an X value" lists the values with four decimals; OK with no line chosen keeps it
// open; the chosen line's index comes back; Cancel answers false.
TEST_F(RescaleAndChooseTest, ChooseAnXValue) {
    const std::vector<double> xs{3.0, 12.345678, -0.5};
    int index = -1;
    bool reached = false;
    testsupport::WhenModal([&](QWidget* modal) {
        auto* d = qobject_cast<ChooseXValueDialog*>(modal);
        ASSERT_NE(d, nullptr);
        reached = true;
        EXPECT_EQ(d->windowTitle(), "Choose an X value");
        std::vector<std::string> lines;
        for (int i = 0; i < d->List()->count(); ++i)
            lines.push_back(d->List()->item(i)->text().toStdString());
        EXPECT_EQ(lines, (std::vector<std::string>{"3.0000", "12.3457", "-0.5000"}));
        PressButton(d, QDialogButtonBox::Ok);
        EXPECT_TRUE(d->isVisible());
        d->List()->setCurrentRow(1);
        PressButton(d, QDialogButtonBox::Ok);
    });
    EXPECT_TRUE(Cpp_GeogridData::ChooseFaceIntersection(xs, index));
    EXPECT_TRUE(reached);
    EXPECT_EQ(index, 1);

    testsupport::WhenModal([](QWidget* modal) { PressButton(modal, QDialogButtonBox::Cancel); });
    index = -1;
    EXPECT_FALSE(Cpp_GeogridData::ChooseFaceIntersection(xs, index));
    EXPECT_EQ(index, -1);
}

// The renumber commands start the tool on their kind.
TEST_F(RescaleAndChooseTest, RenumberCommands) {
    Frame().OnCommand(ID_RENUMBER_PIEZOMETRIC_LINES);
    EXPECT_TRUE(RenumberLines::IsActive());
    EXPECT_EQ(GetCursorMode(), CursorModeRenumberLines);
    RenumberLines::End();
    EXPECT_EQ(GetCursorMode(), 0);
    EXPECT_EQ(Fakes().statusLine.text, "");
    Frame().OnCommand(ID_RENUMBER_PROFILE_LINES);
    EXPECT_TRUE(RenumberLines::IsActive());
    EXPECT_EQ(GetCursorMode(), CursorModeRenumberLines);
    EXPECT_TRUE(RenumberLines::OnClick({5, 2.5}, 0.1, nullptr));
    EXPECT_EQ(GetCursorMode(), 0);
    Frame().OnCommand(ID_RENUMBER_REINFORCEMENT_LINES);
    EXPECT_TRUE(RenumberLines::IsActive());
    RenumberLines::End();
    EXPECT_EQ(Fakes().statusLine.text, "");
}

}  // namespace
