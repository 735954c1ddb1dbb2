#pragma once
// The rules of the geogrid properties window without the window: the fields of the type being
// edited, loading and saving a type, which strength and pullout fields an option offers, the
// allowable strength computed from the ultimate strength and the factors of safety, and Add /
// Change of a type.

#include "loads/nail_geogrid_dialogs.h"

#include <string>
#include <vector>

namespace dialogs {

// Which strength fields the window offers.
struct s_GeogridStrengthStates {
    bool allowableEnabled = true;
    bool ultimateShown = false;
    bool ultimateEnabled = false;
    bool longTermShown = false;
    std::string longTermLabel = "Long-Term Design strength:";
    bool standardEnabled = false;
    // The factor-of-safety fields: the one-factor box, and either the one factor or the four
    // reduction factors with the factor for joints.
    bool factorsShown = false;
};

class GeogridPropertiesForm {
public:
    explicit GeogridPropertiesForm(const s_GeogridPropertiesDialogData& data);

    // The type being edited, as the fields show it.
    Cpp_GeogridProperties fields;
    const std::vector<Cpp_GeogridProperties>& Types() const { return types_; }
    int Selected() const { return selected_; }
    const s_GeogridStrengthStates& Strength() const { return strength_; }
    bool OneFactorShown() const { return strength_.factorsShown && fields.oneFactorOfSafety; }
    bool ReductionFactorsShown() const {
        return strength_.factorsShown && !fields.oneFactorOfSafety;
    }
    bool FStarEnabled() const {
        return fields.interactionOption == Cpp_GeogridProperties::InteractionSpecified;
    }

    // A row of the type list chosen: loads that type (its strength fields keep their state).
    void Select(int index);
    // The strength option chosen (also at the start).
    void ApplyStrengthOption();
    // The pullout option chosen (also at the start and on loading): option 0 clears Fq,
    // alpha-beta and rho; option 1 computes F* from them.
    void ApplyPulloutOption();
    // The allowable strength from the option, the ultimate or long-term strength and the
    // factors of safety, in the allowable unit, to 2 decimals.
    void RecomputeAllowable();
    // Adds the fields as a new type and proposes the description of the next.
    void AddType();
    // Stores the fields into the selected type when they differ from it; true when stored.
    bool ChangeType();

    // Whether the fields differ from the selected type (the standard index is not compared).
    bool DiffersFromSelected() const;

private:
    void SaveFactors();
    void RestoreFactors();

    std::vector<Cpp_GeogridProperties> types_;
    int selected_ = -1;
    s_GeogridStrengthStates strength_;
    // The reduction factors a switch back to computed strengths restores.
    double savedInstallation_ = 0.0;
    double savedCreep_ = 0.0;
    double savedChemical_ = 0.0;
    double savedBiological_ = 0.0;
};

}  // namespace dialogs
