#include "core/number_text.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>

namespace {

// Longer precisions than this go to printf (the digits of 1e308 with them still fit the buffer).
constexpr int kMaxFastPrecision = 120;
constexpr std::size_t kBufferSize = 512;

// The field around the characters of a number: body is what std::to_chars wrote (a '-' first for
// a negative value, negative zero and a negative NaN as printf writes them).
void PlaceNumber(std::string& out, const char* body, std::size_t n, const s_FieldFormat& field,
                 bool zeroPaddable) {
    char sign = 0;
    if (n > 0 && body[0] == '-') {
        sign = '-';
        ++body;
        --n;
    } else if (field.plus) {
        sign = '+';
    } else if (field.space) {
        sign = ' ';
    }
    const std::size_t length = n + (sign ? 1 : 0);
    const std::size_t width = field.width > 0 ? static_cast<std::size_t>(field.width) : 0;
    const std::size_t pad = width > length ? width - length : 0;
    if (field.left) {
        if (sign) out.push_back(sign);
        out.append(body, n);
        out.append(pad, ' ');
    } else if (field.zero && zeroPaddable) {
        if (sign) out.push_back(sign);
        out.append(pad, '0');
        out.append(body, n);
    } else {
        out.append(pad, ' ');
        if (sign) out.push_back(sign);
        out.append(body, n);
    }
}

#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat-nonliteral"
// printf itself, for what the fast path does not take.
void AppendWithPrintf(std::string& out, double value, char conversion, const s_FieldFormat& field) {
    char format[48];
    std::snprintf(format, sizeof format, "%%%s%s%s%s*.*%c", field.left ? "-" : "",
                  field.plus ? "+" : "", field.space ? " " : "", field.zero ? "0" : "", conversion);
    const int n = std::snprintf(nullptr, 0, format, field.width, field.precision, value);
    if (n <= 0) return;
    const std::size_t start = out.size();
    out.resize(start + static_cast<std::size_t>(n) + 1);
    std::snprintf(out.data() + start, static_cast<std::size_t>(n) + 1, format, field.width,
                  field.precision, value);
    out.resize(start + static_cast<std::size_t>(n));
}
#pragma GCC diagnostic pop

}  // namespace

bool AppendDouble(std::string& out, double value, char conversion, const s_FieldFormat& field) {
    std::chars_format kind;
    switch (conversion) {
    case 'f': kind = std::chars_format::fixed; break;
    case 'e': kind = std::chars_format::scientific; break;
    case 'g': kind = std::chars_format::general; break;
    default: return false;
    }
    int precision = field.precision < 0 ? 6 : field.precision;
    if (conversion == 'g' && precision == 0) precision = 1;
    if (precision > kMaxFastPrecision) {
        s_FieldFormat exact = field;
        exact.precision = precision;
        AppendWithPrintf(out, value, conversion, exact);
        return true;
    }
    char buffer[kBufferSize];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value, kind, precision);
    if (ec != std::errc()) {
        s_FieldFormat exact = field;
        exact.precision = precision;
        AppendWithPrintf(out, value, conversion, exact);
        return true;
    }
    PlaceNumber(out, buffer, static_cast<std::size_t>(end - buffer), field, std::isfinite(value));
    return true;
}

void AppendSigned(std::string& out, long long value, const s_FieldFormat& field) {
    char buffer[32];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
    (void)ec;
    PlaceNumber(out, buffer, static_cast<std::size_t>(end - buffer), field, true);
}

void AppendUnsigned(std::string& out, unsigned long long value, const s_FieldFormat& field) {
    char buffer[32];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
    (void)ec;
    s_FieldFormat unsignedSpec = field;
    unsignedSpec.plus = unsignedSpec.space = false;  // printf's 'u' has no sign
    PlaceNumber(out, buffer, static_cast<std::size_t>(end - buffer), unsignedSpec, true);
}

void AppendPadded(std::string& out, const char* text, std::size_t length,
                  const s_FieldFormat& field) {
    if (field.precision >= 0 && static_cast<std::size_t>(field.precision) < length)
        length = static_cast<std::size_t>(field.precision);
    const std::size_t width = field.width > 0 ? static_cast<std::size_t>(field.width) : 0;
    const std::size_t pad = width > length ? width - length : 0;
    if (!field.left) out.append(pad, ' ');
    out.append(text, length);
    if (field.left) out.append(pad, ' ');
}

namespace {

// Width and precision as printf reads them from '*' arguments: a negative width is the '-' flag
// with the magnitude, a negative precision is no precision.
s_FieldFormat StarSpec(int width, int precision) {
    s_FieldFormat field;
    if (width < 0) {
        field.left = true;
        field.width = width == -2147483647 - 1 ? 0 : -width;
    } else {
        field.width = width;
    }
    field.precision = precision < 0 ? -1 : precision;
    return field;
}

}  // namespace

void AppendFixed(std::string& out, double value, int width, int decimals) {
    AppendDouble(out, value, 'f', StarSpec(width, decimals));
}

void AppendExponential(std::string& out, double value, int width, int decimals) {
    AppendDouble(out, value, 'e', StarSpec(width, decimals));
}

void AppendGeneral(std::string& out, double value, int width, int precision) {
    AppendDouble(out, value, 'g', StarSpec(width, precision));
}

void AppendInteger(std::string& out, long long value, int width) {
    AppendSigned(out, value, StarSpec(width, -1));
}
