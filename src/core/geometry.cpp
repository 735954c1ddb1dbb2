#include "core/geometry.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <utility>

namespace {

const double kPi = 4.0 * std::atan(1.0);
const double kDegreesToRadians = std::atan(1.0) / 45.0;
const double kRadiansToDegrees = 45.0 / std::atan(1.0);

// True when the two directions count as parallel: det is 0, or smaller than the tolerance
// scaled by the largest magnitude of the direction components.
bool IsParallel(double det, double tolerance, double a, double b, double c, double d) {
    const double m = std::max({std::fabs(a), std::fabs(b), std::fabs(c), std::fabs(d)});
    return det == 0.0 || tolerance * m > std::fabs(det);
}

double PowerOfTen(int n) {
    double p = 1.0;
    double base = 10.0;
    for (int e = std::abs(n); e > 0; e >>= 1) {
        if (e & 1) p *= base;
        base *= base;
    }
    return n < 0 ? 1.0 / p : p;
}

}  // namespace

double GetPi() { return kPi; }
double DegreesToRadians(double degrees) { return degrees * kDegreesToRadians; }
double RadiansToDegrees(double radians) { return radians * kRadiansToDegrees; }

double Ceiling(double x) {
    double whole = 0.0;
    const double fraction = std::modf(x, &whole);
    return fraction > 0.0 ? whole + 1.0 : whole;
}

double RoundHalfUp(double x) {
    double whole = 0.0;
    const double fraction = std::modf(x, &whole);
    return fraction >= 0.5 ? whole + 1.0 : whole;
}

double RoundToDecimals(double x, int n) {
    const double p = PowerOfTen(n);
    double whole = 0.0;
    const double fraction = std::modf(x * p, &whole);
    if (fraction >= 0.5)
        whole += 1.0;
    else if (fraction <= -0.5)
        whole -= 1.0;
    return whole / p;
}

double RoundThroughText(double x, int n) {
    const int decimals = std::max(n, 0);
    const int size = std::snprintf(nullptr, 0, "%.*f", decimals, std::fabs(x));
    std::string text(static_cast<size_t>(size) + 1, '\0');
    std::snprintf(text.data(), text.size(), "%.*f", decimals, std::fabs(x));
    const double value = std::strtod(text.c_str(), nullptr);
    return x < 0.0 ? -value : value;
}

double Distance(double x1, double y1, double x2, double y2) { return std::hypot(x2 - x1, y2 - y1); }
double DistanceSquared(double x1, double y1, double x2, double y2) {
    return (x2 - x1) * (x2 - x1) + (y2 - y1) * (y2 - y1);
}

bool HorizontalDistanceToLine(double px, double py, double x1, double y1, double x2, double y2,
                              double& d) {
    d = 0.0;
    if (y1 == y2) return false;
    d = x1 + (py - y1) * (x2 - x1) / (y2 - y1) - px;
    return true;
}

bool VerticalDistanceToLine(double px, double py, double x1, double y1, double x2, double y2,
                            double& d) {
    d = 0.0;
    if (x1 == x2) return false;
    d = y1 + (px - x1) * (y2 - y1) / (x2 - x1) - py;
    return true;
}

bool PerpendicularDistanceAndFoot(double px, double py, double x1, double y1, double x2, double y2,
                                  double& d, double& footX, double& footY) {
    d = 0.0;
    const double dx = x2 - x1;
    const double dy = y2 - y1;
    const double l2 = dx * dx + dy * dy;
    if (l2 == 0.0) return false;
    const double f = ((px - x1) * dx + (py - y1) * dy) / l2;
    footX = x1 + f * dx;
    footY = y1 + f * dy;
    d = std::fabs((px - x1) * dy - (py - y1) * dx) / std::sqrt(l2);
    return true;
}

bool PerpendicularDistance(double px, double py, double x1, double y1, double x2, double y2,
                           double& d) {
    double fx = 0.0, fy = 0.0;
    return PerpendicularDistanceAndFoot(px, py, x1, y1, x2, y2, d, fx, fy);
}

