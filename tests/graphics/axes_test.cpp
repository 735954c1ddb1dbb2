// The tick rule and the number decimals of the axes.

#include "graphics/axes.h"

#include <gtest/gtest.h>

namespace {

struct TickCase {
    double min, max;
    int n;
    double start, end, step;
    int medium, minor;
};

TEST(AxesTest, TickSpacingTable) {
    const TickCase cases[] = {
        {0, 17, 5, 0, 20, 4, 2, 2},
        {-3.2, 7.9, 4, -4, 8, 4, 2, 2},
        {0, 100, 8, 0, 100, 20, 2, 4},
        {0, 1, 4, 0, 1, 1, 2, 4},
        {0, 0.05, 4, 0, 0.1, 0.1, 2, 4},
        // No multiplier of the first power fits a single interval: the search goes on.
        {-1, 1, 1, -1, 1, 1, 2, 4},
    };
    for (const TickCase& c : cases) {
        double start, end, step;
        int medium, minor;
        ASSERT_TRUE(
            Cpp_Axes::ComputeTickSpacing(c.min, c.max, c.n, start, end, step, medium, minor));
        EXPECT_DOUBLE_EQ(start, c.start) << c.min << ".." << c.max;
        EXPECT_DOUBLE_EQ(end, c.end) << c.min << ".." << c.max;
        EXPECT_DOUBLE_EQ(step, c.step) << c.min << ".." << c.max;
        EXPECT_EQ(medium, c.medium) << c.min << ".." << c.max;
        EXPECT_EQ(minor, c.minor) << c.min << ".." << c.max;
    }
}

TEST(AxesTest, LabelDigits) {
    const struct {
        double value;
        int digits, expected;
    } cases[] = {{0.25, 6, 2}, {3.0, 6, 0}, {1.5, 0, 0}, {-2.125, 6, 3}, {0.3, 6, 1}, {0.1, 6, 1}};
    for (const auto& c : cases) {
        int d = c.digits;
        Cpp_Axes::AxisLabelDigits(c.value, d);
        EXPECT_EQ(d, c.expected) << c.value;
    }
}

TEST(AxesTest, LayoutAllowsOneMajorTickPerThreeQuartersInch) {
    // A frame 6 inches wide at 100 ppi: 1 + trunc(6 / 0.751) = 8 intervals.
    Cpp_Axes::ComputeAxesLayout({0, 0, 650, 450}, 100, 100, 25, 1.0, 425, -1.0);
    EXPECT_EQ(Cpp_Axes::Frame().Width(), 600);
    EXPECT_DOUBLE_EQ(Cpp_Axes::WorldXMin(), 0.0);
    EXPECT_DOUBLE_EQ(Cpp_Axes::WorldXMax(), 600.0);
    EXPECT_DOUBLE_EQ(Cpp_Axes::WorldYMin(), 0.0);
    EXPECT_DOUBLE_EQ(Cpp_Axes::WorldYMax(), 400.0);
    // 600 over at most 8 intervals: step 100 (6 intervals).
    EXPECT_DOUBLE_EQ(Cpp_Axes::XTicks().step, 100.0);
}

}  // namespace
