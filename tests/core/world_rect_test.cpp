#include "core/world_rect.h"

#include <gtest/gtest.h>

namespace {

TEST(Extents, EmptyExtentsWriteNothingAndAddNothing) {
    Cpp_Extents none;
    double xmin = 7, xmax = 7, ymin = 7, ymax = 7;
    EXPECT_FALSE(none.Get(xmin, xmax, ymin, ymax));
    EXPECT_EQ(xmin + xmax + ymin + ymax, 28.0);  // left as they were
    EXPECT_EQ(none.Rect(), s_WorldRect{});

    Cpp_Extents some;
    some.Add(none);
    EXPECT_TRUE(some.IsEmpty());
    some.Add(5.0, 6.0);  // far from the origin: the first item sets, zero takes no part
    some.Add(none);
    EXPECT_TRUE(some.Get(xmin, xmax, ymin, ymax));
    EXPECT_EQ(some.Rect(), (s_WorldRect{5.0, 5.0, 6.0, 6.0}));
}

TEST(Extents, LaterItemsWidenEachSideOnItsOwn) {
    Cpp_Extents e;
    e.Add(s_WorldRect{0.0, 2.0, -1.0, 1.0});
    e.Add(1.0, 3.0, -4.0, 0.0);  // widens xmax and ymin only
    e.Add(-2.0, 0.5);            // a point widens xmin
    Cpp_Extents other;
    other.Add(0.0, 0.0, 0.0, 9.0);
    e.Add(other);  // and another set of extents widens ymax
    double xmin, xmax, ymin, ymax;
    ASSERT_TRUE(e.Get(xmin, xmax, ymin, ymax));
    EXPECT_EQ(xmin, -2.0);
    EXPECT_EQ(xmax, 3.0);
    EXPECT_EQ(ymin, -4.0);
    EXPECT_EQ(ymax, 9.0);
}

}  // namespace
