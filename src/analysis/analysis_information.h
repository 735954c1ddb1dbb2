#pragma once
// What the information window and the tool tips say about a picked analysis item: the item
// itself (trial circle, search area, fixed grid, radius items, tangent lines, noncircular
// surface, radius definitions) and, below it, the other analysis/computation data.

#include <string>

#include "analysis/analysis_picking.h"
#include "platform/info_window.h"

class Cpp_AnalysisComputationData;
class Cpp_FixedSearchGrid;
class Cpp_NoncircularShearSurface;
class Cpp_RadiusDefinition;
class Cpp_SideForceFunctions;
class Cpp_TangentLine;

// The page of a selected analysis item (hit.kind one of the analysis kinds, 56 to 59 the crack).
// False for another kind or when a number format cannot be made; without an information window
// nothing is written.
bool DescribeAnalysisSelection(platform::InfoWindowService& info,
                               const Cpp_AnalysisComputationData& a, const s_AnalysisHit& hit);

// The parts, each under parent where the item is not the selected one.
bool AddFixedGridInformation(platform::InfoWindowService& info, const Cpp_FixedSearchGrid& grid,
                             int kind, int selectedCorner);
bool AddTangentLineInformation(platform::InfoWindowService& info, platform::InfoItem parent,
                               const Cpp_TangentLine& line, int kind, int selectedIndex);
bool DescribeRadiusDefinition(platform::InfoWindowService& info, platform::InfoItem parent,
                              const Cpp_RadiusDefinition& d, int number, int kind,
                              int selectedIndex);
// search: a noncircular search (shift constraints shown) rather than an individual surface.
bool AddNoncircularInformation(platform::InfoWindowService& info, platform::InfoItem parent,
                               const Cpp_NoncircularShearSurface& surface, bool search, int kind,
                               int selectedIndex);
// The Morgenstern-Price f(x) (options 0, 1 and 7); false for the others.
bool DescribeSideForceFunctions(platform::InfoWindowService& info, platform::InfoItem parent,
                                const Cpp_SideForceFunctions& f);

// The tool tip of an analysis item under the cursor; false when the kind has none. An empty
// text for a kind that has a tip only in some modes.
bool AnalysisToolTip(const Cpp_AnalysisComputationData& a, const s_AnalysisHit& hit,
                     std::string& text);
