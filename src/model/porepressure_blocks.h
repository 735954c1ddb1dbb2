#pragma once
// The block readers of the pore-water-pressure data, registered with the reader dispatcher.

#include "registry/block_readers.h"

// PIE: the piezometric lines of the current stage.
bool ReadPiezometricLineBlock(s_BlockReadContext& context);
// INT: the interpolation data of the current stage.
bool ReadInterpolationBlock(s_BlockReadContext& context);
// EXT (document only): the point files of both stages.
bool ReadExternalFileBlock(s_BlockReadContext& context);

// Registers the writers of PIE and INT (per stage) and of the external-file records of the
// document, and whether the second stage holds piezometric lines or interpolation data.
void RegisterPorePressureBlockWriters();

// Registers how the point stresses of a data set get the pressure of a piezometric line and an
// interpolated pressure or r-sub-u value. Called by the start-up wiring of the reader and of the
// writer; calling it again changes nothing.
void RegisterPorePressureQueries();
