// Deleting and moving one vertex of a triangulation: the hole or pocket is filled around it
// and only there, the result stays a valid clockwise triangulation, the sets that cannot be
// repaired locally are triangulated again, and a move that turns a triangle over asks first.

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "porepressure/delaunay.h"
#include "porepressure/triangulation_repair.h"
#include "support/fake_services.h"

namespace {

class TriangulationRepairTest : public ::testing::Test {
protected:
    void SetUp() override { ResetTriangulationGlobals(); }
    void TearDown() override {
        UnregisterVertexList(&vertices);
        ResetTriangulationGlobals();
    }
    void Triangulate(const std::vector<std::pair<double, double>>& points, double value = 1.0) {
        int n = 0;
        for (const auto& p : points) vertices.AddVertex(++n, p.first, p.second, value);
        RegisterVertexList(&vertices);
        ASSERT_TRUE(TriangulatePoints(1, triangles, vertices, true));
    }
    Cpp_VERTEX* VertexAt(double x, double y) {
        for (Cpp_VERTEX* v = vertices.First(); v; v = v->Next())
            if (v->X() == x && v->Y() == y) return v;
        return nullptr;
    }
    int VertexCount() {
        int n = 0;
        for (Cpp_VERTEX* v = vertices.First(); v; v = v->Next()) ++n;
        return n;
    }
    // Every triangle clockwise, every neighbour a triangle of the list that names it back
    // across the same edge, every vertex of the list without a hole link.
    void ExpectValid() {
        std::set<const Cpp_Triangle*> listed;
        for (Cpp_Triangle* t = triangles.First(); t; t = t->Next()) listed.insert(t);
        for (Cpp_Triangle* t = triangles.First(); t; t = t->Next()) {
            EXPECT_GT(t->ClockwiseArea(), 0.0);
            for (int i = 1; i <= 3; ++i) {
                const Cpp_Triangle* n = t->GetNeighbour(i);
                if (!n) continue;
                ASSERT_TRUE(listed.count(n)) << "a link to a triangle that is gone";
                const int j = t->IndexOfNeighbour(n);
                EXPECT_EQ(n->Vertex(static_cast<short>(j)), t->Vertex(Cpp_Triangle::NextIndex(i)));
            }
        }
        for (Cpp_VERTEX* v = vertices.First(); v; v = v->Next())
            EXPECT_EQ(v->TriangleLink(), nullptr);
    }

