// Deleting a selected item: the whole list of its kind, its line, its segment, its point, a
// line load, a radius definition, a construction circle; and the item's liveness test that the
// destructive walks over a selection list use before they touch a record.

#include "analysis/analysis_computation_data.h"
#include "analysis/noncircular_shear_surface.h"
#include "analysis/radius_definition.h"
#include "analysis/tangent_line.h"
#include "core/message_boxes.h"
#include "editing/construction_items.h"
#include "editing/interpolation_tool.h"
#include "editing/noncircular_tool.h"
#include "editing/selection.h"
#include "editing/selection_edit_support.h"
#include "editing/selection_family_ops.h"
#include "editing/selection_kinds.h"
#include "loads/distributed_load_data.h"
#include "loads/geogrid_data.h"
#include "loads/line_load.h"
#include "loads/nail_data.h"
#include "loads/reinforcement_line.h"
#include "model/data_check.h"
#include "model/data_set.h"
#include "model/derived_data.h"
#include "porepressure/interpolation_data.h"
#include "porepressure/piezometric_line.h"
#include "profile/crack.h"
#include "profile/profile_line.h"
#include "profile/slope_geometry.h"

#include <algorithm>

namespace selection_edit {

Cpp_LineList* LineListOf(const Cpp_Selection& item) {
    const s_SelectionKindRow* row = FindSelectionKind(item.GetType());
    Cpp_Kliven4DataSet* ds = item.GetDataSet();
    if (!row) return nullptr;
    // The list of the line a line item refers to; the piezometric labels also name their list.
    const bool lineItem = row->flags & selection_flags::kLineRef;
    switch (row->family) {
    case e_SelectionFamily::ConstructionLine: return &GetConstructionLineList();
    case e_SelectionFamily::ProfileLine: return lineItem && ds ? &ds->ProfileLines() : nullptr;
    case e_SelectionFamily::PiezometricLine:
        return ds && (item.GetStage() == 1 || item.GetStage() == 2)
                   ? ds->PiezometricLines(item.GetStage())
                   : nullptr;
    case e_SelectionFamily::Reinforcement:
        return lineItem && ds ? ds->ReinforcementLines() : nullptr;
    default: return nullptr;
    }
}

Cpp_Line* LineOf(const Cpp_Selection& item) {
    return SelectionKindHas(item.GetType(), selection_flags::kLineRef)
               ? static_cast<Cpp_Line*>(item.GetItemReferences().ref1)
               : nullptr;
}

Cpp_PointXY* PointOf(const Cpp_Selection& item) {
    return LineOf(item) ? static_cast<Cpp_PointXY*>(item.GetItemReferences().ref2) : nullptr;
}

Cpp_InterpolationData* InterpolationOf(const Cpp_Selection& item) {
    Cpp_Kliven4DataSet* ds = item.GetDataSet();
    const int stage = item.GetStage() == 2 ? 2 : 1;
    return ds ? ds->InterpolationData(stage) : nullptr;
}

Cpp_InterpolationDataSet* InterpolationSetOf(const Cpp_Selection& item) {
    auto* set = static_cast<Cpp_InterpolationDataSet*>(item.IsInterpolationItem());
    Cpp_InterpolationData* data = InterpolationOf(item);
    if (!set || !data) return nullptr;
    for (const auto& s : data->DataSets())
        if (s.get() == set) return set;
    return nullptr;
}

int InterpolationPointIndex(const Cpp_Selection& item) {
    Cpp_InterpolationDataSet* set = InterpolationSetOf(item);
    const auto* vertex = static_cast<const Cpp_VERTEX*>(item.GetItemReferences().ref2);
    if (!set || !vertex) return -1;
    bool found = false;
    for (const Cpp_VERTEX* v = set->GetVertexList().First(); v && !found; v = v->Next())
        found = v == vertex;
    if (!found) return -1;
    const auto& points = set->Points();
    for (size_t i = 0; i < points.size(); ++i)
        if (points[i].X() == vertex->X() && points[i].Y() == vertex->Y())
            return static_cast<int>(i);
    return -1;
}

Cpp_DistributedLoadData* DistributedLoadsOf(const Cpp_Selection& item) {
    Cpp_Kliven4DataSet* ds = item.GetDataSet();
    if (!ds || (item.GetStage() != 1 && item.GetStage() != 2)) return nullptr;
    return ds->DistributedLoads(item.GetStage());
}

int LoadPointIndex(const Cpp_Selection& item) {
    Cpp_DistributedLoadData* loads = DistributedLoadsOf(item);
    if (!loads) return -1;
    int i = 0;
    for (auto* p = loads->GetFirstListItem(); p; p = p->NextPoint(), ++i)
        if (p == item.GetItemReferences().ref1) return i;
    return -1;
}

Cpp_LineLoadList* LineLoadsOf(const Cpp_Selection& item) {
    Cpp_Kliven4DataSet* ds = item.GetDataSet();
    if (!ds || (item.GetStage() != 1 && item.GetStage() != 2)) return nullptr;
    return ds->LineLoads(item.GetStage());
}

Cpp_LineLoad* LineLoadOf(const Cpp_Selection& item) {
    Cpp_LineLoadList* loads = LineLoadsOf(item);
    if (!loads) return nullptr;
    for (const auto& l : loads->Loads())
        if (l.get() == item.GetItemReferences().ref1) return l.get();
    return nullptr;
}

Cpp_CrackPointList* CrackListOf(const Cpp_Selection& item) {
    Cpp_Kliven4DataSet* ds = item.GetDataSet();
    const s_SelectionKindRow* row = FindSelectionKind(item.GetType());
    if (!ds || !row || row->family != e_SelectionFamily::VariableCrack) return nullptr;
    Cpp_Crack& crack = ds->AnalysisComputationData()->GetCrack();
    const int kind = item.GetType();
    return kind == SEL_VARIABLE_CRACK_POINT || kind == SEL_VARIABLE_CRACK_SEGMENT
               ? &crack.CrackPointList()
               : &crack.WaterPointList();
}

Cpp_CrackPoint* CrackPointOf(const Cpp_Selection& item) {
    Cpp_CrackPointList* list = CrackListOf(item);
    if (!list) return nullptr;
    for (Cpp_CrackPoint* p = list->Head(); p; p = p->Next())
        if (p == item.GetItemReferences().ref1) return p;
    return nullptr;
}

Cpp_RadiusDefinition* RadiusDefinitionOf(const Cpp_Selection& item) {
    Cpp_Kliven4DataSet* ds = item.GetDataSet();
    if (!ds) return nullptr;
    Cpp_RadiusDefinitionList& list = ds->AnalysisComputationData()->GetRadiusDefinitionList();
    for (int n = 1; n <= list.GetCount(); ++n)
        if (list.GetNth(n) == item.GetItemReferences().ref2) return list.GetNth(n);
    return nullptr;
}

int RadiusDefinitionNumber(const Cpp_Selection& item) {
    Cpp_Kliven4DataSet* ds = item.GetDataSet();
    if (!ds) return 0;
    Cpp_RadiusDefinitionList& list = ds->AnalysisComputationData()->GetRadiusDefinitionList();
    for (int n = 1; n <= list.GetCount(); ++n)
        if (list.GetNth(n) == item.GetItemReferences().ref2) return n;
    return 0;
}

Cpp_NoncircularShearSurface* NoncircularOf(const Cpp_Selection& item, int& index) {
    Cpp_Kliven4DataSet* ds = item.GetDataSet();
    if (!ds) return nullptr;
    Cpp_NoncircularShearSurface& surface = ds->AnalysisComputationData()->GetNoncircularPointList();
    if (item.GetItemReferences().ref1 != &surface) return nullptr;
    const auto* point =
        static_cast<const Cpp_NoncircularShearSurfacePoint*>(item.GetItemReferences().ref2);
    const auto& points = surface.Points();
    if (!point || points.empty() || point < points.data() || point >= points.data() + points.size())
        return nullptr;
    index = static_cast<int>(point - points.data());
    return &surface;
}

Cpp_TangentLine* TangentLineOf(const Cpp_Selection& item, int& index) {
    const s_SelectionKindRow* row = FindSelectionKind(item.GetType());
    if (!row) return nullptr;
    const int kind = item.GetType();
    if (row->family == e_SelectionFamily::IrregularTangent) {
        Cpp_Kliven4DataSet* ds = item.GetDataSet();
        Cpp_TangentLine* line = ds ? ds->AnalysisComputationData()->GetTangentLine() : nullptr;
        if (!line || item.GetItemReferences().ref1 != line) return nullptr;
        index = item.GetItemReferences().index;
        return index >= 0 && index < line->NumberOfPoints() ? line : nullptr;
    }
    // A radius definition's point or segment of its irregular tangent line.
    if (kind == SEL_DEFINITION_TANGENT_POINT || kind == SEL_DEFINITION_TANGENT_SEGMENT) {
        Cpp_RadiusDefinition* definition = RadiusDefinitionOf(item);
        if (!definition || definition->GetOption() != Cpp_RadiusDefinition::kTangentLine)
            return nullptr;
        Cpp_TangentLine* line = definition->GetTangentLine();
        index = static_cast<int>(item.GetItemReferences().number3) - 1;
        return index >= 0 && index < line->NumberOfPoints() ? line : nullptr;
    }
    return nullptr;
}

// The circle's own irregular tangent line keeps two points at least: with fewer it would be
// saved as a line that no reader accepts. A delete that would leave fewer is refused with a box.
namespace {
bool TangentLineKeepsTwoPoints(const Cpp_TangentLine& line, std::size_t removed) {
    if (line.GetOption() != Cpp_TangentLine::kIrregular || line.Points().size() >= removed + 2)
        return true;
    ShowErrorMessage("ERROR", "An irregular tangent line needs at least two points - no point "
                              "was deleted.");
    return false;
}
}  // namespace

bool DeleteInterpolationPointAt(const Cpp_Selection& item, const s_tagTypePointXY& at) {
    Cpp_InterpolationDataSet* set = InterpolationSetOf(item);
    if (!set) return false;
    // The triangulation is repaired around the point only.
    for (Cpp_VERTEX* v = set->GetVertexList().First(); v; v = v->Next())
        if (v->X() == at.x && v->Y() == at.y) return Cpp_InterpolationTool::DeletePoint(*set, v);
    return false;
}

bool DeleteLoadPointAt(const Cpp_Selection& item, const s_tagTypePointXY& at) {
    Cpp_DistributedLoadData* loads = DistributedLoadsOf(item);
    if (!loads) return false;
    std::vector<s_DistributedLoadPoint> points = loads->GetPoints();
    const auto it = std::find_if(points.begin(), points.end(),
                                 [&at](const auto& p) { return p.x == at.x && p.y == at.y; });
    if (it == points.end()) return false;
    points.erase(it);
    loads->SetPoints(points);
    return true;
}

template <class List, class T>
bool Holds(const List& items, const T* wanted) {
    return std::any_of(items.begin(), items.end(),
                       [wanted](const auto& p) { return p.get() == wanted; });
}

}  // namespace selection_edit

