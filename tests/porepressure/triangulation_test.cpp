// The triangulation of interpolation points: vertex lists and the tolerance, triangles and
// point location, and the Delaunay triangulation with its tie-break and degenerate inputs.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "platform/services.h"
#include "porepressure/delaunay.h"
#include "porepressure/exact_predicates.h"
#include "porepressure/triangle.h"
#include "porepressure/vertex.h"

namespace {

class RecordingBoxes : public platform::MessageBoxService {
public:
    platform::BoxResult Show(const platform::MessageBoxRequest& r) override {
        requests.push_back(r);
        return r.defaultButton;
    }
    std::vector<platform::MessageBoxRequest> requests;
};

class TriangulationTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetTriangulationGlobals();
        platform::Services().SetMessageBoxes(&boxes);
    }
    void TearDown() override {
        platform::Services().Reset();
        ResetTriangulationGlobals();
    }
    // A registered list, so that the tolerance follows its extents.
    void Fill(Cpp_VertexList& list, const std::vector<std::pair<double, double>>& points) {
        int n = 0;
        for (const auto& p : points) list.AddVertex(++n, p.first, p.second, p.first + p.second);
        RegisterVertexList(&list);
    }
    RecordingBoxes boxes;
};

std::vector<std::pair<double, double>> RandomPoints(int n, unsigned seed) {
    std::mt19937 gen(seed);
    std::uniform_real_distribution<double> d(0.0, 100.0);
    std::vector<std::pair<double, double>> pts;
    for (int i = 0; i < n; ++i) pts.emplace_back(d(gen), d(gen));
    return pts;
}

int Count(const Cpp_VertexList& list) { return list.CountRing(); }

// Adjacency symmetric, shared edges reversed, all triangles clockwise.
void ExpectSoundTopology(const Cpp_TriangleList& triangles) {
    for (Cpp_Triangle* t = triangles.First(); t; t = t->Next()) {
        EXPECT_GT(t->ClockwiseArea(), 0.0);
        for (int i = 1; i <= 3; ++i) {
            Cpp_Triangle* n = t->GetNeighbour(i);
            if (!n) continue;
            const int j = t->IndexOfNeighbour(n);
            EXPECT_EQ(n->Vertex(static_cast<short>(j)),
                      t->Vertex(static_cast<short>(Cpp_Triangle::NextIndex(i))));
            EXPECT_EQ(n->Vertex(static_cast<short>(Cpp_Triangle::NextIndex(j))),
                      t->Vertex(static_cast<short>(i)));
        }
    }
}

// No vertex inside a circumcircle by more than the tolerance.
void ExpectEmptyCircumcircles(const Cpp_TriangleList& triangles, const Cpp_VertexList& vertices) {
    const double tol = GetTriangulationTolerance();
    for (Cpp_Triangle* t = triangles.First(); t; t = t->Next()) {
        double cx, cy, r2;
        bool failed = true;
        t->Circumcircle(cx, cy, r2, failed);
        ASSERT_FALSE(failed);
        const double r = std::sqrt(r2);
        for (Cpp_VERTEX* v = vertices.First(); v; v = v->Next())
            ASSERT_LE(r - v->DistanceTo(cx, cy), tol) << "vertex " << v->Number();
    }
}

TEST_F(TriangulationTest, ToleranceFollowsAllRegisteredListsAndOnlyGrows) {
    EXPECT_EQ(GetTriangulationTolerance(), 0.0);
    Cpp_VertexList a, b;
    Fill(a, {{0, 0}, {100, 50}});
    Fill(b, {{-20, 0}, {10, 200}});
    EXPECT_NEAR(GetTriangulationTolerance(), 0.00016, 1e-15);
    b.DeleteAllVertices();
    EXPECT_NEAR(GetTriangulationTolerance(), 0.00016, 1e-15);
    ResetTriangulationGlobals();
    EXPECT_EQ(GetTriangulationTolerance(), 0.0);
}

TEST_F(TriangulationTest, VertexValueComponentAndIsAt) {
    Cpp_VertexList list;
    Cpp_VERTEX* v = list.AddVertex(1, 1.0, 2.0, 7.0);
    v->SetSecondValue(9.0);
    list.SelectValueComponent(true);
    EXPECT_EQ(v->Value(), 9.0);
    list.SelectValueComponent(false);
    EXPECT_EQ(v->Value(), 7.0);
    // No registered list: only exact coordinates match.
    EXPECT_TRUE(v->IsAt(1.0, 2.0));
    EXPECT_FALSE(v->IsAt(1.0, 2.0 + 1e-12));
}

