// The circle tool and the fixed search grid's tools driven by scripted mouse and key records
// through the view's input functions: a centre and a radius rule by clicks or typed in the circle
// bar, the grey band and its erasure, the fixed-grid mode's corner entry, a dragged rectangle and
// a corner moved, and what the analysis data keep.

#include "analysis/analysis_computation_data.h"
#include "core/cursor_mode.h"
#include "core/string_table.h"
#include "core/tool_option_dialogs.h"
#include "editing/circle_tool.h"
#include "editing/cursor_modes.h"
#include "editing/edit_modes.h"
#include "editing/search_grid_tool.h"
#include "editing/tool_dialog_bars.h"
#include "editing/tool_table.h"
#include "editing/view_input_fixture.h"
#include "graphics/prompts.h"
#include "model/data_set.h"
#include "model/data_sets.h"
#include "registry/view_preparations.h"
#include "support/fake_services.h"

#include <array>
#include <map>
#include <string>
#include <tuple>
#include <vector>

namespace {

using platform::DevicePoint;

// A grey XOR figure: 'L' a line (x1, y1, x2, y2, the smaller end first), 'E' an ellipse box.
using Figure = std::tuple<char, int, int, int, int>;

// The figures of the grey bands still shown: each drawn an odd number of times.
std::map<Figure, int> BandShown(const platform::RecordingDeviceContext& dc) {
    std::map<Figure, int> count;
    for (const platform::DcRecord& r : dc.Records()) {
        if (r.attributes.rop != platform::RasterOp::XorPen ||
            r.attributes.pen.color != kCircleBandColor)
            continue;
        if (r.kind == platform::DcRecordKind::Ellipse) {
            count[{'E', r.rect.left, r.rect.top, r.rect.right, r.rect.bottom}] ^= 1;
            continue;
        }
        for (std::size_t i = 1; i < r.points.size(); ++i) {
            DevicePoint a = r.points[i - 1], b = r.points[i];
            if (std::pair(b.x, b.y) < std::pair(a.x, a.y)) std::swap(a, b);
            count[{'L', a.x, a.y, b.x, b.y}] ^= 1;
        }
    }
    std::erase_if(count, [](const auto& entry) { return entry.second == 0; });
    return count;
}

class CircleToolTest : public ViewInputTest {
protected:
    void SetUp() override {
        ViewInputTest::SetUp();
        platform::Services().SetPromptBar(&promptBar);
        FillStringTable({{1363, "\"Drag\" center point to new location & left-click."},
                         {1364, "\"Drag\" tip of radius to new radius & left-click"},
                         {1400, "Left-click to set radius of circle."},
                         {1401, "Click to enter point through which circle(s) pass"},
                         {1402, "Click to set elevation of horizontal tangent line"}});
        host.editMode = EditModeCircle;
        ShowToolBar(BarCircle, true, 1);
        Cpp_CircleTool::FillCircleToolBar(Analysis());
    }

    Cpp_AnalysisComputationData& Analysis() {
        return *Cpp_Kliven4Data::CurrentDataSet()->AnalysisComputationData();
    }
    CmDialogBarCircleTool& Bar() { return TheToolBars().circle; }
    // Mode index 0 individual, 1 floating grid, 2 fixed grid; radius index 0 constant, 1 fixed
    // point, 2 horizontal tangent, 3 irregular tangent.
    void SetBar(int modeIndex, int radiusIndex, const std::string& x = "0",
                const std::string& y = "0", const std::string& first = "0",
                const std::string& second = "0") {
        Bar().Controls().SetIndex(CmDialogBarCircleTool::IdMode, modeIndex);
        Bar().Controls().SetIndex(CmDialogBarCircleTool::IdRadius, radiusIndex);
        Bar().Controls().SetText(CmDialogBarCircleTool::IdX, x);
        Bar().Controls().SetText(CmDialogBarCircleTool::IdY, y);
        Bar().Controls().SetText(CmDialogBarCircleTool::IdFirst, first);
        Bar().Controls().SetText(CmDialogBarCircleTool::IdSecond, second);
    }
    void Enter() { Key(ViewKeyEnter); }
    std::vector<std::pair<double, double>> Corners() {
        std::vector<std::pair<double, double>> out;
        for (int i = 1; i <= 4; ++i) {
            const s_tagTypePointXY c = Analysis().GetFixedSearchGrid().Corner(i);
            out.emplace_back(c.x, c.y);
        }
        return out;
    }

