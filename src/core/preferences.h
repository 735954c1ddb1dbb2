#pragma once
// The preferences of the program: directories, output switches, the constants handed to the
// computation program as defaults, and the number of decimals of every kind of quantity, most
// of them once per unit system. They live in the application profile under the sections
// "GENERAL", "CONSTANTS" and "DECIMALS"; they are read once after start-up and written only by
// "Save Preferences" or, on request, by the settings sheet.
//
// Also the profile helpers that every owner of profile keys uses: sections and keys are given by
// their ids in the string table (PreferenceText).

#include <cstdio>
#include <string>
#include <vector>

#include "core/dialog_slot.h"
#include "core/point_xy.h"

// String-table ids of the sections and keys.
enum e_PreferenceId : int {
    PreferenceSectionGeneral = 10000,
    PreferenceSectionConstants = 10001,
    PreferenceSectionDecimals = 10002,
    PreferenceKeyDefaultDirectory = 10100,
    PreferenceKeyUnitsType = 10101,
    PreferenceKeyShowFullPath = 10102,
    PreferenceKeyWideOutputFormat = 10103,
    PreferenceKeyTextFontName = 10104,
    PreferenceKeyTextFontSize = 10105,
    PreferenceKeyPageNumberFontName = 10106,
    PreferenceKeyPageNumberFontSize = 10107,
    PreferenceKeyMaximumSlices = 10108,
    PreferenceKeyUnitWeightWaterEnglish = 10109,
    PreferenceKeyUnitWeightWaterSI = 10110,
    PreferenceKeyUnitWeightWaterOther = 10111,
    PreferenceKeyForceImbalanceEnglish = 10112,
    PreferenceKeyForceImbalanceSI = 10113,
    PreferenceKeyForceImbalanceOther = 10114,
    PreferenceKeyForceImbalanceOption = 10115,
    PreferenceKeyMomentImbalanceEnglish = 10116,
    PreferenceKeyMomentImbalanceSI = 10117,
    PreferenceKeyMomentImbalanceOther = 10118,
    PreferenceKeyMomentImbalanceOption = 10119,
    PreferenceKeyMinimumWeightEnglish = 10120,
    PreferenceKeyMinimumWeightSI = 10121,
    PreferenceKeyMinimumWeightOther = 10122,
    PreferenceKeyMaximumIterations = 10123,
    PreferenceKeyMaximumRadius = 10124,
    PreferenceKeyCoordinatesEnglish = 10125,
    PreferenceKeyCoordinatesSI = 10126,
    PreferenceKeyCoordinatesOther = 10127,
    PreferenceKeyLengthsEnglish = 10128,
    PreferenceKeyLengthsSI = 10129,
    PreferenceKeyLengthsOther = 10130,
    PreferenceKeyForcesEnglish = 10131,
    PreferenceKeyForcesSI = 10132,
    PreferenceKeyForcesOther = 10133,
    PreferenceKeyStressesEnglish = 10134,
    PreferenceKeyStressesSI = 10135,
    PreferenceKeyStressesOther = 10136,
    PreferenceKeyUnitWeightsEnglish = 10137,
    PreferenceKeyUnitWeightsOther = 10138,
    PreferenceKeyUnitWeightsSI = 10139,
    PreferenceKeyAngles = 10140,
    PreferenceKeyCpRatios = 10141,
    PreferenceKeyRSubUValues = 10142,
    PreferenceKeyFactorsOfSafety = 10143,
    PreferenceKeyShowPathOnPrintedOutput = 10144,
    PreferenceKeyProgramsDirectory = 10145,
    PreferenceKeyLocatePrograms = 10146,
};

// The text of a section or key id; nullptr for an id without one.
const char* PreferenceText(int id);

// Profile helpers. A section or key id without a text is neither read nor written (false).
// Getters: true when a value was found; the out value is untouched otherwise (a missing or empty
// key, or a text that is not a number).
bool GetPreferenceInt(int section, int key, int& value);
bool GetPreferenceBool(int section, int key, bool& value);
bool GetPreferenceString(int section, int key, std::string& value);
bool GetPreferenceDouble(int section, int key, double& value);
// Splits a text at blanks into at most 10 words of at most 79 characters; false for a text
// without words.
bool SplitValueText(const std::string& text, std::vector<std::string>& tokens);
// The kind-and-value pair ("%1d %1.6f"): valid with at least two words and a kind of 1 to 5.
bool GetPreferenceKindValue(int section, int key, int& kind, double& value);
bool WritePreferenceInt(int section, int key, int value);
bool WritePreferenceBool(int section, int key, bool value);
bool WritePreferenceString(int section, int key, const std::string& value);
// With that many fixed decimals.
bool WritePreferenceDouble(int section, int key, double value, int decimals);
// In exponential notation with that many decimals ("%1.6e" for 6).
bool WritePreferenceDoubleE(int section, int key, double value, int decimals);
bool WritePreferenceKindValue(int section, int key, int kind, double value);
// One entry point per kind: reads into, or writes, the variable.
void ReadWritePreferenceInt(int section, int key, int& value, bool read);
void ReadWritePreferenceBool(int section, int key, bool& value, bool read);
void ReadWritePreferenceString(int section, int key, std::string& value, bool read);
void ReadWritePreferenceDoubleE(int section, int key, double& value, int decimals, bool read);

// A value for each unit system: index 0 English, 1 SI, 2 other.
template <typename T>
struct s_PerUnitSystem {
    T english{};
    T si{};
    T other{};
};

