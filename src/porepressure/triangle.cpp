#include "porepressure/triangle.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <new>
#include <sys/mman.h>
#include <type_traits>
#include <unordered_set>
#include <utility>

#include "porepressure/exact_predicates.h"
#include "porepressure/slot_pool.h"

// ---------------------------------------------------------------------------------------------
// Cpp_Triangle

int Cpp_Triangle::NextIndex(int i) {
    const int r = i % 3 + 1;
    if (r < 1 || r > 3) throw Exc_BadVertexIndex();
    return r;
}

int Cpp_Triangle::PreviousIndex(int i) {
    const int r = (i + 1) % 3 + 1;
    if (r < 1 || r > 3) throw Exc_BadVertexIndex();
    return r;
}

int Cpp_Triangle::IndexOfVertex(const Cpp_VERTEX* v) const {
    for (int i = 0; i < 3; ++i)
        if (v_[i] == v) return i + 1;
    throw Exc_BadVertexIndex();
}

int Cpp_Triangle::IndexOfNeighbour(const Cpp_Triangle* other) const {
    if (other) {
        for (int i = 0; i < 3; ++i)
            if (other->n_[i] == this) return i + 1;
    }
    throw Exc_AdjacentTriangleMissing();
}

double Cpp_Triangle::ClockwiseArea() const {
    const double x1 = v_[0]->X(), y1 = v_[0]->Y();
    const double x2 = v_[1]->X(), y2 = v_[1]->Y();
    const double x3 = v_[2]->X(), y3 = v_[2]->Y();
    return -0.5 * ((x1 * y2 - x2 * y1) + (x2 * y3 - x3 * y2) + (x3 * y1 - x1 * y3));
}

void Cpp_Triangle::Centroid(double& x, double& y) const {
    x = (v_[0]->X() + v_[1]->X() + v_[2]->X()) / 3.0;
    y = (v_[0]->Y() + v_[1]->Y() + v_[2]->Y()) / 3.0;
}

void Cpp_Triangle::Circumcircle(double& cx, double& cy, double& r2, bool& failed) const {
    const double x1 = v_[0]->X(), y1 = v_[0]->Y();
    const double x2 = v_[1]->X(), y2 = v_[1]->Y();
    const double x3 = v_[2]->X(), y3 = v_[2]->Y();
    const double d = (y3 - y1) * (x2 - x1) - (x3 - x1) * (y2 - y1);
    if (d == 0.0) {
        failed = true;
        return;
    }
    const double p = ((x1 + x2) * (x2 - x1) + (y1 + y2) * (y2 - y1)) / 2.0;
    const double q = ((x3 + x1) * (x3 - x1) + (y3 + y1) * (y3 - y1)) / 2.0;
    cx = ((y3 - y1) * p - (y2 - y1) * q) / d;
    cy = ((x2 - x1) * q - (x3 - x1) * p) / d;
    r2 = (x1 - cx) * (x1 - cx) + (y1 - cy) * (y1 - cy);
    failed = false;
}

