#pragma once
// Starting the computation program ("kliven4") on the computation-input file and the
// result-graphics program ("vistrel4") on the graphics exchange file of the last computation.
// Each program has at most one run the pre-processor knows of: starting it again first ends a
// run still going. A program is looked for in the "KLIVEN and Vistrel Directory" of the
// preferences, then in the pre-processor's own folder, then on the PATH; when it is not found
// (or "Locate KLIVEN and Vistrel at Runtime" is on) the user may point to it.
//
// The data file reaches the program as its one argument, whole, blanks included. The
// pre-processor's own current folder is never the programs folder: the program runs in the
// folder of its data file (kliven4) or its own folder (vistrel4).

#include "core/message_boxes.h"

#include <filesystem>
#include <string>

namespace app {

inline constexpr const char* kComputationProgram = "kliven4";
inline constexpr const char* kGraphicsProgram = "vistrel4";

// The open-file dialog of the launching routines: kind 0 input files, 1 graphics exchange
// files, 2 and 3 programs; another kind shows nothing. path is the initial name and receives
// the choice; false on Cancel.
bool FindFileDialog(WindowHandle parent, const std::string& title,
                    const std::filesystem::path& initialFolder, std::filesystem::path& path,
                    int kind);

// The program's file: in the stored programs directory, beside the pre-processor, or on the
// PATH; empty when none is an executable file.
std::filesystem::path FindProgram(const std::string& name);

bool LaunchComputationProgram(WindowHandle parent, std::filesystem::path input);
bool LaunchGraphicsProgram(WindowHandle parent);
// After writing the computation input failed: choose an existing input file and run it.
bool PickExistingInputFileAndRun(WindowHandle parent);

// The graphics exchange file recorded by the last computation start (empty before).
const std::filesystem::path& GraphicsExchangeFile();
// Forgets the runs and the recorded names; runs still going are left to run (tests).
void ResetLaunchState();

}  // namespace app
