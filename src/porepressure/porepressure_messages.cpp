#include "porepressure/porepressure_messages.h"

#include "core/data_error_output.h"
#include "core/format_text.h"
#include "core/kliven4_messages.h"

namespace {

using Out = Cpp_DataErrorOutput;
constexpr int errorKind = 0;
constexpr int warningKind = 1;
const char* const porePressureFrame = "ERROR IN MATERIAL (PORE PRESSURE) INPUT DATA";
const char* const piezometricFrame = "ERROR IN PIEZOMETRIC LINE INPUT DATA";
const char* const interpolationFrame = "ERROR IN INTERPOLATION POINT INPUT DATA";

bool Done() {
    Out::Finish();
    return true;
}
bool WithLine(const std::string& line) {
    Out::FinishWithInputLine(line);
    return true;
}

// A message printed to the listing only.
class ListingMessage {
public:
    ListingMessage(long number, int kind, bool framed) {
        PrintErrorNumber(s_, number, kind);
        if (framed) s_.AddString(interpolationFrame);
    }
    ListingMessage& operator<<(const std::string& line) {
        s_.AddString(line);
        return *this;
    }
    bool Print() {
        s_.Print(Out::GetErrorFile(), 1, 0);
        return true;
    }
    bool PrintWithLine(const std::string& line) {
        PrintInputLine(s_, line);
        return Print();
    }

private:
    Cpp_PrintString s_;
};

}  // namespace

// ---------------------------------------------------------------------------------------------
// Pore pressure of a material

bool Cpp_PorePressureMessages::Message4000(long material, char first, char second,
                                           const std::string& line) {
    Out::BeginReading(4000, errorKind, porePressureFrame);
    Out::AddLine("Pore pressure option for material number %ld could not be ", material);
    Out::AddLine("determined from the following pair of characters: %c %c", first, second);
    return WithLine(line);
}

bool Cpp_PorePressureMessages::Message4010(long material) {
    Out::BeginReading(4010, errorKind, porePressureFrame);
    Out::AddLine("Bad line of data for constant value of pore pressure for material number: %ld",
                 material);
    return Done();
}

bool Cpp_PorePressureMessages::Message4020(long material) {
    Out::BeginReading(4020, errorKind, porePressureFrame);
    Out::AddString("Bad line of data for constant value of pore pressure");
    Out::AddLine("coefficient (r-sub-u) for material number: %ld", material);
    return Done();
}

bool Cpp_PorePressureMessages::Message4030(long material) {
    Out::BeginReading(4030, errorKind, porePressureFrame);
    Out::AddLine("Bad line of data for piezometric line number for material number: %ld", material);
    return Done();
}

bool Cpp_PorePressureMessages::Message4060(long material, const std::string& line) {
    Out::BeginReading(4060, errorKind, porePressureFrame);
    Out::AddString("No numerical value was input to define the constant pore water");
    Out::AddLine("pressures for material number %ld", material);
    return WithLine(line);
}

bool Cpp_PorePressureMessages::Message4070(long material, const std::string& line) {
    Out::BeginReading(4070, errorKind, porePressureFrame);
    Out::AddString("No numerical value was input to define the constant value of the");
    Out::AddLine("pore pressure coefficient (r-sub-u) for material number %ld", material);
    return WithLine(line);
}

bool Cpp_PorePressureMessages::Message4080(long material, const std::string& line) {
    Out::BeginReading(4080, errorKind, porePressureFrame);
    Out::AddString("No numerical value was input to define the piezometric");
    Out::AddLine("line number for material number %ld", material);
    return WithLine(line);
}

bool Cpp_PorePressureMessages::Message4085(long material, const std::string& line) {
    Out::BeginReading(4085, errorKind, porePressureFrame);
    Out::AddString("No numerical value was input to define the limiting value of");
    Out::AddLine("negative pore water pressure for material number %ld", material);
    return WithLine(line);
}

bool Cpp_PorePressureMessages::Message4200(long lineNumber, long material, int stage) {
    Out::BeginCheck(4200, errorKind);
    Out::AddLine(
        "No data for piezometric line number %1ld to be used for material %ld (Stage %1d).",
        lineNumber, material, stage);
    return Done();
}

bool Cpp_PorePressureMessages::Message4210(long material, int stage) {
    Out::BeginCheck(4210, warningKind);
    Out::AddLine("Negative constant value of pore water pressure for material %ld (Stage %1d).",
                 material, stage);
    Out::AddString("Warning only - not fatal");
    return Done();
}

