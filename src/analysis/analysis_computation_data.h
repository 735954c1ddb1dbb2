#pragma once
// The analysis/computation data of one problem data set: the shape of the slip surfaces, the
// mode of computations, the procedure of analysis with its side-force functions, the solution
// controls, the tension crack, the search restrictions and controls, the circle definitions
// and the noncircular surface with its search controls.

#include <array>
#include <cstdio>
#include <functional>
#include <iosfwd>
#include <vector>

#include "analysis/circle.h"
#include "analysis/fixed_search_grid.h"
#include "analysis/noncircular_shear_surface.h"
#include "analysis/radius_definition.h"
#include "analysis/side_force_functions.h"
#include "analysis/tangent_line.h"
#include "core/point_xy.h"
#include "profile/crack.h"

class Cpp_SlopeGeometry;
struct s_CircleSearch1ToolOptions;
struct s_NoncircularSearchType;

// Groups of optional sub-commands; a group's flag is set when the block gave it.
enum class e_AnalysisGroup {
    TrialF,
    SideForceInclination,
    IterationLimit,
    ForceImbalance,
    MomentImbalance,
    NegativeLimit,
    ExitAngle,
    MinimumWeight,
    Procedure,
    Stages,
    SignConvention,
    ChangeTrialF,
    TrialGrids,
    Passes,
    Seismic,
    Crack,
    CrackWater,
    UnitWeight,
    Restrictions,
    Subdivision,
    Continuation,
    Face,
    ShearForce,
    Sequence,
    KeepRange,
    SaveCount,
    Sorting,
    OutputForm,
    Refinement,
    PropertyLines,
    Lambda,
    Count
};

struct s_RestrictionType {
    bool set = false;
    double minimum = 0.0;
    double maximum = 0.0;
};

struct s_SearchRefinementType {
    int subdivisionOption = 3;
    double subtendedAngle = 3.0;
    double arcLength = 10.0;
    int numberOfSlices = 10;
    bool on = false;
    int refinements = 1;
    int subdivisionsPerRefinement = 1;
    double initialShift = 10.0;
    double finalShift = 1.0;
    double maximumToeSteepness = 50.0;
};

class Cpp_AnalysisComputationData {
public:
    class Exc_AccessedCircleDataWhenNoncircular {};
    class Exc_AccessedNoncircularDataWhenCircular {};

    enum e_Mode {
        kNone = 0,
        kIndividual = 1,
        kCentreList = 2,
        kSearchType1 = 3,
        kSearchType2 = 4,
        kInteractive = 5,
        kSearch6 = 6
    };
    enum e_Procedure {
        kSpencer = 0,
        kBishop = 1,
        kCorps = 2,
        kLoweKarafiath = 3,
        kChenMorgenstern = 4,
        kMorgensternPrice = 5,
        kOrdinary = 6
    };
    // The name of a procedure as the listing gives it ("Simplified Bishop" for 1); null outside
    // 0 to 6.
    static const char* ProcedureName(int procedure);
    enum e_Restriction {
        kRelativeEntire = 0,
        kRelativeSome = 1,
        kAbsoluteEntire = 2,
        kAbsoluteSome = 3
    };

    static constexpr double kDefaultNegativeLimit = -0.174532925;
    static constexpr double kDefaultSideForceInclination = 0.3;

    Cpp_AnalysisComputationData();

    void Reset();
    void SetCircular(bool circular);
    // Frees the owned point lists before the data set is reused.
    void Clear();

    // --- the dialogs (their windows: analysis/analysis_dialogs.h). Each works on a copy;
    // nothing changes before OK; true after OK. Angles are degrees in the dialogs.

