#pragma once
// Plane geometry shared by polylines, checks, tools, hit tests and slip surfaces: distances to
// lines and segments, intersections with their tolerance rules, collinear overlap, circles and
// the small number helpers. All coordinates are world coordinates; angles are degrees unless a
// name says radians.
//
// Tolerance rules:
// - Parallel test: a pair of directions is parallel when det = 0 or tolerance * M > |det|, where
//   M is the largest magnitude of the four direction components (so directions pointing down
//   and left are treated the same as any other).
// - A line meets a segment when the segment parameter lies in [-tolerance, 1 + tolerance].
// - Two segments cross when both parameters lie in [tolerance, 1 - tolerance]: a crossing at or
//   within the tolerance of an end does not count.

#include "core/point_xy.h"

double GetPi();
double DegreesToRadians(double degrees);
double RadiansToDegrees(double radians);
inline double Square(double x) { return x * x; }
inline double MultiplyAdd(double a, double b, double c) { return a * b + c; }
inline int MaxInt(int a, int b) { return a >= b ? a : b; }
inline int MinInt(int a, int b) { return a <= b ? a : b; }
// On equal values the first argument.
inline double MaxDouble(double a, double b) { return b > a ? b : a; }
inline double MinDouble(double a, double b) { return b < a ? b : a; }
inline double Max3(double a, double b, double c) { return MaxDouble(MaxDouble(a, b), c); }
inline double Min3(double a, double b, double c) { return MinDouble(MinDouble(a, b), c); }
inline double Max4(double a, double b, double c, double d) { return MaxDouble(Max3(a, b, c), d); }
inline double Min4(double a, double b, double c, double d) { return MinDouble(Min3(a, b, c), d); }

// Integer part plus 1 when the fraction is above 0 (negative values round toward zero).
double Ceiling(double x);
// Integer part plus 1 when the fraction is at least 0.5; negative values truncate toward zero.
double RoundHalfUp(double x);
// Rounds to n decimals (n < 0 rounds to tens, hundreds...), half away from zero.
double RoundToDecimals(double x, int n);
// Rounds through the fixed-point text of x with n decimals.
double RoundThroughText(double x, int n);

double Distance(double x1, double y1, double x2, double y2);
double DistanceSquared(double x1, double y1, double x2, double y2);

// False and d = 0 for a horizontal line; else d = (x of the line at py) - px.
bool HorizontalDistanceToLine(double px, double py, double x1, double y1, double x2, double y2,
                              double& d);
// False and d = 0 for a vertical line; else d = (y of the line at px) - py.
bool VerticalDistanceToLine(double px, double py, double x1, double y1, double x2, double y2,
                            double& d);
// False and d = 0 when the two line points coincide; else d >= 0 and the (unclamped) foot.
bool PerpendicularDistanceAndFoot(double px, double py, double x1, double y1, double x2, double y2,
                                  double& d, double& footX, double& footY);
bool PerpendicularDistance(double px, double py, double x1, double y1, double x2, double y2,
                           double& d);
bool PerpendicularDistanceToPoint(const Cpp_PointXY& p, const Cpp_PointXY& p1,
                                  const Cpp_PointXY& p2, double& d);

// Distance from p to the closed segment p1-p2; nearest receives the foot, or the coordinates and
// number of the nearer end (p2 on a tie). For a zero-length segment nearest is left unchanged.
double DistancePointSegment(const Cpp_PointXY& p, const Cpp_PointXY& p1, const Cpp_PointXY& p2,
                            Cpp_PointXY& nearest);
double PointSegmentDistance(double px, double py, const Cpp_PointXY& p1, const Cpp_PointXY& p2);
double PointSegmentDistanceCopy(double px, double py, const Cpp_PointXY& p1, const Cpp_PointXY& p2);
double PointSegmentDistanceCoords(double px, double py, double x1, double y1, double x2, double y2);

// Intersection of line P1P2 with line Q1Q2: t along P1P2, u along Q1Q2. False when parallel.
bool LineIntersection(const Cpp_PointXY& p1, const Cpp_PointXY& p2, const Cpp_PointXY& q1,
                      const Cpp_PointXY& q2, double tolerance, Cpp_PointXY& point, double& t,
                      double& u);
// Line P1P2 meets segment Q1Q2 (u in [-tolerance, 1 + tolerance]).
bool LineCrossesSegment(const Cpp_PointXY& p1, const Cpp_PointXY& p2, const Cpp_PointXY& q1,
                        const Cpp_PointXY& q2, double tolerance, Cpp_PointXY& point);
// Segments cross strictly inside both (parameters in [tolerance, 1 - tolerance]).
bool SegmentsIntersect(const Cpp_PointXY& p1, const Cpp_PointXY& p2, const Cpp_PointXY& q1,
                       const Cpp_PointXY& q2, double tolerance, Cpp_PointXY& point);
bool SegmentsIntersectCoords(double x1, double y1, double x2, double y2, double x3, double y3,
                             double x4, double y4, double tolerance, s_tagTypePointXY& point);
// Intersection of the two lines in implicit form; no range test.
bool LinesIntersectionPoint(const Cpp_PointXY& p1, const Cpp_PointXY& p2, const Cpp_PointXY& q1,
                            const Cpp_PointXY& q2, double tolerance, Cpp_PointXY& point);
// P1P2 and Q1Q2 lie on one line; t1 and t2 are the parameters of P1 and P2 along Q1Q2.
bool SegmentsCollinear(const Cpp_PointXY& p1, const Cpp_PointXY& p2, const Cpp_PointXY& q1,
                       const Cpp_PointXY& q2, double tolerance, double& t1, double& t2);
// Collinear segments (each from its lower to its higher end) sharing a stretch, with its ends.
bool SegmentsOverlap(const Cpp_PointXY& p1, const Cpp_PointXY& p2, const Cpp_PointXY& q1,
                     const Cpp_PointXY& q2, s_tagTypePointXY& first, s_tagTypePointXY& second);
// Intersections of the circle (centre, radius) with the segment p1-p2: 0, 1 or 2 points.
int IntersectCircleWithSegment(double centreX, double centreY, double radius, const Cpp_PointXY& p1,
                               const Cpp_PointXY& p2, Cpp_PointXY points[2], double tolerance);
