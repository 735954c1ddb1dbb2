#pragma once
// The Delaunay triangulation of interpolation points: the convex hull first, a fan of it made
// Delaunay, then the interior points one after another, each split into its triangle and the
// edges around it swapped until every circumcircle is empty. Co-circular rectangles keep the
// diagonal from lower left to upper right. Vertices are never created here; they move between
// the given vertex list and temporary lists.

#include "porepressure/triangle.h"
#include "porepressure/triangulation_observer.h"
#include "porepressure/vertex.h"

// Predicates with the triangulation tolerance.
bool IsPointOnLine(const Cpp_VERTEX* a, const Cpp_VERTEX* b, double x, double y);
bool AreCollinear(const Cpp_VERTEX* a, const Cpp_VERTEX* b, const Cpp_VERTEX* c);
bool IsCounterClockwise(const Cpp_VERTEX* a, const Cpp_VERTEX* b, const Cpp_VERTEX* c);

// Triangulates all vertices anew (method 1: hull and insertion). False for conflicting
// duplicates (when removeDuplicates), for collinear vertices (after the message box
// "All vertices are colinear - cannot triangulate") or when a point cannot be located;
// fewer than three vertices give true and no change.
bool TriangulatePoints(int method, Cpp_TriangleList& triangles, Cpp_VertexList& vertices,
                       bool removeDuplicates);
bool TriangulateByHullAndInsertion(Cpp_VertexList& vertices, Cpp_TriangleList& triangles);
// Inserts a vertex of the list lying in containing (found by walking) and legalises. The
// observer (when given) is told of every split and swap, so that a picture can follow.
bool insert_point_and_swap_edges_if_necessary(Cpp_VertexList& vertices, Cpp_TriangleList& triangles,
                                              Cpp_VERTEX*& point, Cpp_Triangle*& containing,
                                              TriangulationObserver* observer = nullptr);
// Adds a vertex of the list for which no triangle was found; starts the triangulation when the
// triangle list is empty.
bool InsertPointOutsideHull(Cpp_VertexList& vertices, Cpp_TriangleList& triangles,
                            Cpp_VERTEX*& point, TriangulationObserver* observer = nullptr);
// Tests the edge of t with the given index and swaps it when needed, then its new edges.
void SwapEdgeIfNecessary(Cpp_TriangleList& triangles, Cpp_Triangle* t, int edge, bool& swapped,
                         TriangulationObserver* observer = nullptr);
void LegaliseAllEdges(Cpp_TriangleList& triangles, TriangulationObserver* observer = nullptr);
// Fan of a convex polygon given clockwise, made Delaunay.
void TriangulateConvexPolygon(Cpp_VertexList& vertices, Cpp_TriangleList& triangles);
// Reduces the list to its convex hull (clockwise from the lowest vertex, collinear hull points
// kept) and moves every other vertex to interior.
void ComputeConvexHull(Cpp_VertexList& vertices, Cpp_VertexList& interior);
// Fills hull with copies (number 0) of the vertices and reduces it to their hull.
void BuildConvexHullList(const Cpp_VertexList& vertices, Cpp_VertexList& hull);
void WrapHullChain(Cpp_VERTEX* from, Cpp_VERTEX* to, Cpp_VertexList& chain, Cpp_VertexList& hull,
                   Cpp_VertexList& interior);
// Steps along the boundary of the triangulation (clockwise) from boundary edge (t, i).
void NextBoundaryEdge(Cpp_Triangle*& t, int& i);
void PreviousBoundaryEdge(Cpp_Triangle*& t, int& i);
