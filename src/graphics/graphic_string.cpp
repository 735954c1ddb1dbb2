#include "graphics/graphic_string.h"

#include "graphics/graphics.h"

#include <algorithm>
#include <vector>

bool Cpp_GraphicString::attributesSet_ = false;
bool Cpp_GraphicString::fontSelected_ = false;
platform::Font Cpp_GraphicString::previousFont_;
platform::ColorRef Cpp_GraphicString::textColour_ = 0;
int Cpp_GraphicString::position_ = 5;
int Cpp_GraphicString::gap_ = 0;
int Cpp_GraphicString::alignment_ = 2;
int Cpp_GraphicString::frameKind_ = 0;
bool Cpp_GraphicString::backgroundFill_ = false;
platform::ColorRef Cpp_GraphicString::backgroundColour_ = 0xFFFFFF;
std::string Cpp_GraphicString::layerName_;

void Cpp_GraphicString::Reset() {
    attributesSet_ = fontSelected_ = false;
    previousFont_ = platform::Font{};
    textColour_ = 0;
    position_ = 5;
    gap_ = 0;
    alignment_ = 2;
    frameKind_ = 0;
    backgroundFill_ = false;
    backgroundColour_ = 0xFFFFFF;
    layerName_.clear();
}

void Cpp_GraphicString::AddString(const std::string& text) {
    if (count_ >= kMaximumLines) throw Exc_TooManyStrings();
    lines_[count_++] = text.substr(0, kMaximumLineLength);
}

std::string Cpp_GraphicString::GetString(int n) const {
    if (n < 1 || n > count_) return {};
    return lines_[n - 1];
}

bool Cpp_GraphicString::SetDrawingAttributes(const s_FontType& font, int position, int gap,
                                             int alignment, int frameKind, bool backgroundFill,
                                             const s_ColorType& colour,
                                             const std::string& layerName) {
    if (fontSelected_) ReleaseDrawingAttributes();
    textColour_ = colour.RGBColor();
    position_ = (position >= 1 && position <= 9) ? position : 5;
    gap_ = gap;
    alignment_ = alignment;
    frameKind_ = frameKind;
    backgroundFill_ = backgroundFill;
    layerName_ = Cpp_Graphics::OutputMode() == Cpp_Graphics::kOutputDxf ? layerName : "";
    platform::DeviceContext* dc = Cpp_Graphics::GetCurrentDC();
    if (dc) {
        backgroundColour_ = dc->GetBkColor();
        previousFont_ = dc->SetFont(font.ForDevice(*dc));
        fontSelected_ = true;
    }
    attributesSet_ = true;
    return true;
}

bool Cpp_GraphicString::SetPosition(int code) {
    if (code < 1 || code > 9) return false;
    position_ = code;
    return true;
}

void Cpp_GraphicString::ReleaseDrawingAttributes() {
    platform::DeviceContext* dc = Cpp_Graphics::GetCurrentDC();
    if (fontSelected_ && dc) dc->SetFont(previousFont_);
    fontSelected_ = false;
    attributesSet_ = false;
}

namespace {

struct BlockMetrics {
    int A, D, IL, EL, TH, W, HB;
};

BlockMetrics Measure(const platform::DeviceContext& dc, const std::string* lines, int n,
                     std::vector<int>& widths) {
    const platform::TextMetrics tm = dc.GetTextMetrics();
    BlockMetrics m{};
    m.A = tm.ascent;
    m.D = tm.descent;
    m.IL = 0;
    m.EL = tm.externalLeading;
    m.TH = tm.height;
    m.W = 0;
    widths.resize(n);
    for (int i = 0; i < n; ++i) {
        widths[i] = dc.GetTextExtent(lines[i]).cx;
        m.W = std::max(m.W, widths[i]);
    }
    m.HB = n * m.A + (n - 1) * (m.EL + m.D);
    return m;
}

short S(int v) { return static_cast<short>(std::clamp(v, -32768, 32767)); }

}  // namespace