namespace {

// The side test as specified: signed distances from the edge line through its unit normal.
bool SideTestExact(const Cpp_VERTEX* a, const Cpp_VERTEX* b, const Cpp_VERTEX* r, double x,
                   double y, double tol) {
    const double ex = b->X() - a->X();
    const double ey = b->Y() - a->Y();
    const double length = std::sqrt(ex * ex + ey * ey);
    if (length <= tol) return a->IsAt(x, y);
    const double nx = -ey / length;
    const double ny = ex / length;
    const double c = -(nx * a->X() + ny * a->Y());
    const double dp = nx * x + ny * y + c;
    if (std::fabs(dp) <= tol) return true;
    const double dk = nx * r->X() + ny * r->Y() + c;
    return (dp < 0.0 && dk < 0.0) || (dp > 0.0 && dk > 0.0);
}

// The same answer without square roots wherever the point and the reference vertex are clear
// of the tolerance band by more than any rounding; the exact form decides the rest.
inline bool SideTest(const Cpp_VERTEX* a, const Cpp_VERTEX* b, const Cpp_VERTEX* r, double x,
                     double y, double tol) {
    const double ax = a->X(), ay = a->Y();
    const double ex = b->X() - ax;
    const double ey = b->Y() - ay;
    const double l2 = ex * ex + ey * ey;
    const double scale = std::fabs(ax) + std::fabs(ay) + std::fabs(x) + std::fabs(y) +
                         std::fabs(r->X()) + std::fabs(r->Y()) + std::fabs(b->X()) +
                         std::fabs(b->Y());
    const double margin = 1e-6 * tol + 1e-12 * scale;
    const double band = tol + margin;
    const double crossP = ex * (y - ay) - ey * (x - ax);
    const double crossK = ex * (r->Y() - ay) - ey * (r->X() - ax);
    if (l2 > band * band && crossP * crossP > l2 * band * band &&
        crossK * crossK > l2 * margin * margin)
        return (crossP < 0.0 && crossK < 0.0) || (crossP > 0.0 && crossK > 0.0);
    return SideTestExact(a, b, r, x, y, tol);
}

}  // namespace

bool PointOnInnerSide(const Cpp_VERTEX* a, const Cpp_VERTEX* b, const Cpp_VERTEX* r, double x,
                      double y) {
    return SideTest(a, b, r, x, y, GetTriangulationTolerance());
}

bool Cpp_Triangle::IsOnInnerSide(short i, short j, short k, double x, double y) const {
    return SideTest(v_[Slot(i)], v_[Slot(j)], v_[Slot(k)], x, y, GetTriangulationTolerance());
}

bool Cpp_Triangle::Contains(double x, double y) const {
    const double tol = GetTriangulationTolerance();
    return SideTest(v_[0], v_[1], v_[2], x, y, tol) && SideTest(v_[1], v_[2], v_[0], x, y, tol) &&
           SideTest(v_[2], v_[0], v_[1], x, y, tol);
}

Cpp_VERTEX* Cpp_Triangle::NearestVertex(double x, double y) const {
    Cpp_VERTEX* best = v_[0];
    double bestDistance = v_[0]->DistanceTo(x, y);
    for (int i = 1; i < 3; ++i) {
        const double d = v_[i]->DistanceTo(x, y);
        if (d < bestDistance) {
            best = v_[i];
            bestDistance = d;
        }
    }
    return best;
}

void Cpp_Triangle::PlaneCoefficients(double& a, double& b, double& c, double& d,
                                     bool useSecond) const {
    const double x1 = v_[0]->X(), y1 = v_[0]->Y();
    const double x2 = v_[1]->X(), y2 = v_[1]->Y();
    const double x3 = v_[2]->X(), y3 = v_[2]->Y();
    const double z1 = useSecond ? v_[0]->SecondValue() : v_[0]->FirstValue();
    const double z2 = useSecond ? v_[1]->SecondValue() : v_[1]->FirstValue();
    const double z3 = useSecond ? v_[2]->SecondValue() : v_[2]->FirstValue();
    a = -((z3 - z1) * y2 + (z2 - z3) * y1 + (z1 - z2) * y3);
    b = -((x2 - x3) * z1 + (x3 - x1) * z2 + (x1 - x2) * z3);
    c = -((y2 - y3) * x1 + (y3 - y1) * x2 + (y1 - y2) * x3);
    d = -a * x1 - b * y1 - c * z1;
}

