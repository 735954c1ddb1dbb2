#pragma once
// Orientation and in-circle signs that are always right: a floating-point evaluation with a
// bound on its rounding error, and exact expansion arithmetic (sums of non-overlapping doubles)
// when the rounded value is too close to zero to decide. The triangulation takes every decision
// that could otherwise contradict an earlier one from these signs, so that its loops end.

namespace exact {

// Positive when a, b, c turn counterclockwise, negative when clockwise, 0 when collinear.
int Orientation(double ax, double ay, double bx, double by, double cx, double cy);

// For a, b, c counterclockwise: positive when d lies inside their circle, negative outside,
// 0 on it (the signs swap for clockwise a, b, c). Exchanging two of the four points negates it.
int InCircle(double ax, double ay, double bx, double by, double cx, double cy, double dx,
             double dy);

// The rounded in-circle determinant itself, with its error bound (for tests against a band).
double InCircleApprox(double ax, double ay, double bx, double by, double cx, double cy, double dx,
                      double dy, double& errorBound);

}  // namespace exact
