#include "dialogs/unit_lists.h"

namespace dialogs {

namespace {

constexpr const char* kLength[] = {"Feet", "Inches", "Millimeters", "Centimeters", "Meters"};
constexpr const char* kForce[] = {"Pounds", "Kips", "Kilograms force", "Newtons", "KiloNewtons"};
constexpr const char* kForcePerLength[] = {
    "lbs./ft.", "lbs./in.", "kips/ft.", "kips/in.", "kgf/mm.", "kgf/cm.", "kgf/m",
    "N/mm.",    "N/cm.",    "N/m",      "kN/mm.",   "kN/cm.",  "kN/m"};
constexpr const char* kArea[] = {"sq. ft.", "sq. ins.", "sq. mm.", "sq. cm.", "sq. m."};
constexpr const char* kStress[] = {"lbs./sq.ft.", "lbs./sq.in.", "kips/sq.ft.",
                                   "kips/sq.in.", "pascal",      "kilo-pascal"};

}  // namespace

UnitsList::UnitsList(std::span<const char* const> entries, QWidget* parent) : QComboBox(parent) {
    for (const char* entry : entries) addItem(entry);
    setCurrentIndex(-1);
}

CmLengthUnitsList::CmLengthUnitsList(QWidget* parent) : UnitsList(kLength, parent) {}
CmForceUnitsList::CmForceUnitsList(QWidget* parent) : UnitsList(kForce, parent) {}
CmForcePerLengthUnitsList::CmForcePerLengthUnitsList(QWidget* parent)
    : UnitsList(kForcePerLength, parent) {}
CmAreaUnitsList::CmAreaUnitsList(QWidget* parent) : UnitsList(kArea, parent) {}
CmStressUnitsList::CmStressUnitsList(QWidget* parent) : UnitsList(kStress, parent) {}

}  // namespace dialogs
