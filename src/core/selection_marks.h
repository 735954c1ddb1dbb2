#pragma once
// The marks of a selected item on the screen: a small inverted square and the marker of four
// such squares around a point. Both invert the pixels (exclusive-or with white), so drawing a
// mark a second time at the same place removes it. Pixel coordinates; the squares never
// overlap, so every pixel of a marker is inverted exactly once.
//
// Every highlight of a point, a label frame or a load end uses these two; nothing else draws a
// selection square.

#include "platform/device_context.h"

// Inverts the 4 x 4 pixel square from (x - 2, y - 2) to (x + 2, y + 2), right and bottom edges
// excluded. A null device context is a programming fault: throws Cpp_TextException
// "EXCEPTION: Cpp_Selection::DrawSelectionSquare".
void DrawSelectionSquare(int x, int y, platform::DeviceContext* dc);

// Four selection squares centred at (x - 3, y + 3), (x + 3, y + 3), (x + 3, y - 3) and
// (x - 3, y - 3), in this order. Null device context: as DrawSelectionSquare.
void DrawSelectionMarker(int x, int y, platform::DeviceContext* dc);

// The pixels a selection square or a marker at (x, y) touches (right and bottom excluded).
platform::DeviceRect SelectionSquareBounds(int x, int y);
platform::DeviceRect SelectionMarkerBounds(int x, int y);
