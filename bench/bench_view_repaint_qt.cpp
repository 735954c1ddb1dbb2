// Repainting the view of a big problem, in the real view widget (1600 x 1000, offscreen): 40
// profile lines of 500 points over 40 materials, and 1e4, 1e5 or 1e6 pore-pressure interpolation
// points (contours off), with and without their triangles shown.
//   - full repaint: the whole picture drawn again, as after a change of the data or the palette;
//   - scroll step: the view moved by a twentieth of its height;
//   - wheel zoom step: the wheel turned one notch over the middle of the view (in, then out).
// Each beside its reference in the same run: plain QPainter drawing the same figures (the
// profile polylines, a 6-pixel square per interpolation point, every triangle outline) into an
// image of the same size. Targets: full repaint, scroll and zoom under 16 ms at every size;
// with the triangles under 16 ms at 1e5 and under 50 ms at 1e6.
// Medians of 5 repetitions unless --benchmark_repetitions is given; the ratios to the reference
// (processor time, which a busy machine does not inflate; the drawing runs in one thread) are
// printed at the end.
//
//     build/bench/bench_view_repaint_qt

#include "app/document.h"
#include "app/draw_view.h"
#include "app/drawing_view.h"
#include "core/file_io.h"
#include "graphics/graphics.h"
#include "model/data_set.h"
#include "model/data_sets.h"
#include "model/subsystem_registration.h"
#include "porepressure/interpolation_data.h"
#include "porepressure/triangle.h"
#include "porepressure/vertex.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QPolygon>
#include <QWheelEvent>
#include <benchmark/benchmark.h>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <memory>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr int kWidth = 1600;
constexpr int kHeight = 1000;
constexpr int kLines = 40;
constexpr int kLinePoints = 500;

fs::path ProfileDocument() {
    const fs::path folder = fs::temp_directory_path() / "dravonet_bench_view";
    fs::create_directories(folder);
    const fs::path file = folder / "forty_lines.preinput-kliven";
    if (fs::exists(file)) return file;
    std::FILE* f = std::fopen(file.c_str(), "w");
    std::fputs("SI units\nHEAding follows -\n40 profile lines of 500 points\n \n", f);
    std::fputs("PROfile line data follow -\n", f);
    for (int line = 1; line <= kLines; ++line) {
        std::fprintf(f, "%6d%6d Layer %d\n", line, line, line);
        const double base = 620.0 - 15.0 * line;
        for (int i = 0; i < kLinePoints; ++i) {
            const double x = i * 2.0;
            std::fprintf(f, "%20.6f%20.6f\n", x, base + 3.0 * std::sin(x * 0.02 + line));
        }
        std::fputs("\n", f);
    }
    std::fputs("\nMATerial property data follow -\n", f);
    for (int m = 1; m <= kLines; ++m)
        std::fprintf(f,
                     "%6d Layer %d\n          19000\n          Conventional\n          10000 30\n"
                     "          Piezometric Line NegativeOK\n          1 -200\n",
                     m, m);
    std::fputs("\nNO compute\n", f);
    std::fclose(f);
    return file;
}

// The view and the problem of the current size; the problem is made again when the size changes.
struct Scene {
    std::unique_ptr<app::DrawingView> view;
    int points = -1;
    Cpp_InterpolationDataSet* set = nullptr;
    std::vector<std::vector<double>> lineX, lineY;
    std::mt19937_64 random{11};
};

Scene& TheScene() {
    static Scene scene;
    return scene;
}

Cpp_Kliven4DataSet& Data() { return *Cpp_Kliven4Data::CurrentDataSet(); }

Scene& SceneOf(int points, bool triangles) {
    Scene& s = TheScene();
    if (!s.view) {
        s.view = std::make_unique<app::DrawingView>();
        s.view->resize(kWidth, kHeight);
        app::InitializeView(s.view->ViewWindow());
        s.view->show();
        QApplication::processEvents();
    }
    if (s.points != points) {
        s.set = nullptr;
        if (!app::ReadProblemFile(nullptr, ProfileDocument())) std::abort();
        Cpp_InterpolationData& d = *Data().InterpolationData(1);
        std::uniform_real_distribution<double> u(0.0, 1.0);
        for (int i = 0; i < points; ++i) {
            const double x = 1000.0 * u(s.random), y = 600.0 * u(s.random);
            d.AddPointToDataSet(1, 0, x, y, 9810.0 * (620.0 - y), 0, 0, s.set);
        }
        s.set->RebuildVertices();
        s.set->Triangulate();
        s.set->ComputeBoundary();
        Data().DisplayFlags().contours[0] = false;
        s.lineX.assign(kLines, {});
        s.lineY.assign(kLines, {});
        const auto& lines = Data().ProfileLines().Lines();
        for (std::size_t n = 0; n < lines.size() && n < kLines; ++n)
            for (const Cpp_PointXY* p = lines[n]->FirstPoint(); p; p = p->Next()) {
                s.lineX[n].push_back(p->X());
                s.lineY[n].push_back(p->Y());
            }
        s.points = points;
    }
    Data().DisplayFlags().triangles[0] = triangles;
    app::ZoomToExtents();
    s.view->Redraw();
    s.view->repaint();
    return s;
}

// ------------------------------------------------------------------------ the view

