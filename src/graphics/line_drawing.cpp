#include "graphics/line_drawing.h"

#include "core/selection_marks.h"
#include "core/text_exception.h"
#include "graphics/dxf_output.h"
#include "graphics/graphics.h"
#include "graphics/line.h"
#include "graphics/line_list.h"
#include "graphics/line_styles.h"
#include "graphics/point_symbols.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

struct LinePenState {
    bool exists = false;
    platform::Pen pen;
    int widthPixels = 1;
    int style = 0;
    std::string layerName;
    std::string lineTypeName = "CONTINUOUS";
    int dxfColour = 7;
};
LinePenState g_pen;

struct MarkPenState {
    bool exists = false;
    platform::Pen pen;
    int markerSize = 1;
};
MarkPenState g_markPen;

bool Drawable() {
    const int mode = Cpp_Graphics::OutputMode();
    return mode == Cpp_Graphics::kOutputScreen || mode == Cpp_Graphics::kOutputPrinter;
}

void Collect(const Cpp_Line& line, std::vector<double>& xs, std::vector<double>& ys) {
    xs.clear();
    ys.clear();
    for (const Cpp_PointXY* p = line.FirstPoint(); p; p = p->Next()) {
        xs.push_back(p->X());
        ys.push_back(p->Y());
    }
}

// A dash pattern in pixels: element lengths and whether each is drawn.
struct Pattern {
    std::vector<double> length;
    std::vector<bool> drawn;
    double period = 0;
};

Pattern MakePattern(const s_LineStyleType& style, int penWidth, double ppi) {
    Pattern p;
    for (int i = 0; i < style.count && i < 8; ++i) {
        const bool drawn = style.drawn[i] != 0;
        double inches = style.length[i];
        double pixels;
        if (inches > 0) {
            if (!drawn) inches += penWidth / ppi;  // gaps lengthened by the pen width
            pixels = inches * ppi;
        } else {
            pixels = drawn ? 1.0 : 2.0 * penWidth;
        }
        p.length.push_back(pixels);
        p.drawn.push_back(drawn);
        p.period += pixels;
    }
    return p;
}

// Walks the pattern over the polyline, only over the parts inside the clip box. The dashes are
// polylines in pixels (a dash that passes a vertex turns with the line).
void DashPolyline(const std::vector<double>& xs, const std::vector<double>& ys,
                  const Pattern& pattern, std::vector<std::vector<platform::DevicePoint>>& dashes) {
    const Cpp_Graphics::WorldRect box = Cpp_Graphics::ClipBox();
    const double scale = std::fabs(Cpp_Graphics::XScale());
    const size_t n = pattern.length.size();
    double travelled = 0;  // pixels along the line from its first point
    std::vector<platform::DevicePoint> current;
    bool currentOpen = false;  // the last dash reached the end of the previous segment
    auto flush = [&]() {
        if (current.size() >= 2) dashes.push_back(std::move(current));
        current.clear();
        currentOpen = false;
    };
    for (size_t i = 0; i + 1 < xs.size(); ++i) {
        const double x1 = xs[i], y1 = ys[i], dx = xs[i + 1] - x1, dy = ys[i + 1] - y1;
        const double segment = std::hypot(dx, dy) * scale;
        if (!(segment > 0)) continue;
        double cx1 = x1, cy1 = y1, cx2 = xs[i + 1], cy2 = ys[i + 1], t0 = 0, t1 = 1;
        if (!Cpp_Graphics::ClipSegment(box, cx1, cy1, cx2, cy2, &t0, &t1)) {
            flush();
            travelled += segment;
            continue;
        }
        if (t0 > 0) flush();
        // Phase at the start of the visible part.
        double s = t0 * segment;
        const double end = t1 * segment;
        double phase = std::fmod(travelled + s, pattern.period);
        size_t e = 0;
        while (phase >= pattern.length[e] && e + 1 < n) {
            phase -= pattern.length[e];
            ++e;
        }
        double remaining = pattern.length[e] - phase;  // of the current element
        auto at = [&](double along) {
            const double t = along / segment;
            return Cpp_Graphics::WorldToPixel(x1 + t * dx, y1 + t * dy);
        };
        // Bounded: every step consumes at least part of an element of positive period.
        while (s < end) {
            const double step = std::min(remaining, end - s);
            if (pattern.drawn[e]) {
                if (!currentOpen || current.empty()) {
                    flush();
                    current.push_back(at(s));
                }
                const platform::DevicePoint q = at(s + step);
                if (!(current.back() == q) || current.size() == 1) current.push_back(q);
                currentOpen = true;
            } else if (currentOpen) {
                flush();
            }
            s += step;
            remaining -= step;
            if (remaining <= 1e-12) {
                if (pattern.drawn[e]) flush();
                e = (e + 1) % n;
                remaining = pattern.length[e];
            }
        }
        if (t1 < 1.0) flush();
        travelled += segment;
    }
    flush();
}

