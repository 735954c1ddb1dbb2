// Picking the slip surfaces a search tried: nothing in an empty list; of two arcs the one with
// the nearer centre; never above both ends of an arc; on a vertex shared by two noncircular
// surfaces the first one.

#include "analysis/selection_geometry.h"

#include <gtest/gtest.h>

namespace {

s_PickType Pick(double x, double y) {
    s_PickType p;
    p.x = x;
    p.y = y;
    p.tolerance = 0.5;
    return p;
}

TEST(SelectionGeometry, CircularArcsAndNoncircularSurfaces) {
    Cpp_SelectionGeometryList list;
    int index = -1;
    s_PickType pick = Pick(0, 0);
    EXPECT_EQ(list.FindAtPoint(pick, index), nullptr);
    EXPECT_EQ(index, 0);

    list.SetKind(Cpp_SelectionGeometryList::kCircular);
    s_SelectionGeometry far, near;
    far.centreX = 0, far.centreY = 20, far.radius = 20.2;   // arc passes (0, -0.2)
    near.centreX = 0, near.centreY = 10, near.radius = 10;  // arc passes (0, 0)
    for (auto* g : {&far, &near}) g->firstX = -5, g->firstY = 5, g->secondX = 5, g->secondY = 6;
    list.Add(far);
    list.Add(near);
    pick = Pick(0, 0);
    ASSERT_NE(list.FindAtPoint(pick, index), nullptr);
    EXPECT_EQ(index, 2);       // the nearer centre
    EXPECT_FALSE(pick.found);  // the record is not changed
    pick = Pick(0, 6.5);       // above both ends
    EXPECT_FALSE(list.ContainsPoint(pick, index));
    EXPECT_EQ(index, 0);
    pick = Pick(6, 0);  // beyond the right end
    EXPECT_FALSE(list.ContainsPoint(pick, index));

    list.Clear();
    EXPECT_EQ(list.GetKind(), Cpp_SelectionGeometryList::kNone);
    list.SetKind(Cpp_SelectionGeometryList::kNoncircular);
    list.SetPointCount(2);
    s_SelectionGeometry a, b;
    a.x = {0, 10}, a.y = {0, 0};
    b.x = {10, 20}, b.y = {0, 5};
    list.Add(a);
    list.Add(b);
    pick = Pick(10, 0);
    ASSERT_TRUE(list.ContainsPoint(pick, index));
    EXPECT_EQ(index, 1);  // the shared vertex: the first record
    pick = Pick(15, 2.6);
    ASSERT_TRUE(list.ContainsPoint(pick, index));
    EXPECT_EQ(index, 2);
    list.SetPointCount(1);
    pick = Pick(10, 0);
    EXPECT_FALSE(list.ContainsPoint(pick, index));
}

}  // namespace
