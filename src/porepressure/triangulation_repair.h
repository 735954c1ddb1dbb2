#pragma once
// Deleting and moving one vertex of a triangulation without triangulating the whole set again.
// The triangles around the vertex are found through the adjacency links, starting from a
// triangle located by walking. A deleted inner vertex leaves a hole that is filled by cutting
// ears; a deleted boundary vertex leaves a pocket that is filled the same way where it turns
// inward; the new triangles are then made Delaunay by edge swaps. When the ears cannot be cut
// (nearly collinear vertices) or a boundary vertex would leave a neighbour without a triangle,
// the set is triangulated again instead. A moved vertex keeps its triangles unless one of them
// would turn over; the caller is then asked whether to triangulate again.
//
//     DeleteVertexAndRetriangulate(vertices, triangles, vertex);   // vertex is freed
//     CheckForInvertedTriangles(x, y, triangles, vertices, vertex, ask);

#include "porepressure/triangle.h"
#include "porepressure/triangulation_observer.h"
#include "porepressure/vertex.h"

#include <functional>
#include <utility>
#include <vector>

// A triangle with the index (1 to 3) of a vertex in it.
using TriangleVertexPair = std::pair<Cpp_Triangle*, int>;

// The triangles that have the vertex as a corner, in fan order (clockwise around it; for a
// boundary vertex from the triangle whose edge leaving the vertex lies on the boundary). Empty
// when the vertex belongs to no triangle. start is where the search begins (null: the first
// triangle) and becomes a triangle of the fan.
std::vector<TriangleVertexPair> CollectTrianglesAroundVertex(Cpp_TriangleList& triangles,
                                                             Cpp_VERTEX* vertex,
                                                             Cpp_Triangle** start = nullptr);

// True when moving the vertex of the pairs to (x, y) would turn one of them over (its clockwise
// area not above the tolerance).
bool WouldInvert(const std::vector<TriangleVertexPair>& around, double x, double y);

// Removes the vertex from the list and from the triangulation (the vertex is freed and the
// pointer set to null). Always true. The observer (when given) is told of the triangles that go
// and of every triangle made.
bool DeleteVertexAndRetriangulate(Cpp_VertexList& vertices, Cpp_TriangleList& triangles,
                                  Cpp_VERTEX*& vertex, Cpp_Triangle** start = nullptr,
                                  TriangulationObserver* observer = nullptr);

// Moves the vertex to (x, y). When a triangle would turn over, ask decides (true: the vertex
// moves and the set is triangulated again, merging it into a vertex of equal value at the same
// place; false: it stays). The result is false only when that triangulation failed.
bool CheckForInvertedTriangles(double x, double y, Cpp_TriangleList& triangles,
                               Cpp_VertexList& vertices, Cpp_VERTEX* vertex,
                               const std::function<bool()>& ask, Cpp_Triangle** start = nullptr,
                               TriangulationObserver* observer = nullptr);

// The question of a move that turns triangles over.
inline constexpr const char* kInvertedTrianglesQuestion =
    "Triangles will become inverted.  Re-triangulate?";
