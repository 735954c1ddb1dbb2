#include "porepressure/triangulation_repair.h"

#include "porepressure/delaunay.h"

#include <algorithm>

namespace {

bool HasVertex(const Cpp_Triangle* t, const Cpp_VERTEX* v) {
    return t && (t->Vertex(1) == v || t->Vertex(2) == v || t->Vertex(3) == v);
}

// A triangle with the vertex as a corner: by walking to it, else by looking at every triangle.
Cpp_Triangle* FindTriangleWithVertex(Cpp_TriangleList& triangles, Cpp_VERTEX* vertex,
                                     Cpp_Triangle* start) {
    if (triangles.IsEmpty()) return nullptr;
    if (HasVertex(start, vertex)) return start;
    Cpp_Triangle* t = triangles.LocateByWalking(start, vertex->X(), vertex->Y());
    if (HasVertex(t, vertex)) return t;
    // The walked-to triangle may hold the vertex on an edge of a neighbour.
    if (t)
        for (int i = 1; i <= 3; ++i)
            if (HasVertex(t->GetNeighbour(i), vertex)) return t->GetNeighbour(i);
    for (Cpp_Triangle* p = triangles.First(); p; p = p->Next())
        if (HasVertex(p, vertex)) return p;
    return nullptr;
}

// The slot of the outer triangle that names the edge from a to b (seen from the hole: the
// outer triangle runs it from b to a) now names t.
void LinkOuter(Cpp_Triangle* outer, const Cpp_VERTEX* a, const Cpp_VERTEX* b, Cpp_Triangle* t) {
    if (!outer) return;
    for (int j = 1; j <= 3; ++j)
        if (outer->Vertex(j) == b && outer->Vertex(Cpp_Triangle::NextIndex(j)) == a) {
            outer->SetNeighbour(j, t);
            return;
        }
}

// A vertex of a hole or pocket and the triangle outside beyond the edge that starts at it.
struct s_RimVertex {
    Cpp_VERTEX* vertex;
    Cpp_Triangle* outer;
};

// Ear cutting of a hole that runs clockwise. False when a whole pass around the ring finds no
// ear: the triangles made so far are left in made (the caller discards them).
bool TriangulateHole(std::vector<s_RimVertex> ring, Cpp_TriangleList& made,
                     TriangulationObserver* observer) {
    if (ring.size() < 3) return false;
    std::size_t cur = 0, sinceEar = 0;
    while (ring.size() >= 3) {
        const std::size_t n = ring.size();
        const std::size_t ib = (cur + 1) % n, ic = (cur + 2) % n;
        s_RimVertex& a = ring[cur];
        const s_RimVertex& b = ring[ib];
        const s_RimVertex& c = ring[ic];
        bool ear = !IsCounterClockwise(a.vertex, b.vertex, c.vertex);
        if (ear && n > 3) {
            for (std::size_t k = (ic + 1) % n; k != cur && ear; k = (k + 1) % n) {
                const Cpp_VERTEX* q = ring[k].vertex;
                if (PointOnInnerSide(a.vertex, b.vertex, c.vertex, q->X(), q->Y()) &&
                    PointOnInnerSide(b.vertex, c.vertex, a.vertex, q->X(), q->Y()) &&
                    PointOnInnerSide(c.vertex, a.vertex, b.vertex, q->X(), q->Y()))
                    ear = false;
            }
        }
        if (!ear) {
            cur = ib;
            if (++sinceEar > n) return false;
            continue;
        }
        sinceEar = 0;
        Cpp_Triangle* t = made.AddTriangleWithNeighbours(a.vertex, b.vertex, c.vertex, a.outer,
                                                         b.outer, n == 3 ? c.outer : nullptr);
        LinkOuter(a.outer, a.vertex, b.vertex, t);
        LinkOuter(b.outer, b.vertex, c.vertex, t);
        if (n == 3) LinkOuter(c.outer, c.vertex, a.vertex, t);
        a.outer = t;
        if (observer) observer->TriangleAdded(*t);
        ring.erase(ring.begin() + static_cast<std::ptrdiff_t>(ib));
        if (ib < cur) --cur;
    }
    return true;
}

// One pocket of a deleted boundary vertex: the rim runs clockwise and its last vertex has no
// outer triangle. Ears are cut where the rim turns inward, pass after pass.
void FillPocket(std::vector<s_RimVertex> pocket, Cpp_TriangleList& made,
                TriangulationObserver* observer) {
    bool cut = true;
    while (cut && pocket.size() > 2) {
        cut = false;
        std::size_t a = 0;
        while (a + 2 < pocket.size()) {
            s_RimVertex& va = pocket[a];
            const s_RimVertex& vb = pocket[a + 1];
            const s_RimVertex& vc = pocket[a + 2];
            if (IsCounterClockwise(va.vertex, vb.vertex, vc.vertex)) {
                ++a;
                continue;
            }
            Cpp_Triangle* t = made.AddTriangleWithNeighbours(va.vertex, vb.vertex, vc.vertex,
                                                             va.outer, vb.outer, nullptr);
            LinkOuter(va.outer, va.vertex, vb.vertex, t);
            LinkOuter(vb.outer, vb.vertex, vc.vertex, t);
            va.outer = t;
            if (observer) observer->PocketTriangleAdded(*t);
            pocket.erase(pocket.begin() + static_cast<std::ptrdiff_t>(a + 1));
            cut = true;
        }
    }
}

// The edges of the new triangles made Delaunay, then the triangles join the list.
void Settle(Cpp_TriangleList& triangles, Cpp_TriangleList& made, TriangulationObserver* observer) {
    std::vector<Cpp_Triangle*> added;
    for (Cpp_Triangle* t = made.First(); t; t = t->Next()) added.push_back(t);
    if (observer) observer->HoleFilled({added.begin(), added.end()});
    for (Cpp_Triangle* t : added)
        for (int edge = 1; edge <= 3; ++edge) {
            bool swapped = false;
            SwapEdgeIfNecessary(made, t, edge, swapped, observer);
        }
    triangles.AppendTriangles(made);
}

std::vector<Cpp_Triangle*> TrianglesOf(const std::vector<TriangleVertexPair>& pairs) {
    std::vector<Cpp_Triangle*> out;
    out.reserve(pairs.size());
    for (const TriangleVertexPair& p : pairs) out.push_back(p.first);
    return out;
}

// The set without the vertex, triangulated again.
void TriangulateWithout(Cpp_VertexList& vertices, Cpp_TriangleList& triangles, Cpp_VERTEX*& vertex,
                        TriangulationObserver* observer) {
    vertices.RemoveVertex(vertex);
    triangles.DeleteAll();
    TriangulatePoints(1, triangles, vertices, true);
    if (observer) observer->Rebuilt();
}

std::vector<const Cpp_Triangle*> FanTriangles(const std::vector<TriangleVertexPair>& fan) {
    std::vector<const Cpp_Triangle*> out;
    out.reserve(fan.size());
    for (const TriangleVertexPair& p : fan) out.push_back(p.first);
    return out;
}

}  // namespace

