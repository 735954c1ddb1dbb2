// Reinforcement lines, their points and their longitudinal and transverse force diagrams: bands
#include "loads/loads_state.h"
// of hatched quadrilaterals beside each line, as wide at every point as the force times the
// force scale. Also the force scale, picking of diagram edges, the tool tip and the
// information page.

#include "loads/reinforcement_line.h"

#include "core/format_text.h"
#include "core/geometry.h"
#include "core/preferences.h"
#include "core/units.h"
#include "core/world_rect.h"
#include "graphics/fill_patterns.h"
#include "graphics/graphics.h"
#include "graphics/line_drawing.h"
#include "graphics/point_symbols.h"
#include "graphics/prompts.h"
#include "loads/load_drawing_support.h"

#include <algorithm>
#include <cmath>

namespace {

const s_ColorType kColour(14, 7);
const s_LineWidthType kWidth(static_cast<short>(1));
const s_MarkerSizeType kMarkerSize(static_cast<short>(5));
constexpr int kPointSymbol = 6;
constexpr int kLongitudinalPattern = 26;
constexpr int kTransversePattern = 28;

loads::s_ArrowScaleState& g_scale = loads::ReinforcementForceScale();

// Pick filters: points, lines, longitudinal, transverse.
bool g_filters[4] = {true, true, true, true};

// The pen and brush of one diagram kind for one drawing pass.
struct s_DiagramRun {
    bool active = false;
    platform::Pen pen;
    platform::Brush brush;
    bool fill = false;
    platform::ColorRef colour = 0;
};
s_DiagramRun g_run;

bool BeginForceDiagramDrawing(const s_ColorType& colour, int pattern, bool fill) {
    platform::DeviceContext* dc = Cpp_Graphics::GetCurrentDC();
    if (!dc) return false;
    g_run.colour = colour.RGBColor();
    g_run.pen = {platform::PenStyle::Solid, std::max(1, kWidth.DeviceWidth(*dc)), g_run.colour};
    g_run.fill = fill && pattern != 0;
    if (pattern == -1) {
        g_run.brush = platform::Brush{};
        g_run.brush.kind = platform::BrushKind::Solid;
        g_run.brush.color = g_run.colour;
    } else if (pattern != 0) {
        g_run.brush = Cpp_FillPatterns::CreatePatternBrush(pattern);
    }
    g_run.active = true;
    return true;
}

void EndForceDiagramDrawing() { g_run.active = false; }

// The direction of the segment U -> V as used for the diagram normals.
void Direction(const Cpp_PointXY& u, const Cpp_PointXY& v, double& c, double& s) {
    if (u.X() != v.X()) {
        const double t = std::atan((v.Y() - u.Y()) / (v.X() - u.X()));
        c = std::cos(t);
        s = std::sin(t);
    } else {
        c = 0.0;
        s = v.Y() > u.Y() ? 1.0 : -1.0;
    }
}

double Force(const Cpp_ReinforcementPoint& p, bool longitudinal) {
    return longitudinal ? p.longitudinalForce : p.transverseForce;
}

platform::DeviceContext* DrawingDC() {
    if (!loads::DrawsOnCurrentOutput()) return nullptr;
    return Cpp_Graphics::GetCurrentDC();
}

}  // namespace

void ResetReinforcementPickFilters() {
    for (bool& filter : g_filters) filter = true;
}

// ---------------------------------------------------------------------------------------------
// Diagrams

