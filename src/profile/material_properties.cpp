#include "profile/material_properties.h"

#include <algorithm>
#include <cctype>
#include <cmath>

#include "core/data_error_output.h"
#include "core/echo_writer.h"
#include "core/format_text.h"
#include "core/input_lines.h"
#include "core/output_table.h"
#include "core/preferences.h"
#include "core/text_formats.h"
#include "profile/material_messages.h"

namespace {

using Msg = Cpp_MaterialMessages;

bool defaultShowTable[2] = {false, false};

class CancellingGrid final : public MaterialGridDialog {
public:
    bool Run(int, const std::vector<std::pair<int, int>>&,
             std::vector<DialogMaterialData>&) override {
        return false;
    }
};
class CancellingSingle final : public MaterialDialog {
public:
    bool Run(int, const std::string&, DialogMaterialData&) override { return false; }
};

// What the dialogs start from where a record has no option yet.
void GiveDialogDefaults(Cpp_MaterialStageData& record, bool unitWeight) {
    if (unitWeight && record.GetUnitWeightOption() == Cpp_MaterialStageData::UnitWeightNone)
        record.SetUnitWeight(0.0);
    auto& strength = record.GetShearStrengthRecord();
    if (strength.Option() == 0) {
        strength.SetStrengthOption(1);
        strength.SetParameters({{0.0, 0.0}});
    }
    if (record.GetPorePressureOption() == 1) record.GetPorePressureRecord().SetOption(2);
}

std::string Print(const std::string& format, double value) {
    // The whole text, however wide the number.
    return FormatDynamic(format, value);
}

}  // namespace

// ---------------------------------------------------------------- stage data

void Cpp_MaterialStageData::SetUnitWeight(double unitWeight) {
    unitWeight_ = unitWeight;
    unitWeightOption_ = UnitWeightConstant;
}

void Cpp_MaterialStageData::SetLateralUnitWeights(const std::vector<s_LateralUnitWeight>& points) {
    points_.assign(points.begin(),
                   points.begin() + std::min<size_t>(points.size(), MaximumLateralUnitWeights));
}

std::vector<s_LateralUnitWeight> Cpp_MaterialStageData::GetLateralUnitWeights() const {
    return unitWeightOption_ == UnitWeightLateral ? points_ : std::vector<s_LateralUnitWeight>{};
}

void Cpp_MaterialStageData::CopyTo(Cpp_MaterialStageData& target) const {
    const bool entered = target.entered_;
    target = *this;
    target.entered_ = entered;
}

void Cpp_MaterialStageData::ResetStrengthAndPorePressure() {
    strength_.Reset();
    porePressure_.Reset();
}

// A stage with a strength is written even while its pore pressure is still unset: the
// document must not lose the unit weight and strength the user entered (the unset pore
// pressure is written as a word that reads back as unset, and the data check keeps such a
// stage out of the computation input).
bool Cpp_MaterialStageData::HasData() const { return strength_.Option() != 0; }

bool Cpp_MaterialStageData::UnitWeightAt(double x, double& unitWeight) const {
    if (unitWeightOption_ == UnitWeightConstant) {
        unitWeight = unitWeight_;
        return true;
    }
    if (unitWeightOption_ != UnitWeightLateral) return false;
    if (points_.empty()) {
        unitWeight = 0.0;
        return true;
    }
    if (x <= points_.front().x) {
        unitWeight = points_.front().unitWeight;
        return true;
    }
    if (x >= points_.back().x) {
        unitWeight = points_.back().unitWeight;
        return true;
    }
    double value = 0.0;
    for (size_t i = 0; i + 1 < points_.size(); ++i) {
        const auto& a = points_[i];
        const auto& b = points_[i + 1];
        if (a.x <= x && x <= b.x) {
            if (a.x == b.x)
                value = 0.5 * (a.unitWeight + b.unitWeight);
            else
                value = a.unitWeight + (b.unitWeight - a.unitWeight) * (x - a.x) / (b.x - a.x);
        }
    }
    unitWeight = value;
    return true;
}