namespace {

using P = CirclePoint;

// The order that settles exact ties of the circle test: by x + y, then y, then x. Giving the
// first point of four co-circular ones the diagonal through it is the same as lowering every
// point by an infinitesimal amount that shrinks along this order, so every tie of every
// quadrilateral is decided as one consistent perturbation would decide it: no sequence of swaps
// comes back to a triangulation it has left, and the result does not depend on the order of
// insertion. For a rectangle with sides parallel to the axes the first point is the lower left
// corner, so the diagonal from lower left to upper right is kept.
inline bool TieOrderBefore(const P& a, const P& b) {
    const double sa = a.x + a.y, sb = b.x + b.y;
    if (sa != sb) return sa < sb;
    if (a.y != b.y) return a.y < b.y;
    return a.x < b.x;
}

inline double Cross(const P& a, const P& b, const P& c) {
    return (b.x - a.x) * (c.y - a.y) - (b.y - a.y) * (c.x - a.x);
}

inline double Length(const P& a, const P& b) {
    return std::sqrt((b.x - a.x) * (b.x - a.x) + (b.y - a.y) * (b.y - a.y));
}

// Four points q (in tie order) of which q[d1], q[d2] are one diagonal's ends and the other two
// the other diagonal's: within the tolerance of one circle seen from each of the four triangles
// (|det| is twice the triangle's area times r^2 - d^2, with the largest distance of the four in
// place of r + d), and a rectangle within ten tolerances (equal diagonals with one midpoint).
// Computed in tie order, so that both diagonals of one quadrilateral see the same numbers.
bool IsCoCircularRectangle(const P q[4], int d1, int d2, double det, double tol) {
    const double area =
        std::min({std::fabs(Cross(q[0], q[1], q[2])), std::fabs(Cross(q[0], q[1], q[3])),
                  std::fabs(Cross(q[0], q[2], q[3])), std::fabs(Cross(q[1], q[2], q[3]))});
    double d2max = 0.0;
    for (int i = 0; i < 4; ++i)
        for (int j = i + 1; j < 4; ++j) {
            const double dx = q[i].x - q[j].x, dy = q[i].y - q[j].y;
            d2max = std::max(d2max, dx * dx + dy * dy);
        }
    if (std::fabs(det) > tol * area * std::sqrt(d2max)) return false;
    if (d1 > d2) std::swap(d1, d2);
    int o1 = -1, o2 = -1;
    for (int i = 0; i < 4; ++i)
        if (i != d1 && i != d2) (o1 < 0 ? o1 : o2) = i;
    // The diagonal through q[0] first.
    if (d1 != 0) {
        std::swap(d1, o1);
        std::swap(d2, o2);
    }
    const double e = 10.0 * tol;
    const double mx = (q[d1].x + q[d2].x) - (q[o1].x + q[o2].x);
    const double my = (q[d1].y + q[d2].y) - (q[o1].y + q[o2].y);
    return std::fabs(Length(q[d1], q[d2]) - Length(q[o1], q[o2])) < e &&
           std::sqrt(mx * mx + my * my) < 2.0 * e;
}

}  // namespace

