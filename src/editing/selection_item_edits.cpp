// Moving a selected item to a point, nudging it with the arrow keys, giving it the values typed
// into its tool bar and turning the wheel over it.

#include "analysis/analysis_computation_data.h"
#include "analysis/fixed_search_grid.h"
#include "analysis/noncircular_shear_surface.h"
#include "analysis/radius_definition.h"
#include "analysis/tangent_line.h"
#include "core/dialog_slot.h"
#include "core/message_boxes.h"
#include "core/summary_window.h"
#include "core/units.h"
#include "editing/circle_tool.h"
#include "editing/construction_items.h"
#include "editing/crack_tool.h"
#include "editing/display_bounds.h"
#include "editing/interpolation_tool.h"
#include "editing/nail_geogrid_tools.h"
#include "editing/radius_tool.h"
#include "editing/search_grid_tool.h"
#include "editing/selection.h"
#include "editing/selection_edit_support.h"
#include "editing/selection_family_ops.h"
#include "editing/selection_kinds.h"
#include "editing/tool_dialog_bars.h"
#include "graphics/graphics.h"
#include "loads/distributed_load_data.h"
#include "loads/geogrid_data.h"
#include "loads/line_load.h"
#include "loads/nail_data.h"
#include "loads/reinforcement_line.h"
#include "model/circle_end_points.h"
#include "model/data_set.h"
#include "model/data_sets.h"
#include "model/derived_data.h"
#include "platform/services.h"
#include "porepressure/interpolation_data.h"
#include "porepressure/piezometric_line.h"
#include "profile/crack.h"
#include "profile/profile_line.h"
#include "profile/slope_geometry.h"

#include <cstdint>
#include <cstdio>

using namespace selection_edit;

namespace selection_edit {

bool MoveInterpolationPoint(const Cpp_Selection& item, double x, double y) {
    Cpp_InterpolationDataSet* set = InterpolationSetOf(item);
    const int at = InterpolationPointIndex(item);
    if (!set || at < 0) return false;
    auto& point = set->Points()[static_cast<size_t>(at)];
    for (const auto& other : set->Points())
        if (&other != &point && other.X() == x && other.Y() == y) return false;
    // The vertex keeps its triangles, unless one turns over (the user is asked then).
    auto* vertex =
        const_cast<Cpp_VERTEX*>(static_cast<const Cpp_VERTEX*>(item.GetItemReferences().ref2));
    return Cpp_InterpolationTool::MovePoint(*set, vertex, x, y);
}

bool MoveLoadPoint(const Cpp_Selection& item, double x, double y) {
    auto* point = static_cast<Cpp_DistributedLoadPoint*>(item.GetItemReferences().ref1);
    if (LoadPointIndex(item) < 0) return false;
    point->SetValues(x, y, point->normalStress, point->shearStress);
    return true;
}

bool MoveLineLoad(const Cpp_Selection& item, double x, double y) {
    Cpp_LineLoad* load = LineLoadOf(item);
    if (!load) return false;
    load->Set(x, y);
    return true;
}

// The crack point to (x, value); the crack bottom (crack list) or the water levels follow.
// True when the derived line changed.
bool MoveCrackPoint(const Cpp_Selection& item, double x, double value) {
    Cpp_CrackPoint* point = CrackPointOf(item);
    if (!point || !item.GetDataSet()) return false;
    point->SetXY(x, value);
    if (item.GetType() == SEL_VARIABLE_CRACK_POINT)
        return ComputeCrackBottom(*item.GetDataSet(), nullptr);
    return ComputeCrackWaterLevels(*item.GetDataSet());
}

// Line points, noncircular and tangent-line points.
bool MoveLinePoint(const Cpp_Selection& item, double x, double y) {
    if (Cpp_PointXY* point = PointOf(item)) {
        point->Set(x, y);
        return true;
    }
    int index = 0;
    if (Cpp_NoncircularShearSurface* surface = NoncircularOf(item, index)) {
        surface->Points()[static_cast<size_t>(index)].SetXY(x, y);
        return true;
    }
    if (Cpp_TangentLine* line = TangentLineOf(item, index)) {
        line->Points()[static_cast<size_t>(index)] = {x, y};
        return true;
    }
    return false;
}

void RecomputeCircle(Cpp_Kliven4DataSet* ds) {
    if (ds) UpdateCircleEndPoints(*ds);
}

void SetCentre(Cpp_Kliven4DataSet& ds, double x, double y) {
    Cpp_AnalysisComputationData& a = *ds.AnalysisComputationData();
    if (a.GetMode() == 3)
        a.SetStartCenter(x, y);
    else
        a.SetCircleCenter(x, y);
    RecomputeCircle(&ds);
}

}  // namespace selection_edit

namespace {

void ShowDuplicateNumber(const char* family, int number) {
    char text[160];
    std::snprintf(text, sizeof text, "%s line number %d is already assigned to another %s line.",
                  family, number,
                  family[0] == 'P' && family[1] == 'r' ? "profile"
                  : family[0] == 'P'                   ? "piezometric"
                                                       : "reinforcement");
    ShowErrorMessage("Error", text);
}

// Another line of the list has the number.
bool NumberTakenByOther(const Cpp_LineList& list, const Cpp_Line* line, int number) {
    const Cpp_Line* found = list.FindLine(number);
    return found && found != line;
}

std::string DescriptionOf(const Cpp_Line& line) {
    return line.HasDescription() ? line.Description() : std::string();
}

// The line data typed in a profile or piezometric bar (number, the family's value, description)
// go to the line; a number another line of the list has is refused with its message and the
// bar shows the line's own data again (false). Nothing typed: true, nothing changed.
template <class Value, class Bar, class Line, class Get, class Set>
bool ApplyLineData(Bar* bar, const Cpp_LineList& list, Line* line, const char* family, Get get,
                   Set set, bool& modified) {
    int number = 0;
    Value value{};
    std::string description;
    if (!bar || !bar->GetLineData(number, value, description)) return true;
    // A segment gets the same check as a point: two lines never share a number.
    if (NumberTakenByOther(list, line, number)) {
        ShowDuplicateNumber(family, number);
        bar->SetLineData(line->GetNumber(), get(*line), DescriptionOf(*line));
        return false;
    }
    modified = modified || number != line->GetNumber() || value != get(*line) ||
               description != DescriptionOf(*line);
    line->SetNumber(number);
    set(*line, value);
    line->SetDescription(description);
    return true;
}

}  // namespace

// ---------------------------------------------------------------------------------------------

bool Cpp_Selection::MoveToXY(double x, double y, bool keepMarked) const {
    (void)keepMarked;  // the view draws the selection marks again with the item
    Cpp_Graphics::ExtendDataRange(x, y);
    if (!TargetExists()) return false;
    const s_SelectionKindRow* row = FindSelectionKind(type_);
    if (const auto op = row ? SelectionFamilyOps(row->family).moveToXY : nullptr)
        return op(*this, x, y);
    return false;
}

