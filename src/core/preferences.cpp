#include "core/preferences.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <vector>

#include "core/echo_writer.h"
#include "core/geometry.h"
#include "core/output_table.h"
#include "core/text_exception.h"
#include "core/units.h"
#include "platform/services.h"

namespace {

struct s_PreferenceText {
    int id;
    const char* text;
};

constexpr s_PreferenceText preferenceTexts[] = {
    {PreferenceSectionGeneral, "GENERAL"},
    {PreferenceSectionConstants, "CONSTANTS"},
    {PreferenceSectionDecimals, "DECIMALS"},
    {PreferenceKeyDefaultDirectory, "Default Directory"},
    {PreferenceKeyUnitsType, "Units Type"},
    {PreferenceKeyShowFullPath, "Show Full Path"},
    {PreferenceKeyWideOutputFormat, "Wide Output Format"},
    {PreferenceKeyTextFontName, "Text Font Name"},
    {PreferenceKeyTextFontSize, "Text Font Size"},
    {PreferenceKeyPageNumberFontName, "Page Number Font Name"},
    {PreferenceKeyPageNumberFontSize, "Page Number Font Size"},
    {PreferenceKeyMaximumSlices, "Maximum Slices"},
    {PreferenceKeyUnitWeightWaterEnglish, "Unit Weight Water English"},
    {PreferenceKeyUnitWeightWaterSI, "Unit Weight Water SI"},
    {PreferenceKeyUnitWeightWaterOther, "Unit Weight Water Other"},
    {PreferenceKeyForceImbalanceEnglish, "Force Imbalance English"},
    {PreferenceKeyForceImbalanceSI, "Force Imbalance SI"},
    {PreferenceKeyForceImbalanceOther, "Force Imbalance Other"},
    {PreferenceKeyForceImbalanceOption, "Force Imbalance Option"},
    {PreferenceKeyMomentImbalanceEnglish, "Moment Imbalance English"},
    {PreferenceKeyMomentImbalanceSI, "Moment Imbalance SI"},
    {PreferenceKeyMomentImbalanceOther, "Moment Imbalance Other"},
    {PreferenceKeyMomentImbalanceOption, "Moment Imbalance Option"},
    {PreferenceKeyMinimumWeightEnglish, "Minimum Weight English"},
    {PreferenceKeyMinimumWeightSI, "Minimum Weight SI"},
    {PreferenceKeyMinimumWeightOther, "Minimum Weight Other"},
    {PreferenceKeyMaximumIterations, "Maximum Iterations"},
    {PreferenceKeyMaximumRadius, "Maximum Radius"},
    {PreferenceKeyCoordinatesEnglish, "Coordinates English"},
    {PreferenceKeyCoordinatesSI, "Coordinates SI"},
    {PreferenceKeyCoordinatesOther, "Coordinates Other"},
    {PreferenceKeyLengthsEnglish, "Lengths English"},
    {PreferenceKeyLengthsSI, "Lengths SI"},
    {PreferenceKeyLengthsOther, "Lengths Other"},
    {PreferenceKeyForcesEnglish, "Forces English"},
    {PreferenceKeyForcesSI, "Forces SI"},
    {PreferenceKeyForcesOther, "Forces Other"},
    {PreferenceKeyStressesEnglish, "Stresses English"},
    {PreferenceKeyStressesSI, "Stresses SI"},
    {PreferenceKeyStressesOther, "Stresses Other"},
    {PreferenceKeyUnitWeightsEnglish, "Unit Weights English"},
    {PreferenceKeyUnitWeightsOther, "Unit Weights Other"},
    {PreferenceKeyUnitWeightsSI, "Unit Weights SI"},
    {PreferenceKeyAngles, "Angles"},
    {PreferenceKeyCpRatios, "c/p Ratios"},
    {PreferenceKeyRSubUValues, "r-sub-u Values"},
    {PreferenceKeyFactorsOfSafety, "Factors of Safety"},
    {PreferenceKeyShowPathOnPrintedOutput, "Show Path on Printed Output"},
    {PreferenceKeyProgramsDirectory, "KLIVEN and Vistrel Directory"},
    {PreferenceKeyLocatePrograms, "Locate KLIVEN and Vistrel at Runtime"},
};

// The section and key texts, or false when either has none.
bool Resolve(int section, int key, std::string& sectionText, std::string& keyText) {
    const char* s = PreferenceText(section);
    const char* k = PreferenceText(key);
    if (s == nullptr || k == nullptr || *s == '\0' || *k == '\0') return false;
    sectionText = s;
    keyText = k;
    return true;
}

std::optional<std::string> ReadText(int section, int key) {
    std::string s, k;
    if (!Resolve(section, key, s, k)) return std::nullopt;
    return platform::Services().Profile().GetString(s, k);
}

bool WriteText(int section, int key, const std::string& value) {
    std::string s, k;
    if (!Resolve(section, key, s, k)) return false;
    platform::Services().Profile().SetString(s, k, value);
    return true;
}

bool ParseDouble(const std::string& text, double& value) {
    const char* first = text.data();
    const char* last = first + text.size();
    while (first < last && *first == ' ') ++first;
    while (last > first && last[-1] == ' ') --last;
    if (first < last && *first == '+') ++first;
    double parsed = 0.0;
    auto [end, ec] = std::from_chars(first, last, parsed,
                                     std::chars_format::fixed | std::chars_format::scientific);
    if (ec != std::errc() || end != last || !std::isfinite(parsed)) return false;
    value = parsed;
    return true;
}

bool ParseInt(const std::string& text, int& value) {
    const char* first = text.data();
    const char* last = first + text.size();
    while (first < last && *first == ' ') ++first;
    while (last > first && last[-1] == ' ') --last;
    if (first < last && *first == '+') ++first;
    int parsed = 0;
    auto [end, ec] = std::from_chars(first, last, parsed);
    if (ec != std::errc() || end != last) return false;
    value = parsed;
    return true;
}

std::string Format(const char* format, auto... args) {
    char buffer[128];
    std::snprintf(buffer, sizeof buffer, format, args...);
    return buffer;
}

s_KlivenSettingsValues settings;
bool showWarnings = true;
// Read by AlternateForceDecimals only (no key, not on the sheet).
constexpr s_PerUnitSystem<int> alternateForceDecimals{2, 2, 2};

class CancellingSettingsSheet final : public SettingsSheet {
public:
    bool Run(s_SettingsSheetData&) override { return false; }
};

template <typename T>
const T& OfUnitSystem(const s_PerUnitSystem<T>& values, const char* accessor) {
    switch (GetUnitSystem()) {
    case UnitSystemEnglish: return values.english;
    case UnitSystemSI: return values.si;
    case UnitSystemOther: return values.other;
    }
    throw Cpp_TextException(std::string("EXCEPTION: Cpp_KlivenSettings::") + accessor);
}

template <typename T>
const T* OfUnitSystemOrNull(const s_PerUnitSystem<T>& values) {
    switch (GetUnitSystem()) {
    case UnitSystemEnglish: return &values.english;
    case UnitSystemSI: return &values.si;
    case UnitSystemOther: return &values.other;
    }
    return nullptr;
}

// Half away from zero at d decimals.
double RoundHalfAway(double x, int d) {
    double f = 1.0;
    double base = 10.0;
    for (int e = d < 0 ? -d : d; e > 0; e >>= 1) {
        if (e & 1) f *= base;
        base *= base;
    }
    if (d < 0) f = 1.0 / f;
    double reciprocal = 1.0 / f;
    double scaled = f * x;
    double integral = 0.0;
    double fraction = std::modf(scaled, &integral);
    if (fraction >= 0.5) integral += 1.0;
    if (fraction <= -0.5) integral -= 1.0;
    return integral * reciprocal;
}

}  // namespace

