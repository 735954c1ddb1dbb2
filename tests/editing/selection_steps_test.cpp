// The moves of selected items that need a value or a second pick (pending moves, moving to a
// line, snapping), the arrow-key nudge, the wheel over a selected item and the start of a drag.

#include "analysis/analysis_computation_data.h"
#include "analysis/fixed_search_grid.h"
#include "analysis/radius_definition.h"
#include "analysis/tangent_line.h"
#include "core/cursor_mode.h"
#include "core/string_table.h"
#include "editing/cursor_modes.h"
#include "editing/edit_modes.h"
#include "editing/line_editing_dialogs.h"
#include "editing/nail_geogrid_tools.h"
#include "editing/pending_moves.h"
#include "editing/selection_commands.h"
#include "editing/selection_edit_commands.h"
#include "editing/selection_list.h"
#include "editing/tool_dialog_bars.h"
#include "editing/two_step_edits.h"
#include "editing/view_input_fixture.h"
#include "loads/distributed_load_data.h"
#include "loads/geogrid_data.h"
#include "loads/line_load.h"
#include "loads/nail_data.h"
#include "model/data_set.h"
#include "model/data_sets.h"
#include "model/derived_data.h"
#include "profile/crack.h"
#include "profile/profile_line.h"
#include "profile/slope_geometry.h"

#include <vector>

namespace {

// "Enter distance to move" answered with the typed distance (or cancelled); the other line
// editing windows cancel.
struct TypedDistance final : LineEditingDialogs {
    bool EnterMoveDistance(const std::string& l, const std::string&, double& distance) override {
        labels.push_back(l);
        if (!ok) return false;
        distance = typed;
        return true;
    }
    bool EnterLength(double&) override { return false; }
    bool EnterSlope(int&, double&, int&) override { return false; }
    bool EditValue(const std::string&, const s_EditValuePlacement&, double&) override {
        return false;
    }
    bool ProfileSplit(s_ProfileSplitInformation&) override { return false; }
    bool PiezometricSplit(s_PiezometricSplitInformation&) override { return false; }
    double typed = 1;
    bool ok = true;
    std::vector<std::string> labels;
};

void ExpectAt(const s_tagTypePointXY& p, double x, double y) {
    EXPECT_NEAR(p.x, x, 1e-9);
    EXPECT_NEAR(p.y, y, 1e-9);
}

class SelectionStepTest : public ViewInputTest {
protected:
    void SetUp() override {
        ViewInputTest::SetUp();
        FillStringTable({{1333, "Choose line to move to"},
                         {1337, "Choose line to move within distance of"},
                         {1350, "Choose line segment to snap to"}});
        ds = Cpp_Kliven4Data::CurrentDataSet();
        GetCurrentSelection().Clear();
        LineEditingDialogsSlot().Set(&distance);
    }
    void TearDown() override { LineEditingDialogsSlot().Reset(); }
    Cpp_ProfileLine* Profile(int number, const std::vector<s_tagTypePointXY>& points) {
        Cpp_ProfileLine* line = ds->ProfileLines().CreateLine(number, 1, "");
        for (const auto& p : points) line->AddPoint(p.x, p.y);
        line->NumberPoints();
        return line;
    }
    void SelectPoint(Cpp_Line* line, Cpp_PointXY* point, int kind = SEL_PROFILE_POINT) {
        Cpp_Selection s;
        s.SetPointItem(ds, 0, kind, line, point);
        GetCurrentSelection().AddCopy(s);
    }
    void SelectValues(int kind, const s_SelectionReferences& r, int stage = 0) {
        GetCurrentSelection().AddItem(ds, stage, kind, r);
    }
    // The world point (x, y) as a click of the view (one pixel a unit, y up from 300).
    void ClickAt(double x, double y) {
        Click(static_cast<int>(x), static_cast<int>(300 - y));
        Release(static_cast<int>(x), static_cast<int>(300 - y));
    }

