#pragma once
// "Rescale coordinates": the user picks two points of the drawing and types the coordinates
// they must have; every coordinate of the data set is mapped by x' = a x + b, y' = c y + d,
// the two maps that carry the old points onto the new ones.
//
//     RescaleCoordinates::Start();                          // cursor mode 10
//     RescaleCoordinates::FirstPointClick(dataSet, p1);     // cursor mode 11
//     if (RescaleCoordinates::SecondPointClick(p2)) redraw; // questions, dialog, rescale
//
// The picks reach these functions as world points of point items (the view's input rows of
// cursor modes 10 and 11 pick the item and pass its point).

#include "core/dialog_slot.h"
#include "core/point_xy.h"

#include <string>

class Cpp_Kliven4DataSet;

// Old and new coordinates of the two points; a coordinate that is not rescaled keeps a = 1,
// b = 0 (or c = 1, d = 0).
struct s_RescaleValues {
    s_tagTypePointXY old1, old2;
    s_tagTypePointXY new1, new2;
    bool rescaleX = true;
    bool rescaleY = true;
};

// a, b, c, d from the values; false (nothing set) when a rescaled coordinate has equal old
// values or a result is not finite.
bool RescaleCoefficients(const s_RescaleValues& values, double& a, double& b, double& c, double& d);
// Why the values cannot rescale ("" when they can): what the dialog refuses before it closes.
std::string RescaleValuesProblem(const s_RescaleValues& values);

// "Rescale coordinates" on the values; true on OK (the values as left in the window).
class Cpp_RescaleDialog {
public:
    virtual ~Cpp_RescaleDialog() = default;
    virtual bool Run(s_RescaleValues& values) = 0;
};
// The registered window; the stand-in cancels.
DialogSlot<Cpp_RescaleDialog>& RescaleDialogSlot();

class RescaleCoordinates {
public:
    // Without points already chosen: cursor mode 10 and the first prompt. True.
    static bool Start();
    // The first point: remembered with its data set; cursor mode 11 and the second prompt.
    static bool FirstPointClick(Cpp_Kliven4DataSet* dataSet, const s_tagTypePointXY& point);
    // The second point: Apply, then cursor mode 0 and the prompts cleared; Apply's result.
    static bool SecondPointClick(const s_tagTypePointXY& point);
    // Both points given at once (two point items already selected).
    static bool StartWithPoints(Cpp_Kliven4DataSet* dataSet, const s_tagTypePointXY& first,
                                const s_tagTypePointXY& second);
    // The questions, the dialog and the rescaling of the remembered data set, its construction
    // items and the drawing's data range; true when the data were rescaled.
    static bool Apply();
    // Program-wide state back to idle.
    static void Reset();
};