const char* PreferenceText(int id) {
    for (const auto& entry : preferenceTexts)
        if (entry.id == id) return entry.text;
    return nullptr;
}

bool GetPreferenceInt(int section, int key, int& value) {
    auto text = ReadText(section, key);
    if (!text || text->empty()) return false;
    return ParseInt(*text, value);
}

bool GetPreferenceBool(int section, int key, bool& value) {
    int number = 0;
    if (!GetPreferenceInt(section, key, number)) return false;
    value = number != 0;
    return true;
}

bool GetPreferenceString(int section, int key, std::string& value) {
    auto text = ReadText(section, key);
    if (!text || text->empty()) return false;
    value = *text;
    return true;
}

bool GetPreferenceDouble(int section, int key, double& value) {
    auto text = ReadText(section, key);
    if (!text || text->empty()) return false;
    return ParseDouble(*text, value);
}

bool SplitValueText(const std::string& text, std::vector<std::string>& tokens) {
    tokens.clear();
    size_t i = 0;
    while (i < text.size() && tokens.size() < 10) {
        while (i < text.size() && text[i] == ' ') ++i;
        const size_t start = i;
        while (i < text.size() && text[i] != ' ') ++i;
        if (i > start) tokens.push_back(text.substr(start, std::min<size_t>(i - start, 79)));
    }
    return !tokens.empty();
}