namespace selection_family {

bool ConstructionLineMoveToXY(const Cpp_Selection& item, [[maybe_unused]] double x,
                              [[maybe_unused]] double y) {
    [[maybe_unused]] const s_SelectionReferences& r = item.GetItemReferences();
    [[maybe_unused]] Cpp_Kliven4DataSet* ds = item.GetDataSet();
    switch (item.GetType()) {
    case SEL_CONSTRUCTION_POINT: return MoveLinePoint(item, x, y);
    default: return false;
    }
}

bool SlipSurfaceMoveToXY(const Cpp_Selection& item, [[maybe_unused]] double x,
                         [[maybe_unused]] double y) {
    [[maybe_unused]] const s_SelectionReferences& r = item.GetItemReferences();
    [[maybe_unused]] Cpp_Kliven4DataSet* ds = item.GetDataSet();
    switch (item.GetType()) {
    case SEL_NONCIRCULAR_POINT: return MoveLinePoint(item, x, y);
    default: return false;
    }
}

bool PiezometricLineMoveToXY(const Cpp_Selection& item, [[maybe_unused]] double x,
                             [[maybe_unused]] double y) {
    [[maybe_unused]] const s_SelectionReferences& r = item.GetItemReferences();
    [[maybe_unused]] Cpp_Kliven4DataSet* ds = item.GetDataSet();
    switch (item.GetType()) {
    case SEL_PIEZOMETRIC_POINT: return MoveLinePoint(item, x, y);
    default: return false;
    }
}

bool ProfileLineMoveToXY(const Cpp_Selection& item, [[maybe_unused]] double x,
                         [[maybe_unused]] double y) {
    [[maybe_unused]] const s_SelectionReferences& r = item.GetItemReferences();
    [[maybe_unused]] Cpp_Kliven4DataSet* ds = item.GetDataSet();
    switch (item.GetType()) {
    case SEL_PROFILE_POINT: return MoveLinePoint(item, x, y);
    default: return false;
    }
}

bool RadiusDefinitionMoveToXY(const Cpp_Selection& item, [[maybe_unused]] double x,
                              [[maybe_unused]] double y) {
    [[maybe_unused]] const s_SelectionReferences& r = item.GetItemReferences();
    [[maybe_unused]] Cpp_Kliven4DataSet* ds = item.GetDataSet();
    switch (item.GetType()) {
    case SEL_DEFINITION_TANGENT_POINT: return MoveLinePoint(item, x, y);
    default: return false;
    }
}

bool SlopeLineMoveToXY(const Cpp_Selection& item, [[maybe_unused]] double x,
                       [[maybe_unused]] double y) {
    [[maybe_unused]] const s_SelectionReferences& r = item.GetItemReferences();
    [[maybe_unused]] Cpp_Kliven4DataSet* ds = item.GetDataSet();
    switch (item.GetType()) {
    case SEL_SLOPE_POINT: return MoveLinePoint(item, x, y);
    default: return false;
    }
}

bool IrregularTangentMoveToXY(const Cpp_Selection& item, [[maybe_unused]] double x,
                              [[maybe_unused]] double y) {
    [[maybe_unused]] const s_SelectionReferences& r = item.GetItemReferences();
    [[maybe_unused]] Cpp_Kliven4DataSet* ds = item.GetDataSet();
    switch (item.GetType()) {
    case SEL_TANGENT_POINT: return MoveLinePoint(item, x, y);
    default: return false;
    }
}

bool ReinforcementMoveToXY(const Cpp_Selection& item, [[maybe_unused]] double x,
                           [[maybe_unused]] double y) {
    [[maybe_unused]] const s_SelectionReferences& r = item.GetItemReferences();
    [[maybe_unused]] Cpp_Kliven4DataSet* ds = item.GetDataSet();
    switch (item.GetType()) {
    case SEL_REINFORCEMENT_POINT: MoveLinePoint(item, x, y); return false;
    default: return false;
    }
}

bool InterpolationMoveToXY(const Cpp_Selection& item, [[maybe_unused]] double x,
                           [[maybe_unused]] double y) {
    [[maybe_unused]] const s_SelectionReferences& r = item.GetItemReferences();
    [[maybe_unused]] Cpp_Kliven4DataSet* ds = item.GetDataSet();
    switch (item.GetType()) {
    case SEL_CP_POINT:
    case SEL_PRESSURE_POINT:
    case SEL_RSUBU_POINT:
    case SEL_STRENGTH_POINT: return MoveInterpolationPoint(item, x, y);
    default: return false;
    }
}

bool VariableCrackMoveToXY(const Cpp_Selection& item, [[maybe_unused]] double x,
                           [[maybe_unused]] double y) {
    [[maybe_unused]] const s_SelectionReferences& r = item.GetItemReferences();
    [[maybe_unused]] Cpp_Kliven4DataSet* ds = item.GetDataSet();
    switch (item.GetType()) {
    case SEL_VARIABLE_CRACK_POINT:
    case SEL_VARIABLE_WATER_POINT: MoveCrackPoint(item, x, y); return true;
    default: return false;
    }
}

}  // namespace selection_family

void Cpp_Selection::SetPointXY(double x, double y) const {
    const s_SelectionKindRow* row = FindSelectionKind(type_);
    if (const auto op = row ? SelectionFamilyOps(row->family).setPointXY : nullptr)
        return op(*this, x, y);
}

namespace selection_family {

void ConstructionLineSetPointXY(const Cpp_Selection& item, [[maybe_unused]] double x,
                                [[maybe_unused]] double y) {
    [[maybe_unused]] const s_SelectionReferences& r = item.GetItemReferences();
    [[maybe_unused]] Cpp_Kliven4DataSet* ds = item.GetDataSet();
    switch (item.GetType()) {
    case SEL_CONSTRUCTION_POINT:
        if (Cpp_PointXY* point = PointOf(item)) point->Set(x, y);
        break;
    default: break;
    }
}

void PiezometricLineSetPointXY(const Cpp_Selection& item, [[maybe_unused]] double x,
                               [[maybe_unused]] double y) {
    [[maybe_unused]] const s_SelectionReferences& r = item.GetItemReferences();
    [[maybe_unused]] Cpp_Kliven4DataSet* ds = item.GetDataSet();
    switch (item.GetType()) {
    case SEL_PIEZOMETRIC_POINT:
        if (Cpp_PointXY* point = PointOf(item)) point->Set(x, y);
        break;
    default: break;
    }
}

void ProfileLineSetPointXY(const Cpp_Selection& item, [[maybe_unused]] double x,
                           [[maybe_unused]] double y) {
    [[maybe_unused]] const s_SelectionReferences& r = item.GetItemReferences();
    [[maybe_unused]] Cpp_Kliven4DataSet* ds = item.GetDataSet();
    switch (item.GetType()) {
    case SEL_PROFILE_POINT:
        if (Cpp_PointXY* point = PointOf(item)) point->Set(x, y);
        break;
    default: break;
    }
}

void ReinforcementSetPointXY(const Cpp_Selection& item, [[maybe_unused]] double x,
                             [[maybe_unused]] double y) {
    [[maybe_unused]] const s_SelectionReferences& r = item.GetItemReferences();
    [[maybe_unused]] Cpp_Kliven4DataSet* ds = item.GetDataSet();
    switch (item.GetType()) {
    case SEL_REINFORCEMENT_POINT:
        if (Cpp_PointXY* point = PointOf(item)) point->Set(x, y);
        break;
    default: break;
    }
}

}  // namespace selection_family

bool Cpp_Selection::Nudge(double dx, double dy, bool& repaint) {
    repaint = false;
    if (!TargetExists()) return false;
    const s_tagTypePointXY at = GetItemPosition();
    s_tagTypePointXY to{at.x + dx, at.y + dy};
    const s_SelectionKindRow* row = FindSelectionKind(type_);
    const SelectionNudgeOp nudge = row ? SelectionFamilyOps(row->family).nudge : nullptr;
    if (!nudge) return false;
    // A family answers at once, or leaves the item moved to "to".
    if (const std::optional<bool> done = nudge(*this, dx, dy, repaint, to)) return *done;
    Cpp_Graphics::ExtendDataRange(to.x, to.y);
    UpdateToolBars();
    return true;
}