bool PointInCircleOrTie(const CirclePoint& t1, const CirclePoint& t2, const CirclePoint& t3,
                        const CirclePoint& p, int r, double tol) {
    const int orientation = exact::Orientation(t1.x, t1.y, t2.x, t2.y, t3.x, t3.y);
    if (orientation == 0) return true;

    // Far from a tie (the usual case): the rounded determinant in the given order decides. The
    // band of IsCoCircularRectangle is at most tol * |cross of t1, t2, t3| * (x spread + y
    // spread), and the determinant in tie order differs from this one by less than the two
    // error bounds, so the careful path below would take the same sign.
    {
        double bound = 0.0;
        const double det =
            exact::InCircleApprox(t1.x, t1.y, t2.x, t2.y, t3.x, t3.y, p.x, p.y, bound);
        const double spread =
            (std::max({t1.x, t2.x, t3.x, p.x}) - std::min({t1.x, t2.x, t3.x, p.x})) +
            (std::max({t1.y, t2.y, t3.y, p.y}) - std::min({t1.y, t2.y, t3.y, p.y}));
        const double band = tol * std::fabs(Cross(t1, t2, t3)) * spread;
        if (std::fabs(det) > (band * (1.0 + 1e-9) + 4.0 * bound))
            return (det > 0.0 ? 1 : -1) * orientation > 0;
    }

    // The four points in tie order (index 3 is p), with the parity of the permutation.
    P q[4] = {t1, t2, t3, p};
    int index[4] = {0, 1, 2, 3};
    int parity = 1;
    for (int i = 1; i < 4; ++i)
        for (int j = i; j > 0 && TieOrderBefore(q[j], q[j - 1]); --j) {
            std::swap(q[j], q[j - 1]);
            std::swap(index[j], index[j - 1]);
            parity = -parity;
        }
    const bool firstOnNewDiagonal = index[0] == 3 || index[0] == r - 1;
    double bound = 0.0;
    const double det = exact::InCircleApprox(q[0].x, q[0].y, q[1].x, q[1].y, q[2].x, q[2].y, q[3].x,
                                             q[3].y, bound);
    if (tol > 0.0) {
        int d1 = 0, d2 = 0;
        for (int i = 0; i < 4; ++i) {
            if (index[i] == 3) d1 = i;
            if (index[i] == r - 1) d2 = i;
        }
        if (IsCoCircularRectangle(q, d1, d2, det, tol)) return firstOnNewDiagonal;
    }
    const int sign = std::fabs(det) > bound ? (det > 0.0 ? 1 : -1)
                                            : exact::InCircle(q[0].x, q[0].y, q[1].x, q[1].y,
                                                              q[2].x, q[2].y, q[3].x, q[3].y);
    if (sign == 0) return firstOnNewDiagonal;
    return sign * parity * orientation > 0;
}

bool PointInCircleOrTie(const Cpp_VERTEX* t1, const Cpp_VERTEX* t2, const Cpp_VERTEX* t3,
                        const Cpp_VERTEX* p, const Cpp_VERTEX* r, double tol) {
    const int which = r == t1 ? 1 : (r == t2 ? 2 : 3);
    return PointInCircleOrTie({t1->X(), t1->Y()}, {t2->X(), t2->Y()}, {t3->X(), t3->Y()},
                              {p->X(), p->Y()}, which, tol);
}

bool Cpp_Triangle::NeedsSwap(Cpp_Triangle* a, Cpp_Triangle* b, int opposite) {
    const Cpp_VERTEX* p = b->Vertex(static_cast<short>(opposite));
    const int iA = b->IndexOfNeighbour(a);
    const Cpp_VERTEX* r = a->Vertex(static_cast<short>(PreviousIndex(iA)));
    return PointInCircleOrTie(a->v_[0], a->v_[1], a->v_[2], p, r, GetTriangulationTolerance());
}

// ---------------------------------------------------------------------------------------------
// Cpp_EdgeList

bool Cpp_EdgeList::AddEdge(Cpp_VERTEX* start, Cpp_VERTEX* end) {
    Cpp_Edge* e = new (std::nothrow) Cpp_Edge(start, end);
    if (!e) return false;
    if (last_)
        last_->next_ = e;
    else
        first_ = e;
    last_ = e;
    return true;
}

void Cpp_EdgeList::Reset() {
    Cpp_Edge* e = first_;
    while (e) {
        Cpp_Edge* next = e->next_;
        delete e;
        e = next;
    }
    first_ = last_ = nullptr;
}

bool Cpp_EdgeList::OrderAsChain() {
    for (Cpp_Edge* e = first_; e && e->next_; e = e->next_) {
        Cpp_Edge* previous = e;
        Cpp_Edge* found = nullptr;
        for (Cpp_Edge* f = e->next_; f; previous = f, f = f->next_) {
            if (f->start_ == e->end_) {
                found = f;
                break;
            }
        }
        if (!found || found == e->next_) continue;
        // Unlink found (previous is its predecessor) and put it after e.
        previous->next_ = found->next_;
        if (last_ == found) last_ = previous;
        found->next_ = e->next_;
        e->next_ = found;
    }
    return true;
}

