#include "core/growable_arrays.h"

#include <gtest/gtest.h>

namespace {

TEST(GrowableArrays, CapacityFollowsTheGrowthRule) {
    CMyArray<int> a;
    a.GetAtGrow(0) = 7;
    EXPECT_EQ(a.GetSize(), 100);
    EXPECT_EQ(a.GetGrowBy(), 100);
    EXPECT_EQ(a.GetCapacity(), 100);
    a.GetAtGrow(100);
    EXPECT_EQ(a.GetSize(), 200);
    EXPECT_EQ(a[0], 7);

    CMyArray<double> b;
    b.SetSize(10);
    EXPECT_EQ(b.GetCapacity(), 10);
    b.SetSize(11);
    EXPECT_EQ(b.GetCapacity(), 14);
    CMyArray<double> c;
    c.SetSize(40);
    c.SetSize(41);
    EXPECT_EQ(c.GetCapacity(), 45);
    CMyArray<double> d;
    d.SetSize(16000);
    d.SetSize(16001);
    EXPECT_EQ(d.GetCapacity(), 16000 + 1024);
    d.SetSize(0);
    EXPECT_EQ(d.GetCapacity(), 0);
    EXPECT_EQ(d.GetData(), nullptr);
}

TEST(GrowableArrays, ReusedElementsAreZeroedAndFarIndexesGrowTheArray) {
    Cpp_XYArray points;
    points.SetSize(3);
    points[2] = {1.0, 2.0};
    points.SetSize(1);
    points.SetSize(3);
    EXPECT_EQ(points[2].x, 0.0);
    CMyArray<int> a;
    a.GetAtGrow(250) = 1;
    EXPECT_GE(a.GetSize(), 251);
    EXPECT_EQ(a[250], 1);
    CMyGrowArray<int> g;
    g.GetAtGrow(450) = 2;
    EXPECT_EQ(g.GetSize(), 500);
    EXPECT_EQ(g[450], 2);
}

TEST(GrowableArrays, NegativeIndexIsAnErrorNotAnExit) {
    CMyArray<int> a;
    CMyGrowArray<double> g;
    EXPECT_THROW(a.GetAtGrow(-1), Cpp_TextException);
    EXPECT_THROW(g.GetAtGrow(-1), Cpp_TextException);
    EXPECT_THROW(a[0], Cpp_TextException);
}

TEST(GrowableArrays, SortUniqueOfNumbers) {
    CMyGrowArray<double> g(5);
    double values[] = {3, 1, 2, 1, 3};
    for (int i = 0; i < 5; ++i) g[i] = values[i];
    int n = 5;
    EXPECT_TRUE(g.SortUnique(n));
    EXPECT_EQ(n, 3);
    EXPECT_EQ(g[0], 1);
    EXPECT_EQ(g[1], 2);
    EXPECT_EQ(g[2], 3);
    int zero = 0, six = 6;
    EXPECT_FALSE(g.SortUnique(zero));
    EXPECT_FALSE(g.SortUnique(six));
}

}  // namespace
