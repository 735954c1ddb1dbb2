// Big models: a document of 40 profile lines of 500 points with 10,000, 100,000 and 1,000,000
// interpolation points (pressures on a jittered grid, as seepage exports bring them), generated
// here. Each measure runs beside its reference in the same iteration and reports the ratio:
//
//   Open            the program's open (read with its echo listing, derived data, duplicates,
//                   triangulation, hulls, zoom) / a getline + from_chars pass over the same file
//   OpenPhases      the phases of an open, each in ms (counters), and the INT block read with and
//                   without its echo listing
//   SaveAs          Save As of the document / a cat-speed copy of the written file (MB/s too)
//   CreateKliven    the computation input (without the check) / a cat-speed copy of it
//   CheckData       Check Data / sorting the interpolation points' coordinates
//   PeakMemory      peak resident growth of an open per interpolation point / 24 B (x, y, value)
//
// Medians of 5:
//     build/bench/bench_big_models_qt --benchmark_repetitions=5
//         --benchmark_report_aggregates_only=true

#include "app/document.h"
#include "app/draw_view.h"
#include "big_model_document.h"
#include "core/data_error_output.h"
#include "core/file_io.h"
#include "core/text_formats.h"
#include "model/data_check.h"
#include "model/data_sets.h"
#include "model/read_input_file.h"
#include "model/subsystem_registration.h"
#include "model/writer.h"
#include "porepressure/interpolation_data.h"
#include "porepressure/vertex.h"

#include <QGuiApplication>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include <fcntl.h>
#include <malloc.h>
#include <time.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// Times are the processor time of the process (user and system, so writing into the page cache
// counts): on a machine busy with other work the wall clock would measure the others too. On an
// idle machine the two agree for this single-threaded work.
struct Clock {
    using time_point = double;
    static double now() {
        timespec t{};
        clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
        return static_cast<double>(t.tv_sec) + 1e-9 * static_cast<double>(t.tv_nsec);
    }
};

double Seconds(double from) { return Clock::now() - from; }

class ImageWindow final : public Cpp_Graphics::ViewWindow {
public:
    platform::DeviceRect ClientRect() const override { return {0, 0, 1600, 1000}; }
    int PixelsPerInchX() const override { return 96; }
    int PixelsPerInchY() const override { return 96; }
};

using bigmodel::Document;
using bigmodel::Folder;
using bigmodel::WritePoints;

fs::path IntBlockFile(long n) {
    const fs::path file = Folder() / ("points_" + std::to_string(n) + ".txt");
    if (fs::exists(file)) return file;
    std::FILE* f = std::fopen(file.c_str(), "w");
    std::fputs("Pressure values\n", f);
    WritePoints(f, n);
    std::fputs("\n\n", f);
    std::fclose(f);
    return file;
}

