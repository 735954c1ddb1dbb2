#include "profile/material_dialog_state.h"

#include "core/unit_words.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>

#include "core/preferences.h"
#include "core/string_table.h"
#include "core/text_formats.h"
#include "platform/services.h"
#include "profile/profile_line.h"

namespace {

using platform::BoxButtons;
using platform::BoxIcon;
using platform::BoxResult;

constexpr int kCaptionMaterialError = 5150;
constexpr int kTextNegativeUnitWeight = 15160;
constexpr int kTextNoLateralUnitWeights = 15161;
constexpr int kTextZeroUnitWeight = 15165;

BoxResult ShowBox(void* window, const std::string& caption, const std::string& text,
                  BoxButtons buttons, BoxIcon icon, BoxResult defaultButton = BoxResult::Ok) {
    platform::MessageBoxRequest request;
    request.caption = caption;
    request.text = text;
    request.buttons = buttons;
    request.icon = icon;
    request.defaultButton = defaultButton;
    request.owner = platform::BoxOwner::Window;
    request.window = window;
    return platform::Services().MessageBoxes().Show(request);
}

std::string StringText(int id) { return LoadStringText(id).value_or(""); }

std::string Printf(const char* format, auto... values) {
    char buffer[256];
    std::snprintf(buffer, sizeof buffer, format, values...);
    return buffer;
}

// The table messages: caption "ERROR", OK only, no icon.
void TableError(void* window, const std::string& text) {
    ShowBox(window, "ERROR", text, BoxButtons::Ok, BoxIcon::None);
}

bool IsBlank(const std::string& text) { return text.empty(); }

// A number at the start of text after white space (what follows it is ignored); "inf", "nan"
// and hexadecimal digits are no numbers.
std::optional<double> ScanNumber(const std::string& text) {
    size_t i = 0;
    while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i]))) ++i;
    const bool minus = i < text.size() && text[i] == '-';
    if (i < text.size() && (text[i] == '+' || minus)) ++i;
    if (i >= text.size() || !(std::isdigit(static_cast<unsigned char>(text[i])) || text[i] == '.'))
        return std::nullopt;
    double value = 0.0;
    const auto result = std::from_chars(text.data() + i, text.data() + text.size(), value);
    if (result.ec != std::errc() || !std::isfinite(value)) return std::nullopt;
    return minus ? -value : value;
}

std::string Format(const std::string& format, double value) {
    return Printf(format.c_str(), value);
}

std::string FixedFormat(int decimals) {
    std::string format;
    Cpp_Strings::MakeNumberFormat(1, 1, decimals, format);
    return format;
}

}  // namespace

// ---------------------------------------------------------------- tables

bool FindLastMaterialTableRow(void* window, const s_MaterialTableText& table, bool showMessage,
                              int& lastDataRow) {
    const int rows = static_cast<int>(table.rows.size());
    lastDataRow = -1;
    bool emptySeen = false;
    for (int r = 0; r < rows; ++r) {
        bool nonBlank = false, blankCell = false;
        for (const auto& cell : table.rows[r]) (IsBlank(cell) ? blankCell : nonBlank) = true;
        if (!emptySeen) {
            if (!nonBlank) {
                emptySeen = true;
                lastDataRow = r;
            } else if (blankCell) {
                return false;
            }
        } else if (nonBlank) {
            if (showMessage)
                TableError(window,
                           Printf("Non-blank cells in row %1d of data follow blank line", r + 1));
            return false;
        }
    }
    if (!emptySeen) lastDataRow = rows;
    return true;
}

