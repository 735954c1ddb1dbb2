#pragma once
// The tool buttons of the main tool bar: the edit mode each one sets and the order in which
// their buttons are shown pressed or released.

#include "core/command_ids.h"
#include "editing/edit_modes.h"

namespace app {

// The mode a tool command sets; EditModeNone for any other command.
int EditModeForCommand(int command);

// The tool commands in the order their buttons are pressed and released.
inline constexpr int kToolCommands[] = {
    ID_SELECT_ITEMS,
    ID_ENTER_CONSTRUCTION_LINES,
    ID_ENTER_DISTRIBUTED_LOADS,
    ID_ENTER_LINE_LOADS,
    ID_ENTER_MATERIAL_PROPERTIES,
    ID_ENTER_PROFILE_LINES,
    ID_ENTER_PIEZOMETRIC_LINES,
    ID_ENTER_PRESSURE_INTERPOLATION_POINTS,
    ID_ENTER_RSUBU_INTERPOLATION_POINTS,
    ID_ENTER_STRENGTH_INTERPOLATION_POINTS,
    ID_ENTER_SLOPE_LINE,
    ID_ENTER_REINFORCEMENT_LINES,
    ID_ENTER_CIRCULAR_SLIP_SURFACE,
    ID_ENTER_NONCIRCULAR_SLIP_SURFACE,
    ID_ENTER_RADIUS_INFORMATION,
    ID_ENTER_TENSION_CRACK,
    ID_ENTER_WATER_IN_CRACK,
    ID_ENTER_NAIL_DATA,
    ID_ENTER_GEOGRID_DATA,
};

}  // namespace app
