#pragma once
// The shift-direction tools of a point of a noncircular search surface: the direction given by
// a vector from the point to a click (cursor mode 130, a white XOR arrow following the cursor),
// or parallel to a line picked next (131). Either makes the point moveable in that direction.
//
//     Cpp_ShiftDirectionTool::StartParallelToLine(&surface, 2);   // "Choose line shift ..."
//     Cpp_ShiftDirectionTool::SetMoveDirectionFromPickedSegment(picked);   // mode 0

#include "core/cursor_mode.h"
#include "platform/device_context.h"

class Cpp_NoncircularShearSurface;
class Cpp_Selection;

class Cpp_ShiftDirectionTool {
public:
    // Point index (0-based) of the surface; the cursor pixel the arrow starts to.
    static bool StartDirectionTool(Cpp_NoncircularShearSurface* surface, int index, int px, int py);
    static void ShiftToolMouseMove(int px, int py);
    // The angle from the point to (x, y), in degrees from -180 to 180.
    static bool DirectionToolClick(double x, double y);
    static void CancelDirectionTool();

    static bool StartParallelToLine(Cpp_NoncircularShearSurface* surface, int index);
    // A line segment picked (kinds 8, 55, 80, 86, 100, 134, 144): its direction; false for
    // anything else (the tool goes on).
    static bool SetMoveDirectionFromPickedSegment(const Cpp_Selection& picked);
    // The point becomes moveable at the angle (degrees), the direction no longer computed.
    static bool FinishMoveableSetting(double angleDegrees);
    static void CancelShiftTool();

    static void Repaint(platform::DeviceContext& dc);
    static void RegisterDrawing();
    static void Reset();
};

// The commands of "Set Constraint for Shifting" on the first selected item, a point of a
// noncircular surface (nothing, false, for any other item). "Fixed" and "Moveable - Direction
// Computed" set the point's constraint (angle 0) and report the change to the view; "Moveable -
// Set Direction" starts the direction tool with the arrow to the last cursor pixel; "Moveable -
// Set Parallel to Line" the parallel tool.
class ViewInputHost;
bool SetSelectedPointConstraint(ViewInputHost& view, bool moveable, bool directionComputed);
bool SetMoveableDirection(ViewInputHost& view);
bool SetMoveableParallelToLine();
