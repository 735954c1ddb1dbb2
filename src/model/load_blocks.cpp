#include "model/load_blocks.h"

#include "loads/loads_data.h"
#include "model/data_set.h"
#include "registry/block_readers.h"
#include "registry/block_writers.h"

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

void RegisterLoadBlockWriters() {
    RegisterDefaultBlockWriter(e_WriterBlock::Nails,
                               [](Cpp_Kliven4DataSet& ds, std::FILE* f, int, bool) {
                                   return ds.Loads().nails.WriteKLIVEN4InputDataFile(f);
                               });
    RegisterDefaultBlockWriter(e_WriterBlock::Geogrids,
                               [](Cpp_Kliven4DataSet& ds, std::FILE* f, int, bool) {
                                   return ds.Loads().geogrids.WriteKLIVEN4InputDataFile(f);
                               });
    RegisterDefaultBlockWriter(
        e_WriterBlock::DistributedLoads, [](Cpp_Kliven4DataSet& ds, std::FILE* f, int stage, bool) {
            return ds.Loads().DistributedLoads(stage).WriteKLIVEN4InputDataFile(f);
        });
    RegisterDefaultBlockWriter(e_WriterBlock::LineLoads,
                               [](Cpp_Kliven4DataSet& ds, std::FILE* f, int stage, bool) {
                                   return ds.Loads().LineLoads(stage).WriteKLIVEN4InputDataFile(f);
                               });
    RegisterDefaultBlockWriter(e_WriterBlock::Reinforcement,
                               [](Cpp_Kliven4DataSet& ds, std::FILE* f, int, bool) {
                                   return ds.Loads().reinforcement.WriteKLIVEN4InputDataFile(f);
                               });
    RegisterDefaultSecondStageQuery(
        e_WriterBlock::DistributedLoads, [](const Cpp_Kliven4DataSet& ds) {
            const Cpp_DistributedLoadData& d = ds.Loads().DistributedLoads(2);
            return d.Count() > 0 || d.UsesPiezometricLine();
        });
    RegisterDefaultSecondStageQuery(e_WriterBlock::LineLoads, [](const Cpp_Kliven4DataSet& ds) {
        return ds.Loads().LineLoads(2).Count() > 0;
    });
}
