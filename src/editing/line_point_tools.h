#pragma once
// The point tools of any polyline (construction, profile, piezometric, slope lines and the
// like): add a point at an end, insert a point on a segment, drag a point, drag a segment,
// delete a point or a segment and erase a whole line. One tool runs at a time; the selection's
// edit commands or a line kind's own code start it on a line and a point, the view's input
// (view_dispatch.cpp) delivers moves, clicks and keys by cursor mode, and after a full paint of
// the view the running tool draws its rubber band again.
//
// Feedback is drawn straight on the view: rubber bands in XOR (green for adding and inserting,
// grey for dragging; drawn twice they are gone), changed segments and point symbols with the
// editing attributes of the kind, erasure in the background colour. Every tool ends with
// cursor mode 0.
//
//     Cpp_LineTool::StartAddPointAtEnd(line, line->LastPoint(), LINEKIND_PROFILE,
//                                      Cpp_ProfileTool::GetDisplayAttributes());   // mode 82
//     Cpp_LineTool::AddPointAtEndMouseMove(px, py, x, y);
//     Cpp_LineTool::AddPointAtEnd(x, y);                                           // mode 0
//
// Kinds (e_LineKind): 1 construction, 2 profile, 3 piezometric, 4 slope, 5 reinforcement,
// 6 slip surface, 7 tangent line.

#include "core/point_xy.h"
#include "graphics/drawing_attributes.h"
#include "platform/device_context.h"

#include <functional>

class Cpp_Line;

class Cpp_LineTool {
public:
    // The attributes the changed segments and symbols are drawn with (also for the deletes).
    static void SetEditingAttributes(const s_DrawAttributesType& attributes);

    // Add a point at an end. The new point goes before the end point when that is the line's
    // first point, else after it. Cursor mode 81, 82, 83, 84, 87 or 88 for kinds 1 to 4, 6, 7
    // (kind 5 leaves the mode as it is).
    static bool StartAddPointAtEnd(Cpp_Line* line, Cpp_PointXY* endPoint, int kind,
                                   const s_DrawAttributesType& attributes);
    static bool AddPointAtEndMouseMove(int bandX, int bandY, double x, double y);
    // Links the point, draws the new segment, renumbers the line and ends the tool.
    static bool AddPointAtEnd(double x, double y);
    // With fromBar the point typed in the construction bar (false when it holds none).
    static bool AddPointAtEndFromBar(double x, double y, bool fromBar);
    // With fromBar the point typed in the profile bar.
    static bool AddPointAtEndFromBar2(double x, double y, bool fromBar);
    static void CancelAddPointAtEnd();
    static void RedrawAddPointRubberBand(platform::DeviceContext& dc);

    // Insert a point on the segment that starts at segmentStart. Cursor mode 112, 114, 115,
    // 117, 118 or 119 for kinds 1 to 4, 6, 7; kind 5 is refused (false).
    static bool StartInsertPointOnSegment(Cpp_Line* line, Cpp_PointXY* segmentStart, int kind,
                                          const s_DrawAttributesType& attributes);
    static bool InsertMouseMove(int bandX, int bandY, double x, double y);
    // With link a new point (x, y) is linked into the segment and the line renumbered; without,
    // the caller puts its own point there. The segments through (x, y) are drawn either way.
    static bool CompleteInsertOnSegment(double x, double y, bool link);
    static bool InsertOnSegmentFromBar(double x, double y, bool link, bool fromBar);
    static bool InsertOnSegmentFromBar2(double x, double y, bool link, bool fromBar);
    // Escape or Backspace while inserting.
    static void EndEditRubberBand();
    static void RedrawEditRubberBand(platform::DeviceContext& dc);

