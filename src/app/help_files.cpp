#include "app/help_files.h"

#include "core/file_io.h"
#include "core/message_boxes.h"
#include "platform/services.h"

namespace fs = std::filesystem;

namespace app {

namespace {
fs::path mainHelp;
fs::path errorHelp;
}  // namespace

bool SetHelpFileNames(const fs::path& directory, const std::string& mainName,
                      const std::string& errorName) {
    auto join = [&](const std::string& name) {
        if (name.empty()) return fs::path();
        return directory.empty() ? fs::path(name) : directory / name;
    };
    mainHelp = join(mainName);
    errorHelp = join(errorName);
    return true;
}

bool OpenHelpFile() {
    if (mainHelp.empty()) return false;
    if (platform::Services().Help().ShowHelp(mainHelp, "")) return true;
    ShowErrorMessage("Cannot find Help",
                     "Cannot find the following help file: " + mainHelp.string());
    return false;
}

}  // namespace app