bool ValidateMaterialTable(void* window, const s_MaterialTableText& table, int minimumRows,
                           int maximumRows, int* lastDataRowOut) {
    const int rows = static_cast<int>(table.rows.size());
    int lastDataRow = -1;
    auto done = [&](bool ok) {
        if (lastDataRowOut) *lastDataRowOut = lastDataRow;
        return ok;
    };
    bool emptySeen = false;
    for (int r = 0; r < rows; ++r) {
        bool nonBlank = false, blankCell = false;
        for (const auto& cell : table.rows[r]) (IsBlank(cell) ? blankCell : nonBlank) = true;
        if (!emptySeen) {
            if (!nonBlank) {
                emptySeen = true;
                lastDataRow = r;
            } else if (blankCell) {
                TableError(window, Printf("Blank cells in row %1d of data", r + 1));
                return done(false);
            }
        } else if (nonBlank) {
            TableError(window, Printf("Non-blank cells in row %1d of data follow one or more "
                                      "blank lines of data",
                                      r + 1));
            return done(false);
        }
    }
    if (!emptySeen) lastDataRow = rows;
    for (int c = 0; c < table.DataColumns(); ++c)
        for (int r = 0; r < lastDataRow; ++r) {
            const std::string& text = table.rows[r][c];
            if (text.size() >= 80) {
                TableError(window, "Input string is too long.");
                return done(false);
            }
            if (!ScanNumber(text)) {
                TableError(window,
                           Printf("Illegal floating point value in field (row %1d, col %1d)", r + 1,
                                  c + 1));
                return done(false);
            }
        }
    if (minimumRows >= 0 && lastDataRow < minimumRows) {
        TableError(window, Printf("Not enough values (rows of data): %1d values entered, minimum "
                                  "number required = %1d",
                                  lastDataRow, minimumRows));
        return done(false);
    }
    if (maximumRows >= 0 && lastDataRow > maximumRows) {
        TableError(window, Printf("Too many values (rows of data): %1d values entered, maximum "
                                  "number allowed = %1d",
                                  lastDataRow, maximumRows));
        return done(false);
    }
    return done(true);
}

bool ReadMaterialTable(void* window, const s_MaterialTableText& table, int minimumRows,
                       int maximumRows, std::vector<std::vector<double>>& values) {
    int lastDataRow = 0;
    if (!ValidateMaterialTable(window, table, minimumRows, maximumRows, &lastDataRow)) return false;
    values.clear();
    for (int r = 0; r < lastDataRow; ++r) {
        std::vector<double> row;
        for (const auto& cell : table.rows[r]) row.push_back(*ScanNumber(cell));
        values.push_back(std::move(row));
    }
    return true;
}

void SortRowsByFirstValue(std::vector<std::vector<double>>& rows) {
    for (size_t i = 0; i + 1 < rows.size(); ++i) {
        size_t smallest = i;
        for (size_t j = i + 1; j < rows.size(); ++j)
            if (rows[j][0] < rows[smallest][0]) smallest = j;
        if (smallest != i) std::swap(rows[i], rows[smallest]);
    }
}

// ---------------------------------------------------------------- the state

MaterialDialogState::MaterialDialogState(int stage, bool singleMaterial,
                                         std::vector<DialogMaterialData> entries,
                                         std::vector<std::pair<int, int>> pairs)
    : stage_(stage), single_(singleMaterial), entries_(std::move(entries)),
      pairs_(std::move(pairs)) {}

MaterialDialogState::~MaterialDialogState() = default;

bool MaterialDialogState::Initialize() {
    if (stage_ == 1)
        codes_ = {1, 2, 3, 4, 5, 7, 9, 13};
    else if (stage_ == 2)
        codes_ = {1, 2, 3, 4, 5, 7, 9, 11, 12, 13};
    else
        return false;
    graphs_.Reset();
    if (entries_.empty()) {
        ShowMaterial(-1);
    } else {
        ShowMaterial(0);
        if (!single_) SetUsageText(entries_[0].number);
    }
    ShowCurrentMaterial();
    graphs_.ExpectRaise();
    return true;
}

// ---- option maps

std::string MaterialDialogState::StrengthOptionName(int code) {
    static const char* const names[] = {
        "",
        "Conventional linear Mohr-Coulomb envelope",
        "Linear increase in undrained strength with depth below profile line",
        "Linear increase in undrained strength with depth below a horizontal datum",
        "Constant c/p ratio",
        "Anisotropic shear strength",
        "Nonlinear envelope - Specified by phi-zero and delta-phi",
        "General nonlinear Mohr failure envelope",
        "Lateral variation in undrained strength, Su",
        "Interpolate values of undrained strength, Su",
        "Normalized soil properties (SHANSEP)",
        "Two-stage shear strength - Linear strength envelopes",
        "Two-stage shear strength - Nonlinear strength envelopes",
        "Very strong material (infinite strength)",
        "Trilinear envelope (special)",
        "Interpolated anisotropic strengths",
        "Interpolated c/p ratio",
    };
    return code >= 1 && code <= 16 ? names[code] : "";
}

std::vector<std::string> MaterialDialogState::StrengthOptionTexts() const {
    std::vector<std::string> texts;
    for (int code : codes_) texts.push_back(StrengthOptionName(code));
    return texts;
}

