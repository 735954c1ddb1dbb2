// Geogrids: the GEO block and the reinforcement generated for a small reinforced wall.

#include <gtest/gtest.h>

#include "core/units.h"
#include "graphics/line.h"
#include "loads/geogrid_data.h"
#include "loads/reinforcement_line.h"
#include "loads_test_support.h"
#include "support/fake_services.h"

namespace {

// A vertical face 10 high at x = 0 with the fill behind it, facing left.
Cpp_Line Wall() {
    Cpp_Line slope;
    slope.AddPoint(-20, 0);
    slope.AddPoint(0, 0);
    slope.AddPoint(0, 10);
    slope.AddPoint(40, 10);
    return slope;
}

// Unit weight 100 under the surface.
bool Overburden(double, double y, double surface, double& stress) {
    stress = 100.0 * (surface - y);
    return true;
}

// F* = 0.5 and alpha 1: p = 2 * 0.5 * 500 = 500 per unit length at depth 5; Ta 2000 lb/ft.
Cpp_GeogridProperties GridType() {
    Cpp_GeogridProperties p;
    p.name = "Grid A";
    p.allowableStrength = {2000, 0};
    p.fStar = 0.5;
    return p;
}

Cpp_GeogridLayout Layout(double ylow, double s, double low, double high, int n) {
    Cpp_GeogridLayout l;
    l.lowestElevation = {ylow, LengthFeet};
    l.verticalSpacing = {s, LengthFeet};
    l.lowestLength = {low, LengthFeet};
    l.highestLength = {high, LengthFeet};
    l.numberOfLayers = n;
    return l;
}

class GeogridData : public ::testing::Test {
protected:
    void SetUp() override {
        ResetUnits();
        data.Properties().push_back(GridType());
        dialogs.geogridOptions.numberOfIncrements = 10;
    }
    bool Generate() {
        return data.GenerateReinforcementLines(list, Overburden, Wall(), 1e-8, nullptr);
    }
    std::vector<s_ReinforcementLinePtType> Points(int i) const {
        std::vector<s_ReinforcementLinePtType> pts;
        list.ReinforcementLineAt(i)->CopyPointsToArray(pts);
        return pts;
    }
    void ExpectPoints(int i, const std::vector<std::pair<double, double>>& expected) const {
        const auto pts = Points(i);
        ASSERT_EQ(pts.size(), expected.size()) << "line " << i;
        for (size_t k = 0; k < pts.size(); ++k) {
            EXPECT_NEAR(pts[k].x, expected[k].first, 1e-9) << "line " << i << " point " << k;
            EXPECT_NEAR(pts[k].longitudinalForce, expected[k].second, 1e-6)
                << "line " << i << " point " << k;
        }
    }

    testsupport::FakeServices fakes;
    ScriptedGenerationDialogs dialogs;
    Cpp_GeogridData data;
    Cpp_ReinforcementLineList list;
};

TEST_F(GeogridData, OneLayerRisesToAllowableHoldsItAndFallsToTheEnd) {
    data.Layouts().push_back(Layout(5, 0, 10, 10, 1));
    ASSERT_TRUE(Generate());
    EXPECT_TRUE(fakes.messageBoxes.Texts().empty());
    ASSERT_EQ(list.Count(), 1);
    EXPECT_EQ(list.ReinforcementLineAt(0)->Description(), "Goegrid number 1");
    ExpectPoints(0, {{0, 0}, {4, 2000}, {6, 2000}, {10, 0}});
    EXPECT_EQ(Points(0)[2].y, 5.0);
}

TEST_F(GeogridData, LayoutLayersTakeTheirElevationsAndLengths) {
    data.Layouts().push_back(Layout(2, 2, 10, 14, 3));
    ASSERT_TRUE(Generate());
    ASSERT_EQ(list.Count(), 3);
    const double ys[] = {2, 4, 6}, lengths[] = {10, 12, 14};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(Points(i).front().y, ys[i]);
        EXPECT_NEAR(Points(i).back().x, lengths[i], 1e-9);
        EXPECT_EQ(list.ReinforcementLineAt(i)->GetNumber(), i + 1);
    }
}