bool GetPreferenceKindValue(int section, int key, int& kind, double& value) {
    auto text = ReadText(section, key);
    if (!text || text->empty()) return false;
    std::vector<std::string> words;
    if (!SplitValueText(*text, words) || words.size() < 2) return false;
    const std::string& first = words[0];
    const std::string& second = words[1];
    int k = 0;
    double v = 0.0;
    if (!ParseInt(first, k) || k < 1 || k > 5 || !ParseDouble(second, v)) return false;
    kind = k;
    value = v;
    return true;
}

bool WritePreferenceInt(int section, int key, int value) {
    return WriteText(section, key, std::to_string(value));
}

bool WritePreferenceBool(int section, int key, bool value) {
    return WriteText(section, key, value ? "1" : "0");
}

bool WritePreferenceString(int section, int key, const std::string& value) {
    return WriteText(section, key, value);
}

bool WritePreferenceDouble(int section, int key, double value, int decimals) {
    if (decimals < 0) decimals = 0;
    return WriteText(section, key, Format("%.*f", decimals, value));
}

bool WritePreferenceDoubleE(int section, int key, double value, int decimals) {
    if (decimals < 0) decimals = 0;
    return WriteText(section, key, Format("%1.*e", decimals, value));
}

bool WritePreferenceKindValue(int section, int key, int kind, double value) {
    return WriteText(section, key, Format("%1d %1.6f", kind, value));
}

void ReadWritePreferenceInt(int section, int key, int& value, bool read) {
    if (read)
        GetPreferenceInt(section, key, value);
    else
        WritePreferenceInt(section, key, value);
}

void ReadWritePreferenceBool(int section, int key, bool& value, bool read) {
    if (read)
        GetPreferenceBool(section, key, value);
    else
        WritePreferenceBool(section, key, value);
}

void ReadWritePreferenceString(int section, int key, std::string& value, bool read) {
    if (read)
        GetPreferenceString(section, key, value);
    else
        WritePreferenceString(section, key, value);
}

void ReadWritePreferenceDoubleE(int section, int key, double& value, int decimals, bool read) {
    if (read)
        GetPreferenceDouble(section, key, value);
    else
        WritePreferenceDoubleE(section, key, value, decimals);
}

