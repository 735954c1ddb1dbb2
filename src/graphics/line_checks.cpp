// The line checks shared by every line kind, and those of a whole line list. Findings are
// numbered line messages with the line kind of the caller.

#include "core/data_error_output.h"
#include "core/geometry.h"
#include "graphics/line.h"
#include "graphics/line_errors.h"
#include "graphics/line_list.h"

#include <algorithm>
#include <cmath>
#include <tuple>

bool Cpp_Line::CheckEnoughPoints(int kind) const {
    if (!HasPoints()) return (Cpp_LineErrors::NoPoints(kind, GetNumber()), false);
    if (!HasSegment()) return (Cpp_LineErrors::OnlyOnePoint(kind, GetNumber()), false);
    return true;
}

bool Cpp_Line::CheckDuplicatePoints(int kind, bool deleteDuplicates) {
    if (!HasSegment()) return true;
    bool result = true;
    Cpp_PointXY* p = FirstPoint();
    Cpp_PointXY* q = p->Next();
    int pPosition = 1;
    int qPosition = 2;
    while (q) {
        Cpp_PointXY* next = q->Next();
        if (!(p->X() == q->X() && p->Y() == q->Y())) {
            p = q;
            pPosition = qPosition;
        } else if (deleteDuplicates) {
            Cpp_LineErrors::DuplicatePointDeleted(kind, GetNumber(), pPosition, p->X(), p->Y(),
                                                  qPosition, q->X(), q->Y());
            p->SetNext(next);
            delete q;
            SetOption(2, true);
        } else {
            Cpp_LineErrors::DuplicatePoints(kind, GetNumber());
            result = false;
        }
        q = next;
        ++qPosition;
    }
    return result;
}

bool Cpp_Line::CheckPointOrder(int kind, bool reverse) {
    if (!HasSegment()) return true;
    int i = 1;
    for (const Cpp_PointXY* p = FirstPoint(); p->Next(); p = p->Next(), ++i) {
        const Cpp_PointXY* q = p->Next();
        if (!(p->X() > q->X())) continue;
        if (!reverse) {
            Cpp_LineErrors::PointsOutOfOrder(kind, GetNumber(), i, p->X(), p->Y(), q->X(), q->Y());
            continue;
        }
        bool increases = false;
        for (const Cpp_PointXY* a = FirstPoint(); a->Next(); a = a->Next())
            if (a->Next()->X() > a->X()) increases = true;
        const double x1 = p->X(), y1 = p->Y(), x2 = q->X(), y2 = q->Y();
        if (!increases) {
            ReversePoints();
            NumberPoints();
            SetOption(3, true);
            Cpp_LineErrors::PointsOutOfOrderReversed(kind, GetNumber(), i, x1, y1, x2, y2);
            return true;
        }
        Cpp_LineErrors::PointsOutOfOrderNotReversed(kind, GetNumber(), i, x1, y1, x2, y2);
        return false;
    }
    return true;
}

bool Cpp_LineList::CheckEnoughPoints(std::FILE* file) const {
    Cpp_Errors errors(file);
    bool ok = true;
    for (const auto& line : Lines())
        if (!line->CheckEnoughPoints(LineKind())) ok = false;
    return ok;
}

bool Cpp_LineList::CheckEnoughPointsAndOrder(std::FILE* file) const {
    Cpp_Errors errors(file);
    for (const auto& line : Lines()) {
        if (!line->CheckEnoughPoints(LineKind())) return false;
        int i = 1;
        for (const Cpp_PointXY* p = line->FirstPoint(); p->Next(); p = p->Next(), ++i) {
            const Cpp_PointXY* q = p->Next();
            if (p->X() > q->X())
                Cpp_LineErrors::PointsOutOfOrder(LineKind(), line->GetNumber(), i, p->X(), p->Y(),
                                                 q->X(), q->Y());
        }
    }
    return true;
}

bool Cpp_LineList::CheckDuplicatePoints(bool deleteDuplicates, std::FILE* file) {
    Cpp_Errors errors(file);
    bool ok = true;
    for (const auto& line : Lines())
        if (!line->CheckDuplicatePoints(LineKind(), deleteDuplicates)) ok = false;
    return ok;
}

bool Cpp_LineList::CheckPointOrder(bool reverse, std::FILE* file) {
    Cpp_Errors errors(file);
    bool ok = true;
    for (const auto& line : Lines())
        if (!line->CheckPointOrder(LineKind(), reverse)) ok = false;
    return ok;
}

