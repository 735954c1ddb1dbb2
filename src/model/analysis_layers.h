#pragma once
// The analysis layer, the results layer and the tension-crack layer of the data set's drawing, and
// the display flags they follow. Called from the registration point
// (model/subsystem_registration.h).

void RegisterAnalysisDrawing();

// The largest values of the result diagrams from every data set's slices (when the drawing is
// fitted to the extents); their scales follow each fit of the mapping.
void UpdateSliceScaleMaxima();