bool PerpendicularDistanceToPoint(const Cpp_PointXY& p, const Cpp_PointXY& p1,
                                  const Cpp_PointXY& p2, double& d) {
    return PerpendicularDistance(p.X(), p.Y(), p1.X(), p1.Y(), p2.X(), p2.Y(), d);
}

double DistancePointSegment(const Cpp_PointXY& p, const Cpp_PointXY& p1, const Cpp_PointXY& p2,
                            Cpp_PointXY& nearest) {
    const double dx = p2.X() - p1.X();
    const double dy = p2.Y() - p1.Y();
    const double length = std::sqrt(dx * dx + dy * dy);
    if (length <= 0.0) return p.Distance(p1);
    const double f = ((p.X() - p1.X()) * dx + (p.Y() - p1.Y()) * dy) / (length * length);
    if (f >= 0.0 && f <= 1.0) {
        nearest.SetX(p1.X() + f * dx);
        nearest.SetY(p1.Y() + f * dy);
        return std::fabs((p.X() - p1.X()) * dy - (p.Y() - p1.Y()) * dx) / length;
    }
    const double d1 = p.Distance(p1);
    const double d2 = p.Distance(p2);
    if (d1 < d2) {
        nearest = p1;
        return d1;
    }
    nearest = p2;
    return d2;
}

double PointSegmentDistance(double px, double py, const Cpp_PointXY& p1, const Cpp_PointXY& p2) {
    Cpp_PointXY nearest;
    return DistancePointSegment(Cpp_PointXY(px, py), p1, p2, nearest);
}

double PointSegmentDistanceCopy(double px, double py, const Cpp_PointXY& p1,
                                const Cpp_PointXY& p2) {
    return PointSegmentDistance(px, py, p1, p2);
}

double PointSegmentDistanceCoords(double px, double py, double x1, double y1, double x2,
                                  double y2) {
    return PointSegmentDistance(px, py, Cpp_PointXY(x1, y1), Cpp_PointXY(x2, y2));
}

bool LineIntersection(const Cpp_PointXY& p1, const Cpp_PointXY& p2, const Cpp_PointXY& q1,
                      const Cpp_PointXY& q2, double tolerance, Cpp_PointXY& point, double& t,
                      double& u) {
    const double dx1 = p2.X() - p1.X();
    const double dy1 = p2.Y() - p1.Y();
    const double dx2 = q2.X() - q1.X();
    const double dy2 = q2.Y() - q1.Y();
    const double det = dx2 * dy1 - dy2 * dx1;
    if (IsParallel(det, tolerance, dx1, dy1, dx2, dy2)) return false;
    t = ((q1.Y() - p1.Y()) * dx2 - (q1.X() - p1.X()) * dy2) / det;
    u = ((q1.Y() - p1.Y()) * dx1 - (q1.X() - p1.X()) * dy1) / det;
    point.SetX(p1.X() + t * dx1);
    point.SetY(p1.Y() + t * dy1);
    return true;
}

bool LineCrossesSegment(const Cpp_PointXY& p1, const Cpp_PointXY& p2, const Cpp_PointXY& q1,
                        const Cpp_PointXY& q2, double tolerance, Cpp_PointXY& point) {
    double t = 0.0, u = 0.0;
    if (!LineIntersection(p1, p2, q1, q2, tolerance, point, t, u)) return false;
    return u >= -tolerance && u <= 1.0 + tolerance;
}

bool SegmentsIntersectCoords(double x1, double y1, double x2, double y2, double x3, double y3,
                             double x4, double y4, double tolerance, s_tagTypePointXY& point) {
    const double dx1 = x2 - x1;
    const double dy1 = y2 - y1;
    const double dx2 = x4 - x3;
    const double dy2 = y4 - y3;
    const double det = dy2 * dx1 - dx2 * dy1;
    if (IsParallel(det, tolerance, dx1, dy1, dx2, dy2)) return false;
    const double t = ((y1 - y3) * dx2 + (x3 - x1) * dy2) / det;
    if (t < tolerance || t > 1.0 - tolerance) return false;
    double u = 0.0;
    if (std::fabs(dx2) > std::fabs(dy2))
        u = (x1 + t * dx1 - x3) / dx2;
    else
        u = (y1 + t * dy1 - y3) / dy2;
    if (u < tolerance || u > 1.0 - tolerance) return false;
    point.x = x3 + u * dx2;
    point.y = y3 + u * dy2;
    return true;
}

