// The edit context menu's commands on the selected items: deleting, joining lines, spacing
// points, moving ("dragging") an item; and command 32903, the scale action of the edit mode,
// which no menu item, button or key issues. The operations report their changes through the
// frame's view input (the document is marked modified there).

#include "app/commands/command_table.h"
#include "app/main_frame.h"
#include "app/view_input_host.h"
#include "core/command_ids.h"
#include "editing/edit_modes.h"
#include "editing/selection_edit_commands.h"
#include "editing/selection_list.h"
#include "loads/distributed_load_data.h"

namespace app {

bool RunEditModeAction(int editMode) {
    switch (editMode) {
    case EditModeSelect: return GetCurrentSelection().HandleScaleHotKey();
    case EditModeDistributedLoads: return Cpp_DistributedLoadData::ScaleDialog();
    default: return false;
    }
}

void AddSelectionEditCommands(CommandTable& table) {
    table.Add(ID_DELETE_ALL,
              [](MainFrame& f) { DeleteAllForSelection(f.ViewInput(), true); });
    table.Add(ID_DELETE_ENTIRE_LINE,
              [](MainFrame& f) { DeleteEntireLineOfSelection(f.ViewInput()); });
    table.Add(ID_DELETE_LINE_SEGMENT,
              [](MainFrame& f) { DeleteSegmentOfSelection(f.ViewInput()); });
    table.Add(ID_DELETE_POINT, [](MainFrame& f) { DeletePointOfSelection(f.ViewInput()); });
    table.Add(ID_DELETE_TRIANGLES_OUTSIDE_MATERIAL,
              [](MainFrame& f) { DeleteTrianglesOfSelection(f.ViewInput()); });
    table.Add(ID_JOIN_LINES, [](MainFrame& f) { JoinSelectedLines(f.ViewInput()); });
    table.Add(ID_SPACE_ALONG_LINE, [](MainFrame& f) { SpacePointsEvenly(f.ViewInput(), 1); });
    table.Add(ID_SPACE_HORIZONTALLY, [](MainFrame& f) { SpacePointsEvenly(f.ViewInput(), 2); });
    table.Add(ID_SPACE_VERTICALLY, [](MainFrame& f) { SpacePointsEvenly(f.ViewInput(), 3); });
    table.Add(ID_EDIT_MODE_ACTION, [](MainFrame& f) {
        if (RunEditModeAction(f.GetEditMode())) f.Redraw();
    });
}

}  // namespace app
