#include "porepressure/delaunay_builder.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <utility>
#include <vector>

#include <sys/mman.h>

#include "porepressure/exact_predicates.h"

namespace {

// The vertex beyond the hull: every hull edge has a "ghost" triangle with it on the outside,
// so that a point outside the hull is inserted like one inside.
constexpr int kGhost = -1;

// Counterclockwise vertices; n[i] is the triangle across the edge opposite v[i].
struct Tri {
    int v[3];
    int n[3];
};

inline int Plus1(int i) { return i == 2 ? 0 : i + 1; }
inline int Plus2(int i) { return i == 0 ? 2 : i - 1; }

// Position along a Hilbert curve of 2^16 x 2^16 cells.
std::uint64_t HilbertKey(std::uint32_t x, std::uint32_t y) {
    std::uint64_t d = 0;
    for (std::uint32_t s = 1u << 15; s > 0; s >>= 1) {
        const std::uint32_t rx = (x & s) ? 1u : 0u;
        const std::uint32_t ry = (y & s) ? 1u : 0u;
        d += static_cast<std::uint64_t>(s) * s * ((3u * rx) ^ ry);
        if (ry == 0) {
            if (rx == 1) {
                x = s - 1 - (x & (s - 1)) + (x & ~(s - 1));
                y = s - 1 - (y & (s - 1)) + (y & ~(s - 1));
                x &= 0xFFFFu;
                y &= 0xFFFFu;
            }
            std::swap(x, y);
        }
    }
    return d;
}

// Working arrays. Up to kKeptBelow points they are kept from one triangulation to the next, so
// that triangulating again (after every edit) reuses memory that is already mapped. For more
// points each goes as soon as it has served, so that the triangles made at the end do not come
// on top of all of them.
constexpr std::size_t kKeptBelow = std::size_t{1} << 17;

struct Scratch {
    std::vector<std::pair<std::uint64_t, std::size_t>> keys;
    std::vector<Cpp_VERTEX*> points;
    std::vector<double> x, y;
    std::vector<Tri> tris;
    std::vector<int> stack;
    bool keep = true;
};

Scratch& TheScratch() {
    static Scratch scratch;
    return scratch;
}

// Emptied; its memory kept or given back as the scratch says.
template <class T>
void Release(std::vector<T>& v, const Scratch& scratch) {
    if (scratch.keep)
        v.clear();
    else
        std::vector<T>().swap(v);
}

// Gives the whole pages of an array read from start to end back to the system as the reading
// passes them; what was given back reads as zeros afterwards (the array is then only freed).
class PageReleaser {
public:
    // Nothing is given back for a null start.
    explicit PageReleaser(const void* start) : done_(static_cast<const char*>(start)) {}
    void PassedTo(const void* position) {
        if (!done_) return;
#if defined(MADV_DONTNEED)
        constexpr std::uintptr_t kPage = 4096;
        // Page bounds by pointer steps, so the pointers keep their origin.
        const char* from = done_ + (kPage - Address(done_) % kPage) % kPage;
        const char* at = static_cast<const char*>(position);
        const char* to = at - Address(at) % kPage;
        if (to > from) {
            madvise(const_cast<char*>(from), static_cast<std::size_t>(to - from), MADV_DONTNEED);
            done_ = to;
        }
#else
        (void)position;
#endif
    }

private:
    static std::uintptr_t Address(const void* p) { return reinterpret_cast<std::uintptr_t>(p); }
    const char* done_;
};

class Builder {
public:
    Builder(Scratch& scratch, double tol)
        : tol_(tol), scratch_(scratch), p_(scratch.points), x_(scratch.x), y_(scratch.y),
          tris_(scratch.tris), stack_(scratch.stack) {
        x_.clear();
        y_.clear();
        tris_.clear();
        stack_.clear();
        x_.reserve(p_.size());
        y_.reserve(p_.size());
        for (const Cpp_VERTEX* v : p_) {
            x_.push_back(v->X());
            y_.push_back(v->Y());
        }
        tris_.reserve(2 * p_.size() + 8);
    }

    bool Run() {
        const int n = static_cast<int>(p_.size());
        int a = 0, b = -1, c = -1;
        for (int i = 1; i < n && b < 0; ++i)
            if (x_[i] != x_[a] || y_[i] != y_[a]) b = i;
        if (b < 0) return false;
        for (int i = b + 1; i < n && c < 0; ++i)
            if (Orient(a, b, i) != 0) c = i;
        if (c < 0) return false;
        if (Orient(a, b, c) < 0) std::swap(b, c);
        // The first triangle and its three ghosts.
        tris_.push_back({{a, b, c}, {3, 2, 1}});
        tris_.push_back({{b, a, kGhost}, {2, 3, 0}});
        tris_.push_back({{a, c, kGhost}, {3, 1, 0}});
        tris_.push_back({{c, b, kGhost}, {1, 2, 0}});
        last_ = 0;
        for (int i = 0; i < n; ++i) {
            if (i == a || i == b || i == c) continue;
            Insert(i);
        }
        return true;
    }

