// The first line and the slip-surface lines of the analysis/computation block.

#include <cctype>

#include "analysis/analysis_block_reader.h"
#include "analysis/analysis_messages.h"
#include "analysis/analysis_settings.h"
#include "analysis/number_text.h"
#include "core/data_error_output.h"
#include "core/echo_lines.h"
#include "core/echo_writer.h"
#include "core/output_table.h"
#include "core/text_exception.h"

using E = Cpp_AnalysisDataErrors;
using analysis_convert::ToInt;

namespace {

char Upper(char c) { return static_cast<char>(std::toupper(static_cast<unsigned char>(c))); }

// The keyword initials of a line (its line end removed), and the line without its line end.
std::string Initials(const std::string& line) {
    std::string copy = line, initials;
    KeywordInitials(copy, initials);
    return initials;
}

std::string WithoutLineEnd(std::string line) {
    while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) line.pop_back();
    return line;
}

int Cd() { return analysis_settings::CoordinateDecimals(); }
int Ld() { return analysis_settings::LengthDecimals(); }

}  // namespace

bool Cpp_AnalysisComputationData::ReadInput(bool olderFormat, std::FILE* file, std::FILE* echoFile,
                                            bool echo) {
    return AnalysisBlockReader(*this, olderFormat, file, echoFile, echo).ReadInput();
}

bool AnalysisBlockReader::ReadInput() {
    Cpp_Errors errors(echoFile_);
    SetOutputFileOnly(echo_ ? echoFile_ : nullptr);
    if (echo_ && echoFile_) {
        Cpp_OutputTable table(echoFile_);
        Cpp_OutputTable::SetTitleLine(1, "NEW ANALYSIS/COMPUTATION DATA");
        Cpp_OutputTable::StartTable(16, 0, '*', true);
        echo::Blank();
    }
    a_.RefreshDefaultImbalances();
    a_.ClearOptionalDataFlags();

    std::string line;
    if (!ReadNextLine(file_, line)) return E::Error6080(), false;
    std::string upper;
    for (char c : line) upper += Upper(c);
    const size_t start = upper.find_first_not_of(' ');
    if (start != std::string::npos && upper.compare(start, 4, "NONE") == 0) {
        a_.SetCircular(true);
        a_.mode_ = Cpp_AnalysisComputationData::kNone;
    } else {
        const std::string shown = WithoutLineEnd(line);
        const std::string initials = Initials(line);
        if (initials.empty()) return E::Error6490(shown), false;
        const char shape = Upper(initials[0]);
        if (shape != 'C' && shape != 'N') return E::Error6480(initials[0], shown), false;
        const bool circular = shape == 'C';
        if (circular != a_.circular_) a_.SetCircular(circular);
        a_.mode_ = Cpp_AnalysisComputationData::kNone;
        int mode = 0;
        bool search = false;
        if (initials.size() < 2) {
            mode = 1;
        } else {
            const char second = Upper(initials[1]);
            if (second == 'S')
                search = true;
            else if (second == 'I' && circular)
                mode = 5;
            else
                return E::Error6500(initials[1], shown), false;
        }
        if (search) {
            const char third = initials.size() >= 3 ? initials[2] : ' ';
            if (circular) {
                if (older_ || third == '1')
                    mode = 3;
                else if (third == '2')
                    mode = 4;
                else
                    return E::Error6510(third, shown), false;
            } else {
                if (third == ' ' || third == '1')
                    mode = 3;
                else if (third == '2')
                    mode = 4;
                else
                    return E::Error6510(third, shown), false;
            }
        }
        if (mode == 0) return E::Error6840(), false;
        a_.mode_ = mode;
        bool ok = false;
        if (circular) {
            switch (mode) {
            case 1: ok = ReadIndividualCircle(); break;
            case 3: ok = ReadSearchType1(); break;
            case 4: ok = ReadSearchType2(); break;
            case 5: ok = ReadInteractiveCircle(); break;
            }
        } else {
            ok = mode == 1 ? ReadIndividualNoncircular() : ReadNoncircularSearch();
        }
        if (!ok) return false;
    }
    if (!ReadOptionalData()) return false;
    a_.hasData_ = true;
    if (echo_) a_.EchoOptionalData(echoFile_);
    return true;
}

