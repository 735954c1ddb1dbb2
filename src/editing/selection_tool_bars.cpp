// Loading a selected item into the tool dialog bar of its kind: the bar is shown with the entry
// option of a selected point (2) or of a selected segment or whole item (3), then the item's
// values go in through the bar's setters.

#include "editing/selection.h"
#include "editing/selection_family_ops.h"
#include "editing/selection_kinds.h"

#include "analysis/analysis_computation_data.h"
#include "analysis/fixed_search_grid.h"
#include "analysis/noncircular_shear_surface.h"
#include "analysis/radius_definition.h"
#include "analysis/tangent_line.h"
#include "editing/circle_tool.h"
#include "editing/construction_items.h"
#include "editing/selection_list.h"
#include "editing/tool_dialog_bars.h"
#include "editing/view_input.h"
#include "editing/view_navigation.h"
#include "graphics/line.h"
#include "loads/distributed_load_data.h"
#include "loads/geogrid_data.h"
#include "loads/line_load.h"
#include "loads/nail_data.h"
#include "loads/reinforcement_line.h"
#include "model/data_set.h"
#include "porepressure/interpolation_data.h"
#include "porepressure/piezometric_line.h"
#include "porepressure/vertex.h"
#include "profile/crack.h"
#include "profile/profile_line.h"

namespace {

const std::string& DescriptionOf(const Cpp_Line& line) {
    static const std::string none;
    return line.HasDescription() ? line.Description() : none;
}

// A selected circle centre (53) or grid corner (46): modes 1 and 3 show the bar for a selected
// centre, mode 4 for a selected grid.
bool UpdateCircleToolBar(const Cpp_AnalysisComputationData& a, int corner) {
    int mode = 0, kind = 0;
    bool irregular = false;
    double x = 0, y = 0, first = 0, second = 0;
    if (!a.IsCircular() ||
        !Cpp_CircleTool::GetCircleToolData(a, corner, mode, x, y, kind, irregular, first, second))
        return true;
    const int option = mode == 1 || mode == 3 ? 2 : mode == 4 ? 3 : 0;
    if (option == 0) return true;
    CmDialogBarCircleTool& bar = TheToolBars().circle;
    ShowToolBar(BarCircle, true, option);
    bar.SetCircleData(mode, x, y, kind, irregular, first, second);
    bar.SetEntryOption(option);
    return true;
}

// A selected radius item of an individual circle or a floating-grid search (7, 40, 52, and the
// irregular tangent's point 142 at (x, y)).
bool RadiusToolUpdateBar(const Cpp_AnalysisComputationData& a, double x, double y) {
    if (!a.IsCircular() || (a.GetMode() != 1 && a.GetMode() != 3)) return true;
    CmDialogBarRadiusTool& bar = TheToolBars().radius;
    ShowToolBar(BarRadius, true, 2);
    bar.ArrangeControls();
    const Cpp_TangentLine* tangent = a.GetTangentLine();
    const bool irregular = tangent && tangent->GetOption() == Cpp_TangentLine::kIrregular;
    switch (a.GetRadiusOption()) {
    case 0:
        bar.SetValueFields(0, false, false);
        bar.SetRadiusData(0, false, a.GetRadius(), 0);
        break;
    case 1:
        bar.SetValueFields(1, false, false);
        bar.SetRadiusData(1, false, a.GetThroughPointX(), a.GetThroughPointY());
        break;
    case 2:
        bar.SetValueFields(2, irregular, false);
        if (irregular)
            bar.SetRadiusData(2, true, x, y);
        else
            bar.SetRadiusData(2, false, tangent ? tangent->GetElevation() : 0, 0);
        break;
    default: break;
    }
    return true;
}

// A point of the tension crack (56) or of the water in it (58), or either as a whole (57, 59).
bool UpdateCrackToolBar(const Cpp_Crack& crack, bool crackList, const Cpp_CrackPoint* point) {
    CmDialogBarCrackTool& bar = TheToolBars().crack;
    const int option = crackList ? crack.GetCrackOption() : crack.GetWaterOption();
    const bool constant = option == 1 || option == 2;
    // The radios first: the entry option of a selected point enables the kind for a constant
    // crack only.
    bar.variable_ = constant ? 0 : 1;
    bar.UpdateData(false);
    ShowToolBar(BarCrack, true, point ? 2 : 3);
    bar.SetCrackOrWaterMode(crackList);
    const double value =
        constant ? (crackList ? crack.GetCrackConstant() : crack.GetWaterConstant()) : 0.0;
    bar.SetCrackData(crackList, option == 1 || option == 3, constant, value,
                     crack.GetUnitWeightOfWater());
    if (point) bar.SetXAndValue(point->X(), point->Value());
    return true;
}

}  // namespace

