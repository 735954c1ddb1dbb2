#pragma once
// The rules of the nail properties window without the window: the fields of the nail type being
// edited (each dimensioned value with the unit chosen beside it), loading and storing a type, the
// bar and pullout values computed from what is entered, and Add / Change of a type.

#include "loads/nail_properties.h"

#include <string>
#include <vector>

namespace dialogs {

struct s_NailBarStates {
    bool yieldStress = false;  // with its unit
    bool yieldForce = false;
    bool forceUnit = false;
    bool diameter = false;
    bool diameterUnit = false;
    bool area = false;
    bool areaUnit = false;
    bool standardList = false;
};

class NailPropertiesForm {
public:
    explicit NailPropertiesForm(const std::vector<Cpp_NailProperties>& types);

    // The type being edited, as the fields show it.
    Cpp_NailProperties fields;
    const std::vector<Cpp_NailProperties>& Types() const { return types_; }
    int Selected() const { return selected_; }
    // "Bar Description: Custom", "Bar Description: <standard bar>" or "Bar Description: Unknown".
    std::string BarDescription() const;
    s_NailBarStates BarStates() const;
    bool HoleAndBondShown() const {
        return fields.pulloutOption == Cpp_NailProperties::ByBondStressAndHoleDiameter;
    }

    // A row of the type list chosen; a stored standard bar that is not in the table (or no
    // longer matches it) is reported and replaced by the first; false then.
    bool Select(int index);
    // The bar option chosen (also at the start): the bar values follow.
    void ApplyBarOption();
    void RecomputeBar();
    // The pullout option chosen (also at the start): the resistance follows.
    void ApplyPulloutOption();
    void RecomputePullout();
    void AddType();
    bool DiffersFromSelected() const;
    bool ChangeType();

private:
    std::vector<Cpp_NailProperties> types_;
    int selected_ = -1;
};

}  // namespace dialogs
