// The Compute menu: the point-stress dialogs, not there yet.

#include "app/commands/command_table.h"
#include "core/command_ids.h"

namespace app {

void AddComputeCommands(CommandTable& table) {
    for (int id : {ID_OVERBURDEN_PRESSURE, ID_PORE_WATER_PRESSURE, ID_EFFECTIVE_VERTICAL_STRESS})
        table.Add(id, NotAvailableYet(id));
}

}  // namespace app