    // "Select Type of Computations" for the shape; OK maps the type to mode 1, 3 or 4.
    static bool AskModeAfterShapeChange(bool circular, int& mode);
    // Makes the data circular or noncircular for the slip-surface tools: data of the other
    // shape are changed only after Yes to the "Notice"; data without a mode ask for one.
    bool ChangeShape(void* parent, bool circular);
    // "Main Analysis/Computation Dialog": applies shape and type after OK, then (unless
    // skipDetail) runs the input of the combination; searchEntered after OK in the noncircular
    // search. True when every dialog that ran ended with OK.
    bool EditPrimaryData(bool& searchEntered, bool skipDetail);
    bool EditIndividualCircle();
    bool EditSearchType1();
    bool EditSearchType2();
    bool EditRadiusDefinitions();
    bool EditNoncircularPointsInTable();
    bool EditNoncircularSearchInTable();
    // The option windows of the circle and noncircular tools (core/tool_option_dialogs.h).
    bool EditCircleSearch1ToolOptions();
    bool EditFixedGridToolOptions();
    bool EditNoncircularToolOptions();
    // How the noncircular tool snaps its first and last points to the slope, for the whole
    // program: an index of kSnapOptionTexts and a tolerance (1.0 at start).
    static int& NoncircularToolSnapOption();
    static double& NoncircularToolSnapTolerance();
    // The limits of a floating-grid search, as its option window shows them.
    s_CircleSearch1ToolOptions SearchLimits() const;
    void SetSearchLimits(const s_CircleSearch1ToolOptions& limits);
    // The same data in the list-style windows of data-entry style 1 (analysis_dialogs.h).
    bool EditNoncircularPointsInDialog();
    bool EditNoncircularSearchInDialog();
    // "Optional Analysis/Computation Input Data" (analysis/optional_data_sheet.h). Without
    // primary data: the "Halt - Not Ready for This Input" box, noData set, false. After OK the
    // two flags say whether the crack or the water in it changed.
    bool EditOptionalData(void* parent, bool& crackChanged, bool& waterChanged, bool& noData);

    // --- derived geometry
    s_tagTypePointXY CurrentCenter() const;
    // Circles: mode 1 the circle centre, modes 3 and 6 the start centre; others throw the
    // text "EXCEPTION: Cpp_AnalysisComputationData::InitialCenter". Noncircular: the origin.
    s_tagTypePointXY InitialCenter() const;
    // Radius of a circle about the centre by the radius option; false when not defined.
    bool RadiusForCenter(const s_tagTypePointXY& centre, double& radius) const;
    Cpp_Circle InitialCircle() const;
    bool GetInitialCircleValue(double& x, double& y, double& radius) const;
    void SetThroughPoint(double x, double y);
    void SetRadiusDefinitionFromTool(const s_tagTypePointXY& first, const s_tagTypePointXY& second);
    bool GetToolRadiusDefinition(s_tagTypePointXY& first, s_tagTypePointXY& second) const;
    bool GetCircleBounds(double& xMin, double& xMax, double& yMin, double& yMax) const;
    bool GetFixedGridBounds(double& xMin, double& xMax, double& yMin, double& yMax) const;
    bool GetNoncircularBounds(double& xMin, double& xMax, double& yMin, double& yMax) const;
    bool GetRadiusItemBounds(double& xMin, double& xMax, double& yMin, double& yMax) const;
    // x' = a x + b, y' = c y + d for every coordinate of the data.
    bool Rescale(double a, double b, double c, double d);
    // The given radii (of the analysis and of the radius definitions) times the factor, after a
    // rescaling by equal factors in x and y. False without data.
    bool ScaleLengths(double factor);

    // --- accessors
    bool HasData() const { return hasData_; }
    void SetDataDefined(bool flag) { hasData_ = flag; }
    bool IsCircular() const { return circular_; }
    int GetMode() const { return mode_; }
    void SetMode(int mode) { mode_ = mode; }
    int GetTypeOfProblem() const { return typeOfProblem_; }
    void SetTypeOfProblem(int t) { typeOfProblem_ = t; }
    int GetFace() const { return face_; }
    void SetFace(int face) { face_ = face; }
    bool IsTwoStage() const { return twoStage_; }
    bool IsThreeStage() const { return threeStage_; }
    bool IsMultiStage() const { return twoStage_ || threeStage_; }
    int NumberOfStages() const { return threeStage_ ? 3 : (twoStage_ ? 2 : 1); }
    int StageCount() const { return NumberOfStages(); }
    void SetStages(bool two, bool three) {
        twoStage_ = two;
        threeStage_ = three;
    }
    bool GetContinueToCritical() const { return continueToCritical_; }
    void SetContinueToCritical(bool v) { continueToCritical_ = v; }
    bool GetShortOutput() const { return shortOutput_; }
    void SetShortOutput(bool v) { shortOutput_ = v; }
    int GetProcedure() const { return procedure_; }
    void SetProcedure(int p) { procedure_ = p; }

