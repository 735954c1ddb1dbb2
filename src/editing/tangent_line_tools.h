#pragma once
// The point tools of an irregular tangent line (add a point at an end, drag a point, insert a
// point on a segment), run by the polyline point tools (line_point_tools.h) on a working copy of
// the tangent line's points (working_line.h); each completed step writes the points back. Typed
// values come from the radius bar.
//
//     Cpp_TangentLineTool::StartDragPoint(&tangent, 1, px, py);   // cursor mode 97
//     Cpp_TangentLineTool::DropDraggedPoint(x, y, false);         // the tangent line changed

#include "editing/view_dispatch.h"

class Cpp_Line;
class Cpp_PointXY;
class Cpp_TangentLine;

class Cpp_TangentLineTool {
public:
    // atFirst: before the first point, else after the last (cursor mode 88).
    static bool StartAddPointAtEnd(Cpp_TangentLine* line, bool atFirst);
    static bool AddPointAtEnd(double x, double y, bool fromBar);
    // Point index, 0-based (cursor mode 97).
    static bool StartDragPoint(Cpp_TangentLine* line, int index, int px, int py);
    static bool DropDraggedPoint(double x, double y, bool fromBar);
    // The segment from point index to index + 1 (cursor mode 119).
    static bool StartInsertPoint(Cpp_TangentLine* line, int index);
    static bool InsertPointEnter(double x, double y, bool fromBar);
    // The working copy for another polyline tool (extend, make parallel, change length or
    // slope) and its point made from index; null for a line that is not irregular.
    static Cpp_Line* EditLine(Cpp_TangentLine* line, int index, Cpp_PointXY*& point);
};

namespace view_slip_surface_steps {
// The rows of cursor modes 88, 97 and 119.
void TangentAddAtEndEnter(s_InputCall& call);
void TangentDrop(s_InputCall& call);
void TangentDropFromBar(s_InputCall& call);
void TangentDragMove(s_InputCall& call);
void TangentInsertClick(s_InputCall& call);
void TangentInsertEnter(s_InputCall& call);
void TangentInsertMove(s_InputCall& call);
}  // namespace view_slip_surface_steps
