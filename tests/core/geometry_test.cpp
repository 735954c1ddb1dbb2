#include "core/geometry.h"
#include "core/point_xy.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using P = Cpp_PointXY;

TEST(PointXY, SlopeCacheIsClearedByEverySetterAndVerticalOrLastNodesThrow) {
    P a(0, 0), b(2, 4), c(2, 8);
    a.SetNext(&b);
    b.SetNext(&c);
    EXPECT_DOUBLE_EQ(a.SlopeToNext(), 2.0);
    b.SetY(0);  // moving the successor does not clear a's cache
    EXPECT_DOUBLE_EQ(a.SlopeToNext(), 2.0);
    a.ClearSlopeCache();
    EXPECT_DOUBLE_EQ(a.SlopeToNext(), 0.0);
    a.SetY(-2);
    EXPECT_DOUBLE_EQ(a.SlopeToNext(), 1.0);
    EXPECT_THROW(b.SlopeToNext(), P::Exc_AttempToUseVerticalSlope);
    EXPECT_THROW(c.SlopeToNext(), P::Exc_AttemptToUseSlopeBeyondSegment);
    EXPECT_THROW(c.DeltaXToNext(), P::Exc_AttemptToUseSlopeBeyondSegment);
    bool vertical = false;
    EXPECT_EQ(b.SlopeToNextChecked(vertical), 0.0);
    EXPECT_TRUE(vertical);
    EXPECT_EQ(c.SlopeToNextChecked(vertical), 0.0);
    EXPECT_FALSE(vertical);
    EXPECT_DOUBLE_EQ(a.AngleToNext(), 45.0);
}

TEST(PointXY, CopyIsFreeStandingAndAssignmentKeepsTheLink) {
    P a(1, 0, 0), b(2, 5, 5);
    a.SetNext(&b);
    P copy(a);
    EXPECT_EQ(copy.Next(), nullptr);
    EXPECT_EQ(copy.Number(), 1);
    P target(0, 9, 9);
    P other(0, 0, 0);
    target.SetNext(&other);
    target = b;
    EXPECT_EQ(target.Next(), &other);
    EXPECT_EQ(target.X(), 5.0);
}

// Parameter tolerance rules of the line and segment intersections.
TEST(Geometry, IntersectionToleranceTable) {
    struct Case {
        const char* name;
        P q1, q2;  // crossed by the vertical line/segment x = 1, y from -1 to 1
        bool lineMeets;
        bool segmentsCross;
    };
    // The segment Q runs from x = 1 - 1/u ... so that the crossing lies at parameter u.
    auto at = [](double u) { return std::pair{P(1 - u * 1.0, 0), P(1 + (1 - u), 0)}; };
    const std::vector<Case> cases = {
        {"u=1.005 beyond end, within tolerance", at(1.005).first, at(1.005).second, true, false},
        {"u=1.02 beyond tolerance", at(1.02).first, at(1.02).second, false, false},
        {"u=0.995 too near the end", at(0.995).first, at(0.995).second, true, false},
        {"u=0.5 inside", at(0.5).first, at(0.5).second, true, true},
        {"u=-0.005 before start", at(-0.005).first, at(-0.005).second, true, false},
    };
    const P p1(1, -1), p2(1, 1);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        P point;
        EXPECT_EQ(LineCrossesSegment(p1, p2, c.q1, c.q2, 0.01, point), c.lineMeets);
        EXPECT_EQ(SegmentsIntersect(p1, p2, c.q1, c.q2, 0.01, point), c.segmentsCross);
        if (c.segmentsCross) {
            EXPECT_NEAR(point.X(), 1.0, 1e-12);
            EXPECT_NEAR(point.Y(), 0.0, 1e-12);
        }
    }
}