bool Cpp_PorePressureMessages::Message4220(long material, int stage) {
    Out::BeginCheck(4220, warningKind);
    Out::AddString("Negative constant value of the pore water pressure");
    Out::AddLine("coefficient (r-sub-u) for material %ld (Stage %1d).", material, stage);
    Out::AddString("Warning only - not fatal");
    return Done();
}

bool Cpp_PorePressureMessages::Message4230(long material, int stage) {
    Out::BeginCheck(4230, errorKind);
    Out::AddLine("No pore pressure option for material number %ld (Stage %1d).", material, stage);
    Out::AddString("Material property data may be missing for this stage");
    return Done();
}

bool Cpp_PorePressureMessages::Message4250(long lineNumber, long material, int stage) {
    Out::BeginCheck(4250, errorKind);
    Out::AddLine(
        "Piezometric line number (= %1ld) for material %ld (Stage %1d) is zero or negative.",
        lineNumber, material, stage);
    return Done();
}

// ---------------------------------------------------------------------------------------------
// Piezometric lines

bool Cpp_PorePressureMessages::Message4400(long lineNumber, int stage) {
    Out::BeginReading(4400, errorKind, piezometricFrame);
    Out::AddLine("You have entered data for another piezometric line number %1ld (stage %1d).",
                 lineNumber, stage);
    Out::AddString("You already entered data for a piezometric line with this number.");
    return Done();
}

bool Cpp_PorePressureMessages::Message4410() {
    Out::Begin(4410, errorKind);
    Out::AddString("Bad first line of data for a piezometric line.");
    return Done();
}

bool Cpp_PorePressureMessages::Message4420(long lineNumber) {
    Out::BeginReading(4420, errorKind, piezometricFrame);
    Out::AddLine("Bad line of data for points on piezometric line number %1ld", lineNumber);
    return Done();
}

bool Cpp_PorePressureMessages::Message4430(long lineNumber, const std::string& line) {
    Out::BeginReading(4430, errorKind, piezometricFrame);
    Out::AddLine("Bad data for coordinates for piezometric line number %1ld", lineNumber);
    Out::AddString("Must either enter multiples of 2 values or a blank line.");
    return WithLine(line);
}

bool Cpp_PorePressureMessages::Message4460(const std::string& line) {
    Out::BeginReading(4460, errorKind, piezometricFrame);
    Out::AddString(
        "Bad line of data to terminate all piezometric line data - blank line required.");
    return WithLine(line);
}

bool Cpp_PorePressureMessages::Message4470(long lineNumber, const std::string& line) {
    Out::BeginReading(4470, errorKind, piezometricFrame);
    Out::AddLine("Bad data terminator for points for piezometric line number %1ld", lineNumber);
    return WithLine(line);
}

bool Cpp_PorePressureMessages::Message4500(long lineNumber, int stage) {
    Out::BeginCheck(4500, warningKind);
    Out::AddLine("Zero or negative unit weight for piezometric line number %ld (Stage %1d).",
                 lineNumber, stage);
    Out::AddString("Warning only - not fatal");
    return Done();
}

bool Cpp_PorePressureMessages::Message4600(double x, long lineNumber, double xmin, double xmax) {
    Cpp_KLIVEN4Messages::StartMessage(4600, errorKind);
    Cpp_KLIVEN4Messages::AddErrorLine(
        FormatText("X = %1.2f is out of range of piezometric line coordinates for", x));
    Cpp_KLIVEN4Messages::AddErrorLine(
        FormatText("piezometric line no. %1ld.  Cannot compute pore water pressures.", lineNumber));
    Cpp_KLIVEN4Messages::AddErrorLine(
        FormatText("Minimum X for piezometric line = %1.2f, Maximum X = %1.2f", xmin, xmax));
    return true;
}

bool Cpp_PorePressureMessages::Message4610(long lineNumber, int stage) {
    Cpp_KLIVEN4Messages::StartMessage(4610, errorKind);
    Cpp_KLIVEN4Messages::AddErrorLine(FormatText(
        "Cannot compute pore water pressure from piezometric linenumber %1ld", lineNumber));
    Cpp_KLIVEN4Messages::AddErrorLine(
        FormatText("for stage number %1d.   Piezometric line does not exist.", stage));
    return true;
}

// ---------------------------------------------------------------------------------------------
// Interpolation data

bool Cpp_PorePressureMessages::Message4700(int stage) {
    return (ListingMessage(4700, errorKind, true)
            << FormatText("Bad line of data for interpolation points for Stage %1d", stage))
        .Print();
}