int Cpp_KlivenSettings::CoordinateDecimals() {
    return OfUnitSystem(settings.coordinateDecimals, "CoordinateDecimals");
}
int Cpp_KlivenSettings::LengthDecimals() {
    return OfUnitSystem(settings.lengthDecimals, "LengthDecimals");
}
int Cpp_KlivenSettings::ForceDecimals() {
    return OfUnitSystem(settings.forceDecimals, "ForceDecimals");
}
int Cpp_KlivenSettings::StressDecimals() {
    return OfUnitSystem(settings.stressDecimals, "StressDecimals");
}
int Cpp_KlivenSettings::UnitWeightDecimals() {
    return OfUnitSystem(settings.unitWeightDecimals, "UnitWeightDecimals");
}
int Cpp_KlivenSettings::AlternateForceDecimals() {
    return OfUnitSystem(alternateForceDecimals, "AlternateForceDecimals");
}
int Cpp_KlivenSettings::AngleDecimals() { return settings.angleDecimals; }
int Cpp_KlivenSettings::CpRatioDecimals() { return settings.cpRatioDecimals; }
int Cpp_KlivenSettings::RSubUDecimals() { return settings.rSubUDecimals; }
int Cpp_KlivenSettings::FactorOfSafetyDecimals() { return settings.factorOfSafetyDecimals; }

double Cpp_KlivenSettings::UnitWeightOfWater(int unitSystem) {
    switch (unitSystem) {
    case UnitSystemEnglish: return settings.unitWeightOfWater.english;
    case UnitSystemSI: return settings.unitWeightOfWater.si;
    case UnitSystemOther: return settings.unitWeightOfWater.other;
    }
    throw Cpp_TextException("EXCEPTION: Cpp_KlivenSettings::UnitWeightOfWater");
}

double Cpp_KlivenSettings::UnitWeightOfWater() { return UnitWeightOfWater(GetUnitSystem()); }

void Cpp_KlivenSettings::GetImbalanceTolerances(int& forceOption, double& forceTolerance,
                                                int& momentOption, double& momentTolerance,
                                                double& minimumWeight) {
    forceOption = settings.forceImbalanceOption;
    momentOption = settings.momentImbalanceOption;
    if (const double* f = OfUnitSystemOrNull(settings.forceImbalance)) {
        forceTolerance = *f;
        momentTolerance = *OfUnitSystemOrNull(settings.momentImbalance);
        minimumWeight = *OfUnitSystemOrNull(settings.minimumWeight);
    }
}

void Cpp_KlivenSettings::GetImbalanceTolerancesAndIterations(
    int& forceOption, double& forceTolerance, int& momentOption, double& momentTolerance,
    int& maximumIterations, double& minimumWeight, double& maximumRadius) {
    GetImbalanceTolerances(forceOption, forceTolerance, momentOption, momentTolerance,
                           minimumWeight);
    maximumIterations = 100;
    maximumRadius = settings.maximumRadius;
}

bool Cpp_KlivenSettings::ShowFullPath() { return settings.showFullPath; }
bool Cpp_KlivenSettings::ShowPathOnPrintedOutput() { return settings.showPathOnPrintedOutput; }

void Cpp_KlivenSettings::GetProgramsDirectory(std::string& directory, bool& locate) {
    directory = settings.programsDirectory;
    locate = settings.locatePrograms;
}

bool Cpp_KlivenSettings::ShowWarnings() { return showWarnings; }
void Cpp_KlivenSettings::SetShowWarnings(bool show) { showWarnings = show; }

void Cpp_KlivenSettings::ChangeToDefaultDirectory() {
    if (settings.defaultDirectory.empty()) return;
    std::error_code ec;
    std::filesystem::current_path(settings.defaultDirectory, ec);
}