bool Cpp_ReinforcementPoint::Draw(bool longitudinal, bool outline, bool fill, double& xmin,
                                  double& xmax, double& ymin, double& ymax) {
    const Cpp_ReinforcementPoint* n = NextPoint();
    if (!n) throw Exc_NotAValidSegment();
    if (X() == n->X() && Y() == n->Y()) {
        xmin = xmax = X();
        ymin = ymax = Y();
        return true;
    }
    const double f1 = Force(*this, longitudinal), f2 = Force(*n, longitudinal);
    if (f1 == 0.0 && f2 == 0.0) {
        xmin = std::min(X(), n->X()), xmax = std::max(X(), n->X());
        ymin = std::min(Y(), n->Y()), ymax = std::max(Y(), n->Y());
        return true;
    }
    double c, s;
    Direction(*this, *n, c, s);
    double cp = c, sp = s, cn = c, sn = s;
    // A neighbour on the same spot has no direction; it leaves the normal alone.
    if (previous && !(previous->X() == X() && previous->Y() == Y())) {
        double c2, s2;
        Direction(*previous, *this, c2, s2);
        cp = (c + c2) / 2, sp = (s + s2) / 2;
    }
    const Cpp_ReinforcementPoint* a = n->NextPoint();
    if (a && !(a->X() == n->X() && a->Y() == n->Y())) {
        double c2, s2;
        Direction(*n, *a, c2, s2);
        cn = (c + c2) / 2, sn = (s + s2) / 2;
    }
    const double d1 = Cpp_ReinforcementLineList::ScaleForce(f1);
    const double d2 = Cpp_ReinforcementLineList::ScaleForce(f2);
    const s_tagTypePointXY here{X() - sp * d1, Y() + cp * d1};
    const s_tagTypePointXY next{n->X() - sn * d2, n->Y() + cn * d2};
    if (longitudinal) {
        longitudinalCornerHere = here;
        longitudinalCornerNext = next;
    } else {
        transverseCornerHere = here;
        transverseCornerNext = next;
    }
    xmin = std::min({X(), n->X(), here.x, next.x});
    xmax = std::max({X(), n->X(), here.x, next.x});
    ymin = std::min({Y(), n->Y(), here.y, next.y});
    ymax = std::max({Y(), n->Y(), here.y, next.y});
    platform::DeviceContext* dc = Cpp_Graphics::GetCurrentDC();
    if (!dc || !g_run.active) return true;
    const std::vector<double> xs{X(), n->X(), next.x, here.x, X()};
    const std::vector<double> ys{Y(), n->Y(), next.y, here.y, Y()};
    if (fill && g_run.fill) {
        const auto pixels = Cpp_Graphics::WorldPolygonToPixels(xs, ys);
        if (pixels.size() >= 3) {
            platform::ScopedDcState state(*dc);
            dc->SetBrush(g_run.brush);
            dc->SetPen(g_run.pen);
            dc->SetTextColor(g_run.colour);
            dc->SetBkColor(0xFFFFFF);
            dc->SetBkMode(platform::BackgroundMode::Opaque);
            dc->FillPolygon(pixels);
        }
    }
    if (outline) {
        platform::ScopedDcState state(*dc);
        dc->SetPen(g_run.pen);
        loads::DrawWorldPolyline(*dc, xs, ys);
    }
    return true;
}

bool Cpp_ReinforcementLine::DrawForceDiagram(bool longitudinal, bool outline, bool fill,
                                             Cpp_Extents& extents) {
    Cpp_ReinforcementPoint* previous = nullptr;
    for (Cpp_ReinforcementPoint* p = FirstReinforcementPoint(); p; p = p->NextPoint()) {
        p->previous = previous;
        previous = p;
    }
    for (Cpp_ReinforcementPoint* p = FirstReinforcementPoint(); p && p->NextPoint();
         p = p->NextPoint()) {
        double a, b, c, d;
        p->Draw(longitudinal, outline, fill, a, b, c, d);
        if (outline) extents.Add(a, b, c, d);
    }
    return true;
}

bool Cpp_ReinforcementLineList::DrawForces(bool longitudinal, double& xmin, double& xmax,
                                           double& ymin, double& ymax) {
    if (Count() == 0) return false;
    if (!DrawingDC()) return true;
    const int pattern = longitudinal ? kLongitudinalPattern : kTransversePattern;
    if (!BeginForceDiagramDrawing(kColour, pattern, true)) return false;
    Cpp_Extents extents;
    try {
        if (g_run.fill)
            for (int i = 0; i < Count(); ++i)
                ReinforcementLineAt(i)->DrawForceDiagram(longitudinal, false, true, extents);
        for (int i = 0; i < Count(); ++i)
            ReinforcementLineAt(i)->DrawForceDiagram(longitudinal, true, false, extents);
    } catch (...) {
        EndForceDiagramDrawing();
        throw;
    }
    EndForceDiagramDrawing();
    extents.Get(xmin, xmax, ymin, ymax);
    return true;
}

bool Cpp_ReinforcementLineList::Draw() {
    platform::DeviceContext* dc = DrawingDC();
    if (!dc || Count() == 0) return true;
    s_LinePenType pen;
    pen.width = kWidth;
    pen.colour = kColour;
    pen.layerName = "Reinforcement_Lines";
    if (!CreateLinePen(pen)) return false;
    try {
        for (const auto& line : Lines()) DrawLine(*dc, *line);
    } catch (...) {
        DeletePenObject();
        throw;
    }
    DeletePenObject();
    return true;
}

