#include "analysis/analysis_computation_data.h"
#include "analysis/analysis_state.h"

#include <cmath>

#include "analysis/analysis_settings.h"
#include "analysis/number_text.h"
#include "core/text_exception.h"
#include "core/world_rect.h"

namespace {

std::array<bool, 6>& DefaultDisplayFlags() {
    static std::array<bool, 6> flags{true, true, true, true, true, true};
    return flags;
}

std::array<bool, 5>& SelectionFilters() {
    static std::array<bool, 5> filters{true, true, true, true, true};
    return filters;
}

}  // namespace

void ResetAnalysisDisplayDefaults() {
    DefaultDisplayFlags().fill(true);
    SelectionFilters().fill(true);
    Cpp_AnalysisComputationData::ToolFlags().fill(false);
}

const char* Cpp_AnalysisComputationData::ProcedureName(int procedure) {
    static const char* const kNames[7] = {"Spencer",
                                          "Simplified Bishop",
                                          "Corps of Engineers' Modified Swedish",
                                          "Lowe and Karafiath",
                                          "Chen and Morgenstern",
                                          "Morgenstern and Price",
                                          "Ordinary Method of Slices"};
    return procedure >= 0 && procedure <= 6 ? kNames[procedure] : nullptr;
}

Cpp_AnalysisComputationData::Cpp_AnalysisComputationData() {
    display_ = DefaultDisplayFlags();
    grid_.Clear();
    Reset();
}

void Cpp_AnalysisComputationData::Reset() {
    hasData_ = false;
    mode_ = kNone;
    typeOfProblem_ = 0;
    face_ = 0;
    twoStage_ = threeStage_ = false;
    continueToCritical_ = true;
    shortOutput_ = false;
    procedure_ = kSpencer;
    propertyLineX_.clear();
    sideForce_.ForgetPointLists();
    specifiedF_ = 1.0;
    corpsInclination_ = 0.0;
    trialF_ = 3.0;
    lambdaOption_ = 0;
    lambdaTrial_ = 0.1;
    lambdaMinimum_ = -1.0;
    lambdaMaximum_ = 1.0;
    lambdaIncrement_ = 0.1;
    sideForceInclination_ = kDefaultSideForceInclination;
    negativeLimit_ = kDefaultNegativeLimit;
    forceIsDefault_ = momentIsDefault_ = minimumWeightIsDefault_ = true;
    const s_AnalysisImbalanceDefaults defaults = analysis_settings::ImbalanceDefaults();
    forceImbalance_ = defaults.forceImbalance;
    forceOption_ = defaults.forceOption;
    momentImbalance_ = defaults.momentImbalance;
    momentOption_ = defaults.momentOption;
    minimumWeight_ = defaults.minimumWeight;
    maximumRadius_ = defaults.maximumRadius;
    iterations_ = 100;
    oppositeSign_ = false;
    changeTrialF_ = false;
    seismic_ = 0.0;
    seismicLocation_ = 0;
    crack_.Initialize();
    restrictions_.fill({});
    totalShear_ = false;
    saveOption_ = 0;
    saveFMin_ = 1.0;
    saveCount_ = 0;
    saveSequence_ = false;
    sequenceInterval_ = 1;
    trialGrids_ = 50;
    passes_ = 50;
    maximumArcLength_ = 0.0;
    subtendedAngle_ = analysis_text::DegreesToRadians(3.0);
    increments_ = 30;
    baseLength_ = 0.0;
    initialShift_ = 1.0;
    finalShift_ = 0.1;
    SetMaximumSteepness(50.0);
    exitAngleLimited_ = false;
    exitAngle_ = 0.0;
    startCentre_ = {};
    circleCentre_ = {};
    radius_ = 0.0;
    throughPoint_ = {};
    requiredAccuracy_ = 1.0;
    lowestSlipSurface_ = 0.0;
    lowestCentre_ = 0.0;
    lowestCentreGiven_ = false;
    noInverted_ = false;
    radiusOption_ = 0;
    toolSet_ = 0;
    SetCircular(true);
    ClearOptionalDataFlags();
    ToolFlags().fill(false);
}

void Cpp_AnalysisComputationData::SetCircular(bool circular) {
    circular_ = circular;
    grid_.Clear();
    if (circular) {
        maximumArcLength_ = 0.0;
        subtendedAngle_ = analysis_text::DegreesToRadians(3.0);
        centreList_.clear();
        requiredAccuracy_ = 1.0;
        lowestSlipSurface_ = 0.0;
        lowestCentre_ = 0.0;
        lowestCentreGiven_ = false;
        noInverted_ = false;
    } else {
        baseLength_ = 0.0;
        increments_ = 30;
        SetMaximumSteepness(50.0);
        noncircular_ = Cpp_NoncircularShearSurface();
    }
}