using namespace selection_edit;

// ---------------------------------------------------------------------------------------------
// Liveness

bool Cpp_Selection::TargetExists() const {
    const s_SelectionReferences& r = refs_;
    Cpp_Kliven4DataSet* ds = dataSet_;
    if (Cpp_Line* line = LineOf(*this)) {
        if (FindSelectionKind(type_)->family == e_SelectionFamily::SlopeLine) {
            if (!ds || line != &ds->SlopeGeometry().GetSlopeLine()) return false;
        } else {
            Cpp_LineList* list = LineListOf(*this);
            if (!list || list->IndexOf(line) < 0) return false;
        }
        return !r.ref2 || line->ContainsPoint(static_cast<const Cpp_PointXY*>(r.ref2));
    }
    const s_SelectionKindRow* row = FindSelectionKind(type_);
    if (const auto op = row ? SelectionFamilyOps(row->family).targetExists : nullptr)
        return op(*this);
    return true;
}

namespace selection_family {

bool InterpolationTargetExists(const Cpp_Selection& item) {
    [[maybe_unused]] const s_SelectionReferences& r = item.GetItemReferences();
    [[maybe_unused]] Cpp_Kliven4DataSet* ds = item.GetDataSet();
    [[maybe_unused]] int index = 0;
    switch (item.GetType()) {
    case SEL_CP_POINT:
    case SEL_PRESSURE_POINT:
    case SEL_RSUBU_POINT:
    case SEL_STRENGTH_POINT: return InterpolationPointIndex(item) >= 0;
    case SEL_CP_NODE:
    case SEL_CP_TRIANGLE:
    case SEL_PRESSURE_NODE:
    case SEL_PRESSURE_TRIANGLE:
    case SEL_RSUBU_NODE:
    case SEL_RSUBU_TRIANGLE:
    case SEL_STRENGTH_NODE:
    case SEL_STRENGTH_TRIANGLE: return InterpolationSetOf(item) != nullptr;
    default: return true;
    }
}

bool DistributedLoadTargetExists(const Cpp_Selection& item) {
    [[maybe_unused]] const s_SelectionReferences& r = item.GetItemReferences();
    [[maybe_unused]] Cpp_Kliven4DataSet* ds = item.GetDataSet();
    [[maybe_unused]] int index = 0;
    switch (item.GetType()) {
    case SEL_LOAD_POINT:
    case SEL_LOAD_SEGMENT: return LoadPointIndex(item) >= 0;
    default: return true;
    }
}

bool LineLoadTargetExists(const Cpp_Selection& item) {
    [[maybe_unused]] const s_SelectionReferences& r = item.GetItemReferences();
    [[maybe_unused]] Cpp_Kliven4DataSet* ds = item.GetDataSet();
    [[maybe_unused]] int index = 0;
    switch (item.GetType()) {
    case SEL_LINE_LOAD:
    case SEL_LINE_LOAD_DRAWN: return LineLoadOf(item) != nullptr;
    default: return true;
    }
}

bool VariableCrackTargetExists(const Cpp_Selection& item) {
    [[maybe_unused]] const s_SelectionReferences& r = item.GetItemReferences();
    [[maybe_unused]] Cpp_Kliven4DataSet* ds = item.GetDataSet();
    [[maybe_unused]] int index = 0;
    switch (item.GetType()) {
    case SEL_VARIABLE_CRACK_POINT:
    case SEL_VARIABLE_CRACK_SEGMENT:
    case SEL_VARIABLE_WATER_POINT:
    case SEL_VARIABLE_WATER_SEGMENT: return CrackPointOf(item) != nullptr;
    default: return true;
    }
}

bool GeogridTargetExists(const Cpp_Selection& item) {
    [[maybe_unused]] const s_SelectionReferences& r = item.GetItemReferences();
    [[maybe_unused]] Cpp_Kliven4DataSet* ds = item.GetDataSet();
    [[maybe_unused]] int index = 0;
    switch (item.GetType()) {
    case SEL_GEOGRID_HEAD:
    case SEL_GEOGRID_END:
    case SEL_GEOGRID_LAYER:
        return ds && Holds(ds->Geogrids()->GetIndividualGeogridList().Geogrids(),
                           static_cast<const Cpp_Geogrid*>(r.ref1));
    default: return true;
    }
}

bool NailTargetExists(const Cpp_Selection& item) {
    [[maybe_unused]] const s_SelectionReferences& r = item.GetItemReferences();
    [[maybe_unused]] Cpp_Kliven4DataSet* ds = item.GetDataSet();
    [[maybe_unused]] int index = 0;
    switch (item.GetType()) {
    case SEL_NAIL_HEAD:
    case SEL_NAIL_END:
    case SEL_NAIL_BAR:
        return ds && Holds(ds->SoilNails()->GetIndividualNailList().Nails(),
                           static_cast<const Cpp_IndividualNail*>(r.ref1));
    default: return true;
    }
}

bool ConstructionCircleTargetExists(const Cpp_Selection& item) {
    [[maybe_unused]] const s_SelectionReferences& r = item.GetItemReferences();
    [[maybe_unused]] Cpp_Kliven4DataSet* ds = item.GetDataSet();
    [[maybe_unused]] int index = 0;
    switch (item.GetType()) {
    case SEL_CONSTRUCTION_CIRCLE:
        return Holds(GetConstructionCircleList().Circles(),
                     static_cast<const Cpp_ConstructionCircle*>(r.ref2));
    default: return true;
    }
}

bool RadiusDefinitionTargetExists(const Cpp_Selection& item) {
    [[maybe_unused]] const s_SelectionReferences& r = item.GetItemReferences();
    [[maybe_unused]] Cpp_Kliven4DataSet* ds = item.GetDataSet();
    [[maybe_unused]] int index = 0;
    switch (item.GetType()) {
    case SEL_DEFINITION_RADIUS:
    case SEL_DEFINITION_FIXED_POINT:
    case SEL_DEFINITION_HORIZONTAL_TANGENT: return RadiusDefinitionOf(item) != nullptr;
    case SEL_DEFINITION_TANGENT_POINT:
    case SEL_DEFINITION_TANGENT_SEGMENT: return TangentLineOf(item, index) != nullptr;
    default: return true;
    }
}

bool IrregularTangentTargetExists(const Cpp_Selection& item) {
    [[maybe_unused]] const s_SelectionReferences& r = item.GetItemReferences();
    [[maybe_unused]] Cpp_Kliven4DataSet* ds = item.GetDataSet();
    [[maybe_unused]] int index = 0;
    switch (item.GetType()) {
    case SEL_TANGENT_POINT:
    case SEL_TANGENT_SEGMENT: return TangentLineOf(item, index) != nullptr;
    default: return true;
    }
}

bool SlipSurfaceTargetExists(const Cpp_Selection& item) {
    [[maybe_unused]] const s_SelectionReferences& r = item.GetItemReferences();
    [[maybe_unused]] Cpp_Kliven4DataSet* ds = item.GetDataSet();
    [[maybe_unused]] int index = 0;
    switch (item.GetType()) {
    case SEL_NONCIRCULAR_POINT:
    case SEL_SLIP_SURFACE_SEGMENT: return NoncircularOf(item, index) != nullptr;
    default: return true;
    }
}

}  // namespace selection_family

