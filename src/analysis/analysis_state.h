#pragma once
// The program-wide state of the analysis subsystem back to its start (part of
// ResetProgramState): the display defaults, selection filters and tool flags of the analysis
// data.

void ResetAnalysisState();

void ResetAnalysisDisplayDefaults();  // analysis_computation_data.cpp
