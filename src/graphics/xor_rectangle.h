#pragma once
// A world rectangle filled in XOR mode with fill pattern 23: drawn once it marks an item on
// the screen, drawn again it restores the screen.

#include "platform/device_context.h"

class XorRectangle {
public:
    XorRectangle(double x1, double y1, double x2, double y2) : x1_(x1), x2_(x2), y1_(y1), y2_(y2) {}
    // Screen output mode only; always false.
    bool Draw(platform::DeviceContext& dc) const;

private:
    double x1_, x2_, y1_, y2_;
};
