#include "core/units.h"

#include <array>
#include <cstdio>
#include <optional>

#include "core/data_error_output.h"
#include "core/echo_writer.h"
#include "core/input_lines.h"
#include "core/output_table.h"
#include "core/preferences.h"
#include "core/text_exception.h"

namespace {

int unitSystem = UnitSystemEnglish;
int otherLengthIndex = 0;
int otherForceIndex = 0;

const char* const unknownName = "??";

const char* NameAt(const char* const* names, int count, int index) {
    if (index < 0 || index >= count || names[index] == nullptr) return unknownName;
    return names[index];
}

const char* const lengthNames[] = {"ft.", "in.", "mm.", "cm.", "m."};
const char* const lengthWords[] = {"Feet", "Inches", "Millimeters", "Centimeters", "Meters"};
const char* const forceNames[] = {"lb.", "kips", "kgf.", "N.", "kN."};
const char* const forceWords[] = {"Pounds", "Kips", "Kilograms-force", "Newtons", "Kilonewtons"};
const char* const areaNames[] = {"sq.ft.", "sq.in.", "sq.mm.", "sq.cm.", "sq.m."};
const char* const stressNames[] = {"psf",   "psi",   "ksf", "ksi", nullptr,
                                   nullptr, nullptr, "Pa",  "kPa"};
const char* const forcePerLengthNames[] = {"lbs/ft", "lbs/in", "kips/ft", "kips/in", nullptr,
                                           nullptr,  nullptr,  "N/mm",    "N/cm",    "N/m",
                                           "kN/mm",  "kN/cm",  "kN/m"};

// Constants of the conversions.
constexpr double footInMeters = 0.3048;
constexpr double inchInCentimeters = 2.54;
constexpr double meterInFeet = 3.280839895013123;
constexpr double meterInInches = 39.37007874015748;
constexpr double squareFootInSquareMeters = 0.09290304;
constexpr double poundInNewtons = 4.4482216152605;
constexpr double newtonInPounds = 0.224808943099711;
constexpr double kilogramForceInPounds = 2.2046226218487757;
constexpr double poundInKilogramsForce = 0.45359237;
constexpr double kilogramForceInNewtons = 9.80665;

// The size of each unit in SI base units (metres, newtons), for the pairs without a direct
// factor. Entries of 0 name no unit.
constexpr std::array<double, 5> lengthInSI = {footInMeters, inchInCentimeters * 0.01, 0.001, 0.01,
                                              1.0};
constexpr std::array<double, 5> forceInSI = {poundInNewtons, 1000.0 * poundInNewtons,
                                             kilogramForceInNewtons, 1.0, 1000.0};

double AreaInSI(int index) {
    if (index < 0 || index >= 5) return 0.0;
    return lengthInSI[index] * lengthInSI[index];
}

// Force-per-length index -> (length index, force index).
std::optional<std::pair<int, int>> ForcePerLengthParts(int index) {
    static constexpr std::array<std::pair<int, int>, 13> parts = {
        {{LengthFeet, ForcePounds},
         {LengthInches, ForcePounds},
         {LengthFeet, ForceKips},
         {LengthInches, ForceKips},
         {LengthMillimeters, ForceKilogramsForce},
         {LengthCentimeters, ForceKilogramsForce},
         {LengthMeters, ForceKilogramsForce},
         {LengthMillimeters, ForceNewtons},
         {LengthCentimeters, ForceNewtons},
         {LengthMeters, ForceNewtons},
         {LengthMillimeters, ForceKilonewtons},
         {LengthCentimeters, ForceKilonewtons},
         {LengthMeters, ForceKilonewtons}}};
    if (index < 0 || index >= static_cast<int>(parts.size())) return std::nullopt;
    return parts[index];
}

// Stress index -> (length index, force index); indices 4 to 6 are kilograms-force over square
// millimetres, centimetres and metres.
std::optional<std::pair<int, int>> StressParts(int index) {
    static constexpr std::array<std::pair<int, int>, 9> parts = {
        {{LengthFeet, ForcePounds},
         {LengthInches, ForcePounds},
         {LengthFeet, ForceKips},
         {LengthInches, ForceKips},
         {LengthMillimeters, ForceKilogramsForce},
         {LengthCentimeters, ForceKilogramsForce},
         {LengthMeters, ForceKilogramsForce},
         {LengthMeters, ForceNewtons},
         {LengthMeters, ForceKilonewtons}}};
    if (index < 0 || index >= static_cast<int>(parts.size())) return std::nullopt;
    return parts[index];
}

double ForcePerLengthInSI(int index) {
    auto parts = ForcePerLengthParts(index);
    if (!parts) return 0.0;
    return forceInSI[parts->second] / lengthInSI[parts->first];
}

double StressInSI(int index) {
    auto parts = StressParts(index);
    if (!parts) return 0.0;
    return forceInSI[parts->second] / AreaInSI(parts->first);
}

// The direct factors of the unit tables, applied in the order written; nullopt for a pair
// without one.
std::optional<double> DirectLength(double x, int from, int to) {
    switch (from) {
    case LengthFeet:
        switch (to) {
        case LengthInches: return x * 12.0;
        case LengthMillimeters: return x * footInMeters * 1000.0;
        case LengthCentimeters: return x * footInMeters * 100.0;
        case LengthMeters: return x * footInMeters;
        }
        break;
    case LengthInches:
        switch (to) {
        case LengthFeet: return x / 12.0;
        case LengthMillimeters: return x * inchInCentimeters * 10.0;
        case LengthCentimeters: return x * inchInCentimeters;
        case LengthMeters: return x * inchInCentimeters * 0.01;
        }
        break;
    case LengthMeters:
        switch (to) {
        case LengthFeet: return x * meterInFeet;
        case LengthInches: return x * meterInInches;
        case LengthMillimeters: return x * 1000.0;
        case LengthCentimeters: return x * 100.0;
        }
        break;
    }
    return std::nullopt;
}

std::optional<double> DirectArea(double x, int from, int to) {
    if (from == 0) {
        switch (to) {
        case 1: return x * 144.0;
        case 2: return x * squareFootInSquareMeters * 1000000.0;
        case 3: return x * squareFootInSquareMeters * 10000.0;
        case 4: return x * squareFootInSquareMeters;
        }
    } else if (from == 1 && to == 0) {
        return x * 0.006944444444444444;
    }
    return std::nullopt;
}

std::optional<double> DirectForce(double x, int from, int to) {
    switch (from) {
    case ForcePounds:
        if (to == ForceKips) return x * 0.001;
        if (to == ForceKilogramsForce) return x * poundInKilogramsForce;
        break;
    case ForceKips:
        if (to == ForcePounds) return x * 1000.0;
        if (to == ForceKilogramsForce) return x * 1000.0 * poundInKilogramsForce;
        break;
    case ForceKilogramsForce:
        if (to == ForcePounds) return x * kilogramForceInPounds;
        if (to == ForceKips) return x * kilogramForceInPounds * 0.001;
        break;
    case ForceNewtons:
        if (to == ForcePounds) return x * newtonInPounds;
        if (to == ForceKips) return x * newtonInPounds * 0.001;
        if (to == ForceKilonewtons) return x * 0.001;
        break;
    case ForceKilonewtons:
        if (to == ForcePounds) return x * 1000.0 * newtonInPounds;
        if (to == ForceKips) return x * 1000.0 * newtonInPounds * 0.001;
        if (to == ForceNewtons) return x * 1000.0;
        break;
    }
    return std::nullopt;
}

std::optional<double> DirectForcePerLength(double x, int from, int to) {
    switch (from) {
    case 0:  // lbs/ft
        switch (to) {
        case 1: return x / 12.0;
        case 2: return x * 0.001;
        case 3: return x * 0.001 / 12.0;
        case 7: return x * poundInNewtons * meterInFeet * 0.001;
        case 8: return x * poundInNewtons * meterInFeet * 0.01;
        case 9: return x * poundInNewtons * meterInFeet;
        case 10: return x * poundInNewtons * 0.001 * meterInFeet * 0.001;
        case 11: return x * poundInNewtons * 0.001 * meterInFeet * 0.01;
        case 12: return x * poundInNewtons * 0.001 * meterInFeet;
        }
        break;
    case 1:  // lbs/in
        switch (to) {
        case 0: return x * 12.0;
        case 2: return x * 0.001 * 12.0;
        case 3: return x * 0.001;
        }
        break;
    case 2:
        if (to == 0) return x * 1000.0;
        break;
    case 3:
        if (to == 0) return x * 1000.0 * 12.0;
        break;
    case 12:
        if (to == 0) return x * newtonInPounds * 1000.0 * footInMeters;
        break;
    }
    return std::nullopt;
}

std::optional<double> DirectStress(double x, int from, int to) {
    switch (from) {
    case 0:  // psf
        switch (to) {
        case 1: return x / 144.0;
        case 2: return x / 1000.0;
        case 3: return x / 1.44e5;
        case 7: return x * poundInNewtons / squareFootInSquareMeters;
        case 8: return x * poundInNewtons / squareFootInSquareMeters * 0.001;
        }
        break;
    case 1:  // psi
        switch (to) {
        case 0: return x * 144.0;
        case 2: return x * 144.0 / 1000.0;
        case 3: return x / 1000.0;
        }
        break;
    case 2:  // ksf
        switch (to) {
        case 0: return x * 1000.0;
        case 1: return x * 1000.0 / 144.0;
        case 3: return x / 144.0;
        }
        break;
    case 3:  // ksi
        switch (to) {
        case 0: return x * 1000.0 * 144.0;
        case 1: return x * 1000.0;
        case 2: return x * 144.0;
        }
        break;
    }
    return std::nullopt;
}

// The conversion of one quantity: the value itself for its own unit, the direct factor where
// there is one, otherwise through the SI base units.
double Convert(double x, int from, int to, std::optional<double> (*direct)(double, int, int),
               double (*inSI)(int), const char* where) {
    double fromSI = inSI(from);
    double toSI = inSI(to);
    if (fromSI == 0.0 || toSI == 0.0)
        throw Cpp_TextException(std::string("EXCEPTION: s_UnitValueType::") + where);
    if (from == to) return x;
    if (auto value = direct(x, from, to)) return *value;
    return x * fromSI / toSI;
}

double LengthInSI(int index) { return index >= 0 && index < 5 ? lengthInSI[index] : 0.0; }
double ForceInSIAt(int index) { return index >= 0 && index < 5 ? forceInSI[index] : 0.0; }

const char* const unitsFrameLine = "ERROR IN UNITS INPUT DATA";

// 1210 E: the line of the other units is missing or has fewer than two numbers.
void MessageOtherUnitsLine(const std::string* line) {
    Cpp_DataErrorOutput::BeginReading(1210, 0, unitsFrameLine);
    Cpp_DataErrorOutput::AddString(
        "Bad line of data for the length and force units of other units.");
    Cpp_DataErrorOutput::AddString(
        "Two values are required: the length unit index and the force unit index.");
    if (line)
        Cpp_DataErrorOutput::FinishWithInputLine(*line);
    else
        Cpp_DataErrorOutput::Finish();
}

// 1220 E: a length or force unit index outside the units offered.
void MessageOtherUnitsIndex(double length, double force, const std::string& line) {
    Cpp_DataErrorOutput::BeginReading(1220, 0, unitsFrameLine);
    Cpp_DataErrorOutput::AddLine("Unrecognized length or force unit index for other units: %g %g",
                                 length, force);
    Cpp_DataErrorOutput::AddString(
        "Length units: 0 feet, 1 inches, 2 millimeters, 3 centimeters, 4 meters.");
    Cpp_DataErrorOutput::AddString(
        "Force units: 0 pounds, 1 kips, 2 kilograms-force, 3 Newtons, 4 kilonewtons.");
    Cpp_DataErrorOutput::FinishWithInputLine(line);
}

bool IsUnitIndex(double value, int count) { return value >= 0.0 && value < count; }

class CancellingUnitsDialog final : public UnitsSelectionDialog {
public:
    bool Run(s_UnitsSelection&) override { return false; }
};

}  // namespace

