#pragma once
// The windows that enter the analysis/computation data, as the analysis data reach them: one
// interface per dialog family, each held in a DialogSlot (core/dialog_slot.h). The launchers,
// members of Cpp_AnalysisComputationData, fill a record from a copy of the data, run the window
// on it and store the record back only after OK. The stand-ins cancel.

#include "analysis/fixed_search_grid.h"
#include "analysis/noncircular_shear_surface.h"
#include "analysis/radius_definition.h"
#include "core/dialog_slot.h"
#include "core/point_xy.h"

#include <string>
#include <vector>

// "Main Analysis/Computation Dialog" and "Select Type of Computations". Shape index 0 circles,
// 1 noncircular; type index: the position in the list of computation types of the shape
// (-1 none chosen).
class AnalysisMainDialogs {
public:
    virtual ~AnalysisMainDialogs() = default;
    virtual bool MainInput(int& shapeIndex, int& typeIndex) = 0;
    virtual bool ModeOfComputations(bool circular, int& typeIndex) = 0;
};
DialogSlot<AnalysisMainDialogs>& AnalysisMainDialogsSlot();

// The radius controls shared by the circle dialogs: option 0 value of radius, 1 point through
// which the circle passes, 2 tangent line (kind 0 horizontal, 1 irregular with its points).
struct s_RadiusFieldsType {
    int option = -1;
    double radius = 0.0;
    double fixedX = 0.0;
    double fixedY = 0.0;
    int tangentKind = -1;
    double tangentElevation = 0.0;
    std::vector<s_tagTypePointXY> tangentPoints;
};

// "Input for Individual Circle" (the centre is the circle's) and "Input for Type 1 \"Floating
// Grid\" Search with Circles" (the centre is the start centre, with the search limits).
struct s_CircleInputType {
    double centreX = 0.0;
    double centreY = 0.0;
    s_RadiusFieldsType radius;
    double minimumSpacing = 0.0;
    double minimumDepth = 0.0;
    bool centreLimitOn = false;
    double centreLimitElevation = 0.0;
    bool rejectInverted = false;
};

class CircleInputDialogs {
public:
    virtual ~CircleInputDialogs() = default;
    virtual bool IndividualCircle(s_CircleInputType& record) = 0;
    virtual bool SearchType1(s_CircleInputType& record) = 0;
};
DialogSlot<CircleInputDialogs>& CircleInputDialogsSlot();

// The radius criteria being edited, with the number of radius increments and the minimum
// radius increment.
struct s_RadiusCriteriaType {
    std::vector<Cpp_RadiusDefinition> definitions;
    int increments = 0;
    double minimumIncrement = 0.0;
};

// "Input for Type 2 \"Fixed Grid\" Search with Circles" (pages "Grid" and "Radii Information").
class FixedGridSearchSheet {
public:
    virtual ~FixedGridSearchSheet() = default;
    virtual bool Run(s_FixedGridPageType& grid, s_RadiusCriteriaType& criteria) = 0;
};
DialogSlot<FixedGridSearchSheet>& FixedGridSearchSheetSlot();

// "Definitions for Varying Radii".
class RadiusDefinitionsDialog {
public:
    virtual ~RadiusDefinitionsDialog() = default;
    virtual bool Run(s_RadiusCriteriaType& criteria) = 0;
};
DialogSlot<RadiusDefinitionsDialog>& RadiusDefinitionsDialogSlot();

// "Search with Noncircular Slip Surface": the shift controls (steepness in degrees) and the
// points with their shift constraints.
struct s_NoncircularSearchType {
    double initialShift = 0.0;
    double finalShift = 0.0;
    double maximumSteepness = 0.0;
    std::vector<Cpp_NoncircularShearSurfacePoint> points;
};

class NoncircularSearchDialog {
public:
    virtual ~NoncircularSearchDialog() = default;
    virtual bool Run(s_NoncircularSearchType& record) = 0;
};
DialogSlot<NoncircularSearchDialog>& NoncircularSearchDialogSlot();

// "Enter Points for Line" (its caption replaced by the given one, the stage appended when above
// 0): one line's points, entered one at a time. Flags: two points may share x and y, two points
// may share x, new and changed points are placed by x.
struct s_XYLineListType {
    std::string caption;
    int stage = 0;
    std::vector<s_tagTypePointXY> points;
    bool allowEqualPoints = false;
    bool allowEqualX = false;
    bool sortByX = false;
};

// The list-style windows of data-entry style 1: the noncircular search ("Search with
// Noncircular Slip Surface") and the points of one line.
class AnalysisListDialogs {
public:
    virtual ~AnalysisListDialogs() = default;
    virtual bool NoncircularSearch(s_NoncircularSearchType& record) = 0;
    virtual bool XYLine(s_XYLineListType& record) = 0;
};
DialogSlot<AnalysisListDialogs>& AnalysisListDialogsSlot();
