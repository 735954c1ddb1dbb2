#pragma once
// Help files opened with the desktop's viewer for their kind.

#include "platform/help.h"

namespace platform::qt {

class QtHelp final : public HelpService {
public:
    bool ShowHelp(const std::filesystem::path& helpFile, const std::string& topic) override;
};

}  // namespace platform::qt