bool Cpp_ReinforcementLineList::DrawPoints() {
    platform::DeviceContext* dc = DrawingDC();
    if (!dc || Count() == 0) return true;
    s_SymbolAttributesType a;
    a.markerSize = kMarkerSize;
    a.penWidth = kWidth;
    a.style = kPointSymbol;
    a.colour = kColour;
    a.layerName = "Reinforcement_Points";
    if (!SetupPointPensOnBackground(a)) return false;
    for (const auto& line : Lines()) DrawLinePoints(*dc, *line);
    DeletePointPens();
    return true;
}

std::array<platform::DevicePoint, 4> Cpp_ReinforcementLineList::ComputeDiagramQuadrilateral(
    const s_ReinforcementLinePtType& a, const s_ReinforcementLinePtType& b, bool longitudinal) {
    const double f1 = longitudinal ? a.longitudinalForce : a.transverseForce;
    const double f2 = longitudinal ? b.longitudinalForce : b.transverseForce;
    // The normal (-sin t, cos t) of the segment; a vertical one (-1, 0) upward, else (1, 0).
    double nx = 0.0, ny = 0.0;
    if (a.x != b.x) {
        const double t = std::atan((b.y - a.y) / (b.x - a.x));
        nx = -std::sin(t);
        ny = std::cos(t);
    } else {
        nx = b.y > a.y ? -1.0 : 1.0;
    }
    // Without a scale yet (no largest force given) the band is the bare segment.
    const bool scaled = !(f1 == 0.0 && f2 == 0.0) && g_scale.largestSet && g_scale.scaleSet;
    const double d1 = scaled ? ScaleForce(f1) : 0.0;
    const double d2 = scaled ? ScaleForce(f2) : 0.0;
    const auto pixel = [](double x, double y) {
        return platform::DevicePoint{Cpp_Graphics::XToPixel(x), Cpp_Graphics::YToPixel(y)};
    };
    return {pixel(a.x, a.y), pixel(b.x, b.y), pixel(b.x + nx * d2, b.y + ny * d2),
            pixel(a.x + nx * d1, a.y + ny * d1)};
}

void Cpp_ReinforcementLineList::DrawDiagramSegment(platform::DeviceContext& dc,
                                                   const s_ReinforcementLinePtType& a,
                                                   const s_ReinforcementLinePtType& b,
                                                   bool longitudinal, bool outline, bool fill,
                                                   bool erase) {
    const auto c = ComputeDiagramQuadrilateral(a, b, longitudinal);
    const platform::ColorRef colour = erase ? dc.GetBkColor() : kColour.RGBColor();
    platform::ScopedDcState state(dc);
    dc.SetPen({platform::PenStyle::Solid, std::max(1, kWidth.DeviceWidth(dc)), colour});
    const bool flat = c[2] == c[1] && c[3] == c[0];
    if (fill && !flat) {
        platform::Brush brush;
        if (erase) {
            brush.kind = platform::BrushKind::Solid;
            brush.color = colour;
        } else {
            brush = Cpp_FillPatterns::CreatePatternBrush(longitudinal ? kLongitudinalPattern
                                                                      : kTransversePattern);
            dc.SetTextColor(colour);
            dc.SetBkColor(0xFFFFFF);
            dc.SetBkMode(platform::BackgroundMode::Opaque);
        }
        dc.SetBrush(brush);
        dc.FillPolygon({c[0], c[1], c[2], c[3]});
    }
    if (outline || flat) {
        if (flat)
            dc.Polyline({c[0], c[1]});
        else
            dc.Polyline({c[0], c[1], c[2], c[3], c[0]});
    }
}

void Cpp_ReinforcementLineList::GetDisplayAttributes(s_DrawAttributesType& attributes) {
    attributes = s_DrawAttributesType(kWidth, kColour, kWidth, kMarkerSize, kPointSymbol, kColour);
}

// ---------------------------------------------------------------------------------------------
// Picking and highlighting

double Cpp_ReinforcementPoint::DistanceToDiagramEdge(double x, double y, bool longitudinal) const {
    const s_tagTypePointXY& a = longitudinal ? longitudinalCornerHere : transverseCornerHere;
    const s_tagTypePointXY& b = longitudinal ? longitudinalCornerNext : transverseCornerNext;
    return PointSegmentDistanceCoords(x, y, a.x, a.y, b.x, b.y);
}

void Cpp_ReinforcementPoint::DrawHighlighted(platform::DeviceContext& dc, bool longitudinal) const {
    const s_tagTypePointXY& a = longitudinal ? longitudinalCornerHere : transverseCornerHere;
    const s_tagTypePointXY& b = longitudinal ? longitudinalCornerNext : transverseCornerNext;
    DrawPointMark(dc, a.x, a.y);
    DrawPointMark(dc, b.x, b.y);
}

