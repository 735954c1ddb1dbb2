#pragma once
// Finding the analysis items under the cursor with the pick record of every hit test: the grid
// corners and the grid or search area as a whole, the fixed point, the horizontal tangent line
// and the radius line of the trial circle, the trial arc or noncircular segment, the centre or a
// noncircular point, the radius definitions of a fixed-grid search and the points and segments
// of the tangent lines. Ranked tests replace an earlier hit only when strictly nearer.

#include <vector>

#include "core/point_xy.h"
#include "graphics/pick.h"

class Cpp_AnalysisComputationData;
class Cpp_FixedSearchGrid;
class Cpp_RadiusDefinition;
class Cpp_TangentLine;

// Item kinds of the analysis items.
enum e_AnalysisPickKind : int {
    PICK_PRESCRIBED_RADIUS = 7,
    PICK_FIXED_POINT = 40,
    PICK_GRID_CORNER = 46,
    PICK_SEARCH_GRID = 48,
    PICK_HORIZONTAL_TANGENT = 52,
    PICK_CIRCLE_CENTRE = 53,
    PICK_NONCIRCULAR_POINT = 54,
    PICK_SLIP_SURFACE_SEGMENT = 55,
    PICK_DEFINITION_RADIUS = 93,
    PICK_DEFINITION_FIXED_POINT = 94,
    PICK_DEFINITION_HORIZONTAL_TANGENT = 95,
    PICK_DEFINITION_TANGENT_POINT = 96,
    PICK_DEFINITION_TANGENT_SEGMENT = 97,
    PICK_TANGENT_POINT = 142,
    PICK_TANGENT_SEGMENT = 144,
};

// One candidate: its kind, the point hit, and by kind the corner number (46), the radius
// definition's number (93 to 97), and the index of the point or of the segment's first point in
// its list (54, 55, 96, 97, 142, 144).
struct s_AnalysisHit {
    int kind = 0;
    s_tagTypePointXY point;
    int number = 0;
    int index = -1;
};

// The tests of the analysis data; each needs data and the shape it belongs to.
bool HitTestFixedGrid(const Cpp_AnalysisComputationData& a, s_PickType& pick, s_AnalysisHit& hit);
bool HitTestCenter(const Cpp_AnalysisComputationData& a, s_PickType& pick);
bool HitTestThroughPoint(const Cpp_AnalysisComputationData& a, s_PickType& pick,
                         s_AnalysisHit& hit);
bool HitTestTangentLine(const Cpp_AnalysisComputationData& a, s_PickType& pick, s_AnalysisHit& hit);
bool HitTestRadiusLine(const Cpp_AnalysisComputationData& a, s_PickType& pick, s_AnalysisHit& hit);
// Circles: near the arc between its end points (the whole circle while the end points are not
// this circle's), not ranked. Noncircular: the nearest segment within the tolerance.
bool HitTestSlipSurfaceLine(const Cpp_AnalysisComputationData& a, s_PickType& pick,
                            s_AnalysisHit& hit);
// Circles: the centre (53); noncircular: the nearest point (54).
bool HitTestSlipSurfacePoints(const Cpp_AnalysisComputationData& a, s_PickType& pick,
                              s_AnalysisHit& hit);

// The fixed grid: its used corners (ranked), and the inside of a quadrilateral or the
// neighbourhood of a line (not touching the record).
bool HitTestGridCorner(const Cpp_FixedSearchGrid& grid, s_PickType& pick, int& corner,
                       s_tagTypePointXY& point);
bool HitTestGridArea(const Cpp_FixedSearchGrid& grid, const s_PickType& pick);

// A radius definition for the centre (x, y); a hit sets the record's found flag. index: the
// point of an irregular tangent line.
bool HitTestRadiusDefinition(const Cpp_RadiusDefinition& d, s_PickType& pick, bool centreDefined,
                             double x, double y, int& index);
bool HitTestRadiusDefinitionSegment(const Cpp_RadiusDefinition& d, s_PickType& pick, int& index);

// Nearest point and nearest segment of a tangent line's points within the tolerance (ranked).
bool HitTestTangentPoint(const Cpp_TangentLine& line, s_PickType& pick, int& index);
bool HitTestTangentSegment(const Cpp_TangentLine& line, s_PickType& pick, int& index);

// The analysis candidates in their order of the full hit test (centre, noncircular point,
// tangent point, fixed point / horizontal tangent / radius line, radius definitions, grid
// corner, arc or segment, tangent segment, grid area), each under its display flag. Point
// kinds are left out with segmentsOnly, segment kinds with pointsOnly, the others with either.
std::vector<s_AnalysisHit> FindAnalysisCandidates(const Cpp_AnalysisComputationData& a, double x,
                                                  double y, double tolerance,
                                                  bool pointsOnly = false,
                                                  bool segmentsOnly = false);