    // Appends the finite triangles (clockwise, as the list keeps them) with their links.
    // Made in one pass over tris_, whose pages go back to the system as they are passed, so
    // that the triangles made do not come on top of the working triangles.
    void Export(Cpp_TriangleList& list) {
        // The coordinates and the insertion stack are no longer needed.
        Release(x_, scratch_);
        Release(y_, scratch_);
        Release(stack_, scratch_);
        // The finite triangles are made in the order of tris_ into one reserved run, so the
        // one made from tris_[j] is the run's triangle number rank(j): j less the ghosts before
        // j, counted per 64 triangles.
        const std::size_t count = tris_.size();
        std::vector<std::uint64_t> ghostBits((count + 63) / 64, 0);
        std::vector<int> ghostsBefore(ghostBits.size() + 1, 0);
        for (std::size_t i = 0; i < count; ++i)
            if (IsGhost(tris_[i])) ghostBits[i / 64] |= std::uint64_t{1} << (i % 64);
        for (std::size_t w = 0; w < ghostBits.size(); ++w)
            ghostsBefore[w + 1] = ghostsBefore[w] + std::popcount(ghostBits[w]);
        const int finite = static_cast<int>(count) - ghostsBefore.back();
        auto ghost = [&](std::size_t j) { return (ghostBits[j / 64] >> (j % 64)) & 1u; };
        auto rank = [&](std::size_t j) {
            const std::uint64_t below = (std::uint64_t{1} << (j % 64)) - 1;
            return static_cast<int>(j) - ghostsBefore[j / 64] -
                   std::popcount(ghostBits[j / 64] & below);
        };
        Cpp_Triangle* run = list.ReserveRun(finite);
        if (!run) {
            ExportOneByOne(list);
            return;
        }
        auto link = [&](int j) {
            const auto k = static_cast<std::size_t>(j);
            return j >= 0 && !ghost(k) ? run + rank(k) : nullptr;
        };
        PageReleaser releaser(scratch_.keep ? nullptr : tris_.data());
        for (std::size_t i = 0; i < count; ++i) {
            const Tri& t = tris_[i];
            if (!ghost(i)) {
                // Clockwise (v0, v2, v1): edge 1 is v0-v2 (across from v1), edge 2 v2-v1
                // (across from v0), edge 3 v1-v0 (across from v2).
                Cpp_Triangle* made = list.AddTriangle(p_[t.v[0]], p_[t.v[2]], p_[t.v[1]]);
                made->SetNeighbours(link(t.n[1]), link(t.n[0]), link(t.n[2]));
            }
            if ((i & 0xFFFF) == 0xFFFF) releaser.PassedTo(tris_.data() + i + 1);
        }
    }

    // Without a reserved run: the triangles one by one, then their links.
    void ExportOneByOne(Cpp_TriangleList& list) {
        std::vector<Cpp_Triangle*> made(tris_.size(), nullptr);
        for (std::size_t i = 0; i < tris_.size(); ++i) {
            const Tri& t = tris_[i];
            if (!IsGhost(t)) made[i] = list.AddTriangle(p_[t.v[0]], p_[t.v[2]], p_[t.v[1]]);
        }
        auto link = [&](int j) { return j >= 0 ? made[static_cast<std::size_t>(j)] : nullptr; };
        for (std::size_t i = 0; i < tris_.size(); ++i) {
            if (!made[i]) continue;
            const Tri& t = tris_[i];
            made[i]->SetNeighbours(link(t.n[1]), link(t.n[0]), link(t.n[2]));
        }
    }

private:
    static bool IsGhost(const Tri& t) {
        return t.v[0] == kGhost || t.v[1] == kGhost || t.v[2] == kGhost;
    }

    CirclePoint At(int i) const { return {x_[i], y_[i]}; }

    int Orient(int a, int b, int c) const {
        return exact::Orientation(x_[a], y_[a], x_[b], y_[b], x_[c], y_[c]);
    }

