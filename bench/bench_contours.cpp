// Contours over a large triangulation: tracing 20 contour values through about 100,000
// triangles, and a repaint that finds the traced lines in the cache and only labels and draws.

#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>
#include <random>

#include "graphics/graphics.h"
#include "platform/recording_dc.h"
#include "porepressure/contours.h"
#include "porepressure/delaunay.h"

namespace {

struct Mesh {
    Cpp_VertexList vertices;
    Cpp_TriangleList triangles;
};

// About 2 n triangles over random points with a smooth, hilly value.
Mesh& LargeMesh(int n) {
    static std::unique_ptr<Mesh> mesh;
    if (mesh) return *mesh;
    ResetTriangulationGlobals();
    mesh = std::make_unique<Mesh>();
    std::mt19937_64 gen(7);
    std::uniform_real_distribution<double> d(0.0, 1000.0);
    for (int i = 0; i < n; ++i) {
        const double x = d(gen), y = d(gen);
        mesh->vertices.AddVertex(i + 1, x, y,
                                 100 * std::sin(x / 150) * std::cos(y / 200) + 0.1 * y);
    }
    RegisterVertexList(&mesh->vertices);
    TriangulatePoints(1, mesh->triangles, mesh->vertices, false);
    return *mesh;
}

void SetUpView(platform::RecordingDeviceContext& dc) {
    Cpp_Graphics::Reset();
    Cpp_Graphics::SetCurrentDC(&dc);
    Cpp_Graphics::SetOutputMode(Cpp_Graphics::kOutputScreen);
    Cpp_Graphics::SetWindow(0, 1000, 0, 1000);
    Cpp_Graphics::InvalidateScale();
    Cpp_Graphics::SetScaleToFit(2, 0, 1000, 800, 0, 96, 96);
    Cpp_Contours::SetDrawingAttributes(s_FontType("Arial", 8), 2, s_ColorType(12, 7),
                                       s_LineWidthType(static_cast<short>(1)),
                                       s_LineWidthType(static_cast<short>(3)), "Press_Interp_1");
}

void BM_TraceContours(benchmark::State& state) {
    Mesh& mesh = LargeMesh(50000);
    Cpp_Contours contours;
    contours.SetUpContourValues(mesh.vertices, false);
    for (auto _ : state) {
        contours.TraceContourLines(mesh.triangles);
        benchmark::DoNotOptimize(contours.Lines().size());
    }
    state.counters["triangles"] = mesh.triangles.CountTriangles();
    state.counters["lines"] = static_cast<double>(contours.Lines().size());
}
BENCHMARK(BM_TraceContours)->Unit(benchmark::kMillisecond);

void BM_RepaintCachedContours(benchmark::State& state) {
    Mesh& mesh = LargeMesh(50000);
    platform::RecordingDeviceContext dc(1000, 800);
    SetUpView(dc);
    Cpp_Contours contours;
    contours.Draw(mesh.vertices, mesh.triangles, false);
    for (auto _ : state) {
        dc.Clear();
        contours.Draw(mesh.vertices, mesh.triangles, false);
        contours.DrawLabels();
    }
    state.counters["traces"] = contours.TraceCount();
    Cpp_Contours::ReleaseDrawingAttributes();
    Cpp_Graphics::Reset();
}
BENCHMARK(BM_RepaintCachedContours)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