const std::vector<std::string>& MaterialDialogState::PorePressureOptionTexts() {
    static const std::vector<std::string> texts = {
        "No (zero) pore pressure",
        "Constant pore water pressure throughout material",
        "Constant pore pressure coefficient (r-sub-u)",
        "Piezometric line",
        "Interpolated from values of pore pressure",
        "Interpolated from values of pore pressure coefficient (r-sub-u)",
    };
    return texts;
}

int MaterialDialogState::OptionFromComboIndex(int index) const {
    if (codes_.empty()) return 1;
    if (index < 0 || index >= static_cast<int>(codes_.size())) return codes_.front();
    return codes_[index];
}

int MaterialDialogState::FindComboIndexOfOption(int code) const {
    const auto it = std::find(codes_.begin(), codes_.end(), code);
    return it == codes_.end() ? -1 : static_cast<int>(it - codes_.begin());
}

int MaterialDialogState::SelectedStrengthOption() const {
    if (fields_.strengthIndex < 0 && keptStrength_) return keptStrength_->Option();
    return OptionFromComboIndex(fields_.strengthIndex);
}

std::string MaterialDialogState::KeptStrengthText() const {
    if (!keptStrength_) return "";
    const std::string name = StrengthOptionName(keptStrength_->Option());
    return (name.empty() ? Printf("Strength option %d", keptStrength_->Option()) : name) +
           " (kept)";
}

std::string MaterialDialogState::KeptPorePressureText() const {
    if (!keptPorePressure_) return "";
    return Printf("Pore pressure option %d (kept)", keptPorePressure_->GetOption());
}

std::array<std::string, 4> MaterialDialogState::StrengthFieldLabels(int code) {
    switch (code) {
    case 1: return {"Cohesion:", "Friction angle (degrees):", "", ""};
    case 2:
        return {"Shear strength at profile line:", "Rate of strength increase with depth:", "", ""};
    case 3:
        return {"Reference (datum) elevation:", "Shear strength at reference elevation (datum):",
                "Rate of strength increase with depth below datum:", ""};
    case 4:
        return {"\"c/p\" ratio:", "\"Intercept\" strength (c-zero)",
                "Minimum value of shear strength:", "Maxmum value of shear strength:"};
    case 9:
        return {"Minimum value of interpolated strength:",
                "Maximum value of interpolated strength:", "", ""};
    case 11:
        return {
            "Intercept (d) of Kc = 1 envelope:", "Slope (\"psi\") of Kc = 1 envelope - degrees:",
            "Intercept (d) of Kc = Kf envelope:", "Slope (\"psi\") of Kc = Kf envelope - degrees:"};
    default: return {"", "", "", ""};
    }
}

std::array<std::string, 4> MaterialDialogState::StrengthFieldUnits(int code) {
    const std::string stress = UnitName(Quantity::Stress);
    // A strength that grows with depth: stress per length, the dimension of a unit weight.
    const std::string rate = UnitName(Quantity::UnitWeight);
    switch (code) {
    case 1: return {stress, "degrees", "", ""};
    case 2: return {stress, rate, "", ""};
    case 3: return {UnitName(Quantity::Length), stress, rate, ""};
    case 4: return {"", stress, stress, stress};
    case 9: return {stress, stress, "", ""};
    case 11: return {stress, "degrees", stress, "degrees"};
    default: return {"", "", "", ""};
    }
}

// ---- events

void MaterialDialogState::StrengthOptionChanged() {
    const int code = SelectedStrengthOption();
    // A kept option has no fields of its own: the fields are hidden while it is shown.
    const bool kept = fields_.strengthIndex < 0 && keptStrength_;
    controls_.strengthLabels = kept ? std::array<std::string, 4>{} : StrengthFieldLabels(code);
    controls_.strengthUnits = kept ? std::array<std::string, 4>{} : StrengthFieldUnits(code);
    for (int i = 0; i < 4; ++i) controls_.strengthShown[i] = !controls_.strengthLabels[i].empty();
    const bool first = !kept && (code == 5 || code == 7 || code == 12);
    const bool second = !kept && code == 12;
    controls_.displayGraphsEnabled = first;
    if (first) {
        SetUpStrengthTables();
    } else {
        tables_[FirstStrengthTable].shown = false;
        graphs_.Hide();
    }
    tables_[SecondStrengthTable].shown = second;
    if (!kept && (code == 2 || code == 3 || code == 9 || code == 13)) {
        fields_.porePressureIndex = 0;
        controls_.porePressureEnabled = false;
        controls_.negativeEnabled = false;
    } else {
        controls_.porePressureEnabled = true;
        controls_.negativeEnabled = true;
        PorePressureOptionChanged();
    }
    PorePressureOptionChanged();
}

