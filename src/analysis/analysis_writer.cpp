// The "ANAlysis/computation data follow" block of the input file and of the document.

#include <ostream>
#include <sstream>

#include "analysis/analysis_computation_data.h"
#include "analysis/analysis_settings.h"
#include "analysis/number_text.h"

namespace {

using analysis_text::DecimalsToKeep;
using analysis_text::Exact;
using analysis_text::ExactDegrees;
using analysis_text::ExactExponential;
using analysis_text::Fixed;
using analysis_text::Integer;

const char* const kBlank5 = "     ";
const char* const kBlank10 = "          ";

// Fixed field of the given width with at least the given decimals, more where the value needs
// them to read back as itself.
std::string Field(double v, int width, int decimals) {
    return Fixed(v, width, DecimalsToKeep(v, decimals));
}

void WriteImbalance(std::ostream& out, const char* heading, int option, double value) {
    out << kBlank5 << heading << "\n" << kBlank10;
    if (option == 1)
        out << ExactExponential(value, 4) << "  Decimal fraction\n";
    else
        out << Exact(value, analysis_settings::ForceDecimals()) << "\n";
}

}  // namespace

bool Cpp_AnalysisComputationData::WriteKLIVEN4InputDataFile(std::ostream& out,
                                                            bool document) const {
    if (!hasData_) return true;
    out << "ANAlysis/computation data follow\n";
    WriteSlipSurfaceLines(out, document);
    if (!WriteOptionalData(out)) return false;
    out << "\n";
    return true;
}

bool Cpp_AnalysisComputationData::WriteKLIVEN4InputDataFile(std::FILE* file, bool document) const {
    std::ostringstream out;
    const bool ok = WriteKLIVEN4InputDataFile(out, document);
    if (file) std::fputs(out.str().c_str(), file);
    return ok;
}

bool Cpp_AnalysisComputationData::WriteSlipSurfaceLines(std::ostream& out, bool document) const {
    // The document keeps the user's surface; the computation gets it as the check adjusted it.
    const auto& noncircular =
        document ? noncircular_.Points() : noncircular_.PointsForComputation();
    const int cd = analysis_settings::CoordinateDecimals();
    const int ld = analysis_settings::LengthDecimals();
    const int ad = analysis_settings::AngleDecimals();
    if (circular_) {
        switch (mode_) {
        case kIndividual:
            out << kBlank5 << "Circle\n"
                << kBlank10 << Field(circleCentre_.x, 20, cd) << kBlank5
                << Field(circleCentre_.y, 20, cd);
            if (radiusOption_ == 0) out << kBlank5 << Field(radius_, 20, ld);
            out << "\n";
            if (radiusOption_ == 1) {
                out << kBlank10 << "Point through which circle passes follows -\n"
                    << kBlank10 << Field(throughPoint_.x, 20, cd) << kBlank5
                    << Field(throughPoint_.y, 20, cd) << "\n";
            } else if (radiusOption_ == 2) {
                tangent_.WriteKLIVEN4InputDataFile(out);
            }
            return true;
        case kSearchType1:
            out << kBlank5 << "Circle Search 1\n"
                << kBlank10 << Field(startCentre_.x, 15, cd) << "  "
                << Field(startCentre_.y, 15, cd) << "  " << Field(requiredAccuracy_, 10, ld) << "  "
                << Field(lowestSlipSurface_, 15, cd);
            if (lowestCentreGiven_) out << "  " << Field(lowestCentre_, 15, cd);
            if (noInverted_)
                out << "  "
                    << "   No_inverted_circles";
            out << "\n";
            if (radiusOption_ == 0) {
                out << kBlank5 << "Radius follows - \n" << kBlank10 << Exact(radius_, ld) << "\n";
            } else if (radiusOption_ == 1) {
                out << kBlank5 << "Point through which circle passes follows -\n"
                    << kBlank10 << Exact(throughPoint_.x, cd) << kBlank5
                    << Exact(throughPoint_.y, cd) << "\n";
            } else if (radiusOption_ == 2) {
                tangent_.WriteKLIVEN4InputDataFile(out);
            }
            return true;
        case kSearchType2:
            out << kBlank5 << "Circle Search 2\n";
            grid_.WriteKLIVEN4InputDataFile(out);
            radiusDefinitions_.WriteKLIVEN4InputDataFile(out);
            return true;
        case kInteractive:
            out << kBlank5 << "Circle Interactive\n";
            radiusDefinitions_.WriteKLIVEN4InputDataFile(out);
            return true;
        default: break;
        }
    } else {
        switch (mode_) {
        case kIndividual:
            out << kBlank5 << "Noncircular\n";
            for (const auto& p : noncircular)
                out << kBlank10 << Field(p.X(), 15, cd) << kBlank5 << Field(p.Y(), 15, cd) << "\n";
            out << "\n";
            return true;
        case kSearchType1:
            out << kBlank5 << "Noncircular Search\n";
            for (const auto& p : noncircular) {
                out << kBlank10 << Field(p.X(), 15, cd) << "  " << Field(p.Y(), 15, cd);
                if (!p.IsMoveable())
                    out << "  FIXED";
                else if (!p.IsShiftDirectionComputed())
                    out << "  " << ExactDegrees(p.GetShiftAngleRadians(), 10, ad);
                out << "\n";
            }
            out << "\n"
                << kBlank10 << Field(initialShift_, 15, ld) << "  " << Field(finalShift_, 15, ld)
                << "  " << Field(maximumSteepnessDegrees_, 15, ad) << "\n";
            return true;
        default: break;
        }
    }
    // A mode without a layout of its own cannot be read back; it is kept as no mode.
    out << "NONE - Recognized by preprocessor only\n";
    return true;
}

