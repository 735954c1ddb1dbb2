// Interpolation data at the sizes seepage meshes give: an INT block of 50,000 points read end to
// end (with its echo listing, then duplicates, vertex lists, triangulation and boundary), and
// 100,000 value queries on 20,000 points, half of them outside the triangulation.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "core/data_error_output.h"
#include "core/text_formats.h"
#include "porepressure/interpolation_data.h"

namespace {

std::string IntBlock(int n) {
    std::mt19937_64 gen(7);
    std::uniform_real_distribution<double> d(0.0, 500.0);
    std::string text = "Pressure values\n";
    char line[128];
    for (int i = 0; i < n; ++i) {
        const double x = d(gen), y = d(gen);
        std::snprintf(line, sizeof line, "     %15.6f%15.6f%15.1f%10d\n", x, y, 10.0 * (500.0 - y),
                      0);
        text += line;
    }
    return text + "\n\n";
}

std::FILE* FileWith(const std::string& text) {
    std::FILE* f = std::tmpfile();
    std::fputs(text.c_str(), f);
    return f;
}

void ReadBlock(benchmark::State& state, bool prepare) {
    const std::string block = IntBlock(static_cast<int>(state.range(0)));
    std::FILE* in = FileWith(block);
    SetRunTimeText("bench");
    for (auto _ : state) {
        state.PauseTiming();
        ResetTriangulationGlobals();
        std::rewind(in);
        std::FILE* listing = std::tmpfile();
        auto* data = new Cpp_InterpolationData;
        data->SetStage(1);
        state.ResumeTiming();
        bool ok = data->ReadInput(in, listing, true);
        if (prepare)
            ok = ok && data->ReportDuplicatePoints(listing) && data->RebuildAllBackLinks() &&
                 data->TriangulateAll(listing) && data->ComputeAllBoundaries();
        if (!ok) state.SkipWithError("read failed");
        state.PauseTiming();
        delete data;
        std::fclose(listing);
        Cpp_DataErrorOutput::ResetForTests();
        state.ResumeTiming();
    }
    std::fclose(in);
}

void BM_ReadIntBlock(benchmark::State& state) { ReadBlock(state, false); }
void BM_ReadIntBlockAndTriangulate(benchmark::State& state) { ReadBlock(state, true); }
BENCHMARK(BM_ReadIntBlock)->Arg(50000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadIntBlockAndTriangulate)->Arg(50000)->Unit(benchmark::kMillisecond);

// 100,000 queries per iteration; the time per query is the iteration time / 100,000.
void BM_ValueAt(benchmark::State& state) {
    ResetTriangulationGlobals();
    Cpp_InterpolationData data;
    data.SetStage(1);
    std::mt19937_64 gen(11);
    std::uniform_real_distribution<double> inside(0.0, 1000.0);
    Cpp_InterpolationDataSet* set = nullptr;
    for (int i = 0; i < static_cast<int>(state.range(0)); ++i) {
        const double x = inside(gen), y = inside(gen);
        data.AddPointToDataSet(1, 0, x, y, x + 2 * y, 0, 0, set);
    }
    data.RebuildAllBackLinks();
    if (!data.TriangulateAll(nullptr)) state.SkipWithError("triangulation failed");
    // Half inside the points' square, half in the frame around it (outside the hull).
    std::uniform_real_distribution<double> frame(-1000.0, 2000.0);
    std::vector<std::pair<double, double>> queries;
    while (queries.size() < 100000) {
        if (queries.size() % 2 == 0) {
            queries.emplace_back(inside(gen), inside(gen));
        } else {
            const double x = frame(gen), y = frame(gen);
            if (x < 0 || x > 1000 || y < 0 || y > 1000) queries.emplace_back(x, y);
        }
    }
    long found = 0;
    for (auto _ : state) {
        Cpp_Triangle* start = nullptr;
        found = 0;
        for (const auto& [x, y] : queries) {
            double v;
            if (set->ValueAt(x, y, v, start, false)) ++found;
        }
        benchmark::DoNotOptimize(found);
    }
    state.counters["found"] = static_cast<double>(found);
    state.SetItemsProcessed(static_cast<int64_t>(queries.size()) * state.iterations());
}
BENCHMARK(BM_ValueAt)->Arg(20000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
