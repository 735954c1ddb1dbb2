#pragma once
// Painting the whole problem view on a device context: the fit of the world window into the
// rectangle (with the axis band), the axes, the current data set in its layer order, and on the
// screen the snap grid. The same routine serves the screen, the printed page and the clipboard
// picture.

#include "platform/device_context.h"

class Cpp_Kliven4DataSet;

// The drawing state of a new view: the drawing layers of every subsystem (RegisterDrawingLayers),
// palette, dash patterns, the grid settings of the profile, the page defaults and the world
// window 0 to 1000 in x and y.
void InitializeViewDrawing();

// Paints the view into rect. Output mode: 3 screen (also the clipboard picture), 4 printer.
// Never throws.
void PaintProblemView(platform::DeviceContext& dc, const platform::DeviceRect& rect,
                      Cpp_Kliven4DataSet* dataSet, int outputMode, int unitSystem);
// "Zoom All": the given extents become the data extents and the world window, and the next
// paint refits (the fit leaves a tenth of an inch free on every side).
void ZoomToExtents(double xmin, double xmax, double ymin, double ymax);
