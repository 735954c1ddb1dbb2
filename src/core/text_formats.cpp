#include "core/text_formats.h"

#include <cstdio>
#include <ctime>
#include <optional>

#include "core/format_text.h"
#include "core/text_exception.h"
#include "platform/device_context.h"

bool Cpp_Strings::MakeNumberFormat(int kind, int width, int decimals, std::string& out) {
    out.clear();
    std::string format;
    switch (kind) {
    case 1: format = FormatText("%s%d.%d%s", "%", width, decimals, "f"); break;
    case 2: format = FormatText("%s%d.%d%s", "%", width, decimals, "e"); break;
    case 3: format = FormatText("%s%1d%s", "%", width, "d"); break;
    case 4: format = FormatText("%s%1d%s", "%", width, "ld"); break;
    case 5: format = FormatText("%s%1d%s", "%", width, "s"); break;
    default: return false;
    }
    if (format.size() >= 40) return false;
    out = format;
    return true;
}

std::string Cpp_Strings::FormatNumber(double x, int width, int decimals) {
    std::string format;
    if (!MakeNumberFormat(1, width, decimals, format)) return {};
    return FormatDynamic(format, x);
}

std::string Cpp_Strings::FormatFixed(double x, int decimals, bool removeTrailingZeros) {
    if (decimals < 0) decimals = 0;
    std::string text = FormatText("%.*f", decimals, x);
    if (removeTrailingZeros) {
        size_t point = text.find('.');
        if (point != std::string::npos) {
            size_t last = text.find_last_not_of('0');
            if (last == point) last = point - 1;  // no non-zero digit after the point
            text.erase(last + 1);
        }
        if (text.empty() || text == "-") text = "0";
    }
    return text;
}

bool Cpp_Strings::SkipWords(std::string& line, int count) {
    size_t i = 0;
    while (i < line.size() && line[i] == ' ') ++i;
    if (line.empty()) return false;
    const size_t last = line.size() - 1;
    int words = 0;
    bool inWord = true;
    for (; i < last; ++i) {
        char c = line[i];
        if (inWord) {
            if (c == ' ' || c == '\t') {
                inWord = false;
                if (++words >= count) {
                    line.erase(0, i + 1);
                    return true;
                }
            }
        } else if (c != ' ') {
            inWord = true;
        }
    }
    line.erase(0, std::min(i, last));
    return false;
}

void Cpp_Strings::TrimLeadingBlanks(std::string& line) {
    size_t i = line.find_first_not_of(' ');
    line.erase(0, i == std::string::npos ? line.size() : i);
}

// The project's version as four numbers, cut to 10 characters.
std::string GetProgramVersionText() {
    static const std::string text = [] {
        char buffer[64];
        std::snprintf(buffer, sizeof buffer, "%1d.%1d.%1d.%1d", DRAVONET_VERSION_MAJOR,
                      DRAVONET_VERSION_MINOR, DRAVONET_VERSION_PATCH, DRAVONET_VERSION_TWEAK);
        return std::string(buffer).substr(0, 10);
    }();
    return text;
}

namespace {
std::optional<std::string>& RunTime() {
    static std::optional<std::string> text;
    return text;
}
}  // namespace

std::string GetRunTimeText() {
    auto& text = RunTime();
    if (!text) {
        std::time_t now = std::time(nullptr);
        std::tm local{};
        localtime_r(&now, &local);
        char buffer[64];
        std::strftime(buffer, sizeof buffer, "%Y-%m-%d %H:%M:%S", &local);
        text = buffer;
    }
    return *text;
}

void SetRunTimeText(const std::string& text) { RunTime() = text; }
