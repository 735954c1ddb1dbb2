// Spacing the selected points evenly between the two outermost ones: in x, in y, or along the
// straight line between the two points farthest apart. The list is sorted first (a stable sort:
// of equal keys the item met first stays first), so it ends in the order of the spacing.
//
// A box selection can hold thousands of points, so every step is linear or a single sort: the
// liveness of line points is checked by walking each line once, the farthest pair is looked for
// among the few corners of the convex hull, and the list is put in order in place.

#include "editing/selection_edit_support.h"
#include "editing/selection_list.h"
#include "graphics/line.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <deque>
#include <unordered_map>
#include <utility>
#include <vector>

namespace {

struct s_Place {
    double x = 0, y = 0;
    bool operator<(const s_Place& o) const { return x < o.x || (x == o.x && y < o.y); }
    bool operator==(const s_Place& o) const { return x == o.x && y == o.y; }
};

double Distance(const s_Place& a, const s_Place& b) { return std::hypot(b.x - a.x, b.y - a.y); }

double Cross(const s_Place& o, const s_Place& a, const s_Place& b) {
    return (a.x - o.x) * (b.y - o.y) - (a.y - o.y) * (b.x - o.x);
}

// The places that may be corners of the convex hull: all but those well inside the polygon of
// the places farthest out in eight directions (the margin keeps every place that rounding could
// put on the hull). A place strictly inside a polygon of places is no corner of their hull.
std::vector<s_Place> HullCandidates(const std::vector<s_Place>& places) {
    // The directions at 0, 45, ..., 315 degrees: the largest x, x + y, y, y - x, then the
    // smallest x, x + y, y, y - x.
    size_t extreme[8] = {};
    double best[8];
    double largestAbs = 0;
    for (size_t i = 0; i < places.size(); ++i) {
        const s_Place& p = places[i];
        const double along[4] = {p.x, p.x + p.y, p.y, p.y - p.x};
        for (int d = 0; d < 4; ++d) {
            if (i == 0 || along[d] > best[d]) best[d] = along[d], extreme[d] = i;
            if (i == 0 || along[d] < best[d + 4]) best[d + 4] = along[d], extreme[d + 4] = i;
        }
        largestAbs = std::max({largestAbs, std::abs(p.x), std::abs(p.y)});
    }
    const double span = std::max(best[0] - best[4], best[2] - best[6]);
    const double margin = 1e-9 * span * (span + largestAbs);
    // Each edge a to b as a x + b y > c for the places on its left.
    struct s_Edge {
        double a, b, c;
    };
    std::vector<s_Edge> edges;
    for (int d = 0; d < 8; ++d) {
        const s_Place& from = places[extreme[d]];
        const s_Place& to = places[extreme[(d + 1) % 8]];
        if (from == to) continue;
        const double ex = to.x - from.x, ey = to.y - from.y;
        edges.push_back({-ey, ex, ex * from.y - ey * from.x + margin});
    }
    if (edges.size() < 3) return places;
    std::vector<s_Place> kept;
    for (const s_Place& p : places) {
        bool inside = true;
        for (const s_Edge& e : edges) inside = inside && e.a * p.x + e.b * p.y > e.c;
        if (!inside) kept.push_back(p);
    }
    return kept;
}

// The distinct places on the convex hull (collinear boundary points kept out); the farthest
// pair of a point set always lies among them.
std::vector<s_Place> Hull(std::vector<s_Place> places) {
    std::sort(places.begin(), places.end());
    places.erase(std::unique(places.begin(), places.end()), places.end());
    if (places.size() < 3) return places;
    std::vector<s_Place> hull(2 * places.size());
    size_t k = 0;
    for (const s_Place& p : places) {
        while (k >= 2 && Cross(hull[k - 2], hull[k - 1], p) <= 0) --k;
        hull[k++] = p;
    }
    for (size_t i = places.size() - 1, lower = k + 1; i-- > 0;) {
        while (k >= lower && Cross(hull[k - 2], hull[k - 1], places[i]) <= 0) --k;
        hull[k++] = places[i];
    }
    hull.resize(k - 1);
    return hull;
}

// The anchor of the along-line order: of the pairs of items (i before j in list order) at the
// largest distance, the first pair met going through i and then j; its first item. Also the
// largest distance.
size_t FarthestPairAnchor(const std::vector<s_Place>& places, double& largest) {
    const std::vector<s_Place> hull = Hull(HullCandidates(places));
    largest = places.size() >= 2 ? Distance(places[0], places[1]) : 0.0;
    for (size_t a = 0; a < hull.size(); ++a)
        for (size_t b = a + 1; b < hull.size(); ++b)
            largest = std::max(largest, Distance(hull[a], hull[b]));
    if (places.size() >= 2 && Distance(places[0], places[1]) == largest) return 0;
    // The diametral places, then the first item with a later item at the largest distance.
    std::vector<std::pair<s_Place, s_Place>> diametral;
    for (size_t a = 0; a < hull.size(); ++a)
        for (size_t b = a + 1; b < hull.size(); ++b)
            if (Distance(hull[a], hull[b]) == largest) diametral.emplace_back(hull[a], hull[b]);
    // For each place of a diametral pair: the last list index at its partner place.
    size_t best = places.size();
    for (const auto& [p, q] : diametral) {
        size_t firstP = places.size(), firstQ = places.size(), lastP = 0, lastQ = 0;
        for (size_t i = 0; i < places.size(); ++i) {
            if (places[i] == p) firstP = std::min(firstP, i), lastP = i;
            if (places[i] == q) firstQ = std::min(firstQ, i), lastQ = i;
        }
        if (firstP < lastQ) best = std::min(best, firstP);
        if (firstQ < lastP) best = std::min(best, firstQ);
    }
    return best < places.size() ? best : 0;
}

// The item is still in the model. The points of a line are met by walking the line once while
// the records follow its order (a box selection adds them so); a record met out of order makes
// a sorted table of the line's points, looked up from then on.
class LiveCheck {
public:
    bool Exists(const Cpp_Selection& s) {
        const Cpp_Line* line = selection_edit::LineOf(s);
        if (!line) return s.TargetExists();
        if (line != lastLine_) {
            auto it = lines_.find(line);
            if (it == lines_.end()) it = lines_.emplace(line, Start(s, line)).first;
            lastLine_ = line;
            last_ = &it->second;
        }
        if (!last_->live) return false;
        const void* point = s.GetItemReferences().ref2;
        if (!last_->sorted) {
            for (const Cpp_PointXY* p = last_->next; p; p = p->Next())
                if (p == point) {
                    last_->next = p->Next();
                    return true;
                }
            last_->sorted = true;
            for (const Cpp_PointXY* p = line->FirstPoint(); p; p = p->Next())
                last_->points.push_back(p);
            std::sort(last_->points.begin(), last_->points.end());
        }
        return std::binary_search(last_->points.begin(), last_->points.end(), point);
    }

private:
    struct s_LineWalk {
        bool live = false;
        bool sorted = false;
        const Cpp_PointXY* next = nullptr;
        std::vector<const void*> points;
    };

