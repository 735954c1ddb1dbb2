// The distributed-load tools driven by scripted mouse, key and wheel records through the view's
// input functions: the grey XOR outline of the diagram being entered, the points the stage keeps,
// its piezometric-line choice, the DIS block written afterwards, the point steps (add at an end,
// insert, drag) and the single-point edits.

#include "core/cursor_mode.h"
#include "core/string_table.h"
#include "editing/cursor_modes.h"
#include "editing/edit_modes.h"
#include "editing/tool_dialog_bars.h"
#include "editing/tool_table.h"
#include "editing/view_input_fixture.h"
#include "graphics/graphic_grid.h"
#include "graphics/graphics.h"
#include "graphics/prompts.h"
#include "loads/distributed_load_data.h"
#include "model/data_set.h"
#include "model/data_sets.h"
#include "support/fake_services.h"

#include <algorithm>
#include <cstdio>
#include <map>
#include <string>
#include <tuple>
#include <vector>

namespace {

using platform::DevicePoint;
using Outline = std::vector<std::pair<int, int>>;
using Values = std::tuple<double, double, double, double>;

constexpr platform::ColorRef kGrey = platform::MakeRgb(160, 160, 160);
constexpr platform::ColorRef kGreen = platform::MakeRgb(0, 255, 0);

// The XOR outlines of one pen left on the view: each drawn an odd number of times.
std::map<Outline, int> OutlinesShown(const platform::RecordingDeviceContext& dc,
                                     platform::ColorRef pen) {
    std::map<Outline, int> count;
    for (const platform::DcRecord& r : dc.Records()) {
        if (r.attributes.rop != platform::RasterOp::XorPen || r.attributes.pen.color != pen)
            continue;
        Outline outline;
        for (const DevicePoint& p : r.points) outline.emplace_back(p.x, p.y);
        count[outline] ^= 1;
    }
    std::erase_if(count, [](const auto& entry) { return entry.second == 0; });
    return count;
}

class DistributedLoadToolTest : public ViewInputTest {
protected:
    void SetUp() override {
        ViewInputTest::SetUp();
        host.editMode = EditModeDistributedLoads;
        Cpp_Kliven4DataSet::SetCurrentStage(1);
        ResetToolBars();
        ShowToolBar(BarDistributedLoad, true, 1);
        platform::Services().SetPromptBar(&promptBar);
        FillStringTable({{1317, "Left-click to enter distributed load point; Shift key to track "
                                "x-y; Wheel for normal stress; Ctrl-wheel for shear stress; "
                                "Shift-ctrl to use piezometric line."}});
        Cpp_DistributedLoadData::SetLargestValue(100.0);
        Cpp_DistributedLoadData::ComputeLoadScale(GetUnitSystem());
    }
    void TearDown() override {
        Loads().DeleteAllPoints();
        Loads().ClearPiezometricLine();
        platform::Services().SetPromptBar(nullptr);
    }

    static Cpp_DistributedLoadData& Loads() {
        return *Cpp_Kliven4Data::CurrentDataSet()->DistributedLoads(1);
    }
    static CmDialogBarDistributedLoad& Bar() { return TheToolBars().distributedLoad; }
    void SetStresses(double normal, double shear) {
        double x = 0, y = 0, n = 0, s = 0;
        Bar().GetLoadData(x, y, n, s);
        Bar().SetLoadData(x, y, normal, shear);
    }
    static std::vector<Values> Points() {
        std::vector<Values> values;
        for (const s_DistributedLoadPoint& p : Loads().GetPoints())
            values.emplace_back(p.x, p.y, p.normal, p.shear);
        return values;
    }
    void Wheel(int steps, bool control) {
        s_ViewInput in = At(200, 150, false, control);
        in.wheelSteps = steps;
        ViewMouseWheel(host, in);
    }
    static std::string WrittenDis() {
        std::FILE* file = std::tmpfile();
        Loads().WriteKLIVEN4InputDataFile(file);
        std::rewind(file);
        std::string text;
        for (int c; (c = std::fgetc(file)) != EOF;) text += static_cast<char>(c);
        std::fclose(file);
        return text;
    }

