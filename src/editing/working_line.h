#pragma once
// A polyline standing in for a point list that is not a Cpp_Line (the noncircular slip surface,
// an irregular tangent line) while a polyline tool (line_point_tools.h) edits it. The tool runs
// on the copy; when it ends, the copy's points go back through the owner's write-back, each with
// the index of the owner's point it was made from, so that the owner keeps what else it holds
// per point (-1 marks a point the tool added).
//
//     Cpp_Line* line = Cpp_WorkingLine::Begin(points, [&](const auto& edited) { ... });
//     Cpp_LineTool::StartDragPoint(line, kind, px, py, Cpp_WorkingLine::PointAt(2), look);
//     ...                                  // the drop: the write-back gets the moved points
//
// One copy exists at a time; it lives until the next Begin (a tool still running on the old
// copy is cancelled first) or the program-state reset.

#include "core/point_xy.h"

#include <functional>
#include <vector>

class Cpp_Line;
class Cpp_PointXY;

struct s_WorkingPoint {
    double x = 0.0;
    double y = 0.0;
    int from = -1;  // index of the owner's point it was made from; -1: added by the tool
};

class Cpp_WorkingLine {
public:
    using WriteBack = std::function<void(const std::vector<s_WorkingPoint>&)>;

    // The copy of the points; writeBack runs when the next tool on it ends, unless the points
    // came out as they went in.
    static Cpp_Line* Begin(const std::vector<s_tagTypePointXY>& points, WriteBack writeBack);
    // The copy's point made from the owner's point index (null when there is none).
    static Cpp_PointXY* PointAt(int index);
    // Whether line is the copy (the owners are all analysis data: a change is theirs).
    static bool Holds(const Cpp_Line* line);
    static void Reset();
};
