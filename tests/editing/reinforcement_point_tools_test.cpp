// The point steps on a selected reinforcement line driven through the edit commands and the
// view's input records: adding a point at an end, inserting one (the mean forces offered),
// dragging a point, the values typed into the bar, the wheel on a selected point, the line
// editing tools on a reinforcement segment; the data they leave, the document marked, and the
// XOR bands gone after every step.

#include "core/cursor_mode.h"
#include "core/units.h"
#include "editing/cursor_modes.h"
#include "editing/drawn_figures.h"
#include "editing/edit_modes.h"
#include "editing/line_editing_dialogs.h"
#include "editing/selection_edit_commands.h"
#include "editing/selection_list.h"
#include "editing/tool_dialog_bars.h"
#include "editing/tool_table.h"
#include "editing/two_step_edits.h"
#include "editing/view_input_fixture.h"
#include "graphics/graphic_grid.h"
#include "graphics/prompts.h"
#include "loads/load_drawing_support.h"
#include "loads/reinforcement_line.h"
#include "model/data_set.h"
#include "model/data_sets.h"
#include "support/fake_services.h"

#include <string>
#include <tuple>
#include <vector>

namespace {

using Values = std::tuple<double, double, double, double>;

constexpr platform::ColorRef kGreen = platform::MakeRgb(0, 255, 0);
constexpr platform::ColorRef kGrey = platform::MakeRgb(160, 160, 160);

class LengthOnly final : public LineEditingDialogs {
public:
    bool EnterLength(double& value) override {
        value = length;
        return true;
    }
    bool EnterSlope(int&, double&, int&) override { return false; }
    bool EnterMoveDistance(const std::string&, const std::string&, double&) override {
        return false;
    }
    bool EditValue(const std::string&, const s_EditValuePlacement&, double&) override {
        return false;
    }
    bool ProfileSplit(s_ProfileSplitInformation&) override { return false; }
    bool PiezometricSplit(s_PiezometricSplitInformation&) override { return false; }
    double length = 50.0;
};

// Line 1 runs through world (100, 100), (200, 100), (300, 150): pixels (100, 200), (200, 200),
// (300, 150).
class ReinforcementPointToolsTest : public ViewInputTest {
protected:
    void SetUp() override {
        ViewInputTest::SetUp();
        host.editMode = EditModeSelect;
        ResetToolBars();
        GetCurrentSelection().Clear();
        platform::Services().SetPromptBar(&promptBar);
        LineEditingDialogsSlot().Set(&dialogs);
        // A scale, so the bands take the shape of the force diagrams.
        Cpp_ReinforcementLineList::SetLargestForce(100.0);
        Cpp_ReinforcementLineList::ComputeForceScale(GetUnitSystem());
        line = Lines().AddNewLine(1, "", 0, 1);
        line->AddPoint(100, 100, 10, 2);
        line->AddPoint(200, 100, 30, 6);
        line->AddPoint(300, 150, 20, 4);
        line->NumberPoints();
    }
    void TearDown() override {
        if (GetCursorMode() != CursorModeNone) Key(ViewKeyEscape);
        GetCurrentSelection().Clear();
        Lines().DeleteAllLines();
        LineEditingDialogsSlot().Reset();
        platform::Services().SetPromptBar(nullptr);
        loads::ResetLoadScales();
    }
    static Cpp_ReinforcementLineList& Lines() {
        return *Cpp_Kliven4Data::CurrentDataSet()->ReinforcementLines();
    }
    static CmDialogBarReinforcementTool& Bar() { return TheToolBars().reinforcement; }
    Cpp_ReinforcementPoint* Nth(int n) {
        Cpp_ReinforcementPoint* p = line->FirstReinforcementPoint();
        while (p && --n > 0) p = p->NextPoint();
        return p;
    }
    // Selects the item of the line's n-th point (segment kinds: the segment it starts) and
    // shows its bar, as a click in select mode does.
    void Select(int kind, int n) {
        Cpp_Selection s;
        if (Cpp_Selection::IsSegmentKind(kind))
            s.SetSegmentItem(Cpp_Kliven4Data::CurrentDataSet(), 0, kind, line, Nth(n));
        else
            s.SetPointItem(Cpp_Kliven4Data::CurrentDataSet(), 0, kind, line, Nth(n));
        GetCurrentSelection().AddCopy(s);
        ASSERT_TRUE(GetCurrentSelection().GetNth(1)->UpdateToolBars());
    }
    std::vector<Values> Points() const {
        std::vector<Values> values;
        for (const Cpp_ReinforcementPoint* p = line->FirstReinforcementPoint(); p;
             p = p->NextPoint())
            values.emplace_back(p->X(), p->Y(), p->longitudinalForce, p->transverseForce);
        return values;
    }
    // Every point's previous link is the point before it.
    void ExpectBackLinks() const {
        const Cpp_ReinforcementPoint* before = nullptr;
        for (const Cpp_ReinforcementPoint* p = line->FirstReinforcementPoint(); p;
             p = p->NextPoint()) {
            EXPECT_EQ(p->previous, before);
            before = p;
        }
    }
    std::pair<double, double> BarForces() {
        double x = 0, y = 0, l = 0, t = 0;
        EXPECT_TRUE(Bar().GetPointData(x, y, l, t));
        return {l, t};
    }
    bool Bands(platform::ColorRef pen) {
        return !testsupport::XorSegmentsShown(host.overlay, pen).empty();
    }
    void Wheel(int steps, bool shift = false, bool control = false) {
        s_ViewInput in = At(200, 150, shift, control);
        in.wheelSteps = steps;
        ViewMouseWheel(host, in);
    }

