// The nail and geogrid tools: where a head goes on the slope face, the end from the bar or the
// second click, the messages where a level meets the face wrongly, drops of drags, re-entry
// from the bar, the snap options, and the placing steps through the view input.

#include "core/cursor_mode.h"
#include "core/tool_option_dialogs.h"
#include "editing/cursor_modes.h"
#include "editing/edit_modes.h"
#include "editing/nail_geogrid_tools.h"
#include "editing/tool_dialog_bars.h"
#include "editing/tool_table.h"
#include "editing/view_input_fixture.h"
#include "loads/generation_dialogs.h"
#include "loads/geogrid_data.h"
#include "loads/nail_data.h"
#include "model/data_set.h"
#include "model/data_sets.h"
#include "profile/slope_geometry.h"

#include <cmath>
#include <string>
#include <vector>

namespace {

struct ChooseSecond : Cpp_ReinforcementGenerationDialogs {
    std::vector<double> offered;
    bool EditNailGenerationUnits(int&, int&) override { return false; }
    bool EditGeogridGenerationOptions(s_GeogridGenerationOptions&) override { return false; }
    bool ChooseXValue(const std::vector<double>& values, int& index) override {
        offered = values;
        index = 1;
        return true;
    }
};

struct SnapOff : ToolOptionDialogs {
    int seen = -1;
    bool Nail(s_NailToolOptions& options) override {
        seen = options.snap;
        options.snap = 0;
        return true;
    }
};

// Slope points in a view of one pixel a unit (pixel y = 300 - world y).
class NailGeogridToolsTest : public ViewInputTest {
protected:
    void SetSlope(std::initializer_list<s_tagTypePointXY> points) {
        ds = Cpp_Kliven4Data::CurrentDataSet();
        for (const s_tagTypePointXY& p : points)
            ds->SlopeGeometry().GetSlopeLine().AddPoint(p.x, p.y);
    }
    void TearDown() override {
        ReinforcementGenerationDialogsSlot().Reset();
        ToolOptionDialogsSlot().Reset();
    }
    // What the user types into the shown bar.
    static void TypeNailBar(const char* y, const char* length, const char* inclination, bool left) {
        BarControls& c = TheToolBars().nails.Controls();
        c.SetText(CmDialogBarNailsTool::IdY, y);
        c.SetText(CmDialogBarNailsTool::IdLength, length);
        c.SetText(CmDialogBarNailsTool::IdInclination, inclination);
        c.SetIndex(CmDialogBarNailsTool::IdLeft, left ? 1 : 0);
        c.SetIndex(CmDialogBarNailsTool::IdRight, left ? 0 : 1);
    }
    void Enter() {
        bool redraw = false;
        EnterKey(host, redraw);
    }
    const Cpp_IndividualNailList& Nails() { return ds->SoilNails()->GetIndividualNailList(); }

