#include "dialogs/geogrid_properties_form.h"

#include "core/format_text.h"
#include "core/units.h"

#include <cmath>

namespace dialogs {

namespace {

constexpr double kPi = 3.14159265358979323846;

// Half away from zero, to 2 decimals.
double Round2(double x) { return std::round(x * 100.0) / 100.0; }

// A force per length from its unit into another; no conversion where a unit is missing.
double ForcePerLength(double value, int from, int to) {
    if (from < 0 || to < 0 || from == to) return value;
    return s_UnitValueType(value, from).ForcePerLengthIn(to);
}

bool SameValue(const s_UnitValueType& a, const s_UnitValueType& b) {
    return a.value == b.value && a.unitIndex == b.unitIndex;
}

}  // namespace

GeogridPropertiesForm::GeogridPropertiesForm(const s_GeogridPropertiesDialogData& data)
    : types_(data.types) {
    const Cpp_GeogridProperties& primed = data.primed;
    // Only positive factors are remembered.
    if (primed.fsInstallationDamage > 0.0) savedInstallation_ = primed.fsInstallationDamage;
    if (primed.fsCreep > 0.0) savedCreep_ = primed.fsCreep;
    if (primed.fsChemical > 0.0) savedChemical_ = primed.fsChemical;
    if (primed.fsBiological > 0.0) savedBiological_ = primed.fsBiological;
    if (!types_.empty()) {
        selected_ = 0;
        fields = types_[0];
    } else {
        fields = primed;
        fields.name = "Grid Type 1";
        fields.strengthOption = Cpp_GeogridProperties::FromUltimateAndFactors;
        fields.standardGridIndex = -1;
        fields.allowableStrength = {0.0, 0};
        fields.ultimateStrength = {0.0, 0};
        fields.longTermDesignStrength = {0.0, 0};
        fields.oneFactorOfSafety = false;
        fields.factorOfSafetyStrength = 1.0;
        fields.fsCreep = 5.0;
        fields.fsInstallationDamage = 3.0;
        fields.fsBiological = 1.3;
        fields.fsChemical = 2.0;
        fields.interactionOption = Cpp_GeogridProperties::InteractionSpecified;
        fields.fStar = 0.5;
        fields.fq = 0.0;
        fields.alphaBeta = 0.0;
        fields.rho = 0.0;
        fields.alpha = 1.0;
        fields.factorOfSafetyPullout = 1.0;
        fields.developedForceAtFace = {0.0, 0};
        fields.overallFactorOfSafety = 1.0;
    }
    ApplyStrengthOption();
    ApplyPulloutOption();
}

void GeogridPropertiesForm::Select(int index) {
    if (index < 0 || index >= static_cast<int>(types_.size())) return;
    selected_ = index;
    fields = types_[static_cast<size_t>(index)];
    ApplyPulloutOption();
}

void GeogridPropertiesForm::SaveFactors() {
    if (fields.fsInstallationDamage > 0.0) savedInstallation_ = fields.fsInstallationDamage;
    if (fields.fsCreep > 0.0) savedCreep_ = fields.fsCreep;
    if (fields.fsChemical > 0.0) savedChemical_ = fields.fsChemical;
    if (fields.fsBiological > 0.0) savedBiological_ = fields.fsBiological;
}

void GeogridPropertiesForm::RestoreFactors() {
    if (fields.fsInstallationDamage <= 0.0) fields.fsInstallationDamage = savedInstallation_;
    if (fields.fsCreep <= 0.0) fields.fsCreep = savedCreep_;
    if (fields.fsChemical <= 0.0) fields.fsChemical = savedChemical_;
    if (fields.fsBiological <= 0.0) fields.fsBiological = savedBiological_;
}

void GeogridPropertiesForm::ApplyStrengthOption() {
    strength_ = {};
    switch (fields.strengthOption) {
    case Cpp_GeogridProperties::SpecifiedDirectly:
        fields.standardGridIndex = -1;
        SaveFactors();
        break;
    case Cpp_GeogridProperties::FromUltimateAndFactors:
        strength_.allowableEnabled = false;
        strength_.ultimateShown = strength_.ultimateEnabled = true;
        strength_.factorsShown = true;
        fields.standardGridIndex = -1;
        RestoreFactors();
        break;
    default:
        // From the standard list: its values, never typed. The list is offered only while the
        // table of standard geogrids has entries.
        strength_.allowableEnabled = false;
        strength_.standardEnabled = true;
        if (fields.standardGridIndex < 0 && Cpp_GeogridData::GetNumberOfGeogridTypes() > 0)
            fields.standardGridIndex = 0;
        if (fields.standardGridIndex >= 0 &&
            fields.standardGridIndex < Cpp_GeogridData::GetNumberOfGeogridTypes()) {
            const s_GeogridType entry =
                Cpp_GeogridData::GetStandardGeogridType(fields.standardGridIndex);
            switch (entry.kind) {
            case 0:
                fields.allowableStrength = entry.value;
                fields.ultimateStrength.value = 0.0;
                SaveFactors();
                break;
            case 1:
                strength_.ultimateShown = true;
                strength_.factorsShown = true;
                fields.allowableStrength.value = 0.0;
                fields.ultimateStrength = entry.value;
                RestoreFactors();
                break;
            default:
                strength_.longTermShown = true;
                strength_.longTermLabel =
                    entry.kind == 2 ? "Long-Term Design Strength" : "Special Strength";
                strength_.factorsShown = entry.kind == 3;
                fields.allowableStrength.value = 0.0;
                fields.ultimateStrength.value = 0.0;
                fields.longTermDesignStrength = entry.value;
                if (entry.kind == 3)
                    RestoreFactors();
                else
                    SaveFactors();
                break;
            }
        }
        break;
    }
    RecomputeAllowable();
}

void GeogridPropertiesForm::ApplyPulloutOption() {
    if (fields.interactionOption == Cpp_GeogridProperties::InteractionSpecified) {
        fields.fq = fields.alphaBeta = fields.rho = 0.0;
    } else {
        fields.fStar = std::tan(fields.rho * kPi / 180.0) + fields.fq * fields.alphaBeta;
    }
}

void GeogridPropertiesForm::RecomputeAllowable() {
    Cpp_GeogridProperties& f = fields;
    const double factor = f.oneFactorOfSafety
                              ? f.factorOfSafetyStrength
                              : f.fsInstallationDamage * f.fsCreep * f.fsBiological * f.fsChemical;
    const int to = f.allowableStrength.unitIndex;
    const auto zeroed = [&f] {
        f.longTermDesignStrength.value = 0.0;
        f.fsInstallationDamage = f.fsCreep = f.fsChemical = f.fsBiological = 0.0;
        f.ultimateStrength.value = 0.0;
    };
    const auto fromUltimate = [&] {
        f.allowableStrength.value = factor > 0.0
                                        ? Round2(ForcePerLength(f.ultimateStrength.value / factor,
                                                                f.ultimateStrength.unitIndex, to))
                                        : 0.0;
    };
    switch (f.strengthOption) {
    case Cpp_GeogridProperties::SpecifiedDirectly: zeroed(); break;
    case Cpp_GeogridProperties::FromUltimateAndFactors: fromUltimate(); break;
    default: {
        if (f.standardGridIndex < 0 ||
            f.standardGridIndex >= Cpp_GeogridData::GetNumberOfGeogridTypes())
            break;
        const int kind = Cpp_GeogridData::GetStandardGeogridType(f.standardGridIndex).kind;
        const s_UnitValueType& longTerm = f.longTermDesignStrength;
        if (kind == 0) {
            zeroed();
        } else if (kind == 1) {
            fromUltimate();
        } else if (kind == 2) {
            f.allowableStrength.value =
                Round2(ForcePerLength(longTerm.value, longTerm.unitIndex, to));
            f.ultimateStrength.value = 0.0;
        } else {
            f.allowableStrength.value =
                factor > 0.0
                    ? Round2(ForcePerLength(longTerm.value / factor, longTerm.unitIndex, to))
                    : 0.0;
            f.ultimateStrength.value = 0.0;
        }
        break;
    }
    }
}

void GeogridPropertiesForm::AddType() {
    types_.push_back(fields);
    fields.name = FormatText("Grid Type %1d", static_cast<int>(types_.size()) + 1);
}

bool GeogridPropertiesForm::DiffersFromSelected() const {
    if (selected_ < 0 || selected_ >= static_cast<int>(types_.size())) return false;
    const Cpp_GeogridProperties& a = fields;
    const Cpp_GeogridProperties& b = types_[static_cast<size_t>(selected_)];
    if (a.name != b.name || a.strengthOption != b.strengthOption) return true;
    if (!SameValue(a.allowableStrength, b.allowableStrength) ||
        !SameValue(a.ultimateStrength, b.ultimateStrength) ||
        !SameValue(a.longTermDesignStrength, b.longTermDesignStrength))
        return true;
    if (a.oneFactorOfSafety != b.oneFactorOfSafety ||
        a.factorOfSafetyStrength != b.factorOfSafetyStrength ||
        a.fsInstallationDamage != b.fsInstallationDamage || a.fsCreep != b.fsCreep ||
        a.fsChemical != b.fsChemical || a.fsBiological != b.fsBiological ||
        a.fsJoints != b.fsJoints || a.factorOfSafetyPullout != b.factorOfSafetyPullout ||
        a.overallFactorOfSafety != b.overallFactorOfSafety)
        return true;
    if (a.interactionOption != b.interactionOption) return true;
    if (a.interactionOption == Cpp_GeogridProperties::InteractionSpecified) {
        if (a.fStar != b.fStar) return true;
    } else if (a.fq != b.fq || a.alphaBeta != b.alphaBeta || a.rho != b.rho) {
        return true;
    }
    return a.alpha != b.alpha || !SameValue(a.developedForceAtFace, b.developedForceAtFace);
}

bool GeogridPropertiesForm::ChangeType() {
    if (!DiffersFromSelected()) return false;
    types_[static_cast<size_t>(selected_)] = fields;
    return true;
}

}  // namespace dialogs
