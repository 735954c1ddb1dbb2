#include "analysis/analysis_information.h"

#include <cmath>
#include <numbers>

#include "analysis/analysis_computation_data.h"
#include "core/format_text.h"
#include "core/preferences.h"
#include "core/text_formats.h"

namespace {

using A = Cpp_AnalysisComputationData;
using platform::InfoItem;
using platform::InfoWindowService;
using platform::kInfoRoot;

// Fixed-point formats of width 1 with the preference decimals.
struct Formats {
    std::string angle, coordinate, force, length, stress, unitWeight;
    bool ok = false;
};

Formats MakeFormats() {
    Formats f;
    try {
        f.ok =
            Cpp_Strings::MakeNumberFormat(1, 1, Cpp_KlivenSettings::AngleDecimals(), f.angle) &&
            Cpp_Strings::MakeNumberFormat(1, 1, Cpp_KlivenSettings::CoordinateDecimals(),
                                          f.coordinate) &&
            Cpp_Strings::MakeNumberFormat(1, 1, Cpp_KlivenSettings::ForceDecimals(), f.force) &&
            Cpp_Strings::MakeNumberFormat(1, 1, Cpp_KlivenSettings::LengthDecimals(), f.length) &&
            Cpp_Strings::MakeNumberFormat(1, 1, Cpp_KlivenSettings::StressDecimals(), f.stress) &&
            Cpp_Strings::MakeNumberFormat(1, 1, Cpp_KlivenSettings::UnitWeightDecimals(),
                                          f.unitWeight);
    } catch (...) {
        f.ok = false;
    }
    return f;
}

std::string N(const std::string& format, double v) { return platform::FormatNumber(format, v); }

std::string XY(const char* pattern, const Formats& f, double x, double y) {
    return FormatText(pattern, N(f.coordinate, x).c_str(), N(f.coordinate, y).c_str());
}

double Degrees(double radians) { return radians * 180.0 / std::numbers::pi; }

}  // namespace

bool AddFixedGridInformation(InfoWindowService& info, const Cpp_FixedSearchGrid& grid, int kind,
                             int selectedCorner) {
    const Formats f = MakeFormats();
    if (!f.ok) return false;
    info.Clear();
    if (kind == PICK_GRID_CORNER) {
        info.AddText(kInfoRoot, "\"Fixed\" grid  corner selected");
        info.AddInteger(kInfoRoot, "Grid  corner number ", selectedCorner, "%1d");
        const s_tagTypePointXY c = grid.Corner(selectedCorner);
        info.AddText(kInfoRoot, XY("Corner point - X: %s, Y: %s", f, c.x, c.y));
    } else if (kind == PICK_SEARCH_GRID) {
        info.AddText(kInfoRoot, "\"Fixed\" search grid selected");
    } else {
        return false;
    }
    const InfoItem corners = info.AddText(kInfoRoot, "Grid corner points");
    for (int i = 1; i <= 4; ++i) {
        const s_tagTypePointXY c = grid.Corner(i);
        const std::string xs = N(f.coordinate, c.x), ys = N(f.coordinate, c.y);
        info.AddText(corners, kind == PICK_GRID_CORNER && i == selectedCorner
                                  ? FormatText("Corner point %1d - X: %s, Y: %s - Selected corner",
                                               i, xs.c_str(), ys.c_str())
                                  : FormatText("Corner point %1d - X: %s, Y: %s", i, xs.c_str(),
                                               ys.c_str()));
    }
    info.AddInteger(kInfoRoot,
                    "Number of points across grid (Side 1-2 & 3-4): ", grid.PointsAcross(), "%1d");
    info.AddInteger(kInfoRoot, "Number of points up grid (Side 2-3 & 4-1): ", grid.PointsUp(),
                    "%1d");
    return true;
}

