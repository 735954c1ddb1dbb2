#include "porepressure/delaunay.h"

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

#include "platform/services.h"

namespace {

inline int Next(int i) { return i % 3 + 1; }
inline int Previous(int i) { return (i + 1) % 3 + 1; }

inline double Distance(const Cpp_VERTEX* a, const Cpp_VERTEX* b) {
    return a->DistanceTo(b->X(), b->Y());
}

// Safety bound for loops that end on any sound triangulation.
constexpr long kLoopGuard = 1L << 26;

// Which slot of u names t (u must name t).
inline int SlotNaming(const Cpp_Triangle* u, const Cpp_Triangle* t) {
    return t->IndexOfNeighbour(u);
}

// Start triangles for the walks of the insertion: the last triangle found in each cell of a
// few grids of increasing fineness over the hull's bounding box. A walk from a nearby triangle
// finds the same triangle as a walk from far away, in a few steps.
class WalkStarts {
public:
    WalkStarts(const Cpp_VertexList& hull, int points) {
        double xmin, ymin, xmax, ymax;
        if (!hull.GetExtents(xmin, ymin, xmax, ymax) || points < 64) return;
        x0_ = xmin;
        y0_ = ymin;
        w_ = xmax - xmin;
        h_ = ymax - ymin;
        if (!(w_ > 0.0) || !(h_ > 0.0)) return;
        int side = 1;
        while (static_cast<long>(side) * side * 2 < points && side < 4096) {
            levels_.emplace_back(static_cast<std::size_t>(side) * side, nullptr);
            side *= 2;
        }
    }

    Cpp_Triangle* Find(double x, double y) const {
        for (std::size_t k = levels_.size(); k-- > 0;)
            if (Cpp_Triangle* t = levels_[k][Cell(k, x, y)]) return t;
        return nullptr;
    }

    void Store(double x, double y, Cpp_Triangle* t) {
        for (std::size_t k = 0; k < levels_.size(); ++k) levels_[k][Cell(k, x, y)] = t;
    }

private:
    std::size_t Cell(std::size_t level, double x, double y) const {
        const long side = 1L << level;
        long cx = static_cast<long>((x - x0_) / w_ * static_cast<double>(side));
        long cy = static_cast<long>((y - y0_) / h_ * static_cast<double>(side));
        cx = cx < 0 ? 0 : (cx >= side ? side - 1 : cx);
        cy = cy < 0 ? 0 : (cy >= side ? side - 1 : cy);
        return static_cast<std::size_t>(cy * side + cx);
    }

