// Picking the analysis items, their information pages and tool tips.

#include <gtest/gtest.h>

#include "analysis/analysis_computation_data.h"
#include "analysis/analysis_information.h"
#include "analysis/analysis_picking.h"
#include "support/fake_services.h"

namespace {

using A = Cpp_AnalysisComputationData;

std::vector<int> Kinds(const std::vector<s_AnalysisHit>& hits) {
    std::vector<int> k;
    for (const auto& h : hits) k.push_back(h.kind);
    return k;
}

class AnalysisPickingTest : public ::testing::Test {
protected:
    void SetUp() override {
        a.SetDataDefined(true);
        a.SetMode(A::kIndividual);
        a.SetCircleCenter(50, 50);
        a.SetRadiusOption(0);
        a.SetRadius(20);
    }
    s_PickType Pick(double x, double y, double tolerance = 1.0) {
        s_PickType p;
        p.x = x;
        p.y = y;
        p.tolerance = tolerance;
        return p;
    }
    A a;
    testsupport::FakeServices fakes;
};

TEST_F(AnalysisPickingTest, CentreRadiusLineArcAndTheirRanking) {
    EXPECT_EQ(Kinds(FindAnalysisCandidates(a, 50.5, 49.8, 1.0)), (std::vector<int>{53, 7}));
    EXPECT_EQ(Kinds(FindAnalysisCandidates(a, 50.3, 40, 1.0)), (std::vector<int>{7}));
    EXPECT_EQ(Kinds(FindAnalysisCandidates(a, 50.3, 40, 1.0, true)), (std::vector<int>{}))
        << "the radius line is neither a point nor a segment";
    // End points of another circle: the whole circle can be picked.
    a.SetRadiusDefinitionFromTool({0, 0}, {1, 1});
    EXPECT_EQ(Kinds(FindAnalysisCandidates(a, 50, 70.5, 1.0)), (std::vector<int>{55}));
    // End points of this circle: only below the higher end and between them.
    a.SetRadiusDefinitionFromTool({30, 50}, {50, 30});
    EXPECT_TRUE(FindAnalysisCandidates(a, 50, 70.5, 1.0).empty());
    EXPECT_EQ(Kinds(FindAnalysisCandidates(a, 50 - 14.142, 50 - 14.142, 1.0)),
              (std::vector<int>{55}));
    // Radius 0: nothing.
    a.SetRadius(0);
    EXPECT_TRUE(FindAnalysisCandidates(a, 50, 50, 1.0).empty());

    // Strict ranking: a tie keeps the first candidate.
    a.SetRadius(20);
    s_PickType p = Pick(51, 50);
    s_AnalysisHit hit;
    ASSERT_TRUE(HitTestSlipSurfacePoints(a, p, hit));
    EXPECT_DOUBLE_EQ(p.bestDistanceSquared, 1.0);
    EXPECT_FALSE(HitTestRadiusLine(a, p, hit)) << "(51 - 50)^2 is not nearer than 1";
}

TEST_F(AnalysisPickingTest, TangentLineFixedPointAndSearchArea) {
    a.SetRadiusOption(2);
    a.GetTangentLine()->ChangeOption(Cpp_TangentLine::kHorizontal);
    a.GetTangentLine()->SetElevation(10);
    s_PickType p = Pick(500, 10.5);
    s_AnalysisHit hit;
    ASSERT_TRUE(HitTestTangentLine(a, p, hit)) << "picked along its whole length";
    EXPECT_EQ(hit.kind, 52);
    EXPECT_DOUBLE_EQ(hit.point.x, 50);
    EXPECT_DOUBLE_EQ(p.bestDistanceSquared, 450.0 * 450.0 + 0.25);

    a.SetRadiusOption(1);
    a.SetThroughPoint(20, 30);
    // The circle through the fixed point passes there too.
    EXPECT_EQ(Kinds(FindAnalysisCandidates(a, 20.5, 30, 1.0)), (std::vector<int>{40, 55}));

    a.SetMode(A::kSearchType1);
    a.SetStartCenter(50, 50);
    a.SetMinimumGridSpacing(1.0);
    p = Pick(75, 75);
    EXPECT_TRUE(HitTestCenter(a, p));
    p = Pick(80, 50);
    EXPECT_FALSE(HitTestCenter(a, p)) << "strictly inside";
}

TEST_F(AnalysisPickingTest, FixedGridCornersAreaAndRadiusDefinitions) {
    a.SetMode(A::kSearchType2);
    Cpp_FixedSearchGrid& g = a.GetFixedSearchGrid();
    g.SetCounts(3, 3);
    g.SetCorner(1, 0, 0);
    g.SetCorner(2, 10, 0);
    g.SetCorner(3, 10, 10);
    g.SetCorner(4, 0, 10);
    a.GetRadiusDefinitionList().AddFixedPoint(30, 30);
    a.GetRadiusDefinitionList().AddGivenRadius(8);
    auto hits = FindAnalysisCandidates(a, 9.9, 9.8, 0.5);
    ASSERT_EQ(Kinds(hits), (std::vector<int>{46, 48}));
    EXPECT_EQ(hits[0].number, 3);
    EXPECT_EQ(Kinds(FindAnalysisCandidates(a, 30, 30.4, 0.5)), (std::vector<int>{94}));
    hits = FindAnalysisCandidates(a, 5, 0.3, 0.5);  // the arrow from the grid's centre down 8
    ASSERT_EQ(Kinds(hits), (std::vector<int>{93, 48}));
    EXPECT_EQ(hits[0].number, 2);

    // Information page of a corner and tool tip.
    ASSERT_TRUE(DescribeAnalysisSelection(fakes.infoWindow, a, {46, {10, 10}, 3, -1}));
    const std::string page = fakes.infoWindow.Dump();
    EXPECT_NE(page.find("\"Fixed\" grid  corner selected"), std::string::npos) << page;
    EXPECT_NE(page.find("Corner point 3 - X: 10.000000, Y: 10.000000 - Selected corner"),
              std::string::npos)
        << page;
    EXPECT_NE(page.find("Criteria for finding critical radius:"), std::string::npos);
    EXPECT_NE(page.find("Circles with radius = 8.000"), std::string::npos) << page;
    std::string tip;
    ASSERT_TRUE(AnalysisToolTip(a, {46, {}, 3, -1}, tip));
    EXPECT_EQ(tip, "Fixed Grid Corner  No. 3\nX: 10.000, Y: 10.000");
}

TEST_F(AnalysisPickingTest, PagesAndTipsOfTheTrialSurface) {
    std::string tip;
    ASSERT_TRUE(AnalysisToolTip(a, {53, {}, 0, -1}, tip));
    EXPECT_EQ(tip, "Individual circle analyzed\nX-center: 50.00\nY-center: 50.00\nRadius: 20.00");
    EXPECT_FALSE(AnalysisToolTip(a, {7, {}, 0, -1}, tip));

    ASSERT_TRUE(DescribeAnalysisSelection(fakes.infoWindow, a, {53, {}, 0, -1}));
    std::string page = fakes.infoWindow.Dump();
    EXPECT_NE(page.find("Center of initial trial circle selected"), std::string::npos);
    EXPECT_NE(page.find("Center point - X: 50.000000, Y: 50.000000"), std::string::npos);
    EXPECT_NE(page.find("Procedure of analysis: Spencer"), std::string::npos) << page;

    A n;
    n.SetDataDefined(true);
    n.SetCircular(false);
    n.SetMode(A::kSearchType1);
    n.GetNoncircularPointList().AddPoint(0, 10, 0, false, false);
    n.GetNoncircularPointList().AddPoint(10, 0, 45, true, false);
    n.GetNoncircularPointList().AddPoint(20, 5, 0, true, true);
    n.SetProcedure(A::kMorgensternPrice);
    n.GetSideForceFunctions().SetPriceFOption(1);
    n.GetSideForceFunctions().SetParameter(1, 0.25);
    auto hits = FindAnalysisCandidates(n, 10.2, 0.1, 0.5);
    ASSERT_EQ(Kinds(hits), (std::vector<int>{54, 55}));
    ASSERT_TRUE(AnalysisToolTip(n, hits[0], tip));
    EXPECT_EQ(
        tip,
        "Initial trial slip surface\nPoint No. 2\nX: 10.000, Y: 0.000\nMoveable, angle: 45.00");
    ASSERT_TRUE(DescribeAnalysisSelection(fakes.infoWindow, n, hits[0]));
    page = fakes.infoWindow.Dump();
    EXPECT_NE(page.find("Point on initial trial noncircular slip surface selected."),
              std::string::npos)
        << page;
    EXPECT_NE(page.find("Point is moveable - shift direction angle: 45.00"), std::string::npos);
    EXPECT_NE(page.find("Moveable - shift direction angle: 45.00 - Selected point"),
              std::string::npos)
        << page;
    EXPECT_NE(page.find("f(x) is a linear function"), std::string::npos) << page;
    EXPECT_NE(page.find("0.250"), std::string::npos);
}

TEST_F(AnalysisPickingTest, IrregularTangentLinePointsSegmentsAndTheirPage) {
    a.SetRadiusOption(2);
    Cpp_TangentLine& t = *a.GetTangentLine();
    t.ChangeOption(Cpp_TangentLine::kIrregular);
    t.AddPoint(0, 10);
    t.AddPoint(20, 20);
    t.AddPoint(40, 20);
    // The point and the nearest of its segments; away from points only the segment.
    auto hits = FindAnalysisCandidates(a, 20.2, 19.9, 0.5);
    ASSERT_EQ(Kinds(hits), (std::vector<int>{142, 144}));
    EXPECT_EQ(hits[0].index, 1);
    hits = FindAnalysisCandidates(a, 10, 15.1, 0.5, false, true);
    ASSERT_EQ(Kinds(hits), (std::vector<int>{144}));
    EXPECT_EQ(hits[0].index, 0);

    ASSERT_TRUE(DescribeAnalysisSelection(fakes.infoWindow, a, hits[0]));
    const std::string page = fakes.infoWindow.Dump();
    for (const char* text :
         {"Irregular tangent line segment selected:", "First point - X: 0.000000 , Y: 10.000000",
          "Slope  of segment - Vertical:Horizontal (dy/dx): 0.5000",
          "Slope ratio of segment - Horizontal:Vertical (dx/dy): 2.0000",
          "Slope angle from horizontal (degrees): 26.57",
          "X: 20.000000, Y: 20.000000  - Second point selected"})
        EXPECT_NE(page.find(text), std::string::npos) << text << "\n" << page;
}

}  // namespace