std::vector<TriangleVertexPair> CollectTrianglesAroundVertex(Cpp_TriangleList& triangles,
                                                             Cpp_VERTEX* vertex,
                                                             Cpp_Triangle** start) {
    std::vector<TriangleVertexPair> fan;
    Cpp_Triangle* first =
        FindTriangleWithVertex(triangles, vertex, start && *start ? *start : triangles.First());
    if (!first) return fan;
    if (start) *start = first;
    // Back across the edges that leave the vertex, to the end of the fan (or round to first).
    Cpp_Triangle* t = first;
    for (;;) {
        Cpp_Triangle* n = t->GetNeighbour(t->IndexOfVertex(vertex));
        if (!n || n == first) break;
        t = n;
    }
    // Forward across the edges that end at the vertex.
    Cpp_Triangle* begin = t;
    do {
        const int i = t->IndexOfVertex(vertex);
        fan.emplace_back(t, i);
        t = t->GetNeighbour(Cpp_Triangle::PreviousIndex(i));
    } while (t && t != begin && fan.size() <= static_cast<std::size_t>(triangles.CountTriangles()));
    return fan;
}

bool WouldInvert(const std::vector<TriangleVertexPair>& around, double x, double y) {
    const double tol = GetTriangulationTolerance();
    for (const auto& [t, i] : around) {
        const int j = Cpp_Triangle::NextIndex(i), k = Cpp_Triangle::NextIndex(j);
        const Cpp_VERTEX* vj = t->Vertex(static_cast<short>(j));
        const Cpp_VERTEX* vk = t->Vertex(static_cast<short>(k));
        const double area =
            -0.5 * ((x * vj->Y() - vj->X() * y) + (vj->X() * vk->Y() - vk->X() * vj->Y()) +
                    (vk->X() * y - x * vk->Y()));
        if (tol > area) return true;
    }
    return false;
}

