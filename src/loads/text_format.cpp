#include "loads/text_format.h"

#include <cstdarg>
#include <cstdio>
#include <vector>

namespace loads {
namespace {
void AppendV(std::string& out, const char* format, std::va_list args) {
    std::va_list copy;
    va_copy(copy, args);
    char small[256];
    const int n = std::vsnprintf(small, sizeof small, format, copy);
    va_end(copy);
    if (n < 0) return;
    if (static_cast<size_t>(n) < sizeof small) {
        out.append(small, static_cast<size_t>(n));
        return;
    }
    std::vector<char> big(static_cast<size_t>(n) + 1);
    std::vsnprintf(big.data(), big.size(), format, args);
    out.append(big.data(), static_cast<size_t>(n));
}
}  // namespace

void AppendFormat(std::string& out, const char* format, ...) {
    std::va_list args;
    va_start(args, format);
    AppendV(out, format, args);
    va_end(args);
}

std::string Format(const char* format, ...) {
    std::string out;
    std::va_list args;
    va_start(args, format);
    AppendV(out, format, args);
    va_end(args);
    return out;
}

}  // namespace loads
