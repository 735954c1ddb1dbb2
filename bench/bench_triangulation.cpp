// Triangulation of interpolation points: random points and a regular grid, measured beside
// CGAL's Delaunay_triangulation_2 on the same points (the outside reference), and value queries
// on 20,000 points beside CGAL's point location. The closing lines print our time over CGAL's
// for each case (run with --benchmark_repetitions=5 for medians).

#include <benchmark/benchmark.h>

#include <CGAL/Delaunay_triangulation_2.h>
#include <CGAL/Exact_predicates_inexact_constructions_kernel.h>

#include <cstdio>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "porepressure/delaunay.h"
#include "porepressure/interpolation_data.h"

namespace {

using Kernel = CGAL::Exact_predicates_inexact_constructions_kernel;
using CgalDelaunay = CGAL::Delaunay_triangulation_2<Kernel>;

std::vector<std::pair<double, double>> RandomPoints(int n) {
    std::mt19937_64 gen(12345);
    std::uniform_real_distribution<double> d(0.0, 1000.0);
    std::vector<std::pair<double, double>> pts;
    pts.reserve(n);
    for (int i = 0; i < n; ++i) pts.emplace_back(d(gen), d(gen));
    return pts;
}

std::vector<std::pair<double, double>> GridPoints(int side) {
    std::vector<std::pair<double, double>> pts;
    for (int i = 0; i < side; ++i)
        for (int j = 0; j < side; ++j) pts.emplace_back(i * 2.5, j * 2.5);
    return pts;
}

const std::vector<std::pair<double, double>>& Points(int kind, int n) {
    static std::map<std::pair<int, int>, std::vector<std::pair<double, double>>> cache;
    auto& p = cache[{kind, n}];
    if (p.empty()) p = kind == 0 ? RandomPoints(n) : GridPoints(n);
    return p;
}

void Ours(benchmark::State& state, int kind) {
    const auto& pts = Points(kind, static_cast<int>(state.range(0)));
    long triangles = 0;
    for (auto _ : state) {
        state.PauseTiming();
        ResetTriangulationGlobals();
        auto* vertices = new Cpp_VertexList;
        auto* list = new Cpp_TriangleList;
        int number = 0;
        for (const auto& p : pts) vertices->AddVertex(++number, p.first, p.second, p.first);
        RegisterVertexList(vertices);
        state.ResumeTiming();
        if (!TriangulatePoints(1, *list, *vertices, false)) state.SkipWithError("failed");
        triangles = list->CountTriangles();
        state.PauseTiming();
        delete list;
        delete vertices;
        state.ResumeTiming();
    }
    state.counters["triangles"] = static_cast<double>(triangles);
}

void Cgal(benchmark::State& state, int kind) {
    const auto& pts = Points(kind, static_cast<int>(state.range(0)));
    std::vector<Kernel::Point_2> points;
    points.reserve(pts.size());
    for (const auto& p : pts) points.emplace_back(p.first, p.second);
    long faces = 0;
    for (auto _ : state) {
        CgalDelaunay dt(points.begin(), points.end());
        faces = static_cast<long>(dt.number_of_faces());
        benchmark::DoNotOptimize(faces);
    }
    state.counters["triangles"] = static_cast<double>(faces);
}

void BM_OursRandom(benchmark::State& s) { Ours(s, 0); }
void BM_CgalRandom(benchmark::State& s) { Cgal(s, 0); }
void BM_OursGrid(benchmark::State& s) { Ours(s, 1); }
void BM_CgalGrid(benchmark::State& s) { Cgal(s, 1); }

BENCHMARK(BM_OursRandom)->Arg(10000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CgalRandom)->Arg(10000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OursGrid)->Arg(300)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CgalGrid)->Arg(300)->Unit(benchmark::kMillisecond);

// 100,000 queries on the triangulation of 20,000 random points in a 1000 x 1000 square, half
// inside the square and half in the frame around it (outside the hull), one after the other
// with the previous answer as the start: ValueAt (location and the plane's value) against CGAL's
// locate with the previous face as hint. Time per query = time per iteration / 100,000.
const std::vector<std::pair<double, double>>& Queries() {
    static std::vector<std::pair<double, double>> queries;
    if (queries.empty()) {
        std::mt19937_64 gen(11);
        std::uniform_real_distribution<double> inside(0.0, 1000.0), frame(-1000.0, 2000.0);
        while (queries.size() < 100000) {
            if (queries.size() % 2 == 0) {
                queries.emplace_back(inside(gen), inside(gen));
            } else {
                const double x = frame(gen), y = frame(gen);
                if (x < 0 || x > 1000 || y < 0 || y > 1000) queries.emplace_back(x, y);
            }
        }
    }
    return queries;
}

void BM_OursValueAt(benchmark::State& state) {
    ResetTriangulationGlobals();
    Cpp_InterpolationData data;
    data.SetStage(1);
    Cpp_InterpolationDataSet* set = nullptr;
    for (const auto& p : Points(0, static_cast<int>(state.range(0))))
        data.AddPointToDataSet(1, 0, p.first, p.second, p.first + 2 * p.second, 0, 0, set);
    data.RebuildAllBackLinks();
    if (!data.TriangulateAll(nullptr)) state.SkipWithError("triangulation failed");
    const auto& queries = Queries();
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

void BM_CgalValueAt(benchmark::State& state) {
    std::vector<Kernel::Point_2> points;
    for (const auto& p : Points(0, static_cast<int>(state.range(0))))
        points.emplace_back(p.first, p.second);
    CgalDelaunay dt(points.begin(), points.end());
    const auto& queries = Queries();
    long found = 0;
    for (auto _ : state) {
        CgalDelaunay::Face_handle hint;
        found = 0;
        for (const auto& [x, y] : queries) {
            hint = dt.locate(Kernel::Point_2(x, y), hint);
            if (!dt.is_infinite(hint)) ++found;
        }
        benchmark::DoNotOptimize(found);
    }
    state.counters["found"] = static_cast<double>(found);
    state.SetItemsProcessed(static_cast<int64_t>(queries.size()) * state.iterations());
}

BENCHMARK(BM_OursValueAt)->Arg(20000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CgalValueAt)->Arg(20000)->Unit(benchmark::kMillisecond);

// Keeps each run's time per iteration so that the ratios can be printed at the end.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& r : runs)
            if (r.iterations > 0) times[r.benchmark_name()] = r.GetAdjustedRealTime();
    }
    std::map<std::string, double> times;
};

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    std::printf("\nOurs / CGAL Delaunay_triangulation_2:\n");
    for (const auto& [name, ours] : reporter.times) {
        if (name.rfind("BM_Ours", 0) != 0) continue;
        const std::string other = "BM_Cgal" + name.substr(7);
        auto it = reporter.times.find(other);
        if (it != reporter.times.end() && it->second > 0)
            std::printf("  %-28s %8.2fx\n", name.substr(7).c_str(), ours / it->second);
    }
    benchmark::Shutdown();
    return 0;
}