bool Cpp_AnalysisComputationData::WriteOptionalData(std::ostream& out) const {
    const int cd = analysis_settings::CoordinateDecimals();
    const int ld = analysis_settings::LengthDecimals();
    const int ad = analysis_settings::AngleDecimals();
    const int fd = analysis_settings::ForceDecimals();
    const int sd = analysis_settings::FactorOfSafetyDecimals();
    const s_AnalysisImbalanceDefaults defaults = analysis_settings::ImbalanceDefaults();

    if (procedure_ != kSpencer) {
        out << kBlank5 << "PROcedure of analysis\n" << kBlank10;
        switch (procedure_) {
        case kBishop: out << "Bishop\n"; break;
        case kCorps:
            out << "Corps"
                << "               " << ExactDegrees(corpsInclination_, 1, ad) << "\n";
            break;
        case kLoweKarafiath: out << "Lowe and Karafiath\n"; break;
        case kChenMorgenstern:
            out << "Chen Morgenstern\n";
            if (!sideForce_.WriteInputChenAndMorgenstern(out)) return false;
            break;
        case kMorgensternPrice:
            out << "Morgenstern and Price\n";
            if (!sideForce_.WriteInputMorgensternAndPrice(out)) return false;
            break;
        case kOrdinary: out << "Ordinary Method of Slices\n"; break;
        default: out << "\n"; break;
        }
    }
    if (seismic_ != 0.0) {
        out << kBlank5 << "SEIsmic coefficient follows:\n" << kBlank10 << Exact(seismic_, 3);
        if (seismicLocation_ == 1) out << kBlank5 << "MID-height";
        if (seismicLocation_ == 2) out << kBlank5 << "BOTtom";
        out << "\n";
    }
    if (twoStage_) out << kBlank5 << kBlank5 << "TWO stage computations\n";
    if (threeStage_) out << kBlank5 << kBlank5 << "THRee stage computations\n";
    if (oppositeSign_) out << kBlank5 << "OPPosite sign convention\n";
    if (face_ == 1) out << kBlank5 << "LEFt face of slope analyzed\n";
    if (face_ == 2) out << kBlank5 << "RIGht face of slope analyzed\n";
    if (minimumWeight_ != defaults.minimumWeight)
        out << kBlank5 << "MINimum weight follows:\n"
            << kBlank10 << Exact(minimumWeight_, fd) << "\n";
    if (circular_ && subtendedAngle_ != analysis_text::DegreesToRadians(3.0)) {
        if (subtendedAngle_ != 0.0)
            out << kBlank5 << "SUBtended angle for slice subdivision follows:\n"
                << kBlank10 << ExactDegrees(subtendedAngle_, 1, ad) << "\n";
        else
            out << kBlank5 << "ARC length for slice subdivision follows:\n"
                << kBlank10 << Exact(maximumArcLength_, ld) << "\n";
    }
    if (!circular_ && increments_ != 30) {
        if (increments_ != 0)
            out << kBlank5 << "INCrements for slice subdivision follows:\n"
                << kBlank10 << Integer(increments_, 1) << "\n";
        else
            out << kBlank5 << "BASe length for slice subdivision follows:\n"
                << kBlank10 << Exact(baseLength_, ld) << "\n";
    }
    if (trialF_ != 3.0)
        out << kBlank5 << "FACtor of safety follows:\n" << kBlank10 << Exact(trialF_, sd) << "\n";
    if (sideForceInclination_ != kDefaultSideForceInclination)
        out << kBlank5 << "SIDe force inclination follows:\n"
            << kBlank10 << ExactDegrees(sideForceInclination_, 1, sd) << "\n";
    if ((procedure_ == kChenMorgenstern || procedure_ == kMorgensternPrice) &&
        (lambdaOption_ != 0 || lambdaTrial_ != 0.1 || lambdaMinimum_ != -1.0 ||
         lambdaMaximum_ != 1.0 || lambdaIncrement_ != 0.1))
        out << kBlank5 << "LAMbda information follows:\n"
            << kBlank5 << Integer(lambdaOption_, 1) << kBlank5 << Exact(lambdaTrial_, 5) << kBlank5
            << Exact(lambdaMinimum_, 5) << kBlank5 << Exact(lambdaMaximum_, 5) << kBlank5
            << Exact(lambdaIncrement_, 5) << "\n";
    if (iterations_ != 100)
        out << kBlank5 << "ITEration limit follows:\n"
            << kBlank10 << Integer(iterations_, 1) << "\n";
    if (negativeLimit_ != kDefaultNegativeLimit)
        out << kBlank5 << "NEGative side force inclination limit follows:\n"
            << kBlank10 << ExactDegrees(negativeLimit_, 1, 5) << "\n";
    if (forceOption_ != defaults.forceOption || forceImbalance_ != defaults.forceImbalance)
        WriteImbalance(out, "FORce imbalance information follows:", forceOption_, forceImbalance_);
    if (momentOption_ != defaults.momentOption || momentImbalance_ != defaults.momentImbalance)
        WriteImbalance(out, "MOMent imbalance information follows:", momentOption_,
                       momentImbalance_);
    if (circular_ && mode_ == kSearchType1 && trialGrids_ != 50)
        out << kBlank5 << "TRIal grids maximum allowed follows:\n"
            << kBlank10 << Integer(trialGrids_, 1) << "\n";
    if (circular_ && mode_ == kSearchType1)
        out << kBlank5
            << (continueToCritical_ ? "CRItical circle to be found"
                                    : "STOp after initial mode of search")
            << "\n";
    if (circular_ && exitAngleLimited_)
        out << kBlank5 << "EXIt angle limited\n"
            << kBlank10 << ExactDegrees(exitAngle_, 1, ad) << "\n";
    if (!circular_ && (mode_ == kSearchType1 || mode_ == kSearchType2) && passes_ != 50)
        out << kBlank5 << "PASses maximum allowed follows:\n"
            << kBlank10 << Integer(passes_, 1) << "\n";
    if (saveOption_ == 1)
        out << kBlank5 << "SAVe the following n-most critical shear surfaces:\n"
            << kBlank10 << Integer(saveCount_, 1) << "\n";
    if (saveOption_ == 2)
        out << kBlank5 << "KEEp the following slip surfaces with F less than:\n"
            << kBlank10 << Exact(saveFMin_, sd) << kBlank10 << Exact(saveFMax_, sd) << "\n";
    WriteCrack(out);
    if (HasRestrictions()) {
        out << kBlank5 << "REStriction information follows:\n";
        struct Row {
            int k;
            const char* name;
            int decimals;
        };
        const Row rows[4] = {{kAbsoluteEntire, "Absolute Entire", cd},
                             {kAbsoluteSome, "Absolute Some", cd},
                             {kRelativeEntire, "Relative Entire", ld},
                             {kRelativeSome, "Relative Some", ld}};
        for (const Row& row : rows) {
            const auto& r = restrictions_[row.k];
            if (!r.set) continue;
            out << kBlank10 << row.name << "\n"
                << "               " << Field(r.minimum, 15, row.decimals) << " "
                << Field(r.maximum, 15, row.decimals) << "\n";
        }
        out << "\n";
    }
    // Values that only a dialog can change, written so that a saved document keeps them.
    if (changeTrialF_) out << kBlank5 << "CHAnge trial factor of safety during search\n";
    if (totalShear_) out << kBlank5 << "SHEar force on slip surface to be computed\n";
    if (saveSequence_)
        out << kBlank5 << "SEQuence of slip surfaces saved - interval follows:\n"
            << kBlank10 << Integer(sequenceInterval_, 1) << "\n";
    if (!radiusDefinitions_.GetSortRadii()) out << kBlank5 << "UNSorted radii\n";
    if (shortOutput_) out << kBlank5 << "SHOrt form of search output\n";
    if (refinement_.on) {
        const auto& r = refinement_;
        out << kBlank5 << "REFinement of search follows:\n"
            << kBlank10 << Integer(r.refinements, 1) << " "
            << Integer(r.subdivisionsPerRefinement, 1) << " " << Exact(r.initialShift, ld) << " "
            << Exact(r.finalShift, ld) << " " << Exact(r.maximumToeSteepness, ad);
        if (circular_) {
            out << " " << Integer(r.subdivisionOption, 1) << " ";
            if (r.subdivisionOption == 1)
                out << Exact(r.subtendedAngle, ad);
            else if (r.subdivisionOption == 2)
                out << Exact(r.arcLength, ld);
            else
                out << Integer(r.numberOfSlices, 1);
        }
        out << "\n";
    }
    if (propertyLineBottomGiven_ || !propertyLineX_.empty()) {
        out << kBlank5 << "TABle of material properties at x coordinates follows:\n";
        if (propertyLineBottomGiven_)
            out << kBlank10 << Exact(propertyLineBottom_, cd) << "\n";
        else
            out << kBlank10 << "No_lower_limit\n";
        for (double x : propertyLineX_) out << kBlank10 << Exact(x, cd) << "\n";
        out << "\n";
    }
    return true;
}