TEST_F(TriangulationTest, DuplicateRemovalKeepsTheScanSemantics) {
    struct Case {
        std::vector<std::vector<double>> points;  // x, y, value
        bool merge;
        bool result;
        std::vector<int> kept;  // numbers left, in order
    };
    const std::vector<Case> cases = {
        {{{0, 0, 5}, {1, 1, 2}, {0, 0, 5}}, true, true, {1, 2}},
        {{{0, 0, 5}, {0, 0, 6}}, true, false, {1, 2}},
        {{{0, 0, 5}, {0, 0, 5}}, false, false, {1, 2}},
        // Earlier groups are merged before the failing pair; later ones stay.
        {{{0, 0, 1}, {1, 1, 1}, {1, 1, 2}, {0, 0, 1}}, true, false, {1, 2, 3}},
        {{{0, 0, 1}, {1, 1, 1}, {0, 0, 2}, {1, 1, 1}}, true, false, {1, 2, 3, 4}},
        // Equal members before the conflicting one in the same group go.
        {{{0, 0, 1}, {0, 0, 1}, {0, 0, 3}, {0, 0, 1}}, true, false, {1, 3, 4}},
        {{{0, 0, 1}, {0, 0, 1}, {0, 0, 1}, {2, 2, 2}}, true, true, {1, 4}},
    };
    for (const Case& c : cases) {
        Cpp_VertexList list;
        int n = 0;
        for (const auto& p : c.points) list.AddVertex(++n, p[0], p[1], p[2]);
        EXPECT_EQ(list.RemoveDuplicateVertices(c.merge), c.result);
        std::vector<int> kept;
        for (Cpp_VERTEX* v = list.First(); v; v = v->Next()) kept.push_back(v->Number());
        EXPECT_EQ(kept, c.kept);
        // Back links and the tail stay consistent.
        Cpp_VERTEX* previous = nullptr;
        for (Cpp_VERTEX* v = list.First(); v; previous = v, v = v->Next())
            EXPECT_EQ(v->Back(), previous);
        EXPECT_EQ(list.Last(), previous);
    }
}

TEST_F(TriangulationTest, ListOperations) {
    Cpp_VertexList list, other;
    Fill(list, {{0, 0}, {5, 5}, {10, 10}});
    EXPECT_TRUE(list.AllCollinear());
    const double tol = GetTriangulationTolerance();
    list.First()->Next()->SetXY(5, 5 + 10 * tol * std::sqrt(2.0));
    EXPECT_FALSE(list.AllCollinear());
    Cpp_VertexList two;
    two.AddVertex(1, 0, 0, 0);
    two.AddVertex(2, 1, 1, 0);
    EXPECT_FALSE(two.AllCollinear());

    Cpp_VertexList flat;
    flat.AddVertex(1, 0, 3, 0);
    flat.AddVertex(2, 1, 3, 0);
    Cpp_VERTEX *high = nullptr, *low = nullptr;
    ASSERT_TRUE(flat.FindLowestAndHighest(high, low));
    EXPECT_EQ(high, flat.First());
    EXPECT_EQ(low, flat.First());

    Cpp_VertexList values;
    values.AddVertex(1, 0, 0, 7);
    values.AddVertex(2, 0, 100, 3);
    values.AddVertex(3, 0, 50, 9);
    double vmin, vmax;
    ASSERT_TRUE(values.GetValueRange(vmin, vmax, false));
    EXPECT_EQ(vmin, 3);
    EXPECT_EQ(vmax, 9);

    list.RebuildBackLinks();
    Cpp_VERTEX* first = list.First();
    Cpp_VERTEX* second = first->Next();
    list.MoveVertexTo(first, other);
    EXPECT_EQ(list.First(), second);
    EXPECT_EQ(second->Back(), nullptr);
    EXPECT_EQ(other.First(), first);
    list.AppendList(other);
    EXPECT_TRUE(other.IsEmpty());
    EXPECT_EQ(list.Last(), first);
    EXPECT_EQ(Count(list), 3);
}

