#include "platform/data_errors.h"

#include <fstream>

namespace platform {

std::vector<std::string> ReadErrorLogMessages(const std::filesystem::path& logFile) {
    std::vector<std::string> messages;
    std::ifstream in(logFile, std::ios::binary);
    if (!in) return messages;
    std::string line;
    std::string message;
    bool open = false;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line == "///ENDLOG") {
            messages.push_back(message);
            message.clear();
            open = false;
            continue;
        }
        if (open) message += '\n';
        message += line;
        open = true;
    }
    if (open && message.find_first_not_of(" \t") != std::string::npos) messages.push_back(message);
    return messages;
}

}  // namespace platform
