#include "core/growable_arrays.h"

#include <gtest/gtest.h>

TEST(PointUniqueness, OnlyTheFirstCountOtherThanTheOwnIndexCount) {
    Cpp_XYArray points;
    points.Add({1.0, 2.0});
    points.Add({3.0, 4.0});
    points.Add({1.0, 5.0});
    const struct {
        double x, y;
        int count, n;
        bool point, x_only;
    } cases[] = {
        {1.0, 2.0, 3, -1, false, false},  // equal to entry 0
        {1.0, 2.0, 3, 0, true, false},    // entry 0 is the point itself; entry 2 shares x
        {1.0, 5.0, 2, -1, true, false},   // entry 2 lies beyond count; entry 0 shares x
        {3.0, 2.0, 3, -1, true, false},   // x of entry 1, y of entry 0
        {7.0, 4.0, 3, -1, true, true},
        {1.0, 5.0, 99, -1, false, false},  // count beyond the size is limited to it
        {1.0, 2.0, 0, -1, true, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << c.x << "," << c.y << " count " << c.count << " n " << c.n);
        EXPECT_EQ(IsPointUnique(points, c.x, c.y, c.count, c.n), c.point);
        EXPECT_EQ(IsXUnique(points, c.x, c.count, c.n), c.x_only);
    }
}
