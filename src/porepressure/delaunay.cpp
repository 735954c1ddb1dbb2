#include "porepressure/delaunay.h"

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

#include "platform/services.h"
#include "porepressure/delaunay_builder.h"
#include "porepressure/exact_predicates.h"

namespace {

inline int Next(int i) { return i % 3 + 1; }
inline int Previous(int i) { return (i + 1) % 3 + 1; }

inline double Distance(const Cpp_VERTEX* a, const Cpp_VERTEX* b) {
    return a->DistanceTo(b->X(), b->Y());
}

// Safety bound for loops that end on any sound triangulation.
constexpr long kLoopGuard = 1L << 26;

// Exact orientation of a, b, c: positive counterclockwise, negative clockwise, 0 collinear.
inline int Turn(const Cpp_VERTEX* a, const Cpp_VERTEX* b, const Cpp_VERTEX* c) {
    return exact::Orientation(a->X(), a->Y(), b->X(), b->Y(), c->X(), c->Y());
}
// Triangles of the list run clockwise; a flat one (all vertices on one line) is tolerated only
// while a fan of collinear hull points is being made Delaunay.
inline bool Clockwise(const Cpp_VERTEX* a, const Cpp_VERTEX* b, const Cpp_VERTEX* c) {
    return Turn(a, b, c) < 0;
}

// Which slot of u names t (u must name t).
inline int SlotNaming(const Cpp_Triangle* u, const Cpp_Triangle* t) {
    return t->IndexOfNeighbour(u);
}

// One edge test and swap; on a swap, the two edges to test next.
bool SwapOnce(Cpp_Triangle* a, int iA, Cpp_Triangle*& b, int& o, TriangulationObserver* observer) {
    b = a->GetNeighbour(iA);
    if (!b) return false;
    const int iB = a->IndexOfNeighbour(b);
    o = Previous(iB);
    if (!Cpp_Triangle::NeedsSwap(a, b, o)) return false;

    const int a1 = Next(iA);
    const int a2 = Next(a1);
    Cpp_Triangle* nA = a->GetNeighbour(a1);
    const int b1 = Next(iB);
    Cpp_Triangle* nB = b->GetNeighbour(b1);
    const int slotNA = nA ? SlotNaming(nA, a) : 0;
    const int slotNB = nB ? SlotNaming(nB, b) : 0;
    Cpp_VERTEX* r = a->Vertex(static_cast<short>(a2));
    Cpp_VERTEX* p = b->Vertex(static_cast<short>(o));
    // The new diagonal must cross the old one: a swap never turns a triangle over.
    if (Turn(a->Vertex(static_cast<short>(iA)), p, r) > 0 ||
        Turn(b->Vertex(static_cast<short>(iB)), r, p) > 0)
        return false;
    if (observer)
        observer->BeforeSwap(*a, *b, *a->Vertex(static_cast<short>(iA)),
                             *a->Vertex(static_cast<short>(a1)));

    a->SetVertex(static_cast<short>(a1), p);
    a->SetNeighbour(static_cast<short>(iA), nB);
    a->SetNeighbour(static_cast<short>(a1), b);
    if (nB) nB->SetNeighbour(static_cast<short>(slotNB), a);

    b->SetVertex(static_cast<short>(b1), r);
    b->SetNeighbour(static_cast<short>(iB), nA);
    b->SetNeighbour(static_cast<short>(b1), a);
    if (nA) nA->SetNeighbour(static_cast<short>(slotNA), b);
    if (observer) observer->AfterSwap(*a, *b);
    return true;
}

// Whether splitting t at p (on edge e, or inside for e = 0) leaves every triangle clockwise.
bool SplitKeepsClockwise(const Cpp_Triangle* t, int e, const Cpp_VERTEX* p) {
    const Cpp_VERTEX* v[4] = {nullptr, t->Vertex(1), t->Vertex(2), t->Vertex(3)};
    if (e == 0)
        return Clockwise(v[1], v[2], p) && Clockwise(v[2], v[3], p) && Clockwise(v[3], v[1], p);
    const int m = Next(e), k = Next(m);
    if (!Clockwise(v[e], p, v[k]) || !Clockwise(p, v[m], v[k])) return false;
    const Cpp_Triangle* n = t->GetNeighbour(e);
    if (!n) return true;
    const int j = t->IndexOfNeighbour(n);
    const Cpp_VERTEX* nk = n->Vertex(static_cast<short>(Previous(j)));
    return Clockwise(p, v[e], nk) && Clockwise(v[m], p, nk);
}

// The edge of t on which p lies exactly (0 strictly inside); -1 when p lies outside t or on
// one of its vertices.
int ExactSplitEdge(const Cpp_Triangle* t, const Cpp_VERTEX* p) {
    int edge = 0, zeros = 0;
    for (int i = 1; i <= 3; ++i) {
        const int turn =
            Turn(t->Vertex(static_cast<short>(i)), t->Vertex(static_cast<short>(Next(i))), p);
        if (turn > 0) return -1;
        if (turn == 0) {
            edge = i;
            ++zeros;
        }
    }
    return zeros > 1 ? -1 : edge;
}

// The triangle that holds p exactly (on its boundary included), walking from start; null when
// p lies outside the triangulation.
Cpp_Triangle* LocateExactly(const Cpp_TriangleList& triangles, Cpp_Triangle* start,
                            const Cpp_VERTEX* p) {
    Cpp_Triangle* t = start;
    for (int steps = 0; t && steps <= triangles.CountTriangles(); ++steps) {
        int across = 0;
        for (int i = 1; i <= 3 && !across; ++i)
            if (Turn(t->Vertex(static_cast<short>(i)), t->Vertex(static_cast<short>(Next(i))), p) >
                0)
                across = i;
        if (!across) return t;
        t = t->GetNeighbour(across);
    }
    if (!t) return nullptr;
    // A walk that does not end (only on a damaged triangulation): look at every triangle.
    for (Cpp_Triangle* u = triangles.First(); u; u = u->Next())
        if (ExactSplitEdge(u, p) >= 0) return u;
    return nullptr;
}

std::vector<std::pair<Cpp_Triangle*, int>>& SwapStack() {
    static std::vector<std::pair<Cpp_Triangle*, int>> stack;
    return stack;
}

}  // namespace

