#pragma once
// Drawing the interpolation data of a stage: triangles, point symbols, contours with their
// labels, and value labels, each kind in its own look and under its display flags; picking of
// points and triangles; the tool tip at the cursor and the information page of a selected point
// or triangle.

#include <string>

#include "graphics/drawing_attributes.h"
#include "platform/info_window.h"
#include "porepressure/triangulation_drawing.h"

class Cpp_InterpolationData;
class Cpp_InterpolationDataSet;
class Cpp_Triangle;
class Cpp_VERTEX;
struct s_DisplayFlagsType;
struct s_PickType;

// The look of a kind (1 to 6) in a stage (1 or 2).
struct s_InterpolationLook {
    int symbol = 12;
    s_ColorType pointColour;  // also the contour colour
    s_ColorType triangleColour;
    s_MarkerSizeType symbolSize = s_MarkerSizeType(static_cast<short>(6));
    s_LineWidthType pointWidth = s_LineWidthType(static_cast<short>(1));
    s_LineWidthType triangleWidth = s_LineWidthType(static_cast<short>(1));
    s_LineWidthType contourWidth = s_LineWidthType(static_cast<short>(1));
    s_LineWidthType majorContourWidth = s_LineWidthType(static_cast<short>(3));
    s_FontType labelFont = s_FontType("Arial", 8);
    s_ColorType labelColour = s_ColorType(1, 7);
    std::string layerName;
    std::string valueLayerName;
};
s_InterpolationLook InterpolationLook(int kind, int stage);
// The options of the step-by-step redraw with a kind's look, all switches on.
TriangulationDrawOptions InterpolationDrawOptions(int kind, int stage);

// Whether a kind's items are shown in a stage (kinds 3 and 4 share the strength flag, 5 and 6
// the flag of the remaining kinds), and whether a data set of it is drawn (all of them, or only
// those marked for display).
bool InterpolationKindShown(const s_DisplayFlagsType& flags, int kind, int stage);
bool InterpolationDataSetShown(const s_DisplayFlagsType& flags, const Cpp_InterpolationDataSet& set,
                               int stage);

// The drawing steps of one kind of a stage's data, each only under its display flag.
void DrawInterpolationTriangles(Cpp_InterpolationData& data, int kind,
                                const s_DisplayFlagsType& flags);
void DrawInterpolationPointSymbols(Cpp_InterpolationData& data, int kind,
                                   const s_DisplayFlagsType& flags);
void DrawInterpolationContourLines(Cpp_InterpolationData& data, int kind,
                                   const s_DisplayFlagsType& flags);
void DrawInterpolationContourLabels(Cpp_InterpolationData& data, int kind,
                                    const s_DisplayFlagsType& flags);
void DrawInterpolationValueLabels(Cpp_InterpolationData& data, int kind,
                                  const s_DisplayFlagsType& flags);

// The vertex nearest the pick position when it lies in the pick box and nearer than the hit
// the record already holds (the record then keeps its distance); null otherwise.
Cpp_VERTEX* HitTestInterpolationPoint(Cpp_InterpolationDataSet& set, s_PickType& pick);
// The triangle holding the position; none for a data set whose hull holds one or two vertices.
Cpp_Triangle* HitTestInterpolationTriangle(Cpp_InterpolationDataSet& set, double x, double y);

// The value at the cursor as a tool tip ("U: 12.50", "H: ...", "ru: ...", "Su: ...",
// "c/p: ...", "Unit Wt.: ...") with its tool-tip code (3 to 7); false outside the
// triangulation.
bool GetInterpolationToolTipText(Cpp_InterpolationDataSet& set, double x, double y,
                                 std::string& text, int& code, double& value);

// The information page of a selected point (vertex) or triangle of the data set.
bool AddInterpolationInformation(platform::InfoWindowService& info, Cpp_InterpolationDataSet& set,
                                 const Cpp_VERTEX* vertex, const Cpp_Triangle* triangle);
