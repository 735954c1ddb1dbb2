#pragma once
// The Delaunay triangulation of a whole point set in one go: the points are inserted along a
// Hilbert curve into a triangulation that carries a "ghost" triangle outside every hull edge,
// each insertion splitting the triangle (or edge) that holds the point and swapping the edges
// opposite it while the circle test asks for it. Orientation is exact; the circle test is the
// one of Cpp_Triangle::NeedsSwap (tolerance band and tie order), so the result is the same
// whatever the order of the points. Points on the hull stay hull vertices; a point equal to an
// earlier one gets no triangle.

#include <vector>

#include "porepressure/triangle.h"
#include "porepressure/vertex.h"

// Appends the triangles (clockwise, with their neighbour links) to the list; false when the
// points do not span a triangle. The vertices' array is given up on the way (it is big).
bool BuildDelaunayTriangles(std::vector<Cpp_VERTEX*> vertices, Cpp_TriangleList& triangles,
                            double tol);
