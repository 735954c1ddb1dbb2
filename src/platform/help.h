#pragma once
// Opening a help file (at its start page or at a named topic).

#include <filesystem>
#include <string>

namespace platform {

class HelpService {
public:
    virtual ~HelpService() = default;
    // Shows the file, at the topic when one is given; false when the file cannot be shown
    // (the caller tells the user).
    virtual bool ShowHelp(const std::filesystem::path& helpFile, const std::string& topic) = 0;
};

}  // namespace platform
