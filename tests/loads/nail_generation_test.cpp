// Force distributions of nails and the geometry of nail layouts, against hand-computed values.

#include <gtest/gtest.h>

#include <cmath>

#include "loads/nail_force_distribution.h"
#include "loads/nail_layout.h"
#include "loads_test_support.h"

namespace {

struct StationCase {
    double P, Th, T, L;
    std::vector<s_NailForceStation> expected;
};

TEST(NailForceStations, FollowHeadTendonAndPulloutLimits) {
    const StationCase cases[] = {
        // Rises with P to T, holds T, falls with P to 0.
        {2, 10, 30, 30, {{0, 10}, {10, 30}, {15, 30}, {30, 0}}},
        // Exactly too short for a plateau: the peak where the two slopes meet.
        {2, 10, 30, 25, {{0, 10}, {10, 30}, {25, 0}}},
        // Tendon weaker than the head: no rising part.
        {2, 10, 8, 20, {{0, 8}, {16, 8}, {20, 0}}},
        // Pullout of the whole nail below the head capacity: no middle point.
        {1, 10, 30, 5, {{0, 5}, {5, 0}}},
    };
    for (const StationCase& c : cases) {
        const auto got = NailForceStations(c.P, c.Th, c.T, c.L);
        ASSERT_EQ(got.size(), c.expected.size()) << "L = " << c.L;
        for (size_t i = 0; i < got.size(); ++i) {
            EXPECT_NEAR(got[i].distance, c.expected[i].distance, 1e-12) << "L = " << c.L;
            EXPECT_NEAR(got[i].force, c.expected[i].force, 1e-12) << "L = " << c.L;
        }
    }
}

TEST(NailLinePoints, RunLeftToRightForEitherFacing) {
    const double theta = 30.0 * std::atan(1.0) / 45.0;
    const auto left = NailLinePoints(100, 50, 0, theta, 20, 0.25, 10, 30);
    ASSERT_EQ(left.size(), 2u);
    EXPECT_DOUBLE_EQ(left[0].x, 100);
    EXPECT_NEAR(left[1].x, 117.32050807568877, 1e-9);
    EXPECT_NEAR(left[1].y, 40, 1e-9);

    const auto right = NailLinePoints(100, 50, 1, theta, 20, 0.25, 10, 30);
    ASSERT_EQ(right.size(), 2u);
    EXPECT_NEAR(right[0].x, 82.67949192431123, 1e-9);
    EXPECT_NEAR(right[0].y, 40, 1e-9);
    EXPECT_DOUBLE_EQ(right[0].force, 0);
    EXPECT_DOUBLE_EQ(right[1].x, 100);
    EXPECT_DOUBLE_EQ(right[1].force, 5);
}

Cpp_NailLayout Layout(int option, int n, double s, double top, double dtop, double bottom,
                      double dbottom) {
    Cpp_NailLayout l;
    l.propertySet = 1;
    l.verticalOption = option;
    l.numberOfNails = n;
    l.verticalSpacing = s;
    l.topOfSlope = top;
    l.distanceFromTop = dtop;
    l.bottomOfSlope = bottom;
    l.distanceFromBottom = dbottom;
    return l;
}

TEST(NailLayout, SpacingCountAndTopElevationOfEachOption) {
    struct Case {
        Cpp_NailLayout layout;
        double s;
        int n;
        double top;
    } cases[] = {
        {Layout(0, 4, 2.5, 20, 1, 0, 0), 2.5, 4, 19},
        // Bottom 0 + 2, five nails at 3: the highest at 14.
        {Layout(1, 5, 3, 0, 0, 0, 2), 3, 5, 14},
        // (20 - 1 - 1.5) / 5 = 3.5 rounds up to 4.
        {Layout(3, 0, 5, 20, 1, 0, 1.5), 5, 5, 19},
        {Layout(3, 0, 8, 20, 1, 0, 1.5), 8, 3, 19},
        // Option 2 spreads the count evenly between the two elevations.
        {Layout(2, 4, 0, 20, 1, 0, 1), 6, 4, 19},
        {Layout(2, 1, 0, 20, 1, 0, 1), 0, 1, 19},
    };
    for (const Case& c : cases) {
        double s = -1, y = -1;
        int n = -1;
        ASSERT_TRUE(c.layout.GetSpacingAndCount(s, n)) << c.layout.verticalOption;
        EXPECT_DOUBLE_EQ(s, c.s) << c.layout.verticalOption;
        EXPECT_EQ(n, c.n) << c.layout.verticalOption;
        ASSERT_TRUE(c.layout.GetTopNailElevation(y));
        EXPECT_DOUBLE_EQ(y, c.top) << c.layout.verticalOption;
    }
}

TEST(NailLayout, RowsThatCannotBeLaidOutAreRefused) {
    double s;
    int n;
    EXPECT_FALSE(Layout(3, 0, 0, 20, 1, 0, 1).GetSpacingAndCount(s, n));
    EXPECT_FALSE(Layout(2, 0, 0, 20, 1, 0, 1).GetSpacingAndCount(s, n));
    EXPECT_FALSE(Layout(4, 3, 1, 20, 1, 0, 1).GetSpacingAndCount(s, n));
}

TEST(NailLayout, SameAsVerticalSpacingAndDocumentLines) {
    Cpp_NailLayout l = Layout(0, 2, 1.5, 10, 0.5, 0, 0);
    l.sameAsVertical = true;
    l.horizontalSpacing = 0.0;
    l.inclination = 15;
    l.nailLength = 8;
    EXPECT_DOUBLE_EQ(l.GetHorizontalSpacing(), 1.5);
    EXPECT_NEAR(l.GetInclination(), 0.2617993877991494, 1e-15);
    EXPECT_EQ(WrittenText([&](std::FILE* f) { l.WriteKLIVEN4InputDataFile(f); }),
              "          1\n"
              "          0\n"
              "          1 0.0\n"
              "          0\n"
              "          2\n"
              "   1.50000000e+00   1.00000000e+01   5.00000000e-01   0.00000000e+00   "
              "0.00000000e+00\n"
              "   1.50000000e+01   8.00000000e+00\n");
}

}  // namespace
