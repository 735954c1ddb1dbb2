// The point tools of a polyline (add at an end, insert, drag a point or a segment, delete,
// erase) driven by scripted mouse and key records through the view's input: the points the
// line is left with, the bands drawn and erased on the view, the cursor modes and prompts, and
// what a completion tells the document.

#include "core/cursor_mode.h"
#include "editing/cursor_modes.h"
#include "editing/drawn_figures.h"
#include "editing/edit_modes.h"
#include "editing/line_point_tools.h"
#include "editing/piezometric_tool.h"
#include "editing/profile_tool.h"
#include "editing/slope_tool.h"
#include "editing/tool_dialog_bars.h"
#include "editing/view_input_fixture.h"
#include "graphics/line.h"
#include "graphics/prompts.h"
#include "model/data_set.h"
#include "model/data_sets.h"
#include "porepressure/piezometric_line.h"
#include "profile/profile_line.h"
#include "profile/slope_drawing.h"
#include "profile/slope_geometry.h"
#include "registry/view_preparations.h"
#include "support/fake_services.h"

#include <array>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace {

using Segment = testsupport::DrawnSegment;
using Points = testsupport::LinePointList;
using testsupport::LastSegmentColours;
using testsupport::XorSegmentsShown;

constexpr platform::ColorRef kGreen = platform::MakeRgb(0, 255, 0);
constexpr platform::ColorRef kGrey = platform::MakeRgb(160, 160, 160);

Segment S(int ax, int ay, int bx, int by) { return testsupport::SegmentKey(ax, ay, bx, by); }
std::map<Segment, int> XorShown(const platform::RecordingDeviceContext& dc,
                                platform::ColorRef colour) {
    return XorSegmentsShown(dc, colour);
}
Points PointsOf(const Cpp_Line& line) { return testsupport::LinePoints(line); }
std::vector<int> NumbersOf(const Cpp_Line& line) { return testsupport::LinePointNumbers(line); }
Cpp_PointXY* NthPoint(const Cpp_Line& line, int n) {
    Cpp_PointXY* p = line.FirstPoint();
    while (p && n-- > 1) p = p->Next();
    return p;
}

class LinePointToolTest : public ViewInputTest {
protected:
    void SetUp() override {
        ViewInputTest::SetUp();
        host.editMode = EditModeSelect;
        background = host.overlay.GetBkColor();
    }

    Cpp_Kliven4DataSet& Data() { return *Cpp_Kliven4Data::CurrentDataSet(); }
    Cpp_ProfileLineList& Profiles() { return Data().ProfileLines(); }
    // Profile line 1 through (100, 100), (200, 100), (300, 200) in world units; the view shows
    // world (x, y) at pixel (x, 300 - y).
    Cpp_Line* ProfileLine() {
        Cpp_ProfileLine* line = Profiles().CreateLine(1, 1, "one");
        line->AddPoint(100, 100);
        line->AddPoint(200, 100);
        line->AddPoint(300, 200);
        line->NumberPoints();
        return line;
    }
    void Escape() { Key(ViewKeyEscape); }
    void Enter() { Key(ViewKeyEnter); }

    s_DrawAttributesType attributes = Cpp_ProfileTool::GetDisplayAttributes();
    platform::ColorRef background = 0;
};

// ---------------------------------------------------------------------------------------------
// Add a point at an end.

