// The status-line prompt of a selected item (select mode), by its kind.
#include "editing/selection.h"

#include "analysis/analysis_computation_data.h"
#include "analysis/noncircular_shear_surface.h"
#include "analysis/radius_definition.h"
#include "analysis/tangent_line.h"
#include "core/format_text.h"
#include "core/point_xy.h"
#include "core/preferences.h"
#include "core/text_formats.h"
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
#include "profile/profile_line.h"

#include <cmath>
#include <cstdlib>

namespace selection_texts {

long LineNumber(const void* line) {
    return line ? static_cast<const Cpp_Line*>(line)->GetNumber() : 0;
}

std::string Fixed(double value, int decimals) {
    return Cpp_Strings::FormatFixed(value, decimals, false);
}

bool SecondStageShown(const Cpp_Selection& item) {
    Cpp_Kliven4DataSet* ds = item.GetDataSet();
    if (!ds) return false;
    if (ds->IsMultiStage()) return true;
    const s_SelectionKindRow* row = FindSelectionKind(item.GetType());
    if (row && row->family == e_SelectionFamily::DistributedLoad)
        return ds->DistributedLoads(2)->Count() > 0;
    return ds->PiezometricLines(2)->HasLines();
}

}  // namespace selection_texts

namespace {

using namespace selection_texts;

std::string Coordinate(double value) {
    return Fixed(value, Cpp_KlivenSettings::CoordinateDecimals());
}

std::string ConstructionSegmentPrompt(const void* line, const Cpp_PointXY& p,
                                      const Cpp_PointXY& q) {
    const double dx = q.X() - p.X(), dy = q.Y() - p.Y();
    const double length = std::hypot(dx, dy);
    const long number = LineNumber(line);
    const long segment = p.Number();
    if (dx == 0)
        return FormatText("Selected Construction Line %1ld Segment %ld - Length: %1.2f, Slope: "
                          "Vertical",
                          number, segment, length);
    if (dy == 0)
        return FormatText("Selected Construction Line %1ld Segment %ld - Length: %1.2f, Slope: "
                          "Horizontal",
                          number, segment, length);
    return FormatText("Selected Construction Line %1ld Segment %ld - Length: %1.2f, Slope "
                      "(dy/dx): %1.3f, Ratio (dx/dy): %1.3f",
                      number, segment, length, dy / dx, dx / dy);
}

std::string ProfileSegmentPrompt(long line, const Cpp_PointXY& p, const Cpp_PointXY& q) {
    const double dx = q.X() - p.X(), dy = q.Y() - p.Y();
    const long segment = p.Number();
    if (dx == 0)
        return FormatText("Profile Line %1ld, Segment no. %1ld: Segment is vertical.", line,
                          segment);
    if (dy == 0)
        return FormatText("Profile Line %1ld, Segment no. %1ld: Segment is horizontal.", line,
                          segment);
    return FormatText("Profile Line %1ld, Segment no. %1ld: Slope (dy/dx): %1.3f, Ratio (dx/dy): "
                      "%1.3f, Slope (degrees): %1.2f",
                      line, segment, dy / dx, dx / dy, std::atan(dy / dx) * kDegreesPerRadian);
}

std::string SlopeSegmentPrompt(const Cpp_PointXY& p, const Cpp_PointXY& q) {
    const double dx = q.X() - p.X(), dy = q.Y() - p.Y();
    if (dx == 0) return "Slope Line Segment - Segment is vertical";
    if (dy == 0) return "Slope Line Segment - Segment is horizontal";
    const double s = dy / dx;
    return FormatText("Slope Line Segment - Inclination: %1.2f (degrees) - %1.2f(H):1.00(V)",
                      std::fabs(std::atan(s) * kDegreesPerRadian), 1 / s);
}

// The interpolation kinds: the first text for any material (m = 0), the second for one.
struct s_InterpolationPrompt {
    int kinds[2];
    const char* anyMaterial;
    const char* oneMaterial;
};
constexpr s_InterpolationPrompt kInterpolationPrompts[] = {
    {{90, 92},
     "Interpolation Pt. %1d for Any Mat'l - Pressure: %1.2f, X: %1.2f, Y: %1.2f",
     "Interpolation Pt. %1d for Mat/'l %1d - Pressure: %1.2f, X: %1.2f, Y: %1.2f"},
    {{106, 108},
     "Interpolation Pt. %1d for Any Mat/'l - R-sub-U: %1.3f, X: %1.2f, Y: %1.2f",
     "Interpolation Pt. %1d for Mat/'l %1d - R-sub-U: %1.3f, X: %1.2f, Y: %1.2f"},
    {{136, 138},
     "Selected Interpolation Point %1d for Any Material - Strength: %1.2f, X: %1.2f, Y: %1.2f",
     "Selected Interpolation Point %1d for Material %1d - Strength: %1.2f, X: %1.2f, Y: %1.2f"},
    {{12, 14},
     "Selected Interpolation Point %1d for Any Material - C/P: %1.2f, X: %1.2f, Y: %1.2f",
     "Selected Interpolation Point %1d for Material %1d - C/P: %1.2f, X: %1.2f, Y: %1.2f"},
};

#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat-nonliteral"
bool InterpolationPromptText(int kind, const s_SelectionReferences& r, std::string& text) {
    for (const s_InterpolationPrompt& row : kInterpolationPrompts) {
        if (kind != row.kinds[0] && kind != row.kinds[1]) continue;
        const auto* set = static_cast<const Cpp_InterpolationDataSet*>(r.ref1);
        const auto* point = static_cast<const Cpp_VERTEX*>(r.ref2);
        if (!set || !point) return true;
        const int m = set->Material();
        text = m == 0 ? FormatText(row.anyMaterial, point->Number(), point->Value(), point->X(),
                                   point->Y())
                      : FormatText(row.oneMaterial, point->Number(), m, point->Value(), point->X(),
                                   point->Y());
        return true;
    }
    return false;
}
#pragma GCC diagnostic pop

std::string RadiusDefinitionText(const s_SelectionReferences& r, const std::string& text) {
    const auto* definition = static_cast<const Cpp_RadiusDefinition*>(r.ref2);
    if (!definition) return text;
    const int number = static_cast<int>(r.number1);
    switch (definition->GetOption()) {
    case Cpp_RadiusDefinition::kGivenRadius:
        return FormatText("Radius definition %1d - Constant radius: %1.2f", number,
                          definition->GetGivenRadius());
    case Cpp_RadiusDefinition::kFixedPoint: {
        const s_tagTypePointXY p = definition->GetFixedPoint();
        return FormatText("Radius definition %1d - Fixed point, X: %1.2f, Y: %1.2f", number, p.x,
                          p.y);
    }
    case Cpp_RadiusDefinition::kTangentLine: {
        const Cpp_TangentLine& tangent = *definition->GetTangentLine();
        if (tangent.GetOption() == Cpp_TangentLine::kHorizontal)
            return FormatText("Radius definition %1d - Horizontal line - Y(elevation): %1.2f",
                              number, tangent.GetElevation());
        const auto index = static_cast<size_t>(r.number3 - 1);
        if (tangent.GetOption() == Cpp_TangentLine::kIrregular && r.number3 >= 1 &&
            index < tangent.Points().size())
            return FormatText("Radius definition %1d - Irreg. tangent pt., X: %1.2f, Y: %1.2f",
                              number, tangent.Points()[index].x, tangent.Points()[index].y);
        return text;
    }
    default: return text;
    }
}

}  // namespace

