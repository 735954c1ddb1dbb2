#pragma once
// The table of one kind of interpolation points of a stage ("Interpolation Data - Pressure
// Values - Stage 1" ...), or the point file they are taken from, reached through
// InterpolationGridDialogSlot(); the stand-in cancels.

#include "core/dialog_slot.h"
#include "porepressure/interpolation_data.h"

#include <array>
#include <string>
#include <vector>

// What the table shows and gives back. The import groups: 0 a generic point file, 1 a
// GMS/SEEP2D export, 2 a SEEP/W export (the last two for pressures only); at most one is set.
struct s_InterpolationTable {
    enum { kGeneric = 0, kSeep2d = 1, kSeepW = 2, kGroups = 3 };
    int kind = 1;
    int stage = 1;
    int source = 0;  // where the points came from: 0 entered, 1 generic, 2 SEEP2D, 3 SEEP/W
    std::vector<InterpolationPtType> points;
    std::array<bool, kGroups> import{};
    std::array<bool, kGroups> read{};
    std::array<std::string, kGroups> fileName;
};

class InterpolationGridDialog {
public:
    virtual ~InterpolationGridDialog() = default;
    virtual bool Run(s_InterpolationTable& table) = 0;
};

DialogSlot<InterpolationGridDialog>& InterpolationGridDialogSlot();
// The list-style window of data-entry style 1 ("Interpolation Data"): the same record, with a
// source of -1 for points whose source is unknown.
DialogSlot<InterpolationGridDialog>& InterpolationListDialogSlot();