const void* Cpp_Selection::TargetLine() const {
    if (Cpp_Line* line = LineOf(*this)) return line;
    const s_SelectionKindRow* row = FindSelectionKind(type_);
    if (const auto op = row ? SelectionFamilyOps(row->family).targetLine : nullptr)
        return op(*this);
    return nullptr;
}

namespace selection_family {

const void* GeogridTargetLine(const Cpp_Selection& item) {
    [[maybe_unused]] const s_SelectionReferences& r = item.GetItemReferences();
    [[maybe_unused]] Cpp_Kliven4DataSet* ds = item.GetDataSet();
    [[maybe_unused]] int index = 0;
    switch (item.GetType()) {
    case SEL_GEOGRID_HEAD:
    case SEL_GEOGRID_END:
    case SEL_GEOGRID_LAYER: return item.GetItemReferences().ref1;
    default: return nullptr;
    }
}

const void* NailTargetLine(const Cpp_Selection& item) {
    [[maybe_unused]] const s_SelectionReferences& r = item.GetItemReferences();
    [[maybe_unused]] Cpp_Kliven4DataSet* ds = item.GetDataSet();
    [[maybe_unused]] int index = 0;
    switch (item.GetType()) {
    case SEL_NAIL_HEAD:
    case SEL_NAIL_END:
    case SEL_NAIL_BAR: return item.GetItemReferences().ref1;
    default: return nullptr;
    }
}

const void* LineLoadTargetLine(const Cpp_Selection& item) {
    [[maybe_unused]] const s_SelectionReferences& r = item.GetItemReferences();
    [[maybe_unused]] Cpp_Kliven4DataSet* ds = item.GetDataSet();
    [[maybe_unused]] int index = 0;
    switch (item.GetType()) {
    case SEL_LINE_LOAD:
    case SEL_LINE_LOAD_DRAWN: return item.GetItemReferences().ref1;
    default: return nullptr;
    }
}

const void* RadiusDefinitionTargetLine(const Cpp_Selection& item) {
    [[maybe_unused]] const s_SelectionReferences& r = item.GetItemReferences();
    [[maybe_unused]] Cpp_Kliven4DataSet* ds = item.GetDataSet();
    [[maybe_unused]] int index = 0;
    switch (item.GetType()) {
    case SEL_DEFINITION_RADIUS:
    case SEL_DEFINITION_FIXED_POINT:
    case SEL_DEFINITION_HORIZONTAL_TANGENT:
    case SEL_DEFINITION_TANGENT_POINT:
    case SEL_DEFINITION_TANGENT_SEGMENT: return item.GetItemReferences().ref2;
    default: return nullptr;
    }
}

const void* ConstructionCircleTargetLine(const Cpp_Selection& item) {
    [[maybe_unused]] const s_SelectionReferences& r = item.GetItemReferences();
    [[maybe_unused]] Cpp_Kliven4DataSet* ds = item.GetDataSet();
    [[maybe_unused]] int index = 0;
    switch (item.GetType()) {
    case SEL_CONSTRUCTION_CIRCLE: return item.GetItemReferences().ref2;
    default: return nullptr;
    }
}

const void* IrregularTangentTargetLine(const Cpp_Selection& item) {
    [[maybe_unused]] const s_SelectionReferences& r = item.GetItemReferences();
    [[maybe_unused]] Cpp_Kliven4DataSet* ds = item.GetDataSet();
    [[maybe_unused]] int index = 0;
    switch (item.GetType()) {
    case SEL_TANGENT_POINT:
    case SEL_TANGENT_SEGMENT: return TangentLineOf(item, index);
    default: return nullptr;
    }
}

const void* SlipSurfaceTargetLine(const Cpp_Selection& item) {
    [[maybe_unused]] const s_SelectionReferences& r = item.GetItemReferences();
    [[maybe_unused]] Cpp_Kliven4DataSet* ds = item.GetDataSet();
    [[maybe_unused]] int index = 0;
    switch (item.GetType()) {
    case SEL_NONCIRCULAR_POINT:
    case SEL_SLIP_SURFACE_SEGMENT: return item.GetItemReferences().ref1;
    default: return nullptr;
    }
}

}  // namespace selection_family