void DrawLineDxf(const std::vector<double>& xs, const std::vector<double>& ys) {
    if (!Cpp_DxfFileOutput::IsOpen() || xs.size() < 2) return;
    Cpp_DxfFileOutput::Group(0, "POLYLINE");
    Cpp_DxfFileOutput::Group(8, g_pen.layerName);
    Cpp_DxfFileOutput::Group(6, g_pen.lineTypeName);
    Cpp_DxfFileOutput::GroupInt(62, g_pen.dxfColour);
    Cpp_DxfFileOutput::GroupInt(66, 1);
    for (size_t i = 0; i < xs.size(); ++i) {
        Cpp_DxfFileOutput::Group(0, "VERTEX");
        Cpp_DxfFileOutput::Group(8, g_pen.layerName);
        Cpp_DxfFileOutput::GroupReal(10, xs[i]);
        Cpp_DxfFileOutput::GroupReal(20, ys[i]);
    }
    Cpp_DxfFileOutput::Group(0, "SEQEND");
}

short S(int v) { return static_cast<short>(std::clamp(v, -32768, 32767)); }

}  // namespace

bool CreateLinePen(const s_LinePenType& a) {
    if (Cpp_Graphics::OutputMode() == Cpp_Graphics::kOutputDxf) {
        g_pen.layerName = a.layerName;
        g_pen.lineTypeName = a.lineTypeName;
        g_pen.dxfColour = a.colour.dxfColour;
    } else {
        g_pen.layerName.clear();
    }
    platform::DeviceContext* dc = Cpp_Graphics::GetCurrentDC();
    g_pen.widthPixels = dc ? a.width.DeviceWidth(*dc) : 1;
    g_pen.style = a.style;
    platform::PenStyle style = platform::PenStyle::Solid;
    switch (a.style) {
    case -5: style = platform::PenStyle::DashDotDot; break;
    case -4: style = platform::PenStyle::DashDot; break;
    case -3: style = platform::PenStyle::Dot; break;
    case -2: style = platform::PenStyle::Dash; break;
    default: break;
    }
    g_pen.pen = {style, g_pen.widthPixels, a.colour.RGBColor()};
    g_pen.exists = true;
    return true;
}

void DeletePenObject() { g_pen.exists = false; }

void DrawPolyline(platform::DeviceContext& dc, const std::vector<double>& xs,
                  const std::vector<double>& ys) {
    if (xs.size() < 2 || ys.size() < 2) return;
    const s_LineStyleType style = Cpp_GraphicInit::LineStyle(g_pen.style);
    if (Cpp_Graphics::OutputMode() == Cpp_Graphics::kOutputDxf) {
        DrawLineDxf(xs, ys);
        return;
    }
    if (!Drawable()) return;
    if (!g_pen.exists) throw Cpp_TextException("EXCEPTION: Cpp_Line::DrawLine");
    platform::ScopedDcState state(dc);
    dc.SetPen(g_pen.pen);
    std::vector<std::vector<platform::DevicePoint>> runs;
    if (style.count == 0 || g_pen.style < 1) {
        runs = Cpp_Graphics::WorldPolylineToPixels(xs, ys);
    } else {
        const Pattern pattern =
            MakePattern(style, g_pen.widthPixels, Cpp_Graphics::PixelsPerInch(&dc, true));
        if (pattern.period < 1e-9)
            runs = Cpp_Graphics::WorldPolylineToPixels(xs, ys);
        else
            DashPolyline(xs, ys, pattern, runs);
    }
    if (runs.size() == 1)
        dc.Polyline(runs[0]);
    else if (!runs.empty())
        dc.PolyPolyline(runs);
}