bool Cpp_PorePressureMessages::Message4705(int kind, int stage, const std::string& line) {
    ListingMessage m(4705, errorKind, true);
    m << "Cannot enter pore water pressure interpolation data from multiple sources.";
    if (kind >= 1 && kind <= 6) m << FormatText("Error detected for stage %1d input data.", stage);
    m << "that data were to be read from an external file created by GMS/SEEP2D - If data are "
         "to be read"
      << "from an external file created by GMS/SEEP2D, the intent must be declared on the "
         "first line of input";
    return m.PrintWithLine(line);
}

bool Cpp_PorePressureMessages::Message4710(int stage) {
    return (ListingMessage(4710, errorKind, true)
            << "End-of-file read while attempting to read characters"
            << FormatText("designating type of interpolation data for stage %d.", stage))
        .Print();
}

bool Cpp_PorePressureMessages::Message4720(int stage, const std::string& line) {
    return (ListingMessage(4720, errorKind, true)
            << "Based on the following line of data in the input file attempted to"
            << FormatText("read the interpolation point data for stage %1d from an external file:",
                          stage)
            << line << "No file name was entered and attempts to prompt"
            << "for and open an input file were not successful.")
        .Print();
}

bool Cpp_PorePressureMessages::Message4740(int stage, const std::string& line) {
    return (ListingMessage(4740, errorKind, true)
            << FormatText("Non-blank termination of current type of interpolation data for "
                          "stage %1d.",
                          stage)
            << "A blank line of data is required to end the current type of interpolation data.")
        .PrintWithLine(line);
}

bool Cpp_PorePressureMessages::Message4750File(int stage, const std::string& line) {
    return (ListingMessage(4750, errorKind, true)
            << FormatText("Other than the first line of interpolation input data for stage %d",
                          stage)
            << "indicated the name of an external file to be read - If an external"
            << "file is to be read it must be declared on the first line of input")
        .PrintWithLine(line);
}

bool Cpp_PorePressureMessages::Message4750Seep2d(int stage, const std::string& line) {
    return (ListingMessage(4750, errorKind, true)
            << FormatText("A line of input other than the first line of interpolation input "
                          "data for stage %d indicated",
                          stage)
            << "that data were to be read from an external file created by GMS/SEEP2D - If "
               "data are to be read"
            << "from an external file created by GMS/SEEP2D, the intent must be declared on "
               "the first line of input")
        .PrintWithLine(line);
}

bool Cpp_PorePressureMessages::Message4770(int stage, const std::string& fileName,
                                           const std::string& line) {
    return (ListingMessage(4770, errorKind, true)
            << FormatText("Unable to open external file to read interpolation data for stage %d.",
                          stage)
            << "File name:" + fileName)
        .PrintWithLine(line);
}

bool Cpp_PorePressureMessages::Message4780(int stage, char leading, const std::string& line) {
    return (ListingMessage(4780, errorKind, true)
            << FormatText("Unrecognized character to designate type of interpolation data for "
                          "stage %d.",
                          stage)
            << FormatText("The leading character was: %c", leading))
        .PrintWithLine(line);
}

bool Cpp_PorePressureMessages::Message4790(int stage, long count, int perPoint,
                                           const std::string& line) {
    return (ListingMessage(4790, errorKind, true)
            << FormatText("Wrong number of values on line of data for interpolation points for "
                          "stage%1d",
                          stage)
            << FormatText("%1ld values were entered - Must either be even multiples of %1d values.",
                          count, perPoint))
        .PrintWithLine(line);
}

bool Cpp_PorePressureMessages::Message4800(int stage, long count, const std::string& line) {
    return (ListingMessage(4800, errorKind, true)
            << FormatText("Wrong number of values on line of GMS/SEEP2D pore pressure data for "
                          "stage%1d",
                          stage)
            << FormatText("%1ld values were entered - Each line must contain exactly 4 values.",
                          count))
        .PrintWithLine(line);
}

bool Cpp_PorePressureMessages::Message4810(int stage, long count, const std::string& line) {
    return (ListingMessage(4810, errorKind, true)
            << FormatText("Wrong number of values on line of SEEP/W pore pressure data for "
                          "stage%1d",
                          stage)
            << FormatText("%1ld values were entered - Each line must contain exactly 4 values.",
                          count))
        .PrintWithLine(line);
}