bool Cpp_MaterialStageData::Check(int stage, int number) const {
    switch (unitWeightOption_) {
    case UnitWeightNone: Msg::Message3545(number, stage); return false;
    case UnitWeightConstant:
        if (unitWeight_ <= 0.0) Msg::Message2800(number, stage);
        return true;
    case UnitWeightLateral:
        if (points_.empty()) {
            Msg::Message2830(number, stage);
            return false;
        }
        for (const auto& p : points_)
            if (p.unitWeight <= 0.0) Msg::Message2800(number, stage);
        for (size_t i = 0; i + 1 < points_.size(); ++i)
            if (points_[i].x > points_[i + 1].x) {
                Msg::Message2840(number, stage, static_cast<int>(i) + 1);
                return false;
            }
        return true;
    case UnitWeightInterpolated: return true;
    }
    return false;
}

bool Cpp_MaterialStageData::ReadUnitWeight(int stage, int number, std::FILE* input,
                                           std::FILE* echoFile, bool echo) {
    Cpp_Errors errors(echoFile);
    SetOutputFile(echoFile);
    const int unitWeightDecimals = Cpp_KlivenSettings::UnitWeightDecimals();
    s_InputLineType record;
    record.maxValues = 0;
    if (!ReadNumberLine(input, record)) {
        Msg::Message2620(number);
        return false;
    }
    if (record.numValues > 0) {
        unitWeight_ = record.values[0];
        unitWeightOption_ = UnitWeightConstant;
        if (echo) {
            PrintBlankLines(1);
            PrintDoubleWithText(unitWeight_, "Constant unit weight of soil (material): ", "\n", 1,
                                unitWeightDecimals);
        }
        return true;
    }
    const char option =
        record.rest.empty()
            ? '\0'
            : static_cast<char>(std::toupper(static_cast<unsigned char>(record.rest.front())));
    if (option == 'V') {
        PrintText("Unit weights vary laterally as follows:", true);
        PrintText("     Point      X        Unit Weight", true);
        unitWeightOption_ = UnitWeightLateral;
        points_.clear();
        const int coordinateDecimals = Cpp_KlivenSettings::CoordinateDecimals();
        for (;;) {
            s_InputLineType line;
            line.maxValues = 0;
            if (!ReadNumberLine(input, line)) {
                Msg::Message2625(number, stage);
                return false;
            }
            if (line.numValues == 0) {
                if (line.blankLine) return true;
                Msg::Message2635(number, stage, line.text);
                return false;
            }
            for (int i = 0; i + 1 < line.numValues; i += 2) {
                const double x = line.values[i];
                const double w = line.values[i + 1];
                PrintSpaces(5);
                PrintInteger(static_cast<long>(points_.size()) + 1, 3);
                PrintDouble(x, 12, coordinateDecimals);
                PrintDouble(w, 12, unitWeightDecimals, true);
                if (static_cast<int>(points_.size()) >= MaximumLateralUnitWeights) {
                    Msg::Message2680(number, stage, MaximumLateralUnitWeights, line.text);
                    return false;
                }
                points_.push_back({x, w});
            }
            if (line.numValues % 2 != 0) {
                Msg::Message2690Count(number, stage, line.text);
                return false;
            }
        }
    }
    if (option == 'I') {
        unitWeightOption_ = UnitWeightInterpolated;
        PrintText("Unit weight is interpolated", true);
        return true;
    }
    Msg::Message2690Option(number, stage, record.text);
    return false;
}

bool Cpp_MaterialStageData::WriteInputData(std::FILE* file) {
    std::string xFormat, weightFormat;
    const int u = Cpp_KlivenSettings::UnitWeightDecimals();
    const int c = Cpp_KlivenSettings::CoordinateDecimals();
    if (!Cpp_Strings::MakeNumberFormat(1, u + 6, u, weightFormat) ||
        !Cpp_Strings::MakeNumberFormat(1, c + 10, c, xFormat))
        return false;
    std::string out(10, ' ');
    switch (unitWeightOption_) {
    case UnitWeightLateral:
        out += "Vary laterally (unit weights)\n";
        for (const auto& p : points_)
            out += std::string(10, ' ') + SeparatedField(Print(xFormat, p.x)) +
                   SeparatedField(Print(weightFormat, p.unitWeight)) + "\n";
        out += "\n";
        break;
    case UnitWeightInterpolated: out += "Interpolate unit weights\n"; break;
    default: out += Print(weightFormat, unitWeight_) + " = unit weight\n"; break;
    }
    std::fputs(out.c_str(), file);
    if (!strength_.WriteStrengthProperties(file)) return false;
    if (strength_.Option() != 13 && !porePressure_.WriteKLIVEN4InputDataFile(file)) return false;
    return true;
}

// ---------------------------------------------------------------- material

