// Editing a selection: spacing 5,000 selected points evenly (the list sorted by a stable sort
// of their positions) beside std::stable_sort of the same positions; "Delete Triangles Outside
// Material" removing about 10,000 of 40,000 triangles beside triangulating the same points.
// Run with --benchmark_repetitions=5 for medians.

#include <benchmark/benchmark.h>

#include <malloc.h>

#include <algorithm>
#include <random>
#include <vector>

#include "editing/selection_list.h"
#include "model/data_check.h"
#include "model/data_set.h"
#include "porepressure/interpolation_data.h"
#include "profile/profile_line.h"

namespace {

constexpr int kPoints = 5000;

// The allocator keeps the memory it is given back, as it does in a long-running program after its
// first large free: otherwise each round pays the kernel for mapping the same pages again, which
// the list filled and emptied between rounds would make the larger part of a spacing's time.
const bool kKeepFreedMemory = [] {
    mallopt(M_TRIM_THRESHOLD, 256 << 20);
    mallopt(M_MMAP_THRESHOLD, 64 << 20);
    return true;
}();

std::vector<s_tagTypePointXY> Scattered(int n) {
    std::mt19937_64 gen(2024);
    std::uniform_real_distribution<double> d(0.0, 1000.0);
    std::vector<s_tagTypePointXY> points(static_cast<size_t>(n));
    for (auto& p : points) p = {d(gen), d(gen)};
    return points;
}

// The selection of every point of one line, spaced by the mode.
void SpacePoints(benchmark::State& state, int mode) {
    const auto places = Scattered(kPoints);
    Cpp_Kliven4DataSet ds(1);
    Cpp_ProfileLine* line = ds.ProfileLines().CreateLine(1, 1, "");
    for (const auto& p : places) line->AddPoint(p.x, p.y);
    // The list is filled and emptied while the clock is stopped: only the spacing is timed.
    Cpp_SelectionList list;
    for (auto _ : state) {
        state.PauseTiming();
        list.Clear();
        Cpp_PointXY* node = line->FirstPoint();
        for (const auto& p : places) {
            node->Set(p.x, p.y);
            list.Add(&ds, 0, SEL_PROFILE_POINT, line, node);
            node = node->Next();
        }
        state.ResumeTiming();
        benchmark::DoNotOptimize(list.SpacePointsEvenly(mode));
    }
}
void BM_SpaceHorizontally(benchmark::State& state) { SpacePoints(state, 2); }
void BM_SpaceAlongLine(benchmark::State& state) { SpacePoints(state, 1); }
BENCHMARK(BM_SpaceHorizontally)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SpaceAlongLine)->Unit(benchmark::kMillisecond);

// The reference: a stable sort of the same positions by x.
void BM_StableSortReference(benchmark::State& state) {
    const auto places = Scattered(kPoints);
    for (auto _ : state) {
        auto copy = places;
        std::stable_sort(copy.begin(), copy.end(),
                         [](const auto& a, const auto& b) { return a.x < b.x; });
        benchmark::DoNotOptimize(copy.data());
    }
}
BENCHMARK(BM_StableSortReference)->Unit(benchmark::kMillisecond);

// 20,000 pore pressures of material 1 under a surface at y = 1000; a second profile line of
// material 2 at y = 250 puts the quarter of the triangles below it outside material 1.
struct s_TrimData {
    Cpp_Kliven4DataSet ds{1};
    Cpp_InterpolationDataSet* set = nullptr;
    s_TrimData() {
        Cpp_ProfileLine* top = ds.ProfileLines().CreateLine(1, 1, "");
        top->AddPoint(-10, 1000.5);
        top->AddPoint(1010, 1000.5);
        Cpp_ProfileLine* low = ds.ProfileLines().CreateLine(2, 2, "");
        low->AddPoint(-10, 250);
        low->AddPoint(1010, 250);
        Cpp_InterpolationDataSet* receiving = nullptr;
        for (const auto& p : Scattered(20000))
            ds.InterpolationData(1)->AddPointToDataSet(1, 1, p.x, p.y, 10, 0, 0, receiving);
        set = receiving;
    }
};

void BM_DeleteTrianglesOutsideMaterial(benchmark::State& state) {
    s_TrimData data;
    int before = 0, after = 0;
    for (auto _ : state) {
        state.PauseTiming();
        data.set->RebuildVertices();
        data.set->Triangulate(1);
        before = data.set->GetTriangleList().CountTriangles();
        state.ResumeTiming();
        DeleteTrianglesOutsideMaterial(data.ds, *data.set, 1);
        state.PauseTiming();
        after = data.set->GetTriangleList().CountTriangles();
        state.ResumeTiming();
    }
    state.counters["triangles"] = before;
    state.counters["deleted"] = before - after;
}
BENCHMARK(BM_DeleteTrianglesOutsideMaterial)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_TriangulateSamePoints(benchmark::State& state) {
    s_TrimData data;
    for (auto _ : state) {
        data.set->RebuildVertices();
        data.set->Triangulate(1);
    }
}
BENCHMARK(BM_TriangulateSamePoints)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace

BENCHMARK_MAIN();
