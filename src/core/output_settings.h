#pragma once
// The preference values that the number formats and the echo listing read.
//
// These values belong to the preferences (Cpp_KlivenSettings, core/preferences.*). The
// preferences register where the current values come from with SetOutputSettingsSource; until
// they do, CurrentOutputSettings() answers the built-in defaults of a fresh profile below
// (the decimals of the English unit system). Callers always ask CurrentOutputSettings() and never
// keep a copy, so a change of preferences or unit system takes effect at once.
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
