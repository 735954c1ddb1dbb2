#include "core/text_exception.h"
#include "profile/crack.h"

#include <gtest/gtest.h>

namespace {

TEST(Crack, DepthsAndElevationsByPoints) {
    Cpp_Crack crack;
    crack.SetCrackOption(3);
    crack.CrackPointList().AddPoint(0, 2);
    crack.CrackPointList().AddPoint(10, 4);
    EXPECT_DOUBLE_EQ(crack.CrackDepth(5), 3.0);
    EXPECT_DOUBLE_EQ(crack.CrackDepth(12), 0.0);
    EXPECT_DOUBLE_EQ(crack.CrackDepth(10), 4.0);
    double y = 0;
    EXPECT_FALSE(crack.CrackBottomElevation(5, y));

    Cpp_Crack bottom;
    bottom.SetCrackOption(4);
    for (auto [x, v] : {std::pair{0.0, 10.0}, {5.0, 10.0}, {5.0, 8.0}, {9.0, 8.0}})
        bottom.CrackPointList().AddPoint(x, v);
    ASSERT_TRUE(bottom.CrackBottomElevation(5, y));
    EXPECT_EQ(y, 10.0);
    EXPECT_THROW(bottom.CrackDepth(5), Cpp_TextException);
    bottom.CrackPointList().DeletePoint(bottom.CrackPointList().Head());
    ASSERT_TRUE(bottom.CrackBottomElevation(5, y));
    EXPECT_EQ(y, 8.0);
}

// Regression: depths and water elevations at a vertical step of their point lists threw
// Exc_AttempToUseVerticalSlope; they now give the lower value, like the crack bottom.
TEST(Crack, QueriesAtAVerticalStepGiveTheLowerValue) {
    Cpp_Crack crack;
    crack.SetCrackOption(3);
    crack.SetWaterOption(4);
    for (auto [x, v] : {std::pair{5.0, 3.0}, {5.0, 2.0}, {9.0, 2.0}}) {
        crack.CrackPointList().AddPoint(x, v);
        crack.WaterPointList().AddPoint(x + 1, v + 10);
    }
    EXPECT_NO_THROW(crack.CrackDepth(5));
    EXPECT_EQ(crack.CrackDepth(5), 2.0);
    double y = 0;
    ASSERT_TRUE(crack.WaterSurfaceElevation(6, y));
    EXPECT_EQ(y, 12.0);
    crack.SetWaterOption(3);
    EXPECT_EQ(crack.WaterDepth(6), 12.0);
}

TEST(Crack, WrongOptionsThrowAndListsBehave) {
    Cpp_Crack crack;
    crack.SetWaterOption(2);
    EXPECT_THROW(crack.WaterDepth(1), Cpp_Crack::Exc_WrongWaterDepthOption);
    crack.SetWaterOption(7);
    EXPECT_THROW(crack.WaterDepth(1), Cpp_Crack::Exc_NoWaterDepthOption);
    crack.SetWaterOption(1);
    double y = 0;
    EXPECT_THROW(crack.WaterSurfaceElevation(1, y), Cpp_Crack::Exc_WrongWaterDepthOption);
    crack.SetWaterOption(0);
    EXPECT_FALSE(crack.WaterSurfaceElevation(1, y));

    crack.SetCrackOption(4);
    crack.CrackPointList().AddPoint(0, 1);
    crack.CrackPointList().AddPoint(2, 3);
    crack.CrackPointList().DeletePoint(crack.CrackPointList().Head());
    EXPECT_TRUE(crack.CrackPointList().IsEmpty());  // a two-point list goes whole
    EXPECT_EQ(crack.GetCrackOption(), 4);

    double a, b, c, d;
    EXPECT_FALSE(crack.GetCrackPointExtents(a, b, c, d));
    crack.CrackPointList().AddPoint(1, 5);
    crack.CrackPointList().AddPoint(4, 2);
    crack.SetWaterOption(3);  // depths never count
    crack.WaterPointList().AddPoint(-9, 50);
    ASSERT_TRUE(crack.GetCrackPointExtents(a, b, c, d));
    EXPECT_EQ(a, 1.0);
    EXPECT_EQ(b, 4.0);
    EXPECT_EQ(d, 5.0);

    s_PickType pick{4.1, 2.1, 0.5};
    EXPECT_EQ(crack.HitTestPoint(false, pick), crack.CrackPointList().Head()->Next());
    s_PickType segment{2.5, 3.5, 0.5};
    EXPECT_EQ(crack.HitTestSegment(false, segment), crack.CrackPointList().Head());
    EXPECT_EQ(crack.HitTestPoint(true, pick), nullptr);  // water option 3 is not picked
}

}  // namespace

#include "support/fake_services.h"

namespace {

TEST(Crack, InformationOfASelectedSegmentAndOfBothSections) {
    testsupport::FakeServices fakes;
    Cpp_Crack crack;
    crack.SetCrackOption(4);
    crack.CrackPointList().AddPoint(0, 10);
    crack.CrackPointList().AddPoint(5, 8);
    crack.CrackPointList().AddPoint(9, 8);
    crack.SetWaterOption(1);
    crack.SetWaterConstant(1.5);
    ASSERT_TRUE(crack.AddInformation(fakes.infoWindow, platform::kInfoRoot, 57,
                                     crack.CrackPointList().Head()->Next()));
    std::string dump = fakes.infoWindow.Dump();
    EXPECT_NE(dump.find("Crack bottom segment selected"), std::string::npos) << dump;
    EXPECT_NE(dump.find("First point - X: 5.000000 , Elevation: 8.000000"), std::string::npos);
    EXPECT_NE(dump.find("X: 5.000000 , Elevation: 8.000000  - First selected point"),
              std::string::npos);
    EXPECT_NE(dump.find("X: 9.000000 , Elevation: 8.000000  - Second selected point"),
              std::string::npos);
    EXPECT_EQ(dump.find("Water depth"), std::string::npos);  // only the crack section

    fakes.infoWindow.Clear();
    crack.AddInformation(fakes.infoWindow, platform::kInfoRoot, 0, nullptr);
    dump = fakes.infoWindow.Dump();
    EXPECT_NE(dump.find("Bottom elevation of crack is variable - see below"), std::string::npos);
    EXPECT_NE(dump.find("Water depth in crack is constant = "), std::string::npos);
    EXPECT_EQ(dump.find("selected"), std::string::npos);
}

}  // namespace