TEST(Geometry, LineIntersectionGivesParametersAlongBothLines) {
    P point;
    double t = 0, u = 0;
    ASSERT_TRUE(LineIntersection(P(0, 0), P(4, 4), P(0, 4), P(4, 0), 1e-9, point, t, u));
    EXPECT_DOUBLE_EQ(point.X(), 2.0);
    EXPECT_DOUBLE_EQ(point.Y(), 2.0);
    EXPECT_DOUBLE_EQ(t, 0.5);
    EXPECT_DOUBLE_EQ(u, 0.5);
    ASSERT_TRUE(LinesIntersectionPoint(P(0, 0), P(4, 4), P(0, 4), P(4, 0), 1e-9, point));
    EXPECT_DOUBLE_EQ(point.X(), 2.0);
    EXPECT_DOUBLE_EQ(point.Y(), 2.0);
    EXPECT_FALSE(LineIntersection(P(0, 0), P(1, 1), P(0, 1), P(1, 2), 1e-9, point, t, u));
}

// Regression: nearly parallel directions pointing down-left were only rejected when the
// determinant was exactly 0, because the tolerance was scaled by a signed (negative) maximum.
TEST(Geometry, NearlyParallelDownLeftDirectionsAreParallel) {
    const P p1(0, 0), p2(-1, -1), q1(0, 1), q2(-1, -1.0000001 + 1);
    P point;
    double t = 0, u = 0;
    EXPECT_FALSE(LineIntersection(p1, p2, q1, q2, 0.01, point, t, u));
    EXPECT_FALSE(LinesIntersectionPoint(p1, p2, q1, q2, 0.01, point));
    EXPECT_FALSE(SegmentsIntersect(p1, p2, q1, q2, 0.01, point));
    // The same pair pointing up-right is parallel too.
    EXPECT_FALSE(LineIntersection(P(0, 0), P(1, 1), P(0, 1), P(1, 2.0000001), 0.01, point, t, u));
}

TEST(Geometry, CollinearAndOverlap) {
    double t1 = 0, t2 = 0;
    EXPECT_TRUE(SegmentsCollinear(P(1, 1), P(2, 2), P(0, 0), P(4, 4), 1e-6, t1, t2));
    EXPECT_DOUBLE_EQ(t1, 0.25);
    EXPECT_DOUBLE_EQ(t2, 0.5);
    EXPECT_FALSE(SegmentsCollinear(P(1, 1.1), P(2, 2.1), P(0, 0), P(4, 4), 1e-6, t1, t2));

    s_tagTypePointXY a, b;
    ASSERT_TRUE(SegmentsOverlap(P(0, 0), P(2, 2), P(1, 1), P(3, 3), a, b));
    EXPECT_DOUBLE_EQ(a.x, 1.0);
    EXPECT_DOUBLE_EQ(a.y, 1.0);
    EXPECT_DOUBLE_EQ(b.x, 2.0);
    EXPECT_DOUBLE_EQ(b.y, 2.0);
    EXPECT_FALSE(SegmentsOverlap(P(0, 0), P(1, 1), P(1, 1), P(2, 2), a, b));  // ranges touch
    EXPECT_FALSE(SegmentsOverlap(P(0, 0), P(2, 2), P(0, 1), P(2, 3), a, b));  // offset
    ASSERT_TRUE(SegmentsOverlap(P(0, 0), P(3, 3), P(0, 0), P(3, 3), a, b));   // identical
    EXPECT_DOUBLE_EQ(b.x, 3.0);
    ASSERT_TRUE(SegmentsOverlap(P(5, 0), P(5, 4), P(5, 2), P(5, 9), a, b));  // vertical
    EXPECT_DOUBLE_EQ(a.y, 2.0);
    EXPECT_DOUBLE_EQ(b.y, 4.0);
    EXPECT_FALSE(SegmentsOverlap(P(0, 0), P(2, 2), P(1, 0), P(1, 4), a, b));
}

