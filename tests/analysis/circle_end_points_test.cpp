// Where a trial circle meets the slope: the pair of intersections chosen, the notices of the
// computation message buffers, and the refresh that stores the end points in the analysis data.

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>

#include "analysis/analysis_computation_data.h"
#include "core/kliven4_messages.h"
#include "core/text_exception.h"
#include "model/circle_end_points.h"
#include "model/data_set.h"

namespace {

bool Has(const std::vector<std::string>& lines, const std::string& text) {
    for (const auto& l : lines)
        if (l.find(text) != std::string::npos) return true;
    return false;
}

class EndPointsTest : public ::testing::Test {
protected:
    void SetUp() override {
        ds.ResetForNewData();
        Cpp_KLIVEN4Messages::Clear();
    }
    // A crest at y = 10 falling to a toe at y = 0: the slope faces right.
    void RightFacingSlope() {
        Cpp_SlopeLine& s = ds.SlopeGeometry().GetSlopeLine();
        s.AddPoint(0, 10);
        s.AddPoint(20, 10);
        s.AddPoint(40, 0);
        s.AddPoint(60, 0);
    }
    Cpp_Kliven4DataSet ds{1};
    s_tagTypePointXY a, b;
};

TEST_F(EndPointsTest, CircleThroughTheSlopeGivesItsEntryAndExit) {
    RightFacingSlope();
    ASSERT_TRUE(get_end_points_of_circle(ds, Cpp_Circle(30, 20, 20), a, b));
    EXPECT_NEAR(a.x, 30 - std::sqrt(300.0), 1e-9);
    EXPECT_DOUBLE_EQ(a.y, 10.0);
    EXPECT_NEAR(b.x, (60 + std::sqrt(1100.0)) / 2.5, 1e-9);
    EXPECT_NEAR(std::hypot(b.x - 30, b.y - 20), 20.0, 1e-9);
    EXPECT_FALSE(ds.GetOrientationFlag());
    EXPECT_TRUE(Cpp_KLIVEN4Messages::Notices().empty());
}

TEST_F(EndPointsTest, GeometricFailuresAreNoticesWithAFalseResult) {
    RightFacingSlope();
    EXPECT_FALSE(get_end_points_of_circle(ds, Cpp_Circle(30, 40, 5), a, b));
    EXPECT_TRUE(Has(Cpp_KLIVEN4Messages::Notices(), "KLIVEN NOTICE NUMBER 8070"));
    EXPECT_TRUE(Has(Cpp_KLIVEN4Messages::Notices(), "Circle does not intersect the slope."));

    // Restriction 0 from -10 to 10 about the centre: the left end lies 17.3 left of it.
    ds.AnalysisComputationData()->SetRestriction('R', 'E', -10, 10);
    EXPECT_FALSE(get_end_points_of_circle(ds, Cpp_Circle(30, 20, 20), a, b));
    EXPECT_TRUE(Has(Cpp_KLIVEN4Messages::Notices(), "KLIVEN NOTICE NUMBER 8010"));
    EXPECT_FALSE(Has(Cpp_KLIVEN4Messages::Notices(), "8070")) << "the buffer is emptied first";
    ds.AnalysisComputationData()->SetRestriction('R', 'E', -20, 20);
    EXPECT_TRUE(get_end_points_of_circle(ds, Cpp_Circle(30, 20, 20), a, b));
}

TEST_F(EndPointsTest, MissingGroundLines) {
    // Without a slope line there is nothing to intersect: the text exception of the routine.
    EXPECT_THROW(get_end_points_of_circle(ds, Cpp_Circle(30, 20, 20), a, b), Cpp_TextException);
    // An active crack whose bottom line has not been derived yet: a notice and false, no throw.
    RightFacingSlope();
    ds.AnalysisComputationData()->GetCrack().SetCrackOption(1);
    bool found = true;
    EXPECT_NO_THROW(found = get_end_points_of_circle(ds, Cpp_Circle(30, 20, 20), a, b));
    EXPECT_FALSE(found);
    EXPECT_TRUE(Has(Cpp_KLIVEN4Messages::Notices(), "No crack point list"));
}

TEST_F(EndPointsTest, ManyIntersectionsAreListedWithoutOverflow) {
    // A zigzag across the lower half of the circle: 17 segments, each crossing once.
    Cpp_SlopeLine& s = ds.SlopeGeometry().GetSlopeLine();
    for (int k = 0; k < 18; ++k) {
        const double t = (-170.0 + 160.0 * k / 17.0) * std::numbers::pi / 180.0;
        const double r = k % 2 == 0 ? 9.0 : 11.0;
        s.AddPoint(r * std::cos(t), r * std::sin(t));
    }
    EXPECT_NO_THROW(get_end_points_of_circle(ds, Cpp_Circle(0, 0, 10), a, b));
    const auto& w = Cpp_KLIVEN4Messages::Warnings();
    ASSERT_TRUE(Has(w, "KLIVEN WARNING NUMBER 8260"));
    EXPECT_TRUE(Has(w, "(17 intersections)"));
    EXPECT_TRUE(Has(w, "Following are the first 15 intersections"));
    int listed = 0;
    for (const auto& l : w) listed += l.rfind("X: ", 0) == 0;
    EXPECT_EQ(listed, 15);
}

TEST_F(EndPointsTest, RefreshStoresTheEndPointsOfTheInitialCircle) {
    Cpp_AnalysisComputationData& an = *ds.AnalysisComputationData();
    an.SetDataDefined(true);
    an.SetMode(Cpp_AnalysisComputationData::kIndividual);
    an.SetCircleCenter(30, 20);
    an.SetRadiusOption(0);
    an.SetRadius(20);
    // Shorter slope: both at the circle's lowest point.
    ASSERT_TRUE(UpdateCircleEndPoints(ds));
    ASSERT_TRUE(an.GetToolRadiusDefinition(a, b));
    EXPECT_DOUBLE_EQ(a.y, 0.0);
    EXPECT_DOUBLE_EQ(b.x, 30.0);
    RightFacingSlope();
    ASSERT_TRUE(UpdateCircleEndPoints(ds));
    an.GetToolRadiusDefinition(a, b);
    EXPECT_DOUBLE_EQ(a.y, 10.0);
    EXPECT_GT(b.x, 37.0);
}

}  // namespace