TEST_F(TriangulationTest, TriangleGeometry) {
    EXPECT_EQ(Cpp_Triangle::NextIndex(1), 2);
    EXPECT_EQ(Cpp_Triangle::NextIndex(3), 1);
    EXPECT_EQ(Cpp_Triangle::PreviousIndex(1), 3);
    EXPECT_EQ(Cpp_Triangle::PreviousIndex(2), 1);
    EXPECT_EQ(Cpp_Triangle::PreviousIndex(-1), 1);
    EXPECT_THROW(Cpp_Triangle::NextIndex(-1), Cpp_Triangle::Exc_BadVertexIndex);
    EXPECT_THROW(Cpp_Triangle::PreviousIndex(-2), Cpp_Triangle::Exc_BadVertexIndex);

    Cpp_VertexList list;
    Cpp_VERTEX* a = list.AddVertex(1, 0, 0, 0);
    Cpp_VERTEX* b = list.AddVertex(2, 0, 1, 0);
    Cpp_VERTEX* c = list.AddVertex(3, 1, 0, 0);
    Cpp_Triangle cw(a, b, c), ccw(a, c, b);
    EXPECT_DOUBLE_EQ(cw.ClockwiseArea(), 0.5);
    EXPECT_DOUBLE_EQ(ccw.ClockwiseArea(), -0.5);
    EXPECT_THROW(cw.IndexOfNeighbour(&ccw), Cpp_Triangle::Exc_AdjacentTriangleMissing);

    Cpp_VERTEX* p = list.AddVertex(4, 2, 0, 0);
    Cpp_VERTEX* q = list.AddVertex(5, 0, 2, 0);
    double cx, cy, r2;
    bool failed = true;
    Cpp_Triangle(a, p, q).Circumcircle(cx, cy, r2, failed);
    EXPECT_FALSE(failed);
    EXPECT_DOUBLE_EQ(cx, 1.0);
    EXPECT_DOUBLE_EQ(cy, 1.0);
    EXPECT_DOUBLE_EQ(r2, 2.0);
    Cpp_VERTEX* m = list.AddVertex(6, 1, 1, 0);
    Cpp_VERTEX* f = list.AddVertex(7, 2, 2, 0);
    Cpp_Triangle(a, m, f).Circumcircle(cx, cy, r2, failed);
    EXPECT_TRUE(failed);

    Cpp_VERTEX* z0 = list.AddVertex(8, 0, 0, 0);
    Cpp_VERTEX* z1 = list.AddVertex(9, 1, 0, 1);
    Cpp_VERTEX* z2 = list.AddVertex(10, 0, 1, 2);
    double pa, pb, pc, pd;
    Cpp_Triangle(z0, z1, z2).PlaneCoefficients(pa, pb, pc, pd, false);
    EXPECT_DOUBLE_EQ(pa, 1);
    EXPECT_DOUBLE_EQ(pb, 2);
    EXPECT_DOUBLE_EQ(pc, -1);
    EXPECT_DOUBLE_EQ(pd, 0);
    EXPECT_DOUBLE_EQ(-(pa * 0.5 + pb * 0.25 + pd) / pc, 1.0);
}

TEST_F(TriangulationTest, EdgeChains) {
    Cpp_VertexList list;
    Cpp_VERTEX* a = list.AddVertex(1, 0, 0, 0);
    Cpp_VERTEX* b = list.AddVertex(2, 1, 0, 0);
    Cpp_VERTEX* c = list.AddVertex(3, 0, 1, 0);
    Cpp_EdgeList edges;
    edges.AddEdge(a, b);
    edges.AddEdge(c, a);
    edges.AddEdge(b, c);
    EXPECT_FALSE(edges.IsClosedChain());
    edges.OrderAsChain();
    EXPECT_TRUE(edges.IsClosedChain());
    EXPECT_EQ(edges.First()->Next()->Vertex(1), b);
    Cpp_EdgeList open;
    open.AddEdge(a, b);
    open.AddEdge(b, c);
    EXPECT_FALSE(open.IsClosedChain());
}

TEST_F(TriangulationTest, RandomPointsGiveADelaunayTriangulationWithTheRightCount) {
    for (int n : {4, 5, 12, 200, 3000}) {
        ResetTriangulationGlobals();
        Cpp_VertexList vertices, hull;
        Cpp_TriangleList triangles;
        Fill(vertices, RandomPoints(n, static_cast<unsigned>(n)));
        BuildConvexHullList(vertices, hull);
        const int h = Count(hull);
        ASSERT_TRUE(TriangulatePoints(1, triangles, vertices, false));
        EXPECT_EQ(Count(vertices), n);
        EXPECT_EQ(triangles.CountTriangles(), 2 * n - h - 2) << n << " points";
        int listed = 0;
        for (Cpp_Triangle* t = triangles.First(); t; t = t->Next()) ++listed;
        EXPECT_EQ(listed, triangles.CountTriangles());
        ExpectSoundTopology(triangles);
        ExpectEmptyCircumcircles(triangles, vertices);
    }
    EXPECT_TRUE(boxes.requests.empty());
}

TEST_F(TriangulationTest, GridKeepsLowerLeftToUpperRightDiagonals) {
    std::vector<std::pair<double, double>> pts;
    for (int i = 0; i < 8; ++i)
        for (int j = 0; j < 6; ++j) pts.emplace_back(i * 2.0, j * 1.0);
    Cpp_VertexList vertices;
    Cpp_TriangleList triangles;
    Fill(vertices, pts);
    ASSERT_TRUE(TriangulatePoints(1, triangles, vertices, false));
    // Every hull point is kept on the hull: 2n - h - 2 with h = 24.
    EXPECT_EQ(triangles.CountTriangles(), 2 * 48 - 24 - 2);
    ExpectSoundTopology(triangles);
    for (Cpp_Triangle* t = triangles.First(); t; t = t->Next()) {
        // A half cell: its long side runs from lower left to upper right.
        for (int i = 1; i <= 3; ++i) {
            const Cpp_VERTEX* p = t->Vertex(static_cast<short>(i));
            const Cpp_VERTEX* q = t->Vertex(static_cast<short>(Cpp_Triangle::NextIndex(i)));
            const double dx = q->X() - p->X(), dy = q->Y() - p->Y();
            if (dx != 0 && dy != 0) {
                EXPECT_GT(dx * dy, 0.0);
            }
        }
    }
}