const char* s_UnitType::LengthName() const { return NameAt(lengthNames, 5, unitIndex); }
const char* s_UnitType::ForceName() const { return NameAt(forceNames, 5, unitIndex); }
const char* s_UnitType::AreaName() const { return NameAt(areaNames, 5, unitIndex); }
const char* s_UnitType::StressName() const { return NameAt(stressNames, 9, unitIndex); }
const char* s_UnitType::ForcePerLengthName() const {
    return NameAt(forcePerLengthNames, 13, unitIndex);
}
const char* s_UnitType::LengthWord() const { return NameAt(lengthWords, 5, unitIndex); }
const char* s_UnitType::ForceWord() const { return NameAt(forceWords, 5, unitIndex); }

double s_UnitValueType::LengthIn(int target) const {
    return Convert(value, unitIndex, target, DirectLength, LengthInSI, "LengthIn");
}
double s_UnitValueType::ForceIn(int target) const {
    return Convert(value, unitIndex, target, DirectForce, ForceInSIAt, "ForceIn");
}
double s_UnitValueType::AreaIn(int target) const {
    return Convert(value, unitIndex, target, DirectArea, AreaInSI, "AreaIn");
}
double s_UnitValueType::StressIn(int target) const {
    return Convert(value, unitIndex, target, DirectStress, StressInSI, "StressIn");
}
double s_UnitValueType::ForcePerLengthIn(int target) const {
    return Convert(value, unitIndex, target, DirectForcePerLength, ForcePerLengthInSI,
                   "ForcePerLengthIn");
}