// ---------------------------------------------------------------------------------------------
// Predicates

bool IsPointOnLine(const Cpp_VERTEX* a, const Cpp_VERTEX* b, double x, double y) {
    const double tol = GetTriangulationTolerance();
    const double ex = b->X() - a->X();
    const double ey = b->Y() - a->Y();
    const double length = std::sqrt(ex * ex + ey * ey);
    if (length <= tol) return true;
    const double nx = -ey / length;
    const double ny = ex / length;
    const double c = -(nx * b->X() + ny * b->Y());
    return std::fabs(nx * x + ny * y + c) <= tol;
}

bool AreCollinear(const Cpp_VERTEX* a, const Cpp_VERTEX* b, const Cpp_VERTEX* c) {
    return IsPointOnLine(a, b, c->X(), c->Y()) || IsPointOnLine(b, c, a->X(), a->Y()) ||
           IsPointOnLine(c, a, b->X(), b->Y());
}

bool IsCounterClockwise(const Cpp_VERTEX* a, const Cpp_VERTEX* b, const Cpp_VERTEX* c) {
    const double cross =
        (b->X() - a->X()) * (c->Y() - a->Y()) - (c->X() - a->X()) * (b->Y() - a->Y());
    // Far from collinear (the distance of each vertex from the opposite side beyond the
    // tolerance by more than any rounding): the sign alone decides, as below.
    {
        const double tol = GetTriangulationTolerance();
        const double scale = std::fabs(a->X()) + std::fabs(a->Y()) + std::fabs(b->X()) +
                             std::fabs(b->Y()) + std::fabs(c->X()) + std::fabs(c->Y());
        const double band = tol * (1.0 + 1e-6) + 1e-12 * scale;
        auto sq = [](double u, double v) { return u * u + v * v; };
        const double lmax2 =
            std::max({sq(b->X() - a->X(), b->Y() - a->Y()), sq(c->X() - b->X(), c->Y() - b->Y()),
                      sq(a->X() - c->X(), a->Y() - c->Y())});
        if (cross * cross > lmax2 * band * band) return cross > 0.0;
    }
    if (AreCollinear(a, b, c))
        return Distance(a, c) - Distance(a, b) >= -GetTriangulationTolerance();
    return Turn(a, b, c) > 0;
}

// ---------------------------------------------------------------------------------------------
// Edge swapping