// Every value of the preferences, as stored and as the settings sheet edits them.
struct s_KlivenSettingsValues {
    std::string defaultDirectory;
    bool showFullPath = true;
    bool showPathOnPrintedOutput = false;
    std::string programsDirectory = "C:\\";
    bool locatePrograms = false;
    bool wideOutputFormat = true;
    std::string textFontName = "Courier New";
    int textFontSize = 10;
    std::string pageNumberFontName = "Arial";
    int pageNumberFontSize = 10;

    int maximumSlices = 500;
    s_PerUnitSystem<double> unitWeightOfWater{62.4, 9800.0, 9.8};
    int forceImbalanceOption = 1;
    s_PerUnitSystem<double> forceImbalance{1e-05, 1e-05, 1e-05};
    int momentImbalanceOption = 1;
    s_PerUnitSystem<double> momentImbalance{1e-05, 1e-05, 1e-05};
    s_PerUnitSystem<double> minimumWeight{100.0, 1.0, 100.0};
    int maximumIterations = 100;
    double maximumRadius = 100000.0;

    s_PerUnitSystem<int> coordinateDecimals{6, 6, 6};
    s_PerUnitSystem<int> lengthDecimals{3, 3, 3};
    s_PerUnitSystem<int> forceDecimals{0, 0, 0};
    s_PerUnitSystem<int> stressDecimals{1, 1, 1};
    s_PerUnitSystem<int> unitWeightDecimals{2, 4, 2};
    int angleDecimals = 2;
    int cpRatioDecimals = 3;
    int rSubUDecimals = 3;
    int factorOfSafetyDecimals = 3;
};

// What the settings sheet shows and gives back.
struct s_SettingsSheetData {
    s_KlivenSettingsValues values;
    // The multi-stage prompt flag.
    bool showWarnings = true;
    // "Save settings as permanent Application Settings": always unchecked when the sheet opens.
    bool savePermanent = false;
};

// The settings sheet "KLIVEN4 PreProcessor Settings". Its window is registered in
// Cpp_KlivenSettings::SettingsSheetSlot(); the stand-in cancels.
class SettingsSheet {
public:
    virtual ~SettingsSheet() = default;
    // True with the edited data on OK; false on Cancel.
    virtual bool Run(s_SettingsSheetData& data) = 0;
};

// The text the sheet shows for an empty default directory.
inline constexpr const char* ApplicationDirectoryText = "<Application directory>";

class Cpp_KlivenSettings {
public:
    // Accessors of the current unit system; a unit system other than 1 to 3 throws the text
    // exception "EXCEPTION: Cpp_KlivenSettings::" and the accessor's name.
    static int CoordinateDecimals();
    static int CoordinateDecimals(int /*ignored*/) { return CoordinateDecimals(); }
    static int LengthDecimals();
    static int ForceDecimals();
    static int StressDecimals();
    static int UnitWeightDecimals();
    static int UnitWeightDecimals(int /*ignored*/) { return UnitWeightDecimals(); }
    static int AlternateForceDecimals();
    // One value for all unit systems.
    static int AngleDecimals();
    static int AngleDecimals(int /*ignored*/) { return AngleDecimals(); }
    static int CpRatioDecimals();
    static int RSubUDecimals();
    static int FactorOfSafetyDecimals();

    static double UnitWeightOfWater(int unitSystem);
    static double UnitWeightOfWater();

    // The defaults of the analysis block. For a unit system other than 1 to 3 only the options
    // (and the iterations and the radius) are set.
    static void GetImbalanceTolerances(int& forceOption, double& forceTolerance, int& momentOption,
                                       double& momentTolerance, double& minimumWeight);
    // The maximum iterations are always 100, whatever "Maximum Iterations" holds.
    static void GetImbalanceTolerancesAndIterations(int& forceOption, double& forceTolerance,
                                                    int& momentOption, double& momentTolerance,
                                                    int& maximumIterations, double& minimumWeight,
                                                    double& maximumRadius);

    static bool ShowFullPath();
    static bool ShowPathOnPrintedOutput();
    static void GetProgramsDirectory(std::string& directory, bool& locate);
    static bool ShowWarnings();
    static void SetShowWarnings(bool show);
    static bool GetLineReversalFlag() { return true; }
    // Makes "Default Directory" current when it is not empty; a failing change leaves the current
    // directory as it was.
    static void ChangeToDefaultDirectory();

    // Reads or writes every key of the three sections ("Units Type" excepted).
    static void ReadWritePreferences(bool read);
    // The settings sheet; true when closed with OK.
    static bool EditSettings();
    static DialogSlot<SettingsSheet>& SettingsSheetSlot();

    // Rounding to the decimals of the current unit system; 0 for a unit system other than 1 to 3.
    static double RoundCoordinate(double x);
    static double RoundLength(double x);
    static double RoundStress(double x);
    // The two coordinates rounded with RoundCoordinate.
    static s_tagTypePointXY RoundPair(double x, double y);
    static double IdentityValue(double x) { return x; }

    // Every value at once (the settings sheet, tests).
    static const s_KlivenSettingsValues& Values();
    static void SetValues(const s_KlivenSettingsValues& values);
    // Back to the built-in defaults (tests call this between cases).
    static void Reset();
};

// The units block of the input format for the unit system of its command word (1 ENG, 2 SIU or
// "SI ", 3 OTH): reads and echoes it, then writes the decimals of the new unit system to the
// listing. True when the block was read.
bool ReadUnitsCommand(std::FILE* input, std::FILE* listing, int unitSystem);
