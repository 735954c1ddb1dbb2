// The editing tools of a polyline (change length and slope, extend, parallel and perpendicular,
// snap and move a point) with scripted answers of their windows and clicks through the view's
// input: where the points end, what is asked, and the cursor modes between the steps.

#include "core/cursor_mode.h"
#include "editing/cursor_modes.h"
#include "editing/drawn_figures.h"
#include "editing/edit_modes.h"
#include "editing/line_editing_dialogs.h"
#include "editing/line_point_tools.h"
#include "editing/profile_tool.h"
#include "editing/view_input_fixture.h"
#include "graphics/line.h"
#include "graphics/prompts.h"
#include "model/data_set.h"
#include "model/data_sets.h"
#include "profile/profile_line.h"

#include <cmath>
#include <deque>
#include <string>
#include <utility>
#include <vector>

namespace {

using Points = testsupport::LinePointList;

Points PointsOf(const Cpp_Line& line) { return testsupport::LinePoints(line); }

// Answers the windows as scripted and remembers what they were shown.
class ScriptedDialogs final : public LineEditingDialogs {
public:
    struct SlopeAnswer {
        bool ok;
        int format;
        double value;
        int rule;
    };
    bool EnterLength(double& value) override {
        shownLength = value;
        if (!lengthOk) return false;
        value = length;
        return true;
    }
    bool EnterSlope(int& format, double& value, int& rule) override {
        shownSlopes.push_back({true, format, value, rule});
        if (slopes.empty()) return false;
        const SlopeAnswer a = slopes.front();
        slopes.pop_front();
        format = a.format;
        value = a.value;
        rule = a.rule;
        return a.ok;
    }
    bool EnterMoveDistance(const std::string& label, const std::string& message,
                           double& distance) override {
        shownLabel = label;
        shownMessage = message;
        shownDistance = distance;
        distance = 2.5;
        return true;
    }
    bool EditValue(const std::string&, const s_EditValuePlacement&, double&) override {
        return false;
    }
    bool ProfileSplit(s_ProfileSplitInformation&) override { return false; }
    bool PiezometricSplit(s_PiezometricSplitInformation&) override { return false; }

    bool lengthOk = true;
    double length = 10.0, shownLength = 0.0;
    std::deque<SlopeAnswer> slopes;
    std::vector<SlopeAnswer> shownSlopes;
    std::string shownLabel, shownMessage;
    double shownDistance = 0.0;
};

// World (x, y) shows at pixel (x, 300 - y).
class LineEditToolTest : public ViewInputTest {
protected:
    void SetUp() override {
        ViewInputTest::SetUp();
        host.editMode = EditModeSelect;
        LineEditingDialogsSlot().Set(&dialogs);
    }
    void TearDown() override { LineEditingDialogsSlot().Reset(); }

    Cpp_Line* Line(const Points& points) {
        Cpp_ProfileLine* line =
            Cpp_Kliven4Data::CurrentDataSet()->ProfileLines().CreateLine(++lines, 1, "line");
        for (const auto& [x, y] : points) line->AddPoint(x, y);
        line->NumberPoints();
        return line;
    }
    // A click at a world point.
    bool ClickAt(double x, double y) {
        return Click(static_cast<int>(std::lround(x)), static_cast<int>(std::lround(300 - y)));
    }
    static void ExpectNear(const std::pair<double, double>& actual,
                           const std::pair<double, double>& expected) {
        EXPECT_NEAR(actual.first, expected.first, 1e-9);
        EXPECT_NEAR(actual.second, expected.second, 1e-9);
    }