void MaterialDialogState::PorePressureOptionChanged() {
    auto& c = controls_;
    c.valueShown = c.lineShown = false;
    switch (fields_.porePressureIndex) {
    case 0: c.negativeShown = c.negativeEnabled = false; break;
    case 1:
        c.valueShown = true;
        c.valueLabel = "Pore water pressure:";
        c.valueUnit = UnitName(Quantity::Stress);
        c.negativeShown = c.negativeEnabled = false;
        break;
    case 2:
        c.valueShown = true;
        c.valueLabel = "Pore water pressure coefficient (r-sub-u):";
        c.valueUnit.clear();
        c.negativeShown = c.negativeEnabled = false;
        break;
    case 3:
        c.lineShown = true;
        c.lineLabel = "Piezometric line number:";
        c.negativeShown = c.negativeEnabled = true;
        break;
    case 4:
    case 5: c.negativeShown = c.negativeEnabled = true; break;
    default: break;
    }
}

void MaterialDialogState::VariableUnitWeightChanged() { UpdateUnitWeightFields(); }

void MaterialDialogState::UpdateUnitWeightFields() {
    controls_.unitWeightEnabled = !fields_.variableUnitWeight;
    if (fields_.variableUnitWeight)
        SetUpTable(UnitWeightTable, current_);
    else
        tables_[UnitWeightTable].shown = false;
}

void MaterialDialogState::ShowCurrentMaterial() {
    StrengthOptionChanged();
    PorePressureOptionChanged();
    UpdateUnitWeightFields();
}

// ---- tables

void MaterialDialogState::SetUpStrengthTables() {
    const int code = SelectedStrengthOption();
    SetUpTable(FirstStrengthTable, current_);
    if (code == 12) SetUpTable(SecondStrengthTable, current_);
    if (fields_.displayGraphs) {
        graphs_.Create(code);
        UpdateGraph();
    }
}

void MaterialDialogState::DisplayGraphsChanged() {
    if (!fields_.displayGraphs) {
        graphs_.Hide();
        return;
    }
    if (fields_.strengthIndex < 0) return;
    const int code = SelectedStrengthOption();
    if (code != 5 && code != 7 && code != 12) return;
    graphs_.Create(code);
    UpdateGraph();
}

void MaterialDialogState::StrengthTableEdited() {
    if (fields_.displayGraphs && graphs_.Exists()) UpdateGraph();
}

void MaterialDialogState::UpdateGraph() {
    if (fields_.strengthIndex < 0) return;
    const int code = SelectedStrengthOption();
    const auto& first = tables_[FirstStrengthTable];
    std::vector<std::vector<double>> rows;
    if (code == 5 || code == 7) {
        int last = 0;
        if (!FindLastMaterialTableRow(window_, first, true, last) || last < 2) return;
        if (!ReadMaterialTable(window_, first, 2, -1, rows)) return;
        if (code == 5)
            graphs_.UpdateAnisotropic(rows);
        else
            graphs_.UpdateNonlinear(rows);
        return;
    }
    if (code != 12) return;
    const auto& second = tables_[SecondStrengthTable];
    int last1 = 0, last2 = 0;
    if (!FindLastMaterialTableRow(window_, first, true, last1) ||
        !FindLastMaterialTableRow(window_, second, true, last2) || (last1 < 2 && last2 < 2))
        return;
    // A table that does not pass counts as empty.
    const bool use1 = last1 >= 2 && ValidateMaterialTable(window_, first, 2, -1);
    const bool use2 = last2 >= 2 && ValidateMaterialTable(window_, second, 2, -1);
    if (!use1 && !use2) return;
    std::vector<std::vector<double>> kcOne, kcKf;
    if (use1 && !ReadMaterialTable(window_, first, 2, -1, kcOne)) return;
    if (use2 && !ReadMaterialTable(window_, second, 2, -1, kcKf)) return;
    graphs_.UpdateTwoStage(kcOne, kcKf);
}

