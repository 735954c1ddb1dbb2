// The echo of the analysis data: the values of the groups of sub-commands a block did not give.

#include <cmath>

#include "analysis/analysis_computation_data.h"
#include "analysis/analysis_settings.h"
#include "analysis/number_text.h"
#include "core/echo_lines.h"
#include "core/echo_writer.h"

using G = e_AnalysisGroup;
using analysis_text::RadiansToDegrees;

namespace {

void EchoImbalance(const char* leading, int option, double value, const char* fraction,
                   const char* absolute) {
    if (option == 1) {
        PrintExponentialWithText(value, leading, fraction, 1, 6);
        PrintNewLine();
    } else if (option == 0) {
        const int decimals =
            analysis_text::DecimalsForSmallValue(value, analysis_settings::ForceDecimals(), 10);
        echo::Value(leading, value, decimals, absolute);
    }
}

}  // namespace

void Cpp_AnalysisComputationData::EchoForceImbalance() const {
    EchoImbalance("Force imbalance: ", forceOption_, forceImbalance_, " (fraction of total weight)",
                  " (absolute force units)");
}

void Cpp_AnalysisComputationData::EchoMomentImbalance() const {
    EchoImbalance("Moment imbalance: ", momentOption_, momentImbalance_,
                  " (fraction of moment due to total weight)", " (absolute moment units)");
}

void Cpp_AnalysisComputationData::EchoMinimumWeight() const {
    const char* leading = "Minimum weight required for computations to be performed: ";
    if (std::fabs(minimumWeight_) > 1000000.0) {
        PrintExponentialWithText(minimumWeight_, leading, "", 1, 3);
        PrintNewLine();
    } else {
        const int decimals = analysis_text::DecimalsForSmallValue(
            minimumWeight_, analysis_settings::ForceDecimals(), 10);
        echo::Value(leading, minimumWeight_, decimals);
    }
}

void Cpp_AnalysisComputationData::EchoSeismicCoefficient() const {
    echo::Value("Seismic coefficient: ", seismic_, 3);
    if (seismic_ == 0.0) return;
    static const char* const locations[3] = {"Seismic force acts at center of gravity.",
                                             "Seismic force acts at midheight of slice.",
                                             "Seismic force acts at bottom of slice."};
    if (seismicLocation_ >= 0 && seismicLocation_ <= 2) echo::Line(locations[seismicLocation_]);
}

void Cpp_AnalysisComputationData::EchoLambda() const {
    if (lambdaOption_ == 1) {
        echo::Line("Initial trial value for lambda specified as fraction of f-max");
        echo::Value("Fraction for initial trial value for lambda: ", lambdaTrial_, 4);
    } else if (lambdaOption_ == 2) {
        echo::Line("Initial trial value for lambda is specified directly");
        echo::Value("Initial trial value for lambda: ", lambdaTrial_, 4);
    } else {
        echo::Line("Default value used for initial trial lambda");
    }
    echo::Value("Minimum value for lambda: ", lambdaMinimum_, 4);
    echo::Value("Maximum value for lambda: ", lambdaMaximum_, 4);
    echo::Value("Incremental values for lambda: ", lambdaIncrement_, 4);
}

