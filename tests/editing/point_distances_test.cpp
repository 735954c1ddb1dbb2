// Distances between picked points and segments, and the pressures at a selected point, with a
// scripted dialog in the slot.

#include "editing/point_distances.h"

#include "core/cursor_mode.h"
#include "editing/cursor_modes.h"
#include "model/data_set.h"
#include "porepressure/pore_pressure.h"
#include "profile/material_properties.h"
#include "support/fake_services.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {

struct ScriptedDistanceDialogs : Cpp_DistanceDialogs {
    bool answer = true;
    s_PointsDistanceValues seenPoints;
    s_PointLineDistanceValues seenLine;
    std::function<void(s_PointsDistanceValues&)> typePoints = [](auto&) {};
    std::function<void(s_PointLineDistanceValues&)> typeLine = [](auto&) {};
    bool RunBetweenPoints(s_PointsDistanceValues& v) override {
        seenPoints = v;
        typePoints(v);
        return answer;
    }
    bool RunPointAndLine(s_PointLineDistanceValues& v) override {
        seenLine = v;
        typeLine(v);
        return answer;
    }
};

class PointDistancesTest : public ::testing::Test {
protected:
    void SetUp() override { DistanceDialogsSlot().Set(&dialogs); }
    void TearDown() override { DistanceDialogsSlot().Reset(); }
    testsupport::FakeServices fakes;
    ScriptedDistanceDialogs dialogs;
};

