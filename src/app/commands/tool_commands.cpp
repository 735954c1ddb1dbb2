// The tool buttons of the main tool bar. Each sets an edit mode (MainFrame::SetEditMode); Shift
// or Ctrl on some of them opens that kind's data table (making stage 1 or 2 current first
// where the kind has stages) instead of switching the tool.

#include "app/commands/tool_commands.h"

#include "app/analysis_launchers.h"
#include "app/commands/command_table.h"
#include "app/commands/slip_surface_tools.h"
#include "app/data_entry.h"
#include "app/main_frame.h"
#include "app/view_input_host.h"
#include "app/material_launchers.h"
#include "analysis/analysis_computation_data.h"
#include "core/message_boxes.h"
#include "editing/crack_tool.h"
#include "editing/interpolation_tool.h"
#include "editing/piezometric_tool.h"
#include "loads/line_load.h"
#include "loads/reinforcement_line.h"
#include "model/data_set.h"
#include "editing/profile_tool.h"
#include "graphics/prompts.h"
#include "model/data_set.h"
#include "model/data_sets.h"
#include "platform/services.h"
#include "editing/tool_table.h"

#include <QGuiApplication>

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
    // The status text once the tool is chosen: null when its data entry is not there yet, ""
    // for the button's text.
    const char* chosenText;
    // The crack tools: refused with "Halt - Not Ready for This Input" while the analysis/
    // computation data have no primary data.
    bool needsAnalysisData = false;
    // The launcher of the kind's data table (on the stage made current), when it is there.
    bool (*table)(MainFrame&) = nullptr;
    // The slip-surface tools first make the analysis data circular (1) or noncircular (0),
    // asking the user; -1 for the other tools.
    int slipSurfaceShape = -1;
    // The tool's start once it is chosen; then its standard prompt is the status text.
    void (*start)() = nullptr;
    // The slip-surface tools: a step before the switch (also when the tool is active already;
    // false stops), and their own start, bar and prompt after it.
    bool (*prepare)(MainFrame&) = nullptr;
    void (*chosen)() = nullptr;
};

// The interpolation-point tool of a kind on the current stage.
template <int kind>
void StartInterpolationTool() {
    Cpp_InterpolationTool::StartEntryTool(kind, Cpp_Kliven4DataSet::CurrentStage());
}

// The distributed-load tool on the current stage: the slope made when there is none and the
// loads' display scale made sure.
void StartDistributedLoadTool() {
    if (Cpp_Kliven4DataSet* dataSet = Cpp_Kliven4Data::CurrentDataSet())
        dataSet->StartDistributedLoadEntry(Cpp_Kliven4DataSet::CurrentStage());
}

const s_ToolCommand kTools[] = {
    {ID_SELECT_ITEMS, EditModeSelect, PressSwitches, PressSwitches, "", false, nullptr, -1,
     [] {}},
    {ID_ENTER_CONSTRUCTION_LINES, EditModeConstruction, PressSwitches, PressSwitches, "", false,
     nullptr, -1, [] {}},
    {ID_ENTER_DISTRIBUTED_LOADS, EditModeDistributedLoads, PressStage1Table, PressStage2Table, "",
     false, EditDistributedLoads, -1, StartDistributedLoadTool},
    {ID_ENTER_LINE_LOADS, EditModeLineLoads, PressStage1Table, PressStage2Table, "", false,
     EditLineLoads, -1, Cpp_LineLoadList::StartEntryTool},
    {ID_ENTER_MATERIAL_PROPERTIES, EditModeMaterials, PressStage1Table, PressStage2Table, "", false,
     EditMaterialProperties, -1, [] {}},
    {ID_ENTER_PROFILE_LINES, EditModeProfileLines, PressTable, PressSwitches, "", false,
     EditProfileLines, -1, Cpp_ProfileTool::StartEntryTool},
    {ID_ENTER_PIEZOMETRIC_LINES, EditModePiezometricLines, PressStage1Table, PressStage2Table, "",
     false, EditPiezometricLines, -1, Cpp_PiezometricTool::StartEntryTool},
    {ID_ENTER_PRESSURE_INTERPOLATION_POINTS, EditModePressurePoints, PressStage1Table,
     PressStage2Table, "", false, EditPressureInterpolationData, -1, &StartInterpolationTool<1>},
    {ID_ENTER_RSUBU_INTERPOLATION_POINTS, EditModeRSubUPoints, PressStage1Table, PressStage2Table,
     "", false, EditRSubUInterpolationData, -1, &StartInterpolationTool<2>},
    {ID_ENTER_STRENGTH_INTERPOLATION_POINTS, EditModeStrengthPoints, PressStage1Table,
     PressStage2Table, "", false, EditStrengthInterpolationData, -1, &StartInterpolationTool<3>},
    {ID_ENTER_SLOPE_LINE, EditModeSlopeLine, PressTable, PressSwitches, "", false, EnterSlopeLine,
     -1, [] {}},
    {ID_ENTER_REINFORCEMENT_LINES, EditModeReinforcement, PressTable, PressSwitches, "", false,
     EditReinforcementLines, -1, Cpp_ReinforcementLineList::StartEntryTool},
    {ID_ENTER_CIRCULAR_SLIP_SURFACE, EditModeCircle, PressPrimaryData, PressOptionalData, "",
     false, nullptr, 1, nullptr, PrepareCircleTool, ChooseCircleTool},
    {ID_ENTER_NONCIRCULAR_SLIP_SURFACE, EditModeNoncircular, PressPrimaryData, PressOptionalData,
     "", false, nullptr, 0, nullptr, nullptr, ChooseNoncircularTool},
    {ID_ENTER_RADIUS_INFORMATION, EditModeRadius, PressSwitches, PressSwitches, "", false,
     nullptr, -1, nullptr, PrepareRadiusTool, ChooseRadiusTool},
    {ID_ENTER_TENSION_CRACK, EditModeCrack, PressSwitches, PressSwitches, nullptr, true},
    {ID_ENTER_WATER_IN_CRACK, EditModeCrackWater, PressSwitches, PressSwitches, nullptr, true},
};

