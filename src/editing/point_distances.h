#pragma once
// Distances and stresses at selected points: "Edit/Compute Distance" measures from the first
// selected point to a second point or a line segment picked next and moves a point to honour
// a changed distance; "Compute Overburden Pressure" and "Compute Pore Water Pressure" show the
// value at the selected point in a message box.
//
// The functions work on world points: the caller (the view's input row of cursor mode 80, the
// candidate menu, the view's command handlers) takes the points from the selection items and
// moves the item the result names.

#include "core/dialog_slot.h"
#include "core/point_xy.h"

class Cpp_Kliven4DataSet;
class Cpp_Selection;

// "Distance between selected points". option: 0 distances are fixed, 1 the total distance can
// be changed, 2 the horizontal/vertical distance can be changed; pointToChange 0 the first,
// 1 the second.
struct s_PointsDistanceValues {
    double total = 0.0;
    double horizontal = 0.0;
    double vertical = 0.0;
    int option = 0;
    int pointToChange = 0;
};

// "Distance between point and line". option: 0 fixed, 1 perpendicular, 2 horizontal,
// 3 vertical; a distance that does not exist is 0 with its flag clear.
struct s_PointLineDistanceValues {
    double perpendicular = 0.0;
    double horizontal = 0.0;
    double vertical = 0.0;
    bool perpendicularExists = false;
    bool horizontalExists = false;
    bool verticalExists = false;
    int option = 0;
    int whatMoves = 0;
};

class Cpp_DistanceDialogs {
public:
    virtual ~Cpp_DistanceDialogs() = default;
    // True on OK; the values as left in the window.
    virtual bool RunBetweenPoints(s_PointsDistanceValues& values) = 0;
    virtual bool RunPointAndLine(s_PointLineDistanceValues& values) = 0;
};
// The registered windows; the stand-in cancels.
DialogSlot<Cpp_DistanceDialogs>& DistanceDialogsSlot();

// Which point moves where after the dialog; moves is false when nothing is to move.
struct s_DistanceMove {
    bool moves = false;
    int which = 0;  // 0 the first (or the point of a point and a line), 1 the second
    s_tagTypePointXY to;
};

// "Edit/Compute Distance": prompt 1305, tool tip 1306, cursor mode 80. True.
bool StartComputeDistance();
// Escape in cursor mode 80: the prompt cleared, cursor mode 0. True.
bool CancelDistanceTool();
// The dialog on two points; true when it was confirmed and any move is possible (an old total
// of 0 cannot be scaled). Ends the tool (cursor mode 0) whatever the outcome.
bool ComputeDistanceFromSelection(const s_tagTypePointXY& first, const s_tagTypePointXY& second,
                                  s_DistanceMove& move);
// The dialog on a point and the segment a-b; true when confirmed. Only the point can move.
bool ComputeDistancePointToLine(const s_tagTypePointXY& point, const s_tagTypePointXY& a,
                                const s_tagTypePointXY& b, s_DistanceMove& move);

// The pressure at the point in a message box; false (after the computation's own error box)
// when it cannot be computed. The pore pressure uses the stage when it is 1 or 2, else the
// current stage.
bool ComputeOverburdenPressureAtSelection(const Cpp_Kliven4DataSet& dataSet, double x, double y);
bool ComputePoreWaterPressureAtSelection(const Cpp_Kliven4DataSet& dataSet, double x, double y,
                                         int stage);

// The same steps on selection items, as the view and its commands use them.
// "Edit/Compute Distance" with the picked item: from the first item of the current selection to
// the picked point (or segment); the point to move goes through the selection mover. False when
// the current selection is empty, either item has no point (or segment), the dialog was
// cancelled or the move failed. Ends the tool whatever the outcome. moved (when given) tells
// whether an item was moved.
bool ComputeDistanceToPicked(const Cpp_Selection* picked, bool* moved = nullptr);
// The pressures at the first item of the current selection: a construction point in the
// current data set, any other item in its own; false without an item or data set.
bool ComputeOverburdenPressureOfSelection();
bool ComputePoreWaterPressureOfSelection();
