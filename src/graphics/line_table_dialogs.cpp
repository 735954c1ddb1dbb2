#include "graphics/line_table_dialogs.h"

#include <memory>

namespace {

class CancellingXYLineTable final : public SimpleXYLineGridDialog {
public:
    bool Run(s_XYLineTable&) override { return false; }
};

class CancellingLineFamilyTable final : public LineFamilyGridDialog {
public:
    bool Run(s_LineFamilyTable&) override { return false; }
};

}  // namespace

DialogSlot<LineFamilyGridDialog>& LineFamilyGridDialogSlot() {
    static DialogSlot<LineFamilyGridDialog> slot("line family table",
                                                 std::make_unique<CancellingLineFamilyTable>());
    return slot;
}

DialogSlot<SimpleXYLineGridDialog>& SimpleXYLineGridDialogSlot() {
    static DialogSlot<SimpleXYLineGridDialog> slot("simple x-y line table",
                                                   std::make_unique<CancellingXYLineTable>());
    return slot;
}