bool Cpp_PorePressureMessages::Message4860(int kind, bool deleted, int stage, long material,
                                           long firstNumber, double x1, double y1, double value1,
                                           long secondNumber, double x2, double y2, double value2) {
    ListingMessage m(deleted ? 4850 : 4860, deleted ? warningKind : errorKind, false);
    const char* first = nullptr;
    const char* second = nullptr;
    const char* name = nullptr;
    switch (kind) {
    case 1:
        first = "Duplicate points for stage %1d pore water pressure";
        second = "interpolation values for material %1ld";
        name = "Pressure";
        break;
    case 2:
        first = "Duplicate points for stage %1d r-sub-u interpolation";
        second = "values for material %1ld";
        name = "R-subu";
        break;
    case 3:
        first = "Duplicate points for stage %1d shear strength";
        second = "interpolation values for material %1ld";
        name = "Strength";
        break;
    case 5:
        first = "Duplicate points for stage %1d c/p ratio interpolation";
        second = "values for material %1ld";
        name = "c/p";
        break;
    default: break;
    }
    if (first) {
        m << FormatText(first, stage) << FormatText(second, material);
        m << FormatText("First point  - No.: %1ld, X: %1.6f, Y: %1.6f, ", firstNumber, x1, y1) +
                 name + FormatText(": %1.6f", value1);
        m << FormatText("Second point - No.: %1ld, X: %1.6f, Y: %1.6f, ", secondNumber, x2, y2) +
                 name + FormatText(": %1.6f", value2);
    }
    m << (deleted ? "Second point was deleted." : "Duplicate point could not be deleted.");
    return m.Print();
}

bool Cpp_PorePressureMessages::Message4870(long material, int stage) {
    Out::BeginCheck(4870, errorKind);
    Out::AddLine("Missing data for interpolation of pore water pressures for material %1ld - "
                 "stage %1d",
                 material, stage);
    return Done();
}

bool Cpp_PorePressureMessages::Message4880(long material, int stage) {
    Out::BeginCheck(4880, errorKind);
    Out::AddLine("Missing data for interpolation of shear strengths for material %1ld - stage %1d",
                 material, stage);
    return Done();
}

bool Cpp_PorePressureMessages::MessageDataNotUsed(int kind, int material, int stage) {
    if (kind == 4) {
        Out::Reset(Out::GetErrorFile());
        Out::OutputPendingTitle();
        Out::AddLine("This occurred in the data for stage %d.", stage);
        return Done();
    }
    const bool any = material < 1;
    long number = 4900;
    std::string named, undesignated;
    switch (kind) {
    case 1:
        number = 4900;
        named = "Pore water pressure interpolation data for material number %d is not used.";
        undesignated = "Pore water pressure interpolation data for undesignated";
        break;
    case 2:
        number = 4910;
        named = "Pore pressure coefficient (r-sub-u) interpolation data for";
        undesignated = "Pore pressure coefficient (r-sub-u) interpolation data for undesignated";
        break;
    case 3:
        number = 4920;
        named = "Undrained shear strength interpolation data for";
        undesignated = "Undrained shear strength interpolation data for undesignated";
        break;
    case 5:
        number = 4930;
        named = "c/p ration interpolation data for";
        undesignated = "c/p ratio interpolation data for undesignated";
        break;
    default:
        number = 4935;
        named = "Unit weight interpolation data for";
        undesignated = "Unit weight interpolation data for undesignated";
        break;
    }
    Out::BeginCheck(number, warningKind);
    if (any) {
        Out::AddString(undesignated);
        Out::AddString("(unrestricted) material numbers is not used.");
    } else if (kind == 1) {
        Out::AddLine("Pore water pressure interpolation data for material number %d is not used.",
                     material);
    } else {
        Out::AddString(named);
        Out::AddLine("material number %d is not used.", material);
    }
    Out::AddLine("This occurred in the data for stage %d.", stage);
    return Done();
}

bool Cpp_PorePressureMessages::Message4980(int kind, int material) {
    Cpp_KLIVEN4Messages::StartMessage(4980, errorKind);
    Cpp_KLIVEN4Messages::AddErrorLine("Unable to Triangulate");
    switch (kind) {
    case 1:
        Cpp_KLIVEN4Messages::AddErrorLine("Error occurred in data for pore water pressures.");
        break;
    case 2:
        Cpp_KLIVEN4Messages::AddErrorLine(
            "Error occurred in data for pore water pressure coefficient (r-sub-u).");
        break;
    case 3:
        Cpp_KLIVEN4Messages::AddErrorLine(
            "Error occurred in data for undrained shear strength interpolation.");
        break;
    case 5:
        Cpp_KLIVEN4Messages::AddErrorLine("Error occurred in data for c/p ratio interpolation.");
        break;
    default:
        Cpp_KLIVEN4Messages::AddErrorLine(
            "Error occurred in data of unknown type - shoudl never occur.");
        break;
    }
    if (material < 1)
        Cpp_KLIVEN4Messages::AddErrorLine("Error in data to be used for all materials.");
    else
        Cpp_KLIVEN4Messages::AddErrorLine(
            FormatText("Error in data to be used for material number %1d.", material));
    return true;
}