// ---------------------------------------------------------------------------------------------
// Deleting

bool Cpp_Selection::DeleteAll() const {
    const s_SelectionKindRow* row = FindSelectionKind(type_);
    if (const auto op = row ? SelectionFamilyOps(row->family).deleteAll : nullptr) return op(*this);
    return false;
}

namespace selection_family {

bool ConstructionLineDeleteAll(const Cpp_Selection& item) {
    [[maybe_unused]] const s_SelectionReferences& r = item.GetItemReferences();
    [[maybe_unused]] Cpp_Kliven4DataSet* ds = item.GetDataSet();
    [[maybe_unused]] int index = 0;
    switch (item.GetType()) {
    case SEL_CONSTRUCTION_SEGMENT:
    case SEL_CONSTRUCTION_POINT: DeleteAllConstructionLines(); return true;
    default: return false;
    }
}

bool InterpolationDeleteAll(const Cpp_Selection& item) {
    [[maybe_unused]] const s_SelectionReferences& r = item.GetItemReferences();
    [[maybe_unused]] Cpp_Kliven4DataSet* ds = item.GetDataSet();
    [[maybe_unused]] int index = 0;
    switch (item.GetType()) {
    case SEL_CP_POINT:
    case SEL_PRESSURE_POINT:
    case SEL_RSUBU_POINT:
    case SEL_STRENGTH_POINT: {
        Cpp_InterpolationData* data = InterpolationOf(item);
        if (!data) return false;
        const int kind = item.GetType() == SEL_CP_POINT         ? 5
                         : item.GetType() == SEL_PRESSURE_POINT ? 1
                         : item.GetType() == SEL_RSUBU_POINT    ? 2
                                                                : 3;
        data->DeleteDataSetsOfKind(kind);
        return true;
    }
    default: return false;
    }
}

bool DistributedLoadDeleteAll(const Cpp_Selection& item) {
    [[maybe_unused]] const s_SelectionReferences& r = item.GetItemReferences();
    [[maybe_unused]] Cpp_Kliven4DataSet* ds = item.GetDataSet();
    [[maybe_unused]] int index = 0;
    switch (item.GetType()) {
    case SEL_LOAD_POINT:
    case SEL_LOAD_SEGMENT:
    case SEL_NORMAL_LOAD_INTERVAL:
    case SEL_SHEAR_LOAD_INTERVAL:
        if (Cpp_DistributedLoadData* loads = DistributedLoadsOf(item)) {
            loads->DeleteAllPoints();
            return true;
        }
        return false;
    default: return false;
    }
}

bool LineLoadDeleteAll(const Cpp_Selection& item) {
    [[maybe_unused]] const s_SelectionReferences& r = item.GetItemReferences();
    [[maybe_unused]] Cpp_Kliven4DataSet* ds = item.GetDataSet();
    [[maybe_unused]] int index = 0;
    switch (item.GetType()) {
    case SEL_LINE_LOAD:
    case SEL_LINE_LOAD_DRAWN:
        if (Cpp_LineLoadList* loads = LineLoadsOf(item)) {
            loads->DeleteAll();
            return true;
        }
        return false;
    default: return false;
    }
}

bool PiezometricLineDeleteAll(const Cpp_Selection& item) {
    [[maybe_unused]] const s_SelectionReferences& r = item.GetItemReferences();
    [[maybe_unused]] Cpp_Kliven4DataSet* ds = item.GetDataSet();
    [[maybe_unused]] int index = 0;
    switch (item.GetType()) {
    case SEL_PIEZOMETRIC_POINT:
    case SEL_PIEZOMETRIC_SEGMENT:
    case SEL_PIEZOMETRIC_LABEL:
        if (Cpp_LineList* list = LineListOf(item)) {
            list->Clear();
            return true;
        }
        return false;
    default: return false;
    }
}

bool RadiusDefinitionDeleteAll(const Cpp_Selection& item) {
    [[maybe_unused]] const s_SelectionReferences& r = item.GetItemReferences();
    [[maybe_unused]] Cpp_Kliven4DataSet* ds = item.GetDataSet();
    [[maybe_unused]] int index = 0;
    switch (item.GetType()) {
    case SEL_DEFINITION_RADIUS:
    case SEL_DEFINITION_FIXED_POINT:
    case SEL_DEFINITION_HORIZONTAL_TANGENT:
    case SEL_DEFINITION_TANGENT_POINT:
    case SEL_DEFINITION_TANGENT_SEGMENT:
        if (!ds) return false;
        ds->AnalysisComputationData()->GetRadiusDefinitionList().DeleteAll();
        return true;
    default: return false;
    }
}

bool ReinforcementDeleteAll(const Cpp_Selection& item) {
    [[maybe_unused]] const s_SelectionReferences& r = item.GetItemReferences();
    [[maybe_unused]] Cpp_Kliven4DataSet* ds = item.GetDataSet();
    [[maybe_unused]] int index = 0;
    switch (item.GetType()) {
    case SEL_REINFORCEMENT_POINT:
    case SEL_REINFORCEMENT_INTERVAL:
    case SEL_LONGITUDINAL_FORCE:
    case SEL_TRANSVERSE_FORCE:
        if (!ds) return false;
        ds->ReinforcementLines()->DeleteAllLines();
        return true;
    default: return false;
    }
}

}  // namespace selection_family

