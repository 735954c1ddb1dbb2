#include "analysis/selection_geometry.h"

#include "core/geometry.h"

#include <algorithm>
#include <cmath>

void Cpp_SelectionGeometryList::Clear() {
    records_.clear();
    kind_ = kNone;
}

const s_SelectionGeometry* Cpp_SelectionGeometryList::FindAtPoint(s_PickType& pick,
                                                                  int& index) const {
    index = 0;
    const s_SelectionGeometry* result = nullptr;
    if (kind_ == kCircular) {
        double best = 0.0;
        for (size_t i = 0; i < records_.size(); ++i) {
            const s_SelectionGeometry& g = records_[i];
            if (!(std::max(g.firstY, g.secondY) > pick.y) || pick.x < g.firstX ||
                pick.x > g.secondX)
                continue;
            const double d = std::hypot(pick.x - g.centreX, pick.y - g.centreY);
            if (!(std::fabs(d - g.radius) < pick.tolerance)) continue;
            if (!result || d < best) {
                result = &g;
                best = d;
                index = static_cast<int>(i) + 1;
            }
        }
        return result;
    }
    if (kind_ != kNoncircular || records_.empty() || pointCount_ <= 1) return nullptr;
    for (size_t r = 0; r < records_.size(); ++r) {
        const s_SelectionGeometry& g = records_[r];
        const int n =
            std::min<int>(pointCount_, static_cast<int>(std::min(g.x.size(), g.y.size())));
        for (int i = 0; i < n; ++i) {
            const double dx = pick.x - g.x[i], dy = pick.y - g.y[i];
            if (std::fabs(dx) > pick.tolerance || std::fabs(dy) > pick.tolerance) continue;
            const double d = dx * dx + dy * dy;
            if (!pick.found || d < pick.bestDistanceSquared) {
                pick.found = 1;
                pick.bestDistanceSquared = d;
                index = static_cast<int>(r) + 1;
                result = &g;
            }
        }
        for (int i = 1; i < n; ++i) {
            const double e =
                PointSegmentDistanceCoords(pick.x, pick.y, g.x[i - 1], g.y[i - 1], g.x[i], g.y[i]);
            if (e < pick.tolerance && (!pick.found || e * e < pick.bestDistanceSquared)) {
                pick.found = 1;
                pick.bestDistanceSquared = e * e;
                index = static_cast<int>(r) + 1;
                result = &g;
            }
        }
    }
    return result;
}
