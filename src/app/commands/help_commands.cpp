// The Help menu and the tool bar's help button.

#include "app/commands/command_table.h"
#include "app/help_files.h"
#include "app/main_frame.h"
#include "dialogs/about_dialog.h"
#include "platform/services.h"

namespace app {

void AddHelpCommands(CommandTable& table) {
    const auto help = [](MainFrame&) {
        if (!OpenHelpFile()) platform::Services().StatusLine().SetText("No help file.");
    };
    table.Add(ID_PREPROCESSOR_HELP, help);
    table.Add(ID_TOOLBAR_HELP, help);
    // F1 and Shift+F1 (help on the frame) open the same help.
    table.Add(ID_HELP, help);
    table.Add(ID_CONTEXT_HELP, help);
    table.Add(ID_APP_ABOUT, [](MainFrame& f) { dialogs::ShowAboutBox(&f); });
}

}  // namespace app
