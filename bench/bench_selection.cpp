// Picking at the speed of mouse moves: one full and one point-oriented hit test over 20 profile
// lines of 200 points, a slope of 500 points, 200 reinforcement lines and two interpolation data
// sets of 20,000 triangulated points, with the cursor inside and outside the mesh. Beside them,
// for scale, a plain loop of squared distances over as many points, and a brute-force
// point-in-triangle scan over every triangle.

#include <benchmark/benchmark.h>

#include <random>
#include <vector>

#include "core/data_error_output.h"
#include "editing/selection_list.h"
#include "graphics/graphics.h"
#include "loads/reinforcement_line.h"
#include "model/data_set.h"
#include "porepressure/interpolation_data.h"
#include "porepressure/triangle.h"
#include "porepressure/vertex.h"
#include "profile/profile_line.h"
#include "profile/slope_geometry.h"

namespace {

struct Problem {
    Cpp_Kliven4DataSet ds{1};
    std::vector<Cpp_InterpolationDataSet*> sets;

    Problem() {
        // 1 pixel per world unit over [0, 1000] x [0, 1000]: a 5 unit pick tolerance.
        Cpp_Graphics::SetScaleState(0, 1000, 0, 1000, 0, 1, 1000, -1, 0, 1000, 0, 1000);
        for (int l = 0; l < 20; ++l) {
            Cpp_ProfileLine* line = ds.ProfileLines().CreateLine(l + 1, l + 1, "");
            for (int i = 0; i < 200; ++i) line->AddPoint(i * 5.0, 100.0 + l * 20 + (i % 7));
            line->NumberPoints();
        }
        Cpp_SlopeLine& slope = ds.SlopeGeometry().GetSlopeLine();
        for (int i = 0; i < 500; ++i) slope.AddPoint(i * 2.0, 600.0 + (i % 11));
        slope.NumberPoints();
        for (int r = 0; r < 200; ++r) {
            Cpp_ReinforcementLine* line = ds.ReinforcementLines()->AddNewLine(r + 1, "", 0, 1);
            line->AddPoint(100.0 + r * 3, 650.0, 1, 0);
            line->AddPoint(130.0 + r * 3, 660.0, 1, 0);
            line->NumberPoints();
        }
        std::mt19937_64 gen(11);
        std::uniform_real_distribution<double> d(0.0, 500.0);
        for (int kind : {1, 2}) {
            Cpp_InterpolationDataSet* set = nullptr;
            for (int i = 0; i < 20000; ++i)
                ds.InterpolationData(1)->AddPointToDataSet(kind, 0, d(gen), d(gen), 1, 0, 0, set);
            set->RebuildVertices();
            set->Triangulate();
            set->ComputeBoundary();
            sets.push_back(set);
        }
        ds.DisplayFlags().triangles[0] = true;
    }
};

Problem& TheProblem() {
    static Problem* p = new Problem;
    return *p;
}

// Inside the mesh (x, y < 500) or outside it.
void Full(benchmark::State& state) {
    Problem& p = TheProblem();
    const double x = state.range(0) ? 250.3 : 750.3, y = state.range(0) ? 251.7 : 900.1;
    Cpp_SelectionList list;
    for (auto _ : state) {
        list.Clear();
        list.SelectItemAtPoint(&p.ds, x, y, false, false, false);
        benchmark::DoNotOptimize(list.Count());
    }
}
BENCHMARK(Full)->Arg(1)->Arg(0)->Unit(benchmark::kMicrosecond);

void PointOriented(benchmark::State& state) {
    Problem& p = TheProblem();
    const double x = state.range(0) ? 250.3 : 750.3, y = state.range(0) ? 251.7 : 900.1;
    Cpp_SelectionList list;
    for (auto _ : state) {
        list.SelectPointAtPoint(&p.ds, x, y, true, false, false, false);
        benchmark::DoNotOptimize(list.Count());
    }
}
BENCHMARK(PointOriented)->Arg(1)->Arg(0)->Unit(benchmark::kMicrosecond);

// As many squared distances as the data have points.
void SquaredDistances(benchmark::State& state) {
    std::vector<double> xs, ys;
    std::mt19937_64 gen(3);
    std::uniform_real_distribution<double> d(0.0, 1000.0);
    for (int i = 0; i < 20 * 200 + 500 + 400 + 40000; ++i)
        xs.push_back(d(gen)), ys.push_back(d(gen));
    for (auto _ : state) {
        double best = 1e300;
        for (size_t i = 0; i < xs.size(); ++i) {
            const double dx = xs[i] - 250.3, dy = ys[i] - 251.7;
            const double q = dx * dx + dy * dy;
            if (q < best) best = q;
        }
        benchmark::DoNotOptimize(best);
    }
}
BENCHMARK(SquaredDistances)->Unit(benchmark::kMicrosecond);

// Every triangle of both data sets tested for the cursor.
void TriangleScan(benchmark::State& state) {
    Problem& p = TheProblem();
    std::vector<double> t;
    for (Cpp_InterpolationDataSet* set : p.sets)
        for (Cpp_Triangle* tri = set->GetTriangleList().First(); tri; tri = tri->Next())
            for (short i = 1; i <= 3; ++i)
                t.push_back(tri->Vertex(i)->X()), t.push_back(tri->Vertex(i)->Y());
    const double x = 250.3, y = 251.7;
    for (auto _ : state) {
        int hits = 0;
        for (size_t k = 0; k + 5 < t.size(); k += 6) {
            const double d1 =
                (x - t[k + 2]) * (t[k + 1] - t[k + 3]) - (t[k] - t[k + 2]) * (y - t[k + 3]);
            const double d2 =
                (x - t[k + 4]) * (t[k + 3] - t[k + 5]) - (t[k + 2] - t[k + 4]) * (y - t[k + 5]);
            const double d3 =
                (x - t[k]) * (t[k + 5] - t[k + 1]) - (t[k + 4] - t[k]) * (y - t[k + 1]);
            const bool neg = d1 < 0 || d2 < 0 || d3<0, pos = d1> 0 || d2 > 0 || d3 > 0;
            hits += !(neg && pos);
        }
        benchmark::DoNotOptimize(hits);
    }
}
BENCHMARK(TriangleScan)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
