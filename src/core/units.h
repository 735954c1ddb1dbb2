#pragma once
// The unit system of the program (1 English, 2 SI, 3 other units with their own length and
// force units), the names of the units of five quantities and the conversions between them,
// and the units command line of the input format.
//
// The numbers of a data set carry no units: one unit system holds for the whole data set.
// The conversions serve the data that are entered in units of their own (nails, geogrids).

#include "core/dialog_slot.h"

#include <cstdio>
#include <string>

// Indices of the units of each quantity.
enum e_LengthUnit {
    LengthFeet = 0,
    LengthInches = 1,
    LengthMillimeters = 2,
    LengthCentimeters = 3,
    LengthMeters = 4
};
enum e_ForceUnit {
    ForcePounds = 0,
    ForceKips = 1,
    ForceKilogramsForce = 2,
    ForceNewtons = 3,
    ForceKilonewtons = 4
};

constexpr int UnitSystemEnglish = 1;
constexpr int UnitSystemSI = 2;
constexpr int UnitSystemOther = 3;
// The number of length units and of force units that the "other" unit system may choose.
constexpr int LengthUnitCount = 5;
constexpr int ForceUnitCount = 5;

// A unit of any of the five quantities; -1 is no unit.
struct s_UnitType {
    int unitIndex = -1;

    bool SetUnit(int index) {
        unitIndex = index;
        return true;
    }
    // Short names for tables and grids ("ft.", "kN.", "psf"); "??" for an index without a name.
    const char* LengthName() const;
    const char* ForceName() const;
    const char* AreaName() const;
    const char* StressName() const;
    const char* ForcePerLengthName() const;
    // Words for sentences ("Feet", "Kilonewtons").
    const char* LengthWord() const;
    const char* ForceWord() const;
};

// A value with its unit. Converting to the value's own unit returns it unchanged; every pair of
// named units converts (pairs without a direct factor go through the SI base units). A unit
// index that names no unit of the quantity throws the text exception of the function.
struct s_UnitValueType {
    int unitIndex = -1;
    double value = 0.0;

    s_UnitValueType() = default;
    s_UnitValueType(double v, int unit) : unitIndex(unit), value(v) {}
    void SetValueUnit(double v, int unit) {
        value = v;
        unitIndex = unit;
    }
    double LengthIn(int target) const;
    double ForceIn(int target) const;
    double AreaIn(int target) const;
    double StressIn(int target) const;
    double ForcePerLengthIn(int target) const;
};

// The unit system: 1, 2 or 3.
int GetUnitSystem();
// Sets the unit system as it stands (the accessors of the preferences refuse a value outside
// 1 to 3 with their text exceptions).
void SetUnitSystem(int system);
// The length and force units chosen for the "other" unit system; always true.
bool GetOtherUnits(int& lengthIndex, int& forceIndex);
// False, and nothing changed, for an index outside the units offered.
bool SetOtherUnits(int lengthIndex, int forceIndex);
// Back to the state at start: English, other units feet and pounds.
void ResetUnits();

// The combined index of a length and a force unit; -1 when the pair has none.
int ForcePerLengthUnitIndex(int lengthIndex, int forceIndex);
int StressUnitIndex(int lengthIndex, int forceIndex);

// "feet", "meters", the word of the chosen other length unit, or "?????".
std::string LengthUnitWord(int unitSystem);
std::string CurrentLengthUnitWord();

// Reads ("Units Type" of section "GENERAL") or writes the unit system in the application profile.
// Reading keeps the current value when the key is missing, empty or outside 1 to 3.
void ReadWriteUnitSystem(bool reading);

// The "Units Selection" dialog. Its window is registered in UnitsSelectionDialogSlot(); the
// stand-in cancels.
struct s_UnitsSelection {
    int unitSystem = UnitSystemEnglish;  // 1 English, 2 SI, 3 other
    int lengthIndex = 0;
    int forceIndex = 0;
};
class UnitsSelectionDialog {
public:
    virtual ~UnitsSelectionDialog() = default;
    // Shows the selection; true with the user's choice on OK, false on Cancel.
    virtual bool Run(s_UnitsSelection& selection) = 0;
};
DialogSlot<UnitsSelectionDialog>& UnitsSelectionDialogSlot();
// OK stores the system and, for "other", the two choices, and returns true; Cancel changes
// nothing and returns false.
bool RunUnitsDialog();

// The units command line of the input format ("ENGlish units", "SI  units", "OTHer units");
// for other units in the document a second line with the length and the force unit index.
// False, and nothing written, for a unit system other than 1 to 3.
bool WriteUnitsCommand(bool document, std::FILE* file);

// The units command of the input format, after the command words ENG, SIU or "SI " and OTH
// (systems 1, 2, 3): sets the unit system; for "other" reads the line of the length and force
// unit indices (a missing line, fewer than two numbers or an index outside the units offered is
// a numbered message, fails the command and keeps the previous choices); echoes table 2
// "UNITS INFORMATION" to the echo file. False when the command failed.
bool ApplyUnitsCommand(std::FILE* input, std::FILE* echoFile, int system);