TEST_F(TriangulationTest, RectangleSwapTestPrefersLowerLeftToUpperRight) {
    Cpp_VertexList list;
    Fill(list, {{0, 0}, {4, 0}, {4, 2}, {0, 2}});
    Cpp_VERTEX* ll = list.First();
    Cpp_VERTEX* lr = ll->Next();
    Cpp_VERTEX* ur = lr->Next();
    Cpp_VERTEX* ul = ur->Next();
    // Diagonal upper left - lower right: both triangles clockwise, sharing ul-lr.
    Cpp_Triangle a(ll, ul, lr), b(ul, ur, lr);
    a.SetNeighbour(2, &b);
    b.SetNeighbour(3, &a);
    EXPECT_TRUE(Cpp_Triangle::NeedsSwap(&a, &b, 2));
    EXPECT_TRUE(Cpp_Triangle::NeedsSwap(&b, &a, 1));
    // Diagonal lower left - upper right: kept.
    Cpp_Triangle c(ll, ur, lr), d(ll, ul, ur);
    c.SetNeighbour(1, &d);
    d.SetNeighbour(3, &c);
    EXPECT_FALSE(Cpp_Triangle::NeedsSwap(&c, &d, 2));
    EXPECT_FALSE(Cpp_Triangle::NeedsSwap(&d, &c, 3));
}

TEST_F(TriangulationTest, CollinearAndTooFewPoints) {
    for (int n : {3, 4}) {
        boxes.requests.clear();
        Cpp_VertexList vertices;
        Cpp_TriangleList triangles;
        std::vector<std::pair<double, double>> pts;
        for (int i = 0; i < n; ++i) pts.emplace_back(i * 1.0, i * 2.0);
        Fill(vertices, pts);
        EXPECT_FALSE(TriangulatePoints(1, triangles, vertices, false));
        ASSERT_EQ(boxes.requests.size(), 1u);
        EXPECT_EQ(boxes.requests[0].text, "All vertices are colinear - cannot triangulate");
        EXPECT_EQ(boxes.requests[0].caption, "Triangulation Notification");
        EXPECT_TRUE(triangles.IsEmpty());
    }
    boxes.requests.clear();
    Cpp_VertexList vertices;
    Cpp_TriangleList triangles;
    Fill(vertices, {{0, 0}, {1, 1}});
    EXPECT_TRUE(TriangulatePoints(1, triangles, vertices, false));
    EXPECT_TRUE(boxes.requests.empty());
    EXPECT_TRUE(triangles.IsEmpty());
}

TEST_F(TriangulationTest, HullOfPointsOnOneHorizontalLineIsDegenerateButSound) {
    Cpp_VertexList vertices, hull;
    Fill(vertices, {{3, 1}, {0, 1}, {7, 1}, {5, 1}, {1, 1}});
    BuildConvexHullList(vertices, hull);
    std::set<double> xs;
    for (Cpp_VERTEX* v = hull.First(); v; v = v->Next()) xs.insert(v->X());
    EXPECT_EQ(xs, (std::set<double>{0, 1, 3, 5, 7}));
    EXPECT_EQ(Count(hull), 5);
    Cpp_VertexList same;
    Fill(same, {{2, 2}, {2, 2}, {2, 2}, {2, 2}});
    BuildConvexHullList(same, hull);
    EXPECT_EQ(Count(hull), 4);
    EXPECT_EQ(Count(same), 4);
}

