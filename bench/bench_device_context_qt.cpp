// The view's device context against QPainter used directly, on the same drawing:
// 100,000 line segments, 10,000 filled polygons and 10,000 short texts into a QImage.
// Prints the ratio of the two times at the end (kept under 1.2).
//
//     build/bench/bench_device_context_qt

#include "platform/qt/image_dc.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <map>
#include <random>
#include <string>
#include <vector>

namespace {

constexpr int kWidth = 1600;
constexpr int kHeight = 1200;

struct Scene {
    std::vector<std::pair<QPoint, QPoint>> lines;
    std::vector<std::vector<platform::DevicePoint>> polygons;
    std::vector<QPolygon> qpolygons;
    std::vector<std::pair<QPoint, std::string>> texts;
    std::vector<QString> qtexts;
};

const Scene& TheScene() {
    static const Scene scene = [] {
        Scene s;
        std::mt19937 random(12345);
        std::uniform_int_distribution<int> x(0, kWidth - 1), y(0, kHeight - 1), d(-40, 40);
        for (int i = 0; i < 100000; ++i) {
            QPoint a(x(random), y(random));
            s.lines.emplace_back(a, a + QPoint(d(random), d(random)));
        }
        for (int i = 0; i < 10000; ++i) {
            QPoint c(x(random), y(random));
            std::vector<platform::DevicePoint> p;
            QPolygon q;
            for (int k = 0; k < 5; ++k) {
                QPoint v = c + QPoint(d(random), d(random));
                p.push_back({v.x(), v.y()});
                q << v;
            }
            s.polygons.push_back(p);
            s.qpolygons.push_back(q);
        }
        for (int i = 0; i < 10000; ++i) {
            std::string t = "P" + std::to_string(i % 997) + ".5";
            s.texts.emplace_back(QPoint(x(random), y(random)), t);
            s.qtexts.push_back(QString::fromStdString(t));
        }
        return s;
    }();
    return scene;
}

void DrawThroughDeviceContext(QImage& image, const Scene& s) {
    platform::qt::ImageDeviceContext dc(image);
    dc.SetPen({platform::PenStyle::Solid, 1, platform::MakeRgb(0, 0, 128)});
    for (const auto& [a, b] : s.lines) {
        dc.MoveTo(a.x(), a.y());
        dc.LineTo(b.x(), b.y());
    }
    platform::Brush brush;
    brush.color = platform::MakeRgb(200, 180, 120);
    dc.SetBrush(brush);
    for (const auto& p : s.polygons) dc.Polygon(p);
    dc.SetFont({"DejaVu Sans", 12});
    dc.SetBkMode(platform::BackgroundMode::Transparent);
    dc.SetTextAlign(platform::AlignLeft | platform::AlignBaseline);
    for (const auto& [at, text] : s.texts) dc.TextOut(at.x(), at.y(), text);
}

void DrawWithQPainter(QImage& image, const Scene& s) {
    QPainter painter(&image);
    QPen pen(QColor(0, 0, 128));
    pen.setWidth(0);
    pen.setCapStyle(Qt::FlatCap);
    painter.setPen(pen);
    for (const auto& [a, b] : s.lines) painter.drawLine(QLine(a, b));
    painter.setBrush(QColor(200, 180, 120));
    for (const auto& q : s.qpolygons) painter.drawPolygon(q, Qt::OddEvenFill);
    QFont font("DejaVu Sans");
    font.setPixelSize(12);
    painter.setFont(font);
    for (std::size_t i = 0; i < s.texts.size(); ++i)
        painter.drawText(s.texts[i].first, s.qtexts[i]);
}

void BM_DeviceContext(benchmark::State& state) {
    const Scene& s = TheScene();
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    for (auto _ : state) {
        image.fill(Qt::white);
        DrawThroughDeviceContext(image, s);
        benchmark::DoNotOptimize(image.constBits());
    }
}

void BM_QPainterDirect(benchmark::State& state) {
    const Scene& s = TheScene();
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    for (auto _ : state) {
        image.fill(Qt::white);
        DrawWithQPainter(image, s);
        benchmark::DoNotOptimize(image.constBits());
    }
}

BENCHMARK(BM_QPainterDirect)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(BM_DeviceContext)->Unit(benchmark::kMillisecond)->MinTime(1.0);

// Keeps the time per iteration of each benchmark for the ratio.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const auto& run : runs)
            if (run.run_type == Run::RT_Iteration && run.iterations > 0)
                perIteration[run.benchmark_name()] =
                    run.real_accumulated_time / static_cast<double>(run.iterations);
        ConsoleReporter::ReportRuns(runs);
    }
    std::map<std::string, double> perIteration;
};

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const auto dc = reporter.perIteration.find("BM_DeviceContext/min_time:1.000");
    const auto direct = reporter.perIteration.find("BM_QPainterDirect/min_time:1.000");
    if (dc != reporter.perIteration.end() && direct != reporter.perIteration.end() &&
        direct->second > 0) {
        std::printf("device context / QPainter = %.3f (target under 1.2)\n",
                    dc->second / direct->second);
    }
    benchmark::Shutdown();
    return 0;
}
