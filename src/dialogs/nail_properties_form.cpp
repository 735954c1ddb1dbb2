#include "dialogs/nail_properties_form.h"

#include "core/format_text.h"
#include "core/units.h"

#include <cmath>

namespace dialogs {

namespace {

constexpr double kPi = 3.14159265358979323846;

bool Same(const s_UnitValueType& a, const s_UnitValueType& b) {
    return a.value == b.value && a.unitIndex == b.unitIndex;
}

bool HasUnit(const s_UnitValueType& v) { return v.unitIndex >= 0; }

bool MatchesBar(const Cpp_NailProperties& p, const s_NailBarType& bar) {
    return Same(p.barArea, bar.area) && Same(p.barDiameter, bar.diameter) &&
           Same(p.barYieldStress, bar.yieldStress) && Same(p.barYieldForce, bar.yieldForce);
}

}  // namespace

NailPropertiesForm::NailPropertiesForm(const std::vector<Cpp_NailProperties>& types)
    : types_(types) {
    if (!types_.empty()) {
        selected_ = 0;
        fields = types_[0];
    } else {
        fields.name = "Nail Type 1";
        fields.capacityOption = Cpp_NailProperties::ByDiameterAndYieldStress;
        fields.barDiameter = {1.0, LengthInches};
        fields.barYieldStress = {60.0, 3};  // kips/sq.in.
        fields.barArea = {0.0, 1};          // sq. ins.
        fields.barYieldForce = {0.0, ForcePounds};
        fields.barTypeIndex = -1;
        fields.nailHeadStrength = {0.0, ForceKips};
        fields.pulloutOption = Cpp_NailProperties::ByBondStressAndHoleDiameter;
        fields.bondStress = {0.0, 1};  // lbs./sq.in.
        fields.holeDiameter = {0.0, LengthInches};
        fields.resistancePerLength = {0.0, 1};  // lbs./in.
        fields.alphaF = fields.alphaN = fields.alphaQ = 1.0;
        fields.supplementalFactorOfSafety = 1.0;
    }
    ApplyBarOption();
    ApplyPulloutOption();
}

std::string NailPropertiesForm::BarDescription() const {
    if (fields.capacityOption != Cpp_NailProperties::FromBarTypes) return "Bar Description: Custom";
    if (fields.barTypeIndex >= 0 && fields.barTypeIndex < Cpp_NailProperties::GetNumberOfBarTypes())
        return "Bar Description: " +
               Cpp_NailProperties::GetBarType(fields.barTypeIndex).description;
    return "Bar Description: Unknown";
}

s_NailBarStates NailPropertiesForm::BarStates() const {
    s_NailBarStates s;
    switch (fields.capacityOption) {
    case Cpp_NailProperties::ByDiameterAndYieldStress:
        s.yieldStress = s.forceUnit = s.diameter = s.diameterUnit = s.areaUnit = true;
        break;
    case Cpp_NailProperties::ByAreaAndYieldStress:
        s.yieldStress = s.forceUnit = s.diameterUnit = s.area = s.areaUnit = true;
        break;
    case Cpp_NailProperties::ByYieldForce: s.yieldForce = s.forceUnit = true; break;
    default: s.standardList = true; break;
    }
    return s;
}

bool NailPropertiesForm::Select(int index) {
    if (index < 0 || index >= static_cast<int>(types_.size())) return true;
    selected_ = index;
    fields = types_[static_cast<size_t>(index)];
    bool found = true;
    if (fields.capacityOption == Cpp_NailProperties::FromBarTypes) {
        const int i = fields.barTypeIndex;
        found = i >= 0 && i < Cpp_NailProperties::GetNumberOfBarTypes() &&
                MatchesBar(fields, Cpp_NailProperties::GetBarType(i));
        if (!found) fields.barTypeIndex = 0;
    }
    ApplyBarOption();
    ApplyPulloutOption();
    return found;
}

void NailPropertiesForm::ApplyBarOption() {
    if (fields.capacityOption == Cpp_NailProperties::FromBarTypes && fields.barTypeIndex < 0 &&
        Cpp_NailProperties::GetNumberOfBarTypes() > 0)
        fields.barTypeIndex = 0;
    RecomputeBar();
}

void NailPropertiesForm::RecomputeBar() {
    Cpp_NailProperties& f = fields;
    switch (f.capacityOption) {
    case Cpp_NailProperties::ByDiameterAndYieldStress:
    case Cpp_NailProperties::ByAreaAndYieldStress: {
        if (!HasUnit(f.barYieldStress) || !HasUnit(f.barYieldForce) || !HasUnit(f.barArea) ||
            !HasUnit(f.barDiameter))
            return;
        // Feet, square feet, pounds per square foot and pounds; the diameter and the area are
        // tied through the units in both directions.
        double areaSqFt = 0.0;
        if (f.capacityOption == Cpp_NailProperties::ByDiameterAndYieldStress) {
            const double d = f.barDiameter.LengthIn(LengthFeet);
            areaSqFt = kPi / 4.0 * d * d;
            f.barArea.value = s_UnitValueType(areaSqFt, 0).AreaIn(f.barArea.unitIndex);
        } else {
            areaSqFt = f.barArea.AreaIn(0);
            const double d = std::sqrt(4.0 * areaSqFt / kPi);
            f.barDiameter.value = s_UnitValueType(d, LengthFeet).LengthIn(f.barDiameter.unitIndex);
        }
        const double pounds = f.barYieldStress.StressIn(0) * areaSqFt;
        f.barYieldForce.value =
            s_UnitValueType(pounds, ForcePounds).ForceIn(f.barYieldForce.unitIndex);
        break;
    }
    case Cpp_NailProperties::ByYieldForce:
        f.barArea.value = f.barYieldStress.value = f.barDiameter.value = 0.0;
        break;
    default:
        if (f.barTypeIndex >= 0 && f.barTypeIndex < Cpp_NailProperties::GetNumberOfBarTypes()) {
            const s_NailBarType bar = Cpp_NailProperties::GetBarType(f.barTypeIndex);
            f.barArea = bar.area;
            f.barYieldStress = bar.yieldStress;
            f.barYieldForce = bar.yieldForce;
            f.barDiameter = bar.diameter;
        }
        break;
    }
}

void NailPropertiesForm::ApplyPulloutOption() { RecomputePullout(); }

void NailPropertiesForm::RecomputePullout() {
    Cpp_NailProperties& f = fields;
    if (f.pulloutOption == Cpp_NailProperties::ByBondStressAndHoleDiameter) {
        if (!HasUnit(f.holeDiameter) || !HasUnit(f.bondStress) || !HasUnit(f.resistancePerLength))
            return;
        const double perFoot = kPi * f.holeDiameter.LengthIn(LengthFeet) * f.bondStress.StressIn(0);
        f.resistancePerLength.value =
            s_UnitValueType(perFoot, 0).ForcePerLengthIn(f.resistancePerLength.unitIndex);
    } else {
        f.bondStress.value = 0.0;
        f.holeDiameter.value = 0.0;
    }
}

void NailPropertiesForm::AddType() {
    Cpp_NailProperties added = fields;
    if (added.capacityOption != Cpp_NailProperties::FromBarTypes) added.barTypeIndex = 0;
    types_.push_back(added);
    fields.name = FormatText("Nail Type %1d", static_cast<int>(types_.size()) + 1);
}

bool NailPropertiesForm::DiffersFromSelected() const {
    if (selected_ < 0 || selected_ >= static_cast<int>(types_.size())) return false;
    const Cpp_NailProperties& a = fields;
    const Cpp_NailProperties& b = types_[static_cast<size_t>(selected_)];
    if (a.name != b.name || a.capacityOption != b.capacityOption) return true;
    switch (a.capacityOption) {
    case Cpp_NailProperties::ByDiameterAndYieldStress:
        if (!Same(a.barDiameter, b.barDiameter) || !Same(a.barYieldStress, b.barYieldStress))
            return true;
        break;
    case Cpp_NailProperties::ByAreaAndYieldStress:
        if (!Same(a.barArea, b.barArea) || !Same(a.barYieldStress, b.barYieldStress)) return true;
        break;
    case Cpp_NailProperties::ByYieldForce:
        if (!Same(a.barYieldForce, b.barYieldForce)) return true;
        break;
    default:
        if (a.barTypeIndex != b.barTypeIndex) return true;
        break;
    }
    if (!Same(a.nailHeadStrength, b.nailHeadStrength) || a.pulloutOption != b.pulloutOption)
        return true;
    if (a.pulloutOption == Cpp_NailProperties::ByBondStressAndHoleDiameter) {
        if (!Same(a.bondStress, b.bondStress) || !Same(a.holeDiameter, b.holeDiameter)) return true;
    } else if (!Same(a.resistancePerLength, b.resistancePerLength)) {
        return true;
    }
    return a.alphaF != b.alphaF || a.alphaN != b.alphaN || a.alphaQ != b.alphaQ ||
           a.supplementalFactorOfSafety != b.supplementalFactorOfSafety;
}

bool NailPropertiesForm::ChangeType() {
    if (!DiffersFromSelected()) return false;
    Cpp_NailProperties stored = fields;
    if (stored.capacityOption != Cpp_NailProperties::FromBarTypes) stored.barTypeIndex = 0;
    types_[static_cast<size_t>(selected_)] = stored;
    return true;
}

}  // namespace dialogs
