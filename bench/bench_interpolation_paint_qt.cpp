// A paint of 20,000 pressure interpolation points with their symbols, value labels and
// contours on the QImage device context of the view: the whole data in view, and zoomed to a
// quarter of it (labels outside the view are not drawn, and a label that would overlap one
// already drawn is left out). Target: under 50 ms a paint.
//
//     build/bench/bench_interpolation_paint_qt

#include "graphics/graphics.h"
#include "model/data_set.h"
#include "model/porepressure_drawing_layers.h"
#include "platform/qt/image_dc.h"
#include "porepressure/interpolation_data.h"

#include <QGuiApplication>
#include <QImage>
#include <benchmark/benchmark.h>
#include <cmath>
#include <memory>
#include <random>

namespace {

constexpr int kWidth = 1600;
constexpr int kHeight = 1000;

Cpp_Kliven4DataSet& TheData() {
    static std::unique_ptr<Cpp_Kliven4DataSet> data;
    if (data) return *data;
    ResetTriangulationGlobals();
    data = std::make_unique<Cpp_Kliven4DataSet>(1);
    Cpp_InterpolationData& d = *data->InterpolationData(1);
    Cpp_InterpolationDataSet* set = nullptr;
    std::mt19937_64 gen(3);
    std::uniform_real_distribution<double> u(0.0, 1000.0);
    for (int i = 0; i < 20000; ++i) {
        const double x = u(gen), y = u(gen) * 0.6;
        d.AddPointToDataSet(1, 0, x, y, 62.4 * (600 - y) + 500 * std::sin(x / 90), 0, 0, set);
    }
    set->RebuildVertices();
    set->Triangulate();
    set->ComputeBoundary();
    data->DisplayFlags().interpolationValues[0] = true;
    return *data;
}

void Fit(platform::DeviceContext& dc, double xmax, double ymax) {
    Cpp_Graphics::Reset();
    Cpp_Graphics::SetCurrentDC(&dc);
    Cpp_Graphics::SetOutputMode(Cpp_Graphics::kOutputScreen);
    Cpp_Graphics::SetWindow(0, xmax, 0, ymax);
    Cpp_Graphics::InvalidateScale();
    Cpp_Graphics::SetScaleToFit(2, 0, kWidth, kHeight, 0, 96, 96);
}

void Paint(platform::DeviceContext& dc, Cpp_Kliven4DataSet& data) {
    dc.FillRect({0, 0, kWidth, kHeight}, 0xFFFFFF);
    DrawInterpolationPointsAndContours(data);
    DrawInterpolationThirdPass(data);
}

void PaintCase(benchmark::State& state, double xmax, double ymax) {
    Cpp_Kliven4DataSet& data = TheData();
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    {
        platform::qt::ImageDeviceContext dc(image, 96, 96);
        Fit(dc, xmax, ymax);
        Paint(dc, data);  // the contours are traced once, then kept
    }
    for (auto _ : state) {
        platform::qt::ImageDeviceContext dc(image, 96, 96);
        Fit(dc, xmax, ymax);
        Paint(dc, data);
    }
    Cpp_Graphics::Reset();
}

void BM_PaintAllPointsLabelled(benchmark::State& state) { PaintCase(state, 1000, 600); }
// The shares of the value labels and of the contours in the whole paint.
void BM_PaintWithoutValueLabels(benchmark::State& state) {
    TheData().DisplayFlags().interpolationValues[0] = false;
    PaintCase(state, 1000, 600);
    TheData().DisplayFlags().interpolationValues[0] = true;
}
void BM_PaintWithoutContours(benchmark::State& state) {
    TheData().DisplayFlags().contours[0] = false;
    PaintCase(state, 1000, 600);
    TheData().DisplayFlags().contours[0] = true;
}
void BM_PaintQuarterZoomLabelled(benchmark::State& state) { PaintCase(state, 500, 300); }

}  // namespace

BENCHMARK(BM_PaintAllPointsLabelled)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PaintQuarterZoomLabelled)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PaintWithoutValueLabels)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PaintWithoutContours)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
