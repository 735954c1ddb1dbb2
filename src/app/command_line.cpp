#include "app/command_line.h"

#include <system_error>

namespace app {

namespace {
std::filesystem::path& File() {
    static std::filesystem::path file;
    return file;
}
}  // namespace

const std::filesystem::path& CommandLineFile() { return File(); }

void SetCommandLineFile(const std::filesystem::path& file) { File() = file; }

std::vector<std::string> ParseCommandLine(const std::vector<std::string>& arguments) {
    std::vector<std::string> ignored;
    bool options = true;
    File().clear();
    for (std::size_t i = 1; i < arguments.size(); ++i) {
        const std::string& a = arguments[i];
        if (options && a == "--") {
            options = false;
            continue;
        }
        if ((options && a.size() > 1 && a[0] == '-') || !File().empty() || a.empty()) {
            ignored.push_back(a);
            continue;
        }
        std::error_code ec;
        std::filesystem::path absolute = std::filesystem::absolute(a, ec);
        File() = ec ? std::filesystem::path(a) : absolute.lexically_normal();
    }
    return ignored;
}

}  // namespace app
