#pragma once
// The list-style window of the piezometric lines of one stage (data-entry style 1): the lines go
// into the window as copies and come back on OK, in the window's order. The window is registered
// in PiezometricLineListDialogSlot(); the stand-in cancels. The opener is
// Cpp_PiezometricLineList::EditWithInputDialog (piezometric_line.h).

#include "core/dialog_slot.h"
#include "core/point_xy.h"

#include <string>
#include <vector>

struct s_PiezometricLineCopy {
    int number = 0;
    double unitWeight = 0.0;
    std::string description;
    std::vector<s_tagTypePointXY> points;
};

class PiezometricLineListDialog {
public:
    virtual ~PiezometricLineListDialog() = default;
    // The stage's lines; a new working line starts with unitWeightOfWater. True with the lines as
    // the user left them on OK; false on Cancel (lines untouched).
    virtual bool Run(int stage, double unitWeightOfWater,
                     std::vector<s_PiezometricLineCopy>& lines) = 0;
};

DialogSlot<PiezometricLineListDialog>& PiezometricLineListDialogSlot();
