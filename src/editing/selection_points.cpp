// The points of a selection record: the point an item stands for, the ends of a segment item
// and the position of an item, read through the references its kind keeps.

#include "analysis/noncircular_shear_surface.h"
#include "editing/selection.h"
#include "loads/distributed_load_data.h"
#include "loads/line_load.h"
#include "porepressure/vertex.h"
#include "profile/crack.h"

namespace {

bool FromNode(const void* node, s_tagTypePointXY& point) {
    if (!node) return false;
    point = static_cast<const Cpp_PointXY*>(node)->XY();
    return true;
}

}  // namespace

bool Cpp_Selection::GetPointXY(s_tagTypePointXY& point) const {
    const s_SelectionReferences& r = refs_;
    switch (type_) {
    case SEL_CONSTRUCTION_POINT:
    case SEL_PIEZOMETRIC_POINT:
    case SEL_PROFILE_POINT:
    case SEL_REINFORCEMENT_POINT:
    case SEL_SLOPE_POINT: return FromNode(r.ref2, point);
    case SEL_CRACK_POINT:
    case SEL_CRACK_WATER_POINT: return FromNode(r.ref1, point);
    case SEL_LOAD_POINT:
        if (!r.ref1) return false;
        point = static_cast<const Cpp_DistributedLoadPoint*>(r.ref1)->XY();
        return true;
    case SEL_CP_POINT:
    case SEL_PRESSURE_POINT:
    case SEL_RSUBU_POINT:
    case SEL_STRENGTH_POINT:
        if (!r.ref2) return false;
        point = {static_cast<const Cpp_VERTEX*>(r.ref2)->X(),
                 static_cast<const Cpp_VERTEX*>(r.ref2)->Y()};
        return true;
    case SEL_VARIABLE_CRACK_POINT:
    case SEL_VARIABLE_WATER_POINT:
        if (!r.ref1) return false;
        point = {static_cast<const Cpp_CrackPoint*>(r.ref1)->X(),
                 static_cast<const Cpp_CrackPoint*>(r.ref1)->Value()};
        return true;
    case SEL_NONCIRCULAR_POINT:
        if (r.ref2) {
            point = static_cast<const Cpp_NoncircularShearSurfacePoint*>(r.ref2)->XY();
            return true;
        }
        point = {r.x, r.y};
        return true;
    // The other analysis points keep the point they were picked at.
    case SEL_DEFINITION_TANGENT_POINT:
    case SEL_TANGENT_POINT:
    case SEL_FIXED_POINT: point = {r.x, r.y}; return true;
    default: return false;
    }
}

bool Cpp_Selection::GetSegmentPoints(s_tagTypePointXY& first, s_tagTypePointXY& second) const {
    const s_SelectionReferences& r = refs_;
    switch (type_) {
    case SEL_CONSTRUCTION_SEGMENT:
    case SEL_PIEZOMETRIC_SEGMENT:
    case SEL_PROFILE_SEGMENT:
    case SEL_REINFORCEMENT_INTERVAL:
    case SEL_SLOPE_SEGMENT: {
        const auto* node = static_cast<const Cpp_PointXY*>(r.ref2);
        if (!node || !node->Next()) return false;
        first = node->XY();
        second = node->Next()->XY();
        return true;
    }
    case SEL_SLIP_SURFACE_SEGMENT: {
        const auto* list = static_cast<const Cpp_NoncircularShearSurface*>(r.ref1);
        const auto* node = static_cast<const Cpp_NoncircularShearSurfacePoint*>(r.ref2);
        if (!list || !node) return false;
        const auto& points = list->Points();
        const auto at = static_cast<size_t>(node - points.data());
        if (at + 1 >= points.size()) return false;
        first = node->XY();
        second = points[at + 1].XY();
        return true;
    }
    default: return false;
    }
}

s_tagTypePointXY Cpp_Selection::GetItemPosition() const {
    s_tagTypePointXY point{0.0, 0.0};
    switch (type_) {
    case SEL_CRACK_POINT: return point;
    case SEL_CIRCLE_CENTRE:
    case SEL_GRID_CORNER: return {refs_.x, refs_.y};
    case SEL_LINE_LOAD:
        if (refs_.ref1) return static_cast<const Cpp_LineLoad*>(refs_.ref1)->XY();
        return point;
    default: GetPointXY(point); return point;
    }
}
