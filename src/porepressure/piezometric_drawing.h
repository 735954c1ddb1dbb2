#pragma once
// The look of the piezometric lines of each stage, their drawing (lines, point symbols, number
// labels in triangle frames, point coordinates), picking, the information page of a picked
// piezometric item and its tool tips.

#include <string>

#include "graphics/drawing_attributes.h"
#include "graphics/graphic_string.h"
#include "graphics/line_drawing.h"
#include "graphics/point_symbols.h"
#include "platform/device_context.h"
#include "platform/info_window.h"

class Cpp_PiezometricLine;
class Cpp_PiezometricLineList;
class Cpp_PointXY;
struct s_PickType;

// Selection kinds of piezometric items.
enum e_PiezometricPickKind : int {
    PICK_PIEZOMETRIC_POINT = 78,
    PICK_PIEZOMETRIC_SEGMENT = 80,
    PICK_PIEZOMETRIC_NUMBER = 82,
};
// The frame of the number labels: a triangle.
constexpr int kPiezometricLabelFrame = 3;

// The attributes of a stage (1 or 2; any other value gives stage 1's).
const s_LinePenType& PiezometricLinePen(int stage);
s_SymbolAttributesType PiezometricPointAttributes(int stage);
const s_FontType& PiezometricLabelFont();
s_ColorType PiezometricColour(int stage);
const char* PiezometricNumberLayer(int stage);
// Line width, line colour, point outline width, marker size, symbol style and point colour, as
// the editing tools ask for them.
s_DrawAttributesType GetPiezometricDisplayAttributes(int stage);

// Drawing on the current device context, each with the stage of the list. The number labels
// fail (false) when their text attributes cannot be set.
bool DrawPiezometricLines(const Cpp_PiezometricLineList& list);
bool DrawPiezometricPoints(const Cpp_PiezometricLineList& list);
bool DrawPiezometricLineNumbers(Cpp_PiezometricLineList& list);
bool DrawPiezometricPointCoordinates(const Cpp_PiezometricLineList& list);

// Pick flags of a stage (points, segments, number labels); all on at start.
struct s_PiezometricPickFlags {
    bool points = true;
    bool segments = true;
    bool numbers = true;
};
s_PiezometricPickFlags& PiezometricPickFlags(int stage);
void SetPiezometricPickFilter(int stage, bool points, bool segments, bool numbers);

// A picked piezometric item.
struct s_PiezometricHit {
    int kind = 0;  // 78, 80, 82 or 0 for nothing
    Cpp_PiezometricLine* line = nullptr;
    Cpp_PointXY* point = nullptr;  // the point, or the first point of the segment
};
// Hit test over a stage's lines with a shared pick record. Points and number labels compete by
// distance; a segment is offered only when no point or label lies in the pick box (a click on a
// point picks the point, not the segments meeting there). Each kind only while it is shown
// and, with usePickFilter, while its pick flag is on.
s_PiezometricHit HitTestPiezometricLines(const Cpp_PiezometricLineList& list, s_PickType& pick,
                                         bool usePickFilter);

// The information page of a picked item (kind 78, 80 or 82; point: the picked point, or the
// segment's first point). multiStage names the stage in the title. False for another kind.
bool AddPiezometricInformation(platform::InfoWindowService& info, const Cpp_PiezometricLine& line,
                               int kind, const Cpp_PointXY* point, int stage, bool multiStage);

// Tool tips over a point and over a segment.
std::string PiezometricPointToolTip(const Cpp_PiezometricLine& line, const Cpp_PointXY& point);
std::string PiezometricSegmentToolTip(const Cpp_PiezometricLine& line, const Cpp_PointXY& start,
                                      int stage, bool multiStage);
