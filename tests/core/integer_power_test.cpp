#include "core/integer_power.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>

TEST(IntegerPower, TableOfPowers) {
    const struct {
        double x;
        int n;
        double expected;
    } cases[] = {
        {3.0, 0, 1.0},     {0.0, 0, 1.0},   {2.0, 1, 2.0},      {-2.0, 3, -8.0}, {1.5, 2, 2.25},
        {2.0, 10, 1024.0}, {2.0, -2, 0.25}, {-2.0, -3, -0.125}, {10.0, 5, 1e5},
    };
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(IntegerPower(c.x, c.n), c.expected) << c.x << "^" << c.n;
    EXPECT_EQ(IntegerPower(1.0, INT_MIN), 1.0);
    EXPECT_TRUE(std::isinf(IntegerPower(0.0, -1)));
}