int Cpp_MaterialProperties::Index(int stage) {
    if (stage != 1 && stage != 2) throw Exc_IllegalStage();
    return stage - 1;
}

int Cpp_MaterialProperties::StrengthIndex(int stage) {
    if (stage == 3) return 1;
    return Index(stage);
}

Cpp_MaterialStageData& Cpp_MaterialProperties::Stage(int stage) { return stages_[Index(stage)]; }
const Cpp_MaterialStageData& Cpp_MaterialProperties::Stage(int stage) const {
    return stages_[Index(stage)];
}

int Cpp_MaterialProperties::GetStrengthOption(int stage) const {
    return stages_[StrengthIndex(stage)].GetStrengthOption();
}
Cpp_ShearStrength& Cpp_MaterialProperties::GetShearStrengthRecord(int stage) {
    return stages_[StrengthIndex(stage)].GetShearStrengthRecord();
}
int Cpp_MaterialProperties::GetPorePressureOption(int stage) const {
    return stages_[StrengthIndex(stage)].GetPorePressureOption();
}
Cpp_PorePressure& Cpp_MaterialProperties::GetPorePressureRecord(int stage) {
    return stages_[StrengthIndex(stage)].GetPorePressureRecord();
}
int Cpp_MaterialProperties::GetUnitWeightOption(int stage) const {
    return Stage(stage).GetUnitWeightOption();
}
double Cpp_MaterialProperties::GetConstantUnitWeight(int stage) const {
    return Stage(stage).GetConstantUnitWeight();
}
bool Cpp_MaterialProperties::UnitWeight(int stage, double x, double& unitWeight) const {
    return Stage(stage).UnitWeightAt(x, unitWeight);
}

bool Cpp_MaterialProperties::HasStageData(int stage) const { return Stage(stage).HasData(); }

bool Cpp_MaterialProperties::HasSecondStageData() const {
    const auto& s = stages_[1];
    return s.GetUnitWeightOption() != 0 || s.GetStrengthOption() != 0 ||
           s.GetPorePressureOption() != 1;
}

void Cpp_MaterialProperties::SetStageData(int stage, const Cpp_MaterialStageData& data) {
    data.CopyTo(Stage(stage));
}

void Cpp_MaterialProperties::CopyStageData(int stage, Cpp_MaterialStageData& destination) const {
    Stage(stage).CopyTo(destination);
}

void Cpp_MaterialProperties::PrintData() const {
    PrintBlankLines(1);
    const int number = GetNumber();
    int digits = 1;
    if (number > 0) digits = std::max(1, static_cast<int>(std::log10(number)) + 1);
    const int width = digits + 65;
    PrintRepeatedChar(width, '-');
    PrintNewLine();
    PrintText("------------------- DATA FOR MATERIAL NUMBER ");
    PrintInteger(number, 1);
    PrintText(" -------------------", true);
    PrintRepeatedChar(width, '-');
    PrintNewLine();
    if (!Description().empty()) {
        PrintText("Description: ");
        PrintText(Description(), true);
    }
}

bool Cpp_MaterialProperties::ReadStageData(int stage, std::FILE* input, std::FILE* echoFile,
                                           bool echo) {
    auto& record = Stage(stage);
    SetOutputFile(echoFile);
    if (echo) PrintData();
    if (!record.ReadUnitWeight(stage, GetNumber(), input, echoFile, echo)) return false;
    auto& strength = record.GetShearStrengthRecord();
    if (!read_strength_properties(strength, stage, GetNumber(), input, echoFile, echo))
        return false;
    if (strength.Option() == 13) {
        record.GetPorePressureRecord().SetNotApplicable();
        return true;
    }
    return record.GetPorePressureRecord().ReadInput(GetNumber(), strength.Option(), input, echoFile,
                                                    echo);
}

bool Cpp_MaterialProperties::WriteInputDataFile(std::FILE* file, int stage) {
    std::fprintf(file, "     %1d", GetNumber());
    if (!Description().empty())
        std::fprintf(file, " %s\n", Description().c_str());
    else
        std::fprintf(file, " Material No. %1d\n", GetNumber());
    return Stage(stage).WriteInputData(file);
}

// ---------------------------------------------------------------- list

Cpp_MaterialProperties* Cpp_MaterialPropertiesList::FindMaterial(int number) {
    for (auto& m : materials_)
        if (m->GetNumber() == number) return m.get();
    return nullptr;
}

