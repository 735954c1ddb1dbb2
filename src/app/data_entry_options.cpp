#include "app/data_entry_options.h"

#include "core/tool_option_dialogs.h"
#include "graphics/data_entry_options.h"

namespace app {

bool EditDataEntryOptions() {
    s_DataEntryOptions options;
    options.rubberBandLines = RubberBandLinesOption() != 0;
    if (!ToolOptionDialogsSlot().Get().DataEntry(options)) return false;
    RubberBandLinesOption() = options.rubberBandLines ? 1 : 0;
    return true;
}

}  // namespace app
