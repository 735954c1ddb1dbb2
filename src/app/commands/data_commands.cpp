// The Data menu and the stage buttons: the heading, the other input data, the tables of each
// kind of data (on the stage a command names), recomputing the slope and crack, checking the
// data and the summary.

#include "app/analysis_launchers.h"
#include "app/commands/command_table.h"
#include "app/data_entry.h"
#include "app/main_frame.h"
#include "app/material_launchers.h"
#include "core/data_error_output.h"
#include "core/dialog_slot.h"
#include "core/text_line_dialogs.h"
#include "model/data_check.h"
#include "model/data_sets.h"
#include "model/derived_data.h"
#include "model/subsystem_registration.h"
#include "model/writer.h"
#include "platform/services.h"

namespace app {

namespace {

void CheckData(MainFrame& frame) {
    // The check keeps the marks of crossing and coincident profile lines for the drawing; they
    // stay until the next check.
    InitializeBlockWriters();
    const bool clean = CheckDataCommand(*Cpp_Kliven4Data::CurrentDataSet(), &frame);
    if (!clean) frame.Redraw();
    platform::Services().StatusLine().SetText(clean ? "Check Data: no errors in the data."
                                                    : "Check Data: see the data errors.");
}

void ShowSummary(MainFrame&) {
    RunDialogCommand(TextLineDialogsSlot(), [] {
        WriteSummary(*Cpp_Kliven4Data::CurrentDataSet());
        return true;
    });
}

void EditOtherData(MainFrame& frame) {
    if (RunDialogCommand(OtherDataDialogSlot(), &Cpp_Kliven4DataSet::EditGraphicsOutputFlag)) {
        frame.Redraw();
        frame.Doc().SetModifiedFlag(true);
    }
}

}  // namespace

void EditHeading(MainFrame& frame) {
    if (RunDialogCommand(HeadingDialogSlot(), [] {
            return Cpp_Kliven4Data::CurrentDataSet()->HeadingAddress()->Edit();
        }))
        frame.Doc().SetModifiedFlag(true);
}

void AddDataCommands(CommandTable& table) {
    table.Add(ID_HEADING, EditHeading);
    table.Add(ID_OTHER_DATA, EditOtherData);
    table.Add(ID_SLOPE_LINE, [](MainFrame& f) { EnterSlopeLine(f); });
    table.Add(ID_ANALYSIS_COMPUTATION, [](MainFrame& f) { EditAnalysisComputationData(f); });
    table.Add(ID_OPTIONAL_ANALYSIS_DATA, [](MainFrame& f) { EditOptionalAnalysisData(f); });
    table.Add(ID_MATERIALS_STAGE1, [](MainFrame& f) {
        f.SetStage1();
        EditMaterialProperties(f);
    });
    table.Add(ID_MATERIALS_STAGE2, [](MainFrame& f) {
        f.SetStage2();
        EditMaterialProperties(f);
    });
    // 33014 stands only in the view menu of the materials tool.
    for (int id : {ID_COPY_STAGE1_TO_STAGE2, ID_STAGE1_TO_STAGE2_PROPERTIES})
        table.Add(id, [](MainFrame& f) { CopyStage1ToStage2(f); });
    // The load and point tables, each on the stage it names (the current one without a menu item).
    const auto onStage = [](int stage, bool (*edit)(MainFrame&)) {
        return [stage, edit](MainFrame& f) {
            if (stage == 0 || f.SetStage(stage)) edit(f);
        };
    };
    table.Add(ID_PROFILE_LINES, [](MainFrame& f) { EditProfileLines(f); });
    table.Add(ID_PIEZOMETRIC_LINES_STAGE1, onStage(1, EditPiezometricLines));
    table.Add(ID_PIEZOMETRIC_LINES_STAGE2, onStage(2, EditPiezometricLines));
    table.Add(ID_REINFORCEMENT, [](MainFrame& f) { EditReinforcementLines(f); });
    table.Add(ID_DISTRIBUTED_LOADS_STAGE1, onStage(1, EditDistributedLoads));
    table.Add(ID_DISTRIBUTED_LOADS_STAGE2, onStage(2, EditDistributedLoads));
    table.Add(ID_ENTER_DISTRIBUTED_LOAD_DATA, onStage(0, EditDistributedLoads));
    table.Add(ID_LINE_LOADS_STAGE1, onStage(1, EditLineLoads));
    table.Add(ID_LINE_LOADS_STAGE2, onStage(2, EditLineLoads));
    table.Add(ID_ENTER_LINE_LOAD_DATA, onStage(0, EditLineLoads));
    table.Add(ID_PRESSURE_VALUES_STAGE1, onStage(1, EditPressureInterpolationData));
    table.Add(ID_PRESSURE_VALUES_STAGE2, onStage(2, EditPressureInterpolationData));
    table.Add(ID_RSUBU_VALUES_STAGE1, onStage(1, EditRSubUInterpolationData));
    table.Add(ID_RSUBU_VALUES_STAGE2, onStage(2, EditRSubUInterpolationData));
    table.Add(ID_STRENGTH_VALUES_STAGE1, onStage(1, EditStrengthInterpolationData));
    table.Add(ID_STRENGTH_VALUES_STAGE2, onStage(2, EditStrengthInterpolationData));
    table.Add(ID_RECOMPUTE_SLOPE_AND_CRACK, [](MainFrame& f) {
        RecomputeSlopeAndCrackGeometry(*Cpp_Kliven4Data::CurrentDataSet());
        f.Redraw();
    });
    table.Add(ID_CHECK_DATA, CheckData);
    table.Add(ID_SUMMARY, ShowSummary);
    const auto pressed = [](int id) {
        return [id](const MainFrame& frame) { return frame.IsToolBarButtonPressed(id); };
    };
    table.Add(
        ID_STAGE1, [](MainFrame& f) { f.SetStage1(); }, {}, pressed(ID_STAGE1));
    table.Add(
        ID_STAGE2, [](MainFrame& f) { f.SetStage2(); }, {}, pressed(ID_STAGE2));
}

}  // namespace app
