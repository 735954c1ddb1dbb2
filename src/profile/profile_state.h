#pragma once
// The display defaults and pick filters that the profile subsystem keeps for the whole program,
// back to their start (part of ResetProgramState); one part per file that keeps them.

void ResetProfileState();

void ResetProfileLineDefaults();    // profile_line.cpp
void ResetCrackPickFilters();       // crack.cpp
void ResetSlopeGeometryDefaults();  // slope_geometry.cpp
