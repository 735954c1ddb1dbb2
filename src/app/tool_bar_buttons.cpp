#include "app/tool_bar_buttons.h"

#include "analysis/analysis_computation_data.h"
#include "analysis/analysis_dialogs.h"
#include "app/commands/slip_surface_tools.h"
#include "app/data_change.h"
#include "app/main_frame.h"
#include "app/tool_bars.h"
#include "core/dialog_slot.h"
#include "core/tool_option_dialogs.h"
#include "core/units.h"
#include "editing/crack_tool.h"
#include "editing/interpolation_tool.h"
#include "editing/piezometric_tool.h"
#include "editing/profile_tool.h"
#include "loads/distributed_load_data.h"
#include "loads/line_load.h"
#include "loads/reinforcement_line.h"
#include "model/data_set.h"
#include "model/data_sets.h"

namespace app {

namespace {

// "Radius Def's" of the circle bar in the fixed-grid mode (the bar checks the mode).
void EditRadiusDefinitionsFromBar(MainFrame& frame) {
    Cpp_Kliven4DataSet* dataSet = Cpp_Kliven4Data::CurrentDataSet();
    const bool ok = RunDialogCommand(RadiusDefinitionsDialogSlot(), [&] {
        return dataSet->AnalysisComputationData()->EditRadiusDefinitions();
    });
    if (!ok) return;
    frame.Redraw();
    frame.Doc().SetModifiedFlag(true);
}

// "Finish Line" of a line tool: the line entered so far is added.
template <bool (*finish)(), int kind>
void FinishLineFromBar(MainFrame& frame) {
    if (finish()) {
        frame.Doc().SetModifiedFlag(true);
        RefreshAfterDataChange(kind);
    }
    frame.Redraw();
}

// "Options" of the crack bar: the wheel step of the crack tools.
void CrackToolOptions(MainFrame&) {
    RunDialogCommand(ToolOptionDialogsSlot(),
                     [] { return Cpp_CrackTool::ShowToolOptionsDialog(); });
}

// "Options" of the interpolation bar: the options of the running tool's kind.
void InterpolationToolOptions(MainFrame& frame) {
    if (RunDialogCommand(ToolOptionDialogsSlot(),
                         [] { return Cpp_InterpolationTool::ShowToolOptionsDialog(); }))
        frame.Redraw();
}

// "Options" of a load tool's bar: the tool's option window; after OK the drawing follows new
// scales.
template <bool (*edit)()>
void EditToolOptionsFromBar(MainFrame& frame) {
    if (RunDialogCommand(ToolOptionDialogsSlot(), edit)) frame.Redraw();
}

// "Finish Line" of the reinforcement bar: the line entered so far is added; the largest force
// over the data sets sets the scale.
void FinishReinforcementLine(MainFrame& frame) {
    if (Cpp_ReinforcementLineList::AddLine()) {
        Cpp_ReinforcementLineList::SetLargestForce(Cpp_Kliven4Data::MaximumReinforcementForce());
        Cpp_ReinforcementLineList::ComputeForceScale(GetUnitSystem());
        frame.Doc().SetModifiedFlag(true);
    }
    frame.Redraw();
}

constexpr s_BarButtonOpener kOpeners[] = {
    {BarProfile, CmDialogBarProfileTool::IdFinish,
     &FinishLineFromBar<&Cpp_ProfileTool::AddLine, 2>},
    {BarPiezometric, CmDialogBarPiezometricTool::IdFinish,
     &FinishLineFromBar<&Cpp_PiezometricTool::AddLine, 4>},
    {BarReinforcement, CmDialogBarReinforcementTool::IdFinish, &FinishReinforcementLine},
    {BarReinforcement, CmDialogBarReinforcementTool::IdOptions,
     &EditToolOptionsFromBar<&Cpp_ReinforcementLineList::EditToolOptions>},
    {BarDistributedLoad, CmDialogBarDistributedLoad::IdOptions,
     &EditToolOptionsFromBar<&Cpp_DistributedLoadData::EditToolOptions>},
    {BarLineLoad, CmDialogBarLineLoadTool::IdOptions,
     &EditToolOptionsFromBar<&Cpp_LineLoadList::EditToolOptions>},
    {BarInterpolation, CmDialogBarInterpolationTool::IdOptions, &InterpolationToolOptions},
    {BarCircle, CmDialogBarCircleTool::IdOptions, &CircleToolOptions},
    {BarCircle, CmDialogBarCircleTool::IdRadiusDefs, &EditRadiusDefinitionsFromBar},
    {BarNoncircular, CmDialogBarNoncircularTool::IdOptions, &NoncircularToolOptions},
    {BarCrack, CmDialogBarCrackTool::IdOptions, &CrackToolOptions},
    // The nail and geogrid bars run their tools' options themselves.
};

}  // namespace

std::span<const s_BarButtonOpener> ToolBarButtonOpeners() { return kOpeners; }

void InstallToolBarButtons(MainFrame& frame) {
    for (const s_BarButtonOpener& entry : kOpeners) {
        CmDialogBar* bar = TheToolBars().Bar(entry.bar);
        if (!bar) continue;
        if (entry.open)
            bar->SetButtonHandler(entry.id, [&frame, open = entry.open] { open(frame); });
        else
            bar->SetButtonHandler(entry.id, nullptr);
    }
}

}  // namespace app