void Cpp_AnalysisComputationData::Clear() {
    sideForce_.Clear();
    if (crack_.GetCrackOption() == 3 || crack_.GetCrackOption() == 4)
        crack_.CrackPointList().DeleteAllPoints();
    if (crack_.GetWaterOption() == 3 || crack_.GetWaterOption() == 4)
        crack_.WaterPointList().DeleteAllPoints();
    if (circular_) {
        if (tangent_.GetOption() == Cpp_TangentLine::kIrregular) tangent_.DeleteAllPoints();
        if (mode_ == kCentreList) centreList_.clear();
        if (mode_ == kSearchType2 || mode_ == kSearch6 ||
            (mode_ == kCentreList && radiusOption_ == 3))
            radiusDefinitions_.DeleteAll();
    } else {
        noncircular_.DeleteAllPoints();
    }
}

s_tagTypePointXY Cpp_AnalysisComputationData::CurrentCenter() const {
    if (!circular_) return {};
    switch (mode_) {
    case kIndividual: return circleCentre_;
    case kSearchType1: return startCentre_;
    case kSearchType2: return grid_.Center();
    default: return {};
    }
}

s_tagTypePointXY Cpp_AnalysisComputationData::InitialCenter() const {
    if (!circular_) return {};
    if (mode_ == kIndividual) return circleCentre_;
    if (mode_ == kSearchType1 || mode_ == kSearch6) return startCentre_;
    throw Cpp_TextException("EXCEPTION: Cpp_AnalysisComputationData::InitialCenter");
}

bool Cpp_AnalysisComputationData::RadiusForCenter(const s_tagTypePointXY& centre,
                                                  double& radius) const {
    if (!circular_) return false;
    switch (radiusOption_) {
    case 0: radius = radius_; return true;
    case 1:
        radius = std::hypot(centre.x - throughPoint_.x, centre.y - throughPoint_.y);
        return true;
    case 2:
        if (tangent_.GetOption() == Cpp_TangentLine::kUndefined) return false;
        radius = tangent_.GetRadius(centre);
        return true;
    default: return false;
    }
}

Cpp_Circle Cpp_AnalysisComputationData::InitialCircle() const {
    if (!circular_) return {};
    s_tagTypePointXY centre;
    if (mode_ == kIndividual)
        centre = circleCentre_;
    else if (mode_ == kSearchType1)
        centre = startCentre_;
    else if (mode_ == kSearchType2)
        return Cpp_Circle(0.0, 0.0, 0.0);
    else
        return {};
    double r = 0.0;
    if (!RadiusForCenter(centre, r)) r = 0.0;
    return Cpp_Circle(centre.x, centre.y, r);
}

bool Cpp_AnalysisComputationData::GetInitialCircleValue(double& x, double& y,
                                                        double& radius) const {
    const Cpp_Circle c = InitialCircle();
    x = c.CenterX();
    y = c.CenterY();
    radius = c.Radius();
    return true;
}

void Cpp_AnalysisComputationData::SetThroughPoint(double x, double y) {
    throughPoint_ = {x, y};
    if (mode_ == kIndividual)
        radius_ = std::hypot(circleCentre_.x - x, circleCentre_.y - y);
    else if (mode_ == kSearchType1 || mode_ == kSearchType2)
        radius_ = std::hypot(startCentre_.x - x, startCentre_.y - y);
}

void Cpp_AnalysisComputationData::SetRadiusDefinitionFromTool(const s_tagTypePointXY& first,
                                                              const s_tagTypePointXY& second) {
    if (!circular_) throw Exc_AccessedCircleDataWhenNoncircular();
    toolFirst_ = first;
    toolSecond_ = second;
    toolSet_ = 1;
}

bool Cpp_AnalysisComputationData::GetToolRadiusDefinition(s_tagTypePointXY& first,
                                                          s_tagTypePointXY& second) const {
    first = toolFirst_;
    second = toolSecond_;
    return toolSet_ != 0;
}

bool Cpp_AnalysisComputationData::GetCircleBounds(double& xMin, double& xMax, double& yMin,
                                                  double& yMax) const {
    if (!hasData_ || !circular_) return false;
    if (mode_ == kCentreList) {
        Cpp_Extents extents;
        for (const auto& c : centreList_) extents.Add(c.CenterX(), c.CenterY());
        return extents.Get(xMin, xMax, yMin, yMax);
    }
    if (mode_ == kSearchType2) return GetFixedGridBounds(xMin, xMax, yMin, yMax);
    if (mode_ == kIndividual || mode_ == kSearchType1) {
        const s_tagTypePointXY c = InitialCenter();
        xMin = xMax = c.x;
        yMin = yMax = c.y;
        return true;
    }
    return false;
}

