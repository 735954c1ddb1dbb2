#pragma once
// The edit modes of the main frame: which drawing tool receives the view's mouse and keys. Each
// tool command of the main tool bar sets one mode and shows the tool dialog bar of that mode.
// The numbers are kept by the editing code and must not change.

namespace app {

enum e_EditMode : int {
    EditModeNone = 0,
    EditModeSelect = 1,
    EditModeConstruction = 2,
    EditModeDistributedLoads = 3,
    EditModeLineLoads = 4,
    EditModeMaterials = 5,
    EditModeProfileLines = 6,
    EditModePiezometricLines = 7,
    EditModePressurePoints = 8,
    EditModeRSubUPoints = 9,
    EditModeStrengthPoints = 10,
    EditModeSlopeLine = 12,
    EditModeReinforcement = 13,
    EditModeCircle = 14,
    EditModeNoncircular = 15,
    EditModeRadius = 16,
    EditModeCrack = 17,
    EditModeCrackWater = 18,
};

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

// The mode a tool command sets; 0 for any other command.
int EditModeForCommand(int command);
// The bar shown in a mode; BarNone when the mode has none.
int ToolBarForMode(int mode);
// The bar's caption.
const char* ToolBarCaption(int bar);
// The tool commands in the order their buttons are pressed and released.
inline constexpr int kToolCommands[] = {32833, 32836, 32896, 32897, 32952, 32829, 32830,
                                        32907, 32908, 32910, 32886, 32832, 32977, 32978,
                                        32979, 32981, 32982, 32990, 32991};

}  // namespace app
