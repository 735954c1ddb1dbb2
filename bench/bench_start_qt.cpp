// From start to a drawn and idle window on a big document: the application object made (the
// platform services, the windows, the subsystems), the main frame shown, the file named on the
// command line opened as File > Open opens it (read, echo listing, derived data, triangulation,
// zoom to extents), the view painted once and the events that follow handled. The documents are
// those of bench_big_models_qt (40 profile lines of 500 points, 1e4, 1e5 or 1e6 interpolation
// points). Loading the program and its libraries is not counted: the libraries are already in
// this process.
// Beside it in the same run, the reference: a getline + from_chars pass over the same file.
// Targets: under 0.5 s at 1e5 and under 3 s at 1e6. Medians of 5:
//     build/bench/bench_start_qt --benchmark_repetitions=5 --benchmark_report_aggregates_only=true

#include "app/application.h"
#include "app/drawing_view.h"
#include "app/main_frame.h"
#include "big_model_document.h"
#include "core/file_io.h"

#include <QApplication>
#include <benchmark/benchmark.h>
#include <charconv>
#include <cstdlib>
#include <fstream>
#include <string>

#include <time.h>

namespace {

// The processor time of the process (every thread, user and system): on a machine busy with
// other work the wall clock would measure the others too.
struct Clock {
    static double now() {
        timespec t{};
        clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
        return static_cast<double>(t.tv_sec) + 1e-9 * static_cast<double>(t.tv_nsec);
    }
};

double Seconds(double from) { return Clock::now() - from; }

using bigmodel::GetlineFromChars;

void BM_StartToDrawn(benchmark::State& state) {
    const std::filesystem::path file = bigmodel::Document(state.range(0));
    double measured = 0, reference = 0;
    for (auto _ : state) {
        auto start = Clock::now();
        {
            app::Application program({"dravonet", file.string()});
            app::MainFrame& frame = program.Frame();
            frame.resize(1600, 1000);
            frame.show();
            frame.InitialUpdate();
            if (!app::OpenCommandLineFile(frame)) state.SkipWithError("the file was not read");
            frame.View()->repaint();
            QApplication::processEvents();
            const double seconds = Seconds(start);
            state.SetIterationTime(seconds);
            measured += seconds;
        }
        Cpp_FileIO::ResetForTests();
        start = Clock::now();
        benchmark::DoNotOptimize(GetlineFromChars(file));
        reference += Seconds(start);
    }
    state.counters["ref_ms"] =
        benchmark::Counter(reference * 1e3, benchmark::Counter::kAvgIterations);
    state.counters["ratio"] = reference > 0 ? measured / reference : 0.0;
}

BENCHMARK(BM_StartToDrawn)
    ->Arg(10000)
    ->Arg(100000)
    ->Arg(1000000)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
