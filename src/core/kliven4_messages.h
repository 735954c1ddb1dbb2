#pragma once
// Collecting buffers of the messages raised during geometric computations (circle and slope
// intersections, pore pressures from piezometric lines, triangulation): errors, warnings and
// notices, plus the status word of the data check. Lines of any length and number are kept;
// nothing here throws for length.
//
//     Cpp_KLIVEN4Messages::StartMessage(8010, 0);
//     Cpp_KLIVEN4Messages::AddErrorLine(FormatText("Circle center X: %1.2f", x));
//     if (Cpp_KLIVEN4Messages::IsPrintEnabled()) Cpp_KLIVEN4Messages::PrintAllIndented(listing);

#include <cstdio>
#include <string>
#include <vector>

class Cpp_KLIVEN4Messages {
public:
    class Exc_BadErrorText {};
    class Exc_BadErrorTextLineNumber {};
    class Exc_BadNoticeText {};
    class Exc_CloseFilesAndQuit {};

    static void Clear();
    static void SetStatus(int status);
    static int GetStatus();
    // Kind 0 error, 1 warning, 2 notice; any other kind does nothing.
    static void StartMessage(long number, int kind);
    static void AddErrorLine(const std::string& line);
    static void AddWarningLine(const std::string& line);
    static void AddNoticeLine(const std::string& line);
    static const std::vector<std::string>& Errors();
    static const std::vector<std::string>& Warnings();
    static const std::vector<std::string>& Notices();
    // Notices, warnings, errors after the blank lines; lines after the first (and the first too
    // when firstLineIndented) preceded by indent blanks.
    static void PrintAll(int blankLinesBefore, int indent, bool firstLineIndented, std::FILE* f);
};
