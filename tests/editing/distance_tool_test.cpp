// The distance tool in the view: the points and segments that selection items stand for, the
// click of cursor mode 80 that picks the second item, the move handed to the selection mover,
// Escape, and the pressures at the first selected item.

#include "core/cursor_mode.h"
#include "core/string_table.h"
#include "editing/cursor_modes.h"
#include "editing/point_distances.h"
#include "editing/selection.h"
#include "editing/selection_list.h"
#include "editing/selection_moves.h"
#include "editing/view_input_fixture.h"
#include "loads/line_load.h"
#include "model/data_set.h"
#include "model/data_sets.h"
#include "profile/material_properties.h"
#include "profile/profile_line.h"

#include <cmath>
#include <functional>
#include <string>
#include <vector>

namespace {

void ExpectPoint(const s_tagTypePointXY& actual, const s_tagTypePointXY& expected) {
    EXPECT_DOUBLE_EQ(actual.x, expected.x);
    EXPECT_DOUBLE_EQ(actual.y, expected.y);
}

struct TypedDistanceDialogs : Cpp_DistanceDialogs {
    std::function<void(s_PointsDistanceValues&)> typePoints = [](auto&) {};
    std::function<void(s_PointLineDistanceValues&)> typeLine = [](auto&) {};
    int runs = 0;
    bool RunBetweenPoints(s_PointsDistanceValues& v) override {
        ++runs;
        typePoints(v);
        return true;
    }
    bool RunPointAndLine(s_PointLineDistanceValues& v) override {
        ++runs;
        typeLine(v);
        return true;
    }
};

struct RecordingMover : Cpp_SelectionMover {
    struct s_Move {
        std::string item;
        double x, y;
        bool keepMarked;
    };
    std::vector<s_Move> moves;
    bool MoveToXY(const Cpp_Selection& item, double x, double y, bool keepMarked) override {
        std::string name = "?";
        item.GetName(name);
        moves.push_back({name, x, y, keepMarked});
        return true;
    }
};

// Profile line 1 from (100, 100) to (200, 100), line 2 from (300, 100) up to (300, 200), in a
// view of one pixel a unit (pixel y = 300 - world y).
class DistanceToolTest : public ViewInputTest {
protected:
    void SetUp() override {
        ViewInputTest::SetUp();
        FillStringTable({{1305, "Choose point or line to compute distance to or from"},
                         {1306, "Select another point or line"},
                         {1308, "Select item to modify, etc."},
                         {1309, "Right-click for edit options"}});
        ds = Cpp_Kliven4Data::CurrentDataSet();
        line1 = ds->ProfileLines().CreateLine(1, 1, "");
        line1->AddPoint(100, 100);
        line1->AddPoint(200, 100);
        line2 = ds->ProfileLines().CreateLine(2, 2, "");
        line2->AddPoint(300, 100);
        line2->AddPoint(300, 200);
        for (const auto& line : ds->ProfileLines().Lines()) line->NumberPoints();
        DistanceDialogsSlot().Set(&dialogs);
    }
    void TearDown() override {
        DistanceDialogsSlot().Reset();
        SelectionMoverSlot().Reset();
    }
    // Selects the first point of line 1 (a click there also offers the segment).
    void SelectFirstPoint() {
        host.chosen = 40001;
        Click(100, 200);
        Release(100, 200);
        ASSERT_EQ(GetCurrentSelection().Count(), 1);
        ASSERT_EQ(GetCurrentSelection().GetNth(1)->GetType(), SEL_PROFILE_POINT);
    }
    // The tool's click at the world point (the first candidate when there are several).
    bool PickAt(int x, int y) {
        bool redraw = false;
        const bool modified = ViewLButtonDown(host, At(x, 300 - y), redraw);
        ViewLButtonUp(host, At(x, 300 - y));
        return modified;
    }

