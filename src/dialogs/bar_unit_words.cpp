#include "dialogs/bar_unit_words.h"

#include "core/unit_words.h"
#include "editing/line_entry_bars.h"
#include "editing/load_bars.h"

namespace dialogs {

std::optional<std::string> BarUnitWord(const CmDialogBar& bar, int id) {
    if (dynamic_cast<const CmDialogBarDistributedLoad*>(&bar)) {
        using B = CmDialogBarDistributedLoad;
        if (id == B::IdX || id == B::IdY) return UnitName(Quantity::Length);
        if (id == B::IdNormal || id == B::IdShear) return UnitName(Quantity::Stress);
    } else if (const auto* line = dynamic_cast<const CmDialogBarLineLoadTool*>(&bar)) {
        using B = CmDialogBarLineLoadTool;
        if (id == B::IdX || id == B::IdY) return UnitName(Quantity::Length);
        if (id == B::IdFirst) return UnitName(Quantity::ForcePerLength);
        // By magnitude and inclination the second value is an angle.
        if (id == B::IdSecond)
            return line->form_ == 1 ? std::string("degrees") : UnitName(Quantity::ForcePerLength);
    } else if (dynamic_cast<const CmDialogBarReinforcementTool*>(&bar)) {
        using B = CmDialogBarReinforcementTool;
        if (id == B::IdX || id == B::IdY) return UnitName(Quantity::Length);
        if (id == B::IdLongForce || id == B::IdTransForce)
            return UnitName(Quantity::ForcePerLength);
    }
    return std::nullopt;
}

}  // namespace dialogs
