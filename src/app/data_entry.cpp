#include "app/data_entry.h"

#include "app/data_change.h"
#include "app/draw_view.h"
#include "app/main_frame.h"
#include "core/command_ids.h"
#include "core/data_entry_style.h"
#include "core/dialog_slot.h"
#include "graphics/graphics.h"
#include "graphics/line_table_dialogs.h"
#include "loads/load_list_dialogs.h"
#include "loads/load_table_dialogs.h"
#include "loads/reinforcement_line.h"
#include "model/data_sets.h"
#include "model/derived_data.h"
#include "porepressure/interpolation_table_dialog.h"
#include "porepressure/piezometric_line.h"
#include "porepressure/piezometric_list_dialog.h"
#include "profile/profile_line.h"
#include "profile/profile_list_dialog.h"

namespace app {

namespace {

Cpp_Kliven4DataSet& DataSet() { return *Cpp_Kliven4Data::CurrentDataSet(); }

bool ListStyle() { return DataEntryStyle() == 1; }

}  // namespace

bool RunDataTable(MainFrame& frame, const DialogSlotBase& slot, const std::function<bool()>& open,
                  const std::function<void()>& after) {
    if (!RunDialogCommand(slot, open)) return false;
    if (after) after();
    frame.Redraw();
    frame.Doc().SetModifiedFlag();
    return true;
}

bool EditProfileLines(MainFrame& frame) {
    const bool list = ListStyle();
    return RunDataTable(
        frame,
        list ? static_cast<const DialogSlotBase&>(ProfileLineListDialogSlot())
             : LineFamilyGridDialogSlot(),
        [list] {
            return list ? DataSet().ProfileLines().EditWithInputDialog()
                        : DataSet().ProfileLines().EditWithGridDialog();
        },
        [] {
            ZoomToExtents();
            RefreshAfterDataChange(2);
        });
}

bool EditPiezometricLines(MainFrame& frame) {
    const bool list = ListStyle();
    Cpp_PiezometricLineList& lines =
        *DataSet().PiezometricLines(Cpp_Kliven4DataSet::CurrentStage());
    return RunDataTable(
        frame,
        list ? static_cast<const DialogSlotBase&>(PiezometricLineListDialogSlot())
             : LineFamilyGridDialogSlot(),
        [&] { return list ? lines.EditWithInputDialog() : lines.EditWithGridDialog(); },
        [] {
            ZoomToExtents();
            RefreshAfterDataChange(4);
        });
}

bool EditReinforcementLines(MainFrame& frame) {
    const bool list = ListStyle();
    return RunDataTable(
        frame,
        list ? static_cast<const DialogSlotBase&>(LoadListDialogsSlot())
             : LineFamilyGridDialogSlot(),
        [list] {
            return list ? DataSet().ReinforcementLines()->EditInDialog()
                        : DataSet().ReinforcementLines()->EditInTable();
        },
        [] {
            Cpp_ReinforcementLineList::SetLargestForce(
                Cpp_Kliven4Data::MaximumReinforcementForce());
            Cpp_Graphics::InvalidateScale();
        });
}

bool EnterSlopeLine(MainFrame& frame) {
    return RunDataTable(
        frame, SimpleXYLineGridDialogSlot(), [] { return DataSet().SlopeGeometry().EnterPoints(); },
        [] {
            if (!DataSet().SlopeGeometry().IsEntered()) RecomputeSlopeAndCrackGeometry(DataSet());
        });
}

bool EditDistributedLoads(MainFrame& frame) {
    const int stage = Cpp_Kliven4DataSet::CurrentStage();
    const int smallest = DataSet().PiezometricLines(stage)->SmallestNumber();
    if (ListStyle())
        return RunDataTable(frame, LoadListDialogsSlot(), [&] {
            return DataSet().DistributedLoads(stage)->EditInDialog(smallest);
        });
    return RunDataTable(frame, LoadTableDialogsSlot(),
                        [&] { return DataSet().DistributedLoads(stage)->EditInTable(smallest); });
}

bool EditLineLoads(MainFrame& frame) {
    const int stage = Cpp_Kliven4DataSet::CurrentStage();
    // The list-style window serves stage 1 only.
    if (ListStyle() && stage == 1)
        return RunDataTable(frame, LoadListDialogsSlot(),
                            [&] { return DataSet().LineLoads(stage)->EditInDialog(); });
    return RunDataTable(frame, LoadTableDialogsSlot(),
                        [&] { return DataSet().LineLoads(stage)->EditInTable(); });
}

namespace {

bool EditInterpolationData(MainFrame& frame, int kind) {
    const int stage = Cpp_Kliven4DataSet::CurrentStage();
    if (ListStyle())
        return RunDataTable(frame, InterpolationListDialogSlot(), [&] {
            return DataSet().InterpolationData(stage)->EditWithInputDialog(kind);
        });
    return RunDataTable(frame, InterpolationGridDialogSlot(), [&] {
        return DataSet().InterpolationData(stage)->EditWithGridDialog(kind);
    });
}

}  // namespace

bool EditPressureInterpolationData(MainFrame& frame) { return EditInterpolationData(frame, 1); }

bool EditRSubUInterpolationData(MainFrame& frame) { return EditInterpolationData(frame, 2); }

bool EditStrengthInterpolationData(MainFrame& frame) { return EditInterpolationData(frame, 3); }

}  // namespace app
