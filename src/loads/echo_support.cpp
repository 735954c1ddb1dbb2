#include "loads/echo_support.h"
#include <algorithm>

namespace loads {

void StartEchoTable(std::FILE* echoFile, long number, char frame,
                    const std::vector<std::string>& titles) {
    if (!echoFile) return;
    size_t width = 0;
    for (const std::string& t : titles) width = std::max(width, t.size());
    std::fprintf(echoFile, "\nTABLE NO. %ld\n", number);
    std::fprintf(echoFile, "%s\n", std::string(width + 4, frame).c_str());
    for (const std::string& t : titles)
        std::fprintf(echoFile, "%c %-*s %c\n", frame, static_cast<int>(width), t.c_str(), frame);
    std::fprintf(echoFile, "%s\n", std::string(width + 4, frame).c_str());
}

void Echo(std::FILE* echoFile, const std::string& text) {
    if (echoFile) std::fputs(text.c_str(), echoFile);
}

}  // namespace loads