void Cpp_KlivenSettings::ReadWritePreferences(bool read) {
    auto& v = settings;
    const int g = PreferenceSectionGeneral;
    const int c = PreferenceSectionConstants;
    const int d = PreferenceSectionDecimals;
    ReadWritePreferenceString(g, PreferenceKeyDefaultDirectory, v.defaultDirectory, read);
    ReadWritePreferenceBool(g, PreferenceKeyShowFullPath, v.showFullPath, read);
    ReadWritePreferenceBool(g, PreferenceKeyShowPathOnPrintedOutput, v.showPathOnPrintedOutput,
                            read);
    ReadWritePreferenceString(g, PreferenceKeyProgramsDirectory, v.programsDirectory, read);
    ReadWritePreferenceBool(g, PreferenceKeyLocatePrograms, v.locatePrograms, read);
    ReadWritePreferenceBool(g, PreferenceKeyWideOutputFormat, v.wideOutputFormat, read);
    ReadWritePreferenceString(g, PreferenceKeyTextFontName, v.textFontName, read);
    ReadWritePreferenceInt(g, PreferenceKeyTextFontSize, v.textFontSize, read);
    ReadWritePreferenceString(g, PreferenceKeyPageNumberFontName, v.pageNumberFontName, read);
    ReadWritePreferenceInt(g, PreferenceKeyPageNumberFontSize, v.pageNumberFontSize, read);

    auto triple = [&](int first, s_PerUnitSystem<double>& values) {
        ReadWritePreferenceDoubleE(c, first, values.english, 6, read);
        ReadWritePreferenceDoubleE(c, first + 1, values.si, 6, read);
        ReadWritePreferenceDoubleE(c, first + 2, values.other, 6, read);
    };
    ReadWritePreferenceInt(c, PreferenceKeyMaximumSlices, v.maximumSlices, read);
    triple(PreferenceKeyUnitWeightWaterEnglish, v.unitWeightOfWater);
    ReadWritePreferenceInt(c, PreferenceKeyForceImbalanceOption, v.forceImbalanceOption, read);
    triple(PreferenceKeyForceImbalanceEnglish, v.forceImbalance);
    ReadWritePreferenceInt(c, PreferenceKeyMomentImbalanceOption, v.momentImbalanceOption, read);
    triple(PreferenceKeyMomentImbalanceEnglish, v.momentImbalance);
    triple(PreferenceKeyMinimumWeightEnglish, v.minimumWeight);
    ReadWritePreferenceInt(c, PreferenceKeyMaximumIterations, v.maximumIterations, read);
    ReadWritePreferenceDoubleE(c, PreferenceKeyMaximumRadius, v.maximumRadius, 6, read);

    auto decimals = [&](int first, s_PerUnitSystem<int>& values) {
        ReadWritePreferenceInt(d, first, values.english, read);
        ReadWritePreferenceInt(d, first + 1, values.si, read);
        ReadWritePreferenceInt(d, first + 2, values.other, read);
    };
    decimals(PreferenceKeyCoordinatesEnglish, v.coordinateDecimals);
    decimals(PreferenceKeyLengthsEnglish, v.lengthDecimals);
    decimals(PreferenceKeyForcesEnglish, v.forceDecimals);
    decimals(PreferenceKeyStressesEnglish, v.stressDecimals);
    // The unit-weight keys are paired with their variables by name: English, SI, other.
    ReadWritePreferenceInt(d, PreferenceKeyUnitWeightsEnglish, v.unitWeightDecimals.english, read);
    ReadWritePreferenceInt(d, PreferenceKeyUnitWeightsSI, v.unitWeightDecimals.si, read);
    ReadWritePreferenceInt(d, PreferenceKeyUnitWeightsOther, v.unitWeightDecimals.other, read);
    ReadWritePreferenceInt(d, PreferenceKeyAngles, v.angleDecimals, read);
    ReadWritePreferenceInt(d, PreferenceKeyCpRatios, v.cpRatioDecimals, read);
    ReadWritePreferenceInt(d, PreferenceKeyRSubUValues, v.rSubUDecimals, read);
    ReadWritePreferenceInt(d, PreferenceKeyFactorsOfSafety, v.factorOfSafetyDecimals, read);
}

