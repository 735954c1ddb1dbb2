#include "app/guarded_call.h"

#include "core/text_exception.h"
#include "platform/services.h"

#include <cstdio>
#include <exception>
#include <new>

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

void ReportCurrentException(const char* where) noexcept {
    try {
        throw;
    } catch (const Cpp_TextException& e) {
        ReportException(where, e.Text());
    } catch (const std::bad_alloc&) {
        ReportException(where, "Out of memory.");
    } catch (const std::exception& e) {
        ReportException(where, std::string("Unexpected error: ") + e.what());
    } catch (...) {
        ReportException(where, "Unexpected error.");
    }
}

}  // namespace detail

}  // namespace app