void SwapEdgeIfNecessary(Cpp_TriangleList& triangles, Cpp_Triangle* t, int edge, bool& swapped,
                         TriangulationObserver* observer) {
    // Depth first, in the order of the recursive definition: after a swap, A's edge iA is
    // settled completely before B's edge o.
    auto& stack = SwapStack();
    const std::size_t base = stack.size();
    stack.emplace_back(t, edge);
    swapped = false;
    bool first = true;
    long guard = 0;
    // Every sequence of swaps ends (each one lowers the triangulation on the paraboloid of
    // lifted points, ties included); the bound only keeps a damaged list from running away.
    const long n = triangles.CountTriangles() + 64L;
    const long guardLimit = std::min(kLoopGuard, n * n);
    while (stack.size() > base) {
        auto [a, iA] = stack.back();
        stack.pop_back();
        Cpp_Triangle* b = nullptr;
        int o = 0;
        const bool s = SwapOnce(a, iA, b, o, observer);
        if (first) {
            swapped = s;
            first = false;
        }
        if (s && ++guard < guardLimit) {
            stack.emplace_back(b, o);
            stack.emplace_back(a, iA);
        }
    }
}

void LegaliseAllEdges(Cpp_TriangleList& triangles, TriangulationObserver* observer) {
    const long maxPasses = 4L * triangles.CountTriangles() + 100;
    for (long pass = 0; pass < maxPasses; ++pass) {
        bool any = false;
        for (Cpp_Triangle* t = triangles.First(); t; t = t->Next()) {
            for (int e = 1; e <= 3; ++e) {
                bool s = false;
                SwapEdgeIfNecessary(triangles, t, e, s, observer);
                any = any || s;
            }
        }
        if (!any) break;
    }
}

// ---------------------------------------------------------------------------------------------
// Convex hull

void WrapHullChain(Cpp_VERTEX* from, Cpp_VERTEX* to, Cpp_VertexList& chain, Cpp_VertexList& hull,
                   Cpp_VertexList& interior) {
    if (chain.First() && !chain.First()->Next()) {
        Cpp_VERTEX* only = chain.First();
        chain.MoveVertexTo(only, hull);
        return;
    }
    Cpp_VERTEX* cur = from;
    long guard = 0;
    while (cur != to && chain.First() && ++guard < kLoopGuard) {
        Cpp_VERTEX* best = chain.First();
        for (Cpp_VERTEX* q = best->Next(); q;) {
            Cpp_VERTEX* next = q->Next();
            if (!IsCounterClockwise(cur, q, to))
                chain.MoveVertexTo(q, interior);
            else if (!IsCounterClockwise(cur, best, q))
                best = q;
            q = next;
        }
        chain.MoveVertexTo(best, hull);
        cur = best;
    }
    // What is left lies inside (or on a hull vertex within the tolerance).
    while (Cpp_VERTEX* v = chain.First()) chain.MoveVertexTo(v, interior);
}

void ComputeConvexHull(Cpp_VertexList& vertices, Cpp_VertexList& interior) {
    if (vertices.CountRing() < 4) return;
    vertices.RebuildBackLinks();
    Cpp_VERTEX* highest = nullptr;
    Cpp_VERTEX* lowest = nullptr;
    vertices.FindLowestAndHighest(highest, lowest);
    if (lowest == highest) {
        // All vertices share one y: the hull degenerates to the segment from the leftmost to
        // the rightmost vertex, and every vertex lies on it.
        for (Cpp_VERTEX* v = vertices.First(); v; v = v->Next()) {
            if (v->X() < lowest->X()) lowest = v;
            if (v->X() > highest->X()) highest = v;
        }
        if (lowest == highest) return;  // all vertices coincide
    }
    Cpp_VERTEX* lo = lowest;
    Cpp_VERTEX* hi = highest;
    Cpp_VertexList right, left;
    vertices.MoveVertexTo(lo, right);
    vertices.MoveVertexTo(hi, right);
    while (Cpp_VERTEX* p = vertices.First()) {
        if (IsCounterClockwise(lo, p, hi))
            vertices.MoveVertexTo(p, right);
        else
            vertices.MoveVertexTo(p, left);
    }
    if (left.IsEmpty()) {
        for (Cpp_VERTEX* p = right.First(); p;) {
            Cpp_VERTEX* next = p->Next();
            if (p != lo && p != hi && IsPointOnLine(lo, hi, p->X(), p->Y()))
                right.MoveVertexTo(p, left);
            p = next;
        }
    }
    right.MoveVertexTo(lo, vertices);
    WrapHullChain(lo, hi, right, vertices, interior);
    vertices.MoveVertexTo(lo, left);
    WrapHullChain(hi, lo, left, vertices, interior);
}