void DrawLine(platform::DeviceContext& dc, const Cpp_Line& line) {
    if (!line.HasSegment()) return;
    std::vector<double> xs, ys;
    Collect(line, xs, ys);
    DrawPolyline(dc, xs, ys);
}

void DrawLinePoints(platform::DeviceContext& dc, const Cpp_Line& line) {
    std::vector<double> xs, ys;
    Collect(line, xs, ys);
    if (Cpp_Graphics::OutputMode() == Cpp_Graphics::kOutputDxf) {
        for (size_t i = 0; i < xs.size(); ++i) DrawSymbol(dc, xs[i], ys[i]);
        return;
    }
    DrawSymbols(dc, xs.data(), ys.data(), static_cast<int>(xs.size()));
}

void DrawLinePointCoordinates(const Cpp_Line& line, int labelType, bool withLetters) {
    const Cpp_Graphics::WorldRect box = Cpp_Graphics::ClipBox();
    for (const Cpp_PointXY* p = line.FirstPoint(); p; p = p->Next()) {
        if (p->X() < box.xmin || p->X() > box.xmax || p->Y() < box.ymin || p->Y() > box.ymax)
            continue;
        DrawCoordinateLabel(p->X(), p->Y(), labelType, withLetters);
    }
}

s_LabelOffsetsType ComputeLabelOffsets(const Cpp_LineList& list, int frameKind) {
    s_LabelOffsetsType o;
    platform::DeviceContext* dc = Cpp_Graphics::GetCurrentDC();
    if (!dc) return o;
    const int A = dc->GetTextMetrics().ascent;
    int W = 0;
    char text[32];
    for (const auto& line : list.Lines()) {
        std::snprintf(text, sizeof text, "%1d", line->GetNumber());
        W = std::max(W, dc->GetTextExtent(text).cx);
    }
    if (W == 0) W = A;
    const int e = static_cast<int>(Cpp_Graphics::InchesToPixelsOnDC(*dc, 1.0 / 36.0));
    switch (frameKind) {
    case 1:
        o.left = -(W / 2 + 2 + e);
        o.right = W / 2 + 2 + e;
        o.top = -(A + 2 * e) / 2;
        o.bottom = (A + 2 * e) / 2;
        break;
    case 2: {
        // Half the figure in whole pixels.
        // NOLINTNEXTLINE(bugprone-integer-division)
        const double hw = (W + 1) / 2, ha = (A + 1) / 2;
        const int r = static_cast<int>(std::sqrt(hw * hw + ha * ha) + e);
        o.left = o.top = -r;
        o.right = o.bottom = r;
        break;
    }
    case 3: {
        const float T = static_cast<float>(W + e + 2.0 * (A + e) / 1.732050808);
        o.left = static_cast<int>(-T / 2);
        o.right = static_cast<int>(T / 2);
        o.bottom = (A + e) / 2;
        o.top = static_cast<int>(o.bottom - 0.866025 * T);
        break;
    }
    default: break;
    }
    return o;
}

