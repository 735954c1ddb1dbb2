#pragma once
// Triangles of the interpolation triangulation, the edge list that outlines a hole, and the
// triangle list with point location.
//
// Indices are 1, 2, 3. Edge i runs from vertex i to vertex next(i); neighbour i is the triangle
// across edge i (null on the boundary); the vertex opposite edge i is vertex previous(i).
// Adjacency is symmetric and triangles run clockwise (ClockwiseArea positive).

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <new>
#include <vector>

#include "porepressure/vertex.h"

class Cpp_Triangle final {
public:
    class Exc_BadVertexIndex {};
    class Exc_AdjacentTriangleMissing {};
    class Exc_NullTriangleVertex {};
    class Exc_ErrorInCircumcircle {};

    Cpp_Triangle() = default;
    Cpp_Triangle(Cpp_VERTEX* v1, Cpp_VERTEX* v2, Cpp_VERTEX* v3) : v_{v1, v2, v3} {}
    Cpp_Triangle(Cpp_VERTEX* v1, Cpp_VERTEX* v2, Cpp_VERTEX* v3, Cpp_Triangle* n1, Cpp_Triangle* n2,
                 Cpp_Triangle* n3)
        : v_{v1, v2, v3}, n_{n1, n2, n3} {}
    // Copies the vertices and neighbours, not the list link.
    Cpp_Triangle(const Cpp_Triangle& other)
        : v_{other.v_[0], other.v_[1], other.v_[2]}, n_{other.n_[0], other.n_[1], other.n_[2]} {}
    Cpp_Triangle& operator=(const Cpp_Triangle&) = delete;

    // Triangles made with new come from a pool of triangle slots (slot_pool.h); those of a
    // reserved run (Cpp_TriangleList::Reserve) live in the list's blocks.
    static void* operator new(std::size_t size);
    static void* operator new(std::size_t size, const std::nothrow_t&) noexcept;
    static void* operator new(std::size_t, void* place) noexcept { return place; }
    static void operator delete(void* p) noexcept;

    Cpp_VERTEX* Vertex(short i) const { return v_[Slot(i)]; }
    void SetVertex(short i, Cpp_VERTEX* v) { v_[Slot(i)] = v; }
    Cpp_Triangle* GetNeighbour(int i) const { return (i >= 1 && i <= 3) ? n_[i - 1] : nullptr; }
    Cpp_Triangle** GetNeighbourSlot(short i) { return (i >= 1 && i <= 3) ? &n_[i - 1] : nullptr; }
    void SetNeighbour(short i, Cpp_Triangle* t) { n_[Slot(i)] = t; }
    void SetNeighbours(Cpp_Triangle* n1, Cpp_Triangle* n2, Cpp_Triangle* n3) {
        n_[0] = n1;
        n_[1] = n2;
        n_[2] = n3;
    }

    // 1 -> 2 -> 3 -> 1 and 1 -> 3 -> 2 -> 1; an index outside 1..3 throws Exc_BadVertexIndex.
    static int NextIndex(int i);
    static int PreviousIndex(int i);
    // The index of v (1..3); throws Exc_BadVertexIndex when v is not a vertex of this triangle.
    int IndexOfVertex(const Cpp_VERTEX* v) const;
    // The index under which other names this triangle; throws Exc_AdjacentTriangleMissing.
    int IndexOfNeighbour(const Cpp_Triangle* other) const;

    double ClockwiseArea() const;
    void Centroid(double& x, double& y) const;
    // Centre and squared radius; failed (and nothing else written) for collinear vertices.
    void Circumcircle(double& cx, double& cy, double& r2, bool& failed) const;
    // The point lies on the side of the line i-j where vertex k lies, or on the line, within
    // the tolerance.
    bool IsOnInnerSide(short i, short j, short k, double x, double y) const;
    // All three side tests pass.
    bool Contains(double x, double y) const;
    Cpp_VERTEX* NearestVertex(double x, double y) const;
    // a x + b y + c z + d = 0 through the three vertices (z the value or the second value).
    void PlaneCoefficients(double& a, double& b, double& c, double& d, bool useSecond) const;
    // The Delaunay test of the edge shared by a and b; opposite is the index in b of b's
    // vertex across that edge. Co-circular rectangles keep the lower-left to upper-right
    // diagonal.
    static bool NeedsSwap(Cpp_Triangle* a, Cpp_Triangle* b, int opposite);

