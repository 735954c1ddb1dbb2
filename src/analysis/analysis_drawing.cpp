#include "analysis/analysis_drawing.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "analysis/analysis_computation_data.h"
#include "analysis/analysis_drawing_attributes.h"
#include "graphics/fill_patterns.h"
#include "graphics/graphics.h"
#include "graphics/vector_arrow.h"
#include "graphics/xor_rectangle.h"

namespace {

using A = Cpp_AnalysisComputationData;

bool ScreenOrPrinter() {
    const int m = Cpp_Graphics::OutputMode();
    return m == Cpp_Graphics::kOutputScreen || m == Cpp_Graphics::kOutputPrinter;
}

bool Drawable() {
    return Cpp_Graphics::GetCurrentDC() &&
           (ScreenOrPrinter() || Cpp_Graphics::OutputMode() == Cpp_Graphics::kOutputDxf);
}

s_ColorType Background() {
    platform::DeviceContext* dc = Cpp_Graphics::GetCurrentDC();
    return s_ColorType::FromRGB(dc ? dc->GetBkColor() : 0xFFFFFF);
}

// Draws a segment list with the pen of the attributes; false when the pen cannot be made.
bool DrawSegments(const s_LinePenType& pen,
                  const std::vector<std::pair<s_tagTypePointXY, s_tagTypePointXY>>& segments) {
    platform::DeviceContext* dc = Cpp_Graphics::GetCurrentDC();
    if (!dc || !CreateLinePen(pen)) return false;
    try {
        for (const auto& [p, q] : segments) DrawPolyline(*dc, {p.x, q.x}, {p.y, q.y});
    } catch (...) {
        DeletePenObject();
        throw;
    }
    DeletePenObject();
    return true;
}

void DrawSymbolsAt(const s_SymbolAttributesType& attributes,
                   const std::vector<s_tagTypePointXY>& points) {
    if (!SetupPointPensOnBackground(attributes)) return;
    for (const auto& p : points) DrawSymbolOnCurrentDC(p.x, p.y);
    DeletePointPens();
}

// The radius arrow: from the centre straight down to the circle.
void DrawRadiusArrow(double x, double y, double radius, const s_ColorType& colour) {
    platform::DeviceContext* dc = Cpp_Graphics::GetCurrentDC();
    if (!dc) return;
    const int w = analysis_look::RadiusLineWidth().DeviceWidthOnCurrentDC();
    Cpp_Vector::SetDrawingAttributes(0.2, 0, true, true, w, w, 0, colour,
                                     analysis_look::RadiusLayer());
    Cpp_Vector(x, y - radius, x, y).Draw();
    Cpp_Vector::DeleteDrawingObjects();
}

std::vector<s_tagTypePointXY> SurfacePoints(const Cpp_NoncircularShearSurface& s) {
    std::vector<s_tagTypePointXY> out;
    for (const auto& p : s.Points()) out.push_back(p.XY());
    return out;
}

}  // namespace

bool EndPointsOnCircle(const Cpp_Circle& c, const s_tagTypePointXY& first,
                       const s_tagTypePointXY& second) {
    const double r = c.Radius();
    if (!(r > 0.0)) return false;
    const double tolerance = 1e-7 * r;
    for (const auto& p : {first, second})
        if (!(std::fabs(std::hypot(p.x - c.CenterX(), p.y - c.CenterY()) - r) <= tolerance))
            return false;
    return true;
}

bool DrawSlipSurfacePoints(const A& a, bool normal) {
    if (!a.HasData() || a.IsCircular() || !Drawable()) return false;
    const int m = Cpp_Graphics::OutputMode();
    if (m == Cpp_Graphics::kOutputPrinter) return false;
    s_SymbolAttributesType s = analysis_look::SlipSurfacePointSymbol();
    if (!normal) s.colour = Background();
    DrawSymbolsAt(s, SurfacePoints(a.GetNoncircularPointList()));
    return true;
}