bool Cpp_EdgeList::IsClosedChain() const {
    if (!first_ || !first_->next_) return false;
    for (const Cpp_Edge* e = first_; e; e = e->next_) {
        const Cpp_Edge* following = e->next_ ? e->next_ : first_;
        if (e->end_ != following->start_) return false;
    }
    return true;
}

// ---------------------------------------------------------------------------------------------
// Cpp_TriangleList

static_assert(sizeof(Cpp_Triangle) == 56, "a triangle is seven links");

void* Cpp_Triangle::operator new(std::size_t) { return SlotOf<Cpp_Triangle>(); }

void* Cpp_Triangle::operator new(std::size_t, const std::nothrow_t&) noexcept {
    return PoolOf<Cpp_Triangle>().Get();
}

void Cpp_Triangle::operator delete(void* p) noexcept { PoolOf<Cpp_Triangle>().Put(p); }

bool Cpp_TriangleList::InBlock(const Cpp_Triangle* t) const {
    for (const Block& block : blocks_) {
        const auto* first = static_cast<const Cpp_Triangle*>(block.memory.get());
        if (std::less_equal<>()(first, t) && std::less<>()(t, first + block.size)) return true;
    }
    return false;
}

Cpp_Triangle* Cpp_TriangleList::Append(Cpp_Triangle* t) {
    if (!t) throw Exc_MemoryAllocationFailed();
    t->next_ = nullptr;
    if (last_)
        last_->next_ = t;
    else
        first_ = t;
    last_ = t;
    ++count_;
    Changed();
    return t;
}

void Cpp_TriangleList::Reserve(int count) {
    static_assert(std::is_trivially_destructible_v<Cpp_Triangle>);
    if (count <= blockSize_ - blockUsed_) return;
    const std::size_t bytes = sizeof(Cpp_Triangle) * static_cast<std::size_t>(count);
    void* block = nullptr;
    // A large block in 2 MB pages where the system offers them: far fewer page faults while
    // a big triangulation is written out.
    constexpr std::size_t kHugePage = std::size_t{2} << 20;
    if (bytes >= 2 * kHugePage) {
        const std::size_t rounded = (bytes + kHugePage - 1) / kHugePage * kHugePage;
        block = std::aligned_alloc(kHugePage, rounded);
#ifdef MADV_HUGEPAGE
        if (block) madvise(block, rounded, MADV_HUGEPAGE);
#endif
    }
    if (!block) block = std::malloc(bytes);
    if (!block) return;  // the triangles come one by one then
    blocks_.push_back({std::unique_ptr<void, BlockFree>(block), count});
    blockUsed_ = 0;
    blockSize_ = count;
}

Cpp_Triangle* Cpp_TriangleList::ReserveRun(int count) {
    Reserve(count);
    if (count > blockSize_ - blockUsed_) return nullptr;
    return static_cast<Cpp_Triangle*>(blocks_.back().memory.get()) + blockUsed_;
}

Cpp_Triangle* Cpp_TriangleList::FromBlock() {
    if (blockUsed_ >= blockSize_) return nullptr;
    auto* storage = static_cast<Cpp_Triangle*>(blocks_.back().memory.get()) + blockUsed_++;
    return new (storage) Cpp_Triangle();
}

Cpp_Triangle* Cpp_TriangleList::AddTriangle(Cpp_VERTEX* v1, Cpp_VERTEX* v2, Cpp_VERTEX* v3) {
    if (Cpp_Triangle* t = FromBlock()) {
        t->v_[0] = v1;
        t->v_[1] = v2;
        t->v_[2] = v3;
        t->n_[0] = t->n_[1] = t->n_[2] = nullptr;
        return Append(t);
    }
    return Append(new (std::nothrow) Cpp_Triangle(v1, v2, v3));
}

Cpp_Triangle* Cpp_TriangleList::AddTriangleCopy(const Cpp_Triangle* t) {
    return Append(new (std::nothrow) Cpp_Triangle(*t));
}

