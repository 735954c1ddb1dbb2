// The step-by-step redraw of a triangulation on the recording device context: every triangle an
// insertion, deletion or move leaves new is drawn and lies in the touched rectangle; with the
// switches off nothing is drawn but the erase of the triangles around a deleted vertex; a new
// triangulation of the whole set asks for a full redraw.

#include "porepressure/pp_drawing_fixture.h"
#include "porepressure/triangulation_drawing.h"
#include "porepressure/triangulation_repair.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <functional>
#include <set>

namespace {

using platform::DcRecordKind;
using Corners = std::array<const Cpp_VERTEX*, 3>;

// The triangles of the list by their corners, whatever vertex comes first.
std::set<Corners> CornersOf(const Cpp_TriangleList& triangles) {
    std::set<Corners> out;
    for (const Cpp_Triangle* t = triangles.First(); t; t = t->Next()) {
        Corners c{t->Vertex(1), t->Vertex(2), t->Vertex(3)};
        std::sort(c.begin(), c.end());
        out.insert(c);
    }
    return out;
}

class TriangulationRedrawTest : public PpDrawingFixture {
public:
    // A shaken 6 x 6 grid over [10, 90].
    void SetUp() override {
        PpDrawingFixture::SetUp();
        int n = 0;
        for (int i = 0; i < 6; ++i)
            for (int j = 0; j < 6; ++j)
                vertices.AddVertex(++n, 10 + 16 * i + (j % 3) * 1.7, 10 + 16 * j + (i % 2) * 2.3,
                                   1.0);
        RegisterVertexList(&vertices);
        ASSERT_TRUE(TriangulatePoints(1, triangles, vertices, false));
        dc.Clear();
    }
    void TearDown() override {
        UnregisterVertexList(&vertices);
        PpDrawingFixture::TearDown();
    }
    static TriangulationDrawOptions AllOn() {
        TriangulationDrawOptions o;
        o.on = o.triangles = o.vertices = 1;
        return o;
    }
    Cpp_VERTEX* Near(double x, double y) {
        Cpp_VERTEX* best = nullptr;
        for (Cpp_VERTEX* v = vertices.First(); v; v = v->Next())
            if (!best || v->DistanceTo(x, y) < best->DistanceTo(x, y)) best = v;
        return best;
    }
    void Add(double x, double y, TriangulationObserver* observer) {
        Cpp_VERTEX* v = vertices.AddVertex(vertices.CountRing() + 1, x, y, 1.0);
        Cpp_Triangle* t = triangles.LocateByWalking(nullptr, x, y);
        if (t)
            insert_point_and_swap_edges_if_necessary(vertices, triangles, v, t, observer);
        else
            InsertPointOutsideHull(vertices, triangles, v, observer);
    }
    // Whether the outline of the triangle (in any turn) was drawn as a polyline.
    bool OutlineDrawn(const Corners& c) const {
        std::vector<platform::DevicePoint> p;
        for (const Cpp_VERTEX* v : c) p.push_back(Cpp_Graphics::WorldToPixel(v->X(), v->Y()));
        for (const auto& r : dc.OfKind(DcRecordKind::Polyline)) {
            if (r.points.size() != 4) continue;
            int found = 0;
            for (const auto& q : p)
                found += std::count(r.points.begin(), r.points.end() - 1, q) == 1;
            if (found == 3) return true;
        }
        return false;
    }
    static bool Inside(const platform::DeviceRect& r, const Cpp_VERTEX* v) {
        const platform::DevicePoint p = Cpp_Graphics::WorldToPixel(v->X(), v->Y());
        return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom;
    }