#include "model/subsystem_registration.h"
#include "registry/block_readers.h"
#include "support/test_support.h"

namespace {

// The circle-search example: its trial circle cuts the slope on the toe side and the crack
// bottom on the crest side, and the arc runs between those points.
TEST(EndPointsOfTheExample, TrialCircleMeetsSlopeAndCrackBottom) {
    InitializeBlockReaders();
    Cpp_Kliven4DataSet ds(1);
    ds.ResetForNewData();
    std::FILE* in = std::fopen(
        (testsupport::ExamplesDir() / "embankment_circle_search.preinput-kliven").c_str(), "r");
    ASSERT_NE(in, nullptr);
    std::FILE* out = std::tmpfile();
    bool end = false;
    ds.ReadInputData(nullptr, in, out, end);
    std::fclose(in);
    std::fclose(out);
    Cpp_SlopeGeometry& slope = ds.SlopeGeometry();
    ASSERT_TRUE(slope.Generate(ds.ProfileLines(), false, nullptr));
    ASSERT_TRUE(slope.ComputeCrackBottom(ds.Analysis().GetCrack(), nullptr));
    ASSERT_TRUE(UpdateCircleEndPoints(ds));
    s_tagTypePointXY a, b;
    ASSERT_TRUE(ds.Analysis().GetToolRadiusDefinition(a, b));
    const Cpp_Circle c = ds.Analysis().InitialCircle();
    EXPECT_NEAR(std::hypot(a.x - c.CenterX(), a.y - c.CenterY()), c.Radius(), 1e-9);
    EXPECT_NEAR(std::hypot(b.x - c.CenterX(), b.y - c.CenterY()), c.Radius(), 1e-9);
    EXPECT_LT(a.x, b.x);
    EXPECT_NEAR(a.y, 35.0, 1e-9) << "on the crack bottom, 5 below the crest";
    EXPECT_NEAR(b.y, 25.0, 1e-9) << "on the toe";
}

}  // namespace
