// The data check of the analysis data and of a noncircular surface against the slope.

#include <functional>
#include <sstream>
#include <vector>

#include "block_fixture.h"
#include "profile/slope_geometry.h"

namespace {

bool Has(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

using A = Cpp_AnalysisComputationData;

class AnalysisCheckTest : public AnalysisBlockTest {
protected:
    bool Check(A& a, const s_SlopeLinesType& lines = {}) {
        std::FILE* out = std::tmpfile();
        const bool ok = a.Check(nullptr, lines, 1e-6, out);
        SetOutputFile(nullptr);
        Cpp_DataErrorOutput::SetErrorFile(nullptr);
        listing_ = FileText(out);
        std::fclose(out);
        return ok;
    }
};

void IndividualCircle(A& a) {
    a.SetDataDefined(true);
    a.SetMode(1);
    a.SetCircleCenter(10, 20);
    a.SetRadius(5);
}

void GoodGrid(A& a) {
    a.SetDataDefined(true);
    a.SetMode(4);
    auto& g = a.GetFixedSearchGrid();
    g.SetCounts(3, 3);
    g.SetCorner(1, 0, 10);
    g.SetCorner(2, 10, 10);
    g.SetCorner(3, 10, 20);
    g.SetCorner(4, 0, 20);
    Cpp_RadiusDefinitionList list;
    list.SetIncrementControl(5, 0.5);
    list.AddGivenRadius(10);
    a.SetRadiusDefinitionList(list);
}

void NoncircularSearch(A& a) {
    a.SetDataDefined(true);
    a.SetCircular(false);
    a.SetMode(3);
    a.GetNoncircularPointList().AddPoint(0, 5, 0, true, true);
    a.GetNoncircularPointList().AddPoint(10, 0, 0, true, true);
    a.GetNoncircularPointList().AddPoint(20, 5, 0, true, true);
}

struct CheckCase {
    const char* name;
    std::function<void(A&)> build;
    bool passes;
    std::vector<int> messages;
};

const std::vector<CheckCase>& Cases() {
    static const std::vector<CheckCase> cases = {
        {"no data", [](A&) {}, false, {7250}},
        {"block of NONE", [](A& a) { a.SetDataDefined(true); }, false, {7210}},
        {"interactive circles",
         [](A& a) {
             a.SetDataDefined(true);
             a.SetMode(5);
         },
         false,
         {7040}},
        {"good individual circle", IndividualCircle, true, {}},
        {"zero radius",
         [](A& a) {
             IndividualCircle(a);
             a.SetRadius(0);
         },
         false,
         {7050}},
        {"tangent line without option",
         [](A& a) {
             IndividualCircle(a);
             a.SetRadiusOption(2);
         },
         false,
         {7050}},
        {"irregular tangent line of one point",
         [](A& a) {
             IndividualCircle(a);
             a.SetRadiusOption(2);
             a.GetTangentLine()->ChangeOption(1);
             a.GetTangentLine()->AddPoint(1, 1);
         },
         false,
         {7050}},
        {"search 1 faults",
         [](A& a) {
             a.SetDataDefined(true);
             a.SetMode(3);
             a.SetStartCenter(0, 10);
             a.SetMinimumGridSpacing(0);
             a.SetLowestCenter(true, 12);
             a.SetRadius(0);
         },
         false,
         {7060, 7090, 7030}},
        {"good grid", GoodGrid, true, {}},
        {"grid never entered and no radius definitions",
         [](A& a) {
             a.SetDataDefined(true);
             a.SetMode(4);
         },
         false,
         {7210, 7120, 7140, 7130}},
        {"crossed grid",
         [](A& a) {
             GoodGrid(a);
             a.GetFixedSearchGrid().SetCorner(3, 0, 20);
             a.GetFixedSearchGrid().SetCorner(4, 10, 20);
         },
         false,
         {7110}},
        {"26 radius subdivisions",
         [](A& a) {
             GoodGrid(a);
             a.GetRadiusDefinitionList().SetIncrementControl(26, 0.5);
         },
         false,
         {7140}},
        {"radius definition by a tangent line of one point",
         [](A& a) {
             GoodGrid(a);
             auto* d = a.GetRadiusDefinitionList().AddTangentLine();
             d->GetTangentLine()->ChangeOption(1);
             d->GetTangentLine()->AddPoint(1, 1);
         },
         false,
         {7210}},
        {"no slice subdivision",
         [](A& a) {
             IndividualCircle(a);
             a.SetSliceSubdivision(0, 0);
         },
         false,
         {7260}},
        {"steep toe is a warning only",
         [](A& a) {
             NoncircularSearch(a);
             a.SetMaximumSteepness(40);
         },
         true,
         {7180}},
        {"shift distances and steepness",
         [](A& a) {
             NoncircularSearch(a);
             a.SetShiftDistances(0, 0.5);
             a.SetMaximumSteepness(95);
         },
         false,
         {7070, 7160, 7170}},
        {"Bishop for noncircular surfaces",
         [](A& a) {
             NoncircularSearch(a);
             a.SetProcedure(A::kBishop);
         },
         false,
         {7150}},
        {"moment fraction of one",
         [](A& a) {
             IndividualCircle(a);
             a.SetMomentImbalance(1, 1.0);
         },
         false,
         {7490}},
        {"force imbalance too large for the minimum weight",
         [](A& a) {
             IndividualCircle(a);
             a.SetForceImbalance(0, 1.0);
             a.SetMinimumWeight(500);
         },
         false,
         {7200}},
        {"no minimum weight for a fraction",
         [](A& a) {
             IndividualCircle(a);
             a.SetMinimumWeight(0);
         },
         false,
         {7470}},
        {"restrictions out of order",
         [](A& a) {
             IndividualCircle(a);
             a.SetRestriction('A', 'E', 50, 10);
             a.SetRestriction('A', 'S', 50, 10);
             a.SetRestriction('R', 'E', 50, 10);
         },
         false,
         {7000}},
        {"custom f(x) not from zero",
         [](A& a) {
             IndividualCircle(a);
             a.SetProcedure(A::kChenMorgenstern);
             auto& f = a.GetSideForceFunctions();
             f.SetChenFOption(3);
             f.SetChenGOption(0);
             f.AddCustomPoint(0.1, 0);
             f.AddCustomPoint(1, 0);
         },
         false,
         {7010}},
        {"Morgenstern-Price without f(x)",
         [](A& a) {
             IndividualCircle(a);
             a.SetProcedure(A::kMorgensternPrice);
         },
         false,
         {7210}},
    };
    return cases;
}

TEST_F(AnalysisCheckTest, EveryMessageWithItsResult) {
    for (const CheckCase& c : Cases()) {
        A a;
        c.build(a);
        EXPECT_EQ(Check(a), c.passes) << c.name << "\n" << listing_;
        for (int number : c.messages) {
            EXPECT_TRUE(Message(number)) << c.name << " " << number << "\n" << listing_;
        }
        if (c.messages.empty()) {
            EXPECT_EQ(listing_.find("KLIVEN"), std::string::npos) << c.name << listing_;
        }
    }
}

// Slope rising to the right: toe at y = 0 up to x = 10, crest at y = 10 from x = 20.
s_SlopeLinesType Slope(bool crack) {
    s_SlopeLinesType lines;
    lines.slope = {{0, 0}, {10, 0}, {20, 10}, {40, 10}};
    if (crack) lines.crackBottom = {{20, 7}, {40, 7}};
    return lines;
}

void Individual(A& a, std::vector<s_tagTypePointXY> points) {
    a.SetDataDefined(true);
    a.SetCircular(false);
    a.SetMode(1);
    for (const auto& p : points) a.GetNoncircularPointList().AddPoint(p.x, p.y, 0, true, true);
}

// Regression: interactive circles were refused with "mode could not be recognized"; the
// message says that they are not computed.
TEST_F(AnalysisCheckTest, InteractiveCirclesAreSaidNotToBeComputed) {
    A a;
    a.SetDataDefined(true);
    a.SetMode(5);
    EXPECT_FALSE(Check(a));
    EXPECT_TRUE(Listed("KLIVEN ERROR NUMBER 7040\n"
                       "ERROR IN ANALYSIS/COMPUTATION INPUT DATA.\n"
                       "Interactive circles (mode of computations 5) are not computed.\n"
                       "An individual shear surface or a search must be chosen for the "
                       "computations.\n"))
        << listing_;
    EXPECT_FALSE(Listed("could not be recognized")) << listing_;
}

// The computation gets the end points moved onto the slope and the crack bottom; the stored
// surface keeps the user's ends. Regression: the check moved the stored points, so every check,
// save and open moved FIXED ends again and the document changed on each save.
TEST_F(AnalysisCheckTest, EndPointsMoveOntoSlopeAndCrackBottom) {
    A a;
    Individual(a, {{3, 2}, {12, -3}, {25, 5}, {35, 9}});
    EXPECT_TRUE(Check(a, Slope(true))) << listing_;
    const auto& p = a.GetNoncircularPointList().PointsForComputation();
    EXPECT_NEAR(p.front().X(), 6.6, 1e-9);
    EXPECT_NEAR(p.front().Y(), 0.0, 1e-9);
    EXPECT_NEAR(p.back().X(), 30.0, 1e-9);
    EXPECT_NEAR(p.back().Y(), 7.0, 1e-9);
    EXPECT_TRUE(Listed("Adjustment was made to put end point at bottom of crack.\n"));
    EXPECT_TRUE(Listed("Noncircular Shear Surface Points After End Point Adjustment\n"));
    const auto& stored = a.GetNoncircularPointList().Points();
    EXPECT_EQ(stored.front().X(), 3.0);
    EXPECT_EQ(stored.front().Y(), 2.0);
    EXPECT_EQ(stored.back().X(), 35.0);
    std::ostringstream document, input;
    ASSERT_TRUE(a.WriteKLIVEN4InputDataFile(document, true));
    ASSERT_TRUE(a.WriteKLIVEN4InputDataFile(input, false));
    EXPECT_TRUE(Has(document.str(), "                 3.000000            2.000000\n"))
        << document.str();
    EXPECT_TRUE(Has(input.str(), "                 6.600000            0.000000\n")) << input.str();
    // A second check adjusts the same way, and an edit of the stored points is what counts.
    const std::string once = input.str();
    EXPECT_TRUE(Check(a, Slope(true))) << listing_;
    std::ostringstream again;
    ASSERT_TRUE(a.WriteKLIVEN4InputDataFile(again, false));
    EXPECT_EQ(again.str(), once);
    a.GetNoncircularPointList().Points()[0].SetXY(4, 2);
    EXPECT_EQ(a.GetNoncircularPointList().PointsForComputation().front().X(), 4.0);

    A noCrack;
    Individual(noCrack, {{3, 2}, {12, -3}, {25, 5}, {35, 9}});
    EXPECT_TRUE(Check(noCrack, Slope(false))) << listing_;
    EXPECT_NEAR(noCrack.GetNoncircularPointList().PointsForComputation().back().X(), 37.5, 1e-9);

    // Already on the slope: nothing is adjusted or echoed.
    A on;
    Individual(on, {{5, 0}, {12, -3}, {30, 10}});
    EXPECT_TRUE(Check(on, Slope(false))) << listing_;
    EXPECT_FALSE(Listed("adjusted to:"));
}

TEST_F(AnalysisCheckTest, SurfaceIsTrimmedReversedOrRefused) {
    A reversed;
    Individual(reversed, {{30, 10}, {12, -3}, {5, 0}});
    EXPECT_TRUE(Check(reversed, Slope(false))) << listing_;
    EXPECT_TRUE(Message(7430));
    EXPECT_TRUE(Listed("Noncircular Shear Surface Points After Reversal of Order\n"));
    EXPECT_EQ(reversed.GetNoncircularPointList().Points().front().X(), 5.0);

    A duplicate;
    Individual(duplicate, {{5, 0}, {12, -3}, {12, -3}, {30, 10}});
    EXPECT_TRUE(Check(duplicate, Slope(false))) << listing_;
    EXPECT_TRUE(Message(7320));
    EXPECT_EQ(duplicate.GetNoncircularPointList().NumberOfPoints(), 3);

    A constraints;
    NoncircularSearch(constraints);
    constraints.GetNoncircularPointList().Points()[2].SetXY(10, 0);
    constraints.GetNoncircularPointList().Points()[2].SetMoveable(false);
    EXPECT_FALSE(Check(constraints, {}));
    EXPECT_TRUE(Message(7330)) << listing_;

    A vertical;
    Individual(vertical, {{5, 0}, {12, -3}, {12, 4}, {30, 10}});
    EXPECT_FALSE(Check(vertical, Slope(false)));
    EXPECT_TRUE(Message(7400));
    EXPECT_FALSE(Listed("adjusted to:"));

    A mixed;
    Individual(mixed, {{5, 0}, {12, -3}, {8, -2}, {30, 10}});
    EXPECT_FALSE(Check(mixed, Slope(false)));
    EXPECT_TRUE(Message(7420));

    A outside;
    Individual(outside, {{-5, 0}, {12, -3}, {30, 10}});
    EXPECT_FALSE(Check(outside, Slope(false)));
    EXPECT_TRUE(Message(7350));

    A one;
    Individual(one, {{5, 0}});
    EXPECT_FALSE(Check(one, Slope(false)));
    EXPECT_TRUE(Message(7390));
}

}  // namespace

namespace {

TEST_F(AnalysisCheckTest, CrackChecksWithTheSlope) {
    Cpp_SlopeGeometry slope;
    slope.GetSlopeLine().AddPoint(0, 0);
    slope.GetSlopeLine().AddPoint(10, 0);
    slope.GetSlopeLine().AddPoint(20, 10);
    slope.GetSlopeLine().AddPoint(40, 10);
    A a;
    IndividualCircle(a);
    a.GetCrack().SetCrackOption(4);
    a.GetCrack().CrackPointList().AddPoint(15, 2);
    a.GetCrack().CrackPointList().AddPoint(30, 12);
    a.GetCrack().SetWaterOption(1);
    a.GetCrack().SetWaterConstant(-1);
    a.GetCrack().SetUnitWeightOfWater(-9.81);
    std::FILE* out = std::tmpfile();
    EXPECT_FALSE(a.Check(slope, 1e-6, out));
    listing_ = FileText(out);
    std::fclose(out);
    for (int n : {7100, 7230, 7240}) EXPECT_TRUE(Message(n)) << n << listing_;

    A depth;
    IndividualCircle(depth);
    depth.GetCrack().SetCrackOption(1);
    depth.GetCrack().SetCrackConstant(-2);
    std::FILE* out2 = std::tmpfile();
    EXPECT_FALSE(depth.Check(slope, 1e-6, out2));
    listing_ = FileText(out2);
    std::fclose(out2);
    EXPECT_TRUE(Message(7220));
}

}  // namespace
