// The two hit tests of the selection lists: the full test (every candidate, kind by kind in the
// fixed order) and the point-oriented test (one candidate, points before segments). Each kind
// is found by its owner's hit test; this file only decides the order, the display and pick-flag
// conditions, the restriction classes and what the record holds.

#include "editing/selection_list.h"

#include "analysis/analysis_computation_data.h"
#include "analysis/analysis_picking.h"
#include "analysis/noncircular_shear_surface.h"
#include "analysis/radius_definition.h"
#include "analysis/results_display.h"
#include "analysis/slices.h"
#include "editing/construction_items.h"
#include "editing/selection_family_ops.h"
#include "editing/selection_kinds.h"
#include "graphics/line.h"
#include "graphics/pick.h"
#include "loads/distributed_load_data.h"
#include "loads/geogrid_data.h"
#include "loads/line_load.h"
#include "loads/nail_data.h"
#include "loads/reinforcement_line.h"
#include "model/data_set.h"
#include "porepressure/interpolation_data.h"
#include "porepressure/interpolation_drawing.h"
#include "porepressure/piezometric_drawing.h"
#include "porepressure/piezometric_line.h"
#include "profile/crack.h"
#include "profile/material_properties.h"
#include "profile/profile_line.h"
#include "profile/slope_geometry.h"
#include "registry/display_selections.h"

#include <functional>

namespace {

// Restriction classes: P point kinds, S segment kinds, O the others.
enum class e_Class { P, S, O };

// The nearest point of a point chain within the pick box (ranked against the record).
template <typename Node>
Node* NearestNode(Node* first, s_PickType& pick) {
    Node* best = nullptr;
    for (Node* p = first; p; p = static_cast<Node*>(p->Next()))
        if (IsInPickBox(pick, p->X(), p->Y()) &&
            AcceptNearerCandidate(pick, (p->X() - pick.x) * (p->X() - pick.x) +
                                            (p->Y() - pick.y) * (p->Y() - pick.y)))
            best = p;
    return best;
}

template <typename T>
T* NearestOf(const std::vector<std::unique_ptr<T>>& items, s_PickType& pick) {
    T* best = nullptr;
    for (const auto& p : items)
        if (IsInPickBox(pick, p->X(), p->Y()) &&
            AcceptNearerCandidate(pick, (p->X() - pick.x) * (p->X() - pick.x) +
                                            (p->Y() - pick.y) * (p->Y() - pick.y)))
            best = p.get();
    return best;
}

bool InterpolationPointsShown(const s_DisplayFlagsType& f, int kind, int stage) {
    switch (kind) {
    case 1: return f.pressurePoints[stage - 1];
    case 2: return f.ruPoints[stage - 1];
    case 3:
    case 4: return f.strengthPoints[stage - 1];
    default: return f.otherPoints[stage - 1];
    }
}

// Selection kinds of an interpolation data set's points and triangles (0: not picked).
int InterpolationPointKind(int kind) {
    switch (kind) {
    case 1: return SEL_PRESSURE_POINT;
    case 2: return SEL_RSUBU_POINT;
    case 3:
    case 4: return SEL_STRENGTH_POINT;
    case 5: return SEL_CP_POINT;
    default: return 0;
    }
}
int InterpolationTriangleKind(int kind) {
    switch (kind) {
    case 1: return SEL_PRESSURE_TRIANGLE;
    case 2: return SEL_RSUBU_TRIANGLE;
    case 3:
    case 4: return SEL_STRENGTH_TRIANGLE;
    case 5: return SEL_CP_TRIANGLE;
    default: return 0;
    }
}
// First pass: pressures and r-sub-u values; second pass: strengths and c/p ratios.
bool InFirstPass(int kind) { return kind == 1 || kind == 2; }

// The pick flag of an analysis kind.
bool AnalysisPickFlag(int kind) {
    const s_SelectionKindRow* row = FindSelectionKind(kind);
    return !row || !row->pickFlag || row->pickFlag();
}

e_Class AnalysisClass(int kind) {
    const s_SelectionKindRow* row = FindSelectionKind(kind);
    switch (row ? row->pickClass : e_PickClass::Point) {
    case e_PickClass::Segment: return e_Class::S;
    case e_PickClass::Other: return e_Class::O;
    case e_PickClass::Point: break;
    }
    return e_Class::P;
}

// The record of an analysis candidate.
Cpp_Selection AnalysisRecord(Cpp_Kliven4DataSet* ds, const s_AnalysisHit& hit) {
    Cpp_AnalysisComputationData& a = *ds->AnalysisComputationData();
    s_SelectionReferences r;
    r.x = hit.point.x;
    r.y = hit.point.y;
    r.index = hit.index;
    const s_SelectionKindRow* row = FindSelectionKind(hit.kind);
    if (const auto op = row ? SelectionFamilyOps(row->family).analysisRecord : nullptr)
        op(a, hit, r);
    Cpp_Selection s;
    s.SetFromValues(ds, 0, hit.kind, r);
    return s;
}

// One run of a hit test over the data set.
class HitRun {
public:
    HitRun(Cpp_SelectionList& list, Cpp_Kliven4DataSet* ds, double x, double y, bool pointsOnly,
           bool segmentsOnly)
        : list_(list), ds_(ds), pointsOnly_(pointsOnly), segmentsOnly_(segmentsOnly) {
        pick_.x = x;
        pick_.y = y;
        pick_.tolerance = PickToleranceInWorld();
    }

    // The class and pick flag allow the kind.
    bool Allowed(e_Class c, bool pickFlag) const {
        if (c == e_Class::P && segmentsOnly_) return false;
        if (c == e_Class::S && pointsOnly_) return false;
        if (c == e_Class::O && (pointsOnly_ || segmentsOnly_)) return false;
        return !list_.GetKindFilter() || pickFlag;
    }
    s_PickType& Fresh() {
        pick_.found = 0;
        return pick_;
    }
    void Take(const Cpp_Selection& s) { list_.AddCopy(s); }
    void TakePoint(int stage, int kind, void* line, void* point) {
        Cpp_Selection s;
        s.SetPointItem(ds_, stage, kind, line, point);
        Take(s);
    }
    void TakeSegment(int stage, int kind, void* line, void* first) {
        Cpp_Selection s;
        s.SetSegmentItem(ds_, stage, kind, line, first);
        Take(s);
    }
    void TakeValues(int stage, int kind, const s_SelectionReferences& r) {
        Cpp_Selection s;
        s.SetFromValues(ds_, stage, kind, r);
        Take(s);
    }

