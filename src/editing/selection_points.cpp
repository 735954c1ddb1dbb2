// The points of a selection record: the point an item stands for, the ends of a segment item
// and the position of an item, read through the references its kind keeps.

#include "analysis/noncircular_shear_surface.h"
#include "editing/selection.h"
#include "editing/selection_kinds.h"
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
    const s_SelectionKindRow* row = FindSelectionKind(type_);
    if (!row) return false;
    const s_SelectionReferences& r = refs_;
    switch (row->point) {
    case e_SelectionPoint::None: return false;
    case e_SelectionPoint::NodeRef1: return FromNode(r.ref1, point);
    case e_SelectionPoint::NodeRef2: return FromNode(r.ref2, point);
    case e_SelectionPoint::LoadPoint:
        if (!r.ref1) return false;
        point = static_cast<const Cpp_DistributedLoadPoint*>(r.ref1)->XY();
        return true;
    case e_SelectionPoint::Vertex:
        if (!r.ref2) return false;
        point = {static_cast<const Cpp_VERTEX*>(r.ref2)->X(),
                 static_cast<const Cpp_VERTEX*>(r.ref2)->Y()};
        return true;
    case e_SelectionPoint::CrackPoint:
        if (!r.ref1) return false;
        point = {static_cast<const Cpp_CrackPoint*>(r.ref1)->X(),
                 static_cast<const Cpp_CrackPoint*>(r.ref1)->Value()};
        return true;
    case e_SelectionPoint::SlipPoint:
        if (r.ref2) {
            point = static_cast<const Cpp_NoncircularShearSurfacePoint*>(r.ref2)->XY();
            return true;
        }
        point = {r.x, r.y};
        return true;
    // The other analysis points keep the point they were picked at.
    case e_SelectionPoint::RecordXY: point = {r.x, r.y}; return true;
    }
    return false;
}

bool Cpp_Selection::GetSegmentPoints(s_tagTypePointXY& first, s_tagTypePointXY& second) const {
    const s_SelectionKindRow* row = FindSelectionKind(type_);
    if (!row || !(row->flags & selection_flags::kSegment)) return false;
    const s_SelectionReferences& r = refs_;
    if (row->family == e_SelectionFamily::SlipSurface) {
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
    // The segment that starts at the point node ref2.
    const auto* node = static_cast<const Cpp_PointXY*>(r.ref2);
    if (!node || !node->Next()) return false;
    first = node->XY();
    second = node->Next()->XY();
    return true;
}

s_tagTypePointXY Cpp_Selection::GetItemPosition() const {
    s_tagTypePointXY point{0.0, 0.0};
    const s_SelectionKindRow* row = FindSelectionKind(type_);
    switch (row ? row->position : e_SelectionPosition::Point) {
    case e_SelectionPosition::Origin: return point;
    case e_SelectionPosition::RecordXY: return {refs_.x, refs_.y};
    case e_SelectionPosition::LineLoad:
        if (refs_.ref1) return static_cast<const Cpp_LineLoad*>(refs_.ref1)->XY();
        return point;
    case e_SelectionPosition::Point: break;
    }
    GetPointXY(point);
    return point;
}
