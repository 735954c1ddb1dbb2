#pragma once
// The echo writer: free functions that write texts, numbers, blanks and page breaks to one
// current file, the echo listing while a problem file is read. Every function does nothing
// while no file is set. Texts are written as they stand, never used as a format.
//
//     SetOutputFile(listing);                  // indent 0
//     PrintIndent(); PrintText("PROFILE LINES", true);
//     PrintDouble(x, 12, CurrentOutputSettings().coordinateDecimals, false);
//     PrintIntegerWithText(n, "Number of points: ", "\n", 5);
//
// Numbers use the formats of Cpp_Strings::MakeNumberFormat (kind 1 fixed, 2 exponential,
// 4 long integer) with the given width and decimals.

#include <cstdio>
#include <string_view>

void SetOutputFile(std::FILE* file);      // makes file current; indent := 0
void SetOutputFileOnly(std::FILE* file);  // makes file current
std::FILE* GetOutputFile();
void PrintIndent();
void PrintSpaces(int n);      // nothing when n < 1 or n > 256
void PrintBlankLines(int n);  // n line ends; nothing when n < 1
void PrintNewLine();
void PrintFormFeed();  // "\f\n"
void PrintRepeatedChar(int n, char c);
void PrintText(std::string_view text, bool newline = false);
void PrintTextBetween(std::string_view text, std::string_view leading, std::string_view trailing);
void PrintDouble(double value, int width, int decimals, bool newline = false);
void PrintDoubleWithText(double value, std::string_view leading, std::string_view trailing,
                         int width, int decimals);
// As PrintDoubleWithText with the decimals widened up to maximumDecimals so that the first
// significant decimal digit shows: 0.0005 with 2 and maximum 6 prints four decimals. A negative
// value is treated like its magnitude.
void PrintDoubleAutoDecimals(double value, std::string_view leading, std::string_view trailing,
                             int width, int decimals, int maximumDecimals);
void PrintExponential(double value, int width, int decimals, bool newline = false);
void PrintExponentialWithText(double value, std::string_view leading, std::string_view trailing,
                              int width, int decimals);
void PrintInteger(long value, int width, bool newline = false);
void PrintIntegerWithText(long value, std::string_view leading, std::string_view trailing,
                          int width);
// The decimals PrintDoubleAutoDecimals uses (exposed for the dialogs and tests).
int AutoDecimals(double value, int decimals, int maximumDecimals);