    Cpp_Triangle* Next() const { return next_; }

private:
    friend class Cpp_TriangleList;
    static int Slot(int i) {
        if (i < 1 || i > 3) throw Exc_BadVertexIndex();
        return i - 1;
    }

    Cpp_Triangle* next_ = nullptr;
    Cpp_VERTEX* v_[3] = {nullptr, nullptr, nullptr};
    Cpp_Triangle* n_[3] = {nullptr, nullptr, nullptr};
};

// The circle test of Cpp_Triangle::NeedsSwap for explicit points: whether p lies inside the
// circle through t1, t2, t3 (in either turning order), r being the vertex of t1, t2, t3 opposite
// the edge shared with p's triangle, so that true asks for the diagonal p-r. The sign is exact.
// Four points on one circle (exactly, or a rectangle within the tolerance of its circle) get
// the diagonal through the first of them in the order of x + y, then y, then x: the lower left
// corner of a rectangle with sides parallel to the axes. Every decision is the same seen from
// either diagonal, so swaps never come back. A collinear t1, t2, t3 gives true.
bool PointInCircleOrTie(const Cpp_VERTEX* t1, const Cpp_VERTEX* t2, const Cpp_VERTEX* t3,
                        const Cpp_VERTEX* p, const Cpp_VERTEX* r, double tol);
// The same on coordinates; r is 1, 2 or 3 for t1, t2 or t3.
struct CirclePoint {
    double x, y;
};
bool PointInCircleOrTie(const CirclePoint& t1, const CirclePoint& t2, const CirclePoint& t3,
                        const CirclePoint& p, int r, double tol);

// The same side test as Cpp_Triangle::IsOnInnerSide for explicit vertices (line a-b,
// reference r).
bool PointOnInnerSide(const Cpp_VERTEX* a, const Cpp_VERTEX* b, const Cpp_VERTEX* r, double x,
                      double y);

class Cpp_Edge {
public:
    Cpp_Edge(Cpp_VERTEX* start, Cpp_VERTEX* end) : start_(start), end_(end) {}
    // The start vertex for 1, the end vertex for any other value.
    Cpp_VERTEX* Vertex(int end) const { return end == 1 ? start_ : end_; }
    Cpp_Edge* Next() const { return next_; }

private:
    friend class Cpp_EdgeList;
    Cpp_Edge* next_ = nullptr;
    Cpp_VERTEX* start_;
    Cpp_VERTEX* end_;
};

class Cpp_EdgeList {
public:
    Cpp_EdgeList() = default;
    ~Cpp_EdgeList() { Reset(); }
    Cpp_EdgeList(const Cpp_EdgeList&) = delete;
    Cpp_EdgeList& operator=(const Cpp_EdgeList&) = delete;

    bool AddEdge(Cpp_VERTEX* start, Cpp_VERTEX* end);
    void Reset();
    // Moves edges so that each edge's end is the next edge's start where possible.
    bool OrderAsChain();
    bool IsClosedChain() const;
    Cpp_Edge* First() const { return first_; }

private:
    Cpp_Edge* first_ = nullptr;
    Cpp_Edge* last_ = nullptr;
};

class Cpp_TriangleList {
public:
    class Exc_MemoryAllocationFailed {};

    Cpp_TriangleList() = default;
    ~Cpp_TriangleList() { DeleteAll(); }
    Cpp_TriangleList(const Cpp_TriangleList&) = delete;
    Cpp_TriangleList& operator=(const Cpp_TriangleList&) = delete;

    Cpp_Triangle* First() const { return first_; }
    bool IsEmpty() const { return first_ == nullptr; }
    // Makes room for the next count triangles in one allocation (a whole triangulation).
    void Reserve(int count);
    // The same, giving where the next count triangles made by AddTriangle will be, one after
    // the other; null when the room could not be had (they come one by one then).
    Cpp_Triangle* ReserveRun(int count);