bool Cpp_Selection::DeleteEntireLine(bool& repaint) const {
    repaint = false;
    if (!TargetExists()) return false;
    const s_SelectionKindRow* row = FindSelectionKind(type_);
    if (const auto op = row ? SelectionFamilyOps(row->family).deleteEntireLine : nullptr)
        return op(*this, repaint);
    return false;
}

namespace selection_family {

bool ConstructionLineDeleteEntireLine(const Cpp_Selection& item, [[maybe_unused]] bool& repaint) {
    [[maybe_unused]] const s_SelectionReferences& r = item.GetItemReferences();
    [[maybe_unused]] Cpp_Kliven4DataSet* ds = item.GetDataSet();
    [[maybe_unused]] int index = 0;
    switch (item.GetType()) {
    case SEL_CONSTRUCTION_SEGMENT:
    case SEL_CONSTRUCTION_POINT: return LineListOf(item)->RemoveLine(LineOf(item));
    default: return false;
    }
}

bool ProfileLineDeleteEntireLine(const Cpp_Selection& item, [[maybe_unused]] bool& repaint) {
    [[maybe_unused]] const s_SelectionReferences& r = item.GetItemReferences();
    [[maybe_unused]] Cpp_Kliven4DataSet* ds = item.GetDataSet();
    [[maybe_unused]] int index = 0;
    switch (item.GetType()) {
    case SEL_PROFILE_POINT:
    case SEL_PROFILE_SEGMENT: return LineListOf(item)->RemoveLine(LineOf(item));
    default: return false;
    }
}

bool PiezometricLineDeleteEntireLine(const Cpp_Selection& item, [[maybe_unused]] bool& repaint) {
    [[maybe_unused]] const s_SelectionReferences& r = item.GetItemReferences();
    [[maybe_unused]] Cpp_Kliven4DataSet* ds = item.GetDataSet();
    [[maybe_unused]] int index = 0;
    switch (item.GetType()) {
    case SEL_PIEZOMETRIC_POINT:
    case SEL_PIEZOMETRIC_SEGMENT: return LineListOf(item)->RemoveLine(LineOf(item));
    default: return false;
    }
}

bool ReinforcementDeleteEntireLine(const Cpp_Selection& item, [[maybe_unused]] bool& repaint) {
    [[maybe_unused]] const s_SelectionReferences& r = item.GetItemReferences();
    [[maybe_unused]] Cpp_Kliven4DataSet* ds = item.GetDataSet();
    [[maybe_unused]] int index = 0;
    switch (item.GetType()) {
    case SEL_REINFORCEMENT_POINT:
    case SEL_REINFORCEMENT_INTERVAL:
        repaint = true;
        return ds->ReinforcementLines()->DeleteLine(LineOf(item));
    default: return false;
    }
}

bool GeogridDeleteEntireLine(const Cpp_Selection& item, [[maybe_unused]] bool& repaint) {
    [[maybe_unused]] const s_SelectionReferences& r = item.GetItemReferences();
    [[maybe_unused]] Cpp_Kliven4DataSet* ds = item.GetDataSet();
    [[maybe_unused]] int index = 0;
    switch (item.GetType()) {
    case SEL_GEOGRID_HEAD:
    case SEL_GEOGRID_END:
    case SEL_GEOGRID_LAYER:
        return ds->Geogrids()->GetIndividualGeogridList().DeleteGeogrid(
            static_cast<Cpp_Geogrid*>(item.GetItemReferences().ref1));
    default: return false;
    }
}

bool NailDeleteEntireLine(const Cpp_Selection& item, [[maybe_unused]] bool& repaint) {
    [[maybe_unused]] const s_SelectionReferences& r = item.GetItemReferences();
    [[maybe_unused]] Cpp_Kliven4DataSet* ds = item.GetDataSet();
    [[maybe_unused]] int index = 0;
    switch (item.GetType()) {
    case SEL_NAIL_HEAD:
    case SEL_NAIL_END:
    case SEL_NAIL_BAR:
        return ds->SoilNails()->GetIndividualNailList().DeleteNail(
            static_cast<Cpp_IndividualNail*>(item.GetItemReferences().ref1));
    default: return false;
    }
}

bool RadiusDefinitionDeleteEntireLine(const Cpp_Selection& item, [[maybe_unused]] bool& repaint) {
    [[maybe_unused]] const s_SelectionReferences& r = item.GetItemReferences();
    [[maybe_unused]] Cpp_Kliven4DataSet* ds = item.GetDataSet();
    [[maybe_unused]] int index = 0;
    switch (item.GetType()) {
    case SEL_DEFINITION_TANGENT_POINT:
    case SEL_DEFINITION_TANGENT_SEGMENT:
        return ds->AnalysisComputationData()->GetRadiusDefinitionList().RemoveNth(
            RadiusDefinitionNumber(item));
    default: return false;
    }
}

bool SlipSurfaceDeleteEntireLine(const Cpp_Selection& item, [[maybe_unused]] bool& repaint) {
    [[maybe_unused]] const s_SelectionReferences& r = item.GetItemReferences();
    [[maybe_unused]] Cpp_Kliven4DataSet* ds = item.GetDataSet();
    [[maybe_unused]] int index = 0;
    switch (item.GetType()) {
    case SEL_NONCIRCULAR_POINT:
    case SEL_SLIP_SURFACE_SEGMENT: NoncircularOf(item, index)->DeleteAllPoints(); return true;
    default: return false;
    }
}

bool SlopeLineDeleteEntireLine(const Cpp_Selection& item, [[maybe_unused]] bool& repaint) {
    [[maybe_unused]] const s_SelectionReferences& r = item.GetItemReferences();
    [[maybe_unused]] Cpp_Kliven4DataSet* ds = item.GetDataSet();
    [[maybe_unused]] int index = 0;
    switch (item.GetType()) {
    case SEL_SLOPE_POINT:
    case SEL_SLOPE_SEGMENT: LineOf(item)->DeleteAllPoints(); return true;
    default: return false;
    }
}

bool IrregularTangentDeleteEntireLine(const Cpp_Selection& item, [[maybe_unused]] bool& repaint) {
    [[maybe_unused]] const s_SelectionReferences& r = item.GetItemReferences();
    [[maybe_unused]] Cpp_Kliven4DataSet* ds = item.GetDataSet();
    [[maybe_unused]] int index = 0;
    switch (item.GetType()) {
    case SEL_TANGENT_POINT:
    case SEL_TANGENT_SEGMENT: {
        Cpp_TangentLine* line = TangentLineOf(item, index);
        if (!TangentLineKeepsTwoPoints(*line, line->Points().size())) return false;
        line->DeleteAllPoints();
        return true;
    }
    default: return false;
    }
}

}  // namespace selection_family

