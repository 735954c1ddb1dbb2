// A block written by the program reads back into the same data, for every mode and every
// sub-command the writer writes.

#include <functional>
#include <numbers>

#include "block_fixture.h"

namespace {

using A = Cpp_AnalysisComputationData;
constexpr double kDeg = std::numbers::pi / 180.0;

struct RoundTripCase {
    const char* name;
    std::function<void(A&)> build;
};

void Circle(A& a, int mode) {
    a.SetDataDefined(true);
    a.SetCircular(true);
    a.SetMode(mode);
}

void Noncircular(A& a, int mode) {
    a.SetDataDefined(true);
    a.SetCircular(false);
    a.SetMode(mode);
}

void FillRadiusDefinitions(A& a) {
    Cpp_RadiusDefinitionList list;
    list.SetIncrementControl(12, 0.0125);
    list.AddFixedPoint(10.123456789, -3.5);
    auto* h = list.AddTangentLine();
    h->GetTangentLine()->ChangeOption(0);
    h->GetTangentLine()->SetElevation(7.0000001);
    auto* t = list.AddTangentLine();
    t->GetTangentLine()->ChangeOption(1);
    t->GetTangentLine()->AddPoint(0, 1);
    t->GetTangentLine()->AddPoint(20, 2.25);
    t->GetTangentLine()->AddPoint(40, 1.5);
    list.AddGivenRadius(12.3456);
    a.SetRadiusDefinitionList(list);
}

void MorgensternPrice(A& a, int option) {
    Circle(a, 1);
    a.SetCircleCenter(10, 20);
    a.SetRadius(15);
    a.SetProcedure(A::kMorgensternPrice);
    auto& f = a.GetSideForceFunctions();
    f.SetKind(Cpp_SideForceFunctions::kMorgensternPrice);
    f.SetPriceFOption(option);
    f.SetParameter(1, 0.25);
    f.SetParameter(2, 0.75);
    f.SetParameter(3, 0.2);
    f.SetParameter(4, 0.8);
    f.SetAmplitude(0.3333333);
    f.SetSlopeParameter(1, 0.5);
    f.SetSlopeParameter(2, 12.5);
    f.AddCustomPoint(0, 0);
    f.AddCustomPoint(0.4, 0.9);
    f.AddCustomPoint(1, 0.1);
}

const RoundTripCase kCases[] = {
    {"none", [](A& a) { Circle(a, 0); }},
    {"circle with radius",
     [](A& a) {
         Circle(a, 1);
         a.SetCircleCenter(10.123456789, 20.5);
         a.SetRadius(5.0000001);
     }},
    {"circle through point",
     [](A& a) {
         Circle(a, 1);
         a.SetCircleCenter(10, 20);
         a.SetRadiusOption(1);
         a.SetThroughPoint(13.3333333333, 16);
     }},
    {"circle tangent to horizontal line",
     [](A& a) {
         Circle(a, 1);
         a.SetCircleCenter(10, 20);
         a.SetRadiusOption(2);
         a.GetTangentLine()->ChangeOption(0);
         a.GetTangentLine()->SetElevation(3.25);
         a.SetRadius(16.75);
     }},
    {"circle tangent to irregular line",
     [](A& a) {
         Circle(a, 1);
         a.SetCircleCenter(10, 20);
         a.SetRadiusOption(2);
         a.GetTangentLine()->ChangeOption(1);
         a.GetTangentLine()->AddPoint(0, 0);
         a.GetTangentLine()->AddPoint(10, 1);
         a.GetTangentLine()->AddPoint(30, -2.0000001);
     }},
    {"search 1 with radius and limits",
     [](A& a) {
         Circle(a, 3);
         a.SetStartCenter(15.5, 40.25);
         a.SetMinimumGridSpacing(0.0005);
         a.SetLowestSlipSurfaceElevation(-10);
         a.SetLowestCenter(true, 22.125);
         a.SetNoInvertedCircles(true);
         a.SetRadius(30.000001);
         a.SetMaximumTrialGrids(20);
         a.SetContinueToCritical(false);
     }},
    {"search 1 through point",
     [](A& a) {
         Circle(a, 3);
         a.SetStartCenter(15, 40);
         a.SetRadiusOption(1);
         a.SetThroughPoint(0.1234567891, 5);
     }},
    {"search 1 tangent line",
     [](A& a) {
         Circle(a, 3);
         a.SetStartCenter(15, 40);
         a.SetRadiusOption(2);
         a.GetTangentLine()->ChangeOption(1);
         a.GetTangentLine()->AddPoint(-5, 2);
         a.GetTangentLine()->AddPoint(50, 3);
     }},
    {"search 2 quadrilateral",
     [](A& a) {
         Circle(a, 4);
         auto& g = a.GetFixedSearchGrid();
         g.SetCounts(5, 9);
         g.SetCorner(1, 0, 10);
         g.SetCorner(2, 20.0000001, 10);
         g.SetCorner(3, 20, 30);
         g.SetCorner(4, 0, 30.5);
         FillRadiusDefinitions(a);
         a.GetRadiusDefinitionList().SetSortRadii(false);
     }},
    {"search 2 line",
     [](A& a) {
         Circle(a, 4);
         auto& g = a.GetFixedSearchGrid();
         g.SetLine(true);
         g.SetCounts(11, 11);
         g.SetCorner(1, 0, 10);
         g.SetCorner(2, 20, 30.123);
         FillRadiusDefinitions(a);
     }},
    {"interactive",
     [](A& a) {
         Circle(a, 5);
         FillRadiusDefinitions(a);
     }},
    {"individual noncircular",
     [](A& a) {
         Noncircular(a, 1);
         auto& s = a.GetNoncircularPointList();
         for (int i = 0; i < 12; ++i) s.AddPoint(i * 3.5, 10 - i * 0.3333333, 0, true, true);
         a.SetNoncircularSubdivision(0, 2.5);
     }},
    {"noncircular search",
     [](A& a) {
         Noncircular(a, 3);
         auto& s = a.GetNoncircularPointList();
         s.AddPoint(0, 10, 0, false, false);
         s.AddPoint(10, 5, 0, true, true);
         s.AddPoint(20, 3, -33.3333333, true, false);
         s.AddPoint(30, 10, 0, false, false);
         a.SetShiftDistances(2.5, 0.05);
         a.SetMaximumSteepness(55.5);
         a.SetMaximumPasses(80);
         a.SetNoncircularSubdivision(45, 0);
     }},
    {"solution controls and search options",
     [](A& a) {
         Circle(a, 3);
         a.SetStartCenter(15, 40);
         a.SetRadius(30);
         a.SetProcedure(A::kCorps);
         a.SetCorpsSideForceInclination(12.5);
         a.SetSeismic(0.15, 2);
         a.SetStages(true, false);
         a.SetOppositeSignConvention(true);
         a.SetFace(1);
         a.SetMinimumWeight(0.0005);
         a.SetSliceSubdivision(2.5, 0);
         a.SetTrialFactorOfSafety(1.23456);
         a.SetSideForceInclination(10 * kDeg);
         a.SetIterationLimit(150);
         a.SetNegativeSideForceLimit(-5 * kDeg);
         a.SetForceImbalance(0, 0.25);
         a.SetMomentImbalance(1, 2.5e-7);
         a.SetExitAngle(true, 30 * kDeg);
         a.SetSaveCount(5);
         a.SetRestriction('A', 'E', 0, 100.5);
         a.SetRestriction('A', 'S', 10, 40);
         a.SetRestriction('R', 'E', -50, 50);
         a.SetRestriction('R', 'S', -5.125, 5);
         a.SetChangeTrialF(true);
         a.SetTotalShearForce(true);
         a.SetSaveSearchSequence(true, 3);
         a.SetShortOutput(true);
         auto& r = a.GetSearchRefinement();
         r.on = true;
         r.refinements = 2;
         r.subdivisionsPerRefinement = 3;
         r.initialShift = 4.5;
         r.finalShift = 0.25;
         r.maximumToeSteepness = 45;
         r.subdivisionOption = 1;
         r.subtendedAngle = 2.5;
         a.SetPropertyLines(true, -20.5, {1.5, 30, 60.25});
     }},
    {"crack and water by points",
     [](A& a) {
         Circle(a, 1);
         a.SetCircleCenter(10, 20);
         a.SetRadius(15);
         Cpp_Crack& c = a.GetCrack();
         c.SetCrackOption(1);
         c.SetCrackConstant(3.5);
         c.SetWaterOption(4);
         c.WaterPointList().AddPoint(0, 12.5);
         c.WaterPointList().AddPoint(30, 13.0000001);
         c.SetUnitWeightOfWater(9.81);
         a.SetStages(false, true);
     }},
    {"crack elevation and water depth by points",
     [](A& a) {
         Noncircular(a, 1);
         a.GetNoncircularPointList().AddPoint(0, 1, 0, true, true);
         a.GetNoncircularPointList().AddPoint(5, 0, 0, true, true);
         Cpp_Crack& c = a.GetCrack();
         c.SetCrackOption(2);
         c.SetCrackConstant(-3.5);
         c.SetWaterOption(3);
         c.WaterPointList().AddPoint(0, 1);
         c.WaterPointList().AddPoint(30, 2);
         a.SetFace(2);
         a.SetSaveFactorRange(1.1, 1.5);
     }},
    {"Chen and Morgenstern with custom f(x) and given ends",
     [](A& a) {
         Circle(a, 1);
         a.SetCircleCenter(10, 20);
         a.SetRadius(15);
         a.SetProcedure(A::kChenMorgenstern);
         auto& f = a.GetSideForceFunctions();
         f.SetKind(Cpp_SideForceFunctions::kChenMorgenstern);
         f.SetChenFOption(3);
         f.AddCustomPoint(0, 0);
         f.AddCustomPoint(0.5, 1.0000001);
         f.AddCustomPoint(1, 0);
         f.SetChenGOption(0);
         f.SetLeftEnd(true, 0.5);
         f.SetRightEnd(true, 0.8);
         a.SetLambda(1, 0.25, -0.5, 0.75, 0.05);
     }},
    {"Chen and Morgenstern half-sine",
     [](A& a) {
         Circle(a, 1);
         a.SetCircleCenter(10, 20);
         a.SetRadius(15);
         a.SetProcedure(A::kChenMorgenstern);
         auto& f = a.GetSideForceFunctions();
         f.SetKind(Cpp_SideForceFunctions::kChenMorgenstern);
         f.SetChenFOption(0);
         f.SetAmplitude(1.25);
         f.SetChenGOption(2);
         f.SetGAmplitude(0.333333);
     }},
    {"Morgenstern and Price linear", [](A& a) { MorgensternPrice(a, 1); }},
    {"Morgenstern and Price trapezoid", [](A& a) { MorgensternPrice(a, 2); }},
    {"Morgenstern and Price trapezoid and half sine", [](A& a) { MorgensternPrice(a, 7); }},
    {"Morgenstern and Price custom", [](A& a) { MorgensternPrice(a, 10); }},
    {"Morgenstern and Price slope change", [](A& a) { MorgensternPrice(a, 11); }},
    {"Morgenstern and Price half sine", [](A& a) { MorgensternPrice(a, 3); }},
    {"noncircular base length and older steepness",
     [](A& a) {
         Noncircular(a, 3);
         a.GetNoncircularPointList().AddPoint(0, 10, 0, true, true);
         a.GetNoncircularPointList().AddPoint(10, 5, 0, true, true);
         a.SetNoncircularSubdivision(0, 1.75);
         a.SetProcedure(A::kLoweKarafiath);
     }},
    {"arc length and Bishop",
     [](A& a) {
         Circle(a, 1);
         a.SetCircleCenter(1, 2);
         a.SetRadius(3);
         a.SetSliceSubdivision(0, 4.125);
         a.SetProcedure(A::kBishop);
     }},
};

class BlockRoundTrip : public AnalysisBlockTest,
                       public ::testing::WithParamInterface<RoundTripCase> {};

TEST_P(BlockRoundTrip, WrittenBlockReadsBackIntoEqualData) {
    A original;
    GetParam().build(original);
    const std::string written = Write(original);
    A back;
    ASSERT_TRUE(Read(back, Body(written))) << written << listing_;
    EXPECT_EQ(Write(back), written) << listing_;
    EXPECT_EQ(back.GetMode(), original.GetMode());
    EXPECT_EQ(back.IsCircular(), original.IsCircular());
}

INSTANTIATE_TEST_SUITE_P(EveryMode, BlockRoundTrip, ::testing::ValuesIn(kCases),
                         [](const auto& info) {
                             std::string name;
                             for (const char* p = info.param.name; *p; ++p)
                                 name += std::isalnum(static_cast<unsigned char>(*p)) ? *p : '_';
                             return name;
                         });

TEST_F(AnalysisBlockTest, ValuesReadBackAsThemselves) {
    A a;
    kCases[13].build(a);  // solution controls
    A b;
    ASSERT_TRUE(Read(b, Body(Write(a)))) << listing_;
    int fo, mo;
    double f, m, w;
    b.GetImbalance(fo, f, mo, m, w);
    EXPECT_EQ(fo, 0);
    EXPECT_EQ(f, 0.25);
    EXPECT_EQ(mo, 1);
    EXPECT_EQ(m, 2.5e-7);
    EXPECT_EQ(w, 0.0005);
    EXPECT_EQ(b.GetSideForceInclination(), a.GetSideForceInclination());
    EXPECT_EQ(b.GetNegativeSideForceLimit(), a.GetNegativeSideForceLimit());
    EXPECT_EQ(b.GetCorpsSideForceInclination(), a.GetCorpsSideForceInclination());
    EXPECT_EQ(b.GetProcedure(), A::kCorps);
    EXPECT_EQ(b.GetTrialFactorOfSafety(), 1.23456);
    EXPECT_TRUE(b.GetChangeTrialF());
    EXPECT_TRUE(b.GetTotalShearForce());
    EXPECT_TRUE(b.GetShortOutput());
    int interval = 0;
    EXPECT_TRUE(b.GetSaveSearchSequence(interval));
    EXPECT_EQ(interval, 3);
    EXPECT_TRUE(b.GetSearchRefinement().on);
    EXPECT_EQ(b.GetPropertyLineX().size(), 3u);

    A grid;
    kCases[8].build(grid);
    A gridBack;
    ASSERT_TRUE(Read(gridBack, Body(Write(grid)))) << listing_;
    EXPECT_TRUE(gridBack.GetRadiusDefinitionList() == grid.GetRadiusDefinitionList());
    EXPECT_TRUE(gridBack.GetFixedSearchGrid() == grid.GetFixedSearchGrid());
    EXPECT_FALSE(gridBack.GetRadiusDefinitionList().GetSortRadii());

    A line;
    kCases[9].build(line);
    A lineBack;
    ASSERT_TRUE(Read(lineBack, Body(Write(line)))) << listing_;
    EXPECT_TRUE(lineBack.GetFixedSearchGrid().IsLine());
    EXPECT_TRUE(lineBack.GetFixedSearchGrid() == line.GetFixedSearchGrid());
}

}  // namespace