Cpp_Triangle* Cpp_TriangleList::AddTriangleWithNeighbours(Cpp_VERTEX* v1, Cpp_VERTEX* v2,
                                                          Cpp_VERTEX* v3, Cpp_Triangle* n1,
                                                          Cpp_Triangle* n2, Cpp_Triangle* n3) {
    return Append(new (std::nothrow) Cpp_Triangle(v1, v2, v3, n1, n2, n3));
}

void Cpp_TriangleList::AppendTriangles(Cpp_TriangleList& other) {
    if (!other.first_) return;
    if (last_)
        last_->next_ = other.first_;
    else
        first_ = other.first_;
    last_ = other.last_;
    count_ += other.count_;
    other.first_ = other.last_ = nullptr;
    other.count_ = 0;
    // Blocks go with their triangles (in front, so that this list's current block stays last).
    for (auto& block : other.blocks_) blocks_.insert(blocks_.begin(), std::move(block));
    other.blocks_.clear();
    other.blockUsed_ = other.blockSize_ = 0;
    other.Changed();
    Changed();
}

void Cpp_TriangleList::DeleteTriangles(const std::vector<Cpp_Triangle*>& triangles) {
    for (Cpp_Triangle* t : triangles) {
        for (Cpp_Triangle* n : t->n_) {
            if (!n) continue;
            for (auto& slot : n->n_)
                if (slot == t) slot = nullptr;
        }
    }
    std::unordered_set<Cpp_Triangle*> doomed(triangles.begin(), triangles.end());
    Cpp_Triangle* previous = nullptr;
    Cpp_Triangle* p = first_;
    while (p) {
        Cpp_Triangle* next = p->next_;
        if (doomed.count(p)) {
            if (previous)
                previous->next_ = next;
            else
                first_ = next;
            if (last_ == p) last_ = previous;
            --count_;
            Free(p);
        } else {
            previous = p;
        }
        p = next;
    }
    Changed();
}

void Cpp_TriangleList::DeleteTrianglesLocally(std::vector<Cpp_Triangle*> doomed) {
    // The doomed triangles' own links go too: a doomed triangle that moves below would
    // otherwise carry links to triangles that no longer name it, and that may be gone by then.
    for (Cpp_Triangle* t : doomed)
        for (Cpp_Triangle*& n : t->n_) {
            if (!n) continue;
            for (auto& slot : n->n_)
                if (slot == t) slot = nullptr;
            n = nullptr;
        }
    while (!doomed.empty()) {
        Cpp_Triangle* t = doomed.back();
        doomed.pop_back();
        Cpp_Triangle* n = t->next_;
        if (!n) {
            // The last triangle: its predecessor is found by walking.
            Cpp_Triangle* previous = nullptr;
            for (Cpp_Triangle* p = first_; p && p != t; p = p->next_) previous = p;
            if (previous)
                previous->next_ = nullptr;
            else
                first_ = nullptr;
            last_ = previous;
            --count_;
            Free(t);
            continue;
        }
        // The next triangle moves into t's place; n's memory goes.
        for (int i = 0; i < 3; ++i) {
            t->v_[i] = n->v_[i];
            t->n_[i] = n->n_[i];
            if (Cpp_Triangle* m = n->n_[i])
                for (auto& slot : m->n_)
                    if (slot == n) slot = t;
        }
        t->next_ = n->next_;
        if (last_ == n) last_ = t;
        --count_;
        // A doomed triangle that moved is now at t.
        const auto moved = std::find(doomed.begin(), doomed.end(), n);
        if (moved != doomed.end()) *moved = t;
        Free(n);
    }
    Changed();
}

void Cpp_TriangleList::DeleteAll() {
    Cpp_Triangle* t = first_;
    while (t) {
        Cpp_Triangle* next = t->next_;
        Free(t);
        t = next;
    }
    first_ = last_ = nullptr;
    count_ = 0;
    blocks_.clear();
    blockUsed_ = blockSize_ = 0;
    Changed();
}

