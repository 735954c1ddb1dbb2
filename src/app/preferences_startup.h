#pragma once
// The preferences of the program in the application profile: loaded once at start-up, written by
// "Save Preferences". Besides the general preferences, the snap grid and the unit system, the
// display and scale settings of the loads and reinforcement are kept in their own sections
// ("DISTRIBUTED LOAD", "LINE LOAD", "REINFORCEMENT"); what "Save Preferences" writes of them is
// read back at the next start.

namespace app {

// Start-up: the general preferences, the snap-grid defaults, the unit system, then the display
// and scale settings of the loads and reinforcement.
bool LoadPreferences();
// "Save Preferences": the display and scale settings of the loads and reinforcement (the current
// data set's, or the defaults without one), the snap-grid defaults, the general preferences and
// the unit system, then the profile is written to disk. False when it could not
// be written.
bool SavePreferences();

}  // namespace app