namespace selection_family {

std::optional<bool> ConstructionLineNudge(Cpp_Selection& item, [[maybe_unused]] double dx,
                                          [[maybe_unused]] double dy,
                                          [[maybe_unused]] bool& repaint,
                                          [[maybe_unused]] s_tagTypePointXY& to) {
    [[maybe_unused]] Cpp_Kliven4DataSet* ds = item.GetDataSet();
    [[maybe_unused]] Cpp_AnalysisComputationData* a = ds ? ds->AnalysisComputationData() : nullptr;
    [[maybe_unused]] const s_SelectionReferences& refs = item.GetItemReferences();
    switch (item.GetType()) {
    case SEL_CONSTRUCTION_POINT: {
        int index = 0;
        if (Cpp_TangentLine* line = TangentLineOf(item, index)) {
            const s_tagTypePointXY p = line->Points()[static_cast<size_t>(index)];
            to = {p.x + dx, p.y + dy};
            item.EditItemReferences().x = to.x;
            item.EditItemReferences().y = to.y;
        }
        MoveLinePoint(item, to.x, to.y);
        return std::nullopt;
    }
    default: return false;
    }
}

std::optional<bool> SlipSurfaceNudge(Cpp_Selection& item, [[maybe_unused]] double dx,
                                     [[maybe_unused]] double dy, [[maybe_unused]] bool& repaint,
                                     [[maybe_unused]] s_tagTypePointXY& to) {
    [[maybe_unused]] Cpp_Kliven4DataSet* ds = item.GetDataSet();
    [[maybe_unused]] Cpp_AnalysisComputationData* a = ds ? ds->AnalysisComputationData() : nullptr;
    [[maybe_unused]] const s_SelectionReferences& refs = item.GetItemReferences();
    switch (item.GetType()) {
    case SEL_NONCIRCULAR_POINT: {
        int index = 0;
        if (Cpp_TangentLine* line = TangentLineOf(item, index)) {
            const s_tagTypePointXY p = line->Points()[static_cast<size_t>(index)];
            to = {p.x + dx, p.y + dy};
            item.EditItemReferences().x = to.x;
            item.EditItemReferences().y = to.y;
        }
        MoveLinePoint(item, to.x, to.y);
        return std::nullopt;
    }
    default: return false;
    }
}

std::optional<bool> PiezometricLineNudge(Cpp_Selection& item, [[maybe_unused]] double dx,
                                         [[maybe_unused]] double dy, [[maybe_unused]] bool& repaint,
                                         [[maybe_unused]] s_tagTypePointXY& to) {
    [[maybe_unused]] Cpp_Kliven4DataSet* ds = item.GetDataSet();
    [[maybe_unused]] Cpp_AnalysisComputationData* a = ds ? ds->AnalysisComputationData() : nullptr;
    [[maybe_unused]] const s_SelectionReferences& refs = item.GetItemReferences();
    switch (item.GetType()) {
    case SEL_PIEZOMETRIC_POINT: {
        int index = 0;
        if (Cpp_TangentLine* line = TangentLineOf(item, index)) {
            const s_tagTypePointXY p = line->Points()[static_cast<size_t>(index)];
            to = {p.x + dx, p.y + dy};
            item.EditItemReferences().x = to.x;
            item.EditItemReferences().y = to.y;
        }
        MoveLinePoint(item, to.x, to.y);
        return std::nullopt;
    }
    default: return false;
    }
}

std::optional<bool> ProfileLineNudge(Cpp_Selection& item, [[maybe_unused]] double dx,
                                     [[maybe_unused]] double dy, [[maybe_unused]] bool& repaint,
                                     [[maybe_unused]] s_tagTypePointXY& to) {
    [[maybe_unused]] Cpp_Kliven4DataSet* ds = item.GetDataSet();
    [[maybe_unused]] Cpp_AnalysisComputationData* a = ds ? ds->AnalysisComputationData() : nullptr;
    [[maybe_unused]] const s_SelectionReferences& refs = item.GetItemReferences();
    switch (item.GetType()) {
    case SEL_PROFILE_POINT: {
        int index = 0;
        if (Cpp_TangentLine* line = TangentLineOf(item, index)) {
            const s_tagTypePointXY p = line->Points()[static_cast<size_t>(index)];
            to = {p.x + dx, p.y + dy};
            item.EditItemReferences().x = to.x;
            item.EditItemReferences().y = to.y;
        }
        MoveLinePoint(item, to.x, to.y);
        return std::nullopt;
    }
    default: return false;
    }
}

std::optional<bool> RadiusDefinitionNudge(Cpp_Selection& item, [[maybe_unused]] double dx,
                                          [[maybe_unused]] double dy,
                                          [[maybe_unused]] bool& repaint,
                                          [[maybe_unused]] s_tagTypePointXY& to) {
    [[maybe_unused]] Cpp_Kliven4DataSet* ds = item.GetDataSet();
    [[maybe_unused]] Cpp_AnalysisComputationData* a = ds ? ds->AnalysisComputationData() : nullptr;
    [[maybe_unused]] const s_SelectionReferences& refs = item.GetItemReferences();
    switch (item.GetType()) {
    case SEL_DEFINITION_TANGENT_POINT: {
        int index = 0;
        if (Cpp_TangentLine* line = TangentLineOf(item, index)) {
            const s_tagTypePointXY p = line->Points()[static_cast<size_t>(index)];
            to = {p.x + dx, p.y + dy};
            item.EditItemReferences().x = to.x;
            item.EditItemReferences().y = to.y;
        }
        MoveLinePoint(item, to.x, to.y);
        return std::nullopt;
    }
    case SEL_DEFINITION_RADIUS: {
        Cpp_RadiusDefinition* definition = RadiusDefinitionOf(item);
        const Cpp_FixedSearchGrid& grid = a->GetFixedSearchGrid();
        if (!definition || grid.Compare()) return true;
        definition->SetGivenRadius(definition->GetGivenRadius() - dy);
        repaint = true;
        item.UpdateToolBars();
        return true;
    }
    case SEL_DEFINITION_FIXED_POINT: {
        Cpp_RadiusDefinition* definition = RadiusDefinitionOf(item);
        if (!definition) return true;
        const s_tagTypePointXY p = definition->GetFixedPoint();
        to = {p.x + dx, p.y + dy};
        definition->SetFixedPoint(to.x, to.y);
        repaint = true;
        return std::nullopt;
    }
    case SEL_DEFINITION_HORIZONTAL_TANGENT: {
        Cpp_RadiusDefinition* definition = RadiusDefinitionOf(item);
        if (!definition) return true;
        Cpp_TangentLine* line = definition->GetTangentLine();
        line->SetElevation(line->GetElevation() + dy);
        repaint = true;
        item.UpdateToolBars();
        return true;
    }
    default: return false;
    }
}

std::optional<bool> IrregularTangentNudge(Cpp_Selection& item, [[maybe_unused]] double dx,
                                          [[maybe_unused]] double dy,
                                          [[maybe_unused]] bool& repaint,
                                          [[maybe_unused]] s_tagTypePointXY& to) {
    [[maybe_unused]] Cpp_Kliven4DataSet* ds = item.GetDataSet();
    [[maybe_unused]] Cpp_AnalysisComputationData* a = ds ? ds->AnalysisComputationData() : nullptr;
    [[maybe_unused]] const s_SelectionReferences& refs = item.GetItemReferences();
    switch (item.GetType()) {
    case SEL_TANGENT_POINT: {
        int index = 0;
        if (Cpp_TangentLine* line = TangentLineOf(item, index)) {
            const s_tagTypePointXY p = line->Points()[static_cast<size_t>(index)];
            to = {p.x + dx, p.y + dy};
            item.EditItemReferences().x = to.x;
            item.EditItemReferences().y = to.y;
        }
        MoveLinePoint(item, to.x, to.y);
        return std::nullopt;
    }
    default: return false;
    }
}

std::optional<bool> ReinforcementNudge(Cpp_Selection& item, [[maybe_unused]] double dx,
                                       [[maybe_unused]] double dy, [[maybe_unused]] bool& repaint,
                                       [[maybe_unused]] s_tagTypePointXY& to) {
    [[maybe_unused]] Cpp_Kliven4DataSet* ds = item.GetDataSet();
    [[maybe_unused]] Cpp_AnalysisComputationData* a = ds ? ds->AnalysisComputationData() : nullptr;
    [[maybe_unused]] const s_SelectionReferences& refs = item.GetItemReferences();
    switch (item.GetType()) {
    case SEL_REINFORCEMENT_POINT: {
        int index = 0;
        if (Cpp_TangentLine* line = TangentLineOf(item, index)) {
            const s_tagTypePointXY p = line->Points()[static_cast<size_t>(index)];
            to = {p.x + dx, p.y + dy};
            item.EditItemReferences().x = to.x;
            item.EditItemReferences().y = to.y;
        }
        MoveLinePoint(item, to.x, to.y);
        return std::nullopt;
    }
    default: return false;
    }
}

std::optional<bool> SlopeLineNudge(Cpp_Selection& item, [[maybe_unused]] double dx,
                                   [[maybe_unused]] double dy, [[maybe_unused]] bool& repaint,
                                   [[maybe_unused]] s_tagTypePointXY& to) {
    [[maybe_unused]] Cpp_Kliven4DataSet* ds = item.GetDataSet();
    [[maybe_unused]] Cpp_AnalysisComputationData* a = ds ? ds->AnalysisComputationData() : nullptr;
    [[maybe_unused]] const s_SelectionReferences& refs = item.GetItemReferences();
    switch (item.GetType()) {
    case SEL_SLOPE_POINT:
        MoveLinePoint(item, to.x, to.y);
        ds->SlopeGeometry().SetEnteredFlag(true);
        ComputeCrackBottom(*ds, nullptr);
        ComputeCrackWaterLevels(*ds);
        repaint = true;
        return std::nullopt;
    default: return false;
    }
}

std::optional<bool> InterpolationNudge(Cpp_Selection& item, [[maybe_unused]] double dx,
                                       [[maybe_unused]] double dy, [[maybe_unused]] bool& repaint,
                                       [[maybe_unused]] s_tagTypePointXY& to) {
    [[maybe_unused]] Cpp_Kliven4DataSet* ds = item.GetDataSet();
    [[maybe_unused]] Cpp_AnalysisComputationData* a = ds ? ds->AnalysisComputationData() : nullptr;
    [[maybe_unused]] const s_SelectionReferences& refs = item.GetItemReferences();
    switch (item.GetType()) {
    case SEL_CP_POINT:
    case SEL_PRESSURE_POINT:
    case SEL_RSUBU_POINT:
    case SEL_STRENGTH_POINT:
        if (!MoveInterpolationPoint(item, to.x, to.y)) return true;
        return std::nullopt;
    default: return false;
    }
}

std::optional<bool> DistributedLoadNudge(Cpp_Selection& item, [[maybe_unused]] double dx,
                                         [[maybe_unused]] double dy, [[maybe_unused]] bool& repaint,
                                         [[maybe_unused]] s_tagTypePointXY& to) {
    [[maybe_unused]] Cpp_Kliven4DataSet* ds = item.GetDataSet();
    [[maybe_unused]] Cpp_AnalysisComputationData* a = ds ? ds->AnalysisComputationData() : nullptr;
    [[maybe_unused]] const s_SelectionReferences& refs = item.GetItemReferences();
    switch (item.GetType()) {
    case SEL_LOAD_POINT: MoveLoadPoint(item, to.x, to.y); return std::nullopt;
    default: return false;
    }
}

std::optional<bool> LineLoadNudge(Cpp_Selection& item, [[maybe_unused]] double dx,
                                  [[maybe_unused]] double dy, [[maybe_unused]] bool& repaint,
                                  [[maybe_unused]] s_tagTypePointXY& to) {
    [[maybe_unused]] Cpp_Kliven4DataSet* ds = item.GetDataSet();
    [[maybe_unused]] Cpp_AnalysisComputationData* a = ds ? ds->AnalysisComputationData() : nullptr;
    [[maybe_unused]] const s_SelectionReferences& refs = item.GetItemReferences();
    switch (item.GetType()) {
    case SEL_LINE_LOAD: MoveLineLoad(item, to.x, to.y); return std::nullopt;
    default: return false;
    }
}

std::optional<bool> VariableCrackNudge(Cpp_Selection& item, [[maybe_unused]] double dx,
                                       [[maybe_unused]] double dy, [[maybe_unused]] bool& repaint,
                                       [[maybe_unused]] s_tagTypePointXY& to) {
    [[maybe_unused]] Cpp_Kliven4DataSet* ds = item.GetDataSet();
    [[maybe_unused]] Cpp_AnalysisComputationData* a = ds ? ds->AnalysisComputationData() : nullptr;
    [[maybe_unused]] const s_SelectionReferences& refs = item.GetItemReferences();
    switch (item.GetType()) {
    case SEL_VARIABLE_CRACK_POINT:
        MoveCrackPoint(item, to.x, to.y);
        ds->SlopeGeometry().SetEnteredFlag(true);
        ComputeCrackWaterLevels(*ds);
        repaint = true;
        return std::nullopt;
    default: return false;
    }
}

std::optional<bool> CircleDefinitionNudge(Cpp_Selection& item, [[maybe_unused]] double dx,
                                          [[maybe_unused]] double dy,
                                          [[maybe_unused]] bool& repaint,
                                          [[maybe_unused]] s_tagTypePointXY& to) {
    [[maybe_unused]] Cpp_Kliven4DataSet* ds = item.GetDataSet();
    [[maybe_unused]] Cpp_AnalysisComputationData* a = ds ? ds->AnalysisComputationData() : nullptr;
    [[maybe_unused]] const s_SelectionReferences& refs = item.GetItemReferences();
    switch (item.GetType()) {
    case SEL_FIXED_POINT:
        to = {item.GetItemReferences().x + dx, item.GetItemReferences().y + dy};
        a->SetThroughPoint(to.x, to.y);
        item.EditItemReferences().x = to.x;
        item.EditItemReferences().y = to.y;
        repaint = true;
        return std::nullopt;
    case SEL_CIRCLE_CENTRE:
        to = {item.GetItemReferences().x + dx, item.GetItemReferences().y + dy};
        SetCentre(*ds, to.x, to.y);
        item.EditItemReferences().x = to.x;
        item.EditItemReferences().y = to.y;
        repaint = true;
        return std::nullopt;
    case SEL_GRID_CORNER: {
        Cpp_FixedSearchGrid& grid = a->GetFixedSearchGrid();
        const int corner = static_cast<int>(item.GetItemReferences().number1);
        const s_tagTypePointXY c = grid.Corner(corner);
        to = {c.x + dx, c.y + dy};
        grid.SetCorner(corner, to.x, to.y);
        item.EditItemReferences().x = to.x;
        item.EditItemReferences().y = to.y;
        repaint = true;
        return std::nullopt;
    }
    case SEL_SEARCH_GRID: {
        if (a->GetMode() != 4) return true;
        Cpp_FixedSearchGrid& grid = a->GetFixedSearchGrid();
        for (int i = 1; i <= 4; ++i) {
            const s_tagTypePointXY c = grid.Corner(i);
            grid.SetCorner(i, c.x + dx, c.y + dy);
        }
        repaint = true;
        return true;
    }
    default: return false;
    }
}

}  // namespace selection_family