namespace {

// One segment of one line of the list, with its bounding box.
struct SegmentRef {
    int line;
    int segment;  // from 1 along the line
    const Cpp_PointXY* a;
    double xmin, xmax, ymin, ymax;
    double length, slope;  // slope magnitude, 0 for a vertical segment
};

// A pair of segments of different lines that the test accepted, with what the test found.
struct Hit {
    SegmentRef s, t;  // s on the earlier line
    s_tagTypePointXY first, second;
};

// Runs the pair test on every pair of segments of different lines whose boxes can meet, and
// returns the accepted pairs in the order of the plain nested loops: line A before line B, the
// segments of A, then the segments of B. pad gives the widening of the y boxes for a pair.
template <typename Test, typename Pad>
std::vector<Hit> FindPairs(const Cpp_LineList& list, Test test, Pad pad) {
    std::vector<SegmentRef> segments;
    double span = 0.0;
    for (int li = 0; li < list.Count(); ++li) {
        int n = 0;
        for (const Cpp_PointXY* p = list.LineAt(li)->FirstPoint(); p && p->Next(); p = p->Next()) {
            const Cpp_PointXY* q = p->Next();
            const double dx = q->X() - p->X();
            SegmentRef s{li,
                         ++n,
                         p,
                         std::min(p->X(), q->X()),
                         std::max(p->X(), q->X()),
                         std::min(p->Y(), q->Y()),
                         std::max(p->Y(), q->Y()),
                         p->Distance(*q),
                         dx == 0.0 ? 0.0 : std::fabs((q->Y() - p->Y()) / dx)};
            span = std::max(
                {span, std::fabs(s.xmin), std::fabs(s.xmax), std::fabs(s.ymin), std::fabs(s.ymax)});
            segments.push_back(s);
        }
    }
    std::vector<Hit> hits;
    if (segments.size() < 2) return hits;
    const double eps = 1e-9 * (1.0 + span);
    std::vector<int> order(segments.size());
    for (size_t i = 0; i < order.size(); ++i) order[i] = static_cast<int>(i);
    std::sort(order.begin(), order.end(),
              [&](int a, int b) { return segments[a].xmin < segments[b].xmin; });
    for (size_t i = 0; i < order.size(); ++i) {
        const SegmentRef& u = segments[order[i]];
        for (size_t j = i + 1; j < order.size(); ++j) {
            const SegmentRef& v = segments[order[j]];
            if (v.xmin > u.xmax + eps) break;
            if (u.line == v.line) continue;
            const double widen = pad(u, v, span) + eps;
            if (v.ymin > u.ymax + widen || u.ymin > v.ymax + widen) continue;
            const bool ordered = std::tie(u.line, u.segment) < std::tie(v.line, v.segment);
            Hit hit{ordered ? u : v, ordered ? v : u, {}, {}};
            if (test(hit)) hits.push_back(hit);
        }
    }
    std::sort(hits.begin(), hits.end(), [](const Hit& p, const Hit& q) {
        return std::tie(p.s.line, p.t.line, p.s.segment, p.t.segment) <
               std::tie(q.s.line, q.t.line, q.s.segment, q.t.segment);
    });
    return hits;
}

}  // namespace

bool Cpp_LineList::CheckCoincidentSegments(double, bool notice, bool collect, std::FILE* file) {
    Cpp_Errors errors(file);
    if (Count() < 2) return true;
    // Collinear segments differ in y by at most their intercept tolerance and the slope
    // tolerance over the x values: the y boxes are widened by that much.
    const auto pad = [](const SegmentRef& u, const SegmentRef& v, double span) {
        return 1e-5 * std::max(u.length, v.length) + 2e-6 * std::max(u.slope, v.slope) * span;
    };
    const auto test = [](Hit& h) {
        return SegmentsOverlap(*h.s.a, *h.s.a->Next(), *h.t.a, *h.t.a->Next(), h.first, h.second);
    };
    bool ok = true;
    for (const Hit& h : FindPairs(*this, test, pad)) {
        const SegmentRef& s = h.s;
        const SegmentRef& t = h.t;
        Cpp_LineErrors::SegmentsCoincide(LineKind(), LineAt(s.line)->GetNumber(), s.segment,
                                         s.a->X(), s.a->Y(), s.a->Next()->X(), s.a->Next()->Y(),
                                         LineAt(t.line)->GetNumber(), t.segment, t.a->X(), t.a->Y(),
                                         t.a->Next()->X(), t.a->Next()->Y(), notice);
        if (collect) AddSegmentMark(h.first.x, h.first.y, h.second.x, h.second.y);
        ok = false;
    }
    return ok;
}

bool Cpp_LineList::CheckIntersectingSegments(double tolerance, bool notice, bool collect,
                                             std::FILE* file) {
    Cpp_Errors errors(file);
    if (Count() < 2) return true;
    const auto pad = [](const SegmentRef&, const SegmentRef&, double) { return 0.0; };
    const auto test = [tolerance](Hit& h) {
        Cpp_PointXY point;
        if (!SegmentsIntersect(*h.s.a, *h.s.a->Next(), *h.t.a, *h.t.a->Next(), tolerance, point))
            return false;
        h.first = point.XY();
        return true;
    };
    bool ok = true;
    for (const Hit& h : FindPairs(*this, test, pad)) {
        const SegmentRef& s = h.s;
        const SegmentRef& t = h.t;
        Cpp_LineErrors::SegmentsIntersect(
            LineKind(), LineAt(s.line)->GetNumber(), s.segment, s.a->X(), s.a->Y(),
            s.a->Next()->X(), s.a->Next()->Y(), LineAt(t.line)->GetNumber(), t.segment, t.a->X(),
            t.a->Y(), t.a->Next()->X(), t.a->Next()->Y(), h.first.x, h.first.y, notice);
        if (collect) AddPointMark(h.first.x, h.first.y);
        ok = false;
    }
    return ok;
}