void MaterialDialogState::SetUpTable(TableId id, int index) {
    const DialogMaterialData* entry =
        index >= 0 && index < static_cast<int>(entries_.size()) ? &entries_[index] : nullptr;
    const int code = SelectedStrengthOption();
    s_MaterialTableText& t = tables_[id];
    t.shown = true;
    ++t.setUps;
    t.rowLabel = "Point";
    t.rows.clear();
    const std::string stress = FixedFormat(Cpp_KlivenSettings::StressDecimals());
    const std::string angle = FixedFormat(Cpp_KlivenSettings::AngleDecimals());
    auto emptyRows = [&](int count) {
        t.rows.assign(count, std::vector<std::string>(t.formats.size()));
    };
    if (id == UnitWeightTable) {
        t.titles = {"Item", "X", "Unit Weight"};
        t.formats = {FixedFormat(Cpp_KlivenSettings::CoordinateDecimals()),
                     FixedFormat(Cpp_KlivenSettings::UnitWeightDecimals())};
        t.columnWidth = 100;
        const auto points =
            entry ? entry->record.GetLateralUnitWeights() : std::vector<s_LateralUnitWeight>{};
        for (const auto& p : points)
            t.rows.push_back({Format(t.formats[0], p.x), Format(t.formats[1], p.unitWeight)});
        if (points.empty()) emptyRows(5);
        return;
    }
    const Cpp_ShearStrength* strength = entry && entry->record.GetStrengthOption() == code
                                            ? &entry->record.GetShearStrengthRecord()
                                            : nullptr;
    if (code == 5) {
        t.titles = {"Item", "     Angle (degs.)     ", "     Cohesion     ",
                    "     Friction Angle     "};
        t.formats = {angle, stress, angle};
        t.columnWidth = 75;
        const auto points =
            strength ? strength->GetAnisotropicParameters() : std::vector<s_AnisotropicPtType>{};
        for (const auto& p : points)
            t.rows.push_back({Format(angle, p.angle), Format(stress, p.cohesion),
                              Format(angle, p.frictionAngle)});
        if (points.empty()) emptyRows(6);
    } else if (code == 7) {
        t.titles = {"Item", "Normal Stress", "Shear Stress"};
        t.formats = {stress, stress};
        t.columnWidth = 150;
        const auto points =
            strength ? strength->GetNonlinearEnvelope() : std::vector<s_NonlinearPtType>{};
        for (const auto& p : points)
            t.rows.push_back({Format(stress, p.normalStress), Format(stress, p.shearStress)});
        if (points.empty()) emptyRows(5);
    } else if (code == 12) {
        const bool first = id == FirstStrengthTable;
        t.titles = first ? std::vector<std::string>{"Item", " Sigma (Kc = 1) ", " Tau (Kc = 1) "}
                         : std::vector<std::string>{"Item", " Sigma (Kc = Kf) ", " Tau (Kc = Kf) "};
        t.formats = {stress, stress};
        t.columnWidth = 75;
        const auto one =
            strength ? strength->GetTwoStageEnvelope(1) : std::vector<s_NonlinearPtType>{};
        const auto kf =
            strength ? strength->GetTwoStageEnvelope(2) : std::vector<s_NonlinearPtType>{};
        const auto& mine = first ? one : kf;
        const size_t rows = std::max(one.size(), kf.size());
        if (rows == 0) {
            emptyRows(5);
        } else {
            emptyRows(static_cast<int>(rows));
            for (size_t i = 0; i < mine.size(); ++i)
                t.rows[i] = {Format(stress, mine[i].normalStress),
                             Format(stress, mine[i].shearStress)};
        }
    }
}

