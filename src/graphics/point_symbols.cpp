#include "graphics/point_symbols.h"

#include "core/selection_marks.h"

#include "graphics/dxf_output.h"
#include "graphics/graphic_string.h"
#include "graphics/graphics.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

s_PointDrawingState g_state;

bool Drawable() {
    const int mode = Cpp_Graphics::OutputMode();
    return mode == Cpp_Graphics::kOutputScreen || mode == Cpp_Graphics::kOutputPrinter;
}

platform::Brush SolidBrush(platform::ColorRef c) {
    platform::Brush b;
    b.kind = platform::BrushKind::Solid;
    b.color = c;
    return b;
}

platform::Brush HollowBrush() {
    platform::Brush b;
    b.kind = platform::BrushKind::Hollow;
    return b;
}

bool FilledWithBackground(int style) {
    return style == 2 || style == 5 || style == 8 || style == 11 || style == 14;
}

// The shape of the style at pixel (u, v), drawn with the selected pen and brush.
void DrawShape(platform::DeviceContext& dc, int style, int u, int v, int markerSize) {
    const int h = (markerSize - 1) / 2;
    const int left = u - h, top = v - h, right = u + h, bottom = v + h;
    using P = platform::DevicePoint;
    auto line = [&](P a, P b) { dc.Polyline({a, b}); };
    switch (style) {
    case 1:
    case 2:
    case 3: dc.Ellipse(left, top, right + 1, bottom + 1); break;
    case 4:
        dc.Polyline({{left, bottom}, {right, bottom}, {right, top}, {left, top}, {left, bottom}});
        break;
    case 5:
        dc.FillRect({left, top, right, bottom}, dc.GetBrush().color);
        dc.Polyline({{left, top}, {right, top}, {right, bottom}, {left, bottom}, {left, top}});
        break;
    case 6: dc.FillRect({left, top, right, bottom}, dc.GetBrush().color); break;
    case 7:
    case 8:
    case 9: {
        const P a{left, static_cast<int>(v + 0.3333 * h)};
        const P b{right, static_cast<int>(v + 0.3333 * h)};
        const P c{u, static_cast<int>(v - 0.6667 * h)};
        if (style == 7)
            dc.Polyline({a, b, c, a});
        else
            dc.Polygon({a, b, c});
        break;
    }
    case 10:
    case 11:
    case 12: {
        const P a{left, v}, b{u, top}, c{right, v}, d{u, bottom};
        if (style == 10)
            dc.Polyline({a, b, c, d, a});
        else
            dc.Polygon({a, b, c, d});
        break;
    }
    case 13:
    case 14:
    case 15: {
        const P a{left, static_cast<int>(v - 0.33333333 * h)};
        const P b{right, static_cast<int>(v - 0.33333333 * h)};
        const P c{u, static_cast<int>(v + 0.66666667 * h)};
        if (style == 13)
            dc.Polyline({a, b, c, a});
        else
            dc.Polygon({a, b, c});
        break;
    }
    case 16:
        line({u - h, v}, {u + h, v});
        line({u, v - h}, {u, v + h});
        break;
    case 17:
        line({u - h, v - h}, {u + h, v + h});
        line({u - h, v + h}, {u + h, v - h});
        break;
    case 18:
        dc.Polyline({{u - h, v}, {u, v + h}, {u + h, v}, {u, v - h}, {u - h, v}});
        line({u - h, v}, {u + h, v});
        line({u, v - h}, {u, v + h});
        break;
    case 19:
        dc.Polyline({{left, top}, {right, top}, {right, bottom}, {left, bottom}, {left, top}});
        line({left, top}, {right, bottom});
        line({left, bottom}, {right, top});
        break;
    case 20:
        line({left, top}, {right, bottom});
        line({left, bottom}, {right, top});
        line({left, v}, {right, v});
        line({u, top}, {u, bottom});
        break;
    case 21: {
        const double q = h / 2.0;
        const int il = static_cast<int>(u - q), ir = static_cast<int>(u + q);
        const int it = static_cast<int>(v - q), ib = static_cast<int>(v + q);
        dc.Polyline({{il, it}, {ir, it}, {ir, ib}, {il, ib}, {il, it}});
        line({left, top}, {il, it});
        line({right, top}, {ir, it});
        line({left, bottom}, {il, ib});
        line({right, bottom}, {ir, ib});
        break;
    }
    default: break;
    }
}