void Cpp_AnalysisComputationData::EchoOptionalData(std::FILE* echoFile) const {
    SetOutputFileOnly(echoFile);
    const int ad = analysis_settings::AngleDecimals();
    const int ld = analysis_settings::LengthDecimals();
    echo::Blank();
    PrintRepeatedChar(80, '-');
    PrintNewLine();
    echo::Line("The following represent default values or values that were prevously defined:");
    if (!IsGiven(G::Subdivision)) {
        if (circular_ && subtendedAngle_ > 0.0)
            echo::Value("Subtended angle for slice subdivision: ",
                        RadiansToDegrees(subtendedAngle_), ad, " (degrees)");
        else if (circular_)
            echo::Value("Maximum slice arc length for slice subdivision: ", maximumArcLength_, ld);
        else if (increments_ > 0)
            echo::Integer("Maximum increment for slice subdivision: ", increments_);
        else
            echo::Value("Maximum base length for slice subdivision: ", baseLength_,
                        analysis_settings::CoordinateDecimals());
    }
    if (!IsGiven(G::Crack))
        echo::Line(crack_.GetCrackOption() == 0 ? "There is no crack."
                                                : "Crack depth is the same as defined previously.");
    if (!IsGiven(G::CrackWater))
        echo::Line(crack_.GetWaterOption() == 0
                       ? "There is no water in a crack."
                       : "The water depth in the crack is as defined previously.");
    if (!IsGiven(G::Stages))
        echo::Line(threeStage_ ? "Three-stage computations will be performed."
                   : twoStage_ ? "Two-stage computations will be performed."
                               : "Conventional (single-stage) computations will be performed.");
    if (!IsGiven(G::Seismic)) EchoSeismicCoefficient();
    if (!IsGiven(G::UnitWeight))
        echo::Value("Unit weight of water (or other fluid) in crack: ",
                    crack_.GetUnitWeightOfWater(), analysis_settings::UnitWeightDecimals());
    if (!IsGiven(G::OutputForm))
        echo::Line(shortOutput_ ? "Automatic search output will be in short form."
                                : "Automatic search output will be in long form.");
    if (!IsGiven(G::Continuation) && circular_)
        echo::Line(
            continueToCritical_
                ? "Search will be continued after the initial mode to find a most critical circle."
                : "Search will be terminated after the initial mode of search is completed.");
    if (!IsGiven(G::Passes) && !circular_)
        echo::Integer("Maximum number of passes for noncircular search: ", passes_);
    if (!IsGiven(G::TrialGrids) && circular_ && mode_ == kSearchType1)
        echo::Integer("Maximum number of trial grids for a given search mode: ", trialGrids_);
    if (!IsGiven(G::Restrictions))
        echo::Line(HasRestrictions()
                       ? "Some lateral restrictions exist for the search - see previous input data."
                       : "No restrictions exist on the lateral extent of the search.");
    if (!IsGiven(G::KeepRange) && saveOption_ == 2)
        PrintText("Will save all slip surfaces with factor of safety between " +
                      analysis_text::Fixed(saveFMin_, 1, 3) + " and " +
                      analysis_text::Fixed(saveFMax_, 1, 3),
                  true);
    if (!IsGiven(G::SaveCount) && saveOption_ == 1)
        echo::Integer(
            "Will save the following number of shear surfaces with the lowest factors of safety:",
            saveCount_);
    if (!IsGiven(G::KeepRange) && !IsGiven(G::SaveCount) && saveOption_ == 0)
        echo::Line(
            "No shear surfaces other than the most critical will be saved for display later.");
    if (!IsGiven(G::Face)) {
        if (face_ == 1) {
            echo::Line("Only the LEFT face of the slope will be analyzed");
            echo::Blank();
        } else if (face_ == 2) {
            echo::Line("Only the RIGHT face of the slope will be analyzed");
            echo::Blank();
        } else {
            echo::Line("Neither slope face was explicitly designated for analysis.");
        }
    }
    if (!IsGiven(G::Sorting) && circular_ && mode_ == kSearchType2) {
        if (radiusDefinitions_.GetSortRadii()) {
            echo::Line(
                "Radii for each grid point will be sorted in the order of increasing radius.");
            echo::Line(
                "Critical circles for grid points will be output in the order of increasing factor of safety.");
        } else {
            echo::Line(
                "Radii for each grid point will NOT be sorted in order of increasing radius.");
            echo::Line(
                "Critical circles for grid points will be output in the order they were calculated.");
        }
    }
    if (!IsGiven(G::ChangeTrialF) && changeTrialF_)
        echo::Line("Estimate for initial trial factor of safety will be changed during search.");
    if (!IsGiven(G::ShearForce) && totalShear_)
        echo::Line("Total shear force on slip surface will be computed");
    if (!IsGiven(G::SignConvention))
        echo::Line(
            oppositeSign_
                ? "\"Opposite Sign Convention\" Option for direction of shear stress on shear surface activated."
                : "Standard sign convention used for direction of shear stress on shear surface.");
    if (!IsGiven(G::Procedure)) {
        if (const char* name = ProcedureName(procedure_))
            echo::Line(std::string("Procedure of Analysis: ") + name);
        if (procedure_ == kCorps)
            echo::Value("Specified side force inclination: ", RadiansToDegrees(corpsInclination_),
                        ad);
    }
    if (!IsGiven(G::IterationLimit)) echo::Integer("Iteration limit: ", iterations_);
    if (!IsGiven(G::ForceImbalance)) EchoForceImbalance();
    if (!IsGiven(G::MomentImbalance)) EchoMomentImbalance();
    if (!IsGiven(G::MinimumWeight)) EchoMinimumWeight();
    if (!IsGiven(G::TrialF)) echo::Value("Initial trial factor of safety: ", trialF_, 3);
    if (procedure_ >= kSpencer && procedure_ <= kLoweKarafiath) {
        if (!IsGiven(G::SideForceInclination))
            echo::Value("Initial trial side force inclination: ",
                        RadiansToDegrees(sideForceInclination_), 3, " (degrees)");
    } else if (procedure_ == kChenMorgenstern || procedure_ == kMorgensternPrice) {
        if (!IsGiven(G::Lambda)) EchoLambda();
    }
    if (!IsGiven(G::NegativeLimit) && procedure_ == kSpencer)
        echo::Value(
            "Minimum (most negative) side force inclination allowed in Spencer's procedure: ",
            RadiansToDegrees(negativeLimit_), ad);
    if (!IsGiven(G::ExitAngle) && circular_) {
        if (exitAngleLimited_)
            echo::Value("Limiting exit angle for circles: ", RadiansToDegrees(exitAngle_), ad);
        else
            echo::Line("Exit angle for circles is not limited.");
    }
}
