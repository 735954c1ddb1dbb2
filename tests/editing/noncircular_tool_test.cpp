// The noncircular tool driven by scripted mouse and key records through the view's input
// functions: points clicked or typed with the bar's shift data, the left-to-right check with its
// question and refusals, the snap of the two end points to the slope, and the surface left in
// the analysis data.

#include "analysis/analysis_computation_data.h"
#include "core/cursor_mode.h"
#include "core/string_table.h"
#include "editing/cursor_modes.h"
#include "editing/edit_modes.h"
#include "editing/line_entry_tool.h"
#include "editing/noncircular_tool.h"
#include "editing/shift_direction_tool.h"
#include "editing/tool_dialog_bars.h"
#include "editing/tool_table.h"
#include "editing/view_input_fixture.h"
#include "graphics/prompts.h"
#include "model/data_set.h"
#include "model/data_sets.h"
#include "profile/profile_line.h"
#include "profile/slope_geometry.h"
#include "registry/view_preparations.h"
#include "support/fake_services.h"

#include <cmath>
#include <string>
#include <utility>
#include <vector>

namespace {

using Points = std::vector<std::pair<double, double>>;

const char* const kEntryPrompt =
    "Left-click or Enter key to enter points; Backspace to undo last; Right-click to finish; "
    "Escape to cancel.";

class NoncircularToolTest : public ViewInputTest {
protected:
    void SetUp() override {
        ViewInputTest::SetUp();
        FillStringTable({{1356, kEntryPrompt}});
        platform::Services().SetPromptBar(&promptBar);
        host.editMode = EditModeNoncircular;
        ShowToolBar(BarNoncircular, true, 1);
        Analysis().SetMode(3);
        Analysis().SetDataDefined(true);
        Bar().SetPointData(3, 0, 0, true, true, 0);
        Cpp_AnalysisComputationData::NoncircularToolSnapOption() = 0;
    }
    void TearDown() override {
        Cpp_AnalysisComputationData::NoncircularToolSnapOption() = 0;
        Cpp_AnalysisComputationData::NoncircularToolSnapTolerance() = 1.0;
    }

    Cpp_AnalysisComputationData& Analysis() {
        return *Cpp_Kliven4Data::CurrentDataSet()->AnalysisComputationData();
    }
    CmDialogBarNoncircularTool& Bar() { return TheToolBars().noncircular; }
    Points Stored() {
        Points out;
        for (const auto& p : Analysis().GetNoncircularPointList().Points())
            out.emplace_back(p.X(), p.Y());
        return out;
    }
    // Clicks at world points (pixel y = 300 - y) and finishes with a right click.
    bool Enter(const Points& points) {
        for (const auto& [x, y] : points) Click(int(x), 300 - int(y));
        return Right(int(points.back().first), 300 - int(points.back().second));
    }

    testsupport::FakePromptBar promptBar;
};

TEST_F(NoncircularToolTest, ClickedPointsWithTheBarsShiftDataReplaceTheSurface) {
    Analysis().GetNoncircularPointList().AddPoint(1, 1, 0, true, true);
    Click(20, 200);
    EXPECT_EQ(GetCursorMode(), CursorModeNoncircularEntry);
    EXPECT_EQ(promptBar.text, kEntryPrompt);
    Bar().SetPointFixity(true, false, 45.0);  // the second point: moveable at 45 degrees
    Click(100, 250);
    Bar().SetPointFixity(false, false, 0.0);  // the third: fixed
    Click(180, 220);
    Right(180, 220);
    EXPECT_EQ(GetCursorMode(), CursorModeNone);
    EXPECT_EQ(Stored(), (Points{{20, 100}, {100, 50}, {180, 80}}));
    const auto& p = Analysis().GetNoncircularPointList().Points();
    EXPECT_TRUE(p[0].IsMoveable() && p[0].IsShiftDirectionComputed());
    EXPECT_TRUE(p[1].IsMoveable() && !p[1].IsShiftDirectionComputed());
    EXPECT_EQ(p[1].GetShiftAngleDegrees(), 45.0);
    EXPECT_FALSE(p[2].IsMoveable());
    EXPECT_FALSE(Analysis().IsCircular());
    EXPECT_EQ(promptBar.text, "");
    EXPECT_EQ(host.dataChanges.size(), 1u);
}

// Right to left: Yes stores the points reversed, No stores nothing; equal x can be put in order
// neither way; one point is not a surface. Each refusal leaves the surface as it was.
TEST_F(NoncircularToolTest, TheOrderCheckAsksReversesOrRefusesAndLosesNothing) {
    struct Case {
        Points entered;
        std::vector<platform::BoxResult> answers;
        std::vector<std::string> texts;
        Points stored;
    };
    const std::string question =
        "Points on noncircular slip surface are not ordered in left-to-right sequence.  Do you "
        "want to reverse the order of the points?";
    const Points kept{{1, 1}, {2, 2}};
    const Case cases[] = {
        {{{180, 80}, {100, 50}, {20, 100}},
         {platform::BoxResult::Yes},
         {question},
         {{20, 100}, {100, 50}, {180, 80}}},
        {{{180, 80}, {100, 50}}, {platform::BoxResult::No}, {question}, kept},
        {{{100, 80}, {100, 50}},
         {platform::BoxResult::Yes},
         {question, "Cannot reverse order of points and obtain left-to-right sequence"},
         kept},
        {{{100, 80}}, {}, {"Not enough points to define noncircular slip surface."}, kept},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.texts.back());
        Cpp_NoncircularShearSurface& surface = Analysis().GetNoncircularPointList();
        surface.DeleteAllPoints();
        surface.AddPoint(1, 1, 0, true, true);
        surface.AddPoint(2, 2, 0, true, true);
        fakes.messageBoxes.requests.clear();
        for (platform::BoxResult answer : c.answers) fakes.messageBoxes.answers.push_back(answer);
        Enter(c.entered);
        EXPECT_EQ(GetCursorMode(), CursorModeNone);
        EXPECT_EQ(fakes.messageBoxes.Texts(), c.texts);
        EXPECT_EQ(Stored(), c.stored);
    }
}

