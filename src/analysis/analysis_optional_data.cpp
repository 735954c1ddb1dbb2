// The optional sub-commands of the analysis/computation block.

#include <cctype>

#include "analysis/analysis_block_reader.h"
#include "analysis/analysis_messages.h"
#include "analysis/analysis_settings.h"
#include "analysis/number_text.h"
#include "core/data_error_output.h"
#include "core/echo_lines.h"
#include "core/echo_writer.h"

using E = Cpp_AnalysisDataErrors;
using G = e_AnalysisGroup;
using analysis_convert::ToInt;
using analysis_text::DegreesToRadians;

namespace {

char Upper(char c) { return static_cast<char>(std::toupper(static_cast<unsigned char>(c))); }

std::string UpperText(std::string s) {
    for (char& c : s) c = Upper(c);
    return s;
}

std::string WithoutLineEnd(std::string line) {
    while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) line.pop_back();
    return line;
}

int Ad() { return analysis_settings::AngleDecimals(); }
int Ld() { return analysis_settings::LengthDecimals(); }

}  // namespace

bool AnalysisBlockReader::ReadValueLine(const std::string& word, s_InputLineType& rec,
                                        int maxValues) {
    if (!Number(rec, maxValues)) return E::Error6920EndOfFile(word), false;
    if (rec.numValues == 0) return E::Error6920NoValue(word, rec.text), false;
    return true;
}

bool AnalysisBlockReader::ReadRealLine(const std::string& word, double& value) {
    s_InputLineType rec;
    if (!ReadValueLine(word, rec)) return false;
    value = rec.values[0];
    return true;
}

bool AnalysisBlockReader::ReadIntegerLine(const std::string& word, int& value) {
    s_InputLineType rec;
    if (!ReadValueLine(word, rec)) return false;
    if (!ToInt(rec.values[0], value)) return E::Error6920NotAWholeNumber(word, rec.text), false;
    return true;
}

