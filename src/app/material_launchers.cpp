#include "app/material_launchers.h"

#include "app/main_frame.h"
#include "core/dialog_slot.h"
#include "model/data_check.h"
#include "model/data_set.h"
#include "model/data_sets.h"
#include "profile/material_properties.h"
#include "profile/profile_line.h"

#include <utility>
#include <vector>

namespace app {

bool EditMaterialProperties(MainFrame& frame) {
    Cpp_Kliven4DataSet& dataSet = *Cpp_Kliven4Data::CurrentDataSet();
    std::vector<std::pair<int, int>> pairs;
    const Cpp_ProfileLineList& lines = dataSet.ProfileLines();
    for (int i = 0; i < lines.Count(); ++i) {
        const Cpp_ProfileLine* line = lines.ProfileLineAt(i);
        pairs.emplace_back(line->GetNumber(), line->GetMaterialNumber());
    }
    // Profile lines find their materials by number, so nothing needs linking afterwards.
    const bool ok = RunDialogCommand(MaterialGridDialogSlot(), [&] {
        return dataSet.MaterialData().GetMaterialList().EditMaterials(
            pairs, Cpp_Kliven4DataSet::CurrentStage());
    });
    if (ok) frame.Doc().SetModifiedFlag(true);
    return ok;
}

bool CopyStage1ToStage2(MainFrame& frame) {
    const bool copied = CopyStage1ToStage2Properties(*Cpp_Kliven4Data::CurrentDataSet(), &frame);
    if (copied) frame.Doc().SetModifiedFlag(true);
    return copied;
}

}  // namespace app
