// Soil nails: the NAI block and the reinforcement generated for a small nailed wall.

#include <gtest/gtest.h>

#include "core/units.h"
#include "graphics/line.h"
#include "loads/nail_data.h"
#include "loads/reinforcement_line.h"
#include "loads_test_support.h"
#include "support/fake_services.h"

namespace {

// A vertical wall 10 high at x = 0, facing left: ground at 0 in front, at 10 behind.
Cpp_Line Wall() {
    Cpp_Line slope;
    slope.AddPoint(-20, 0);
    slope.AddPoint(0, 0);
    slope.AddPoint(0, 10);
    slope.AddPoint(30, 10);
    return slope;
}

// Tendon 30000 lb, head 10000 lb, pullout 2000 lb/ft: per foot of width P = 2000, Th = 10000,
// T = 30000.
Cpp_NailProperties NailType() {
    Cpp_NailProperties p;
    p.name = "Bar 25";
    p.capacityOption = Cpp_NailProperties::ByYieldForce;
    p.barYieldForce = {30000, ForcePounds};
    p.nailHeadStrength = {10000, ForcePounds};
    p.pulloutOption = Cpp_NailProperties::ByResistancePerLength;
    p.resistancePerLength = {2000, 0};
    return p;
}

class NailData : public ::testing::Test {
protected:
    void SetUp() override {
        ResetUnits();
        data.Properties().push_back(NailType());
        Cpp_NailLayout& l = data.Layouts()[0];
        l.propertySet = 1;
        l.horizontalSpacing = 1;
        l.verticalOption = Cpp_NailLayout::ByTopCountSpacing;
        l.numberOfNails = 3;
        l.verticalSpacing = 3;
        l.topOfSlope = 10;
        l.distanceFromTop = 2;
        l.nailLength = 30;
    }
    std::vector<std::string> Boxes() const { return fakes.messageBoxes.Texts(); }

