#pragma once
// What the tools share to draw their figures over the view: the pixel of a world point, the
// rectangle a figure between two pixels may touch, and drawing on the registered view (nothing
// when no view is registered).
//
//     using namespace view_overlay;
//     OnView(Around(from, ToPixel(x, y)), [&](platform::DeviceContext& dc) { ... });

#include "core/cursor_mode.h"
#include "editing/view_input.h"
#include "editing/view_navigation.h"
#include "graphics/graphics.h"
#include "platform/device_context.h"

#include <algorithm>
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

template <typename Draw>
void OnView(const platform::DeviceRect& touched, Draw&& draw) {
    if (ViewInputHost* view = GetViewWindow()) view->DrawOverlay(touched, std::forward<Draw>(draw));
}

}  // namespace view_overlay