bool Cpp_AnalysisComputationData::GetFixedGridBounds(double& xMin, double& xMax, double& yMin,
                                                     double& yMax) const {
    if (!hasData_ || !circular_ || mode_ != kSearchType2) return false;
    return grid_.GetBounds(xMin, xMax, yMin, yMax);
}

bool Cpp_AnalysisComputationData::GetNoncircularBounds(double& xMin, double& xMax, double& yMin,
                                                       double& yMax) const {
    if (!hasData_ || circular_ || (mode_ != kIndividual && mode_ != kSearchType1)) return false;
    return noncircular_.GetExtents(xMin, xMax, yMin, yMax);
}

bool Cpp_AnalysisComputationData::GetRadiusItemBounds(double& xMin, double& xMax, double& yMin,
                                                      double& yMax) const {
    if (!hasData_ || !circular_) return false;
    if (mode_ == kIndividual || mode_ == kSearchType1) {
        const s_tagTypePointXY c = InitialCenter();
        switch (radiusOption_) {
        case 0:
            xMin = xMax = c.x;
            yMin = yMax = c.y - radius_;
            return true;
        case 1:
            xMin = xMax = throughPoint_.x;
            yMin = yMax = throughPoint_.y;
            return true;
        case 2:
            if (tangent_.GetOption() == Cpp_TangentLine::kIrregular)
                return tangent_.GetExtents(xMin, xMax, yMin, yMax);
            if (tangent_.GetOption() == Cpp_TangentLine::kHorizontal) {
                xMin = xMax = c.x;
                yMin = yMax = tangent_.GetElevation();
                return true;
            }
            return false;
        default: return false;
        }
    }
    if (mode_ == kSearchType2) {
        const s_tagTypePointXY c = grid_.Center();
        return radiusDefinitions_.GetBounds(c.x, c.y, xMin, xMax, yMin, yMax);
    }
    return false;
}

bool Cpp_AnalysisComputationData::Rescale(double a, double b, double c, double d) {
    if (!hasData_) return false;
    auto map = [&](s_tagTypePointXY& p) { p = {a * p.x + b, c * p.y + d}; };
    map(startCentre_);
    map(circleCentre_);
    map(throughPoint_);
    map(toolFirst_);
    map(toolSecond_);
    tangent_.Transform(a, b, c, d);
    grid_.Transform(a, b, c, d);
    radiusDefinitions_.Transform(a, b, c, d);
    for (auto& circle : centreList_)
        circle.SetCenter(a * circle.CenterX() + b, c * circle.CenterY() + d);
    noncircular_.Transform(a, b, c, d);
    lowestSlipSurface_ = c * lowestSlipSurface_ + d;
    if (lowestCentreGiven_) lowestCentre_ = c * lowestCentre_ + d;
    for (int k : {kAbsoluteEntire, kAbsoluteSome}) {
        auto& r = restrictions_[k];
        if (!r.set) continue;
        const double lo = a * r.minimum + b;
        const double hi = a * r.maximum + b;
        r.minimum = std::min(lo, hi);
        r.maximum = std::max(lo, hi);
    }
    return true;
}

bool Cpp_AnalysisComputationData::ScaleLengths(double factor) {
    if (!hasData_) return false;
    radius_ *= factor;
    radiusDefinitions_.ScaleLengths(factor);
    return true;
}

void Cpp_AnalysisComputationData::SetCorpsSideForceInclination(double degrees) {
    corpsInclination_ = analysis_text::DegreesToRadians(degrees);
}

double Cpp_AnalysisComputationData::GetCorpsSideForceInclination() const {
    return analysis_text::RadiansToDegrees(corpsInclination_);
}

void Cpp_AnalysisComputationData::GetImbalance(int& forceOption, double& force, int& momentOption,
                                               double& moment, double& minimumWeight) const {
    forceOption = forceOption_;
    force = forceImbalance_;
    momentOption = momentOption_;
    moment = momentImbalance_;
    minimumWeight = minimumWeight_;
}

void Cpp_AnalysisComputationData::SetForceImbalance(int option, double value) {
    forceOption_ = option;
    forceImbalance_ = value;
    forceIsDefault_ = false;
}

void Cpp_AnalysisComputationData::SetMomentImbalance(int option, double value) {
    momentOption_ = option;
    momentImbalance_ = value;
    momentIsDefault_ = false;
}

void Cpp_AnalysisComputationData::SetMinimumWeight(double value) {
    minimumWeight_ = value;
    minimumWeightIsDefault_ = false;
}

void Cpp_AnalysisComputationData::RefreshDefaultImbalances() {
    const s_AnalysisImbalanceDefaults defaults = analysis_settings::ImbalanceDefaults();
    if (forceIsDefault_) {
        forceOption_ = defaults.forceOption;
        forceImbalance_ = defaults.forceImbalance;
    }
    if (momentIsDefault_) {
        momentOption_ = defaults.momentOption;
        momentImbalance_ = defaults.momentImbalance;
    }
    if (minimumWeightIsDefault_) minimumWeight_ = defaults.minimumWeight;
}

