// Rescaling coordinates from two picked points, with a scripted dialog in the slot.

#include "editing/rescale_coordinates.h"

#include "core/cursor_mode.h"
#include "editing/construction_items.h"
#include "editing/cursor_modes.h"
#include "graphics/prompts.h"
#include "loads/line_load.h"
#include "model/data_sets.h"
#include "model/derived_data.h"
#include "support/fake_services.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace {

// What the window would do: records the values it was opened with, then types new ones.
struct ScriptedRescaleDialog : Cpp_RescaleDialog {
    bool answer = true;
    std::vector<s_RescaleValues> seen;
    s_tagTypePointXY new1{100, 200}, new2{120, 210};
    bool Run(s_RescaleValues& values) override {
        seen.push_back(values);
        values.new1 = new1;
        values.new2 = new2;
        return answer;
    }
};

s_tagTypePointXY FirstPointOf(const Cpp_Line& line) {
    return {line.FirstPoint()->X(), line.FirstPoint()->Y()};
}

class RescaleTest : public ::testing::Test {
protected:
    void SetUp() override {
        platform::Services().SetPromptBar(&promptBar);
        RescaleDialogSlot().Set(&dialog);
        ds = Cpp_Kliven4Data::NewDataSet(1, false);
        Cpp_ProfileLine* profile = ds->ProfileLines().CreateLine(1, 1, "");
        profile->AddPoint(0, 0);
        profile->AddPoint(10, 5);
        ds->SlopeGeometry().Generate(ds->ProfileLines(), false, nullptr);
        ds->PiezometricLines(2)->CreateLine(1, 62.4, "")->AddPoint(3, 4);
        ds->ReinforcementLines()->AddNewLine(1, "", 0.0, 1)->AddPoint(-1, 2, 10, 0);
        ds->DistributedLoads(1)->AddPoint(2, 1, 50, 5);
        ds->LineLoads(2)->AddByComponents(4, 6, 7, 100, 0);
        Cpp_InterpolationDataSet* receiving = nullptr;
        ds->InterpolationData(1)->AddPointToDataSet(1, 0, 1, 1, 9, 0, 0, receiving);
        Cpp_Line* construction = GetConstructionLineList().NewLine();
        construction->AddPoint(5, -5);
    }
    void TearDown() override { RescaleDialogSlot().Reset(); }

    // Every kind of coordinate the data set holds, in one list.
    std::vector<s_tagTypePointXY> Coordinates() {
        std::vector<s_tagTypePointXY> all;
        for (const Cpp_PointXY* p = ds->ProfileLines().Lines()[0]->FirstPoint(); p; p = p->Next())
            all.push_back({p->X(), p->Y()});
        all.push_back(FirstPointOf(ds->SlopeGeometry().GetSlopeLine()));
        all.push_back(FirstPointOf(*ds->PiezometricLines(2)->Lines()[0]));
        all.push_back(FirstPointOf(*ds->ReinforcementLines()->Lines()[0]));
        const auto loads = ds->DistributedLoads(1)->GetPoints();
        all.push_back({loads[0].x, loads[0].y});
        const Cpp_LineLoad& lineLoad = *ds->LineLoads(2)->Loads()[0];
        all.push_back({lineLoad.X(), lineLoad.Y()});
        const Cpp_InterpolationPoint& point = ds->InterpolationData(1)->DataSets()[0]->Points()[0];
        all.push_back({point.X(), point.Y()});
        all.push_back(FirstPointOf(*GetConstructionLineList().Lines()[0]));
        return all;
    }

    testsupport::FakeServices fakes;
    testsupport::FakePromptBar promptBar;
    ScriptedRescaleDialog dialog;
    Cpp_Kliven4DataSet* ds = nullptr;
};

// (0, 0) and (10, 5) picked and given (100, 200) and (120, 210): every coordinate of the data
// set, of both stages, and of the construction lines becomes (2x + 100, 2y + 200). Only the
// profile and piezometric lines used to follow.
TEST_F(RescaleTest, TwoPicksMapEveryCoordinate) {
    const std::vector<s_tagTypePointXY> before = Coordinates();
    EXPECT_TRUE(RescaleCoordinates::Start());
    EXPECT_EQ(GetCursorMode(), CursorModeRescaleFirstPoint);
    EXPECT_TRUE(RescaleCoordinates::FirstPointClick(ds, {0, 0}));
    EXPECT_EQ(GetCursorMode(), CursorModeRescaleSecondPoint);
    EXPECT_TRUE(RescaleCoordinates::SecondPointClick({10, 5}));
    EXPECT_EQ(GetCursorMode(), 0);
    ASSERT_FALSE(promptBar.calls.empty());
    EXPECT_EQ(promptBar.calls.back(), "Hide");
    ASSERT_EQ(dialog.seen.size(), 1u);
    const s_RescaleValues& shown = dialog.seen[0];
    EXPECT_EQ(shown.old1.x, 0);
    EXPECT_EQ(shown.old2.y, 5);
    EXPECT_EQ(shown.new2.x, 10);
    EXPECT_TRUE(shown.rescaleX && shown.rescaleY);
    const std::vector<s_tagTypePointXY> after = Coordinates();
    ASSERT_EQ(after.size(), before.size());
    for (size_t i = 0; i < after.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_DOUBLE_EQ(after[i].x, 2 * before[i].x + 100);
        EXPECT_DOUBLE_EQ(after[i].y, 2 * before[i].y + 200);
    }
    EXPECT_TRUE(fakes.messageBoxes.requests.empty());
}