bool AnalysisBlockReader::ReadIndividualCircle() {
    s_InputLineType rec;
    if (!Number(rec)) return E::Error6180(), false;
    if (rec.numValues < 2) return E::Error6720(rec.numValues, rec.text), false;
    a_.circleCentre_ = {rec.values[0], rec.values[1]};
    a_.toolFirst_ = a_.toolSecond_ = {};
    a_.radius_ = 0.0;
    echo::Line("Center coordinates for center of circle -");
    PrintSpaces(45);
    echo::Value("X: ", rec.values[0], Cd());
    PrintSpaces(45);
    echo::Value("Y: ", rec.values[1], Cd());
    if (rec.numValues >= 3) {
        a_.radius_ = rec.values[2];
        a_.radiusOption_ = 0;
        a_.tangent_.ChangeOption(Cpp_TangentLine::kUndefined);
        PrintSpaces(40);
        echo::Value("Radius: ", a_.radius_, Ld());
        return true;
    }
    std::string line;
    if (!ReadNextLine(file_, line)) return E::Error6270(), false;
    const std::string initials = Initials(line);
    if (initials.empty()) return E::Error6540(WithoutLineEnd(line)), false;
    const char rule = Upper(initials[0]);
    if (rule == 'P') {
        a_.radiusOption_ = 1;
        a_.tangent_.ChangeOption(Cpp_TangentLine::kUndefined);
        s_InputLineType p;
        if (!Number(p)) return E::Error6250(), false;
        if (p.numValues < 2) return E::Error6700(p.numValues, p.text), false;
        a_.SetThroughPoint(p.values[0], p.values[1]);
        echo::Line("Circle passes through the point at -");
        echo::Blank();
        PrintSpaces(40);
        echo::Value("X: ", p.values[0], Cd());
        PrintSpaces(40);
        echo::Value("Y: ", p.values[1], Cd());
        PrintSpaces(40);
        echo::Value("Radius: ", a_.radius_, Ld());
        return true;
    }
    if (rule == 'T') {
        a_.radiusOption_ = 2;
        return ReadCircleTangentLine();
    }
    return E::Error6870(initials[0], WithoutLineEnd(line)), false;
}

void AnalysisBlockReader::EchoTangentLine(int mode) {
    const Cpp_TangentLine& t = a_.tangent_;
    if (t.GetOption() == Cpp_TangentLine::kHorizontal) {
        echo::Line(
            mode == 1 ? "The circle is tangent to a horizontal line at -"
            : mode == 3
                ? "For the initial mode of search circles are tangent to horizontal line at -"
                : "All circles are tangent to horizontal line at -");
        PrintSpaces(45);
        echo::Value("Y: ", t.GetElevation(), Cd());
        PrintSpaces(45);
        echo::Value("Radius: ", a_.radius_, Ld());
        return;
    }
    echo::Line(mode == 1 ? "The circle is tangent to the following line:"
               : mode == 3
                   ? "For the initial mode of search circles are tangent to the following line:"
                   : "All circles are tangent to the following line:");
    PrintSpaces(46);
    echo::Line("X         Y");
    for (const auto& p : t.Points()) {
        PrintSpaces(39);
        PrintDouble(p.x, 10, Cd());
        PrintDouble(p.y, 10, Cd(), true);
    }
}

bool AnalysisBlockReader::ReadTangentLine(Cpp_TangentLine& t) {
    s_InputLineType rec;
    if (!Number(rec)) return E::Error6290(), false;
    if (rec.numValues == 0) return E::Error6800(rec.text), false;
    if (rec.numValues == 1) {
        t.ChangeOption(Cpp_TangentLine::kHorizontal);
        t.SetElevation(rec.values[0]);
        return true;
    }
    t.ChangeOption(Cpp_TangentLine::kIrregular);
    while (true) {
        if (rec.numValues % 2 != 0) return E::Error6960(rec.numValues, rec.text), false;
        for (int i = 0; i + 1 < rec.numValues; i += 2) t.AddPoint(rec.values[i], rec.values[i + 1]);
        if (!Number(rec)) return E::Error6290(), false;
        if (rec.numValues == 0) return true;
    }
}

