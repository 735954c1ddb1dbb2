// The Settings menu: the general settings, the units, the scaling of the load and force
// arrows, and the data-entry and selected-item options.

#include "app/commands/command_table.h"
#include "app/data_entry_options.h"
#include "app/main_frame.h"
#include "core/dialog_slot.h"
#include "core/preferences.h"
#include "core/tool_option_dialogs.h"
#include "core/units.h"
#include "editing/selection_commands.h"
#include "graphics/graphics.h"
#include "loads/distributed_load_data.h"
#include "loads/line_load.h"
#include "loads/load_drawing_support.h"
#include "loads/reinforcement_line.h"

namespace app {

void AddSettingsCommands(CommandTable& table) {
    table.Add(ID_SETTINGS_GENERAL, [](MainFrame&) {
        RunDialogCommand(Cpp_KlivenSettings::SettingsSheetSlot(),
                         &Cpp_KlivenSettings::EditSettings);
    });
    table.Add(ID_SELECTED_ITEM_OPTIONS, [](MainFrame&) {
        RunDialogCommand(SelectionOptionsDialogSlot(), &EditSelectedItemOptions);
    });
    table.Add(ID_SETTINGS_UNITS, [](MainFrame& f) {
        if (RunDialogCommand(UnitsSelectionDialogSlot(), &RunUnitsDialog)) f.Redraw();
    });
    // The scale of the arrows of one kind; a changed scale refits the drawing.
    const auto scaling = [](bool (*edit)()) {
        return [edit](MainFrame& f) {
            if (RunDialogCommand(loads::LoadScalingDialogSlot(), edit)) {
                Cpp_Graphics::InvalidateScale();
                f.Redraw();
            }
        };
    };
    table.Add(ID_SCALE_DISTRIBUTED_LOADS, scaling(&Cpp_DistributedLoadData::ScaleDialog));
    table.Add(ID_SCALE_LINE_LOADS, scaling(&Cpp_LineLoadList::ScaleDialog));
    table.Add(ID_SCALE_REINFORCEMENT_FORCES, scaling(&Cpp_ReinforcementLineList::ScaleDialog));
    table.Add(ID_DATA_ENTRY_OPTIONS,
              [](MainFrame&) { RunDialogCommand(ToolOptionDialogsSlot(), &EditDataEntryOptions); });
}

}  // namespace app
