#pragma once
// The pending move of the selected points: "Move Point a Distance" (horizontally, vertically,
// from a picked point, from a picked line, perpendicular from a line) and "Move to Line
// Parallel / Perpendicular". The command starts the move (and the cursor mode of its second
// step); the click on the reference item completes it; the state lasts from the command until
// the step ends, and the next command overwrites it.
//
//     StartPendingMove(1);                       // "Horizontally"
//     if (PerformPendingMove()) ...              // the distance asked; false on Cancel
//     s_tagTypePointXY p{3, 7};
//     ApplyPendingMoveToPoint(p);                // p moved by the pending mode
//
// Modes: 1 horizontally, 2 vertically, 3 and 4 (parallel, perpendicular to a line: no command
// starts them), 5 horizontally from a point, 6 vertically from a point, 7 horizontally from a
// line, 8 vertically from a line, 9 perpendicular from a line.

#include "core/point_xy.h"

class Cpp_Line;

struct s_PendingMove {
    int mode = 0;
    double distance = 1.0;
    const Cpp_Line* referenceLine = nullptr;
    const Cpp_PointXY* referencePoint = nullptr;  // the first point of the picked segment
    double nx = 0.0, ny = 0.0;                    // mode 9: the normal of the reference segment
    bool parallel = true;                         // a move to a line
    long target1 = 0, target2 = 0;
};
s_PendingMove& PendingMove();

// "Enter distance to move" (editing/line_editing_dialogs.h) with the label and explanation of
// the mode, preset 1.0; the typed distance and true on OK.
bool AskMoveDistance(int mode, double& distance);

// The mode with no reference line; modes 3 to 9 set the cursor mode and prompt of their step.
bool StartPendingMove(int mode);
// The picked reference line and the first point of its segment; true for modes 7 to 9.
bool SetPendingMoveReferenceLine(const Cpp_Line* line, const Cpp_PointXY* point);
// Only mode 9 takes a target (nothing reads it).
bool SetPendingMoveTarget(long first, long second);
// Asks the distance; mode 9 takes the normal of the reference segment. False on Cancel.
bool PerformPendingMove();
// Moves the point by the pending mode; false (point unchanged) when it cannot be moved.
bool ApplyPendingMoveToPoint(s_tagTypePointXY& point);

// "Move to Line": the first step waits for the target line (cursor mode 128), the second for
// the reference segment that gives the direction (129).
bool StartPendingMoveToLine(bool parallel, bool reinforcement);
bool StartPickReferenceLine(const Cpp_Line* target);
// Moves the point onto the target line along the direction of the reference segment that
// starts at referenceFirst (parallel or perpendicular to it): the crossing nearest the point.
// When the direction misses the line, asks whether to designate another line: OK answers false
// and the step waits; Cancel ends the step and answers true (the point unchanged).
bool MovePointToTargetLine(s_tagTypePointXY& point, const Cpp_PointXY* referenceFirst);
// Ends a pending step: cursor mode 0, prompt bar and tool tip cleared, the tool prompt back.
void EndPendingStep();
