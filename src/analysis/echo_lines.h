#pragma once
// Small helpers over the echo writer for the lines the analysis readers and checks echo. All
// write to the echo writer's current file and do nothing while none is set.

#include <string_view>

namespace analysis_echo {

// The text and a line end.
void Line(std::string_view text);
// n blanks, the text and a line end.
void Indented(int blanks, std::string_view text);
// leading, the value (width 1), trailing and a line end.
void Value(std::string_view leading, double value, int decimals, std::string_view trailing = {});
void Integer(std::string_view leading, long value, std::string_view trailing = {});
void Blank();

}  // namespace analysis_echo

namespace analysis_convert {

// The integer part of a value from the file; false when it is not finite or lies outside the
// range of an int.
bool ToInt(double value, int& result);

}  // namespace analysis_convert
