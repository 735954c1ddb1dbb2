#pragma once
// The preferences of the program in the application profile: loaded once at start-up, written by
// "Save Preferences". Besides the general preferences, the snap grid and the unit system, the
// display and scale settings of the loads and reinforcement are kept in their own sections
// ("DISTRIBUTED LOAD", "LINE LOAD", "REINFORCEMENT"); their owners register how they read and
// write them, and what "Save Preferences" writes is read back at the next start.

#include <functional>
#include <string>

namespace app {

// Reads (true) or writes (false) one owner's profile settings.
using ProfileSettingsExchange = std::function<void(bool read)>;
// Registers an owner's settings under a name; a second registration under the name replaces
// the first.
void RegisterProfileSettings(const std::string& name, ProfileSettingsExchange exchange);
void ClearProfileSettings();

// Start-up: the general preferences, the snap-grid defaults, the unit system, then every
// registered owner's settings.
bool LoadPreferences();
// "Save Preferences": every registered owner's settings, the snap-grid defaults, the general
// preferences and the unit system, then the profile is written to disk. False when it could not
// be written.
bool SavePreferences();

}  // namespace app