    // The triangle whose closed region (for a ghost: the open outer side of its hull edge)
    // holds point q, walking from the last triangle made; the edge q lies on in `edge` (the
    // index of the opposite vertex), -1 inside; -2 when q is a vertex already.
    int Locate(int q, int& edge) {
        int t = last_;
        if (IsGhost(tris_[t])) t = FiniteNeighbour(t);
        const std::size_t limit = tris_.size() + 16;
        for (std::size_t steps = 0; steps < limit; ++steps) {
            const Tri& tr = tris_[t];
            int across = -1, zero = -1, zeros = 0;
            const int first = static_cast<int>(steps % 3);
            for (int k = 0; k < 3; ++k) {
                const int i = (first + k) % 3;
                const int o = Orient(tr.v[Plus1(i)], tr.v[Plus2(i)], q);
                if (o < 0) {
                    across = i;
                    break;
                }
                if (o == 0) {
                    zero = i;
                    ++zeros;
                }
            }
            if (across < 0) {
                edge = zeros >= 2 ? -2 : (zeros == 1 ? zero : -1);
                return t;
            }
            const int next = tr.n[across];
            if (IsGhost(tris_[next])) {
                edge = -1;
                return next;
            }
            t = next;
        }
        // Not reached on a Delaunay triangulation; look at every triangle.
        for (int i = 0; i < static_cast<int>(tris_.size()); ++i) {
            const Tri& tr = tris_[i];
            if (IsGhost(tr)) continue;
            int zeros = 0, zero = -1;
            bool inside = true;
            for (int k = 0; k < 3 && inside; ++k) {
                const int o = Orient(tr.v[Plus1(k)], tr.v[Plus2(k)], q);
                if (o < 0) inside = false;
                if (o == 0) ++zeros, zero = k;
            }
            if (inside) {
                edge = zeros >= 2 ? -2 : (zeros == 1 ? zero : -1);
                return i;
            }
        }
        for (int i = 0; i < static_cast<int>(tris_.size()); ++i) {
            const Tri& tr = tris_[i];
            const int g = GhostIndex(tr);
            if (g < 0) continue;
            if (Orient(tr.v[Plus1(g)], tr.v[Plus2(g)], q) > 0) {
                edge = -1;
                return i;
            }
        }
        edge = -2;
        return 0;
    }

    static int GhostIndex(const Tri& t) {
        for (int k = 0; k < 3; ++k)
            if (t.v[k] == kGhost) return k;
        return -1;
    }

    int FiniteNeighbour(int t) const { return tris_[t].n[GhostIndex(tris_[t])]; }

    void Replace(int t, int from, int to) {
        if (t < 0) return;
        Tri& tr = tris_[t];
        for (int k = 0; k < 3; ++k)
            if (tr.n[k] == from) {
                tr.n[k] = to;
                return;
            }
    }

    void Insert(int q) {
        int edge = -1;
        const int t = Locate(q, edge);
        if (edge == -2) return;  // the same point again: it gets no triangle
        if (edge < 0)
            SplitTriangle(t, q);
        else
            SplitEdge(t, edge, q);
        Legalise(q);
    }

    // q inside t (or beyond the hull edge of ghost t): three triangles around q.
    void SplitTriangle(int t, int q) {
        const Tri old = tris_[t];
        const int a = old.v[0], b = old.v[1], c = old.v[2];
        const int t1 = static_cast<int>(tris_.size());
        const int t2 = t1 + 1;
        tris_[t] = {{q, a, b}, {old.n[2], t1, t2}};
        tris_.push_back({{q, b, c}, {old.n[0], t2, t}});
        tris_.push_back({{q, c, a}, {old.n[1], t, t1}});
        Replace(old.n[0], t, t1);
        Replace(old.n[1], t, t2);
        stack_.push_back(t);
        stack_.push_back(t1);
        stack_.push_back(t2);
        last_ = t;
    }

    // q on the edge of t opposite its vertex e: both triangles beside the edge are split.
    void SplitEdge(int t, int e, int q) {
        const Tri oldT = tris_[t];
        const int c = oldT.v[e], a = oldT.v[Plus1(e)], b = oldT.v[Plus2(e)];
        const int u = oldT.n[e];
        const Tri oldU = tris_[u];
        int j = 0;
        while (oldU.n[j] != t) ++j;
        const int d = oldU.v[j];
        // oldU = (d, b, a) from index j.
        const int na = oldT.n[Plus1(e)];  // across b-c (opposite a)
        const int nb = oldT.n[Plus2(e)];  // across c-a (opposite b)
        const int ub = oldU.n[Plus1(j)];  // across a-d (opposite b)
        const int ua = oldU.n[Plus2(j)];  // across d-b (opposite a)
        const int t1 = static_cast<int>(tris_.size());
        const int t3 = t1 + 1;
        tris_[t] = {{q, c, a}, {nb, u, t1}};
        tris_.push_back({{q, b, c}, {na, t, t3}});
        tris_[u] = {{q, a, d}, {ub, t3, t}};
        tris_.push_back({{q, d, b}, {ua, t1, u}});
        Replace(na, t, t1);
        Replace(ua, u, t3);
        stack_.push_back(t);
        stack_.push_back(t1);
        stack_.push_back(u);
        stack_.push_back(t3);
        last_ = t;
    }

