#include "analysis/tangent_line.h"

#include <algorithm>
#include <cmath>
#include <ostream>

#include "analysis/analysis_settings.h"
#include "analysis/number_text.h"
#include "core/world_rect.h"

namespace {

double SegmentDistance(double px, double py, const s_tagTypePointXY& a, const s_tagTypePointXY& b) {
    const double dx = b.x - a.x;
    const double dy = b.y - a.y;
    const double length2 = dx * dx + dy * dy;
    if (length2 == 0.0) return std::hypot(px - a.x, py - a.y);
    const double t = ((px - a.x) * dx + (py - a.y) * dy) / length2;
    if (t >= 0.0 && t <= 1.0) return std::hypot(px - (a.x + t * dx), py - (a.y + t * dy));
    return std::min(std::hypot(px - a.x, py - a.y), std::hypot(px - b.x, py - b.y));
}

}  // namespace

void Cpp_TangentLine::ChangeOption(int option) {
    if (option_ == kIrregular || option == kIrregular) points_.clear();
    option_ = option;
    if (option == kHorizontal) elevation_ = 0.0;
}

bool Cpp_TangentLine::SetElevation(double y) {
    if (option_ != kHorizontal) return false;
    elevation_ = y;
    return true;
}

bool Cpp_TangentLine::AddPoint(double x, double y) {
    points_.push_back({x, y});
    return true;
}

bool Cpp_TangentLine::SetIrregularPoints(const s_tagTypePointXY* points, int count) {
    option_ = kIrregular;
    points_.clear();
    for (int i = 0; i < count; ++i) points_.push_back(points[i]);
    return true;
}

bool Cpp_TangentLine::DeleteAllPoints() {
    points_.clear();
    return true;
}

bool Cpp_TangentLine::GetExtents(double& xMin, double& xMax, double& yMin, double& yMax) const {
    Cpp_Extents extents;
    for (const auto& p : points_) extents.Add(p.x, p.y);
    return extents.Get(xMin, xMax, yMin, yMax);
}

double Cpp_TangentLine::GetRadius(double x, double y) const {
    switch (option_) {
    case kUndefined: throw Exc_MissingTangentLineOption();
    case kHorizontal: return y - elevation_;
    case kIrregular: {
        if (points_.size() < 2) return 0.0;
        double d = SegmentDistance(x, y, points_[0], points_[1]);
        for (size_t i = 1; i + 1 < points_.size(); ++i) {
            const double di = SegmentDistance(x, y, points_[i], points_[i + 1]);
            if (di < d) d = di;
        }
        return d - d * 1e-10;
    }
    default: return 0.0;
    }
}

void Cpp_TangentLine::Transform(double a, double b, double c, double d) {
    if (option_ == kHorizontal) elevation_ = c * elevation_ + d;
    for (auto& p : points_) {
        p.x = a * p.x + b;
        p.y = c * p.y + d;
    }
}

bool Cpp_TangentLine::WriteKLIVEN4InputDataFile(std::ostream& out) const {
    using analysis_text::Exact;
    const int d = analysis_settings::CoordinateDecimals();
    out << "     Tangent line follows -\n";
    if (option_ == kHorizontal) {
        out << "          " << Exact(elevation_, d) << "\n";
        return true;
    }
    if (option_ == kIrregular) {
        for (const auto& p : points_)
            out << "          " << Exact(p.x, d) << "     " << Exact(p.y, d) << "\n";
        out << "\n";
        return true;
    }
    return false;
}

bool Cpp_TangentLine::operator==(const Cpp_TangentLine& other) const {
    if (option_ != other.option_ || elevation_ != other.elevation_) return false;
    if (points_.size() != other.points_.size()) return false;
    for (size_t i = 0; i < points_.size(); ++i)
        if (points_[i].x != other.points_[i].x || points_[i].y != other.points_[i].y) return false;
    return true;
}
