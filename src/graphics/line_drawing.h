#pragma once
// Drawing of polylines: the line pen, lines with their dash patterns, point symbols, point
// coordinates, number labels with their frames, and the check marks of a line list.
//
// A line is clipped in world coordinates to the padded viewport before it is converted to
// pixels, and a dash pattern is walked only over the visible part of each segment (its phase
// carried over from the hidden part), so a dashed line at any zoom draws at once.

#include "graphics/drawing_attributes.h"
#include "graphics/graphic_string.h"
#include "platform/device_context.h"

#include <string>
#include <vector>

class Cpp_Line;
class Cpp_LineList;

// The attributes a line pen is made from. Style: -5, -4, -3, -2 the system's dash-dot-dot,
// dash-dot, dot and dash pens; 1 to 8 the dash patterns of the line-style table; any other
// value solid.
struct s_LinePenType {
    s_LineWidthType width = s_LineWidthType(static_cast<short>(0));
    int style = 0;
    s_ColorType colour;
    std::string layerName;
    std::string lineTypeName = "CONTINUOUS";
};

// The line pen of the drawing unit: made for one group of lines, deleted after it.
bool CreateLinePen(const s_LinePenType& attributes);
void DeletePenObject();

// The polyline through the points with the current line pen and style. Fewer than two points
// draw nothing; on the screen or printer without a pen the text "EXCEPTION: Cpp_Line::DrawLine"
// is thrown.
void DrawPolyline(platform::DeviceContext& dc, const std::vector<double>& xs,
                  const std::vector<double>& ys);
void DrawLine(platform::DeviceContext& dc, const Cpp_Line& line);

// The symbols of every point with the point pens already set up.
void DrawLinePoints(platform::DeviceContext& dc, const Cpp_Line& line);
// The coordinate label of every point (text attributes already set).
void DrawLinePointCoordinates(const Cpp_Line& line, int labelType, bool withLetters);

// Frame offsets of a number label, from the label centre (y grows downwards).
struct s_LabelOffsetsType {
    int left = 0, right = 0, top = 0, bottom = 0;
};
// Sizes one label frame for all lines of the list (frame kind 1 rectangle, 2 circle, 3
// triangle) with the current font; screen only.
s_LabelOffsetsType ComputeLabelOffsets(const Cpp_LineList& list, int frameKind);
// The number label of a line: placement 1 at the midpoint of every segment, 2 once at the
// midpoint of the longest segment (the label anchor is set there). Drawn with the text
// attributes already set; the frame is stored in the line.
bool DrawLineNumberLabel(Cpp_Line& line, int placement, const s_LabelOffsetsType& offsets);
// Every line's label with one frame size; the printer draws none.
bool ComputeLabelFrames(Cpp_LineList& list, int placement, int frameKind);

// Check marks: the mark pen (marker size and width), then every mark of the list.
bool CreateMarkPen(const s_MarkerSizeType& markerSize, const s_LineWidthType& width,
                   const s_ColorType& colour);
void DeleteMarkPen();
void DrawCheckMarks(platform::DeviceContext& dc, const Cpp_LineList& list);

// Marks a stored label frame as selected: a small inverted square at each corner (kinds up to
// 2: the four corners; kind 3: bottom left, bottom right, top centre); above 3 nothing.
void DrawLabelFrame(platform::DeviceContext& dc, short top, short left, short bottom, short right,
                    int frameKind);