// The questions before the window: one vertical line (Cancel stops, OK rescales y only), one
// horizontal line, the same point twice; a cancelled window changes nothing either.
TEST_F(RescaleTest, QuestionsAndCancelLeaveOrRestrictTheChange) {
    const std::vector<s_tagTypePointXY> before = Coordinates();
    fakes.messageBoxes.answers = {platform::BoxResult::Cancel};
    EXPECT_FALSE(RescaleCoordinates::StartWithPoints(ds, {4, 0}, {4, 5}));
    EXPECT_TRUE(dialog.seen.empty());
    EXPECT_FALSE(RescaleCoordinates::StartWithPoints(ds, {4, 1}, {4, 1}));
    dialog.answer = false;
    EXPECT_FALSE(RescaleCoordinates::StartWithPoints(ds, {0, 0}, {10, 5}));
    ASSERT_EQ(fakes.messageBoxes.requests.size(), 3u);
    EXPECT_EQ(fakes.messageBoxes.requests[0].caption, "Notice");
    EXPECT_EQ(fakes.messageBoxes.requests[0].text,
              "Cannot rescale X-coordinates when both points selected have the same X; Rescale "
              "Y-coordinates only?");
    EXPECT_EQ(fakes.messageBoxes.requests[1].text,  // OK (no answer queued) to the first
              "Cannot rescale X-coordinates when both points selected have the same X; Rescale "
              "Y-coordinates only?");
    EXPECT_EQ(fakes.messageBoxes.requests[2].caption, "Error");
    EXPECT_EQ(fakes.messageBoxes.requests[2].text,
              "Cannot rescale coordinates when both points have the same X,Y values?");
    const std::vector<s_tagTypePointXY> unchanged = Coordinates();
    for (size_t i = 0; i < before.size(); ++i) EXPECT_EQ(unchanged[i].x, before[i].x) << i;

    dialog.answer = true;
    dialog.new1 = {4, 10};
    dialog.new2 = {4, 20};
    EXPECT_TRUE(RescaleCoordinates::StartWithPoints(ds, {4, 0}, {4, 5}));
    EXPECT_FALSE(dialog.seen.back().rescaleX);
    const std::vector<s_tagTypePointXY> yOnly = Coordinates();
    for (size_t i = 0; i < before.size(); ++i) {
        EXPECT_DOUBLE_EQ(yOnly[i].x, before[i].x) << i;
        EXPECT_DOUBLE_EQ(yOnly[i].y, 2 * before[i].y + 10) << i;
    }
    fakes.messageBoxes.requests.clear();
    dialog.new1 = {0, 0};
    dialog.new2 = {1, 0};
    EXPECT_TRUE(RescaleCoordinates::StartWithPoints(ds, {0, 3}, {5, 3}));
    EXPECT_TRUE(dialog.seen.back().rescaleX);
    EXPECT_FALSE(dialog.seen.back().rescaleY);
    ASSERT_EQ(fakes.messageBoxes.requests.size(), 1u);
    EXPECT_EQ(fakes.messageBoxes.requests[0].text,
              "Cannot rescale Y-coordinates when both points selected have the same Y; Rescale "
              "X-coordinates only?");
}

// The coefficients, and the values the window refuses before it closes (equal old values of a
// rescaled coordinate used to give infinite coefficients).
TEST(RescaleValues, CoefficientsAndRefusedValues) {
    s_RescaleValues v{{0, 0}, {10, 5}, {100, 200}, {120, 210}, true, true};
    double a = 0, b = 0, c = 0, d = 0;
    ASSERT_TRUE(RescaleCoefficients(v, a, b, c, d));
    EXPECT_EQ(std::vector<double>({a, b, c, d}), std::vector<double>({2, 100, 2, 200}));
    EXPECT_EQ(RescaleValuesProblem(v), "");
    const struct {
        const char* name;
        s_RescaleValues values;
        std::string problem;
    } cases[] = {
        {"old x equal",
         {{3, 0}, {3, 5}, {0, 0}, {1, 1}, true, true},
         "Both old X values are the same; cannot re-scale X-coordinates."},
        {"old y equal",
         {{0, 2}, {3, 2}, {0, 0}, {1, 1}, true, true},
         "Both old Y values are the same; cannot re-scale Y-coordinates."},
        {"overflow",
         {{0, 0}, {1e-300, 1}, {0, 0}, {1e300, 1}, true, true},
         "These values give no finite scale; cannot re-scale."},
        {"x not rescaled", {{3, 0}, {3, 5}, {0, 0}, {1, 10}, false, true}, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(RescaleValuesProblem(c.values), c.problem);
        double a2 = 7, b2 = 7, c2 = 7, d2 = 7;
        EXPECT_EQ(RescaleCoefficients(c.values, a2, b2, c2, d2), c.problem.empty());
    }
    EXPECT_FALSE(RescaleCoordinates(*Cpp_Kliven4Data::NewDataSet(1, false), NAN, 0, 1, 0));
}

}  // namespace
