#pragma once
// printf-style formatting into a std::string of any length. The format attribute lets the
// compiler check every argument against its placeholder (-Wformat), so a message text with a
// placeholder always gets a value of the right type.
//
//     std::string s = FormatText("Duplicate points for profile line number: %1ld", number);

#include <cstdarg>
#include <string>

std::string FormatText(const char* format, ...) __attribute__((format(printf, 1, 2)));
std::string FormatTextV(const char* format, std::va_list args);
// For formats built at run time (Cpp_Strings::MakeNumberFormat): no compile-time check, so only
// use formats of that builder with the matching argument type.
std::string FormatDynamic(const std::string& format, double value);
std::string FormatDynamicLong(const std::string& format, long value);
std::string FormatDynamicText(const std::string& format, const std::string& value);

// A number of a written block in its fixed-width field ("%15.3f"): a field that begins with a
// blank is returned as it is, one that the value fills or overflows gets one blank in front, so
// the numbers of a line never run together and read back as the same numbers.
//
//     out += SeparatedField(FormatText("%15.*f", decimals, x));
std::string SeparatedField(std::string field);
