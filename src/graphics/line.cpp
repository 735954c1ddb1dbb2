#include "graphics/line.h"

#include "core/geometry.h"
#include "core/text_exception.h"
#include "core/world_rect.h"

#include <algorithm>
#include <cmath>

Cpp_Line::~Cpp_Line() { FreePoints(); }

Cpp_Line::Cpp_Line(const Cpp_Line& other)
    : Cpp_ListItem(other), options_(other.options_), labelX_(other.labelX_), labelY_(other.labelY_),
      labelFrame_(other.labelFrame_) {
    CopyPointsFrom(other);
}

Cpp_Line& Cpp_Line::operator=(const Cpp_Line& other) {
    if (this != &other) {
        Cpp_ListItem::operator=(other);
        options_ = other.options_;
        labelX_ = other.labelX_;
        labelY_ = other.labelY_;
        labelFrame_ = other.labelFrame_;
        FreePoints();
        CopyPointsFrom(other);
    }
    return *this;
}

void Cpp_Line::CopyPointsFrom(const Cpp_Line& other) {
    Cpp_PointXY* last = nullptr;
    for (const Cpp_PointXY* p = other.first_; p; p = p->Next()) {
        auto* node = new Cpp_PointXY(*p);
        if (last)
            last->SetNext(node);
        else
            first_ = node;
        last = node;
    }
}

void Cpp_Line::FreePoints() {
    Cpp_PointXY* p = first_;
    while (p) {
        Cpp_PointXY* next = p->Next();
        delete p;
        p = next;
    }
    first_ = nullptr;
}

Cpp_PointXY* Cpp_Line::AddPoint(double x, double y) {
    auto* node = new Cpp_PointXY(x, y);
    if (Cpp_PointXY* last = LastPoint())
        last->SetNext(node);
    else
        first_ = node;
    return node;
}

Cpp_PointXY* Cpp_Line::AddTaggedPoint(int number, double x, double y) {
    Cpp_PointXY* node = AddPoint(x, y);
    node->SetNumber(number);
    return node;
}

Cpp_PointXY* Cpp_Line::InsertPointAfter(Cpp_PointXY* after, double x, double y) {
    auto* node = new Cpp_PointXY(x, y);
    if (!after) {
        node->SetNext(first_);
        first_ = node;
    } else {
        node->SetNext(after->Next());
        after->SetNext(node);
    }
    return node;
}

Cpp_PointXY* Cpp_Line::InsertPointSortedByX(double x, double y) {
    if (!first_ || x < first_->X()) return InsertPointAfter(nullptr, x, y);
    Cpp_PointXY* p = first_;
    while (p->Next() && !(p->X() <= x && x < p->Next()->X())) p = p->Next();
    return InsertPointAfter(p, x, y);
}

int Cpp_Line::NumberOfPoints() const {
    int n = 0;
    for (const Cpp_PointXY* p = first_; p; p = p->Next()) ++n;
    return n;
}

Cpp_PointXY* Cpp_Line::LastPoint() const {
    Cpp_PointXY* p = first_;
    while (p && p->Next()) p = p->Next();
    return p;
}

Cpp_PointXY* Cpp_Line::PreviousPoint(const Cpp_PointXY* point) const {
    if (!first_ || point == first_) return nullptr;
    for (Cpp_PointXY* p = first_; p; p = p->Next())
        if (p->Next() == point) return p;
    throw Exc_PreviousPointNotFound();
}

bool Cpp_Line::ContainsPoint(const Cpp_PointXY* point) const {
    for (const Cpp_PointXY* p = first_; p; p = p->Next())
        if (p == point) return true;
    return false;
}

bool Cpp_Line::RemovePoint(Cpp_PointXY* point) {
    if (!point || !ContainsPoint(point)) return false;
    if (point == first_) {
        first_ = point->Next();
    } else {
        Cpp_PointXY* previous = PreviousPoint(point);
        previous->SetNext(point->Next());
    }
    delete point;
    return true;
}

void Cpp_Line::NumberPoints() {
    int n = 0;
    for (Cpp_PointXY* p = first_; p; p = p->Next()) p->SetNumber(++n);
}

void Cpp_Line::ReversePoints() {
    Cpp_PointXY* reversed = nullptr;
    Cpp_PointXY* p = first_;
    while (p) {
        Cpp_PointXY* next = p->Next();
        p->SetNext(reversed);
        reversed = p;
        p = next;
    }
    first_ = reversed;
}

void Cpp_Line::ClearSlopeCache() {
    for (Cpp_PointXY* p = first_; p; p = p->Next()) p->ClearSlopeCache();
}

void Cpp_Line::Rescale(double xScale, double xOffset, double yScale, double yOffset) {
    for (Cpp_PointXY* p = first_; p; p = p->Next()) p->Transform(xScale, xOffset, yScale, yOffset);
}