TEST_F(TriangulationTest, PointLocationIsBoundedAndRejectsOutsidePoints) {
    Cpp_VertexList vertices;
    Cpp_TriangleList triangles;
    Fill(vertices, RandomPoints(500, 7));
    ASSERT_TRUE(TriangulatePoints(1, triangles, vertices, false));
    const double tol = GetTriangulationTolerance();
    std::mt19937 gen(3);
    std::uniform_real_distribution<double> d(-50.0, 150.0);
    for (int k = 0; k < 300; ++k) {
        const double x = d(gen), y = d(gen);
        Cpp_Triangle* scan = triangles.FindByScan(x, y);
        Cpp_Triangle* found = triangles.FindTriangleContaining(nullptr, x, y);
        EXPECT_EQ(found != nullptr, scan != nullptr);
        if (found) {
            EXPECT_TRUE(found->Contains(x, y));
        }
    }
    // On a hull edge, half a tolerance outside and ten tolerances outside.
    Cpp_Triangle* edgeT = nullptr;
    int edge = 0;
    for (Cpp_Triangle* t = triangles.First(); t && !edgeT; t = t->Next())
        for (int i = 1; i <= 3 && !edgeT; ++i)
            if (!t->GetNeighbour(i)) edgeT = t, edge = i;
    ASSERT_NE(edgeT, nullptr);
    const Cpp_VERTEX* a = edgeT->Vertex(static_cast<short>(edge));
    const Cpp_VERTEX* b = edgeT->Vertex(static_cast<short>(Cpp_Triangle::NextIndex(edge)));
    const double len = a->DistanceTo(b->X(), b->Y());
    // Outward normal of a clockwise boundary edge: to the left of a -> b.
    const double nx = -(b->Y() - a->Y()) / len, ny = (b->X() - a->X()) / len;
    const double mx = (a->X() + b->X()) / 2, my = (a->Y() + b->Y()) / 2;
    EXPECT_NE(triangles.FindTriangleContaining(nullptr, mx + 0.5 * tol * nx, my + 0.5 * tol * ny),
              nullptr);
    EXPECT_EQ(triangles.FindTriangleContaining(nullptr, mx + 10 * tol * nx, my + 10 * tol * ny),
              nullptr);

    // A corrupted neighbour cycle does not hang the walk; the scan still answers.
    Cpp_Triangle* t1 = triangles.First();
    Cpp_Triangle* t2 = t1->Next();
    Cpp_Triangle* saved[6];
    for (int i = 1; i <= 3; ++i)
        saved[i - 1] = t1->GetNeighbour(i), saved[i + 2] = t2->GetNeighbour(i);
    t1->SetNeighbours(t2, t2, t2);
    t2->SetNeighbours(t1, t1, t1);
    double cx, cy;
    triangles.GetLastTriangle()->Centroid(cx, cy);
    EXPECT_EQ(triangles.FindTriangleContaining(t1, cx, cy), triangles.FindByScan(cx, cy));
    t1->SetNeighbours(saved[0], saved[1], saved[2]);
    t2->SetNeighbours(saved[3], saved[4], saved[5]);
}

TEST_F(TriangulationTest, InsertingPointsOneByOne) {
    Cpp_VertexList vertices;
    Cpp_TriangleList triangles;
    Fill(vertices, {{0, 0}, {10, 0}});
    Cpp_VERTEX* p = vertices.AddVertex(3, 3, 8, 0);
    InsertPointOutsideHull(vertices, triangles, p);
    ASSERT_EQ(triangles.CountTriangles(), 1);
    EXPECT_GT(triangles.First()->ClockwiseArea(), 0.0);

    // Outside the hull, then on a boundary edge, then inside, then on an interior edge.
    struct Step {
        double x, y;
        int added;
    };
    const std::vector<Step> steps = {{12, 9, 1}, {5, 0, 1}, {5, 3, 2}, {5, 0.5, 0}};
    int n = 3;
    for (const Step& s : steps) {
        const int before = triangles.CountTriangles();
        Cpp_VERTEX* v = vertices.AddVertex(++n, s.x, s.y, 0);
        UpdateToleranceExtents(&vertices);
        Cpp_Triangle* t = triangles.LocateByWalking(nullptr, s.x, s.y);
        if (t)
            insert_point_and_swap_edges_if_necessary(vertices, triangles, v, t);
        else
            InsertPointOutsideHull(vertices, triangles, v);
        if (s.added) {
            EXPECT_EQ(triangles.CountTriangles(), before + s.added);
        }
        ExpectSoundTopology(triangles);
        ExpectEmptyCircumcircles(triangles, vertices);
    }
    // The point on an interior edge made four triangles out of two.
    Cpp_VertexList hull;
    BuildConvexHullList(vertices, hull);
    EXPECT_EQ(triangles.CountTriangles(), 2 * n - Count(hull) - 2);
}

TEST_F(TriangulationTest, PointOnAnInteriorEdgeSplitsBothTriangles) {
    Cpp_VertexList vertices;
    Cpp_TriangleList triangles;
    Fill(vertices, {{0, 0}, {10, 0}, {10, 10}, {0, 10}});
    ASSERT_TRUE(TriangulatePoints(1, triangles, vertices, false));
    ASSERT_EQ(triangles.CountTriangles(), 2);
    Cpp_VERTEX* v = vertices.AddVertex(5, 5, 5, 0);
    Cpp_Triangle* t = triangles.LocateByWalking(nullptr, 5, 5);
    ASSERT_NE(t, nullptr);
    insert_point_and_swap_edges_if_necessary(vertices, triangles, v, t);
    EXPECT_EQ(triangles.CountTriangles(), 4);
    ExpectSoundTopology(triangles);
    for (Cpp_Triangle* tr = triangles.First(); tr; tr = tr->Next())
        EXPECT_NO_THROW(tr->IndexOfVertex(v));
}

