// The tool buttons of the main tool bar. Each sets an edit mode (MainFrame::SetEditMode); Shift
// or Ctrl on some of them opens that kind's data table (making stage 1 or 2 current first
// where the kind has stages) instead of switching the tool.

#include "app/commands/tool_commands.h"

#include "analysis/analysis_computation_data.h"
#include "app/analysis_launchers.h"
#include "app/commands/command_table.h"
#include "app/commands/slip_surface_tools.h"
#include "app/data_entry.h"
#include "app/main_frame.h"
#include "app/material_launchers.h"
#include "app/view_input_host.h"
#include "core/message_boxes.h"
#include "editing/tool_table.h"
#include "model/data_set.h"
#include "model/data_sets.h"
#include "platform/services.h"

#include <QGuiApplication>
#include <vector>

namespace app {

namespace {

// What Shift or Ctrl on the button does instead of switching the tool.
enum e_ModifiedPress {
    PressSwitches,      // nothing special: the tool is switched
    PressTable,         // the kind's data table
    PressStage1Table,   // stage 1 current, then its data table
    PressStage2Table,   // stage 2 current, then its data table
    PressOptionalData,  // the optional analysis data
    PressPrimaryData,   // the main analysis dialog
};

struct s_ToolCommand {
    int id;
    e_EditMode mode;
    e_ModifiedPress shift;
    e_ModifiedPress control;
    // The crack tools: refused with "Halt - Not Ready for This Input" while the analysis/
    // computation data have no primary data.
    bool needsAnalysisData = false;
    // The launcher of the kind's data table (on the stage made current), when it is there.
    bool (*table)(MainFrame&) = nullptr;
    // The slip-surface tools first make the analysis data circular (1) or noncircular (0),
    // asking the user; -1 for the other tools.
    int slipSurfaceShape = -1;
    // A step before the switch (also when the tool is active already; false stops).
    bool (*prepare)(MainFrame&) = nullptr;
    // The placing tools: the button's name is the status once chosen, in place of the tool's
    // prompt.
    bool namedInStatus = false;
};

// Once the switch is made the tool itself starts and shows its prompt (Tool::Chosen).
const s_ToolCommand kTools[] = {
    {ID_SELECT_ITEMS, EditModeSelect, PressSwitches, PressSwitches},
    {ID_ENTER_CONSTRUCTION_LINES, EditModeConstruction, PressSwitches, PressSwitches},
    {ID_ENTER_DISTRIBUTED_LOADS, EditModeDistributedLoads, PressStage1Table, PressStage2Table,
     false, EditDistributedLoads},
    {ID_ENTER_LINE_LOADS, EditModeLineLoads, PressStage1Table, PressStage2Table, false,
     EditLineLoads},
    {ID_ENTER_MATERIAL_PROPERTIES, EditModeMaterials, PressStage1Table, PressStage2Table, false,
     EditMaterialProperties},
    {ID_ENTER_PROFILE_LINES, EditModeProfileLines, PressTable, PressSwitches, false,
     EditProfileLines},
    {ID_ENTER_PIEZOMETRIC_LINES, EditModePiezometricLines, PressStage1Table, PressStage2Table,
     false, EditPiezometricLines},
    {ID_ENTER_PRESSURE_INTERPOLATION_POINTS, EditModePressurePoints, PressStage1Table,
     PressStage2Table, false, EditPressureInterpolationData},
    {ID_ENTER_RSUBU_INTERPOLATION_POINTS, EditModeRSubUPoints, PressStage1Table, PressStage2Table,
     false, EditRSubUInterpolationData},
    {ID_ENTER_STRENGTH_INTERPOLATION_POINTS, EditModeStrengthPoints, PressStage1Table,
     PressStage2Table, false, EditStrengthInterpolationData},
    {ID_ENTER_SLOPE_LINE, EditModeSlopeLine, PressTable, PressSwitches, false, EnterSlopeLine},
    {ID_ENTER_REINFORCEMENT_LINES, EditModeReinforcement, PressTable, PressSwitches, false,
     EditReinforcementLines},
    {ID_ENTER_CIRCULAR_SLIP_SURFACE, EditModeCircle, PressPrimaryData, PressOptionalData, false,
     nullptr, 1, PrepareCircleTool},
    {ID_ENTER_NONCIRCULAR_SLIP_SURFACE, EditModeNoncircular, PressPrimaryData, PressOptionalData,
     false, nullptr, 0},
    {ID_ENTER_RADIUS_INFORMATION, EditModeRadius, PressSwitches, PressSwitches, false, nullptr, -1,
     PrepareRadiusTool},
    {ID_ENTER_TENSION_CRACK, EditModeCrack, PressSwitches, PressSwitches, true},
    {ID_ENTER_WATER_IN_CRACK, EditModeCrackWater, PressSwitches, PressSwitches, true},
    {ID_ENTER_NAIL_DATA, EditModeNails, PressSwitches, PressSwitches, false, nullptr, -1, nullptr,
     true},
    {ID_ENTER_GEOGRID_DATA, EditModeGeogrids, PressSwitches, PressSwitches, false, nullptr, -1,
     nullptr, true},
};

// Carries out a modified press; false when the press just switches the tool.
bool PressWithModifier(MainFrame& frame, const s_ToolCommand& tool, e_ModifiedPress press) {
    switch (press) {
    case PressSwitches: return false;
    case PressStage1Table: frame.SetStage1(); break;
    case PressStage2Table: frame.SetStage2(); break;
    case PressPrimaryData: EditAnalysisComputationData(frame); return true;
    case PressOptionalData: EditOptionalAnalysisData(frame); return true;
    case PressTable: break;
    }
    if (tool.table) tool.table(frame);
    return true;
}

bool HasPrimaryAnalysisData() {
    return Cpp_Kliven4Data::CurrentDataSet()->AnalysisComputationData()->HasData();
}

void ChooseTool(MainFrame& frame, const s_ToolCommand& tool) {
    if (tool.needsAnalysisData && !HasPrimaryAnalysisData()) {
        ShowQuestionMessage(&frame, "Halt - Not Ready for This Input",
                            "There are no primary Analysis/Computation data - Enter primary data "
                            "first.");
        return;
    }
    const Qt::KeyboardModifiers keys = QGuiApplication::keyboardModifiers();
    // Shift is tested first.
    if ((keys & Qt::ShiftModifier) && PressWithModifier(frame, tool, tool.shift)) return;
    if ((keys & Qt::ControlModifier) && PressWithModifier(frame, tool, tool.control)) return;
    if (tool.slipSurfaceShape >= 0 &&
        !Cpp_Kliven4Data::ChangeSlipSurfaceShape(&frame, tool.slipSurfaceShape == 1))
        return;
    if (tool.prepare && !tool.prepare(frame)) return;
    if (!frame.SetEditMode(tool.id)) return;
    if (tool.namedInStatus) {
        platform::Services().StatusLine().SetText(frame.CommandText(tool.id));
        return;
    }
    ToolContext context(&frame.ViewInput());
    if (Tool* chosen = ToolForEditMode(tool.mode)) chosen->Chosen(context, tool.mode);
}

}  // namespace

int EditModeForCommand(int command) {
    for (const s_ToolCommand& tool : kTools)
        if (tool.id == command) return tool.mode;
    return EditModeNone;
}

std::span<const int> ToolCommandIds() {
    static const std::vector<int> ids = [] {
        std::vector<int> all;
        for (const s_ToolCommand& tool : kTools) all.push_back(tool.id);
        return all;
    }();
    return ids;
}

void AddToolCommands(CommandTable& table) {
    const auto pressed = [](int id) {
        return [id](const MainFrame& frame) { return frame.IsToolBarButtonPressed(id); };
    };
    for (const s_ToolCommand& tool : kTools)
        table.Add(
            tool.id, [&tool](MainFrame& frame) { ChooseTool(frame, tool); }, {}, pressed(tool.id));
    table.Add(ID_ENTER_PROBLEM_HEADING, EditHeading);
}

}  // namespace app