bool AddTangentLineInformation(InfoWindowService& info, InfoItem parent,
                               const Cpp_TangentLine& line, int kind, int selectedIndex) {
    const Formats f = MakeFormats();
    if (!f.ok || line.GetOption() == Cpp_TangentLine::kUndefined) return false;
    if (line.GetOption() == Cpp_TangentLine::kHorizontal) {
        if (kind == PICK_HORIZONTAL_TANGENT)
            info.AddText(parent, FormatText("Horizontal tangent line selected - Y: %s",
                                            N(f.coordinate, line.GetElevation()).c_str()));
        else
            info.AddReal(parent, "Horizontal tangent line elevation: ", line.GetElevation(),
                         f.coordinate);
        return true;
    }
    const auto& p = line.Points();
    const int n = static_cast<int>(p.size());
    const bool pointKind = kind == PICK_TANGENT_POINT || kind == PICK_DEFINITION_TANGENT_POINT;
    const bool segmentKind =
        kind == PICK_TANGENT_SEGMENT || kind == PICK_DEFINITION_TANGENT_SEGMENT;
    if (pointKind && selectedIndex >= 0 && selectedIndex < n)
        info.AddText(parent, XY("Tangent line point selected - X: %s, Y: %s", f, p[selectedIndex].x,
                                p[selectedIndex].y));
    if (segmentKind && selectedIndex >= 0 && selectedIndex + 1 < n) {
        const auto& a = p[selectedIndex];
        const auto& b = p[selectedIndex + 1];
        info.AddText(parent, "Irregular tangent line segment selected:");
        info.AddText(parent, XY("First point - X: %s , Y: %s", f, a.x, a.y));
        info.AddText(parent, XY("Second point - X: %s , Y: %s", f, b.x, b.y));
        const double dx = b.x - a.x, dy = b.y - a.y;
        if (dx == 0.0) {
            info.AddText(kInfoRoot, "Line segment is vertical");
        } else if (dy == 0.0) {
            info.AddText(kInfoRoot, "Line segment is horizontal");
        } else {
            info.AddText(
                kInfoRoot,
                FormatText("Slope  of segment - Vertical:Horizontal (dy/dx): %1.4f", dy / dx));
            info.AddText(
                kInfoRoot,
                FormatText("Slope ratio of segment - Horizontal:Vertical (dx/dy): %1.4f", dx / dy));
            info.AddText(kInfoRoot, FormatText("Slope angle from horizontal (degrees): %s",
                                               N(f.angle, Degrees(std::atan(dy / dx))).c_str()));
        }
    }
    const InfoItem list = info.AddText(parent, "Irregular tangent line coordinates:");
    for (int i = 0; i < n; ++i) {
        const char* mark = "";
        if (pointKind && i == selectedIndex) mark = " - Selected point";
        if (segmentKind && i == selectedIndex) mark = " - First point selected";
        if (segmentKind && i == selectedIndex + 1) mark = " - Second point selected";
        info.AddText(list, FormatText("X: %s, Y: %s %s", N(f.coordinate, p[i].x).c_str(),
                                      N(f.coordinate, p[i].y).c_str(), mark));
    }
    return true;
}

bool DescribeRadiusDefinition(InfoWindowService& info, InfoItem parent,
                              const Cpp_RadiusDefinition& d, int number, int kind,
                              int selectedIndex) {
    const Formats f = MakeFormats();
    if (!f.ok) return false;
    const InfoItem item = info.AddText(parent, FormatText("Radius definition number %1d:", number));
    switch (d.GetOption()) {
    case Cpp_RadiusDefinition::kGivenRadius:
        info.AddText(
            item, FormatText("Circles with radius = %s", N(f.length, d.GetGivenRadius()).c_str()));
        return true;
    case Cpp_RadiusDefinition::kFixedPoint: {
        const s_tagTypePointXY p = d.GetFixedPoint();
        info.AddText(item, XY("Circles through fixed point at X = %s, Y = %s", f, p.x, p.y));
        return true;
    }
    case Cpp_RadiusDefinition::kTangentLine:
        return AddTangentLineInformation(info, item, *d.GetTangentLine(), kind, selectedIndex);
    default: return false;
    }
}