    const std::vector<double>& GetPropertyLineX() const { return propertyLineX_; }
    bool GetPropertyLineBottom(double& y) const {
        y = propertyLineBottom_;
        return propertyLineBottomGiven_;
    }
    void SetPropertyLines(bool bottomGiven, double bottom, std::vector<double> x) {
        propertyLineBottomGiven_ = bottomGiven;
        propertyLineBottom_ = bottom;
        propertyLineX_ = std::move(x);
    }

    Cpp_SideForceFunctions& GetSideForceFunctions() { return sideForce_; }
    const Cpp_SideForceFunctions& GetSideForceFunctions() const { return sideForce_; }
    Cpp_SideForceFunctions CopySideForceFunctions() const { return sideForce_; }
    double GetSideForceValue() const { return specifiedF_; }
    void SetSideForceValue(double f) { specifiedF_ = f; }
    void SetCorpsSideForceInclination(double degrees);
    double GetCorpsSideForceInclination() const;
    double GetTrialFactorOfSafety() const { return trialF_; }
    void SetTrialFactorOfSafety(double f) { trialF_ = f; }
    int GetLambdaOption() const { return lambdaOption_; }
    void GetLambda(double& trial, double& minimum, double& maximum, double& increment) const {
        trial = lambdaTrial_;
        minimum = lambdaMinimum_;
        maximum = lambdaMaximum_;
        increment = lambdaIncrement_;
    }
    void SetLambda(int option, double trial, double minimum, double maximum, double increment) {
        lambdaOption_ = option;
        lambdaTrial_ = trial;
        lambdaMinimum_ = minimum;
        lambdaMaximum_ = maximum;
        lambdaIncrement_ = increment;
    }
    // Radians.
    double GetSideForceInclination() const { return sideForceInclination_; }
    void SetSideForceInclination(double radians) { sideForceInclination_ = radians; }
    double GetNegativeSideForceLimit() const { return negativeLimit_; }
    void SetNegativeSideForceLimit(double radians) { negativeLimit_ = radians; }

    void GetImbalance(int& forceOption, double& force, int& momentOption, double& moment,
                      double& minimumWeight) const;
    void SetForceImbalance(int option, double value);
    void SetMomentImbalance(int option, double value);
    void SetMinimumWeight(double value);
    bool IsForceImbalanceDefault() const { return forceIsDefault_; }
    bool IsMomentImbalanceDefault() const { return momentIsDefault_; }
    bool IsMinimumWeightDefault() const { return minimumWeightIsDefault_; }
    // Where the is-default flags are still set, takes the preference values again.
    void RefreshDefaultImbalances();
    double GetMaximumRadius() const { return maximumRadius_; }
    int GetIterationLimit() const { return iterations_; }
    void SetIterationLimit(int n) { iterations_ = n; }
    bool GetOppositeSignConvention() const { return oppositeSign_; }
    void SetOppositeSignConvention(bool v) { oppositeSign_ = v; }
    bool GetChangeTrialF() const { return changeTrialF_; }
    void SetChangeTrialF(bool v) { changeTrialF_ = v; }
    double GetSeismicCoefficient() const { return seismic_; }
    int GetSeismicLocation() const { return seismicLocation_; }
    void SetSeismic(double coefficient, int location) {
        seismic_ = coefficient;
        seismicLocation_ = location;
    }

    void SetRestriction(char kind, char extent, double minimum, double maximum);
    bool GetRestriction(int k, bool& set, double& minimum, double& maximum) const;
    bool HasRestrictions() const;
    void ClearRestriction(int k) {
        if (k >= 0 && k < 4) restrictions_[k] = {};
    }

