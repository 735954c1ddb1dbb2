#include "analysis/echo_lines.h"

#include <climits>
#include <cmath>

#include "core/echo_writer.h"

namespace analysis_echo {

void Line(std::string_view text) {
    PrintText(text, false);
    PrintNewLine();
}

void Indented(int blanks, std::string_view text) {
    PrintSpaces(blanks);
    Line(text);
}

void Value(std::string_view leading, double value, int decimals, std::string_view trailing) {
    PrintDoubleWithText(value, leading, trailing, 1, decimals);
    PrintNewLine();
}

void Integer(std::string_view leading, long value, std::string_view trailing) {
    PrintIntegerWithText(value, leading, trailing, 1);
    PrintNewLine();
}

void Blank() { PrintNewLine(); }

}  // namespace analysis_echo

namespace analysis_convert {

bool ToInt(double value, int& result) {
    if (!std::isfinite(value)) return false;
    const double t = std::trunc(value);
    if (t < static_cast<double>(INT_MIN) || t > static_cast<double>(INT_MAX)) return false;
    result = static_cast<int>(t);
    return true;
}

}  // namespace analysis_convert