bool AddNoncircularInformation(InfoWindowService& info, InfoItem parent,
                               const Cpp_NoncircularShearSurface& surface, bool search, int kind,
                               int selectedIndex) {
    Formats f = MakeFormats();
    if (!f.ok) f.coordinate = f.angle = f.length = "%1.2f";
    const auto& p = surface.Points();
    const int n = static_cast<int>(p.size());
    auto state = [&](const Cpp_NoncircularShearSurfacePoint& q, bool leading) -> std::string {
        if (!search) return "";
        const char* lead = leading ? " - " : "";
        if (!q.IsMoveable()) return std::string(lead) + (leading ? "Point is fixed" : "Fixed");
        if (q.IsShiftDirectionComputed())
            return std::string(lead) + (leading ? "Point is moveable - shift direction computed"
                                                : "Moveable - shift direction computed");
        return std::string(lead) + FormatText(leading
                                                  ? "Point is moveable - shift direction angle: %s"
                                                  : "Moveable - shift direction angle: %s",
                                              N(f.angle, q.GetShiftAngleDegrees()).c_str());
    };
    InfoItem listParent = parent;
    if (kind == PICK_NONCIRCULAR_POINT || kind == PICK_SLIP_SURFACE_SEGMENT) {
        info.Clear();
        listParent = kInfoRoot;
    }
    if (kind == PICK_NONCIRCULAR_POINT && selectedIndex >= 0 && selectedIndex < n) {
        const auto& q = p[selectedIndex];
        info.AddText(kInfoRoot, search ? "Point on initial trial noncircular slip surface selected."
                                       : "Point on individual noncircular slip surface selected.");
        info.AddText(kInfoRoot, XY("Selected point at X: %s, Y: %s", f, q.X(), q.Y()));
        if (search) info.AddText(kInfoRoot, state(q, true).substr(3));
        double left = 0.0, right = 0.0;
        if (selectedIndex > 0) {
            const auto& r = p[selectedIndex - 1];
            left = Degrees(std::atan2(q.Y() - r.Y(), q.X() - r.X()));
            info.AddReal(kInfoRoot, "Inclination to left (degrees): ", left, f.angle);
        }
        if (selectedIndex + 1 < n) {
            const auto& r = p[selectedIndex + 1];
            right = Degrees(std::atan2(r.Y() - q.Y(), r.X() - q.X()));
            info.AddReal(kInfoRoot, "Inclination to right (degrees): ", right, f.angle);
        }
        if (selectedIndex > 0 && selectedIndex + 1 < n)
            info.AddReal(kInfoRoot, "Deviation angle at point (degrees): ", right - left, f.angle);
    }
    if (kind == PICK_SLIP_SURFACE_SEGMENT && selectedIndex >= 0 && selectedIndex + 1 < n) {
        const auto& a = p[selectedIndex];
        const auto& b = p[selectedIndex + 1];
        info.AddText(kInfoRoot, search
                                    ? "Segment on initial trial noncircular slip surface selected."
                                    : "Segment of individual noncircular slip surface selected.");
        info.AddText(kInfoRoot,
                     FormatText("First point - X: %s, Y: %s %s", N(f.coordinate, a.X()).c_str(),
                                N(f.coordinate, a.Y()).c_str(), state(a, true).c_str()));
        info.AddText(kInfoRoot,
                     FormatText("Second point - X: %s, Y: %s %s", N(f.coordinate, b.X()).c_str(),
                                N(f.coordinate, b.Y()).c_str(), state(b, true).c_str()));
        info.AddLengthAndSlopeOfSegment(kInfoRoot, a.X(), a.Y(), b.X(), b.Y(), f.coordinate,
                                        f.length, f.angle, true);
    }
    const InfoItem list = info.AddText(listParent, search ? "Initial trial slip surface coordinates"
                                                          : "Individual slip surface coordinates");
    for (int i = 0; i < n; ++i) {
        std::string text =
            FormatText("X: %s , Y: %s %s", N(f.coordinate, p[i].X()).c_str(),
                       N(f.coordinate, p[i].Y()).c_str(), state(p[i], false).c_str());
        if (kind == PICK_NONCIRCULAR_POINT && i == selectedIndex) text += " - Selected point";
        if (kind == PICK_SLIP_SURFACE_SEGMENT && i == selectedIndex)
            text += " - First selected point";
        if (kind == PICK_SLIP_SURFACE_SEGMENT && i == selectedIndex + 1)
            text += " - Second selected point";
        info.AddText(list, text);
    }
    return true;
}

