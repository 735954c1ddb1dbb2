#pragma once
// Registers the drawing of the profile (regions, lines, points, labels) and the slope at their
// layers of the data set's drawing. Called once at start-up.

void RegisterProfileDrawingLayers();