bool DrawSlipSurface(const A& a, bool normal) {
    if (!a.HasData() || !Drawable()) return false;
    s_LinePenType pen = analysis_look::SlipSurfaceLinePen();
    if (!normal) pen.colour = Background();
    if (a.IsCircular()) {
        const Cpp_Circle circle = a.InitialCircle();
        if (!(circle.Radius() > 0.0)) return false;
        if (!Cpp_Circle::CreateArcPen(pen.width, pen.style, pen.colour, pen.layerName))
            return false;
        s_tagTypePointXY first, second;
        const bool set = a.GetToolRadiusDefinition(first, second);
        if (!set || !EndPointsOnCircle(circle, first, second)) {
            // No end points of this circle: the whole circle, from and to one radial.
            first = second = {circle.CenterX() + circle.Radius(), circle.CenterY()};
        }
        try {
            circle.DrawArc(first, second);
        } catch (...) {
            Cpp_Circle::DeleteArcPen();
            throw;
        }
        Cpp_Circle::DeleteArcPen();
        return true;
    }
    if (Cpp_Graphics::OutputMode() == Cpp_Graphics::kOutputPrinter) return false;
    const auto points = SurfacePoints(a.GetNoncircularPointList());
    if (points.size() < 2) return false;
    platform::DeviceContext* dc = Cpp_Graphics::GetCurrentDC();
    if (!CreateLinePen(pen)) return false;
    std::vector<double> xs, ys;
    for (const auto& p : points) {
        xs.push_back(p.x);
        ys.push_back(p.y);
    }
    try {
        DrawPolyline(*dc, xs, ys);
    } catch (...) {
        DeletePenObject();
        throw;
    }
    DeletePenObject();
    return true;
}

bool DrawNoncircularSearchPoints(const A& a, bool normal) {
    if (!a.HasData() || a.IsCircular() || a.GetMode() != A::kSearchType1 || !Drawable())
        return false;
    return DrawShiftMarkers(a.GetNoncircularPointList(), analysis_look::SearchPointWidth(),
                            analysis_look::SearchPointColour(), normal);
}

bool DrawCenter(const A& a) {
    if (!a.HasData() || !a.IsCircular() || !Drawable()) return false;
    auto drawOne = [](const Cpp_Circle& c, const s_tagTypePointXY& first,
                      const s_tagTypePointXY& second, bool lines, bool single) {
        if (lines && analysis_look::RadiusLinesShown())
            DrawSegments(analysis_look::CentreLinePen(),
                         {{c.Center(), first}, {c.Center(), second}});
        const s_SymbolAttributesType s = analysis_look::CentreSymbol(single);
        if (s.style != 0) DrawSymbolsAt(s, {c.Center()});
    };
    if (a.GetMode() == A::kCentreList) {
        for (const Cpp_Circle& c : a.GetCenterPointList()) {
            s_tagTypePointXY first, second;
            c.GetEndPoints(first, second);
            drawOne(c, first, second, true, false);
        }
        return true;
    }
    const Cpp_Circle circle = a.InitialCircle();
    if (!(circle.Radius() > 0.0)) return false;
    s_tagTypePointXY first, second;
    const bool lines =
        a.GetToolRadiusDefinition(first, second) && EndPointsOnCircle(circle, first, second);
    drawOne(circle, first, second, lines, true);
    return true;
}