TEST_F(NoncircularToolTest, OnlyTheFirstAndLastPointsAreSnappedToTheSlope) {
    Cpp_SlopeLine& slope = Cpp_Kliven4Data::CurrentDataSet()->SlopeGeometry().GetSlopeLine();
    slope.AddPoint(0, 100);
    slope.AddPoint(400, 100);
    Cpp_AnalysisComputationData::NoncircularToolSnapOption() = 2;  // vertically
    Cpp_AnalysisComputationData::NoncircularToolSnapTolerance() = 50.0;
    Enter({{20, 90}, {100, 95}, {180, 80}});
    EXPECT_EQ(Stored(), (Points{{20, 100}, {100, 95}, {180, 100}}));
}

TEST_F(NoncircularToolTest, EnterTakesTheBarsPointAndTheRepeatedPointFinishes) {
    Bar().SetPoint(10, 90);
    Key(ViewKeyEnter);
    EXPECT_EQ(GetCursorMode(), CursorModeNoncircularEntry);
    Bar().SetPoint(60, 40);
    Key(ViewKeyEnter);
    Key(ViewKeyEnter);  // the same point again
    EXPECT_EQ(GetCursorMode(), CursorModeNone);
    EXPECT_EQ(Stored(), (Points{{10, 90}, {60, 40}}));
}

TEST_F(NoncircularToolTest, EscapeDropsTheEntryAndItsBand) {
    Analysis().GetNoncircularPointList().AddPoint(1, 1, 0, true, true);
    Click(20, 200);
    Move(60, 220);
    Click(60, 220);
    Move(90, 230);
    Key(ViewKeyEscape);
    EXPECT_EQ(GetCursorMode(), CursorModeNone);
    EXPECT_EQ(Stored(), (Points{{1, 1}}));
    int shown = 0;
    for (const platform::DcRecord& r : host.overlay.Records())
        if (r.attributes.rop == platform::RasterOp::XorPen) shown ^= 1;
    EXPECT_EQ(shown, 0);
    EXPECT_TRUE(host.dataChanges.empty());
}

// The shift direction of a point: parallel to a segment picked next, or along a vector from the
// point to a click; either makes the point moveable in that direction.
TEST_F(NoncircularToolTest, TheShiftDirectionToolsMakeThePointMoveableInTheDirectionChosen) {
    FillStringTable({{1405, "Choose line shift is parallel to"},
                     {1403, "Use vector to set shift direction; Left-click to finish."}});
    host.editMode = EditModeSelect;
    Cpp_NoncircularShearSurface& surface = Analysis().GetNoncircularPointList();
    Analysis().SetCircular(false);
    Analysis().SetMode(3);
    Analysis().SetDataDefined(true);
    surface.AddPoint(20, 100, 0, false, false);
    surface.AddPoint(100, 50, 0, true, true);
    surface.AddPoint(180, 80, 0, true, true);

    ASSERT_TRUE(Cpp_ShiftDirectionTool::StartParallelToLine(&surface, 0));
    EXPECT_EQ(GetCursorMode(), CursorModeShiftParallelToLine);
    EXPECT_EQ(promptBar.text, "Choose line shift is parallel to");
    Click(140, 235);  // on the segment from (100, 50) to (180, 80)
    EXPECT_EQ(GetCursorMode(), CursorModeNone);
    const Cpp_NoncircularShearSurfacePoint& first = surface.Points()[0];
    EXPECT_TRUE(first.IsMoveable());
    EXPECT_FALSE(first.IsShiftDirectionComputed());
    EXPECT_NEAR(first.GetShiftAngleDegrees(), std::atan2(30.0, 80.0) * 180.0 / M_PI, 1e-9);
    EXPECT_EQ(promptBar.text, "");

    ASSERT_TRUE(Cpp_ShiftDirectionTool::StartDirectionTool(&surface, 2, 180, 220));
    EXPECT_EQ(GetCursorMode(), CursorModeShiftDirection);
    EXPECT_EQ(Status(), "Use vector to set shift direction; Left-click to finish.");
    Move(170, 210);
    Click(170, 230);  // (170, 70): straight down and to the left
    EXPECT_EQ(GetCursorMode(), CursorModeNone);
    EXPECT_DOUBLE_EQ(surface.Points()[2].GetShiftAngleDegrees(), -135.0);
    EXPECT_FALSE(surface.Points()[2].IsShiftDirectionComputed());
    int shown = 0;
    for (const platform::DcRecord& r : host.overlay.Records())
        if (r.attributes.rop == platform::RasterOp::XorPen) shown ^= 1;
    EXPECT_EQ(shown, 0);
}