    // Drag a point grabbed at pixel (px, py). Cursor mode 89 or 92 to 97 for kinds 1 to 7;
    // other kinds false.
    static bool StartDragPoint(Cpp_Line* line, int kind, int px, int py, Cpp_PointXY* point,
                               const s_DrawAttributesType& attributes);
    static bool SetDragPosition(int mouseX, int mouseY, int bandX, int bandY, double x, double y);
    // Moves the point to (x, y) with useGiven, else to where the band is.
    static bool DropDraggedPoint(double x, double y, bool useGiven);
    // With fromBar the construction bar's (profile bar's for ...2) point, else the band's.
    static bool DropPointFromBar(bool fromBar);
    static bool DropPointFromBar2(bool fromBar);
    static bool CancelDragPoint();
    static void RedrawDragRubberBand(platform::DeviceContext& dc);

    // Drag a segment grabbed at pixel (px, py): cursor mode 102.
    static bool StartDragSegment(Cpp_Line* line, int px, int py, Cpp_PointXY* segmentStart,
                                 const s_DrawAttributesType& attributes);
    static bool DragSegmentMouseMove(int px, int py);
    static bool DropDraggedSegment();
    static bool CancelDragSegment();

    // Deletes one point (the joining segment drawn in its place); the line is not renumbered.
    // Whether a point or the whole line goes is Cpp_LineList::DeletePoint's choice.
    static bool DeletePoint(Cpp_Line* line, Cpp_PointXY* point);
    // Deletes both end points of the segment.
    static bool DeleteSegment(Cpp_Line* line, Cpp_PointXY* segmentStart);
    // Erases the line on the view and frees its points and description.
    static bool EraseInWindow(Cpp_Line* line);

    // -----------------------------------------------------------------------------------------
    // Editing tools: exact changes of a segment or a point, started by the selection's edit
    // commands; each ends with cursor mode 0.

    // Change a segment's length: "Enter length of line" preset with the length now; OK ->
    // "Choose end point to move." and cursor mode 139; Cancel -> false.
    static bool StartChangeLength(Cpp_Line* line, Cpp_PointXY* segmentStart,
                                  const s_DrawAttributesType& attributes);
    // The end nearer the click (the first on a tie) moves along the segment's direction.
    static bool ChangeLengthClick(double x, double y);
    // Change a segment's slope: "Choose end point to move.", cursor mode 140. redrawAll: the
    // whole view is drawn again after the change.
    static bool StartChangeSlope(Cpp_Line* line, Cpp_PointXY* segmentStart,
                                 const s_DrawAttributesType& attributes, bool redrawAll);
    // The click picks the moving end and asks "Enter slope of line". False on Cancel (tool
    // ended) and when the slope asked cannot be made (tool kept: the next click asks again).
    static bool ChangeSlopeClick(double x, double y);
    // Escape while changing the slope.
    static void CancelEditTool();

    // Extend a point to a line (or, targetIsSegment, to the infinite line of a segment):
    // "Choose line to extend to", cursor mode 110.
    static bool StartExtendToLine(bool targetIsSegment, Cpp_Line* line, Cpp_PointXY* point,
                                  const s_DrawAttributesType& attributes);
    // The target picked. An end point is extended at once (true); a point with two neighbours
    // asks for the segment giving the direction (cursor mode 111, false).
    static bool ExtendChooseDirection(Cpp_Line* target, Cpp_PointXY* targetSegmentStart);
    // The click on the segment giving the direction (false when it is not one of the point's).
    static bool ExtendToLineClick(double x, double y);
    // Moves point along the line from directionPoint through it onto the target. When it
    // misses, asks whether to designate another target: Cancel ends the tool (true), OK keeps
    // it waiting for a target (false, cursor mode 110).
    static bool ExtendToLine(Cpp_PointXY* point, Cpp_PointXY* directionPoint);
    static void EndExtendTool();

