#pragma once
// Drawing of the analysis items on the current device context: the initial trial slip surface
// (arc or polyline) and its points, the shift markers of a noncircular search, the centre of the
// trial circle with its radius lines, the radius items (radius arrow, fixed point, tangent line,
// radius definitions), the floating search area and the fixed grid; the highlights of a selected
// analysis item. (The analysis layer of the data set's drawing is model/analysis_layers.h.)

#include "graphics/line_drawing.h"
#include "graphics/point_symbols.h"
#include "platform/device_context.h"

class Cpp_AnalysisComputationData;
class Cpp_Circle;
class Cpp_FixedSearchGrid;
class Cpp_NoncircularShearSurface;
class Cpp_RadiusDefinition;
class Cpp_RadiusDefinitionList;
class Cpp_TangentLine;
struct s_tagTypePointXY;

// The items of the analysis data, each only with data and with the slip-surface shape it
// belongs to. normal false erases (the device context's background colour).
bool DrawSlipSurfacePoints(const Cpp_AnalysisComputationData& a, bool normal = true);
// The arc runs between the stored end points of the trial circle only while both lie on the
// current circle; otherwise (not found yet, or left from an earlier circle) the whole circle is
// drawn. The noncircular polyline is not printed.
bool DrawSlipSurface(const Cpp_AnalysisComputationData& a, bool normal = true);
bool DrawNoncircularSearchPoints(const Cpp_AnalysisComputationData& a, bool normal = true);
bool DrawCenter(const Cpp_AnalysisComputationData& a);
bool DrawRadiusItems(const Cpp_AnalysisComputationData& a, bool normal = true);
bool DrawSearchGrid(const Cpp_AnalysisComputationData& a);

// Whether two end points lie on the circle (within a relative 1e-7 of its radius).
bool EndPointsOnCircle(const Cpp_Circle& circle, const s_tagTypePointXY& first,
                       const s_tagTypePointXY& second);

// The fixed grid: a quadrilateral as its grid lines, a line with a tick across it at each centre
// position. A count below 2 draws the outline (quadrilateral) or the bare line.
bool DrawFixedSearchGrid(const Cpp_FixedSearchGrid& grid, const s_LinePenType& pen);
// A line: dots at its end points; a quadrilateral: filled in XOR with fill pattern 23, so a
// second drawing removes it.
bool DrawFixedSearchGridHighlighted(platform::DeviceContext& dc, const Cpp_FixedSearchGrid& grid);

// A tangent line: a horizontal one across the visible x range, an irregular one as its polyline
// and point symbols.
bool DrawTangentLine(const Cpp_TangentLine& line, const s_LinePenType& pen,
                     const s_SymbolAttributesType& points);
bool DrawTangentLineStandard(const Cpp_TangentLine& line, bool normal = true);

// A radius definition for the centre (x, y): the radius arrow (only with a defined centre), the
// fixed point's symbol, or the tangent line.
bool DrawRadiusDefinition(const Cpp_RadiusDefinition& d, double x, double y, bool centreDefined,
                          bool normal = true);
bool DrawRadiusDefinitions(const Cpp_RadiusDefinitionList& list, double x, double y,
                           bool centreDefined);

// Shift markers of a noncircular search: two opposed arrows at a moveable point (its own
// direction when given, else at right angles to the surface), a triangle under a fixed point;
// moveable end points get none.
bool DrawShiftMarkers(const Cpp_NoncircularShearSurface& surface, const s_LineWidthType& width,
                      const s_ColorType& colour, bool normal = true);
// The marker of point i alone, whichever point it is (an end point's direction from its one
// segment); normal false draws it in the background colour.
bool DrawShiftMarker(const Cpp_NoncircularShearSurface& surface, int i,
                     const s_LineWidthType& width, const s_ColorType& colour, bool normal = true);
// The direction at right angles to the surface at point i, in radians, from the directions of
// the neighbouring segments (a vertical segment is as good as any).
double SurfaceNormalDirection(const Cpp_NoncircularShearSurface& surface, int i);

// Highlights: A the floating search area (XOR rectangle) or the fixed grid; B dots at the two
// end points of the trial circle.
bool DrawSelectedItemA(const Cpp_AnalysisComputationData& a, platform::DeviceContext& dc);
bool DrawSelectedItemB(const Cpp_AnalysisComputationData& a, platform::DeviceContext& dc);