void Cpp_AnalysisComputationData::SetRestriction(char kind, char extent, double minimum,
                                                 double maximum) {
    int k = -1;
    if (kind == 'R' && extent == 'E') k = kRelativeEntire;
    if (kind == 'R' && extent == 'S') k = kRelativeSome;
    if (kind == 'A' && extent == 'E') k = kAbsoluteEntire;
    if (kind == 'A' && extent == 'S') k = kAbsoluteSome;
    if (k < 0) return;
    restrictions_[k] = {true, minimum, maximum};
}

bool Cpp_AnalysisComputationData::GetRestriction(int k, bool& set, double& minimum,
                                                 double& maximum) const {
    if (k < 0 || k > 3) return false;
    set = restrictions_[k].set;
    minimum = restrictions_[k].minimum;
    maximum = restrictions_[k].maximum;
    return true;
}

bool Cpp_AnalysisComputationData::HasRestrictions() const {
    for (const auto& r : restrictions_)
        if (r.set) return true;
    return false;
}

void Cpp_AnalysisComputationData::SetSaveFactorRange(double fmin, double fmax) {
    if (fmin >= 0.0 && fmax >= 0.0) {
        saveOption_ = 2;
        saveFMin_ = fmin;
        saveFMax_ = fmax;
    } else {
        saveOption_ = 0;
        saveFMin_ = saveFMax_ = 0.0;
    }
    saveCount_ = 0;
}

void Cpp_AnalysisComputationData::SetSaveCount(int n) {
    saveFMin_ = saveFMax_ = 0.0;
    if (n > 0) {
        saveOption_ = 1;
        saveCount_ = n;
    } else {
        saveOption_ = 0;
        saveCount_ = 0;
    }
}

double Cpp_AnalysisComputationData::GetSubtendedAngleDegrees() const {
    return analysis_text::RadiansToDegrees(subtendedAngle_);
}

void Cpp_AnalysisComputationData::SetSliceSubdivision(double angleDegrees, double arcLength) {
    if (angleDegrees > 0.0) {
        subtendedAngle_ = analysis_text::DegreesToRadians(angleDegrees);
        maximumArcLength_ = 0.0;
    } else {
        subtendedAngle_ = 0.0;
        maximumArcLength_ = arcLength;
    }
}

void Cpp_AnalysisComputationData::SetNoncircularSubdivision(int n, double baseLength) {
    if (n > 0) {
        increments_ = n;
        baseLength_ = 0.0;
    } else {
        increments_ = 0;
        baseLength_ = baseLength;
    }
}

void Cpp_AnalysisComputationData::SetMaximumSteepness(double degrees) {
    maximumSteepnessDegrees_ = degrees;
    maximumSteepness_ = analysis_text::DegreesToRadians(degrees);
}

int Cpp_AnalysisComputationData::GetRadiusOption() const {
    if (!circular_) throw Exc_AccessedCircleDataWhenNoncircular();
    return radiusOption_;
}

void Cpp_AnalysisComputationData::GetDefaultDisplayFlags(bool& slip, bool& points, bool& centre,
                                                         bool& radius, bool& grid) {
    const auto& f = DefaultDisplayFlags();
    slip = f[0];
    points = f[1];
    centre = f[2];
    radius = f[4];
    grid = f[5];
}

void Cpp_AnalysisComputationData::SetDefaultDisplayFlags(bool slip, bool points, bool centre,
                                                         bool noncircular, bool radius, bool grid) {
    DefaultDisplayFlags() = {slip, points, centre, noncircular, radius, grid};
}

void Cpp_AnalysisComputationData::InitDisplayFlags() {
    const auto& f = DefaultDisplayFlags();
    display_[0] = f[0];
    display_[1] = f[1];
    display_[2] = f[2];
    display_[4] = f[4];
    display_[5] = f[5];
}

bool Cpp_AnalysisComputationData::GetSelectionFilterA() { return SelectionFilters()[0]; }
bool Cpp_AnalysisComputationData::GetSelectionFilterB() { return SelectionFilters()[1]; }
bool Cpp_AnalysisComputationData::GetSelectionFilterC() { return SelectionFilters()[2]; }
bool Cpp_AnalysisComputationData::GetSelectionFilterD() { return SelectionFilters()[3]; }
bool Cpp_AnalysisComputationData::GetSelectionFilterE() { return SelectionFilters()[4]; }
void Cpp_AnalysisComputationData::SetSelectionFilters(bool a, bool b, bool c, bool d, bool e) {
    SelectionFilters() = {a, b, c, d, e};
}

std::array<bool, 3>& Cpp_AnalysisComputationData::ToolFlags() {
    static std::array<bool, 3> flags{};
    return flags;
}
