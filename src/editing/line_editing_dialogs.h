#pragma once
// The small windows the line editing tools ask for one number or one choice: the new length of
// a segment ("Enter length of line"), its new slope ("Enter slope of line"), a distance to move
// a point ("Enter distance to move"), the value of a picked interpolation point ("Edit Value"),
// and what becomes of a split profile or piezometric line ("Information for New Profile Line",
// "Information for New Piezometric Line"). The user interface registers the windows in
// LineEditingDialogsSlot(); the stand-in cancels every one, which changes nothing.
//
//     double length = 5.0;                        // the segment's length now
//     if (LineEditingDialogsSlot().Get().EnterLength(length)) ...   // the length typed

#include "core/cursor_mode.h"
#include "core/dialog_slot.h"
#include "core/point_xy.h"

#include <string>

// Where "Edit Value" goes on the screen: screen size, the picked point's position on the screen
// and where the right click was.
struct s_EditValuePlacement {
    int screenWidth = 0;
    int screenHeight = 0;
    s_PixelPoint point;
    s_PixelPoint click;
};
// The top left corner of the window of the given size: its left edge at the click when the
// click lies right of the point (else its right edge there), its top edge at the click when the
// click lies below the point (else its bottom edge there); then held 5 pixels inside the screen.
s_PixelPoint EditValueWindowPosition(const s_EditValuePlacement& placement, int width, int height);

// The label and message of "Enter distance to move" by the kind of move (1 horizontally,
// 2 vertically, 5 and 6 from a point, 7 to 9 from a line); other kinds: "Distance:" and none.
std::string MoveDistanceLabel(int kind);
std::string MoveDistanceMessage(int kind);

// What the user chooses for a split profile line. In: the split line's material and the
// proposed new material, the default description; out: the choice and the values typed.
struct s_ProfileSplitInformation {
    int splitLineMaterial = 0;
    int newMaterial = 0;     // the proposed one; after OK the number in the field
    int materialChoice = 1;  // 0 the split line's, 1 the proposed new one, 2 the number typed
    bool leftPortionNew = false;
    std::string description;
};
// The same for a piezometric line: the new line's number is only shown.
struct s_PiezometricSplitInformation {
    int newNumber = 0;
    bool leftPortionNew = false;
    std::string description;
};

class LineEditingDialogs {
public:
    virtual ~LineEditingDialogs() = default;
    // "Enter length of line", "New length:" preset with length.
    virtual bool EnterLength(double& length) = 0;
    // "Enter slope of line": format 0 angle in degrees, 1 dx/dy, 2 dy/dx; the value in that
    // format; rule 0 both x and y (length constant), 1 x only, 2 y only.
    virtual bool EnterSlope(int& format, double& value, int& rule) = 0;
    // "Enter distance to move" with the label and message of the kind of move.
    virtual bool EnterMoveDistance(const std::string& label, const std::string& message,
                                   double& distance) = 0;
    // "Edit Value": the value with its label (shown followed by ":").
    virtual bool EditValue(const std::string& label, const s_EditValuePlacement& placement,
                           double& value) = 0;
    // "Information for New Profile Line" and "Information for New Piezometric Line".
    virtual bool ProfileSplit(s_ProfileSplitInformation& information) = 0;
    virtual bool PiezometricSplit(s_PiezometricSplitInformation& information) = 0;
};
DialogSlot<LineEditingDialogs>& LineEditingDialogsSlot();

// "Enter distance to move" for a kind of move, opening with 1.0: true with the distance after OK.
bool RunMoveDistanceDialog(int kind, double& distance);
