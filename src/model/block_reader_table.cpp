// The one place that knows the block reader of every subsystem: each owner adds the line that
// registers its reader. This file sits above the subsystems it names (it is the start-up wiring
// of the reader), so it may include their headers.

#include "model/block_readers.h"
#include "core/preferences.h"
#include "model/data_set.h"
#include "profile/material_properties.h"

namespace {

bool ReadHeadingBlock(s_BlockReadContext& c) {
    return c.dataSet.HeadingAddress()->ReadInput(c.olderFormat, c.input);
}

bool ReadLabelBlock(s_BlockReadContext& c) { return c.dataSet.HeadingAddress()->ReadLabel(c.input); }

bool ReadUnitsBlock(s_BlockReadContext& c) {
    return ReadUnitsCommand(c.input, c.listing, c.unitSystem);
}

bool ReadMaterialsBlock(s_BlockReadContext& c) {
    return c.dataSet.MaterialData().ReadInput(c.input, c.listing, c.stage, c.echo);
}

}  // namespace

void InitializeBlockReaders() {
    RegisterBlockReader("HEA", ReadHeadingBlock);
    RegisterBlockReader("LAB", ReadLabelBlock);
    RegisterBlockReader("ENG", ReadUnitsBlock);
    RegisterBlockReader("SIU", ReadUnitsBlock);
    RegisterBlockReader("OTH", ReadUnitsBlock);
    RegisterBlockReader("MAT", ReadMaterialsBlock);
}
