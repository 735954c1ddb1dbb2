#include "core/tool_option_dialogs.h"

#include <memory>

DialogSlot<ToolOptionDialogs>& ToolOptionDialogsSlot() {
    static DialogSlot<ToolOptionDialogs> slot("tool option dialogs",
                                              std::make_unique<ToolOptionDialogs>());
    return slot;
}