bool DrawRadiusItems(const A& a, bool normal) {
    if (!a.HasData() || !a.IsCircular() || !Drawable()) return false;
    const int mode = a.GetMode();
    if (mode == A::kSearchType2) {
        const Cpp_FixedSearchGrid& grid = a.GetFixedSearchGrid();
        const s_tagTypePointXY c = grid.Center();
        return DrawRadiusDefinitions(a.GetRadiusDefinitionList(), c.x, c.y, !grid.Compare());
    }
    if (mode != A::kIndividual && mode != A::kSearchType1) return false;
    switch (a.GetRadiusOption()) {
    case 0: {
        if (!(a.GetRadius() > 0.0)) return false;  // no trial circle yet
        const s_tagTypePointXY c = a.InitialCenter();
        DrawRadiusArrow(c.x, c.y, a.GetRadius(),
                        normal ? analysis_look::RadiusColour() : Background());
        return true;
    }
    case 1: {
        s_SymbolAttributesType s = analysis_look::RadiusPointSymbol();
        if (!normal) s.colour = Background();
        DrawSymbolsAt(s, {{a.GetThroughPointX(), a.GetThroughPointY()}});
        return true;
    }
    case 2: return DrawTangentLineStandard(*a.GetTangentLine(), normal);
    default: return false;
    }
}

bool DrawSearchGrid(const A& a) {
    if (!a.HasData() || !a.IsCircular() || !Drawable()) return false;
    const int mode = a.GetMode();
    if (mode == A::kSearchType2)
        return DrawFixedSearchGrid(a.GetFixedSearchGrid(), analysis_look::SearchGridPen());
    if (mode != A::kSearchType1 && mode != A::kSearch6) return false;
    const double g = a.GetMinimumGridSpacing();
    const double S = a.GetAccuracyMarkSize();
    const s_tagTypePointXY c = a.GetStartCenter();
    std::vector<std::pair<s_tagTypePointXY, s_tagTypePointXY>> segments;
    for (double h : {S, g}) {
        for (double dy : {-h, 0.0, h})
            segments.push_back({{c.x - h, c.y + dy}, {c.x + h, c.y + dy}});
        for (double dx : {-h, 0.0, h})
            segments.push_back({{c.x + dx, c.y + h}, {c.x + dx, c.y - h}});
    }
    return DrawSegments(analysis_look::SearchGridPen(), segments);
}

bool DrawFixedSearchGrid(const Cpp_FixedSearchGrid& grid, const s_LinePenType& pen) {
    platform::DeviceContext* dc = Cpp_Graphics::GetCurrentDC();
    if (!dc) return false;
    std::vector<std::pair<s_tagTypePointXY, s_tagTypePointXY>> segments;
    const int across = grid.PointsAcross();
    if (grid.IsLine()) {
        const s_tagTypePointXY c1 = grid.Corner(1), c2 = grid.Corner(2);
        if (!DrawSegments(pen, {{c1, c2}})) return false;
        if (across < 2 || !ScreenOrPrinter()) return true;
        const double a = std::atan2(-(c2.x - c1.x), c2.y - c1.y);
        const int tx = static_cast<int>(4.0 * std::cos(a));
        const int ty = static_cast<int>(4.0 * std::sin(a));
        platform::ScopedDcState state(*dc);
        platform::Pen p;
        p.width = pen.width.DeviceWidthOnCurrentDC();
        p.color = pen.colour.RGBColor();
        dc->SetPen(p);
        for (int i = 1; i <= across; ++i) {
            const s_tagTypePointXY q = grid.GridPoint(double(i - 1) / (across - 1), 0.0);
            const platform::DevicePoint px = Cpp_Graphics::WorldToPixel(q.x, q.y);
            dc->Polyline({{px.x + tx, px.y - ty}, {px.x - tx, px.y + ty}});
        }
        return true;
    }
    auto parameters = [](int n) {
        std::vector<double> t;
        if (n < 2) return std::vector<double>{0.0, 1.0};
        for (int i = 1; i <= n; ++i) t.push_back(double(i - 1) / (n - 1));
        return t;
    };
    for (double u : parameters(across))
        segments.push_back({grid.GridPoint(u, 0), grid.GridPoint(u, 1)});
    for (double v : parameters(grid.PointsUp()))
        segments.push_back({grid.GridPoint(0, v), grid.GridPoint(1, v)});
    return DrawSegments(pen, segments);
}