    double x0_ = 0.0, y0_ = 0.0, w_ = 0.0, h_ = 0.0;
    std::vector<std::vector<Cpp_Triangle*>> levels_;
};

// One edge test and swap; on a swap, the two edges to test next.
bool SwapOnce(Cpp_Triangle* a, int iA, Cpp_Triangle*& b, int& o) {
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

    a->SetVertex(static_cast<short>(a1), p);
    a->SetNeighbour(static_cast<short>(iA), nB);
    a->SetNeighbour(static_cast<short>(a1), b);
    if (nB) nB->SetNeighbour(static_cast<short>(slotNB), a);

    b->SetVertex(static_cast<short>(b1), r);
    b->SetNeighbour(static_cast<short>(iB), nA);
    b->SetNeighbour(static_cast<short>(b1), a);
    if (nA) nA->SetNeighbour(static_cast<short>(slotNA), b);
    return true;
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
    const double cross = (b->X() - a->X()) * (c->Y() - a->Y()) - (c->X() - a->X()) * (b->Y() - a->Y());
    // Far from collinear (the distance of each vertex from the opposite side beyond the
    // tolerance by more than any rounding): the sign alone decides, as below.
    {
        const double tol = GetTriangulationTolerance();
        const double scale = std::fabs(a->X()) + std::fabs(a->Y()) + std::fabs(b->X()) +
                             std::fabs(b->Y()) + std::fabs(c->X()) + std::fabs(c->Y());
        const double band = tol * (1.0 + 1e-6) + 1e-12 * scale;
        auto sq = [](double u, double v) { return u * u + v * v; };
        const double lmax2 = std::max({sq(b->X() - a->X(), b->Y() - a->Y()),
                                       sq(c->X() - b->X(), c->Y() - b->Y()),
                                       sq(a->X() - c->X(), a->Y() - c->Y())});
        if (cross * cross > lmax2 * band * band) return cross > 0.0;
    }
    if (AreCollinear(a, b, c)) return Distance(a, c) - Distance(a, b) >= -GetTriangulationTolerance();
    return (b->X() - a->X()) * (c->Y() - a->Y()) - (c->X() - a->X()) * (b->Y() - a->Y()) > 0.0;
}

// ---------------------------------------------------------------------------------------------
// Edge swapping

void SwapEdgeIfNecessary(Cpp_TriangleList& /*triangles*/, Cpp_Triangle* t, int edge,
                         bool& swapped) {
    // Depth first, in the order of the recursive definition: after a swap, A's edge iA is
    // settled completely before B's edge o.
    auto& stack = SwapStack();
    const std::size_t base = stack.size();
    stack.emplace_back(t, edge);
    swapped = false;
    bool first = true;
    long guard = 0;
    while (stack.size() > base) {
        auto [a, iA] = stack.back();
        stack.pop_back();
        Cpp_Triangle* b = nullptr;
        int o = 0;
        const bool s = SwapOnce(a, iA, b, o);
        if (first) {
            swapped = s;
            first = false;
        }
        if (s && ++guard < kLoopGuard) {
            stack.emplace_back(b, o);
            stack.emplace_back(a, iA);
        }
    }
}

void LegaliseAllEdges(Cpp_TriangleList& triangles) {
    const long maxPasses = 4L * triangles.CountTriangles() + 100;
    for (long pass = 0; pass < maxPasses; ++pass) {
        bool any = false;
        for (Cpp_Triangle* t = triangles.First(); t; t = t->Next()) {
            for (int e = 1; e <= 3; ++e) {
                bool s = false;
                SwapEdgeIfNecessary(triangles, t, e, s);
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

void BuildConvexHullList(const Cpp_VertexList& vertices, Cpp_VertexList& hull) {
    hull.DeleteAllVertices();
    for (Cpp_VERTEX* v = vertices.First(); v; v = v->Next())
        hull.AddVertex(0, v->X(), v->Y(), v->FirstValue());
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
        Cpp_Triangle* t = triangles.AddTriangleWithNeighbours(p0, p1, p2, previous, nullptr, nullptr);
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

bool insert_point_and_swap_edges_if_necessary(Cpp_VertexList& /*vertices*/,
                                              Cpp_TriangleList& triangles, Cpp_VERTEX*& point,
                                              Cpp_Triangle*& containing) {
    Cpp_Triangle* t = containing;
    Cpp_VERTEX* p = point;
    const double x = p->X();
    const double y = p->Y();
    Cpp_VERTEX* v1 = t->Vertex(1);
    Cpp_VERTEX* v2 = t->Vertex(2);
    Cpp_VERTEX* v3 = t->Vertex(3);
    int e = 0;
    if (IsPointOnLine(v1, v2, x, y))
        e = 1;
    else if (IsPointOnLine(v2, v3, x, y))
        e = 2;
    else if (IsPointOnLine(v3, v1, x, y))
        e = 3;
    bool s = false;
    if (e != 0) {
        const short m = static_cast<short>(Next(e));
        const short k = static_cast<short>(Next(m));
        Cpp_Triangle* n = t->GetNeighbour(e);
        if (!n) {
            Cpp_Triangle* t2 = triangles.AddTriangleCopy(t);
            t2->SetVertex(static_cast<short>(e), p);
            t2->SetNeighbour(k, t);
            t->SetVertex(m, p);
            t->SetNeighbour(m, t2);
            if (Cpp_Triangle* nmk = t2->GetNeighbour(m)) nmk->SetNeighbour(static_cast<short>(SlotNaming(nmk, t)), t2);
            SwapEdgeIfNecessary(triangles, t2, m, s);
            SwapEdgeIfNecessary(triangles, t, k, s);
        } else {
            const int j = t->IndexOfNeighbour(n);
            const short jm = static_cast<short>(Next(j));
            const short jk = static_cast<short>(Next(jm));
            Cpp_Triangle* t2 = triangles.AddTriangleCopy(t);
            Cpp_Triangle* t3 = triangles.AddTriangleCopy(n);
            t2->SetVertex(static_cast<short>(e), p);
            t2->SetNeighbour(k, t);
            t2->SetNeighbour(static_cast<short>(e), t3);
            if (Cpp_Triangle* nmk = t2->GetNeighbour(m)) nmk->SetNeighbour(static_cast<short>(SlotNaming(nmk, t)), t2);
            t->SetVertex(m, p);
            t->SetNeighbour(m, t2);
            t3->SetVertex(jm, p);
            n->SetVertex(static_cast<short>(j), p);
            t3->SetNeighbour(jm, n);
            n->SetNeighbour(jk, t3);
            t3->SetNeighbour(static_cast<short>(j), t2);
            if (Cpp_Triangle* njk = t3->GetNeighbour(jk)) njk->SetNeighbour(static_cast<short>(SlotNaming(njk, n)), t3);
            SwapEdgeIfNecessary(triangles, t2, m, s);
            SwapEdgeIfNecessary(triangles, t3, jk, s);
            SwapEdgeIfNecessary(triangles, t, k, s);
            SwapEdgeIfNecessary(triangles, n, jm, s);
        }
        return true;
    }
    Cpp_Triangle* n1 = t->GetNeighbour(1);
    Cpp_Triangle* n2 = t->GetNeighbour(2);
    const int slot1 = n1 ? SlotNaming(n1, t) : 0;
    const int slot2 = n2 ? SlotNaming(n2, t) : 0;
    Cpp_Triangle* t2 = triangles.AddTriangle(v1, v2, p);
    Cpp_Triangle* t3 = triangles.AddTriangle(v2, v3, p);
    t2->SetNeighbours(n1, t3, t);
    if (n1) n1->SetNeighbour(static_cast<short>(slot1), t2);
    t3->SetNeighbours(n2, t, t2);
    if (n2) n2->SetNeighbour(static_cast<short>(slot2), t3);
    t->SetVertex(2, p);
    t->SetNeighbour(1, t2);
    t->SetNeighbour(2, t3);
    SwapEdgeIfNecessary(triangles, t2, 1, s);
    SwapEdgeIfNecessary(triangles, t3, 1, s);
    SwapEdgeIfNecessary(triangles, t, 3, s);
    return true;
}

bool TriangulateByHullAndInsertion(Cpp_VertexList& vertices, Cpp_TriangleList& triangles) {
    Cpp_VertexList interior;
    ComputeConvexHull(vertices, interior);
    TriangulateConvexPolygon(vertices, triangles);
    int count = 0;
    for (Cpp_VERTEX* v = interior.First(); v; v = v->Next()) ++count;
    WalkStarts starts(vertices, count);
    Cpp_Triangle* start = triangles.First();
    while (Cpp_VERTEX* v = interior.First()) {
        interior.MoveVertexTo(v, vertices);
        const double x = v->X();
        const double y = v->Y();
        Cpp_Triangle* from = starts.Find(x, y);
        Cpp_Triangle* found = triangles.LocateByWalking(from ? from : start, x, y);
        if (!found) found = triangles.FindByScan(x, y);
        if (!found) {
            // Nothing is lost: the vertices not inserted go back to the list.
            vertices.AppendList(interior);
            return false;
        }
        insert_point_and_swap_edges_if_necessary(vertices, triangles, v, found);
        start = found;
        starts.Store(x, y, found);
    }
    return true;
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
                            Cpp_VERTEX*& point) {
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
        } else if (n > 3 && !vertices.AllCollinear()) {
            TriangulateByHullAndInsertion(vertices, triangles);
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
        Cpp_Triangle* found = triangles.FindByScan(x, y);
        if (found) insert_point_and_swap_edges_if_necessary(vertices, triangles, point, found);
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
        if (IsCounterClockwise(p, b, c)) break;
        Cpp_Triangle* nt = added.AddTriangleWithNeighbours(p, b, c, previousAdded, t, nullptr);
        t->SetNeighbour(static_cast<short>(i), nt);
        if (previousAdded) previousAdded->SetNeighbour(3, nt);
        if (!firstAdded) firstAdded = nt;
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
            SwapEdgeIfNecessary(triangles, nt, e, s);
        }
    }
    triangles.AppendTriangles(added);
    return true;
}
