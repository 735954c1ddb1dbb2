#include "core/world_rect.h"

#include <algorithm>

void Cpp_Extents::Add(const s_WorldRect& r) {
    if (empty_) {
        rect_ = r;
        empty_ = false;
        return;
    }
    rect_.xmin = std::min(rect_.xmin, r.xmin);
    rect_.xmax = std::max(rect_.xmax, r.xmax);
    rect_.ymin = std::min(rect_.ymin, r.ymin);
    rect_.ymax = std::max(rect_.ymax, r.ymax);
}

bool Cpp_Extents::Get(double& xmin, double& xmax, double& ymin, double& ymax) const {
    if (empty_) return false;
    xmin = rect_.xmin;
    xmax = rect_.xmax;
    ymin = rect_.ymin;
    ymax = rect_.ymax;
    return true;
}
