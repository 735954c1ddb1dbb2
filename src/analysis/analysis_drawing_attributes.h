#pragma once
// The look of the analysis items: layer names, line widths, colours, marker sizes and point
// symbols of the initial trial slip surface, its centre and points, the noncircular search
// points, the search grid, the radius definitions and the tangent lines. Program-wide records,
// built once and never edited by the user.

#include "graphics/drawing_attributes.h"
#include "graphics/line_drawing.h"
#include "graphics/point_symbols.h"

namespace analysis_look {

// Palette indices of the analysis items.
constexpr int kGrey = 3;
constexpr int kDarkRed = 5;

// "Initial_Slip_Surface_Center": radius lines to the end points, and the centre symbol (16) of
// 25 pt for the single centre or 5 pt for each circle of the circle list.
const s_LinePenType& CentreLinePen();
s_SymbolAttributesType CentreSymbol(bool singleCentre);
// Whether the radius lines from the centre to the end points are drawn (on).
bool RadiusLinesShown();

// "Initial_Slip_Surface_Line": the arc or the noncircular polyline.
const s_LinePenType& SlipSurfaceLinePen();
// "Initial_Slip_Surface_Points": 5 pt circles.
s_SymbolAttributesType SlipSurfacePointSymbol();

// Shift markers of the noncircular search points: width and colour.
const s_LineWidthType& SearchPointWidth();
s_ColorType SearchPointColour();

// "Search_Grid": the floating search area and the fixed grid.
const s_LinePenType& SearchGridPen();

// "Radius Definition": the fixed point (15 pt, symbol 16) and the radius lines.
s_SymbolAttributesType RadiusPointSymbol();
const s_LineWidthType& RadiusLineWidth();
s_ColorType RadiusColour();
const char* RadiusLayer();

// "Tangent Line": the line and the points of an irregular line (5 pt).
const s_LinePenType& TangentLinePen();
s_SymbolAttributesType TangentPointSymbol();

// The composite attribute of the initial trial surface (line and points), as the editing tools
// of the noncircular surface ask for it.
s_DrawAttributesType SlipSurfaceDisplayAttributes();
// The same of the tangent lines.
s_DrawAttributesType TangentLineDisplayAttributes();

}  // namespace analysis_look