int GetUnitSystem() { return unitSystem; }
void SetUnitSystem(int system) { unitSystem = system; }

bool GetOtherUnits(int& lengthIndex, int& forceIndex) {
    lengthIndex = otherLengthIndex;
    forceIndex = otherForceIndex;
    return true;
}

bool SetOtherUnits(int lengthIndex, int forceIndex) {
    if (lengthIndex < 0 || lengthIndex >= LengthUnitCount || forceIndex < 0 ||
        forceIndex >= ForceUnitCount)
        return false;
    otherLengthIndex = lengthIndex;
    otherForceIndex = forceIndex;
    return true;
}

void ResetUnits() {
    unitSystem = UnitSystemEnglish;
    otherLengthIndex = 0;
    otherForceIndex = 0;
}

int ForcePerLengthUnitIndex(int lengthIndex, int forceIndex) {
    for (int i = 0; i < 13; ++i) {
        auto parts = ForcePerLengthParts(i);
        if (parts && parts->first == lengthIndex && parts->second == forceIndex) return i;
    }
    return -1;
}

int StressUnitIndex(int lengthIndex, int forceIndex) {
    // Stress has no index for millimetres or centimetres, nor for kilograms-force.
    static constexpr int table[5][5] = {{0, 2, -1, -1, -1},
                                        {1, 3, -1, -1, -1},
                                        {-1, -1, -1, -1, -1},
                                        {-1, -1, -1, -1, -1},
                                        {-1, -1, -1, 7, 8}};
    if (lengthIndex < 0 || lengthIndex >= 5 || forceIndex < 0 || forceIndex >= 5) return -1;
    return table[lengthIndex][forceIndex];
}

