#include "app/guarded_call.h"

#include "app/exception_report.h"
#include "platform/services.h"

#include <cstdio>

namespace app {

void ReportException(const char* where, const std::string& text) noexcept {
    try {
        const std::string line = std::string(where ? where : "?") + ": " + text;
        std::fprintf(stderr, "dravonet: %s\n", line.c_str());
        std::fflush(stderr);
        platform::Services().StatusLine().SetText(text);
    } catch (...) {
        // Reporting must never throw out of an entry point.
    }
}

namespace detail {

void ReportCurrentException(const char* where) noexcept { ReportEntryPointException(where); }

}  // namespace detail

}  // namespace app
