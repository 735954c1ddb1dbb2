// The Display menu and the "Show" palette: which items are drawn, and the snap grid.

#include "app/commands/command_table.h"
#include "app/main_frame.h"
#include "app/palette_bar.h"
#include "core/dialog_slot.h"
#include "editing/selection_commands.h"
#include "editing/selection_list.h"
#include "graphics/graphic_grid.h"
#include "model/data_set.h"
#include "model/data_sets.h"
#include "registry/display_selections.h"

namespace app {

static_assert(ID_DISPLAY_OPTION_FIRST == kFirstDisplayOptionCommand &&
              ID_DISPLAY_ALL == kFirstDisplayOptionCommand + kNumberOfDisplayOptions &&
              ID_DISPLAY_CLEAR == ID_DISPLAY_ALL + 1);

namespace {

void EditDisplaySelections(MainFrame& frame) {
    if (RunDialogCommand(Cpp_DisplaySelections::SheetSlot(),
                         &Cpp_Kliven4Data::EditDisplaySelections)) {
        frame.PaletteBar()->RefreshFromDataSet();
        frame.Redraw();
    }
}

// The material property table of the current stage: a display flag of the data set, as the
// "Clear Display for Selection" of a picked table clears it.
bool MaterialTableShown() {
    Cpp_Kliven4DataSet* dataSet = Cpp_Kliven4Data::CurrentDataSet();
    return dataSet && dataSet->DisplayFlags().materialTable[Cpp_Kliven4DataSet::CurrentStage() - 1];
}

void ToggleMaterialTable(MainFrame& frame) {
    Cpp_Kliven4DataSet* dataSet = Cpp_Kliven4Data::CurrentDataSet();
    if (!dataSet) return;
    bool& shown = dataSet->DisplayFlags().materialTable[Cpp_Kliven4DataSet::CurrentStage() - 1];
    shown = !shown;
    Cpp_DisplaySelections::ApplyToOwners(*dataSet, dataSet->DisplayFlags());
    frame.Redraw();
}

// A grid command that changes the drawing.
CommandTable::Handler AndRedraw(void (*change)()) {
    return [change](MainFrame& frame) {
        change();
        frame.Redraw();
    };
}

}  // namespace

void AddDisplayCommands(CommandTable& table) {
    table.Add(ID_DISPLAY_SELECTIONS, EditDisplaySelections);
    table.Add(ID_CLEAR_DISPLAY_FOR_SELECTION, [](MainFrame& f) {
        if (!ClearDisplayFlags(GetCurrentSelection())) return;
        GetCurrentSelection().Clear();
        if (f.PaletteBar()) f.PaletteBar()->RefreshFromDataSet();
        f.Redraw();
    });
    table.Add(ID_MATERIAL_PROPERTY_TABLE, ToggleMaterialTable, {},
              [](const MainFrame&) { return MaterialTableShown(); });
    table.Add(ID_GRID_SETTINGS, [](MainFrame& f) {
        if (RunDialogCommand(Cpp_GraphicGrid::SettingsDialogSlot(), &Cpp_GraphicGrid::EditSettings))
            f.Redraw();
    });
    // Snapping changes nothing drawn.
    table.Add(
        ID_GRID_SNAP, [](MainFrame&) { Cpp_GraphicGrid::ToggleSnap(); }, {},
        [](const MainFrame&) { return Cpp_GraphicGrid::SnapOn(); });
    table.Add(ID_GRID_POINTS, AndRedraw(Cpp_GraphicGrid::ToggleDisplayPoints), {},
              [](const MainFrame&) { return Cpp_GraphicGrid::DisplayPoints(); });
    table.Add(ID_GRID_LINES, AndRedraw(Cpp_GraphicGrid::ToggleDisplayLines), {},
              [](const MainFrame&) { return Cpp_GraphicGrid::DisplayLines(); });
    table.Add(ID_GRID_INCREASE_SPACING, AndRedraw(Cpp_GraphicGrid::IncreaseSpacing));
    table.Add(ID_GRID_DECREASE_SPACING, AndRedraw(Cpp_GraphicGrid::DecreaseSpacing));
    for (int id = ID_DISPLAY_OPTION_FIRST; id <= ID_DISPLAY_CLEAR; ++id)
        table.Add(id, [id](MainFrame& f) { f.PaletteBar()->OnCommand(id); });
}

}  // namespace app
