#pragma once
// The XY axes around the drawing area: a light grey band holding four axis lines with major,
// medium and minor ticks and the coordinate numbers (those of the vertical axes turned a
// quarter turn). Every drawing keeps the band's margin on each side.

#include "platform/device_context.h"

class Cpp_Axes {
public:
    struct TickLayout {
        double start = 0, end = 0, step = 0;
        int mediumCount = 0, minorCount = 0;
    };

    static bool AxesShown() { return true; }
    static double AxisMarginInches() { return 0.25; }

    // Called by the fit with the fitted rectangle and the new mapping.
    static void ComputeAxesLayout(const platform::DeviceRect& rect, int ppiX, int ppiY,
                                  double xOffset, double xScale, double yOffset, double yScale);
    // Draws the band, the axes, their ticks and numbers on dc; the rectangle is the one fitted.
    static void DrawAxes(platform::DeviceContext& dc, int left, int top, int right, int bottom);

    // The tick rule: a "nice" major step giving at most maxIntervals intervals over the range.
    static bool ComputeTickSpacing(double min, double max, int maxIntervals, double& start,
                                   double& end, double& step, int& mediumCount, int& minorCount);
    // Reduces digits to the number of decimals the fractional part of value needs.
    static void AxisLabelDigits(double value, int& digits);
    // The greatest number of decimals an axis number takes.
    static constexpr int kMaximumLabelDigits = 6;

    // The layout of the last fit.
    static platform::DeviceRect Frame() { return frame_; }
    static double WorldXMin() { return wxmin_; }
    static double WorldXMax() { return wxmax_; }
    static double WorldYMin() { return wymin_; }
    static double WorldYMax() { return wymax_; }
    static TickLayout XTicks() { return xTicks_; }
    static TickLayout YTicks() { return yTicks_; }

    static void Reset();

private:
    static platform::DeviceRect frame_;
    static double wxmin_, wxmax_, wymin_, wymax_;
    static double xOffset_, xScale_, yOffset_, yScale_;
    static TickLayout xTicks_, yTicks_;
};