bool DrawFixedSearchGridHighlighted(platform::DeviceContext& dc, const Cpp_FixedSearchGrid& grid) {
    if (grid.IsLine()) {
        for (int i : {1, 2}) DrawPointMark(dc, grid.Corner(i).x, grid.Corner(i).y);
        return true;
    }
    std::vector<platform::DevicePoint> corners;
    for (int i = 1; i <= 4; ++i)
        corners.push_back(Cpp_Graphics::WorldToPixel(grid.Corner(i).x, grid.Corner(i).y));
    platform::ScopedDcState state(dc);
    dc.SetRop2(platform::RasterOp::XorPen);
    dc.SetPolyFillMode(platform::FillMode::Alternate);
    dc.SetBrush(Cpp_FillPatterns::CreatePatternBrush(23));
    dc.SetTextColor(0);
    dc.FillPolygon(corners);
    return true;
}

bool DrawTangentLine(const Cpp_TangentLine& line, const s_LinePenType& pen,
                     const s_SymbolAttributesType& points) {
    platform::DeviceContext* dc = Cpp_Graphics::GetCurrentDC();
    if (!dc) return false;
    if (line.GetOption() == Cpp_TangentLine::kHorizontal) {
        double xmin = 0.0, xmax = 0.0;
        Cpp_Graphics::GetVisibleRange(xmin, xmax, true);
        const double y = line.GetElevation();
        return DrawSegments(pen, {{{xmin, y}, {xmax, y}}});
    }
    if (line.GetOption() != Cpp_TangentLine::kIrregular &&
        line.GetOption() != Cpp_TangentLine::kUndefined)
        return false;
    std::vector<double> xs, ys;
    for (const auto& p : line.Points()) {
        xs.push_back(p.x);
        ys.push_back(p.y);
    }
    if (xs.size() >= 2 && CreateLinePen(pen)) {
        try {
            DrawPolyline(*dc, xs, ys);
        } catch (...) {
            DeletePenObject();
            throw;
        }
        DeletePenObject();
    }
    DrawSymbolsAt(points, line.Points());
    return true;
}

bool DrawTangentLineStandard(const Cpp_TangentLine& line, bool normal) {
    s_LinePenType pen = analysis_look::TangentLinePen();
    s_SymbolAttributesType points = analysis_look::TangentPointSymbol();
    if (!normal) pen.colour = points.colour = Background();
    return DrawTangentLine(line, pen, points);
}

bool DrawRadiusDefinition(const Cpp_RadiusDefinition& d, double x, double y, bool centreDefined,
                          bool normal) {
    switch (d.GetOption()) {
    case Cpp_RadiusDefinition::kGivenRadius:
        if (!centreDefined) return false;
        DrawRadiusArrow(x, y, d.GetGivenRadius(),
                        normal ? analysis_look::RadiusColour() : Background());
        return true;
    case Cpp_RadiusDefinition::kFixedPoint: {
        s_SymbolAttributesType s = analysis_look::RadiusPointSymbol();
        if (!normal) s.colour = Background();
        DrawSymbolsAt(s, {d.GetFixedPoint()});
        return true;
    }
    case Cpp_RadiusDefinition::kTangentLine:
        return DrawTangentLineStandard(*d.GetTangentLine(), normal);
    default: return false;
    }
}

bool DrawRadiusDefinitions(const Cpp_RadiusDefinitionList& list, double x, double y,
                           bool centreDefined) {
    for (int n = 1; n <= list.GetCount(); ++n)
        DrawRadiusDefinition(*list.GetNth(n), x, y, centreDefined);
    return true;
}

double SurfaceNormalDirection(const Cpp_NoncircularShearSurface& surface, int i) {
    const auto& p = surface.Points();
    const int n = static_cast<int>(p.size());
    double ux = 0.0, uy = 0.0;
    auto add = [&](int from, int to) {
        const double dx = p[to].X() - p[from].X(), dy = p[to].Y() - p[from].Y();
        const double length = std::hypot(dx, dy);
        if (length > 0.0) {
            ux += dx / length;
            uy += dy / length;
        }
    };
    if (i > 0) add(i - 1, i);
    if (i + 1 < n) add(i, i + 1);
    if (ux == 0.0 && uy == 0.0) return -std::acos(0.0);  // no direction: straight down
    // The mean direction of the surface turned a quarter clockwise: at right angles, downwards
    // for a surface running to the right.
    return std::atan2(-ux, uy);
}