// ---------------------------------------------------------------------------------------------

void Cpp_Selection::ApplyToolBarValues(bool& clearSelection, bool& repaint, bool& modified) {
    clearSelection = repaint = modified = false;
    if (!TargetExists()) return;
    const s_SelectionKindRow* row = FindSelectionKind(type_);
    const SelectionApplyToolBarValuesOp apply =
        row ? SelectionFamilyOps(row->family).applyToolBarValues : nullptr;
    // A family answers whether the item took the bar's values (false: nothing more to do).
    if (!apply || !apply(*this, clearSelection, repaint, modified)) return;
    if (modified) UpdateToolBars();
    Cpp_NameValueList page;
    if (GetInformation(page)) UpdateSummaryWindow(*this);
}

namespace selection_family {

bool ProfileLineApplyToolBarValues(Cpp_Selection& item, [[maybe_unused]] bool& clearSelection,
                                   [[maybe_unused]] bool& repaint,
                                   [[maybe_unused]] bool& modified) {
    [[maybe_unused]] ToolDialogBars& bars = TheToolBars();
    [[maybe_unused]] Cpp_Kliven4DataSet* ds = item.GetDataSet();
    [[maybe_unused]] double x = 0, y = 0;
    switch (item.GetType()) {
    case SEL_PROFILE_POINT:
    case SEL_PROFILE_SEGMENT: {
        CmDialogBarProfileTool* bar = ActiveProfileBar();
        if (!ApplyLineData<int>(
                bar, ds->ProfileLines(), static_cast<Cpp_ProfileLine*>(LineOf(item)), "Profile",
                [](const Cpp_ProfileLine& l) { return l.GetMaterialNumber(); },
                [](Cpp_ProfileLine& l, int material) { l.SetMaterialNumber(material); }, modified))
            return false;
        if (item.GetType() == SEL_PROFILE_POINT && bar && bar->GetPoint(x, y) &&
            item.MoveToXY(x, y, true))
            modified = true;
        repaint = modified;
        return true;
    }
    default: return false;
    }
}

bool PiezometricLineApplyToolBarValues(Cpp_Selection& item, [[maybe_unused]] bool& clearSelection,
                                       [[maybe_unused]] bool& repaint,
                                       [[maybe_unused]] bool& modified) {
    [[maybe_unused]] ToolDialogBars& bars = TheToolBars();
    [[maybe_unused]] Cpp_Kliven4DataSet* ds = item.GetDataSet();
    [[maybe_unused]] double x = 0, y = 0;
    switch (item.GetType()) {
    case SEL_PIEZOMETRIC_POINT:
    case SEL_PIEZOMETRIC_SEGMENT: {
        CmDialogBarPiezometricTool* bar = ActivePiezometricBar();
        if (!ApplyLineData<double>(
                bar, *LineListOf(item), static_cast<Cpp_PiezometricLine*>(LineOf(item)),
                "Piezometric", [](const Cpp_PiezometricLine& l) { return l.UnitWeight(); },
                [](Cpp_PiezometricLine& l, double weight) { l.SetUnitWeightOfWater(weight); },
                modified))
            return false;
        if (item.GetType() == SEL_PIEZOMETRIC_POINT && bar && bar->GetPoint(x, y) &&
            item.MoveToXY(x, y, true))
            modified = true;
        repaint = modified;
        return true;
    }
    default: return false;
    }
}

bool ReinforcementApplyToolBarValues(Cpp_Selection& item, [[maybe_unused]] bool& clearSelection,
                                     [[maybe_unused]] bool& repaint,
                                     [[maybe_unused]] bool& modified) {
    [[maybe_unused]] ToolDialogBars& bars = TheToolBars();
    [[maybe_unused]] Cpp_Kliven4DataSet* ds = item.GetDataSet();
    [[maybe_unused]] double x = 0, y = 0;
    switch (item.GetType()) {
    case SEL_REINFORCEMENT_POINT:
    case SEL_REINFORCEMENT_INTERVAL: {
        auto* line = static_cast<Cpp_ReinforcementLine*>(LineOf(item));
        CmDialogBarReinforcementTool* bar = ActiveReinforcementBar();
        int number = 0;
        if (!bar || !bar->GetLineNumber(number)) return true;
        if (NumberTakenByOther(*ds->ReinforcementLines(), line, number)) {
            ShowDuplicateNumber("Reinforcement", number);
            bar->SetLineNumber(line->GetNumber());
            return false;
        }
        if (item.GetType() == SEL_REINFORCEMENT_INTERVAL) {
            modified = number != line->GetNumber();
            line->SetNumber(number);
        } else {
            Cpp_ReinforcementLineList::AssignPointValues(
                line, static_cast<Cpp_ReinforcementPoint*>(PointOf(item)), modified);
            // The largest force over every data set sets the diagrams' scale again.
            Cpp_ReinforcementLineList::SetLargestForce(
                Cpp_Kliven4Data::MaximumReinforcementForce());
            Cpp_ReinforcementLineList::ComputeForceScale(GetUnitSystem());
        }
        repaint = modified;
        return true;
    }
    default: return false;
    }
}

bool ConstructionLineApplyToolBarValues(Cpp_Selection& item, [[maybe_unused]] bool& clearSelection,
                                        [[maybe_unused]] bool& repaint,
                                        [[maybe_unused]] bool& modified) {
    [[maybe_unused]] ToolDialogBars& bars = TheToolBars();
    [[maybe_unused]] Cpp_Kliven4DataSet* ds = item.GetDataSet();
    [[maybe_unused]] double x = 0, y = 0;
    switch (item.GetType()) {
    case SEL_CONSTRUCTION_POINT:
        if (bars.construction.GetPoint(x, y) && item.MoveToXY(x, y, true))
            modified = repaint = true;
        return true;
    default: return false;
    }
}

bool SlopeLineApplyToolBarValues(Cpp_Selection& item, [[maybe_unused]] bool& clearSelection,
                                 [[maybe_unused]] bool& repaint, [[maybe_unused]] bool& modified) {
    [[maybe_unused]] ToolDialogBars& bars = TheToolBars();
    [[maybe_unused]] Cpp_Kliven4DataSet* ds = item.GetDataSet();
    [[maybe_unused]] double x = 0, y = 0;
    switch (item.GetType()) {
    case SEL_SLOPE_POINT:
        if (CmDialogBarSlopeTool* bar = ActiveSlopeBar())
            if (bar->GetPoint(x, y) && item.MoveToXY(x, y, true)) modified = repaint = true;
        return true;
    default: return false;
    }
}

bool SlipSurfaceApplyToolBarValues(Cpp_Selection& item, [[maybe_unused]] bool& clearSelection,
                                   [[maybe_unused]] bool& repaint,
                                   [[maybe_unused]] bool& modified) {
    [[maybe_unused]] ToolDialogBars& bars = TheToolBars();
    [[maybe_unused]] Cpp_Kliven4DataSet* ds = item.GetDataSet();
    [[maybe_unused]] double x = 0, y = 0;
    switch (item.GetType()) {
    case SEL_NONCIRCULAR_POINT: {
        // The point and its shift data (fixity, angle) as the bar shows them.
        double angle = 0;
        bool moveable = true, computed = true;
        int index = 0;
        CmDialogBarNoncircularTool* bar = ActiveNoncircularBar();
        if (!bar || !bar->GetPointData(x, y, moveable, computed, angle)) return true;
        if (!item.MoveToXY(x, y, true)) return true;
        if (Cpp_NoncircularShearSurface* surface = NoncircularOf(item, index))
            surface->Points()[static_cast<size_t>(index)].SetShiftAngle(angle, moveable, computed);
        modified = repaint = true;
        return true;
    }
    default: return false;
    }
}

bool InterpolationApplyToolBarValues(Cpp_Selection& item, [[maybe_unused]] bool& clearSelection,
                                     [[maybe_unused]] bool& repaint,
                                     [[maybe_unused]] bool& modified) {
    [[maybe_unused]] ToolDialogBars& bars = TheToolBars();
    [[maybe_unused]] Cpp_Kliven4DataSet* ds = item.GetDataSet();
    [[maybe_unused]] double x = 0, y = 0;
    switch (item.GetType()) {
    case SEL_CP_POINT:
    case SEL_PRESSURE_POINT:
    case SEL_RSUBU_POINT:
    case SEL_STRENGTH_POINT: {
        double value = 0;
        Cpp_InterpolationDataSet* set = InterpolationSetOf(item);
        const int at = InterpolationPointIndex(item);
        if (!bars.interpolation.GetValue(value) || !set || at < 0) return true;
        set->Points()[static_cast<size_t>(at)].SetValue(value);
        set->GetContours().DeleteAll();
        set->RebuildVertices();
        set->Triangulate(static_cast<short>(item.GetStage() == 2 ? 2 : 1));
        modified = repaint = true;
        clearSelection = true;  // the triangulation made new vertices
        return true;
    }
    default: return false;
    }
}

bool DistributedLoadApplyToolBarValues(Cpp_Selection& item, [[maybe_unused]] bool& clearSelection,
                                       [[maybe_unused]] bool& repaint,
                                       [[maybe_unused]] bool& modified) {
    [[maybe_unused]] ToolDialogBars& bars = TheToolBars();
    [[maybe_unused]] Cpp_Kliven4DataSet* ds = item.GetDataSet();
    [[maybe_unused]] double x = 0, y = 0;
    switch (item.GetType()) {
    case SEL_LOAD_POINT:
    case SEL_LOAD_SEGMENT: {
        // The bar's piezometric-line choice, or (a point) its point and stresses; a load taken
        // from a piezometric line has no points left to select.
        auto* node = static_cast<Cpp_DistributedLoadPoint*>(item.GetItemReferences().ref1);
        if (!ActiveDistributedLoadBar()) return true;
        if (DistributedLoadsOf(item)->ApplyBarToSelectedPoint(node,
                                                              item.GetType() == SEL_LOAD_SEGMENT))
            modified = repaint = true;
        if (!node || LoadPointIndex(item) < 0) clearSelection = true;
        return true;
    }
    default: return false;
    }
}

bool LineLoadApplyToolBarValues(Cpp_Selection& item, [[maybe_unused]] bool& clearSelection,
                                [[maybe_unused]] bool& repaint, [[maybe_unused]] bool& modified) {
    [[maybe_unused]] ToolDialogBars& bars = TheToolBars();
    [[maybe_unused]] Cpp_Kliven4DataSet* ds = item.GetDataSet();
    [[maybe_unused]] double x = 0, y = 0;
    switch (item.GetType()) {
    case SEL_LINE_LOAD:
    case SEL_LINE_LOAD_DRAWN:
        // The bar's point snapped to the slope, its option and forces; nothing when they are
        // the load's own.
        item.RedrawHighlighted();
        if (LineLoadsOf(item)->AssignFromBar(LineLoadOf(item))) modified = repaint = true;
        item.RedrawHighlighted();
        return true;
    default: return false;
    }
}

bool GeogridApplyToolBarValues(Cpp_Selection& item, [[maybe_unused]] bool& clearSelection,
                               [[maybe_unused]] bool& repaint, [[maybe_unused]] bool& modified) {
    [[maybe_unused]] ToolDialogBars& bars = TheToolBars();
    [[maybe_unused]] Cpp_Kliven4DataSet* ds = item.GetDataSet();
    [[maybe_unused]] double x = 0, y = 0;
    switch (item.GetType()) {
    case SEL_GEOGRID_HEAD:
    case SEL_GEOGRID_END:
    case SEL_GEOGRID_LAYER: {
        s_GeogridBarValues v;
        if (!IsToolBarVisible(BarGeogrids) ||
            !bars.geogrids.GetGeogridData(v.y, v.length, v.type, v.leftFacing))
            return true;
        if (AssignGeogridFromBar(*static_cast<Cpp_Geogrid*>(item.GetItemReferences().ref1), v,
                                 ds->SlopeGeometry()))
            modified = repaint = true;
        return true;
    }
    default: return false;
    }
}

bool NailApplyToolBarValues(Cpp_Selection& item, [[maybe_unused]] bool& clearSelection,
                            [[maybe_unused]] bool& repaint, [[maybe_unused]] bool& modified) {
    [[maybe_unused]] ToolDialogBars& bars = TheToolBars();
    [[maybe_unused]] Cpp_Kliven4DataSet* ds = item.GetDataSet();
    [[maybe_unused]] double x = 0, y = 0;
    switch (item.GetType()) {
    case SEL_NAIL_HEAD:
    case SEL_NAIL_END:
    case SEL_NAIL_BAR: {
        s_NailBarValues v;
        if (!IsToolBarVisible(BarNails) ||
            !bars.nails.GetNailData(v.y, v.length, v.inclination, v.type, v.leftFacing, v.spacing))
            return true;
        if (AssignNailFromBar(*static_cast<Cpp_IndividualNail*>(item.GetItemReferences().ref1), v,
                              ds->SlopeGeometry()))
            modified = repaint = true;
        return true;
    }
    default: return false;
    }
}

bool VariableCrackApplyToolBarValues(Cpp_Selection& item, [[maybe_unused]] bool& clearSelection,
                                     [[maybe_unused]] bool& repaint,
                                     [[maybe_unused]] bool& modified) {
    [[maybe_unused]] ToolDialogBars& bars = TheToolBars();
    [[maybe_unused]] Cpp_Kliven4DataSet* ds = item.GetDataSet();
    [[maybe_unused]] double x = 0, y = 0;
    switch (item.GetType()) {
    case SEL_VARIABLE_CRACK_POINT:
    case SEL_VARIABLE_WATER_POINT: {
        double value = 0;
        if (!bars.crack.GetPoint(x, value)) return true;
        MoveCrackPoint(item, x, value);
        modified = repaint = true;
        return true;
    }
    default: return false;
    }
}

bool ConstructionCircleApplyToolBarValues(Cpp_Selection& item,
                                          [[maybe_unused]] bool& clearSelection,
                                          [[maybe_unused]] bool& repaint,
                                          [[maybe_unused]] bool& modified) {
    [[maybe_unused]] ToolDialogBars& bars = TheToolBars();
    [[maybe_unused]] Cpp_Kliven4DataSet* ds = item.GetDataSet();
    [[maybe_unused]] double x = 0, y = 0;
    switch (item.GetType()) {
    case SEL_CONSTRUCTION_CIRCLE:
        if (DefineSelectedConstructionCircle(
                *static_cast<Cpp_ConstructionCircle*>(item.GetItemReferences().ref2)))
            modified = repaint = true;
        return true;
    // The circle bar: the centre of the circle mode, or a corner of the fixed grid.
    default: return false;
    }
}

bool CircleDefinitionApplyToolBarValues(Cpp_Selection& item, [[maybe_unused]] bool& clearSelection,
                                        [[maybe_unused]] bool& repaint,
                                        [[maybe_unused]] bool& modified) {
    [[maybe_unused]] ToolDialogBars& bars = TheToolBars();
    [[maybe_unused]] Cpp_Kliven4DataSet* ds = item.GetDataSet();
    [[maybe_unused]] double x = 0, y = 0;
    switch (item.GetType()) {
    case SEL_GRID_CORNER:
    case SEL_CIRCLE_CENTRE: {
        const int corner = item.GetType() == SEL_GRID_CORNER
                               ? static_cast<int>(item.GetItemReferences().number1) - 1
                               : 0;
        if (!Cpp_CircleTool::SetGridCornerFromBar(*ds->AnalysisComputationData(), true, corner))
            return true;
        if (bars.circle.GetCenter(x, y)) {
            item.EditItemReferences().x = x;
            item.EditItemReferences().y = y;
        }
        if (item.GetType() == SEL_CIRCLE_CENTRE) RecomputeCircle(ds);
        modified = repaint = true;
        return true;
    }
    // The radius bar: the radius rule of the circle, or one radius definition.
    case SEL_PRESCRIBED_RADIUS:
    case SEL_FIXED_POINT:
    case SEL_HORIZONTAL_TANGENT: {
        int index = -1;
        if (item.GetType() == SEL_TANGENT_POINT) TangentLineOf(item, index);
        if (!Cpp_RadiusTool::RadiusToolApplyBarValues(*ds->AnalysisComputationData(), index))
            return true;
        RecomputeCircle(ds);
        modified = repaint = true;
        return true;
    }
    default: return false;
    }
}

bool IrregularTangentApplyToolBarValues(Cpp_Selection& item, [[maybe_unused]] bool& clearSelection,
                                        [[maybe_unused]] bool& repaint,
                                        [[maybe_unused]] bool& modified) {
    [[maybe_unused]] ToolDialogBars& bars = TheToolBars();
    [[maybe_unused]] Cpp_Kliven4DataSet* ds = item.GetDataSet();
    [[maybe_unused]] double x = 0, y = 0;
    switch (item.GetType()) {
    case SEL_TANGENT_POINT: {
        int index = -1;
        if (item.GetType() == SEL_TANGENT_POINT) TangentLineOf(item, index);
        if (!Cpp_RadiusTool::RadiusToolApplyBarValues(*ds->AnalysisComputationData(), index))
            return true;
        RecomputeCircle(ds);
        modified = repaint = true;
        return true;
    }
    default: return false;
    }
}

bool RadiusDefinitionApplyToolBarValues(Cpp_Selection& item, [[maybe_unused]] bool& clearSelection,
                                        [[maybe_unused]] bool& repaint,
                                        [[maybe_unused]] bool& modified) {
    [[maybe_unused]] ToolDialogBars& bars = TheToolBars();
    [[maybe_unused]] Cpp_Kliven4DataSet* ds = item.GetDataSet();
    [[maybe_unused]] double x = 0, y = 0;
    switch (item.GetType()) {
    case SEL_DEFINITION_RADIUS:
    case SEL_DEFINITION_FIXED_POINT:
    case SEL_DEFINITION_HORIZONTAL_TANGENT:
    case SEL_DEFINITION_TANGENT_POINT: {
        int index = -1;
        if (item.GetType() == SEL_DEFINITION_TANGENT_POINT) TangentLineOf(item, index);
        if (Cpp_RadiusTool::AssignDefinitionFromBar(*RadiusDefinitionOf(item), index))
            modified = repaint = true;
        return true;
    }
    default: return false;
    }
}

}  // namespace selection_family