bool AnalysisBlockReader::ReadCircleTangentLine() {
    if (!ReadTangentLine(a_.tangent_)) return false;
    if (a_.tangent_.GetOption() == Cpp_TangentLine::kHorizontal)
        a_.radius_ = a_.tangent_.GetRadius(a_.InitialCenter());
    EchoTangentLine(a_.mode_);
    return true;
}

bool AnalysisBlockReader::ReadSearchType1() {
    s_InputLineType rec;
    if (!Number(rec, 5)) return E::Error6150(), false;
    if (rec.numValues < 4) return E::Error6620(rec.numValues, rec.text), false;
    a_.startCentre_ = {rec.values[0], rec.values[1]};
    a_.requiredAccuracy_ = rec.values[2];
    a_.lowestSlipSurface_ = rec.values[3];
    if (rec.numValues >= 5) {
        a_.lowestCentreGiven_ = true;
        a_.lowestCentre_ = rec.values[4];
    } else {
        a_.lowestCentreGiven_ = false;
    }
    a_.noInverted_ = !rec.rest.empty() && Upper(rec.rest[0]) == 'N';
    echo::Line("Starting Center Coordinate for Search at -");
    PrintSpaces(45);
    echo::Value("X: ", a_.startCentre_.x, Cd());
    PrintSpaces(45);
    echo::Value("Y: ", a_.startCentre_.y, Cd());
    echo::Blank();
    echo::Line("Required accuracy for critical center");
    echo::Value("(= minimum spacing between grid points): ", a_.requiredAccuracy_, Ld());
    if (a_.lowestCentreGiven_) {
        echo::Blank();
        echo::Value("No center allowed to pass below: ", a_.lowestCentre_, Cd());
    }
    echo::Blank();
    echo::Value("Critical slip surface not allowed to pass below Y: ", a_.lowestSlipSurface_, Cd());
    if (a_.noInverted_) {
        echo::Blank();
        echo::Line("Inverted circles are NOT allowed - inverted circles will not be analyzed.");
    }
    std::string line;
    if (!ReadNextLine(file_, line)) return E::Error6270(), false;
    const std::string initials = Initials(line);
    if (initials.empty()) return E::Error6560(WithoutLineEnd(line)), false;
    const char rule = Upper(initials[0]);
    if (rule != 'P' && rule != 'T' && rule != 'R')
        return E::Error6890(initials[0], WithoutLineEnd(line)), false;
    return ReadInputRadiusDefinition(rule);
}

bool AnalysisBlockReader::ReadInputRadiusDefinition(char letter) {
    if (letter == 'P') {
        a_.radiusOption_ = 1;
        a_.tangent_.ChangeOption(Cpp_TangentLine::kUndefined);
        s_InputLineType p;
        if (!Number(p)) return E::Error6250(), false;
        if (p.numValues < 2) return E::Error6700(p.numValues, p.text), false;
        a_.SetThroughPoint(p.values[0], p.values[1]);
        echo::Blank();
        echo::Line("For the initial mode of search circles pass through the fixed");
        PrintText("point at - X: " + analysis_text::Fixed(p.values[0], 1, Cd()) +
                      ", Y: " + analysis_text::Fixed(p.values[1], 1, Cd()),
                  true);
        return true;
    }
    if (letter == 'T') {
        a_.radiusOption_ = 2;
        return ReadCircleTangentLine();
    }
    if (letter == 'R') {
        a_.radiusOption_ = 0;
        a_.tangent_.ChangeOption(Cpp_TangentLine::kUndefined);
        s_InputLineType r;
        if (!Number(r)) return E::Error6260(), false;
        if (r.numValues == 0) return E::Error6780(r.text), false;
        a_.radius_ = r.values[0];
        echo::Line("For the initial mode of search all circles have the same (constant) radius -");
        PrintSpaces(45);
        echo::Value("Radius: ", a_.radius_, Ld());
        return true;
    }
    throw Cpp_TextException(
        "Cpp_AnalysisComputationData::ReadInputRadiusDefinition - Invalid option character");
}

