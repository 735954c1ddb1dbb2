#include "dialogs/dialog_fields.h"

#include <charconv>
#include <cmath>

namespace dialogs {

std::optional<double> ParseDoubleField(const QString& text) {
    const std::string s = text.trimmed().toStdString();
    if (s.empty()) return std::nullopt;
    const char* begin = s.data();
    if (*begin == '+') ++begin;
    double value = 0;
    auto [end, ec] = std::from_chars(begin, s.data() + s.size(), value,
                                     std::chars_format::fixed | std::chars_format::scientific);
    if (ec != std::errc() || end != s.data() + s.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<int> ParseIntField(const QString& text) {
    const std::string s = text.trimmed().toStdString();
    if (s.empty()) return std::nullopt;
    const char* begin = s.data();
    if (*begin == '+') ++begin;
    int value = 0;
    auto [end, ec] = std::from_chars(begin, s.data() + s.size(), value);
    if (ec != std::errc() || end != s.data() + s.size()) return std::nullopt;
    return value;
}

QString FormatDoubleField(double value) {
    char buffer[64];
    auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
    if (ec != std::errc()) return QString();
    return QString::fromLatin1(buffer, static_cast<int>(end - buffer));
}

}  // namespace dialogs
