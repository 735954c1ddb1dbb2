#include "core/output_settings.h"

#include <utility>

#include "core/preferences.h"

namespace {
std::function<s_OutputSettings()>& Source() {
    static std::function<s_OutputSettings()> source;
    return source;
}
}  // namespace

// Without a registered source the values are the preferences of the current unit system.
s_OutputSettings CurrentOutputSettings() {
    auto& source = Source();
    if (source) return source();
    s_OutputSettings settings;
    settings.showFullPath = Cpp_KlivenSettings::ShowFullPath();
    settings.coordinateDecimals = Cpp_KlivenSettings::CoordinateDecimals();
    settings.lengthDecimals = Cpp_KlivenSettings::LengthDecimals();
    settings.forceDecimals = Cpp_KlivenSettings::ForceDecimals();
    settings.stressDecimals = Cpp_KlivenSettings::StressDecimals();
    settings.unitWeightDecimals = Cpp_KlivenSettings::UnitWeightDecimals();
    settings.angleDecimals = Cpp_KlivenSettings::AngleDecimals();
    settings.cpRatioDecimals = Cpp_KlivenSettings::CpRatioDecimals();
    settings.rSubUDecimals = Cpp_KlivenSettings::RSubUDecimals();
    settings.factorOfSafetyDecimals = Cpp_KlivenSettings::FactorOfSafetyDecimals();
    return settings;
}

void SetOutputSettingsSource(std::function<s_OutputSettings()> source) {
    Source() = std::move(source);
}
