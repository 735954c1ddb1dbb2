// Writing and re-reading a data set of 50 materials, each with a 50-point strength envelope:
// the MAT blocks of both stages through the writer, then through the reader.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

#include "core/preferences.h"
#include "core/units.h"
#include "model/data_sets.h"
#include "model/subsystem_registration.h"
#include "model/writer.h"
#include "profile/material_properties.h"
#include "registry/block_readers.h"

namespace {

void Fill(Cpp_Kliven4DataSet& dataSet) {
    auto& list = dataSet.MaterialData().GetMaterialList();
    for (int n = 1; n <= 50; ++n) {
        auto* m = list.Create(n);
        m->SetDescription("Layer " + std::to_string(n));
        for (int stage = 1; stage <= 2; ++stage) {
            m->Stage(stage).SetUnitWeight(110.0 + n);
            auto& s = m->GetShearStrengthRecord(stage);
            s.SetStrengthOption(7);
            std::vector<s_NonlinearPtType> points;
            for (int i = 0; i < 50; ++i)
                points.push_back({100.0 * i, 50.0 + 60.0 * i - 0.2 * i * i});
            s.SetNonlinearEnvelope(points);
            m->GetPorePressureRecord(stage).SetOption(2);  // no pore pressure
        }
    }
}

std::string WriteToText(Cpp_Kliven4DataSet& dataSet) {
    std::FILE* file = std::tmpfile();
    WriteInputFile(dataSet, true, false, file);
    std::string text(static_cast<size_t>(std::ftell(file)), '\0');
    std::rewind(file);
    text.resize(std::fread(text.data(), 1, text.size(), file));
    std::fclose(file);
    return text;
}

void BM_WriteMaterials(benchmark::State& state) {
    Cpp_Kliven4Data::DeleteAllDataSets();
    auto* dataSet = Cpp_Kliven4Data::CurrentDataSet();
    Fill(*dataSet);
    size_t bytes = 0;
    if (Cpp_Kliven4Data::CurrentDataSet()->MaterialData().GetMaterialList().Count() != 50)
        state.SkipWithError("no materials");
    for (auto _ : state) {
        std::string text = WriteToText(*dataSet);
        bytes = text.size();
        benchmark::DoNotOptimize(text);
    }
    state.counters["bytes"] = static_cast<double>(bytes);
}

void BM_WriteAndReadMaterials(benchmark::State& state) {
    InitializeBlockReaders();
    Cpp_Kliven4Data::DeleteAllDataSets();
    Fill(*Cpp_Kliven4Data::CurrentDataSet());
    const std::string text = WriteToText(*Cpp_Kliven4Data::CurrentDataSet());
    std::FILE* listing = std::fopen("/dev/null", "w");
    for (auto _ : state) {
        auto* written = Cpp_Kliven4Data::CurrentDataSet();
        std::string again = WriteToText(*written);
        std::FILE* input = fmemopen(again.data(), again.size(), "r");
        auto* dataSet = Cpp_Kliven4Data::NewDataSet(1, false);
        dataSet->ResetForNewData();
        bool endFlag = false;
        if (!dataSet->ReadInputData(nullptr, input, listing, endFlag) ||
            dataSet->MaterialData().GetMaterialList().Count() != 50)
            state.SkipWithError("the written data set could not be read");
        std::fclose(input);
    }
    std::fclose(listing);
    state.counters["bytes"] = static_cast<double>(text.size());
}

}  // namespace

BENCHMARK(BM_WriteMaterials)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WriteAndReadMaterials)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
