#pragma once
// The preference values the analysis data read and write with: the decimals of each quantity
// and the imbalance defaults of the current unit system. One place, so the analysis code asks
// the program's preferences through a single door.

struct s_AnalysisImbalanceDefaults {
    int forceOption = 1;
    double forceImbalance = 1e-5;
    int momentOption = 1;
    double momentImbalance = 1e-5;
    int iterations = 100;
    double minimumWeight = 100.0;
    double maximumRadius = 100000.0;
};

namespace analysis_settings {

int CoordinateDecimals();
int LengthDecimals();
int AngleDecimals();
int ForceDecimals();
int UnitWeightDecimals();
int FactorOfSafetyDecimals();
// Force and moment options and tolerances, the minimum weight and the maximum radius of the
// current unit system; the iteration limit is always 100.
s_AnalysisImbalanceDefaults ImbalanceDefaults();
// The unit weight of water of the current unit system.
double UnitWeightOfWater();

}  // namespace analysis_settings
