#include "app/tool_bars.h"

namespace app {

int ToolBarForMode(int mode) {
    switch (mode) {
    case EditModeConstruction: return BarConstruction;
    case EditModeDistributedLoads: return BarDistributedLoad;
    case EditModeLineLoads: return BarLineLoad;
    case EditModeProfileLines: return BarProfile;
    case EditModePiezometricLines: return BarPiezometric;
    case EditModePressurePoints:
    case EditModeRSubUPoints:
    case EditModeStrengthPoints:
    case EditModeInterpolationSpare: return BarInterpolation;
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
    static const char* const captions[BarCount] = {"Construction Line Data Entry",
                                                   "Profile Line Data Entry",
                                                   "Piezometric Line Data Entry",
                                                   "Interpolation Point Data Entry",
                                                   "Distributed Load Data Entry",
                                                   "Line Load Data Entry",
                                                   "Reinforcement Line Data Entry",
                                                   "Slope Data Entry",
                                                   "Circle Data Entry",
                                                   "Analysis/Computation Data Entry",
                                                   "Radius Criteria Data Entry",
                                                   "Crack and Crack Water Data Entry",
                                                   "Geogrid Layout Entry",
                                                   "Nail Layout Entry",
                                                   "Preprocessor Edit Options"};
    return bar >= 0 && bar < BarCount ? captions[bar] : "";
}

}  // namespace app