TEST_F(TriangulationTest, RetriangulatingRemovesDuplicatesAndReplacesTheList) {
    Cpp_VertexList vertices;
    Cpp_TriangleList triangles;
    Fill(vertices, {{0, 0}, {10, 0}, {0, 10}, {10, 10}, {5, 4}, {10, 0}});
    vertices.Last()->SetFirstValue(vertices.First()->Next()->FirstValue());
    ASSERT_TRUE(TriangulatePoints(1, triangles, vertices, true));
    EXPECT_EQ(Count(vertices), 5);
    EXPECT_EQ(triangles.CountTriangles(), 4);
    vertices.First()->SetXY(-1, -1);
    ASSERT_TRUE(TriangulatePoints(1, triangles, vertices, true));
    EXPECT_EQ(triangles.CountTriangles(), 4);
    ExpectSoundTopology(triangles);
    Cpp_VertexList conflicting;
    Cpp_TriangleList none;
    Fill(conflicting, {{0, 0}, {1, 0}, {0, 1}, {0, 0}});
    conflicting.Last()->SetFirstValue(5.0);
    EXPECT_FALSE(TriangulatePoints(1, none, conflicting, true));
}

// ---------------------------------------------------------------------------------------------
// Robust construction: exact predicates, a consistent tie rule, and a brute-force reference.

int Turn(const std::pair<double, double>& a, const std::pair<double, double>& b,
         const std::pair<double, double>& c) {
    return exact::Orientation(a.first, a.second, b.first, b.second, c.first, c.second);
}

// The order that settles four points on one circle: x + y, then y, then x.
bool TieFirst(const std::pair<double, double>& a, const std::pair<double, double>& b) {
    const double sa = a.first + a.second, sb = b.first + b.second;
    if (sa != sb) return sa < sb;
    if (a.second != b.second) return a.second < b.second;
    return a.first < b.first;
}

using Triple = std::array<int, 3>;

// Clockwise triangles as vertex numbers, each starting at its smallest number.
std::set<Triple> Triangles(const Cpp_TriangleList& triangles) {
    std::set<Triple> out;
    for (Cpp_Triangle* t = triangles.First(); t; t = t->Next()) {
        Triple a{t->Vertex(1)->Number(), t->Vertex(2)->Number(), t->Vertex(3)->Number()};
        std::rotate(a.begin(), std::min_element(a.begin(), a.end()), a.end());
        out.insert(a);
    }
    return out;
}

// Brute force: a triangle of three points belongs to the triangulation when no other point lies
// inside its circle; a fourth point on the circle counts as inside when the first of the four
// in tie order is that point, or is a corner of the triangle that the point faces across the
// other two corners (lowering the first point lifts the circle through the others there).
std::set<Triple> ReferenceTriangles(const std::vector<std::pair<double, double>>& pts) {
    std::set<Triple> out;
    const int n = static_cast<int>(pts.size());
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j)
            for (int k = 0; k < n; ++k) {
                if (i == j || j == k || i == k || Turn(pts[i], pts[j], pts[k]) >= 0) continue;
                bool empty = true;
                for (int l = 0; l < n && empty; ++l) {
                    if (l == i || l == j || l == k) continue;
                    const auto &a = pts[i], &b = pts[k], &c = pts[j];  // counterclockwise
                    int s = exact::InCircle(a.first, a.second, b.first, b.second, c.first, c.second,
                                            pts[l].first, pts[l].second);
                    if (s == 0) {
                        int first = l;
                        for (int m : {i, j, k})
                            if (TieFirst(pts[m], pts[first])) first = m;
                        if (first == l) {
                            s = 1;
                        } else {
                            int u = -1, w = -1;
                            for (int m : {i, j, k})
                                if (m != first) (u < 0 ? u : w) = m;
                            s = Turn(pts[u], pts[w], pts[first]) * Turn(pts[u], pts[w], pts[l]) < 0
                                    ? 1
                                    : -1;
                        }
                    }
                    if (s > 0) empty = false;
                }
                if (empty) {
                    Triple a{i + 1, j + 1, k + 1};
                    std::rotate(a.begin(), std::min_element(a.begin(), a.end()), a.end());
                    out.insert(a);
                }
            }
    return out;
}

// Vertices on the boundary of the convex hull, collinear ones included (exact).
int HullCount(std::vector<std::pair<double, double>> pts) {
    std::sort(pts.begin(), pts.end());
    pts.erase(std::unique(pts.begin(), pts.end()), pts.end());
    int count = 0;
    for (std::size_t i = 0; i < pts.size(); ++i) {
        // On the hull when some line through it has no point strictly on one side: test the
        // lines to every other point.
        bool onHull = false;
        for (std::size_t j = 0; j < pts.size() && !onHull; ++j) {
            if (j == i) continue;
            bool left = false, right = false;
            for (std::size_t k = 0; k < pts.size(); ++k) {
                const int t = Turn(pts[i], pts[j], pts[k]);
                left = left || t > 0;
                right = right || t < 0;
            }
            onHull = !(left && right);
        }
        count += onHull ? 1 : 0;
    }
    return count;
}

