#pragma once
// The tool dialog bars of the main frame: each tool command of the main tool bar sets one edit
// mode (editing/edit_modes.h, app/commands/tool_commands.h) and shows the bar of that mode. The
// bars themselves, their order and which one is shown are in editing/tool_dialog_bars.h.

#include "editing/edit_modes.h"
#include "editing/tool_dialog_bars.h"

namespace app {

using ::e_ToolBar;
using enum ::e_ToolBar;
using ::ToolBarCaption;
using ::ToolBarForMode;

}  // namespace app
