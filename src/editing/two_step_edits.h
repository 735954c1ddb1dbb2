#pragma once
// The edit commands on the selection that need a second item picked in the view: "Move Point
// a Distance" (horizontally, vertically, from a point, from a line, perpendicular from a
// line), "Move to Line Parallel / Perpendicular", "Snap Horizontally / Vertically", "Snap to
// Point" and "Make Parallel / Perpendicular to Line". The command checks the first selected
// item's kind, prompts and sets the cursor mode of the second step; the click of that mode
// picks the item under the cursor into the pick list and completes the step. The moves report
// the change through the view (ViewInputHost::DataChanged) and draw it again.
//
//     StartSnapSelection(1);                        // cursor mode 136
//     SnapClick(view, x, y);                        // the picked segment's line

#include "editing/view_input.h"

class Cpp_Selection;

// "Move Point a Distance": modes 1 and 2 move at once (true when moved); the other modes start
// their step (true).
bool StartMovePointDistance(ViewInputHost& view, int mode);
// Asks the distance and moves every selected item by the pending move; false on Cancel (the
// step stays as it was).
bool MoveSelectedPointsByDistance(ViewInputHost& view);
// The clicks of cursor modes 125 (a reference point) and 126 (a reference line) at the world
// point; true when an item was found there.
bool MoveDistanceFromPointClick(ViewInputHost& view, double x, double y);
bool MoveDistanceFromLineClick(ViewInputHost& view, double x, double y);
// The click of cursor mode 127 (a horizontal or vertical move against a picked segment; no
// command starts it): the move goes on only in the perpendicular mode. Always false.
bool MoveDistanceModeThreeFourClick(ViewInputHost& view, double x, double y);

// "Move to Line": refused (false) unless the first selected item is a point that can move to a
// line; then the clicks of cursor modes 128 (the target line) and 129 (the reference segment).
bool StartMoveToLine(bool parallel);
bool MoveToLineFirstClick(double x, double y);
bool MoveToLineSecondClick(ViewInputHost& view, double x, double y);

// "Make Parallel to Line" and "Make Perpendicular to Line": more than one item selected is
// refused with the notice; otherwise the line tool starts on the selected segment (cursor mode
// 122) and the click there picks the segment to be parallel to (cursor mode 123 follows).
bool MakeParallelOrPerpendicular(bool parallel);
bool PickParallelReferenceLine(double x, double y);

// "Extend to Line" (false) and "Extend to Line Segment" (true) on a selected line point
// (cursor mode 110); the click picks the line to extend to.
bool ExtendToLine(bool toSegment);
bool ExtendToSelectedLineClick(ViewInputHost& view, double x, double y);

// "Change Length of Segment" and "Change Slope of Segment" on the first selected item.
bool StartChangeSegmentLength();
bool StartChangeSegmentSlope();

// "Split Line at Point" on a selected profile or piezometric point (true); "Split Line at
// Segment" (splitter) and "Split Line with New Point" start the split of the selected segment
// (cursor modes 132 to 135).
bool SplitLineAtPoint(ViewInputHost& view);
bool SplitLineAtSegment(bool splitter);

// "Snap Horizontally" (1) and "Snap Vertically" (2): cursor mode 136 for the kinds that can
// snap, else false. The click snaps every selected item onto the picked segment's line; a
// segment parallel to the snap direction is refused with its message for every item and the
// step stays.
bool StartSnapSelection(int direction);
bool SnapSelectedPointsToPickedLine(ViewInputHost& view, const Cpp_Selection& picked);
bool SnapClick(ViewInputHost& view, double x, double y);
// "Snap to Point" (cursor mode 137): every selected item onto the picked point.
bool StartSnapToPoint();
bool SnapToPointClick(ViewInputHost& view, double x, double y);
// Escape in the steps above.
bool CancelSelectionTool();

// The steps above as operations of the view's dispatch table (view_dispatch.cpp): the clicks
// of cursor modes 125 to 129, 129, 136 and 137 and Escape in them.
struct s_InputCall;
namespace view_edit_steps {
void MoveFromPointClick(s_InputCall& call);
void MoveFromLineClick(s_InputCall& call);
void MoveModeThreeFourClick(s_InputCall& call);
void MoveToLineTargetClick(s_InputCall& call);
void MoveToLineReferenceClick(s_InputCall& call);
void SnapLineClick(s_InputCall& call);
void SnapPointClick(s_InputCall& call);
void ParallelReferenceClick(s_InputCall& call);
void ExtendTargetClick(s_InputCall& call);
void EndStep(s_InputCall& call);
}  // namespace view_edit_steps
