#pragma once
// What the triangulation tells while a point is inserted, deleted or moved, so that a picture
// of it can follow step by step (erasing what goes, drawing what comes) instead of being drawn
// again whole. The algorithms call the hooks at the moments named; every hook does nothing by
// default, and a null observer costs nothing.

#include <vector>

class Cpp_Triangle;
class Cpp_VERTEX;

class TriangulationObserver {
public:
    virtual ~TriangulationObserver() = default;

    // Before triangle t is split at a point on its edge from vertex i to vertex j; neighbour is
    // the triangle across that edge (null on the boundary).
    virtual void BeforeSplitOnEdge(const Cpp_Triangle& t, const Cpp_Triangle* neighbour, short i,
                                   short j) {
        (void)t, (void)neighbour, (void)i, (void)j;
    }
    // Before triangle t is split at a point inside it.
    virtual void BeforeSplitInside(const Cpp_Triangle& t) { (void)t; }
    // After a split: the triangles that changed or were made, and the new point.
    virtual void AfterSplit(const std::vector<const Cpp_Triangle*>& changed,
                            const Cpp_VERTEX& point) {
        (void)changed, (void)point;
    }
    // Before the diagonal a-b shared by t1 and t2 is swapped, and after it.
    virtual void BeforeSwap(const Cpp_Triangle& t1, const Cpp_Triangle& t2, const Cpp_VERTEX& a,
                            const Cpp_VERTEX& b) {
        (void)t1, (void)t2, (void)a, (void)b;
    }
    virtual void AfterSwap(const Cpp_Triangle& t1, const Cpp_Triangle& t2) { (void)t1, (void)t2; }
    // A triangle made outside the triangulation, the first triangle of one, or an ear cut in the
    // hole of a deleted vertex: drawn with its vertices.
    virtual void TriangleAdded(const Cpp_Triangle& t) { (void)t; }
    // A triangle made in the pocket of a deleted boundary vertex (drawn without its vertices).
    virtual void PocketTriangleAdded(const Cpp_Triangle& t) { (void)t; }
    // The hole or pocket of a deleted vertex is filled with these triangles; their edges are
    // swapped next, and the triangles around the vertex are deleted after that.
    virtual void HoleFilled(const std::vector<const Cpp_Triangle*>& made) { (void)made; }
    // Before vertex p is deleted: the triangles around it (boundary: p lies on the hull).
    virtual void BeforeDeleteVertex(const Cpp_VERTEX& p,
                                    const std::vector<const Cpp_Triangle*>& around, bool boundary) {
        (void)p, (void)around, (void)boundary;
    }
    // Before and after vertex p moves without a new triangulation: the triangles around it.
    virtual void BeforeMoveVertex(const Cpp_VERTEX& p,
                                  const std::vector<const Cpp_Triangle*>& around) {
        (void)p, (void)around;
    }
    virtual void AfterMoveVertex(const Cpp_VERTEX& p,
                                 const std::vector<const Cpp_Triangle*>& around) {
        (void)p, (void)around;
    }
    // The whole triangulation was made anew: a picture of it must be drawn again whole.
    virtual void Rebuilt() {}
};
