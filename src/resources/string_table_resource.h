#pragma once
// Fills the string table (core/string_table.h) from the program's resources at start-up.

#include <string>

namespace resources {

// True when the table was read; else false with the reason in `error`, and the table holds
// what was read before the fault.
bool LoadStringTable(std::string& error);

}  // namespace resources
