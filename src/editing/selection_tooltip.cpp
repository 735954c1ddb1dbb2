// The tool tip of the item under the cursor, by its kind.
#include "editing/selection.h"

#include "analysis/analysis_computation_data.h"
#include "analysis/noncircular_shear_surface.h"
#include "core/format_text.h"
#include "core/point_xy.h"
#include "editing/construction_items.h"
#include "editing/selection_family_ops.h"
#include "editing/selection_kinds.h"
#include "editing/selection_texts.h"
#include "graphics/line.h"
#include "loads/distributed_load_data.h"
#include "loads/line_load.h"
#include "loads/reinforcement_line.h"
#include "model/data_set.h"
#include "porepressure/interpolation_data.h"
#include "porepressure/piezometric_line.h"
#include "profile/material_properties.h"
#include "profile/profile_line.h"

#include <cmath>

namespace {

using namespace selection_texts;

// The first 40 characters of a description; empty for none.
std::string DescriptionLine(const Cpp_ListItem* item) {
    std::string text;
    if (item) item->DescriptionPrefix(text, 40);
    return text;
}

std::string MaterialRegionTip(const Cpp_ProfileLine& line, const Cpp_Kliven4DataSet* ds,
                              int stage) {
    const int number = line.GetMaterialNumber();
    if (number <= 0) return FormatText("Mat'l: ??, Prof.Line: %1d", line.GetNumber());
    std::string text = FormatText("Mat'l: %1d, Prof.Line: %1d", number, line.GetNumber());
    const Cpp_MaterialProperties* material =
        ds ? ds->MaterialData().GetMaterialList().FindMaterialConst(number) : nullptr;
    if (!material) return text + "\nMat'l properties missing";
    if (material->HasDescription()) text += "\n" + material->Description();
    if (ds->IsMultiStage()) text += FormatText("\nStage: %1d", stage);
    std::string unitWeight;
    if (material->GetUnitWeightToolTip(stage, unitWeight)) text += "\n" + unitWeight;
    return text;
}

struct s_InterpolationTip {
    int node, point;
    const char* oneMaterial;
    const char* anyMaterial;
};
constexpr s_InterpolationTip kInterpolationTips[] = {
    {90, 92, "PWP Interp. Pt. No. %1d\nMaterial No. %1d\nX: %1.3f, Y: %1.3f\nU: %1.2f",
     "PWP Interp. Pt. No. %1d\nMaterial No.: ALL\nX: %1.3f, Y: %1.3f\nU: %1.2f"},
    {106, 108, "Ru Interp. Pt. No. %1d\nMaterial No. %1d\nX: %1.3f, Y: %1.3f\nru: %1.2f",
     "Ru Interp. Pt. No. %1d\nMaterial No.: ALL\nX: %1.3f, Y: %1.3f\nru: %1.2f"},
    {136, 138, "Su Interp. Pt. No. %1d\nMaterial No. %1d\nX: %1.3f, Y: %1.3f\nSu: %1.2f",
     "Su Interp. Pt. No. %1d\nMaterial No.: ALL\nX: %1.3f, Y: %1.3f\nSu: %1.2f"},
    {12, 14, "c/p Interp. Pt. No. %1d\nMaterial No. %1d\nX: %1.3f, Y: %1.3f\nc/p: %1.2f",
     "c/p Interp. Pt. No. %1d\nMaterial No.: ALL\nX: %1.3f, Y: %1.3f\nc/p: %1.2f"},
    {146, 0, "Unit wt. Interp. Pt. No. %1d\nMaterial No. %1d\nX: %1.3f, Y: %1.3f\nUnit wt.: %1.2f",
     nullptr},
};

// The node kinds always name the material; the point kinds say "ALL" for material 0.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat-nonliteral"
bool InterpolationTipText(int kind, const s_SelectionReferences& r, std::string& text) {
    for (const s_InterpolationTip& row : kInterpolationTips) {
        if (kind != row.node && kind != row.point) continue;
        const auto* set = static_cast<const Cpp_InterpolationDataSet*>(r.ref1);
        const auto* point = static_cast<const Cpp_VERTEX*>(r.ref2);
        if (!set || !point) return false;
        const int m = set->Material();
        text = kind == row.point && m == 0 ? FormatText(row.anyMaterial, point->Number(),
                                                        point->X(), point->Y(), point->Value())
                                           : FormatText(row.oneMaterial, point->Number(), m,
                                                        point->X(), point->Y(), point->Value());
        return true;
    }
    return false;
}
#pragma GCC diagnostic pop

std::string ReinforcementIntervalTip(const Cpp_ReinforcementLine* line, const Cpp_PointXY& p,
                                     const Cpp_PointXY& q) {
    const double dx = q.X() - p.X(), dy = q.Y() - p.Y();
    const std::string description = DescriptionLine(line);
    if (dx == 0)
        return FormatText("Reinf. line no. %1d\n%s\nSegment no. %1d\nSegment is vertical",
                          static_cast<int>(LineNumber(line)), description.c_str(), p.Number());
    return FormatText(
        "Reinf. line no. %1d\n%s\nSegment no. %1d\nSlope dy/dx: %1.3f\nSlope (degrees): %1.2f",
        static_cast<int>(LineNumber(line)), description.c_str(), p.Number(), dy / dx,
        std::atan(dy / dx) * kDegreesPerRadian);
}

std::string NoncircularPointTip(int mode, const Cpp_NoncircularShearSurfacePoint& p) {
    if (mode == 1)
        return FormatText("Noncircular slip surface\nPoint No. %1d\nX: %1.3f, Y: %1.3f", p.Number(),
                          p.X(), p.Y());
    if (mode != 3) return {};
    const std::string head = FormatText("Initial trial slip surface\nPoint No. %1d\nX: %1.3f, "
                                        "Y: %1.3f",
                                        p.Number(), p.X(), p.Y());
    if (!p.IsMoveable()) return head + "\nFixed";
    if (p.IsShiftDirectionComputed()) return head + "\nMoveable - computed";
    return head + FormatText("\nMoveable, angle: %1.2f", p.GetShiftAngleDegrees());
}

}  // namespace

