#pragma once
// What the tools share to draw their figures over the view: the pixel of a world point, the
// rectangle a figure between two pixels (or four corners) may touch, the XOR outline of a band,
// and drawing on the registered view (nothing when no view is registered).
//
//     using namespace view_overlay;
//     OnView(Around(from, ToPixel(x, y)), [&](platform::DeviceContext& dc) { ... });

#include "core/cursor_mode.h"
#include "editing/view_input.h"
#include "editing/view_navigation.h"
#include "graphics/graphics.h"
#include "platform/device_context.h"

#include <algorithm>
#include <array>
#include <utility>

namespace view_overlay {

inline s_PixelPoint ToPixel(double x, double y) {
    return {Cpp_Graphics::XToPixel(x), Cpp_Graphics::YToPixel(y)};
}

// The rectangle around two pixels with room for pens and symbols.
inline platform::DeviceRect Around(s_PixelPoint a, s_PixelPoint b, int margin = 24) {
    return {std::min(a.x, b.x) - margin, std::min(a.y, b.y) - margin,
            std::max(a.x, b.x) + margin + 1, std::max(a.y, b.y) + margin + 1};
}

// The four corners of a band: segment start, segment end, outer end, outer start.
using Corners = std::array<platform::DevicePoint, 4>;

inline platform::DeviceRect Around(const Corners& c) {
    s_PixelPoint low{c[0].x, c[0].y}, high = low;
    for (const platform::DevicePoint& p : c) {
        low = {std::min(low.x, p.x), std::min(low.y, p.y)};
        high = {std::max(high.x, p.x), std::max(high.y, p.y)};
    }
    return Around(low, high);
}

// The outline of a band in XOR with a pen of the colour, so drawing it twice removes it; a band
// whose outer corners lie on its segment is the bare segment.
inline void DrawXorOutline(platform::DeviceContext& dc, const Corners& c,
                           platform::ColorRef colour) {
    const platform::Pen old = dc.SetPen(platform::Pen{platform::PenStyle::Solid, 1, colour});
    const platform::RasterOp oldOp = dc.SetRop2(platform::RasterOp::XorPen);
    if (c[2] == c[1] && c[3] == c[0])
        dc.Polyline({c[0], c[1]});
    else
        dc.Polyline({c[0], c[1], c[2], c[3], c[0]});
    dc.SetRop2(oldOp);
    dc.SetPen(old);
}

template <typename Draw>
void OnView(const platform::DeviceRect& touched, Draw&& draw) {
    if (ViewInputHost* view = GetViewWindow()) view->DrawOverlay(touched, std::forward<Draw>(draw));
}

}  // namespace view_overlay
