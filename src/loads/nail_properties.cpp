#include "loads/nail_properties.h"

#include <cmath>

#include "loads/unit_values.h"

namespace {

std::vector<s_NailBarType>& BarTypes() {
    static std::vector<s_NailBarType> table;
    return table;
}

double Pi() { return 4.0 * std::atan(1.0); }

// The capacity in pounds by the kind of definition.
double CapacityInPounds(int kind, const s_UnitValueType& area, const s_UnitValueType& diameter,
                        const s_UnitValueType& yieldStress, const s_UnitValueType& yieldForce) {
    switch (kind) {
    case Cpp_NailProperties::ByDiameterAndYieldStress: {
        const double d = diameter.LengthIn(LengthFeet);
        return Pi() / 4.0 * d * d * yieldStress.StressIn(0);
    }
    case Cpp_NailProperties::ByAreaAndYieldStress: return area.AreaIn(0) * yieldStress.StressIn(0);
    case Cpp_NailProperties::ByYieldForce: return yieldForce.ForceIn(ForcePounds);
    default: return 0.0;
    }
}

// One pound and one foot in the given units.
double PoundIn(int forceUnit) { return s_UnitValueType(1.0, ForcePounds).ForceIn(forceUnit); }
double FootIn(int lengthUnit) { return s_UnitValueType(1.0, LengthFeet).LengthIn(lengthUnit); }

}  // namespace

bool Cpp_NailProperties::IsValidName(const std::string& text) {
    return loads::IsValidTypeName(text);
}

bool Cpp_NailProperties::SetName(const std::string& text) {
    if (!IsValidName(text)) return false;
    name = text;
    return true;
}

int Cpp_NailProperties::GetNumberOfBarTypes() { return static_cast<int>(BarTypes().size()); }

s_NailBarType Cpp_NailProperties::GetBarType(int i) {
    if (i < 0 || i >= GetNumberOfBarTypes()) return {};
    return BarTypes()[static_cast<size_t>(i)];
}

double Cpp_NailProperties::Capacity(int forceUnit) const {
    double pounds = 0.0;
    if (capacityOption == FromBarTypes) {
        if (barTypeIndex >= 0 && barTypeIndex < GetNumberOfBarTypes()) {
            const s_NailBarType& b = BarTypes()[static_cast<size_t>(barTypeIndex)];
            pounds = CapacityInPounds(b.kind, b.area, b.diameter, b.yieldStress, b.yieldForce);
        }
    } else {
        pounds =
            CapacityInPounds(capacityOption, barArea, barDiameter, barYieldStress, barYieldForce);
    }
    return s_UnitValueType(pounds, ForcePounds).ForceIn(forceUnit);
}

double Cpp_NailProperties::PulloutResistancePerLength(int forcePerLengthUnit) const {
    double poundsPerFoot = 0.0;
    if (pulloutOption == ByBondStressAndHoleDiameter)
        poundsPerFoot = Pi() * holeDiameter.LengthIn(LengthFeet) * bondStress.StressIn(0);
    else if (pulloutOption == ByResistancePerLength)
        poundsPerFoot = resistancePerLength.ForcePerLengthIn(0);
    return s_UnitValueType(poundsPerFoot, 0).ForcePerLengthIn(forcePerLengthUnit);
}

bool Cpp_NailProperties::DesignValuesPerWidth(int lengthUnit, int forceUnit, double sh, double& P,
                                              double& Th, double& T) const {
    P = Th = T = 0.0;
    const double shFeet = s_UnitValueType(sh, lengthUnit).LengthIn(LengthFeet);
    const double fs = supplementalFactorOfSafety;
    if (!(shFeet > 0.0) || !(fs > 0.0)) return false;
    const double pBase = alphaQ * PulloutResistancePerLength(0) / (shFeet * fs);
    const double thBase = alphaF * nailHeadStrength.ForceIn(ForcePounds) / (shFeet * fs);
    const double tBase = alphaN * Capacity(ForcePounds) / (shFeet * fs);
    const double f = PoundIn(forceUnit);
    const double l = FootIn(lengthUnit);
    P = pBase * f / (l * l);
    Th = thBase * f / l;
    T = tBase * f / l;
    return true;
}

void Cpp_NailProperties::WriteKLIVEN4InputDataFile(std::FILE* file) const {
    std::fprintf(file, "%-s\n", name.c_str());
    std::fprintf(file, "     %10d     %10d     %10d\n", capacityOption, pulloutOption,
                 barTypeIndex);
    std::fprintf(file, "  %15.8e  %5d  %15.8e  %5d\n", barArea.value, barArea.unitIndex,
                 barDiameter.value, barDiameter.unitIndex);
    std::fprintf(file, "  %15.8e  %5d  %15.8e  %5d\n", barYieldStress.value,
                 barYieldStress.unitIndex, barYieldForce.value, barYieldForce.unitIndex);
    std::fprintf(file, "  %15.8e  %5d\n", nailHeadStrength.value, nailHeadStrength.unitIndex);
    std::fprintf(file, "  %15.8e  %5d  %15.8e  %5d  %15.8e  %5d\n", holeDiameter.value,
                 holeDiameter.unitIndex, bondStress.value, bondStress.unitIndex,
                 resistancePerLength.value, resistancePerLength.unitIndex);
    std::fprintf(file, "  %15.8e  %15.8e  %15.8e  %15.8e\n", alphaF, alphaN, alphaQ,
                 supplementalFactorOfSafety);
}