// The direction taken from a picked segment follows the order its line was drawn in: the same
// segment drawn from right to left gives the opposite direction, 180 degrees off.
TEST_F(NoncircularToolTest, AShiftDirectionFromASegmentDrawnRightToLeftIsTheOpposite) {
    host.editMode = EditModeSelect;
    Analysis().SetCircular(false);
    Cpp_NoncircularShearSurface& surface = Analysis().GetNoncircularPointList();
    surface.AddPoint(20, 100, 0, false, false);
    surface.AddPoint(100, 50, 0, true, true);
    Cpp_ProfileLineList& profiles = Cpp_Kliven4Data::CurrentDataSet()->ProfileLines();
    Cpp_ProfileLine* leftToRight = profiles.CreateLine(1, 1, "");
    leftToRight->AddPoint(200, 150);
    leftToRight->AddPoint(280, 180);
    Cpp_ProfileLine* rightToLeft = profiles.CreateLine(2, 1, "");
    rightToLeft->AddPoint(280, 230);
    rightToLeft->AddPoint(200, 200);

    const struct {
        const char* name;
        int x, y;  // a pixel on the segment's middle
        double degrees;
    } cases[] = {
        {"drawn left to right", 240, 300 - 165, std::atan2(30.0, 80.0) * 180.0 / M_PI},
        {"drawn right to left", 240, 300 - 215, std::atan2(30.0, 80.0) * 180.0 / M_PI - 180.0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(Cpp_ShiftDirectionTool::StartParallelToLine(&surface, 0));
        Click(c.x, c.y);
        EXPECT_EQ(GetCursorMode(), CursorModeNone);
        EXPECT_TRUE(surface.Points()[0].IsMoveable());
        EXPECT_NEAR(surface.Points()[0].GetShiftAngleDegrees(), c.degrees, 1e-9);
    }
}

}  // namespace

namespace {

// The entry's prompt is also the status line's text while points are entered; once the entry
// ends, stored or refused, the status line shows the tool's prompt again, not "Right-click to
// finish; Escape to cancel." of an entry that is over.
TEST_F(NoncircularToolTest, AFinishedEntryLeavesTheToolsPromptInTheStatusLine) {
    const char* const toolPrompt = "Left-click to begin entering noncircular shear surface points";
    FillStringTable({{1356, kEntryPrompt}, {1322, toolPrompt}});
    const Points cases[] = {{{20, 100}, {100, 50}}, {{20, 100}}};
    for (const Points& entered : cases) {
        SCOPED_TRACE(entered.size());
        for (const auto& [x, y] : entered) Click(int(x), 300 - int(y));
        EXPECT_EQ(Status(), kEntryPrompt);
        Right(int(entered.back().first), 300 - int(entered.back().second));
        EXPECT_EQ(GetCursorMode(), CursorModeNone);
        EXPECT_EQ(Status(), toolPrompt);
    }
    EXPECT_EQ(Stored(), (Points{{20, 100}, {100, 50}}));
}

// The tools reset (a document opened, the stage changed) while a surface is entered: its points
// are dropped and no longer drawn, the stored surface stays, and a click starts a new entry.
TEST_F(NoncircularToolTest, ResettingTheToolsDropsTheEntry) {
    Cpp_NoncircularTool::RegisterDrawing();
    const auto painted = [] {
        platform::RecordingDeviceContext dc(400, 300);
        RunAfterDataDrawings(e_AfterDataStep::ToolFeedback, dc, nullptr);
        return dc.Records().size();
    };
    Analysis().GetNoncircularPointList().AddPoint(1, 1, 0, true, true);
    Click(20, 200);
    Click(60, 220);
    ASSERT_TRUE(Cpp_NoncircularTool::IsEntering());
    ASSERT_GT(painted(), 0u);
    ToolContext context(&host);
    ResetTools(context);
    EXPECT_FALSE(Cpp_NoncircularTool::IsEntering());
    EXPECT_TRUE(Cpp_NoncircularTool::EnteredPoints().empty());
    EXPECT_EQ(GetCursorMode(), CursorModeNone);
    EXPECT_EQ(painted(), 0u);
    EXPECT_EQ(Stored(), (Points{{1, 1}}));
    Click(30, 200);
    EXPECT_EQ(Cpp_NoncircularTool::EnteredPoints().size(), 1u);
    Key(ViewKeyEscape);
}

}  // namespace