    Cpp_Kliven4DataSet* ds = nullptr;
    TypedDistance distance;
};

// ---------------------------------------------------------------------------------------------
// Pending moves

TEST_F(SelectionStepTest, PerpendicularFromAHorizontalLineTakesTheSignedDistanceUpward) {
    Profile(1, {{0, 1}, {10, 1}});
    const Cpp_Line* reference = ds->ProfileLines().LineAt(0);
    for (const auto& [typed, y] : {std::pair{2.0, 3.0}, {-2.0, -1.0}}) {
        StartPendingMove(9);
        SetPendingMoveReferenceLine(reference, reference->FirstPoint());
        distance.typed = typed;
        ASSERT_TRUE(PerformPendingMove());
        s_tagTypePointXY p{3, 7};
        EXPECT_TRUE(ApplyPendingMoveToPoint(p));
        ExpectAt(p, 3, y);
    }
    EXPECT_EQ(distance.labels.back(), "Perpendicular distance from line:");

    // A vertical reference at x = 5: distance 1 puts any point at x = 6, its own height.
    Cpp_ProfileLine* vertical = Profile(2, {{5, 0}, {5, 10}});
    StartPendingMove(9);
    SetPendingMoveReferenceLine(vertical, vertical->FirstPoint());
    distance.typed = 1;
    PerformPendingMove();
    s_tagTypePointXY p{-4, 3};
    EXPECT_TRUE(ApplyPendingMoveToPoint(p));
    ExpectAt(p, 6, 3);
}

TEST_F(SelectionStepTest, HorizontallyFromALineThatMissesThePointsHeightMovesNothing) {
    Cpp_ProfileLine* reference = Profile(1, {{0, 0}, {4, 4}});
    StartPendingMove(7);
    EXPECT_EQ(GetCursorMode(), CursorModeMoveDistanceFromLine);
    EXPECT_TRUE(SetPendingMoveReferenceLine(reference, reference->FirstPoint()));
    distance.typed = 2;
    PerformPendingMove();
    s_tagTypePointXY p{9, 8};
    EXPECT_FALSE(ApplyPendingMoveToPoint(p));
    ExpectAt(p, 9, 8);
    s_tagTypePointXY q{9, 3};
    EXPECT_TRUE(ApplyPendingMoveToPoint(q));
    ExpectAt(q, 5, 3);
    // Only modes 7 to 9 take a reference line, only mode 9 a target.
    StartPendingMove(5);
    EXPECT_FALSE(SetPendingMoveReferenceLine(reference, reference->FirstPoint()));
    EXPECT_FALSE(SetPendingMoveTarget(1, 2));
}

// "Horizontally" with the dialog cancelled leaves the points and the selection; OK moves every
// selected point and marks the document modified.
TEST_F(SelectionStepTest, MoveHorizontallyAskedAtOnce) {
    Cpp_ProfileLine* line = Profile(1, {{0, 0}, {5, 0}});
    SelectPoint(line, line->FirstPoint());
    SelectPoint(line, line->LastPoint());
    distance.ok = false;
    EXPECT_FALSE(StartMovePointDistance(host, 1));
    ExpectAt(line->FirstPoint()->XY(), 0, 0);
    EXPECT_EQ(GetCurrentSelection().Count(), 2);
    EXPECT_TRUE(host.dataChanges.empty());

    distance.ok = true;
    distance.typed = 1.5;
    EXPECT_TRUE(StartMovePointDistance(host, 1));
    ExpectAt(line->FirstPoint()->XY(), 1.5, 0);
    ExpectAt(line->LastPoint()->XY(), 6.5, 0);
    EXPECT_EQ(host.dataChanges, std::vector<int>{2});
    EXPECT_EQ(distance.labels.back(), "Horizontal distance to move:");
}

// The click of "Horizontally from Line" picks the segment and moves the selection from it.
TEST_F(SelectionStepTest, HorizontallyFromAClickedLine) {
    Cpp_ProfileLine* line = Profile(1, {{50, 50}, {60, 100}});
    Cpp_ProfileLine* wall = Profile(2, {{200, 0}, {200, 200}});
    SelectPoint(line, line->LastPoint());
    distance.typed = -10;
    ASSERT_TRUE(StartMovePointDistance(host, 7));
    ClickAt(200, 120);
    ExpectAt(line->LastPoint()->XY(), 190, 100);
    EXPECT_EQ(GetCursorMode(), CursorModeNone);
    ExpectAt(wall->FirstPoint()->XY(), 200, 0);
}

// "Horizontally from Point" and "Vertically from Point": the click picks a line point, the
// distance is asked, and every selected point goes that far from the picked point along the one
// axis, keeping its other coordinate; a picked point that is no line point (a distributed-load
// point) moves nothing and the step waits for another click.
TEST_F(SelectionStepTest, FromAClickedPointTheDistanceAlongOneAxis) {
    const struct {
        const char* name;
        int mode;
        double typed;
        s_tagTypePointXY expected;
    } cases[] = {
        {"horizontally", 5, 15, {215, 100}},
        {"vertically", 6, -20, {60, 110}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ds->ProfileLines().Clear();
        GetCurrentSelection().Clear();
        Cpp_ProfileLine* line = Profile(1, {{50, 50}, {60, 100}});
        Cpp_ProfileLine* other = Profile(2, {{200, 130}, {260, 130}});
        ds->DistributedLoads(1)->SetPoints({{120, 150, 5, 0}, {140, 150, 5, 0}});
        SelectPoint(line, line->LastPoint());
        host.dataChanges.clear();
        distance.typed = c.typed;
        ASSERT_TRUE(StartMovePointDistance(host, c.mode));
        EXPECT_EQ(GetCursorMode(), CursorModeMoveDistanceFromPoint);

        ClickAt(120, 150);  // the load point
        EXPECT_EQ(GetCursorMode(), CursorModeMoveDistanceFromPoint);
        ExpectAt(line->LastPoint()->XY(), 60, 100);
        EXPECT_TRUE(host.dataChanges.empty());

        ClickAt(200, 130);  // the first point of line 2
        EXPECT_EQ(GetCursorMode(), CursorModeNone);
        ExpectAt(line->LastPoint()->XY(), c.expected.x, c.expected.y);
        ExpectAt(other->FirstPoint()->XY(), 200, 130);
        EXPECT_EQ(host.dataChanges, std::vector<int>{2});
        SetCursorMode(CursorModeNone);
    }
}

// ---------------------------------------------------------------------------------------------
// Move to Line

TEST_F(SelectionStepTest, MoveToLineMissAsksAgainOkWaitsCancelEnds) {
    Cpp_ProfileLine* moved = Profile(1, {{0, 0}, {10, 10}});
    Cpp_ProfileLine* target = Profile(2, {{20, 0}, {30, 0}});
    Cpp_ProfileLine* reference = Profile(3, {{0, 50}, {0, 60}});  // vertical: parallel misses
    SelectPoint(moved, moved->LastPoint());
    ASSERT_TRUE(StartMoveToLine(true));
    EXPECT_EQ(GetCursorMode(), CursorModeMoveToLineTarget);
    StartPickReferenceLine(target);
    fakes.messageBoxes.answers.push_back(platform::BoxResult::Ok);
    s_tagTypePointXY p{10, 10};
    EXPECT_FALSE(MovePointToTargetLine(p, reference->FirstPoint()));
    ASSERT_EQ(fakes.messageBoxes.requests.size(), 1u);
    EXPECT_EQ(fakes.messageBoxes.requests[0].caption, "Data Entry Notice");
    EXPECT_EQ(fakes.messageBoxes.requests[0].text,
              "Extension of the selected point does not intersect the designated line.  Try to "
              "designate a line to intersect again?");
    EXPECT_EQ(GetCursorMode(), CursorModeMoveToLineReference);

    fakes.messageBoxes.answers.push_back(platform::BoxResult::Cancel);
    EXPECT_TRUE(MovePointToTargetLine(p, reference->FirstPoint()));
    EXPECT_EQ(GetCursorMode(), CursorModeNone);
    ExpectAt(p, 10, 10);

    // Parallel to a sloping reference the direction meets the target.
    Cpp_ProfileLine* sloping = Profile(4, {{0, 100}, {5, 95}});
    StartPickReferenceLine(target);
    EXPECT_TRUE(MovePointToTargetLine(p, sloping->FirstPoint()));
    ExpectAt(p, 20, 0);
}

TEST_F(SelectionStepTest, MoveToLineIsRefusedForALineLoad) {
    Cpp_LineLoad* load = ds->LineLoads(1)->AddByComponents(1, 5, 5, 10, 0);
    Cpp_Selection s;
    s.SetLoadPointItem(ds, 1, SEL_LINE_LOAD, load);
    GetCurrentSelection().AddCopy(s);
    EXPECT_FALSE(StartMoveToLine(true));
    EXPECT_EQ(GetCursorMode(), CursorModeNone);
}

TEST_F(SelectionStepTest, MakeParallelWithTwoSegmentsShowsTheNotice) {
    Cpp_ProfileLine* line = Profile(1, {{0, 0}, {5, 0}, {9, 4}});
    for (Cpp_PointXY* p : {line->FirstPoint(), line->FirstPoint()->Next()}) {
        Cpp_Selection s;
        s.SetSegmentItem(ds, 0, SEL_PROFILE_SEGMENT, line, p);
        GetCurrentSelection().AddCopy(s);
    }
    EXPECT_FALSE(MakeParallelOrPerpendicular(true));
    ASSERT_EQ(fakes.messageBoxes.requests.size(), 1u);
    EXPECT_EQ(fakes.messageBoxes.requests[0].caption, "Data Entry Notice");
    EXPECT_EQ(fakes.messageBoxes.requests[0].text,
              "Error - Cannot make multiple segments paralel at one time.  You must select "
              "segments one at a time.");
    EXPECT_EQ(GetCursorMode(), CursorModeNone);
}

// ---------------------------------------------------------------------------------------------
// Snapping

TEST_F(SelectionStepTest, SnapVerticallyOntoAVerticalSegmentIsRefusedAndTheStepStays) {
    Cpp_ProfileLine* line = Profile(1, {{50, 50}, {60, 60}});
    Profile(2, {{200, 0}, {200, 200}});
    SelectPoint(line, line->FirstPoint());
    ASSERT_TRUE(StartSnapSelection(2));
    ClickAt(200, 100);
    ASSERT_EQ(fakes.messageBoxes.requests.size(), 1u);
    EXPECT_EQ(fakes.messageBoxes.requests[0].caption, "Error");
    EXPECT_EQ(fakes.messageBoxes.requests[0].text,
              "Cannot snap point vertically to a vertical line.");
    EXPECT_EQ(fakes.messageBoxes.requests[0].icon, platform::BoxIcon::Stop);
    EXPECT_EQ(GetCursorMode(), CursorModeSnapHorizontalOrVertical);
    ExpectAt(line->FirstPoint()->XY(), 50, 50);
}

// A distributed-load point snaps vertically onto the sloping segment's line at its own x, even
// beyond the segment's ends.
TEST_F(SelectionStepTest, SnapVerticallyReachesTheSegmentsLineBeyondItsEnds) {
    Cpp_ProfileLine* slope = Profile(1, {{100, 100}, {200, 150}});
    Cpp_DistributedLoadData& loads = *ds->DistributedLoads(1);
    loads.SetPoints({{300, 10, 5, 0}, {320, 10, 5, 0}});
    Cpp_Selection s;
    s.SetLoadPointItem(ds, 1, SEL_LOAD_POINT, loads.GetFirstListItem());
    GetCurrentSelection().AddCopy(s);
    ASSERT_TRUE(StartSnapSelection(2));
    Cpp_Selection picked;
    picked.SetSegmentItem(ds, 0, SEL_PROFILE_SEGMENT, slope, slope->FirstPoint());
    EXPECT_TRUE(SnapSelectedPointsToPickedLine(host, picked));
    ExpectAt(loads.GetFirstListItem()->XY(), 300, 200);
    EXPECT_EQ(GetCursorMode(), CursorModeNone);
}

TEST_F(SelectionStepTest, SnapHorizontallyOntoAHorizontalSegmentWarnsOncePerItem) {
    Cpp_ProfileLine* flat = Profile(1, {{0, 5}, {100, 5}});
    Cpp_DistributedLoadData& loads = *ds->DistributedLoads(1);
    loads.SetPoints({{30, 10, 5, 0}, {40, 12, 5, 0}});
    for (auto* p = loads.GetFirstListItem(); p; p = p->NextPoint()) {
        Cpp_Selection s;
        s.SetLoadPointItem(ds, 1, SEL_LOAD_POINT, p);
        GetCurrentSelection().AddCopy(s);
    }
    ASSERT_TRUE(StartSnapSelection(1));
    Cpp_Selection picked;
    picked.SetSegmentItem(ds, 0, SEL_PROFILE_SEGMENT, flat, flat->FirstPoint());
    SnapSelectedPointsToPickedLine(host, picked);
    ASSERT_EQ(fakes.messageBoxes.requests.size(), 2u);
    for (const auto& r : fakes.messageBoxes.requests)
        EXPECT_EQ(r.text, "Cannot snap point horizontally to a horizontal line.");
    ExpectAt(loads.GetFirstListItem()->XY(), 30, 10);
}

// ---------------------------------------------------------------------------------------------
// Nudging

TEST_F(SelectionStepTest, NudgingACircleCentreTwiceMovesItTwoSteps) {
    Cpp_AnalysisComputationData& a = *ds->AnalysisComputationData();
    a.SetMode(1);
    a.SetCircleCenter(10, 20);
    s_SelectionReferences r;
    r.x = 10;
    r.y = 20;
    SelectValues(SEL_CIRCLE_CENTRE, r);
    NudgeOptions() = {2, 0.5};
    Key(ViewKeyArrowRight);
    Key(ViewKeyArrowRight);
    ExpectAt(a.GetCircleCenter(), 11, 20);
    EXPECT_EQ(host.dataChanges, (std::vector<int>{9, 9}));
}

TEST_F(SelectionStepTest, NudgingASlopePointMarksTheSlopeEntered) {
    Cpp_SlopeLine& slope = ds->SlopeGeometry().GetSlopeLine();
    slope.AddPoint(0, 0);
    slope.AddPoint(10, 10);
    ASSERT_FALSE(ds->SlopeGeometry().IsEntered());
    SelectPoint(&slope, slope.FirstPoint(), SEL_SLOPE_POINT);
    NudgeOptions() = {2, 1};
    Key(ViewKeyArrowUp);
    ExpectAt(slope.FirstPoint()->XY(), 0, 1);
    EXPECT_TRUE(ds->SlopeGeometry().IsEntered());
}

TEST_F(SelectionStepTest, NudgingAGivenRadiusUpMakesItSmaller) {
    Cpp_AnalysisComputationData& a = *ds->AnalysisComputationData();
    Cpp_FixedSearchGrid& grid = a.GetFixedSearchGrid();
    grid.SetCorner(1, 0, 0);
    grid.SetCorner(2, 10, 0);
    grid.SetCorner(3, 10, 10);
    grid.SetCorner(4, 0, 10);
    Cpp_RadiusDefinition* definition = a.GetRadiusDefinitionList().AddGivenRadius(30);
    s_SelectionReferences r;
    r.ref2 = definition;
    r.number1 = 1;
    SelectValues(SEL_DEFINITION_RADIUS, r);
    NudgeOptions() = {2, 2};
    Key(ViewKeyArrowUp);
    EXPECT_DOUBLE_EQ(definition->GetGivenRadius(), 28);
}

// Pixel mode moves one pixel a press whatever the distance; world mode the nudge distance.
TEST_F(SelectionStepTest, NudgeModesPixelAndWorld) {
    Cpp_Graphics::SetScaleState(0, 800, 0, 600, 0, 0.5, 300, -0.5, 0, 400, 0, 300);
    Cpp_ProfileLine* line = Profile(1, {{0, 0}, {5, 0}});
    SelectPoint(line, line->LastPoint());
    NudgeOptions() = {1, 7};
    Key(ViewKeyArrowRight);
    ExpectAt(line->LastPoint()->XY(), 5 + Cpp_Graphics::PixelsToWorldLengthX(1), 0);
    const double afterPixel = line->LastPoint()->X();
    NudgeOptions() = {2, 7};
    Key(ViewKeyArrowLeft);
    ExpectAt(line->LastPoint()->XY(), afterPixel - 7, 0);
}

// Pixel mode: each arrow moves the point one pixel the way the arrow points on the screen,
// where pixel rows grow downwards (the y scale is negative).
TEST_F(SelectionStepTest, PixelNudgesFollowTheArrowsOnTheScreen) {
    Cpp_Graphics::SetScaleState(0, 800, 0, 600, 0, 0.5, 300, -0.5, 0, 400, 0, 300);
    Cpp_ProfileLine* line = Profile(1, {{0, 0}, {5, 5}});
    SelectPoint(line, line->LastPoint());
    NudgeOptions() = {1, 7};
    struct Case {
        int key;
        double dx, dy;  // in pixels on the screen, y down
    };
    const Case cases[] = {{ViewKeyArrowUp, 0, -1},
                          {ViewKeyArrowDown, 0, 1},
                          {ViewKeyArrowLeft, -1, 0},
                          {ViewKeyArrowRight, 1, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.key);
        const s_tagTypePointXY before = line->LastPoint()->XY();
        const double px = Cpp_Graphics::XToPixel(before.x), py = Cpp_Graphics::YToPixel(before.y);
        Key(c.key);
        const s_tagTypePointXY after = line->LastPoint()->XY();
        EXPECT_NEAR(Cpp_Graphics::XToPixel(after.x) - px, c.dx, 1e-9);
        EXPECT_NEAR(Cpp_Graphics::YToPixel(after.y) - py, c.dy, 1e-9);
    }
    NudgeOptions() = {1, 1};
}

// ---------------------------------------------------------------------------------------------
// The wheel and drags

TEST_F(SelectionStepTest, WheelOverACrackPointIsUsedOverACOverPPointItIsNot) {
    Cpp_SlopeLine& slope = ds->SlopeGeometry().GetSlopeLine();
    slope.AddPoint(0, 0);
    slope.AddPoint(50, 50);
    slope.AddPoint(100, 50);
    Cpp_Crack& crack = ds->AnalysisComputationData()->GetCrack();
    crack.SetCrackOption(4);
    Cpp_CrackPoint* point = crack.CrackPointList().AddPoint(60, 40);
    crack.CrackPointList().AddPoint(90, 40);
    ComputeCrackBottom(*ds, nullptr);
    s_SelectionReferences r;
    r.ref1 = point;
    SelectValues(SEL_VARIABLE_CRACK_POINT, r);
    host.wheelEditing = true;
    EXPECT_TRUE(MouseWheelEdit(host, 120, false, false));
    EXPECT_DOUBLE_EQ(point->Value(), 41);
    EXPECT_TRUE(MouseWheelEdit(host, -120, false, false));
    EXPECT_DOUBLE_EQ(point->Value(), 40);

    GetCurrentSelection().Clear();
    s_SelectionReferences cp;
    SelectValues(SEL_CP_POINT, cp, 1);
    bool repaint = false;
    EXPECT_FALSE(GetCurrentSelection().WheelEditFirst(120, false, repaint));
    EXPECT_FALSE(repaint);
}

TEST_F(SelectionStepTest, DragStartsByKind) {
    // A grid corner outside analysis mode 4: nothing at all.
    ds->AnalysisComputationData()->SetMode(1);
    s_SelectionReferences corner;
    corner.number1 = 1;
    SelectValues(SEL_GRID_CORNER, corner);
    EXPECT_TRUE(ChangeValueOfSelection(host, 10, 10));
    EXPECT_EQ(GetCursorMode(), CursorModeNone);
    EXPECT_EQ(Status(), "");
    // The same corner in the fixed-grid mode starts the corner move; the circle's centre in the
    // individual-circle mode starts the centre move.
    ds->AnalysisComputationData()->SetMode(4);
    EXPECT_TRUE(ChangeValueOfSelection(host, 10, 10));
    EXPECT_EQ(GetCursorMode(), CursorModeMoveSearchGridCorner);
    Key(ViewKeyEscape);
    EXPECT_EQ(GetCursorMode(), CursorModeNone);
    ds->AnalysisComputationData()->SetMode(1);
    GetCurrentSelection().Clear();
    SelectValues(SEL_CIRCLE_CENTRE, s_SelectionReferences{});
    EXPECT_TRUE(ChangeValueOfSelection(host, 10, 10));
    EXPECT_EQ(GetCursorMode(), CursorModeMoveCircleCentre);
    Key(ViewKeyEscape);
    EXPECT_EQ(GetCursorMode(), CursorModeNone);

    // A geogrid's end starts the geogrid drag of the end.
    GetCurrentSelection().Clear();
    Cpp_Geogrid* grid = ds->Geogrids()->GetIndividualGeogridList().AddGeogrid(5, 10, 0, 1);
    s_SelectionReferences g;
    g.ref1 = grid;
    SelectValues(SEL_GEOGRID_END, g);
    EXPECT_TRUE(ChangeValueOfSelection(host, 10, 10));
    EXPECT_EQ(GetCursorMode(), CursorModeDragGeogrid);
    SetCursorMode(CursorModeNone);

    // A slope segment: "Insert Point" starts the insertion and leaves every bar as it was.
    GetCurrentSelection().Clear();
    Cpp_SlopeLine& slope = ds->SlopeGeometry().GetSlopeLine();
    slope.AddPoint(0, 0);
    slope.AddPoint(10, 10);
    Cpp_Selection s;
    s.SetSegmentItem(ds, 0, SEL_SLOPE_SEGMENT, &slope, slope.FirstPoint());
    GetCurrentSelection().AddCopy(s);
    std::vector<int> options;
    for (int bar = 0; bar < BarCount; ++bar)
        options.push_back(TheToolBars().Bar(bar)->GetEntryOption());
    EXPECT_TRUE(StartInsertPoint(host));
    EXPECT_EQ(GetCursorMode(), CursorModeInsertSlopePoint);
    for (int bar = 0; bar < BarCount; ++bar)
        EXPECT_EQ(TheToolBars().Bar(bar)->GetEntryOption(), options[static_cast<size_t>(bar)]);
}

}  // namespace

namespace {

// A selected nail or geogrid goes with the Delete key, whichever part of it was picked, and
// the document is told of the change.
TEST_F(SelectionStepTest, TheDeleteKeyDeletesASelectedNailOrGeogrid) {
    Cpp_IndividualNailList& nails = ds->SoilNails()->GetIndividualNailList();
    Cpp_IndividualNail* nail = nails.AddNail(10, 20, 15, 1.5, 1, 1);
    nails.AddNail(20, 20, 15, 1.5, 1, 1);
    Cpp_IndividualGeogridList& grids = ds->Geogrids()->GetIndividualGeogridList();
    Cpp_Geogrid* grid = grids.AddGeogrid(5, 10, 0, 1);
    s_SelectionReferences n;
    n.ref1 = nail;
    SelectValues(SEL_NAIL_END, n);
    host.editMode = EditModeSelect;
    Key(ViewKeyDelete);
    EXPECT_EQ(nails.Count(), 1);
    EXPECT_NE(nails.Nails()[0].get(), nail);
    EXPECT_TRUE(GetCurrentSelection().IsEmpty());
    s_SelectionReferences g;
    g.ref1 = grid;
    SelectValues(SEL_GEOGRID_LAYER, g);
    Key(ViewKeyDelete);
    EXPECT_EQ(grids.Count(), 0);
    EXPECT_EQ(host.dataChanges.size(), 2u);
}

// Enter in select mode on a selected geogrid takes the geogrid bar's values: a new length keeps
// the head.
TEST_F(SelectionStepTest, EnterOnASelectedGeogridTakesTheBarsLength) {
    Cpp_Geogrid* grid = ds->Geogrids()->GetIndividualGeogridList().AddGeogrid(5, 10, 0, 1);
    const double headX = grid->headX, headY = grid->headY;
    ASSERT_TRUE(ShowToolBar(BarGeogrids, true, 1));
    CmDialogBarGeogridsTool& bar = TheToolBars().geogrids;
    bar.SetFromGeogrid(*grid);
    bar.SetLength(15);
    s_SelectionReferences g;
    g.ref1 = grid;
    SelectValues(SEL_GEOGRID_HEAD, g);
    EXPECT_TRUE(AssignNumberToSelection(host));
    EXPECT_DOUBLE_EQ(grid->length, 15);
    EXPECT_EQ(grid->headX, headX);
    EXPECT_EQ(grid->headY, headY);
    ShowToolBar(BarGeogrids, false, 0);
}

// The points and segments of the trial circle's irregular tangent line start the tangent-line
// point tools: a drag, adding at an end, inserting on a segment.
TEST_F(SelectionStepTest, TangentLineItemsStartTheTangentLinePointTools) {
    ds->AnalysisComputationData()->SetCircular(true);
    Cpp_TangentLine* tangent = ds->AnalysisComputationData()->GetTangentLine();
    ASSERT_NE(tangent, nullptr);
    tangent->ChangeOption(Cpp_TangentLine::kIrregular);
    tangent->AddPoint(0, 10);
    tangent->AddPoint(10, 12);
    tangent->AddPoint(20, 11);
    const auto item = [&](int kind, int index) {
        s_SelectionReferences r;
        r.ref1 = tangent;
        r.index = index;
        GetCurrentSelection().Clear();
        SelectValues(kind, r);
        return GetCurrentSelection().GetNth(1);
    };
    EXPECT_TRUE(item(SEL_TANGENT_POINT, 1)->StartLineDrag(50, 50));
    EXPECT_EQ(GetCursorMode(), CursorModeDragTangentPoint);
    Key(ViewKeyEscape);
    EXPECT_EQ(GetCursorMode(), CursorModeNone);
    EXPECT_TRUE(item(SEL_TANGENT_POINT, 2)->StartAddPointAtEnd());
    EXPECT_EQ(GetCursorMode(), CursorModeAddPointTangentLine);
    Key(ViewKeyEscape);
    EXPECT_TRUE(item(SEL_TANGENT_SEGMENT, 0)->StartInsertPoint());
    EXPECT_EQ(GetCursorMode(), CursorModeInsertTangentPoint);
    Key(ViewKeyEscape);
    EXPECT_EQ(GetCursorMode(), CursorModeNone);
    EXPECT_EQ(tangent->NumberOfPoints(), 3);
}

// The line commands by kind: change length on a point finds its line and starts nothing;
// extend on a segment is refused; split at point on a slope point does nothing but succeeds.
TEST_F(SelectionStepTest, LineCommandsByKind) {
    Cpp_ProfileLine* line = Profile(1, {{0, 0}, {5, 0}, {9, 4}});
    Cpp_Selection point;
    point.SetPointItem(ds, 0, SEL_PROFILE_POINT, line, line->FirstPoint()->Next());
    EXPECT_TRUE(point.StartChangeSegmentLength());
    EXPECT_EQ(GetCursorMode(), CursorModeNone);
    EXPECT_TRUE(distance.labels.empty());

    Cpp_Selection segment;
    segment.SetSegmentItem(ds, 0, SEL_PROFILE_SEGMENT, line, line->FirstPoint());
    EXPECT_FALSE(segment.StartExtendToLine(false));
    EXPECT_EQ(GetCursorMode(), CursorModeNone);

    Cpp_SlopeLine& slope = ds->SlopeGeometry().GetSlopeLine();
    slope.AddPoint(0, 0);
    slope.AddPoint(5, 5);
    slope.AddPoint(9, 5);
    GetCurrentSelection().Clear();
    SelectPoint(&slope, slope.FirstPoint()->Next(), SEL_SLOPE_POINT);
    EXPECT_TRUE(SplitLineAtPoint(host));
    EXPECT_EQ(slope.NumberOfPoints(), 3);
    EXPECT_EQ(GetCurrentSelection().Count(), 1);
    EXPECT_TRUE(host.dataChanges.empty());
}

}  // namespace