bool MaterialDialogState::StoreTables(DialogMaterialData& entry, int option) {
    auto& strength = entry.record.GetShearStrengthRecord();
    std::vector<std::vector<double>> rows;
    if (option == 5) {
        if (!ValidateMaterialTable(window_, tables_[FirstStrengthTable], -1, -1)) return false;
        if (!ReadMaterialTable(window_, tables_[FirstStrengthTable], 2, -1, rows)) return false;
        SortRowsByFirstValue(rows);
        std::vector<s_AnisotropicPtType> points;
        for (const auto& r : rows) points.push_back({r[0], r[1], r[2]});
        strength.SetAnisotropicParameters(points);
        return true;
    }
    auto envelope = [](const std::vector<std::vector<double>>& rows) {
        std::vector<s_NonlinearPtType> points;
        for (const auto& r : rows) points.push_back({r[0], r[1]});
        return points;
    };
    if (option == 7) {
        if (!ValidateMaterialTable(window_, tables_[FirstStrengthTable], -1, -1)) return false;
        if (!ReadMaterialTable(window_, tables_[FirstStrengthTable], 2, -1, rows)) return false;
        strength.SetNonlinearEnvelope(envelope(rows));
        return true;
    }
    std::vector<std::vector<double>> second;
    if (!ValidateMaterialTable(window_, tables_[FirstStrengthTable], -1, -1)) return false;
    if (!ValidateMaterialTable(window_, tables_[SecondStrengthTable], -1, -1)) return false;
    if (!ReadMaterialTable(window_, tables_[FirstStrengthTable], 2, -1, rows)) return false;
    if (!ReadMaterialTable(window_, tables_[SecondStrengthTable], 2, -1, second)) return false;
    strength.SetTwoStageNonlinearEnvelopes(envelope(rows), envelope(second));
    return true;
}

// ---- materials

void MaterialDialogState::ShowMaterial(int index) {
    keptStrength_.reset();
    keptPorePressure_.reset();
    hasLimit_ = false;
    limitingValue_ = 0.0;
    if (index < 0 || index >= static_cast<int>(entries_.size())) {
        current_ = -1;
        fields_.description.clear();
        fields_.materialNumber = 0;
        fields_.unitWeight = 0.0;
        fields_.variableUnitWeight = false;
        fields_.strengthIndex = 0;
        fields_.strength = {};
        fields_.porePressureIndex = 0;
        fields_.porePressureValue = 0.0;
        fields_.piezometricLine = 1;
        return;
    }
    current_ = index;
    const DialogMaterialData& entry = entries_[index];
    const Cpp_MaterialStageData& record = entry.record;
    fields_.materialNumber = entry.number;
    switch (record.GetUnitWeightOption()) {
    case Cpp_MaterialStageData::UnitWeightConstant:
        fields_.variableUnitWeight = false;
        fields_.unitWeight = record.GetConstantUnitWeight();
        break;
    case Cpp_MaterialStageData::UnitWeightLateral:
        fields_.variableUnitWeight = true;
        fields_.unitWeight = record.GetConstantUnitWeight();
        break;
    default:
        fields_.variableUnitWeight = false;
        fields_.unitWeight = 0.0;
        break;
    }
    const Cpp_ShearStrength& s = record.GetShearStrengthRecord();
    fields_.strengthIndex = FindComboIndexOfOption(s.Option());
    if (fields_.strengthIndex < 0) keptStrength_ = s;
    fields_.description = entry.description.empty()
                              ? Printf("Material number %1ld", static_cast<long>(entry.number))
                              : entry.description;
    auto& v = fields_.strength;
    v = {};
    switch (s.Option()) {
    case 1: v = {s.GetCohesion(), s.GetFrictionAngle(), 0.0, 0.0}; break;
    case 2: v = {s.GetStrengthAtProfileLine(), s.GetRateOfIncrease(), 0.0, 0.0}; break;
    case 3:
        v = {s.GetReferenceElevation(), s.GetStrengthAtReference(), s.GetRateOfIncrease(), 0.0};
        break;
    case 4: s.GetCOverPParameters(v[0], v[1], v[2], v[3]); break;
    case 9: s.GetInterpolationLimits(v[0], v[1]); break;
    case 11: s.GetTwoStageLinearParameters(v[0], v[1], v[2], v[3]); break;
    default: break;
    }
    const Cpp_PorePressure& p = record.GetPorePressureRecord();
    const int pp = p.GetOption();
    fields_.porePressureIndex = pp >= 2 && pp <= 7 ? pp - 2 : -1;
    if (fields_.porePressureIndex < 0) keptPorePressure_ = p;
    fields_.negativeAllowed = p.GetNegativeAllowed();
    hasLimit_ = p.GetNegativeAllowed() && p.HasLimitingValue();
    limitingValue_ = hasLimit_ ? p.GetLimitingValue() : 0.0;
    fields_.porePressureValue = 0.0;
    fields_.piezometricLine = 0;
    if (pp == 3 || pp == 4) fields_.porePressureValue = p.GetValue();
    if (pp == 5) fields_.piezometricLine = p.GetPiezometricLineNumber();
}