bool Cpp_Selection::DeleteSegment() const {
    if (!TargetExists()) return false;
    const s_SelectionKindRow* row = FindSelectionKind(type_);
    if (const auto op = row ? SelectionFamilyOps(row->family).deleteSegment : nullptr)
        return op(*this);
    return false;
}

namespace selection_family {

bool ConstructionLineDeleteSegment(const Cpp_Selection& item) {
    [[maybe_unused]] const s_SelectionReferences& r = item.GetItemReferences();
    [[maybe_unused]] Cpp_Kliven4DataSet* ds = item.GetDataSet();
    [[maybe_unused]] int index = 0;
    switch (item.GetType()) {
    case SEL_CONSTRUCTION_SEGMENT:
        return LineListOf(item)->DeleteSegment(LineOf(item), PointOf(item));
    default: return false;
    }
}

bool ProfileLineDeleteSegment(const Cpp_Selection& item) {
    [[maybe_unused]] const s_SelectionReferences& r = item.GetItemReferences();
    [[maybe_unused]] Cpp_Kliven4DataSet* ds = item.GetDataSet();
    [[maybe_unused]] int index = 0;
    switch (item.GetType()) {
    case SEL_PROFILE_SEGMENT: return LineListOf(item)->DeleteSegment(LineOf(item), PointOf(item));
    default: return false;
    }
}

bool PiezometricLineDeleteSegment(const Cpp_Selection& item) {
    [[maybe_unused]] const s_SelectionReferences& r = item.GetItemReferences();
    [[maybe_unused]] Cpp_Kliven4DataSet* ds = item.GetDataSet();
    [[maybe_unused]] int index = 0;
    switch (item.GetType()) {
    case SEL_PIEZOMETRIC_SEGMENT:
        return LineListOf(item)->DeleteSegment(LineOf(item), PointOf(item));
    default: return false;
    }
}

bool ReinforcementDeleteSegment(const Cpp_Selection& item) {
    [[maybe_unused]] const s_SelectionReferences& r = item.GetItemReferences();
    [[maybe_unused]] Cpp_Kliven4DataSet* ds = item.GetDataSet();
    [[maybe_unused]] int index = 0;
    switch (item.GetType()) {
    case SEL_REINFORCEMENT_INTERVAL:
        return LineListOf(item)->DeleteSegment(LineOf(item), PointOf(item));
    default: return false;
    }
}

bool SlopeLineDeleteSegment(const Cpp_Selection& item) {
    [[maybe_unused]] const s_SelectionReferences& r = item.GetItemReferences();
    [[maybe_unused]] Cpp_Kliven4DataSet* ds = item.GetDataSet();
    [[maybe_unused]] int index = 0;
    switch (item.GetType()) {
    case SEL_SLOPE_SEGMENT: {
        // The two end points of the segment go; the slope line itself stays.
        Cpp_Line* line = LineOf(item);
        Cpp_PointXY* first = PointOf(item);
        Cpp_PointXY* second = first->Next();
        line->RemovePoint(first);
        if (second) line->RemovePoint(second);
        line->NumberPoints();
        return true;
    }
    default: return false;
    }
}

bool SlipSurfaceDeleteSegment(const Cpp_Selection& item) {
    [[maybe_unused]] const s_SelectionReferences& r = item.GetItemReferences();
    [[maybe_unused]] Cpp_Kliven4DataSet* ds = item.GetDataSet();
    [[maybe_unused]] int index = 0;
    switch (item.GetType()) {
    case SEL_SLIP_SURFACE_SEGMENT: {
        Cpp_NoncircularShearSurface* surface = NoncircularOf(item, index);
        if (index + 1 < surface->NumberOfPoints()) surface->RemovePoint(index + 1);
        surface->RemovePoint(index);
        surface->NumberPoints();
        return true;
    }
    default: return false;
    }
}

bool RadiusDefinitionDeleteSegment(const Cpp_Selection& item) {
    [[maybe_unused]] const s_SelectionReferences& r = item.GetItemReferences();
    [[maybe_unused]] Cpp_Kliven4DataSet* ds = item.GetDataSet();
    [[maybe_unused]] int index = 0;
    switch (item.GetType()) {
    case SEL_DEFINITION_TANGENT_SEGMENT:
        TangentLineOf(item, index);
        return item.GetDataSet()
            ->AnalysisComputationData()
            ->GetRadiusDefinitionList()
            .RemoveOrEditTangentPoint(RadiusDefinitionOf(item), index);
    default: return false;
    }
}

bool DistributedLoadDeleteSegment(const Cpp_Selection& item) {
    [[maybe_unused]] const s_SelectionReferences& r = item.GetItemReferences();
    [[maybe_unused]] Cpp_Kliven4DataSet* ds = item.GetDataSet();
    [[maybe_unused]] int index = 0;
    switch (item.GetType()) {
    case SEL_LOAD_SEGMENT: {
        // As a line's segment: a load of more than three points loses the segment's two end
        // points, a shorter one goes whole.
        Cpp_DistributedLoadData* loads = DistributedLoadsOf(item);
        auto* start = static_cast<Cpp_DistributedLoadPoint*>(item.GetItemReferences().ref1);
        Cpp_DistributedLoadPoint* end = start->NextPoint();
        if (!end) return false;
        if (loads->Count() <= 3) {
            loads->DeleteAllPoints();
            return true;
        }
        loads->DeletePoint(start);
        loads->DeletePoint(end);
        return true;
    }
    default: return false;
    }
}

bool IrregularTangentDeleteSegment(const Cpp_Selection& item) {
    [[maybe_unused]] const s_SelectionReferences& r = item.GetItemReferences();
    [[maybe_unused]] Cpp_Kliven4DataSet* ds = item.GetDataSet();
    [[maybe_unused]] int index = 0;
    switch (item.GetType()) {
    case SEL_TANGENT_SEGMENT: {
        Cpp_TangentLine* line = TangentLineOf(item, index);
        auto& points = line->Points();
        const auto last = std::min(points.size(), static_cast<size_t>(index) + 2);
        if (!TangentLineKeepsTwoPoints(*line, last - static_cast<size_t>(index))) return false;
        points.erase(points.begin() + index, points.begin() + static_cast<long>(last));
        return true;
    }
    default: return false;
    }
}

}  // namespace selection_family

