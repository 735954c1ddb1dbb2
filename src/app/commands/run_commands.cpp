// The Run menu: the computation program on the computation input, and the result-graphics
// program.

#include "app/commands/run_commands.h"

#include "app/commands/command_table.h"
#include "app/launcher.h"
#include "app/main_frame.h"
#include "core/file_io.h"
#include "core/message_boxes.h"
#include "model/writer.h"
#include "platform/services.h"

namespace fs = std::filesystem;

namespace app {

bool WriteKlivenDataFile(MainFrame& frame, bool ask) {
    fs::path name = Cpp_FileIO::GetComputationInputFileName();
    if (name.empty()) ask = true;
    if (!WriteComputationInputFile(&frame, name, ask)) return false;
    Cpp_FileIO::SetComputationInputFileName(name);
    platform::Services().StatusLine().SetText("Wrote " + name.string());
    return true;
}

namespace {

void RunKliven(MainFrame& frame) {
    if (WriteKlivenDataFile(frame, false)) {
        LaunchComputationProgram(&frame, Cpp_FileIO::GetComputationInputFileName());
        return;
    }
    if (AskYesNo(&frame, "Error",
                 "Unable to create KLIVEN data file.  Would you like to look for an existing "
                 "KLIVEN data file?"))
        PickExistingInputFileAndRun(&frame);
}

}  // namespace

void AddRunCommands(CommandTable& table) {
    table.Add(ID_RUN_KLIVEN, RunKliven);
    table.Add(ID_RUN_VISTREL, [](MainFrame& f) { LaunchGraphicsProgram(&f); });
}

}  // namespace app
