// The reinforcement entry tool driven by scripted mouse, key and wheel records through the view's
// input functions: the points and forces entered, the line added (a number in use settled in the
// duplicate-number window, so no two lines share one), the REI block written afterwards, undo,
// cancel, the wheel and the repaint after a zoom.

#include "core/cursor_mode.h"
#include "core/dialog_slot.h"
#include "core/tool_option_dialogs.h"
#include "core/units.h"
#include "editing/cursor_modes.h"
#include "editing/edit_modes.h"
#include "editing/tool_dialog_bars.h"
#include "editing/view_input_fixture.h"
#include "graphics/graphics.h"
#include "graphics/line_list.h"
#include "graphics/prompts.h"
#include "loads/load_drawing_support.h"
#include "loads/reinforcement_line.h"
#include "model/data_set.h"
#include "model/data_sets.h"
#include "support/fake_services.h"

#include <cstdio>
#include <string>
#include <tuple>
#include <vector>

namespace {

using Values = std::tuple<double, double, double, double>;

class AnsweringDuplicates final : public DuplicateLineDialog {
public:
    int Run(const std::string& text, const std::vector<int>&, int& newNumber, int&) override {
        message = text;
        newNumber = answer;
        return choice;
    }
    int choice = -1, answer = 0;
    std::string message;
};

// The options window and the largest-value box of the tool's first uses, answered as told.
class AnsweringOptions final : public ToolOptionDialogs {
public:
    bool Reinforcement(s_ReinforcementToolOptions& options) override {
        ++runs;
        options.maximumForce = maximumForce;
        return ok;
    }
    int runs = 0;
    double maximumForce = 0;
    bool ok = true;
};
class AnsweringLargestValue final : public Cpp_Graphics::LargestValueDialog {
public:
    bool Run(const std::string& label, double& value) override {
        labels.push_back(label);
        value = 500;
        return true;
    }
    std::vector<std::string> labels;
};

// The first use asks for the largest force once, in the options window ("Max. force (for
// scaling)"), whatever that window answered; a later use without a largest force asks in its
// own box.
struct s_FirstUseCase {
    bool ok;
    double maximumForce;
    double largestAfterFirst;
    std::vector<std::string> boxesOnSecondUse;
};

class ReinforcementToolFirstUse : public ::testing::TestWithParam<s_FirstUseCase> {
protected:
    void SetUp() override {
        saved_ = loads::ReinforcementForceScale();
        loads::ReinforcementForceScale().Record(GetUnitSystem()).kind = 4;  // needs a largest
        Cpp_ReinforcementLineList::SetLargestForce(0);
        ToolOptionDialogsSlot().Set(&options);
        Cpp_Graphics::LargestValueDialogSlot().Set(&largest);
    }
    void TearDown() override {
        ToolOptionDialogsSlot().Reset();
        Cpp_Graphics::LargestValueDialogSlot().Reset();
        loads::ReinforcementForceScale() = saved_;
    }
    testsupport::FakeServices fakes;
    AnsweringOptions options;
    AnsweringLargestValue largest;

private:
    loads::s_ArrowScaleState saved_;
};

TEST_P(ReinforcementToolFirstUse, AsksForTheLargestForceOnce) {
    const s_FirstUseCase& c = GetParam();
    options.ok = c.ok;
    options.maximumForce = c.maximumForce;
    Cpp_ReinforcementLineList::StartEntryTool();
    EXPECT_EQ(options.runs, 1);
    EXPECT_TRUE(largest.labels.empty());
    EXPECT_EQ(Cpp_ReinforcementLineList::LargestForce(), c.largestAfterFirst);
    Cpp_ReinforcementLineList::StartEntryTool();
    EXPECT_EQ(options.runs, 1);
    EXPECT_EQ(largest.labels, c.boxesOnSecondUse);
}

INSTANTIATE_TEST_SUITE_P(
    OptionsAnswers, ReinforcementToolFirstUse,
    ::testing::Values(s_FirstUseCase{true, 400, 400, {}},
                      s_FirstUseCase{true, 0, 0, {"Largest value for reinforcement force"}},
                      s_FirstUseCase{false, 400, 0, {"Largest value for reinforcement force"}}));

class ReinforcementToolTest : public ViewInputTest {
protected:
    void SetUp() override {
        ViewInputTest::SetUp();
        host.editMode = EditModeReinforcement;
        ResetToolBars();
        ShowToolBar(BarReinforcement, true, 1);
        DuplicateLineDialogSlot().Set(&duplicates);
        platform::Services().SetPromptBar(&promptBar);
        Cpp_ReinforcementLineList::StartEntryTool();
    }
    void TearDown() override {
        if (Cpp_ReinforcementLineList::IsEnteringPoints()) Key(ViewKeyEscape);
        Lines().DeleteAllLines();
        DuplicateLineDialogSlot().Reset();
        platform::Services().SetPromptBar(nullptr);
    }
    static Cpp_ReinforcementLineList& Lines() {
        return *Cpp_Kliven4Data::CurrentDataSet()->ReinforcementLines();
    }
    static CmDialogBarReinforcementTool& Bar() { return TheToolBars().reinforcement; }
    static void SetForces(double longitudinal, double transverse) {
        Bar().SetForces(longitudinal, transverse);
    }
    static std::vector<Values> PointsOf(const Cpp_ReinforcementLine& line) {
        std::vector<s_ReinforcementLinePtType> points;
        line.CopyPointsToArray(points);
        std::vector<Values> values;
        for (const auto& p : points)
            values.emplace_back(p.x, p.y, p.longitudinalForce, p.transverseForce);
        return values;
    }
    static std::vector<int> Numbers() {
        std::vector<int> numbers;
        for (int i = 0; i < Lines().Count(); ++i)
            numbers.push_back(Lines().ReinforcementLineAt(i)->GetNumber());
        return numbers;
    }
    void AddExistingLine(int number) {
        Cpp_ReinforcementLine* line = Lines().AddNewLine(number, "old", 0.0, 1);
        line->AddPoint(0, 0, 0, 0);
        line->AddPoint(10, 0, 0, 0);
    }
    void Wheel(int steps, bool shift) {
        s_ViewInput in = At(200, 150, shift);
        in.wheelSteps = steps;
        ViewMouseWheel(host, in);
    }
    std::pair<double, double> BarForces() {
        double x = 0, y = 0, l = 0, t = 0;
        EXPECT_TRUE(Bar().GetPointData(x, y, l, t));
        return {l, t};
    }