const Cpp_MaterialProperties* Cpp_MaterialPropertiesList::FindMaterialConst(int number) const {
    for (const auto& m : materials_)
        if (m->GetNumber() == number) return m.get();
    return nullptr;
}

Cpp_MaterialProperties* Cpp_MaterialPropertiesList::FindOrCreate(int number) {
    if (auto* m = FindMaterial(number)) return m;
    return Create(number);
}

Cpp_MaterialProperties* Cpp_MaterialPropertiesList::Create(int number) {
    materials_.push_back(std::make_unique<Cpp_MaterialProperties>(number));
    return materials_.back().get();
}

std::vector<Cpp_MaterialProperties*> Cpp_MaterialPropertiesList::Materials() const {
    std::vector<Cpp_MaterialProperties*> list;
    for (const auto& m : materials_) list.push_back(m.get());
    return list;
}

bool Cpp_MaterialPropertiesList::HasSecondStageData() const {
    return std::any_of(materials_.begin(), materials_.end(),
                       [](const auto& m) { return m->HasSecondStageData(); });
}

bool Cpp_MaterialPropertiesList::CopyFirstStageToSecondStage() {
    for (auto& m : materials_) m->CopyFirstStageToSecondStage();
    return true;
}

bool Cpp_MaterialPropertiesList::Check(bool multiStage, const Cpp_Kliven4DataSet* dataSet) {
    std::FILE* messageFile = Cpp_DataErrorOutput::GetErrorFile();
    if (materials_.empty()) {
        Msg::Message2820();
        return false;
    }
    bool errors = false;
    const int lastStage = multiStage ? 2 : 1;
    for (const auto& m : materials_) {
        for (int stage = 1; stage <= lastStage; ++stage) {
            const int number = m->GetNumber();
            if (!m->CheckStage(stage, number)) errors = true;
            auto& record = m->Stage(stage);
            const int option = record.GetStrengthOption();
            if (multiStage && stage == 1 &&
                (option == 2 || option == 3 || option == 4 || option == 9 || option == 11 ||
                 option == 12 || option == 15))
                Msg::Message2810(number);
            if (!record.GetShearStrengthRecord().Check(stage, number)) errors = true;
            if (option != 13 &&
                !record.GetPorePressureRecord().Check(dataSet, stage, number, messageFile))
                errors = true;
        }
    }
    return !errors;
}

bool Cpp_MaterialPropertiesList::WriteInputDataFile(std::FILE* file, int stage) const {
    bool any = false;
    for (const auto& m : materials_) {
        if (!m->HasStageData(stage)) continue;
        if (!any) std::fputs("MATerial property data follow -\n", file);
        any = true;
        if (!m->WriteInputDataFile(file, stage)) return false;
    }
    if (any) std::fputs("\n", file);
    return true;
}

// ---------------------------------------------------------------- block

bool Cpp_MaterialPropertyData::ReadInput(std::FILE* input, std::FILE* echoFile, int stage,
                                         bool echo) {
    Cpp_Errors errors(echoFile);
    SetOutputFile(echoFile);
    if (echo) {
        Cpp_OutputTable table(echoFile);
        if (stage == 1) {
            Cpp_OutputTable::SetTitleLine(
                1, "NEW MATERIAL PROPERTY DATA - CONVENTIONAL/FIRST-STAGE COMPUTATIONS");
            Cpp_OutputTable::StartTable(4, 0, '*', true);
        } else {
            Cpp_OutputTable::SetTitleLine(1,
                                          "NEW MATERIAL PROPERTY DATA - SECOND_STAGE COMPUTATIONS");
            Cpp_OutputTable::StartTable(5, 0, '2', true);
        }
    }
    for (auto* m : materials_.Materials()) m->SetEnteredInBlock(stage, false);

    for (;;) {
        s_InputLineType record;
        record.maxValues = 1;
        if (!ReadNumberLine(input, record)) {
            Msg::Message2610();
            return false;
        }
        if (record.numValues == 1) {
            const double value = record.values[0];
            if (!(std::fabs(value) < 2147483647.0)) {
                Msg::Message2630(record.text);
                return false;
            }
            const int number = static_cast<int>(value);
            auto* material = materials_.FindOrCreate(number);
            if (material->IsEnteredInBlock(stage)) {
                Msg::Message2600(number);
                return false;
            }
            material->ResetStage(stage);
            material->SetEnteredInBlock(stage, true);
            material->SetDescription(record.rest.substr(0, 80));
            if (!material->ReadStageData(stage, input, echoFile, echo)) return false;
            continue;
        }
        if (record.blankLine) {
            int entered = 0, kept = 0;
            for (auto* m : materials_.Materials()) (m->IsEnteredInBlock(stage) ? entered : kept)++;
            if (kept > 0) {
                SetOutputFile(echoFile);
                PrintBlankLines(1);
                PrintIntegerWithText(entered, "Data entered for ", " new materials\n", 1);
                PrintIntegerWithText(kept, "Data retained for ",
                                     " old materials - See earlier input tables.\n", 1);
            }
            return true;
        }
        Msg::Message2630(record.text);
        return false;
    }
}