    // Whether the edge of t (q at index 0) opposite q must become q-o.
    bool MustFlip(const Tri& tq, const Tri& to, int j) const {
        const int o = to.v[j];
        const int s1 = tq.v[1], s2 = tq.v[2];
        if (tq.v[1] == kGhost || tq.v[2] == kGhost) {
            // Both are ghosts: q lies beyond the hull; the neighbouring hull edge goes when q
            // sees it strictly from outside.
            const int g = GhostIndex(to);
            if (g < 0) return false;
            return Orient(to.v[Plus1(g)], to.v[Plus2(g)], tq.v[0]) > 0;
        }
        if (o == kGhost) return false;  // a hull edge seen from inside
        const int q = tq.v[0];
        if (!PointInCircleOrTie(At(to.v[0]), At(to.v[1]), At(to.v[2]), At(q), j + 1, tol_))
            return false;
        // The new diagonal must cross the old edge.
        return Orient(q, s1, o) > 0 && Orient(q, o, s2) > 0;
    }

    void Legalise(int q) {
        while (!stack_.empty()) {
            const int t = stack_.back();
            stack_.pop_back();
            const Tri tq = tris_[t];
            if (tq.v[0] != q) continue;
            const int u = tq.n[0];
            const Tri to = tris_[u];
            int j = 0;
            while (to.n[j] != t) ++j;
            if (!MustFlip(tq, to, j)) continue;
            // tq = (q, a, b), to = (o, b, a) from j: becomes (q, a, o) and (q, o, b).
            const int a = tq.v[1], b = tq.v[2], o = to.v[j];
            // In to = (o, b, a): opposite b is edge a-o, opposite a is edge o-b.
            const int nao = to.n[Plus1(j)];
            const int nob = to.n[Plus2(j)];
            const int npa = tq.n[2];  // opposite b in tq: edge (q, a)
            const int nbp = tq.n[1];  // opposite a in tq: edge (b, q)
            tris_[t] = {{q, a, o}, {nao, u, npa}};
            tris_[u] = {{q, o, b}, {nob, nbp, t}};
            Replace(nao, u, t);
            Replace(nbp, t, u);
            stack_.push_back(t);
            stack_.push_back(u);
        }
    }

    double tol_;
    const Scratch& scratch_;
    const std::vector<Cpp_VERTEX*>& p_;
    std::vector<double>& x_;
    std::vector<double>& y_;
    std::vector<Tri>& tris_;
    std::vector<int>& stack_;
    int last_ = 0;
};

}  // namespace

bool BuildDelaunayTriangles(std::vector<Cpp_VERTEX*> vertices, Cpp_TriangleList& triangles,
                            double tol) {
    if (vertices.size() < 3) return false;
    double xmin = vertices[0]->X(), xmax = xmin, ymin = vertices[0]->Y(), ymax = ymin;
    for (const Cpp_VERTEX* v : vertices) {
        xmin = std::min(xmin, v->X());
        xmax = std::max(xmax, v->X());
        ymin = std::min(ymin, v->Y());
        ymax = std::max(ymax, v->Y());
    }
    // Insertion along a Hilbert curve: each point lies next to the one before, so the walks
    // are short and the triangles touched stay in the cache.
    const double sx = xmax > xmin ? 65535.0 / (xmax - xmin) : 0.0;
    const double sy = ymax > ymin ? 65535.0 / (ymax - ymin) : 0.0;
    Scratch& scratch = TheScratch();
    scratch.keep = vertices.size() < kKeptBelow;
    auto& keys = scratch.keys;
    keys.clear();
    keys.reserve(vertices.size());
    for (std::size_t i = 0; i < vertices.size(); ++i) {
        // Written so that a NaN lands at 0.
        const double fx = std::min(
            (vertices[i]->X() - xmin) * sx > 0.0 ? (vertices[i]->X() - xmin) * sx : 0.0, 65535.0);
        const double fy = std::min(
            (vertices[i]->Y() - ymin) * sy > 0.0 ? (vertices[i]->Y() - ymin) * sy : 0.0, 65535.0);
        keys.emplace_back(
            HilbertKey(static_cast<std::uint32_t>(fx), static_cast<std::uint32_t>(fy)), i);
    }
    std::sort(keys.begin(), keys.end());
    scratch.points.clear();
    scratch.points.reserve(vertices.size());
    for (const auto& k : keys) scratch.points.push_back(vertices[k.second]);
    Release(keys, scratch);
    std::vector<Cpp_VERTEX*>().swap(vertices);
    Builder builder(scratch, tol);
    const bool built = builder.Run();
    if (built) builder.Export(triangles);
    Release(scratch.points, scratch);
    Release(scratch.tris, scratch);
    return built;
}
