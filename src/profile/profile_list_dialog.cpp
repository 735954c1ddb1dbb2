#include "profile/profile_list_dialog.h"

#include "profile/profile_line.h"

#include <memory>

namespace {
class CancellingProfileList final : public ProfileLineListDialog {
public:
    bool Run(std::vector<s_ProfileLineCopy>&) override { return false; }
};
}  // namespace

DialogSlot<ProfileLineListDialog>& ProfileLineListDialogSlot() {
    static DialogSlot<ProfileLineListDialog> slot("profile line list dialog",
                                                  std::make_unique<CancellingProfileList>());
    return slot;
}

bool Cpp_ProfileLineList::EditWithInputDialog() {
    std::vector<s_ProfileLineCopy> copies;
    for (int i = 0; i < Count(); ++i) {
        const Cpp_ProfileLine* line = ProfileLineAt(i);
        s_ProfileLineCopy copy;
        copy.number = line->GetNumber();
        copy.material = line->GetMaterialNumber();
        copy.description = line->Description();
        line->CopyToXYArray(copy.points);
        copies.push_back(std::move(copy));
    }
    if (!ProfileLineListDialogSlot().Get().Run(copies)) return false;
    DeleteAllLines();
    for (const s_ProfileLineCopy& copy : copies) {
        Cpp_ProfileLine* line = CreateLine(copy.number, copy.material, copy.description);
        for (const s_tagTypePointXY& p : copy.points) line->AddPoint(p.x, p.y);
    }
    return true;
}