Cpp_PointXY* Cpp_Line::SetPointsFromXYArray(const std::vector<s_tagTypePointXY>& points, int n) {
    FreePoints();
    Cpp_PointXY* last = nullptr;
    const int count = std::min<int>(n, static_cast<int>(points.size()));
    for (int i = 0; i < count; ++i) last = InsertPointAfter(last, points[i].x, points[i].y);
    return last;
}

int Cpp_Line::CopyToXYArray(std::vector<s_tagTypePointXY>& points) const {
    int n = 0;
    for (const Cpp_PointXY* p = first_; p; p = p->Next(), ++n) {
        if (static_cast<int>(points.size()) <= n) points.resize(n + 1);
        points[n] = p->XY();
    }
    return n;
}

void Cpp_Line::ReplacePoints(Cpp_PointXY* chain) {
    FreePoints();
    first_ = chain;
}

Cpp_PointXY* Cpp_Line::ReleasePoints() {
    Cpp_PointXY* chain = first_;
    first_ = nullptr;
    return chain;
}

void Cpp_Line::DeleteAllPoints() {
    if (HasDescription())
        throw Cpp_TextException("Cpp_Line::DeleteAllPoints - Non-Null description");
    FreePoints();
}

void Cpp_Line::DeleteDescriptionAndPoints() {
    ClearDescription();
    FreePoints();
}

bool Cpp_Line::OptionBit(int n) const {
    if (n < 1 || n > 4) return false;
    return (options_ >> (n - 1)) & 1u;
}

bool Cpp_Line::SetOption(int n, bool on) {
    if (n < 1 || n > 4) return false;
    const unsigned char bit = static_cast<unsigned char>(1u << (n - 1));
    options_ = on ? (options_ | bit) : (options_ & ~bit);
    return true;
}

double Cpp_Line::Length() const {
    double length = 0.0;
    for (const Cpp_PointXY* p = first_; p && p->Next(); p = p->Next())
        length += p->Distance(*p->Next());
    return length;
}

bool Cpp_Line::GetExtents(double& xmin, double& xmax, double& ymin, double& ymax) const {
    Cpp_Extents extents;
    for (const Cpp_PointXY* p = first_; p; p = p->Next()) extents.Add(p->X(), p->Y());
    return extents.Get(xmin, xmax, ymin, ymax);
}

bool Cpp_Line::LowestY(double& y) const {
    double xmin, xmax, ymax;
    return GetExtents(xmin, xmax, y, ymax);
}

double Cpp_Line::YLine(double x, int verticalRule, bool& outside) const {
    outside = true;
    if (!HasSegment()) return 0.0;
    bool vertical = false;
    double low = 0.0, high = 0.0;
    for (const Cpp_PointXY* p = first_; p->Next(); p = p->Next()) {
        const Cpp_PointXY* q = p->Next();
        if (p->X() == x && q->X() == x) {
            const double a = std::min(p->Y(), q->Y());
            const double b = std::max(p->Y(), q->Y());
            low = vertical ? std::min(low, a) : a;
            high = vertical ? std::max(high, b) : b;
            vertical = true;
        }
    }
    if (vertical) {
        switch (verticalRule) {
        case VERTICAL_LOWEST: outside = false; return low;
        case VERTICAL_MEAN: outside = false; return 0.5 * (low + high);
        case VERTICAL_HIGHEST: outside = false; return high;
        case VERTICAL_ILLEGAL:
            throw Cpp_TextException("Cpp_Line::YLine - Illegal vertical segment");
        default: throw Cpp_TextException("Cpp_Line::YLine - ReturnWhenVertical not defined");
        }
    }
    for (const Cpp_PointXY* p = first_; p->Next(); p = p->Next()) {
        const Cpp_PointXY* q = p->Next();
        if (p->X() <= x && x <= q->X()) {
            outside = false;
            return p->Y() + (x - p->X()) * (q->Y() - p->Y()) / (q->X() - p->X());
        }
    }
    return 0.0;
}

int Cpp_Line::XValuesAtY(double y, std::vector<double>& xs, std::vector<double>& angles) const {
    xs.clear();
    angles.clear();
    if (!first_) return 0;
    if (!first_->Next()) {
        if (first_->Y() == y) {
            xs.push_back(first_->X());
            angles.push_back(0.0);
        }
        return static_cast<int>(xs.size());
    }
    auto add = [&](double x, double angle) {
        if (!xs.empty() && xs.back() == x) return;
        xs.push_back(x);
        angles.push_back(angle);
    };
    for (const Cpp_PointXY* p = first_; p->Next(); p = p->Next()) {
        const Cpp_PointXY* q = p->Next();
        const double x1 = p->X(), y1 = p->Y(), x2 = q->X(), y2 = q->Y();
        if (y1 == y2) {
            if (y1 == y) add(x1, 0.0);
            continue;
        }
        const double angle = std::atan2(y2 - y1, x2 - x1);
        if (x1 == x2) {
            if (std::min(y1, y2) <= y && y <= std::max(y1, y2)) add(x1, angle);
            continue;
        }
        const double x = x1 + (y - y1) * (x2 - x1) / (y2 - y1);
        if (std::min(x1, x2) <= x && x <= std::max(x1, x2)) add(x, angle);
    }
    return static_cast<int>(xs.size());
}

