#pragma once
// The state the polyline point tools (line_point_tools.cpp) and editing tools
// (line_edit_tools.cpp) share, and their drawing steps on the view. Internal to those files.

#include "core/point_xy.h"
#include "graphics/drawing_attributes.h"
#include "platform/device_context.h"

#include <functional>
#include <initializer_list>

class Cpp_Line;

namespace line_tool {

enum class e_Tool {
    None,
    AddAtEnd,
    Insert,
    DragPoint,
    DragSegment,
    Split,
    ChangeLength,
    ChangeSlope,
    Extend,
    Parallel,
};

inline constexpr platform::ColorRef kGreenBand = platform::MakeRgb(0, 255, 0);
inline constexpr platform::ColorRef kGreyBand = platform::MakeRgb(160, 160, 160);

struct s_State {
    e_Tool tool = e_Tool::None;
    s_DrawAttributesType attributes;
    platform::ColorRef pen = kGreenBand;
    int kind = 0;
    Cpp_Line* line = nullptr;
    Cpp_PointXY* point = nullptr;   // the edited point (segment start for a segment drag)
    Cpp_PointXY* before = nullptr;  // neighbours of the edited point or segment
    Cpp_PointXY* after = nullptr;
    Cpp_PointXY* endPoint = nullptr;  // add at end
    bool addBefore = false;
    bool bandNotDrawn = false;
    s_PixelPoint bandEnd;
    s_tagTypePointXY bandWorld;
    s_PixelPoint mouse;
    // Segment drag: offsets from the grab pixel to both ends, and the ends now.
    s_PixelPoint offset1, offset2, end1, end2;
};
s_State& State();

s_PixelPoint PixelOf(const Cpp_PointXY* p);
s_PixelPoint PixelOf(double x, double y);

// Draws on the view (nothing when no view is registered); touched are the pixels the figure
// lies near.
void OnView(std::initializer_list<s_PixelPoint> touched,
            const std::function<void(platform::DeviceContext&)>& draw);
void OnWholeView(const std::function<void(platform::DeviceContext&)>& draw);

// XOR lines with the tool pen: p1 to the pixel and the pixel to p2 (each only when the point
// exists); twice at the same place it is gone.
void XorRubberBand(platform::DeviceContext& dc, const Cpp_PointXY* p1, s_PixelPoint pixel,
                   const Cpp_PointXY* p2);
void XorSegmentRubberBand(platform::DeviceContext& dc, const Cpp_PointXY* p1, s_PixelPoint a,
                          s_PixelPoint b, const Cpp_PointXY* p2);
void XorSegment(platform::DeviceContext& dc, s_PixelPoint a, s_PixelPoint b);
// Solid lines with the editing pen (or, erasing, in the background colour) between the
// consecutive given pixels that exist.
void DrawSegmentWithPen(platform::DeviceContext& dc, s_PixelPoint a, s_PixelPoint b,
                        bool erase = false);
void DrawSegments(platform::DeviceContext& dc, std::initializer_list<const Cpp_PointXY*> points,
                  bool erase = false);
void DrawEditSymbol(platform::DeviceContext& dc, double x, double y, bool erase = false);
void ToggleMarker(platform::DeviceContext& dc, const Cpp_PointXY* p);

// The neighbours of a point (false when it is not in the line), and those of a segment: the
// point before its start and the one after its end.
bool FindNeighboursOfPoint(const Cpp_Line& line, const Cpp_PointXY* point, Cpp_PointXY*& before,
                           Cpp_PointXY*& after);
bool FindNeighboursOfSegment(const Cpp_Line& line, const Cpp_PointXY* start, Cpp_PointXY*& before,
                             Cpp_PointXY*& after);

// Cursor mode 0, the prompt bar and tool tip cleared, the tool's standard prompt back.
void EndTool();
void RestoreToolPrompts();

}  // namespace line_tool