// What the dialog shows for two points, and which point moves where for each choice.
TEST_F(PointDistancesTest, TwoPoints) {
    EXPECT_TRUE(StartComputeDistance());
    EXPECT_EQ(GetCursorMode(), CursorModeComputeDistance);
    s_DistanceMove move;
    dialogs.answer = false;
    EXPECT_FALSE(ComputeDistanceFromSelection({1, 2}, {4, 6}, move));
    EXPECT_EQ(GetCursorMode(), 0);
    EXPECT_EQ(dialogs.seenPoints.total, 5);
    EXPECT_EQ(dialogs.seenPoints.horizontal, 3);
    EXPECT_EQ(dialogs.seenPoints.vertical, 4);
    EXPECT_EQ(dialogs.seenPoints.option, 0);
    EXPECT_EQ(dialogs.seenPoints.pointToChange, 0);
    dialogs.answer = true;

    const struct {
        const char* name;
        s_tagTypePointXY first, second;
        s_PointsDistanceValues typed;
        bool result, moves;
        int which;
        s_tagTypePointXY to;
    } cases[] = {
        {"fixed", {1, 2}, {4, 6}, {20, 1, 1, 0, 1}, true, false, 0, {}},
        {"total, second point", {1, 2}, {4, 6}, {10, 0, 0, 1, 1}, true, true, 1, {7, 10}},
        {"total, first point", {1, 2}, {4, 6}, {10, 0, 0, 1, 0}, true, true, 0, {-2, -2}},
        {"total unchanged", {1, 2}, {4, 6}, {5, 9, 9, 1, 0}, true, false, 0, {}},
        {"total 0 onto the other", {1, 2}, {4, 6}, {0, 0, 0, 1, 1}, true, true, 1, {1, 2}},
        {"coincident points", {3, 3}, {3, 3}, {4, 0, 0, 1, 1}, false, false, 0, {}},
        {"horizontal/vertical", {1, 2}, {4, 6}, {5, -1, 2, 2, 1}, true, true, 1, {0, 4}},
        {"horizontal/vertical unchanged", {1, 2}, {4, 6}, {9, 3, 4, 2, 1}, true, false, 0, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        dialogs.typePoints = [&c](s_PointsDistanceValues& v) { v = c.typed; };
        EXPECT_EQ(ComputeDistanceFromSelection(c.first, c.second, move), c.result);
        EXPECT_EQ(move.moves, c.moves);
        if (c.moves) {
            EXPECT_EQ(move.which, c.which);
            EXPECT_DOUBLE_EQ(move.to.x, c.to.x);
            EXPECT_DOUBLE_EQ(move.to.y, c.to.y);
        }
    }
}

// A point and a segment: the distances that exist, and where the point goes.
TEST_F(PointDistancesTest, PointAndSegment) {
    const struct {
        const char* name;
        s_tagTypePointXY p, a, b;
        bool perpendicular, horizontal, vertical;
        double shownPerpendicular, shownHorizontal, shownVertical;
        int option;
        double typed;
        bool moves;
        s_tagTypePointXY to;
    } cases[] = {
        // On the segment: to the left of the direction from a to b.
        {"on a horizontal segment",
         {5, 0},
         {0, 0},
         {10, 0},
         true,
         false,
         true,
         0,
         0,
         0,
         1,
         2,
         true,
         {5, 2}},
        {"on it, reversed",
         {5, 0},
         {10, 0},
         {0, 0},
         true,
         false,
         true,
         0,
         0,
         0,
         1,
         2,
         true,
         {5, -2}},
        {"vertical distance",
         {5, 1},
         {0, 0},
         {10, 0},
         true,
         false,
         true,
         1,
         0,
         -1,
         3,
         -3,
         true,
         {5, 3}},
        {"beside a vertical segment",
         {2, 5},
         {0, 0},
         {0, 10},
         true,
         true,
         false,
         2,
         -2,
         0,
         2,
         -4,
         true,
         {4, 5}},
        {"perpendicular scaled",
         {2, 5},
         {0, 0},
         {0, 10},
         true,
         true,
         false,
         2,
         -2,
         0,
         1,
         3,
         true,
         {3, 5}},
        {"unchanged", {2, 5}, {0, 0}, {0, 10}, true, true, false, 2, -2, 0, 1, 2, false, {}},
        {"zero length", {2, 5}, {1, 1}, {1, 1}, false, false, false, 0, 0, 0, 1, 7, false, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        dialogs.typeLine = [&c](s_PointLineDistanceValues& v) {
            v.option = c.option;
            double* field[] = {nullptr, &v.perpendicular, &v.horizontal, &v.vertical};
            *field[c.option] = c.typed;
        };
        s_DistanceMove move;
        EXPECT_TRUE(ComputeDistancePointToLine(c.p, c.a, c.b, move));
        const s_PointLineDistanceValues& shown = dialogs.seenLine;
        EXPECT_EQ(shown.perpendicularExists, c.perpendicular);
        EXPECT_EQ(shown.horizontalExists, c.horizontal);
        EXPECT_EQ(shown.verticalExists, c.vertical);
        EXPECT_DOUBLE_EQ(shown.perpendicular, c.shownPerpendicular);
        EXPECT_DOUBLE_EQ(shown.horizontal, c.shownHorizontal);
        EXPECT_DOUBLE_EQ(shown.vertical, c.shownVertical);
        EXPECT_EQ(move.moves, c.moves);
        if (c.moves) {
            EXPECT_EQ(move.which, 0);
            EXPECT_NEAR(move.to.x, c.to.x, 1e-12);
            EXPECT_NEAR(move.to.y, c.to.y, 1e-12);
        }
    }
}

// The pressures at a point in their message boxes; a stage of 0 takes the current stage.
TEST_F(PointDistancesTest, PressuresAtTheSelectedPoint) {
    Cpp_Kliven4DataSet ds{1};
    Cpp_ProfileLine* top = ds.ProfileLines().CreateLine(1, 1, "");
    top->AddPoint(0, 20);
    top->AddPoint(40, 20);
    ds.SlopeGeometry().Generate(ds.ProfileLines(), false, nullptr);
    Cpp_MaterialProperties* m = ds.MaterialData().GetMaterialList().Create(1);
    m->Stage(1).SetUnitWeight(120.0);
    m->GetPorePressureRecord(1).SetOption(3);
    m->GetPorePressureRecord(1).SetValue(50);
    m->GetPorePressureRecord(2).SetOption(3);
    m->GetPorePressureRecord(2).SetValue(70);
    EXPECT_TRUE(ComputeOverburdenPressureAtSelection(ds, 10, 15));
    Cpp_Kliven4DataSet::SetCurrentStage(2);
    EXPECT_TRUE(ComputePoreWaterPressureAtSelection(ds, 10, 15, 0));
    EXPECT_TRUE(ComputePoreWaterPressureAtSelection(ds, 10, 15, 1));
    EXPECT_FALSE(ComputeOverburdenPressureAtSelection(ds, 50, 15));
    ASSERT_EQ(fakes.messageBoxes.requests.size(), 4u);
    EXPECT_EQ(fakes.messageBoxes.requests[0].caption, "Overburden Pressure Calculations");
    EXPECT_EQ(fakes.messageBoxes.requests[0].text,
              "Computed overburden pressure at X = 10.000000, Y = 15.000000\nOverburden "
              "pressure: 600.0");
    EXPECT_EQ(fakes.messageBoxes.requests[1].caption, "Pore Water Pressure Calculations");
    EXPECT_EQ(fakes.messageBoxes.requests[1].text,
              "Computed pore water pressure at X = 10.000000, Y = 15.000000\nPore water "
              "pressure: 70.0");
    EXPECT_EQ(fakes.messageBoxes.requests[2].text,
              "Computed pore water pressure at X = 10.000000, Y = 15.000000\nPore water "
              "pressure: 50.0");
    EXPECT_EQ(fakes.messageBoxes.requests[3].caption, "ERROR");
}

}  // namespace
