// Distributed loads drawn as scaled stress diagrams filled with arrows, their point symbols and
#include "loads/loads_state.h"
// coordinate labels, the arrow scale, the hit tests, the tool tip and the information page.

#include "loads/distributed_load_data.h"

#include "core/format_text.h"
#include "core/geometry.h"
#include "core/preferences.h"
#include "core/units.h"
#include "graphics/graphic_string.h"
#include "graphics/graphics.h"
#include "graphics/point_symbols.h"
#include "graphics/prompts.h"
#include "graphics/vector_arrow.h"
#include "loads/distributed_load_drawing.h"
#include "loads/load_drawing_support.h"

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

namespace {

struct s_StageLook {
    int symbolStyle;
    s_ColorType pointColour;
    s_ColorType shearColour;
};

const s_StageLook kLook[2] = {
    {3, s_ColorType(13, 7), s_ColorType(27, 7)},
    {1, s_ColorType(10, 7), s_ColorType(4, 7)},
};
const s_LineWidthType kLineWidth(static_cast<short>(1));
const s_MarkerSizeType kMarkerSize(static_cast<short>(5));
constexpr double kHatchSpacingInches = 0.25;
constexpr double kArrowheadInches = 0.15;

const s_StageLook& Look(int stage) { return kLook[stage == 2 ? 1 : 0]; }

loads::s_ArrowScaleState& g_scale = loads::DistributedLoadScale();

// Pick filters per stage: 36 points, 37 segments, 38 normal, 39 shear.
bool g_filters[2][4] = {{true, true, true, true}, {true, true, true, true}};

// The run's attributes.
struct s_RunState {
    bool set = false;
    platform::Pen pen;
    double spacingInches = kHatchSpacingInches;
};
s_RunState g_run;

struct s_Outer {
    double x1, y1, x2, y2;
};

double Angle(double x1, double y1, double x2, double y2, bool signedVertical) {
    if (x2 != x1) return std::atan((y2 - y1) / (x2 - x1));
    if (!signedVertical) return std::atan2(1.0, 0.0);
    return std::atan2(y2 - y1, 0.0);
}

// The outer ends of one diagram; false when both end values are 0.
bool OuterLine(const s_DistributedLoadPoint& a, const s_DistributedLoadPoint& b, bool normal,
               bool resultant, bool signedVertical, s_Outer& out) {
    double v1, v2;
    if (!normal) {
        v1 = a.shear, v2 = b.shear;
    } else if (!resultant) {
        v1 = a.normal, v2 = b.normal;
    } else {
        v1 = std::hypot(a.normal, a.shear);
        v2 = std::hypot(b.normal, b.shear);
    }
    if (v1 == 0.0 && v2 == 0.0) return false;
    const double t = Angle(a.x, a.y, b.x, b.y, signedVertical);
    const double s = std::sin(t), c = std::cos(t);
    auto outer = [&](const s_DistributedLoadPoint& p, double v, double& x, double& y) {
        if (normal && resultant) {
            const double n = Cpp_DistributedLoadData::ScaleValue(p.normal);
            const double q = Cpp_DistributedLoadData::ScaleValue(p.shear);
            x = p.x - n * s - q * c;
            y = p.y + n * c - q * s;
        } else {
            const double d = Cpp_DistributedLoadData::ScaleValue(v);
            x = p.x - d * s;
            y = p.y + d * c;
        }
    };
    outer(a, v1, out.x1, out.y1);
    outer(b, v2, out.x2, out.y2);
    return true;
}

void DrawHatchAndOutline(platform::DeviceContext& dc, const s_DistributedLoadPoint& a,
                         const s_DistributedLoadPoint& b, const s_Outer& o, bool hatch,
                         bool outline) {
    // A diagram wholly outside the view draws nothing (its outer line is kept for picking).
    const Cpp_Graphics::WorldRect box = Cpp_Graphics::ClipBox();
    if (std::max({a.x, b.x, o.x1, o.x2}) < box.xmin ||
        std::min({a.x, b.x, o.x1, o.x2}) > box.xmax ||
        std::max({a.y, b.y, o.y1, o.y2}) < box.ymin || std::min({a.y, b.y, o.y1, o.y2}) > box.ymax)
        return;
    if (hatch) {
        // Arrows at k / n of the segment, k = 0..n. The counts stay doubles (a segment far
        // longer than the view has more arrows than an int holds), and only the arrows that can
        // reach the view are drawn: those whose point on the surface lies within the longest
        // arrow of the clip box. A segment inside the view draws k = 0..n as before.
        constexpr double kMostArrows = 100000.0;
        const double spacing = Cpp_Graphics::InchesToPixels(g_run.spacingInches);
        const double pixels = spacing >= 1.0 ? std::floor(std::min(spacing, kMostArrows)) : 1.0;
        const double h = Cpp_Graphics::PixelsToWorldLength(pixels);
        const double steps = std::hypot(b.x - a.x, b.y - a.y) / h;
        const double n = steps < 1e15 ? std::max(2.0, std::floor(steps) + 1.0) : 1e15;
        const double reach =
            std::max(std::hypot(o.x1 - a.x, o.y1 - a.y), std::hypot(o.x2 - b.x, o.y2 - b.y));
        double f0 = 0.0, f1 = 1.0;
        const double d[4] = {-(b.x - a.x), b.x - a.x, -(b.y - a.y), b.y - a.y};
        const double q[4] = {a.x - (box.xmin - reach), box.xmax + reach - a.x,
                             a.y - (box.ymin - reach), box.ymax + reach - a.y};
        for (int i = 0; i < 4; ++i) {
            if (d[i] == 0.0) {
                if (q[i] < 0.0) f1 = -1.0;
            } else if (d[i] < 0.0) {
                f0 = std::max(f0, q[i] / d[i]);
            } else {
                f1 = std::min(f1, q[i] / d[i]);
            }
        }
        const double k0 = std::ceil(f0 * n), k1 = std::floor(f1 * n);
        for (double k = k0; k <= k1 && k - k0 <= kMostArrows; ++k) {
            const double f = k / n;
            Cpp_Vector arrow(a.x + f * (b.x - a.x), a.y + f * (b.y - a.y), o.x1 + f * (o.x2 - o.x1),
                             o.y1 + f * (o.y2 - o.y1));
            arrow.DrawOnDC(dc);
        }
    }
    if (outline) {
        platform::ScopedDcState state(dc);
        dc.SetPen(g_run.pen);
        loads::DrawWorldPolyline(dc, {a.x, b.x, o.x2, o.x1, a.x}, {a.y, b.y, o.y2, o.y1, a.y});
    }
}

platform::DeviceContext* CurrentDC() {
    if (!loads::DrawsOnCurrentOutput()) return nullptr;
    return Cpp_Graphics::GetCurrentDC();
}

}  // namespace

