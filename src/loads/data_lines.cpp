#include "loads/data_lines.h"

#include <climits>
#include <cmath>

#include "core/input_lines.h"

namespace loads {

int s_DataLine::Int(int i) const {
    const double v = std::trunc(values.at(static_cast<size_t>(i)));
    if (v >= static_cast<double>(INT_MAX)) return INT_MAX;
    if (v <= static_cast<double>(INT_MIN)) return INT_MIN;
    return static_cast<int>(v);
}

bool ReadDataLine(std::FILE* file, s_DataLine& line) {
    s_InputLineType record;
    record.maxValues = 0;
    const bool read = ReadNumberLine(file, record);
    line.endOfFile = !read;
    line.blank = read && record.blankLine;
    line.values = std::move(record.values);
    line.text = std::move(record.text);
    line.rest = std::move(record.rest);
    return read;
}

bool ReadTextLine(std::FILE* file, std::string& line) {
    if (!ReadNextLine(file, line)) return false;
    if (!line.empty() && line.back() == '\n') line.pop_back();
    return true;
}

}  // namespace loads
