#pragma once
// The loads, reinforcement, nails and geogrids at their layers of the data set's drawing, their
// display flags taken from the data set's record, and their arrow scales recomputed with the
// view mapping.

// Registers the layers, the display-flag owner and the scale participant; again after the
// drawing state was reset. Sets the largest values from the data when none was set yet.
void RegisterLoadDrawingLayers();

// The largest distributed load, line load and reinforcement force over all data sets become
// the largest values of their scales (at start-up, zoom to extents, after data dialogs).
void UpdateLoadScaleMaxima();
// Forgets the largest values found (part of ResetProgramState).
void ResetLoadScaleMaxima();
