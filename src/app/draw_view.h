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

// Makes the world window show all data, the construction lines and the current data set's
// nails and geogrids (the previous extents stay when there are none), refreshes the largest
// values of the arrow scales and marks the scale stale; the caller redraws.
void ZoomToExtents();

// The view changed size (a bar appeared or went, the window was resized): the scale stays and
// the world point at the centre of the view stays there. The next drawing fits a world window
// of the new size about that point. Before the first fit the whole window is fitted instead.
void KeepScaleAndCentre(const Cpp_Graphics::ViewWindow& window);
// The world window becomes what the view shows now (after the wheel zoomed or scrolled), so a
// later refit of the same view (arrow scales, a repaint after a dialog) keeps it.
void KeepShownWindow();

// The scroll range: the union of the data extents and what is shown. False without a data set.
bool GetScrollLimits(double& xLow, double& xHigh, double& yLow, double& yHigh);
// The width and height of the world window shown. False without a data set.
bool GetVisibleWindowSize(double& width, double& height);
// The position a scroll thumb would take at the far end of its range.
inline constexpr int kScrollLimit = 1000;
// Scrolls by the scroll-bar codes of each axis: 0 a line up or left (a tenth of the area inside
// the axes), 1 a line down or right, 2 and 3 a page, 5 to the thumb position (0 to
// kScrollLimit); any other code leaves the axis. A horizontal step wins over a vertical one.
// True when the view moved; the caller repaints.
bool ScrollView(const Cpp_Graphics::ViewWindow& window, int position, int horizontal, int vertical);

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
