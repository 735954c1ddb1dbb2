#pragma once
// Small helpers over the echo writer for the lines the block readers and checks echo.
//
// Line, Indented, Value, Integer and Blank write to the echo writer's current file and do
// nothing while none is set. Write and StartTable take the listing file themselves and do
// nothing when it is null.
//
//     echo::Value("Initial trial factor of safety: ", trialF, 3);   // "...: 1.500\n"
//     echo::StartTable(listing, 13, '*', {"LINE LOADS"});
//     echo::Write(listing, FormatText("%4d\n", number));

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace echo {

// The text and a line end.
void Line(std::string_view text);
// n blanks, the text and a line end.
void Indented(int blanks, std::string_view text);
// leading, the value (width 1), trailing and a line end.
void Value(std::string_view leading, double value, int decimals, std::string_view trailing = {});
void Integer(std::string_view leading, long value, std::string_view trailing = {});
void Blank();

// Starts echo table number (with sub-number 0) framed with the character, with the run header,
// titled with the given lines.
void StartTable(std::FILE* listing, long number, char frame,
                const std::vector<std::string>& titles);
// The text as it stands.
void Write(std::FILE* listing, const std::string& text);

}  // namespace echo