    s_SearchRefinementType& GetSearchRefinement() { return refinement_; }
    const s_SearchRefinementType& GetSearchRefinement() const { return refinement_; }
    bool GetTotalShearForce() const { return totalShear_; }
    void SetTotalShearForce(bool v) { totalShear_ = v; }
    int GetSaveOption() const { return saveOption_; }
    void GetSaveFactorRange(double& fmin, double& fmax) const {
        fmin = saveFMin_;
        fmax = saveFMax_;
    }
    int GetSaveCount() const { return saveCount_; }
    void SetSaveFactorRange(double fmin, double fmax);
    void SetSaveCount(int n);
    bool GetSaveSearchSequence(int& interval) const {
        interval = sequenceInterval_;
        return saveSequence_;
    }
    void SetSaveSearchSequence(bool save, int interval) {
        saveSequence_ = save;
        sequenceInterval_ = interval;
    }
    int GetMaximumTrialGrids() const { return trialGrids_; }
    void SetMaximumTrialGrids(int n) { trialGrids_ = n; }
    int GetMaximumPasses() const { return passes_; }
    void SetMaximumPasses(int n) { passes_ = n; }
    double GetMaximumArcLength() const { return maximumArcLength_; }
    // Radians.
    double GetSubtendedAngle() const { return subtendedAngle_; }
    double GetSubtendedAngleDegrees() const;
    void SetSliceSubdivision(double angleDegrees, double arcLength);
    int GetIncrements() const { return increments_; }
    double GetBaseLength() const { return baseLength_; }
    void SetNoncircularSubdivision(int n, double baseLength);
    double GetInitialShiftDistance() const { return initialShift_; }
    double GetFinalShiftDistance() const { return finalShift_; }
    void SetShiftDistances(double initial, double final) {
        initialShift_ = initial;
        finalShift_ = final;
    }
    void SetMaximumSteepness(double degrees);
    void SetDefaultMaximumSteepness() { SetMaximumSteepness(50.0); }
    double GetMaximumSteepness() const { return maximumSteepnessDegrees_; }
    bool GetExitAngle(double& radians) const {
        radians = exitAngle_;
        return exitAngleLimited_;
    }
    void SetExitAngle(bool limited, double radians) {
        exitAngleLimited_ = limited;
        exitAngle_ = radians;
    }

    Cpp_TangentLine* GetTangentLine() { return circular_ ? &tangent_ : nullptr; }
    const Cpp_TangentLine* GetTangentLine() const { return circular_ ? &tangent_ : nullptr; }
    s_tagTypePointXY GetStartCenter() const { return startCentre_; }
    void SetStartCenter(double x, double y) { startCentre_ = {x, y}; }
    Cpp_FixedSearchGrid& GetFixedSearchGrid() { return grid_; }
    const Cpp_FixedSearchGrid& GetFixedSearchGrid() const { return grid_; }
    Cpp_FixedSearchGrid CopyFixedSearchGrid() const { return grid_; }
    std::vector<Cpp_Circle>& GetCenterPointList() { return centreList_; }
    const std::vector<Cpp_Circle>& GetCenterPointList() const { return centreList_; }
    Cpp_RadiusDefinitionList& GetRadiusDefinitionList() { return radiusDefinitions_; }
    const Cpp_RadiusDefinitionList& GetRadiusDefinitionList() const { return radiusDefinitions_; }
    Cpp_RadiusDefinitionList CopyRadiusDefinitionControl() const {
        Cpp_RadiusDefinitionList control;
        control.CopyControl(radiusDefinitions_);
        return control;
    }
    void SetRadiusDefinitionList(Cpp_RadiusDefinitionList list) {
        radiusDefinitions_ = std::move(list);
    }
    Cpp_NoncircularShearSurface& GetNoncircularPointList() { return noncircular_; }
    const Cpp_NoncircularShearSurface& GetNoncircularPointList() const { return noncircular_; }

