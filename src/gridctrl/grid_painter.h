#pragma once
// What the grid and its cells draw and measure with. Rectangles here leave out their right
// and bottom edges (a fill of (0, 0, 10, 5) covers 10 x 5 pixels); a line leaves out its last
// pixel. The widget implements it over a QPainter; tests record the calls.

#include "gridctrl/grid_types.h"

#include <string>

namespace gridctrl {

class GridPainter {
public:
    virtual ~GridPainter() = default;
    virtual void FillRect(const DeviceRect& rect, ColorRef colour) = 0;
    // A one-pixel frame just inside the rectangle.
    virtual void FrameRect(const DeviceRect& rect, ColorRef colour) = 0;
    virtual void Line(int x1, int y1, int x2, int y2, ColorRef colour) = 0;
    // The text laid out in the rectangle by the format flags (alignment, single line or word
    // breaks, an ellipsis at the end when it does not fit).
    virtual void DrawText(const DeviceRect& rect, const std::string& text, unsigned format,
                          ColorRef colour, const Font& font) = 0;
    // The drop-down arrow button of an option cell.
    virtual void DropButton(const DeviceRect& rect) = 0;
};

// Text sizes in a font. With DT_WORDBREAK (and not DT_SINGLELINE) and a width above 0 the
// text is broken into lines that width wide, otherwise it is measured on one line per line feed.
class GridMeasurer {
public:
    virtual ~GridMeasurer() = default;
    virtual TextSize MeasureText(const std::string& text, const Font& font, unsigned format,
                                 int width) const = 0;
};

}  // namespace gridctrl