void ResetDistributedLoadPickFilters() {
    for (auto& stage : g_filters)
        for (bool& filter : stage) filter = true;
}

// ---------------------------------------------------------------------------------------------
// Attributes

bool Cpp_DistributedLoadPoint::SetDrawingAttributes(const s_LineWidthType& width,
                                                    const s_ColorType& colour,
                                                    double arrowheadInches, double spacingInches,
                                                    bool /*normal*/, bool /*resultant*/) {
    platform::DeviceContext* dc = Cpp_Graphics::GetCurrentDC();
    if (!dc) return false;
    const int w = std::max(1, width.DeviceWidth(*dc));
    g_run.pen = {platform::PenStyle::Solid, w, colour.RGBColor()};
    g_run.spacingInches = spacingInches;
    Cpp_Vector::SetDrawingAttributes(arrowheadInches, 0, true, true, w, w, 0, colour,
                                     "Distributed_Loads");
    g_run.set = true;
    return true;
}

void Cpp_DistributedLoadPoint::ReleaseDrawingAttributes() {
    Cpp_Vector::DeleteDrawingObjects();
    g_run.set = false;
}

bool Cpp_DistributedLoadData::PrepareDiagramAttributes(bool background, bool normal) const {
    const s_StageLook& look = Look(stage_);
    s_ColorType colour = normal ? look.pointColour : look.shearColour;
    if (background) {
        platform::DeviceContext* dc = Cpp_Graphics::GetCurrentDC();
        if (!dc) return false;
        colour = s_ColorType::FromRGB(dc->GetBkColor());
    }
    return Cpp_DistributedLoadPoint::SetDrawingAttributes(kLineWidth, colour, kArrowheadInches,
                                                          kHatchSpacingInches, normal, false);
}

