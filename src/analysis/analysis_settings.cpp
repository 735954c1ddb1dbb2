#include "analysis/analysis_settings.h"

#include "core/preferences.h"

namespace analysis_settings {

int CoordinateDecimals() { return Cpp_KlivenSettings::CoordinateDecimals(); }
int LengthDecimals() { return Cpp_KlivenSettings::LengthDecimals(); }
int AngleDecimals() { return Cpp_KlivenSettings::AngleDecimals(); }
int ForceDecimals() { return Cpp_KlivenSettings::ForceDecimals(); }
int UnitWeightDecimals() { return Cpp_KlivenSettings::UnitWeightDecimals(); }
int FactorOfSafetyDecimals() { return Cpp_KlivenSettings::FactorOfSafetyDecimals(); }

s_AnalysisImbalanceDefaults ImbalanceDefaults() {
    s_AnalysisImbalanceDefaults d;
    Cpp_KlivenSettings::GetImbalanceTolerancesAndIterations(
        d.forceOption, d.forceImbalance, d.momentOption, d.momentImbalance, d.iterations,
        d.minimumWeight, d.maximumRadius);
    d.iterations = 100;
    return d;
}

double UnitWeightOfWater() { return Cpp_KlivenSettings::UnitWeightOfWater(); }

}  // namespace analysis_settings
