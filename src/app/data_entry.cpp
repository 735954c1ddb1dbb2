#include "app/data_entry.h"

#include "app/main_frame.h"
#include "core/dialog_slot.h"
#include "graphics/line_table_dialogs.h"
#include "model/data_sets.h"
#include "model/derived_data.h"

namespace app {

namespace {

Cpp_Kliven4DataSet& DataSet() { return *Cpp_Kliven4Data::CurrentDataSet(); }

}  // namespace

bool RunDataTable(MainFrame& frame, const DialogSlotBase& slot, const std::string& what,
                  const std::function<bool()>& open, const std::function<void()>& after) {
    if (!RunDialogCommand(slot, what, open)) return false;
    if (after) after();
    frame.Redraw();
    frame.Doc().SetModifiedFlag();
    return true;
}

bool EnterSlopeLine(MainFrame& frame) {
    return RunDataTable(
        frame, SimpleXYLineGridDialogSlot(), "Slope Line",
        [] { return DataSet().SlopeGeometry().EnterPoints(); },
        [] {
            if (!DataSet().SlopeGeometry().IsEntered()) RecomputeSlopeAndCrackGeometry(DataSet());
        });
}

}  // namespace app
