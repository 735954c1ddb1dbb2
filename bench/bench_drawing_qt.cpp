// A full paint of a large profile: 40 profile lines of 500 points with their filled material
// regions, lines, points, line numbers, material labels and the axes, on the QImage device
// context of the view and on the recording device context. Target: under 30 ms a paint on QImage.
// A second pair of cases paints after a pure pan, which reuses the region polygons.
//
//     build/bench/bench_drawing_qt

#include "graphics/axes.h"
#include "graphics/graphics.h"
#include "graphics/line_styles.h"
#include "platform/qt/image_dc.h"
#include "platform/recording_dc.h"
#include "profile/profile_drawing.h"
#include "profile/profile_line.h"

#include <QGuiApplication>
#include <QImage>
#include <benchmark/benchmark.h>
#include <cmath>

namespace {

constexpr int kWidth = 1600;
constexpr int kHeight = 1000;

Cpp_ProfileLineList& TheProfile() {
    static Cpp_ProfileLineList list;
    static bool built = false;
    if (!built) {
        built = true;
        for (int k = 0; k < 40; ++k) {
            Cpp_ProfileLine* line = list.CreateLine(k + 1, k % 12 + 1, "layer");
            for (int i = 0; i < 500; ++i) {
                const double x = i * 2.0;
                const double y = 400.0 - k * 9.0 + 3.0 * std::sin(0.05 * i + k);
                line->AddPoint(x, y);
            }
        }
    }
    return list;
}

void Fit(platform::DeviceContext& dc) {
    Cpp_Graphics::Reset();
    Cpp_Graphics::SetCurrentDC(&dc);
    Cpp_Graphics::SetOutputMode(Cpp_Graphics::kOutputScreen);
    Cpp_GraphicInit::InitializeLineStyles();
    Cpp_Graphics::SetWindow(0, 1000, 0, 420);
    Cpp_Graphics::InvalidateScale();
    Cpp_Graphics::SetScaleToFit(2, 0, kWidth, kHeight, 0, 96, 96);
}

bool g_points = true;

void Paint(platform::DeviceContext& dc) {
    Cpp_ProfileLineList& list = TheProfile();
    dc.FillRect({0, 0, kWidth, kHeight}, 0xFFFFFF);
    Cpp_Axes::DrawAxes(dc, 0, 0, kWidth, kHeight);
    const auto vis = Cpp_Graphics::GetVisibleWindow();
    list.PlaceMaterialLabels(vis.xmin, vis.xmax, vis.ymin, vis.ymax);
    DrawMaterialRegions(list, 1, list.RegionFloor(vis.ymin));
    if (g_points) DrawProfilePoints(list);
    DrawProfileLines(list);
    DrawMaterialNumbers(list);
    DrawProfileLineNumbers(list);
}

void BM_PaintQImage(benchmark::State& state) {
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    for (auto _ : state) {
        platform::qt::ImageDeviceContext dc(image, 96, 96);
        Fit(dc);
        Paint(dc);
    }
    Cpp_Graphics::Reset();
}

void BM_PaintQImageWithoutPoints(benchmark::State& state) {
    g_points = false;
    BM_PaintQImage(state);
    g_points = true;
}

void BM_PaintQImageAfterPan(benchmark::State& state) {
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    {
        platform::qt::ImageDeviceContext dc(image, 96, 96);
        Fit(dc);
        Paint(dc);
    }
    for (auto _ : state) {
        platform::qt::ImageDeviceContext dc(image, 96, 96);
        Cpp_Graphics::SetCurrentDC(&dc);
        Cpp_Graphics::ScrollPixels(3, 0);
        Paint(dc);
    }
    Cpp_Graphics::Reset();
}

void BM_PaintRecording(benchmark::State& state) {
    for (auto _ : state) {
        platform::RecordingDeviceContext dc(kWidth, kHeight);
        Fit(dc);
        Paint(dc);
        benchmark::DoNotOptimize(dc.Records().size());
    }
    Cpp_Graphics::Reset();
}

}  // namespace

BENCHMARK(BM_PaintQImage)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PaintQImageWithoutPoints)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PaintQImageAfterPan)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PaintRecording)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
