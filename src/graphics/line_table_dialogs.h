#pragma once
// The table dialogs that enter the points of lines, as the subsystems that own lines open
// them: the simple table of one line's x and y (the slope line, an individual noncircular slip
// surface), and the table of a whole family of lines (the profile lines, the piezometric lines
// of a stage, the reinforcement lines). Each is held in a DialogSlot; the stand-in cancels.
//
//     s_XYLineTable table{"Enter points for slope geometry", points, 0};
//     if (SimpleXYLineGridDialogSlot().Get().Run(table)) ... table.points ...

#include "core/dialog_slot.h"
#include "core/point_xy.h"

#include <string>
#include <vector>

// What the simple x-y table shows and gives back: the caption, the points in order and the
// largest number of points allowed (0: no limit).
struct s_XYLineTable {
    std::string caption;
    std::vector<s_tagTypePointXY> points;
    int maximumPoints = 0;
};

class SimpleXYLineGridDialog {
public:
    virtual ~SimpleXYLineGridDialog() = default;
    // True on OK with the table's points in `table.points`; false on Cancel, which leaves the
    // table as it was.
    virtual bool Run(s_XYLineTable& table) = 0;
};

DialogSlot<SimpleXYLineGridDialog>& SimpleXYLineGridDialogSlot();

// One point of a line in the family table; the forces belong to reinforcement lines only.
struct s_LineFamilyPoint {
    double x = 0.0;
    double y = 0.0;
    double longitudinalForce = 0.0;
    double transverseForce = 0.0;
    friend bool operator==(const s_LineFamilyPoint&, const s_LineFamilyPoint&) = default;
};

// A copy of one line with the attributes of every kind; each kind uses its own: the material
// number (profile), the unit weight of fluid (piezometric), the maximum rotation in degrees and
// the force option 1 or 2 (reinforcement).
struct s_LineFamilyLine {
    int number = 0;
    int materialNumber = 0;
    double unitWeight = 0.0;
    double maximumRotation = 0.0;
    int forceOption = 1;
    std::string description;
    std::vector<s_LineFamilyPoint> points;
    friend bool operator==(const s_LineFamilyLine&, const s_LineFamilyLine&) = default;
};

// What the family table shows and gives back. `fields` are the values the line fields show while
// no line is current (an empty family): a piezometric family starts with line 1 and the unit
// weight of water, a reinforcement family with line 1.
struct s_LineFamilyTable {
    enum e_Kind { Profile = 2, Piezometric = 3, Reinforcement = 5 };
    int kind = Profile;
    int stage = 0;  // the piezometric lines' stage, for the caption
    std::vector<s_LineFamilyLine> lines;
    s_LineFamilyLine fields;
    bool displayLines = true;
    bool displayPoints = true;
    bool displayLongitudinalForce = true;  // reinforcement only
    bool displayTransverseForce = true;    // reinforcement only
    bool clearCoordinatesWhenNew = true;
};

class LineFamilyGridDialog {
public:
    virtual ~LineFamilyGridDialog() = default;
    // True on OK with the lines (every one checked, in the dialog's order) and the display flags
    // in `table`; false on Cancel, which leaves the table as it was.
    virtual bool Run(s_LineFamilyTable& table) = 0;
};

DialogSlot<LineFamilyGridDialog>& LineFamilyGridDialogSlot();