DialogSlot<SettingsSheet>& Cpp_KlivenSettings::SettingsSheetSlot() {
    static DialogSlot<SettingsSheet> slot("settings sheet",
                                          std::make_unique<CancellingSettingsSheet>());
    return slot;
}

bool Cpp_KlivenSettings::EditSettings() {
    s_SettingsSheetData data;
    data.values = settings;
    if (data.values.defaultDirectory.empty())
        data.values.defaultDirectory = ApplicationDirectoryText;
    data.showWarnings = showWarnings;
    data.savePermanent = false;
    SettingsSheet& sheet = SettingsSheetSlot().Get();
    if (!sheet.Run(data)) return false;

    settings = data.values;
    if (settings.defaultDirectory == ApplicationDirectoryText) settings.defaultDirectory.clear();
    showWarnings = data.showWarnings;
    if (data.savePermanent) {
        platform::MessageBoxRequest request;
        request.caption = "Save settings?";
        request.text = "Do you want current settings saved as permanent Preferences?";
        request.buttons = platform::BoxButtons::YesNo;
        request.icon = platform::BoxIcon::Question;
        request.defaultButton = platform::BoxResult::Yes;
        request.owner = platform::BoxOwner::None;
        if (platform::Services().MessageBoxes().Show(request) == platform::BoxResult::Yes) {
            ReadWritePreferences(false);
            if (!platform::Services().Profile().Flush()) {
                platform::MessageBoxRequest failure;
                failure.caption = "ERROR";
                failure.text = "Unable to save the preferences.";
                failure.icon = platform::BoxIcon::Stop;
                platform::Services().MessageBoxes().Show(failure);
            }
        }
    }
    return true;
}

double Cpp_KlivenSettings::RoundCoordinate(double x) {
    const int* d = OfUnitSystemOrNull(settings.coordinateDecimals);
    return d ? RoundThroughText(x, *d) : 0.0;
}

double Cpp_KlivenSettings::RoundLength(double x) {
    const int* d = OfUnitSystemOrNull(settings.lengthDecimals);
    return d ? RoundHalfAway(x, *d) : 0.0;
}

double Cpp_KlivenSettings::RoundStress(double x) {
    const int* d = OfUnitSystemOrNull(settings.stressDecimals);
    return d ? RoundHalfAway(x, *d) : 0.0;
}

s_tagTypePointXY Cpp_KlivenSettings::RoundPair(double x, double y) {
    return {RoundCoordinate(x), RoundCoordinate(y)};
}

const s_KlivenSettingsValues& Cpp_KlivenSettings::Values() { return settings; }
void Cpp_KlivenSettings::SetValues(const s_KlivenSettingsValues& values) { settings = values; }

void Cpp_KlivenSettings::Reset() {
    settings = s_KlivenSettingsValues{};
    showWarnings = true;
}

bool ReadUnitsCommand(std::FILE* input, std::FILE* listing, int unitSystem) {
    if (!ApplyUnitsCommand(input, listing, unitSystem)) return false;
    Cpp_OutputTable::SetFileOnly(listing);
    SetOutputFile(listing);
    PrintBlankLines(1);
    PrintIntegerWithText(Cpp_KlivenSettings::CoordinateDecimals(),
                         "Number of decimals for coordinates in output: ", "\n", 1);
    PrintIntegerWithText(Cpp_KlivenSettings::ForceDecimals(),
                         "Number of decimals for forces in output: ", "\n", 1);
    PrintIntegerWithText(Cpp_KlivenSettings::StressDecimals(),
                         "Number of decimals for stresses in output: ", "\n", 1);
    PrintIntegerWithText(Cpp_KlivenSettings::UnitWeightDecimals(),
                         "Number of decimals for unit weights in output: ", "\n", 1);
    PrintIntegerWithText(Cpp_KlivenSettings::AngleDecimals(),
                         "Number of decimals for angles in output: ", "\n", 1);
    return true;
}
