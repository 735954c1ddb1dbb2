// The tool tip of the item under the cursor, by its kind.
#include "editing/selection.h"

#include "analysis/analysis_computation_data.h"
#include "analysis/noncircular_shear_surface.h"
#include "core/format_text.h"
#include "core/point_xy.h"
#include "editing/construction_items.h"
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
bool InterpolationTip(int kind, const s_SelectionReferences& r, std::string& text) {
    for (const s_InterpolationTip& row : kInterpolationTips) {
        if (kind != row.node && kind != row.point) continue;
        const auto* set = static_cast<const Cpp_InterpolationDataSet*>(r.ref1);
        const auto* point = static_cast<const Cpp_VERTEX*>(r.ref2);
        if (!set || !point) return false;
        const int m = set->Material();
        text = kind == row.point && m == 0
                   ? FormatText(row.anyMaterial, point->Number(), point->X(), point->Y(),
                                point->Value())
                   : FormatText(row.oneMaterial, point->Number(), m, point->X(), point->Y(),
                                point->Value());
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
        return FormatText("Noncircular slip surface\nPoint No. %1d\nX: %1.3f, Y: %1.3f",
                          p.Number(), p.X(), p.Y());
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
    const s_SelectionReferences& r = refs_;
    const int kind = type_;
    const bool multiStage = dataSet_ && dataSet_->IsMultiStage();
    const auto* point = static_cast<const Cpp_PointXY*>(r.ref2);
    const Cpp_PointXY* next = point ? point->Next() : nullptr;
    const Cpp_AnalysisComputationData* analysis = dataSet_ ? &dataSet_->Analysis() : nullptr;
    const int mode = analysis ? analysis->GetMode() : 0;

    if (InterpolationTip(kind, r, text)) return true;

    switch (kind) {
    // Construction items.
    case 10: {
        const auto* circle = static_cast<const Cpp_ConstructionCircle*>(r.ref2);
        if (!circle) return false;
        text = FormatText("Const. circle\nX-center: %1.3f, Y-center: %1.3f\nRadius: %1.3f",
                          circle->CentreX(), circle->CentreY(), circle->GetRadius());
        return true;
    }
    case 9:
        if (!point) return false;
        text = FormatText("Const. Line No. %1d\nPoint No. %1d\nX: %1.3f, Y: %1.3f",
                          static_cast<int>(LineNumber(r.ref1)), point->Number(), point->X(),
                          point->Y());
        return true;
    case 8:
        if (!point) return false;
        text = FormatText("Const. Line No. %1d\nSegment %1d", static_cast<int>(LineNumber(r.ref1)),
                          point->Number());
        return true;
    // Profile and piezometric lines.
    case 84:
        if (!point) return false;
        text = FormatText("Prof. Pt. No. %1d\nLine No. %1d\nX: %1.3f, Y: %1.3f", point->Number(),
                          static_cast<int>(LineNumber(r.ref1)), point->X(), point->Y());
        return true;
    case 86: {
        const auto* line = static_cast<const Cpp_ProfileLine*>(r.ref1);
        if (!line || !point) return false;
        text = FormatText("Prof. Line No. %1d\n%s\nSegment %1d\nMaterial: %1d", line->GetNumber(),
                          DescriptionLine(line).c_str(), point->Number(),
                          line->GetMaterialNumber());
        return true;
    }
    case 72: {
        const auto* line = static_cast<const Cpp_ProfileLine*>(r.ref1);
        if (!line) return false;
        text = MaterialRegionTip(*line, dataSet_, stage_);
        return true;
    }
    case 78:
        if (!point) return false;
        text = FormatText("Piez. Pt. No. %1d\nLine No. %1d\nX: %1.3f, Y: %1.3f", point->Number(),
                          static_cast<int>(LineNumber(r.ref1)), point->X(), point->Y());
        return true;
    case 80: {
        // No piezometric line is marked as a phreatic surface.
        const auto* line = static_cast<const Cpp_PiezometricLine*>(r.ref1);
        if (!line || !point) return false;
        text = multiStage ? FormatText("Piezometric line no. %1d\nStage %1d\nSegment %1d\nFluid "
                                       "unit weight: %1.2f",
                                       line->GetNumber(), stage_, point->Number(),
                                       line->UnitWeight())
                          : FormatText("Piezometric line no. %1d\nSegment %1d\nFluid unit weight: "
                                       "%1.2f",
                                       line->GetNumber(), point->Number(), line->UnitWeight());
        return true;
    }
    case 2:
    case 4:
    case 88: return true;
    // Slope line, loads and reinforcement.
    case 132:
        if (!point) return false;
        text = FormatText("Slope Pt.\nX: %1.3f, Y: %1.3f", point->X(), point->Y());
        return true;
    case 134: {
        if (!point || !next) return false;
        const double dx = next->X() - point->X(), dy = next->Y() - point->Y();
        text = dx == 0 ? FormatText("Slope Line\nSegment %1d\nSegment is vertical",
                                    point->Number())
                       : FormatText("Slope Line\nSegment %1d\nSlope (dy/dx):%1.3f\nSlope "
                                    "(degrees): %1.2f",
                                    point->Number(), dy / dx,
                                    std::atan(dy / dx) * kDegreesPerRadian);
        return true;
    }
    case 36: {
        const auto* p = static_cast<const Cpp_DistributedLoadPoint*>(r.ref1);
        if (!p) return false;
        text = FormatText(
            "Dist. Load\nX: %1.3f, Y: %1.3f\nNormal stress: %1.3f\nShear stress: %1.3f", p->X(),
            p->Y(), p->normalStress, p->shearStress);
        return true;
    }
    case 62:
    case 64: {
        const auto* load = static_cast<const Cpp_LineLoad*>(r.ref1);
        if (!load) return false;
        if (load->option == 1)
            text = FormatText("Line Load\nX: %1.3f, Y: %1.3f\nHoriz: %1.3f\nVert: %1.3f",
                              load->X(), load->Y(), load->horizontal, load->vertical);
        else if (load->option == 2)  // the inclination is kept in degrees, shown in radians
            text = FormatText("Line Load\nX: %1.3f, Y: %1.3f\nForce: %1.3f\nAngle: %1.3f",
                              load->X(), load->Y(), load->resultant,
                              load->inclination / kDegreesPerRadian);
        return true;
    }
    case 98: {
        const auto* p = static_cast<const Cpp_ReinforcementPoint*>(r.ref2);
        if (!p) return false;
        text = FormatText("Reinf. point no. %1d\nLine No. %1d\nX: %1.3f, Y: %1.3f\nLong. force: "
                          "%1.2f\nTrans. force: %1.3f",
                          p->Number(), static_cast<int>(LineNumber(r.ref1)), p->X(), p->Y(),
                          p->longitudinalForce, p->transverseForce);
        return true;
    }
    case 100:
    case 102:
    case 104:
        if (!point || !next) return false;
        text = ReinforcementIntervalTip(static_cast<const Cpp_ReinforcementLine*>(r.ref1), *point,
                                        *next);
        return true;
    // Analysis definitions.
    case 46:
        if (mode == 4)
            text = FormatText("Fixed Grid Corner  No. %1d\nX: %1.3f, Y: %1.3f", r.index, r.x, r.y);
        return true;
    case 53: {
        double x = 0, y = 0, radius = 0;
        if (analysis) analysis->GetInitialCircleValue(x, y, radius);
        if (mode == 1)
            text = FormatText(
                "Individual circle analyzed\nX-center: %1.2f\nY-center: %1.2f\nRadius: %1.2f", x,
                y, radius);
        else if (mode == 3)
            text = FormatText(
                "Center of initial grid\nX-center: %1.2f\nY-center: %1.2f\nRadius: %1.2f", x, y,
                radius);
        return true;
    }
    case 54:
        if (const auto* slip = static_cast<const Cpp_NoncircularShearSurfacePoint*>(r.ref2))
            if (std::string tip = NoncircularPointTip(mode, *slip); !tip.empty()) text = tip;
        return true;
    case 55: {
        if (analysis && analysis->IsCircular()) {
            double x = 0, y = 0, radius = 0;
            analysis->GetInitialCircleValue(x, y, radius);
            if (mode == 1)
                text = FormatText("Circle\nX-center: %1.3f\nY-center: %1.3f\nRadius: %1.3f", x, y,
                                  radius);
            else if (mode == 3)
                text = FormatText(
                    "Initial trial circle\nX-center: %1.3f\nY-center: %1.3f\nRadius: %1.3f", x, y,
                    radius);
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
    // Results display: what the record itself holds. The kinds that read the slices of a
    // computation (18, 27, 32, 66, 111, 128) have nothing to show while none is held.
    case 28:
        if (mode == 1)
            text = FormatText("Single circle\nX-Center: %1.3f\nY-Center: %1.3f\nRadius: %1.3f", r.x,
                              r.y, r.radius);
        else if (mode == 3)
            text = FormatText("Critical circle\nX-Center: %1.3f\nY-Center: %1.3f\nRadius: %1.3f",
                              r.x, r.y, r.radius);
        return true;
    case 30:
        text = FormatText("Critical slip surface\nPoint No. %1d\nX: %1.3f\nY: %1.3f", r.index, r.x,
                          r.y);
        return true;
    default: return false;
    }
}
