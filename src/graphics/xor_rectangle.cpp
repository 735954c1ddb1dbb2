#include "graphics/xor_rectangle.h"

#include "graphics/fill_patterns.h"
#include "graphics/graphics.h"

bool XorRectangle::Draw(platform::DeviceContext& dc) const {
    if (Cpp_Graphics::OutputMode() != Cpp_Graphics::kOutputScreen) return false;
    platform::ScopedDcState state(dc);
    const std::vector<platform::DevicePoint> corners = {
        Cpp_Graphics::WorldToPixel(x1_, y2_), Cpp_Graphics::WorldToPixel(x2_, y2_),
        Cpp_Graphics::WorldToPixel(x2_, y1_), Cpp_Graphics::WorldToPixel(x1_, y1_)};
    dc.SetBrush(Cpp_FillPatterns::CreatePatternBrush(23));
    dc.SetTextColor(0);
    dc.SetRop2(platform::RasterOp::XorPen);
    dc.SetPolyFillMode(platform::FillMode::Alternate);
    dc.FillPolygon(corners);
    return false;
}
