#include "editing/view_menus.h"

#include "analysis/analysis_computation_data.h"
#include "analysis/noncircular_shear_surface.h"
#include "analysis/tangent_line.h"
#include "core/command_ids.h"
#include "editing/selection_edit_support.h"
#include "editing/selection_kinds.h"
#include "editing/selection_list.h"
#include "graphics/line.h"
#include "loads/distributed_load_data.h"
#include "model/data_set.h"

#include <algorithm>
#include <initializer_list>
#include <map>

MenuList ViewMenu(bool withStageEntry) {
    MenuList menu{{ID_REDRAW, "Redraw"},
                  {ID_POPUP_ZOOM_ALL, "Zoom All"},
                  {ID_POPUP_ZOOM_WINDOW, "Zoom Window"}};
    if (withStageEntry) {
        menu.push_back({});
        menu.push_back({ID_STAGE1_TO_STAGE2_PROPERTIES, "Stage 1 -> Stage 2 Properties"});
    }
    return menu;
}

namespace {

// The edit commands with their menu texts.
const std::map<int, const char*>& EditCommandTexts() {
    static const std::map<int, const char*> texts{
        {32887, "Add Point at End"},
        {32895, "Move (\"Drag\") Item"},
        {32926, "Edit/Compute Distance"},
        {32925, "Edit Values"},
        {32921, "Display / Edit Heads"},
        {32997, "Compute Overburden Pressure"},
        {33000, "Compute Pore Water Pressure"},
        {32842, "Snap Vertically"},
        {32843, "Snap Horizontally"},
        {32844, "Snap to Point"},
        {32845, "Extend to Line"},
        {32846, "Extend to Line Segment"},
        {32847, "Move to Line Parallel"},
        {32848, "Move to Line Perpendicular"},
        {32852, "Delete Entire Line"},
        {33068, "Delete Point"},
        {32988, "Delete All"},
        {33016, "Join Lines"},
        {32849, "Insert Point"},
        {32850, "Delete Line Segment"},
        {32853, "Split Line at Segment"},
        {32855, "Split Line with New Point"},
        {33009, "Change Length of Segment"},
        {32856, "Change Slope of Segment"},
        {32876, "Make Parallel to Line"},
        {32877, "Make Perpendicular to Line"},
        {33011, "Get Information"},
        {33012, "Change Line Load"},
        {32989, "Delete Interval or Segment"},
        {32892, "Change radius"},
        {32893, "Change Elevation of Horiz. Tangent Line"},
        {33006, "Delete Entire Item"},
        {32854, "Split Line at Point"},
    };
    return texts;
}

s_MenuEntry Command(int id) { return {id, EditCommandTexts().at(id)}; }

s_MenuEntry MovePointADistance() {
    return {0,
            "Move Point a Distance",
            true,
            false,
            {{32867, "Horizontally"},
             {32868, "Vertically"},
             {32994, "Horizontally from Point"},
             {32995, "Vertically from Point"},
             {32888, "Horizontally from Line"},
             {32889, "Vertically from Line"},
             {32891, "Perpendicular from Line"}}};
}

s_MenuEntry SpacePointsEvenly() {
    return {0,
            "Space Points Evenly",
            true,
            false,
            {{32878, "Horizontally"}, {32879, "Vertically"}, {32880, "Along Line"}}};
}

// "Set Constraint for Shifting" of a point of a noncircular search surface, the point's
// constraint checked.
s_MenuEntry ShiftConstraints(const Cpp_Selection& item) {
    int index = 0;
    const Cpp_NoncircularShearSurface* surface = selection_edit::NoncircularOf(item, index);
    const Cpp_NoncircularShearSurfacePoint* p =
        surface ? &surface->Points()[static_cast<std::size_t>(index)] : nullptr;
    return {0,
            "Set Constraint for Shifting",
            true,
            false,
            {{ID_CONSTRAINT_FIXED, "Fixed", true, p && !p->IsMoveable()},
             {ID_CONSTRAINT_DIRECTION_COMPUTED, "Moveable - Direction Computed", true,
              p && p->IsMoveable() && p->IsShiftDirectionComputed()},
             {ID_CONSTRAINT_SET_DIRECTION, "Moveable - Set Direction", true,
              p && p->IsMoveable() && !p->IsShiftDirectionComputed()},
             {ID_CONSTRAINT_PARALLEL_TO_LINE, "Moveable - Set Parallel to Line"}}};
}

bool NoncircularSearch(const Cpp_Selection& item) {
    const Cpp_Kliven4DataSet* ds = item.GetDataSet();
    return ds && ds->AnalysisMode() == Cpp_AnalysisComputationData::kSearchType1;
}

bool In(int kind, std::initializer_list<int> kinds) {
    return std::find(kinds.begin(), kinds.end(), kind) != kinds.end();
}

}  // namespace

