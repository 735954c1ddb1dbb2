#include "graphics/axes.h"

#include "graphics/graphic_string.h"
#include "graphics/graphics.h"

#include <cmath>
#include <cstdio>
#include <vector>

platform::DeviceRect Cpp_Axes::frame_;
double Cpp_Axes::wxmin_ = 0, Cpp_Axes::wxmax_ = 0, Cpp_Axes::wymin_ = 0, Cpp_Axes::wymax_ = 0;
double Cpp_Axes::xOffset_ = 0, Cpp_Axes::xScale_ = 1, Cpp_Axes::yOffset_ = 0, Cpp_Axes::yScale_ = 1;
Cpp_Axes::TickLayout Cpp_Axes::xTicks_, Cpp_Axes::yTicks_;

void Cpp_Axes::Reset() {
    frame_ = {};
    wxmin_ = wxmax_ = wymin_ = wymax_ = 0;
    xOffset_ = yOffset_ = 0;
    xScale_ = yScale_ = 1;
    xTicks_ = yTicks_ = {};
}

void Cpp_Axes::ComputeAxesLayout(const platform::DeviceRect& rect, int ppiX, int ppiY,
                                 double xOffset, double xScale, double yOffset, double yScale) {
    const int mx = static_cast<int>(ppiX * AxisMarginInches());
    const int my = static_cast<int>(ppiY * AxisMarginInches());
    frame_ = {rect.left + mx, rect.top + my, rect.right - mx, rect.bottom - my};
    xOffset_ = xOffset;
    xScale_ = xScale;
    yOffset_ = yOffset;
    yScale_ = yScale;
    if (xScale == 0 || yScale == 0 || ppiX <= 0 || ppiY <= 0) {
        wxmin_ = wxmax_ = wymin_ = wymax_ = 0;
        return;
    }
    wxmin_ = (frame_.left - xOffset) / xScale;
    wxmax_ = (frame_.right - xOffset) / xScale;
    wymin_ = (frame_.bottom - yOffset) / yScale;
    wymax_ = (frame_.top - yOffset) / yScale;
    const int nx = 1 + static_cast<int>(frame_.Width() / static_cast<double>(ppiX) / 0.751);
    const int ny = 1 + static_cast<int>(frame_.Height() / static_cast<double>(ppiY) / 0.751);
    ComputeTickSpacing(wxmin_, wxmax_, nx, xTicks_.start, xTicks_.end, xTicks_.step,
                       xTicks_.mediumCount, xTicks_.minorCount);
    ComputeTickSpacing(wymin_, wymax_, ny, yTicks_.start, yTicks_.end, yTicks_.step,
                       yTicks_.mediumCount, yTicks_.minorCount);
}

bool Cpp_Axes::ComputeTickSpacing(double min, double max, int maxIntervals, double& start,
                                  double& end, double& step, int& mediumCount, int& minorCount) {
    static const double multipliers[14] = {1, 2, 2.5, 3, 4, 5, 6, 10, 20, 25, 30, 40, 50, 60};
    static const int medium[14] = {2, 2, 0, 0, 2, 0, 0, 2, 2, 0, 0, 2, 0, 0};
    static const int minor[14] = {4, 4, 5, 3, 2, 5, 3, 4, 4, 5, 3, 2, 5, 3};
    if (maxIntervals < 1) maxIntervals = 1;
    if (!(max > min) || !std::isfinite(min) || !std::isfinite(max)) {
        start = end = min;
        step = 0;
        mediumCount = minorCount = 0;
        return true;
    }
    const double p = std::pow(10.0, std::trunc(std::log10((max - min) / maxIntervals)));
    // When no multiplier gives few enough intervals (a range straddling a multiple of the
    // largest step with a single interval allowed), the one with the fewest intervals is taken.
    int best = -1, bestIntervals = 0;
    for (int i = 0; i < 14; ++i) {
        const double s = multipliers[i] * p;
        const double st = std::floor(min / s) * s;
        const double en = std::ceil(max / s) * s;
        const int intervals = static_cast<int>((en - st + 0.001 * s) / s);
        if (best < 0 || intervals < bestIntervals) {
            best = i;
            bestIntervals = intervals;
        }
        if (intervals <= maxIntervals) {
            best = i;
            break;
        }
    }
    step = multipliers[best] * p;
    start = std::floor(min / step) * step;
    end = std::ceil(max / step) * step;
    mediumCount = medium[best];
    minorCount = minor[best];
    return true;
}

void Cpp_Axes::AxisLabelDigits(double value, int& digits) {
    if (digits <= 0) {
        digits = 0;
        return;
    }
    double frac = std::fabs(value - std::trunc(value));
    long long n = static_cast<long long>(std::floor(frac * std::pow(10.0, digits) + 0.5));
    while (digits > 0) {
        if (n % 10 != 0) break;
        n /= 10;
        --digits;
    }
}

namespace {

void FormatAxisNumber(double v, double step, char* buffer, size_t size) {
    if (std::fabs(v) < 1e-9 * std::fabs(step)) v = 0.0;  // no "-0"
    int d = Cpp_Axes::kMaximumLabelDigits;
    Cpp_Axes::AxisLabelDigits(v, d);
    std::snprintf(buffer, size, "%1.*f", d, v);
}

}  // namespace

