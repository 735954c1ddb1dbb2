#pragma once
// "Optional Analysis/Computation Input Data": what its pages show of the optional analysis
// data (angles in degrees), filled and read back by Cpp_AnalysisComputationData::EditOptionalData.

#include "analysis/analysis_computation_data.h"
#include "core/dialog_slot.h"
#include "core/point_xy.h"

#include <vector>

// The crack or the water in it: option 0 none, 1 by depth, 2 by elevation; variable: the
// value varies along x, given by (x, value) points.
struct s_CrackPageType {
    int option = 0;
    bool variable = false;
    double value = 0.0;
    std::vector<s_tagTypePointXY> points;
};

struct s_OptionalDataType {
    bool circular = true;
    int mode = 0;
    // Solution
    int procedure = -1;  // -1: none of the offered procedures
    int stages = 0;      // 0 one, 1 two, 2 three
    double minimumWeight = 0.0;
    bool oppositeSign = false;
    double seismicCoefficient = 0.0;
    int seismicLocation = 0;
    int face = 0;
    double specifiedInclination = 0.0;  // degrees
    bool overrideLimit = false;
    double mostNegativeInclination = 0.0;  // degrees
    int problemType = 0;
    double specifiedF = 0.0;
    int circleSliceOption = 0;       // 0 subtended angle, 1 arc length
    int noncircularSliceOption = 0;  // 0 number of slices, 1 base length
    double sliceValue = 0.0;
    int numberOfSlices = 0;
    // Iterations and convergence
    double trialF = 0.0;
    double sideForceInclination = 0.0;  // degrees
    int iterationLimit = 0;
    double forceImbalance = 0.0;
    int forceKind = 0;
    double momentImbalance = 0.0;
    int momentKind = 0;
    int lambdaOption = 0;
    double lambdaValue = 0.0;
    // Search
    bool changeTrialF = false;
    int afterInitialMode = 0;  // 0 continue, 1 stop
    bool shortOutput = false;
    bool sortRadii = false;
    int trialGridsOrPasses = 0;
    bool saveMostCritical = false;
    int numberToSave = 0;
    bool saveRange = false;
    double rangeFrom = 0.0;
    double rangeTo = 0.0;
    bool refine = false;
    int refinements = 0;
    int subdivisionsIndex = 0;  // subdivisions per refinement - 1
    int basisIndex = 0;         // subdivision basis - 1
    double basisValue = 0.0;    // angle in degrees or arc length
    int basisSlices = 0;
    double initialShift = 0.0;
    double finalShift = 0.0;
    double maximumSteepness = 0.0;
    // Restrictions, in the order of Cpp_AnalysisComputationData::e_Restriction.
    s_RestrictionType restrictions[4];
    // Crack and crack water.
    s_CrackPageType crack;
    s_CrackPageType water;
    double unitWeightOfWater = 0.0;
};

class OptionalDataSheet {
public:
    virtual ~OptionalDataSheet() = default;
    virtual bool Run(s_OptionalDataType& record) = 0;
};
DialogSlot<OptionalDataSheet>& OptionalDataSheetSlot();