    testsupport::FakePromptBar promptBar;
};

TEST_F(DistributedLoadToolTest, ClicksAndARightClickReplaceTheStagesPointsAndTheDisBlockReadsBack) {
    Loads().AddPoint(5, 5, 1, 1);
    SetStresses(50, 10);
    Click(100, 200);  // world (100, 100)
    EXPECT_EQ(GetCursorMode(), CursorModeDistributedLoadEntry);
    EXPECT_EQ(promptBar.text, "Left-click to enter distributed load points; Right-click to finish; "
                              "Escape to abandon.");
    double x = 0, y = 0, normal = 0, shear = 0;
    ASSERT_TRUE(Bar().GetLoadData(x, y, normal, shear));
    EXPECT_EQ(std::pair(x, y), std::pair(100.0, 100.0));

    // The band is the outline of the normal-stress diagram to the cursor: the stresses of the
    // bar scaled to world lengths above the horizontal segment.
    Move(150, 200);
    const int up = Cpp_Graphics::YToPixel(100 + Cpp_DistributedLoadData::ScaleValue(50)) - 200;
    ASSERT_LT(up, 0);
    EXPECT_EQ(OutlinesShown(host.overlay, kGrey),
              (std::map<Outline, int>{
                  {{{100, 200}, {150, 200}, {150, 200 + up}, {100, 200 + up}, {100, 200}}, 1}}));
    EXPECT_EQ(host.toolTip, "X: 150.000000  Y: 100.000000\nNormal: 50.0\nShear: 10.0");
    Click(150, 200);
    SetStresses(80, 0);
    Move(220, 180);
    Click(220, 180);
    EXPECT_TRUE(Right(220, 180));
    EXPECT_EQ(GetCursorMode(), CursorModeNone);
    EXPECT_TRUE(OutlinesShown(host.overlay, kGrey).empty());
    EXPECT_EQ(Points(),
              (std::vector<Values>{{100, 100, 50, 10}, {150, 100, 50, 10}, {220, 120, 80, 0}}));
    EXPECT_FALSE(Loads().UsesPiezometricLine());

    const std::string text = WrittenDis();
    EXPECT_EQ(text, "DIStributed load data follow -\n"
                    "         100.000000     100.000000           50.0           10.0\n"
                    "         150.000000     100.000000           50.0           10.0\n"
                    "         220.000000     120.000000           80.0            0.0\n"
                    "\n");
    Cpp_DistributedLoadData back;
    std::FILE* file = std::tmpfile();
    std::fputs(text.substr(text.find('\n') + 1).c_str(), file);
    std::rewind(file);
    ASSERT_TRUE(back.ReadInput(file, nullptr, false));
    std::fclose(file);
    EXPECT_EQ(back.GetPoints().size(), 3u);
    EXPECT_EQ(back.GetPoints()[2].x, 220.0);
}

TEST_F(DistributedLoadToolTest, OnePointFinishedIsRefusedAndTheStageKeepsItsPoints) {
    Loads().AddPoint(5, 5, 1, 1);
    Loads().AddPoint(6, 5, 1, 1);
    Click(100, 200);
    Right(100, 200);
    ASSERT_EQ(fakes.messageBoxes.requests.size(), 1u);
    EXPECT_EQ(fakes.messageBoxes.requests[0].caption, "Error");
    EXPECT_EQ(fakes.messageBoxes.requests[0].text,
              "Less than two point were entered - input was ignored.");
    EXPECT_EQ(GetCursorMode(), CursorModeNone);
    EXPECT_EQ(Points(), (std::vector<Values>{{5, 5, 1, 1}, {6, 5, 1, 1}}));
}

TEST_F(DistributedLoadToolTest, TheSamePointAgainFinishesLikeTheRightButton) {
    SetStresses(20, 0);
    Click(100, 200);
    Click(150, 200);
    Click(150, 200);
    EXPECT_EQ(GetCursorMode(), CursorModeNone);
    EXPECT_EQ(Points(), (std::vector<Values>{{100, 100, 20, 0}, {150, 100, 20, 0}}));
}

// Escape used to leave the stage without its piezometric line, so that the loads generated from
// it silently became fixed points.
TEST_F(DistributedLoadToolTest, EscapeLeavesTheStageOnItsPiezometricLine) {
    fakes.messageBoxes.answers.push_back(platform::BoxResult::Yes);
    ASSERT_TRUE(Loads().SetPiezometricLine(2));
    Loads().AddPoint(0, 0, 10, 0);  // as generated
    Loads().AddPoint(10, 0, 10, 0);
    Click(100, 200);
    Click(150, 200);
    const int invalidated = host.invalidated;
    Key(ViewKeyEscape);
    EXPECT_EQ(GetCursorMode(), CursorModeNone);
    EXPECT_GT(host.invalidated, invalidated);
    EXPECT_TRUE(OutlinesShown(host.overlay, kGrey).empty());
    EXPECT_TRUE(Loads().UsesPiezometricLine());
    EXPECT_EQ(Loads().PiezometricLineNumber(), 2);
    EXPECT_EQ(Loads().Count(), 2);
}

TEST_F(DistributedLoadToolTest, TheWheelChangesTheBarsStressesOnlyWithWheelEditing) {
    SetStresses(50, 10);
    struct Case {
        bool entering, wheelEditing, control;
        int steps;
        double normal, shear;
    };
    const Case cases[] = {
        {true, true, true, 1, 50, 35},    // Ctrl: shear stress, by 25.0
        {true, true, false, -1, 25, 10},  // normal stress down
        {false, true, false, 1, 75, 10},  // no entry: the bar's value
        {false, true, true, -1, 50, -15},
        {true, false, true, 1, 50, 10},  // wheel editing off: nothing
    };
    for (const Case& c : cases) {
        SetStresses(50, 10);
        host.wheelEditing = c.wheelEditing;
        if (c.entering) {
            Click(100, 200);
            Move(150, 200);
        }
        Wheel(c.steps, c.control);
        double x = 0, y = 0, normal = 0, shear = 0;
        ASSERT_TRUE(Bar().GetLoadData(x, y, normal, shear));
        EXPECT_EQ(std::pair(normal, shear), std::pair(c.normal, c.shear))
            << c.entering << c.control << c.steps;
        if (c.entering) Key(ViewKeyEscape);
    }
}

TEST_F(DistributedLoadToolTest, AStartWithThePiezometricLineTickedSwitchesTheStage) {
    Loads().AddPoint(5, 5, 1, 1);
    Bar().SetPiezometricLineOption(true, 3);
    fakes.messageBoxes.answers.push_back(platform::BoxResult::Yes);
    EXPECT_TRUE(Click(100, 200));
    EXPECT_EQ(GetCursorMode(), CursorModeNone);
    EXPECT_TRUE(Loads().UsesPiezometricLine());
    EXPECT_EQ(Loads().PiezometricLineNumber(), 3);
    EXPECT_EQ(Loads().Count(), 0);
}

TEST_F(DistributedLoadToolTest, APointInsertedIntoTheFirstSegmentIsWrittenSecond) {
    Loads().AddPoint(100, 100, 10, 0);
    Loads().AddPoint(200, 100, 30, 0);
    Loads().AddPoint(300, 150, 30, 0);
    ASSERT_TRUE(Loads().StartInsertPoint(Loads().GetFirstListItem()));
    EXPECT_EQ(GetCursorMode(), CursorModeInsertDistributedLoadPoint);
    EXPECT_EQ(promptBar.text, "Locate new point - left-click to finish; Escape to cancel.");
    SetStresses(20, 5);
    Move(150, 200);
    // Two green bands, from the first point to the cursor and on to the second point.
    EXPECT_EQ(OutlinesShown(host.overlay, kGreen).size(), 2u);
    EXPECT_TRUE(Click(150, 200));
    EXPECT_EQ(GetCursorMode(), CursorModeNone);
    EXPECT_TRUE(OutlinesShown(host.overlay, kGreen).empty());
    EXPECT_EQ(WrittenDis(), "DIStributed load data follow -\n"
                            "         100.000000     100.000000           10.0            0.0\n"
                            "         150.000000     100.000000           20.0            5.0\n"
                            "         200.000000     100.000000           30.0            0.0\n"
                            "         300.000000     150.000000           30.0            0.0\n"
                            "\n");
}

// A repaint during the insert puts the last cursor point on the snap grid, unless Alt is held.
TEST_F(DistributedLoadToolTest, AltHeldKeepsTheInsertedPointOffTheSnapGridInARepaint) {
    s_GridSettingsType grid = Cpp_GraphicGrid::CurrentSettings();
    grid.spacing = 10.0;
    grid.snap = false;
    ASSERT_TRUE(Cpp_GraphicGrid::ApplySettings(grid));
    Loads().AddPoint(100, 100, 10, 0);
    Loads().AddPoint(200, 100, 30, 0);
    ASSERT_TRUE(Loads().StartInsertPoint(Loads().GetFirstListItem()));
    Move(153, 203);                 // world (153, 97); on the grid (150, 100)
    Cpp_GraphicGrid::ToggleSnap();  // on for the repaint
    for (const bool alt : {false, true}) {
        fakes.keyboard.alt = alt;
        platform::RecordingDeviceContext dc;
        Cpp_DistributedLoadData::DrawToolFeedbackC(dc);
        const std::pair<int, int> cursor = alt ? std::pair{153, 203} : std::pair{150, 200};
        int through = 0;
        for (const auto& [outline, shown] : OutlinesShown(dc, kGreen))
            through += std::count(outline.begin(), outline.end(), cursor) > 0;
        EXPECT_EQ(through, 2) << "Alt " << alt;
    }
    Key(ViewKeyEscape);
    Cpp_GraphicGrid::Reset();
}

TEST_F(DistributedLoadToolTest, EscapeWhileInsertingLeavesTheSegment) {
    Loads().AddPoint(100, 100, 10, 0);
    Loads().AddPoint(200, 100, 30, 0);
    ASSERT_TRUE(Loads().StartInsertPoint(Loads().GetFirstListItem()));
    Move(150, 200);
    EXPECT_FALSE(host.toolTip.empty());  // the values at the cursor
    Key(ViewKeyEscape);
    EXPECT_EQ(host.toolTip, "");  // gone with the step, before the mouse moves again
    EXPECT_EQ(GetCursorMode(), CursorModeNone);
    EXPECT_TRUE(OutlinesShown(host.overlay, kGreen).empty());
    EXPECT_EQ(Loads().Count(), 2);
    // The last point has no segment to insert into.
    EXPECT_FALSE(Loads().StartInsertPoint(Loads().GetFirstListItem()->NextPoint()));
}

TEST_F(DistributedLoadToolTest, APointAddedAtAnEndTakesTheBarsStressesWithoutSnapping) {
    Loads().AddPoint(100, 100, 10, 0);
    Loads().AddPoint(200, 100, 30, 0);
    SetStresses(40, 2);
    struct Case {
        bool first;
        std::vector<Values> expected;
    };
    const Case cases[] = {
        {true, {{50, 120, 40, 2}, {100, 100, 10, 0}, {200, 100, 30, 0}}},
        {false, {{50, 120, 40, 2}, {100, 100, 10, 0}, {200, 100, 30, 0}, {50, 120, 40, 2}}},
    };
    for (const Case& c : cases) {
        Cpp_DistributedLoadPoint* end = Loads().GetFirstListItem();
        while (!c.first && end->NextPoint()) end = end->NextPoint();
        ASSERT_TRUE(Loads().StartAddPointAtEnd(end));
        EXPECT_EQ(GetCursorMode(), CursorModeAddPointDistributedLoad);
        Move(50, 180);
        EXPECT_EQ(OutlinesShown(host.overlay, kGreen).size(), 1u);
        EXPECT_TRUE(Click(50, 180));
        EXPECT_EQ(GetCursorMode(), CursorModeNone);
        EXPECT_TRUE(OutlinesShown(host.overlay, kGreen).empty());
        EXPECT_EQ(Points(), c.expected);
    }
    // A point inside the list is not an end.
    EXPECT_FALSE(Loads().StartAddPointAtEnd(Loads().GetFirstListItem()->NextPoint()));
}

TEST_F(DistributedLoadToolTest, ADragMovesThePointWithItsStressesAndEscapeKeepsIt) {
    Loads().AddPoint(100, 100, 10, 0);
    Loads().AddPoint(200, 100, 30, 0);
    Cpp_DistributedLoadPoint* second = Loads().GetFirstListItem()->NextPoint();
    ASSERT_TRUE(Loads().StartDragPoint(300, 200, second));
    EXPECT_EQ(GetCursorMode(), CursorModeChangeDistributedLoadPoint);
    Move(250, 150);
    EXPECT_EQ(OutlinesShown(host.overlay, kGrey).size(), 1u);  // no point after it
    Key(ViewKeyEscape);
    EXPECT_EQ(GetCursorMode(), CursorModeNone);
    EXPECT_EQ(Points(), (std::vector<Values>{{100, 100, 10, 0}, {200, 100, 30, 0}}));

    ASSERT_TRUE(Loads().StartDragPoint(300, 200, second));
    Move(250, 150);
    Click(250, 150);
    EXPECT_EQ(GetCursorMode(), CursorModeNone);
    EXPECT_TRUE(OutlinesShown(host.overlay, kGrey).empty());
    EXPECT_EQ(Points(), (std::vector<Values>{{100, 100, 10, 0}, {250, 150, 30, 0}}));
}

TEST_F(DistributedLoadToolTest, DeletingLeavesAtLeastOnePoint) {
    Loads().AddPoint(100, 100, 10, 0);
    Loads().AddPoint(200, 100, 30, 0);
    Loads().AddPoint(300, 100, 50, 0);
    EXPECT_TRUE(Loads().DeletePoint(Loads().GetFirstListItem()->NextPoint()));
    EXPECT_EQ(Points(), (std::vector<Values>{{100, 100, 10, 0}, {300, 100, 50, 0}}));
    EXPECT_TRUE(Loads().DeletePoint(Loads().GetFirstListItem()));
    EXPECT_EQ(Points(), (std::vector<Values>{{300, 100, 50, 0}}));
    EXPECT_FALSE(Loads().DeletePoint(Loads().GetFirstListItem()));
    EXPECT_EQ(Loads().Count(), 1);
    Cpp_DistributedLoadPoint stranger(1, 1, 1, 1);
    Loads().AddPoint(400, 100, 0, 0);
    EXPECT_FALSE(Loads().DeletePoint(&stranger));
    EXPECT_EQ(Loads().Count(), 2);
}

// The switch of a selected point's stage to a piezometric line used to delete the points and set
// the flag before the bar's number was checked, leaving line 0, which no reader accepts.
TEST_F(DistributedLoadToolTest, TheBarAppliedToASelectedPointChecksTheLineNumberFirst) {
    Loads().AddPoint(100, 100, 10, 0);
    Loads().AddPoint(200, 100, 30, 0);
    Cpp_DistributedLoadPoint* selected = Loads().GetFirstListItem();
    Bar().SetPiezometricLineOption(true, 0);
    fakes.messageBoxes.answers.push_back(platform::BoxResult::Yes);
    EXPECT_FALSE(Loads().ApplyBarToSelectedPoint(selected, false));
    EXPECT_EQ(fakes.messageBoxes.Texts(),
              (std::vector<std::string>{
                  "Using piezometric line to compute distributed loads will delete all existing "
                  "data for distributed load points.  Do you want to delete existing points?",
                  "Not a valid piezometric line number (= 0) for computing distributed loads."}));
    EXPECT_EQ(selected, Loads().GetFirstListItem());
    EXPECT_EQ(Loads().Count(), 2);
    EXPECT_FALSE(Loads().UsesPiezometricLine());

    Bar().SetPiezometricLineOption(true, 4);
    fakes.messageBoxes.answers.push_back(platform::BoxResult::Yes);
    EXPECT_TRUE(Loads().ApplyBarToSelectedPoint(selected, false));
    EXPECT_EQ(selected, nullptr);
    EXPECT_EQ(Loads().Count(), 0);
    EXPECT_TRUE(Loads().UsesPiezometricLine());
    EXPECT_EQ(Loads().PiezometricLineNumber(), 4);
}

TEST_F(DistributedLoadToolTest, TheBarAppliedToASelectedPointReplacesItsValues) {
    Loads().AddPoint(100, 100, 10, 0);
    Loads().AddPoint(200, 100, 30, 0);
    Cpp_DistributedLoadPoint* selected = Loads().GetFirstListItem();
    Bar().SetLoadData(120, 110, 15, 3);
    EXPECT_TRUE(Loads().ApplyBarToSelectedPoint(selected, false));
    EXPECT_EQ(Points(), (std::vector<Values>{{120, 110, 15, 3}, {200, 100, 30, 0}}));
}

TEST_F(DistributedLoadToolTest, ARepaintAfterAZoomWindowRestoresTheEntry) {
    SetStresses(50, 0);
    Click(100, 200);
    Click(150, 200);
    Move(200, 200);
    StartZoomWindow(200, 200);
    EXPECT_EQ(GetCursorMode(), CursorModeZoomWindow);
    Key(ViewKeyEscape);  // the zoom given up
    platform::RecordingDeviceContext dc;
    Cpp_DistributedLoadData::RepaintEnteredPoints(dc);
    EXPECT_EQ(GetCursorMode(), CursorModeDistributedLoadEntry);
    Right(200, 200);
    EXPECT_EQ(Points(), (std::vector<Values>{{100, 100, 50, 0}, {150, 100, 50, 0}}));
}

// The tools reset (a document opened, the stage changed) while a load is entered and while a
// point is inserted: the step is dropped with its bands, the stage keeps its points, and no
// repaint draws the old step again.
TEST_F(DistributedLoadToolTest, ResettingTheToolsDropsAnEntryOrAPointStep) {
    ToolContext context(&host);
    Loads().AddPoint(100, 100, 10, 0);
    Loads().AddPoint(200, 100, 30, 0);
    const std::vector<Values> before = Points();
    Click(50, 250);
    Click(120, 250);
    ASSERT_TRUE(Cpp_DistributedLoadData::IsEnteringPoints());
    ResetTools(context);
    EXPECT_FALSE(Cpp_DistributedLoadData::IsEnteringPoints());
    EXPECT_EQ(GetCursorMode(), CursorModeNone);
    EXPECT_EQ(Points(), before);

    ASSERT_TRUE(Loads().StartInsertPoint(Loads().GetFirstListItem()));
    Move(150, 200);
    ResetTools(context);
    EXPECT_EQ(GetCursorMode(), CursorModeNone);
    platform::RecordingDeviceContext dc;
    Cpp_DistributedLoadData::DrawToolFeedbackC(dc);
    EXPECT_TRUE(dc.Records().empty());
    EXPECT_EQ(Points(), before);
}

}  // namespace
