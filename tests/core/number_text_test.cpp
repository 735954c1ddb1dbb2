// The number formatter against the C library's printf: every case is formatted both ways and
// must give the same characters.

#include "core/number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <limits>
#include <string>
#include <vector>

#include "core/format_text.h"
#include "core/text_formats.h"

namespace {

#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat-nonliteral"
std::string Printf(const char* format, double value, int width, int precision) {
    char buffer[2048];
    std::snprintf(buffer, sizeof buffer, format, width, precision, value);
    return buffer;
}
#pragma GCC diagnostic pop

const double kInfinity = std::numeric_limits<double>::infinity();
const double kNaN = std::numeric_limits<double>::quiet_NaN();

// Values whose rounding or spelling printf gets in a way of its own: exact halves (ties go to
// the even digit of the exact binary value), values just beside a half, negative zero and
// values that round to it, carries through every digit, huge, tiny and subnormal values.
const std::vector<double> kHardValues = {0.0,
                                         -0.0,
                                         0.5,
                                         1.5,
                                         2.5,
                                         -2.5,
                                         0.125,
                                         0.375,
                                         1.005,
                                         2.675,
                                         1.0049999999,
                                         0.045,
                                         -0.0004,
                                         -0.00049,
                                         9.9995,
                                         99999.9995,
                                         0.9999999,
                                         -0.9999999,
                                         123.456,
                                         -987.654321,
                                         1e-7,
                                         4.9e-324,
                                         2.2250738585072014e-308,
                                         1e15,
                                         1e16,
                                         123456789012345678.0,
                                         1e21,
                                         1.7976931348623157e308,
                                         -1e300,
                                         62.4,
                                         1123.2,
                                         0.1,
                                         0.2,
                                         0.3,
                                         1e-300,
                                         5e-5,
                                         5e-6,
                                         -5e-7,
                                         kInfinity,
                                         -kInfinity,
                                         kNaN,
                                         -kNaN};

struct s_Shape {
    int width;
    int precision;
};
// The widths and decimals the writers and the listing use, and the odd ones of '*' arguments.
const std::vector<s_Shape> kShapes = {{1, 0},  {1, 2},  {1, 3},   {1, 6},   {5, 1},   {8, 3},
                                      {10, 2}, {12, 4}, {15, 6},  {15, 1},  {20, 10}, {20, 6},
                                      {0, 0},  {3, 12}, {-12, 3}, {10, -1}, {1, 17},  {1, 200}};

TEST(NumberText, FixedExponentialAndGeneralAreThoseOfPrintf) {
    for (double value : kHardValues)
        for (const s_Shape& shape : kShapes) {
            SCOPED_TRACE(testing::Message()
                         << value << " width " << shape.width << " precision " << shape.precision);
            std::string fixed, exponential, general;
            AppendFixed(fixed, value, shape.width, shape.precision);
            AppendExponential(exponential, value, shape.width, shape.precision);
            AppendGeneral(general, value, shape.width, shape.precision);
            EXPECT_EQ(fixed, Printf("%*.*f", value, shape.width, shape.precision));
            EXPECT_EQ(exponential, Printf("%*.*e", value, shape.width, shape.precision));
            EXPECT_EQ(general, Printf("%*.*g", value, shape.width, shape.precision));
        }
}

TEST(NumberText, AppendsAfterWhatTheTextHolds) {
    std::string line = "x";
    AppendFixed(line, -1.25, 8, 1);
    AppendExponential(line, 62.4, 12, 3);
    AppendInteger(line, -42, 5);
    AppendInteger(line, 7, -3);
    EXPECT_EQ(line, "x    -1.2   6.240e+01  -427  ");
}

TEST(NumberText, IntegersAreThoseOfPrintf) {
    const std::vector<long long> values = {0,
                                           1,
                                           -1,
                                           42,
                                           -42,
                                           2147483647,
                                           -2147483647 - 1,
                                           9223372036854775807LL,
                                           -9223372036854775807LL - 1};
    for (long long value : values)
        for (int width : {0, 1, 5, 10, 25, -6}) {
            std::string text;
            AppendInteger(text, value, width);
            char expected[64];
            std::snprintf(expected, sizeof expected, "%*lld", width, value);
            EXPECT_EQ(text, expected) << value << " width " << width;
        }
}

// FormatText reads its format itself for the conversions the program uses and leaves the rest to
// vsnprintf; either way the text is printf's.
TEST(FormatText, EveryConversionTheProgramUsesReadsAsPrintf) {
    struct s_Case {
        std::string got;
        const char* expected;
    };
    char buffer[512];
    auto printf = [&](auto... args) {
        std::snprintf(buffer, sizeof buffer, args...);
        return std::string(buffer);
    };
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat-security"
#pragma GCC diagnostic ignored "-Wformat-nonliteral"
#define SAME(...) EXPECT_EQ(FormatText(__VA_ARGS__), printf(__VA_ARGS__)) << #__VA_ARGS__
    SAME("%1d and %1ld", 7, -12L);
    SAME("%d|%5d|%-5d|%05d|%+d|% d|%+05d", -3, 42, 42, -42, 0, 9, 3);
    SAME("%1.2f %1.3f %1.4f %1.6f", 1.005, -0.0005, 2.5, 62.4);
    SAME("%.*f|%20.*f|%10.*f|%*.*f|%1.*f", 3, 2.675, 6, -1e-9, 1, 0.05, 9, 2, 1.125, 0, 0.5);
    SAME("%20.*e|%1.6e|%e|%E", 10, 6.02e23, -0.0, 1e-310, 12.5);
    SAME("%g|%.3g|%10.4g|%g|%g|%-9.0g|", 100000.0, 0.0001234, 123456.0, 1e-5, 1e6, 0.5);
    SAME("%s|%10s|%-10s|%.3s|%5.1s|%c|%3c|%-3c|", "abc", "right", "left", "cut", "xy", 'q', 'r',
         's');
    SAME("%zu %hd %hhd %lld %llu %u %i", static_cast<size_t>(123), 70000, 300, -5LL, 5ULL,
         4000000000U, -8);
    SAME("%5.3d|%.0d|%-6.2d|%+.4d|%3.0u|%.3u|", 7, 0, -3, 12, 0U, 5U);
    SAME("%08.3f|%-8.3f|%+.2e|% .1f|%lf", -1.5, 1.5, 3.0, 2.0, 0.25);
    SAME("%x and %#g, %5.1f", 255, 1.5, 2.25);  // not read here: vsnprintf's text
    SAME("100%% done, %3d%%", 50);
    SAME("%010.2f|%010f|%-+8.1f|%+f|% f", kInfinity, -kNaN, kInfinity, kNaN, -kInfinity);
    SAME("TABLE NO. %ld.%ld\n", 3L, 12L);
#undef SAME
#pragma GCC diagnostic pop
}

// The number formats built at run time ("%15.6f", "%10ld", ...) give printf's text, as do the
// formats that have more in them than one number.
TEST(FormatText, FormatsBuiltAtRunTimeReadAsPrintf) {
    for (int kind : {1, 2})
        for (double value : kHardValues)
            for (const s_Shape& shape : kShapes) {
                if (shape.width < 0 || shape.precision < 0) continue;
                std::string format;
                ASSERT_TRUE(
                    Cpp_Strings::MakeNumberFormat(kind, shape.width, shape.precision, format));
                char expected[2048];
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat-nonliteral"
                std::snprintf(expected, sizeof expected, format.c_str(), value);
#pragma GCC diagnostic pop
                EXPECT_EQ(FormatDynamic(format, value), expected) << format << " " << value;
            }
    std::string format;
    ASSERT_TRUE(Cpp_Strings::MakeNumberFormat(4, 10, 0, format));
    EXPECT_EQ(FormatDynamicLong(format, -1234567L), "  -1234567");
    ASSERT_TRUE(Cpp_Strings::MakeNumberFormat(3, 6, 0, format));
    EXPECT_EQ(FormatDynamicLong(format, 42L), "    42");
    ASSERT_TRUE(Cpp_Strings::MakeNumberFormat(5, 8, 0, format));
    EXPECT_EQ(FormatDynamicText(format, "abc"), "     abc");
    EXPECT_EQ(FormatDynamic("x = %8.2f m", 3.14159), "x =     3.14 m");
    EXPECT_EQ(FormatDynamic("%#8.1f", 3.0), "     3.0");
    EXPECT_EQ(FormatDynamic("", 3.0), "");
}

}  // namespace