void DrawSymbolDxf(double x, double y) {
    if (!Cpp_DxfFileOutput::IsOpen()) return;
    const double a = Cpp_Graphics::PixelsToWorldLength(g_state.markerSize - 1) / 2;
    const std::string& layer = g_state.layerName;
    const int colour = g_state.colourWord;
    const int s = g_state.style;
    if (s >= 1 && s <= 3) {
        Cpp_DxfFileOutput::OutputCircle(layer, colour, x, y, a);
        return;
    }
    std::vector<std::pair<double, double>> corners;
    if (s >= 10 && s <= 12)
        corners = {{x - a, y}, {x, y + a}, {x + a, y}, {x, y - a}, {x - a, y}};
    else
        corners = {{x - a, y - a}, {x + a, y - a}, {x + a, y + a}, {x - a, y + a}, {x - a, y - a}};
    Cpp_DxfFileOutput::Group(0, "POLYLINE");
    Cpp_DxfFileOutput::Group(8, layer);
    Cpp_DxfFileOutput::GroupInt(62, colour);
    Cpp_DxfFileOutput::GroupInt(66, 1);
    for (const auto& c : corners) {
        Cpp_DxfFileOutput::Group(0, "VERTEX");
        Cpp_DxfFileOutput::Group(8, layer);
        Cpp_DxfFileOutput::GroupReal(10, c.first);
        Cpp_DxfFileOutput::GroupReal(20, c.second);
    }
    Cpp_DxfFileOutput::Group(0, "SEQEND");
}

}  // namespace

const s_PointDrawingState& PointDrawingState() { return g_state; }
void ResetPointDrawingState() { g_state = s_PointDrawingState{}; }

bool SetupPointPens(platform::DeviceContext& dc, const s_SymbolAttributesType& attributes) {
    g_state.style = attributes.style;
    if (Cpp_Graphics::OutputMode() == Cpp_Graphics::kOutputDxf) {
        g_state.colourWord = attributes.colour.dxfColour;
        g_state.layerName = attributes.layerName;
    } else {
        g_state.colourWord = attributes.colour.paletteIndex;
        g_state.colour = attributes.colour.RGBColor();
        g_state.layerName.clear();
    }
    g_state.penWidth = attributes.penWidth.DeviceWidth(dc);
    g_state.markerSize = attributes.markerSize.DeviceSize(dc);
    if (Drawable()) {
        g_state.pen = {platform::PenStyle::Solid, g_state.penWidth, g_state.colour};
        if (attributes.style == 1)
            g_state.brush = HollowBrush();
        else if (FilledWithBackground(attributes.style))
            g_state.brush = SolidBrush(attributes.backgroundFill);
        else
            g_state.brush = SolidBrush(g_state.colour);
        g_state.pensMade = true;
    } else {
        g_state.pensMade = false;
    }
    return true;
}

bool SetupPointPensOnBackground(const s_SymbolAttributesType& attributes) {
    platform::DeviceContext* dc = Cpp_Graphics::GetCurrentDC();
    if (!dc) throw Cpp_Graphics::Exc_NULLDeviceContext();
    s_SymbolAttributesType a = attributes;
    a.backgroundFill = dc->GetBkColor();
    return SetupPointPens(*dc, a);
}

void DeletePointPens() { g_state.pensMade = false; }

void DrawSymbolAtPixel(platform::DeviceContext& dc, int u, int v) {
    if (!g_state.pensMade || g_state.style < 1 || g_state.style > 21) return;
    platform::ScopedDcState state(dc);
    dc.SetPen(g_state.pen);
    dc.SetBrush(g_state.brush);
    DrawShape(dc, g_state.style, u, v, g_state.markerSize);
}

void DrawSymbol(platform::DeviceContext& dc, double x, double y) {
    if (Cpp_Graphics::OutputMode() == Cpp_Graphics::kOutputDxf) {
        DrawSymbolDxf(x, y);
        return;
    }
    const platform::DevicePoint p = Cpp_Graphics::WorldToPixel(x, y);
    DrawSymbolAtPixel(dc, p.x, p.y);
}

void DrawSymbolOnCurrentDC(double x, double y) {
    platform::DeviceContext* dc = Cpp_Graphics::GetCurrentDC();
    if (!dc) throw Cpp_Graphics::Exc_NULLDeviceContext();
    DrawSymbol(*dc, x, y);
}