    Cpp_ReinforcementLine* line = nullptr;
    LengthOnly dialogs;
    testsupport::FakePromptBar promptBar;
};

// ---------------------------------------------------------------------------------------------
// Adding a point at an end

TEST_F(ReinforcementPointToolsTest, APointIsAddedAfterTheLastOrBeforeTheFirstWithTheBarsForces) {
    struct Case {
        int end;
        bool typed;
        std::vector<Values> expected;
    };
    const Case cases[] = {
        // A click at pixel (350, 120) is world (350, 180).
        {3, false, {{100, 100, 10, 2}, {200, 100, 30, 6}, {300, 150, 20, 4}, {350, 180, 40, 8}}},
        {1, false, {{350, 180, 40, 8}, {100, 100, 10, 2}, {200, 100, 30, 6}, {300, 150, 20, 4}}},
        // Enter takes the bar's x and y.
        {1, true, {{50, 60, 40, 8}, {100, 100, 10, 2}, {200, 100, 30, 6}, {300, 150, 20, 4}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "end " << c.end << (c.typed ? " typed" : ""));
        SetUp();
        Select(SEL_REINFORCEMENT_POINT, c.end);
        ASSERT_TRUE(StartAddPointAtEnd(host));
        EXPECT_EQ(GetCursorMode(), CursorModeAddPointReinforcementLine);
        EXPECT_EQ(promptBar.text,
                  "Place cursor at point being inserted and left-click or type coordinates and "
                  "press enter key; Escape to cancel");
        Bar().SetPointData(50, 60, 40, 8);
        Move(350, 120);
        EXPECT_TRUE(Bands(kGreen));
        if (c.typed) {
            bool redraw = false;
            EnterKey(host, redraw);
        } else {
            Click(350, 120);
        }
        EXPECT_EQ(Points(), c.expected);
        ExpectBackLinks();
        EXPECT_EQ(testsupport::LinePointNumbers(*line), (std::vector<int>{1, 2, 3, 4}));
        EXPECT_EQ(GetCursorMode(), CursorModeNone);
        EXPECT_FALSE(Bands(kGreen));
        EXPECT_EQ(host.dataChanges, std::vector<int>{0});  // the document is modified
        TearDown();
        host.dataChanges.clear();
        host.overlay.Clear();
    }
}

TEST_F(ReinforcementPointToolsTest, AddingAtAMiddlePointStartsNothingAndEscapeAddsNothing) {
    Select(SEL_REINFORCEMENT_POINT, 2);
    StartAddPointAtEnd(host);
    EXPECT_EQ(GetCursorMode(), CursorModeNone);
    GetCurrentSelection().Clear();
    Select(SEL_REINFORCEMENT_POINT, 3);
    StartAddPointAtEnd(host);
    Move(350, 120);
    Key(ViewKeyEscape);
    EXPECT_EQ(GetCursorMode(), CursorModeNone);
    EXPECT_FALSE(Bands(kGreen));
    EXPECT_EQ(Points().size(), 3u);
    EXPECT_TRUE(host.dataChanges.empty());
}

// ---------------------------------------------------------------------------------------------
// Inserting a point

TEST_F(ReinforcementPointToolsTest, InsertingOffersTheMeanForcesAndLinksThePointBothWays) {
    Select(SEL_REINFORCEMENT_INTERVAL, 2);
    ASSERT_TRUE(StartInsertPoint(host));
    EXPECT_EQ(GetCursorMode(), CursorModeInsertReinforcementPoint);
    EXPECT_EQ(promptBar.text, "Place cursor at point being inserted and left-click.");
    EXPECT_EQ(BarForces(), std::pair(25.0, 5.0));
    Move(250, 150);
    EXPECT_TRUE(Bands(kGreen));
    host.wheelEditing = true;
    Wheel(1);         // the bar's longitudinal force
    Wheel(-1, true);  // Shift: the transverse force
    EXPECT_EQ(BarForces(), std::pair(26.0, 4.0));
    Click(250, 150);
    EXPECT_EQ(Points(),
              (std::vector<Values>{
                  {100, 100, 10, 2}, {200, 100, 30, 6}, {250, 150, 26, 4}, {300, 150, 20, 4}}));
    ExpectBackLinks();
    EXPECT_EQ(GetCursorMode(), CursorModeNone);
    EXPECT_FALSE(Bands(kGreen));
    EXPECT_TRUE(GetCurrentSelection().IsEmpty());
    EXPECT_EQ(host.dataChanges, std::vector<int>{0});
}

TEST_F(ReinforcementPointToolsTest, EscapeOrBackspaceEndsTheInsertWithoutAPoint) {
    for (int key : {ViewKeyEscape, ViewKeyBackspace}) {
        Select(SEL_REINFORCEMENT_INTERVAL, 1);
        StartInsertPoint(host);
        Move(150, 150);
        Key(key);
        EXPECT_EQ(GetCursorMode(), CursorModeNone);
        EXPECT_FALSE(Bands(kGreen));
        EXPECT_EQ(Points().size(), 3u);
        GetCurrentSelection().Clear();
    }
    EXPECT_TRUE(host.dataChanges.empty());
}

// A bar field that holds no number: the field's message, and neither the insert nor the typed
// values change the line.
TEST_F(ReinforcementPointToolsTest, ABarFieldWithoutANumberChangesNothing) {
    Select(SEL_REINFORCEMENT_INTERVAL, 1);
    StartInsertPoint(host);
    Bar().Controls().SetText(CmDialogBarReinforcementTool::IdLongForce, "abc");
    Move(150, 150);
    Move(160, 150);
    EXPECT_TRUE(fakes.messageBoxes.requests.empty());  // moving says nothing
    Click(160, 150);
    ASSERT_EQ(fakes.messageBoxes.requests.size(), 1u);
    EXPECT_EQ(fakes.messageBoxes.requests[0].caption, "ERROR");
    EXPECT_EQ(fakes.messageBoxes.requests[0].text, "Enter a number.");
    EXPECT_EQ(GetCursorMode(), CursorModeNone);
    EXPECT_FALSE(Bands(kGreen));
    GetCurrentSelection().Clear();

    Select(SEL_REINFORCEMENT_POINT, 2);
    Bar().SetPointData(250, 50, 30, 6);
    Bar().Controls().SetText(CmDialogBarReinforcementTool::IdTransForce, "x");
    bool redraw = false;
    EnterKey(host, redraw);
    ASSERT_EQ(fakes.messageBoxes.requests.size(), 2u);
    EXPECT_EQ(fakes.messageBoxes.requests[1].text, "Enter a number.");
    EXPECT_EQ(Points(),
              (std::vector<Values>{{100, 100, 10, 2}, {200, 100, 30, 6}, {300, 150, 20, 4}}));
    EXPECT_TRUE(host.dataChanges.empty());
}

// ---------------------------------------------------------------------------------------------
// Dragging a point

TEST_F(ReinforcementPointToolsTest, ADraggedPointKeepsItsForcesAndEscapeLeavesItWhereItWas) {
    Select(SEL_REINFORCEMENT_POINT, 2);
    ASSERT_TRUE(ChangeValueOfSelection(host, 200, 200));
    EXPECT_EQ(GetCursorMode(), CursorModeDragReinforcementPoint);
    EXPECT_EQ(promptBar.text, "\"Drag\" point to new location and left-click.");
    Move(220, 180);
    Key(ViewKeyEscape);
    EXPECT_FALSE(Bands(kGrey));
    EXPECT_EQ(std::get<0>(Points()[1]), 200);
    EXPECT_TRUE(host.dataChanges.empty());

    ChangeValueOfSelection(host, 200, 200);
    Move(210, 190);
    Move(220, 180);
    EXPECT_TRUE(Bands(kGrey));
    Click(220, 180);
    EXPECT_EQ(Points()[1], Values(220, 120, 30, 6));
    EXPECT_EQ(GetCursorMode(), CursorModeNone);
    EXPECT_FALSE(Bands(kGrey));
    EXPECT_EQ(host.dataChanges, std::vector<int>{0});
    // Enter drops at the bar's point.
    ChangeValueOfSelection(host, 220, 180);
    Bar().SetPoint(230, 90);
    bool redraw = false;
    EnterKey(host, redraw);
    EXPECT_EQ(Points()[1], Values(230, 90, 30, 6));
}

TEST_F(ReinforcementPointToolsTest, ARepaintDuringAStepDrawsItsBandsAgain) {
    Select(SEL_REINFORCEMENT_INTERVAL, 1);
    StartInsertPoint(host);
    Move(150, 150);
    platform::RecordingDeviceContext dc;
    Cpp_ReinforcementLineList::DrawToolFeedbackC(dc);
    // Two bands, through the cursor point (150, 150).
    EXPECT_EQ(testsupport::XorSegmentsShown(dc, kGreen)
                  .count(testsupport::SegmentKey(100, 200, 150, 150)),
              1u);
    EXPECT_EQ(testsupport::XorSegmentsShown(dc, kGreen)
                  .count(testsupport::SegmentKey(150, 150, 200, 200)),
              1u);
    EXPECT_EQ(GetCursorMode(), CursorModeInsertReinforcementPoint);
}

// Alt held while the view is painted again puts the cursor point of the drag and insert steps
// on the snap grid even with snapping off.
TEST_F(ReinforcementPointToolsTest, AltHeldDuringARepaintSnapsTheDragAndInsertBandsToTheGrid) {
    s_GridSettingsType grid = Cpp_GraphicGrid::CurrentSettings();
    grid.spacing = 10.0;
    grid.snap = false;
    ASSERT_TRUE(Cpp_GraphicGrid::ApplySettings(grid));

    struct Step {
        int kind, point;
        void (*repaint)(platform::DeviceContext&);
        platform::ColorRef pen;
    };
    const Step steps[] = {
        {SEL_REINFORCEMENT_INTERVAL, 1, &Cpp_ReinforcementLineList::DrawToolFeedbackC, kGreen},
        {SEL_REINFORCEMENT_POINT, 2, &Cpp_ReinforcementLineList::DrawToolFeedbackB, kGrey}};
    for (const Step& step : steps) {
        for (const bool alt : {false, true}) {
            SCOPED_TRACE(testing::Message() << "kind " << step.kind << ", Alt " << alt);
            GetCurrentSelection().Clear();
            Select(step.kind, step.point);
            if (step.kind == SEL_REINFORCEMENT_INTERVAL)
                StartInsertPoint(host);
            else
                ChangeValueOfSelection(host, 200, 200);
            Move(153, 147);  // world (153, 153); on the grid (150, 150)
            fakes.keyboard.alt = alt;
            platform::RecordingDeviceContext dc;
            step.repaint(dc);
            const int at = alt ? 150 : 153, atY = alt ? 150 : 147;
            EXPECT_EQ(testsupport::XorSegmentsShown(dc, step.pen)
                          .count(testsupport::SegmentKey(100, 200, at, atY)),
                      1u);
            fakes.keyboard.alt = false;
            Key(ViewKeyEscape);
        }
    }
    Cpp_GraphicGrid::Reset();
}

// ---------------------------------------------------------------------------------------------
// Typed values and the wheel on a selected point

TEST_F(ReinforcementPointToolsTest, TypedValuesMoveRevalueOrRenumber) {
    struct Case {
        const char* name;
        int number;
        Values typed;
        Values expected;
        int expectedNumber;
        bool changed;
    };
    const Case cases[] = {
        {"forces kept: the point moves", 1, {210, 90, 30, 6}, {210, 90, 30, 6}, 1, true},
        {"a force changed: all values", 1, {210, 90, 500, 6}, {210, 90, 500, 6}, 1, true},
        {"only the number", 5, {200, 100, 30, 6}, {200, 100, 30, 6}, 5, true},
        {"nothing changed", 1, {200, 100, 30, 6}, {200, 100, 30, 6}, 1, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SetUp();
        Select(SEL_REINFORCEMENT_POINT, 2);
        Bar().SetLineNumber(c.number);
        const auto [x, y, l, t] = c.typed;
        Bar().SetPointData(x, y, l, t);
        bool redraw = false;
        EnterKey(host, redraw);
        EXPECT_EQ(Points()[1], c.expected);
        EXPECT_EQ(line->GetNumber(), c.expectedNumber);
        EXPECT_EQ(host.dataChanges.size(), c.changed ? 1u : 0u);
        // The largest force over the data sets sets the scale.
        EXPECT_EQ(Cpp_ReinforcementLineList::LargestForce(), std::max(30.0, std::get<2>(c.typed)));
        TearDown();
        host.dataChanges.clear();
    }
}

TEST_F(ReinforcementPointToolsTest, TheWheelOnASelectedPointChangesOneForceOnlyWithWheelEditing) {
    Select(SEL_REINFORCEMENT_POINT, 2);
    Wheel(1);
    EXPECT_EQ(Points()[1], Values(200, 100, 30, 6));  // wheel editing off
    host.wheelEditing = true;
    Wheel(1);
    Wheel(-1, false, true);  // Ctrl: the transverse force
    EXPECT_EQ(Points()[1], Values(200, 100, 31, 5));
    EXPECT_EQ(BarForces(), std::pair(31.0, 5.0));
    EXPECT_EQ(Points()[0], Values(100, 100, 10, 2));
}

// ---------------------------------------------------------------------------------------------
// The line editing tools on a reinforcement segment or point

TEST_F(ReinforcementPointToolsTest, TheLineEditingToolsStartOnReinforcementItems) {
    struct Case {
        const char* name;
        int kind;
        int point;
        bool (*start)();
        int mode;
    };
    const Case cases[] = {
        {"length", SEL_REINFORCEMENT_INTERVAL, 1, [] { return StartChangeSegmentLength(); },
         CursorModeChangeSegmentLength},
        {"slope", SEL_REINFORCEMENT_INTERVAL, 1, [] { return StartChangeSegmentSlope(); },
         CursorModeChangeSegmentSlope},
        {"extend", SEL_REINFORCEMENT_POINT, 3, [] { return ExtendToLine(false); },
         CursorModeExtendChooseTarget},
        {"parallel", SEL_REINFORCEMENT_INTERVAL, 2,
         [] { return MakeParallelOrPerpendicular(true); }, CursorModeMakeParallelChooseLine},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Select(c.kind, c.point);
        EXPECT_TRUE(c.start());
        EXPECT_EQ(GetCursorMode(), c.mode);
        EXPECT_EQ(Status().find("not available"), std::string::npos);
        Key(ViewKeyEscape);
        SetCursorMode(CursorModeNone);
        GetCurrentSelection().Clear();
    }
}

TEST_F(ReinforcementPointToolsTest, AChangedSegmentLengthKeepsTheForcesAndRedrawsTheView) {
    Select(SEL_REINFORCEMENT_INTERVAL, 1);
    dialogs.length = 50;
    StartChangeSegmentLength();
    bool redraw = false;
    ViewLButtonDown(host, At(200, 200), redraw);  // the second end moves
    EXPECT_EQ(Points()[1], Values(150, 100, 30, 6));
    EXPECT_TRUE(redraw);  // the force diagrams follow
    EXPECT_EQ(host.dataChanges, std::vector<int>{0});
}

// "Split Line at Segment" on a reinforcement interval has nothing to split: a click ends the
// step with the line whole and the selection empty; so does Enter; Escape keeps the selection.
TEST_F(ReinforcementPointToolsTest, SplittingAReinforcementIntervalEndsWithTheLineWhole) {
    for (int way = 0; way < 3; ++way) {
        SCOPED_TRACE(way);
        Select(SEL_REINFORCEMENT_INTERVAL, 1);
        ASSERT_TRUE(SplitLineAtSegment(false));
        EXPECT_EQ(GetCursorMode(), CursorModeSplitReinforcementLine);
        bool redraw = false;
        if (way == 0) Click(150, 200);
        if (way == 1) EnterKey(host, redraw);
        if (way == 2) Key(ViewKeyEscape);
        EXPECT_EQ(GetCursorMode(), CursorModeNone);
        EXPECT_EQ(GetCurrentSelection().IsEmpty(), way != 2);
        EXPECT_EQ(Lines().Count(), 1);
        EXPECT_EQ(Points().size(), 3u);
        EXPECT_EQ(Status().find("not available"), std::string::npos);
        GetCurrentSelection().Clear();
    }
    EXPECT_TRUE(host.dataChanges.empty());
}

// The tools reset (a document opened, the stage changed) during a point step on a selected line:
// the step is dropped, the line keeps its points, and a repaint draws no band of it.
TEST_F(ReinforcementPointToolsTest, ResettingTheToolsDropsAPointStep) {
    Select(SEL_REINFORCEMENT_INTERVAL, 1);
    StartInsertPoint(host);
    Move(150, 150);
    ASSERT_TRUE(Cpp_ReinforcementLineList::IsPointStepRunning());
    ToolContext context(&host);
    ResetTools(context);
    EXPECT_FALSE(Cpp_ReinforcementLineList::IsPointStepRunning());
    EXPECT_EQ(GetCursorMode(), CursorModeNone);
    platform::RecordingDeviceContext dc;
    Cpp_ReinforcementLineList::DrawToolFeedbackC(dc);
    EXPECT_TRUE(dc.Records().empty());
}

}  // namespace