bool MaterialDialogState::ValidateFields() {
    const std::string caption = StringText(kCaptionMaterialError);
    if (!fields_.variableUnitWeight) {
        if (fields_.unitWeight < 0.0) {
            ShowBox(window_, caption, StringText(kTextNegativeUnitWeight), BoxButtons::Ok,
                    BoxIcon::Stop);
            return false;
        }
        if (fields_.unitWeight == 0.0 &&
            ShowBox(window_, caption, StringText(kTextZeroUnitWeight), BoxButtons::YesNo,
                    BoxIcon::Question, BoxResult::Yes) != BoxResult::Yes)
            return false;
    } else if (!ValidateMaterialTable(window_, tables_[UnitWeightTable], 1,
                                      MaximumLateralUnitWeights)) {
        ShowBox(window_, caption, StringText(kTextNoLateralUnitWeights), BoxButtons::OkCancel,
                BoxIcon::Question);
        return false;
    }
    if (fields_.strengthIndex < 0 && keptStrength_) return true;
    const int code = OptionFromComboIndex(fields_.strengthIndex);
    if (code == 5 || code == 7 || code == 12) {
        if (!ValidateMaterialTable(window_, tables_[FirstStrengthTable], 2, -1)) return false;
        if (code == 12 && !ValidateMaterialTable(window_, tables_[SecondStrengthTable], 2, -1))
            return false;
    }
    return true;
}

bool MaterialDialogState::StoreMaterial(int index, int number) {
    if (index < 0 || index >= static_cast<int>(entries_.size())) return false;
    if (!ValidateFields()) return false;
    DialogMaterialData& entry = entries_[index];
    Cpp_MaterialStageData& record = entry.record;
    record.ResetStrengthAndPorePressure();
    entry.number = number;
    entry.description = fields_.description.empty()
                            ? Printf("Material number %ld", static_cast<long>(number))
                            : fields_.description;
    if (fields_.variableUnitWeight) {
        record.SetUnitWeightOption(Cpp_MaterialStageData::UnitWeightLateral);
        std::vector<std::vector<double>> rows;
        if (!ReadMaterialTable(window_, tables_[UnitWeightTable], 1, -1, rows)) return false;
        SortRowsByFirstValue(rows);
        std::vector<s_LateralUnitWeight> points;
        for (const auto& r : rows) points.push_back({r[0], r[1]});
        record.SetLateralUnitWeights(points);
    } else {
        record.SetUnitWeight(fields_.unitWeight);
    }

    auto& strength = record.GetShearStrengthRecord();
    if (fields_.strengthIndex < 0 && keptStrength_) {
        strength = *keptStrength_;
    } else {
        const int code = OptionFromComboIndex(fields_.strengthIndex);
        strength.SetStrengthOption(code);
        const auto& f = fields_.strength;
        switch (code) {
        case 1:
        case 2:
        case 4:
        case 9:
        case 11: strength.SetParameters({{f[0], f[1], f[2], f[3], 0.0}}); break;
        // The fields show the reference elevation first; the record takes it third.
        case 3: strength.SetParameters({{f[1], f[2], f[0], 0.0, 0.0}}); break;
        case 5:
        case 7:
        case 12:
            if (!StoreTables(entry, code)) return false;
            break;
        default: break;
        }
    }

    auto& pressure = record.GetPorePressureRecord();
    if (fields_.porePressureIndex < 0 && keptPorePressure_) {
        pressure = *keptPorePressure_;
        return true;
    }
    const int option = fields_.porePressureIndex + 2;
    pressure.SetOption(option);
    auto storeNegative = [&](bool allowed) {
        // The lowest negative pressure has no field; one the record held stays with it.
        if (allowed && hasLimit_)
            pressure.SetNegativeAllowed(true, limitingValue_);
        else
            pressure.SetNegativeAllowedWithoutLimit(allowed);
    };
    switch (option) {
    case 2: pressure.SetNegativeAllowedWithoutLimit(false); break;
    case 3:
    case 4:
        pressure.SetValue(fields_.porePressureValue);
        storeNegative(fields_.porePressureValue < 0.0);
        break;
    case 5:
        pressure.SetPiezometricLineNumber(fields_.piezometricLine);
        storeNegative(fields_.negativeAllowed);
        break;
    case 6:
    case 7: storeNegative(fields_.negativeAllowed); break;
    default: break;
    }
    return true;
}