void DrawSymbols(platform::DeviceContext& dc, const double* xs, const double* ys, int n) {
    if (!g_state.pensMade || g_state.style < 1 || g_state.style > 21 || n <= 0) return;
    const Cpp_Graphics::WorldRect box = Cpp_Graphics::ClipBox();
    platform::ScopedDcState state(dc);
    dc.SetPen(g_state.pen);
    dc.SetBrush(g_state.brush);
    // A symbol whose centre lies within half its size of the last one drawn overlaps it by at
    // least half: dense points are thinned by pixel spacing (the last point is always drawn).
    const int spacing = std::max(1, g_state.markerSize / 2);
    bool any = false;
    platform::DevicePoint last;
    std::vector<platform::DevicePoint> at;
    for (int i = 0; i < n; ++i) {
        if (xs[i] < box.xmin || xs[i] > box.xmax || ys[i] < box.ymin || ys[i] > box.ymax) continue;
        const platform::DevicePoint p = Cpp_Graphics::WorldToPixel(xs[i], ys[i]);
        if (any && std::abs(p.x - last.x) <= spacing && std::abs(p.y - last.y) <= spacing &&
            i + 1 < n)
            continue;
        at.push_back(p);
        last = p;
        any = true;
    }
    // Every symbol is the same figure moved: the view's image copies its pixels.
    const int style = g_state.style, size = g_state.markerSize;
    dc.DrawRepeated(at, size / 2 + 2, [style, size](platform::DeviceContext& d, int u, int v) {
        DrawShape(d, style, u, v, size);
    });
}

void DrawWithAttributes(platform::DeviceContext& dc, double x, double y,
                        const s_LineWidthType& penWidth, const s_ColorType& colour,
                        const s_MarkerSizeType& markerSize, int style) {
    if (!Drawable() || style < 1 || style > 21) return;
    const int width = penWidth.DeviceWidth(dc);
    const int size = markerSize.DeviceSize(dc);
    g_state.style = style;
    const platform::ColorRef c = colour.RGBColor();
    platform::ScopedDcState state(dc);
    dc.SetPen({platform::PenStyle::Solid, width, c});
    if (style == 1)
        dc.SetBrush(HollowBrush());
    else if (FilledWithBackground(style))
        dc.SetBrush(SolidBrush(dc.GetBkColor()));
    else
        dc.SetBrush(SolidBrush(c));
    const platform::DevicePoint p = Cpp_Graphics::WorldToPixel(x, y);
    DrawShape(dc, style, p.x, p.y, size);
}

void EraseSymbol(platform::DeviceContext& dc, double x, double y, const s_LineWidthType& penWidth,
                 const s_MarkerSizeType& markerSize, int style) {
    if (!Drawable() || style < 1 || style > 21) return;
    const platform::ColorRef bk = dc.GetBkColor();
    platform::ScopedDcState state(dc);
    dc.SetPen({platform::PenStyle::Solid, penWidth.DeviceWidth(dc), bk});
    dc.SetBrush(style == 1 ? HollowBrush() : SolidBrush(bk));
    const platform::DevicePoint p = Cpp_Graphics::WorldToPixel(x, y);
    DrawShape(dc, style, p.x, p.y, markerSize.DeviceSize(dc));
}

bool DrawCoordinateLabel(double x, double y, int type, bool withLetters) {
    char a[96], b[96];
    Cpp_GraphicString block;
    if (type == 1) {
        std::snprintf(a, sizeof a, withLetters ? "X:%1.2f,Y:%1.2f" : "%1.2f,%1.2f", x, y);
        block.AddString(a);
    } else if (type == 2) {
        std::snprintf(a, sizeof a, withLetters ? "X:%1.2f" : "%1.2f", x);
        std::snprintf(b, sizeof b, withLetters ? "Y:%1.2f" : "%1.2f", y);
        block.AddString(a);
        block.AddString(b);
    } else {
        return false;
    }
    const platform::DevicePoint p = Cpp_Graphics::WorldToPixel(x, y);
    return block.Draw(p.x, p.y);
}

bool DrawNumberLabel(double x, double y, int number, bool withWord) {
    char a[64];
    std::snprintf(a, sizeof a, withWord ? "Number: %1d" : "%1d", number);
    Cpp_GraphicString block;
    block.AddString(a);
    const platform::DevicePoint p = Cpp_Graphics::WorldToPixel(x, y);
    const int c = (g_state.markerSize + 1) / 2 + 2;
    return block.Draw(p.x + c, p.y - c);
}

void DrawPointMark(platform::DeviceContext& dc, double x, double y) {
    if (Cpp_Graphics::OutputMode() != Cpp_Graphics::kOutputScreen) return;
    const platform::DevicePoint p = Cpp_Graphics::WorldToPixel(x, y);
    DrawSelectionMarker(p.x, p.y, &dc);
}