void InterpolationHeadChecked(bool head) {
    CmDialogBarInterpolationTool& bar = TheToolBars().interpolation;
    if (bar.GetEntryOption() != 2 || bar.GetInterpolationKind() != 1) return;
    const Cpp_Selection* first = GetCurrentSelection().GetNth(1);
    if (!first || first->GetType() != SEL_PRESSURE_POINT) return;
    auto* set = static_cast<Cpp_InterpolationDataSet*>(first->GetItemReferences().ref1);
    const auto* vertex = static_cast<const Cpp_VERTEX*>(first->GetItemReferences().ref2);
    if (!set || set->Kind() != 1) return;
    set->SetOptionFlag(head);
    if (vertex) bar.SetValue(head ? vertex->SecondValue() : vertex->FirstValue());
    if (ViewInputHost* view = GetViewWindow()) view->InvalidateView();
}

bool Cpp_Selection::UpdateToolBars() const {
    const s_SelectionKindRow* row = FindSelectionKind(type_);
    if (const SelectionBarOp bar = row ? SelectionFamilyOps(row->family).bar : nullptr)
        return bar(*this);
    HideCurrentToolBar();
    return false;
}

namespace selection_family {

namespace {
// A kind without a bar hides the shown bar.
bool NoBar() {
    HideCurrentToolBar();
    return false;
}
}  // namespace

bool ConstructionLineBar(const Cpp_Selection& item) {
    [[maybe_unused]] ToolDialogBars& bars = TheToolBars();
    [[maybe_unused]] const s_SelectionReferences& r = item.GetItemReferences();
    [[maybe_unused]] Cpp_Kliven4DataSet* ds = item.GetDataSet();
    [[maybe_unused]] const int kind = item.GetType();
    [[maybe_unused]] const auto* line = static_cast<const Cpp_Line*>(r.ref1);
    [[maybe_unused]] const auto* point = static_cast<const Cpp_PointXY*>(r.ref2);
    [[maybe_unused]] Cpp_AnalysisComputationData* analysis =
        ds ? ds->AnalysisComputationData() : nullptr;
    switch (kind) {
    case SEL_CONSTRUCTION_POINT:
        ShowToolBar(BarConstruction, true, 3);
        if (point) bars.construction.SetPoint(point->X(), point->Y());
        return true;
    case SEL_CONSTRUCTION_SEGMENT:
        ShowToolBar(BarConstruction, true, 4);
        bars.construction.SetPoint(0, 0);
        return true;
    default: return NoBar();
    }
}

bool ConstructionCircleBar(const Cpp_Selection& item) {
    [[maybe_unused]] ToolDialogBars& bars = TheToolBars();
    [[maybe_unused]] const s_SelectionReferences& r = item.GetItemReferences();
    [[maybe_unused]] Cpp_Kliven4DataSet* ds = item.GetDataSet();
    [[maybe_unused]] const int kind = item.GetType();
    [[maybe_unused]] const auto* line = static_cast<const Cpp_Line*>(r.ref1);
    [[maybe_unused]] const auto* point = static_cast<const Cpp_PointXY*>(r.ref2);
    [[maybe_unused]] Cpp_AnalysisComputationData* analysis =
        ds ? ds->AnalysisComputationData() : nullptr;
    switch (kind) {
    case SEL_CONSTRUCTION_CIRCLE:
        ShowToolBar(BarConstruction, true, 2);
        if (r.ref2)
            bars.construction.SetFromConstructionCircle(
                *static_cast<const Cpp_ConstructionCircle*>(r.ref2));
        return true;
    default: return NoBar();
    }
}

bool ProfileLineBar(const Cpp_Selection& item) {
    [[maybe_unused]] ToolDialogBars& bars = TheToolBars();
    [[maybe_unused]] const s_SelectionReferences& r = item.GetItemReferences();
    [[maybe_unused]] Cpp_Kliven4DataSet* ds = item.GetDataSet();
    [[maybe_unused]] const int kind = item.GetType();
    [[maybe_unused]] const auto* line = static_cast<const Cpp_Line*>(r.ref1);
    [[maybe_unused]] const auto* point = static_cast<const Cpp_PointXY*>(r.ref2);
    [[maybe_unused]] Cpp_AnalysisComputationData* analysis =
        ds ? ds->AnalysisComputationData() : nullptr;
    switch (kind) {
    case SEL_PROFILE_POINT:
    case SEL_PROFILE_SEGMENT: {
        const bool isPoint = kind == SEL_PROFILE_POINT;
        ShowToolBar(BarProfile, true, isPoint ? 2 : 3);
        if (const auto* profile = static_cast<const Cpp_ProfileLine*>(r.ref1))
            bars.profile.SetLineData(profile->GetNumber(), profile->GetMaterialNumber(),
                                     DescriptionOf(*profile));
        bars.profile.SetPoint(isPoint && point ? point->X() : 0, isPoint && point ? point->Y() : 0);
        return true;
    }
    default: return NoBar();
    }
}

bool PiezometricLineBar(const Cpp_Selection& item) {
    [[maybe_unused]] ToolDialogBars& bars = TheToolBars();
    [[maybe_unused]] const s_SelectionReferences& r = item.GetItemReferences();
    [[maybe_unused]] Cpp_Kliven4DataSet* ds = item.GetDataSet();
    [[maybe_unused]] const int kind = item.GetType();
    [[maybe_unused]] const auto* line = static_cast<const Cpp_Line*>(r.ref1);
    [[maybe_unused]] const auto* point = static_cast<const Cpp_PointXY*>(r.ref2);
    [[maybe_unused]] Cpp_AnalysisComputationData* analysis =
        ds ? ds->AnalysisComputationData() : nullptr;
    switch (kind) {
    case SEL_PIEZOMETRIC_POINT:
    case SEL_PIEZOMETRIC_SEGMENT: {
        const bool isPoint = kind == SEL_PIEZOMETRIC_POINT;
        ShowToolBar(BarPiezometric, true, isPoint ? 2 : 3);
        if (const auto* water = static_cast<const Cpp_PiezometricLine*>(r.ref1))
            bars.piezometric.SetLineData(water->GetNumber(), water->UnitWeight(),
                                         DescriptionOf(*water));
        bars.piezometric.SetPoint(isPoint && point ? point->X() : 0,
                                  isPoint && point ? point->Y() : 0);
        return true;
    }
    default: return NoBar();
    }
}

bool SlopeLineBar(const Cpp_Selection& item) {
    [[maybe_unused]] ToolDialogBars& bars = TheToolBars();
    [[maybe_unused]] const s_SelectionReferences& r = item.GetItemReferences();
    [[maybe_unused]] Cpp_Kliven4DataSet* ds = item.GetDataSet();
    [[maybe_unused]] const int kind = item.GetType();
    [[maybe_unused]] const auto* line = static_cast<const Cpp_Line*>(r.ref1);
    [[maybe_unused]] const auto* point = static_cast<const Cpp_PointXY*>(r.ref2);
    [[maybe_unused]] Cpp_AnalysisComputationData* analysis =
        ds ? ds->AnalysisComputationData() : nullptr;
    switch (kind) {
    case SEL_SLOPE_POINT:
        ShowToolBar(BarSlope, true, 2);
        if (point) bars.slope.SetPoint(point->X(), point->Y());
        return true;
    case SEL_SLOPE_SEGMENT: ShowToolBar(BarSlope, true, 3); return true;
    default: return NoBar();
    }
}

bool InterpolationBar(const Cpp_Selection& item) {
    [[maybe_unused]] ToolDialogBars& bars = TheToolBars();
    [[maybe_unused]] const s_SelectionReferences& r = item.GetItemReferences();
    [[maybe_unused]] Cpp_Kliven4DataSet* ds = item.GetDataSet();
    [[maybe_unused]] const int kind = item.GetType();
    [[maybe_unused]] const auto* line = static_cast<const Cpp_Line*>(r.ref1);
    [[maybe_unused]] const auto* point = static_cast<const Cpp_PointXY*>(r.ref2);
    [[maybe_unused]] Cpp_AnalysisComputationData* analysis =
        ds ? ds->AnalysisComputationData() : nullptr;
    switch (kind) {
    case SEL_CP_POINT:
    case SEL_PRESSURE_POINT:
    case SEL_RSUBU_POINT:
    case SEL_STRENGTH_POINT: {
        const auto* set = static_cast<const Cpp_InterpolationDataSet*>(r.ref1);
        const auto* vertex = static_cast<const Cpp_VERTEX*>(r.ref2);
        if (!set) return true;
        // The kind first, so that the bar labels its value for it.
        const bool head = set->Kind() == 1 && set->GetOptionFlag();
        bars.interpolation.SetInterpolationKind(set->Kind(), head);
        ShowToolBar(BarInterpolation, true, 2);
        if (vertex)
            bars.interpolation.SetPointData(vertex->Number(), vertex->X(), vertex->Y(),
                                            set->Material(),
                                            head ? vertex->SecondValue() : vertex->FirstValue());
        return true;
    }
    case SEL_CP_NODE:
    case SEL_PRESSURE_NODE:
    case SEL_RSUBU_NODE:
    case SEL_STRENGTH_NODE: return false;
    default: return NoBar();
    }
}

bool DistributedLoadBar(const Cpp_Selection& item) {
    [[maybe_unused]] ToolDialogBars& bars = TheToolBars();
    [[maybe_unused]] const s_SelectionReferences& r = item.GetItemReferences();
    [[maybe_unused]] Cpp_Kliven4DataSet* ds = item.GetDataSet();
    [[maybe_unused]] const int kind = item.GetType();
    [[maybe_unused]] const auto* line = static_cast<const Cpp_Line*>(r.ref1);
    [[maybe_unused]] const auto* point = static_cast<const Cpp_PointXY*>(r.ref2);
    [[maybe_unused]] Cpp_AnalysisComputationData* analysis =
        ds ? ds->AnalysisComputationData() : nullptr;
    switch (kind) {
    case SEL_LOAD_POINT: {
        ShowToolBar(BarDistributedLoad, true, 2);
        if (const auto* load = static_cast<const Cpp_DistributedLoadPoint*>(r.ref1))
            bars.distributedLoad.SetLoadData(load->X(), load->Y(), load->normalStress,
                                             load->shearStress);
        if (ds)
            if (const Cpp_DistributedLoadData* loads = ds->DistributedLoads(item.GetStage()))
                bars.distributedLoad.EnableForPiezometricLine(loads->UsesPiezometricLine(),
                                                              loads->PiezometricLineNumber());
        return true;
    }
    case SEL_LOAD_SEGMENT:
        ShowToolBar(BarDistributedLoad, true, 3);
        bars.distributedLoad.SetLoadData(0, 0, 0, 0);
        return true;
    default: return NoBar();
    }
}

bool LineLoadBar(const Cpp_Selection& item) {
    [[maybe_unused]] ToolDialogBars& bars = TheToolBars();
    [[maybe_unused]] const s_SelectionReferences& r = item.GetItemReferences();
    [[maybe_unused]] Cpp_Kliven4DataSet* ds = item.GetDataSet();
    [[maybe_unused]] const int kind = item.GetType();
    [[maybe_unused]] const auto* line = static_cast<const Cpp_Line*>(r.ref1);
    [[maybe_unused]] const auto* point = static_cast<const Cpp_PointXY*>(r.ref2);
    [[maybe_unused]] Cpp_AnalysisComputationData* analysis =
        ds ? ds->AnalysisComputationData() : nullptr;
    switch (kind) {
    case SEL_LINE_LOAD:
    case SEL_LINE_LOAD_DRAWN:
        ShowToolBar(BarLineLoad, true, 2);
        if (r.ref1) bars.lineLoad.SetFromLineLoad(*static_cast<const Cpp_LineLoad*>(r.ref1));
        return true;
    default: return NoBar();
    }
}

bool GeogridBar(const Cpp_Selection& item) {
    [[maybe_unused]] ToolDialogBars& bars = TheToolBars();
    [[maybe_unused]] const s_SelectionReferences& r = item.GetItemReferences();
    [[maybe_unused]] Cpp_Kliven4DataSet* ds = item.GetDataSet();
    [[maybe_unused]] const int kind = item.GetType();
    [[maybe_unused]] const auto* line = static_cast<const Cpp_Line*>(r.ref1);
    [[maybe_unused]] const auto* point = static_cast<const Cpp_PointXY*>(r.ref2);
    [[maybe_unused]] Cpp_AnalysisComputationData* analysis =
        ds ? ds->AnalysisComputationData() : nullptr;
    switch (kind) {
    case SEL_GEOGRID_HEAD:
    case SEL_GEOGRID_END:
    case SEL_GEOGRID_LAYER:
        ShowToolBar(BarGeogrids, true, 2);
        if (r.ref1) bars.geogrids.SetFromGeogrid(*static_cast<const Cpp_Geogrid*>(r.ref1));
        return true;
    default: return NoBar();
    }
}

bool NailBar(const Cpp_Selection& item) {
    [[maybe_unused]] ToolDialogBars& bars = TheToolBars();
    [[maybe_unused]] const s_SelectionReferences& r = item.GetItemReferences();
    [[maybe_unused]] Cpp_Kliven4DataSet* ds = item.GetDataSet();
    [[maybe_unused]] const int kind = item.GetType();
    [[maybe_unused]] const auto* line = static_cast<const Cpp_Line*>(r.ref1);
    [[maybe_unused]] const auto* point = static_cast<const Cpp_PointXY*>(r.ref2);
    [[maybe_unused]] Cpp_AnalysisComputationData* analysis =
        ds ? ds->AnalysisComputationData() : nullptr;
    switch (kind) {
    case SEL_NAIL_HEAD:
    case SEL_NAIL_END:
    case SEL_NAIL_BAR:
        ShowToolBar(BarNails, true, 2);
        if (r.ref1) bars.nails.SetFromNail(*static_cast<const Cpp_IndividualNail*>(r.ref1));
        return true;
    default: return NoBar();
    }
}

bool ReinforcementBar(const Cpp_Selection& item) {
    [[maybe_unused]] ToolDialogBars& bars = TheToolBars();
    [[maybe_unused]] const s_SelectionReferences& r = item.GetItemReferences();
    [[maybe_unused]] Cpp_Kliven4DataSet* ds = item.GetDataSet();
    [[maybe_unused]] const int kind = item.GetType();
    [[maybe_unused]] const auto* line = static_cast<const Cpp_Line*>(r.ref1);
    [[maybe_unused]] const auto* point = static_cast<const Cpp_PointXY*>(r.ref2);
    [[maybe_unused]] Cpp_AnalysisComputationData* analysis =
        ds ? ds->AnalysisComputationData() : nullptr;
    switch (kind) {
    case SEL_REINFORCEMENT_POINT:
    case SEL_REINFORCEMENT_INTERVAL: {
        const bool isPoint = kind == SEL_REINFORCEMENT_POINT;
        ShowToolBar(BarReinforcement, true, isPoint ? 2 : 3);
        if (line) bars.reinforcement.SetLineNumber(line->GetNumber());
        const auto* p = isPoint ? static_cast<const Cpp_ReinforcementPoint*>(r.ref2) : nullptr;
        if (p)
            bars.reinforcement.SetPointData(p->X(), p->Y(), p->longitudinalForce,
                                            p->transverseForce);
        else
            bars.reinforcement.SetPointData(0, 0, 0, 0);
        return true;
    }
    default: return NoBar();
    }
}

bool SlipSurfaceBar(const Cpp_Selection& item) {
    [[maybe_unused]] ToolDialogBars& bars = TheToolBars();
    [[maybe_unused]] const s_SelectionReferences& r = item.GetItemReferences();
    [[maybe_unused]] Cpp_Kliven4DataSet* ds = item.GetDataSet();
    [[maybe_unused]] const int kind = item.GetType();
    [[maybe_unused]] const auto* line = static_cast<const Cpp_Line*>(r.ref1);
    [[maybe_unused]] const auto* point = static_cast<const Cpp_PointXY*>(r.ref2);
    [[maybe_unused]] Cpp_AnalysisComputationData* analysis =
        ds ? ds->AnalysisComputationData() : nullptr;
    switch (kind) {
    case SEL_NONCIRCULAR_POINT: {
        ShowToolBar(BarNoncircular, true, 2);
        const auto* p = static_cast<const Cpp_NoncircularShearSurfacePoint*>(r.ref2);
        if (p && analysis)
            bars.noncircular.SetPointData(analysis->GetMode(), p->X(), p->Y(), p->IsMoveable(),
                                          p->IsShiftDirectionComputed(), p->GetShiftAngleDegrees());
        return true;
    }
    case SEL_SLIP_SURFACE_SEGMENT: ShowToolBar(BarNoncircular, true, 3); return true;
    default: return NoBar();
    }
}

bool VariableCrackBar(const Cpp_Selection& item) {
    [[maybe_unused]] ToolDialogBars& bars = TheToolBars();
    [[maybe_unused]] const s_SelectionReferences& r = item.GetItemReferences();
    [[maybe_unused]] Cpp_Kliven4DataSet* ds = item.GetDataSet();
    [[maybe_unused]] const int kind = item.GetType();
    [[maybe_unused]] const auto* line = static_cast<const Cpp_Line*>(r.ref1);
    [[maybe_unused]] const auto* point = static_cast<const Cpp_PointXY*>(r.ref2);
    [[maybe_unused]] Cpp_AnalysisComputationData* analysis =
        ds ? ds->AnalysisComputationData() : nullptr;
    switch (kind) {
    case SEL_VARIABLE_CRACK_POINT:
    case SEL_VARIABLE_CRACK_SEGMENT:
    case SEL_VARIABLE_WATER_POINT:
    case SEL_VARIABLE_WATER_SEGMENT: {
        if (!analysis) return true;
        const bool crackList =
            kind == SEL_VARIABLE_CRACK_POINT || kind == SEL_VARIABLE_CRACK_SEGMENT;
        const bool isPoint = kind == SEL_VARIABLE_CRACK_POINT || kind == SEL_VARIABLE_WATER_POINT;
        return UpdateCrackToolBar(analysis->GetCrack(), crackList,
                                  isPoint ? static_cast<const Cpp_CrackPoint*>(r.ref1) : nullptr);
    }
    default: return NoBar();
    }
}

bool RadiusDefinitionBar(const Cpp_Selection& item) {
    [[maybe_unused]] ToolDialogBars& bars = TheToolBars();
    [[maybe_unused]] const s_SelectionReferences& r = item.GetItemReferences();
    [[maybe_unused]] Cpp_Kliven4DataSet* ds = item.GetDataSet();
    [[maybe_unused]] const int kind = item.GetType();
    [[maybe_unused]] const auto* line = static_cast<const Cpp_Line*>(r.ref1);
    [[maybe_unused]] const auto* point = static_cast<const Cpp_PointXY*>(r.ref2);
    [[maybe_unused]] Cpp_AnalysisComputationData* analysis =
        ds ? ds->AnalysisComputationData() : nullptr;
    switch (kind) {
    case SEL_DEFINITION_RADIUS:
    case SEL_DEFINITION_FIXED_POINT:
    case SEL_DEFINITION_HORIZONTAL_TANGENT:
    case SEL_DEFINITION_TANGENT_POINT:
    case SEL_DEFINITION_TANGENT_SEGMENT: {
        const auto* definition = static_cast<const Cpp_RadiusDefinition*>(r.ref2);
        if (!definition) return true;
        ShowToolBar(BarRadius, true, 2);
        s_tagTypePointXY at{};
        const auto& points = definition->GetTangentLine()->Points();
        if (r.number3 >= 1 && r.number3 <= static_cast<long>(points.size()))
            at = points[static_cast<std::size_t>(r.number3 - 1)];
        bars.radius.SetFromRadiusDefinition(static_cast<int>(r.number1), *definition, at,
                                            kind == SEL_DEFINITION_TANGENT_SEGMENT);
        return true;
    }
    default: return NoBar();
    }
}

bool CircleDefinitionBar(const Cpp_Selection& item) {
    [[maybe_unused]] ToolDialogBars& bars = TheToolBars();
    [[maybe_unused]] const s_SelectionReferences& r = item.GetItemReferences();
    [[maybe_unused]] Cpp_Kliven4DataSet* ds = item.GetDataSet();
    [[maybe_unused]] const int kind = item.GetType();
    [[maybe_unused]] const auto* line = static_cast<const Cpp_Line*>(r.ref1);
    [[maybe_unused]] const auto* point = static_cast<const Cpp_PointXY*>(r.ref2);
    [[maybe_unused]] Cpp_AnalysisComputationData* analysis =
        ds ? ds->AnalysisComputationData() : nullptr;
    switch (kind) {
    case SEL_PRESCRIBED_RADIUS:
    case SEL_FIXED_POINT:
    case SEL_HORIZONTAL_TANGENT: return analysis ? RadiusToolUpdateBar(*analysis, r.x, r.y) : true;
    case SEL_GRID_CORNER:
        return analysis ? UpdateCircleToolBar(*analysis, static_cast<int>(r.number1) - 1) : true;
    case SEL_CIRCLE_CENTRE: return analysis ? UpdateCircleToolBar(*analysis, 0) : true;
    default: return NoBar();
    }
}

bool IrregularTangentBar(const Cpp_Selection& item) {
    [[maybe_unused]] ToolDialogBars& bars = TheToolBars();
    [[maybe_unused]] const s_SelectionReferences& r = item.GetItemReferences();
    [[maybe_unused]] Cpp_Kliven4DataSet* ds = item.GetDataSet();
    [[maybe_unused]] const int kind = item.GetType();
    [[maybe_unused]] const auto* line = static_cast<const Cpp_Line*>(r.ref1);
    [[maybe_unused]] const auto* point = static_cast<const Cpp_PointXY*>(r.ref2);
    [[maybe_unused]] Cpp_AnalysisComputationData* analysis =
        ds ? ds->AnalysisComputationData() : nullptr;
    switch (kind) {
    case SEL_TANGENT_POINT: return analysis ? RadiusToolUpdateBar(*analysis, r.x, r.y) : true;
    default: return NoBar();
    }
}

}  // namespace selection_family
