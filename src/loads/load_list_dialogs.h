#pragma once
// The list-style windows of the loads and the reinforcement lines (data-entry style 1), reached
// through one interface whose window is registered in LoadListDialogsSlot(); the stand-in
// cancels. The distributed and line loads use the records of their tables
// (loads/load_table_dialogs.h) with the same result; each answers true on OK.

#include "core/dialog_slot.h"
#include "loads/generated_reinforcement.h"
#include "loads/load_table_dialogs.h"

#include <vector>

// One reinforcement line as the list window holds it (no description): the maximum rotation in
// degrees, the force option 1 or 2, the points with their forces.
struct s_ReinforcementLineCopy {
    int number = 0;
    double angle = 0.0;
    int forceOption = 1;
    std::vector<s_ReinforcementLinePtType> points;
};

// "Reinforcement Line Data": the lines and the four display flags of the family.
struct s_ReinforcementLineListType {
    bool displayLines = false;
    bool displayPoints = false;
    bool displayLongitudinal = false;
    bool displayTransverse = false;
    std::vector<s_ReinforcementLineCopy> lines;
};

class Cpp_LoadListDialogs {
public:
    virtual ~Cpp_LoadListDialogs() = default;
    virtual bool EditDistributedLoads(s_DistributedLoadTable& table) = 0;
    virtual bool EditLineLoads(s_LineLoadTable& table) = 0;
    virtual bool EditReinforcementLines(s_ReinforcementLineListType& lines) = 0;
};

DialogSlot<Cpp_LoadListDialogs>& LoadListDialogsSlot();