TEST(Geometry, DistanceToSegmentCopiesTheNearerEnd) {
    P start(7, 0, 0), end(8, 10, 0);
    P nearest;
    EXPECT_DOUBLE_EQ(DistancePointSegment(P(5, 5), start, end, nearest), 5.0);
    EXPECT_DOUBLE_EQ(nearest.X(), 5.0);
    EXPECT_DOUBLE_EQ(nearest.Y(), 0.0);
    EXPECT_DOUBLE_EQ(DistancePointSegment(P(-3, 4), start, end, nearest), 5.0);
    EXPECT_EQ(nearest.Number(), 7);
    EXPECT_DOUBLE_EQ(nearest.X(), 0.0);
    EXPECT_DOUBLE_EQ(PointSegmentDistanceCoords(13, 4, 0, 0, 10, 0), 5.0);
    EXPECT_DOUBLE_EQ(PointSegmentDistanceCoords(3, 4, 0, 0, 0, 0), 5.0);

    double d = 0, fx = 0, fy = 0;
    EXPECT_FALSE(PerpendicularDistanceAndFoot(1, 1, 2, 2, 2, 2, d, fx, fy));
    EXPECT_EQ(d, 0.0);
    ASSERT_TRUE(PerpendicularDistanceAndFoot(20, 3, 0, 0, 10, 0, d, fx, fy));
    EXPECT_DOUBLE_EQ(d, 3.0);
    EXPECT_DOUBLE_EQ(fx, 20.0);  // not clamped
    EXPECT_FALSE(HorizontalDistanceToLine(0, 0, 0, 1, 5, 1, d));
    ASSERT_TRUE(HorizontalDistanceToLine(1, 5, 0, 0, 10, 10, d));
    EXPECT_DOUBLE_EQ(d, 4.0);
    EXPECT_FALSE(VerticalDistanceToLine(0, 0, 1, 0, 1, 5, d));
    ASSERT_TRUE(VerticalDistanceToLine(5, 1, 0, 0, 10, 10, d));
    EXPECT_DOUBLE_EQ(d, 4.0);
}

