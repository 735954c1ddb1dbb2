#include "model/porepressure_blocks.h"

#include "model/data_set.h"
#include "registry/block_writers.h"
#include "registry/point_stress_queries.h"

bool ReadPiezometricLineBlock(s_BlockReadContext& context) {
    return context.dataSet.PiezometricLines(context.stage)
        ->ReadInput(context.input, context.listing, context.echo);
}

bool ReadInterpolationBlock(s_BlockReadContext& context) {
    return context.dataSet.InterpolationData(context.stage)
        ->ReadInput(context.input, context.listing, context.echo, context.parent);
}

bool ReadExternalFileBlock(s_BlockReadContext& context) {
    return context.dataSet.ReadExternalFileNames(context.input);
}

void RegisterPorePressureBlockWriters() {
    RegisterPorePressureQueries();
    RegisterDefaultBlockWriter(e_WriterBlock::PiezometricLines,
                               [](Cpp_Kliven4DataSet& d, std::FILE* f, int stage, bool) {
                                   return d.PiezometricLines(stage)->WriteInputDataFile(f);
                               });
    RegisterDefaultBlockWriter(e_WriterBlock::InterpolationData,
                               [](Cpp_Kliven4DataSet& d, std::FILE* f, int stage, bool document) {
                                   Cpp_InterpolationData* data = d.InterpolationData(stage);
                                   return document
                                              ? data->WriteKLIVEN4InputDataFile(f)
                                              : data->WriteKLIVEN4InputDataFileWithFileNames(f);
                               });
    RegisterDefaultBlockWriter(
        e_WriterBlock::ExternalFiles, [](Cpp_Kliven4DataSet& d, std::FILE* f, int stage, bool) {
            return d.InterpolationData(stage)->WriteExternalFileParameters(f);
        });
    RegisterDefaultSecondStageQuery(
        e_WriterBlock::PiezometricLines,
        [](const Cpp_Kliven4DataSet& d) { return d.PiezometricLines(2)->HasLines(); });
    RegisterDefaultSecondStageQuery(e_WriterBlock::InterpolationData,
                                    [](const Cpp_Kliven4DataSet& d) {
                                        const Cpp_InterpolationData* data = d.InterpolationData(2);
                                        if (!data->DataSets().empty()) return true;
                                        for (int r = 0; r < Cpp_InterpolationData::kRecords; ++r)
                                            if (data->Source(r).source >= 1) return true;
                                        return false;
                                    });
}

void RegisterPorePressureQueries() {
    RegisterPiezometricPressureQuery(
        [](const Cpp_Kliven4DataSet& d, int stage, int line, double x, double y, double& pressure) {
            return d.PiezometricLines(stage)->CheckPressureAt(line, x, y, pressure);
        });
    RegisterInterpolatedValueQuery([](const Cpp_Kliven4DataSet& d, int stage, int kind,
                                      int material, double x, double y, double& value) {
        const Cpp_InterpolationData* data = d.InterpolationData(stage);
        // The material's own data, else those for all materials, else any of the kind.
        Cpp_InterpolationDataSet* set = data->FindDataSet(kind, material);
        if (set && set->Material() != material) set = data->FindDataSet(kind, 0);
        if (!set) return 1;
        Cpp_Triangle* start = nullptr;
        return set->ValueAt(x, y, value, start, false) ? 0 : 2;
    });
}