bool AnalysisBlockReader::ReadSearchType2() {
    echo::Blank();
    echo::Line("Search will be conducted using a fixed grid.");
    if (!a_.grid_.ReadInput(file_, echoFile_, echo_)) return false;
    SetOutputFileOnly(echo_ ? echoFile_ : nullptr);
    return ReadCriticalRadiusControl();
}

bool AnalysisBlockReader::ReadInteractiveCircle() {
    echo::Blank();
    echo::Line("Search will be conducted using a fixed grid.");
    return ReadCriticalRadiusControl();
}

bool AnalysisBlockReader::ReadCriticalRadiusControl() {
    s_InputLineType rec;
    if (!Number(rec)) return E::Error6420(), false;
    if (rec.numValues < 2) return E::Error6590(rec.numValues, rec.text), false;
    int subdivisions = 0;
    if (!ToInt(rec.values[0], subdivisions)) return E::Error6590(rec.numValues, rec.text), false;
    Cpp_RadiusDefinitionList list;
    list.SetSortRadii(a_.radiusDefinitions_.GetSortRadii());
    list.SetIncrementControl(subdivisions, rec.values[1]);
    echo::Blank();
    echo::Line("----- Control Parameters for Finding \"Critical\" Radius -----");
    echo::Line("Initial number of subdivisions between maximum and minimum");
    echo::Integer("radius for finding a critical radius/radii: ", subdivisions);
    echo::Blank();
    PrintDoubleAutoDecimals(rec.values[1],
                            "Minimum radius increment for terminating subdivision of radii: ", "",
                            1, Ld(), 10);
    PrintNewLine();
    echo::Blank();
    echo::Line("The following criteria will be used for determining");
    echo::Line("the maximum and minimum radii:");
    while (true) {
        std::string line;
        if (!ReadNextLine(file_, line)) return E::Error6420(), false;
        const std::string initials = Initials(line);
        if (initials.empty()) break;
        const char letter = Upper(initials[0]);
        if (letter == 'P') {
            s_InputLineType p;
            if (!Number(p)) return E::Error6380(), false;
            if (p.numValues < 2) return E::Error6400(p.numValues, p.text), false;
            list.AddFixedPoint(p.values[0], p.values[1]);
            PrintSpaces(5);
            PrintText(
                "Point circles pass through - X: " + analysis_text::Fixed(p.values[0], 1, Cd()) +
                    "     Y: " + analysis_text::Fixed(p.values[1], 1, Cd()),
                true);
        } else if (letter == 'T') {
            Cpp_RadiusDefinition* d = list.AddTangentLine();
            if (!ReadTangentLine(*d->GetTangentLine())) return false;
            const Cpp_TangentLine& t = *d->GetTangentLine();
            PrintSpaces(5);
            if (t.GetOption() == Cpp_TangentLine::kHorizontal) {
                echo::Value("Tangent Line  - Y: ", t.GetElevation(), Cd());
            } else {
                echo::Line("Tangent Line  -        X           Y");
                for (const auto& pt : t.Points()) {
                    PrintSpaces(20);
                    PrintDouble(pt.x, 12, Cd());
                    PrintDouble(pt.y, 12, Cd(), true);
                }
            }
        } else if (letter == 'R') {
            s_InputLineType r;
            if (!Number(r)) return E::Error6390(), false;
            if (r.numValues == 0) return E::Error6410(r.numValues, r.text), false;
            list.AddGivenRadius(r.values[0]);
            PrintSpaces(5);
            echo::Value("Radius of circles: ", r.values[0], Ld());
        } else {
            return E::Error6370(initials[0], WithoutLineEnd(line)), false;
        }
    }
    a_.SetRadiusDefinitionList(std::move(list));
    return true;
}

