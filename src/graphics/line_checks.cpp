// The line checks shared by every line kind, and those of a whole line list. Findings are
// numbered line messages with the line kind of the caller.

#include "core/data_error_output.h"
#include "core/geometry.h"
#include "graphics/line.h"
#include "graphics/line_list.h"
#include "model/line_errors.h"

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
};

// The pairs of segments of different lines whose boxes (widened by pad) meet, in the order of
// the plain nested loops: line A before line B, segments of A, then segments of B.
std::vector<std::pair<SegmentRef, SegmentRef>> CandidatePairs(const Cpp_LineList& list, bool useY) {
    std::vector<SegmentRef> segments;
    double xmin = 0, xmax = 0, ymin = 0, ymax = 0;
    bool any = false;
    for (int li = 0; li < list.Count(); ++li) {
        int n = 0;
        for (const Cpp_PointXY* p = list.LineAt(li)->FirstPoint(); p && p->Next(); p = p->Next()) {
            const Cpp_PointXY* q = p->Next();
            SegmentRef s{li, ++n, p, std::min(p->X(), q->X()), std::max(p->X(), q->X()),
                         std::min(p->Y(), q->Y()), std::max(p->Y(), q->Y())};
            if (!any) {
                xmin = s.xmin, xmax = s.xmax, ymin = s.ymin, ymax = s.ymax;
                any = true;
            }
            xmin = std::min(xmin, s.xmin);
            xmax = std::max(xmax, s.xmax);
            ymin = std::min(ymin, s.ymin);
            ymax = std::max(ymax, s.ymax);
            segments.push_back(s);
        }
    }
    std::vector<std::pair<SegmentRef, SegmentRef>> pairs;
    if (segments.size() < 2) return pairs;
    const double pad = 1e-9 * (1.0 + (xmax - xmin) + (ymax - ymin) + std::fabs(xmax) +
                               std::fabs(xmin) + std::fabs(ymax) + std::fabs(ymin));
    std::vector<int> order(segments.size());
    for (size_t i = 0; i < order.size(); ++i) order[i] = static_cast<int>(i);
    std::sort(order.begin(), order.end(),
              [&](int a, int b) { return segments[a].xmin < segments[b].xmin; });
    for (size_t i = 0; i < order.size(); ++i) {
        const SegmentRef& s = segments[order[i]];
        for (size_t j = i + 1; j < order.size(); ++j) {
            const SegmentRef& t = segments[order[j]];
            if (t.xmin > s.xmax + pad) break;
            if (s.line == t.line) continue;
            if (useY && (t.ymin > s.ymax + pad || s.ymin > t.ymax + pad)) continue;
            if (std::tie(s.line, s.segment) < std::tie(t.line, t.segment))
                pairs.emplace_back(s, t);
            else
                pairs.emplace_back(t, s);
        }
    }
    std::sort(pairs.begin(), pairs.end(), [](const auto& p, const auto& q) {
        return std::tie(p.first.line, p.second.line, p.first.segment, p.second.segment) <
               std::tie(q.first.line, q.second.line, q.first.segment, q.second.segment);
    });
    return pairs;
}

}  // namespace

bool Cpp_LineList::CheckCoincidentSegments(double, bool notice, bool collect, std::FILE* file) {
    Cpp_Errors errors(file);
    if (Count() < 2) return true;
    bool ok = true;
    for (const auto& [s, t] : CandidatePairs(*this, false)) {
        s_tagTypePointXY first, second;
        if (!SegmentsOverlap(*s.a, *s.a->Next(), *t.a, *t.a->Next(), first, second)) continue;
        Cpp_LineErrors::SegmentsCoincide(LineKind(), LineAt(s.line)->GetNumber(), s.segment,
                                         s.a->X(), s.a->Y(), s.a->Next()->X(), s.a->Next()->Y(),
                                         LineAt(t.line)->GetNumber(), t.segment, t.a->X(),
                                         t.a->Y(), t.a->Next()->X(), t.a->Next()->Y(), notice);
        if (collect) AddSegmentMark(first.x, first.y, second.x, second.y);
        ok = false;
    }
    return ok;
}

bool Cpp_LineList::CheckIntersectingSegments(double tolerance, bool notice, bool collect,
                                             std::FILE* file) {
    Cpp_Errors errors(file);
    if (Count() < 2) return true;
    bool ok = true;
    for (const auto& [s, t] : CandidatePairs(*this, true)) {
        Cpp_PointXY point;
        if (!SegmentsIntersect(*s.a, *s.a->Next(), *t.a, *t.a->Next(), tolerance, point)) continue;
        Cpp_LineErrors::SegmentsIntersect(LineKind(), LineAt(s.line)->GetNumber(), s.segment,
                                          s.a->X(), s.a->Y(), s.a->Next()->X(), s.a->Next()->Y(),
                                          LineAt(t.line)->GetNumber(), t.segment, t.a->X(),
                                          t.a->Y(), t.a->Next()->X(), t.a->Next()->Y(), point.X(),
                                          point.Y(), notice);
        if (collect) AddPointMark(point.X(), point.Y());
        ok = false;
    }
    return ok;
}