    AnsweringDuplicates duplicates;
    testsupport::FakePromptBar promptBar;
};

TEST_F(ReinforcementToolTest, ClicksAndARightClickMakeALineThatTheReiBlockReadsBack) {
    SetForces(100, 5);
    Click(100, 200);  // world (100, 100)
    EXPECT_EQ(GetCursorMode(), CursorModeReinforcementLineEntry);
    EXPECT_TRUE(Bar().IsFinishButtonEnabled());
    EXPECT_EQ(promptBar.text,
              "Left-click or Enter key to enter points (1 pts. entered); Shift-Esc = "
              "undo; Right-click = finish; Esc = cancel.");
    SetForces(50, 0);
    Click(150, 150);
    Right(150, 150);
    EXPECT_EQ(GetCursorMode(), CursorModeNone);
    EXPECT_FALSE(Bar().IsFinishButtonEnabled());
    ASSERT_EQ(Lines().Count(), 1);
    const Cpp_ReinforcementLine& line = *Lines().ReinforcementLineAt(0);
    EXPECT_EQ(line.GetNumber(), 1);
    EXPECT_EQ(line.Description(), "Reinforcement Line No. 1");
    EXPECT_EQ(PointsOf(line), (std::vector<Values>{{100, 100, 100, 5}, {150, 150, 50, 0}}));
    int next = 0;
    ASSERT_TRUE(Bar().GetLineNumber(next));
    EXPECT_EQ(next, 2);

    std::FILE* file = std::tmpfile();
    ASSERT_TRUE(Lines().WriteKLIVEN4InputDataFile(file));
    std::rewind(file);
    char header[200] = {};
    ASSERT_NE(std::fgets(header, sizeof header, file), nullptr);
    Cpp_ReinforcementLineList back;
    ASSERT_TRUE(back.ReadInput(file, nullptr, false));
    std::fclose(file);
    ASSERT_EQ(back.Count(), 1);
    EXPECT_EQ(back.ReinforcementLineAt(0)->Description(), "Reinforcement Line No. 1");
    EXPECT_EQ(PointsOf(*back.ReinforcementLineAt(0)), PointsOf(line));
}

TEST_F(ReinforcementToolTest, TheLastPointAgainFinishesOnlyWithUnchangedForces) {
    SetForces(10, 0);
    Click(100, 200);
    Click(150, 200);
    SetForces(20, 0);
    Click(150, 200);  // a changed force: a second point at the same place
    EXPECT_EQ(GetCursorMode(), CursorModeReinforcementLineEntry);
    Click(150, 200);  // unchanged now: finished
    EXPECT_EQ(GetCursorMode(), CursorModeNone);
    ASSERT_EQ(Lines().Count(), 1);
    EXPECT_EQ(PointsOf(*Lines().ReinforcementLineAt(0)),
              (std::vector<Values>{{100, 100, 10, 0}, {150, 100, 10, 0}, {150, 100, 20, 0}}));
}

TEST_F(ReinforcementToolTest, OnePointFinishedIsReportedAndTheEntryGoesOn) {
    Click(100, 200);
    Right(100, 200);
    ASSERT_EQ(fakes.messageBoxes.requests.size(), 1u);
    EXPECT_EQ(fakes.messageBoxes.requests[0].caption, "ERROR");
    EXPECT_EQ(fakes.messageBoxes.requests[0].text,
              "Not enough points for reinforcement line.  Must enter at least 2 points.");
    EXPECT_EQ(GetCursorMode(), CursorModeReinforcementLineEntry);
    EXPECT_EQ(Lines().Count(), 0);
    Click(120, 200);
    Right(120, 200);
    EXPECT_EQ(Lines().Count(), 1);
}

// A finished line used to take the bar's number even when a line had it, which makes a
// document the REI reader refuses.
TEST_F(ReinforcementToolTest, ANumberInUseIsSettledBeforeTheLineIsMade) {
    AddExistingLine(1);
    struct Case {
        int choice, answer;
        std::vector<int> numbers;
    };
    const Case cases[] = {
        {1, 7, {1, 7}},  // the new line takes another number
        {-1, 0, {1}},    // cancelled: the new line is dropped
    };
    for (const Case& c : cases) {
        Lines().DeleteAllLines();
        AddExistingLine(1);
        duplicates.choice = c.choice;
        duplicates.answer = c.answer;
        Bar().SetLineNumber(1);
        Click(100, 200);
        Click(150, 200);
        Right(150, 200);
        EXPECT_EQ(GetCursorMode(), CursorModeNone);
        EXPECT_EQ(duplicates.message, "Reinforcement number 1 already exists.");
        EXPECT_EQ(Numbers(), c.numbers);
    }
}

TEST_F(ReinforcementToolTest, BackspaceDeleteOrShiftEscapeTakeTheLastPointBackEscapeDropsAll) {
    Click(100, 200);
    Click(150, 200);
    Click(200, 200);
    Key(ViewKeyBackspace);
    EXPECT_EQ(Cpp_ReinforcementLineList::EnteredPoints().size(), 2u);
    Click(200, 200);
    Key(ViewKeyDelete);  // the Delete key: undo too
    EXPECT_EQ(Cpp_ReinforcementLineList::EnteredPoints().size(), 2u);
    Key(ViewKeyEscape, true);  // Shift+Escape: undo too
    EXPECT_EQ(Cpp_ReinforcementLineList::EnteredPoints().size(), 1u);
    Key(ViewKeyBackspace);  // the only point: the entry ends
    EXPECT_EQ(GetCursorMode(), CursorModeNone);
    Click(100, 200);
    Click(150, 200);
    Key(ViewKeyEscape);
    EXPECT_EQ(GetCursorMode(), CursorModeNone);
    EXPECT_FALSE(Bar().IsFinishButtonEnabled());
    EXPECT_EQ(Lines().Count(), 0);
}

TEST_F(ReinforcementToolTest, TheWheelChangesTheBarsForcesOnlyWithWheelEditing) {
    SetForces(10, 5);
    Click(100, 200);
    Wheel(1, false);
    EXPECT_EQ(BarForces(), std::pair(10.0, 5.0));  // wheel editing off
    host.wheelEditing = true;
    Wheel(1, false);
    Wheel(-1, true);
    EXPECT_EQ(BarForces(), std::pair(11.0, 4.0));
    Key(ViewKeyEscape);
    Wheel(1, true);  // no step running: the bar's value
    EXPECT_EQ(BarForces(), std::pair(11.0, 5.0));
}

TEST_F(ReinforcementToolTest, ARepaintAfterAZoomWindowRestoresEveryEnteredPoint) {
    Click(100, 200);
    Click(150, 200);
    Move(200, 180);
    StartZoomWindow(200, 180);
    Key(ViewKeyEscape);  // the zoom given up
    EXPECT_EQ(GetCursorMode(), CursorModeNone);
    platform::RecordingDeviceContext dc;
    Cpp_ReinforcementLineList::RepaintEnteredPoints(dc);
    EXPECT_EQ(GetCursorMode(), CursorModeReinforcementLineEntry);
    EXPECT_FALSE(dc.Records().empty());
    Right(200, 180);
    ASSERT_EQ(Lines().Count(), 1);
    EXPECT_EQ(PointsOf(*Lines().ReinforcementLineAt(0)).size(), 2u);
}

}  // namespace
