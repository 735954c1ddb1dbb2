#pragma once
// Numbered, titled echo tables. A block reader sets its title lines and starts its table:
//
//     Cpp_OutputTable table(listing);          // table file := listing, titles cleared
//     table.SetTitleLine(1, "PROFILE LINES");
//     table.StartTable(3, 0, '*', true);       // page header, "TABLE NO. 3", boxed title
//     ... PrintText / PrintDouble of the echo writer ...
//
// The header writes a form feed, "Time and date of run: ...", "Name of input data file: ..."
// (full path when the preference says so), a blank line and the heading lines of the current
// data set. Without a table file StartTable and PrintTitle throw Exc_NoFileForOutputTable.
// The state is program-wide: the titles stay set until cleared or a new object is made.

#include <cstdio>
#include <functional>
#include <string>

class Cpp_OutputTable {
public:
    class Exc_NoFileForOutputTable {};

    explicit Cpp_OutputTable(std::FILE* file);
    static void SetFileOnly(std::FILE* file);
    static void ClearTitles();
    // False unless 1 <= n <= 20; else title n := text cut to 79 characters.
    static bool SetTitleLine(int n, const std::string& text);
    static std::string GetTitleLine(int n);
    static void StartTable(long table, long subtable, char frame, bool header);
    static void PrintTitle(char frame);

    // The writer of the heading lines of the current data set in the header; the data-set
    // module installs it (the heading lives above this layer).
    static void SetHeadingPrinter(std::function<void(std::FILE*)> printer);
};
