#include "app/numeric_locale.h"
#include "platform/info_window.h"
#include "support/test_support.h"

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <gtest/gtest.h>
#include <locale>
#include <sstream>

namespace {

struct CommaDecimals : std::numpunct<char> {
    char do_decimal_point() const override { return ','; }
    char do_thousands_sep() const override { return '.'; }
    std::string do_grouping() const override { return "\3"; }
};

std::string Printf(double value) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.2f", value);
    return buffer;
}

std::string Streamed(double value) {
    std::ostringstream out;
    out << value;
    return out.str();
}

// Switches the C library to a comma-decimal locale: an installed one, or one made for the test
// from the system's locale sources. False when neither can be had.
bool UseCommaCLocale(const std::filesystem::path& scratch) {
    for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "nl_NL.UTF-8"})
        if (std::setlocale(LC_ALL, name)) return true;
    if (!std::filesystem::exists("/usr/share/i18n/locales/de_DE")) return false;
    const std::string command =
        "localedef -i de_DE -f UTF-8 '" + (scratch / "de_DE.UTF-8").string() + "' >/dev/null 2>&1";
    if (std::system(command.c_str()) != 0 && !std::filesystem::exists(scratch / "de_DE.UTF-8"))
        return false;
    setenv("LOCPATH", scratch.c_str(), 1);
    return std::setlocale(LC_ALL, "de_DE.UTF-8") != nullptr;
}

TEST(NumericLocale, NumbersKeepTheirPointUnderACommaDecimalLocale) {
    testsupport::TempDir scratch;
    const bool cLocale = UseCommaCLocale(scratch.Path());
    std::locale::global(std::locale(std::locale::classic(), new CommaDecimals));
    if (cLocale) {
        ASSERT_EQ(Printf(1.5), "1,50");  // the locale really is in force
    } else {
        std::fprintf(stderr, "note: no comma-decimal C locale available; C++ streams only\n");
    }
    ASSERT_EQ(Streamed(1234.5), "1.234,5");

    app::UseCNumericLocale();

    EXPECT_EQ(Printf(1.5), "1.50");
    EXPECT_EQ(Streamed(1234.5), "1234.5");
    EXPECT_EQ(platform::FormatNumber("%10.3f", 62.4), "    62.400");
    EXPECT_STREQ(std::setlocale(LC_NUMERIC, nullptr), "C");

    std::locale::global(std::locale::classic());
    std::setlocale(LC_ALL, "C");
    unsetenv("LOCPATH");
}

}  // namespace
