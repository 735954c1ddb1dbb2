#include "analysis/noncircular_shear_surface.h"
#include "core/world_rect.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {
constexpr double kDegree = std::numbers::pi / 180.0;
}

Cpp_NoncircularShearSurfacePoint::Cpp_NoncircularShearSurfacePoint(int number, double x, double y,
                                                                   double angleDegrees,
                                                                   bool moveable, bool computed) {
    Set(number, x, y, angleDegrees, moveable, computed);
}

void Cpp_NoncircularShearSurfacePoint::Set(int number, double x, double y, double angleDegrees,
                                           bool moveable, bool computed) {
    number_ = number;
    x_ = x;
    y_ = y;
    SetShiftAngle(angleDegrees, moveable, computed);
}

void Cpp_NoncircularShearSurfacePoint::SetShiftAngle(double angleDegrees, bool moveable,
                                                     bool computed) {
    angleDegrees_ = angleDegrees;
    angleRadians_ = angleDegrees * kDegree;
    moveable_ = moveable ? 1 : 0;
    computed_ = computed ? 1 : 0;
}

double Cpp_NoncircularShearSurfacePoint::GetShiftAngleDegrees() const {
    // The degrees are kept as given, so an angle read from a file is written back unchanged.
    return angleDegrees_;
}

double
Cpp_NoncircularShearSurfacePoint::DistanceTo(const Cpp_NoncircularShearSurfacePoint& other) const {
    return std::sqrt((y_ - other.y_) * (y_ - other.y_) + (x_ - other.x_) * (x_ - other.x_));
}

bool Cpp_NoncircularShearSurfacePoint::operator==(
    const Cpp_NoncircularShearSurfacePoint& other) const {
    if (!IsAt(other) || moveable_ != other.moveable_ || computed_ != other.computed_) return false;
    if (moveable_ && !computed_) return angleDegrees_ == other.angleDegrees_;
    return true;
}

Cpp_NoncircularShearSurfacePoint& Cpp_NoncircularShearSurface::AddPoint(double x, double y,
                                                                        double angleDegrees,
                                                                        bool moveable,
                                                                        bool computed) {
    points_.emplace_back(NumberOfPoints() + 1, x, y, angleDegrees, moveable, computed);
    return points_.back();
}

bool Cpp_NoncircularShearSurface::RemovePoint(int index) {
    if (index < 0 || index >= NumberOfPoints()) return false;
    points_.erase(points_.begin() + index);
    return true;
}

void Cpp_NoncircularShearSurface::NumberPoints() {
    int n = 1;
    for (auto& p : points_) p.SetNumber(n++);
}

void Cpp_NoncircularShearSurface::ReversePoints() { std::reverse(points_.begin(), points_.end()); }

void Cpp_NoncircularShearSurface::Transform(double a, double b, double c, double d) {
    for (auto& p : points_) p.SetXY(a * p.X() + b, c * p.Y() + d);
}

bool Cpp_NoncircularShearSurface::GetExtents(double& xMin, double& xMax, double& yMin,
                                             double& yMax) const {
    Cpp_Extents extents;
    for (const auto& p : points_) extents.Add(p.X(), p.Y());
    return extents.Get(xMin, xMax, yMin, yMax);
}