bool AnalysisBlockReader::ReadOptionalData() {
    Cpp_Errors errors(echoFile_);
    SetOutputFileOnly(echo_ ? echoFile_ : nullptr);
    auto& a = a_;
    bool first = true;
    while (true) {
        std::string word, line;
        if (!ReadNextLineCopy(file_, word, line)) return E::Error6920EndOfFile(""), false;
        if (first && echo_) echo::Blank();
        first = false;
        const std::string shown = WithoutLineEnd(line);
        if (word.empty()) return true;

        if (word == "FAC") {
            double f;
            if (!ReadRealLine(word, f)) return false;
            a.trialF_ = f;
            a.SetGiven(G::TrialF);
            echo::Value("Initial trial factor of safety: ", f, 3);
        } else if (word == "SID") {
            double d;
            if (!ReadRealLine(word, d)) return false;
            a.sideForceInclination_ = DegreesToRadians(d);
            a.SetGiven(G::SideForceInclination);
            echo::Value("Initial trial side force inclination: ", d, Ad(), " (degrees)");
        } else if (word == "ITE") {
            int n;
            if (!ReadIntegerLine(word, n)) return false;
            a.iterations_ = n;
            a.SetGiven(G::IterationLimit);
            echo::Integer("Iteration limit: ", n);
        } else if (word == "FOR" || word == "MOM") {
            if (!ReadImbalance(word == "FOR")) return false;
        } else if (word == "NEG") {
            double d;
            if (!ReadRealLine(word, d)) return false;
            a.negativeLimit_ = DegreesToRadians(d);
            a.SetGiven(G::NegativeLimit);
            echo::Value(
                "Minimum (most negative) side force inclination allowed in Spencer's procedure: ",
                d, Ad());
        } else if (word == "EXI") {
            double d;
            if (!ReadRealLine(word, d)) return false;
            a.exitAngleLimited_ = true;
            a.exitAngle_ = DegreesToRadians(d);
            a.SetGiven(G::ExitAngle);
            echo::Value("Limiting exit angle for circles: ", d, Ad());
        } else if (word == "MIN") {
            double w;
            if (!ReadRealLine(word, w)) return false;
            a.minimumWeight_ = w;
            a.minimumWeightIsDefault_ = false;
            a.SetGiven(G::MinimumWeight);
            a.EchoMinimumWeight();
        } else if (word == "PRO") {
            if (!ReadProcedure()) return false;
        } else if (word == "SIN" || word.find('1') != std::string::npos) {
            a.SetStages(false, false);
            a.SetGiven(G::Stages);
            echo::Line("Conventional (single-stage) computations will be performed.");
        } else if (word == "TWO" || word.find('2') != std::string::npos) {
            a.SetStages(true, false);
            a.SetGiven(G::Stages);
            echo::Line("Two-stage computations will be performed.");
        } else if (word == "THR" || word.find('3') != std::string::npos) {
            a.SetStages(false, true);
            a.SetGiven(G::Stages);
            echo::Line("Three-stage computations will be performed.");
        } else if (word == "OPP") {
            a.oppositeSign_ = true;
            a.SetGiven(G::SignConvention);
            echo::Line(
                "\"Opposite Sign Convention\" Option for direction of shear stress on shear surface activated.");
        } else if (word == "CHA") {
            a.changeTrialF_ = true;
            a.SetGiven(G::ChangeTrialF);
            echo::Line(
                "Estimate for initial trial factor of safety will be changed during search.");
        } else if (word == "TRI") {
            int n;
            if (!ReadIntegerLine(word, n)) return false;
            a.trialGrids_ = n;
            a.SetGiven(G::TrialGrids);
            echo::Integer("Maximum number of trial grids for a given search mode: ", n);
        } else if (word == "PAS") {
            int n;
            if (!ReadIntegerLine(word, n)) return false;
            a.passes_ = n;
            a.SetGiven(G::Passes);
            echo::Integer("Maximum number of passes for noncircular search: ", n);
        } else if (word == "SEI") {
            s_InputLineType rec;
            if (!ReadValueLine(word, rec)) return false;
            const std::string rest = UpperText(rec.rest);
            int location = 0;
            if (rest.compare(0, 3, "MID") == 0) location = 1;
            if (rest.compare(0, 3, "BOT") == 0) location = 2;
            a.SetSeismic(rec.values[0], location);
            a.SetGiven(G::Seismic);
            a.EchoSeismicCoefficient();
        } else if (word == "CRA" || word == "WAT") {
            if (!ReadCrackOrWaterDepth(word == "CRA")) return false;
        } else if (word == "UNI") {
            double w;
            if (!ReadRealLine(word, w)) return false;
            a.crack_.SetUnitWeightOfWater(w);
            a.SetGiven(G::UnitWeight);
            echo::Value("Unit weight of water (or other fluid) in crack: ", w,
                        analysis_settings::UnitWeightDecimals());
        } else if (word == "RES") {
            if (!ReadRestrictions()) return false;
        } else if (word == "SUB" || word == "ARC") {
            if (!a.circular_) return E::Error6440(word == "SUB", shown), false;
            double v;
            if (!ReadRealLine(word, v)) return false;
            a.SetGiven(G::Subdivision);
            if (word == "SUB") {
                a.SetSliceSubdivision(v, 0.0);
                echo::Value("Subtended angle for slice subdivision: ", v, Ad(), " (degrees)");
            } else {
                a.subtendedAngle_ = 0.0;
                a.maximumArcLength_ = v;
                echo::Value("Maximum slice arc length for slice subdivision: ", v, Ld());
            }
        } else if (word == "INC" || word == "BAS") {
            if (a.circular_) return E::Error6460(word == "INC", shown), false;
            a.SetGiven(G::Subdivision);
            if (word == "INC") {
                int n;
                if (!ReadIntegerLine(word, n)) return false;
                a.SetNoncircularSubdivision(n, 0.0);
                echo::Integer("Maximum increment for slice subdivision: ", a.increments_);
            } else {
                double v;
                if (!ReadRealLine(word, v)) return false;
                a.increments_ = 0;
                a.baseLength_ = v;
                echo::Value("Maximum base length for slice subdivision: ", v, Ld());
            }
        } else if (word == "STO" || word == "CRI") {
            a.continueToCritical_ = word == "CRI";
            a.SetGiven(G::Continuation);
            echo::Line(
                word == "CRI"
                    ? "Search will be continued after the initial mode to find a most critical circle."
                    : "Search will be terminated after the initial mode of search is completed.");
        } else if (word == "LEF" || word == "RIG") {
            a.face_ = word == "LEF" ? 1 : 2;
            a.SetGiven(G::Face);
            echo::Line(word == "LEF" ? "Only the LEFT face of the slope will be analyzed"
                                     : "Only the RIGHT face of the slope will be analyzed");
            echo::Blank();
        } else if (word == "SHE") {
            a.totalShear_ = true;
            a.SetGiven(G::ShearForce);
            echo::Line("Total shear force on slip surface will be computed");
        } else if (word == "SEQ") {
            a.saveSequence_ = true;
            a.SetGiven(G::Sequence);
            echo::Line("Slip surfaces for search sequence will be saved.");
            s_InputLineType rec;
            if (!Number(rec)) return E::Error6350(""), false;
            int n = 0;
            if (rec.numValues == 0 || !ToInt(rec.values[0], n))
                return E::Error6350(rec.text), false;
            a.sequenceInterval_ = n;
            echo::Integer("Interval for saving slip surfaces in search sequence: ", n);
        } else if (word == "KEE") {
            s_InputLineType rec;
            if (!Number(rec, 2)) return E::Error6350(""), false;
            if (rec.numValues < 2) return E::Error6350(rec.text), false;
            a.SetSaveFactorRange(rec.values[0], rec.values[1]);
            a.SetGiven(G::KeepRange);
            PrintText("Will save all slip surfaces with factor of safety between " +
                          analysis_text::Fixed(rec.values[0], 1, 3) + " and " +
                          analysis_text::Fixed(rec.values[1], 1, 3),
                      true);
        } else if (word == "SAV") {
            int n;
            if (!ReadIntegerLine(word, n)) return false;
            a.SetSaveCount(n);
            a.SetGiven(G::SaveCount);
            echo::Integer(
                "Will save the following number of shear surfaces with the lowest factors of safety:",
                a.saveCount_);
        } else if (word == "SOR" || word == "UNS") {
            a.radiusDefinitions_.SetSortRadii(word == "SOR");
            a.SetGiven(G::Sorting);
            if (word == "SOR") {
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
        } else if (word == "LON" || word == "SHO") {
            a.shortOutput_ = word == "SHO";
            a.SetGiven(G::OutputForm);
            echo::Line(word == "SHO" ? "Automatic search output will be in short form."
                                     : "Automatic search output will be in long form.");
        } else if (word == "REF") {
            if (!ReadRefinement()) return false;
        } else if (word == "TAB") {
            if (!ReadMaterialPropertyTable()) return false;
        } else if (word == "LAM") {
            if (!ReadLambda(word)) return false;
        } else {
            return E::Error6920(word, line), false;
        }
    }
}

bool AnalysisBlockReader::ReadProcedure() {
    std::string line;
    if (!ReadNextLine(file_, line)) return E::Error6910(' ', "<end of file>"), false;
    std::string copy = line, initials;
    KeywordInitials(copy, initials);
    const std::string shown = WithoutLineEnd(line);
    if (initials.empty()) return E::Error6910(' ', shown), false;
    auto& a = a_;
    a.SetGiven(G::Procedure);
    const char first = Upper(initials[0]);
    const char second = initials.size() > 1 ? Upper(initials[1]) : ' ';
    int procedure = -1;
    switch (first) {
    case 'S': procedure = 0; break;
    case 'B': procedure = 1; break;
    case 'C': procedure = second == 'M' ? 4 : 2; break;
    case 'L': procedure = 3; break;
    case 'M': procedure = 5; break;
    case 'O': procedure = 6; break;
    default: return E::Error6910(initials[0], shown), false;
    }
    a.procedure_ = procedure;
    echo::Line(std::string("Procedure of Analysis: ") + a.ProcedureName(procedure));
    if (procedure == 2) {
        // The inclination stands on the procedure line when written by this program, else on
        // the next line.
        std::string rest = shown;
        SkipLeadingWords(rest, 1);
        std::vector<double> values;
        std::string text;
        SplitNumberLine(rest, values, 1, text);
        double degrees = 0.0;
        if (!values.empty()) {
            degrees = values[0];
        } else {
            s_InputLineType rec;
            if (!Number(rec) || rec.numValues == 0) return E::Error6830(), false;
            degrees = rec.values[0];
        }
        a.corpsInclination_ = DegreesToRadians(degrees);
        echo::Value("Specified side force inclination: ", degrees, Ad());
        return true;
    }
    if (procedure == 4) return a.sideForce_.ReadInputChenAndMorgenstern(file_, echoFile_, echo_);
    if (procedure == 5) return a.sideForce_.ReadInputMorgensternAndPrice(file_, echoFile_, echo_);
    return true;
}

bool AnalysisBlockReader::ReadImbalance(bool isForce) {
    s_InputLineType rec;
    if (!Number(rec)) return E::Error6920EndOfFile(isForce ? "FOR" : "MOM"), false;
    if (rec.numValues == 0) return E::Error6920NoValue(isForce ? "FOR" : "MOM", rec.text), false;
    const int option = !rec.rest.empty() && Upper(rec.rest[0]) == 'D' ? 1 : 0;
    if (isForce) {
        a_.SetForceImbalance(option, rec.values[0]);
        a_.SetGiven(G::ForceImbalance);
        a_.EchoForceImbalance();
    } else {
        a_.SetMomentImbalance(option, rec.values[0]);
        a_.SetGiven(G::MomentImbalance);
        a_.EchoMomentImbalance();
    }
    return true;
}

bool AnalysisBlockReader::ReadRestrictions() {
    echo::Blank();
    echo::Line("----- Restrictions of Shear Surface Location -----");
    while (true) {
        std::string line;
        if (!ReadNextLine(file_, line)) return E::Error6430(), false;
        std::string copy = line, initials;
        KeywordInitials(copy, initials);
        const std::string shown = WithoutLineEnd(line);
        if (initials.empty() && IsBlankLine(line)) return a_.SetGiven(G::Restrictions), true;
        if (initials.size() < 2) {
            E::Error6600(static_cast<int>(initials.size()), shown);
            continue;
        }
        const char kind = Upper(initials[0]);
        const char extent = Upper(initials[1]);
        if ((kind != 'R' && kind != 'A') || (extent != 'E' && extent != 'S'))
            return E::Error6900(initials[0], initials[1], shown), false;
        s_InputLineType rec;
        if (!Number(rec)) return E::Error6280(), false;
        if (rec.numValues < 2) return E::Error6790(rec.numValues, rec.text), false;
        a_.SetRestriction(kind, extent, rec.values[0], rec.values[1]);
        echo::Line(extent == 'E'
                       ? "The search will be constrained to shear surfaces which are"
                       : "The search will be constrained to shear surfaces with at least");
        if (kind == 'R')
            echo::Line(extent == 'E'
                           ? "ENTIRELY within the folowing delta-X's of the circle center: "
                           : "SOME portion within the folowing delta-X's of the circle center: ");
        else
            echo::Line(extent == 'E' ? "ENTIRELY within the following X's: "
                                     : "SOME portion within the following X's: ");
        const bool relative = kind == 'R';
        PrintText((relative ? "Minimum delta X: " : "Minimum X: ") +
                      analysis_text::Fixed(rec.values[0], 1, Ld()) +
                      (relative ? ", Maximum delta X: " : ", Maximum X: ") +
                      analysis_text::Fixed(rec.values[1], 1, Ld()),
                  true);
    }
}

bool AnalysisBlockReader::ReadRefinement() {
    auto& r = a_.refinement_;
    r.on = true;
    r.refinements = 0;
    a_.SetGiven(G::Refinement);
    const bool circular = a_.circular_;
    const int required = circular ? 7 : 5;
    s_InputLineType rec;
    if (!Number(rec, required)) return E::Error6805(0, required, "<end of file>"), false;
    if (rec.numValues < required) return E::Error6805(rec.numValues, required, rec.text), false;
    int refinements = 0, subdivisions = 0, option = 3;
    if (!ToInt(rec.values[0], refinements) || !ToInt(rec.values[1], subdivisions))
        return E::Error6805(rec.numValues, required, rec.text), false;
    if (circular && (!ToInt(rec.values[5], option) || option < 1 || option > 3))
        return E::BadRefinementOption(rec.text), false;
    r.refinements = refinements;
    r.subdivisionsPerRefinement = subdivisions;
    r.initialShift = rec.values[2];
    r.finalShift = rec.values[3];
    r.maximumToeSteepness = rec.values[4];
    if (circular) {
        r.subdivisionOption = option;
        if (option == 1) r.subtendedAngle = rec.values[6];
        if (option == 2) r.arcLength = rec.values[6];
        if (option == 3 && !ToInt(rec.values[6], r.numberOfSlices))
            return E::BadRefinementOption(rec.text), false;
    }
    echo::Blank();
    echo::Line("******************  START - DATA FOR REFINING INITIAL SEARCH  ******************");
    echo::Line("A search with noncircular slip surfaces will be performed");
    echo::Line("after the initial search is completed:");
    PrintSpaces(3);
    echo::Integer("Number of subsequent refinements of search = ", r.refinements);
    PrintSpaces(3);
    echo::Integer("Number of new subdivisions for each refinement = ", r.subdivisionsPerRefinement);
    PrintSpaces(3);
    echo::Value("Initial distance for shifting points during search refinement = ", r.initialShift,
                Ld());
    PrintSpaces(3);
    echo::Value("Final distance for shifting points during search refinement   = ", r.finalShift,
                Ld());
    PrintSpaces(3);
    echo::Value("Maximum steepness at toe of slip surface during search refinement = ",
                r.maximumToeSteepness, Ad());
    if (circular && option == 1) {
        echo::Line("Subdivision of circle will be based on subtended angle");
        echo::Value("Subtended angle: ", r.subtendedAngle, Ad(), " degrees");
    } else if (circular && option == 3) {
        echo::Line("Subdivision of circle will be based on specified number of slices");
        echo::Integer("Specified number of slices: ", r.numberOfSlices);
    }
    echo::Line("*******************  END - DATA FOR REFINING INITIAL SEARCH  *****************");
    echo::Blank();
    return true;
}

bool AnalysisBlockReader::ReadMaterialPropertyTable() {
    a_.SetGiven(G::PropertyLines);
    s_InputLineType rec;
    if (!Number(rec)) return E::Error6202("<end of file>"), false;
    bool bottomGiven = false;
    double bottom = 0.0;
    if (rec.numValues == 0) {
        echo::Line("No lower limit for material property lines");
    } else if (rec.numValues == 1) {
        bottomGiven = true;
        bottom = rec.values[0];
        echo::Value("Lowest elevation (y) for material property lines: ", bottom,
                    analysis_settings::CoordinateDecimals());
    }
    std::vector<double> xs;
    while (true) {
        s_InputLineType x;
        if (!Number(x)) return E::Error6204("<end of file>"), false;
        if (x.blankLine) break;
        if (x.numValues == 0) {
            E::Error6204(x.text);
            continue;
        }
        for (double v : x.values) {
            if (xs.empty())
                echo::Line(
                    "Material properties will be output for vertical lines at the following x coordinates:");
            xs.push_back(v);
            PrintDouble(v, 10, analysis_settings::CoordinateDecimals(), true);
        }
    }
    a_.SetPropertyLines(bottomGiven, bottom, std::move(xs));
    return true;
}

bool AnalysisBlockReader::ReadLambda(const std::string& word) {
    s_InputLineType rec;
    if (!ReadValueLine(word, rec, 5)) return false;
    int option = 0;
    if (rec.numValues < 5 || !ToInt(rec.values[0], option) || option < 0 || option > 2)
        return E::Error6920(word, rec.text), false;
    a_.SetLambda(option, rec.values[1], rec.values[2], rec.values[3], rec.values[4]);
    a_.SetGiven(G::Lambda);
    a_.EchoLambda();
    return true;
}
