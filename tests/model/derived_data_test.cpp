#include "model/derived_data.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <tuple>
#include <vector>

namespace {

using Loads = std::vector<std::tuple<double, double, double>>;

Cpp_Line LineOf(std::initializer_list<std::pair<double, double>> points) {
    Cpp_Line line;
    for (auto [x, y] : points) line.AddPoint(x, y);
    return line;
}

Loads LoadsOf(const Cpp_Line& slope, const Cpp_Line& water, double gamma) {
    std::vector<s_WaterLoadPoint> points;
    EXPECT_TRUE(ComputeWaterLoadPoints(slope, water, gamma, points));
    Loads out;
    for (const auto& p : points) out.emplace_back(p.x, p.y, p.pressure);
    return out;
}

TEST(WaterLoads, ValleyUnderAHorizontalWaterLine) {
    EXPECT_EQ(LoadsOf(LineOf({{0, 10}, {10, 0}, {20, 10}}), LineOf({{0, 5}, {20, 5}}), 10.0),
              (Loads{{5, 5, 0}, {10, 0, 50}, {15, 5, 0}}));
}

TEST(WaterLoads, WaterAgainstAVerticalFaceGetsAPointOnTheFace) {
    EXPECT_EQ(
        LoadsOf(LineOf({{0, 0}, {10, 0}, {10, 10}, {20, 10}}), LineOf({{0, 5}, {20, 5}}), 10.0),
        (Loads{{0, 0, 50}, {10, 0, 50}, {10, 5, 0}}));
}

TEST(WaterLoads, DryInnerPointsAreDroppedAndAWaterLineBelowGivesNothing) {
    // Two ponds with three dry surface points between them: the middle one goes.
    const Cpp_Line slope =
        LineOf({{0, 0}, {10, 0}, {20, 10}, {30, 10}, {40, 10}, {50, 0}, {60, 0}});
    const Loads loads = LoadsOf(slope, LineOf({{0, 2}, {60, 2}}), 1.0);
    for (const auto& [x, y, p] : loads) EXPECT_NE(x, 30.0);
    EXPECT_EQ(std::get<0>(loads.front()), 0.0);
    EXPECT_EQ(std::get<0>(loads.back()), 60.0);
    EXPECT_TRUE(LoadsOf(slope, LineOf({{0, -5}, {60, -5}}), 1.0).empty());
    std::vector<s_WaterLoadPoint> points;
    EXPECT_FALSE(ComputeWaterLoadPoints(Cpp_Line(), slope, 1.0, points));
}

}  // namespace

#include "analysis/analysis_computation_data.h"
#include "loads/distributed_load_data.h"
#include "model/data_set.h"
#include "porepressure/piezometric_line.h"

namespace {

TEST(WaterLoads, GeneratedForAStageFromItsPiezometricLine) {
    Cpp_Kliven4DataSet ds(1);
    Cpp_ProfileLine* ground = ds.ProfileLines().CreateLine(1, 1, "");
    for (auto [x, y] : {std::pair{0.0, 10.0}, {10.0, 0.0}, {20.0, 10.0}}) ground->AddPoint(x, y);
    Cpp_PiezometricLine* water = ds.PiezometricLines(1)->CreateLine(2, 10.0, "");
    water->AddPoint(0, 5);
    water->AddPoint(20, 5);
    ds.DistributedLoads(1)->SetPiezometricLine(2);
    ASSERT_TRUE(GenerateWaterLoads(ds, 1, nullptr));
    EXPECT_EQ(ds.SlopeGeometry().GetPointCount(), 3);  // generated on the way
    EXPECT_FALSE(ds.SlopeGeometry().IsEntered());
    EXPECT_EQ(ds.DistributedLoads(1)->Count(), 3);

    ds.DistributedLoads(1)->SetPiezometricLine(9);
    EXPECT_FALSE(GenerateWaterLoads(ds, 1, nullptr));  // message 5340
    EXPECT_EQ(ds.DistributedLoads(1)->Count(), 0);

    ds.SlopeGeometry().GetSlopeLine().FirstPoint()->SetNumber(7);
    ASSERT_TRUE(RenumberAllLinePoints(ds));
    EXPECT_EQ(ds.SlopeGeometry().GetSlopeLine().FirstPoint()->Number(), 1);
    ds.SlopeGeometry().GetSlopeLine().AddPoint(30, 10);
    ASSERT_TRUE(RecomputeSlopeAndCrackGeometry(ds));
    EXPECT_EQ(ds.SlopeGeometry().GetPointCount(), 3);

    // A crack read after the slope: its lines follow once the crack is computed.
    Cpp_Crack& crack = ds.AnalysisComputationData()->GetCrack();
    crack.SetCrackOption(1);
    crack.SetCrackConstant(1.0);
    EXPECT_FALSE(ds.SlopeGeometry().GetCrackBottomLine().HasPoints());
    ASSERT_TRUE(ComputeCrackBottom(ds, nullptr));
    EXPECT_EQ(ds.SlopeGeometry().GetCrackBottomLine().FirstPoint()->Y(), 9.0);
    ASSERT_TRUE(ComputeCrackWaterLevels(ds));
    ASSERT_TRUE(GenerateSlopeGeometry(ds, nullptr));
    EXPECT_EQ(ds.SlopeGeometry().GetCrackBottomLine().NumberOfPoints(), 3);
}

}  // namespace
