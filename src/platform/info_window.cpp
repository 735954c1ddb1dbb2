#include "platform/info_window.h"

#include <clocale>
#include <cmath>
#include <cstdio>
#include <locale>
#include <sstream>
#include <vector>

namespace platform {

namespace {

// The format must hold exactly one conversion of the expected kind; anything else is not
// handed to printf (a bad format from a caller must never read past the arguments).
bool SafeFormat(const std::string& format, const char* allowed) {
    int conversions = 0;
    for (std::size_t i = 0; i < format.size(); ++i) {
        if (format[i] != '%') continue;
        if (i + 1 < format.size() && format[i + 1] == '%') {
            ++i;
            continue;
        }
        std::size_t j = i + 1;
        while (j < format.size() &&
               std::string("-+ #0123456789.").find(format[j]) != std::string::npos)
            ++j;
        if (j >= format.size() || std::string(allowed).find(format[j]) == std::string::npos)
            return false;
        ++conversions;
        i = j;
    }
    return conversions == 1;
}

template <typename T>
std::string Format(const std::string& format, T value, const char* allowed) {
    if (!SafeFormat(format, allowed)) {
        std::ostringstream out;
        out.imbue(std::locale::classic());
        out << value;
        return out.str();
    }
    std::vector<char> buffer(64);
    for (;;) {
        int n = std::snprintf(buffer.data(), buffer.size(), format.c_str(), value);
        if (n < 0) return {};
        if (static_cast<std::size_t>(n) < buffer.size()) break;
        buffer.resize(static_cast<std::size_t>(n) + 1);
    }
    std::string text(buffer.data());
    // snprintf follows LC_NUMERIC; the program keeps it at "C", but a library that switched it
    // must not put commas into our numbers.
    const char* point = std::localeconv()->decimal_point;
    if (point && std::string(point) != ".") {
        std::string p(point);
        for (std::size_t at = text.find(p); at != std::string::npos; at = text.find(p, at + 1))
            text.replace(at, p.size(), ".");
    }
    return text;
}

}  // namespace

std::string FormatNumber(const std::string& format, double value) {
    return Format(format, value, "fFeEgG");
}

std::string FormatNumber(const std::string& format, int value) {
    return Format(format, value, "dixX");
}

InfoItem InfoWindowService::AddText(InfoItem parent, const std::string& text) {
    return AddItem(parent, std::string(), text);
}

InfoItem InfoWindowService::AddInteger(InfoItem parent, const std::string& label, int value,
                                       const std::string& format) {
    return AddItem(parent, label, FormatNumber(format, value));
}

InfoItem InfoWindowService::AddReal(InfoItem parent, const std::string& label, double value,
                                    const std::string& format) {
    return AddItem(parent, label, FormatNumber(format, value));
}

InfoItem InfoWindowService::AddLengthAndSlopeOfSegment(InfoItem parent, double x1, double y1,
                                                       double x2, double y2,
                                                       const std::string& coordinateFormat,
                                                       const std::string& lengthFormat,
                                                       const std::string& angleFormat,
                                                       bool showSlope) {
    const double dx = x2 - x1;
    const double dy = y2 - y1;
    std::string text =
        "(" + FormatNumber(coordinateFormat, x1) + ", " + FormatNumber(coordinateFormat, y1) +
        ") to (" + FormatNumber(coordinateFormat, x2) + ", " + FormatNumber(coordinateFormat, y2) +
        "), length " + FormatNumber(lengthFormat, std::hypot(dx, dy));
    if (showSlope) {
        const double angle = (dx == 0 && dy == 0) ? 0.0 : std::atan2(dy, dx) * 180.0 / M_PI;
        text += ", slope " + FormatNumber(angleFormat, angle) + " deg";
    }
    return AddItem(parent, "Segment", text);
}

}  // namespace platform