// The references.
void CatCopy(const fs::path& from, const fs::path& to) {
    const int in = ::open(from.c_str(), O_RDONLY);
    const int out = ::open(to.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    std::vector<char> buffer(1 << 20);
    for (;;) {
        const ssize_t n = ::read(in, buffer.data(), buffer.size());
        if (n <= 0) break;
        if (::write(out, buffer.data(), static_cast<size_t>(n)) != n) break;
    }
    ::close(in);
    ::close(out);
}

using bigmodel::GetlineFromChars;

void ClearModel() {
    ResetTriangulationGlobals();
    Cpp_Kliven4Data::DeleteAllDataSets();
}

bool Open(const fs::path& file) {
    ClearModel();
    return app::ReadProblemFile(nullptr, file);
}

// The document opened once for the benchmarks that work on an open problem.
Cpp_Kliven4DataSet* Opened(long n) {
    static long openedSize = -1;
    if (openedSize != n) {
        if (!Open(Document(n))) return nullptr;
        openedSize = n;
    }
    return Cpp_Kliven4Data::CurrentDataSet();
}

void Ratio(benchmark::State& state, double measured, double reference) {
    state.counters["ref_ms"] =
        benchmark::Counter(reference * 1e3, benchmark::Counter::kAvgIterations);
    state.counters["ratio"] = reference > 0 ? measured / reference : 0.0;
}

void BM_Open(benchmark::State& state) {
    const fs::path file = Document(state.range(0));
    double measured = 0, reference = 0;
    for (auto _ : state) {
        auto start = Clock::now();
        if (!Open(file)) state.SkipWithError("the document was not read");
        const double seconds = Seconds(start);
        state.SetIterationTime(seconds);
        measured += seconds;
        start = Clock::now();
        benchmark::DoNotOptimize(GetlineFromChars(file));
        reference += Seconds(start);
    }
    Ratio(state, measured, reference);
}

void BM_OpenPhases(benchmark::State& state) {
    const long n = state.range(0);
    const fs::path file = Document(n);
    const fs::path points = IntBlockFile(n);
    std::vector<double> phase(8, 0.0);
    double total = 0;
    for (auto _ : state) {
        ClearModel();
        auto start = Clock::now();
        auto step = start;
        auto lap = [&](int i) {
            phase[static_cast<size_t>(i)] += Seconds(step);
            step = Clock::now();
        };
        bool ok = ReadInputDataFile(nullptr, file, false);
        lap(0);
        Cpp_Kliven4DataSet* dataSet = Cpp_Kliven4Data::CurrentDataSet();
        Cpp_InterpolationData& data = *dataSet->InterpolationData(1);
        std::FILE* listing = Cpp_FileIO::OutputFile();
        ok = ok && data.ReportDuplicatePoints(listing);
        lap(1);
        ok = ok && data.RebuildAllBackLinks();
        lap(2);
        ok = ok && data.TriangulateAll(listing);
        lap(3);
        ok = ok && data.ComputeAllBoundaries();
        lap(4);
        Cpp_FileIO::CloseOutputFile();
        lap(5);
        const double seconds = Seconds(start);
        state.SetIterationTime(seconds);
        total += seconds;
        if (!ok) state.SkipWithError("the document was not prepared");
        // The INT block alone, with and without its echo listing.
        for (bool echo : {false, true}) {
            ResetTriangulationGlobals();
            std::FILE* in = std::fopen(points.c_str(), "r");
            std::FILE* out = std::tmpfile();
            Cpp_InterpolationData block;
            block.SetStage(1);
            step = Clock::now();
            if (!block.ReadInput(in, out, echo)) state.SkipWithError("INT block not read");
            lap(echo ? 7 : 6);
            std::fclose(out);
            std::fclose(in);
        }
        Cpp_DataErrorOutput::ResetForTests();
    }
    const char* names[] = {"read_echo", "duplicates",    "vertex_lists", "triangulation",
                           "hulls",     "close_listing", "int_read",     "int_read_echo"};
    for (size_t i = 0; i < phase.size(); ++i)
        state.counters[std::string(names[i]) + "_ms"] =
            benchmark::Counter(phase[i] * 1e3, benchmark::Counter::kAvgIterations);
    auto start = Clock::now();
    benchmark::DoNotOptimize(GetlineFromChars(points));
    state.counters["int_getline_from_chars_ms"] = Seconds(start) * 1e3;
    (void)total;
}

void Writing(benchmark::State& state, bool document) {
    const long n = state.range(0);
    Cpp_Kliven4DataSet* dataSet = Opened(n);
    if (dataSet == nullptr) {
        state.SkipWithError("the document was not read");
        return;
    }
    const fs::path target = Folder() / (document ? "saved.preinput-kliven" : "saved.kliven");
    const fs::path copy = Folder() / "copy.txt";
    double measured = 0, reference = 0;
    std::uintmax_t bytes = 0;
    for (auto _ : state) {
        auto start = Clock::now();
        bool ok;
        if (document) {
            fs::path written;
            ok = app::SavePreprocessorDataFile(target, ".preinput-kliven", written);
        } else {
            ok = WriteInputFileTo(*dataSet, false, target);
        }
        const double seconds = Seconds(start);
        if (!ok) state.SkipWithError("not written");
        state.SetIterationTime(seconds);
        measured += seconds;
        bytes = fs::file_size(target);
        start = Clock::now();
        CatCopy(target, copy);
        reference += Seconds(start);
    }
    Ratio(state, measured, reference);
    state.counters["MB"] = static_cast<double>(bytes) / 1e6;
    state.SetBytesProcessed(static_cast<int64_t>(bytes) * state.iterations());
}

void BM_SaveAs(benchmark::State& state) { Writing(state, true); }
void BM_CreateKlivenDataFile(benchmark::State& state) { Writing(state, false); }

void BM_CheckData(benchmark::State& state) {
    const long n = state.range(0);
    Cpp_Kliven4DataSet* dataSet = Opened(n);
    if (dataSet == nullptr) {
        state.SkipWithError("the document was not read");
        return;
    }
    std::vector<std::pair<double, double>> points;
    for (const auto& set : dataSet->InterpolationData(1)->DataSets())
        for (const auto& p : set->Points()) points.emplace_back(p.X(), p.Y());
    double measured = 0, reference = 0;
    for (auto _ : state) {
        auto start = Clock::now();
        Cpp_DataErrorOutput::OpenErrorLog();
        benchmark::DoNotOptimize(CheckDataSet(*dataSet, 1, nullptr));
        Cpp_DataErrorOutput::CloseErrorLog();
        const double seconds = Seconds(start);
        state.SetIterationTime(seconds);
        measured += seconds;
        auto copy = points;
        start = Clock::now();
        std::sort(copy.begin(), copy.end());
        reference += Seconds(start);
        benchmark::DoNotOptimize(copy.data());
    }
    Ratio(state, measured, reference);
}

long StatusKilobytes(const char* key) {
    std::ifstream in("/proc/self/status");
    std::string line;
    while (std::getline(in, line))
        if (line.rfind(key, 0) == 0)
            return std::strtol(line.c_str() + std::strlen(key), nullptr, 10);
    return 0;
}

void BM_PeakMemory(benchmark::State& state) {
    const long n = state.range(0);
    const fs::path file = Document(n);
    double perPoint = 0;
    for (auto _ : state) {
        ClearModel();
        malloc_trim(0);  // what the model held goes back to the system, so the open faults anew
        std::FILE* clear = std::fopen("/proc/self/clear_refs", "w");
        if (clear) {
            std::fputs("5", clear);  // resets the peak to what is resident now
            std::fclose(clear);
        }
        const long before = StatusKilobytes("VmRSS:");
        if (!Open(file)) state.SkipWithError("the document was not read");
        const long peak = StatusKilobytes("VmHWM:");
        perPoint = static_cast<double>(peak - before) * 1024.0 / static_cast<double>(n);
        state.SetIterationTime(1.0);
    }
    state.counters["B_per_point"] = perPoint;
    state.counters["ratio"] = perPoint / 24.0;
}

#define SIZES Arg(10000)->Arg(100000)->Arg(1000000)
BENCHMARK(BM_Open)->SIZES->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenPhases)->SIZES->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveAs)->SIZES->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CreateKlivenDataFile)->SIZES->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CheckData)->SIZES->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PeakMemory)->SIZES->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QGuiApplication application(argc, argv);
    RegisterSubsystems();
    ImageWindow window;
    app::InitializeView(&window);
    SetRunTimeText("bench");
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    ClearModel();
    Cpp_FileIO::ResetForTests();
    return 0;
}