bool Cpp_MaterialPropertyData::GetShowTable(int stage) const {
    return (stage == 1 || stage == 2) && showTable_[stage - 1];
}

void Cpp_MaterialPropertyData::SetShowTable(int stage, bool show) {
    if (stage == 1 || stage == 2) showTable_[stage - 1] = show;
}

bool Cpp_MaterialPropertyData::GetDefaultShowTable(int stage) {
    return (stage == 1 || stage == 2) && defaultShowTable[stage - 1];
}

void Cpp_MaterialPropertyData::SetDefaultShowTable(int stage, bool show) {
    if (stage == 1 || stage == 2) defaultShowTable[stage - 1] = show;
}

// ---------------------------------------------------------------- dialogs

DialogSlot<MaterialGridDialog>& MaterialGridDialogSlot() {
    static DialogSlot<MaterialGridDialog> slot("material table dialog",
                                               std::make_unique<CancellingGrid>());
    return slot;
}

DialogSlot<MaterialDialog>& MaterialDialogSlot() {
    static DialogSlot<MaterialDialog> slot("material dialog", std::make_unique<CancellingSingle>());
    return slot;
}

bool Cpp_MaterialPropertiesList::EditMaterials(const std::vector<std::pair<int, int>>& pairs,
                                               int stage) {
    std::vector<DialogMaterialData> entries;
    for (const auto& m : materials_) {
        DialogMaterialData entry;
        entry.number = m->GetNumber();
        entry.description = m->Description();
        m->CopyStageData(stage, entry.record);
        GiveDialogDefaults(entry.record, false);
        entries.push_back(std::move(entry));
    }
    std::stable_sort(entries.begin(), entries.end(),
                     [](const auto& a, const auto& b) { return a.number < b.number; });
    MaterialGridDialog& dialog = MaterialGridDialogSlot().Get();
    if (!dialog.Run(stage, pairs, entries)) return false;

    for (auto& m : materials_) m->ResetStage(stage);
    for (const auto& entry : entries) {
        auto* m = FindOrCreate(entry.number);
        m->SetDescription(entry.description);
        m->SetStageData(stage, entry.record);
    }
    std::erase_if(materials_, [&entries](const auto& m) {
        return std::none_of(entries.begin(), entries.end(),
                            [&m](const auto& e) { return e.number == m->GetNumber(); });
    });
    return true;
}

bool Cpp_MaterialProperties::EditMaterial(int stage, const std::vector<int>& lines, bool many) {
    std::string usage;
    char buffer[64];
    if (lines.empty()) {
        usage = "Something is wrong - material not used";
    } else if (lines.size() == 1) {
        std::snprintf(buffer, sizeof buffer, "Used by Profile Line number %1d.", lines[0]);
        usage = buffer;
    } else if (many) {
        std::snprintf(buffer, sizeof buffer, "Material used by more than %1d Profile Lines.",
                      static_cast<int>(lines.size()));
        usage = buffer;
    } else {
        std::snprintf(buffer, sizeof buffer, "Used by Profile Line numbers: %1d", lines[0]);
        usage = buffer;
        for (size_t i = 1; i < lines.size(); ++i) {
            std::snprintf(buffer, sizeof buffer, ", %1d", lines[i]);
            usage += buffer;
        }
        usage += ".";
    }
    DialogMaterialData entry;
    entry.number = GetNumber();
    entry.description = Description();
    CopyStageData(stage, entry.record);
    GiveDialogDefaults(entry.record, true);
    MaterialDialog& dialog = MaterialDialogSlot().Get();
    if (!dialog.Run(stage, usage, entry)) return false;
    SetDescription(entry.description);
    SetStageData(stage, entry.record);
    return true;
}