    Cpp_Triangle* AddTriangle(Cpp_VERTEX* v1, Cpp_VERTEX* v2, Cpp_VERTEX* v3);
    Cpp_Triangle* AddTriangleCopy(const Cpp_Triangle* t);
    Cpp_Triangle* AddTriangleWithNeighbours(Cpp_VERTEX* v1, Cpp_VERTEX* v2, Cpp_VERTEX* v3,
                                            Cpp_Triangle* n1, Cpp_Triangle* n2, Cpp_Triangle* n3);
    // other's triangles follow this list's last one; other becomes empty.
    void AppendTriangles(Cpp_TriangleList& other);
    // Clears the neighbours' slots naming any listed triangle, then frees them all.
    void DeleteTriangles(const std::vector<Cpp_Triangle*>& triangles);
    // The same for a few triangles, in time independent of the length of the list: a deleted
    // triangle's place in memory is taken by the triangle after it in the list, whose
    // neighbours then name it there. Only the last triangle of the list is found by a walk.
    // Pointers to other triangles than the neighbours' links are stale afterwards.
    void DeleteTrianglesLocally(std::vector<Cpp_Triangle*> triangles);
    void DeleteAll();
    int CountTriangles() const { return count_; }
    Cpp_Triangle* GetLastTriangle() const { return last_; }

    // The triangle holding (x, y) by walking from start (null: the first triangle); null when
    // the list is empty, when the walk leaves the triangulation, or after as many steps as
    // there are triangles.
    Cpp_Triangle* LocateByWalking(Cpp_Triangle* start, double x, double y) const;
    // The start triangle when it holds the point; otherwise the walk from a triangle near the
    // point (from a grid of start triangles over the triangulation, made at the first query
    // after a change), then for a point that the walk did not find: null when it lies outside
    // the convex hull of the triangulation by more than the tolerance, else one scan of all
    // triangles.
    Cpp_Triangle* FindTriangleContaining(Cpp_Triangle* start, double x, double y) const;
    // The first triangle in list order that holds the point.
    Cpp_Triangle* FindByScan(double x, double y) const;
    // Forgets the cached hull and start grid of the triangulation (after vertices were moved
    // in place).
    void InvalidateBounds() const {
        hullValid_ = false;
        startsValid_ = false;
    }

private:
    Cpp_Triangle* Append(Cpp_Triangle* t);
    // A triangle from the reserved block, or null when it is used up.
    Cpp_Triangle* FromBlock();
    // A triangle of a block goes with its block.
    void Free(Cpp_Triangle* t) const {
        if (!InBlock(t)) delete t;
    }
    bool InBlock(const Cpp_Triangle* t) const;
    void Changed() {
        hullValid_ = false;
        startsValid_ = false;
    }
    bool OutsideHull(double x, double y) const;
    // The walk of LocateByWalking; on leaving the triangulation (or after too many steps) it
    // returns null and gives the last triangle it was in.
    Cpp_Triangle* Walk(Cpp_Triangle* t, double x, double y, Cpp_Triangle*& last) const;
    void BuildStarts() const;
    Cpp_Triangle* StartNear(double x, double y) const;

    Cpp_Triangle* first_ = nullptr;
    Cpp_Triangle* last_ = nullptr;
    int count_ = 0;
    // Raw storage for triangles (trivially destructible), constructed as they are handed out.
    struct BlockFree {
        void operator()(void* p) const { std::free(p); }
    };
    struct Block {
        std::unique_ptr<void, BlockFree> memory;
        int size = 0;
    };
    std::vector<Block> blocks_;
    int blockUsed_ = 0, blockSize_ = 0;
    mutable bool hullValid_ = false;
    mutable std::vector<double> hull_;  // per hull edge: unit normal x, y and offset
    mutable bool startsValid_ = false;
    mutable std::vector<Cpp_Triangle*> starts_;  // row by row over the extents
    mutable int startColumns_ = 0, startRows_ = 0;
    mutable double startX0_ = 0.0, startY0_ = 0.0, startScaleX_ = 0.0, startScaleY_ = 0.0;
};

// The vertex nearest (x, y): through the triangle found by walking from start (which becomes
// the caller's start when it was null), else over all vertices; null for no vertices.
Cpp_VERTEX* FindNearestVertex(double x, double y, Cpp_TriangleList& triangles,
                              Cpp_VertexList& vertices, Cpp_Triangle*& start);