Cpp_Triangle* Cpp_TriangleList::Walk(Cpp_Triangle* t, double x, double y,
                                     Cpp_Triangle*& last) const {
    const double tol = GetTriangulationTolerance();
    // On a Delaunay triangulation the walk always ends; the bound keeps a damaged or
    // non-Delaunay one from cycling.
    for (int steps = 0; steps <= count_; ++steps) {
        last = t;
        const Cpp_VERTEX* v1 = t->v_[0];
        const Cpp_VERTEX* v2 = t->v_[1];
        const Cpp_VERTEX* v3 = t->v_[2];
        int across;
        if (!SideTest(v1, v2, v3, x, y, tol))
            across = 0;
        else if (!SideTest(v2, v3, v1, x, y, tol))
            across = 1;
        else if (!SideTest(v3, v1, v2, x, y, tol))
            across = 2;
        else
            return t;
        t = t->n_[across];
        if (!t) return nullptr;
    }
    return nullptr;
}

Cpp_Triangle* Cpp_TriangleList::LocateByWalking(Cpp_Triangle* start, double x, double y) const {
    if (!first_) return nullptr;
    Cpp_Triangle* last = nullptr;
    return Walk(start ? start : first_, x, y, last);
}

void Cpp_TriangleList::BuildStarts() const {
    startsValid_ = true;
    starts_.clear();
    startColumns_ = startRows_ = 0;
    if (!first_) return;
    double xmin = first_->v_[0]->X(), xmax = xmin, ymin = first_->v_[0]->Y(), ymax = ymin;
    for (const Cpp_Triangle* t = first_; t; t = t->next_)
        for (const Cpp_VERTEX* v : t->v_) {
            xmin = std::min(xmin, v->X());
            xmax = std::max(xmax, v->X());
            ymin = std::min(ymin, v->Y());
            ymax = std::max(ymax, v->Y());
        }
    const double w = xmax - xmin, h = ymax - ymin;
    if (!(w > 0.0) || !(h > 0.0) || !std::isfinite(w) || !std::isfinite(h)) return;
    // About one cell for every two triangles, shaped like the extents.
    const double cells = std::max(1.0, std::min(count_ / 2.0, 4.0e6));
    const double columns = std::clamp(std::sqrt(cells * w / h), 1.0, cells);
    startColumns_ = static_cast<int>(std::ceil(columns));
    startRows_ = static_cast<int>(std::ceil(cells / columns));
    startX0_ = xmin;
    startY0_ = ymin;
    startScaleX_ = startColumns_ / w;
    startScaleY_ = startRows_ / h;
    starts_.assign(static_cast<std::size_t>(startColumns_) * startRows_, nullptr);
    // Row by row, back and forth, each walk starting where the previous one ended.
    Cpp_Triangle* from = first_;
    for (int row = 0; row < startRows_; ++row) {
        const double y = ymin + (row + 0.5) / startScaleY_;
        for (int k = 0; k < startColumns_; ++k) {
            const int column = (row % 2 == 0) ? k : startColumns_ - 1 - k;
            const double x = xmin + (column + 0.5) / startScaleX_;
            Cpp_Triangle* last = from;
            Cpp_Triangle* found = Walk(from, x, y, last);
            from = found ? found : last;
            starts_[static_cast<std::size_t>(row) * startColumns_ + column] = from;
        }
    }
}

Cpp_Triangle* Cpp_TriangleList::StartNear(double x, double y) const {
    if (!startsValid_) BuildStarts();
    if (starts_.empty()) return first_;
    const double cx = (x - startX0_) * startScaleX_;
    const double cy = (y - startY0_) * startScaleY_;
    // Comparisons written so that a NaN lands in the first cell.
    const int column =
        cx > 0.0 ? (cx < startColumns_ ? static_cast<int>(cx) : startColumns_ - 1) : 0;
    const int row = cy > 0.0 ? (cy < startRows_ ? static_cast<int>(cy) : startRows_ - 1) : 0;
    return starts_[static_cast<std::size_t>(row) * startColumns_ + column];
}