    s_PickType pick_;
    Cpp_SelectionList& list_;
    Cpp_Kliven4DataSet* ds_;
    bool pointsOnly_, segmentsOnly_;
};

// The material property table of a stage where it is shown: a grid line (kind 70, with its
// column or row and whether it is a border) or else the inside of the table (kind 71).
bool PickMaterialTable(Cpp_Kliven4DataSet* ds, int stage, s_PickType& pick, Cpp_Selection& s) {
    Cpp_MaterialPropertyData& materials = ds->MaterialData();
    if (!materials.GetShowTable(stage)) return false;
    const Cpp_MaterialTableLayout& table = materials.TableLayout(stage);
    Cpp_MaterialTableLayout::s_GridLineHit line;
    s_SelectionReferences r;
    if (table.HitTestGridLines(pick, line)) {
        r.number1 = line.row;
        r.number2 = line.column;
        r.number3 = line.border ? 1 : 0;
        s.SetFromValues(ds, stage, SEL_TABLE_LINES, r);
        return true;
    }
    pick.found = 0;
    if (!table.HitTestBox(pick)) return false;
    s.SetFromValues(ds, stage, SEL_TABLE_TEXT, r);
    return true;
}

// The profile line whose placed material label is nearest the pick (later lines on ties).
Cpp_ProfileLine* HitTestMaterialLabel(const Cpp_ProfileLineList& profile, s_PickType& pick) {
    Cpp_ProfileLine* best = nullptr;
    for (const auto& line : profile.Lines()) {
        auto* p = static_cast<Cpp_ProfileLine*>(line.get());
        if (p->IsMaterialLabelPlaced() &&
            IsNearPick(p->MaterialLabelX(), p->MaterialLabelY(), pick))
            best = p;
    }
    return best;
}

std::vector<int> ActiveStages(const Cpp_Kliven4DataSet& ds) {
    return ds.IsMultiStage() ? std::vector<int>{1, 2} : std::vector<int>{1};
}

// Rows of the analysis items in the full test: the candidates of the owner's search, each
// taken at its place in the order.
class AnalysisRows {
public:
    AnalysisRows(HitRun& run) : run_(run) {
        const Cpp_AnalysisComputationData& a = *run.ds_->AnalysisComputationData();
        hits_ = FindAnalysisCandidates(a, run.pick_.x, run.pick_.y, run.pick_.tolerance,
                                       run.pointsOnly_, run.segmentsOnly_);
    }
    void Take(std::initializer_list<int> kinds) {
        for (const s_AnalysisHit& hit : hits_)
            for (int kind : kinds)
                if (hit.kind == kind && run_.Allowed(AnalysisClass(kind), AnalysisPickFlag(kind)))
                    run_.Take(AnalysisRecord(run_.ds_, hit));
    }

private:
    HitRun& run_;
    std::vector<s_AnalysisHit> hits_;
};

// The stress diagrams of the slices: kind, display switch, diagram segment and pick flag.
struct s_StressDiagram {
    int kind, switchNumber, segment;
    bool (*flag)();
};
constexpr s_StressDiagram kStressDiagrams[] = {
    {SEL_TOTAL_STRESS, 5, 0, &Cpp_Slices::GetSelectionFilterH},
    {SEL_PORE_PRESSURE, 6, 1, &Cpp_Slices::GetSelectionFilterB},
    {SEL_EFFECTIVE_STRESS, 7, 2, &Cpp_Slices::GetSelectionFilter}};

// Whether the critical circle may be picked: circular data in mode 3, 4 or 6.
bool CriticalCircleMode(const Cpp_AnalysisComputationData& a) {
    const int mode = a.GetMode();
    return a.IsCircular() && (mode == 3 || mode == 4 || mode == 6);
}

// The factor-of-safety triangulation of a search over the fixed grid (kinds 114 and 116):
// circular data in mode 4 and the pick inside the grid.
const Cpp_Triangle* SearchTriangleAt(const Cpp_Kliven4DataSet& ds, s_PickType& pick) {
    const Cpp_AnalysisComputationData& a = ds.Analysis();
    if (!a.IsCircular() || a.GetMode() != 4 || !HitTestCenter(a, pick)) return nullptr;
    return ds.ResultsDisplay().FindTriangleAt(pick.x, pick.y);
}

// The pickers of one hit test over a data set: one method for each group of kinds, run in the
// order of kPickers; each adds its candidates to the run's list.
class HitPicker {
public:
    HitPicker(HitRun& run, Cpp_Kliven4DataSet* ds, double x, double y)
        : run(run), ds(ds), x(x), y(y), flags(ds->DisplayFlags()), profile(ds->ProfileLines()),
          slope(ds->SlopeGeometry()), slopeLine(slope.GetSlopeLine()),
          analysis(*ds->AnalysisComputationData()), crack(analysis.GetCrack()),
          rein(*ds->ReinforcementLines()), geogrids(ds->Geogrids()->GetIndividualGeogridList()),
          nails(ds->SoilNails()->GetIndividualNailList()), active(ActiveStages(*ds)),
          analysisRows(run), crackBottom(slope.GetCrackBottomLine()),
          crackWater(slope.GetCrackWaterLine()), results(ds->ResultsDisplay()),
          slices(ds->Slices()), hasResults(results.HasResults()) {}

    void ProfilePoints() {
        if (profile.GetShowPoints() &&
            run.Allowed(e_Class::P, Cpp_ProfileLineList::GetPickFilter(1)))
            for (const auto& line : profile.Lines())
                if (Cpp_PointXY* p = line->FindNearestPoint(run.Fresh()))
                    run.TakePoint(0, SEL_PROFILE_POINT, line.get(), p);
    }

    void PiezometricPoints() {
        for (int stage : {1, 2}) {
            Cpp_PiezometricLineList* list = ds->PiezometricLines(stage);
            if (list && list->GetShowPoints() &&
                run.Allowed(e_Class::P, PiezometricPickFlags(stage).points))
                for (const auto& line : list->Lines())
                    if (Cpp_PointXY* p = line->FindNearestPoint(run.Fresh()))
                        run.TakePoint(stage, SEL_PIEZOMETRIC_POINT, line.get(), p);
        }
    }

    void InterpolationPoints() {
        for (int stage : active) {
            Cpp_InterpolationData* data = ds->InterpolationData(stage);
            if (!data) continue;
            for (bool first : {true, false})
                for (const auto& set : data->DataSets()) {
                    const int kind = InterpolationPointKind(set->Kind());
                    if (!kind || InFirstPass(set->Kind()) != first) continue;
                    if (!InterpolationPointsShown(flags, set->Kind(), stage) ||
                        !run.Allowed(e_Class::P,
                                     Cpp_InterpolationData::GetPickPoints(stage, set->Kind())))
                        continue;
                    if (Cpp_VERTEX* v = HitTestInterpolationPoint(*set, run.Fresh()))
                        run.TakeValues(stage, kind, {set.get(), v});
                }
        }
    }

    void SlopePoints() {
        if (slopeLine.GetShowSlopePoints() &&
            run.Allowed(e_Class::P, Cpp_SlopeLine::GetPickFilter(1)))
            if (Cpp_PointXY* p = slopeLine.FindNearestPoint(run.Fresh()))
                run.TakePoint(0, SEL_SLOPE_POINT, &slopeLine, p);
    }

