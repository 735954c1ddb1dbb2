// A full paint of a large profile: 40 profile lines of 500 points with their filled material
// regions, lines, points, line numbers, material labels and the axes, on the QImage device
// context of the view and on the recording device context. Target: under 30 ms a paint on QImage.
// A second pair of cases paints after a pure pan, which reuses the region polygons.
// Two more move the mouse over the painted picture during Zoom Window (cross-hair, then box) and
// during a band selection: a move draws its outline in XOR on the picture and never repaints
// the model (the counter "repaints" stays 0). Target: under 1 ms a move, below 1/20 of a paint.
// The last moves the mouse in select mode with nothing selected over the same profile in the
// data set: each move picks the items under the cursor for the tool tip.
//
//     build/bench/bench_drawing_qt

#include "editing/cursor_modes.h"
#include "editing/view_input.h"
#include "editing/view_navigation.h"
#include "editing/view_selection.h"
#include "graphics/axes.h"
#include "graphics/graphics.h"
#include "graphics/line_styles.h"
#include "model/data_set.h"
#include "model/data_sets.h"
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

// The view of the moves: the painted picture, XOR outlines drawn into it as the view does.
class ImageView final : public ViewInputHost {
public:
    explicit ImageView(QImage& image) : image_(image) {}
    int EditMode() const override { return 1; }
    void EnterSelectMode() override {}
    void HideCurrentToolBar() override {}
    int PickKindIndex() const override { return 0; }
    bool WheelEditingOn() const override { return false; }
    bool ConstructionPointSnapOn() const override { return false; }
    void ShowCursorPosition(double, double) override {}
    void SetLongForceText(bool, const std::string&) override {}
    void SetToolTip(const std::string&) override {}
    void RunCommand(int) override {}
    void InvalidateView() override { ++repaints; }
    void UpdateView() override {}
    bool ScrollView(int, int) override { return false; }
    void DrawOverlay(const platform::DeviceRect& touched,
                     const std::function<void(platform::DeviceContext&)>& draw) override {
        platform::qt::ImageDeviceContext dc(image_, 96, 96);
        dc.SetClipRect(touched);
        dc.SetRop2(platform::RasterOp::XorPen);
        draw(dc);
    }
    platform::DeviceRect ClientRect() const override { return {0, 0, kWidth, kHeight}; }
    s_PixelPoint ScreenTopLeft() const override { return {0, 0}; }
    int TrackMenu(const MenuList&, s_PixelPoint) override { return 0; }
    std::int64_t Milliseconds() const override { return now; }
    int repaints = 0;
    std::int64_t now = 0;

private:
    QImage& image_;
};

// One mouse move per iteration over the painted profile, the cursor sweeping the view.
template <typename Start>
void MoveOverPicture(benchmark::State& state, Start start) {
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    {
        platform::qt::ImageDeviceContext paint(image, 96, 96);
        Fit(paint);
        Paint(paint);
        Cpp_Graphics::SetCurrentDC(nullptr);
    }
    ImageView view(image);
    SetViewWindow(&view);
    start(view);
    int i = 0;
    for (auto _ : state) {
        s_ViewInput in;
        in.device = {200 + (i * 7) % 1200, 150 + (i * 5) % 700};
        ++i;
        ViewMouseMove(view, in);
    }
    state.counters["repaints"] = view.repaints;
    SetCursorMode(0);
    SetViewWindow(nullptr);
    Cpp_Graphics::Reset();
}

void BM_MoveDuringZoomWindowBox(benchmark::State& state) {
    MoveOverPicture(state, [](ImageView&) {
        StartZoomWindow(100, 100);
        StartZoomBox(100, 100);
    });
}

void BM_MoveDuringZoomWindowCrosshair(benchmark::State& state) {
    MoveOverPicture(state, [](ImageView&) { StartZoomWindow(100, 100); });
}

void BM_MoveDuringBandSelection(benchmark::State& state) {
    MoveOverPicture(state, [](ImageView& view) {
        StartPickBand(true, view, {100, 100}, {120, 110});
    });
}

// Select mode with nothing selected: each move picks the items under the cursor for its tool tip.
void BM_MoveHoverInSelectMode(benchmark::State& state) {
    Cpp_ProfileLineList& picked = Cpp_Kliven4Data::CurrentDataSet()->ProfileLines();
    if (picked.Count() == 0)
        for (const auto& line : TheProfile().Lines()) {
            Cpp_ProfileLine* copy =
                picked.CreateLine(line->GetNumber(), line->GetNumber() % 12 + 1, "layer");
            for (const Cpp_PointXY* p = line->FirstPoint(); p; p = p->Next())
                copy->AddPoint(p->X(), p->Y());
            copy->NumberPoints();
        }
    MoveOverPicture(state, [](ImageView&) {});
}

}  // namespace

BENCHMARK(BM_MoveDuringZoomWindowCrosshair)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_MoveDuringZoomWindowBox)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_MoveDuringBandSelection)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_MoveHoverInSelectMode)->Unit(benchmark::kMicrosecond);
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
