#pragma once
// The file named on the command line ("dravonet [FILE]"), opened once the window is up.

#include <filesystem>
#include <string>
#include <vector>

namespace app {

// The file named on the command line; empty when none was given.
const std::filesystem::path& CommandLineFile();
void SetCommandLineFile(const std::filesystem::path& file);

// Takes the file name from the program's arguments (the first one is the program): the first
// argument that is not an option; "--" ends the options. Made absolute against the current
// folder. Answers the arguments it did not understand (reported, never fatal).
std::vector<std::string> ParseCommandLine(const std::vector<std::string>& arguments);

}  // namespace app