void BM_ViewFullRepaint(benchmark::State& state) {
    Scene& s = SceneOf(static_cast<int>(state.range(0)), state.range(1) != 0);
    for (auto _ : state) {
        s.view->Redraw();
        s.view->repaint();
    }
}

void BM_ViewScrollStep(benchmark::State& state) {
    Scene& s = SceneOf(static_cast<int>(state.range(0)), state.range(1) != 0);
    int direction = 1;
    for (auto _ : state) {
        s.view->ScrollBy(0, direction * kHeight / 20);
        s.view->repaint();
        direction = -direction;
    }
}

void BM_ViewWheelZoomStep(benchmark::State& state) {
    Scene& s = SceneOf(static_cast<int>(state.range(0)), state.range(1) != 0);
    int direction = 1;
    const QPointF middle(kWidth / 2.0, kHeight / 2.0);
    for (auto _ : state) {
        QWheelEvent wheel(middle, s.view->mapToGlobal(middle), QPoint(), QPoint(0, 120 * direction),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(s.view.get(), &wheel);
        s.view->repaint();
        direction = -direction;
    }
    QApplication::processEvents();
}

// ------------------------------------------------------------------------ the reference

void BM_QPainterFigures(benchmark::State& state) {
    Scene& s = SceneOf(static_cast<int>(state.range(0)), state.range(1) != 0);
    const bool triangles = state.range(1) != 0;
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    QPolygon polygon;
    for (auto _ : state) {
        image.fill(Qt::white);
        QPainter painter(&image);
        const auto px = [](double x) { return Cpp_Graphics::XToPixel(x); };
        const auto py = [](double y) { return Cpp_Graphics::YToPixel(y); };
        painter.setPen(QPen(Qt::black, 1));
        for (std::size_t l = 0; l < s.lineX.size(); ++l) {
            polygon.resize(static_cast<int>(s.lineX[l].size()));
            for (std::size_t i = 0; i < s.lineX[l].size(); ++i)
                polygon[static_cast<int>(i)] = QPoint(px(s.lineX[l][i]), py(s.lineY[l][i]));
            painter.drawPolyline(polygon);
        }
        if (triangles) {
            painter.setPen(QPen(Qt::blue, 1));
            polygon.resize(4);
            for (const Cpp_Triangle* t = s.set->GetTriangleList().First(); t; t = t->Next()) {
                for (short k = 0; k < 4; ++k) {
                    const Cpp_VERTEX* v = t->Vertex(static_cast<short>(k % 3 + 1));
                    polygon[k] = QPoint(px(v->X()), py(v->Y()));
                }
                painter.drawPolyline(polygon);
            }
        }
        painter.setPen(QPen(Qt::darkGreen, 1));
        for (const Cpp_VERTEX* v = s.set->GetVertexList().First(); v; v = v->Next())
            painter.drawRect(px(v->X()) - 3, py(v->Y()) - 3, 6, 6);
        benchmark::DoNotOptimize(image.bits());
    }
}

// In the order of the sizes, so that each size's problem is made once.
void RegisterCases() {
    const std::pair<const char*, void (*)(benchmark::State&)> cases[] = {
        {"BM_QPainterFigures", BM_QPainterFigures},
        {"BM_ViewFullRepaint", BM_ViewFullRepaint},
        {"BM_ViewScrollStep", BM_ViewScrollStep},
        {"BM_ViewWheelZoomStep", BM_ViewWheelZoomStep},
    };
    for (int points : {10000, 100000, 1000000})
        for (int triangles : {0, 1})
            for (const auto& [name, function] : cases)
                benchmark::RegisterBenchmark(name, function)
                    ->Args({points, triangles})
                    ->Unit(benchmark::kMillisecond);
}

// Keeps the median of every case and prints each view case beside its reference.
class RatioReporter final : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
            if (median || (run.run_type == Run::RT_Iteration && run.repetitions <= 1))
                medians_[run.run_name.str()] = run.GetAdjustedCPUTime();
        }
    }
    void PrintRatios() const {
        std::printf("\n%-34s %12s %12s %8s\n", "case (points/triangles)", "view ms", "QPainter ms",
                    "ratio");
        for (const auto& [name, ms] : medians_) {
            if (name.rfind("BM_View", 0) != 0) continue;
            const auto args = name.substr(name.find('/'));
            const auto reference = medians_.find("BM_QPainterFigures" + args);
            if (reference == medians_.end() || reference->second <= 0) continue;
            std::printf("%-34s %12.2f %12.2f %8.2f\n", name.c_str(), ms, reference->second,
                        ms / reference->second);
        }
    }

private:
    std::map<std::string, double> medians_;
};

}  // namespace

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    std::vector<char*> args(argv, argv + argc);
    bool repetitions = false;
    for (int i = 1; i < argc; ++i)
        if (std::string(argv[i]).rfind("--benchmark_repetitions", 0) == 0) repetitions = true;
    static char fiveTimes[] = "--benchmark_repetitions=5";
    static char aggregates[] = "--benchmark_report_aggregates_only=true";
    if (!repetitions) {
        args.push_back(fiveTimes);
        args.push_back(aggregates);
    }
    int count = static_cast<int>(args.size());
    args.push_back(nullptr);
    QApplication application(count, args.data());
    RegisterSubsystems();
    RegisterCases();
    benchmark::Initialize(&count, args.data());
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.PrintRatios();
    TheScene().view.reset();
    benchmark::Shutdown();
    Cpp_FileIO::ResetForTests();
    return 0;
}
