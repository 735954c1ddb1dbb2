#pragma once
// The point-entry tool shared by every line kind: the user clicks (or types in a tool bar and
// presses Enter) the points of a new polyline one by one; a green XOR rubber band runs from the
// last point to the cursor, the entered segments and point symbols are drawn as they come,
// Shift+Escape takes the last point back, a right click finishes and Escape cancels. The line
// kinds' own tools (profile_tool.h and the like) start it, take its points at the end and make
// the line.
//
//     Cpp_LineEntry::StartEnterPoints(px, py, x, y, attributes);   // cursor mode 13
//     SetCursorMode(CursorModeProfileLineEntry);                  // the kind's own mode
//     Cpp_LineEntry::AddClickedPoint(px2, py2, x2, y2);
//     std::vector<s_tagTypePointXY> points;
//     int count = 2;                                              // the minimum
//     Cpp_LineEntry::FinishEnterPoints(points, count);            // 0: too few, nothing copied
//
// Everything is drawn on the registered view (editing/view_navigation.h); after a full paint of
// the view, RedrawEnteredPoints draws the entry again at the view's new scale.

#include "core/cursor_mode.h"
#include "core/point_xy.h"
#include "graphics/drawing_attributes.h"
#include "graphics/graphics.h"
#include "platform/device_context.h"

#include <string>
#include <vector>

class Cpp_Line;
class Cpp_LineList;
class Cpp_PointXY;

// One entered point: where it was on the screen and where it is in the world.
struct s_ComboPoint {
    int px = 0, py = 0;
    double x = 0.0, y = 0.0;
};

// The green pen of the entry rubber band.
inline constexpr platform::ColorRef kEntryBandColor = platform::MakeRgb(0, 255, 0);

// A one-pixel XOR band through the points in the colour (drawn twice it is gone); a band of
// no length is not drawn.
void DrawXorBand(platform::DeviceContext& dc, const std::vector<s_PixelPoint>& points,
                 platform::ColorRef colour = kEntryBandColor);

// A format with one %d filled with the number ("Profile Line No. %d").
std::string NumberedText(const char* format, int number);
// The number a new line of the list gets: when a line has the number, the duplicate-number
// window decides (replace: the existing line is removed; the new line takes another number;
// or the existing line does). False when the user cancelled: the new line is dropped.
bool SettleNewLineNumber(Cpp_LineList& lines, int lineKind, int& number);

// Cuts the line after the point: the points after it are taken out and returned, led by a copy
// of the point, so both portions share its coordinates. Empty when the point is not in the line.
std::vector<s_tagTypePointXY> CutLineAfter(Cpp_Line& line, Cpp_PointXY* point);

// The point a line tool enters: the one typed in its bar (its pixel computed, the focus back in
// the bar's X field), or the cursor's, which is written to the bar. False when the bar's fields
// do not read.
template <class Bar>
bool ChooseEntryPoint(Bar& bar, int& px, int& py, double& x, double& y, bool fromBar) {
    if (fromBar) {
        if (!bar.GetPoint(x, y)) return false;
        px = Cpp_Graphics::XToPixel(x);
        py = Cpp_Graphics::YToPixel(y);
        bar.FocusXEdit();
    } else {
        bar.SetPoint(x, y);
    }
    return true;
}

class Cpp_LineEntry {
public:
    // The first point: entry 1, its symbol drawn, cursor mode 13, the entry prompt.
    static bool StartEnterPoints(int px, int py, double x, double y,
                                 const s_DrawAttributesType& attributes);
    // The band follows the cursor (when the rubber-band option is on).
    static void EnterPointsMouseMove(int mouseX, int mouseY, int bandX, int bandY, double x,
                                     double y);
    // A click: false (nothing drawn) when the point repeats the last one within a relative
    // 1e-10; else the segment and symbol are drawn and the point appended.
    static bool AddClickedPoint(int px, int py, double x, double y);
    // A point typed in a bar: false when it equals the last one exactly.
    static bool AddTypedPoint(double x, double y);
    // Shift+Escape: the last point taken back; with one point left the entry ends.
    static void UndoLastEnteredPoint();
    // The right click: the band erased, the tool ended. count: in the minimum number of points
    // (below 1 means 2), out the number copied (0 when there were fewer).
    static void FinishEnterPoints(std::vector<s_tagTypePointXY>& points, int& count);
    // Escape in the entry modes: everything drawn erased, the tool ended.
    static void CancelEnterPoints();
    // Before Zoom Window starts: the band erased (the mode is remembered by the zoom).
    static void EraseEnterRubberBand();
    // After a full paint of the view: the entry drawn again at the current scale.
    static void RedrawEnteredPoints(platform::DeviceContext& dc);

    static bool IsActive();
    static int EnteredCount();
    static const std::vector<s_ComboPoint>& EnteredPoints();
    // The entry prompt with the count.
    static std::string EntryPrompt(int count);
    // Whether a cursor mode is one of the entry modes (13, 17, 18, 19, 23, 41).
    static bool IsEntryMode(int cursorMode);

    // Registers RedrawEnteredPoints with the view's painting (once).
    static void RegisterDrawing();
    static void Reset();
    // A line being entered is dropped (its band erased, the bars' "Finish Line" disabled).
    static void Drop();
};