    static s_LineWalk Start(const Cpp_Selection& s, const Cpp_Line* line) {
        Cpp_Selection lineOnly = s;
        s_SelectionReferences r = s.GetItemReferences();
        r.ref2 = nullptr;
        lineOnly.SetFromValues(s.GetDataSet(), s.GetStage(), s.GetType(), r);
        s_LineWalk walk;
        walk.live = lineOnly.TargetExists();
        walk.next = line->FirstPoint();
        return walk;
    }

    const Cpp_Line* lastLine_ = nullptr;
    s_LineWalk* last_ = nullptr;
    std::unordered_map<const Cpp_Line*, s_LineWalk> lines_;
};

// The items' positions, or none when any item has left the model (nothing is moved then). The
// caller has checked that every record is of the present model generation.
bool Positions(const Cpp_SelectionList& list, std::vector<s_Place>& places) {
    places.clear();
    places.reserve(static_cast<size_t>(list.Count()));
    LiveCheck live;
    for (int n = 1; const Cpp_Selection* s = list.GetNth(n); ++n) {
        if (!live.Exists(*s)) return false;
        const s_tagTypePointXY p = s->GetItemPosition();
        places.push_back({p.x, p.y});
    }
    return places.size() >= 3;
}

// The bits of a key as an unsigned number in the order of the keys (0 and -0 are one key).
std::uint64_t OrderBits(double key) {
    key += 0.0;
    std::uint64_t bits;
    std::memcpy(&bits, &key, sizeof bits);
    return bits >> 63 ? ~bits : bits | (std::uint64_t{1} << 63);
}

double KeyOfOrderBits(std::uint64_t bits) {
    bits = bits >> 63 ? bits & ~(std::uint64_t{1} << 63) : ~bits;
    double key;
    std::memcpy(&key, &bits, sizeof key);
    return key;
}

// The slots (key in x, list index in y) sorted by key, of equal keys the item met first staying
// first: a radix sort, byte by byte from the lowest, each pass stable; the bytes all keys share
// are passed over.
void StableSortByKey(std::vector<s_Place>& slots) {
    struct s_Item {
        std::uint64_t bits;
        std::uint64_t index;
    };
    const size_t n = slots.size();
    std::vector<s_Item> items(n), other(n);
    std::vector<std::array<size_t, 256>> counts(8, std::array<size_t, 256>{});
    for (size_t i = 0; i < n; ++i) {
        items[i] = {OrderBits(slots[i].x), static_cast<std::uint64_t>(slots[i].y)};
        for (int b = 0; b < 8; ++b)
            ++counts[static_cast<size_t>(b)][(items[i].bits >> (8 * b)) & 0xff];
    }
    for (int b = 0; b < 8; ++b) {
        std::array<size_t, 256>& count = counts[static_cast<size_t>(b)];
        if (count[(items[0].bits >> (8 * b)) & 0xff] == n) continue;
        size_t start = 0;
        for (size_t& c : count) start += std::exchange(c, start);
        for (const s_Item& item : items) other[count[(item.bits >> (8 * b)) & 0xff]++] = item;
        items.swap(other);
    }
    for (size_t i = 0; i < n; ++i)
        slots[i] = {KeyOfOrderBits(items[i].bits), static_cast<double>(items[i].index)};
}

// Sorts the slots (key in x, list index in y) and puts the records in that order, in place,
// cycle by cycle: the record at i takes the contents of the one at the index of slot i. Every
// record is of the present model generation, so the generations stay as they are.
void SortByKey(std::deque<Cpp_Selection>& nodes, std::vector<s_Place>& slots) {
    StableSortByKey(slots);
    std::vector<bool> placed(slots.size());
    for (size_t i = 0; i < slots.size(); ++i) {
        if (placed[i]) continue;
        placed[i] = true;
        size_t from = static_cast<size_t>(slots[i].y);
        if (from == i) continue;
        Cpp_Selection held = nodes[i];
        size_t j = i;
        while (from != i) {
            nodes[j] = nodes[from];
            placed[from] = true;
            j = from;
            from = static_cast<size_t>(slots[j].y);
        }
        nodes[j] = held;
    }
}

}  // namespace