    Cpp_VertexList vertices;
    Cpp_TriangleList triangles;
};

struct s_Change {
    const char* name;
    std::function<void(TriangulationRedrawTest&, TriangulationObserver*)> run;
    int fresh = 1;  // new triangles at least
};

TEST_F(TriangulationRedrawTest, EveryNewTriangleIsDrawnInsideTheTouchedRectangle) {
    const s_Change changes[] = {
        {"inside", [](auto& t, auto* o) { t.Add(41.3, 47.9, o); }},
        {"on an inner edge",
         [](auto& t, auto* o) {
             const Cpp_Triangle* tr = t.triangles.First();
             const Cpp_VERTEX* a = tr->Vertex(1);
             const Cpp_VERTEX* b = tr->Vertex(2);
             t.Add((a->X() + b->X()) / 2, (a->Y() + b->Y()) / 2, o);
         }},
        {"outside", [](auto& t, auto* o) { t.Add(97.0, 50.0, o); }},
        {"inner vertex deleted",
         [](auto& t, auto* o) {
             Cpp_VERTEX* v = t.Near(45, 45);
             DeleteVertexAndRetriangulate(t.vertices, t.triangles, v, nullptr, o);
         }},
        {"corner deleted",
         [](auto& t, auto* o) {
             Cpp_VERTEX* v = t.Near(10, 10);
             DeleteVertexAndRetriangulate(t.vertices, t.triangles, v, nullptr, o);
         },
         0},
        {"moved",
         [](auto& t, auto* o) {
             Cpp_VERTEX* v = t.Near(60, 30);
             CheckForInvertedTriangles(v->X() + 2, v->Y() - 1, t.triangles, t.vertices, v, nullptr,
                                       nullptr, o);
         }},
    };
    for (const s_Change& change : changes) {
        SCOPED_TRACE(change.name);
        const std::set<Corners> before = CornersOf(triangles);
        dc.Clear();
        platform::DeviceRect touched;
        {
            Cpp_TriangulationRedrawer redraw(AllOn());
            change.run(*this, &redraw);
            EXPECT_FALSE(redraw.NeedsFullRedraw());
            touched = redraw.Touched();
        }
        int fresh = 0;
        for (const Corners& c : CornersOf(triangles)) {
            if (before.count(c) && std::string(change.name) != "moved") continue;
            if (std::string(change.name) == "moved" &&
                std::find(c.begin(), c.end(), Near(62, 29)) == c.end())
                continue;
            ++fresh;
            EXPECT_TRUE(OutlineDrawn(c));
            for (const Cpp_VERTEX* v : c) EXPECT_TRUE(Inside(touched, v));
        }
        EXPECT_GE(fresh, change.fresh);
        EXPECT_FALSE(dc.OfKind(DcRecordKind::Polyline).empty());
    }
}

// With the switches off only a deletion draws: the erase of the triangles around the vertex,
// filled in the background colour.
TEST_F(TriangulationRedrawTest, WithTheSwitchesOffOnlyTheTrianglesAroundADeletedVertexAreErased) {
    Cpp_TriangulationRedrawer off{TriangulationDrawOptions{}};
    Add(41.3, 47.9, &off);
    Add(97.0, 50.0, &off);
    Cpp_VERTEX* moved = Near(60, 30);
    CheckForInvertedTriangles(moved->X() + 2, moved->Y() - 1, triangles, vertices, moved, nullptr,
                              nullptr, &off);
    EXPECT_TRUE(dc.Records().empty());
    Cpp_VERTEX* v = Near(45, 45);
    const std::size_t around = CollectTrianglesAroundVertex(triangles, v).size();
    ASSERT_GE(around, 3u);
    DeleteVertexAndRetriangulate(vertices, triangles, v, nullptr, &off);
    const auto erased = dc.OfKind(DcRecordKind::Polygon);
    EXPECT_EQ(erased.size(), around);
    for (const auto& r : erased) EXPECT_EQ(r.attributes.brush.color, dc.GetBkColor());
    EXPECT_TRUE(dc.OfKind(DcRecordKind::Polyline).empty());
}

// A move across a triangle, answered Yes, triangulates the whole set again: nothing is drawn
// step by step and the caller is told to draw the whole picture.
TEST_F(TriangulationRedrawTest, ANewTriangulationOfTheWholeSetAsksForAFullRedraw) {
    Cpp_TriangulationRedrawer redraw(AllOn());
    Cpp_VERTEX* v = Near(45, 45);
    ASSERT_TRUE(CheckForInvertedTriangles(
        80, 80, triangles, vertices, v, [] { return true; }, nullptr, &redraw));
    EXPECT_TRUE(redraw.NeedsFullRedraw());
    EXPECT_TRUE(dc.OfKind(DcRecordKind::Polyline).empty());
}

}  // namespace
