// One pressure interpolation point added to a set of 10,000, 100,000 and 1,000,000 points, as
// the interpolation tool adds it: inserted into the triangulation with the step-by-step redraw
// of the changed triangles and points on the view's picture (a 1600 x 1000 QImage) and the
// touched pixels copied to the shown image; beside it, in the same run, the point added without
// drawing and a full repaint of the triangles and point symbols of the set. Target: under 2 ms
// for one point added to 100,000 with its redraw.
//
//     build/bench/bench_interpolation_redraw_qt --benchmark_repetitions=5
//         --benchmark_report_aggregates_only=true

#include "graphics/graphics.h"
#include "graphics/level_of_detail.h"
#include "model/data_set.h"
#include "model/porepressure_drawing_layers.h"
#include "platform/qt/image_dc.h"
#include "porepressure/interpolation_data.h"
#include "porepressure/interpolation_drawing.h"
#include "porepressure/triangulation_drawing.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>
#include <map>
#include <memory>
#include <random>

namespace {

constexpr int kWidth = 1600;
constexpr int kHeight = 1000;
constexpr double kSize = 1000.0;

// A data set of n random pressures, triangulated; triangles and points shown, no contours.
Cpp_Kliven4DataSet& TheData(int n) {
    static std::map<int, std::unique_ptr<Cpp_Kliven4DataSet>> made;
    std::unique_ptr<Cpp_Kliven4DataSet>& data = made[n];
    if (data) return *data;
    data = std::make_unique<Cpp_Kliven4DataSet>(1);
    Cpp_InterpolationData& d = *data->InterpolationData(1);
    Cpp_InterpolationDataSet* set = nullptr;
    std::mt19937_64 gen(5);
    std::uniform_real_distribution<double> u(0.0, kSize);
    for (int i = 0; i < n; ++i) {
        const double x = u(gen), y = u(gen) * 0.6;
        d.AddPointToDataSet(1, 0, x, y, 62.4 * (600 - y), 0, 0, set);
    }
    set->RebuildVertices();
    set->Triangulate();
    set->ComputeBoundary();
    s_DisplayFlagsType& flags = data->DisplayFlags();
    flags.triangles[0] = true;
    flags.contours[0] = false;
    flags.interpolationValues[0] = false;
    return *data;
}

Cpp_InterpolationDataSet& SetOf(Cpp_Kliven4DataSet& data) {
    return *data.InterpolationData(1)->DataSets().front();
}

void Fit(platform::DeviceContext& dc) {
    Cpp_Graphics::Reset();
    Cpp_Graphics::SetCurrentDC(&dc);
    Cpp_Graphics::SetOutputMode(Cpp_Graphics::kOutputScreen);
    Cpp_Graphics::SetWindow(0, kSize, 0, kSize * 0.6);
    Cpp_Graphics::InvalidateScale();
    Cpp_Graphics::SetScaleToFit(2, 0, kWidth, kHeight, 0, 96, 96);
}

// The whole picture of the set's triangles and points.
void Repaint(platform::DeviceContext& dc, Cpp_Kliven4DataSet& data) {
    Cpp_PixelDetail detail;
    dc.FillRect({0, 0, kWidth, kHeight}, 0xFFFFFF);
    DrawInterpolationFirstPass(data);
    DrawInterpolationPointsAndContours(data);
}

// Points added inside the set, one per iteration (each benchmark its own, so that none repeats
// a point of another).
struct NewPoints {
    explicit NewPoints(unsigned seed) : gen(seed) {}
    std::mt19937_64 gen;
    std::uniform_real_distribution<double> u{0.02 * kSize, 0.98 * kSize};
    void Next(double& x, double& y) {
        x = u(gen);
        y = u(gen) * 0.6;
    }
};

void BM_AddPointDrawnInPlace(benchmark::State& state) {
    Cpp_Kliven4DataSet& data = TheData(static_cast<int>(state.range(0)));
    Cpp_InterpolationDataSet& set = SetOf(data);
    QImage picture(kWidth, kHeight, QImage::Format_RGB32),
        shown(kWidth, kHeight, QImage::Format_RGB32);
    platform::qt::ImageDeviceContext dc(picture, 96, 96);
    Fit(dc);
    Repaint(dc, data);
    shown = picture.copy();
    const TriangulationDrawOptions options = InterpolationDrawOptions(1, 1);
    NewPoints points(11);
    for (auto _ : state) {
        double x = 0, y = 0;
        points.Next(x, y);
        platform::DeviceRect touched;
        {
            Cpp_PixelDetail detail;
            Cpp_TriangulationRedrawer redraw(options);
            set.AddPoint(x, y, 62.4 * (600 - y), &redraw);
            redraw.DrawVertex(*set.GetVertexList().Last());
            touched = redraw.Touched();
        }
        const QRect area(touched.left, touched.top, touched.Width(), touched.Height());
        QPainter painter(&shown);
        painter.drawImage(area.topLeft(), picture, area);
    }
    Cpp_Graphics::Reset();
}

void BM_AddPointWithoutDrawing(benchmark::State& state) {
    Cpp_InterpolationDataSet& set = SetOf(TheData(static_cast<int>(state.range(0))));
    NewPoints points(13);
    for (auto _ : state) {
        double x = 0, y = 0;
        points.Next(x, y);
        set.AddPoint(x, y, 62.4 * (600 - y));
    }
}

void BM_FullRepaint(benchmark::State& state) {
    Cpp_Kliven4DataSet& data = TheData(static_cast<int>(state.range(0)));
    QImage picture(kWidth, kHeight, QImage::Format_RGB32);
    platform::qt::ImageDeviceContext dc(picture, 96, 96);
    Fit(dc);
    for (auto _ : state) Repaint(dc, data);
    Cpp_Graphics::Reset();
}

}  // namespace

BENCHMARK(BM_AddPointDrawnInPlace)
    ->Arg(10000)
    ->Arg(100000)
    ->Arg(1000000)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_AddPointWithoutDrawing)
    ->Arg(10000)
    ->Arg(100000)
    ->Arg(1000000)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FullRepaint)->Arg(10000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
