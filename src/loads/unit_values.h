#pragma once
// Values with units in the nail and geogrid blocks: which unit indices name a unit, and reading
// a value with its unit index from a data line.

#include "core/units.h"
#include "loads/data_lines.h"

namespace loads {

enum e_Quantity {
    QuantityLength,
    QuantityArea,
    QuantityStress,
    QuantityForce,
    QuantityForcePerLength
};

// Whether the unit index names a unit of the quantity.
bool IsUnitOf(e_Quantity quantity, int index);
// Value i and the unit index i + 1 of the line; false (value unchanged) when the index names no
// unit of the quantity.
bool ReadUnitValue(const s_DataLine& line, int i, e_Quantity quantity, s_UnitValueType& value);
// The next data line, holding at least (or, with exact set, exactly) n numbers.
bool ReadValues(std::FILE* input, s_DataLine& line, int n, bool exact = false);
// Nail and geogrid type names: one line of at most 255 characters that the reader would not
// skip as a comment.
bool IsValidTypeName(const std::string& text);

}  // namespace loads
