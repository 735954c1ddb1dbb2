#pragma once
// The big documents of the benchmarks: 40 profile lines of 500 points over 40 materials, and n
// pore-pressure interpolation points on a jittered grid over the profile (no two meet), as the
// seepage exports engineers bring them. Written once per size into a folder under the temporary
// folder and kept there for the next run.

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

namespace bigmodel {

inline constexpr int kLines = 40;
inline constexpr int kLinePoints = 500;
inline constexpr double kWidth = 998.0;
inline constexpr double kDepth = 395.0;

inline std::filesystem::path Folder() {
    static const std::filesystem::path folder = [] {
        std::filesystem::path f =
            std::filesystem::temp_directory_path() / "dravonet_bench_big_models";
        std::filesystem::create_directories(f);
        return f;
    }();
    return folder;
}

// The INT points: a jittered grid over the profile.
inline void WritePoints(std::FILE* f, long n) {
    const long columns = static_cast<long>(std::ceil(std::sqrt(n * kWidth / kDepth)));
    const long rows = (n + columns - 1) / columns;
    std::mt19937_64 gen(17);
    std::uniform_real_distribution<double> jitter(-0.4, 0.4);
    for (long k = 0; k < n; ++k) {
        const double x = (static_cast<double>(k % columns) + 0.5 + jitter(gen)) * kWidth /
                         static_cast<double>(columns);
        const double y = (static_cast<double>(k / columns) + 0.5 + jitter(gen)) * kDepth /
                         static_cast<double>(rows);
        std::fprintf(f, "     %15.6f%15.6f%15.1f%10d\n", x, y, 62.4 * (kDepth - y), 0);
    }
}

// The document with n interpolation points.
inline std::filesystem::path Document(long n) {
    const std::filesystem::path file = Folder() / ("big_" + std::to_string(n) + ".preinput-kliven");
    if (std::filesystem::exists(file)) return file;
    std::FILE* f = std::fopen(file.c_str(), "w");
    std::fprintf(f,
                 "ENGlish units\nHEAding follows -\n%d profile lines, %ld interpolation points\n"
                 " \nPROfile line data follow -\n",
                 kLines, n);
    for (int line = 1; line <= kLines; ++line) {
        std::fprintf(f, "%6d%6d Layer %d\n", line, line, line);
        const double base = kDepth + 5.0 - 10.0 * line;
        for (int i = 0; i < kLinePoints; ++i) {
            const double x = i * 2.0;
            const double y = base + 3.0 * std::sin(x * 0.02 + line);
            std::fprintf(f, "%20.6f%20.6f\n", x, std::max(0.0, y));
        }
        std::fputs("\n", f);
    }
    std::fputs("\nMATerial property data follow -\n", f);
    for (int m = 1; m <= kLines; ++m)
        std::fprintf(f,
                     "%6d Layer %d\n          120\n          Conventional\n          100 30\n"
                     "          Interpolate Pressures NegativeOK\n",
                     m, m);
    std::fputs("\nINTerpolation data follow -\nPressure values\n", f);
    WritePoints(f, n);
    std::fputs("\n\nNO compute\n", f);
    std::fclose(f);
    return file;
}

// The reference of a read: every number of the file read with getline and from_chars (their sum).
inline double GetlineFromChars(const std::filesystem::path& file) {
    std::ifstream in(file);
    std::string line;
    double sum = 0.0;
    while (std::getline(in, line)) {
        const char* p = line.data();
        const char* end = p + line.size();
        while (p < end) {
            while (p < end && *p == ' ') ++p;
            if (p >= end) break;
            double v = 0.0;
            auto [q, ec] = std::from_chars(p, end, v);
            if (ec != std::errc()) break;
            sum += v;
            p = q;
        }
    }
    return sum;
}

}  // namespace bigmodel