    s_tagTypePointXY GetCircleCenter() const { return circleCentre_; }
    void SetCircleCenter(double x, double y) { circleCentre_ = {x, y}; }
    double GetRadius() const { return radius_; }
    void SetRadius(double r) { radius_ = r; }
    double GetThroughPointX() const { return throughPoint_.x; }
    double GetThroughPointY() const { return throughPoint_.y; }
    int GetRadiusOption() const;
    void SetRadiusOption(int option) { radiusOption_ = option; }
    double GetMinimumGridSpacing() const { return requiredAccuracy_; }
    void SetMinimumGridSpacing(double v) { requiredAccuracy_ = v; }
    double GetAccuracyMarkSize() const { return 30.0 * requiredAccuracy_; }
    double GetLowestSlipSurfaceElevation() const { return lowestSlipSurface_; }
    void SetLowestSlipSurfaceElevation(double y) { lowestSlipSurface_ = y; }
    bool GetLowestCenter(double& y) const {
        y = lowestCentre_;
        return lowestCentreGiven_;
    }
    void SetLowestCenter(bool given, double y) {
        lowestCentreGiven_ = given;
        if (given) lowestCentre_ = y;
    }
    bool NoInvertedCircles() const { return noInverted_; }
    void SetNoInvertedCircles(bool v) { noInverted_ = v; }

    Cpp_Crack& GetCrack() { return crack_; }
    const Cpp_Crack& GetCrack() const { return crack_; }
    Cpp_Crack CopyCrack() const { return crack_; }

    // --- display flags
    bool GetDisplaySlipSurface() const { return display_[0]; }
    bool GetDisplaySlipSurfacePoints() const { return display_[1]; }
    bool GetDisplayCenter() const { return display_[2]; }
    bool GetDisplayNoncircularSearchPoints() const { return display_[3]; }
    bool GetDisplayRadiusItems() const { return display_[4]; }
    bool GetDisplaySearchGrid() const { return display_[5]; }
    void SetDisplaySearchGrid(bool v) { display_[5] = v; }
    void SetDisplayNoncircularSearchPoints(bool v) { display_[3] = v; }
    void SetDisplayFlags(bool slip, bool points, bool centre, bool noncircular, bool radius,
                         bool grid) {
        display_ = {slip, points, centre, noncircular, radius, grid};
    }
    static void GetDefaultDisplayFlags(bool& slip, bool& points, bool& centre, bool& radius,
                                       bool& grid);
    static void SetDefaultDisplayFlags(bool slip, bool points, bool centre, bool noncircular,
                                       bool radius, bool grid);
    void InitDisplayFlags();
    static bool GetSelectionFilterA();
    static bool GetSelectionFilterB();
    static bool GetSelectionFilterC();
    static bool GetSelectionFilterD();
    static bool GetSelectionFilterE();
    static void SetSelectionFilters(bool a, bool b, bool c, bool d, bool e);
    // Flags of the interactive circle and noncircular tools; Reset clears them.
    static std::array<bool, 3>& ToolFlags();

    // --- given flags of the optional sub-commands of the block being read
    void ClearOptionalDataFlags() { given_.fill(false); }
    bool IsGiven(e_AnalysisGroup g) const { return given_[static_cast<int>(g)]; }
    void SetGiven(e_AnalysisGroup g) { given_[static_cast<int>(g)] = true; }

    // --- the input block
    // Reads one block (after its command line). olderFormat is the dispatcher's older-format
    // mode; echo writes the echo table and lines to echoFile. False after a numbered message.
    bool ReadInput(bool olderFormat, std::FILE* file, std::FILE* echoFile, bool echo);
    // The values of every group of sub-commands the block did not give.
    void EchoOptionalData(std::FILE* echoFile) const;
    void EchoForceImbalance() const;
    void EchoMomentImbalance() const;
    void EchoMinimumWeight() const;
    void EchoSeismicCoefficient() const;
    void EchoLambda() const;
    // The data check: true when no error was found (warnings 7180 and 7190 do not count).
    // With slope the crack is checked too (against lines.slope); lines and tolerance go to the
    // noncircular surface check; messages go to errorFile.
    bool Check(const Cpp_SlopeGeometry* slope, const s_SlopeLinesType& lines, double tolerance,
               std::FILE* errorFile);
    // The same against the slope geometry of the data set (its slope and crack-bottom lines).
    bool Check(const Cpp_SlopeGeometry& slope, double tolerance, std::FILE* errorFile);
    // Writes nothing without data. False when the side-force functions of procedure 4 or 5
    // are undefined (the block is then left incomplete).
    // The document (document true) keeps a noncircular surface as entered; the computation
    // input gets its end points as the last check adjusted them.
    bool WriteKLIVEN4InputDataFile(std::ostream& out, bool document = true) const;
    bool WriteKLIVEN4InputDataFile(std::FILE* file, bool document = true) const;

private:
    // Fills the search record, runs the table or list window on it and stores it after OK.
    bool EditNoncircularSearch(const std::function<bool(s_NoncircularSearchType&)>& run);
    friend class AnalysisBlockReader;
    friend class AnalysisDataCheck;

