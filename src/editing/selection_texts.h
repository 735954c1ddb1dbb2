#pragma once
// What the prompt and the tool tip of a selected item share (selection_prompt.cpp,
// selection_tooltip.cpp).

#include <string>

class Cpp_Selection;

namespace selection_texts {

inline constexpr double kDegreesPerRadian = 57.29577951308232;

// The list number of a referenced line; 0 for none.
long LineNumber(const void* line);
// Fixed-point text with the decimals given, trailing zeros kept.
std::string Fixed(double value, int decimals);
// The loads and piezometric lines of the item's data set name their stage: a multi-stage data
// set, or stage-2 loads (kinds 36 to 39) or stage-2 piezometric lines (the others) exist.
bool SecondStageShown(const Cpp_Selection& item);

}  // namespace selection_texts
