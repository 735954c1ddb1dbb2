#include "graphics/axes.h"

#include "graphics/graphics.h"

#include <cmath>

platform::DeviceRect Cpp_Axes::frame_;
double Cpp_Axes::wxmin_ = 0, Cpp_Axes::wxmax_ = 0, Cpp_Axes::wymin_ = 0, Cpp_Axes::wymax_ = 0;
double Cpp_Axes::xOffset_ = 0, Cpp_Axes::xScale_ = 1, Cpp_Axes::yOffset_ = 0,
       Cpp_Axes::yScale_ = 1;
Cpp_Axes::TickLayout Cpp_Axes::xTicks_, Cpp_Axes::yTicks_;

void Cpp_Axes::Reset() {
    frame_ = {};
    wxmin_ = wxmax_ = wymin_ = wymax_ = 0;
    xOffset_ = yOffset_ = 0;
    xScale_ = yScale_ = 1;
    xTicks_ = yTicks_ = {};
}

int Cpp_Axes::AxisMarginPixels(const platform::DeviceContext& dc) {
    return static_cast<int>(dc.PixelsPerInchX() * AxisMarginInches());
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
    long long n = static_cast<long long>(frac * std::pow(10.0, digits) + 0.5);
    while (digits > 0) {
        if (n % 10 != 0) break;
        n /= 10;
        --digits;
    }
}