TEST_F(TriangulationTest, PredicatesAreExactNextToLargeCoordinates) {
    // A point a few units from the line through two points near 1e7: the rounded cross
    // product has no right sign there, the exact one has.
    EXPECT_EQ(exact::Orientation(1e7, 1e7, 1e7 + 3, 1e7 + 1, 1e7 + 6, 1e7 + 2), 0);
    EXPECT_EQ(exact::Orientation(1e7, 1e7, 1e7 + 3, 1e7 + 1, 1e7 + 6, 1e7 + 2.000000001), 1);
    EXPECT_EQ(exact::Orientation(0.1, 0.1, 0.2, 0.2, 0.30000000000000004, 0.3), -1);
    // Exchanging two of four points negates the circle test; points on the circle give 0.
    EXPECT_EQ(exact::InCircle(0, 0, 2, 0, 2, 2, 0, 2), 0);
    EXPECT_EQ(exact::InCircle(1e7, 0, 1e7 + 4, 0, 1e7 + 4, 4, 1e7 + 1, 1), 1);
    EXPECT_EQ(exact::InCircle(1e7 + 4, 0, 1e7, 0, 1e7 + 4, 4, 1e7 + 1, 1), -1);
    EXPECT_EQ(exact::InCircle(0, 0, 1, 0, 0, 1, 1, 1 + 1e-15), -1);
}

// Six points that made the edge swaps cycle for ever (large and small coordinates side by
// side), lost a neighbour link ("EXCEPTION: Adjacemt triangle missing."), or failed the walk of
// the insertion: each gives a sound triangulation of all its points, Delaunay within the
// tolerance (here a few units: the small points are that far apart).
TEST_F(TriangulationTest, LargeAndSmallCoordinatesTogetherGiveASoundTriangulation) {
    const std::vector<std::vector<std::pair<double, double>>> cases = {
        {{10000001, 3}, {4, 10000006}, {5, 10000003}, {5, 0}, {1, 0}, {0, 0}},
        {{10000000, 10000002}, {1, 10000005}, {4, 1}, {3, 1}, {6, 10000002}, {1, 1}},
        {{2, 4}, {2, 0}, {3, 5}, {10000000, 0}, {10000004, 6}, {10000002, 2}},
        {{2, 4}, {1, 0}, {3, 5}, {10000000, 0}, {10000004, 5}, {10000001, 2}},
    };
    for (const auto& pts : cases) {
        ResetTriangulationGlobals();
        Cpp_VertexList vertices;
        Cpp_TriangleList triangles;
        Fill(vertices, pts);
        ASSERT_TRUE(TriangulatePoints(1, triangles, vertices, false));
        const int n = static_cast<int>(pts.size());
        EXPECT_EQ(triangles.CountTriangles(), 2 * n - HullCount(pts) - 2);
        ExpectSoundTopology(triangles);
        ExpectEmptyCircumcircles(triangles, vertices);
    }
}

TEST_F(TriangulationTest, TrianglesAreTheBruteForceOnesWhateverTheOrder) {
    std::vector<std::vector<std::pair<double, double>>> sets;
    for (unsigned seed : {1u, 2u, 3u}) sets.push_back(RandomPoints(40, seed));
    std::vector<std::pair<double, double>> grid;
    for (int i = 0; i < 6; ++i)
        for (int j = 0; j < 5; ++j) grid.emplace_back(i * 2.0, j * 1.0);
    sets.push_back(grid);
    // Twelve points on one circle, its centre, and two points inside.
    std::vector<std::pair<double, double>> circle = {{5, 0},   {4, 3},  {3, 4},  {0, 5},
                                                     {-3, 4},  {-4, 3}, {-5, 0}, {-4, -3},
                                                     {-3, -4}, {0, -5}, {3, -4}, {4, -3}};
    sets.push_back(circle);
    circle.push_back({0, 0});
    circle.push_back({1, 2});
    sets.push_back(circle);
    // A rectangle turned by 45 degrees and a turned grid of squares.
    sets.push_back({{0, -2}, {2, 0}, {0, 2}, {-2, 0}, {1, -1}, {-1, 1}});
    std::vector<std::pair<double, double>> turned;
    for (int i = -3; i <= 3; ++i)
        for (int j = -3; j <= 3; ++j)
            if (std::abs(i) + std::abs(j) <= 3) turned.emplace_back(i + j, i - j);
    sets.push_back(turned);

    std::mt19937 gen(5);
    for (const auto& pts : sets) {
        const std::set<Triple> reference = ReferenceTriangles(pts);
        for (int shuffle = 0; shuffle < 3; ++shuffle) {
            // The same points in another order, numbered as before.
            std::vector<int> order(pts.size());
            for (std::size_t i = 0; i < order.size(); ++i) order[i] = static_cast<int>(i);
            if (shuffle) std::shuffle(order.begin(), order.end(), gen);
            ResetTriangulationGlobals();
            Cpp_VertexList vertices;
            Cpp_TriangleList triangles;
            for (int i : order) vertices.AddVertex(i + 1, pts[i].first, pts[i].second, 0.0);
            RegisterVertexList(&vertices);
            ASSERT_TRUE(TriangulatePoints(1, triangles, vertices, false));
            ExpectSoundTopology(triangles);
            EXPECT_EQ(Triangles(triangles), reference)
                << pts.size() << " points, order " << shuffle;
            EXPECT_EQ(triangles.CountTriangles(),
                      2 * static_cast<int>(pts.size()) - HullCount(pts) - 2);
        }
    }
}