bool MaterialDialogState::Ok() {
    if (current_ < 0) return true;
    return StoreMaterial(current_, fields_.materialNumber);
}

// ---- the list

std::vector<std::string> MaterialDialogState::ListItems() const {
    if (entries_.empty()) return {"<None>"};
    std::vector<std::string> items;
    for (const auto& e : entries_) items.push_back(Printf("%d", e.number));
    return items;
}

void MaterialDialogState::SetUsageText(int number) {
    bool more = false;
    fields_.usageText = Cpp_ProfileLineList::MaterialUsage(number, pairs_, more);
}

bool MaterialDialogState::SelectMaterial(int index) {
    if (index < 0 || index >= static_cast<int>(entries_.size()) || index == current_ ||
        current_ < 0)
        return false;
    if (!StoreMaterial(current_, entries_[current_].number)) return false;
    ShowMaterial(index);
    SetUsageText(entries_[index].number);
    ShowCurrentMaterial();
    return true;
}

bool MaterialDialogState::ShowNotice(const std::string& text) const {
    ShowBox(window_, "Notice", text, BoxButtons::Ok, BoxIcon::Information);
    return false;
}

bool MaterialDialogState::RenameMaterial(int index, const std::optional<std::string>& text) {
    if (index < 0 || index >= static_cast<int>(entries_.size())) return false;
    if (!text || text->empty()) return ShowNotice("Material number cannot be blank");
    for (char c : *text)
        if (c < '0' || c > '9')
            return ShowNotice(Printf("\"%1c\" is an invalid character for the material number", c));
    int number = 0;
    const auto result = std::from_chars(text->data(), text->data() + text->size(), number);
    if (result.ec != std::errc())
        return ShowNotice(Printf("Material number %s is too large", text->c_str()));
    for (int i = 0; i < static_cast<int>(entries_.size()); ++i)
        if (i != index && entries_[i].number == number)
            return ShowNotice(Printf("Material number %1d already exists", number));
    entries_[index].number = number;
    if (index == current_) {
        fields_.materialNumber = number;
        if (!single_) SetUsageText(number);
    }
    return true;
}

bool MaterialDialogState::NewMaterial() {
    if (current_ >= 0 && !StoreMaterial(current_, fields_.materialNumber)) return false;
    int number = 1;
    while (std::any_of(entries_.begin(), entries_.end(),
                       [number](const auto& e) { return e.number == number; }))
        ++number;
    DialogMaterialData entry;
    entry.number = number;
    entries_.push_back(std::move(entry));
    fields_.materialNumber = number;
    current_ = static_cast<int>(entries_.size()) - 1;
    SetUsageText(number);
    return true;
}

bool MaterialDialogState::AddMissing() {
    std::vector<int> numbers;
    for (const auto& [line, material] : pairs_)
        if (std::find(numbers.begin(), numbers.end(), material) == numbers.end())
            numbers.push_back(material);
    if (numbers.empty()) return false;
    if (current_ >= 0 && !StoreMaterial(current_, entries_[current_].number)) return false;
    for (int number : numbers) {
        if (std::any_of(entries_.begin(), entries_.end(),
                        [number](const auto& e) { return e.number == number; }))
            continue;
        DialogMaterialData entry;
        entry.number = number;
        entry.description = Printf("Material number %1d", number);
        entry.record.SetUnitWeight(0.0);
        entry.record.GetShearStrengthRecord().SetStrengthOption(1);
        entry.record.GetShearStrengthRecord().SetParameters({});
        entry.record.GetPorePressureRecord().SetOption(2);
        entries_.push_back(std::move(entry));
    }
    if (current_ < 0 && !entries_.empty()) {
        ShowMaterial(0);
        SetUsageText(entries_[0].number);
        ShowCurrentMaterial();
    }
    return true;
}

void MaterialDialogState::DeleteMaterial() {
    if (current_ >= 0) {
        entries_.erase(entries_.begin() + current_);
        if (current_ >= static_cast<int>(entries_.size()))
            current_ = static_cast<int>(entries_.size()) - 1;
    }
    ShowMaterial(current_);
    if (current_ >= 0) SetUsageText(entries_[current_].number);
    ShowCurrentMaterial();
}

void MaterialDialogState::DeleteAll() {
    entries_.clear();
    current_ = -1;
    ShowMaterial(-1);
    ShowCurrentMaterial();
}
