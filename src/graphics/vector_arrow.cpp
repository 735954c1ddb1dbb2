#include "graphics/vector_arrow.h"

#include "graphics/graphics.h"

#include <algorithm>
#include <cmath>

double Cpp_Vector::headLength_ = 0.2;
double Cpp_Vector::headLengthWorld_ = 0;
bool Cpp_Vector::limitHead_ = true;
bool Cpp_Vector::filledHead_ = true;
int Cpp_Vector::headPenWidth_ = 1;
int Cpp_Vector::shaftPenWidth_ = 1;
double Cpp_Vector::tipGap_ = 0;
s_ColorType Cpp_Vector::colour_;
std::string Cpp_Vector::layerName_ = "Vector";
bool Cpp_Vector::pensMade_ = false;

void Cpp_Vector::Reset() {
    headLength_ = 0.2;
    headLengthWorld_ = 0;
    limitHead_ = filledHead_ = true;
    headPenWidth_ = shaftPenWidth_ = 1;
    tipGap_ = 0;
    colour_ = s_ColorType{};
    layerName_ = "Vector";
    pensMade_ = false;
}

namespace {

// Pixel positions are held to the range of the mapping's clamp before they become ints, so a
// head length or an offset too large for an int never wraps (NaN gives 0).
int RoundHalfUp(double v) {
    const double r = std::floor(v + 0.5);
    if (!(r == r)) return 0;
    return static_cast<int>(std::clamp(r, -1.0e9, 1.0e9));
}

}  // namespace

void Cpp_Vector::SetDrawingAttributes(double headLengthInches, double headLengthWorld,
                                      bool limitHead, bool filledHead, int headPenWidth,
                                      int shaftPenWidth, double tipGapFraction,
                                      const s_ColorType& colour, const std::string& layerName) {
    SetAttributesWithoutPens(headLengthInches, limitHead, filledHead, headPenWidth, shaftPenWidth,
                             tipGapFraction, colour, layerName);
    if (headLengthWorld > 0)
        headLengthWorld_ = headLengthWorld;
    else if (Cpp_Graphics::GetCurrentDC())
        headLengthWorld_ = Cpp_Graphics::InchesToWorldLength(headLengthInches);
    pensMade_ = true;
}

bool Cpp_Vector::SetAttributesWithoutPens(double headLengthInches, bool limitHead, bool filledHead,
                                          int headPenWidth, int shaftPenWidth,
                                          double tipGapFraction, const s_ColorType& colour,
                                          const std::string& layerName) {
    headLength_ = headLengthInches;
    limitHead_ = limitHead;
    filledHead_ = filledHead;
    headPenWidth_ = std::max(1, headPenWidth);
    shaftPenWidth_ = std::max(1, shaftPenWidth);
    tipGap_ = tipGapFraction;
    colour_ = colour;
    layerName_ = Cpp_Graphics::OutputMode() == Cpp_Graphics::kOutputDxf ? layerName : "";
    pensMade_ = false;
    return true;
}

void Cpp_Vector::DeleteDrawingObjects() { pensMade_ = false; }

void Cpp_Vector::Draw() const {
    const int mode = Cpp_Graphics::OutputMode();
    if (mode != Cpp_Graphics::kOutputScreen && mode != Cpp_Graphics::kOutputPrinter) return;
    if (platform::DeviceContext* dc = Cpp_Graphics::GetCurrentDC()) DrawOnDC(*dc);
}

