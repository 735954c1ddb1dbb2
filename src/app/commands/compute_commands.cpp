// The Compute menu: the point-stress windows of the current data set.

#include "app/commands/command_table.h"
#include "core/command_ids.h"
#include "core/dialog_slot.h"
#include "editing/selection.h"
#include "editing/selection_list.h"
#include "model/data_sets.h"
#include "model/point_stress_dialogs.h"

namespace app {

namespace {

// Where the overburden and effective-stress windows start: the point of the first selected
// item when it is a point item, else (0, 0).
void StartingPoint(double& x, double& y) {
    s_tagTypePointXY point{0.0, 0.0};
    const Cpp_Selection* first = GetCurrentSelection().GetNth(1);
    if (first && first->IsPointItem()) first->GetPointXY(point);
    x = point.x;
    y = point.y;
}

CommandTable::Handler PointStressCommand(int which) {
    return [which](MainFrame&) {
        RunDialogCommand(PointStressDialogsSlot(), [which] {
            const Cpp_Kliven4DataSet& dataSet = *Cpp_Kliven4Data::CurrentDataSet();
            double x = 0.0, y = 0.0;
            StartingPoint(x, y);
            if (which == ID_OVERBURDEN_PRESSURE) return ShowOverburdenPressureDialog(dataSet, x, y);
            if (which == ID_PORE_WATER_PRESSURE) return ShowPoreWaterPressureDialog(dataSet);
            return ShowVerticalEffectiveStressDialog(dataSet, x, y);
        });
    };
}

}  // namespace

void AddComputeCommands(CommandTable& table) {
    table.Add(ID_OVERBURDEN_PRESSURE, PointStressCommand(ID_OVERBURDEN_PRESSURE));
    table.Add(ID_PORE_WATER_PRESSURE, PointStressCommand(ID_PORE_WATER_PRESSURE));
    table.Add(ID_EFFECTIVE_VERTICAL_STRESS, PointStressCommand(ID_EFFECTIVE_VERTICAL_STRESS));
}

}  // namespace app