    void Loads() {
        for (int stage : active) {
            Cpp_DistributedLoadData* loads = ds->DistributedLoads(stage);
            if (loads->ShowPoints() &&
                run.Allowed(e_Class::P, Cpp_DistributedLoadData::GetSelectionFilterA(stage)))
                if (auto* p = NearestNode(loads->GetFirstListItem(), run.Fresh())) {
                    Cpp_Selection s;
                    s.SetLoadPointItem(ds, stage, SEL_LOAD_POINT, p);
                    run.Take(s);
                }
        }
        for (int stage : active) {
            Cpp_LineLoadList* lineLoads = ds->LineLoads(stage);
            if (lineLoads->GetDisplayFlag() &&
                run.Allowed(e_Class::P, Cpp_LineLoadList::GetSelectionFilter(stage)))
                if (Cpp_LineLoad* load = NearestOf(lineLoads->Loads(), run.Fresh())) {
                    Cpp_Selection s;
                    s.SetLoadPointItem(ds, stage, SEL_LINE_LOAD, load);
                    run.Take(s);
                }
        }
        for (int stage : active) {
            Cpp_LineLoadList* lineLoads = ds->LineLoads(stage);
            // Tested whatever the kind filter says.
            if (lineLoads->GetDisplayFlag() && run.Allowed(e_Class::O, true))
                if (Cpp_LineLoad* load = lineLoads->HitTestLoad(run.Fresh())) {
                    Cpp_Selection s;
                    s.SetLoadPointItem(ds, stage, SEL_LINE_LOAD_DRAWN, load);
                    run.Take(s);
                }
        }
    }

    void ReinforcementPoints() {
        if (rein.GetDisplayPoints() &&
            run.Allowed(e_Class::P, Cpp_ReinforcementLineList::GetSelectionFilterD())) {
            Cpp_Line* line = nullptr;
            if (Cpp_PointXY* p = rein.FindNearestLinePoint(run.Fresh(), line))
                run.TakePoint(0, SEL_REINFORCEMENT_POINT, line, p);
        }
    }

    void AnalysisPoints() {
        analysisRows.Take({SEL_CIRCLE_CENTRE, SEL_NONCIRCULAR_POINT, SEL_TANGENT_POINT});
    }

    void VariableCrackPoints() {
        if (crack.GetShowCrack() && run.Allowed(e_Class::P, Cpp_Crack::GetCrackPointsPickable()))
            if (Cpp_CrackPoint* p = crack.HitTestPoint(false, run.Fresh()))
                run.TakeValues(0, SEL_VARIABLE_CRACK_POINT, {p});
        if (crack.GetShowCrackWater() &&
            run.Allowed(e_Class::P, Cpp_Crack::GetWaterPointsPickable()))
            if (Cpp_CrackPoint* p = crack.HitTestPoint(true, run.Fresh()))
                run.TakeValues(0, SEL_VARIABLE_WATER_POINT, {p});
    }

    void ComputedCrackPoints() {
        if (slope.GetShowTensionCrack() && crackBottom.HasPoints() && run.Allowed(e_Class::P, true))
            if (Cpp_PointXY* p = crackBottom.FindNearestPoint(run.Fresh()))
                run.TakeValues(0, SEL_CRACK_POINT, {p});
        if (slope.GetShowCrackWater() && crackBottom.HasPoints() && run.Allowed(e_Class::P, true))
            if (Cpp_PointXY* p = crackWater.FindNearestPoint(run.Fresh()))
                run.TakeValues(0, SEL_CRACK_WATER_POINT, {p});
    }

    void AnalysisDefinitions() {
        analysisRows.Take({SEL_FIXED_POINT, SEL_HORIZONTAL_TANGENT, SEL_PRESCRIBED_RADIUS,
                           SEL_DEFINITION_RADIUS, SEL_DEFINITION_FIXED_POINT,
                           SEL_DEFINITION_HORIZONTAL_TANGENT, SEL_DEFINITION_TANGENT_POINT,
                           SEL_DEFINITION_TANGENT_SEGMENT, SEL_GRID_CORNER});
    }

    void CriticalSurfacePoints() {
        if (slices.GetDisplaySwitch(1) && hasResults &&
            run.Allowed(e_Class::P, Cpp_Slices::GetSelectionFilterC())) {
            double px = 0, py = 0;
            int index = 0;
            if (slices.HitTestSliceItemB(run.Fresh(), px, py, index)) {
                Cpp_Selection s;
                s.SetCircleItem(ds, SEL_CRITICAL_POINT, px, py, index);
                run.Take(s);
            }
        }
        if (results.GetDisplaySwitch(1) && hasResults && CriticalCircleMode(analysis) &&
            run.Allowed(e_Class::O, Cpp_ResultsDisplay::GetSelectionFilterB())) {
            s_SelectionReferences r;
            if (results.HitTestCriticalCircle(run.Fresh(), r.x, r.y)) {
                r.radius = results.GetCriticalCircleRadius();
                run.TakeValues(0, SEL_CRITICAL_CENTRE, r);
            }
        }
    }

    void GeogridAndNailEnds() {
        if (ds->Geogrids()->GetDisplayGeogrids() &&
            run.Allowed(e_Class::P, Cpp_IndividualGeogridList::GetSelectionFilterB())) {
            bool head = false;
            if (Cpp_Geogrid* g = geogrids.HitTestB(run.Fresh(), head))
                run.TakeValues(0, head ? SEL_GEOGRID_HEAD : SEL_GEOGRID_END, {g});
        }
        if (ds->SoilNails()->GetDisplayNails() &&
            run.Allowed(e_Class::P, Cpp_IndividualNailList::GetSelectionFilterB())) {
            bool head = false;
            if (Cpp_IndividualNail* n = nails.HitTestB(run.Fresh(), head))
                run.TakeValues(0, head ? SEL_NAIL_HEAD : SEL_NAIL_END, {n});
        }
    }

    void ProfileSegments() {
        if (profile.GetShowLines() &&
            run.Allowed(e_Class::S, Cpp_ProfileLineList::GetPickFilter(2))) {
            Cpp_Line* line = nullptr;
            if (Cpp_PointXY* p = profile.Cpp_LineList::FindNearestSegment(run.Fresh(), line))
                run.TakeSegment(0, SEL_PROFILE_SEGMENT, line, p);
        }
    }

    void PiezometricSegments() {
        for (int stage : {1, 2}) {
            Cpp_PiezometricLineList* list = ds->PiezometricLines(stage);
            Cpp_Line* line = nullptr;
            if (list && list->GetShowLines() &&
                run.Allowed(e_Class::S, PiezometricPickFlags(stage).segments))
                if (Cpp_PointXY* p = list->FindNearestSegment(run.Fresh(), line))
                    run.TakeSegment(stage, SEL_PIEZOMETRIC_SEGMENT, line, p);
        }
    }

    void SlopeSegments() {
        if (slopeLine.GetShowSlopeLine() && slopeLine.HasPoints() &&
            run.Allowed(e_Class::S, Cpp_SlopeLine::GetPickFilter(2)))
            if (Cpp_PointXY* p = slopeLine.FindNearestSegment(run.Fresh()))
                run.TakeSegment(0, SEL_SLOPE_SEGMENT, &slopeLine, p);
    }

    void DistributedLoadSegments() {
        for (int stage : active) {
            Cpp_DistributedLoadData* loads = ds->DistributedLoads(stage);
            if ((loads->ShowNormalStress() || loads->ShowShearStress()) &&
                run.Allowed(e_Class::S, Cpp_DistributedLoadData::GetSelectionFilterD(stage)))
                if (auto* p = loads->HitTestSegment(run.Fresh())) {
                    Cpp_Selection s;
                    s.SetDistributedLoadItem(ds, stage, SEL_LOAD_SEGMENT, p);
                    run.Take(s);
                }
        }
    }

