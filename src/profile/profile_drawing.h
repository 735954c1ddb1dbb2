#pragma once
// Drawing of the profile: material regions filled with their colours and patterns, profile lines,
// their points, point coordinates, number labels, the material-number labels of the regions and
// the check marks of the last data check.

#include "graphics/drawing_attributes.h"
#include "graphics/line_drawing.h"
#include "graphics/point_symbols.h"

#include <cstdint>
#include <functional>

class Cpp_ProfileLine;
class Cpp_ProfileLineList;
class Cpp_Line;

// The look of a material, when a material with the number exists: its own colour (when it has
// one) and its fill pattern. Registered by the materials.
struct s_MaterialAppearanceType {
    bool hasOwnColour = false;
    std::uint32_t colour = 0;
    int fillPattern = -2;
};
using MaterialAppearanceLookup = std::function<bool(int materialNumber, s_MaterialAppearanceType&)>;
void SetMaterialAppearanceLookup(MaterialAppearanceLookup lookup);

// The RGB colour and the fill pattern (-1 solid, 0 none, 1 and above a pattern) of a region.
platform::ColorRef GetFillColour(const Cpp_ProfileLine& line);
int GetFillPattern(const Cpp_ProfileLine& line);

// The drawing attributes of the profile.
const s_LinePenType& ProfileLinePen();
s_SymbolAttributesType ProfilePointAttributes();

bool DrawMaterialRegions(const Cpp_ProfileLineList& list, int patternScale, double floor);
bool DrawProfileLines(const Cpp_ProfileLineList& list);
bool DrawProfilePoints(const Cpp_ProfileLineList& list);
bool DrawProfilePointCoordinates(const Cpp_ProfileLineList& list);
bool DrawProfileLineNumbers(Cpp_ProfileLineList& list);
bool DrawMaterialNumbers(Cpp_ProfileLineList& list);
bool DrawProfileCheckMarks(const Cpp_ProfileLineList& list);
// The highlight of one selected region: XOR fill with pattern 23, screen only.
bool FillMaterialRegion(platform::DeviceContext& dc, const Cpp_ProfileLineList& list, double floor,
                        const Cpp_ProfileLine& line);