bool DrawLineNumberLabel(Cpp_Line& line, int placement, const s_LabelOffsetsType& offsets) {
    if (!line.HasSegment()) return false;
    char text[32];
    std::snprintf(text, sizeof text, "%1d", line.GetNumber());
    Cpp_GraphicString block;
    block.AddString(text);
    auto drawAt = [&](double mx, double my) {
        const platform::DevicePoint p = Cpp_Graphics::WorldToPixel(mx, my);
        s_TextFrameType frame{S(p.y + offsets.top), S(p.x + offsets.left), S(p.y + offsets.bottom),
                              S(p.x + offsets.right)};
        s_LabelFrameType stored{frame.top, frame.left, frame.bottom, frame.right};
        line.SetLabelFrame(stored);
        block.DrawAt(p.x, p.y, frame);
    };
    if (placement == 1) {
        for (const Cpp_PointXY* p = line.FirstPoint(); p && p->Next(); p = p->Next())
            drawAt((p->X() + p->Next()->X()) / 2, (p->Y() + p->Next()->Y()) / 2);
        return true;
    }
    if (placement == 2) {
        const Cpp_PointXY* best = nullptr;
        double bestLength = -1;
        for (const Cpp_PointXY* p = line.FirstPoint(); p && p->Next(); p = p->Next()) {
            const double dx = p->Next()->X() - p->X(), dy = p->Next()->Y() - p->Y();
            const double l = dx * dx + dy * dy;
            if (l > bestLength) {
                bestLength = l;
                best = p;
            }
        }
        const double mx = (best->X() + best->Next()->X()) / 2;
        const double my = (best->Y() + best->Next()->Y()) / 2;
        line.SetLabelAnchor(mx, my);
        drawAt(mx, my);
        return true;
    }
    return true;
}

bool ComputeLabelFrames(Cpp_LineList& list, int placement, int frameKind) {
    if (Cpp_Graphics::OutputMode() != Cpp_Graphics::kOutputScreen) return true;
    const s_LabelOffsetsType offsets = ComputeLabelOffsets(list, frameKind);
    for (const auto& line : list.Lines()) DrawLineNumberLabel(*line, placement, offsets);
    return true;
}

bool CreateMarkPen(const s_MarkerSizeType& markerSize, const s_LineWidthType& width,
                   const s_ColorType& colour) {
    platform::DeviceContext* dc = Cpp_Graphics::GetCurrentDC();
    if (!dc) return false;
    g_markPen.markerSize = markerSize.DeviceSize(*dc);
    g_markPen.exists = false;
    if (!Drawable()) return true;
    g_markPen.pen = {platform::PenStyle::Solid, width.DeviceWidth(*dc), colour.RGBColor()};
    g_markPen.exists = true;
    return true;
}

void DeleteMarkPen() { g_markPen.exists = false; }

void DrawCheckMarks(platform::DeviceContext& dc, const Cpp_LineList& list) {
    for (const Cpp_CheckMark& mark : list.CheckMarks()) {
        if (mark.kind == 1) {
            DrawSymbol(dc, mark.x1, mark.y1);
        } else if (mark.kind == 2) {
            DrawSymbol(dc, mark.x1, mark.y1);
            DrawSymbol(dc, mark.x2, mark.y2);
            if (!g_markPen.exists) continue;
            const double dx = mark.x2 - mark.x1, dy = mark.y2 - mark.y1;
            const double len = std::hypot(dx, dy);
            if (!(len > 0)) continue;
            const double ux = dx / len, uy = dy / len;
            const int h = g_markPen.markerSize / 2;
            const platform::DevicePoint p1 = Cpp_Graphics::WorldToPixel(mark.x1, mark.y1);
            const platform::DevicePoint p2 = Cpp_Graphics::WorldToPixel(mark.x2, mark.y2);
            const int ox = static_cast<int>(h * uy), oy = static_cast<int>(h * ux);
            platform::ScopedDcState state(dc);
            dc.SetPen(g_markPen.pen);
            dc.PolyPolyline({{{p1.x - ox, p1.y + oy}, {p2.x - ox, p2.y + oy}},
                             {{p1.x + ox, p1.y - oy}, {p2.x + ox, p2.y - oy}}});
        }
    }
}

void DrawLabelFrame(platform::DeviceContext& dc, short top, short left, short bottom, short right,
                    int frameKind) {
    if (frameKind > 3) return;
    std::vector<platform::DevicePoint> corners;
    if (frameKind <= 2)
        corners = {{left, top}, {right, top}, {left, bottom}, {right, bottom}};
    else
        corners = {{left, bottom}, {right, bottom}, {(left + right) / 2, top}};
    for (const auto& c : corners) DrawSelectionSquare(c.x, c.y, &dc);
}