// ---------------------------------------------------------------------------------------------
// Diagrams

bool DrawDistributedLoadSegment(double x1, double y1, double normal1, double shear1, double x2,
                                double y2, double normal2, double shear2, bool normal,
                                bool resultant, bool hatch, bool outline,
                                s_tagTypePointXY* normalLine, s_tagTypePointXY* shearLine) {
    platform::DeviceContext* dc = Cpp_Graphics::GetCurrentDC();
    if (!dc) return false;
    const s_DistributedLoadPoint a{x1, y1, normal1, shear1}, b{x2, y2, normal2, shear2};
    s_Outer o{};
    if (!OuterLine(a, b, normal, resultant, false, o)) {
        platform::ScopedDcState state(*dc);
        dc->SetPen(g_run.pen);
        loads::DrawWorldPolyline(*dc, {x1, x2}, {y1, y2});
        return true;
    }
    s_tagTypePointXY* line = normal ? normalLine : shearLine;
    if (line) {
        line[0] = {o.x1, o.y1};
        line[1] = {o.x2, o.y2};
    }
    DrawHatchAndOutline(*dc, a, b, o, hatch, outline);
    return true;
}

bool Cpp_DistributedLoadPoint::DrawSegment(bool normal, bool resultant, bool hatch, bool outline) {
    const Cpp_DistributedLoadPoint* next = NextPoint();
    if (!next) throw Exc_NotAValidSegment();
    platform::DeviceContext* dc = Cpp_Graphics::GetCurrentDC();
    if (!dc) return false;
    const s_DistributedLoadPoint a = GetPointRecord(), b = next->GetPointRecord();
    s_Outer o{};
    if (!OuterLine(a, b, normal, resultant, true, o)) return true;
    s_tagTypePointXY* line = normal ? normalDiagram : shearDiagram;
    line[0] = {o.x1, o.y1};
    line[1] = {o.x2, o.y2};
    DrawHatchAndOutline(*dc, a, b, o, hatch, outline);
    return true;
}

bool Cpp_DistributedLoadData::DrawSegmentDiagram(platform::DeviceContext& dc,
                                                 const s_DistributedLoadPoint& a,
                                                 const s_DistributedLoadPoint& b, int stage,
                                                 bool normal, bool resultant, bool colour) {
    platform::DeviceContext* previous = Cpp_Graphics::SetCurrentDC(&dc);
    bool ok = false;
    try {
        const s_StageLook& look = Look(stage);
        const s_ColorType c = !colour  ? s_ColorType::FromRGB(dc.GetBkColor())
                              : normal ? look.pointColour
                                       : look.shearColour;
        if (Cpp_DistributedLoadPoint::SetDrawingAttributes(
                kLineWidth, c, kArrowheadInches, kHatchSpacingInches, normal, resultant)) {
            ok =
                DrawDistributedLoadSegment(a.x, a.y, a.normal, a.shear, b.x, b.y, b.normal, b.shear,
                                           normal, resultant, true, true, nullptr, nullptr);
            Cpp_DistributedLoadPoint::ReleaseDrawingAttributes();
        }
    } catch (...) {
        Cpp_DistributedLoadPoint::ReleaseDrawingAttributes();
        Cpp_Graphics::SetCurrentDC(previous);
        throw;
    }
    Cpp_Graphics::SetCurrentDC(previous);
    return ok;
}

bool Cpp_DistributedLoadData::DrawDiagrams(bool showNormal, bool showShear) {
    if (!first_ || !CurrentDC()) return true;
    if (!showNormal && !showShear) return true;
    const bool normal = showNormal;
    const bool resultant = showNormal && showShear;
    if (!PrepareDiagramAttributes(false, normal)) return false;
    try {
        for (Cpp_DistributedLoadPoint* p = first_; p && p->NextPoint(); p = p->NextPoint()) {
            const Cpp_DistributedLoadPoint* q = p->NextPoint();
            if (p->X() == q->X() && p->Y() == q->Y()) continue;
            p->DrawSegment(normal, resultant, true, true);
        }
    } catch (...) {
        Cpp_DistributedLoadPoint::ReleaseDrawingAttributes();
        throw;
    }
    Cpp_DistributedLoadPoint::ReleaseDrawingAttributes();
    return true;
}

