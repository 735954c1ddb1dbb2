// The Settings menu: the general settings; units, scaling and the two option dialogs are not
// there yet.

#include "app/commands/command_table.h"
#include "app/main_frame.h"
#include "core/dialog_slot.h"
#include "core/preferences.h"
#include "editing/selection_commands.h"

namespace app {

void AddSettingsCommands(CommandTable& table) {
    table.Add(ID_SETTINGS_GENERAL, [](MainFrame&) {
        RunDialogCommand(Cpp_KlivenSettings::SettingsSheetSlot(), "General",
                         &Cpp_KlivenSettings::EditSettings);
    });
    table.Add(ID_SELECTED_ITEM_OPTIONS, [](MainFrame&) {
        RunDialogCommand(SelectionOptionsDialogSlot(), "Selected Item Options",
                         &EditSelectedItemOptions);
    });
    for (int id : {ID_SETTINGS_UNITS, ID_SCALE_DISTRIBUTED_LOADS, ID_SCALE_LINE_LOADS,
                   ID_SCALE_REINFORCEMENT_FORCES, ID_DATA_ENTRY_OPTIONS})
        table.Add(id, NotAvailableYet(id));
}

}  // namespace app