    ScriptedDialogs dialogs;
    s_DrawAttributesType attributes = Cpp_ProfileTool::GetDisplayAttributes();
    int lines = 0;
};

// ---------------------------------------------------------------------------------------------
// Change length.

TEST_F(LineEditToolTest, ChangeLengthMovesTheEndNearerTheClickAlongTheSegment) {
    struct Case {
        std::pair<double, double> click;
        Points expected;
    };
    const Case cases[] = {
        {{2.9, 3.9}, {{0, 0}, {6, 8}}},  // near the second end
        {{0.1, 0}, {{-3, -4}, {3, 4}}},  // near the first end
    };
    for (const Case& c : cases) {
        Cpp_Line* line = Line({{0, 0}, {3, 4}});
        dialogs.length = 10;
        ASSERT_TRUE(Cpp_LineTool::StartChangeLength(line, line->FirstPoint(), attributes));
        EXPECT_EQ(dialogs.shownLength, 5.0);  // the length now
        EXPECT_EQ(GetCursorMode(), CursorModeChangeSegmentLength);
        EXPECT_TRUE(Cpp_LineTool::ChangeLengthClick(c.click.first, c.click.second));
        const Points points = PointsOf(*line);
        ExpectNear(points[0], c.expected[0]);
        ExpectNear(points[1], c.expected[1]);
        EXPECT_EQ(GetCursorMode(), CursorModeNone);
    }
}

TEST_F(LineEditToolTest, TheViewsClickInTheLengthStepMovesTheEndAndModifiesTheDocument) {
    Cpp_Line* line = Line({{0, 0}, {30, 40}});
    dialogs.length = 100;
    Cpp_LineTool::StartChangeLength(line, line->FirstPoint(), attributes);
    EXPECT_TRUE(ClickAt(30, 40));
    ExpectNear(PointsOf(*line)[1], {60, 80});
    EXPECT_EQ(host.dataChanges, std::vector<int>{2});
}

TEST_F(LineEditToolTest, ChangeLengthCancelledStartsNothing) {
    Cpp_Line* line = Line({{0, 0}, {30, 40}});
    dialogs.lengthOk = false;
    EXPECT_FALSE(Cpp_LineTool::StartChangeLength(line, line->FirstPoint(), attributes));
    EXPECT_EQ(GetCursorMode(), CursorModeNone);
    EXPECT_FALSE(Cpp_LineTool::ChangeLengthClick(30, 40));
    EXPECT_EQ(PointsOf(*line), (Points{{0, 0}, {30, 40}}));
    // The last point starts no segment.
    dialogs.lengthOk = true;
    EXPECT_FALSE(Cpp_LineTool::StartChangeLength(line, line->LastPoint(), attributes));
}

// ---------------------------------------------------------------------------------------------
// Change slope.

TEST_F(LineEditToolTest, ChangeSlopeByFormatAndRule) {
    const double root2 = std::sqrt(2.0);
    struct Case {
        const char* what;
        Points segment;  // the second point moves (the click is on it)
        int format, rule;
        double value;
        std::pair<double, double> expected;
    };
    const double angleShown = std::atan2(-40.0, 30.0) * 180.0 / std::acos(-1.0);
    const double angleShown2 = std::atan2(40.0, -30.0) * 180.0 / std::acos(-1.0);
    const Case cases[] = {
        {"dy/dx 0, length constant", {{0, 0}, {3, 4}}, 2, 0, 0.0, {5, 0}},
        {"dx/dy 1, length constant", {{0, 0}, {30, 40}}, 1, 0, 1.0, {50 / root2, 50 / root2}},
        {"angle 90, length constant", {{0, 0}, {30, 40}}, 0, 0, 90.0, {0, 50}},
        {"dy/dx 2, x only", {{0, 0}, {30, 40}}, 2, 1, 2.0, {20, 40}},
        {"dx/dy 0.5, y only", {{0, 0}, {30, 40}}, 1, 2, 0.5, {30, 60}},
        // The angle shown, taken with OK, keeps a segment going down or left as it is.
        {"angle shown, x only, downwards", {{0, 0}, {30, -40}}, 0, 1, angleShown, {30, -40}},
        {"angle shown, y only, leftwards", {{0, 0}, {-30, 40}}, 0, 2, angleShown2, {-30, 40}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Cpp_Line* line = Line(c.segment);
        dialogs.slopes = {{true, c.format, c.value, c.rule}};
        ASSERT_TRUE(Cpp_LineTool::StartChangeSlope(line, line->FirstPoint(), attributes, false));
        EXPECT_EQ(GetCursorMode(), CursorModeChangeSegmentSlope);
        EXPECT_TRUE(Cpp_LineTool::ChangeSlopeClick(c.segment[1].first, c.segment[1].second));
        ExpectNear(PointsOf(*line)[1], c.expected);
        ExpectNear(PointsOf(*line)[0], c.segment[0]);
        EXPECT_EQ(GetCursorMode(), CursorModeNone);
    }
}

TEST_F(LineEditToolTest, ASlopeThatCannotBeMadeKeepsTheToolAndTheChoicesComeBackNextTime) {
    Cpp_Line* line = Line({{0, 0}, {30, 40}});
    // x only with a ratio dy/dx of 0 cannot be made: the point stays and the next click asks.
    dialogs.slopes = {{true, 2, 0.0, 1}, {true, 2, 2.0, 1}};
    Cpp_LineTool::StartChangeSlope(line, line->FirstPoint(), attributes, false);
    ClickAt(30, 40);
    EXPECT_EQ(PointsOf(*line), (Points{{0, 0}, {30, 40}}));
    EXPECT_EQ(GetCursorMode(), CursorModeChangeSegmentSlope);
    ClickAt(30, 40);
    ExpectNear(PointsOf(*line)[1], {20, 40});
    // The window opened with the format and rule of the last use, and the slope now in it.
    ASSERT_EQ(dialogs.shownSlopes.size(), 2u);
    EXPECT_EQ(dialogs.shownSlopes[0].format, 1);  // dx/dy at the start of the program
    EXPECT_EQ(dialogs.shownSlopes[0].rule, 0);
    EXPECT_DOUBLE_EQ(dialogs.shownSlopes[0].value, 0.75);
    EXPECT_EQ(dialogs.shownSlopes[1].format, 2);
    EXPECT_EQ(dialogs.shownSlopes[1].rule, 1);
    EXPECT_DOUBLE_EQ(dialogs.shownSlopes[1].value, 40.0 / 30.0);

    // Cancel ends the tool; Escape too.
    dialogs.slopes.clear();
    Cpp_LineTool::StartChangeSlope(line, line->FirstPoint(), attributes, false);
    EXPECT_FALSE(Cpp_LineTool::ChangeSlopeClick(20, 40));
    EXPECT_EQ(GetCursorMode(), CursorModeNone);
    Cpp_LineTool::StartChangeSlope(line, line->FirstPoint(), attributes, false);
    Key(ViewKeyEscape);
    EXPECT_EQ(GetCursorMode(), CursorModeNone);
}

// ---------------------------------------------------------------------------------------------
// Extend.

TEST_F(LineEditToolTest, AnEndPointExtendsToTheNearestCrossingOfATargetLineOrSegment) {
    Cpp_Line* target = Line({{50, -10}, {50, 10}, {80, 10}, {80, -10}});
    struct Case {
        bool toSegment;
        Cpp_PointXY* segment;  // the target segment (or any, for a line)
        std::pair<double, double> expected;
    };
    Cpp_PointXY* farSegment = target->FirstPoint()->Next()->Next();  // (80, 10)-(80, -10)
    const Case cases[] = {
        {false, target->FirstPoint(), {50, 0}},  // the nearer of two crossings
        {true, farSegment, {80, 0}},
    };
    for (const Case& c : cases) {
        Cpp_Line* line = Line({{0, 0}, {10, 0}});
        ASSERT_TRUE(
            Cpp_LineTool::StartExtendToLine(c.toSegment, line, line->LastPoint(), attributes));
        EXPECT_EQ(GetCursorMode(), CursorModeExtendChooseTarget);
        EXPECT_TRUE(Cpp_LineTool::ExtendChooseDirection(target, c.segment));
        ExpectNear(PointsOf(*line)[1], c.expected);
        EXPECT_EQ(GetCursorMode(), CursorModeNone);
    }
    // A segment's infinite line is met beyond the segment's ends.
    Cpp_Line* short_target = Line({{30, 20}, {30, 25}});
    Cpp_Line* line = Line({{0, 0}, {10, 0}});
    Cpp_LineTool::StartExtendToLine(true, line, line->LastPoint(), attributes);
    Cpp_LineTool::ExtendChooseDirection(short_target, short_target->FirstPoint());
    ExpectNear(PointsOf(*line)[1], {30, 0});
}

TEST_F(LineEditToolTest, AMissedTargetAsksAgainOrEndsAndAMiddlePointAsksForTheDirection) {
    const std::string question =
        "Extension of the selected point does not intersect the designated line.  Try to "
        "designate a line to intersect again?";
    Cpp_Line* target = Line({{30, 20}, {30, 25}});
    Cpp_Line* line = Line({{0, 0}, {10, 0}});
    // OK: the tool waits for another target.
    fakes.messageBoxes.answers.push_back(platform::BoxResult::Ok);
    Cpp_LineTool::StartExtendToLine(false, line, line->LastPoint(), attributes);
    Cpp_LineTool::ExtendChooseDirection(target, target->FirstPoint());
    ASSERT_EQ(fakes.messageBoxes.requests.size(), 1u);
    EXPECT_EQ(fakes.messageBoxes.requests[0].caption, "Data Entry Notice");
    EXPECT_EQ(fakes.messageBoxes.requests[0].text, question);
    EXPECT_EQ(GetCursorMode(), CursorModeExtendChooseTarget);
    // Cancel: the tool ends, the point stays.
    fakes.messageBoxes.answers.push_back(platform::BoxResult::Cancel);
    Cpp_LineTool::ExtendChooseDirection(target, target->FirstPoint());
    EXPECT_EQ(fakes.messageBoxes.requests.size(), 2u);
    EXPECT_EQ(GetCursorMode(), CursorModeNone);
    EXPECT_EQ(PointsOf(*line), (Points{{0, 0}, {10, 0}}));

    // The middle point of a line: the click on one of its segments gives the direction.
    Cpp_Line* wall = Line({{50, -100}, {50, 200}});
    Cpp_Line* bent = Line({{0, 0}, {10, 0}, {10, 10}});
    Cpp_PointXY* middle = bent->FirstPoint()->Next();
    Cpp_LineTool::StartExtendToLine(false, bent, middle, attributes);
    EXPECT_FALSE(Cpp_LineTool::ExtendChooseDirection(wall, wall->FirstPoint()));
    EXPECT_EQ(GetCursorMode(), CursorModeExtendChooseDirection);
    EXPECT_TRUE(ClickAt(5, 1));  // on the first segment: along it, to the right
    ExpectNear(PointsOf(*bent)[1], {50, 0});
    EXPECT_EQ(GetCursorMode(), CursorModeNone);
}

// ---------------------------------------------------------------------------------------------
// Parallel or perpendicular.

TEST_F(LineEditToolTest, ParallelAndPerpendicularKeepTheLengthAndTurnTheSegment) {
    const double root2 = std::sqrt(2.0);
    struct Case {
        const char* what;
        bool parallel;
        Points target;
        std::pair<double, double> expected;  // the second end (clicked) of (0, 0)-(10, 0)
    };
    const Case cases[] = {
        {"parallel to a vertical line", true, {{100, 0}, {100, 50}}, {0, -10}},
        {"parallel to a 45 degree line", true, {{100, 0}, {150, 50}}, {10 / root2, 10 / root2}},
        {"perpendicular to a horizontal line", false, {{100, 0}, {150, 0}}, {0, -10}},
        {"perpendicular to a vertical line", false, {{100, 0}, {100, 50}}, {10, 0}},
        {"perpendicular to a 45 degree line",
         false,
         {{100, 0}, {150, 50}},
         {10 / root2, -10 / root2}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Cpp_Line* target = Line(c.target);
        Cpp_Line* line = Line({{0, 0}, {10, 0}});
        ASSERT_TRUE(Cpp_LineTool::StartMakeParallel(c.parallel, line, line->FirstPoint(),
                                                    attributes, false));
        EXPECT_EQ(GetCursorMode(), CursorModeMakeParallelChooseLine);
        ASSERT_TRUE(Cpp_LineTool::StartAdjustEnd(target, target->FirstPoint()));
        EXPECT_EQ(GetCursorMode(), CursorModeAdjustChooseEnd);
        EXPECT_TRUE(ClickAt(9, 0));
        ExpectNear(PointsOf(*line)[0], {0, 0});
        ExpectNear(PointsOf(*line)[1], c.expected);
        EXPECT_EQ(GetCursorMode(), CursorModeNone);
    }
}

// ---------------------------------------------------------------------------------------------
// Point moves.

TEST_F(LineEditToolTest, SnapMovesThePointOntoTheTargetsLineEvenBeyondItsEnds) {
    Cpp_Line* vertical = Line({{100, 20}, {100, 30}});
    Cpp_Line* horizontal = Line({{20, 100}, {30, 100}});
    Cpp_Line* line = Line({{0, 5}, {10, 5}});
    ASSERT_TRUE(Cpp_LineTool::SnapPointHorizontalOrVertical(1, attributes, line, line->LastPoint(),
                                                            vertical->FirstPoint()));
    EXPECT_EQ(PointsOf(*line), (Points{{0, 5}, {100, 5}}));
    ASSERT_TRUE(Cpp_LineTool::SnapPointHorizontalOrVertical(2, attributes, line, line->LastPoint(),
                                                            horizontal->FirstPoint()));
    EXPECT_EQ(PointsOf(*line), (Points{{0, 5}, {100, 100}}));
    EXPECT_TRUE(fakes.messageBoxes.requests.empty());

    // A target along the direction is refused and nothing moves.
    EXPECT_FALSE(Cpp_LineTool::SnapPointHorizontalOrVertical(1, attributes, line, line->LastPoint(),
                                                             horizontal->FirstPoint()));
    EXPECT_FALSE(Cpp_LineTool::SnapPointHorizontalOrVertical(2, attributes, line, line->LastPoint(),
                                                             vertical->FirstPoint()));
    ASSERT_EQ(fakes.messageBoxes.requests.size(), 2u);
    EXPECT_EQ(fakes.messageBoxes.requests[0].caption, "Error");
    EXPECT_EQ(fakes.messageBoxes.requests[0].text,
              "Cannot snap point horizontally to a horizontal line.");
    EXPECT_EQ(fakes.messageBoxes.requests[1].text,
              "Cannot snap point vertically to a vertical line.");
    EXPECT_EQ(PointsOf(*line), (Points{{0, 5}, {100, 100}}));
}

TEST_F(LineEditToolTest, MovesByDistanceToAPositionAndToCoordinates) {
    Cpp_Line* line = Line({{0, 0}, {10, 0}, {20, 0}});
    Cpp_PointXY* middle = line->FirstPoint()->Next();
    // A pending move that cannot be made changes nothing.
    EXPECT_FALSE(Cpp_LineTool::MovePointByDistance(line, middle, attributes,
                                                   [](Cpp_PointXY&) { return false; }));
    EXPECT_EQ(PointsOf(*line)[1], std::make_pair(10.0, 0.0));
    EXPECT_TRUE(Cpp_LineTool::MovePointByDistance(line, middle, attributes, [](Cpp_PointXY& p) {
        p.SetY(p.Y() + 3);
        return true;
    }));
    EXPECT_EQ(PointsOf(*line)[1], std::make_pair(10.0, 3.0));
    EXPECT_TRUE(Cpp_LineTool::MovePointToSnapPosition(line, middle, {12, 4}, attributes));
    EXPECT_EQ(PointsOf(*line)[1], std::make_pair(12.0, 4.0));
    EXPECT_TRUE(Cpp_LineTool::MovePointTo(line, 11, 5, middle, true, attributes));
    EXPECT_EQ(PointsOf(*line), (Points{{0, 0}, {11, 5}, {20, 0}}));
    Cpp_PointXY stranger(1, 1);
    EXPECT_FALSE(Cpp_LineTool::MovePointTo(line, 11, 5, &stranger, true, attributes));
}

TEST_F(LineEditToolTest, TheMoveDistanceWindowOpensWithOneAndTheTextsOfTheKind) {
    double distance = 0;
    ASSERT_TRUE(RunMoveDistanceDialog(1, distance));
    EXPECT_EQ(distance, 2.5);
    EXPECT_EQ(dialogs.shownDistance, 1.0);
    EXPECT_EQ(dialogs.shownLabel, "Horizontal distance to move:");
    EXPECT_EQ(dialogs.shownMessage,
              "Positve value if point is to be moved to the right; negative if point is to be "
              "moved to the left.");
    RunMoveDistanceDialog(9, distance);
    EXPECT_EQ(dialogs.shownLabel, "Perpendicular distance from line:");
    RunMoveDistanceDialog(3, distance);
    EXPECT_EQ(dialogs.shownLabel, "Distance:");
    EXPECT_EQ(dialogs.shownMessage, "");
}

TEST(EditValuePlacement, TheWindowGoesToTheClickAndStaysFivePixelsInsideTheScreen) {
    struct Case {
        const char* what;
        s_PixelPoint point, click;
        s_PixelPoint expected;
    };
    // Screen 1000 x 800, window 200 x 100.
    const Case cases[] = {
        {"right of and below the point", {500, 400}, {510, 410}, {510, 410}},
        {"left of and above the point", {500, 400}, {490, 390}, {290, 290}},
        {"near the right edge", {900, 400}, {950, 410}, {795, 410}},
        {"near the bottom edge", {500, 760}, {510, 780}, {510, 695}},
        {"near the top left corner", {30, 30}, {20, 20}, {5, 5}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const s_PixelPoint at = EditValueWindowPosition({1000, 800, c.point, c.click}, 200, 100);
        EXPECT_EQ(at.x, c.expected.x);
        EXPECT_EQ(at.y, c.expected.y);
    }
}

}  // namespace
