#include "core/dialog_slot.h"

#include <algorithm>

namespace {

std::vector<DialogSlotBase*>& List() {
    static std::vector<DialogSlotBase*> slots;
    return slots;
}

}  // namespace

DialogSlotBase::DialogSlotBase(std::string name) : name_(std::move(name)) {
    List().push_back(this);
}

DialogSlotBase::~DialogSlotBase() {
    auto& slots = List();
    slots.erase(std::remove(slots.begin(), slots.end(), this), slots.end());
}

const std::vector<DialogSlotBase*>& DialogSlots() { return List(); }

void ResetDialogSlots() {
    for (DialogSlotBase* slot : List()) slot->Reset();
}

bool RunDialogCommand(const DialogSlotBase& slot, const std::function<bool()>& run) {
    return slot.IsRegistered() && run();
}