bool DrawShiftMarker(const Cpp_NoncircularShearSurface& surface, int i,
                     const s_LineWidthType& width, const s_ColorType& colour, bool normal) {
    platform::DeviceContext* dc = Cpp_Graphics::GetCurrentDC();
    const auto& points = surface.Points();
    if (!dc || !ScreenOrPrinter() || i < 0 || i >= static_cast<int>(points.size())) return false;
    const s_ColorType ink = normal ? colour : Background();
    const int w = width.DeviceWidthOnCurrentDC();
    const auto& p = points[static_cast<std::size_t>(i)];
    if (p.IsMoveable()) {
        const double a = p.IsShiftDirectionComputed() ? SurfaceNormalDirection(surface, i)
                                                      : p.GetShiftAngleRadians();
        const double L = Cpp_Graphics::PixelsToWorldLengthX(40) / 2.0;
        Cpp_Vector::SetDrawingAttributes(0.1, 0, true, true, w, w, 0, ink, "");
        const double dx = L * std::cos(a), dy = L * std::sin(a);
        Cpp_Vector(p.X() + dx, p.Y() + dy, p.X(), p.Y()).Draw();
        Cpp_Vector(p.X() - dx, p.Y() - dy, p.X(), p.Y()).Draw();
        Cpp_Vector::DeleteDrawingObjects();
    } else {
        const platform::DevicePoint q = Cpp_Graphics::WorldToPixel(p.X(), p.Y());
        platform::ScopedDcState state(*dc);
        platform::Pen pen;
        pen.width = w;
        pen.color = ink.RGBColor();
        dc->SetPen(pen);
        dc->Polyline({q, {q.x + 5, q.y + 10}, {q.x - 5, q.y + 10}, q});
    }
    return true;
}

bool DrawShiftMarkers(const Cpp_NoncircularShearSurface& surface, const s_LineWidthType& width,
                      const s_ColorType& colour, bool normal) {
    if (!Cpp_Graphics::GetCurrentDC() || !ScreenOrPrinter()) return false;
    const auto& points = surface.Points();
    const int n = static_cast<int>(points.size());
    for (int i = 0; i < n; ++i) {
        const bool inner = i > 0 && i + 1 < n;
        if (inner || !points[static_cast<std::size_t>(i)].IsMoveable())
            DrawShiftMarker(surface, i, width, colour, normal);
    }
    return true;
}

bool DrawSelectedItemA(const A& a, platform::DeviceContext& dc) {
    if (!a.HasData() || !a.IsCircular()) return false;
    const int mode = a.GetMode();
    if (mode == A::kSearchType1 || mode == A::kSearch6) {
        const s_tagTypePointXY c = a.GetStartCenter();
        const double S = a.GetAccuracyMarkSize();
        XorRectangle(c.x - S, c.y - S, c.x + S, c.y + S).Draw(dc);
        return true;
    }
    if (mode == A::kSearchType2) return DrawFixedSearchGridHighlighted(dc, a.GetFixedSearchGrid());
    return false;
}

bool DrawSelectedItemB(const A& a, platform::DeviceContext& dc) {
    if (!a.HasData() || !a.IsCircular()) return false;
    if (Cpp_Graphics::OutputMode() != Cpp_Graphics::kOutputScreen) return false;
    s_tagTypePointXY first, second;
    if (!a.GetToolRadiusDefinition(first, second)) return false;
    DrawPointMark(dc, first.x, first.y);
    DrawPointMark(dc, second.x, second.y);
    return true;
}