bool AnalysisBlockReader::ReadIndividualNoncircular() {
    Cpp_NoncircularShearSurface& s = a_.noncircular_;
    s.DeleteAllPoints();
    Cpp_NoncircularShearSurface::PrintIndividualSurface(echo_ ? echoFile_ : nullptr);
    while (true) {
        s_InputLineType rec;
        if (!Number(rec)) return E::Error6200(), false;
        if (rec.blankLine) return true;
        if (rec.numValues == 0) return E::Error6340(rec.text), false;
        if (rec.numValues % 2 != 0) return E::Error6950(rec.numValues, rec.text), false;
        for (int i = 0; i + 1 < rec.numValues; i += 2) {
            const auto& p = s.AddPoint(rec.values[i], rec.values[i + 1], 0.0, true, true);
            Cpp_NoncircularShearSurface::PrintIndividualPoint(p.Number(), p.X(), p.Y(),
                                                              echo_ ? echoFile_ : nullptr);
        }
    }
}

bool AnalysisBlockReader::ReadNoncircularSearch() {
    Cpp_NoncircularShearSurface& s = a_.noncircular_;
    s.DeleteAllPoints();
    Cpp_NoncircularShearSurface::PrintShiftPoints(echo_ ? echoFile_ : nullptr);
    while (true) {
        s_InputLineType rec;
        if (!Number(rec, 3)) return E::Error6190(), false;
        if (rec.blankLine) break;
        if (rec.numValues == 0) return E::Error6580(rec.text), false;
        if (rec.numValues == 1) return E::Error6740(rec.numValues, rec.text), false;
        const long number = s.NumberOfPoints() + 1;
        std::string word = rec.rest;
        for (char& c : word) c = Upper(c);
        bool moveable = true, computed = true;
        double angle = 0.0;
        if (rec.numValues == 3) {
            if (!rec.rest.empty()) return E::Error6330(number, rec.text), false;
            computed = false;
            angle = rec.values[2];
        } else if (!rec.rest.empty()) {
            if (word.compare(0, 3, "FIX") != 0) return E::Error6330(number, rec.text), false;
            moveable = false;
        }
        const auto& p = s.AddPoint(rec.values[0], rec.values[1], angle, moveable, computed);
        Cpp_NoncircularShearSurface::PrintShiftPoint(p.Number(), p.X(), p.Y(), angle, moveable,
                                                     computed, echo_ ? echoFile_ : nullptr);
    }
    if (a_.mode_ == Cpp_AnalysisComputationData::kSearchType1)
        return ReadNoncircularShiftParameters();
    // No layout follows the points of the other noncircular searches.
    return E::Error6840(), false;
}

bool AnalysisBlockReader::ReadNoncircularShiftParameters() {
    s_InputLineType rec;
    if (!Number(rec, 5)) return E::Error6210(), false;
    auto& r = a_.refinement_;
    if (older_) {
        if (rec.numValues < 1) return E::Error6750(rec.numValues, rec.text), false;
        a_.initialShift_ = rec.values[0];
        a_.finalShift_ = rec.values[0] / 10.0;
        if (rec.numValues >= 2)
            a_.SetMaximumSteepness(rec.values[1]);
        else
            a_.SetDefaultMaximumSteepness();
    } else {
        if (rec.numValues < 2) return E::Error6750(rec.numValues, rec.text), false;
        a_.initialShift_ = rec.values[0];
        a_.finalShift_ = rec.values[1];
        if (rec.numValues >= 3)
            a_.SetMaximumSteepness(rec.values[2]);
        else
            a_.SetDefaultMaximumSteepness();
    }
    r.refinements = 0;
    r.subdivisionsPerRefinement = 1;
    echo::Blank();
    echo::Value("Initial distance for shifting points on noncircular slip surface = ",
                a_.initialShift_, Ld());
    echo::Value("Final distance for shifting points on noncircular slip surface   = ",
                a_.finalShift_, Ld());
    echo::Value("Maximum steepness permitted for toe of noncircular slip surface  = ",
                a_.maximumSteepnessDegrees_, analysis_settings::AngleDecimals());
    return true;
}