// Regression: Ta entered in kN/m is compared in the generation's N/m.
TEST_F(GeogridData, AllowableForceIsConvertedToTheGenerationUnits) {
    SetUnitSystem(UnitSystemSI);
    data.Properties()[0].allowableStrength = {2, 12};  // kN/m
    data.Layouts().push_back(Layout(5, 0, 10, 10, 1));
    data.Layouts()[0].lowestElevation = {5, LengthMeters};
    data.Layouts()[0].lowestLength = {10, LengthMeters};
    data.Layouts()[0].highestLength = {10, LengthMeters};
    ASSERT_TRUE(Generate());
    EXPECT_EQ(dialogs.seenGeogridOptions.lengthUnit, LengthMeters);
    EXPECT_EQ(dialogs.seenGeogridOptions.forceUnit, ForceNewtons);
    ExpectPoints(0, {{0, 0}, {4, 2000}, {6, 2000}, {10, 0}});
    ResetUnits();
}

TEST_F(GeogridData, ShortGridPeaksAtTheCrossingUnlessStopped) {
    data.Layouts().push_back(Layout(5, 0, 3, 3, 1));
    dialogs.geogridOptions.stopIfNotDeveloped = false;
    ASSERT_TRUE(Generate());
    ExpectPoints(0, {{0, 0}, {1.5, 750}, {3, 0}});

    list.DeleteAllLines();
    list.AddNewLine(1, "mine", 0, 1)->AddPoint(0, 0, 1, 0);
    dialogs.geogridOptions.stopIfNotDeveloped = true;
    EXPECT_FALSE(Generate());
    EXPECT_EQ(fakes.messageBoxes.Texts().back(),
              "Insufficient pullout resistance to develop allowable force in geogrid.  Cannot "
              "generate reinforcement lines.");
    ASSERT_EQ(list.Count(), 1);
    EXPECT_EQ(list.ReinforcementLineAt(0)->Description(), "mine");
}

TEST_F(GeogridData, StopsWithAMessageAndKeepsTheLines) {
    list.AddNewLine(3, "mine", 0, 1)->AddPoint(0, 0, 1, 0);
    data.Layouts().push_back(Layout(5, 10, 10, 10, 2));  // the second layer above the crest
    EXPECT_FALSE(Generate());
    EXPECT_EQ(fakes.messageBoxes.Texts().back(),
              "Geogrid layout number 1, layer number 2 at y = 15.000 (1.500000e+01) does not "
              "intersect the slope face.  Unable to generate the reinforcement lines.");
    EXPECT_EQ(list.Count(), 1);

    // A number of increments below 1 is refused.
    data.Layouts()[0].numberOfLayers = 1;
    dialogs.geogridOptions.numberOfIncrements = 0;
    EXPECT_FALSE(Generate());
    EXPECT_NE(fakes.messageBoxes.Texts().back().find("at least 1"), std::string::npos);
    EXPECT_EQ(list.Count(), 1);
}

// Regression: the geogrid transfer asks before deleting the user's lines.
TEST_F(GeogridData, TransferAsksAndNoKeepsTheUsersLines) {
    list.AddNewLine(1, "mine", 0, 1)->AddPoint(0, 0, 1, 0);
    data.GetIndividualGeogridList().AddGeogrid(5, 10, 0, 1);
    fakes.messageBoxes.answers.push_back(platform::BoxResult::No);
    ASSERT_TRUE(Generate());
    ASSERT_EQ(fakes.messageBoxes.requests.size(), 1u);
    EXPECT_EQ(fakes.messageBoxes.requests[0].caption, "Notice");
    ASSERT_EQ(list.Count(), 2);
    EXPECT_EQ(list.FindLine(1)->Description(), "mine");
    EXPECT_EQ(list.FindLine(2)->Description(), "Goegrid number 1");
    ExpectPoints(1, {{0, 0}, {4, 2000}, {6, 2000}, {10, 0}});
}

