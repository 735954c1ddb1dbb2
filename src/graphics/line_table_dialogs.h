#pragma once
// The table dialogs that enter the points of lines, as the subsystems that own lines open
// them: the simple table of one line's x and y (the slope line, an individual noncircular slip
// surface). Each is held in a DialogSlot; the stand-in cancels.
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
