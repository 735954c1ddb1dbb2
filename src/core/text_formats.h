#pragma once
// Text and number formats: the printf formats of every number written to files and the echo
// listing, a fixed-point text conversion, word skipping of "FILE name" lines, text widths and
// the version and run-time texts.
//
//     std::string fmt;
//     if (Cpp_Strings::MakeNumberFormat(1, 20, CurrentOutputSettings().coordinateDecimals, fmt))
//         std::fprintf(file, fmt.c_str(), x);            // or FormatDynamic(fmt, x)
//     Cpp_Strings::FormatFixed(2.5, 3, true)  -> "2.5"
//
// Kinds of MakeNumberFormat: 1 fixed "%W.Df", 2 exponential "%W.De", 3 int "%Wd", 4 long "%Wld",
// 5 string "%Ws". A negative width gives a left-justified format.

#include <string>

namespace platform {
class DeviceContext;
}

class Cpp_Strings {
public:
    // False with an empty format for an unknown kind or a format of 40 characters or more.
    static bool MakeNumberFormat(int kind, int width, int decimals, std::string& out);
    // The value printed with MakeNumberFormat of kind 1.
    static std::string FormatNumber(double x, int width, int decimals);
    // x rounded to the decimals in fixed notation; with removeTrailingZeros the zeros after the
    // last non-zero decimal (and a point left alone) are cut: (4.0, 2, true) -> "4".
    static std::string FormatFixed(double x, int decimals, bool removeTrailingZeros);
    // Skips count words of a line (see input_lines.h for the words); the line becomes the text
    // after the separator of the last skipped word. False, and the line reduced to its last
    // character, when the line ends first.
    static bool SkipWords(std::string& line, int count);
    // Removes leading blanks (not tabs) in place.
    static void TrimLeadingBlanks(std::string& line);
};

// The program version (the project's four numbers, "0.1.0.0") and the legal notice.
std::string GetProgramVersionText();
// The date and time of this run, as printed after "Time and date of run: " in echo tables.
// Fixed at its first request for the rest of the run.
std::string GetRunTimeText();
// Replaces the run-time text (tests use this for listings that compare byte for byte).
void SetRunTimeText(const std::string& text);