std::string LengthUnitWord(int system) {
    switch (system) {
    case UnitSystemEnglish: return "feet";
    case UnitSystemSI: return "meters";
    case UnitSystemOther: {
        s_UnitType unit;
        unit.SetUnit(otherLengthIndex);
        return unit.LengthWord();
    }
    }
    return "?????";
}

std::string CurrentLengthUnitWord() { return LengthUnitWord(unitSystem); }

void ReadWriteUnitSystem(bool reading) {
    if (reading) {
        int value = unitSystem;
        if (GetPreferenceInt(PreferenceSectionGeneral, PreferenceKeyUnitsType, value) &&
            value >= UnitSystemEnglish && value <= UnitSystemOther)
            unitSystem = value;
    } else {
        WritePreferenceInt(PreferenceSectionGeneral, PreferenceKeyUnitsType, unitSystem);
    }
}

DialogSlot<UnitsSelectionDialog>& UnitsSelectionDialogSlot() {
    static DialogSlot<UnitsSelectionDialog> slot("units selection dialog",
                                                 std::make_unique<CancellingUnitsDialog>());
    return slot;
}

bool RunUnitsDialog() {
    s_UnitsSelection selection;
    selection.unitSystem = unitSystem;
    selection.lengthIndex = otherLengthIndex;
    selection.forceIndex = otherForceIndex;
    UnitsSelectionDialog& dialog = UnitsSelectionDialogSlot().Get();
    if (!dialog.Run(selection)) return false;
    if (selection.unitSystem < UnitSystemEnglish || selection.unitSystem > UnitSystemOther)
        return false;
    if (selection.unitSystem == UnitSystemOther &&
        !SetOtherUnits(selection.lengthIndex, selection.forceIndex))
        return false;
    unitSystem = selection.unitSystem;
    return true;
}

