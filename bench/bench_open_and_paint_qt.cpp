// Opening a problem and painting it once: the read routine of the program (reading, the derived
// data, zoom to extents) followed by one paint of the whole view, every layer of every
// subsystem as the program registers them, into a 1600 x 1000 image.
// Cases: the sample problem, and a generated document of 50,000 profile-line points.
// Targets: the sample under 1 s, the 50,000-point document under 2 s.
//
//     build/bench/bench_open_and_paint_qt

#include "app/document.h"
#include "app/draw_view.h"
#include "core/file_io.h"
#include "model/subsystem_registration.h"
#include "platform/qt/image_dc.h"

#include <QGuiApplication>
#include <QImage>
#include <benchmark/benchmark.h>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace fs = std::filesystem;

namespace {

constexpr int kWidth = 1600;
constexpr int kHeight = 1000;

class ImageWindow final : public Cpp_Graphics::ViewWindow {
public:
    platform::DeviceRect ClientRect() const override { return {0, 0, kWidth, kHeight}; }
    int PixelsPerInchX() const override { return 96; }
    int PixelsPerInchY() const override { return 96; }
};

fs::path Folder() {
    static const fs::path folder = [] {
        fs::path f = fs::temp_directory_path() / "dravonet_bench_open";
        fs::create_directories(f);
        return f;
    }();
    return folder;
}

// Five profile lines of 10,000 points each, gently waved, over five materials.
fs::path LargeDocument() {
    const fs::path file = Folder() / "large.preinput-kliven";
    if (fs::exists(file)) return file;
    std::FILE* f = std::fopen(file.c_str(), "w");
    std::fputs("ENGlish units\nHEAding follows -\n50,000 profile-line points\n \n", f);
    std::fputs("PROfile line data follow -\n", f);
    constexpr int kLines = 5, kPoints = 10000;
    for (int line = 1; line <= kLines; ++line) {
        std::fprintf(f, "%6d%6d Layer %d\n", line, line, line);
        const double base = 100.0 - 15.0 * line;
        for (int i = 0; i < kPoints; ++i) {
            const double x = i * 0.1;
            const double y = base + 2.0 * std::sin(x * 0.05 + line);
            std::fprintf(f, "%20.6f%20.6f\n", x, y);
        }
        std::fputs("\n", f);
    }
    std::fputs("\nMATerial property data follow -\n", f);
    for (int m = 1; m <= kLines; ++m)
        std::fprintf(f,
                     "%6d Layer %d\n          120\n          Conventional\n          100 30\n"
                     "          Piezometric Line NegativeOK\n          1 -200\n",
                     m, m);
    std::fputs("\nPIEzometric line data follow -\n1 62.4 Water table\n0 60 1000 60\n\n\n", f);
    std::fputs("NO compute\n", f);
    std::fclose(f);
    return file;
}

fs::path Example() {
    const fs::path copy = Folder() / "embankment.preinput-kliven";
    fs::copy_file(fs::path(DRAVONET_EXAMPLES_DIR) / "embankment.preinput-kliven", copy,
                  fs::copy_options::overwrite_existing);
    return copy;
}

void OpenAndPaint(benchmark::State& state, const fs::path& file) {
    ImageWindow window;
    app::InitializeView(&window);
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    for (auto _ : state) {
        if (!app::ReadProblemFile(nullptr, file)) state.SkipWithError("the file was not read");
        image.fill(Qt::white);
        platform::qt::ImageDeviceContext dc(image, 96, 96);
        app::DrawView(dc, window.ClientRect(), &window, false);
        benchmark::DoNotOptimize(image.bits());
    }
}

void BM_OpenAndPaintExample(benchmark::State& state) { OpenAndPaint(state, Example()); }
void BM_OpenAndPaint50000Points(benchmark::State& state) { OpenAndPaint(state, LargeDocument()); }

BENCHMARK(BM_OpenAndPaintExample)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenAndPaint50000Points)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QGuiApplication application(argc, argv);
    RegisterSubsystems();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    Cpp_FileIO::ResetForTests();
    return 0;
}