    void ReinforcementIntervals() {
        if (rein.GetDisplayLines() &&
            run.Allowed(e_Class::S, Cpp_ReinforcementLineList::GetSelectionFilterA())) {
            Cpp_Line* line = nullptr;
            if (Cpp_PointXY* p = rein.FindNearestSegment(run.Fresh(), line))
                run.TakeSegment(0, SEL_REINFORCEMENT_INTERVAL, line, p);
        }
    }

    void VariableCrackSegments() {
        if (crack.GetShowCrack() && crackBottom.HasPoints() &&
            run.Allowed(e_Class::S, Cpp_Crack::GetCrackSegmentsPickable()))
            if (Cpp_CrackPoint* p = crack.HitTestSegment(false, run.Fresh()))
                run.TakeValues(0, SEL_VARIABLE_CRACK_SEGMENT, {p});
        if (crack.GetShowCrackWater() && crackBottom.HasPoints() &&
            run.Allowed(e_Class::S, Cpp_Crack::GetWaterSegmentsPickable()))
            if (Cpp_CrackPoint* p = crack.HitTestSegment(true, run.Fresh()))
                run.TakeValues(0, SEL_VARIABLE_WATER_SEGMENT, {p});
    }

    void ComputedCrackLines() {
        if (slope.GetShowTensionCrack() && crackBottom.HasPoints() && run.Allowed(e_Class::S, true))
            if (Cpp_PointXY* p = crackBottom.FindNearestSegment(run.Fresh()))
                run.TakeSegment(0, SEL_CRACK_BOTTOM, nullptr, p);
        if (slope.GetShowCrackWater() && crackWater.HasPoints() && run.Allowed(e_Class::S, true))
            if (Cpp_PointXY* p = crackWater.FindNearestSegment(run.Fresh()))
                run.TakeSegment(0, SEL_CRACK_WATER_SURFACE, nullptr, p);
    }

    void AnalysisSegments() { analysisRows.Take({SEL_SLIP_SURFACE_SEGMENT, SEL_TANGENT_SEGMENT}); }

    void CriticalSurfaceSegments() {
        if (slices.GetDisplaySwitch(2) && hasResults &&
            run.Allowed(e_Class::S, Cpp_Slices::GetSelectionFilterG())) {
            int index = 0;
            if (slices.HitTestSliceItemC(run.Fresh(), index)) {
                Cpp_Selection s;
                s.SetTypedItem(ds, SEL_CRITICAL_SEGMENT, index);
                run.Take(s);
            }
        }
    }

    void GeogridAndNailBars() {
        if (ds->Geogrids()->GetDisplayGeogrids() &&
            run.Allowed(e_Class::S, Cpp_IndividualGeogridList::GetSelectionFilterA()))
            if (Cpp_Geogrid* g = geogrids.HitTestA(run.Fresh()))
                run.TakeValues(0, SEL_GEOGRID_LAYER, {g});
        if (ds->SoilNails()->GetDisplayNails() &&
            run.Allowed(e_Class::S, Cpp_IndividualNailList::GetSelectionFilterA()))
            if (Cpp_IndividualNail* n = nails.HitTestA(run.Fresh()))
                run.TakeValues(0, SEL_NAIL_BAR, {n});
    }

    void ConstructionCircles() {
        Cpp_ConstructionCircleList& circles = GetConstructionCircleList();
        if (circles.GetShowCircles() && run.Allowed(e_Class::O, circles.GetSelectable())) {
            int onCircumference = 0;
            if (Cpp_ConstructionCircle* c = circles.HitTest(run.Fresh(), onCircumference)) {
                s_SelectionReferences r;
                r.number1 = onCircumference;
                r.ref2 = c;
                run.TakeValues(0, SEL_CONSTRUCTION_CIRCLE, r);
            }
        }
    }

    void InterpolationTriangles() {
        for (int stage : active) {
            Cpp_InterpolationData* data = ds->InterpolationData(stage);
            if (!data || !flags.triangles[stage - 1]) continue;
            for (bool first : {true, false})
                for (const auto& set : data->DataSets()) {
                    const int kind = InterpolationTriangleKind(set->Kind());
                    if (!kind || InFirstPass(set->Kind()) != first) continue;
                    if (!run.Allowed(e_Class::O,
                                     Cpp_InterpolationData::GetPickTriangles(stage, set->Kind())))
                        continue;
                    if (Cpp_Triangle* t = HitTestInterpolationTriangle(*set, x, y))
                        run.TakeValues(stage, kind, {set.get(), nullptr, t});
                }
        }
    }

    void ProfileLabels() {
        if (profile.GetShowLineNumbers() &&
            run.Allowed(e_Class::O, Cpp_ProfileLineList::GetPickFilter(3)))
            if (Cpp_Line* line = profile.FindNearestLabel(run.Fresh()))
                run.TakeValues(0, SEL_PROFILE_LABEL, {line, line});
        if (profile.GetShowMaterialNumbers() &&
            run.Allowed(e_Class::O, Cpp_ProfileLineList::GetPickFilter(4)))
            if (Cpp_ProfileLine* line = HitTestMaterialLabel(profile, run.Fresh()))
                run.TakeValues(0, SEL_MATERIAL_LABEL, {line});
    }

    void PiezometricLabels() {
        for (int stage : active) {
            Cpp_PiezometricLineList* list = ds->PiezometricLines(stage);
            if (list && list->GetShowLineNumbers() &&
                run.Allowed(e_Class::O, PiezometricPickFlags(stage).numbers))
                if (Cpp_Line* line = list->FindNearestLabel(run.Fresh()))
                    run.TakeValues(stage, SEL_PIEZOMETRIC_LABEL, {line});
        }
    }

    void LoadDiagrams() {
        for (int kind : {SEL_NORMAL_LOAD_INTERVAL, SEL_SHEAR_LOAD_INTERVAL})
            for (int stage : active) {
                Cpp_DistributedLoadData* loads = ds->DistributedLoads(stage);
                const bool normal = kind == SEL_NORMAL_LOAD_INTERVAL;
                if ((normal ? loads->ShowNormalStress() : loads->ShowShearStress()) &&
                    run.Allowed(e_Class::O,
                                normal ? Cpp_DistributedLoadData::GetSelectionFilterB(stage)
                                       : Cpp_DistributedLoadData::GetSelectionFilterC(stage)))
                    if (auto* p = loads->HitTestDiagramLine(run.Fresh(), normal)) {
                        Cpp_Selection s;
                        s.SetDistributedLoadItem(ds, stage, kind, p);
                        run.Take(s);
                    }
            }
    }

    void ReinforcementForces() {
        for (bool longitudinal : {true, false}) {
            const bool shown = longitudinal ? rein.GetDisplayLongitudinalForce()
                                            : rein.GetDisplayTransverseForce();
            const bool flag = longitudinal ? Cpp_ReinforcementLineList::GetSelectionFilterB()
                                           : Cpp_ReinforcementLineList::GetSelectionFilterC();
            Cpp_ReinforcementLine* line = nullptr;
            if (shown && run.Allowed(e_Class::O, flag))
                if (Cpp_ReinforcementPoint* p =
                        rein.HitTestDiagram(run.Fresh(), longitudinal, &line))
                    run.TakeSegment(0, longitudinal ? SEL_LONGITUDINAL_FORCE : SEL_TRANSVERSE_FORCE,
                                    line, p);
        }
    }