    Cpp_Kliven4DataSet* ds = nullptr;
    Cpp_ProfileLine* line1 = nullptr;
    Cpp_ProfileLine* line2 = nullptr;
    TypedDistanceDialogs dialogs;
    RecordingMover mover;
};

TEST_F(DistanceToolTest, ItemsGiveTheirPointsSegmentsAndPositions) {
    Cpp_PointXY* first = line1->FirstPoint();
    Cpp_LineLoad load;
    load.Set(7, 8);
    const auto point = [&](int kind, void* a, void* b) {
        Cpp_Selection s;
        s.SetFromValues(ds, 0, kind, {a, b});
        return s;
    };
    Cpp_Selection centre;
    s_SelectionReferences stored;
    stored.x = 3;
    stored.y = 4;
    centre.SetFromValues(ds, 0, SEL_CIRCLE_CENTRE, stored);
    Cpp_Selection lineLoad;
    lineLoad.SetLoadPointItem(ds, 1, SEL_LINE_LOAD, &load);
    const struct {
        const char* name;
        Cpp_Selection item;
        bool hasPoint, hasSegment;
        s_tagTypePointXY point, segmentEnd, position;
    } cases[] = {
        {"profile point",
         point(SEL_PROFILE_POINT, line1, first),
         true,
         false,
         {100, 100},
         {},
         {100, 100}},
        {"profile segment",
         point(SEL_PROFILE_SEGMENT, line1, first),
         false,
         true,
         {100, 100},
         {200, 100},
         {0, 0}},
        {"segment from the last point",
         point(SEL_PROFILE_SEGMENT, line1, first->Next()),
         false,
         false,
         {},
         {},
         {0, 0}},
        {"circle centre", centre, false, false, {}, {}, {3, 4}},
        {"line load", lineLoad, false, false, {}, {}, {7, 8}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        s_tagTypePointXY p{-1, -1}, a{-1, -1}, b{-1, -1};
        EXPECT_EQ(c.item.GetPointXY(p), c.hasPoint);
        if (c.hasPoint) ExpectPoint(p, c.point);
        EXPECT_EQ(c.item.GetSegmentPoints(a, b), c.hasSegment);
        if (c.hasSegment) {
            ExpectPoint(a, c.point);
            ExpectPoint(b, c.segmentEnd);
        } else {
            ExpectPoint(a, {-1, -1});  // untouched
        }
        ExpectPoint(c.item.GetItemPosition(), c.position);
    }
}

// Two points: the changed horizontal and vertical distances move the second point through the
// mover, the document is modified and the tool ends; Cancel-free runs keep the selection.
TEST_F(DistanceToolTest, ClickOnASecondPointMovesTheChosenPoint) {
    SelectionMoverSlot().Set(&mover);
    SelectFirstPoint();
    ASSERT_TRUE(StartComputeDistance());
    EXPECT_EQ(GetCursorMode(), CursorModeComputeDistance);
    s_PointsDistanceValues shown;
    dialogs.typePoints = [&](s_PointsDistanceValues& v) {
        shown = v;
        v.option = 2;
        v.horizontal = 50;
        v.vertical = 0;
        v.pointToChange = 1;
    };
    EXPECT_TRUE(PickAt(300, 200));
    EXPECT_DOUBLE_EQ(shown.horizontal, 200);
    EXPECT_DOUBLE_EQ(shown.vertical, 100);
    ASSERT_EQ(mover.moves.size(), 1u);
    EXPECT_EQ(mover.moves[0].item, "Profile pt. 2 (line 2)");
    EXPECT_DOUBLE_EQ(mover.moves[0].x, 150);
    EXPECT_DOUBLE_EQ(mover.moves[0].y, 100);
    EXPECT_TRUE(mover.moves[0].keepMarked);
    EXPECT_EQ(GetCursorMode(), CursorModeNone);
    EXPECT_EQ(host.invalidated, 0);
}

// A point and a segment: only the point moves, without its mark; unchanged values move nothing.
TEST_F(DistanceToolTest, ClickOnASegmentMovesTheSelectedPoint) {
    SelectionMoverSlot().Set(&mover);
    SelectFirstPoint();
    StartComputeDistance();
    dialogs.typeLine = [](s_PointLineDistanceValues& v) {
        v.option = 2;
        v.horizontal = 100;  // shown: 200
    };
    EXPECT_TRUE(PickAt(300, 150));
    ASSERT_EQ(mover.moves.size(), 1u);
    EXPECT_EQ(mover.moves[0].item, "Profile pt. 1 (line 1)");
    EXPECT_DOUBLE_EQ(mover.moves[0].x, 200);
    EXPECT_DOUBLE_EQ(mover.moves[0].y, 100);
    EXPECT_FALSE(mover.moves[0].keepMarked);

    StartComputeDistance();
    dialogs.typeLine = [](s_PointLineDistanceValues&) {};
    EXPECT_FALSE(PickAt(300, 150));
    EXPECT_EQ(mover.moves.size(), 1u);
    EXPECT_EQ(GetCursorMode(), CursorModeNone);
}

// The selection's own move: the chosen point really moves to the typed distance; Escape ends
// the step without a dialog; a click on nothing empties the selection and waits.
TEST_F(DistanceToolTest, OwnMoverEscapeAndAMiss) {
    SelectFirstPoint();
    StartComputeDistance();
    dialogs.typePoints = [](s_PointsDistanceValues& v) {
        v.option = 1;
        v.total = 100;
    };
    EXPECT_TRUE(PickAt(300, 200));
    const s_tagTypePointXY a = line1->FirstPoint()->XY();
    const s_tagTypePointXY b = line2->FirstPoint()->Next()->XY();
    EXPECT_NEAR(std::hypot(b.x - a.x, b.y - a.y), 100, 1e-9);

    StartComputeDistance();
    Key(ViewKeyEscape);
    EXPECT_EQ(GetCursorMode(), CursorModeNone);
    EXPECT_EQ(dialogs.runs, 1);
    EXPECT_EQ(GetCurrentSelection().Count(), 1);

    StartComputeDistance();
    EXPECT_FALSE(PickAt(250, 250));
    EXPECT_EQ(GetCurrentSelection().Count(), 0);
    EXPECT_EQ(GetCursorMode(), CursorModeComputeDistance);
    EXPECT_EQ(dialogs.runs, 1);
}

// The pressures at the first selected item, in the data set the item belongs to.
TEST_F(DistanceToolTest, PressuresAtTheFirstSelectedItem) {
    EXPECT_FALSE(ComputeOverburdenPressureOfSelection());
    EXPECT_FALSE(ComputePoreWaterPressureOfSelection());
    Cpp_Kliven4DataSet other{2};
    Cpp_ProfileLine* top = other.ProfileLines().CreateLine(1, 1, "");
    top->AddPoint(0, 20);
    top->AddPoint(40, 20);
    other.SlopeGeometry().Generate(other.ProfileLines(), false, nullptr);
    Cpp_MaterialProperties* m = other.MaterialData().GetMaterialList().Create(1);
    m->Stage(1).SetUnitWeight(100.0);
    m->GetPorePressureRecord(1).SetOption(3);
    m->GetPorePressureRecord(1).SetValue(40);
    Cpp_Selection inside;
    s_SelectionReferences at;
    at.x = 15;
    at.y = 15;
    inside.SetFromValues(&other, 0, SEL_CIRCLE_CENTRE, at);
    GetCurrentSelection().AddCopy(inside);
    EXPECT_TRUE(ComputeOverburdenPressureOfSelection());
    EXPECT_TRUE(ComputePoreWaterPressureOfSelection());
    ASSERT_EQ(fakes.messageBoxes.requests.size(), 2u);
    EXPECT_EQ(fakes.messageBoxes.requests[0].text,
              "Computed overburden pressure at X = 15.000000, Y = 15.000000\nOverburden "
              "pressure: 500.0");
    EXPECT_EQ(fakes.messageBoxes.requests[1].text,
              "Computed pore water pressure at X = 15.000000, Y = 15.000000\nPore water "
              "pressure: 40.0");
}

}  // namespace
