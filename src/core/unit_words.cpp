#include "core/unit_words.h"

#include "core/units.h"

void UnitIndicesOf(int unitSystem, int& lengthIndex, int& forceIndex) {
    switch (unitSystem) {
    case UnitSystemSI:
        lengthIndex = LengthMeters;
        forceIndex = ForceNewtons;
        break;
    case UnitSystemOther: GetOtherUnits(lengthIndex, forceIndex); break;
    default:
        lengthIndex = LengthFeet;
        forceIndex = ForcePounds;
        break;
    }
}

std::string UnitName(Quantity quantity, int unitSystem) {
    int length = 0, force = 0;
    UnitIndicesOf(unitSystem, length, force);
    s_UnitType unit;
    switch (quantity) {
    case Quantity::Length: unit.SetUnit(length); return unit.LengthName();
    case Quantity::Force: unit.SetUnit(force); return unit.ForceName();
    case Quantity::Stress: unit.SetUnit(StressUnitIndex(length, force)); return unit.StressName();
    case Quantity::ForcePerLength:
        unit.SetUnit(ForcePerLengthUnitIndex(length, force));
        return unit.ForcePerLengthName();
    case Quantity::UnitWeight: {
        unit.SetUnit(force);
        std::string name = unit.ForceName();
        if (!name.empty() && name.back() == '.') name.pop_back();
        unit.SetUnit(length);
        return name + "/cu." + unit.LengthName();
    }
    }
    return "??";
}

std::string UnitName(Quantity quantity) { return UnitName(quantity, GetUnitSystem()); }

std::string WithUnit(const std::string& text, Quantity quantity) {
    return text + " (" + UnitName(quantity) + ")";
}