bool Cpp_Selection::GetToolTipText(std::string& text) const {
    const s_SelectionKindRow* row = FindSelectionKind(type_);
    const SelectionTipOp tip = row ? SelectionFamilyOps(row->family).toolTip : nullptr;
    return tip && tip(*this, text);
}

namespace selection_family {

namespace {
const Cpp_PointXY* PointOf(const Cpp_Selection& item) {
    return static_cast<const Cpp_PointXY*>(item.GetItemReferences().ref2);
}
const Cpp_PointXY* NextOf(const Cpp_PointXY* point) { return point ? point->Next() : nullptr; }
int ModeOf(const Cpp_Selection& item) {
    return item.GetDataSet() ? item.GetDataSet()->Analysis().GetMode() : 0;
}
}  // namespace

bool InterpolationTip(const Cpp_Selection& item, std::string& text) {
    return InterpolationTipText(item.GetType(), item.GetItemReferences(), text);
}

bool ConstructionCircleTip(const Cpp_Selection& item, std::string& text) {
    const auto* circle = static_cast<const Cpp_ConstructionCircle*>(item.GetItemReferences().ref2);
    if (!circle) return false;
    text = FormatText("Const. circle\nX-center: %1.3f, Y-center: %1.3f\nRadius: %1.3f",
                      circle->CentreX(), circle->CentreY(), circle->GetRadius());
    return true;
}

bool ConstructionLineTip(const Cpp_Selection& item, std::string& text) {
    const Cpp_PointXY* point = PointOf(item);
    if (!point) return false;
    const int line = static_cast<int>(LineNumber(item.GetItemReferences().ref1));
    if (item.GetType() == SEL_CONSTRUCTION_POINT)
        text = FormatText("Const. Line No. %1d\nPoint No. %1d\nX: %1.3f, Y: %1.3f", line,
                          point->Number(), point->X(), point->Y());
    else
        text = FormatText("Const. Line No. %1d\nSegment %1d", line, point->Number());
    return true;
}

// Clipped profile lines have no tip.
bool ClippedProfileTip(const Cpp_Selection&, std::string&) { return true; }

bool ProfileLineTip(const Cpp_Selection& item, std::string& text) {
    const s_SelectionReferences& r = item.GetItemReferences();
    const Cpp_PointXY* point = PointOf(item);
    switch (item.GetType()) {
    case SEL_PROFILE_POINT:
        if (!point) return false;
        text = FormatText("Prof. Pt. No. %1d\nLine No. %1d\nX: %1.3f, Y: %1.3f", point->Number(),
                          static_cast<int>(LineNumber(r.ref1)), point->X(), point->Y());
        return true;
    case SEL_PROFILE_SEGMENT: {
        const auto* line = static_cast<const Cpp_ProfileLine*>(r.ref1);
        if (!line || !point) return false;
        text =
            FormatText("Prof. Line No. %1d\n%s\nSegment %1d\nMaterial: %1d", line->GetNumber(),
                       DescriptionLine(line).c_str(), point->Number(), line->GetMaterialNumber());
        return true;
    }
    case SEL_MATERIAL_REGION: {
        const auto* line = static_cast<const Cpp_ProfileLine*>(r.ref1);
        if (!line) return false;
        text = MaterialRegionTip(*line, item.GetDataSet(), item.GetStage());
        return true;
    }
    case SEL_PROFILE_LABEL: return true;
    default: return false;
    }
}

// No piezometric line is marked as a phreatic surface.
bool PiezometricLineTip(const Cpp_Selection& item, std::string& text) {
    const s_SelectionReferences& r = item.GetItemReferences();
    const Cpp_PointXY* point = PointOf(item);
    if (item.GetType() == SEL_PIEZOMETRIC_POINT) {
        if (!point) return false;
        text = FormatText("Piez. Pt. No. %1d\nLine No. %1d\nX: %1.3f, Y: %1.3f", point->Number(),
                          static_cast<int>(LineNumber(r.ref1)), point->X(), point->Y());
        return true;
    }
    if (item.GetType() != SEL_PIEZOMETRIC_SEGMENT) return false;
    const auto* line = static_cast<const Cpp_PiezometricLine*>(r.ref1);
    if (!line || !point) return false;
    const bool multiStage = item.GetDataSet() && item.GetDataSet()->IsMultiStage();
    text = multiStage
               ? FormatText("Piezometric line no. %1d\nStage %1d\nSegment %1d\nFluid "
                            "unit weight: %1.2f",
                            line->GetNumber(), item.GetStage(), point->Number(), line->UnitWeight())
               : FormatText("Piezometric line no. %1d\nSegment %1d\nFluid unit weight: "
                            "%1.2f",
                            line->GetNumber(), point->Number(), line->UnitWeight());
    return true;
}

bool SlopeLineTip(const Cpp_Selection& item, std::string& text) {
    const Cpp_PointXY* point = PointOf(item);
    const Cpp_PointXY* next = NextOf(point);
    if (item.GetType() == SEL_SLOPE_POINT) {
        if (!point) return false;
        text = FormatText("Slope Pt.\nX: %1.3f, Y: %1.3f", point->X(), point->Y());
        return true;
    }
    if (!point || !next) return false;
    const double dx = next->X() - point->X(), dy = next->Y() - point->Y();
    text = dx == 0 ? FormatText("Slope Line\nSegment %1d\nSegment is vertical", point->Number())
                   : FormatText("Slope Line\nSegment %1d\nSlope (dy/dx):%1.3f\nSlope "
                                "(degrees): %1.2f",
                                point->Number(), dy / dx, std::atan(dy / dx) * kDegreesPerRadian);
    return true;
}

// Only a load point has a tip.
bool DistributedLoadTip(const Cpp_Selection& item, std::string& text) {
    if (item.GetType() != SEL_LOAD_POINT) return false;
    const auto* p = static_cast<const Cpp_DistributedLoadPoint*>(item.GetItemReferences().ref1);
    if (!p) return false;
    text = FormatText("Dist. Load\nX: %1.3f, Y: %1.3f\nNormal stress: %1.3f\nShear stress: %1.3f",
                      p->X(), p->Y(), p->normalStress, p->shearStress);
    return true;
}

bool LineLoadTip(const Cpp_Selection& item, std::string& text) {
    const auto* load = static_cast<const Cpp_LineLoad*>(item.GetItemReferences().ref1);
    if (!load) return false;
    if (load->option == 1)
        text = FormatText("Line Load\nX: %1.3f, Y: %1.3f\nHoriz: %1.3f\nVert: %1.3f", load->X(),
                          load->Y(), load->horizontal, load->vertical);
    else if (load->option == 2)  // the inclination is kept in degrees, shown in radians
        text = FormatText("Line Load\nX: %1.3f, Y: %1.3f\nForce: %1.3f\nAngle: %1.3f", load->X(),
                          load->Y(), load->resultant, load->inclination / kDegreesPerRadian);
    return true;
}

bool ReinforcementTip(const Cpp_Selection& item, std::string& text) {
    const s_SelectionReferences& r = item.GetItemReferences();
    if (item.GetType() == SEL_REINFORCEMENT_POINT) {
        const auto* p = static_cast<const Cpp_ReinforcementPoint*>(r.ref2);
        if (!p) return false;
        text = FormatText("Reinf. point no. %1d\nLine No. %1d\nX: %1.3f, Y: %1.3f\nLong. force: "
                          "%1.2f\nTrans. force: %1.3f",
                          p->Number(), static_cast<int>(LineNumber(r.ref1)), p->X(), p->Y(),
                          p->longitudinalForce, p->transverseForce);
        return true;
    }
    const Cpp_PointXY* point = PointOf(item);
    const Cpp_PointXY* next = NextOf(point);
    if (!point || !next) return false;
    text =
        ReinforcementIntervalTip(static_cast<const Cpp_ReinforcementLine*>(r.ref1), *point, *next);
    return true;
}

// The grid corner and the centre; the fixed definitions have no tip.
bool CircleDefinitionTip(const Cpp_Selection& item, std::string& text) {
    const s_SelectionReferences& r = item.GetItemReferences();
    const int mode = ModeOf(item);
    if (item.GetType() == SEL_GRID_CORNER) {
        if (mode == 4)
            text = FormatText("Fixed Grid Corner  No. %1d\nX: %1.3f, Y: %1.3f", r.index, r.x, r.y);
        return true;
    }
    if (item.GetType() != SEL_CIRCLE_CENTRE) return false;
    double x = 0, y = 0, radius = 0;
    if (item.GetDataSet()) item.GetDataSet()->Analysis().GetInitialCircleValue(x, y, radius);
    if (mode == 1)
        text = FormatText(
            "Individual circle analyzed\nX-center: %1.2f\nY-center: %1.2f\nRadius: %1.2f", x, y,
            radius);
    else if (mode == 3)
        text = FormatText("Center of initial grid\nX-center: %1.2f\nY-center: %1.2f\nRadius: %1.2f",
                          x, y, radius);
    return true;
}

bool SlipSurfaceTip(const Cpp_Selection& item, std::string& text) {
    const s_SelectionReferences& r = item.GetItemReferences();
    const Cpp_AnalysisComputationData* analysis =
        item.GetDataSet() ? &item.GetDataSet()->Analysis() : nullptr;
    const int mode = ModeOf(item);
    if (item.GetType() == SEL_NONCIRCULAR_POINT) {
        if (const auto* slip = static_cast<const Cpp_NoncircularShearSurfacePoint*>(r.ref2))
            if (std::string tip = NoncircularPointTip(mode, *slip); !tip.empty()) text = tip;
        return true;
    }
    if (analysis && analysis->IsCircular()) {
        double x = 0, y = 0, radius = 0;
        analysis->GetInitialCircleValue(x, y, radius);
        if (mode == 1)
            text =
                FormatText("Circle\nX-center: %1.3f\nY-center: %1.3f\nRadius: %1.3f", x, y, radius);
        else if (mode == 3)
            text =
                FormatText("Initial trial circle\nX-center: %1.3f\nY-center: %1.3f\nRadius: %1.3f",
                           x, y, radius);
        return true;
    }
    const auto* slip = static_cast<const Cpp_NoncircularShearSurfacePoint*>(r.ref2);
    const int segment = slip ? slip->Number() : 0;
    if (mode == 1)
        text = FormatText("Noncircular slip surface\nSegment No. %1d\n", segment);
    else if (mode == 3)
        text = FormatText("Initial trial slip surface\nSegment No. %1d\n", segment);
    return true;
}

// What the record itself holds. The kinds that read the slices of a computation (18, 27, 32,
// 66, 111, 128) have nothing to show while none is held.
bool ResultsTip(const Cpp_Selection& item, std::string& text) {
    const s_SelectionReferences& r = item.GetItemReferences();
    const int mode = ModeOf(item);
    if (item.GetType() == SEL_CRITICAL_CENTRE) {
        if (mode == 1)
            text = FormatText("Single circle\nX-Center: %1.3f\nY-Center: %1.3f\nRadius: %1.3f", r.x,
                              r.y, r.radius);
        else if (mode == 3)
            text = FormatText("Critical circle\nX-Center: %1.3f\nY-Center: %1.3f\nRadius: %1.3f",
                              r.x, r.y, r.radius);
        return true;
    }
    if (item.GetType() != SEL_CRITICAL_POINT) return false;
    text =
        FormatText("Critical slip surface\nPoint No. %1d\nX: %1.3f\nY: %1.3f", r.index, r.x, r.y);
    return true;
}

}  // namespace selection_family