    void SearchResults() {
        if (results.GetDisplaySwitch(0) &&
            run.Allowed(e_Class::O, Cpp_ResultsDisplay::GetSelectionFilterA()) &&
            results.IsInsideBox(x, y))
            run.TakeValues(0, SEL_RESULTS_FACTOR_TEXT, {});
        if (results.GetDisplaySwitch(7) &&
            run.Allowed(e_Class::O, Cpp_ResultsDisplay::GetSelectionFilterF()))
            if (const Cpp_Triangle* t = SearchTriangleAt(*ds, run.Fresh()))
                run.TakeValues(0, SEL_SEARCH_TRIANGLES, {const_cast<Cpp_Triangle*>(t)});
        if (results.GetDisplaySwitch(6) &&
            run.Allowed(e_Class::O, Cpp_ResultsDisplay::GetSelectionFilterE()) &&
            SearchTriangleAt(*ds, run.Fresh()))
            run.TakeValues(0, SEL_CONTOURS, {});
        if (results.GetDisplaySwitch(4) && hasResults &&
            run.Allowed(e_Class::O, Cpp_ResultsDisplay::GetSelectionFilterD()) &&
            results.HitTestPickGeometry(run.Fresh()))
            run.TakeValues(0, SEL_RESULTS_ITEM, {});
    }

    void StressDiagrams() {
        {
            for (const s_StressDiagram& d : kStressDiagrams) {
                int index = 0;
                if (slices.GetDisplaySwitch(d.switchNumber) && hasResults &&
                    run.Allowed(e_Class::O, d.flag()) &&
                    slices.HitTestSliceItemA(run.Fresh(), d.segment, index)) {
                    Cpp_Selection s;
                    s.SetTypedItem(ds, d.kind, index);
                    run.Take(s);
                }
            }
        }
    }

    void Slices() {
        const bool slicesShown = slices.GetDisplaySwitch(0) && hasResults;
        auto takeSlice = [&](int kind, int index) {
            s_SelectionReferences r;
            r.number1 = index;
            run.TakeValues(0, kind, r);
        };
        int sliceIndex = 0;
        if (slicesShown && run.Allowed(e_Class::O, Cpp_Slices::GetSelectionFilterI()) &&
            slices.FindSliceAtX(x, y, sliceIndex))
            takeSlice(SEL_SLICE, sliceIndex);
        if (slicesShown && run.Allowed(e_Class::O, Cpp_Slices::GetSelectionFilterF()) &&
            slices.HitTestSliceBoundary(run.Fresh(), sliceIndex))
            takeSlice(SEL_SLICE_BOUNDARY, sliceIndex);
        if (slicesShown && run.Allowed(e_Class::O, Cpp_Slices::GetSelectionFilterD()) &&
            slices.HitTestCrackWaterForce(run.Fresh()))
            run.TakeValues(0, SEL_CRACK_WATER_FORCE, {});
        if (results.GetDisplaySwitch(3) && (ds->AnalysisMode() == 4 || ds->AnalysisMode() == 5) &&
            hasResults && run.Allowed(e_Class::O, Cpp_ResultsDisplay::GetSelectionFilterC())) {
            const int stages = analysis.NumberOfStages();
            if (results.HitTestCorner(stages, x, y, run.pick_.tolerance))
                run.TakeValues(stages, SEL_EARTH_PRESSURE_FORCE, {});
        }
        if (slicesShown && run.Allowed(e_Class::O, Cpp_Slices::GetSelectionFilterE()) &&
            slices.HitTestLineOfThrust(run.Fresh(), sliceIndex))
            takeSlice(SEL_THRUST_LINE, sliceIndex);
    }

    void MaterialRegion() {
        if (profile.GetShowLines() &&
            run.Allowed(e_Class::O, Cpp_ProfileLineList::GetPickFilter(5)))
            if (Cpp_ProfileLine* line = profile.FindLineAbovePoint(x, y))
                run.TakeValues(1, SEL_MATERIAL_REGION, {line});
    }

    void MaterialTables() {
        if (!run.Allowed(e_Class::O, Cpp_MaterialTableLayout::GetMaterialTableSelectable())) return;
        for (int stage : active)
            if (Cpp_Selection s; PickMaterialTable(ds, stage, run.Fresh(), s)) run.Take(s);
    }

    void SearchGrid() { analysisRows.Take({SEL_SEARCH_GRID}); }

private:
    HitRun& run;
    Cpp_Kliven4DataSet* ds;
    const double x, y;
    const s_DisplayFlagsType& flags;
    Cpp_ProfileLineList& profile;
    Cpp_SlopeGeometry& slope;
    Cpp_SlopeLine& slopeLine;
    Cpp_AnalysisComputationData& analysis;
    const Cpp_Crack& crack;
    Cpp_ReinforcementLineList& rein;
    const Cpp_IndividualGeogridList& geogrids;
    const Cpp_IndividualNailList& nails;
    const std::vector<int> active;
    AnalysisRows analysisRows;
    const Cpp_Line& crackBottom;
    const Cpp_Line& crackWater;
    const Cpp_ResultsDisplay& results;
    const Cpp_Slices& slices;
    const bool hasResults;
};

// The pickers in the order the candidates are listed (after the construction points and
// segments, which need no data set).
constexpr void (HitPicker::*kPickers[])() = {
    // 3: profile points, line by line (kind 84; the clipped lines are never made).
    &HitPicker::ProfilePoints,
    // 4: piezometric points of both stages.
    &HitPicker::PiezometricPoints,
    // 5: interpolation points, data set by data set, in two passes.
    &HitPicker::InterpolationPoints,
    // 6: slope points.
    &HitPicker::SlopePoints,
    // 7 to 9: distributed-load points, line loads, line loads at their drawn position.
    &HitPicker::Loads,
    // 10: reinforcement points over all lines.
    &HitPicker::ReinforcementPoints,
    // 11 to 13: centre, noncircular points, tangent-line points.
    &HitPicker::AnalysisPoints,
    // 14, 15: the crack's points.
    &HitPicker::VariableCrackPoints,
    // 16, 17: the computed crack lines' points (no pick flags of their own).
    &HitPicker::ComputedCrackPoints,
    // 18 to 21: fixed point, horizontal tangent, radius line, radius definitions, grid corner.
    &HitPicker::AnalysisDefinitions,
    // 22, 23: critical-surface points and the critical circle.
    &HitPicker::CriticalSurfacePoints,
    // 24, 25: geogrid and nail ends.
    &HitPicker::GeogridAndNailEnds,
    // 26: profile segments over all lines, one candidate.
    &HitPicker::ProfileSegments,
    // 27: piezometric segments of both stages.
    &HitPicker::PiezometricSegments,
    // 28: slope segments.
    &HitPicker::SlopeSegments,
    // 29: distributed-load segments.
    &HitPicker::DistributedLoadSegments,
    // 30: reinforcement intervals.
    &HitPicker::ReinforcementIntervals,
    // 31, 32: the crack's segments.
    &HitPicker::VariableCrackSegments,
    // 33, 34: the computed crack lines.
    &HitPicker::ComputedCrackLines,
    // 35, 36: slip-surface line, tangent-line segments.
    &HitPicker::AnalysisSegments,
    // 37: critical-surface segments.
    &HitPicker::CriticalSurfaceSegments,
    // 38, 39: geogrid and nail bars.
    &HitPicker::GeogridAndNailBars,
    // 40: construction circles.
    &HitPicker::ConstructionCircles,
    // 41: interpolation triangles, in two passes.
    &HitPicker::InterpolationTriangles,
    // 42, 43: profile number labels and material labels.
    &HitPicker::ProfileLabels,
    // 44: piezometric number labels.
    &HitPicker::PiezometricLabels,
    // 45, 46: normal and shear load diagrams.
    &HitPicker::LoadDiagrams,
    // 47, 48: reinforcement force diagrams.
    &HitPicker::ReinforcementForces,
    // 49 to 52: the factor-of-safety text, triangles and contours, the surfaces of a search.
    &HitPicker::SearchResults,
    // 53 to 55: the stress diagrams.
    &HitPicker::StressDiagrams,
    // 56 to 60: slices, slice boundaries, crack water force, earth pressure, line of thrust.
    &HitPicker::Slices,
    // 61: the material region under the pick.
    &HitPicker::MaterialRegion,
    // 62: the material property table of each active stage.
    &HitPicker::MaterialTables,
    // 63: the search grid or area as a whole.
    &HitPicker::SearchGrid,
};

}  // namespace