bool DescribeSideForceFunctions(InfoWindowService& info, InfoItem parent,
                                const Cpp_SideForceFunctions& f) {
    switch (f.PriceFOption()) {
    case 0: info.AddText(parent, "f(x) is constant"); return true;
    case 1: {
        const InfoItem item = info.AddText(parent, "f(x) is a linear function");
        info.AddReal(item, "f(x) at left", f.Parameter(1), "%1.3f");
        info.AddReal(item, "f(x) at right", f.Parameter(2), "%1.3f");
        return true;
    }
    case 7: {
        const InfoItem item = info.AddText(parent, "f(x) is a trapezoid + half sine function");
        info.AddReal(item, "f(x) at left ", f.Parameter(1), "%1.3f");
        info.AddReal(item, "f(x) at right ", f.Parameter(2), "%1.3f");
        info.AddReal(item, "Amplitude of sine ", f.Amplitude(), "%1.3f");
        return true;
    }
    default: return false;
    }
}

bool DescribeAnalysisSelection(InfoWindowService& info, const A& a, const s_AnalysisHit& hit) {
    if (!info.Exists()) return false;
    const Formats f = MakeFormats();
    if (!f.ok) return false;
    info.Clear();
    const int kind = hit.kind;
    const int mode = a.GetMode();
    bool tangentDescribed = false, noncircularDescribed = false, crackDescribed = false;
    switch (kind) {
    case PICK_PRESCRIBED_RADIUS:
        info.AddReal(kInfoRoot, "Constant radius selected: ", a.GetRadius(), f.length);
        break;
    case PICK_FIXED_POINT:
        info.AddText(kInfoRoot, "Fixed point for defining radii selected: ");
        info.AddText(kInfoRoot, XY("Coordinates - X: %s, Y: %s", f, a.GetThroughPointX(),
                                   a.GetThroughPointY()));
        break;
    case PICK_SEARCH_GRID:
    case PICK_CIRCLE_CENTRE:
        if (mode != A::kSearchType2) {
            info.AddText(kInfoRoot, kind == PICK_CIRCLE_CENTRE
                                        ? "Center of initial trial circle selected"
                                        : "Search grid area selected");
            const Cpp_Circle c = a.InitialCircle();
            info.AddText(kInfoRoot, XY("Center point - X: %s, Y: %s", f, c.CenterX(), c.CenterY()));
            break;
        }
        [[fallthrough]];
    case PICK_GRID_CORNER:
        AddFixedGridInformation(info, a.GetFixedSearchGrid(),
                                kind == PICK_GRID_CORNER ? PICK_GRID_CORNER : PICK_SEARCH_GRID,
                                hit.number);
        break;
    case PICK_NONCIRCULAR_POINT:
    case PICK_SLIP_SURFACE_SEGMENT:
        if (a.IsCircular()) {
            const Cpp_Circle c = a.InitialCircle();
            info.AddText(kInfoRoot, "Initial trial circle selected");
            info.AddText(kInfoRoot, XY("Center point - X: %s, Y: %s", f, c.CenterX(), c.CenterY()));
            info.AddReal(kInfoRoot, "Radius: ", c.Radius(), f.length);
        } else {
            AddNoncircularInformation(info, kInfoRoot, a.GetNoncircularPointList(),
                                      mode != A::kIndividual, kind, hit.index);
            noncircularDescribed = true;
        }
        break;
    case 56:
    case 57:
    case 58:
    case 59:
        a.GetCrack().AddInformation(info, kInfoRoot, kind, nullptr);
        crackDescribed = true;
        break;
    case PICK_DEFINITION_RADIUS:
    case PICK_DEFINITION_FIXED_POINT:
    case PICK_DEFINITION_HORIZONTAL_TANGENT:
    case PICK_DEFINITION_TANGENT_POINT:
    case PICK_DEFINITION_TANGENT_SEGMENT: {
        const Cpp_RadiusDefinition* d = a.GetRadiusDefinitionList().GetNth(hit.number);
        if (kind == PICK_DEFINITION_RADIUS)
            info.AddText(kInfoRoot, "Selected radius for defining search radii");
        if (kind == PICK_DEFINITION_FIXED_POINT)
            info.AddText(kInfoRoot, "Selected fixed point for defining search radii");
        if (kind == PICK_DEFINITION_HORIZONTAL_TANGENT)
            info.AddText(kInfoRoot, "Selected horizontal tangent line for defining search radii");
        if (kind == PICK_DEFINITION_TANGENT_POINT) {
            info.AddText(
                kInfoRoot,
                FormatText("Selected point %1d on irregular tangent line for defining search radii",
                           hit.index + 1));
            info.AddText(kInfoRoot,
                         XY("Point coordinates - X: %s, Y: %s", f, hit.point.x, hit.point.y));
        }
        if (kind == PICK_DEFINITION_TANGENT_SEGMENT) {
            info.AddText(kInfoRoot,
                         "Selected segment of irregular tangent line for defining search radii");
            if (d && hit.index >= 0 && hit.index + 1 < d->GetTangentLine()->NumberOfPoints()) {
                const auto& p = d->GetTangentLine()->Points();
                info.AddLengthAndSlopeOfSegment(kInfoRoot, p[hit.index].x, p[hit.index].y,
                                                p[hit.index + 1].x, p[hit.index + 1].y,
                                                f.coordinate, f.length, f.angle, true);
            }
        }
        if (d) DescribeRadiusDefinition(info, kInfoRoot, *d, hit.number, kind, hit.index);
        break;
    }
    case PICK_HORIZONTAL_TANGENT:
    case PICK_TANGENT_POINT:
    case PICK_TANGENT_SEGMENT:
        if (const Cpp_TangentLine* t = a.GetTangentLine())
            AddTangentLineInformation(info, kInfoRoot, *t, kind, hit.index);
        tangentDescribed = true;
        break;
    default: return false;
    }
    if (!a.HasData()) return true;

    const InfoItem more = info.AddText(kInfoRoot, "Additional analysis/computation data");
    if (a.IsCircular() && mode == A::kSearchType1) {
        info.AddText(more, "\"Floating\" grid search");
        info.AddReal(more, "Minimum grid spacing: ", a.GetMinimumGridSpacing(), f.coordinate);
        info.AddReal(more, "Limiting depth (y) for bottom of slip surfaces: ",
                     a.GetLowestSlipSurfaceElevation(), f.coordinate);
        double lowest = 0.0;
        if (a.GetLowestCenter(lowest))
            info.AddReal(more, "Limiting elevation (y) for center of circles: ", lowest,
                         f.coordinate);
        if (a.NoInvertedCircles()) info.AddText(more, "Inverted circels will NOT be allowed");
        if (a.GetRadiusOption() == 1)
            info.AddText(
                more,
                XY("For initial mode of search cirles pass through fixed point at - X: %s, Y: %s",
                   f, a.GetThroughPointX(), a.GetThroughPointY()));
        if (a.GetRadiusOption() == 2 && !tangentDescribed)
            AddTangentLineInformation(info, more, *a.GetTangentLine(), 0, -1);
        info.AddText(more, a.GetContinueToCritical()
                               ? "Search will be continued after the initial mode completed"
                               : "Search will be terminated after the initial mode completed");
    }
    if (a.IsCircular() && mode == A::kSearchType2) {
        const InfoItem criteria = info.AddText(more, "Criteria for finding critical radius:");
        const auto& list = a.GetRadiusDefinitionList();
        for (int n = 1; n <= list.GetCount(); ++n)
            DescribeRadiusDefinition(info, criteria, *list.GetNth(n), n, 0, -1);
    }
    if (a.IsCircular()) {
        if (a.GetSubtendedAngle() > 0.0)
            info.AddReal(more, "Subtended angle for slice subdivision (degrees): ",
                         a.GetSubtendedAngleDegrees(), f.angle);
        else if (a.GetMaximumArcLength() > 0.0)
            info.AddReal(more, "Maximum slice arc length for slice subdivision: ",
                         a.GetMaximumArcLength(), f.length);
    } else if (!noncircularDescribed) {
        AddNoncircularInformation(info, more, a.GetNoncircularPointList(), mode != A::kIndividual,
                                  0, -1);
    }
    info.AddText(more, a.IsThreeStage() ? "Three-stage computations"
                       : a.IsTwoStage() ? "Two-stage computations"
                                        : "Conventional, single-stage computations");
    if (!crackDescribed) a.GetCrack().AddInformation(info, more, 0, nullptr);
    const int procedure = a.GetProcedure();
    if (const char* name = A::ProcedureName(procedure)) {
        // The information window names procedure 1 more widely than the listing does.
        if (procedure == A::kBishop) name = "Simplified/modified Bishop";
        const InfoItem item = info.AddText(more, std::string("Procedure of analysis: ") + name);
        if (procedure == A::kCorps)
            info.AddReal(item, "Side for inclination (degrees): ", a.GetCorpsSideForceInclination(),
                         f.angle);
        if (procedure == A::kMorgensternPrice)
            DescribeSideForceFunctions(info, item, a.GetSideForceFunctions());
    }
    return true;
}