namespace {

// From this many vertices on, the hull is wrapped around the vertices near it only.
constexpr std::size_t kHullFilterFrom = 1000;

// The vertices that can be on the hull, in list order: all but those lying inside the octagon of
// the extreme vertices in eight directions by more than a margin far above the triangulation
// tolerance. The octagon lies within the hull, so a vertex dropped here lies that deep inside the
// hull too, where the wrapping with the tolerance never takes it; one pass, no sorting.
std::vector<const Cpp_VERTEX*> HullCandidates(const std::vector<const Cpp_VERTEX*>& all) {
    // Directions at 0, 45, ..., 315 degrees (unnormalised), so that the extremes come round
    // counterclockwise.
    static constexpr double kDirections[8][2] = {{1, 0},  {1, 1},   {0, 1},  {-1, 1},
                                                 {-1, 0}, {-1, -1}, {0, -1}, {1, -1}};
    const Cpp_VERTEX* extreme[8];
    double best[8];
    for (int k = 0; k < 8; ++k) {
        extreme[k] = all.front();
        best[k] = kDirections[k][0] * all.front()->X() + kDirections[k][1] * all.front()->Y();
    }
    for (const Cpp_VERTEX* v : all)
        for (int k = 0; k < 8; ++k) {
            const double d = kDirections[k][0] * v->X() + kDirections[k][1] * v->Y();
            if (d > best[k]) {
                best[k] = d;
                extreme[k] = v;
            }
        }
    const double margin = std::max(1e-3 * ((best[0] + best[4]) + (best[2] + best[6])) * 0.5,
                                   1000.0 * GetTriangulationTolerance());
    if (!(margin > 0.0) || !std::isfinite(margin)) return all;
    struct Edge {
        double ax, ay, ex, ey, limit;  // start, direction, margin times length
    };
    std::vector<Edge> edges;
    for (int k = 0; k < 8; ++k) {
        const Cpp_VERTEX* a = extreme[k];
        const Cpp_VERTEX* b = extreme[(k + 1) % 8];
        const double ex = b->X() - a->X(), ey = b->Y() - a->Y();
        const double length = std::sqrt(ex * ex + ey * ey);
        if (length > 0.0) edges.push_back({a->X(), a->Y(), ex, ey, margin * length});
    }
    if (edges.size() < 3) return all;
    std::vector<const Cpp_VERTEX*> candidates;
    for (const Cpp_VERTEX* v : all) {
        bool deep = true;
        for (const Edge& e : edges)
            if (e.ex * (v->Y() - e.ay) - e.ey * (v->X() - e.ax) <= e.limit) {
                deep = false;
                break;
            }
        if (!deep) candidates.push_back(v);
    }
    return candidates;
}

}  // namespace

void BuildConvexHullList(const Cpp_VertexList& vertices, Cpp_VertexList& hull) {
    hull.DeleteAllVertices();
    std::vector<const Cpp_VERTEX*> all;
    for (const Cpp_VERTEX* v = vertices.First(); v; v = v->Next()) all.push_back(v);
    if (all.size() >= kHullFilterFrom) {
        std::vector<const Cpp_VERTEX*> candidates = HullCandidates(all);
        if (candidates.size() >= 4) all.swap(candidates);
    }
    for (const Cpp_VERTEX* v : all) hull.AddVertex(0, v->X(), v->Y(), v->FirstValue());
    Cpp_VertexList dropped;
    ComputeConvexHull(hull, dropped);
}

// ---------------------------------------------------------------------------------------------
// Building

