#include "profile/slope_drawing.h"

#include "core/text_exception.h"
#include "graphics/graphics.h"
#include "graphics/line_drawing.h"
#include "graphics/point_symbols.h"
#include "profile/crack.h"
#include "profile/slope_geometry.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

const s_ColorType kSlopeColour(30, 7);
const s_ColorType kCrackColour(27, 7);
const s_ColorType kWaterColour(12, 7);

s_LinePenType Pen(const s_ColorType& colour, short points, const char* layer) {
    s_LinePenType p;
    p.width = s_LineWidthType(points);
    p.style = 0;
    p.colour = colour;
    p.layerName = layer;
    return p;
}

// The 19 strokes of the ground symbol, in units along and across the segment.
constexpr double kGroundStrokes[19][4] = {
    {0, 0, 1, -1},   {0, -2, 2, 0},   {2, -2, 4, 0},   {4, -2, 6, 0},    {6, -2, 8, 0},
    {8, -2, 10, 0},  {9, -1, 10, -2}, {10, 0, 12, -2}, {12, 0, 14, -2},  {14, 0, 16, -2},
    {16, 0, 18, -2}, {18, 0, 20, -2}, {20, 0, 21, -1}, {20, -2, 22, 0},  {22, -2, 24, 0},
    {24, -2, 26, 0}, {26, -2, 28, 0}, {28, -2, 30, 0}, {29, -1, 30, -2},
};

std::vector<double> Xs(const Cpp_Line& line) {
    std::vector<double> v;
    for (const Cpp_PointXY* p = line.FirstPoint(); p; p = p->Next()) v.push_back(p->X());
    return v;
}

void CheckStartsAtSlope(const Cpp_Line& line, const Cpp_Line& slope, const char* what) {
    if (!line.FirstPoint() || !slope.FirstPoint()) return;
    if (line.FirstPoint()->X() != slope.FirstPoint()->X())
        throw Cpp_TextException(std::string("EXCEPTION: Cpp_SlopeGeometry::") + what +
                                " - invalid crack geometry");
}

// Vertical hatch lines from `from` to `to` every h, starting at x0 + offset, up to x1; only the
// ones within the visible part are drawn.
void Hatch(platform::DeviceContext& dc, const Cpp_Line& from, const Cpp_Line& to, double x0,
           double x1, double offset, double h, bool onlyWhereFromIsAbove,
           const platform::Pen& pen) {
    if (!(h > 0)) return;
    const Cpp_Graphics::WorldRect box = Cpp_Graphics::ClipBox();
    const double start = x0 + offset;
    double k0 = 0;
    if (box.xmin > start) k0 = std::ceil((box.xmin - start) / h);
    std::vector<std::vector<platform::DevicePoint>> lines;
    for (double k = k0;; k += 1) {
        const double x = start + k * h;
        if (x > x1 || x > box.xmax || lines.size() > 100000) break;
        bool outA = false, outB = false;
        double ya, yb;
        try {
            ya = from.YLine(x, 4, outA);
            yb = to.YLine(x, 4, outB);
        } catch (...) {
            continue;  // a vertical segment at this x
        }
        if (outA || outB) continue;
        if (onlyWhereFromIsAbove && !(ya > yb)) continue;
        double ax = x, ay = ya, bx = x, by = yb;
        if (!Cpp_Graphics::ClipSegment(box, ax, ay, bx, by)) continue;
        lines.push_back({Cpp_Graphics::WorldToPixel(ax, ay), Cpp_Graphics::WorldToPixel(bx, by)});
    }
    if (lines.empty()) return;
    platform::ScopedDcState state(dc);
    dc.SetPen(pen);
    dc.PolyPolyline(lines);
}

double HatchSpacing(platform::DeviceContext& dc) {
    const int pixels = static_cast<int>(Cpp_Graphics::InchesToPixelsOnDC(dc, 0.125));
    return Cpp_Graphics::PixelsToWorldLength(std::max(1, pixels));
}

bool DrawCrackPoints(const Cpp_CrackPointList& list, const s_ColorType& colour, int style,
                     const char* layer) {
    platform::DeviceContext* dc = Cpp_Graphics::GetCurrentDC();
    if (!dc) return true;
    if (list.Count() < 2) return false;
    std::vector<double> xs, ys;
    for (const Cpp_CrackPoint* p = list.Head(); p; p = p->Next()) {
        xs.push_back(p->X());
        ys.push_back(p->Value());
    }
    CreateLinePen(Pen(colour, 1, layer));
    DrawPolyline(*dc, xs, ys);
    DeletePenObject();
    s_SymbolAttributesType a;
    a.markerSize = s_MarkerSizeType(static_cast<short>(7));
    a.penWidth = s_LineWidthType(static_cast<short>(1));
    a.style = style;
    a.colour = colour;
    a.backgroundFill = dc->GetBkColor();
    a.layerName = layer;
    SetupPointPens(*dc, a);
    DrawSymbols(*dc, xs.data(), ys.data(), static_cast<int>(xs.size()));
    DeletePointPens();
    return true;
}

}  // namespace

