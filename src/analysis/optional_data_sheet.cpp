// The launcher of the optional analysis data: the sheet's record filled from the data and,
// after OK, stored back (degrees to radians, the crack and its water with their changed flags).

#include "analysis/optional_data_sheet.h"

#include "analysis/number_text.h"
#include "core/geometry.h"
#include "core/message_boxes.h"

#include <memory>

namespace {

struct CancelOptionalDataSheet final : OptionalDataSheet {
    bool Run(s_OptionalDataType&) override { return false; }
};

constexpr double kShownSlices = 111;
constexpr double kShownBaseLength = 333.333;

// The page of the crack (water false) or of its water, from the data's option 0 to 4.
s_CrackPageType CrackPage(const Cpp_Crack& crack, bool water) {
    s_CrackPageType page;
    const int option = water ? crack.GetWaterOption() : crack.GetCrackOption();
    switch (option) {
    case 1:
        page.option = 1;
        page.value = water ? crack.WaterDepth(0.0) : crack.CrackDepth(0.0);
        break;
    case 2: {
        page.option = 2;
        double y = 0.0;
        if (water ? crack.WaterSurfaceElevation(0.0, y) : crack.CrackBottomElevation(0.0, y))
            page.value = y;
        break;
    }
    case 3:
    case 4: {
        page.option = option - 2;
        page.variable = true;
        const Cpp_CrackPointList& list = water ? crack.WaterPointList() : crack.CrackPointList();
        for (const Cpp_CrackPoint* p = list.Head(); p; p = p->Next())
            page.points.push_back({p->X(), p->Value()});
        break;
    }
    default: break;
    }
    return page;
}

// Stores the page into the crack or its water; true when it changed.
bool StoreCrackPage(const s_CrackPageType& page, Cpp_Crack& crack, bool water) {
    const int stored = water ? crack.GetWaterOption() : crack.GetCrackOption();
    bool changed = stored != page.option;
    auto setOption = [&](int option) {
        water ? crack.SetWaterOption(option) : crack.SetCrackOption(option);
    };
    if (page.option == 0) {
        setOption(0);
        return changed;
    }
    if (page.variable) {
        setOption(page.option + 2);
        Cpp_CrackPointList& list = water ? crack.WaterPointList() : crack.CrackPointList();
        list.DeleteAllPoints();
        for (const s_tagTypePointXY& p : page.points) list.AddPoint(p.x, p.y);
        return true;
    }
    setOption(page.option);
    if (!changed) {
        double old = 0.0;
        bool known = true;
        if (page.option == 1)
            old = water ? crack.WaterDepth(0.0) : crack.CrackDepth(0.0);
        else
            known = water ? crack.WaterSurfaceElevation(0.0, old)
                          : crack.CrackBottomElevation(0.0, old);
        if (known) changed = page.value != old;
    }
    water ? crack.SetWaterConstant(page.value) : crack.SetCrackConstant(page.value);
    return changed;
}

}  // namespace

DialogSlot<OptionalDataSheet>& OptionalDataSheetSlot() {
    static DialogSlot<OptionalDataSheet> slot("optional analysis data sheet",
                                              std::make_unique<CancelOptionalDataSheet>());
    return slot;
}

