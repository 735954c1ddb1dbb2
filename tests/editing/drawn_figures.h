#pragma once
// What the view input tests read back from a recording device context and a line: the
// segments drawn in XOR and left on the view, the colour each segment was drawn with last, the
// points of a line.

#include "graphics/line.h"
#include "platform/recording_dc.h"

#include <algorithm>
#include <array>
#include <map>
#include <utility>
#include <vector>

namespace testsupport {

// A segment between two pixels, x1, y1, x2, y2 with the smaller end first.
using DrawnSegment = std::array<int, 4>;

inline DrawnSegment SegmentKey(int ax, int ay, int bx, int by) {
    if (std::pair(bx, by) < std::pair(ax, ay)) {
        std::swap(ax, bx);
        std::swap(ay, by);
    }
    return {ax, ay, bx, by};
}

// The XOR segments of one pen colour left on the view: each drawn an odd number of times.
inline std::map<DrawnSegment, int> XorSegmentsShown(const platform::RecordingDeviceContext& dc,
                                                    platform::ColorRef colour) {
    std::map<DrawnSegment, int> count;
    for (const platform::DcRecord& r : dc.Records()) {
        if (r.attributes.rop != platform::RasterOp::XorPen || r.attributes.pen.color != colour)
            continue;
        for (std::size_t i = 1; i < r.points.size(); ++i)
            count[SegmentKey(r.points[i - 1].x, r.points[i - 1].y, r.points[i].x, r.points[i].y)] ^=
                1;
    }
    std::erase_if(count, [](const auto& entry) { return entry.second == 0; });
    return count;
}

// The colour each segment drawn with a copying pen was drawn with last.
inline std::map<DrawnSegment, platform::ColorRef>
LastSegmentColours(const platform::RecordingDeviceContext& dc) {
    std::map<DrawnSegment, platform::ColorRef> last;
    for (const platform::DcRecord& r : dc.Records()) {
        if (r.kind != platform::DcRecordKind::Line ||
            r.attributes.rop == platform::RasterOp::XorPen || r.points.size() != 2)
            continue;
        last[SegmentKey(r.points[0].x, r.points[0].y, r.points[1].x, r.points[1].y)] =
            r.attributes.pen.color;
    }
    return last;
}

using LinePointList = std::vector<std::pair<double, double>>;

inline LinePointList LinePoints(const Cpp_Line& line) {
    LinePointList points;
    for (const Cpp_PointXY* p = line.FirstPoint(); p; p = p->Next())
        points.emplace_back(p->X(), p->Y());
    return points;
}

inline std::vector<int> LinePointNumbers(const Cpp_Line& line) {
    std::vector<int> numbers;
    for (const Cpp_PointXY* p = line.FirstPoint(); p; p = p->Next()) numbers.push_back(p->Number());
    return numbers;
}

}  // namespace testsupport