bool Cpp_Selection::GetPromptText(std::string& text) const {
    const s_SelectionKindRow* row = FindSelectionKind(type_);
    const SelectionTextOp prompt = row ? SelectionFamilyOps(row->family).prompt : nullptr;
    if (row && row->prompt)
        text = row->prompt;
    else if (prompt)
        prompt(*this, text);
    else
        text = "Unrecognized selection";

    if (row && (row->flags & selection_flags::kStageSuffix) && SecondStageShown(*this))
        text += FormatText(" - (Stage %1d)", stage_);
    return true;
}

namespace selection_family {

namespace {
const Cpp_PointXY* PointOf(const Cpp_Selection& item) {
    return static_cast<const Cpp_PointXY*>(item.GetItemReferences().ref2);
}
const Cpp_PointXY* NextOf(const Cpp_PointXY* point) { return point ? point->Next() : nullptr; }
}  // namespace

void InterpolationPrompt(const Cpp_Selection& item, std::string& text) {
    if (InterpolationPromptText(item.GetType(), item.GetItemReferences(), text)) return;
    // The triangles have no prompt; the unit-weight items are not recognized.
    switch (item.GetType()) {
    case SEL_CP_TRIANGLE:
    case SEL_PRESSURE_TRIANGLE:
    case SEL_RSUBU_TRIANGLE:
    case SEL_STRENGTH_TRIANGLE: break;
    default: text = "Unrecognized selection"; break;
    }
}

void ConstructionCirclePrompt(const Cpp_Selection& item, std::string& text) {
    if (const auto* circle =
            static_cast<const Cpp_ConstructionCircle*>(item.GetItemReferences().ref2))
        text = FormatText(
            "Selected Construction Circle - X-Center: %1.2f, Y-Center: %1.2f, Radius: %1.2f",
            circle->CentreX(), circle->CentreY(), circle->GetRadius());
}

void ConstructionLinePrompt(const Cpp_Selection& item, std::string& text) {
    const s_SelectionReferences& r = item.GetItemReferences();
    const Cpp_PointXY* point = PointOf(item);
    const Cpp_PointXY* next = NextOf(point);
    if (item.GetType() == SEL_CONSTRUCTION_POINT) {
        if (point)
            text = FormatText("Selected Point %1ld on Construction Line %ld - X: %1.2f, Y: %1.2f",
                              static_cast<long>(point->Number()), LineNumber(r.ref1), point->X(),
                              point->Y());
    } else if (point && next) {
        text = ConstructionSegmentPrompt(r.ref1, *point, *next);
    }
}

void ProfileLinePrompt(const Cpp_Selection& item, std::string& text) {
    const s_SelectionReferences& r = item.GetItemReferences();
    const Cpp_PointXY* point = PointOf(item);
    const Cpp_PointXY* next = NextOf(point);
    switch (item.GetType()) {
    case SEL_PROFILE_POINT:
        if (point)
            text = FormatText("Selected Point %1ld on Profile Line %1ld - X: %1.2f, Y: %1.2f",
                              static_cast<long>(point->Number()), LineNumber(r.ref1), point->X(),
                              point->Y());
        break;
    case SEL_PROFILE_SEGMENT:
        if (point && next) text = ProfileSegmentPrompt(LineNumber(r.ref1), *point, *next);
        break;
    case SEL_PROFILE_LABEL:
        text = FormatText("Selected Number Label for Profile Line %1ld", LineNumber(r.ref1));
        break;
    case SEL_MATERIAL_LABEL:
        text = FormatText("Selected Material Number for Profile Line: %1ld", LineNumber(r.ref1));
        break;
    case SEL_MATERIAL_REGION: {
        const auto* line = static_cast<const Cpp_ProfileLine*>(r.ref1);
        if (!line) break;
        if (line->GetMaterialNumber() > 0)
            text = FormatText("Selected Material No.: %1ld, Beneath Profile Line: %1ld",
                              static_cast<long>(line->GetMaterialNumber()), LineNumber(line));
        else
            text = FormatText(
                "Selected Material Beneath Profile Line: %1ld - Material Number Not Available",
                LineNumber(line));
        break;
    }
    default: break;
    }
}

void ClippedProfilePrompt(const Cpp_Selection& item, std::string& text) {
    const s_SelectionReferences& r = item.GetItemReferences();
    const long line = LineNumber(r.ref1);
    if (item.GetType() == SEL_PROFILE_POINT_CLIPPED) {
        // A sub-line made by clipping (ref2) may hold new points (number 0).
        const auto* clipped = static_cast<const Cpp_PointXY*>(r.ref3);
        if (!clipped) return;
        if (!r.ref2)
            text =
                FormatText("Selected Point %1ld on Profile Line %1ld - X: %1.2f, Y: %1.2f",
                           static_cast<long>(clipped->Number()), line, clipped->X(), clipped->Y());
        else if (clipped->Number() == 0)
            text = FormatText(
                "Selected New Point Added on Clipped Profile Line %1ld - X: %1.2f, Y: %1.2f", line,
                clipped->X(), clipped->Y());
        else
            text =
                FormatText("Selected Point %1ld on Original Profile Line %1ld - X: %1.2f, Y: %1.2f",
                           static_cast<long>(clipped->Number()), line, clipped->X(), clipped->Y());
        return;
    }
    const auto* first = static_cast<const Cpp_PointXY*>(r.ref3);
    if (!first) return;
    const Cpp_PointXY* second = first->Next();
    if (!r.ref2)
        text = FormatText("Profile Line %1ld, Segment no. %1ld.", line,
                          static_cast<long>(first->Number()));
    else if (first->Number() != 0 && second && second->Number() != 0)
        text = FormatText("Selected Profile Line %1ld - Original segment number %1ld", line,
                          static_cast<long>(first->Number()));
    else
        text = FormatText("Selected New Segmment on Clipped Profile Line %1ld (at least one end "
                          "point added)",
                          line);
}

// No piezometric line is marked as a phreatic surface.
void PiezometricLinePrompt(const Cpp_Selection& item, std::string& text) {
    const s_SelectionReferences& r = item.GetItemReferences();
    const Cpp_PointXY* point = PointOf(item);
    switch (item.GetType()) {
    case SEL_PIEZOMETRIC_POINT:
        if (point)
            text = FormatText("Selected Point %1ld on Piezometric Line %1ld - X: %1.2f, Y: %1.2f",
                              static_cast<long>(point->Number()), LineNumber(r.ref1), point->X(),
                              point->Y());
        break;
    case SEL_PIEZOMETRIC_SEGMENT:
        text = FormatText("Selected Piezometric Line %1ld", LineNumber(r.ref1));
        break;
    case SEL_PIEZOMETRIC_LABEL:
        text = FormatText("Selected Number Label for Piezometric Line %1ld", LineNumber(r.ref1));
        break;
    default: break;
    }
}

void SlopeLinePrompt(const Cpp_Selection& item, std::string& text) {
    const Cpp_PointXY* point = PointOf(item);
    const Cpp_PointXY* next = NextOf(point);
    if (item.GetType() == SEL_SLOPE_POINT) {
        if (point) text = FormatText("Slope Point - X: %1.2f, Y: %1.2f", point->X(), point->Y());
    } else if (point && next) {
        text = SlopeSegmentPrompt(*point, *next);
    }
}

// ref1 is the load point (the interval's first).
void DistributedLoadPrompt(const Cpp_Selection& item, std::string& text) {
    const int kind = item.GetType();
    const auto* p = static_cast<const Cpp_DistributedLoadPoint*>(item.GetItemReferences().ref1);
    const Cpp_DistributedLoadPoint* q = p ? p->NextPoint() : nullptr;
    if (kind == SEL_LOAD_POINT && p)
        text =
            FormatText("Distributed Load Point - X: %1.2f, Y: %1.2f, Normal: %1.2f, Shear: %1.2f",
                       p->X(), p->Y(), p->normalStress, p->shearStress);
    else if (kind == SEL_LOAD_SEGMENT && p && q)
        text = FormatText("Distributed Load Interval - 1st Pt. X: %1.2f, Y: %1.2f;  2nd Pt. "
                          "X: %1.2f, Y: %1.2f",
                          p->X(), p->Y(), q->X(), q->Y());
    else if (kind == SEL_NORMAL_LOAD_INTERVAL && p && q)
        text = FormatText("Distributed Load Interval - 1st Pt. Normal Stress: %1.2f, 2nd Pt. "
                          "Normal Stress: %1.2f",
                          p->normalStress, q->normalStress);
    else if (kind == SEL_SHEAR_LOAD_INTERVAL && p && q)
        text = FormatText("Distributed Load Interval - 1st Pt. Shear Stress: %1.2f, 2nd Pt. "
                          "Shear Stress: %1.2f",
                          p->shearStress, q->shearStress);
}

void LineLoadPrompt(const Cpp_Selection& item, std::string& text) {
    const auto* load = static_cast<const Cpp_LineLoad*>(item.GetItemReferences().ref1);
    if (!load) return;
    if (load->option == 1)
        text = FormatText("Line Load - X: %1.2f, Y: %1.2f, F(Horiz.): %1.2f, F(Vert.): %1.2f",
                          load->X(), load->Y(), load->horizontal, load->vertical);
    else if (load->option == 2)
        text = FormatText("Line Load - X: %1.2f, Y: %1.2f, Resultant: %1.2f, Inclination: "
                          "%1.2f (degs.)",
                          load->X(), load->Y(), load->resultant, load->inclination);
}

// ref1 the line, ref2 the point (the interval's first).
void ReinforcementPrompt(const Cpp_Selection& item, std::string& text) {
    const s_SelectionReferences& r = item.GetItemReferences();
    const int kind = item.GetType();
    if (kind == SEL_REINFORCEMENT_POINT) {
        if (const auto* p = static_cast<const Cpp_ReinforcementPoint*>(r.ref2))
            text = FormatText("Reinforcement Point %1ld, Line %1ld - X: %1.2f, Y: %1.2f, "
                              "F(Long): %1.2e, F(Trans): %1.2e",
                              static_cast<long>(p->Number()), LineNumber(r.ref1), p->X(), p->Y(),
                              p->longitudinalForce, p->transverseForce);
        return;
    }
    if (kind == SEL_REINFORCEMENT_INTERVAL) {
        if (const auto* line = static_cast<const Cpp_ReinforcementLine*>(r.ref1))
            text = FormatText("Reinforcement Line %1ld - Max. rotation (degs.): %1.2f, Option: %1d",
                              LineNumber(line), line->GetAngle(), line->GetForceOption());
        return;
    }
    const auto* p = static_cast<const Cpp_ReinforcementPoint*>(r.ref2);
    const Cpp_ReinforcementPoint* q = p ? p->NextPoint() : nullptr;
    if (!p || !q) return;
    text = kind == SEL_LONGITUDINAL_FORCE
               ? FormatText("Reinforcement Line %1ld - Long. Force (1st Pt.): %1.2f, Long. "
                            "Force (2nd Pt.): %1.2f",
                            LineNumber(r.ref1), p->longitudinalForce, q->longitudinalForce)
               : FormatText("Reinforcement Line %1ld - Trans. Force (1st Pt.): %1.2f, Trans. "
                            "Force (2nd Pt.): %1.2f",
                            LineNumber(r.ref1), p->transverseForce, q->transverseForce);
}

// The analysis and search definitions.
void CircleDefinitionPrompt(const Cpp_Selection& item, std::string& text) {
    const s_SelectionReferences& r = item.GetItemReferences();
    const Cpp_Kliven4DataSet* ds = item.GetDataSet();
    const Cpp_AnalysisComputationData* analysis = ds ? &ds->Analysis() : nullptr;
    const int mode = analysis ? analysis->GetMode() : 0;
    double cx = 0, cy = 0, radius = 0;
    if (analysis) analysis->GetInitialCircleValue(cx, cy, radius);
    switch (item.GetType()) {
    case SEL_FIXED_POINT:
        text = FormatText("Fixed point through which circles pass - X: %1.2f, Y: %1.2f", r.x, r.y);
        break;
    case SEL_HORIZONTAL_TANGENT:
        text =
            FormatText("Horizontal line to which circles are tangent - Y(elevation): %1.2f", r.y);
        break;
    case SEL_PRESCRIBED_RADIUS:
        text = FormatText("Tip of radius located at - X: %1.2f, Y: %1.2f", r.x, r.y);
        break;
    case SEL_GRID_CORNER:
        if (mode == 4) text = "Fixed grid corner";
        break;
    case SEL_SEARCH_GRID:
        text = FormatText("Selected Search Grid - Xc: %s, Yc: %s, Min. spacing: %s",
                          Coordinate(cx).c_str(), Coordinate(cy).c_str(),
                          Fixed(analysis ? analysis->GetMinimumGridSpacing() : 0.0,
                                Cpp_KlivenSettings::LengthDecimals())
                              .c_str());
        break;
    case SEL_CIRCLE_CENTRE:
        if (mode == 1 || mode == 3)
            text = FormatText(mode == 1 ? "Center of individual circle - Xc: %s, Yc: %s, Radius: %s"
                                        : "Center of initial trial circle - Xc: %s, Yc: %s, "
                                          "Radius: %s",
                              Coordinate(cx).c_str(), Coordinate(cy).c_str(),
                              Coordinate(radius).c_str());
        break;
    default: break;
    }
}

void SlipSurfacePrompt(const Cpp_Selection& item, std::string& text) {
    const s_SelectionReferences& r = item.GetItemReferences();
    const Cpp_Kliven4DataSet* ds = item.GetDataSet();
    const Cpp_AnalysisComputationData* analysis = ds ? &ds->Analysis() : nullptr;
    const int mode = analysis ? analysis->GetMode() : 0;
    if (item.GetType() == SEL_NONCIRCULAR_POINT) {
        if (const auto* slip = static_cast<const Cpp_NoncircularShearSurfacePoint*>(r.ref2))
            text = FormatText(mode == 1 ? "Individual Noncircular Shear Surface Point %1d - X: "
                                          "%1.2f, Y: %1.2f"
                                        : "Initial Trial Noncircular Shear Surface Point %1d - X: "
                                          "%1.2f, Y: %1.2f",
                              slip->Number(), slip->X(), slip->Y());
        return;
    }
    if (analysis && analysis->IsCircular()) {
        double cx = 0, cy = 0, radius = 0;
        analysis->GetInitialCircleValue(cx, cy, radius);
        text =
            FormatText(mode == 1 ? "Individual circle's arc - Xc: %s, Yc: %s, Radius: %s"
                                 : "Initial trial circle's arc - Xc: %s, Yc: %s, Radius: %s",
                       Coordinate(cx).c_str(), Coordinate(cy).c_str(), Coordinate(radius).c_str());
    } else if (const auto* slip = static_cast<const Cpp_NoncircularShearSurfacePoint*>(r.ref2)) {
        text = FormatText(mode == 1 ? "Individual Noncircular Shear Surface Line - Segment: %1d"
                                    : "Initial Trial Noncircular Shear Surface Line - Segment: %1d",
                          slip->Number());
    }
}

void RadiusDefinitionPrompt(const Cpp_Selection& item, std::string& text) {
    text = RadiusDefinitionText(item.GetItemReferences(), text);
}

void MaterialTablePrompt(const Cpp_Selection& item, std::string& text) {
    text = FormatText(item.GetType() == SEL_TABLE_LINES
                          ? "Selected Material Property Table LINES for Stage: %d"
                          : "Selected Material Property Table TEXT for Stage: %d",
                      item.GetStage());
}

// The texts that read only the record. The computed stresses, side forces and crack water and
// earth-pressure forces read the slices of a computation, which the program does not hold: the
// text stays. The scale bar has no prompt.
void ResultsPrompt(const Cpp_Selection& item, std::string& text) {
    const s_SelectionReferences& r = item.GetItemReferences();
    switch (item.GetType()) {
    case SEL_CRITICAL_CENTRE:
        text =
            FormatText("Critical circle center: X: %s, Y: %s, Radius: %s", Coordinate(r.x).c_str(),
                       Coordinate(r.y).c_str(), Coordinate(r.radius).c_str());
        break;
    case SEL_CRITICAL_POINT:
        text = FormatText("Shear Surface Point %1d - X: %1.2f, Y: %1.2f", r.index, r.x, r.y);
        break;
    case SEL_CRITICAL_SEGMENT:
        text = FormatText("Shear Surface Line - Slice: %1d", static_cast<int>(r.number1));
        break;
    case SEL_SLICE: text = FormatText("Selected Slice Number %1ld", r.number1); break;
    case SEL_THRUST_LINE:
        text = FormatText("Selected line of thrust across slice number %1ld", r.number1);
        break;
    case SEL_SCALE_BAR: text = "Unrecognized selection"; break;
    default: break;
    }
}

}  // namespace selection_family
