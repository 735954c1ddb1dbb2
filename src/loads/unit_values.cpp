#include "loads/unit_values.h"

#include "core/text_exception.h"

namespace loads {

bool IsUnitOf(e_Quantity quantity, int index) {
    try {
        const s_UnitValueType v(1.0, index);
        switch (quantity) {
        case QuantityLength: v.LengthIn(0); break;
        case QuantityArea: v.AreaIn(0); break;
        case QuantityStress: v.StressIn(0); break;
        case QuantityForce: v.ForceIn(0); break;
        case QuantityForcePerLength: v.ForcePerLengthIn(0); break;
        }
        return true;
    } catch (const Cpp_TextException&) {
        return false;
    }
}

bool ReadUnitValue(const s_DataLine& line, int i, e_Quantity quantity, s_UnitValueType& value) {
    const int unit = line.Int(i + 1);
    if (!IsUnitOf(quantity, unit)) return false;
    value.SetValueUnit(line.values[static_cast<size_t>(i)], unit);
    return true;
}

bool ReadValues(std::FILE* input, s_DataLine& line, int n, bool exact) {
    if (!ReadDataLine(input, line)) return false;
    return exact ? line.Count() == n : line.Count() >= n;
}

bool IsValidTypeName(const std::string& text) {
    if (text.size() > 255) return false;
    if (text.find_first_of("\r\n") != std::string::npos) return false;
    const size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) return true;
    return text.compare(first, 2, "//") != 0 && text.compare(first, 2, "/*") != 0;
}

}  // namespace loads
