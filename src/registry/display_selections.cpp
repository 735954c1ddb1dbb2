#include "registry/display_selections.h"

#include <cstddef>

s_DisplayFlagsType Cpp_DisplaySelections::defaults_;
s_ConstructionDisplayType Cpp_DisplaySelections::construction_;

namespace {

struct Owner {
    Cpp_DisplaySelections::OwnerApplier applier;
    Cpp_DisplaySelections::DefaultsApplier defaults;
};

std::vector<Owner>& Owners() {
    static std::vector<Owner> owners;
    return owners;
}

}  // namespace

void Cpp_DisplaySelections::RegisterOwner(OwnerApplier applier, DefaultsApplier defaults) {
    for (const Owner& o : Owners())
        if (o.applier == applier && o.defaults == defaults) return;
    Owners().push_back({applier, defaults});
}

void Cpp_DisplaySelections::ApplyToOwners(Cpp_Kliven4DataSet& dataSet,
                                          const s_DisplayFlagsType& flags) {
    for (const Owner& o : Owners())
        if (o.applier) o.applier(dataSet, flags);
}

void Cpp_DisplaySelections::ApplyDefaultsToOwners() {
    for (const Owner& o : Owners())
        if (o.defaults) o.defaults(defaults_);
}

namespace {

class CancellingDisplaySheet final : public Cpp_DisplaySelections::Sheet {
public:
    bool Run(s_DisplaySheetData&) override { return false; }
};

}  // namespace

DialogSlot<Cpp_DisplaySelections::Sheet>& Cpp_DisplaySelections::SheetSlot() {
    static DialogSlot<Sheet> slot("display selections sheet",
                                  std::make_unique<CancellingDisplaySheet>());
    return slot;
}

void Cpp_DisplaySelections::Reset() {
    SheetSlot().Reset();
    defaults_ = s_DisplayFlagsType{};
    construction_ = s_ConstructionDisplayType{};
}

bool* Cpp_DisplaySelections::Flag(s_DisplayFlagsType& f, int option) {
    if (option < 0 || option >= kNumberOfDisplayOptions) return nullptr;
    const int s = (option + 1) % 2;  // stage index of the pairs that start at an odd option
    switch (option) {
    case 0: return &construction_.lines;
    case 1: return &construction_.points;
    case 2: return &f.profileLines;
    case 3: return &f.profilePoints;
    case 4: return &f.profileNumbers;
    case 5: return &f.materialFill;
    case 6: return &f.materialNumbers;
    case 7:
    case 8: return &f.piezometricLines[s];
    case 9:
    case 10: return &f.piezometricPoints[s];
    case 11:
    case 12: return &f.piezometricNumbers[s];
    case 13:
    case 14: return &f.pressurePoints[s];
    case 15:
    case 16: return &f.ruPoints[s];
    case 17:
    case 18: return &f.strengthPoints[s];
    case 19:
    case 20: return &f.otherPoints[s];
    case 21: return &f.slopeLine;
    case 22: return &f.slopePoints;
    case 23:
    case 24: return &f.loadDiagram[s];
    case 25:
    case 26: return &f.loadShear[s];
    case 27:
    case 28: return &f.loadPoints[s];
    case 29:
    case 30: return &f.lineLoads[s];
    case 31:
    case 32:
    case 33:
    case 34: return &f.reinforcement[option - 31];
    case 35: return &f.initialCentre;
    case 36: return &f.analysis1;
    case 37: return &f.analysis2;
    case 38: return &f.searchGrid;
    case 39: return &f.slopeGeometry[0];
    case 40: return &f.slopeGeometry[1];
    default: return nullptr;
    }
}

bool Cpp_DisplaySelections::SetDisplayOption(s_DisplayFlagsType& flags, int option, bool value) {
    bool* flag = Flag(flags, option);
    if (!flag) return false;
    *flag = value;
    return true;
}

bool Cpp_DisplaySelections::GetDisplayOption(const s_DisplayFlagsType& flags, int option,
                                             bool& value) {
    bool* flag = Flag(const_cast<s_DisplayFlagsType&>(flags), option);
    if (!flag) return false;
    value = *flag;
    return true;
}

bool Cpp_DisplaySelections::SetDefaultDisplayOption(int option, bool value) {
    if (option < 2 || option >= kNumberOfDisplayOptions) return false;
    SetDisplayOption(defaults_, option, value);
    ApplyDefaultsToOwners();
    return true;
}

void Cpp_DisplaySelections::SetInterpolationDisplay(s_DisplayFlagsType& f, bool value) {
    for (int s = 0; s < 2; ++s) {
        f.contours[s] = value;
        f.triangles[s] = value;
        f.strengthLines[s] = value;
        f.interpolationValues[s] = value;
    }
}

void Cpp_DisplaySelections::UpdatePaletteBarChecks(PaletteStates& states) {
    states.fill(false);
    for (int option = 0; option < kNumberOfDisplayOptions; ++option) {
        bool value = false;
        GetDisplayOption(defaults_, option, value);
        states[option] = value;
    }
}

bool Cpp_DisplaySelections::TogglePaletteButton(PaletteStates& states, int option,
                                                s_DisplayFlagsType* dataSet) {
    if (option < 0 || option >= kNumberOfDisplayOptions) return false;
    states[option] = !states[option];
    if (!dataSet) return false;
    SetDisplayOption(*dataSet, option, states[option]);
    return true;
}

bool Cpp_DisplaySelections::SetAllPaletteButtons(PaletteStates& states, bool on,
                                                 s_DisplayFlagsType* dataSet) {
    for (int option = 0; option <= 38; ++option) {
        states[option] = on;
        if (dataSet)
            SetDisplayOption(*dataSet, option, on);
        else
            SetDefaultDisplayOption(option, on);
    }
    if (dataSet && !on) SetInterpolationDisplay(*dataSet, false);
    return dataSet != nullptr || on;
}

bool Cpp_DisplaySelections::EditDisplaySelections(s_DisplayFlagsType* dataSet,
                                                  std::vector<InterpolationDisplayType>* rows) {
    s_DisplayFlagsType& target = dataSet ? *dataSet : defaults_;
    s_DisplaySheetData data;
    data.flags = target;
    data.construction = construction_;
    if (rows) data.rows = *rows;
    if (!SheetSlot().Get().Run(data)) return false;
    const bool materialFill = target.materialFill;
    target = data.flags;
    target.materialFill = materialFill;
    construction_ = data.construction;
    if (rows) {
        for (std::size_t i = 0; i < rows->size() && i < data.rows.size(); ++i)
            (*rows)[i].display = data.rows[i].display;
    }
    return true;
}