bool Cpp_SelectionList::SpacePointsEvenly(int mode) {
    switch (mode) {
    case 1: return SpacePointsAlongLine();
    case 2: return SpacePointsOnAxis(true);
    case 3: return SpacePointsOnAxis(false);
    default: return false;
    }
}

bool Cpp_SelectionList::SpacePointsOnAxis(bool byX) {
    for (unsigned long g : generations_)
        if (g != generation_) return false;
    std::vector<s_Place> slots;
    if (!Positions(*this, slots)) return false;
    for (size_t i = 0; i < slots.size(); ++i)
        slots[i] = {byX ? slots[i].x : slots[i].y, static_cast<double>(i)};
    SortByKey(nodes_, slots);

    // The two ends stay; nothing has moved yet when their positions are read. Each item keeps
    // its other coordinate, which no move along this axis changes.
    const size_t n = slots.size();
    const s_tagTypePointXY first = nodes_.front().GetItemPosition();
    const s_tagTypePointXY last = nodes_.back().GetItemPosition();
    const double step = byX ? (last.x - first.x) / static_cast<double>(n - 1)
                            : (last.y - first.y) / static_cast<double>(n - 1);
    double at = byX ? first.x : first.y;
    for (size_t i = 1; i + 1 < n; ++i) {
        at += step;
        const s_tagTypePointXY own = nodes_[i].GetItemPosition();
        if (byX)
            nodes_[i].SetPointXY(at, own.y);
        else
            nodes_[i].SetPointXY(own.x, at);
    }
    return true;
}

bool Cpp_SelectionList::SpacePointsAlongLine() {
    for (unsigned long g : generations_)
        if (g != generation_) return false;
    std::vector<s_Place> slots;
    if (!Positions(*this, slots)) return false;
    double largest = 0;
    const s_Place anchor = slots[FarthestPairAnchor(slots, largest)];
    for (size_t i = 0; i < slots.size(); ++i)
        slots[i] = {largest > 0 ? Distance(anchor, slots[i]) / largest : 0.0,
                    static_cast<double>(i)};
    SortByKey(nodes_, slots);
    for (size_t i = 0; i < slots.size(); ++i) nodes_[i].SetValue(slots[i].x);

    // The two ends stay; nothing has moved yet when their positions are read.
    const size_t n = slots.size();
    const s_tagTypePointXY first = nodes_.front().GetItemPosition();
    const s_tagTypePointXY last = nodes_.back().GetItemPosition();
    const double dx = (last.x - first.x) / static_cast<double>(n - 1);
    const double dy = (last.y - first.y) / static_cast<double>(n - 1);
    s_Place at{first.x, first.y};
    for (size_t i = 1; i + 1 < n; ++i) {
        at.x += dx;
        at.y += dy;
        nodes_[i].SetPointXY(at.x, at.y);
    }
    return true;
}
