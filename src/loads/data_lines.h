#pragma once
// The input lines of the load and reinforcement blocks: number lines (comment lines skipped,
// commas and tabs read as blanks, every number of the line kept) and whole text lines.

#include <cstdio>
#include <string>
#include <vector>

namespace loads {

struct s_DataLine {
    bool endOfFile = false;
    bool blank = false;          // the line held only blanks
    std::vector<double> values;  // the numbers from the front of the line
    std::string text;            // the line without its line end
    std::string rest;            // the text after the numbers, leading blanks skipped
    int Count() const { return static_cast<int>(values.size()); }
    // The integer part of value i (truncation toward zero), clamped to the int range.
    int Int(int i) const;
};

// The next significant line split into numbers; false at end of file (endOfFile set).
bool ReadDataLine(std::FILE* file, s_DataLine& line);
// The next significant line whole, tabs turned into blanks, without its line end; false at end
// of file.
bool ReadTextLine(std::FILE* file, std::string& line);

}  // namespace loads