    testsupport::FakePromptBar promptBar;
};

// A centre clicked at pixel (100, 200) = world (100, 100), the radius rule at pixel (130, 160)
// = world (130, 140), for each radius kind of the bar.
TEST_F(CircleToolTest, ACentreAndARadiusRuleClickedMakeTheCircleAndTheBandIsGoneAtTheEnd) {
    struct Case {
        int radiusIndex;
        const char* stepText;
        int option;
        double radius;
    };
    const Case cases[] = {
        {0, "Left-click to set radius of circle.", 0, 50.0},
        {1, "Click to enter point through which circle(s) pass", 1, 50.0},
        {2, "Click to set elevation of horizontal tangent line", 2, 0.0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.radiusIndex);
        host.overlay.Clear();
        host.dataChanges.clear();
        SetBar(0, c.radiusIndex);
        Click(100, 200);
        EXPECT_EQ(GetCursorMode(), CursorModeCircleRadius);
        EXPECT_EQ(Status(), c.stepText);
        Move(130, 160);
        EXPECT_FALSE(BandShown(host.overlay).empty());
        Click(130, 160);
        EXPECT_EQ(GetCursorMode(), CursorModeNone);
        EXPECT_TRUE(BandShown(host.overlay).empty());
        EXPECT_EQ(Analysis().GetMode(), 1);
        EXPECT_TRUE(Analysis().HasData());
        EXPECT_EQ(Analysis().GetCircleCenter().x, 100.0);
        EXPECT_EQ(Analysis().GetCircleCenter().y, 100.0);
        EXPECT_EQ(Analysis().GetRadiusOption(), c.option);
        EXPECT_DOUBLE_EQ(Analysis().GetRadius(), c.radius);
        EXPECT_EQ(Status(), "Left-click to enter center point for circle");
        EXPECT_EQ(host.dataChanges.size(), 1u);
    }
    // The last one left a horizontal tangent at the clicked height.
    EXPECT_EQ(Analysis().GetTangentLine()->GetOption(), Cpp_TangentLine::kHorizontal);
    EXPECT_EQ(Analysis().GetTangentLine()->GetElevation(), 140.0);
    double x = 0, y = 0;
    ASSERT_TRUE(Bar().GetCenter(x, y));  // the bar shows what was stored
    EXPECT_EQ(std::pair(x, y), std::pair(100.0, 100.0));
}

TEST_F(CircleToolTest, TheBandOfAGivenRadiusIsTheCircleAndItsRadiusLineAndTheTipFollowsTheBar) {
    SetBar(0, 0);
    Click(100, 200);
    Move(103, 204, true);  // Shift: the bar follows
    // Centre pixel (100, 200), tip (103, 204): a circle of radius 5 and the radius line.
    EXPECT_EQ(BandShown(host.overlay), (std::map<Figure, int>{{{'E', 95, 195, 105, 205}, 1},
                                                              {{'L', 100, 200, 103, 204}, 1}}));
    EXPECT_EQ(host.toolTip, "Radius: 5.000");
    double first = 0, second = 0, x = 0, y = 0;
    int mode = 0, kind = 0;
    bool irregular = false;
    ASSERT_TRUE(Bar().GetCircleData(mode, x, y, kind, irregular, first, second));
    EXPECT_EQ(first, 5.0);
    Key(ViewKeyEscape);
    EXPECT_TRUE(BandShown(host.overlay).empty());
    EXPECT_EQ(GetCursorMode(), CursorModeNone);
    EXPECT_FALSE(Analysis().HasData());
    EXPECT_TRUE(host.dataChanges.empty());
}

TEST_F(CircleToolTest, EnterStoresTheTypedCentreAndRadiusRuleAndTheTypedRadiusFinishesAStep) {
    SetBar(1, 1, "10", "20", "30", "40");
    Enter();
    EXPECT_EQ(Analysis().GetMode(), 3);
    EXPECT_EQ(Analysis().GetStartCenter().x, 10.0);
    EXPECT_EQ(Analysis().GetStartCenter().y, 20.0);
    EXPECT_EQ(Analysis().GetRadiusOption(), 1);
    EXPECT_EQ(Analysis().GetThroughPointX(), 30.0);
    EXPECT_EQ(Analysis().GetThroughPointY(), 40.0);
    EXPECT_EQ(host.dataChanges.size(), 1u);

    // A clicked centre and Enter: the radius typed in the bar, not the cursor's distance.
    SetBar(0, 0, "0", "0", "12.5");
    Click(100, 200);
    Move(150, 200);
    Enter();
    EXPECT_EQ(GetCursorMode(), CursorModeNone);
    EXPECT_EQ(Analysis().GetRadiusOption(), 0);
    EXPECT_EQ(Analysis().GetRadius(), 12.5);
    EXPECT_EQ(Analysis().GetCircleCenter().x, 100.0);
}

TEST_F(CircleToolTest, AnIrregularTangentNotYetEnteredIsStoredWithANotice) {
    SetBar(0, 3);
    Click(100, 200);
    EXPECT_EQ(GetCursorMode(), CursorModeNone);
    ASSERT_EQ(fakes.messageBoxes.requests.size(), 1u);
    EXPECT_EQ(fakes.messageBoxes.requests[0].caption, "Notice");
    EXPECT_EQ(fakes.messageBoxes.requests[0].text,
              "OK, but the irregular tangent line does not yet exist.\nUse the Radius Tool to "
              "enter the irregular tangent line next.");
    EXPECT_EQ(Analysis().GetRadiusOption(), 2);
    EXPECT_EQ(Analysis().GetTangentLine()->GetOption(), Cpp_TangentLine::kIrregular);
    EXPECT_EQ(Analysis().GetCircleCenter().x, 100.0);

    // With a line of two points there is nothing to say, and its points stay.
    Analysis().GetTangentLine()->AddPoint(0, 50);
    Analysis().GetTangentLine()->AddPoint(200, 60);
    fakes.messageBoxes.requests.clear();
    Click(120, 200);
    EXPECT_TRUE(fakes.messageBoxes.requests.empty());
    EXPECT_EQ(Analysis().GetTangentLine()->NumberOfPoints(), 2);
}

TEST_F(CircleToolTest, InTheFixedGridModeAPressDoesNothingAndEnterStartsTheCornerEntry) {
    Analysis().SetMode(4);
    SetBar(2, 0, "10", "20");
    bool redraw = false;
    EXPECT_FALSE(ViewLButtonDown(host, At(100, 200), redraw));
    EXPECT_EQ(GetCursorMode(), CursorModeNone);
    EXPECT_FALSE(Cpp_FixedSearchGridTool::IsEntering());
    Key(ViewKeyEscape);  // the tool is left before the release
    host.editMode = EditModeCircle;

    Enter();
    EXPECT_EQ(GetCursorMode(), CursorModeSearchGridCorners);
    EXPECT_EQ(promptBar.text, "Enter second corner point of grid");
    Click(200, 280);  // (200, 20)
    EXPECT_EQ(promptBar.text, "Enter third corner point of grid");
    Click(200, 200);  // (200, 100)
    EXPECT_EQ(promptBar.text, "Enter fourth corner point of grid");
    SetBar(2, 0, "10", "100");
    Enter();  // the fourth corner typed
    EXPECT_EQ(GetCursorMode(), CursorModeNone);
    EXPECT_EQ(Corners(),
              (std::vector<std::pair<double, double>>{{10, 20}, {200, 20}, {200, 100}, {10, 100}}));
    EXPECT_EQ(Analysis().GetFixedSearchGrid().PointsAcross(), 0);  // counts untouched
    EXPECT_TRUE(BandShown(host.overlay).empty());
    EXPECT_FALSE(host.dataChanges.empty());
}

// A rectangle dragged from any corner: corner 1 at the lower left, then counter-clockwise; the
// counts below 1 become 7.
TEST_F(CircleToolTest, ARectangleDraggedFromAnyCornerGivesTheCornersInOrder) {
    const std::pair<DevicePoint, DevicePoint> drags[] = {{{50, 250}, {150, 200}},
                                                         {{150, 200}, {50, 250}},
                                                         {{50, 200}, {150, 250}},
                                                         {{150, 250}, {50, 200}}};
    for (const auto& [from, to] : drags) {
        SCOPED_TRACE(from.x * 1000 + from.y);
        Analysis().GetFixedSearchGrid().Clear();
        Analysis().GetFixedSearchGrid().SetCounts(0, 3);
        SetBar(2, 0);
        host.now = 1000;
        bool redraw = false;
        ViewLButtonDown(host, At(from.x, from.y), redraw);
        host.now = 1400;
        Move(to.x, to.y);
        EXPECT_EQ(GetCursorMode(), CursorModeSearchGridDrag);
        EXPECT_EQ(promptBar.text, "Enter opposite corner point grid");
        Move(to.x, to.y);
        Release(to.x, to.y);
        EXPECT_EQ(GetCursorMode(), CursorModeNone);
        EXPECT_EQ(Corners(), (std::vector<std::pair<double, double>>{
                                 {50, 50}, {150, 50}, {150, 100}, {50, 100}}));
        EXPECT_EQ(Analysis().GetFixedSearchGrid().PointsAcross(), 7);
        EXPECT_EQ(Analysis().GetFixedSearchGrid().PointsUp(), 3);
        EXPECT_TRUE(BandShown(host.overlay).empty());
    }
}

// Moving corner k draws its band from the corner before it and to the corner after it around
// the perimeter; an end point of a line from the other end only.
TEST_F(CircleToolTest, AMovedCornerIsJoinedToItsTwoNeighboursAndDroppedWhereTheCursorIs) {
    Cpp_FixedSearchGrid& grid = Analysis().GetFixedSearchGrid();
    const int previous[] = {4, 1, 2, 3}, next[] = {2, 3, 4, 1};
    for (int k = 1; k <= 4; ++k) {
        SCOPED_TRACE(k);
        grid.SetLine(false);
        grid.SetCorner(1, 10, 10);
        grid.SetCorner(2, 110, 10);
        grid.SetCorner(3, 110, 90);
        grid.SetCorner(4, 10, 90);
        host.overlay.Clear();
        ASSERT_TRUE(Cpp_FixedSearchGridTool::MovePointTool(grid, 300, 150, k));
        EXPECT_EQ(GetCursorMode(), CursorModeMoveSearchGridCorner);
        EXPECT_EQ(promptBar.text, "Move grid corner point - click to finish move; Esc to cancel");
        Move(60, 250);  // world (60, 50)
        const s_tagTypePointXY p = grid.Corner(previous[k - 1]), n = grid.Corner(next[k - 1]);
        auto line = [](int x1, int y1, int x2, int y2) {
            if (std::pair(x2, y2) < std::pair(x1, y1)) {
                std::swap(x1, x2);
                std::swap(y1, y2);
            }
            return Figure{'L', x1, y1, x2, y2};
        };
        EXPECT_EQ(BandShown(host.overlay),
                  (std::map<Figure, int>{{line(int(p.x), 300 - int(p.y), 60, 250), 1},
                                         {line(60, 250, int(n.x), 300 - int(n.y)), 1}}));
        Click(60, 250);
        EXPECT_EQ(GetCursorMode(), CursorModeNone);
        EXPECT_EQ(grid.Corner(k).x, 60.0);
        EXPECT_EQ(grid.Corner(k).y, 50.0);
        EXPECT_TRUE(BandShown(host.overlay).empty());
    }
    // A line: one band from the other end point; Escape leaves the grid as it was.
    grid.SetLine(true);
    host.overlay.Clear();
    ASSERT_TRUE(Cpp_FixedSearchGridTool::MovePointTool(grid, 300, 150, 1));
    EXPECT_EQ(promptBar.text, "Move grid end point - click to finish move; Esc to cancel");
    Move(20, 280);
    const s_tagTypePointXY other = grid.Corner(2);
    EXPECT_EQ(BandShown(host.overlay).size(), 1u);
    EXPECT_EQ(BandShown(host.overlay).count(Figure{'L', 20, 280, int(other.x), 300 - int(other.y)}),
              1u);
    const s_tagTypePointXY before = grid.Corner(1);
    Key(ViewKeyEscape);
    EXPECT_EQ(grid.Corner(1).x, before.x);
    EXPECT_EQ(grid.Corner(1).y, before.y);
    EXPECT_TRUE(BandShown(host.overlay).empty());
}

// The centre dragged with a circle of the rule's radius, then the radius tip dragged.
TEST_F(CircleToolTest, TheCentreAndTheRadiusTipAreDraggedWithAGreyCircle) {
    Analysis().SetMode(1);
    Analysis().SetCircleCenter(100, 100);
    Analysis().SetRadiusOption(0);
    Analysis().SetRadius(50);
    ASSERT_TRUE(Cpp_CircleTool::StartCenterChange(Analysis(), 100, 200));
    EXPECT_EQ(GetCursorMode(), CursorModeMoveCircleCentre);
    EXPECT_EQ(Status(), "\"Drag\" center point to new location & left-click.");
    EXPECT_EQ(BandShown(host.overlay), (std::map<Figure, int>{{{'E', 50, 150, 150, 250}, 1}}));
    Move(120, 180);
    EXPECT_EQ(BandShown(host.overlay), (std::map<Figure, int>{{{'E', 70, 130, 170, 230}, 1}}));
    Click(120, 180);
    EXPECT_EQ(GetCursorMode(), CursorModeNone);
    EXPECT_EQ(Analysis().GetCircleCenter().x, 120.0);
    EXPECT_EQ(Analysis().GetCircleCenter().y, 120.0);
    EXPECT_TRUE(BandShown(host.overlay).empty());

    ASSERT_TRUE(Cpp_CircleTool::StartRadiusRuleDrag(Analysis(), 120, 230));
    EXPECT_EQ(GetCursorMode(), CursorModeDragRadiusTip);
    EXPECT_EQ(Status(), "\"Drag\" tip of radius to new radius & left-click");
    Move(120, 250);
    EXPECT_EQ(host.toolTip, "Radius: 70.000");
    Click(120, 250);
    EXPECT_EQ(GetCursorMode(), CursorModeNone);
    EXPECT_EQ(Analysis().GetRadius(), 70.0);
    EXPECT_TRUE(BandShown(host.overlay).empty());
    EXPECT_EQ(host.dataChanges.size(), 2u);
}

TEST_F(CircleToolTest, LeavingTheToolKeepsTheBarsModeAndRadiusKindWithTheData) {
    SetBar(1, 2);
    Cpp_CircleTool::CircleToolBarData(Analysis());
    EXPECT_EQ(Analysis().GetMode(), 3);
    EXPECT_EQ(Analysis().GetRadiusOption(), 2);
    EXPECT_TRUE(Analysis().HasData());
}

// The tool's start: the fixed grid's empty counts become 7, no radius rule becomes a given
// radius, an undefined tangent horizontal at 0, and the fixed-grid options window the first time.
TEST_F(CircleToolTest, StartingTheToolCompletesTheDataAndOffersTheOptionsOnce) {
    struct Options final : ToolOptionDialogs {
        bool CircleSearch2(s_CircleSearch2ToolOptions&) override {
            ++shown;
            return false;
        }
        int shown = 0;
    } options;
    ToolOptionDialogsSlot().Set(&options);
    Analysis().SetMode(4);
    Analysis().SetRadiusOption(-1);
    Analysis().GetFixedSearchGrid().SetCounts(0, -2);
    Cpp_CircleTool::StartCircleTool(Analysis());
    Cpp_CircleTool::StartCircleTool(Analysis());
    EXPECT_EQ(options.shown, 1);
    EXPECT_EQ(Analysis().GetFixedSearchGrid().PointsAcross(), 7);
    EXPECT_EQ(Analysis().GetFixedSearchGrid().PointsUp(), 7);
    EXPECT_EQ(Analysis().GetRadiusOption(), 0);
    EXPECT_EQ(Analysis().GetTangentLine()->GetOption(), Cpp_TangentLine::kHorizontal);
    ToolOptionDialogsSlot().Reset();
}

// The tools reset (a document opened, the stage changed) during a radius step and during a
// corner entry of the fixed grid: the step is dropped and no longer drawn, the data keep what
// they had, and the next click or Enter starts afresh.
TEST_F(CircleToolTest, ResettingTheToolsDropsARadiusStepOrACornerEntry) {
    Cpp_CircleTool::RegisterDrawing();
    Cpp_FixedSearchGridTool::RegisterDrawing();
    const auto painted = [] {
        platform::RecordingDeviceContext dc(400, 300);
        RunAfterDataDrawings(e_AfterDataStep::ToolFeedback, dc, nullptr);
        return dc.Records().size();
    };
    ToolContext context(&host);
    SetBar(0, 0);
    Click(100, 200);
    Move(130, 160);
    ASSERT_TRUE(Cpp_CircleTool::IsActive());
    ASSERT_GT(painted(), 0u);
    ResetTools(context);
    EXPECT_FALSE(Cpp_CircleTool::IsActive());
    EXPECT_EQ(GetCursorMode(), CursorModeNone);
    EXPECT_EQ(painted(), 0u);
    EXPECT_FALSE(Analysis().HasData());

    Analysis().SetMode(4);
    SetBar(2, 0, "10", "20");
    Enter();
    Click(200, 280);
    ASSERT_TRUE(Cpp_FixedSearchGridTool::IsEntering());
    ASSERT_EQ(Cpp_FixedSearchGridTool::EnteredCorners(), 2);
    ResetTools(context);
    EXPECT_FALSE(Cpp_FixedSearchGridTool::IsEntering());
    EXPECT_EQ(GetCursorMode(), CursorModeNone);
    EXPECT_EQ(painted(), 0u);
    EXPECT_EQ(Corners(), (std::vector<std::pair<double, double>>(4, {0.0, 0.0})));
    Enter();
    EXPECT_EQ(Cpp_FixedSearchGridTool::EnteredCorners(), 1);
    Key(ViewKeyEscape);
}

}  // namespace
