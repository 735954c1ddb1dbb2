#pragma once
// The help files of the program, in the program's folder: the main help opened by the help
// commands, and the error help recorded beside it.

#include <filesystem>
#include <string>

namespace app {

bool SetHelpFileNames(const std::filesystem::path& directory, const std::string& mainName,
                      const std::string& errorName);
// Opens the main help; an empty path does nothing (false); a file that cannot be shown is
// reported with its path.
bool OpenHelpFile();

}  // namespace app
