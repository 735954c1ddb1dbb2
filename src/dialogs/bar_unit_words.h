#pragma once
// The unit words after the dimensioned fields of the load and reinforcement bars, in the
// current unit system: coordinates in lengths, distributed loads in stresses, line loads and
// reinforcement forces per unit width; a line load given by magnitude and inclination has its
// angle in degrees.

#include <optional>
#include <string>

class CmDialogBar;

namespace dialogs {

// The word after the bar's edit `id` as the bar stands now; nothing for a field without unit.
std::optional<std::string> BarUnitWord(const CmDialogBar& bar, int id);

}  // namespace dialogs