bool DeleteVertexAndRetriangulate(Cpp_VertexList& vertices, Cpp_TriangleList& triangles,
                                  Cpp_VERTEX*& vertex, Cpp_Triangle** start,
                                  TriangulationObserver* observer) {
    const std::vector<TriangleVertexPair> fan =
        CollectTrianglesAroundVertex(triangles, vertex, start);
    if (start) *start = nullptr;
    if (fan.empty()) {
        if (observer) observer->BeforeDeleteVertex(*vertex, {}, false);
        vertices.RemoveVertex(vertex);
        return true;
    }
    const Cpp_Triangle* lastOfFan = fan.back().first;
    const int lastIndex = fan.back().second;
    const bool interior =
        lastOfFan->GetNeighbour(Cpp_Triangle::PreviousIndex(lastIndex)) == fan.front().first;
    if (observer) observer->BeforeDeleteVertex(*vertex, FanTriangles(fan), !interior);

    // The rim: each fan triangle's vertex after the deleted one, with the triangle beyond the
    // triangle's edge opposite it.
    std::vector<s_RimVertex> rim;
    rim.reserve(fan.size() + 1);
    for (const auto& [t, i] : fan) {
        const int j = Cpp_Triangle::NextIndex(i);
        rim.push_back({t->Vertex(static_cast<short>(j)), t->GetNeighbour(j)});
    }
    if (!interior)
        rim.push_back(
            {lastOfFan->Vertex(static_cast<short>(Cpp_Triangle::PreviousIndex(lastIndex))),
             nullptr});

    // The new triangles are made and linked to the outer ones first; the fan goes after, so
    // that the outer triangles keep their places while they are named.
    const std::vector<Cpp_Triangle*> doomed = TrianglesOf(fan);
    Cpp_TriangleList made;
    if (interior) {
        if (!TriangulateHole(rim, made, observer)) {
            // No ear to cut: the set starts afresh.
            made.DeleteAll();
            TriangulateWithout(vertices, triangles, vertex, observer);
            return true;
        }
        if (observer) {
            std::vector<const Cpp_Triangle*> filled;
            for (const Cpp_Triangle* t = made.First(); t; t = t->Next()) filled.push_back(t);
            observer->HoleFilled(filled);
        }
        LegaliseAllEdges(made, observer);
        triangles.AppendTriangles(made);
    } else {
        // A boundary vertex: the rim splits into pockets at the vertices whose edge lies on
        // the boundary; each is filled where it turns inward.
        std::vector<s_RimVertex> pocket;
        for (const s_RimVertex& r : rim) {
            if (pocket.empty() && !r.outer) continue;
            pocket.push_back(r);
            if (!r.outer) {
                FillPocket(pocket, made, observer);
                pocket.clear();
            }
        }
        // A rim vertex that kept no triangle (all of its triangles were the deleted vertex's
        // and no ear took it) would be lost from the triangulation: the set starts afresh.
        for (std::size_t k = 0; k < rim.size(); ++k) {
            Cpp_VERTEX* w = rim[k].vertex;
            bool kept = rim[k].outer || (k > 0 && rim[k - 1].outer);
            for (Cpp_Triangle* t = made.First(); t && !kept; t = t->Next()) kept = HasVertex(t, w);
            if (!kept) {
                made.DeleteAll();
                TriangulateWithout(vertices, triangles, vertex, observer);
                return true;
            }
        }
        Settle(triangles, made, observer);
    }
    triangles.DeleteTrianglesLocally(doomed);
    vertices.RemoveVertex(vertex);
    return true;
}

bool CheckForInvertedTriangles(double x, double y, Cpp_TriangleList& triangles,
                               Cpp_VertexList& vertices, Cpp_VERTEX* vertex,
                               const std::function<bool()>& ask, Cpp_Triangle** start,
                               TriangulationObserver* observer) {
    const std::vector<TriangleVertexPair> around =
        CollectTrianglesAroundVertex(triangles, vertex, start);
    if (WouldInvert(around, x, y)) {
        if (!ask || !ask()) return true;
        vertex->SetXY(x, y);
        if (start) *start = nullptr;
        triangles.DeleteAll();
        const bool made = TriangulatePoints(1, triangles, vertices, true);
        if (observer) observer->Rebuilt();
        return made;
    }
    const std::vector<const Cpp_Triangle*> fan = FanTriangles(around);
    if (observer) observer->BeforeMoveVertex(*vertex, fan);
    vertex->SetXY(x, y);
    triangles.InvalidateBounds();
    if (observer) observer->AfterMoveVertex(*vertex, fan);
    return true;
}