TEST_F(LinePointToolTest, AddAtTheFirstPointGoesBeforeItAndAtTheLastAfterIt) {
    struct Case {
        int end;  // 1 the first point, 3 the last
        Points expected;
    };
    const Case cases[] = {
        {1, {{50, 50}, {100, 100}, {200, 100}, {300, 200}}},
        {3, {{100, 100}, {200, 100}, {300, 200}, {50, 50}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.end);
        Profiles().Clear();
        Cpp_Line* line = ProfileLine();
        host.dataChanges.clear();
        Move(10, 10);  // where the cursor is when the tool starts
        ASSERT_TRUE(Cpp_ProfileTool::StartAddPointAtEnd(line, NthPoint(*line, c.end)));
        EXPECT_EQ(GetCursorMode(), CursorModeAddPointProfileLine);
        Move(50, 250);
        const Segment band = c.end == 1 ? S(100, 200, 50, 250) : S(300, 100, 50, 250);
        EXPECT_EQ(XorShown(host.overlay, kGreen), (std::map<Segment, int>{{band, 1}}));
        EXPECT_TRUE(Click(50, 250));  // the document is modified
        EXPECT_EQ(PointsOf(*line), c.expected);
        EXPECT_EQ(NumbersOf(*line), (std::vector<int>{1, 2, 3, 4}));
        EXPECT_TRUE(XorShown(host.overlay, kGreen).empty());
        // The new segment is drawn in the profile colour.
        EXPECT_EQ(LastSegmentColours(host.overlay).at(band), attributes.lineColour.RGBColor());
        EXPECT_EQ(GetCursorMode(), CursorModeNone);
        EXPECT_EQ(host.dataChanges, std::vector<int>{2});
    }
}

TEST_F(LinePointToolTest, AddAtEndSetsTheCursorModeOfTheKindAndEscapeAddsNothing) {
    // Kind 5 leaves the cursor mode as it is.
    const std::pair<int, int> cases[] = {{LINEKIND_CONSTRUCTION, 81},
                                         {LINEKIND_PROFILE, 82},
                                         {LINEKIND_PIEZOMETRIC, 83},
                                         {LINEKIND_SLOPE, 84},
                                         {LINEKIND_REINFORCEMENT, CursorModeNone},
                                         {LINEKIND_NONCIRCULAR, 87},
                                         {LINEKIND_TANGENT, 88}};
    Cpp_Line* line = ProfileLine();
    for (const auto& [kind, mode] : cases) {
        SCOPED_TRACE(kind);
        ASSERT_TRUE(Cpp_LineTool::StartAddPointAtEnd(line, line->LastPoint(), kind, attributes));
        EXPECT_EQ(GetCursorMode(), mode);
        EXPECT_EQ(fakes.statusLine.Text(), "Left-click to add new point at end of line.");
        Cpp_LineTool::CancelAddPointAtEnd();
        EXPECT_EQ(GetCursorMode(), CursorModeNone);
        EXPECT_FALSE(Cpp_LineTool::IsActive());
    }
    Cpp_LineTool::StartAddPointAtEnd(line, line->LastPoint(), LINEKIND_PROFILE, attributes);
    Move(40, 40);
    Escape();
    EXPECT_EQ(line->NumberOfPoints(), 3);
    EXPECT_TRUE(XorShown(host.overlay, kGreen).empty());
    EXPECT_EQ(GetCursorMode(), CursorModeNone);
    // A point not in the line starts nothing.
    Cpp_PointXY stranger(1, 1);
    EXPECT_FALSE(Cpp_LineTool::StartAddPointAtEnd(line, &stranger, LINEKIND_PROFILE, attributes));
}

TEST_F(LinePointToolTest, EnterTakesTheBarsPointAndABarWithoutOneAddsNothing) {
    ShowToolBar(BarProfile, true, 1);
    Cpp_Line* line = ProfileLine();
    Cpp_ProfileTool::StartAddPointAtEnd(line, line->LastPoint());
    CmDialogBarProfileTool& bar = TheToolBars().profile;
    bar.Controls().SetText(CmDialogBarProfileTool::IdX, "no number");
    Enter();
    EXPECT_EQ(line->NumberOfPoints(), 3);
    EXPECT_EQ(GetCursorMode(), CursorModeAddPointProfileLine);
    bar.SetPoint(400, 250);
    Enter();
    EXPECT_EQ(PointsOf(*line).back(), std::make_pair(400.0, 250.0));
    EXPECT_EQ(GetCursorMode(), CursorModeNone);
}

TEST_F(LinePointToolTest, ShiftWhileAddingWritesTheCursorPointToTheBar) {
    ShowToolBar(BarPiezometric, true, 1);
    Cpp_PiezometricLine* line =
        Data().PiezometricLines(Cpp_Kliven4DataSet::CurrentStage())->CreateLine(2, 9.81, "w");
    line->AddPoint(0, 150);
    line->AddPoint(100, 150);
    ASSERT_TRUE(Cpp_PiezometricTool::StartAddPointAtEnd(line, line->LastPoint()));
    EXPECT_EQ(GetCursorMode(), CursorModeAddPointPiezometricLine);
    Move(150, 120, true);
    double x = 0, y = 0;
    ASSERT_TRUE(TheToolBars().piezometric.GetPoint(x, y));
    EXPECT_EQ(std::make_pair(x, y), std::make_pair(150.0, 180.0));
    Enter();
    EXPECT_EQ(PointsOf(*line), (Points{{0, 150}, {100, 150}, {150, 180}}));
    EXPECT_EQ(host.dataChanges, std::vector<int>{4});
}

TEST_F(LinePointToolTest, TheBandComesBackAfterARepaint) {
    Cpp_Line* line = ProfileLine();
    Cpp_LineTool::RegisterDrawing();
    Cpp_LineTool::StartAddPointAtEnd(line, line->LastPoint(), LINEKIND_PROFILE, attributes);
    Move(350, 50);
    platform::RecordingDeviceContext repainted;
    RunAfterDataDrawings(e_AfterDataStep::ToolFeedback, repainted, &Data());
    EXPECT_EQ(XorShown(repainted, kGreen), (std::map<Segment, int>{{S(300, 100, 350, 50), 1}}));
    Cpp_LineTool::CancelAddPointAtEnd();
}

TEST_F(LinePointToolTest, AZoomWindowTakesTheBandAwayAndThePaintAfterItBringsTheStepBack) {
    Cpp_Line* line = ProfileLine();
    Cpp_LineTool::RegisterDrawing();
    Cpp_LineTool::StartAddPointAtEnd(line, line->LastPoint(), LINEKIND_PROFILE, attributes);
    Move(350, 50);
    StartZoomWindow(350, 50);
    EXPECT_TRUE(XorShown(host.overlay, kGreen).empty());
    EXPECT_EQ(GetCursorMode(), CursorModeZoomWindow);
    Key(ViewKeyEscape);  // the zoom given up: the view is drawn again
    EXPECT_EQ(GetCursorMode(), CursorModeNone);
    platform::RecordingDeviceContext repainted;
    RunAfterDataDrawings(e_AfterDataStep::ToolFeedback, repainted, &Data());
    EXPECT_EQ(GetCursorMode(), CursorModeAddPointProfileLine);
    EXPECT_EQ(XorShown(repainted, kGreen), (std::map<Segment, int>{{S(300, 100, 350, 50), 1}}));
    EXPECT_TRUE(Click(350, 50));
    EXPECT_EQ(line->NumberOfPoints(), 4);
}

// ---------------------------------------------------------------------------------------------
// Insert a point on a segment.

TEST_F(LinePointToolTest, InsertLinksThePointInTheSegmentAndTheFirstMoveErasesNothing) {
    Cpp_Line* line = ProfileLine();
    ASSERT_TRUE(Cpp_LineTool::StartInsertPointOnSegment(line, line->FirstPoint(), LINEKIND_PROFILE,
                                                        attributes));
    EXPECT_EQ(GetCursorMode(), CursorModeInsertProfilePoint);
    const std::size_t before = host.overlay.Records().size();
    Move(150, 220);
    // Only the band through the cursor: nothing was erased first.
    std::size_t xorLines = 0;
    for (std::size_t i = before; i < host.overlay.Records().size(); ++i)
        if (host.overlay.Records()[i].attributes.rop == platform::RasterOp::XorPen) ++xorLines;
    EXPECT_EQ(xorLines, 2u);
    EXPECT_EQ(XorShown(host.overlay, kGreen),
              (std::map<Segment, int>{{S(100, 200, 150, 220), 1}, {S(150, 220, 200, 200), 1}}));
    Move(160, 230);
    EXPECT_TRUE(Click(160, 230));
    EXPECT_EQ(PointsOf(*line), (Points{{100, 100}, {160, 70}, {200, 100}, {300, 200}}));
    EXPECT_EQ(NumbersOf(*line), (std::vector<int>{1, 2, 3, 4}));
    EXPECT_TRUE(XorShown(host.overlay, kGreen).empty());
    const auto colours = LastSegmentColours(host.overlay);
    EXPECT_EQ(colours.at(S(100, 200, 200, 200)), background);  // the old segment erased
    EXPECT_EQ(colours.at(S(100, 200, 160, 230)), attributes.lineColour.RGBColor());
    EXPECT_EQ(GetCursorMode(), CursorModeNone);
}

TEST_F(LinePointToolTest, InsertRefusesReinforcementLinesAndEscapeLeavesTheLine) {
    Cpp_Line* line = ProfileLine();
    EXPECT_FALSE(Cpp_LineTool::StartInsertPointOnSegment(line, line->FirstPoint(),
                                                         LINEKIND_REINFORCEMENT, attributes));
    EXPECT_FALSE(Cpp_LineTool::IsActive());
    // The last point starts no segment.
    EXPECT_FALSE(Cpp_LineTool::StartInsertPointOnSegment(line, line->LastPoint(), LINEKIND_PROFILE,
                                                         attributes));
    const std::pair<int, int> modes[] = {{1, 112}, {2, 114}, {3, 115},
                                         {4, 117}, {6, 118}, {7, 119}};
    for (const auto& [kind, mode] : modes) {
        ASSERT_TRUE(
            Cpp_LineTool::StartInsertPointOnSegment(line, line->FirstPoint(), kind, attributes));
        EXPECT_EQ(GetCursorMode(), mode) << kind;
        Cpp_LineTool::EndEditRubberBand();
    }
    Cpp_LineTool::StartInsertPointOnSegment(line, line->FirstPoint(), LINEKIND_PROFILE, attributes);
    Move(150, 220);
    Escape();
    EXPECT_EQ(line->NumberOfPoints(), 3);
    EXPECT_TRUE(XorShown(host.overlay, kGreen).empty());
    EXPECT_EQ(GetCursorMode(), CursorModeNone);
}

// ---------------------------------------------------------------------------------------------
// Drag a point or a segment.

TEST_F(LinePointToolTest, ADraggedPointDropsWhereTheBandIsAndEscapeKeepsIt) {
    Cpp_Line* line = ProfileLine();
    Cpp_PointXY* middle = NthPoint(*line, 2);
    ASSERT_TRUE(Cpp_LineTool::StartDragPoint(line, LINEKIND_PROFILE, 200, 200, middle, attributes));
    EXPECT_EQ(GetCursorMode(), CursorModeDragProfilePoint);
    Move(220, 150);
    EXPECT_EQ(XorShown(host.overlay, kGrey),
              (std::map<Segment, int>{{S(100, 200, 220, 150), 1}, {S(220, 150, 300, 100), 1}}));
    Escape();
    EXPECT_EQ(PointsOf(*line), (Points{{100, 100}, {200, 100}, {300, 200}}));
    EXPECT_TRUE(XorShown(host.overlay, kGrey).empty());

    Cpp_LineTool::StartDragPoint(line, LINEKIND_PROFILE, 200, 200, middle, attributes);
    Move(220, 150);
    EXPECT_TRUE(Click(220, 150));
    EXPECT_EQ(PointsOf(*line), (Points{{100, 100}, {220, 150}, {300, 200}}));
    EXPECT_TRUE(XorShown(host.overlay, kGrey).empty());
    EXPECT_EQ(GetCursorMode(), CursorModeNone);
}

TEST_F(LinePointToolTest, DragPromptsByKindAndUnknownKindsAreRefused) {
    Cpp_Line* line = ProfileLine();
    const std::pair<int, const char*> cases[] = {
        {1, "Drag construction line point to new location and left-click; Escape to cancel."},
        {2, "Drag profile line point to new location and left-click; Escape to cancel."},
        {3, "Drag piezometric point to new location and left-click; Escape to cancel."},
        {4, "Drag slope point to new location and left-click; Escape to cancel."},
        {5, "Drag reinforcement point to new location and left-click; Escape to cancel."},
        {6, "Drag slip surface point to new location and left-click; Escape to cancel."},
        {7, "Drag tangent line point to new location and left-click; Escape to cancel."},
    };
    testsupport::FakePromptBar promptBar;
    platform::Services().SetPromptBar(&promptBar);
    for (const auto& [kind, text] : cases) {
        ASSERT_TRUE(
            Cpp_LineTool::StartDragPoint(line, kind, 100, 200, line->FirstPoint(), attributes));
        EXPECT_EQ(promptBar.text, text);
        EXPECT_EQ(GetCursorMode(), kind == 1 ? 89 : 90 + kind) << kind;
        Cpp_LineTool::CancelDragPoint();
    }
    EXPECT_FALSE(Cpp_LineTool::StartDragPoint(line, 8, 100, 200, line->FirstPoint(), attributes));
    EXPECT_FALSE(Cpp_LineTool::StartDragPoint(line, 0, 100, 200, line->FirstPoint(), attributes));
    EXPECT_EQ(GetCursorMode(), CursorModeNone);
    platform::Services().SetPromptBar(nullptr);
}

TEST_F(LinePointToolTest, ADraggedSlopePointMarksTheSlopeEntered) {
    Cpp_SlopeGeometry& geometry = Data().SlopeGeometry();
    Cpp_SlopeLine& slope = geometry.GetSlopeLine();
    slope.AddPoint(0, 100);
    slope.AddPoint(100, 100);
    slope.AddPoint(200, 200);
    geometry.SetEnteredFlag(false);
    Cpp_LineTool::StartDragPoint(&slope, LINEKIND_SLOPE, 100, 200, NthPoint(slope, 2),
                                 GetSlopeDisplayAttributes());
    Move(120, 180);
    bool redraw = false;
    EXPECT_TRUE(ViewLButtonDown(host, At(120, 180), redraw));
    EXPECT_TRUE(redraw);
    EXPECT_EQ(PointsOf(slope)[1], std::make_pair(120.0, 120.0));
    EXPECT_TRUE(geometry.IsEntered());
}

TEST_F(LinePointToolTest, ASlopePointAddedAtTheEndWithAClickOrTheBarCountsAsEntered) {
    ShowToolBar(BarSlope, true, 1);
    Cpp_SlopeGeometry& geometry = Data().SlopeGeometry();
    Cpp_SlopeLine& slope = geometry.GetSlopeLine();
    slope.AddPoint(0, 100);
    slope.AddPoint(100, 100);
    geometry.SetEnteredFlag(false);
    ASSERT_TRUE(Cpp_SlopeTool::StartAddPointAtEnd(slope.LastPoint()));
    EXPECT_EQ(GetCursorMode(), CursorModeAddPointSlopeLine);
    bool redraw = false;
    EXPECT_TRUE(ViewLButtonDown(host, At(200, 100), redraw));
    EXPECT_EQ(PointsOf(slope), (Points{{0, 100}, {100, 100}, {200, 200}}));
    EXPECT_TRUE(geometry.IsEntered());
    EXPECT_TRUE(redraw);
    // From the bar, before the first point.
    Cpp_SlopeTool::StartAddPointAtEnd(slope.FirstPoint());
    TheToolBars().slope.SetPoint(-50, 80);
    Enter();
    EXPECT_EQ(PointsOf(slope).front(), std::make_pair(-50.0, 80.0));
    EXPECT_EQ(GetCursorMode(), CursorModeNone);
}

TEST_F(LinePointToolTest, APiezometricPointDroppedWithEnterTakesTheBarsPoint) {
    ShowToolBar(BarPiezometric, true, 1);
    Cpp_PiezometricLine* line =
        Data().PiezometricLines(Cpp_Kliven4DataSet::CurrentStage())->CreateLine(1, 9.81, "w");
    line->AddPoint(0, 150);
    line->AddPoint(100, 150);
    Cpp_LineTool::StartDragPoint(line, LINEKIND_PIEZOMETRIC, 100, 150, line->LastPoint(),
                                 attributes);
    EXPECT_EQ(GetCursorMode(), CursorModeDragPiezometricPoint);
    Move(120, 140);
    TheToolBars().piezometric.SetPoint(90, 170);
    Enter();
    EXPECT_EQ(PointsOf(*line), (Points{{0, 150}, {90, 170}}));
    EXPECT_EQ(host.dataChanges, std::vector<int>{4});
    EXPECT_TRUE(XorShown(host.overlay, kGrey).empty());
}

TEST_F(LinePointToolTest, ADraggedSegmentPassesThroughTheGrabPointAndMovesWithTheCursor) {
    Cpp_Line* line = ProfileLine();
    // Grabbed 10 pixels above the middle of the first segment: both ends follow the grab
    // point, which the segment then passes through.
    ASSERT_TRUE(Cpp_LineTool::StartDragSegment(line, 150, 190, line->FirstPoint(), attributes));
    EXPECT_EQ(GetCursorMode(), CursorModeDragSegment);
    Move(170, 170);
    EXPECT_EQ(XorShown(host.overlay, kGrey),
              (std::map<Segment, int>{{S(120, 170, 220, 170), 1}, {S(220, 170, 300, 100), 1}}));
    Escape();
    EXPECT_EQ(PointsOf(*line), (Points{{100, 100}, {200, 100}, {300, 200}}));
    EXPECT_TRUE(XorShown(host.overlay, kGrey).empty());

    Cpp_LineTool::StartDragSegment(line, 150, 190, line->FirstPoint(), attributes);
    Move(170, 170);
    EXPECT_TRUE(Click(170, 170));
    EXPECT_EQ(PointsOf(*line), (Points{{120, 130}, {220, 130}, {300, 200}}));
    EXPECT_TRUE(XorShown(host.overlay, kGrey).empty());
    EXPECT_EQ(GetCursorMode(), CursorModeNone);
}

// ---------------------------------------------------------------------------------------------
// Delete and erase.

TEST_F(LinePointToolTest, DeletingTheMiddlePointDrawsTheJoiningSegmentAndKeepsTheNumbers) {
    Cpp_Line* line = ProfileLine();
    Cpp_LineTool::SetEditingAttributes(attributes);
    ASSERT_TRUE(Cpp_LineTool::DeletePoint(line, NthPoint(*line, 2)));
    EXPECT_EQ(PointsOf(*line), (Points{{100, 100}, {300, 200}}));
    EXPECT_EQ(NumbersOf(*line), (std::vector<int>{1, 3}));
    const auto colours = LastSegmentColours(host.overlay);
    EXPECT_EQ(colours.at(S(100, 200, 200, 200)), background);
    EXPECT_EQ(colours.at(S(200, 200, 300, 100)), background);
    EXPECT_EQ(colours.at(S(100, 200, 300, 100)), attributes.lineColour.RGBColor());
    Cpp_PointXY stranger(1, 1);
    EXPECT_FALSE(Cpp_LineTool::DeletePoint(line, &stranger));
}

TEST_F(LinePointToolTest, DeletingASegmentRemovesBothEndsAndTheProfileToolRemovesALoneLine) {
    Cpp_Line* line = ProfileLine();
    line->AddPoint(400, 200);
    Cpp_LineTool::SetEditingAttributes(attributes);
    ASSERT_TRUE(Cpp_LineTool::DeleteSegment(line, NthPoint(*line, 2)));
    EXPECT_EQ(PointsOf(*line), (Points{{100, 100}, {400, 200}}));
    EXPECT_EQ(LastSegmentColours(host.overlay).at(S(100, 200, 400, 100)),
              attributes.lineColour.RGBColor());
    // The last point of a segment starts none.
    EXPECT_FALSE(Cpp_LineTool::DeleteSegment(line, line->LastPoint()));

    // A profile line of one point goes whole.
    Cpp_ProfileLine* lone = Profiles().CreateLine(2, 1, "lone");
    lone->AddPoint(50, 50);
    EXPECT_TRUE(Cpp_ProfileTool::DeletePoint(lone, lone->FirstPoint()));
    EXPECT_EQ(Profiles().Count(), 1);
    EXPECT_TRUE(Cpp_ProfileTool::DeletePoint(line, line->FirstPoint()));
    EXPECT_EQ(PointsOf(*line), (Points{{400, 200}}));
}

TEST_F(LinePointToolTest, EraseInWindowDrawsTheLineInTheBackgroundAndFreesIt) {
    Cpp_Line* line = ProfileLine();
    Cpp_LineTool::SetEditingAttributes(attributes);
    ASSERT_TRUE(Cpp_LineTool::EraseInWindow(line));
    EXPECT_FALSE(line->HasPoints());
    const auto colours = LastSegmentColours(host.overlay);
    EXPECT_EQ(colours.at(S(100, 200, 200, 200)), background);
    EXPECT_EQ(colours.at(S(200, 200, 300, 100)), background);
}

}  // namespace
