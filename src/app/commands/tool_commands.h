#pragma once
// The tool buttons of the main tool bar: the edit mode each one sets and the order in which
// their buttons are shown pressed or released (the rows of tool_commands.cpp).

#include "core/command_ids.h"
#include "editing/edit_modes.h"

#include <span>

namespace app {

// The mode a tool command sets; EditModeNone for any other command.
int EditModeForCommand(int command);

// The tool commands, one per tool button, in the order their buttons are pressed and released.
std::span<const int> ToolCommandIds();

}  // namespace app
