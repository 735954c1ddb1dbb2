#pragma once
// Small helpers of the profile tests: building profiles, capturing the listing that messages go
// to, and the plain (unoptimised) algorithms the fast ones must agree with.

#include "core/data_error_output.h"
#include "profile/profile_line.h"
#include "support/test_support.h"

#include <cstdio>
#include <functional>
#include <initializer_list>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace profiletest {

inline Cpp_ProfileLine* AddLine(Cpp_ProfileLineList& list, int number, int material,
                                std::initializer_list<std::pair<double, double>> points) {
    Cpp_ProfileLine* line = list.CreateLine(number, material, "");
    for (auto [x, y] : points) line->AddPoint(x, y);
    return line;
}

// Runs the action with a temporary listing and returns what was written to it.
using testsupport::CaptureListing;

// A layered profile of lines lines with points points each over x 0..1000, with random
// wiggles; lines may cross each other when cross is set.
inline void RandomProfile(Cpp_ProfileLineList& list, int lines, int points, unsigned seed,
                          bool cross) {
    std::mt19937 random(seed);
    std::uniform_real_distribution<double> wiggle(-3.0, 3.0);
    for (int l = 0; l < lines; ++l) {
        Cpp_ProfileLine* line = list.CreateLine(l + 1, l % 5 + 1, "");
        const double base = 100.0 - 10.0 * l;
        for (int k = 0; k < points; ++k) {
            const double x =
                1000.0 * k / (points - 1) + (k > 0 && k < points - 1 ? wiggle(random) : 0);
            const double y = base + (cross ? 4.0 : 1.0) * wiggle(random);
            line->AddPoint(x, y);
        }
    }
}

}  // namespace profiletest