bool Cpp_SelectionList::SelectItemAtPoint(Cpp_Kliven4DataSet* ds, double x, double y,
                                          bool ignoreFilter, bool pointsOnly, bool segmentsOnly) {
    HitRun run(*this, ds, x, y, pointsOnly, segmentsOnly);
    if (ignoreFilter) SaveOption();
    struct Restore {
        Cpp_SelectionList& list;
        bool on;
        ~Restore() {
            if (on) list.RestoreOption();
        }
    } restore{*this, ignoreFilter};

    // 1, 2: construction points and segments, line by line.
    Cpp_ConstructionLineList& construction = GetConstructionLineList();
    if (construction.GetShowPoints() && run.Allowed(e_Class::P, construction.GetSelectPoints()))
        for (const auto& line : construction.Lines())
            if (Cpp_PointXY* p = line->FindNearestPoint(run.Fresh()))
                run.TakePoint(0, SEL_CONSTRUCTION_POINT, line.get(), p);
    if (construction.GetShowLines() && run.Allowed(e_Class::S, construction.GetSelectLines()))
        for (const auto& line : construction.Lines())
            if (Cpp_PointXY* p = line->FindNearestSegment(run.Fresh()))
                run.TakeSegment(0, SEL_CONSTRUCTION_SEGMENT, line.get(), p);
    if (!ds) return false;

    HitPicker picker(run, ds, x, y);
    for (void (HitPicker::*pick)() : kPickers) (picker.*pick)();
    return !IsEmpty();
}

