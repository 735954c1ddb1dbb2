// The Help menu and the tool bar's help button.

#include "app/commands/command_table.h"
#include "app/help_files.h"
#include "app/main_frame.h"
#include "platform/services.h"

#include <QMessageBox>

namespace app {

void AddHelpCommands(CommandTable& table) {
    const auto help = [](MainFrame&) {
        if (!OpenHelpFile()) platform::Services().StatusLine().SetText("No help file.");
    };
    table.Add(ID_PREPROCESSOR_HELP, help);
    table.Add(ID_TOOLBAR_HELP, help);
    table.Add(ID_APP_ABOUT, [](MainFrame& f) {
        QMessageBox::about(&f, "About dravonet",
                           "Kliven Preprocessor Version 4.0.0.0\n\nThe pre-processor of the "
                           "KLIVEN slope-stability program.");
    });
}

}  // namespace app
