#include "core/echo_lines.h"

#include "core/echo_writer.h"
#include "core/output_table.h"

namespace echo {

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

void StartTable(std::FILE* listing, long number, char frame,
                const std::vector<std::string>& titles) {
    if (!listing) return;
    Cpp_OutputTable table(listing);
    int n = 1;
    for (const std::string& t : titles) Cpp_OutputTable::SetTitleLine(n++, t);
    Cpp_OutputTable::StartTable(number, 0, frame, true);
}

void Write(std::FILE* listing, const std::string& text) {
    if (listing) std::fputs(text.c_str(), listing);
}

}  // namespace echo