bool Cpp_Selection::DeletePoint() const {
    if (!TargetExists()) return false;
    const s_SelectionKindRow* row = FindSelectionKind(type_);
    if (const auto op = row ? SelectionFamilyOps(row->family).deletePoint : nullptr)
        return op(*this);
    return false;
}

namespace selection_family {

bool ConstructionLineDeletePoint(const Cpp_Selection& item) {
    [[maybe_unused]] const s_SelectionReferences& r = item.GetItemReferences();
    [[maybe_unused]] Cpp_Kliven4DataSet* ds = item.GetDataSet();
    [[maybe_unused]] int index = 0;
    switch (item.GetType()) {
    case SEL_CONSTRUCTION_POINT: {
        Cpp_Line* line = LineOf(item);
        const bool done = LineListOf(item)->DeletePoint(line, PointOf(item));
        if (LineListOf(item)->IndexOf(line) >= 0) line->NumberPoints();
        return done;
    }
    default: return false;
    }
}

bool ProfileLineDeletePoint(const Cpp_Selection& item) {
    [[maybe_unused]] const s_SelectionReferences& r = item.GetItemReferences();
    [[maybe_unused]] Cpp_Kliven4DataSet* ds = item.GetDataSet();
    [[maybe_unused]] int index = 0;
    switch (item.GetType()) {
    case SEL_PROFILE_POINT: {
        Cpp_Line* line = LineOf(item);
        const bool done = LineListOf(item)->DeletePoint(line, PointOf(item));
        if (LineListOf(item)->IndexOf(line) >= 0) line->NumberPoints();
        return done;
    }
    default: return false;
    }
}

bool PiezometricLineDeletePoint(const Cpp_Selection& item) {
    [[maybe_unused]] const s_SelectionReferences& r = item.GetItemReferences();
    [[maybe_unused]] Cpp_Kliven4DataSet* ds = item.GetDataSet();
    [[maybe_unused]] int index = 0;
    switch (item.GetType()) {
    case SEL_PIEZOMETRIC_POINT: {
        Cpp_Line* line = LineOf(item);
        const bool done = LineListOf(item)->DeletePoint(line, PointOf(item));
        if (LineListOf(item)->IndexOf(line) >= 0) line->NumberPoints();
        return done;
    }
    default: return false;
    }
}

bool ReinforcementDeletePoint(const Cpp_Selection& item) {
    [[maybe_unused]] const s_SelectionReferences& r = item.GetItemReferences();
    [[maybe_unused]] Cpp_Kliven4DataSet* ds = item.GetDataSet();
    [[maybe_unused]] int index = 0;
    switch (item.GetType()) {
    case SEL_REINFORCEMENT_POINT:
        return ds->ReinforcementLines()->DeletePoint(LineOf(item), PointOf(item));
    default: return false;
    }
}

bool InterpolationDeletePoint(const Cpp_Selection& item) {
    [[maybe_unused]] const s_SelectionReferences& r = item.GetItemReferences();
    [[maybe_unused]] Cpp_Kliven4DataSet* ds = item.GetDataSet();
    [[maybe_unused]] int index = 0;
    switch (item.GetType()) {
    case SEL_CP_POINT:
    case SEL_PRESSURE_POINT:
    case SEL_RSUBU_POINT:
    case SEL_STRENGTH_POINT: return DeleteInterpolationPointAt(item, item.GetItemPosition());
    default: return false;
    }
}

bool DistributedLoadDeletePoint(const Cpp_Selection& item) {
    [[maybe_unused]] const s_SelectionReferences& r = item.GetItemReferences();
    [[maybe_unused]] Cpp_Kliven4DataSet* ds = item.GetDataSet();
    [[maybe_unused]] int index = 0;
    switch (item.GetType()) {
    case SEL_LOAD_POINT: return DeleteLoadPointAt(item, item.GetItemPosition());
    default: return false;
    }
}

bool SlipSurfaceDeletePoint(const Cpp_Selection& item) {
    [[maybe_unused]] const s_SelectionReferences& r = item.GetItemReferences();
    [[maybe_unused]] Cpp_Kliven4DataSet* ds = item.GetDataSet();
    [[maybe_unused]] int index = 0;
    switch (item.GetType()) {
    case SEL_NONCIRCULAR_POINT: {
        // A surface of two points goes whole.
        Cpp_NoncircularShearSurface* surface = NoncircularOf(item, index);
        return Cpp_NoncircularTool::DeletePoint(surface, index);
    }
    default: return false;
    }
}

bool SlopeLineDeletePoint(const Cpp_Selection& item) {
    [[maybe_unused]] const s_SelectionReferences& r = item.GetItemReferences();
    [[maybe_unused]] Cpp_Kliven4DataSet* ds = item.GetDataSet();
    [[maybe_unused]] int index = 0;
    switch (item.GetType()) {
    case SEL_SLOPE_POINT: {
        Cpp_Line* line = LineOf(item);
        line->RemovePoint(PointOf(item));
        line->NumberPoints();
        return true;
    }
    default: return false;
    }
}

bool IrregularTangentDeletePoint(const Cpp_Selection& item) {
    [[maybe_unused]] const s_SelectionReferences& r = item.GetItemReferences();
    [[maybe_unused]] Cpp_Kliven4DataSet* ds = item.GetDataSet();
    [[maybe_unused]] int index = 0;
    switch (item.GetType()) {
    case SEL_TANGENT_POINT: {
        Cpp_TangentLine* line = TangentLineOf(item, index);
        if (line->GetOption() != Cpp_TangentLine::kIrregular) return false;
        // A radius definition keeps a tangent line of two points or more: with fewer it would
        // be saved as one that no reader accepts, so the definition goes whole.
        if (item.GetType() == SEL_DEFINITION_TANGENT_POINT && line->Points().size() <= 2)
            return item.DeleteRadiusDefinition();
        if (item.GetType() == SEL_TANGENT_POINT && !TangentLineKeepsTwoPoints(*line, 1))
            return false;
        line->Points().erase(line->Points().begin() + index);
        return true;
    }
    default: return false;
    }
}

bool RadiusDefinitionDeletePoint(const Cpp_Selection& item) {
    [[maybe_unused]] const s_SelectionReferences& r = item.GetItemReferences();
    [[maybe_unused]] Cpp_Kliven4DataSet* ds = item.GetDataSet();
    [[maybe_unused]] int index = 0;
    switch (item.GetType()) {
    case SEL_DEFINITION_TANGENT_POINT: {
        Cpp_TangentLine* line = TangentLineOf(item, index);
        if (line->GetOption() != Cpp_TangentLine::kIrregular) return false;
        // A radius definition keeps a tangent line of two points or more: with fewer it would
        // be saved as one that no reader accepts, so the definition goes whole.
        if (item.GetType() == SEL_DEFINITION_TANGENT_POINT && line->Points().size() <= 2)
            return item.DeleteRadiusDefinition();
        if (item.GetType() == SEL_TANGENT_POINT && !TangentLineKeepsTwoPoints(*line, 1))
            return false;
        line->Points().erase(line->Points().begin() + index);
        return true;
    }
    default: return false;
    }
}

bool VariableCrackDeletePoint(const Cpp_Selection& item) {
    [[maybe_unused]] const s_SelectionReferences& r = item.GetItemReferences();
    [[maybe_unused]] Cpp_Kliven4DataSet* ds = item.GetDataSet();
    [[maybe_unused]] int index = 0;
    switch (item.GetType()) {
    case SEL_VARIABLE_CRACK_POINT:
        CrackListOf(item)->DeletePoint(CrackPointOf(item));
        ComputeCrackBottom(*ds, nullptr);
        ComputeCrackWaterLevels(*ds);
        return true;
    case SEL_VARIABLE_WATER_POINT:
        CrackListOf(item)->DeletePoint(CrackPointOf(item));
        ComputeCrackWaterLevels(*ds);
        return true;
    default: return false;
    }
}

}  // namespace selection_family

