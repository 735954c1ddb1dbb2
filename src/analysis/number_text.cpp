#include "analysis/number_text.h"

#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <numbers>

namespace analysis_text {

namespace {

std::string Format(const char* conversion, int width, int decimals, double value) {
    char format[32];
    std::snprintf(format, sizeof format, "%%%d.%d%s", width, decimals, conversion);
    char buffer[512];
    std::snprintf(buffer, sizeof buffer, format, value);
    return buffer;
}

}  // namespace

std::string Fixed(double value, int width, int decimals) {
    if (decimals < 0) decimals = 0;
    if (decimals > 30) decimals = 30;
    return Format("f", width, decimals, value);
}

std::string Exponential(double value, int width, int decimals) {
    if (decimals < 0) decimals = 0;
    if (decimals > 30) decimals = 30;
    return Format("e", width, decimals, value);
}

std::string Integer(long value, int width) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%*ld", width, value);
    return buffer;
}

int DecimalsToKeep(double value, int minDecimals) {
    int d = minDecimals < 0 ? 0 : minDecimals;
    if (!std::isfinite(value)) return d;
    for (; d < 20; ++d) {
        const std::string text = Fixed(value, 1, d);
        if (std::strtod(text.c_str(), nullptr) == value) return d;
    }
    return 20;
}

std::string Exact(double value, int minDecimals) {
    return Fixed(value, 1, DecimalsToKeep(value, minDecimals));
}

std::string ExactExponential(double value, int minDecimals) {
    int d = minDecimals < 0 ? 0 : minDecimals;
    for (; d < 17; ++d) {
        std::string text = Exponential(value, 1, d);
        if (!std::isfinite(value) || std::strtod(text.c_str(), nullptr) == value) return text;
    }
    return Exponential(value, 1, 17);
}

double DegreesToRadians(double degrees) { return degrees * (std::numbers::pi / 180.0); }
double RadiansToDegrees(double radians) { return radians * (180.0 / std::numbers::pi); }

std::string ExactDegrees(double radians, int width, int minDecimals) {
    const double degrees = RadiansToDegrees(radians);
    int d = minDecimals < 0 ? 0 : minDecimals;
    for (; d < 20; ++d) {
        std::string text = Fixed(degrees, width, d);
        if (!std::isfinite(radians) ||
            DegreesToRadians(std::strtod(text.c_str(), nullptr)) == radians)
            return text;
    }
    return Fixed(degrees, width, 20);
}

int DecimalsForSmallValue(double value, int decimals, int maxDecimals) {
    double integral = 0.0;
    const double fraction = std::fabs(std::modf(value, &integral));
    if (fraction > 0.0 && std::isfinite(fraction)) {
        const int needed = static_cast<int>(std::ceil(-std::log10(fraction)));
        if (needed > decimals) return needed < maxDecimals ? needed : maxDecimals;
    }
    return decimals;
}

}  // namespace analysis_text

namespace analysis_convert {

bool ToInt(double value, int& result) {
    if (!std::isfinite(value)) return false;
    const double t = std::trunc(value);
    if (t < static_cast<double>(INT_MIN) || t > static_cast<double>(INT_MAX)) return false;
    result = static_cast<int>(t);
    return true;
}

}  // namespace analysis_convert
