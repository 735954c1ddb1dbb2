#pragma once
// Drawing of the slope geometry: the slope line with its ground symbols, the slope points, the
// tension crack and the water in it (both hatched), and the crack and water points of a crack
// given by points.

#include "graphics/drawing_attributes.h"

class Cpp_SlopeGeometry;
class Cpp_Crack;

// The slope line and point attributes for the point tools.
s_DrawAttributesType GetSlopeDisplayAttributes();

bool DrawSlopeLine(const Cpp_SlopeGeometry& geometry);
bool DrawSlopePoints(const Cpp_SlopeGeometry& geometry);
// The crack bottom with vertical hatching up to the slope (crack option 1 to 4).
bool DrawTensionCrack(const Cpp_SlopeGeometry& geometry, const Cpp_Crack& crack);
// The water surface with hatching down to the crack bottom.
bool DrawCrackWaterSurface(const Cpp_SlopeGeometry& geometry);
// The crack's own lines through its points (option 4 only): false with fewer than two points.
bool DrawCrackBottom(const Cpp_Crack& crack, bool highlight);
bool DrawWaterSurface(const Cpp_Crack& crack, bool highlight);