// Interior points inserted one by one with the tool, or all at once, give the same triangles.
TEST_F(TriangulationTest, PointsAddedOneByOneGiveTheSameTrianglesAsTheWholeSet) {
    std::vector<std::pair<double, double>> pts = {{0, 0}, {10, 0}, {10, 10}, {0, 10}};
    for (const auto& p : RandomPoints(60, 9)) pts.emplace_back(p.first / 10, p.second / 10);
    for (int i = 0; i <= 10; i += 2) pts.emplace_back(i, 5.0);  // on one line, with ties
    Cpp_VertexList whole, grown;
    Cpp_TriangleList all, added;
    Fill(whole, pts);
    ASSERT_TRUE(TriangulatePoints(1, all, whole, false));
    int n = 0;
    for (const auto& p : pts) {
        Cpp_VERTEX* v = grown.AddVertex(++n, p.first, p.second, 0.0);
        if (n == 1) RegisterVertexList(&grown);
        Cpp_Triangle* t = added.LocateByWalking(nullptr, p.first, p.second);
        if (t)
            insert_point_and_swap_edges_if_necessary(grown, added, v, t);
        else
            InsertPointOutsideHull(grown, added, v);
    }
    ExpectSoundTopology(added);
    EXPECT_EQ(Triangles(added), Triangles(all));
    EXPECT_EQ(Triangles(all), ReferenceTriangles(pts));
}

}  // namespace

namespace {

// The hull list of a big point set is the hull that wrapping every vertex gives: the same
// vertices in the same order, collinear hull points, near-collinear ones within the tolerance
// and ties of the lowest vertex included.
TEST_F(TriangulationTest, HullOfABigPointSetIsThatOfWrappingEveryVertex) {
    struct s_Case {
        const char* name;
        std::vector<std::pair<double, double>> points;
    };
    std::vector<s_Case> cases;
    cases.push_back({"random square", RandomPoints(5000, 3)});
    {
        // A grid: every point of its border lies on a hull edge.
        std::vector<std::pair<double, double>> grid;
        for (int i = 0; i < 60; ++i)
            for (int j = 0; j < 40; ++j) grid.emplace_back(i * 2.5, j * 1.5);
        cases.push_back({"grid", grid});
    }
    {
        // A disc with points on its circle and a few just inside it (within the tolerance).
        std::vector<std::pair<double, double>> disc = RandomPoints(3000, 5);
        for (auto& p : disc) {
            const double dx = p.first - 50.0, dy = p.second - 50.0;
            if (dx * dx + dy * dy > 2500.0) p = {50.0 + dx * 0.5, 50.0 + dy * 0.5};
        }
        for (int k = 0; k < 400; ++k) {
            const double a = k * 0.0157079632679;
            const double r = k % 3 == 0 ? 50.0 - 2e-5 : 50.0;
            disc.emplace_back(50.0 + r * std::cos(a), 50.0 + r * std::sin(a));
        }
        cases.push_back({"disc", disc});
    }
    {
        // A thin sliver with three lowest vertices of one y.
        std::vector<std::pair<double, double>> sliver;
        std::mt19937 gen(9);
        std::uniform_real_distribution<double> x(0.0, 1000.0), y(0.0, 0.5);
        for (int i = 0; i < 2000; ++i) sliver.emplace_back(x(gen), y(gen));
        sliver.emplace_back(300.0, -1.0);
        sliver.emplace_back(100.0, -1.0);
        sliver.emplace_back(700.0, -1.0);
        cases.push_back({"sliver", sliver});
    }
    for (const s_Case& c : cases) {
        SCOPED_TRACE(c.name);
        ResetTriangulationGlobals();
        Cpp_VertexList vertices;
        Fill(vertices, c.points);
        Cpp_VertexList hull;
        BuildConvexHullList(vertices, hull);
        Cpp_VertexList wrapped, inside;
        for (Cpp_VERTEX* v = vertices.First(); v; v = v->Next())
            wrapped.AddVertex(0, v->X(), v->Y(), v->FirstValue());
        ComputeConvexHull(wrapped, inside);
        std::vector<std::pair<double, double>> got, expected;
        for (Cpp_VERTEX* v = hull.First(); v; v = v->Next()) got.emplace_back(v->X(), v->Y());
        for (Cpp_VERTEX* v = wrapped.First(); v; v = v->Next())
            expected.emplace_back(v->X(), v->Y());
        EXPECT_GE(expected.size(), 4u);
        EXPECT_EQ(got, expected);
    }
}

}  // namespace
