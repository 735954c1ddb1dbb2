#pragma once
// The table of material properties of a stage in the drawing: a boxed grid with a title row,
// a heading row and one row per material (number, description, unit weight, shear strength,
// pore-water pressure). It stands at its layout's anchor point once it has been placed; before
// that, in the upper right corner of the drawing area, the stage-2 table below the stage-1
// table. Drawn on the screen, the table's size, rectangle and grid lines go into its layout,
// which picking and dragging read.

#include "platform/device_context.h"

#include <string>
#include <vector>

class Cpp_MaterialPropertyData;

// The rows of the table of a stage: the heading row, then the materials by number. No
// material: no rows.
std::vector<std::vector<std::string>> MaterialTableRows(const Cpp_MaterialPropertyData& data,
                                                        int stage);
// The title of the table: the stage is named only for multi-stage data.
std::string MaterialTableTitle(int stage, bool multiStage);

// Draws the shown tables (stage 1, then stage 2 for multi-stage data) on the current device
// context within `area` (pixels). A table without materials is not drawn and keeps no
// rectangle, so nothing picks it.
void DrawMaterialTables(Cpp_MaterialPropertyData& data, bool multiStage,
                        const platform::DeviceRect& area);