int Cpp_Line::IntersectionsWithLine(const Cpp_Line& other, std::vector<s_tagTypePointXY>& points,
                                    double tolerance) const {
    if (!HasSegment() || !other.HasSegment()) return 0;
    int count = 0;
    for (const Cpp_PointXY* p = first_; p->Next(); p = p->Next()) {
        for (const Cpp_PointXY* q = other.first_; q->Next(); q = q->Next()) {
            Cpp_PointXY point;
            if (SegmentsIntersect(*p, *p->Next(), *q, *q->Next(), tolerance, point)) {
                points.push_back(point.XY());
                ++count;
            }
        }
    }
    return count;
}

namespace {

// The segment (given by its first point) whose y (byY) or x range holds value with a nonzero
// extent: the hint when it is in the line and qualifies, else the first such segment, else null.
const Cpp_PointXY* SegmentSpanning(const Cpp_Line& line, bool byY, double value,
                                   const Cpp_PointXY* hint) {
    auto coordinate = [byY](const Cpp_PointXY* p) { return byY ? p->Y() : p->X(); };
    auto qualifies = [&](const Cpp_PointXY* p) {
        const Cpp_PointXY* q = p->Next();
        return q && coordinate(p) != coordinate(q) &&
               std::min(coordinate(p), coordinate(q)) <= value &&
               value <= std::max(coordinate(p), coordinate(q));
    };
    if (hint && line.ContainsPoint(hint) && qualifies(hint)) return hint;
    for (const Cpp_PointXY* p = line.FirstPoint(); p; p = p->Next())
        if (qualifies(p)) return p;
    return nullptr;
}

}  // namespace

bool Cpp_Line::SnapHorizontally(double x, double y, const Cpp_PointXY* hint, double& distance,
                                Cpp_PointXY& point) const {
    distance = 0.0;
    point.Set(0.0, 0.0);
    const Cpp_PointXY* segment = SegmentSpanning(*this, true, y, hint);
    if (!segment) return false;
    const Cpp_PointXY* q = segment->Next();
    const double sx =
        segment->X() + (y - segment->Y()) * (q->X() - segment->X()) / (q->Y() - segment->Y());
    point.Set(sx, y);
    distance = std::fabs(x - sx);
    return true;
}

bool Cpp_Line::SnapVertically(double x, double y, const Cpp_PointXY* hint, double& distance,
                              Cpp_PointXY& point) const {
    distance = 0.0;
    point.Set(0.0, 0.0);
    const Cpp_PointXY* segment = SegmentSpanning(*this, false, x, hint);
    if (!segment) return false;
    const Cpp_PointXY* q = segment->Next();
    const double sy =
        segment->Y() + (x - segment->X()) * (q->Y() - segment->Y()) / (q->X() - segment->X());
    point.Set(x, sy);
    distance = std::fabs(y - sy);
    return true;
}

Cpp_PointXY* Cpp_Line::FindNearestPoint(s_PickType& pick) const {
    Cpp_PointXY* result = nullptr;
    const Cpp_PointXY* previous = nullptr;
    for (Cpp_PointXY* p = first_; p; previous = p, p = p->Next()) {
        if (!IsInPickBox(pick, p->X(), p->Y())) continue;
        const double d = DistanceSquared(pick.x, pick.y, p->X(), p->Y());
        // Between equally near points the one nearer to a segment through it wins.
        double s = 0.0;
        if (previous || p->Next()) {
            double nearest = -1.0;
            if (previous) nearest = PointSegmentDistanceCopy(pick.x, pick.y, *previous, *p);
            if (p->Next()) {
                const double t = PointSegmentDistanceCopy(pick.x, pick.y, *p, *p->Next());
                nearest = nearest < 0.0 ? t : std::min(nearest, t);
            }
            s = nearest * nearest;
        }
        if (AcceptNearerCandidate(pick, d, s, e_PickTie::SmallerSecondary)) result = p;
    }
    return result;
}

namespace {

Cpp_PointXY* NearestSegment(Cpp_PointXY* first, s_PickType& pick, bool useTolerance) {
    Cpp_PointXY* result = nullptr;
    int number = 0;
    for (Cpp_PointXY* p = first; p && p->Next(); p = p->Next()) {
        ++number;
        const double t = PointSegmentDistanceCopy(pick.x, pick.y, *p, *p->Next());
        if (useTolerance && !(t < pick.tolerance)) continue;
        if (AcceptNearerSegment(pick, t, number)) result = p;
    }
    return result;
}

}  // namespace

Cpp_PointXY* Cpp_Line::FindNearestSegment(s_PickType& pick) const {
    return NearestSegment(first_, pick, true);
}

Cpp_PointXY* Cpp_Line::FindNearestSegmentOnly(s_PickType& pick) const {
    return NearestSegment(first_, pick, false);
}
