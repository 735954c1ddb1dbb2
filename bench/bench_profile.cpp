// A real-size profile: 40 layered profile lines of 500 surveyed points each. Measures the data
// check of the profile lines, the generation of the slope, the region polygons of every line and
// the label placement, each from a changed profile (so nothing is reused from a previous round),
// and all of them together.

#include "profile/profile_line.h"
#include "profile/slope_geometry.h"

#include <benchmark/benchmark.h>

#include <random>
#include <vector>

namespace {

void BuildProfile(Cpp_ProfileLineList& list, int lines, int points) {
    std::mt19937 random(11);
    std::uniform_real_distribution<double> wiggle(-1.0, 1.0);
    for (int l = 0; l < lines; ++l) {
        Cpp_ProfileLine* line = list.CreateLine(l + 1, l % 8 + 1, "");
        for (int k = 0; k < points; ++k) {
            const double x =
                2000.0 * k / (points - 1) + (k > 0 && k < points - 1 ? 0.5 * wiggle(random) : 0.0);
            line->AddPoint(x, 400.0 - 10.0 * l + 3.0 * wiggle(random));
        }
    }
}

// Moves one point a little, so every cached result of the profile is stale.
void Touch(Cpp_ProfileLineList& list, int round) {
    Cpp_PointXY* p = list.LineAt(round % list.Count())->FirstPoint()->Next();
    p->SetY(p->Y() + ((round & 1) ? 1e-6 : -1e-6));
}

void Check(Cpp_ProfileLineList& list) {
    benchmark::DoNotOptimize(list.CheckData(nullptr, 1e-8 * 2000.0, true, false, nullptr));
}

void Generate(Cpp_ProfileLineList& list, Cpp_SlopeGeometry& slope) {
    slope.DeleteAll();
    benchmark::DoNotOptimize(slope.Generate(list, false, nullptr));
}

void Regions(Cpp_ProfileLineList& list) {
    std::vector<s_tagTypePointXY> polygon;
    for (int i = 0; i < list.Count(); ++i) {
        list.RegionPolygon(list.ProfileLineAt(i), -100.0, polygon);
        benchmark::DoNotOptimize(polygon.data());
    }
}

void BM_ProfileCheck(benchmark::State& state) {
    Cpp_ProfileLineList list;
    BuildProfile(list, 40, 500);
    int round = 0;
    for (auto _ : state) {
        Touch(list, ++round);
        Check(list);
    }
}
BENCHMARK(BM_ProfileCheck)->Unit(benchmark::kMillisecond);

void BM_SlopeGeneration(benchmark::State& state) {
    Cpp_ProfileLineList list;
    BuildProfile(list, 40, 500);
    Cpp_SlopeGeometry slope;
    int round = 0;
    for (auto _ : state) {
        Touch(list, ++round);
        Generate(list, slope);
    }
}
BENCHMARK(BM_SlopeGeneration)->Unit(benchmark::kMillisecond);

void BM_RegionPolygons(benchmark::State& state) {
    Cpp_ProfileLineList list;
    BuildProfile(list, 40, 500);
    int round = 0;
    for (auto _ : state) {
        Touch(list, ++round);
        Regions(list);
    }
}
BENCHMARK(BM_RegionPolygons)->Unit(benchmark::kMillisecond);

void BM_LabelPlacement(benchmark::State& state) {
    Cpp_ProfileLineList list;
    BuildProfile(list, 40, 500);
    int round = 0;
    for (auto _ : state) {
        Touch(list, ++round);
        list.PlaceMaterialLabels(-10.0, 2010.0, -100.0, 450.0);
    }
}
BENCHMARK(BM_LabelPlacement)->Unit(benchmark::kMillisecond);

void BM_CheckGenerateAndRegions(benchmark::State& state) {
    Cpp_ProfileLineList list;
    BuildProfile(list, 40, 500);
    Cpp_SlopeGeometry slope;
    int round = 0;
    for (auto _ : state) {
        Touch(list, ++round);
        Check(list);
        Generate(list, slope);
        Regions(list);
    }
}
BENCHMARK(BM_CheckGenerateAndRegions)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
