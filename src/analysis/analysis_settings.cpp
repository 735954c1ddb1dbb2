#include "analysis/analysis_settings.h"

namespace analysis_settings {

int CoordinateDecimals() { return 6; }
int LengthDecimals() { return 3; }
int AngleDecimals() { return 2; }
int ForceDecimals() { return 0; }
int UnitWeightDecimals() { return 2; }
int FactorOfSafetyDecimals() { return 3; }
s_AnalysisImbalanceDefaults ImbalanceDefaults() { return {}; }
double UnitWeightOfWater() { return 62.4; }

}  // namespace analysis_settings
