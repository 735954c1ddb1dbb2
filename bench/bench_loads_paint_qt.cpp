// A paint of many loads on the QImage device context of the view: 2,000 distributed-load points
// with their diagrams and arrows, 500 line loads, 100 reinforcement lines of 40 points with both
// force bands, 200 nails and 200 geogrids; and the same zoomed in on a tenth of the data, where
// what lies outside the view is cut in world coordinates.
//
//     build/bench/bench_loads_paint_qt

#include "graphics/graphics.h"
#include "graphics/line_styles.h"
#include "graphics/palette.h"
#include "loads/loads_data.h"
#include "platform/qt/image_dc.h"

#include <QGuiApplication>
#include <QImage>
#include <benchmark/benchmark.h>
#include <cmath>

namespace {

constexpr int kWidth = 1600;
constexpr int kHeight = 1000;

Cpp_LoadsData& TheLoads() {
    static Cpp_LoadsData loads;
    static bool built = false;
    if (!built) {
        built = true;
        Cpp_DistributedLoadData& d = loads.DistributedLoads(1);
        for (int i = 0; i < 2000; ++i)
            d.AddPoint(i * 0.5, 300 + 5 * std::sin(0.01 * i), 500 + 100 * std::sin(0.1 * i),
                       50 * std::cos(0.05 * i));
        for (int i = 0; i < 500; ++i)
            loads.LineLoads(1).AddByComponents(i + 1, i * 2.0, 310, 100 * std::sin(0.2 * i), -1000);
        for (int k = 0; k < 100; ++k) {
            Cpp_ReinforcementLine* line = loads.reinforcement.AddEmptyLine();
            for (int i = 0; i < 40; ++i)
                line->AddPoint(k * 10.0 + i * 0.5, 250 - i * 0.2, 1000 - 20 * i, 100 + 5 * i);
        }
        for (int i = 0; i < 200; ++i) {
            Cpp_IndividualNail* n = loads.nails.GetIndividualNailList().AddEmptyNail();
            n->headX = i * 5.0, n->headY = 200, n->endX = i * 5.0 - 8, n->endY = 195;
            loads.geogrids.GetIndividualGeogridList().AddEmptyGeogrid()->SetGeometry(i * 5.0, 150,
                                                                                     i * 5.0 + 12);
        }
    }
    return loads;
}

void Fit(platform::DeviceContext& dc, double xmax) {
    Cpp_Graphics::Reset();
    Cpp_Graphics::SetCurrentDC(&dc);
    Cpp_Graphics::SetOutputMode(Cpp_Graphics::kOutputScreen);
    Cpp_GraphicInit::InitializeLineStyles();
    Cpp_Graphics::SetWindow(0, xmax, 100, 100 + 0.42 * xmax);
    Cpp_Graphics::InvalidateScale();
    Cpp_Graphics::SetScaleToFit(1, 0, kWidth, kHeight, 0, 96, 96);
    Cpp_DistributedLoadData::SetLargestValue(600);
    Cpp_DistributedLoadData::ComputeLoadScale(1);
    Cpp_LineLoadList::SetLargestForce(1000);
    Cpp_LineLoadList::ComputeForceScale(1);
    Cpp_ReinforcementLineList::SetLargestForce(1000);
    Cpp_ReinforcementLineList::ComputeForceScale(1);
}

void Paint(platform::DeviceContext& dc) {
    Cpp_LoadsData& loads = TheLoads();
    dc.FillRect({0, 0, kWidth, kHeight}, 0xFFFFFF);
    Cpp_DistributedLoadData& d = loads.DistributedLoads(1);
    d.DrawPointSymbols();
    d.DrawDiagrams(true, true);
    loads.LineLoads(1).Draw();
    double a, b, c, e;
    loads.reinforcement.DrawForces(true, a, b, c, e);
    loads.reinforcement.DrawForces(false, a, b, c, e);
    loads.reinforcement.Draw();
    loads.reinforcement.DrawPoints();
    loads.geogrids.Draw();
    loads.nails.Draw();
}

void PaintAt(benchmark::State& state, double xmax) {
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    Cpp_WindowsPalette::Create();
    for (auto _ : state) {
        platform::qt::ImageDeviceContext dc(image, 96, 96);
        Fit(dc, xmax);
        Paint(dc);
    }
    Cpp_Graphics::Reset();
}

void BM_PaintAllLoads(benchmark::State& state) { PaintAt(state, 1000); }
void BM_PaintLoadsZoomedIn(benchmark::State& state) { PaintAt(state, 100); }

BENCHMARK(BM_PaintAllLoads)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PaintLoadsZoomedIn)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