Cpp_ReinforcementPoint* Cpp_ReinforcementLine::HitTestDiagram(s_PickType& pick,
                                                              bool longitudinal) const {
    Cpp_ReinforcementPoint* best = nullptr;
    int number = 0;
    for (Cpp_ReinforcementPoint* p = FirstReinforcementPoint(); p && p->NextPoint();
         p = p->NextPoint()) {
        ++number;
        const Cpp_ReinforcementPoint* n = p->NextPoint();
        if (p->X() == n->X() && p->Y() == n->Y()) continue;
        const double d = p->DistanceToDiagramEdge(pick.x, pick.y, longitudinal);
        if (!(d < pick.tolerance)) continue;
        if (AcceptNearerSegment(pick, d, number)) best = p;
    }
    return best;
}

Cpp_ReinforcementPoint*
Cpp_ReinforcementLineList::HitTestDiagram(s_PickType& pick, bool longitudinal,
                                          Cpp_ReinforcementLine** line) const {
    Cpp_ReinforcementPoint* best = nullptr;
    for (int i = 0; i < Count(); ++i) {
        Cpp_ReinforcementLine* l = ReinforcementLineAt(i);
        if (Cpp_ReinforcementPoint* p = l->HitTestDiagram(pick, longitudinal)) {
            best = p;
            if (line) *line = l;
        }
    }
    return best;
}

void Cpp_ReinforcementLineList::SetSelectionFilters(bool points, bool lines, bool longitudinal,
                                                    bool transverse) {
    g_filters[0] = points, g_filters[1] = lines, g_filters[2] = longitudinal,
    g_filters[3] = transverse;
}
bool Cpp_ReinforcementLineList::GetSelectionFilterD() { return g_filters[0]; }
bool Cpp_ReinforcementLineList::GetSelectionFilterA() { return g_filters[1]; }
bool Cpp_ReinforcementLineList::GetSelectionFilterB() { return g_filters[2]; }
bool Cpp_ReinforcementLineList::GetSelectionFilterC() { return g_filters[3]; }

// ---------------------------------------------------------------------------------------------
// Force scale

void Cpp_ReinforcementLineList::SetLargestForce(double force) { g_scale.SetLargest(force); }
double Cpp_ReinforcementLineList::LargestForce() { return g_scale.largest; }

bool Cpp_ReinforcementLineList::ComputeForceScale(int unitSystem) {
    g_scale.Compute(unitSystem);
    return true;
}

double Cpp_ReinforcementLineList::ScaleForce(double force) { return g_scale.Apply(force); }

bool Cpp_ReinforcementLineList::NeedsLargestForce(int unitSystem) {
    return g_scale.NeedsLargest(unitSystem);
}

void Cpp_ReinforcementLineList::SaveForceScale() { g_scale.Save(); }
void Cpp_ReinforcementLineList::RestoreForceScale() { g_scale.Restore(); }

bool Cpp_ReinforcementLineList::ScaleDialog() {
    return loads::EditScaleRecord(4, "Reinforcement Force Scale", g_scale.Record(GetUnitSystem()));
}

void Cpp_ReinforcementLineList::SavePreferences(const Cpp_ReinforcementLineList* list, bool read) {
    const std::string section = "REINFORCEMENT";
    bool f[4];
    GetDefaultDisplayFlags(f[0], f[1], f[2], f[3]);
    if (list && !read) {
        f[0] = list->displayLines, f[1] = list->displayPoints;
        f[2] = list->displayLongitudinalForce, f[3] = list->displayTransverseForce;
    }
    loads::ExchangeFlag(section, "Display Lines", f[0], read);
    loads::ExchangeFlag(section, "Display Points", f[1], read);
    loads::ExchangeFlag(section, "Display Longitudinal Force", f[2], read);
    loads::ExchangeFlag(section, "Display Transverse Force", f[3], read);
    if (read) SetDefaultDisplayFlags(f[0], f[1], f[2], f[3]);
    // The scale keys carry reinforcement names; files written under the older distributed-load
    // names are still read (the new names win when both are there).
    static const char* const kOld[3] = {"Distributed Load English Scale",
                                        "Distributed Load SI Scale",
                                        "Distributed Load Other Scale"};
    static const char* const kNew[3] = {"Reinforcement Force English Scale",
                                        "Reinforcement Force SI Scale",
                                        "Reinforcement Force Other Scale"};
    for (int i = 0; i < 3; ++i) {
        if (read) loads::ExchangeRecord(section, kOld[i], g_scale.records[i], true);
        loads::ExchangeRecord(section, kNew[i], g_scale.records[i], read);
    }
}