    Cpp_Kliven4DataSet* ds = nullptr;
};

TEST_F(NailGeogridToolsTest, HeadsGoIntoTheSoilAndEndsFollowTheClickOrTheBar) {
    const double step = FaceStep();
    ASSERT_EQ(step, 1e-6);  // six coordinate decimals
    const struct {
        const char* name;
        s_tagTypePointXY head, click;
        double headX, endX, endY, length, inclination;
        int facing;
    } nails[] = {
        // A left-facing slope: the soil lies to the right of the face.
        {"to the right",
         {10, 20},
         {13, 16},
         10 + step,
         13,
         16,
         std::hypot(3 - step, 4),
         std::atan2(4, 3 - step) * 180 / M_PI,
         0},
        // A right-facing slope: the head goes left, into the soil.
        {"to the left", {10, 20}, {7, 20}, 10 - step, 7, 20, 3 - step, 0, 1},
    };
    for (const auto& c : nails) {
        SCOPED_TRACE(c.name);
        Cpp_IndividualNail nail;
        s_NailBarValues bar;
        bar.type = 2;
        bar.spacing = 1.5;
        ASSERT_TRUE(PlaceNailByClick(c.head, c.click, bar, nail));
        EXPECT_DOUBLE_EQ(nail.headX, c.headX);
        EXPECT_DOUBLE_EQ(nail.headY, c.head.y);
        EXPECT_DOUBLE_EQ(nail.endX, c.endX);
        EXPECT_DOUBLE_EQ(nail.endY, c.endY);
        EXPECT_NEAR(nail.length, c.length, 1e-12);
        EXPECT_NEAR(nail.inclination, c.inclination, 1e-9);
        EXPECT_EQ(nail.facing, c.facing);
        EXPECT_EQ(nail.nailType, 2);
        EXPECT_EQ(nail.horizontalSpacing, 1.5);
    }
    Cpp_IndividualNail unchanged;
    EXPECT_FALSE(PlaceNailByClick({10, 20}, {10, 5}, {}, unchanged));
    EXPECT_EQ(unchanged.length, 0.0);

    // From the bar: 30 degrees, length 10, right facing.
    Cpp_IndividualNail nail;
    s_NailBarValues bar{20, 10, 30, 1, false, 2};
    PlaceNailFromBar({10, 20}, bar, nail);
    EXPECT_DOUBLE_EQ(nail.headX, 10 - step);
    EXPECT_NEAR(nail.endX, 10 - step - 10 * std::cos(M_PI / 6), 1e-12);
    EXPECT_NEAR(nail.endY, 20 - 5, 1e-12);
    EXPECT_EQ(nail.facing, 1);

    // Geogrids: level, facing codes 1 and 2, the length the level distance.
    Cpp_Geogrid grid;
    ASSERT_TRUE(PlaceGeogridByClick({10, 5}, {4, 9}, {5, 0, 3, true}, grid));
    EXPECT_EQ(grid.facing, 2);
    EXPECT_DOUBLE_EQ(grid.headX, 10 - step);
    EXPECT_DOUBLE_EQ(grid.endX, 4);
    EXPECT_DOUBLE_EQ(grid.length, 6 - step);
    EXPECT_EQ(grid.geogridType, 3);
    PlaceGeogridFromBar({10, 5}, {5, 6, 0, true}, grid);
    EXPECT_EQ(grid.facing, 1);
    EXPECT_DOUBLE_EQ(grid.endX, 16 + step);
}

// A zigzag face met three times at y = 7: x 7 (rising), 13 (falling) and 17 (rising).
TEST_F(NailGeogridToolsTest, LevelsMeetingTheFaceSeveralTimes) {
    Cpp_Line slope;
    for (auto [x, y] : {std::pair{0.0, 0.0}, {10.0, 10.0}, {15.0, 5.0}, {25.0, 15.0}})
        slope.AddPoint(x, y);
    double x = 0;
    EXPECT_FALSE(NailFaceIntersection(slope, 7, true, x));
    ASSERT_TRUE(NailFaceIntersection(slope, 7, false, x));
    EXPECT_DOUBLE_EQ(x, 13);
    EXPECT_FALSE(NailFaceIntersection(slope, 40, true, x));
    ASSERT_EQ(fakes.messageBoxes.requests.size(), 2u);
    EXPECT_EQ(fakes.messageBoxes.requests[0].caption, "ERROR");
    EXPECT_EQ(fakes.messageBoxes.requests[0].text,
              "Nail intersects the slope multiple times - unable to generate reinforcement "
              "lines.  Nail intersects at the following x values:   7.00  13.00  17.00");
    EXPECT_EQ(fakes.messageBoxes.requests[1].text,
              "Unable to find intersection of nail head with slope.");

    // The geogrid tool asks which x; the stand-in's Cancel places nothing.
    EXPECT_FALSE(GeogridFaceIntersection(slope, 7, x));
    ChooseSecond choose;
    ReinforcementGenerationDialogsSlot().Set(&choose);
    ASSERT_TRUE(GeogridFaceIntersection(slope, 7, x));
    EXPECT_EQ(choose.offered, (std::vector<double>{7, 13, 17}));
    EXPECT_DOUBLE_EQ(x, 13);
}

// Drops: a nail's end keeps its stored length and inclination, a geogrid's end changes its
// length; a whole item keeps its vector with the head snapped to the slope.
TEST_F(NailGeogridToolsTest, DropsOfADrag) {
    SetSlope({{0, 0}, {10, 10}, {30, 10}});
    const Cpp_SlopeGeometry& slope = ds->SlopeGeometry();
    Cpp_IndividualNail nail;
    SetNailFromHead(nail, 5, 5, 10, 0, 0);
    ASSERT_TRUE(DropNail(nail, 1, {12, 1}, slope, 3));
    EXPECT_EQ(nail.endX, 12);
    EXPECT_EQ(nail.endY, 1);
    EXPECT_EQ(nail.length, 10);
    EXPECT_EQ(nail.inclination, 0);
    // The head dropped at (3, 5) snaps horizontally to (5, 5).
    ASSERT_TRUE(DropNail(nail, 0, {3, 5}, slope, 1));
    EXPECT_DOUBLE_EQ(nail.headX, 5);

    Cpp_Geogrid grid;
    SetGeogridFromHead(grid, 5, 5, 10, 1);
    ASSERT_TRUE(DropGeogrid(grid, 1, {20, 9}, slope, 3));
    EXPECT_EQ(grid.endX, 20);
    EXPECT_EQ(grid.headY, 5);
    EXPECT_EQ(grid.length, 15);
    // The whole grid with its midpoint at (14, 7): the head at (6.5, 7) snaps to (7, 7).
    ASSERT_TRUE(DropGeogrid(grid, 2, {14, 7}, slope, 1));
    EXPECT_DOUBLE_EQ(grid.headX, 7);
    EXPECT_DOUBLE_EQ(grid.headY, 7);
    EXPECT_DOUBLE_EQ(grid.endX, 22);
    EXPECT_DOUBLE_EQ(grid.length, 15);
}

// Re-entry: the nail takes the bar's type even with its geometry unchanged; a new Y puts the head
// on the slope; a level that misses the slope changes nothing.
TEST_F(NailGeogridToolsTest, ReEntryFromTheBar) {
    SetSlope({{0, 0}, {10, 10}, {30, 10}});
    const Cpp_SlopeGeometry& slope = ds->SlopeGeometry();
    Cpp_IndividualNail nail;
    SetNailFromHead(nail, 5, 5, 10, 0, 0);
    s_NailBarValues bar{5, 10, 0, 3, true, 2.5};
    ASSERT_TRUE(AssignNailFromBar(nail, bar, slope));
    EXPECT_EQ(nail.nailType, 3);
    EXPECT_EQ(nail.horizontalSpacing, 2.5);
    EXPECT_EQ(nail.endX, 15);
    bar.y = 8;
    bar.inclination = 90;
    ASSERT_TRUE(AssignNailFromBar(nail, bar, slope));
    EXPECT_DOUBLE_EQ(nail.headX, 8);
    EXPECT_DOUBLE_EQ(nail.headY, 8);
    EXPECT_NEAR(nail.endX, 8, 1e-12);
    EXPECT_DOUBLE_EQ(nail.endY, -2);
    bar.y = 50;
    EXPECT_FALSE(AssignNailFromBar(nail, bar, slope));
    EXPECT_DOUBLE_EQ(nail.headY, 8);

    Cpp_Geogrid grid;
    SetGeogridFromHead(grid, 5, 5, 10, 1);
    grid.geogridType = 0;
    ASSERT_TRUE(AssignGeogridFromBar(grid, {5, 4, 2, false}, slope));
    EXPECT_EQ(grid.facing, 2);
    EXPECT_EQ(grid.endX, 1);
    EXPECT_EQ(grid.geogridType, 0);  // the type is not taken
}

// The nail tool in the view: Options sets the snap, the first click puts the head on the face,
// the band follows the mouse with length and inclination in the bar, the second click adds the
// nail; Escape abandons a step; Enter before a click places at the bar's Y.
TEST_F(NailGeogridToolsTest, NailToolThroughTheView) {
    SetSlope({{0, 0}, {100, 100}, {300, 100}});
    SnapOff options;
    ToolOptionDialogsSlot().Set(&options);
    EXPECT_EQ(NailSnapOption(), 3);
    TheToolBars().nails.OnControl(CmDialogBarNailsTool::IdOptions);
    EXPECT_EQ(options.seen, 3);
    EXPECT_EQ(NailSnapOption(), 0);
    EXPECT_EQ(GeogridSnapOption(), 3);
    ToolOptionDialogsSlot().Reset();

    host.editMode = EditModeNails;
    ShowToolBar(BarNails, true, 1);
    Click(50, 250);  // (50, 50) on the face
    Release(50, 250);
    EXPECT_EQ(GetCursorMode(), CursorModeNailPlacement);
    Move(80, 260);  // (80, 40): 30 across, 10 down
    double y = 0, length = 0, inclination = 0, spacing = 0;
    int type = 0;
    bool left = false;
    ASSERT_TRUE(TheToolBars().nails.GetNailData(y, length, inclination, type, left, spacing));
    EXPECT_EQ(y, 50);
    EXPECT_NEAR(length, std::hypot(30, 10), 1e-6);
    EXPECT_FALSE(host.touchedRects.empty());  // the band was drawn
    EXPECT_TRUE(Click(80, 260));
    ASSERT_EQ(Nails().Count(), 1);
    EXPECT_EQ(Nails().Nails()[0]->facing, 0);
    EXPECT_DOUBLE_EQ(Nails().Nails()[0]->endX, 80);
    EXPECT_EQ(GetCursorMode(), CursorModeNone);
    Release(80, 260);

    Click(20, 280);
    Key(ViewKeyEscape);
    EXPECT_EQ(GetCursorMode(), CursorModeNone);
    EXPECT_EQ(Nails().Count(), 1);

    // Enter with Y 60, length 20 at 0 degrees, left facing: the head just right of x 60.
    TypeNailBar("60", "20", "0", true);
    Enter();
    ASSERT_EQ(Nails().Count(), 2);
    const Cpp_IndividualNail& placed = *Nails().Nails()[1];
    EXPECT_DOUBLE_EQ(placed.headX, 60 + FaceStep());
    EXPECT_DOUBLE_EQ(placed.endX, 80 + FaceStep());
    EXPECT_DOUBLE_EQ(placed.headY, 60);
}

// The geogrid tool: Enter after the first click takes length and facing from the bar; the
// head goes one face step into the soil; the grid shows in its bar and the document changes.
TEST_F(NailGeogridToolsTest, GeogridToolEnterAfterTheFirstClick) {
    SetSlope({{0, 0}, {100, 100}, {300, 100}});
    host.editMode = EditModeGeogrids;
    ShowToolBar(BarGeogrids, true, 1);
    BarControls& c = TheToolBars().geogrids.Controls();
    c.SetText(CmDialogBarGeogridsTool::IdLength, "25");
    c.SetIndex(CmDialogBarGeogridsTool::IdLeft, 1);
    c.SetIndex(CmDialogBarGeogridsTool::IdRight, 0);
    Click(38, 260);  // (38, 40): snapped perpendicularly onto the face at (39, 39)
    Release(38, 260);
    ASSERT_EQ(GetCursorMode(), CursorModeGeogridPlacement);
    bool redraw = false;
    ASSERT_TRUE(EnterKey(host, redraw));
    EXPECT_TRUE(redraw);
    EXPECT_EQ(GetCursorMode(), CursorModeNone);
    const auto& grids = ds->Geogrids()->GetIndividualGeogridList().Geogrids();
    ASSERT_EQ(grids.size(), 1u);
    EXPECT_NEAR(grids[0]->headX, 39 + FaceStep(), 1e-9);
    EXPECT_NEAR(grids[0]->headY, 39, 1e-9);
    EXPECT_NEAR(grids[0]->endX, 64 + FaceStep(), 1e-9);
    EXPECT_EQ(grids[0]->facing, 1);
    EXPECT_EQ(TheToolBars().geogrids.LastGeogrid(), grids[0].get());
}

// The tools reset (a document opened, the stage changed) during a nail placing step and during
// a drag of a geogrid: the step is dropped with its band, nothing is added or moved, and the next
// click starts a new placing step whose band is drawn once (not erased as an old one).
TEST_F(NailGeogridToolsTest, ResettingTheToolsDropsAPlacingStepOrADrag) {
    SetSlope({{0, 0}, {100, 100}, {300, 100}});
    ToolContext context(&host);
    host.editMode = EditModeNails;
    ShowToolBar(BarNails, true, 1);
    Click(50, 250);
    Release(50, 250);
    Move(80, 260);
    ASSERT_EQ(GetCursorMode(), CursorModeNailPlacement);
    s_tagTypePointXY head, end;
    ASSERT_TRUE(PlacementBand(head, end));
    ResetTools(context);
    EXPECT_EQ(GetCursorMode(), CursorModeNone);
    EXPECT_FALSE(PlacementBand(head, end));
    EXPECT_EQ(Nails().Count(), 0);

    Click(50, 250);
    Release(50, 250);
    host.touchedRects.clear();
    Move(80, 260);
    EXPECT_EQ(host.touchedRects.size(), 1u);  // the new band only
    Key(ViewKeyEscape);

    Cpp_Geogrid grid;
    grid.headX = 40;
    grid.headY = 40;
    grid.endX = 60;
    ASSERT_TRUE(StartGeogridDrag(&grid, 2));
    Move(120, 200);
    ASSERT_TRUE(DragBand(head, end));
    ResetTools(context);
    EXPECT_EQ(GetCursorMode(), CursorModeNone);
    EXPECT_FALSE(DragBand(head, end));
    EXPECT_EQ(grid.headX, 40);
    EXPECT_EQ(grid.endX, 60);
}

}  // namespace