    testsupport::FakeServices fakes;
    testsupport::FakeMessageBoxes& boxes = fakes.messageBoxes;
    Cpp_VertexList vertices;
    Cpp_TriangleList triangles;
};

std::vector<std::pair<double, double>> Hexagon() {
    std::vector<std::pair<double, double>> points{{0, 0}};
    for (int k = 0; k < 6; ++k)
        points.emplace_back(std::cos(k * M_PI / 3.0), std::sin(k * M_PI / 3.0));
    return points;
}

TEST_F(TriangulationRepairTest, DeletingTheCentreOfAHexagonLeavesFourTrianglesOverTheRing) {
    Triangulate(Hexagon());
    ASSERT_EQ(triangles.CountTriangles(), 6);
    Cpp_VERTEX* centre = VertexAt(0, 0);
    EXPECT_TRUE(DeleteVertexAndRetriangulate(vertices, triangles, centre));
    EXPECT_EQ(centre, nullptr);
    EXPECT_EQ(VertexCount(), 6);
    EXPECT_EQ(triangles.CountTriangles(), 4);
    ExpectValid();
    EXPECT_TRUE(boxes.requests.empty());
}

// The cases of a boundary vertex and of a vertex without triangles, by what is left.
TEST_F(TriangulationRepairTest, BoundaryVerticesLeaveEveryOtherVertexInATriangle) {
    struct Case {
        const char* name;
        std::vector<std::pair<double, double>> points;
        std::pair<double, double> deleted;
        int trianglesLeft;
    };
    const std::vector<Case> cases = {
        {"corner of a square", {{0, 0}, {0, 1}, {1, 1}, {1, 0}}, {1, 1}, 1},
        // Both triangles of the middle point have their far edge on the boundary: without a
        // new triangulation the three points left would have none.
        {"middle of a line under a point", {{0, 0}, {1, 0}, {2, 0}, {1, 1}}, {1, 0}, 1},
        {"one of two points", {{0, 0}, {1, 0}}, {1, 0}, 0},
        {"corner of a grid",
         {{0, 0}, {1, 0}, {2, 0}, {0, 1}, {1, 1}, {2, 1}, {0, 2}, {1, 2}, {2, 2}},
         {2, 2},
         7},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        UnregisterVertexList(&vertices);
        vertices.DeleteAllVertices();
        triangles.DeleteAll();
        Triangulate(c.points);
        Cpp_VERTEX* v = VertexAt(c.deleted.first, c.deleted.second);
        ASSERT_NE(v, nullptr);
        DeleteVertexAndRetriangulate(vertices, triangles, v);
        EXPECT_EQ(VertexCount(), static_cast<int>(c.points.size()) - 1);
        EXPECT_EQ(triangles.CountTriangles(), c.trianglesLeft);
        ExpectValid();
        if (c.trianglesLeft > 0) {
            for (Cpp_VERTEX* w = vertices.First(); w; w = w->Next()) {
                EXPECT_FALSE(CollectTrianglesAroundVertex(triangles, w).empty());
            }
        }
    }
}

// A hole whose rim lies on one line has no ear: the deletion still ends, and the set is
// triangulated again (here it cannot be: all points on a line).
TEST_F(TriangulationRepairTest, AHoleWithoutAnEarEndsWithTheSetTriangulatedAgain) {
    Cpp_VERTEX* p = vertices.AddVertex(1, 1.5, 1, 1);
    Cpp_VERTEX* a = vertices.AddVertex(2, 0, 0, 1);
    Cpp_VERTEX* b = vertices.AddVertex(3, 1, 0, 1);
    Cpp_VERTEX* c = vertices.AddVertex(4, 2, 0, 1);
    Cpp_VERTEX* d = vertices.AddVertex(5, 3, 0, 1);
    RegisterVertexList(&vertices);
    // A closed fan around p over the rim a, b, c, d (drawn by hand: no real triangulation has
    // it).
    Cpp_Triangle* t1 = triangles.AddTriangle(p, a, b);
    Cpp_Triangle* t2 = triangles.AddTriangle(p, b, c);
    Cpp_Triangle* t3 = triangles.AddTriangle(p, c, d);
    Cpp_Triangle* t4 = triangles.AddTriangle(p, d, a);
    t1->SetNeighbours(t4, nullptr, t2);
    t2->SetNeighbours(t1, nullptr, t3);
    t3->SetNeighbours(t2, nullptr, t4);
    t4->SetNeighbours(t3, nullptr, t1);
    DeleteVertexAndRetriangulate(vertices, triangles, p);
    EXPECT_EQ(VertexCount(), 4);
    EXPECT_EQ(triangles.CountTriangles(), 0);
    ASSERT_EQ(boxes.requests.size(), 1u);
    EXPECT_EQ(boxes.requests[0].text, "All vertices are colinear - cannot triangulate");
}

TEST_F(TriangulationRepairTest, AMoveThatTurnsATriangleOverAsksFirst) {
    Triangulate(Hexagon());
    Cpp_VERTEX* centre = VertexAt(0, 0);
    int asked = 0;
    bool answer = false;
    const auto ask = [&] {
        ++asked;
        return answer;
    };
    // A little inside its ring: no question, the triangles stay.
    EXPECT_TRUE(CheckForInvertedTriangles(0.1, 0.05, triangles, vertices, centre, ask));
    EXPECT_EQ(asked, 0);
    EXPECT_EQ(std::pair(centre->X(), centre->Y()), std::pair(0.1, 0.05));
    EXPECT_EQ(triangles.CountTriangles(), 6);
    ExpectValid();
    // Across the far side of its triangles: asked; No keeps it.
    EXPECT_TRUE(CheckForInvertedTriangles(2, 0.1, triangles, vertices, centre, ask));
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(std::pair(centre->X(), centre->Y()), std::pair(0.1, 0.05));
    // Yes onto another vertex of the same value: the two merge in a new triangulation.
    answer = true;
    EXPECT_TRUE(CheckForInvertedTriangles(1, 0, triangles, vertices, centre, ask));
    EXPECT_EQ(asked, 2);
    EXPECT_EQ(VertexCount(), 6);
    EXPECT_EQ(triangles.CountTriangles(), 4);
    ExpectValid();
}

// Many deletions in a row from a random set keep a valid triangulation that covers the same
// hull as a fresh triangulation of the points left.
TEST_F(TriangulationRepairTest, RepeatedDeletionsMatchAFreshTriangulation) {
    std::mt19937 gen(7);
    std::uniform_real_distribution<double> d(0.0, 100.0);
    std::vector<std::pair<double, double>> points;
    for (int i = 0; i < 300; ++i) points.emplace_back(d(gen), d(gen));
    Triangulate(points);
    for (int k = 0; k < 150; ++k) {
        Cpp_VERTEX* v = vertices.First();
        for (int s = 0; s < k % 7 && v->Next(); ++s) v = v->Next();
        DeleteVertexAndRetriangulate(vertices, triangles, v);
    }
    ExpectValid();
    Cpp_VertexList fresh;
    Cpp_TriangleList freshTriangles;
    int n = 0;
    for (Cpp_VERTEX* v = vertices.First(); v; v = v->Next())
        fresh.AddVertex(++n, v->X(), v->Y(), 1);
    ASSERT_TRUE(TriangulatePoints(1, freshTriangles, fresh, true));
    EXPECT_EQ(triangles.CountTriangles(), freshTriangles.CountTriangles());
}

}  // namespace