bool Cpp_AnalysisComputationData::EditOptionalData(void* parent, bool& crackChanged,
                                                   bool& waterChanged, bool& noData) {
    if (!hasData_) {
        ShowQuestionMessage(parent, "Halt - Not Ready for This Input",
                            "There are no primary Analysis/Computation data - Enter primary data "
                            "first.");
        noData = true;
        return false;
    }
    noData = false;
    using analysis_text::DegreesToRadians;
    using analysis_text::RadiansToDegrees;

    s_OptionalDataType r;
    r.circular = circular_;
    r.mode = mode_;
    r.procedure = procedure_ >= 0 && procedure_ <= 2 ? procedure_ : -1;
    r.stages = twoStage_ ? 1 : (threeStage_ ? 2 : 0);
    r.minimumWeight = minimumWeight_;
    r.oppositeSign = oppositeSign_;
    r.seismicCoefficient = seismic_;
    r.seismicLocation = seismicLocation_;
    r.face = face_;
    r.specifiedInclination = RadiansToDegrees(corpsInclination_);
    r.overrideLimit = negativeLimit_ != kDefaultNegativeLimit;
    r.mostNegativeInclination = r.overrideLimit
                                    ? RadiansToDegrees(negativeLimit_)
                                    : RoundToDecimals(RadiansToDegrees(kDefaultNegativeLimit), 3);
    const double shownNegative = r.mostNegativeInclination;
    r.problemType = typeOfProblem_;
    r.specifiedF = specifiedF_;
    if (circular_) {
        r.circleSliceOption = subtendedAngle_ > 0.0 ? 0 : 1;
        r.sliceValue =
            subtendedAngle_ > 0.0 ? RadiansToDegrees(subtendedAngle_) : maximumArcLength_;
    } else {
        r.noncircularSliceOption = increments_ >= 1 ? 0 : 1;
        r.numberOfSlices = increments_ >= 1 ? increments_ : static_cast<int>(kShownSlices);
        r.sliceValue = increments_ >= 1 ? kShownBaseLength : baseLength_;
    }
    r.trialF = trialF_;
    r.sideForceInclination = RadiansToDegrees(sideForceInclination_);
    r.iterationLimit = iterations_;
    r.forceImbalance = forceImbalance_;
    r.forceKind = forceOption_ == 1 ? 1 : 0;
    r.momentImbalance = momentImbalance_;
    r.momentKind = momentOption_ == 1 ? 1 : 0;
    r.lambdaOption = lambdaOption_;
    r.lambdaValue = lambdaTrial_;
    r.changeTrialF = changeTrialF_;
    r.afterInitialMode = continueToCritical_ ? 0 : 1;
    r.shortOutput = shortOutput_;
    r.sortRadii = radiusDefinitions_.GetSortRadii();
    r.trialGridsOrPasses = circular_ ? trialGrids_ : passes_;
    r.saveMostCritical = saveOption_ == 1;
    r.numberToSave = saveOption_ == 1 ? saveCount_ : 0;
    r.saveRange = saveOption_ == 2;
    r.rangeFrom = saveOption_ == 2 ? saveFMin_ : 0.0;
    r.rangeTo = saveOption_ == 2 ? saveFMax_ : 0.0;
    const s_SearchRefinementType& f = refinement_;
    r.refine = f.on;
    r.refinements = f.refinements;
    r.subdivisionsIndex = f.subdivisionsPerRefinement - 1;
    r.basisIndex = f.subdivisionOption - 1;
    r.basisValue = f.subdivisionOption == 2 ? f.arcLength : f.subtendedAngle;
    r.basisSlices = f.numberOfSlices;
    r.initialShift = f.initialShift;
    r.finalShift = f.finalShift;
    r.maximumSteepness = f.maximumToeSteepness;
    for (int k = 0; k < 4; ++k) r.restrictions[k] = restrictions_[k];
    r.crack = CrackPage(crack_, false);
    r.water = CrackPage(crack_, true);
    r.unitWeightOfWater = crack_.GetUnitWeightOfWater();

    if (!RunDialogCommand(OptionalDataSheetSlot(),
                          [&] { return OptionalDataSheetSlot().Get().Run(r); }))
        return false;

    // A procedure not offered by the sheet stays as it was.
    if (r.procedure >= 0) procedure_ = r.procedure;
    twoStage_ = r.stages == 1;
    threeStage_ = r.stages == 2;
    // The setters of values that have defaults only when the value changed, so an untouched
    // default stays one.
    if (r.minimumWeight != minimumWeight_) SetMinimumWeight(r.minimumWeight);
    oppositeSign_ = r.oppositeSign;
    seismic_ = r.seismicCoefficient;
    if (r.seismicLocation >= 0) seismicLocation_ = r.seismicLocation;
    if (r.face >= 0) face_ = r.face;
    corpsInclination_ = DegreesToRadians(r.specifiedInclination);
    // A limit shown and kept keeps its radians exactly.
    if (!r.overrideLimit)
        negativeLimit_ = kDefaultNegativeLimit;
    else if (r.mostNegativeInclination != shownNegative)
        negativeLimit_ = DegreesToRadians(r.mostNegativeInclination);
    typeOfProblem_ = r.problemType;
    specifiedF_ = r.specifiedF;
    if (circular_) {
        if (r.circleSliceOption == 0) {
            subtendedAngle_ = DegreesToRadians(r.sliceValue);
            maximumArcLength_ = 0.0;
        } else if (r.circleSliceOption == 1) {
            maximumArcLength_ = r.sliceValue;
            subtendedAngle_ = 0.0;
        }
    } else if (r.noncircularSliceOption == 0) {
        increments_ = r.numberOfSlices;
        baseLength_ = 0.0;
    } else if (r.noncircularSliceOption == 1) {
        increments_ = 0;
        baseLength_ = r.sliceValue;
    }
    trialF_ = r.trialF;
    sideForceInclination_ = DegreesToRadians(r.sideForceInclination);
    iterations_ = r.iterationLimit;
    if (r.forceKind != (forceOption_ == 1 ? 1 : 0) || r.forceImbalance != forceImbalance_)
        SetForceImbalance(r.forceKind, r.forceImbalance);
    if (r.momentKind != (momentOption_ == 1 ? 1 : 0) || r.momentImbalance != momentImbalance_)
        SetMomentImbalance(r.momentKind, r.momentImbalance);
    lambdaOption_ = r.lambdaOption;
    lambdaTrial_ = r.lambdaValue;
    changeTrialF_ = r.changeTrialF;
    continueToCritical_ = r.afterInitialMode == 0;
    shortOutput_ = r.shortOutput;
    radiusDefinitions_.SetSortRadii(r.sortRadii);
    (circular_ ? trialGrids_ : passes_) = r.trialGridsOrPasses;
    if (r.saveMostCritical) {
        saveOption_ = 1;
        saveCount_ = r.numberToSave;
    } else if (r.saveRange) {
        saveOption_ = 2;
        saveFMin_ = r.rangeFrom;
        saveFMax_ = r.rangeTo;
        saveCount_ = 0;
    } else {
        saveOption_ = 0;
        saveCount_ = 0;
    }
    s_SearchRefinementType& g = refinement_;
    g.on = r.refine;
    if (r.refine) {
        g.refinements = r.refinements;
        g.subdivisionsPerRefinement = r.subdivisionsIndex + 1;
        if (circular_) {
            g.subdivisionOption = r.basisIndex + 1;
            if (g.subdivisionOption == 1) g.subtendedAngle = r.basisValue;
            if (g.subdivisionOption == 2) g.arcLength = r.basisValue;
            if (g.subdivisionOption == 3) g.numberOfSlices = r.basisSlices;
        }
        g.initialShift = r.initialShift;
        g.finalShift = r.finalShift;
        g.maximumToeSteepness = r.maximumSteepness;
    }
    for (int k = 0; k < 4; ++k) {
        restrictions_[k].set = r.restrictions[k].set;
        if (r.restrictions[k].set) {
            restrictions_[k].minimum = r.restrictions[k].minimum;
            restrictions_[k].maximum = r.restrictions[k].maximum;
        }
    }
    crackChanged = StoreCrackPage(r.crack, crack_, false);
    waterChanged = StoreCrackPage(r.water, crack_, true);
    crack_.SetUnitWeightOfWater(r.unitWeightOfWater);
    return true;
}