bool Cpp_GraphicString::DrawAt(int x, int y, s_TextFrameType& frame) const {
    if (count_ == 0) return false;
    platform::DeviceContext* dcp = Cpp_Graphics::GetCurrentDC();
    const int mode = Cpp_Graphics::OutputMode();
    if (!dcp || (mode != Cpp_Graphics::kOutputScreen && mode != Cpp_Graphics::kOutputPrinter))
        return true;
    platform::DeviceContext& dc = *dcp;
    std::vector<int> widths;
    const BlockMetrics m = Measure(dc, lines_, count_, widths);
    const int r = m.IL / 2;

    int L;
    switch (position_) {
    case 1:
    case 4:
    case 7: L = x - m.W - gap_; break;
    case 3:
    case 6:
    case 9: L = x + gap_; break;
    default: L = x - m.W / 2; break;
    }
    int B, T;
    switch (position_) {
    case 1:
    case 2:
    case 3:
        B = y - gap_;
        T = y - m.HB - gap_ - r;
        break;
    case 7:
    case 8:
    case 9:
        B = y + m.HB + gap_;
        T = y + gap_ - r;
        break;
    default:
        B = y + m.HB / 2;
        T = y - m.HB / 2 - r;
        break;
    }

    platform::ScopedDcState state(dc);
    const platform::Pen framePen{platform::PenStyle::Solid, 1, textColour_};
    platform::Brush bkBrush;
    bkBrush.kind = platform::BrushKind::Solid;
    bkBrush.color = backgroundColour_;
    platform::DevicePoint tri[3];
    switch (frameKind_) {
    case 2:
        if (backgroundFill_) {
            dc.SetPen(framePen);
            dc.SetBrush(bkBrush);
            dc.Ellipse(frame.left, frame.top, frame.right + 1, frame.bottom + 1);
        }
        break;
    case 3:
        if (frame.IsZero()) {
            const double s = (m.HB + 2) / 1.732050808;
            tri[0] = {static_cast<int>(L - 1 - s), B + 2};
            tri[1] = {static_cast<int>(L + m.W + 1 + s), B + 2};
            tri[2] = {L + m.W / 2,
                      static_cast<int>((B + 2) -
                                       ((m.HB + 2) * 2 / 1.732050808 + (m.W + 2)) / 1.732050808)};
            frame = {S(tri[2].y), S(tri[0].x), S(B + 2), S(tri[1].x)};
        } else {
            tri[0] = {frame.left, frame.bottom};
            tri[1] = {frame.right, frame.bottom};
            tri[2] = {(frame.left + frame.right) / 2, frame.top};
        }
        dc.SetPen(framePen);
        if (backgroundFill_) dc.SetBrush(bkBrush);
        dc.Polygon({tri[0], tri[1], tri[2]});
        break;
    default:
        if (frame.IsZero()) frame = {S(B - m.HB), S(L), S(B), S(L + m.W)};
        if (backgroundFill_)
            dc.FillRect({frame.left, frame.top, frame.right, frame.bottom}, backgroundColour_);
        break;
    }

    dc.SetTextColor(textColour_);
    dc.SetBkMode(platform::BackgroundMode::Transparent);
    dc.SetTextAlign(platform::AlignLeft | platform::AlignTop);
    for (int i = 0; i < count_; ++i) {
        int tx;
        switch (alignment_) {
        case 1: tx = L; break;
        case 3: tx = L + m.W - widths[i]; break;
        default: tx = L + (m.W - widths[i]) / 2; break;
        }
        dc.TextOut(tx, T + i * (m.TH + m.EL), lines_[i]);
    }

    if (frameKind_ == 1) {
        dc.SetPen(framePen);
        dc.Polyline({{frame.left, frame.bottom},
                     {frame.right, frame.bottom},
                     {frame.right, frame.top},
                     {frame.left, frame.top},
                     {frame.left, frame.bottom}});
    } else if (frameKind_ == 2) {
        dc.SetPen(framePen);
        platform::Brush hollow;
        hollow.kind = platform::BrushKind::Hollow;
        dc.SetBrush(hollow);
        dc.Ellipse(frame.left, frame.top, frame.right + 1, frame.bottom + 1);
    } else if (frameKind_ == 3) {
        dc.SetPen(framePen);
        dc.Polyline({tri[0], tri[1], tri[2]});
    }
    return true;
}

bool Cpp_GraphicString::DrawFramed(int x, int y, s_TextFrameType& frame) const {
    if (count_ == 0) return false;
    platform::DeviceContext* dcp = Cpp_Graphics::GetCurrentDC();
    const int mode = Cpp_Graphics::OutputMode();
    if (!dcp || (mode != Cpp_Graphics::kOutputScreen && mode != Cpp_Graphics::kOutputPrinter))
        return true;
    platform::DeviceContext& dc = *dcp;
    std::vector<int> widths;
    const BlockMetrics m = Measure(dc, lines_, count_, widths);

    int L;
    switch (position_) {
    case 1:
    case 4:
    case 7: L = x - m.A - gap_; break;
    case 3:
    case 6:
    case 9: L = x + gap_; break;
    default: L = x - m.W / 2; break;
    }
    int Y;
    switch (position_) {
    case 1:
    case 2:
    case 3: Y = y - gap_; break;
    case 7:
    case 8:
    case 9: Y = y + m.HB + gap_; break;
    default: Y = y + m.W / 2; break;
    }

    platform::ScopedDcState state(dc);
    if (frameKind_ != 2 && frame.IsZero()) frame = {S(Y - m.HB), S(L), S(Y), S(L + m.W)};
    if (frameKind_ <= 1 && backgroundFill_)
        dc.FillRect({frame.left, frame.top, frame.right, frame.bottom}, backgroundColour_);
    dc.SetTextColor(textColour_);
    dc.SetBkMode(platform::BackgroundMode::Transparent);
    dc.SetTextAlign(platform::AlignLeft | platform::AlignTop);
    for (int i = 0; i < count_; ++i) {
        const int tx = alignment_ == 3 ? L + m.W - widths[i] : L;
        dc.TextOut(tx, Y, lines_[i]);
    }
    if (frameKind_ == 1) {
        dc.SetPen({platform::PenStyle::Solid, 1, textColour_});
        dc.Polyline({{frame.left, frame.bottom},
                     {frame.right, frame.bottom},
                     {frame.right, frame.top},
                     {frame.left, frame.top},
                     {frame.left, frame.bottom}});
    }
    return true;
}