bool WriteUnitsCommand(bool document, std::FILE* file) {
    if (file == nullptr) return false;
    switch (unitSystem) {
    case UnitSystemEnglish: std::fputs("ENGlish units\n", file); return true;
    case UnitSystemSI: std::fputs("SI  units\n", file); return true;
    case UnitSystemOther:
        std::fputs("OTHer units\n", file);
        if (document) std::fprintf(file, "     %5d    %5d\n", otherLengthIndex, otherForceIndex);
        return true;
    }
    return false;
}

bool ApplyUnitsCommand(std::FILE* input, std::FILE* echoFile, int system) {
    Cpp_OutputTable table(echoFile);
    Cpp_Errors errors(echoFile);
    SetOutputFile(echoFile);
    // Nothing changes before the whole command has been read: a failed line keeps every unit.
    if (system == UnitSystemOther) {
        s_InputLineType record;
        record.maxValues = 2;
        if (!ReadNumberLine(input, record)) {
            MessageOtherUnitsLine(nullptr);
            return false;
        }
        if (record.numValues < 2) {
            MessageOtherUnitsLine(&record.text);
            return false;
        }
        const double length = record.values[0];
        const double force = record.values[1];
        if (!IsUnitIndex(length, LengthUnitCount) || !IsUnitIndex(force, ForceUnitCount)) {
            MessageOtherUnitsIndex(length, force, record.text);
            return false;
        }
        otherLengthIndex = static_cast<int>(length);
        otherForceIndex = static_cast<int>(force);
    }
    unitSystem = system;
    if (echoFile) {
        Cpp_OutputTable::SetTitleLine(1, "UNITS INFORMATION");
        Cpp_OutputTable::StartTable(2, 0, '*', true);
    }
    PrintBlankLines(1);
    switch (system) {
    case UnitSystemEnglish: PrintText("English units (feet, pounds) will be used.\n"); break;
    case UnitSystemSI: PrintText("SI units (meters, Newtons) will be used.\n"); break;
    case UnitSystemOther: PrintText("Other units (not English or SI) will be used.\n"); break;
    }
    return true;
}