    bool WriteSlipSurfaceLines(std::ostream& out, bool document) const;
    bool WriteOptionalData(std::ostream& out) const;
    void WriteCrack(std::ostream& out) const;

    std::array<bool, 6> display_{};
    bool hasData_ = false;
    bool circular_ = true;
    int mode_ = kNone;
    int typeOfProblem_ = 0;
    int face_ = 0;
    bool twoStage_ = false;
    bool threeStage_ = false;
    bool continueToCritical_ = true;
    bool shortOutput_ = false;
    int procedure_ = kSpencer;
    bool propertyLineBottomGiven_ = false;
    double propertyLineBottom_ = 0.0;
    std::vector<double> propertyLineX_;
    Cpp_SideForceFunctions sideForce_;
    double specifiedF_ = 1.0;
    double corpsInclination_ = 0.0;
    double trialF_ = 3.0;
    int lambdaOption_ = 0;
    double lambdaTrial_ = 0.1;
    double lambdaMinimum_ = -1.0;
    double lambdaMaximum_ = 1.0;
    double lambdaIncrement_ = 0.1;
    double sideForceInclination_ = kDefaultSideForceInclination;
    double negativeLimit_ = kDefaultNegativeLimit;
    bool forceIsDefault_ = true;
    bool momentIsDefault_ = true;
    bool minimumWeightIsDefault_ = true;
    double forceImbalance_ = 1e-5;
    int forceOption_ = 1;
    double momentImbalance_ = 1e-5;
    int momentOption_ = 1;
    double minimumWeight_ = 100.0;
    double maximumRadius_ = 100000.0;
    int iterations_ = 100;
    bool oppositeSign_ = false;
    bool changeTrialF_ = false;
    double seismic_ = 0.0;
    int seismicLocation_ = 0;
    Cpp_Crack crack_;
    std::array<s_RestrictionType, 4> restrictions_{};
    s_SearchRefinementType refinement_;
    bool totalShear_ = false;
    int saveOption_ = 0;
    double saveFMin_ = 1.0;
    double saveFMax_ = 0.0;
    int saveCount_ = 0;
    bool saveSequence_ = false;
    int sequenceInterval_ = 1;
    int trialGrids_ = 50;
    int passes_ = 50;
    double maximumArcLength_ = 0.0;
    double subtendedAngle_ = 0.0;
    int increments_ = 30;
    double baseLength_ = 0.0;
    double initialShift_ = 1.0;
    double finalShift_ = 0.1;
    double maximumSteepnessDegrees_ = 50.0;
    double maximumSteepness_ = 0.0;
    bool exitAngleLimited_ = false;
    double exitAngle_ = 0.0;
    Cpp_TangentLine tangent_;
    s_tagTypePointXY startCentre_;
    Cpp_FixedSearchGrid grid_;
    std::vector<Cpp_Circle> centreList_;
    Cpp_RadiusDefinitionList radiusDefinitions_;
    Cpp_NoncircularShearSurface noncircular_;
    s_tagTypePointXY circleCentre_;
    double radius_ = 0.0;
    s_tagTypePointXY throughPoint_;
    double requiredAccuracy_ = 1.0;
    double lowestSlipSurface_ = 0.0;
    double lowestCentre_ = 0.0;
    bool lowestCentreGiven_ = false;
    bool noInverted_ = false;
    int radiusOption_ = 0;
    s_tagTypePointXY toolFirst_;
    s_tagTypePointXY toolSecond_;
    int toolSet_ = 0;

    std::array<bool, static_cast<int>(e_AnalysisGroup::Count)> given_{};
};