void Cpp_Axes::DrawAxes(platform::DeviceContext& dc, int left, int top, int right, int bottom) {
    if (wxmax_ == wxmin_ || wymax_ == wymin_) return;
    if (!(xTicks_.step > 0) || !(yTicks_.step > 0)) return;
    platform::DeviceContext* previous = Cpp_Graphics::SetCurrentDC(&dc);
    struct Restore {
        platform::DeviceContext* dc;
        ~Restore() { Cpp_Graphics::SetCurrentDC(dc); }
    } restore{previous};

    const platform::ColorRef band = 0xC8C8C8;
    const platform::ColorRef ink = 0x000000;
    dc.SetBkColor(band);
    dc.FillRect({left, top, frame_.left, bottom}, band);
    dc.FillRect({frame_.right, top, right, bottom}, band);
    dc.FillRect({left, frame_.bottom, right, bottom}, band);
    dc.FillRect({left, top, right, frame_.top}, band);

    platform::ScopedDcState state(dc);
    dc.SetPen({platform::PenStyle::Solid, 1, ink});
    const int longTick = static_cast<int>(Cpp_Graphics::InchesToPixelsOnDC(dc, 0.0833));
    const int shortTick = static_cast<int>(Cpp_Graphics::InchesToPixelsOnDC(dc, 0.0417));

    auto px = [](double x) { return static_cast<int>(std::lround(xScale_ * x + xOffset_)); };
    auto py = [](double y) { return static_cast<int>(std::lround(yScale_ * y + yOffset_)); };

    std::vector<std::vector<platform::DevicePoint>> lines;
    const platform::DeviceRect f = frame_;
    lines.push_back({{f.left, f.bottom}, {f.right, f.bottom}});
    lines.push_back({{f.left, f.top}, {f.right, f.top}});
    lines.push_back({{f.left, f.bottom}, {f.left, f.top}});
    lines.push_back({{f.right, f.bottom}, {f.right, f.top}});

    struct Major {
        double value;
        int pixel;
    };
    auto ticks = [&](const TickLayout& t, double mn, double mx, bool isX,
                     std::vector<Major>& majors) {
        const double eps = 1e-9 * (mx - mn);
        auto add = [&](double v, int len) {
            if (isX) {
                const int p = px(v);
                lines.push_back({{p, f.bottom}, {p, f.bottom + len}});
                lines.push_back({{p, f.top}, {p, f.top - len}});
            } else {
                const int p = py(v);
                lines.push_back({{f.left, p}, {f.left - len, p}});
                lines.push_back({{f.right, p}, {f.right + len, p}});
            }
        };
        const long long count =
            static_cast<long long>(std::floor((t.end - t.start) / t.step + 0.5));
        for (long long i = 0; i <= count && i < 10000; ++i) {
            const double v = t.start + static_cast<double>(i) * t.step;
            if (v > mx + eps) break;
            if (v >= mn - eps) {
                add(v, longTick);
                majors.push_back({v, isX ? px(v) : py(v)});
            }
            if (t.mediumCount > 1)
                for (int k = 1; k < t.mediumCount; ++k) {
                    const double m = v + k * t.step / t.mediumCount;
                    if (m >= mn - eps && m <= mx + eps) add(m, longTick);
                }
            if (t.minorCount > 1)
                for (int k = 1; k < t.minorCount; ++k) {
                    const double m = v + k * t.step / t.minorCount;
                    if (m >= mn - eps && m <= mx + eps) add(m, shortTick);
                }
        }
    };
    std::vector<Major> xMajors, yMajors;
    ticks(xTicks_, wxmin_, wxmax_, true, xMajors);
    ticks(yTicks_, wymin_, wymax_, false, yMajors);
    dc.PolyPolyline(lines);

    s_FontType font("Arial", 8);
    const s_ColorType colour(1, 7);
    char text[64];
    Cpp_GraphicString::SetDrawingAttributes(font, 5, 0, 2, 0, false, colour, "XY Axes");
    Cpp_GraphicString block;
    for (const Major& m : xMajors) {
        FormatAxisNumber(m.value, xTicks_.step, text, sizeof text);
        block.Clear();
        block.AddString(text);
        Cpp_GraphicString::SetPosition(8);
        block.Draw(m.pixel, f.bottom + longTick + 2);
        Cpp_GraphicString::SetPosition(2);
        block.Draw(m.pixel, f.top - longTick - 2);
    }
    font.font.escapement = 900;
    Cpp_GraphicString::SetDrawingAttributes(font, 5, 0, 2, 0, false, colour, "XY Axes");
    for (const Major& m : yMajors) {
        FormatAxisNumber(m.value, yTicks_.step, text, sizeof text);
        block.Clear();
        block.AddString(text);
        s_TextFrameType frame;
        Cpp_GraphicString::SetPosition(4);
        block.DrawFramed(f.left - longTick - 2, m.pixel, frame);
        frame = {};
        Cpp_GraphicString::SetPosition(6);
        block.DrawFramed(f.right + longTick + 2, m.pixel, frame);
    }
    Cpp_GraphicString::ReleaseDrawingAttributes();
}