// ---------------------------------------------------------------------------------------------

bool Cpp_Selection::WheelEdit(int delta, bool control, bool& repaint) {
    repaint = false;
    if (!TargetExists()) return false;
    const s_SelectionKindRow* row = FindSelectionKind(type_);
    if (const auto op = row ? SelectionFamilyOps(row->family).wheelEdit : nullptr)
        return op(*this, delta, control, repaint);
    return false;
}

namespace selection_family {

bool VariableCrackWheelEdit(const Cpp_Selection& item, [[maybe_unused]] int delta,
                            [[maybe_unused]] bool control, [[maybe_unused]] bool& repaint) {
    [[maybe_unused]] const s_SelectionReferences& r = item.GetItemReferences();
    [[maybe_unused]] Cpp_Kliven4DataSet* ds = item.GetDataSet();
    switch (item.GetType()) {
    case SEL_VARIABLE_CRACK_POINT:
    case SEL_VARIABLE_WATER_POINT: {
        // The crack tool's wheel step: below 1 the delta subtracts it.
        Cpp_CrackPoint* point = CrackPointOf(item);
        const double step = Cpp_CrackTool::WheelStep();
        const double value = point->Value() + (delta < 1 ? -step : step);
        if (!MoveCrackPoint(item, point->X(), value)) return false;
        UpdateDisplayBoundsFromGeometry();
        repaint = true;
        item.UpdateToolBars();
        return true;
    }
    default: return false;
    }
}

bool InterpolationWheelEdit(const Cpp_Selection& item, [[maybe_unused]] int delta,
                            [[maybe_unused]] bool control, [[maybe_unused]] bool& repaint) {
    [[maybe_unused]] const s_SelectionReferences& r = item.GetItemReferences();
    [[maybe_unused]] Cpp_Kliven4DataSet* ds = item.GetDataSet();
    switch (item.GetType()) {
    case SEL_PRESSURE_POINT:
    case SEL_RSUBU_POINT:
    case SEL_STRENGTH_POINT: {
        // The interpolation tools' step: 10 for a pressure (1 for a head in head mode).
        Cpp_InterpolationDataSet* set = InterpolationSetOf(item);
        if (!set || InterpolationPointIndex(item) < 0) return false;
        auto* vertex =
            const_cast<Cpp_VERTEX*>(static_cast<const Cpp_VERTEX*>(item.GetItemReferences().ref2));
        if (!Cpp_InterpolationTool::WheelChangeValue(*set, vertex, delta)) return false;
        repaint = true;
        return true;
    }
    default: return false;
    }
}

bool DistributedLoadWheelEdit(const Cpp_Selection& item, [[maybe_unused]] int delta,
                              [[maybe_unused]] bool control, [[maybe_unused]] bool& repaint) {
    [[maybe_unused]] const s_SelectionReferences& r = item.GetItemReferences();
    [[maybe_unused]] Cpp_Kliven4DataSet* ds = item.GetDataSet();
    switch (item.GetType()) {
    case SEL_LOAD_POINT:
        DistributedLoadsOf(item)->WheelEditSelected(
            static_cast<Cpp_DistributedLoadPoint*>(item.GetItemReferences().ref1), delta, control);
        repaint = true;
        return true;
    // The bar's forces of the load by the line-load tool's steps: the first value, with Ctrl
    // the second (the vertical force or the inclination); the load is drawn with them.
    default: return false;
    }
}

bool LineLoadWheelEdit(const Cpp_Selection& item, [[maybe_unused]] int delta,
                       [[maybe_unused]] bool control, [[maybe_unused]] bool& repaint) {
    [[maybe_unused]] const s_SelectionReferences& r = item.GetItemReferences();
    [[maybe_unused]] Cpp_Kliven4DataSet* ds = item.GetDataSet();
    switch (item.GetType()) {
    case SEL_LINE_LOAD:
        repaint = LineLoadsOf(item)->WheelEditSelected(LineLoadOf(item),
                                                       static_cast<std::int16_t>(delta), control);
        return repaint;
    default: return false;
    }
}

bool ReinforcementWheelEdit(const Cpp_Selection& item, [[maybe_unused]] int delta,
                            [[maybe_unused]] bool control, [[maybe_unused]] bool& repaint) {
    [[maybe_unused]] const s_SelectionReferences& r = item.GetItemReferences();
    [[maybe_unused]] Cpp_Kliven4DataSet* ds = item.GetDataSet();
    switch (item.GetType()) {
    case SEL_REINFORCEMENT_POINT:
        // Ctrl turns the transverse force.
        if (!Cpp_ReinforcementLineList::WheelChangeSelectedForce(
                static_cast<Cpp_ReinforcementLine*>(LineOf(item)),
                static_cast<Cpp_ReinforcementPoint*>(PointOf(item)), delta, control))
            return false;
        Cpp_ReinforcementLineList::SetLargestForce(Cpp_Kliven4Data::MaximumReinforcementForce());
        Cpp_ReinforcementLineList::ComputeForceScale(GetUnitSystem());
        repaint = true;
        return true;
    default: return false;
    }
}

}  // namespace selection_family