TEST_F(GeogridData, IncrementDistanceAndPropertyValues) {
    dialogs.geogridOptions.incrementOption = s_GeogridGenerationOptions::IncrementDistance;
    dialogs.geogridOptions.incrementDistance = 0.5;
    data.Layouts().push_back(Layout(5, 0, 10, 10, 1));
    ASSERT_TRUE(Generate());
    ExpectPoints(0, {{0, 0}, {4, 2000}, {6, 2000}, {10, 0}});

    Cpp_GeogridProperties p;
    p.strengthOption = Cpp_GeogridProperties::FromUltimateAndFactors;
    p.oneFactorOfSafety = false;
    p.ultimateStrength = {100, 0};
    p.fsInstallationDamage = 1.1;
    p.fsCreep = 1.5;
    p.fsChemical = 1.0;
    p.fsBiological = 1.2;
    p.fsJoints = 1.0;
    EXPECT_NEAR(p.AllowableStrength().value, 100 / 1.98, 1e-12);
    p.interactionOption = Cpp_GeogridProperties::InteractionFromEquation;
    p.rho = 30;
    p.alphaBeta = 0.5;
    p.fq = 2;
    EXPECT_NEAR(p.InteractionFactor(), 1.5773502691896257, 1e-12);
}

TEST_F(GeogridData, BlockWritesAndReadsBack) {
    data.layoutFacing = 2;
    data.Layouts().push_back(Layout(2, 2, 10, 14, 3));
    data.GetIndividualGeogridList().AddGeogrid(5, 10, 0, 2)->SetGeometry(1, 5, -9);
    const std::string text = WrittenText([&](std::FILE* f) { data.WriteKLIVEN4InputDataFile(f); });
    EXPECT_EQ(text.rfind("GEOgrid data data follow -\n"
                         "              1              1     2\n"
                         "Grid A\n"
                         "  0  0\n",
                         0),
              0u);
    // One blank fewer before the last three factors.
    EXPECT_NE(text.find("\n      1     1.00000     1.00000     1.00000    1.00000    1.00000"
                        "    1.00000\n"),
              std::string::npos);
    EXPECT_NE(text.find("     1 = Number of individual geogrids.\n"
                        "                   0         2              10.000\n"
                        "               1.000000000e+00     5.000000000e+00    -9.000000000e+00\n"),
              std::string::npos);

    Cpp_GeogridData back;
    TextInput in(text.substr(text.find('\n') + 1));
    ASSERT_TRUE(back.ReadInput(in.File(), nullptr));
    EXPECT_TRUE(fakes.messageBoxes.Texts().empty());
    EXPECT_EQ(back.layoutFacing, 2);
    ASSERT_EQ(back.Layouts().size(), 1u);
    EXPECT_EQ(back.Layouts()[0].highestLength.value, 14);
    EXPECT_EQ(back.Properties()[0].allowableStrength.value, 2000);
    ASSERT_EQ(back.GetIndividualGeogridList().Count(), 1);
    EXPECT_EQ(back.GetIndividualGeogridList().Geogrids()[0]->endX, -9);

    // A geogrid type outside the property sets is the block's error; the grid is dropped.
    std::string bad = text.substr(text.find('\n') + 1);
    bad.replace(bad.find("                   0         2"), 30, "                   4         2");
    Cpp_GeogridData refused;
    TextInput badIn(bad);
    EXPECT_FALSE(refused.ReadInput(badIn.File(), nullptr));
    EXPECT_EQ(refused.GetIndividualGeogridList().Count(), 0);
    EXPECT_EQ(fakes.messageBoxes.Texts().back(), "Error in reading data for geogrids");
}

}  // namespace