    // Make a segment parallel (or perpendicular) to another: "Choose line to be parallel to",
    // cursor mode 122; the target picked: "Choose end to adjust", cursor mode 123; the click
    // picks the end that moves, the length stays.
    static bool StartMakeParallel(bool parallel, Cpp_Line* line, Cpp_PointXY* segmentStart,
                                  const s_DrawAttributesType& attributes, bool redrawAll);
    static bool StartAdjustEnd(Cpp_Line* target, Cpp_PointXY* targetSegmentStart);
    static bool AdjustEndClick(double x, double y);
    // Escape while choosing the line.
    static void ClearEditPrompt();

    // Split a segment: the tool finds the position (with splitter, on the segment under a line
    // across the view perpendicular to it); the caller sets its cursor mode (132 to 135) and
    // cuts its line there.
    static bool StartSplitLine(const s_DrawAttributesType& attributes, Cpp_Line* line,
                               Cpp_PointXY* segmentStart, bool splitter);
    static bool SplitMouseMove(int bandX, int bandY, double x, double y,
                               s_tagTypePointXY& position);
    // position: in the point typed (used with useGiven, unless in splitter mode), out the
    // split position.
    static bool CompleteSplit(s_tagTypePointXY& position, bool useGiven);
    static void CancelSplit();
    static bool RedrawSplitRubberBand(platform::DeviceContext& dc);
    static bool SplitterLineMode();

    // Point moves. Snap horizontally (direction 1) or vertically (2) onto the infinite line of
    // the target segment; a target along the direction is refused with an "Error" box.
    static bool SnapPointHorizontalOrVertical(int direction, const s_DrawAttributesType& attributes,
                                              Cpp_Line* line, Cpp_PointXY* point,
                                              Cpp_PointXY* targetSegmentStart);
    static bool MovePointToSnapPosition(Cpp_Line* line, Cpp_PointXY* point,
                                        const s_tagTypePointXY& position,
                                        const s_DrawAttributesType& attributes);
    // applyPendingMove moves a copy of the point by the pending distance move (false: it could
    // not, and nothing changes).
    static bool MovePointByDistance(Cpp_Line* line, Cpp_PointXY* point,
                                    const s_DrawAttributesType& attributes,
                                    const std::function<bool(Cpp_PointXY&)>& applyPendingMove);
    static bool MovePointTo(Cpp_Line* line, double x, double y, Cpp_PointXY* point,
                            bool toggleMarker, const s_DrawAttributesType& attributes);
    // Moves the point between its neighbours on the view: marker off, symbol and segments
    // erased, moved, drawn again, marker on.
    static void RedrawAfterEdit(Cpp_Line* line, Cpp_PointXY* before, Cpp_PointXY* point,
                                Cpp_PointXY* after, const s_tagTypePointXY& position);

    // The line and point of the running tool (null when none runs).
    static Cpp_Line* EditedLine();
    static Cpp_PointXY* EditedPoint();
    // The segment being inserted into or split (its first point; null when none).
    static Cpp_PointXY* EditedSegmentStart();
    // Whether a point tool (add, insert, drag, drag segment) runs.
    static bool IsActive();

    // Ends whichever point or editing tool runs, its band erased (another tool was chosen).
    static void CancelTool();
    // Before Zoom Window starts: the band erased and the step remembered; the view's next
    // paint brings the step back with its band.
    static void EraseBandBeforeZoom();

    // run is called once when the next tool that ends is a tool on line (after its change, with
    // cursor mode 0); a tool on another line ending first drops it.
    static void WhenToolEnds(const Cpp_Line* line, std::function<void()> run);

    // Registers the band redraws with the view's painting (once).
    static void RegisterDrawing();
    static void Reset();
};

// Ends the split tool and gives the split position: the tool's, or with fromBar the bar's X and
// Y. False (the tool going on) when the bar holds no point or the splitter line is in use.
template <class Bar>
bool CompleteSplitFromBar(Bar& bar, bool fromBar, s_tagTypePointXY& position) {
    if (fromBar && (Cpp_LineTool::SplitterLineMode() || !bar.GetPoint(position.x, position.y)))
        return false;
    return Cpp_LineTool::CompleteSplit(position, fromBar);
}