// Carries out a modified press; false when the press just switches the tool.
bool PressWithModifier(MainFrame& frame, const s_ToolCommand& tool, e_ModifiedPress press) {
    const std::string name = frame.CommandText(tool.id);
    switch (press) {
    case PressSwitches: return false;
    case PressStage1Table: frame.SetStage1(); break;
    case PressStage2Table: frame.SetStage2(); break;
    case PressPrimaryData: EditAnalysisComputationData(frame); return true;
    case PressOptionalData: EditOptionalAnalysisData(frame); return true;
    case PressTable: break;
    }
    if (press != PressOptionalData && tool.table) {
        tool.table(frame);
        return true;
    }
    frame.NotAvailable(name + (press == PressOptionalData ? " (optional data)" : " (data table)"));
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
    if (tool.chosen) {
        tool.chosen();
        return;
    }
    if (tool.needsAnalysisData) {
        // The crack tools: 1 for the crack, 0 for the water in it.
        const bool crackMode = tool.mode == EditModeCrack;
        Cpp_CrackTool::StartTool(
            Cpp_Kliven4Data::CurrentDataSet()->AnalysisComputationData()->GetCrack(), crackMode);
        Cpp_CrackTool::ShowToolPrompt(crackMode);
        return;
    }
    if (tool.start) {
        tool.start();
        ToolContext context(&frame.ViewInput());
        ShowToolPrompt(context, tool.mode);
        return;
    }
    const std::string name = frame.CommandText(tool.id);
    platform::Services().StatusLine().SetText(
        !tool.chosenText
            ? "The tool \"" + name + "\" is chosen; its data entry is not available yet."
        : *tool.chosenText ? std::string(tool.chosenText)
                           : name);
}

}  // namespace

int EditModeForCommand(int command) {
    for (const s_ToolCommand& tool : kTools)
        if (tool.id == command) return tool.mode;
    if (command == ID_ENTER_NAIL_DATA) return EditModeNails;
    if (command == ID_ENTER_GEOGRID_DATA) return EditModeGeogrids;
    return EditModeNone;
}

void AddToolCommands(CommandTable& table) {
    const auto pressed = [](int id) {
        return [id](const MainFrame& frame) { return frame.IsToolBarButtonPressed(id); };
    };
    for (const s_ToolCommand& tool : kTools)
        table.Add(
            tool.id, [&tool](MainFrame& frame) { ChooseTool(frame, tool); }, {}, pressed(tool.id));
    table.Add(ID_ENTER_PROBLEM_HEADING, EditHeading);
    // The nail and geogrid placing tools: their bar shows, the button's name is the status.
    for (int id : {ID_ENTER_NAIL_DATA, ID_ENTER_GEOGRID_DATA})
        table.Add(
            id,
            [id](MainFrame& frame) {
                if (frame.SetEditMode(id))
                    platform::Services().StatusLine().SetText(frame.CommandText(id));
            },
            {}, pressed(id));
}

}  // namespace app