bool AnalysisToolTip(const A& a, const s_AnalysisHit& hit, std::string& text) {
    const int mode = a.GetMode();
    text.clear();
    switch (hit.kind) {
    case PICK_GRID_CORNER:
        if (mode == A::kSearchType2) {
            const s_tagTypePointXY c = a.GetFixedSearchGrid().Corner(hit.number);
            text =
                FormatText("Fixed Grid Corner  No. %1d\nX: %1.3f, Y: %1.3f", hit.number, c.x, c.y);
        }
        return true;
    case PICK_CIRCLE_CENTRE: {
        const Cpp_Circle c = a.InitialCircle();
        if (mode == A::kIndividual)
            text = FormatText(
                "Individual circle analyzed\nX-center: %1.2f\nY-center: %1.2f\nRadius: %1.2f",
                c.CenterX(), c.CenterY(), c.Radius());
        else if (mode == A::kSearchType1)
            text = FormatText(
                "Center of initial grid\nX-center: %1.2f\nY-center: %1.2f\nRadius: %1.2f",
                c.CenterX(), c.CenterY(), c.Radius());
        return true;
    }
    case PICK_NONCIRCULAR_POINT: {
        const auto& p = a.GetNoncircularPointList().Points();
        if (hit.index < 0 || hit.index >= static_cast<int>(p.size())) return true;
        const auto& q = p[hit.index];
        if (mode == A::kIndividual) {
            text = FormatText("Noncircular slip surface\nPoint No. %1d\nX: %1.3f, Y: %1.3f",
                              q.Number(), q.X(), q.Y());
        } else if (mode == A::kSearchType1) {
            text = FormatText("Initial trial slip surface\nPoint No. %1d\nX: %1.3f, Y: %1.3f",
                              q.Number(), q.X(), q.Y());
            if (!q.IsMoveable())
                text += "\nFixed";
            else if (q.IsShiftDirectionComputed())
                text += "\nMoveable - computed";
            else
                text += FormatText("\nMoveable, angle: %1.2f", q.GetShiftAngleDegrees());
        }
        return true;
    }
    case PICK_SLIP_SURFACE_SEGMENT:
        if (a.IsCircular()) {
            const Cpp_Circle c = a.InitialCircle();
            if (mode == A::kIndividual)
                text = FormatText("Circle\nX-center: %1.3f\nY-center: %1.3f\nRadius: %1.3f",
                                  c.CenterX(), c.CenterY(), c.Radius());
            else if (mode == A::kSearchType1)
                text = FormatText(
                    "Initial trial circle\nX-center: %1.3f\nY-center: %1.3f\nRadius: %1.3f",
                    c.CenterX(), c.CenterY(), c.Radius());
        } else {
            const auto& p = a.GetNoncircularPointList().Points();
            const int number = hit.index >= 0 && hit.index < static_cast<int>(p.size())
                                   ? p[hit.index].Number()
                                   : hit.index + 1;
            if (mode == A::kIndividual)
                text = FormatText("Noncircular slip surface\nSegment No. %1d\n", number);
            else if (mode == A::kSearchType1)
                text = FormatText("Initial trial slip surface\nSegment No. %1d\n", number);
        }
        return true;
    default: return false;
    }
}
