#pragma once
// The table dialogs of the loads of one stage, reached through one interface whose window is
// registered in LoadTableDialogsSlot(); the stand-in cancels. Each works on the record it is
// given and answers true on OK.

#include "core/dialog_slot.h"
#include "loads/distributed_load_data.h"
#include "loads/line_load.h"

#include <vector>

// "Distributed Loads - Stage N": the load points, or the piezometric line they come from.
struct s_DistributedLoadTable {
    int stage = 1;
    bool fromPiezometricLine = false;
    int piezometricLine = 1;  // read back only when fromPiezometricLine is set
    std::vector<s_DistributedLoadPoint> points;
};

// "Line Load Data - Stage N": one record per load in table order.
struct s_LineLoadTable {
    int stage = 1;
    std::vector<s_LineLoadType> loads;
};

class Cpp_LoadTableDialogs {
public:
    virtual ~Cpp_LoadTableDialogs() = default;
    virtual bool EditDistributedLoads(s_DistributedLoadTable& table) = 0;
    virtual bool EditLineLoads(s_LineLoadTable& table) = 0;
};

DialogSlot<Cpp_LoadTableDialogs>& LoadTableDialogsSlot();
