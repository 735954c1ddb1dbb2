#pragma once
// The tool dialog bars of the main frame: each tool command of the main tool bar sets one edit
// mode (editing/edit_modes.h, app/commands/tool_commands.h) and shows the bar of that mode.

#include "editing/edit_modes.h"

namespace app {

// The tool dialog bars, in the order the frame creates them.
enum e_ToolBar : int {
    BarConstruction,
    BarProfile,
    BarPiezometric,
    BarInterpolation,
    BarDistributedLoad,
    BarLineLoad,
    BarReinforcement,
    BarSlope,
    BarCircle,
    BarNoncircular,
    BarRadius,
    BarCrack,
    BarGeogrids,
    BarNails,
    BarEditingMain,
    BarCount,
    BarNone = -1
};

// The bar shown in a mode; BarNone when the mode has none.
int ToolBarForMode(int mode);
// The bar's caption.
const char* ToolBarCaption(int bar);

}  // namespace app