Cpp_Triangle* Cpp_TriangleList::FindByScan(double x, double y) const {
    for (Cpp_Triangle* t = first_; t; t = t->next_)
        if (t->Contains(x, y)) return t;
    return nullptr;
}

namespace {

double Cross(double ox, double oy, double ax, double ay, double bx, double by) {
    return (ax - ox) * (by - oy) - (ay - oy) * (bx - ox);
}

}  // namespace

bool Cpp_TriangleList::OutsideHull(double x, double y) const {
    if (!hullValid_) {
        std::unordered_set<const Cpp_VERTEX*> seen;
        std::vector<std::pair<double, double>> points;
        for (const Cpp_Triangle* t = first_; t; t = t->next_)
            for (const Cpp_VERTEX* v : t->v_)
                if (v && seen.insert(v).second) points.emplace_back(v->X(), v->Y());
        std::sort(points.begin(), points.end());
        points.erase(std::unique(points.begin(), points.end()), points.end());
        std::vector<std::pair<double, double>> hull;
        if (points.size() >= 3) {
            hull.resize(2 * points.size());
            std::size_t k = 0;
            for (const auto& p : points) {
                while (k >= 2 && Cross(hull[k - 2].first, hull[k - 2].second, hull[k - 1].first,
                                       hull[k - 1].second, p.first, p.second) <= 0)
                    --k;
                hull[k++] = p;
            }
            for (std::size_t i = points.size() - 1, lower = k + 1; i-- > 0;) {
                const auto& p = points[i];
                while (k >= lower && Cross(hull[k - 2].first, hull[k - 2].second, hull[k - 1].first,
                                           hull[k - 1].second, p.first, p.second) <= 0)
                    --k;
                hull[k++] = p;
            }
            hull.resize(k - 1);
        }
        // Per edge of the counterclockwise hull, the outward unit normal and offset: a point
        // right of an edge by more than the tolerance is out.
        hull_.clear();
        const std::size_t n = hull.size();
        if (n >= 3) {
            for (std::size_t i = 0; i < n; ++i) {
                const std::size_t j = (i + 1) % n;
                const double ax = hull[i].first, ay = hull[i].second;
                const double bx = hull[j].first, by = hull[j].second;
                const double length = std::hypot(bx - ax, by - ay);
                if (length == 0.0) continue;
                const double nx = (by - ay) / length, ny = -(bx - ax) / length;
                hull_.push_back(nx);
                hull_.push_back(ny);
                hull_.push_back(-(nx * ax + ny * ay));
            }
        }
        hullValid_ = true;
    }
    if (hull_.size() < 9) return false;
    const double tol = GetTriangulationTolerance();
    for (std::size_t i = 0; i < hull_.size(); i += 3)
        if (hull_[i] * x + hull_[i + 1] * y + hull_[i + 2] > tol) return true;
    return false;
}

Cpp_Triangle* Cpp_TriangleList::FindTriangleContaining(Cpp_Triangle* start, double x,
                                                       double y) const {
    if (!first_) return nullptr;
    if (start && start->Contains(x, y)) return start;
    if (Cpp_Triangle* t = LocateByWalking(StartNear(x, y), x, y)) return t;
    if (OutsideHull(x, y)) return nullptr;
    return FindByScan(x, y);
}

Cpp_VERTEX* FindNearestVertex(double x, double y, Cpp_TriangleList& triangles,
                              Cpp_VertexList& vertices, Cpp_Triangle*& start) {
    if (vertices.IsEmpty()) return nullptr;
    if (!triangles.IsEmpty()) {
        if (!start) start = triangles.First();
        if (Cpp_Triangle* t = triangles.LocateByWalking(start, x, y)) return t->NearestVertex(x, y);
    }
    return vertices.FindNearest(x, y);
}