bool Cpp_SelectionList::SelectPointAtPoint(Cpp_Kliven4DataSet* ds, double x, double y,
                                           bool ignoreFilter, bool pointsOnly, bool segmentsOnly,
                                           bool skip) {
    if (skip) return false;
    if (!addMode_) ClearAndErase();
    if (!ds) return false;
    if (ignoreFilter) SaveOption();
    struct Restore {
        Cpp_SelectionList& list;
        bool on;
        ~Restore() {
            if (on) list.RestoreOption();
        }
    } restore{*this, ignoreFilter};

    s_PickType pick;
    pick.x = x;
    pick.y = y;
    pick.tolerance = PickToleranceInWorld();
    const int restrictTo = IsEmpty() ? 0 : nodes_.front().GetType();
    const bool empty = IsEmpty();
    auto may = [&](bool shown, bool flag, std::initializer_list<int> kinds) {
        if (!shown || (kindFilter_ && !flag)) return false;
        if (empty) return true;
        for (int k : kinds)
            if (k == restrictTo) return true;
        return false;
    };
    Cpp_Selection found;
    bool any = false;
    auto take = [&](const Cpp_Selection& s) {
        found = s;
        any = true;
    };
    auto takePoint = [&](int stage, int kind, void* line, void* point) {
        Cpp_Selection s;
        s.SetPointItem(ds, stage, kind, line, point);
        take(s);
    };
    auto takeSegment = [&](int stage, int kind, void* line, void* first) {
        Cpp_Selection s;
        s.SetSegmentItem(ds, stage, kind, line, first);
        take(s);
    };
    auto takeValues = [&](int stage, int kind, const s_SelectionReferences& r) {
        Cpp_Selection s;
        s.SetFromValues(ds, stage, kind, r);
        take(s);
    };

    const s_DisplayFlagsType& flags = ds->DisplayFlags();
    Cpp_ConstructionLineList& construction = GetConstructionLineList();
    Cpp_ProfileLineList& profile = ds->ProfileLines();
    Cpp_SlopeGeometry& slope = ds->SlopeGeometry();
    Cpp_SlopeLine& slopeLine = slope.GetSlopeLine();
    Cpp_AnalysisComputationData& analysis = *ds->AnalysisComputationData();
    Cpp_ReinforcementLineList& rein = *ds->ReinforcementLines();
    const Cpp_ResultsDisplay& results = ds->ResultsDisplay();
    const Cpp_Slices& slices = ds->Slices();
    const std::vector<int> active = ActiveStages(*ds);
    // The analysis candidates of one kind, ranked against what was found so far (a test that
    // does not rank, the slip-surface arc and the search area, replaces it whenever it hits).
    auto analysisKind = [&](int kind, bool ranked) {
        for (const s_AnalysisHit& hit :
             FindAnalysisCandidates(analysis, x, y, pick.tolerance, pointsOnly, segmentsOnly)) {
            if (hit.kind != kind) continue;
            const double d =
                (hit.point.x - x) * (hit.point.x - x) + (hit.point.y - y) * (hit.point.y - y);
            if (!ranked || AcceptNearerCandidate(pick, d)) take(AnalysisRecord(ds, hit));
            return;
        }
    };

    if (!segmentsOnly) {
        // 1 to 3: construction, profile and piezometric points over all lines.
        Cpp_Line* line = nullptr;
        if (may(construction.GetShowPoints(), construction.GetSelectPoints(),
                {SEL_CONSTRUCTION_POINT}))
            if (Cpp_PointXY* p = construction.FindNearestLinePoint(pick, line))
                takePoint(0, SEL_CONSTRUCTION_POINT, line, p);
        if (may(profile.GetShowPoints(), Cpp_ProfileLineList::GetPickFilter(1),
                {SEL_PROFILE_POINT_CLIPPED, SEL_PROFILE_POINT}))
            if (Cpp_PointXY* p = profile.FindNearestLinePoint(pick, line))
                takePoint(0, SEL_PROFILE_POINT, line, p);
        for (int stage : {1, 2}) {
            Cpp_PiezometricLineList* list = ds->PiezometricLines(stage);
            if (list && may(list->GetShowPoints(), PiezometricPickFlags(stage).points,
                            {SEL_PIEZOMETRIC_POINT}))
                if (Cpp_PointXY* p = list->FindNearestLinePoint(pick, line))
                    takePoint(stage, SEL_PIEZOMETRIC_POINT, line, p);
        }
        // 4, 5: interpolation points, both kinds of a pair once either is shown.
        for (bool first : {true, false})
            for (int stage : active) {
                Cpp_InterpolationData* data = ds->InterpolationData(stage);
                if (!data) continue;
                const int a = first ? 1 : 3, b = first ? 2 : 5;
                const bool shownA = InterpolationPointsShown(flags, a, stage);
                const bool shownB = InterpolationPointsShown(flags, b, stage);
                const bool flagA = Cpp_InterpolationData::GetPickPoints(stage, a) ||
                                   Cpp_InterpolationData::GetPickPoints(stage, b);
                if (!((shownA && (!kindFilter_ || flagA)) || shownB)) continue;
                if (!empty &&
                    !(first ? (restrictTo == SEL_PRESSURE_NODE || restrictTo == SEL_RSUBU_NODE)
                            : (restrictTo == SEL_STRENGTH_NODE || restrictTo == SEL_CP_NODE)))
                    continue;
                for (const auto& set : data->DataSets()) {
                    if (InFirstPass(set->Kind()) != first) continue;
                    const int kind = InterpolationPointKind(set->Kind());
                    if (!kind) continue;
                    if (Cpp_VERTEX* v = HitTestInterpolationPoint(*set, pick))
                        takeValues(stage, kind, {set.get(), v});
                }
            }
        // 6 to 10: slope points, load points, line loads, reinforcement points.
        if (may(slopeLine.GetShowSlopePoints(), Cpp_SlopeLine::GetPickFilter(1), {SEL_LOAD_POINT}))
            if (Cpp_PointXY* p = slopeLine.FindNearestPoint(pick))
                takePoint(0, SEL_SLOPE_POINT, &slopeLine, p);
        for (int stage : active) {
            Cpp_DistributedLoadData* loads = ds->DistributedLoads(stage);
            if (may(loads->ShowPoints(), Cpp_DistributedLoadData::GetSelectionFilterA(stage),
                    {SEL_LOAD_POINT}))
                if (auto* p = NearestNode(loads->GetFirstListItem(), pick)) {
                    Cpp_Selection s;
                    s.SetLoadPointItem(ds, stage, SEL_LOAD_POINT, p);
                    take(s);
                }
        }
        for (int stage : active) {
            Cpp_LineLoadList* lineLoads = ds->LineLoads(stage);
            const bool flag = Cpp_LineLoadList::GetSelectionFilter(stage);
            if (may(lineLoads->GetDisplayFlag(), flag, {SEL_LINE_LOAD}))
                if (Cpp_LineLoad* load = NearestOf(lineLoads->Loads(), pick)) {
                    Cpp_Selection s;
                    s.SetLoadPointItem(ds, stage, SEL_LINE_LOAD, load);
                    take(s);
                }
            if (may(lineLoads->GetDisplayFlag(), flag, {SEL_LINE_LOAD}))
                if (Cpp_LineLoad* load = lineLoads->HitTestLoad(pick)) {
                    Cpp_Selection s;
                    s.SetLoadPointItem(ds, stage, SEL_LINE_LOAD_DRAWN, load);
                    take(s);
                }
        }
        if (may(rein.GetDisplayPoints(), Cpp_ReinforcementLineList::GetSelectionFilterD(),
                {SEL_REINFORCEMENT_POINT}))
            if (Cpp_PointXY* p = rein.FindNearestLinePoint(pick, line))
                takePoint(0, SEL_REINFORCEMENT_POINT, line, p);
        // 11 to 18: analysis points, computed crack points, the circle items, grid corner.
        if (empty && (!kindFilter_ || AnalysisPickFlag(SEL_CIRCLE_CENTRE)))
            analysisKind(SEL_CIRCLE_CENTRE, true);
        if (!kindFilter_ || AnalysisPickFlag(SEL_NONCIRCULAR_POINT))
            analysisKind(SEL_NONCIRCULAR_POINT, true);
        if ((empty || restrictTo == SEL_TANGENT_POINT) &&
            (!kindFilter_ || AnalysisPickFlag(SEL_TANGENT_POINT)))
            analysisKind(SEL_TANGENT_POINT, true);
        const Cpp_Line& crackBottom = slope.GetCrackBottomLine();
        if (may(slope.GetShowTensionCrack() && crackBottom.HasPoints(), true, {SEL_CRACK_POINT}))
            if (Cpp_PointXY* p = crackBottom.FindNearestPoint(pick))
                takeValues(0, SEL_CRACK_POINT, {p});
        if (empty) {
            if (!kindFilter_ || AnalysisPickFlag(SEL_FIXED_POINT))
                analysisKind(SEL_FIXED_POINT, true);
            if (!pointsOnly && (!kindFilter_ || AnalysisPickFlag(SEL_PRESCRIBED_RADIUS)))
                analysisKind(SEL_PRESCRIBED_RADIUS, true);
            if (!pointsOnly && (!kindFilter_ || AnalysisPickFlag(SEL_HORIZONTAL_TANGENT)))
                analysisKind(SEL_HORIZONTAL_TANGENT, true);
            if (!kindFilter_ || AnalysisPickFlag(SEL_GRID_CORNER))
                analysisKind(SEL_GRID_CORNER, true);
        }
        // 19: critical-surface points.
        if (may(slices.GetDisplaySwitch(1) && results.HasResults(),
                Cpp_Slices::GetSelectionFilterC(), {SEL_CRITICAL_POINT})) {
            double px = 0, py = 0;
            int index = 0;
            if (slices.HitTestSliceItemB(pick, px, py, index)) {
                Cpp_Selection s;
                s.SetCircleItem(ds, SEL_CRITICAL_POINT, px, py, index);
                take(s);
            }
        }
    }
    if (!any && !pointsOnly) {
        Cpp_Line* line = nullptr;
        // 20 to 24: construction, profile, piezometric, slope and reinforcement segments.
        if (may(construction.GetShowLines(), construction.GetSelectLines(),
                {SEL_CONSTRUCTION_SEGMENT}))
            if (Cpp_PointXY* p = construction.FindNearestSegment(pick, line))
                takeSegment(0, SEL_CONSTRUCTION_SEGMENT, line, p);
        if (may(profile.GetShowLines(), Cpp_ProfileLineList::GetPickFilter(2),
                {SEL_PROFILE_SEGMENT_CLIPPED, SEL_PROFILE_SEGMENT}))
            if (Cpp_PointXY* p = profile.Cpp_LineList::FindNearestSegment(pick, line))
                takeSegment(0, SEL_PROFILE_SEGMENT, line, p);
        for (int stage : {1, 2}) {
            Cpp_PiezometricLineList* list = ds->PiezometricLines(stage);
            if (list && may(list->GetShowLines(), PiezometricPickFlags(stage).segments,
                            {SEL_PIEZOMETRIC_SEGMENT}))
                if (Cpp_PointXY* p = list->FindNearestSegment(pick, line))
                    takeSegment(stage, SEL_PIEZOMETRIC_SEGMENT, line, p);
        }
        if (may(slopeLine.GetShowSlopeLine() && slopeLine.HasPoints(),
                Cpp_SlopeLine::GetPickFilter(2), {SEL_SLOPE_SEGMENT}))
            if (Cpp_PointXY* p = slopeLine.FindNearestSegment(pick))
                takeSegment(0, SEL_SLOPE_SEGMENT, &slopeLine, p);
        if (may(rein.GetDisplayLines(), Cpp_ReinforcementLineList::GetSelectionFilterA(),
                {SEL_REINFORCEMENT_INTERVAL}))
            if (Cpp_PointXY* p = rein.FindNearestSegment(pick, line))
                takeSegment(0, SEL_REINFORCEMENT_INTERVAL, line, p);
        // 25: tangent-line segments.
        if ((empty || restrictTo == SEL_TANGENT_SEGMENT) &&
            (!kindFilter_ || AnalysisPickFlag(SEL_TANGENT_SEGMENT)))
            analysisKind(SEL_TANGENT_SEGMENT, true);
        // 26, 27: the computed crack lines.
        const Cpp_Line& crackBottom = slope.GetCrackBottomLine();
        const Cpp_Line& crackWater = slope.GetCrackWaterLine();
        if (may(slope.GetShowTensionCrack() && crackBottom.HasPoints(), true, {SEL_CRACK_BOTTOM}))
            if (Cpp_PointXY* p = crackBottom.FindNearestSegment(pick))
                takeSegment(0, SEL_CRACK_BOTTOM, nullptr, p);
        if (may(slope.GetShowCrackWater() && crackWater.HasPoints(), true,
                {SEL_CRACK_WATER_SURFACE}))
            if (Cpp_PointXY* p = crackWater.FindNearestSegment(pick))
                takeSegment(0, SEL_CRACK_WATER_SURFACE, nullptr, p);
        // 28: the slip-surface line (noncircular only), not ranked.
        if (!analysis.IsCircular() && (!kindFilter_ || AnalysisPickFlag(SEL_SLIP_SURFACE_SEGMENT)))
            analysisKind(SEL_SLIP_SURFACE_SEGMENT, false);
        // 29: critical-surface segments.
        int sliceIndex = 0;
        if (may(slices.GetDisplaySwitch(2) && results.HasResults(),
                Cpp_Slices::GetSelectionFilterC(), {SEL_CRITICAL_SEGMENT}) &&
            slices.HitTestSliceItemC(pick, sliceIndex)) {
            Cpp_Selection s;
            s.SetTypedItem(ds, SEL_CRITICAL_SEGMENT, sliceIndex);
            take(s);
        }
        if (!segmentsOnly) {
            // 30 to 33: load and force diagrams.
            for (int kind : {SEL_NORMAL_LOAD_INTERVAL, SEL_SHEAR_LOAD_INTERVAL})
                for (int stage : active) {
                    Cpp_DistributedLoadData* loads = ds->DistributedLoads(stage);
                    const bool normal = kind == SEL_NORMAL_LOAD_INTERVAL;
                    if (may(normal ? loads->ShowNormalStress() : loads->ShowShearStress(),
                            normal ? Cpp_DistributedLoadData::GetSelectionFilterB(stage)
                                   : Cpp_DistributedLoadData::GetSelectionFilterC(stage),
                            {kind}))
                        if (auto* p = loads->HitTestDiagramLine(pick, normal)) {
                            Cpp_Selection s;
                            s.SetDistributedLoadItem(ds, stage, kind, p);
                            take(s);
                        }
                }
            for (bool longitudinal : {true, false}) {
                const int kind = longitudinal ? SEL_LONGITUDINAL_FORCE : SEL_TRANSVERSE_FORCE;
                Cpp_ReinforcementLine* reinLine = nullptr;
                if (may(longitudinal ? rein.GetDisplayLongitudinalForce()
                                     : rein.GetDisplayTransverseForce(),
                        longitudinal ? Cpp_ReinforcementLineList::GetSelectionFilterB()
                                     : Cpp_ReinforcementLineList::GetSelectionFilterC(),
                        {kind}))
                    if (Cpp_ReinforcementPoint* p =
                            rein.HitTestDiagram(pick, longitudinal, &reinLine))
                        takeSegment(0, kind, reinLine, p);
            }
            // 34 to 37: the stress diagrams, then the slice under the pick.
            for (const s_StressDiagram& d : kStressDiagrams)
                if (may(slices.GetDisplaySwitch(d.switchNumber), d.flag(), {d.kind}) &&
                    slices.HitTestSliceItemA(pick, d.segment, sliceIndex)) {
                    Cpp_Selection s;
                    s.SetTypedItem(ds, d.kind, sliceIndex);
                    take(s);
                }
            if (!any &&
                may(slices.GetDisplaySwitch(0) && results.HasResults(),
                    Cpp_Slices::GetSelectionFilterI(), {SEL_SLICE}) &&
                slices.FindSliceAtX(x, y, sliceIndex)) {
                s_SelectionReferences r;
                r.number1 = sliceIndex;
                takeValues(0, SEL_SLICE, r);
            }
            // 38: the material region, only when nothing was found.
            if (!any && profile.GetShowLines() &&
                (!kindFilter_ || Cpp_ProfileLineList::GetPickFilter(5)))
                if (Cpp_ProfileLine* region = profile.FindLineAbovePoint(x, y))
                    takeValues(1, SEL_MATERIAL_REGION, {region});
            // 39: the material property tables, only when nothing was found.
            if (!any && (!kindFilter_ || Cpp_MaterialTableLayout::GetMaterialTableSelectable()))
                for (int stage : active)
                    if (Cpp_Selection s; PickMaterialTable(ds, stage, pick, s)) {
                        take(s);
                        break;
                    }
            // 40: the search grid or area.
            if (empty && (!kindFilter_ || AnalysisPickFlag(SEL_SEARCH_GRID)))
                analysisKind(SEL_SEARCH_GRID, false);
        }
    }
    if (!any) return false;
    PushFront(found);
    return true;
}