    testsupport::FakeServices fakes;
    ScriptedGenerationDialogs dialogs;
    Cpp_NailData data;
    Cpp_ReinforcementLineList list;
};

TEST_F(NailData, LayoutOfAWallGivesOneLinePerNailWithTheForceDistribution) {
    ASSERT_TRUE(data.GenerateReinforcementLines(list, Wall(), nullptr));
    EXPECT_TRUE(Boxes().empty());
    ASSERT_EQ(list.Count(), 3);
    const double ys[] = {8, 5, 2};
    for (int i = 0; i < 3; ++i) {
        const Cpp_ReinforcementLine* line = list.ReinforcementLineAt(i);
        EXPECT_EQ(line->GetNumber(), i + 1);
        EXPECT_EQ(line->Description(), "Nail number " + std::to_string(i + 1));
        std::vector<s_ReinforcementLinePtType> pts;
        ASSERT_EQ(line->CopyPointsToArray(pts), 4);
        const double d[] = {0, 10, 15, 30}, f[] = {10000, 30000, 30000, 0};
        for (int k = 0; k < 4; ++k) {
            EXPECT_NEAR(pts[k].x, 1e-6 + d[k], 1e-9);
            EXPECT_DOUBLE_EQ(pts[k].y, ys[i]);
            EXPECT_NEAR(pts[k].longitudinalForce, f[k], 1e-6);
            EXPECT_EQ(pts[k].transverseForce, 0.0);
        }
    }
}

TEST_F(NailData, NailBelowTheToeStopsItsLayoutWithAMessage) {
    data.Layouts()[0].numberOfNails = 4;  // the fourth at y = -1
    Cpp_NailLayout second = data.Layouts()[0];
    second.numberOfNails = 2;
    second.distanceFromTop = 1;
    data.Layouts()[3] = second;
    ASSERT_TRUE(data.GenerateReinforcementLines(list, Wall(), nullptr));
    EXPECT_EQ(Boxes(), std::vector<std::string>{"Nail does not intersect the slope face"});
    ASSERT_EQ(list.Count(), 5);
    EXPECT_EQ(list.ReinforcementLineAt(4)->Description(), "Nail number 5");
    EXPECT_DOUBLE_EQ(list.ReinforcementLineAt(4)->FirstPoint()->Y(), 6);
}

TEST_F(NailData, ForcesConvertToTheChosenUnitsForEveryPair) {
    // Millimetres with newtons have no stress unit of their own: P still converts.
    const double newtonsPerPound = 4.4482216152605;
    double P, Th, T;
    ASSERT_TRUE(NailType().DesignValuesPerWidth(LengthMillimeters, ForceNewtons, 304.8, P, Th, T));
    EXPECT_NEAR(P, 2000 * newtonsPerPound / (304.8 * 304.8), 1e-12);
    EXPECT_NEAR(Th, 10000 * newtonsPerPound / 304.8, 1e-9);
    EXPECT_NEAR(T, 30000 * newtonsPerPound / 304.8, 1e-9);
    ASSERT_TRUE(NailType().DesignValuesPerWidth(LengthMeters, ForceKilonewtons, 0.3048, P, Th, T));
    EXPECT_NEAR(P, 2 * newtonsPerPound / (0.3048 * 0.3048), 1e-9);
    EXPECT_FALSE(NailType().DesignValuesPerWidth(LengthFeet, ForcePounds, 0, P, Th, T));
}

TEST_F(NailData, CommandRefusals) {
    dialogs.nailLengthUnit = LengthMeters;
    dialogs.nailForceUnit = ForcePounds;
    EXPECT_FALSE(data.GenerateReinforcementLines(list, Wall(), nullptr));
    EXPECT_EQ(Boxes().back(),
              "Length units (= Meters) and force units (= Pounds) are not compatible.");
    EXPECT_EQ(data.generationLengthUnit, LengthMeters);  // the choice stays

    data.GetIndividualNailList().AddNail(5, 10, 15, 1, 0, 0);
    EXPECT_FALSE(data.GenerateReinforcementLines(list, Wall(), nullptr));
    EXPECT_EQ(Boxes().back(), "Both nail layouts and individual nails exist - cannot generate "
                              "reinforcement for both.");
    dialogs.cancel = true;
    data.Layouts()[0].propertySet = 0;
    EXPECT_FALSE(data.GenerateReinforcementLines(list, Wall(), nullptr));
    EXPECT_TRUE(list.IsEmpty());
}

// Regression: answering No keeps every existing line; the new lines take free numbers.
TEST_F(NailData, AnsweringNoKeepsTheUsersLines) {
    list.AddNewLine(1, "mine", 0, 1)->AddPoint(0, 0, 1, 0);
    fakes.messageBoxes.answers.push_back(platform::BoxResult::No);
    ASSERT_TRUE(data.GenerateReinforcementLines(list, Wall(), nullptr));
    ASSERT_EQ(list.Count(), 4);
    EXPECT_EQ(list.FindLine(1)->Description(), "mine");
    EXPECT_EQ(list.FindLine(2)->Description(), "Nail number 1");

    fakes.messageBoxes.answers.push_back(platform::BoxResult::Yes);
    ASSERT_TRUE(data.GenerateReinforcementLines(list, Wall(), nullptr));
    ASSERT_EQ(list.Count(), 3);
    EXPECT_EQ(list.FindLine(1)->Description(), "Nail number 1");
}

TEST_F(NailData, IndividualNailsUseTheirHeadAndRunLeftToRight) {
    data.Layouts()[0].propertySet = 0;
    data.GetIndividualNailList().AddNail(50, 20, 30, 1, 0, 1)->headX = 100;
    data.Properties()[0].resistancePerLength = {250, 0};  // LP = 5000 below Th
    ASSERT_TRUE(data.GenerateReinforcementLines(list, Wall(), nullptr));
    std::vector<s_ReinforcementLinePtType> pts;
    ASSERT_EQ(list.ReinforcementLineAt(0)->CopyPointsToArray(pts), 2);
    EXPECT_NEAR(pts[0].x, 82.67949192431123, 1e-9);
    EXPECT_NEAR(pts[0].y, 40, 1e-9);
    EXPECT_EQ(pts[1].x, 100);
    EXPECT_NEAR(pts[1].longitudinalForce, 5000, 1e-9);
}

TEST_F(NailData, BlockWritesAndReadsBack) {
    data.Layouts()[4] = data.Layouts()[0];
    data.Layouts()[0].propertySet = 0;
    data.Layouts()[4].sameAsVertical = true;
    data.GetIndividualNailList().AddNail(5, 12, 15, 1.5, 0, 1)->headX = 2;
    const std::string text = WrittenText([&](std::FILE* f) { data.WriteKLIVEN4InputDataFile(f); });
    EXPECT_EQ(text.rfind("NAIl data follow -\n"
                         "     1 = Number of sets of nail properties.\n"
                         "Bar 25\n"
                         "              2              1              0\n"
                         "   0.00000000e+00",
                         0),
              0u);
    EXPECT_NE(text.find("     1 = Number of nail layouts.\n          1\n          0\n"
                        "          1 0.0\n"),
              std::string::npos);
    EXPECT_NE(text.find("     1 = Number of individual nails.\n"
                        "                   0         1               1.500"
                        "              12.000     15.00\n"),
              std::string::npos);

    Cpp_NailData back;
    TextInput in(text.substr(text.find('\n') + 1));
    ASSERT_TRUE(back.ReadInput(in.File(), nullptr));
    EXPECT_TRUE(Boxes().empty());
    ASSERT_EQ(back.NumberOfPropertySets(), 1);
    EXPECT_EQ(back.Properties()[0].name, "Bar 25");
    EXPECT_EQ(back.Properties()[0].barYieldForce.value, 30000);
    EXPECT_TRUE(back.Layouts()[0].IsActive());
    EXPECT_TRUE(back.Layouts()[0].sameAsVertical);
    EXPECT_EQ(back.Layouts()[0].GetHorizontalSpacing(), 3);
    EXPECT_EQ(back.ActiveLayoutCount(), 1);
    ASSERT_EQ(back.GetIndividualNailList().Count(), 1);
    EXPECT_EQ(back.GetIndividualNailList().Nails()[0]->headX, 2);
    EXPECT_EQ(back.GetIndividualNailList().Nails()[0]->facing, 1);
}

TEST_F(NailData, BadCountsAndTypesAreTheBlocksErrorAndDropTheItem) {
    data.GetIndividualNailList().AddNail(5, 12, 15, 1.5, 0, 0);
    const std::string text = WrittenText([&](std::FILE* f) { data.WriteKLIVEN4InputDataFile(f); });
    const std::string body = text.substr(text.find('\n') + 1);
    struct Case {
        std::string from, to;
        std::vector<std::string> boxes;
        int nails;
    } cases[] = {
        {"     1 = Number of nail layouts.",
         "     9 = Number of nail layouts.",
         {"Error in reading data for nails"},
         0},
        {"                   0         0",
         "                   3         0",
         {"Nail type 3 of nail no. 1 is not one of the nail property sets.",
          "Error in reading data for nails"},
         0},
    };
    for (const Case& c : cases) {
        std::string bad = body;
        const size_t at = bad.find(c.from);
        ASSERT_NE(at, std::string::npos) << c.from;
        bad.replace(at, c.from.size(), c.to);
        fakes.messageBoxes.requests.clear();
        Cpp_NailData back;
        TextInput in(bad);
        EXPECT_FALSE(back.ReadInput(in.File(), nullptr));
        EXPECT_EQ(Boxes(), c.boxes);
        EXPECT_EQ(back.GetIndividualNailList().Count(), c.nails);
    }
}

TEST(NailProperties, NamesTheReaderWouldSkipAreRefused) {
    Cpp_NailProperties p;
    EXPECT_TRUE(p.SetName("  Bar / 25"));
    EXPECT_FALSE(p.SetName("  // Bar"));
    EXPECT_FALSE(p.SetName("/* Bar"));
    EXPECT_FALSE(p.SetName(std::string(256, 'x')));
    EXPECT_EQ(p.name, "  Bar / 25");
}

}  // namespace