bool IsLineEnd(const Cpp_Selection& item) {
    // The distributed loads, the noncircular surface and the tangent lines hold their points in
    // lists of their own.
    int index = 0;
    int count = 0;
    if (item.GetType() == SEL_NONCIRCULAR_POINT) {
        const Cpp_NoncircularShearSurface* surface = selection_edit::NoncircularOf(item, index);
        count = surface ? surface->NumberOfPoints() : 0;
        return count > 0 && (index == 0 || index == count - 1);
    }
    if (item.GetType() == SEL_LOAD_POINT) {
        index = selection_edit::LoadPointIndex(item);  // -1: the point is gone
        const auto* p = static_cast<const Cpp_DistributedLoadPoint*>(item.GetItemReferences().ref1);
        return index >= 0 && (index == 0 || !p->NextPoint());
    }
    if (In(item.GetType(), {SEL_TANGENT_POINT, SEL_DEFINITION_TANGENT_POINT})) {
        const Cpp_TangentLine* line = selection_edit::TangentLineOf(item, index);
        count = line ? line->NumberOfPoints() : 0;
        return count > 0 && (index == 0 || index == count - 1);
    }
    // The other line points are held as line and point node.
    if (!SelectionKindHas(item.GetType(), selection_flags::kPoint | selection_flags::kLineRef))
        return false;
    const auto* line = static_cast<const Cpp_Line*>(item.GetItemReferences().ref1);
    const void* point = item.GetItemReferences().ref2;
    return line && point && (point == line->FirstPoint() || point == line->LastPoint());
}

MenuList EditContextMenu(const Cpp_SelectionList& current) {
    const Cpp_Selection* first = current.GetNth(1);
    if (!first) return {};
    const s_SelectionKindRow* row = FindSelectionKind(first->GetType());
    if (!row) return {};
    const e_EditMenu shape = row->menu;
    const bool one = current.HasOneItem();
    MenuList menu;
    const auto add = [&](std::initializer_list<int> ids) {
        for (int id : ids) menu.push_back(Command(id));
    };
    using enum e_EditMenu;
    switch (shape) {
    case LinePoint:
    case LinePointDeleteAll:
    case LinePointSplit: {
        const bool end = IsLineEnd(*first);
        if (one && end) add({32887});
        add({32895});
        if (one) add({32926, 32997, 33000});
        add({32842, 32843, 32844});
        if (one) add({32845, 32846});
        add({32847, 32848, 32852, 33068});
        if (shape != LinePoint) add({32988});
        if (one && shape == LinePointSplit && !end) add({32854});
        if (current.SelectedLinesAreJoinable()) add({33016});
        menu.push_back(MovePointADistance());
        if (current.HasThreeItems() && current.AllOfOneType()) menu.push_back(SpacePointsEvenly());
        if (one && first->GetType() == SEL_NONCIRCULAR_POINT && NoncircularSearch(*first))
            menu.push_back(ShiftConstraints(*first));
        break;
    }
    case LineSegment:
    case LineSegmentDeleteAll:
    case LineSegmentSplit:
        add({32849, 32850, 32852});
        if (shape != LineSegment) add({32988});
        if (one && shape == LineSegmentSplit) add({32853, 32855});
        add({33009, 32856, 32876, 32877});
        break;
    case CircleRadius:
        if (one) add({32892});
        break;
    case InterpolationPoint:
    case InterpolationHeads:
        add({32895});
        if (one) add({32926, 32925});
        add({32842, 32843, 32844, 32847, 32848, 33068, 32988});
        if (shape == InterpolationHeads) add({32921});
        break;
    case Information:
        if (one) add({33011});
        break;
    case LoadPoint:
        if (one && IsLineEnd(*first)) add({32887});
        add({32895, 32842, 32843, 32844, 32847, 32848, 33068, 32988});
        menu.push_back(MovePointADistance());
        break;
    case LoadSegment: add({32849, 32989, 32988}); break;
    case CirclePoint:
    case RadiusPoint:
        add({32895, 32842, 32843, 32844, 32847, 32848});
        menu.push_back(MovePointADistance());
        if (shape == RadiusPoint) add({32988});
        break;
    case ReinforcementPoint:
        add({32895});
        if (one) add({32926});
        add({32842, 32843, 32844});
        if (one) add({32845, 32846});
        add({32847, 32848, 33006});
        break;
    case GeogridLine: add({32852, 32895}); break;
    case NailLine: add({33006, 32895}); break;
    case SearchGridCentre:
        if (one) add({32895, 32842, 32843, 32844});
        break;
    case TangentLine:
        if (one) add({32893});
        break;
    case LineLoadPoint: add({32895, 32842, 32843, 32844, 32988}); break;
    case LineLoad: add({33012, 32988}); break;
    case RadiusDefinition:
        if (one) add({32892});
        add({32988});
        break;
    case TangentElevation:
        if (one) add({32893});
        add({32988});
        break;
    case None: break;
    }
    return menu;
}
