#pragma once
// What follows a change of data made in a table: the derived data that hang on it are made
// again. Kind 2 after the profile lines (a generated slope is generated again, the crack lines
// follow, the water loads of both stages are regenerated), kind 4 after the piezometric lines
// (the water loads of both stages), kind 9 after the analysis data (the end points of the
// circles against the slope). Every kind then refreshes the largest values of the arrow scales.

namespace app {

void RefreshAfterDataChange(int kind);

}  // namespace app
