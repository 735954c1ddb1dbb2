#pragma once
// The program-wide state of the pore-pressure subsystem back to its start (part of
// ResetProgramState): the triangulation's globals, the contour points being worked on, the
// display defaults and pick flags; one part per file that keeps them.

void ResetPorePressureState();

void ResetPiezometricDisplayDefaults();    // piezometric_line.cpp
void ResetPiezometricPickFlags();          // piezometric_drawing.cpp
void ResetInterpolationDisplayDefaults();  // interpolation_data.cpp