void Cpp_Vector::DrawOnDC(platform::DeviceContext& dc) const {
    const platform::ColorRef c = colour_.RGBColor();
    const platform::Pen shaft{platform::PenStyle::Solid, shaftPenWidth_, c};
    const platform::Pen head{platform::PenStyle::Solid, headPenWidth_, c};
    platform::Brush brush;
    brush.kind = platform::BrushKind::Solid;
    brush.color = c;
    // Arrows far outside the view are cut in world coordinates first.
    double x1 = x1_, y1 = y1_, x2 = x2_, y2 = y2_;
    const Cpp_Graphics::WorldRect box = Cpp_Graphics::ClipBox();
    double t0 = 0, t1 = 1;
    if (!Cpp_Graphics::ClipSegment(box, x1, y1, x2, y2, &t0, &t1)) return;
    if (t0 > 0) {  // the head is out of sight: only the shaft part is drawn
        platform::ScopedDcState state(dc);
        dc.SetPen(shaft);
        const auto a = Cpp_Graphics::WorldToPixel(x1, y1), b = Cpp_Graphics::WorldToPixel(x2, y2);
        dc.Polyline({a, b});
        return;
    }
    DrawBetween(dc, Cpp_Graphics::XScale() * x1_ + Cpp_Graphics::XOffset(),
                Cpp_Graphics::YScale() * y1_ + Cpp_Graphics::YOffset(),
                Cpp_Graphics::XScale() * x2 + Cpp_Graphics::XOffset(),
                Cpp_Graphics::YScale() * y2 + Cpp_Graphics::YOffset(), shaft, head,
                filledHead_ ? &brush : nullptr, false);
}

void Cpp_Vector::DrawRubberBand(int xTail, int yTail, int xTip, int yTip,
                                platform::DeviceContext& dc, const platform::Pen& shaftPen,
                                const platform::Pen& headPen, const platform::Brush& brush) {
    DrawBetween(dc, xTip, yTip, xTail, yTail, shaftPen, headPen, filledHead_ ? &brush : nullptr,
                true);
}

void Cpp_Vector::DrawBetween(platform::DeviceContext& dc, double tipX, double tipY, double tailX,
                             double tailY, const platform::Pen& shaftPen,
                             const platform::Pen& headPen, const platform::Brush* brush,
                             bool outlineAlso) {
    if (!(headLength_ > 0)) return;
    const double p1x = RoundHalfUp(tipX), p1y = RoundHalfUp(tipY);
    const double p2x = RoundHalfUp(tailX), p2y = RoundHalfUp(tailY);
    const float L = static_cast<float>(std::hypot(p1x - p2x, p1y - p2y));
    const double ppi = Cpp_Graphics::PixelsPerInch(&dc, true);
    int h = RoundHalfUp(std::min(headLength_ * ppi + shaftPenWidth_ - 1, 100000.0) - 0.5);
    if (limitHead_) h = std::min(h, RoundHalfUp(0.5 * L - 0.5));
    const int u = std::min(RoundHalfUp(h * 7.0 / 24.0), 10);
    const int E = h + shaftPenWidth_ - 1;
    const int w = static_cast<int>((shaftPenWidth_ - 1) * 0.5 + u + (headPenWidth_ - 1));
    if (p1x == p2x && p1y == p2y) return;
    double tx = p1x, ty = p1y;
    if (tipGap_ > 0 && tipGap_ < 1) {
        tx = RoundHalfUp(p1x - tipGap_ * (p1x - p2x));
        ty = RoundHalfUp(p1y - tipGap_ * (p1y - p2y));
    }
    const double ux = (p1x - p2x) / L, uy = (p1y - p2y) / L;
    const double bx = tx - E * ux, by = ty - E * uy;
    const platform::DevicePoint tip{static_cast<int>(tx), static_cast<int>(ty)};
    const platform::DevicePoint base{RoundHalfUp(bx), RoundHalfUp(by)};
    const platform::DevicePoint c1{RoundHalfUp(bx + w * -uy), RoundHalfUp(by + w * ux)};
    const platform::DevicePoint c2{RoundHalfUp(bx - w * -uy), RoundHalfUp(by - w * ux)};
    const platform::DevicePoint tail{static_cast<int>(p2x), static_cast<int>(p2y)};
    platform::ScopedDcState state(dc);
    if (!(base == tail)) {
        dc.SetPen(shaftPen);
        dc.Polyline({base, tail});
    }
    dc.SetPen(headPen);
    if (brush) {
        dc.SetBrush(*brush);
        dc.Polygon({tip, c1, c2, tip});
        if (outlineAlso) dc.Polyline({tip, c1, c2, tip});
    } else {
        dc.Polyline({tip, c1, c2, tip});
    }
}