TEST(Geometry, CircleAndSegmentTable) {
    struct Case {
        const char* name;
        P a, b;
        double tolerance;
        std::vector<std::pair<double, double>> expected;
    };
    const std::vector<Case> cases = {
        {"horizontal to the right", P(-10, 3), P(10, 3), 1e-6, {{-4, 3}, {4, 3}}},
        {"horizontal reversed", P(10, 3), P(-10, 3), 1e-6, {{4, 3}, {-4, 3}}},
        {"snapped to the start", P(-4.0001, 3), P(10, 3), 0.001, {{-4.0001, 3}, {4, 3}}},
        {"outside", P(-10, 6), P(10, 6), 1e-6, {}},
        {"one end inside", P(0, 3), P(10, 3), 1e-6, {{4, 3}}},
        {"vertical upward", P(3, -10), P(3, 10), 1e-6, {{3, -4}, {3, 4}}},
        {"vertical downward", P(3, 10), P(3, -10), 1e-6, {{3, 4}, {3, -4}}},
        {"oblique",
         P(-10, -10),
         P(10, 10),
         1e-9,
         {{-3.5355339059, -3.5355339059}, {3.5355339059, 3.5355339059}}},
        {"oblique reversed",
         P(10, 10),
         P(-10, -10),
         1e-9,
         {{3.5355339059, 3.5355339059}, {-3.5355339059, -3.5355339059}}},
        {"tangent", P(-10, 5), P(10, 5), 1e-6, {{0, 5}, {0, 5}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        P points[2];
        const int n = IntersectCircleWithSegment(0, 0, 5, c.a, c.b, points, c.tolerance);
        ASSERT_EQ(n, static_cast<int>(c.expected.size()));
        for (int i = 0; i < n; ++i) {
            EXPECT_NEAR(points[i].X(), c.expected[i].first, 1e-9);
            EXPECT_NEAR(points[i].Y(), c.expected[i].second, 1e-9);
        }
    }
}

TEST(Geometry, PointInPolygon) {
    const std::vector<P> square = {P(0, 0), P(10, 0), P(10, 10), P(0, 10), P(0, 0)};
    EXPECT_EQ(P(5, 5).IsInsidePolygon(square, 1e-6), 1);
    EXPECT_EQ(P(15, 5).IsInsidePolygon(square, 1e-6), -1);
    EXPECT_EQ(P(-1, 5).IsInsidePolygon(square, 1e-6), -1);
    EXPECT_EQ(P(5, 0).IsInsidePolygon(square, 1e-6), 0);
    EXPECT_EQ(P(10, 5).IsInsidePolygon(square, 1e-6), 0);
    EXPECT_EQ(P(5, 5).IsInsidePolygon(std::span(square).first(3), 1e-6), -1);
    // A concave ring: the notch is outside.
    const std::vector<P> notch = {P(0, 0), P(10, 0), P(10, 10), P(5, 2), P(0, 10), P(0, 0)};
    EXPECT_EQ(P(5, 6).IsInsidePolygon(notch, 1e-6), -1);
    EXPECT_EQ(P(2, 3).IsInsidePolygon(notch, 1e-6), 1);
}

TEST(Geometry, RoundingHelpers) {
    struct Case {
        double value;
        int decimals;
        double expected;
    };
    for (const Case& c : std::vector<Case>{{2.345, 2, 2.35},
                                           {-2.345, 2, -2.35},
                                           {1234, -2, 1200},
                                           {1250, -2, 1300},
                                           {0.5, 0, 1}}) {
        EXPECT_DOUBLE_EQ(RoundToDecimals(c.value, c.decimals), c.expected) << c.value;
    }
    EXPECT_EQ(RoundHalfUp(-1.7), -1.0);
    EXPECT_EQ(RoundHalfUp(1.5), 2.0);
    EXPECT_EQ(Ceiling(-1.5), -1.0);
    EXPECT_EQ(Ceiling(2.0), 2.0);
    EXPECT_EQ(Ceiling(2.1), 3.0);
    EXPECT_DOUBLE_EQ(RoundThroughText(-3.14159, 2), -3.14);
    EXPECT_DOUBLE_EQ(RoundThroughText(2.5, 0), 2.0);  // the C library rounds half to even
    EXPECT_DOUBLE_EQ(RadiansToDegrees(GetPi()), 180.0);
    EXPECT_DOUBLE_EQ(DegreesToRadians(90.0), GetPi() / 2);
    EXPECT_EQ(MaxDouble(1.0, 1.0), 1.0);
    EXPECT_EQ(Max4(1, 4, 3, 2), 4.0);
    EXPECT_EQ(Min4(3, 1, 4, 2), 1.0);
}

TEST(PointList, ReverseNeighboursAndNearestPoint) {
    Cpp_PointList list;
    list.Append(P(0, 0));
    P* mid = list.Append(P(10, 0));
    list.Append(P(10, 0));  // coincident with mid
    list.Append(P(10, 10));
    EXPECT_EQ(list.Count(), 4);
    P* previous = nullptr;
    P* next = nullptr;
    ASSERT_TRUE(list.FindNeighbours(mid, previous, next));
    EXPECT_EQ(previous, list.Head());
    P stranger;
    EXPECT_FALSE(list.FindNeighbours(&stranger, previous, next));

    // Near the vertical segment: the second of the two coincident points wins the tie.
    s_NearestPointSearchType s{10.5, 1.0, 2.0};
    P* found = list.FindPointNear(s);
    ASSERT_NE(found, nullptr);
    EXPECT_NE(found, mid);
    EXPECT_EQ(found->Number(), 3);
    // Near the horizontal segment: the first one.
    s = {9.0, 0.5, 2.0};
    found = list.FindPointNear(s);
    EXPECT_EQ(found, mid);
    EXPECT_EQ(found->Number(), 2);
    // A later list must beat the distance carried over.
    Cpp_PointList other;
    other.Append(P(7.0, 0.5));
    EXPECT_EQ(other.FindPointNear(s), nullptr);

    list.Reverse();
    EXPECT_EQ(list.Head()->Y(), 10.0);
    EXPECT_EQ(list.Count(), 4);
    Cpp_PointList empty;
    empty.Reverse();
    EXPECT_EQ(empty.Count(), 0);
}

}  // namespace
