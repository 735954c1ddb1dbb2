#include "core/format_text.h"

#include <cstdio>
#include <vector>

std::string FormatTextV(const char* format, std::va_list args) {
    if (format == nullptr) return {};
    char small[256];
    std::va_list copy;
    va_copy(copy, args);
    int n = std::vsnprintf(small, sizeof small, format, copy);
    va_end(copy);
    if (n < 0) return {};
    if (static_cast<size_t>(n) < sizeof small) return std::string(small, static_cast<size_t>(n));
    std::vector<char> big(static_cast<size_t>(n) + 1);
    std::vsnprintf(big.data(), big.size(), format, args);
    return std::string(big.data(), static_cast<size_t>(n));
}

std::string FormatText(const char* format, ...) {
    std::va_list args;
    va_start(args, format);
    std::string s = FormatTextV(format, args);
    va_end(args);
    return s;
}

#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat-nonliteral"
#pragma GCC diagnostic ignored "-Wformat-security"
namespace {
template <typename T>
std::string Dynamic(const std::string& format, T value) {
    if (format.empty()) return {};
    int n = std::snprintf(nullptr, 0, format.c_str(), value);
    if (n < 0) return {};
    std::string s(static_cast<size_t>(n) + 1, '\0');
    std::snprintf(s.data(), s.size(), format.c_str(), value);
    s.resize(static_cast<size_t>(n));
    return s;
}
}  // namespace
#pragma GCC diagnostic pop

std::string FormatDynamic(const std::string& format, double value) {
    return Dynamic(format, value);
}
std::string FormatDynamicLong(const std::string& format, long value) {
    // Kind 4 formats take a long, kind 3 formats an int.
    if (format.find("ld") != std::string::npos) return Dynamic(format, value);
    return Dynamic(format, static_cast<int>(value));
}
std::string FormatDynamicText(const std::string& format, const std::string& value) {
    return Dynamic(format, value.c_str());
}

std::string SeparatedField(std::string field) {
    if (field.empty() || field.front() != ' ') field.insert(field.begin(), ' ');
    return field;
}
