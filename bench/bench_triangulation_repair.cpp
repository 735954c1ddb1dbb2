// Repairing a triangulation of 20,000 random points around one vertex: 1,000 vertices deleted
// one by one, 1,000 others moved slightly, each iteration one repair. The reference in the same
// run is the triangulation of the same 20,000 points from scratch; the closing lines print the
// time of one repair over that of the whole triangulation.
//   build/bench/bench_triangulation_repair --benchmark_repetitions=5

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "porepressure/delaunay.h"
#include "porepressure/triangulation_repair.h"

namespace {

constexpr int kPoints = 20000;
constexpr int kRepairs = 1000;

const std::vector<std::pair<double, double>>& Points() {
    static const std::vector<std::pair<double, double>> points = [] {
        std::mt19937_64 gen(12345);
        std::uniform_real_distribution<double> d(0.0, 1000.0);
        std::vector<std::pair<double, double>> p;
        for (int i = 0; i < kPoints; ++i) p.emplace_back(d(gen), d(gen));
        return p;
    }();
    return points;
}

// A triangulated set with its vertices in a shuffled order to pick from.
struct Set {
    Set() {
        ResetTriangulationGlobals();
        int number = 0;
        for (const auto& p : Points()) vertices.AddVertex(++number, p.first, p.second, 1.0);
        RegisterVertexList(&vertices);
        TriangulatePoints(1, triangles, vertices, false);
        for (Cpp_VERTEX* v = vertices.First(); v; v = v->Next()) order.push_back(v);
        std::shuffle(order.begin(), order.end(), std::mt19937(7));
    }
    ~Set() { UnregisterVertexList(&vertices); }
    Cpp_VertexList vertices;
    Cpp_TriangleList triangles;
    std::vector<Cpp_VERTEX*> order;
};

void Triangulate(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        ResetTriangulationGlobals();
        auto vertices = std::make_unique<Cpp_VertexList>();
        auto triangles = std::make_unique<Cpp_TriangleList>();
        int number = 0;
        for (const auto& p : Points()) vertices->AddVertex(++number, p.first, p.second, 1.0);
        RegisterVertexList(vertices.get());
        state.ResumeTiming();
        if (!TriangulatePoints(1, *triangles, *vertices, false)) state.SkipWithError("failed");
        state.PauseTiming();
        UnregisterVertexList(vertices.get());
        triangles.reset();
        vertices.reset();
        state.ResumeTiming();
    }
}

void DeleteVertex(benchmark::State& state) {
    auto set = std::make_unique<Set>();
    std::size_t next = 0;
    for (auto _ : state) {
        if (next == kRepairs) {
            state.PauseTiming();
            set = std::make_unique<Set>();
            next = 0;
            state.ResumeTiming();
        }
        Cpp_VERTEX* v = set->order[next++];
        DeleteVertexAndRetriangulate(set->vertices, set->triangles, v);
    }
    state.counters["triangles"] = set->triangles.CountTriangles();
}

void MoveVertex(benchmark::State& state) {
    Set set;
    std::size_t next = kRepairs;  // vertices the deletions do not take
    const auto never = [] { return false; };
    for (auto _ : state) {
        Cpp_VERTEX* v = set.order[next];
        next = next + 1 < set.order.size() ? next + 1 : kRepairs;
        CheckForInvertedTriangles(v->X() + 1e-3, v->Y() - 1e-3, set.triangles, set.vertices, v,
                                  never);
    }
}

BENCHMARK(Triangulate)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(DeleteVertex)->Unit(benchmark::kMicrosecond)->Iterations(kRepairs);
BENCHMARK(MoveVertex)->Unit(benchmark::kMicrosecond)->Iterations(kRepairs);

// The closing lines: one repair over the whole triangulation, by median where repetitions ran.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& r : runs) {
            if (r.run_type == Run::RT_Aggregate && r.aggregate_name != "median") continue;
            seconds_[r.run_name.function_name] =
                r.GetAdjustedRealTime() / (r.time_unit == benchmark::kMillisecond ? 1e3 : 1e6);
        }
    }
    void Finalize() override {
        ConsoleReporter::Finalize();
        const double whole = seconds_["Triangulate"];
        if (whole <= 0) return;
        for (const char* name : {"DeleteVertex", "MoveVertex"})
            std::printf("%s: one repair %.1f us, %.5f of triangulating all %d points (%.1f ms)\n",
                        name, seconds_[name] * 1e6, seconds_[name] / whole, kPoints, whole * 1e3);
    }

private:
    std::map<std::string, double> seconds_;
};

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
