#include "core/point_xy.h"

#include "core/geometry.h"

#include <cmath>
#include <limits>
#include <vector>

void Cpp_PointXY::Transform(double a, double b, double c, double d) {
    x_ = a * x_ + b;
    y_ = c * y_ + d;
    ClearSlopeCache();
}

double Cpp_PointXY::Distance(const Cpp_PointXY& p) const {
    return std::hypot(p.x_ - x_, p.y_ - y_);
}

double Cpp_PointXY::DeltaXToNext() const {
    if (!next_) throw Exc_AttemptToUseSlopeBeyondSegment();
    return next_->x_ - x_;
}

double Cpp_PointXY::SlopeToNext() const {
    if (slopeValid_) return slope_;
    if (!next_) throw Exc_AttemptToUseSlopeBeyondSegment();
    const double dx = next_->x_ - x_;
    if (dx == 0.0) throw Exc_AttempToUseVerticalSlope();
    slope_ = (next_->y_ - y_) / dx;
    slopeValid_ = 1;
    return slope_;
}

double Cpp_PointXY::SlopeToNextChecked(bool& vertical) const {
    vertical = false;
    if (slopeValid_) return slope_;
    if (!next_) return 0.0;
    const double dx = next_->x_ - x_;
    if (dx == 0.0) {
        vertical = true;
        return 0.0;
    }
    slope_ = (next_->y_ - y_) / dx;
    slopeValid_ = 1;
    return slope_;
}

double Cpp_PointXY::AngleToNext() const {
    if (!next_) throw Exc_AttemptToUseSlopeBeyondSegment();
    return RadiansToDegrees(std::atan2(next_->y_ - y_, next_->x_ - x_));
}

int Cpp_PointXY::IsInsidePolygon(std::span<const Cpp_PointXY> v, double e) const {
    if (v.size() < 4) return -1;
    int left = 0;
    int right = 0;
    const double x = x_;
    const double y = y_;
    for (size_t k = 0; k + 1 < v.size(); ++k) {
        const Cpp_PointXY& a0 = v[k];
        const Cpp_PointXY& a1 = v[k + 1];
        const double a = std::fabs(a0.y_ - y);
        const double b = std::fabs(a1.y_ - y);
        if (a <= e && b <= e) {
            if (x >= std::min(a0.x_, a1.x_) && x <= std::max(a0.x_, a1.x_)) return 0;
        } else if (a <= e) {
            if (std::fabs(a0.x_ - x) < e) return 0;
            if (a1.y_ > a0.y_) (a0.x_ > x ? right : left)++;
        } else if (b < e) {
            if (std::fabs(a1.x_ - x) < e) return 0;
            (a1.x_ > x ? right : left)++;
        } else if ((y > a0.y_ && y < a1.y_) || (y < a0.y_ && y > a1.y_)) {
            const double cx = a0.x_ + (y - a0.y_) * (a1.x_ - a0.x_) / (a1.y_ - a0.y_);
            if (std::fabs(cx - x) <= e) return 0;
            (cx > x ? right : left)++;
        }
    }
    return (left % 2 == 1 && right % 2 == 1) ? 1 : -1;
}

Cpp_PointList& Cpp_PointList::operator=(Cpp_PointList&& other) noexcept {
    if (this != &other) {
        DeleteAll();
        head_ = other.head_;
        other.head_ = nullptr;
    }
    return *this;
}

Cpp_PointXY* Cpp_PointList::Append(const Cpp_PointXY& p) {
    auto* node = new Cpp_PointXY(p);
    if (!head_) {
        head_ = node;
    } else {
        Cpp_PointXY* last = head_;
        while (last->Next()) last = last->Next();
        last->SetNext(node);
    }
    return node;
}

void Cpp_PointList::DeleteAll() {
    Cpp_PointXY* p = head_;
    while (p) {
        Cpp_PointXY* next = p->Next();
        delete p;
        p = next;
    }
    head_ = nullptr;
}

int Cpp_PointList::Count() const {
    int n = 0;
    for (const Cpp_PointXY* p = head_; p; p = p->Next()) ++n;
    return n;
}

bool Cpp_PointList::FindNeighbours(const Cpp_PointXY* node, Cpp_PointXY*& previous,
                                   Cpp_PointXY*& next) const {
    Cpp_PointXY* prev = nullptr;
    for (Cpp_PointXY* p = head_; p; prev = p, p = p->Next()) {
        if (p == node) {
            previous = prev;
            next = p->Next();
            return true;
        }
    }
    return false;
}

void Cpp_PointList::Reverse() {
    if (!head_) return;
    std::vector<Cpp_PointXY*> nodes;
    for (Cpp_PointXY* p = head_; p; p = p->Next()) nodes.push_back(p);
    for (size_t i = nodes.size(); i-- > 1;) nodes[i]->SetNext(nodes[i - 1]);
    nodes.front()->SetNext(nullptr);
    head_ = nodes.back();
}

Cpp_PointXY* Cpp_PointList::FindPointNear(s_NearestPointSearchType& s) const {
    Cpp_PointXY* result = nullptr;
    Cpp_PointXY* previous = nullptr;
    int position = 0;
    for (Cpp_PointXY* p = head_; p; previous = p, p = p->Next()) {
        ++position;
        if (std::fabs(s.x - p->X()) > s.tolerance || std::fabs(s.y - p->Y()) > s.tolerance)
            continue;
        const double r = ::Distance(s.x, s.y, p->X(), p->Y());
        if (s.found && r > s.bestDistance) continue;
        // Tie value: the squared distance to the nearer neighbouring segment; a lone point has
        // no segment and uses its own distance.
        double tie = std::numeric_limits<double>::max();
        if (previous) tie = std::min(tie, PointSegmentDistanceCopy(s.x, s.y, *previous, *p));
        if (p->Next()) tie = std::min(tie, PointSegmentDistanceCopy(s.x, s.y, *p, *p->Next()));
        if (!previous && !p->Next()) tie = r;
        tie *= tie;
        if (!s.found || r < s.bestDistance || tie < s.bestSegmentDistanceSquared) {
            s.bestSegmentDistanceSquared = tie;
            s.bestDistance = r;
            s.found = true;
            p->SetNumber(position);
            result = p;
        }
    }
    return result;
}
