#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <sstream>

#include "analysis/analysis_computation_data.h"
#include "core/text_exception.h"

namespace {

constexpr double kDeg = std::numbers::pi / 180.0;

TEST(AnalysisComputationData, ResetGivesDocumentedDefaults) {
    Cpp_AnalysisComputationData a;
    EXPECT_TRUE(a.IsCircular());
    EXPECT_EQ(a.GetMode(), 0);
    EXPECT_FALSE(a.HasData());
    EXPECT_NEAR(a.GetSubtendedAngle(), 0.0523599, 1e-7);
    EXPECT_EQ(a.GetTrialFactorOfSafety(), 3.0);
    EXPECT_EQ(a.GetSideForceInclination(), 0.3);
    EXPECT_NEAR(a.GetNegativeSideForceLimit(), -10 * kDeg, 1e-9);
    EXPECT_EQ(a.GetIterationLimit(), 100);
    EXPECT_EQ(a.GetIncrements(), 30);
    EXPECT_EQ(a.GetMaximumSteepness(), 50.0);
    EXPECT_EQ(a.NumberOfStages(), 1);
}

TEST(AnalysisComputationData, ShapeChangeRestoresCircleValuesOnly) {
    Cpp_AnalysisComputationData a;
    a.SetMode(3);
    a.SetProcedure(2);
    a.SetTrialFactorOfSafety(1.7);
    a.SetMinimumGridSpacing(4.0);
    a.SetLowestCenter(true, 12.0);
    a.SetNoInvertedCircles(true);
    a.SetCircular(false);
    a.SetCircular(true);
    double y = 0;
    EXPECT_EQ(a.GetMinimumGridSpacing(), 1.0);
    EXPECT_FALSE(a.GetLowestCenter(y));
    EXPECT_FALSE(a.NoInvertedCircles());
    EXPECT_EQ(a.GetMode(), 3);
    EXPECT_EQ(a.GetProcedure(), 2);
    EXPECT_EQ(a.GetTrialFactorOfSafety(), 1.7);
}

TEST(AnalysisComputationData, SmallOperations) {
    Cpp_AnalysisComputationData a;
    a.SetMode(5);
    a.SetRadius(7.0);
    a.SetThroughPoint(3.0, 4.0);
    EXPECT_EQ(a.GetRadius(), 7.0);
    EXPECT_EQ(a.GetThroughPointX(), 3.0);

    a.SetMode(1);
    a.SetCircleCenter(0.0, 0.0);
    a.SetThroughPoint(3.0, 4.0);
    EXPECT_EQ(a.GetRadius(), 5.0);

    a.SetStages(true, true);
    EXPECT_EQ(a.NumberOfStages(), 3);

    a.SetSaveFactorRange(-1.0, 2.0);
    double fmin = 9, fmax = 9;
    a.GetSaveFactorRange(fmin, fmax);
    EXPECT_EQ(a.GetSaveOption(), 0);
    EXPECT_EQ(fmin, 0.0);
    EXPECT_EQ(fmax, 0.0);

    a.SetRestriction('A', 'S', 10.0, 40.0);
    a.SetRestriction('X', 'S', 1.0, 2.0);
    bool set = false;
    double lo = 0, hi = 0;
    ASSERT_TRUE(a.GetRestriction(Cpp_AnalysisComputationData::kAbsoluteSome, set, lo, hi));
    EXPECT_TRUE(set);
    EXPECT_EQ(lo, 10.0);
    EXPECT_FALSE(a.GetRestriction(4, set, lo, hi));

    a.SetCircular(false);
    EXPECT_THROW(a.GetRadiusOption(),
                 Cpp_AnalysisComputationData::Exc_AccessedCircleDataWhenNoncircular);
}

TEST(AnalysisComputationData, InitialCentreAndCircleByMode) {
    Cpp_AnalysisComputationData a;
    a.SetMode(3);
    a.SetStartCenter(10, 50);
    a.SetRadiusOption(2);
    a.GetTangentLine()->ChangeOption(0);
    a.GetTangentLine()->SetElevation(20);
    EXPECT_EQ(a.InitialCenter().y, 50.0);
    EXPECT_EQ(a.InitialCircle().Radius(), 30.0);
    a.SetMode(4);
    EXPECT_THROW(a.InitialCenter(), Cpp_TextException);
    a.SetCircular(false);
    EXPECT_EQ(a.InitialCircle().Radius(), 0.0);
}

TEST(AnalysisComputationData, RescaleMovesEveryCoordinate) {
    Cpp_AnalysisComputationData a;
    a.SetDataDefined(true);
    a.SetMode(1);
    a.SetCircleCenter(1, 2);
    a.SetRadiusOption(2);
    a.GetTangentLine()->ChangeOption(1);
    a.GetTangentLine()->AddPoint(0, 0);
    a.GetTangentLine()->AddPoint(10, 1);
    a.Rescale(2, 1, 3, -1);
    EXPECT_EQ(a.GetCircleCenter().x, 3.0);
    EXPECT_EQ(a.GetCircleCenter().y, 5.0);
    EXPECT_EQ(a.GetTangentLine()->Points()[1].x, 21.0);
    EXPECT_EQ(a.GetTangentLine()->Points()[1].y, 2.0);

    Cpp_AnalysisComputationData n;
    n.SetDataDefined(true);
    n.SetCircular(false);
    n.SetMode(3);
    n.GetNoncircularPointList().AddPoint(1, 1, 0, true, true);
    n.Rescale(2, 0, 2, 0);
    EXPECT_EQ(n.GetNoncircularPointList().Points()[0].X(), 2.0);
}

TEST(TangentLine, RadiusForCentre) {
    Cpp_TangentLine t;
    EXPECT_THROW(t.GetRadius(0, 0), Cpp_TangentLine::Exc_MissingTangentLineOption);
    t.ChangeOption(0);
    t.SetElevation(10);
    EXPECT_EQ(t.GetRadius(0, 25), 15.0);
    EXPECT_EQ(t.GetRadius(0, 5), -5.0);

    t.ChangeOption(1);
    t.AddPoint(0, 0);
    EXPECT_EQ(t.GetRadius(5, 5), 0.0);
    t.AddPoint(10, 0);
    EXPECT_DOUBLE_EQ(t.GetRadius(5, 5), 5.0 * (1 - 1e-10));
    EXPECT_DOUBLE_EQ(t.GetRadius(13, 4), 5.0 * (1 - 1e-10));
    EXPECT_FALSE(t.SetElevation(3));
    t.ChangeOption(1);
    EXPECT_EQ(t.NumberOfPoints(), 0);
}

TEST(TangentLine, IrregularLineIsNeverWrittenWithInventedPoints) {
    Cpp_TangentLine t;
    t.ChangeOption(1);
    t.AddPoint(1.5, 2.5);
    std::ostringstream out;
    ASSERT_TRUE(t.WriteKLIVEN4InputDataFile(out));
    EXPECT_EQ(out.str(), "     Tangent line follows -\n          1.500000     2.500000\n\n");
    Cpp_TangentLine undefined;
    std::ostringstream none;
    EXPECT_FALSE(undefined.WriteKLIVEN4InputDataFile(none));
}

TEST(RadiusDefinitions, RadiusAndControl) {
    Cpp_RadiusDefinitionList list;
    list.AddFixedPoint(0, 0);
    auto* t = list.AddTangentLine();
    t->GetTangentLine()->ChangeOption(0);
    t->GetTangentLine()->SetElevation(1);
    list.AddGivenRadius(12.5);
    EXPECT_EQ(list.GetNth(1)->RadiusForCenter(3, 4), 5.0);
    EXPECT_EQ(list.GetNth(2)->RadiusForCenter(3, 4), 3.0);
    EXPECT_EQ(list.GetNth(4), nullptr);
    EXPECT_THROW(list.GetNth(1)->GetGivenRadius(),
                 Cpp_RadiusDefinition::Exc_RadiusDefinitionOptionNotGivenRadius);
    auto bad = Cpp_RadiusDefinition::WithOption(3);
    EXPECT_THROW(bad.RadiusForCenter(0, 0), Cpp_RadiusDefinition::Exc_BadRadiusDefinitionOption);
    EXPECT_EQ(bad.RadiusAt(0, 0), 0.0);

    std::vector<Cpp_RadiusDefinition> table;
    int count = 0;
    list.FindSingleTangentLineDefinitions(table, count);
    ASSERT_EQ(count, 3);
    Cpp_RadiusDefinitionList rebuilt;
    rebuilt.CopyControl(list);
    rebuilt.SetFromTable(table.data(), count);
    EXPECT_TRUE(rebuilt == list);

    Cpp_RadiusDefinitionList copy = list;
    EXPECT_TRUE(copy == list);
    EXPECT_TRUE(list.RemoveNth(2));
    EXPECT_FALSE(list.RemoveNth(3));
    EXPECT_EQ(list.GetCount(), 2);
    EXPECT_EQ(copy.GetCount(), 3);

    std::ostringstream out;
    Cpp_RadiusDefinitionList one;
    one.SetIncrementControl(5, 0.5);
    one.AddGivenRadius(12.5);
    one.WriteKLIVEN4InputDataFile(out);
    EXPECT_EQ(out.str(),
              "                   5       0.50\n          Radius\n                    12.50\n\n");
}

TEST(FixedSearchGrid, GeometryOfCornersAndLine) {
    Cpp_FixedSearchGrid g;
    g.Clear();
    EXPECT_TRUE(g.Compare());
    g.SetCorner(1, 0, 0);
    g.SetCorner(2, 10, 0);
    g.SetCorner(3, 10, 20);
    g.SetCorner(4, 0, 20);
    EXPECT_FALSE(g.SetCorner(5, 1, 1));
    EXPECT_FALSE(g.Compare());
    EXPECT_EQ(g.Center().x, 5.0);
    EXPECT_EQ(g.Center().y, 10.0);
    EXPECT_EQ(g.GridPoint(1, 1).x, 10.0);
    EXPECT_EQ(g.GridPoint(0.5, 0.5).y, 10.0);
    g.SetLine(true);
    EXPECT_EQ(g.Center().y, 0.0);
    g.SetCorner(2, 0, 0);
    EXPECT_TRUE(g.Compare());
    g.SetDefaultCounts();
    EXPECT_EQ(g.PointsAcross(), 7);
}

TEST(AnalysisWriter, FreshAndNoneBlocks) {
    Cpp_AnalysisComputationData a;
    std::ostringstream empty;
    a.WriteKLIVEN4InputDataFile(empty);
    EXPECT_EQ(empty.str(), "");
    a.SetDataDefined(true);
    std::ostringstream none;
    a.WriteKLIVEN4InputDataFile(none);
    EXPECT_EQ(none.str(),
              "ANAlysis/computation data follow\nNONE - Recognized by preprocessor only\n\n");
}

}  // namespace