namespace selection_family {

// The initial circle's centre (53) with its radius; a grid corner (46) by its number.
void CircleDefinitionAnalysisRecord(Cpp_AnalysisComputationData& a, const s_AnalysisHit& hit,
                                    s_SelectionReferences& r) {
    if (hit.kind == SEL_CIRCLE_CENTRE) {
        double x = 0, y = 0, radius = 0;
        if (a.GetInitialCircleValue(x, y, radius))
            r = {nullptr, nullptr, nullptr, 0, 0, 0, x, y, radius, 0};
    } else if (hit.kind == SEL_GRID_CORNER) {
        r.number1 = hit.number;
    }
}

// The surface's point at the index, for noncircular data.
void SlipSurfaceAnalysisRecord(Cpp_AnalysisComputationData& a, const s_AnalysisHit& hit,
                               s_SelectionReferences& r) {
    auto& points = a.GetNoncircularPointList().Points();
    if (!a.IsCircular() && hit.index >= 0 && hit.index < static_cast<int>(points.size())) {
        r.ref1 = &a.GetNoncircularPointList();
        r.ref2 = &points[static_cast<size_t>(hit.index)];
    }
}

// The definition by its number; the tangent line's point number after it.
void RadiusDefinitionAnalysisRecord(Cpp_AnalysisComputationData& a, const s_AnalysisHit& hit,
                                    s_SelectionReferences& r) {
    r.number1 = hit.number;
    r.ref2 = a.GetRadiusDefinitionList().GetNth(hit.number);
    r.number3 = hit.index + 1;
}

void IrregularTangentAnalysisRecord(Cpp_AnalysisComputationData& a, const s_AnalysisHit&,
                                    s_SelectionReferences& r) {
    r.ref1 = a.GetTangentLine();
}

}  // namespace selection_family