bool Cpp_DistributedLoadData::DrawPointSymbols() const {
    platform::DeviceContext* dc = CurrentDC();
    if (!dc || !first_) return true;
    const s_StageLook& look = Look(stage_);
    s_SymbolAttributesType a;
    a.markerSize = kMarkerSize;
    a.penWidth = kLineWidth;
    a.style = look.symbolStyle;
    a.colour = look.pointColour;
    a.layerName = stage_ == 2 ? "Distributed_Load_Points_2" : "Distributed_Load_Points_1";
    if (!SetupPointPensOnBackground(a)) return false;
    std::vector<double> xs, ys;
    xs.reserve(count_);
    ys.reserve(count_);
    for (const Cpp_DistributedLoadPoint* p = first_; p; p = p->NextPoint()) {
        xs.push_back(p->X());
        ys.push_back(p->Y());
    }
    DrawSymbols(*dc, xs.data(), ys.data(), static_cast<int>(xs.size()));
    DeletePointPens();
    return true;
}

bool Cpp_DistributedLoadData::DrawPointLabels() const {
    platform::DeviceContext* dc = CurrentDC();
    if (!dc || !first_) return true;
    platform::ScopedDcState state(*dc);
    dc->SetBkMode(platform::BackgroundMode::Transparent);
    Cpp_GraphicString::SetDrawingAttributes(s_FontType("Arial", 8), 9, 2, 1, 0, false,
                                            Look(stage_).pointColour,
                                            "Distributed_Load_Coordinates");
    const Cpp_Graphics::WorldRect box = Cpp_Graphics::ClipBox();
    for (const Cpp_DistributedLoadPoint* p = first_; p; p = p->NextPoint()) {
        if (p->X() < box.xmin || p->X() > box.xmax || p->Y() < box.ymin || p->Y() > box.ymax)
            continue;
        DrawCoordinateLabel(p->X(), p->Y(), 2, true);
    }
    Cpp_GraphicString::ReleaseDrawingAttributes();
    return true;
}

// ---------------------------------------------------------------------------------------------
// Picking and highlighting

double Cpp_DistributedLoadPoint::DistanceToDiagramLine(double x, double y, bool normal) const {
    const s_tagTypePointXY* line = normal ? normalDiagram : shearDiagram;
    return PointSegmentDistanceCoords(x, y, line[0].x, line[0].y, line[1].x, line[1].y);
}

void Cpp_DistributedLoadPoint::DrawHighlighted(platform::DeviceContext& dc, bool normal) const {
    const s_tagTypePointXY* line = normal ? normalDiagram : shearDiagram;
    DrawPointMark(dc, line[0].x, line[0].y);
    DrawPointMark(dc, line[1].x, line[1].y);
}

namespace {

template <typename Distance>
Cpp_DistributedLoadPoint* HitTestSegments(Cpp_DistributedLoadPoint* first, s_PickType& pick,
                                          Distance distance) {
    Cpp_DistributedLoadPoint* best = nullptr;
    int number = 0;
    for (Cpp_DistributedLoadPoint* p = first; p && p->NextPoint(); p = p->NextPoint()) {
        ++number;
        const Cpp_DistributedLoadPoint* q = p->NextPoint();
        if (p->X() == q->X() && p->Y() == q->Y()) continue;
        const double d = distance(*p, *q);
        if (!(d < pick.tolerance)) continue;
        if (AcceptNearerSegment(pick, d, number)) best = p;
    }
    return best;
}

}  // namespace

Cpp_DistributedLoadPoint* Cpp_DistributedLoadData::HitTestSegment(s_PickType& pick) const {
    return HitTestSegments(
        first_, pick, [&](const Cpp_DistributedLoadPoint& p, const Cpp_DistributedLoadPoint& q) {
            return PointSegmentDistanceCoords(pick.x, pick.y, p.X(), p.Y(), q.X(), q.Y());
        });
}

Cpp_DistributedLoadPoint* Cpp_DistributedLoadData::HitTestDiagramLine(s_PickType& pick,
                                                                      bool normal) const {
    return HitTestSegments(first_, pick,
                           [&](const Cpp_DistributedLoadPoint& p, const Cpp_DistributedLoadPoint&) {
                               return p.DistanceToDiagramLine(pick.x, pick.y, normal);
                           });
}

