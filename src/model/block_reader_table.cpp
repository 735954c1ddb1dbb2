// The one place that knows the block reader of every subsystem: each owner adds the line that
// registers its reader. This file sits above the subsystems it names (it is the start-up wiring
// of the reader), so it may include their headers.

#include "graphics/graphic_grid.h"
#include "graphics/views.h"
#include "loads/load_blocks.h"
#include "model/block_readers.h"
#include "core/preferences.h"
#include "model/data_set.h"
#include "profile/material_properties.h"
#include "porepressure/porepressure_blocks.h"

#include <cstdio>

namespace {

bool ReadHeadingBlock(s_BlockReadContext& c) {
    return c.dataSet.HeadingAddress()->ReadInput(c.olderFormat, c.input);
}

bool ReadAnalysisBlock(s_BlockReadContext& c) {
    return c.dataSet.AnalysisComputationData()->ReadInput(c.olderFormat, c.input, c.listing,
                                                          c.echo);
}

bool ReadLabelBlock(s_BlockReadContext& c) { return c.dataSet.HeadingAddress()->ReadLabel(c.input); }

bool ReadUnitsBlock(s_BlockReadContext& c) {
    return ReadUnitsCommand(c.input, c.listing, c.unitSystem);
}

bool ReadMaterialsBlock(s_BlockReadContext& c) {
    return c.dataSet.MaterialData().ReadInput(c.input, c.listing, c.stage, c.echo);
}

// The views and the grid belong to the document, not to the data: a damaged block is noted in
// the listing and reading goes on.
bool ReadViewsBlock(s_BlockReadContext& c) {
    if (!ReadViews(c.input) && c.listing)
        std::fputs("The saved views block is damaged; views that could not be read are not set.\n",
                   c.listing);
    return true;
}

bool ReadGridBlock(s_BlockReadContext& c) {
    if (!Cpp_GraphicGrid::ReadInput(c.input) && c.listing)
        std::fputs("The grid settings block is damaged; settings that could not be read keep "
                   "their previous values.\n",
                   c.listing);
    return true;
}

}  // namespace

void InitializeBlockReaders() {
    RegisterPorePressureQueries();
    RegisterBlockReader("PIE", ReadPiezometricLineBlock);
    RegisterBlockReader("INT", ReadInterpolationBlock);
    RegisterBlockReader("EXT", ReadExternalFileBlock);
    RegisterBlockReader("HEA", ReadHeadingBlock);
    RegisterBlockReader("LAB", ReadLabelBlock);
    RegisterBlockReader("ENG", ReadUnitsBlock);
    RegisterBlockReader("SIU", ReadUnitsBlock);
    RegisterBlockReader("OTH", ReadUnitsBlock);
    RegisterBlockReader("MAT", ReadMaterialsBlock);
    RegisterBlockReader("VIE", ReadViewsBlock);
    RegisterBlockReader("GRI", ReadGridBlock);
    RegisterBlockReader("ANA", ReadAnalysisBlock);
    RegisterBlockReader("DIS", ReadDistributedLoadsBlock);
    RegisterBlockReader("LIN", ReadLineLoadsBlock);
    RegisterBlockReader("REI", ReadReinforcementBlock);
    RegisterBlockReader("NAI", ReadNailsBlock);
    RegisterBlockReader("GEO", ReadGeogridsBlock);
    RegisterBlockReader("PRO", [](s_BlockReadContext& c) {
        return c.dataSet.ProfileLines().ReadInput(c.parent, c.input, c.listing, c.echo);
    });
    RegisterBlockReader("SLO", [](s_BlockReadContext& c) {
        return c.dataSet.SlopeGeometry().ReadInput(c.input, c.listing, c.echo);
    });
}