// ---------------------------------------------------------------------------------------------

bool Cpp_Selection::ChangeValue(int x, int y) const {
    if (!TargetExists()) return true;
    if (StartLineDrag(x, y)) return true;
    const s_SelectionKindRow* row = FindSelectionKind(type_);
    if (const auto op = row ? SelectionFamilyOps(row->family).changeValue : nullptr)
        return op(*this, x, y);
    return true;
}

namespace selection_family {

bool GeogridChangeValue(const Cpp_Selection& item, [[maybe_unused]] int x, [[maybe_unused]] int y) {
    [[maybe_unused]] const s_SelectionReferences& r = item.GetItemReferences();
    [[maybe_unused]] Cpp_Kliven4DataSet* ds = item.GetDataSet();
    switch (item.GetType()) {
    case SEL_GEOGRID_HEAD:
    case SEL_GEOGRID_END:
    case SEL_GEOGRID_LAYER:
        StartGeogridDrag(static_cast<Cpp_Geogrid*>(item.GetItemReferences().ref1),
                         item.GetType() - SEL_GEOGRID_HEAD);
        return true;
    default: return true;
    }
}

bool NailChangeValue(const Cpp_Selection& item, [[maybe_unused]] int x, [[maybe_unused]] int y) {
    [[maybe_unused]] const s_SelectionReferences& r = item.GetItemReferences();
    [[maybe_unused]] Cpp_Kliven4DataSet* ds = item.GetDataSet();
    switch (item.GetType()) {
    case SEL_NAIL_HEAD:
    case SEL_NAIL_END:
    case SEL_NAIL_BAR:
        StartNailDrag(static_cast<Cpp_IndividualNail*>(item.GetItemReferences().ref1),
                      item.GetType() - SEL_NAIL_HEAD);
        return true;
    default: return true;
    }
}

bool CircleDefinitionChangeValue(const Cpp_Selection& item, [[maybe_unused]] int x,
                                 [[maybe_unused]] int y) {
    [[maybe_unused]] const s_SelectionReferences& r = item.GetItemReferences();
    [[maybe_unused]] Cpp_Kliven4DataSet* ds = item.GetDataSet();
    switch (item.GetType()) {
    case SEL_GRID_CORNER:
        if (!item.GetDataSet() || item.GetDataSet()->AnalysisMode() != 4) return true;
        Cpp_FixedSearchGridTool::MovePointTool(
            item.GetDataSet()->AnalysisComputationData()->GetFixedSearchGrid(), x, y,
            static_cast<int>(item.GetItemReferences().number1));
        return true;
    case SEL_CIRCLE_CENTRE:
        if (!item.GetDataSet() ||
            (item.GetDataSet()->AnalysisMode() != 1 && item.GetDataSet()->AnalysisMode() != 3))
            return true;
        Cpp_CircleTool::StartCenterChange(*item.GetDataSet()->AnalysisComputationData(), x, y);
        return true;
    // The circle's radius rule by its option: the radius tip, the fixed point or the
    // horizontal tangent line follows the cursor about the circle's initial centre.
    case SEL_PRESCRIBED_RADIUS:
    case SEL_FIXED_POINT:
    case SEL_HORIZONTAL_TANGENT: {
        // Only a circle with an initial centre has a radius rule of its own to drag.
        if (!item.GetDataSet()) return true;
        const Cpp_AnalysisComputationData& a = *item.GetDataSet()->AnalysisComputationData();
        const int mode = a.GetMode();
        if (a.IsCircular() && (mode == Cpp_AnalysisComputationData::kIndividual ||
                               mode == Cpp_AnalysisComputationData::kSearchType1 ||
                               mode == Cpp_AnalysisComputationData::kSearch6))
            Cpp_CircleTool::StartRadiusRuleDrag(a, x, y);
        return true;
    }
    // One radius definition: the grey circle about the current centre.
    default: return true;
    }
}

bool RadiusDefinitionChangeValue(const Cpp_Selection& item, [[maybe_unused]] int x,
                                 [[maybe_unused]] int y) {
    [[maybe_unused]] const s_SelectionReferences& r = item.GetItemReferences();
    [[maybe_unused]] Cpp_Kliven4DataSet* ds = item.GetDataSet();
    switch (item.GetType()) {
    case SEL_DEFINITION_RADIUS:
    case SEL_DEFINITION_FIXED_POINT:
    case SEL_DEFINITION_HORIZONTAL_TANGENT: {
        const s_tagTypePointXY centre =
            item.GetDataSet()->AnalysisComputationData()->CurrentCenter();
        Cpp_RubberBandCircle::StartChange(RadiusDefinitionOf(item), centre.x, centre.y, x, y);
        return true;
    }
    // The load moved by its point (62) or its force set by the tail (64).
    default: return true;
    }
}

bool LineLoadChangeValue(const Cpp_Selection& item, [[maybe_unused]] int x,
                         [[maybe_unused]] int y) {
    [[maybe_unused]] const s_SelectionReferences& r = item.GetItemReferences();
    [[maybe_unused]] Cpp_Kliven4DataSet* ds = item.GetDataSet();
    switch (item.GetType()) {
    case SEL_LINE_LOAD:
    case SEL_LINE_LOAD_DRAWN:
        LineLoadsOf(item)->DragForceTool(LineLoadOf(item), x, y, item.GetType() == SEL_LINE_LOAD);
        return true;
    default: return true;
    }
}

}  // namespace selection_family
