// Reading number lines: the line reader and number parser of the input format beside a plain
// std::getline + std::from_chars pass over the same generated file of 200,000 lines.

#include <benchmark/benchmark.h>

#include <charconv>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "big_model_document.h"
#include "core/input_lines.h"

namespace {

const std::filesystem::path& NumberFile() {
    static const std::filesystem::path path = [] {
        auto p = std::filesystem::temp_directory_path() / "dravonet_bench_reader.txt";
        std::ofstream out(p, std::ios::binary);
        std::mt19937 rng(42);
        std::uniform_real_distribution<double> dist(-1000.0, 1000.0);
        char line[128];
        for (int i = 0; i < 200000; ++i) {
            int n = std::snprintf(line, sizeof line, "%8d %15.6f %15.6f %12.4f\n", i + 1, dist(rng),
                                  dist(rng), dist(rng));
            out.write(line, n);
        }
        return p;
    }();
    return path;
}

void BM_ReadNumberLine(benchmark::State& state) {
    const auto& path = NumberFile();
    const auto bytes = static_cast<int64_t>(std::filesystem::file_size(path));
    double sum = 0.0;
    for (auto _ : state) {
        std::FILE* f = std::fopen(path.c_str(), "r");
        s_InputLineType rec;
        rec.maxValues = 0;
        while (ReadNumberLine(f, rec))
            for (double v : rec.values) sum += v;
        std::fclose(f);
        benchmark::DoNotOptimize(sum);
    }
    state.SetBytesProcessed(state.iterations() * bytes);
}
BENCHMARK(BM_ReadNumberLine)->Unit(benchmark::kMillisecond);

void BM_GetlineFromChars(benchmark::State& state) {
    const auto& path = NumberFile();
    const auto bytes = static_cast<int64_t>(std::filesystem::file_size(path));
    double sum = 0.0;
    for (auto _ : state) {
        sum += bigmodel::GetlineFromChars(path);
        benchmark::DoNotOptimize(sum);
    }
    state.SetBytesProcessed(state.iterations() * bytes);
}
BENCHMARK(BM_GetlineFromChars)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
