#include "loads/load_blocks.h"

#include "loads/loads_data.h"
#include "model/block_readers.h"
#include "model/data_set.h"

bool ReadDistributedLoadsBlock(s_BlockReadContext& c) {
    return c.dataSet.Loads().DistributedLoads(c.stage).ReadInput(c.input, c.listing, true);
}

bool ReadLineLoadsBlock(s_BlockReadContext& c) {
    return c.dataSet.Loads().LineLoads(c.stage).ReadInput(c.input, c.listing, c.echo);
}

bool ReadReinforcementBlock(s_BlockReadContext& c) {
    return c.dataSet.Loads().reinforcement.ReadInput(c.input, c.listing, c.echo);
}

bool ReadNailsBlock(s_BlockReadContext& c) {
    return c.dataSet.Loads().nails.ReadInput(c.input, c.listing);
}

bool ReadGeogridsBlock(s_BlockReadContext& c) {
    return c.dataSet.Loads().geogrids.ReadInput(c.input, c.listing);
}

bool WriteLoadBlocksOfStage(const Cpp_LoadsData& loads, int stage, std::FILE* file) {
    return loads.DistributedLoads(stage).WriteKLIVEN4InputDataFile(file) &&
           loads.LineLoads(stage).WriteKLIVEN4InputDataFile(file);
}

bool WriteReinforcementBlock(const Cpp_LoadsData& loads, std::FILE* file) {
    return loads.reinforcement.WriteKLIVEN4InputDataFile(file);
}

bool WriteNailAndGeogridBlocks(const Cpp_LoadsData& loads, std::FILE* file) {
    return loads.nails.WriteKLIVEN4InputDataFile(file) &&
           loads.geogrids.WriteKLIVEN4InputDataFile(file);
}