void TriangulateConvexPolygon(Cpp_VertexList& vertices, Cpp_TriangleList& triangles) {
    triangles.DeleteAll();
    Cpp_VERTEX* p0 = vertices.First();
    if (!p0 || !p0->Next()) return;
    Cpp_VERTEX* p1 = p0->Next();
    Cpp_Triangle* previous = nullptr;
    for (Cpp_VERTEX* p2 = p1->Next(); p2; p2 = p2->Next()) {
        Cpp_Triangle* t =
            triangles.AddTriangleWithNeighbours(p0, p1, p2, previous, nullptr, nullptr);
        if (previous) previous->SetNeighbour(3, t);
        previous = t;
        p1 = p2;
    }
    if (triangles.CountTriangles() == 1) {
        Cpp_Triangle* t = triangles.First();
        if (t->ClockwiseArea() < 0.0) {
            Cpp_VERTEX* v1 = t->Vertex(1);
            t->SetVertex(1, t->Vertex(2));
            t->SetVertex(2, v1);
        }
    }
    LegaliseAllEdges(triangles);
}

bool insert_point_and_swap_edges_if_necessary(Cpp_VertexList& vertices, Cpp_TriangleList& triangles,
                                              Cpp_VERTEX*& point, Cpp_Triangle*& containing,
                                              TriangulationObserver* observer) {
    Cpp_Triangle* t = containing;
    Cpp_VERTEX* p = point;
    const double x = p->X();
    const double y = p->Y();
    int e = 0;
    if (IsPointOnLine(t->Vertex(1), t->Vertex(2), x, y))
        e = 1;
    else if (IsPointOnLine(t->Vertex(2), t->Vertex(3), x, y))
        e = 2;
    else if (IsPointOnLine(t->Vertex(3), t->Vertex(1), x, y))
        e = 3;
    // The tolerance may name an edge (or the inside) where splitting would turn a triangle
    // over: then the exact position decides, in the triangle that really holds the point.
    if (!SplitKeepsClockwise(t, e, p)) {
        e = ExactSplitEdge(t, p);
        if (e < 0) {
            Cpp_Triangle* holder = LocateExactly(triangles, t, p);
            if (!holder) {
                // Outside the triangulation after all (within the tolerance of its boundary).
                InsertPointOutsideHull(vertices, triangles, point, observer);
                return true;
            }
            e = ExactSplitEdge(holder, p);
            if (e < 0) return true;  // on a vertex: a duplicate gets no triangle
            t = holder;
        }
    }
    Cpp_VERTEX* v1 = t->Vertex(1);
    Cpp_VERTEX* v2 = t->Vertex(2);
    Cpp_VERTEX* v3 = t->Vertex(3);
    bool s = false;
    if (e != 0) {
        const short m = static_cast<short>(Next(e));
        const short k = static_cast<short>(Next(m));
        Cpp_Triangle* n = t->GetNeighbour(e);
        if (observer) observer->BeforeSplitOnEdge(*t, n, static_cast<short>(e), m);
        if (!n) {
            Cpp_Triangle* t2 = triangles.AddTriangleCopy(t);
            t2->SetVertex(static_cast<short>(e), p);
            t2->SetNeighbour(k, t);
            t->SetVertex(m, p);
            t->SetNeighbour(m, t2);
            if (Cpp_Triangle* nmk = t2->GetNeighbour(m))
                nmk->SetNeighbour(static_cast<short>(SlotNaming(nmk, t)), t2);
            if (observer) observer->AfterSplit({t, t2}, *p);
            SwapEdgeIfNecessary(triangles, t2, m, s, observer);
            SwapEdgeIfNecessary(triangles, t, k, s, observer);
        } else {
            const int j = t->IndexOfNeighbour(n);
            const short jm = static_cast<short>(Next(j));
            const short jk = static_cast<short>(Next(jm));
            Cpp_Triangle* t2 = triangles.AddTriangleCopy(t);
            Cpp_Triangle* t3 = triangles.AddTriangleCopy(n);
            t2->SetVertex(static_cast<short>(e), p);
            t2->SetNeighbour(k, t);
            t2->SetNeighbour(static_cast<short>(e), t3);
            if (Cpp_Triangle* nmk = t2->GetNeighbour(m))
                nmk->SetNeighbour(static_cast<short>(SlotNaming(nmk, t)), t2);
            t->SetVertex(m, p);
            t->SetNeighbour(m, t2);
            t3->SetVertex(jm, p);
            n->SetVertex(static_cast<short>(j), p);
            t3->SetNeighbour(jm, n);
            n->SetNeighbour(jk, t3);
            t3->SetNeighbour(static_cast<short>(j), t2);
            if (Cpp_Triangle* njk = t3->GetNeighbour(jk))
                njk->SetNeighbour(static_cast<short>(SlotNaming(njk, n)), t3);
            if (observer) observer->AfterSplit({t, t2, n, t3}, *p);
            SwapEdgeIfNecessary(triangles, t2, m, s, observer);
            SwapEdgeIfNecessary(triangles, t3, jk, s, observer);
            SwapEdgeIfNecessary(triangles, t, k, s, observer);
            SwapEdgeIfNecessary(triangles, n, jm, s, observer);
        }
        return true;
    }
    Cpp_Triangle* n1 = t->GetNeighbour(1);
    Cpp_Triangle* n2 = t->GetNeighbour(2);
    const int slot1 = n1 ? SlotNaming(n1, t) : 0;
    const int slot2 = n2 ? SlotNaming(n2, t) : 0;
    if (observer) observer->BeforeSplitInside(*t);
    Cpp_Triangle* t2 = triangles.AddTriangle(v1, v2, p);
    Cpp_Triangle* t3 = triangles.AddTriangle(v2, v3, p);
    t2->SetNeighbours(n1, t3, t);
    if (n1) n1->SetNeighbour(static_cast<short>(slot1), t2);
    t3->SetNeighbours(n2, t, t2);
    if (n2) n2->SetNeighbour(static_cast<short>(slot2), t3);
    t->SetVertex(2, p);
    t->SetNeighbour(1, t2);
    t->SetNeighbour(2, t3);
    if (observer) observer->AfterSplit({t, t2, t3}, *p);
    SwapEdgeIfNecessary(triangles, t2, 1, s, observer);
    SwapEdgeIfNecessary(triangles, t3, 1, s, observer);
    SwapEdgeIfNecessary(triangles, t, 3, s, observer);
    return true;
}

