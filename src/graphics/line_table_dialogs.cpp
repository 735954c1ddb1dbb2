#include "graphics/line_table_dialogs.h"

#include <memory>

namespace {

class CancellingXYLineTable final : public SimpleXYLineGridDialog {
public:
    bool Run(s_XYLineTable&) override { return false; }
};

}  // namespace

DialogSlot<SimpleXYLineGridDialog>& SimpleXYLineGridDialogSlot() {
    static DialogSlot<SimpleXYLineGridDialog> slot("simple x-y line table",
                                                   std::make_unique<CancellingXYLineTable>());
    return slot;
}
