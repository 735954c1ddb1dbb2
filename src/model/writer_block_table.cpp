// The one place that knows the block writer of every subsystem: each owner adds the lines that
// register its writer (and, for the stage kinds, its second-stage query) with the
// RegisterDefault... functions of model/writer.h, for example
//     RegisterDefaultBlockWriter(e_WriterBlock::ProfileLines,
//         [](Cpp_Kliven4DataSet& d, std::FILE* f, int, bool) { return d.ProfileLines().Write(f); });
// This file sits above the subsystems it names (it is the start-up wiring of the writer), so it
// may include their headers. The units, heading and materials are written by the writer itself.
//
// Still to be registered by their owners: NAI, GEO, EXT, PIE, INT, CON.

#include "loads/load_blocks.h"
#include "porepressure/porepressure_blocks.h"
#include "model/data_check.h"
#include "model/data_set.h"
#include "model/writer.h"

void InitializeBlockWriters() {
    RegisterPorePressureBlockWriters();
    RegisterLoadBlockWriters();
    RegisterDefaultBlockWriter(e_WriterBlock::Analysis,
                               [](Cpp_Kliven4DataSet& d, std::FILE* f, int, bool document) {
                                   return d.AnalysisComputationData()->WriteKLIVEN4InputDataFile(
                                       f, document);
                               });
    RegisterDefaultAnalysisQueries(
        [](const Cpp_Kliven4DataSet& d) { return d.Analysis().IsMultiStage(); },
        [](const Cpp_Kliven4DataSet& d) { return d.Analysis().HasData(); });
    RegisterDefaultBlockWriter(e_WriterBlock::ProfileLines, [](Cpp_Kliven4DataSet& d, std::FILE* f, int, bool) {
        return d.ProfileLines().WriteInputDataFile(f);
    });
    RegisterDefaultBlockWriter(e_WriterBlock::SlopeGeometry, [](Cpp_Kliven4DataSet& d, std::FILE* f, int, bool) {
        return d.SlopeGeometry().WriteInputDataFile(f);
    });
    RegisterDefaultDataCheck([](Cpp_Kliven4DataSet& d) { return d.CheckData(0, nullptr); });
}
