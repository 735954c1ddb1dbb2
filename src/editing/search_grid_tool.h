#pragma once
// The mouse tools of the fixed search grid (the circle tool in its fixed-grid mode): the corners
// entered one by one (cursor mode 38: clicks or points typed in the circle bar, each side drawn
// as it comes, a grey band from the last corner to the cursor) or as a rectangle dragged with
// the button held (39), and one corner moved (99) with a band from its two neighbours around
// the perimeter. A grid that is a line takes two end points. One tool runs at a time.
//
//     Cpp_FixedSearchGridTool::StartEntry(grid, px, py, x, y, false, false);   // corner 1
//     Cpp_FixedSearchGridTool::EnterCornersClick(grid, px, py, x, y, false);   // false: more
//     ...                                                                      // true: stored
//
// Everything is drawn on the registered view (editing/view_navigation.h); after a full paint of
// the view the tool draws its feedback again.

#include "core/cursor_mode.h"
#include "core/point_xy.h"
#include "platform/device_context.h"

class Cpp_FixedSearchGrid;

// A corner or rectangle entry of a fixed search grid or a corner being moved (one at a time).
struct s_SearchGridStep {
    enum class e_Kind { None, Corners, Rectangle, Move };
    e_Kind tool = e_Kind::None;
    bool line = false;
    int entered = 0;  // corners entered so far
    int corner = 0;   // the corner being moved
    s_tagTypePointXY corners[4];
    s_PixelPoint band;  // the cursor end of the band
    s_PixelPoint raw;   // the last mouse pixel
    s_tagTypePointXY world;
};

class Cpp_FixedSearchGridTool {
public:
    // The first corner: the bar's X, Y (fromToolBar) or the point; nothing unless the circle
    // bar is in the fixed-grid mode. rectangle: a drag with the button held (cursor mode 39),
    // else corner by corner (38). True when an entry started.
    static bool StartEntry(Cpp_FixedSearchGrid& grid, int px, int py, double x, double y,
                           bool rectangle, bool fromToolBar);
    // A further corner; true when the grid is complete (or nothing was done), false while
    // corners are still expected.
    static bool EnterCornersClick(Cpp_FixedSearchGrid& grid, int px, int py, double x, double y,
                                  bool fromToolBar);
    // The band follows the cursor; the raw pixel is remembered for a repaint after a zoom.
    static bool ToolMouseMove(int rawPx, int rawPy, int px, int py, double x, double y,
                              bool rectangle);
    // The button released: the rectangle from the first corner to (x, y) becomes the grid,
    // corner 1 at its lower left, counter-clockwise; counts below 1 become 7. True when a
    // rectangle entry was under way.
    static bool FinishRectangleEntry(Cpp_FixedSearchGrid& grid, double x, double y);
    // Escape: the grid is unchanged.
    static void EscapeEntry();

    // Moving corner k (1..4; end point 1 or 2 of a line), grabbed at pixel (px, py).
    static bool MovePointTool(const Cpp_FixedSearchGrid& grid, int px, int py, int corner);
    static void DragMove(int px, int py, double x, double y);
    // Sets the corner at the last point, or (fromToolBar) at the circle bar's point (false,
    // nothing changed, when the bar holds none).
    static bool DragEnd(Cpp_FixedSearchGrid& grid, bool fromToolBar);
    static void CancelTool();

    static bool IsEntering();
    static int EnteredCorners();

    // After a full paint of the view: the sides entered and the band again.
    static void Repaint(platform::DeviceContext& dc);
    static void RegisterDrawing();
    static void Reset();
};