bool TriangulateByHullAndInsertion(Cpp_VertexList& vertices, Cpp_TriangleList& triangles) {
    // The hull and the points inside it are inserted together (delaunay_builder.h): the result
    // is the triangulation that the hull fan and the insertion of the inner points make, and
    // the vertex list keeps its order.
    std::vector<Cpp_VERTEX*> points;
    points.reserve(static_cast<std::size_t>(vertices.CountRing()));
    for (Cpp_VERTEX* v = vertices.First(); v; v = v->Next()) points.push_back(v);
    return BuildDelaunayTriangles(std::move(points), triangles, GetTriangulationTolerance());
}

bool TriangulatePoints(int method, Cpp_TriangleList& triangles, Cpp_VertexList& vertices,
                       bool removeDuplicates) {
    if (removeDuplicates && !vertices.RemoveDuplicateVertices(true)) return false;
    if (vertices.CountRing() < 3) return true;
    if (vertices.AllCollinear()) {
        platform::MessageBoxRequest box;
        box.caption = "Triangulation Notification";
        box.text = "All vertices are colinear - cannot triangulate";
        box.buttons = platform::BoxButtons::Ok;
        box.icon = platform::BoxIcon::Question;
        box.owner = platform::BoxOwner::Window;
        platform::Services().MessageBoxes().Show(box);
        return false;
    }
    triangles.DeleteAll();
    if (method != 1) return false;
    return TriangulateByHullAndInsertion(vertices, triangles);
}

// ---------------------------------------------------------------------------------------------
// Boundary and insertion outside

void NextBoundaryEdge(Cpp_Triangle*& t, int& i) {
    int j = Next(i);
    if (!t->GetNeighbour(j)) {
        i = j;
        return;
    }
    Cpp_VERTEX* w = t->Vertex(static_cast<short>(j));
    long guard = 0;
    do {
        t = t->GetNeighbour(j);
        j = t->IndexOfVertex(w);
    } while (t->GetNeighbour(j) && ++guard < kLoopGuard);
    i = j;
}

void PreviousBoundaryEdge(Cpp_Triangle*& t, int& i) {
    if (!t->GetNeighbour(Previous(i))) {
        i = Previous(i);
        return;
    }
    Cpp_VERTEX* w = t->Vertex(static_cast<short>(i));
    int j = i;
    long guard = 0;
    do {
        t = t->GetNeighbour(Previous(j));
        j = t->IndexOfVertex(w);
    } while (t->GetNeighbour(Previous(j)) && ++guard < kLoopGuard);
    i = Previous(j);
}