bool SegmentsIntersect(const Cpp_PointXY& p1, const Cpp_PointXY& p2, const Cpp_PointXY& q1,
                       const Cpp_PointXY& q2, double tolerance, Cpp_PointXY& point) {
    s_tagTypePointXY pair;
    if (!SegmentsIntersectCoords(p1.X(), p1.Y(), p2.X(), p2.Y(), q1.X(), q1.Y(), q2.X(), q2.Y(),
                                 tolerance, pair))
        return false;
    point.SetX(pair.x);
    point.SetY(pair.y);
    return true;
}

bool LinesIntersectionPoint(const Cpp_PointXY& p1, const Cpp_PointXY& p2, const Cpp_PointXY& q1,
                            const Cpp_PointXY& q2, double tolerance, Cpp_PointXY& point) {
    const double dx1 = p2.X() - p1.X();
    const double dy1 = p2.Y() - p1.Y();
    const double dx2 = q2.X() - q1.X();
    const double dy2 = q2.Y() - q1.Y();
    const double a1 = dy1, b1 = -dx1, c1 = -(p1.X() * dy1) - p1.Y() * (-dx1);
    const double a2 = dy2, b2 = -dx2, c2 = -(q1.X() * dy2) - q1.Y() * (-dx2);
    const double r = b2 * a1 - a2 * b1;
    if (IsParallel(r, tolerance, dy1, -dx1, dy2, -dx2)) return false;
    point.SetX((c2 * b1 - c1 * b2) / r);
    point.SetY(-(c2 * a1 - c1 * a2) / r);
    return true;
}

bool SegmentsCollinear(const Cpp_PointXY& p1, const Cpp_PointXY& p2, const Cpp_PointXY& q1,
                       const Cpp_PointXY& q2, double tolerance, double& t1, double& t2) {
    const double dx1 = p2.X() - p1.X();
    const double dy1 = p2.Y() - p1.Y();
    const double dx2 = q2.X() - q1.X();
    const double dy2 = q2.Y() - q1.Y();
    const double limit =
        tolerance * std::max({std::fabs(dy1), std::fabs(dx1), std::fabs(dy2), std::fabs(dx2)});
    if (!(std::fabs(dy2 * dx1 - dx2 * dy1) < limit)) return false;
    const double offset = (dx2 * q1.Y() - q1.X() * dy2) * dy1 - dy2 * (dx1 * p1.Y() - p1.X() * dy1);
    if (!(std::fabs(offset) < limit)) return false;
    if (std::fabs(dx2) > std::fabs(dy2)) {
        t1 = (p1.X() - q1.X()) / dx2;
        t2 = (p2.X() - q1.X()) / dx2;
    } else {
        t1 = (p1.Y() - q1.Y()) / dy2;
        t2 = (p2.Y() - q1.Y()) / dy2;
    }
    return true;
}