bool Cpp_DistributedLoadData::GetSelectionFilterA(int stage) { return g_filters[stage == 2][0]; }
bool Cpp_DistributedLoadData::GetSelectionFilterD(int stage) { return g_filters[stage == 2][1]; }
bool Cpp_DistributedLoadData::GetSelectionFilterB(int stage) { return g_filters[stage == 2][2]; }
bool Cpp_DistributedLoadData::GetSelectionFilterC(int stage) { return g_filters[stage == 2][3]; }

void Cpp_DistributedLoadData::SetSelectionFilters(int stage, bool points, bool segments,
                                                  bool normal, bool shear) {
    bool* f = g_filters[stage == 2];
    f[0] = points, f[1] = segments, f[2] = normal, f[3] = shear;
}

// ---------------------------------------------------------------------------------------------
// Scale

void Cpp_DistributedLoadData::SetLargestValue(double value) { g_scale.SetLargest(value); }
double Cpp_DistributedLoadData::LargestValue() {
    return g_scale.largestSet ? g_scale.largest : 0.0;
}

bool Cpp_DistributedLoadData::ComputeLoadScale(int unitSystem) {
    g_scale.Compute(unitSystem);
    return true;
}

double Cpp_DistributedLoadData::ScaleValue(double stress) { return g_scale.Apply(stress); }

bool Cpp_DistributedLoadData::ScaleNeedsLargestValue(int unitSystem) {
    return g_scale.NeedsLargest(unitSystem);
}

bool Cpp_DistributedLoadData::EnsureLoadScale() {
    const int units = GetUnitSystem();
    if (ScaleNeedsLargestValue(units) && (!g_scale.largestSet || !(g_scale.largest > 0))) {
        double value = 1000.0;
        if (!Cpp_Graphics::GetLargestValueForScaling(2, value)) return false;
        SetLargestValue(value);
    }
    ComputeLoadScale(units);
    return true;
}

void Cpp_DistributedLoadData::SaveLoadScale() { g_scale.Save(); }
void Cpp_DistributedLoadData::RestoreLoadScale() { g_scale.Restore(); }

bool Cpp_DistributedLoadData::ScaleDialog() {
    return loads::EditScaleRecord(2, "Distributed Load Scale", g_scale.Record(GetUnitSystem()));
}

void Cpp_DistributedLoadData::ReadWriteProfileSettings(Cpp_DistributedLoadData* stage1,
                                                       Cpp_DistributedLoadData* stage2, bool read) {
    const std::string section = "DISTRIBUTED LOAD";
    Cpp_DistributedLoadData* data[2] = {stage1, stage2};
    for (int s = 1; s <= 2; ++s) {
        bool points, normal, shear;
        GetDefaultDisplayFlags(s, points, normal, shear);
        Cpp_DistributedLoadData* d = data[s - 1];
        if (d && !read) {
            points = d->showPoints, normal = d->showNormalStress, shear = d->showShearStress;
        }
        const std::string n = std::to_string(s);
        loads::ExchangeFlag(section, "Display Points " + n, points, read);
        loads::ExchangeFlag(section, "Display Normal Stress " + n, normal, read);
        loads::ExchangeFlag(section, "Display Shear Stress " + n, shear, read);
        if (read) SetDefaultDisplayFlags(s, points, normal, shear);
    }
    loads::ExchangeRecord(section, "Distributed Load English Scale", g_scale.records[0], read);
    loads::ExchangeRecord(section, "Distributed Load SI Scale", g_scale.records[1], read);
    loads::ExchangeRecord(section, "Distributed Load Other Scale", g_scale.records[2], read);
}

// ---------------------------------------------------------------------------------------------
// Tool tip and information

std::string Cpp_DistributedLoadData::ShowValuesToolTip(double x, double y, double normal,
                                                       double shear) {
    const std::string c = loads::FixedFormat(Cpp_KlivenSettings::CoordinateDecimals(), "%1.2f");
    const std::string s = loads::FixedFormat(Cpp_KlivenSettings::StressDecimals(), "%1.0f");
    std::string text =
        loads::FillTemplate("X: %s  Y: %s\nNormal: %s\nShear: %s",
                            {loads::FormatValue(c, x), loads::FormatValue(c, y),
                             loads::FormatValue(s, normal), loads::FormatValue(s, shear)});
    SetToolTipText(text);
    return text;
}

