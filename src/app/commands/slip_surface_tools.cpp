#include "app/commands/slip_surface_tools.h"

#include "analysis/analysis_computation_data.h"
#include "app/main_frame.h"
#include "core/dialog_slot.h"
#include "core/tool_option_dialogs.h"
#include "editing/circle_tool.h"
#include "editing/edit_modes.h"
#include "editing/noncircular_tool.h"
#include "editing/tool_dialog_bars.h"
#include "editing/tool_table.h"
#include "graphics/prompts.h"
#include "model/data_set.h"
#include "model/data_sets.h"

namespace app {

namespace {
Cpp_AnalysisComputationData* Analysis() {
    Cpp_Kliven4DataSet* set = Cpp_Kliven4Data::CurrentDataSetOrNull();
    return set ? set->AnalysisComputationData() : nullptr;
}
}  // namespace

bool PrepareCircleTool(MainFrame&) {
    if (Cpp_AnalysisComputationData* analysis = Analysis())
        Cpp_CircleTool::StartCircleTool(*analysis);
    return true;
}

bool PrepareRadiusTool(MainFrame& frame) {
    if (!Cpp_Kliven4Data::CheckCircleDataForRadius(&frame)) return false;
    TheToolBars().radius.ArrangeControls();
    return true;
}

void CircleToolOptions(MainFrame& frame) {
    Cpp_AnalysisComputationData* analysis = Analysis();
    if (!analysis) return;
    bool done = false;
    switch (TheToolBars().circle.GetMode()) {
    case Cpp_AnalysisComputationData::kSearchType1:
        done = RunDialogCommand(ToolOptionDialogsSlot(),
                                [analysis] { return analysis->EditCircleSearch1ToolOptions(); });
        break;
    case Cpp_AnalysisComputationData::kSearchType2:
        done = RunDialogCommand(ToolOptionDialogsSlot(),
                                [analysis] { return analysis->EditFixedGridToolOptions(); });
        break;
    default: break;
    }
    if (done) {
        frame.Doc().SetModifiedFlag(true);
        frame.Redraw();
    }
}

void NoncircularToolOptions(MainFrame& frame) {
    Cpp_AnalysisComputationData* analysis = Analysis();
    if (analysis && RunDialogCommand(ToolOptionDialogsSlot(),
                                     [analysis] { return analysis->EditNoncircularToolOptions(); }))
        frame.Doc().SetModifiedFlag(true);
}

}  // namespace app