bool SegmentsOverlap(const Cpp_PointXY& p1, const Cpp_PointXY& p2, const Cpp_PointXY& q1,
                     const Cpp_PointXY& q2, s_tagTypePointXY& first, s_tagTypePointXY& second) {
    const double dx1 = p2.X() - p1.X();
    const double dy1 = p2.Y() - p1.Y();
    const double dx2 = q2.X() - q1.X();
    const double dy2 = q2.Y() - q1.Y();
    if (dx1 == 0.0) {
        if (q1.X() != p1.X() || q2.X() != p1.X()) return false;
        const double low = std::max(p1.Y(), q1.Y());
        const double high = std::min(p2.Y(), q2.Y());
        if (!(high > low)) return false;
        first = {p1.X(), low};
        second = {p1.X(), high};
        return true;
    }
    if (dx2 == 0.0) return false;
    const double s1 = dy1 / dx1;
    const double s2 = dy2 / dx2;
    if (std::fabs(s1 - s2) > 1e-6 * std::fabs(std::max(s1, s2))) return false;
    const double b1 = p1.Y() - s1 * p1.X();
    const double b2 = q1.Y() - s2 * q1.X();
    if (std::fabs(b1 - b2) > 1e-5 * std::max(p1.Distance(p2), q1.Distance(q2))) return false;
    if (!(std::min(p2.X(), q2.X()) > std::max(p1.X(), q1.X()))) return false;

    const bool alongX = std::fabs(dx1) > std::fabs(dy1);
    auto coord = [alongX](const Cpp_PointXY& p) { return alongX ? p.X() : p.Y(); };
    s_tagTypePointXY candidates[4];
    int count = 0;
    if ((p1 == q1 && p2 == q2) || (p1 == q2 && p2 == q1)) {
        candidates[count++] = p1.XY();
        candidates[count++] = p2.XY();
    } else {
        auto onSegment = [&](const Cpp_PointXY& p, const Cpp_PointXY& a, const Cpp_PointXY& b) {
            const double span = coord(b) - coord(a);
            if (span == 0.0) return false;
            const double f = (coord(p) - coord(a)) / span;
            return f >= 0.0 && f <= 1.0;
        };
        if (onSegment(q1, p1, p2)) candidates[count++] = q1.XY();
        if (onSegment(q2, p1, p2)) candidates[count++] = q2.XY();
        if (onSegment(p1, q1, q2)) candidates[count++] = p1.XY();
        if (onSegment(p2, q1, q2)) candidates[count++] = p2.XY();
    }
    if (count < 2) return false;
    auto value = [alongX](const s_tagTypePointXY& p) { return alongX ? p.x : p.y; };
    int low = 0, high = 0;
    for (int i = 1; i < count; ++i) {
        if (value(candidates[i]) < value(candidates[low])) low = i;
        if (value(candidates[i]) > value(candidates[high])) high = i;
    }
    first = candidates[low];
    second = candidates[high];
    return true;
}

int IntersectCircleWithSegment(double cx, double cy, double r, const Cpp_PointXY& p1,
                               const Cpp_PointXY& p2, Cpp_PointXY points[2], double e) {
    double d = 0.0;
    PerpendicularDistanceToPoint(Cpp_PointXY(cx, cy), p1, p2, d);
    if (d > r) return 0;
    const double h = std::sqrt(r * r - d * d);
    const double x1 = p1.X(), y1 = p1.Y(), x2 = p2.X(), y2 = p2.Y();
    int count = 0;
    auto keep = [&](double x, double y) { points[count++].Set(x, y); };
    // Candidates along x: snapped to the end points for a segment running to the right, kept
    // within the widened range otherwise.
    auto byX = [&](double xa, double ya, double xb, double yb) {
        if (x2 > x1) {
            for (auto [x, y] : {std::pair{xa, ya}, std::pair{xb, yb}}) {
                if (std::fabs(x - x1) <= e)
                    keep(x1, y1);
                else if (std::fabs(x - x2) <= e)
                    keep(x2, y2);
                else if (x1 <= x && x <= x2)
                    keep(x, y);
            }
        } else {
            for (auto [x, y] : {std::pair{xb, yb}, std::pair{xa, ya}})
                if (x2 - e <= x && x <= x1 + e) keep(x, y);
        }
    };
    if (x1 != x2 && y1 != y2) {
        const double s = (y2 - y1) / (x2 - x1);
        const double fx = (cy + cx / s - y1 + s * x1) / (s + 1.0 / s);
        const double fy = y1 + s * (fx - x1);
        const double hx = h / std::sqrt(s * s + 1.0);
        const double hy = hx * s;
        byX(fx - hx, fy - hy, fx + hx, fy + hy);
    } else if (y1 == y2 && x1 != x2) {
        byX(cx - h, y1, cx + h, y1);
    } else {
        if (y2 > y1) {
            for (double y : {cy - h, cy + h})
                if (y1 - e <= y && y <= y2 + e) keep(x1, y);
        } else {
            for (double y : {cy + h, cy - h})
                if (y2 - e <= y && y <= y1 + e) keep(x1, y);
        }
    }
    return count;
}
