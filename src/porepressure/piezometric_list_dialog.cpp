#include "porepressure/piezometric_list_dialog.h"

#include "core/preferences.h"
#include "porepressure/piezometric_line.h"

#include <memory>

namespace {
class CancellingPiezometricList final : public PiezometricLineListDialog {
public:
    bool Run(int, double, std::vector<s_PiezometricLineCopy>&) override { return false; }
};
}  // namespace

DialogSlot<PiezometricLineListDialog>& PiezometricLineListDialogSlot() {
    static DialogSlot<PiezometricLineListDialog> slot(
        "piezometric line list dialog", std::make_unique<CancellingPiezometricList>());
    return slot;
}

bool Cpp_PiezometricLineList::EditWithInputDialog() {
    std::vector<s_PiezometricLineCopy> copies;
    for (int i = 0; i < Count(); ++i) {
        const Cpp_PiezometricLine* line = PiezometricLineAt(i);
        s_PiezometricLineCopy copy;
        copy.number = line->GetNumber();
        copy.unitWeight = line->UnitWeight();
        copy.description = line->Description();
        line->CopyToXYArray(copy.points);
        copies.push_back(std::move(copy));
    }
    if (!PiezometricLineListDialogSlot().Get().Run(GetStage(),
                                                   Cpp_KlivenSettings::UnitWeightOfWater(), copies))
        return false;
    Clear();
    for (const s_PiezometricLineCopy& copy : copies) {
        Cpp_PiezometricLine* line = CreateLine(copy.number, copy.unitWeight, copy.description);
        for (const s_tagTypePointXY& p : copy.points) line->AddPoint(p.x, p.y);
    }
    return true;
}