bool DrawSlopeLine(const Cpp_SlopeGeometry& geometry) {
    platform::DeviceContext* dc = Cpp_Graphics::GetCurrentDC();
    if (!dc) return true;
    const Cpp_SlopeLine& slope = geometry.GetSlopeLine();
    const s_LinePenType pen = Pen(kSlopeColour, 0, "Slope_Line");
    CreateLinePen(pen);
    DrawLine(*dc, slope);
    DeletePenObject();

    const double u = Cpp_Graphics::InchesToWorldLength(0.0375);
    if (!(u > 0)) return true;
    const Cpp_Graphics::WorldRect box = Cpp_Graphics::ClipBox();
    std::vector<std::vector<platform::DevicePoint>> strokes;
    for (const Cpp_PointXY* p = slope.FirstPoint(); p && p->Next(); p = p->Next()) {
        const Cpp_PointXY* q = p->Next();
        const double dx = q->X() - p->X(), dy = q->Y() - p->Y();
        const double length = std::hypot(dx, dy);
        if (!(length > 45 * u)) continue;
        const double mx = (p->X() + q->X()) / 2, my = (p->Y() + q->Y()) / 2;
        if (mx + 16 * u < box.xmin || mx - 16 * u > box.xmax || my + 16 * u < box.ymin ||
            my - 16 * u > box.ymax)
            continue;
        const double c = dx / length, s = dy / length;
        const double sx = mx - 15 * u * c, sy = my - 15 * u * s;
        for (const auto& st : kGroundStrokes) {
            const double ax = sx + u * (st[0] * c - st[1] * s),
                         ay = sy + u * (st[0] * s + st[1] * c);
            const double bx = sx + u * (st[2] * c - st[3] * s),
                         by = sy + u * (st[2] * s + st[3] * c);
            strokes.push_back(
                {Cpp_Graphics::WorldToPixel(ax, ay), Cpp_Graphics::WorldToPixel(bx, by)});
        }
    }
    if (!strokes.empty()) {
        platform::ScopedDcState state(*dc);
        dc->SetPen(
            {platform::PenStyle::Solid, pen.width.DeviceWidth(*dc), kSlopeColour.RGBColor()});
        dc->PolyPolyline(strokes);
    }
    return true;
}

s_DrawAttributesType GetSlopeDisplayAttributes() {
    return s_DrawAttributesType(s_LineWidthType(static_cast<short>(0)), kSlopeColour,
                                s_LineWidthType(static_cast<short>(1)),
                                s_MarkerSizeType(static_cast<short>(6)), 4, kSlopeColour);
}

bool DrawSlopePoints(const Cpp_SlopeGeometry& geometry) {
    platform::DeviceContext* dc = Cpp_Graphics::GetCurrentDC();
    if (!dc) return true;
    s_SymbolAttributesType a;
    a.markerSize = s_MarkerSizeType(static_cast<short>(6));
    a.penWidth = s_LineWidthType(static_cast<short>(1));
    a.style = 4;
    a.colour = kSlopeColour;
    a.layerName = "Slope_Points";
    SetupPointPens(*dc, a);
    DrawLinePoints(*dc, geometry.GetSlopeLine());
    DeletePointPens();
    return true;
}

bool DrawTensionCrack(const Cpp_SlopeGeometry& geometry, const Cpp_Crack& crack) {
    platform::DeviceContext* dc = Cpp_Graphics::GetCurrentDC();
    if (!dc) return true;
    const int option = crack.GetCrackOption();
    if (option < 1 || option > 4) return true;
    const Cpp_Line& bottom = geometry.GetCrackBottomLine();
    const Cpp_Line& slope = geometry.GetSlopeLine();
    if (!bottom.HasPoints() || !slope.HasPoints()) return true;
    CheckStartsAtSlope(bottom, slope, "DrawTensionCrack");
    CreateLinePen(Pen(kCrackColour, 2, "Tension_Crack"));
    DrawLine(*dc, bottom);
    DeletePenObject();
    const std::vector<double> xs = Xs(bottom);
    const platform::Pen hatch{platform::PenStyle::Solid,
                              s_LineWidthType(static_cast<short>(1)).DeviceWidth(*dc),
                              kCrackColour.RGBColor()};
    Hatch(*dc, bottom, slope, xs.front(), xs.back(), 0.0, HatchSpacing(*dc), false, hatch);
    return true;
}

bool DrawCrackWaterSurface(const Cpp_SlopeGeometry& geometry) {
    platform::DeviceContext* dc = Cpp_Graphics::GetCurrentDC();
    if (!dc) return true;
    const Cpp_Line& water = geometry.GetCrackWaterLine();
    if (!water.HasPoints()) return true;
    CheckStartsAtSlope(water, geometry.GetSlopeLine(), "DrawCrackWaterSurface");
    CreateLinePen(Pen(kWaterColour, 2, "Crack_Water_Surface"));
    DrawLine(*dc, water);
    DeletePenObject();
    const std::vector<double> xs = Xs(water);
    const double h = HatchSpacing(*dc);
    const platform::Pen hatch{platform::PenStyle::Solid,
                              s_LineWidthType(static_cast<short>(1)).DeviceWidth(*dc),
                              kWaterColour.RGBColor()};
    Hatch(*dc, water, geometry.GetCrackBottomLine(), xs.front(), xs.back(), h / 2, h, true, hatch);
    return true;
}

bool DrawCrackBottom(const Cpp_Crack& crack, bool) {
    if (crack.GetCrackOption() != 4) return true;
    return DrawCrackPoints(crack.CrackPointList(), s_ColorType(5, 7), 9, "Crack _Bottom");
}

bool DrawWaterSurface(const Cpp_Crack& crack, bool) {
    if (crack.GetWaterOption() != 4) return true;
    return DrawCrackPoints(crack.WaterPointList(), s_ColorType(13, 7), 15, "Water_Surface");
}
