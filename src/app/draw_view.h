#pragma once
// Drawing the whole view into any device context (the view's image, a printer page, the
// clipboard picture), and the world window that it shows: the mapping set up before every
// drawing, zoom to the extents of the data, and the view's first set-up.
//
//     app::InitializeView();                          // once, after the preferences are loaded
//     app::DrawView(dc, clientRect, window, false);   // every paint
//     app::ZoomToExtents();                           // after a file was read; then redraw

#include "graphics/graphics.h"
#include "platform/device_context.h"

namespace app {

// The union of the extents of every data set from every source; false when none has any.
bool ExtentsOfAllDataSets(Cpp_Graphics::WorldRect& extents);

// The largest distributed load, line load and reinforcement force of all data sets become the
// largest values of their arrow scales.
void RefreshLargestValues();

// Makes the world window show all data (the previous extents stay when there are none),
// refreshes the largest values of the arrow scales and marks the scale stale; the caller
// redraws.
void ZoomToExtents();

// Fits the world window into the rectangle of the device (one scale for x and y) and computes
// the grid positions inside it.
bool SetUpViewMapping(platform::DeviceContext& dc, const platform::DeviceRect& rect,
                      Cpp_Graphics::ViewWindow* window, bool printing);

// Draws the axes, the current data set and, except when printing, the snap grid. Nothing is
// drawn before InitializeView. Every exception is reported and ends the drawing; what was drawn
// stays. True when the drawing completed.
bool DrawView(platform::DeviceContext& dc, const platform::DeviceRect& rect,
              Cpp_Graphics::ViewWindow* window, bool printing);

// The view's first set-up: print page defaults, the palette, a world window of 0 to 1000, the
// grid defaults of the unit system. Marks the view initialised.
void InitializeView(Cpp_Graphics::ViewWindow* window);
bool ViewInitialized();
// Back to the state before the first set-up (tests).
void ResetView();

}  // namespace app