bool Cpp_Selection::DeleteLineLoad() const {
    Cpp_LineLoad* load = LineLoadOf(*this);
    return load && LineLoadsOf(*this)->DeleteLoad(load);
}

bool Cpp_Selection::DeleteRadiusDefinition() const {
    const int n = RadiusDefinitionNumber(*this);
    if (n == 0) return false;
    return dataSet_->AnalysisComputationData()->GetRadiusDefinitionList().RemoveNth(n);
}

bool Cpp_Selection::DeleteConstructionCircle() const {
    if (type_ != SEL_CONSTRUCTION_CIRCLE || !TargetExists()) return false;
    return GetConstructionCircleList().DeleteCircle(
        static_cast<const Cpp_ConstructionCircle*>(refs_.ref2));
}

bool Cpp_Selection::DeleteTrianglesOutsideMaterial() const {
    Cpp_InterpolationDataSet* set = InterpolationSetOf(*this);
    if (!set || !dataSet_) return false;
    return ::DeleteTrianglesOutsideMaterial(*dataSet_, *set, stage_ == 2 ? 2 : 1);
}

bool Cpp_Selection::RetriangulateDataSet() const {
    Cpp_InterpolationDataSet* set = InterpolationSetOf(*this);
    if (!set) return false;
    set->GetContours().DeleteAll();
    set->Triangulate(static_cast<short>(stage_ == 2 ? 2 : 1));
    return true;
}
