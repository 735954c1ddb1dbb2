#pragma once
// The preference values that the number formats and the echo listing read.
//
// These values belong to the preferences (Cpp_KlivenSettings, core/preferences.*): without a
// registered source, CurrentOutputSettings() answers the preferences of the current unit system
// (whose accessors throw their text exceptions for a unit system other than 1 to 3). A test may
// register a source of its own with SetOutputSettingsSource. Callers always ask
// CurrentOutputSettings() and never keep a copy, so a change of preferences or unit system takes
// effect at once.
//
//     int d = CurrentOutputSettings().coordinateDecimals;

#include <functional>

struct s_OutputSettings {
    bool showFullPath = true;  // echo-table header prints the input file with its full path
    int coordinateDecimals = 6;
    int lengthDecimals = 3;
    int forceDecimals = 0;
    int stressDecimals = 1;
    int unitWeightDecimals = 2;
    int angleDecimals = 2;
    int cpRatioDecimals = 3;
    int rSubUDecimals = 3;
    int factorOfSafetyDecimals = 3;
};

// The current values: those of the registered source, else the defaults above.
s_OutputSettings CurrentOutputSettings();
// Registers the source of the current values (an empty function returns to the defaults).
void SetOutputSettingsSource(std::function<s_OutputSettings()> source);
