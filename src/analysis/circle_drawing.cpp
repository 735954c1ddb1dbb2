// Drawing and picking of a circle: its arc with the program's arc pen (solid, a system dash, or
// a dash pattern walked along the arc), the selection mark of its centre and the centre test.

#include <cmath>
#include <numbers>

#include "analysis/circle.h"
#include "core/text_exception.h"
#include "graphics/drawing_attributes.h"
#include "graphics/dxf_output.h"
#include "graphics/graphics.h"
#include "graphics/line_styles.h"
#include "graphics/point_symbols.h"

namespace {

struct ArcPenState {
    bool made = false;
    platform::Pen pen;
    int style = 0;
    int width = 1;
    s_ColorType colour;
    std::string layer;
    int dxfColour = 0;
};

ArcPenState& State() {
    static ArcPenState state;
    return state;
}

constexpr double kTwoPi = 2.0 * std::numbers::pi;

double RaisedAngle(double y, double x) {
    const double a = std::atan2(y, x);
    return a < 0.0 ? a + kTwoPi : a;
}

bool OutputArcEntity(const Cpp_Circle& c, const s_tagTypePointXY& p1, const s_tagTypePointXY& p2) {
    const ArcPenState& s = State();
    const double a1 = RaisedAngle(p1.y - c.CenterY(), p1.x - c.CenterX());
    const double a2 = RaisedAngle(p2.y - c.CenterY(), p2.x - c.CenterX());
    return Cpp_DxfFileOutput::OutputArc(s.layer, s.dxfColour, c.CenterX(), c.CenterY(), c.Radius(),
                                        a1 * 180.0 / std::numbers::pi,
                                        a2 * 180.0 / std::numbers::pi);
}

}  // namespace

bool Cpp_Circle::CreateArcPen(const s_LineWidthType& width, int style, const s_ColorType& colour,
                              const std::string& layerName) {
    ArcPenState& s = State();
    const bool dxf = Cpp_Graphics::OutputMode() == Cpp_Graphics::kOutputDxf;
    s.layer = dxf ? Cpp_DxfFileOutput::LayerName(layerName) : std::string();
    s.dxfColour = colour.dxfColour;
    s.colour = colour;
    s.style = style;
    s.width = width.DeviceWidthOnCurrentDC();
    if (s.width < 1) s.width = 1;
    platform::Pen pen;
    switch (style) {
    case -2: pen.style = platform::PenStyle::Dash; break;
    case -3: pen.style = platform::PenStyle::Dot; break;
    case -4: pen.style = platform::PenStyle::DashDot; break;
    case -5: pen.style = platform::PenStyle::DashDotDot; break;
    default: pen.style = platform::PenStyle::Solid; break;
    }
    pen.width = s.width;
    try {
        pen.color = colour.RGBColor();
    } catch (...) {
        s.made = false;
        return false;
    }
    s.pen = pen;
    s.made = true;
    return true;
}

void Cpp_Circle::DeleteArcPen() { State().made = false; }

bool Cpp_Circle::DrawArc(const s_tagTypePointXY& p1, const s_tagTypePointXY& p2) const {
    const ArcPenState& s = State();
    const int mode = Cpp_Graphics::OutputMode();
    if (mode == Cpp_Graphics::kOutputDxf) return OutputArcEntity(*this, p1, p2);
    if (mode != Cpp_Graphics::kOutputScreen && mode != Cpp_Graphics::kOutputPrinter) return false;
    platform::DeviceContext* dc = Cpp_Graphics::GetCurrentDC();
    if (!dc) return false;

    const s_LineStyleType pattern =
        s.style >= 1 ? Cpp_GraphicInit::LineStyle(s.style) : s_LineStyleType{};
    const double cx = x_, cy = y_, r = radius_;
    const platform::DeviceRect box{Cpp_Graphics::XToPixel(cx - r), Cpp_Graphics::YToPixel(cy + r),
                                   Cpp_Graphics::XToPixel(cx + r), Cpp_Graphics::YToPixel(cy - r)};
    if (pattern.count == 0) {
        const platform::Pen previous = s.made ? dc->SetPen(s.pen) : dc->GetPen();
        dc->Arc(box, Cpp_Graphics::WorldToPixel(p1.x, p1.y),
                Cpp_Graphics::WorldToPixel(p2.x, p2.y));
        dc->SetPen(previous);
        return true;
    }

    if (!s.made) throw Cpp_TextException("EXCEPTION: Cpp_Line::DrawLine");
    if (!(r > 0.0)) return true;
    const platform::Pen previous = dc->SetPen(s.pen);
    const int n = pattern.count > 8 ? 8 : pattern.count;
    double lengths[8];
    for (int i = 0; i < n; ++i) {
        lengths[i] = pattern.length[i];
        if (!pattern.drawn[i] && lengths[i] > 0.0)
            lengths[i] += Cpp_Graphics::PixelsToInches(s.width);
    }
    const double a1 = RaisedAngle(p1.y - cy, p1.x - cx);
    double a2 = RaisedAngle(p2.y - cy, p2.x - cx);
    // An arc that crosses the positive x direction ends below its start angle: it runs on
    // through a full turn, as the solid arc does.
    if (a2 <= a1) a2 += kTwoPi;
    double theta = a1;
    platform::DevicePoint last = Cpp_Graphics::WorldToPixel(p1.x, p1.y);
    constexpr long kMaximumPieces = 1000000;
    for (long piece = 0; piece < kMaximumPieces; ++piece) {
        const int i = static_cast<int>(piece % n);
        double length = Cpp_Graphics::InchesToWorldLength(lengths[i]);
        if (!(length > 0.0))
            length = Cpp_Graphics::PixelsToWorldLengthX(pattern.drawn[i] ? 1.0 : 2.0 * s.width);
        if (!(length > 0.0)) break;
        theta += length / r;
        const bool final = theta >= a2;
        if (final) theta = a2;
        const platform::DevicePoint p =
            Cpp_Graphics::WorldToPixel(cx + r * std::cos(theta), cy + r * std::sin(theta));
        // A piece counts once it has moved a pixel in either direction, so near-horizontal and
        // near-vertical stretches of the arc are drawn too.
        if (pattern.drawn[i] && (std::abs(p.x - last.x) >= 1 || std::abs(p.y - last.y) >= 1))
            dc->Arc(box, last, p);
        last = p;
        if (final) break;
    }
    dc->SetPen(previous);
    return true;
}

bool Cpp_Circle::DrawHighlighted(platform::DeviceContext& dc) const {
    if (Cpp_Graphics::OutputMode() != Cpp_Graphics::kOutputScreen) return false;
    DrawPointMark(dc, x_, y_);
    return true;
}
