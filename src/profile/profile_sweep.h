#pragma once
// The sweep of a profile over the sorted, distinct x values of all its points: for every line and
// every interval between consecutive x values, the elevations of the line's covering segment at
// both ends of the interval and at its midpoint, and the line met next below it. Region outlines,
// label placement and the generation of the slope line read it; it is rebuilt only when a point,
// a line or a material number of the profile changes.

#include "profile/profile_line.h"

#include <cstdint>
#include <vector>

struct Cpp_ProfileLineList::Sweep {
    struct LineCover {
        int first = 0;  // first interval of the stretch stored below
        std::vector<char> covers;
        std::vector<double> left;    // elevation at x[i]
        std::vector<double> right;   // elevation at x[i + 1]
        std::vector<double> middle;  // elevation at the midpoint, on the segment's slope
        std::vector<int> below;      // the highest other line strictly below at the midpoint
        bool Covers(int interval) const {
            const int k = interval - first;
            return k >= 0 && k < static_cast<int>(covers.size()) && covers[k];
        }
        double Left(int interval) const { return left[interval - first]; }
        double Right(int interval) const { return right[interval - first]; }
        double Middle(int interval) const { return middle[interval - first]; }
        int Below(int interval) const { return below[interval - first]; }
    };

    std::uint64_t fingerprint = 0;
    bool built = false;
    std::vector<double> x;
    std::vector<LineCover> lines;

    int Intervals() const { return x.size() < 2 ? 0 : static_cast<int>(x.size()) - 1; }
    double Midpoint(int interval) const { return (x[interval] + x[interval + 1]) * 0.5; }
};

// The elevation at x on the straight line of the segment (x1, y1)-(x2, y2), x1 != x2.
inline double ElevationOnSegment(double x1, double y1, double x2, double y2, double x) {
    return y1 + (y2 - y1) / (x2 - x1) * (x - x1);
}
