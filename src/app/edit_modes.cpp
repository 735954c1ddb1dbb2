#include "app/edit_modes.h"

namespace app {

int EditModeForCommand(int command) {
    switch (command) {
    case 32833: return EditModeSelect;
    case 32836: return EditModeConstruction;
    case 32896: return EditModeDistributedLoads;
    case 32897: return EditModeLineLoads;
    case 32952: return EditModeMaterials;
    case 32829: return EditModeProfileLines;
    case 32830: return EditModePiezometricLines;
    case 32907: return EditModePressurePoints;
    case 32908: return EditModeRSubUPoints;
    case 32910: return EditModeStrengthPoints;
    case 32886: return EditModeSlopeLine;
    case 32832: return EditModeReinforcement;
    case 32977: return EditModeCircle;
    case 32978: return EditModeNoncircular;
    case 32979: return EditModeRadius;
    case 32981: return EditModeCrack;
    case 32982: return EditModeCrackWater;
    default: return EditModeNone;
    }
}

int ToolBarForMode(int mode) {
    switch (mode) {
    case EditModeConstruction: return BarConstruction;
    case EditModeDistributedLoads: return BarDistributedLoad;
    case EditModeLineLoads: return BarLineLoad;
    case EditModeProfileLines: return BarProfile;
    case EditModePiezometricLines: return BarPiezometric;
    case EditModePressurePoints:
    case EditModeRSubUPoints:
    case EditModeStrengthPoints: return BarInterpolation;
    case EditModeSlopeLine: return BarSlope;
    case EditModeReinforcement: return BarReinforcement;
    case EditModeCircle: return BarCircle;
    case EditModeNoncircular: return BarNoncircular;
    case EditModeRadius: return BarRadius;
    case EditModeCrack:
    case EditModeCrackWater: return BarCrack;
    default: return BarNone;
    }
}

const char* ToolBarCaption(int bar) {
    static const char* const captions[BarCount] = {
        "Construction Line Data Entry",   "Profile Line Data Entry",
        "Piezometric Line Data Entry",    "Interpolation Point Data Entry",
        "Distributed Load Data Entry",    "Line Load Data Entry",
        "Reinforcement Line Data Entry",  "Slope Data Entry",
        "Circle Data Entry",              "Analysis/Computation Data Entry",
        "Radius Criteria Data Entry",     "Crack and Crack Water Data Entry",
        "Geogrid Layout Entry",           "Nail Layout Entry",
        "Preprocessor Edit Options"};
    return bar >= 0 && bar < BarCount ? captions[bar] : "";
}

}  // namespace app
