#include "dialogs/unit_lists.h"

#include <iterator>

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

QString LengthUnitEntry(int index) {
    return index >= 0 && index < static_cast<int>(std::size(kLength)) ? QString(kLength[index])
                                                                      : QString();
}

int StressCodeOfListIndex(int index) {
    static constexpr int codes[] = {0, 1, 2, 3, 7, 8};
    return index >= 0 && index < 6 ? codes[index] : -1;
}

int StressListIndexOfCode(int code) {
    for (int i = 0; i < 6; ++i)
        if (StressCodeOfListIndex(i) == code) return i;
    return -1;
}

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
