#include "app/analysis_launchers.h"

#include "analysis/analysis_dialogs.h"
#include "app/data_change.h"
#include "app/draw_view.h"
#include "app/main_frame.h"
#include "core/dialog_slot.h"
#include "editing/selection_list.h"
#include "model/data_set.h"
#include "model/data_sets.h"

namespace app {

bool EditAnalysisComputationData(MainFrame& frame) {
    Cpp_Kliven4DataSet& dataSet = *Cpp_Kliven4Data::CurrentDataSet();
    bool searchEntered = false;
    const bool ok = RunDialogCommand(AnalysisMainDialogsSlot(), [&] {
        return dataSet.AnalysisComputationData()->EditPrimaryData(searchEntered, false);
    });
    if (!ok) return false;
    // The noncircular search points were replaced: what was selected of the old ones and
    // their bar go.
    if (searchEntered) {
        GetCurrentSelection().Clear();
        frame.HideCurrentToolBar();
    }
    ZoomToExtents();
    RefreshAfterDataChange(9);
    frame.Redraw();
    frame.Doc().SetModifiedFlag(true);
    return true;
}

bool EditOptionalAnalysisData(MainFrame& frame) {
    bool noData = false;
    const bool ok = Cpp_Kliven4Data::CurrentDataSet()->EditOptionalAnalysisData(&frame, noData);
    if (noData) return EditAnalysisComputationData(frame);
    if (!ok) return false;
    frame.Redraw();
    frame.Doc().SetModifiedFlag(true);
    return true;
}

}  // namespace app