// ---------------------------------------------------------------------------------------------
// Tool tip and information

std::string Cpp_ReinforcementLineList::TooltipText(double x, double y, double longitudinal,
                                                   double transverse) {
    const std::string c = loads::FixedFormat(Cpp_KlivenSettings::CoordinateDecimals(), "%1.2f");
    const std::string f = loads::FixedFormat(Cpp_KlivenSettings::ForceDecimals(), "%1.0f");
    std::string text = loads::FillTemplate("X: %s  Y: %s\nLong: %s\nTrans: %s",
                                           {loads::FormatValue(c, x), loads::FormatValue(c, y),
                                            loads::FormatValue(f, longitudinal),
                                            loads::FormatValue(f, transverse)});
    SetToolTipText(text);
    return text;
}

bool Cpp_ReinforcementLine::AddInformation(platform::InfoWindowService& info,
                                           const Cpp_ReinforcementPoint* selected, int type) const {
    if (!info.Exists() || !selected) return false;
    info.Clear();
    const std::string fa = loads::FixedFormat(Cpp_KlivenSettings::AngleDecimals(), "%1.2f");
    const std::string fc = loads::FixedFormat(Cpp_KlivenSettings::CoordinateDecimals(), "%1.2f");
    const std::string fl = loads::FixedFormat(Cpp_KlivenSettings::LengthDecimals(), "%1.2f");
    const std::string ff = loads::FixedFormat(Cpp_KlivenSettings::ForceDecimals(), "%1.0f");
    auto C = [&](double v) { return loads::FormatValue(fc, v); };
    auto F = [&](double v) { return loads::FormatValue(ff, v); };
    std::string optionText;
    switch (GetForceOption()) {
    case ForcesOnSidesAndBase:
        optionText = "Forces applied to sides of slice AND slip surface";
        break;
    case ForcesOnBaseOnly: optionText = "Forces applied to slip surface ONLY"; break;
    default: optionText = FormatText("Force option %1d is not valid (1 or 2)", GetForceOption());
    }
    const std::string description =
        "Line description: " + (HasDescription() ? Description() : std::string("?????"));
    const platform::InfoItem root = platform::kInfoRoot;
    const Cpp_ReinforcementPoint* second = nullptr;
    if (type == 98) {
        info.AddText(root, "Selected reinforcement point");
        info.AddText(root, description);
        info.AddText(root,
                     loads::FillTemplate("X: %s , Y: %s", {C(selected->X()), C(selected->Y())}));
        info.AddReal(root, "Longitudinal force: ", selected->longitudinalForce, ff);
        info.AddReal(root, "Transverse force: ", selected->transverseForce, ff);
        info.AddText(root, optionText);
    } else if (type == 100 || type == 102 || type == 104) {
        second = selected->NextPoint();
        info.AddText(root, "Selected reinforcement line segment");
        info.AddText(root, description);
        const char* rows[2] = {"First point - X: %s , Y: %s, Long. force: %s, Trans. force: %s",
                               "Second point - X: %s , Y: %s, Long. force: %s, Trans. force: %s"};
        const Cpp_ReinforcementPoint* ends[2] = {selected, second};
        for (int i = 0; i < 2; ++i)
            if (ends[i])
                info.AddText(root, loads::FillTemplate(rows[i], {C(ends[i]->X()), C(ends[i]->Y()),
                                                                 C(ends[i]->longitudinalForce),
                                                                 C(ends[i]->transverseForce)}));
        info.AddText(root, optionText);
        if (second)
            info.AddLengthAndSlopeOfSegment(root, selected->X(), selected->Y(), second->X(),
                                            second->Y(), fc, fl, fa, true);
    } else {
        return false;
    }
    const platform::InfoItem parent = info.AddText(root, "Reinforcement line coordinates");
    for (const Cpp_ReinforcementPoint* p = FirstReinforcementPoint(); p; p = p->NextPoint()) {
        std::string text = loads::FillTemplate(
            "X: %s , Y: %s, Long. force: %s, Trans. force: %s",
            {C(p->X()), C(p->Y()), F(p->longitudinalForce), F(p->transverseForce)});
        if (type == 98 && p == selected) text += " - Selected point";
        if (type != 98 && p == selected) text += " - First point selected";
        if (type != 98 && second && p == second) text += " - Second point selected";
        info.AddText(parent, text);
    }
    return true;
}