bool InsertPointOutsideHull(Cpp_VertexList& vertices, Cpp_TriangleList& triangles,
                            Cpp_VERTEX*& point, TriangulationObserver* observer) {
    if (triangles.IsEmpty()) {
        const int n = vertices.CountRing();
        if (n == 3) {
            Cpp_VERTEX* a = vertices.First();
            Cpp_VERTEX* b = a->Next();
            Cpp_VERTEX* c = b->Next();
            if (AreCollinear(a, b, c)) return true;
            Cpp_Triangle* t = triangles.AddTriangle(a, b, c);
            if (t->ClockwiseArea() < 0.0) {
                t->SetVertex(1, b);
                t->SetVertex(2, a);
            }
            if (observer) observer->TriangleAdded(*t);
        } else if (n > 3 && !vertices.AllCollinear()) {
            TriangulateByHullAndInsertion(vertices, triangles);
            if (observer) observer->Rebuilt();
        }
        return true;
    }
    Cpp_VERTEX* p = point;
    const double x = p->X();
    const double y = p->Y();

    // The visible boundary edge nearest to the point.
    Cpp_Triangle* t0 = nullptr;
    int i0 = 0;
    double best = 0.0;
    for (Cpp_Triangle* t = triangles.First(); t; t = t->Next()) {
        for (int i = 1; i <= 3; ++i) {
            if (t->GetNeighbour(i)) continue;
            if (t->IsOnInnerSide(static_cast<short>(i), static_cast<short>(Next(i)),
                                 static_cast<short>(Previous(i)), x, y))
                continue;
            const double d = p->DistanceToSegment(t->Vertex(static_cast<short>(i)),
                                                  t->Vertex(static_cast<short>(Next(i))));
            if (!t0 || d < best) {
                t0 = t;
                i0 = i;
                best = d;
            }
        }
    }
    if (!t0) {
        // Inside after all (within the tolerance of the boundary).
        Cpp_Triangle* found = LocateExactly(triangles, triangles.First(), p);
        if (found)
            insert_point_and_swap_edges_if_necessary(vertices, triangles, point, found, observer);
        return true;
    }

    // Forward to the last visible edge.
    Cpp_Triangle* t = t0;
    int i = i0;
    const long maxSteps = 3L * triangles.CountTriangles() + 3;
    for (long step = 0; step < maxSteps; ++step) {
        NextBoundaryEdge(t, i);
        if (t == t0 && i == i0) break;
        const Cpp_VERTEX* a = t->Vertex(static_cast<short>(i));
        const Cpp_VERTEX* b = t->Vertex(static_cast<short>(Next(i)));
        if (IsCounterClockwise(b, a, p)) break;
    }
    PreviousBoundaryEdge(t, i);

    // Backward, one new triangle per visible edge.
    Cpp_TriangleList added;
    Cpp_Triangle* previousAdded = nullptr;
    Cpp_Triangle* firstAdded = nullptr;
    for (long step = 0; step < maxSteps; ++step) {
        Cpp_VERTEX* c = t->Vertex(static_cast<short>(i));
        Cpp_VERTEX* b = t->Vertex(static_cast<short>(Next(i)));
        Cpp_Triangle* tp = t;
        int ip = i;
        PreviousBoundaryEdge(tp, ip);
        if (IsCounterClockwise(p, b, c) || !Clockwise(p, b, c)) break;
        Cpp_Triangle* nt = added.AddTriangleWithNeighbours(p, b, c, previousAdded, t, nullptr);
        t->SetNeighbour(static_cast<short>(i), nt);
        if (previousAdded) previousAdded->SetNeighbour(3, nt);
        if (!firstAdded) firstAdded = nt;
        if (observer) observer->TriangleAdded(*nt);
        if (tp == firstAdded && i == i0) {
            nt->SetNeighbour(3, firstAdded);
            firstAdded->SetNeighbour(1, nt);
            break;
        }
        previousAdded = nt;
        t = tp;
        i = ip;
    }
    for (Cpp_Triangle* nt = added.First(); nt; nt = nt->Next()) {
        for (int e = 1; e <= 3; ++e) {
            bool s = false;
            SwapEdgeIfNecessary(triangles, nt, e, s, observer);
        }
    }
    triangles.AppendTriangles(added);
    return true;
}