std::array<platform::DevicePoint, 4>
Cpp_DistributedLoadData::ComputeRubberBand(const s_DistributedLoadPoint& a,
                                           const s_DistributedLoadPoint& b) {
    const auto pixel = [](double x, double y) {
        return platform::DevicePoint{Cpp_Graphics::XToPixel(x), Cpp_Graphics::YToPixel(y)};
    };
    s_Outer o{a.x, a.y, b.x, b.y};
    OuterLine(a, b, true, false, false, o);
    return {pixel(a.x, a.y), pixel(b.x, b.y), pixel(o.x2, o.y2), pixel(o.x1, o.y1)};
}

void Cpp_DistributedLoadData::DrawPointSymbol(platform::DeviceContext& dc, double x, double y,
                                              int stage, bool erase) {
    const s_StageLook& look = Look(stage);
    if (erase)
        EraseSymbol(dc, x, y, kLineWidth, kMarkerSize, look.symbolStyle);
    else
        DrawWithAttributes(dc, x, y, kLineWidth, look.pointColour, kMarkerSize, look.symbolStyle);
}

bool Cpp_DistributedLoadData::AddInformation(platform::InfoWindowService& info, int kind,
                                             const Cpp_DistributedLoadPoint* item,
                                             bool multiStage) const {
    if (!info.Exists()) return true;
    if (!item) return false;
    info.Clear();
    const std::string c = loads::FixedFormat(Cpp_KlivenSettings::CoordinateDecimals(), "%1.2f");
    const std::string s = loads::FixedFormat(Cpp_KlivenSettings::StressDecimals(), "%1.2f");
    auto X = [&](double v) { return loads::FormatValue(c, v); };
    auto S = [&](double v) { return loads::FormatValue(s, v); };
    auto stageText = [&](const char* plain, const char* staged) {
        return multiStage ? FormatText(staged, stage_) : std::string(plain);
    };
    const Cpp_DistributedLoadPoint* second = nullptr;
    if (kind == 36) {
        info.AddText(platform::kInfoRoot,
                     stageText("Distributed load point selected",
                               "Distributed load point selected (Stage %1d data)"));
        info.AddText(platform::kInfoRoot,
                     loads::FillTemplate("X: %s , Y: %s", {X(item->X()), X(item->Y())}));
        info.AddText(platform::kInfoRoot,
                     loads::FillTemplate("Normal stress: %s, Shear stress: %s",
                                         {S(item->normalStress), S(item->shearStress)}));
    } else {
        second = item->NextPoint();
        info.AddText(platform::kInfoRoot,
                     stageText("Distributed load segment selected",
                               "Distributed load segment selected (Stage %1d data)"));
        const char* rows[2] = {"First point - X: %s , Y: %s, Normal stress: %s, Shear stress: %s",
                               "Second point - X: %s , Y: %s, Normal stress: %s, Shear stress: %s"};
        const Cpp_DistributedLoadPoint* ends[2] = {item, second};
        for (int i = 0; i < 2; ++i) {
            if (!ends[i]) continue;
            info.AddText(
                platform::kInfoRoot,
                loads::FillTemplate(rows[i], {X(ends[i]->X()), X(ends[i]->Y()),
                                              S(ends[i]->normalStress), S(ends[i]->shearStress)}));
        }
    }
    const platform::InfoItem parent = info.AddText(platform::kInfoRoot, "Distributed load points:");
    for (const Cpp_DistributedLoadPoint* p = first_; p; p = p->NextPoint()) {
        const char* mark = "";
        if (kind == 36 && p == item) mark = " - Selected point";
        if (kind != 36 && p == item) mark = " - First point selected";
        if (kind != 36 && second && p == second) mark = " - Second point selected";
        info.AddText(parent,
                     loads::FillTemplate(
                         "X: %s , Y: %s, Normal stress: %s, Shear stress: %s %s",
                         {X(p->X()), X(p->Y()), S(p->normalStress), S(p->shearStress), mark}));
    }
    return true;
}
