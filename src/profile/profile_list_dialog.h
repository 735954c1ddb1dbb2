#pragma once
// The list-style window of the profile lines (data-entry style 1): the lines go into the window
// as copies and come back on OK, in the window's order. The window is registered in
// ProfileLineListDialogSlot(); the stand-in cancels. The opener is
// Cpp_ProfileLineList::EditWithInputDialog (profile_line.h).

#include "core/dialog_slot.h"
#include "core/point_xy.h"

#include <string>
#include <vector>

struct s_ProfileLineCopy {
    int number = 0;
    int material = 0;
    std::string description;
    std::vector<s_tagTypePointXY> points;
};

class ProfileLineListDialog {
public:
    virtual ~ProfileLineListDialog() = default;
    // True with the lines as the user left them on OK; false on Cancel (lines untouched).
    virtual bool Run(std::vector<s_ProfileLineCopy>& lines) = 0;
};

DialogSlot<ProfileLineListDialog>& ProfileLineListDialogSlot();
