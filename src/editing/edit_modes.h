#pragma once
// The edit modes: which drawing tool receives the view's mouse and keys while no step of a tool
// is under way (cursor mode 0). The frame holds the current one and changes it through its tool
// commands; the view input dispatches on it. The numbers are fixed and never reordered.

enum e_EditMode : int {
    EditModeNone = 0,  // before the first tool is chosen
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
    // Never set (no command leads to it); leaving it and Enter treat it as an interpolation
    // mode, a click does nothing.
    EditModeInterpolationSpare = 11,
    EditModeSlopeLine = 12,
    EditModeReinforcement = 13,
    EditModeCircle = 14,
    EditModeNoncircular = 15,
    EditModeRadius = 16,
    EditModeCrack = 17,
    EditModeCrackWater = 18,
    // The nail and geogrid placing tools.
    EditModeNails = 19,
    EditModeGeogrids = 20,
};
