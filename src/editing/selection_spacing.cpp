// Spacing the selected points evenly between the two outermost ones: in x, in y, or along the
// straight line between the two points farthest apart. The list is sorted first (a stable sort:
// of equal keys the item met first stays first), so it ends in the order of the spacing.

#include "editing/selection_edit_support.h"
#include "editing/selection_list.h"
#include "graphics/line.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <unordered_map>
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
    const std::vector<s_Place> hull = Hull(places);
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

}  // namespace

bool Cpp_SelectionList::SpacePointsEvenly(int mode) {
    switch (mode) {
    case 1: return SpacePointsAlongLine();
    case 2: return SpacePointsOnAxis(true);
    case 3: return SpacePointsOnAxis(false);
    default: return false;
    }
}

namespace {

// The item is still in the model. The points of a line are looked up in a set made once per
// line, so a box of thousands of points of one line is checked in linear time.
class LiveCheck {
public:
    bool Exists(const Cpp_Selection& s) {
        const Cpp_Line* line = selection_edit::LineOf(s);
        if (!line) return s.TargetExists();
        auto it = points_.find(line);
        if (it == points_.end()) {
            Cpp_Selection lineOnly = s;
            s_SelectionReferences r = s.GetItemReferences();
            r.ref2 = nullptr;
            lineOnly.SetFromValues(s.GetDataSet(), s.GetStage(), s.GetType(), r);
            std::vector<const void*> nodes;
            if (lineOnly.TargetExists())
                for (const Cpp_PointXY* p = line->FirstPoint(); p; p = p->Next()) nodes.push_back(p);
            std::sort(nodes.begin(), nodes.end());
            it = points_.emplace(line, std::move(nodes)).first;
        }
        return std::binary_search(it->second.begin(), it->second.end(),
                                  static_cast<const void*>(s.GetItemReferences().ref2));
    }

private:
    std::unordered_map<const Cpp_Line*, std::vector<const void*>> points_;
};

// The items' positions, or none when any item has left the model (nothing is moved then). The
// caller has checked that every record is of the present model generation.
bool Positions(const Cpp_SelectionList& list, std::vector<s_Place>& places) {
    places.clear();
    LiveCheck live;
    for (int n = 1; const Cpp_Selection* s = list.GetNth(n); ++n) {
        if (!live.Exists(*s)) return false;
        const s_tagTypePointXY p = s->GetItemPosition();
        places.push_back({p.x, p.y});
    }
    return places.size() >= 3;
}

}  // namespace

bool Cpp_SelectionList::SpacePointsOnAxis(bool byX) {
    std::vector<s_Place> places;
    for (unsigned long g : generations_)
        if (g != generation_) return false;
    if (!Positions(*this, places)) return false;
    std::vector<size_t> order(places.size());
    std::iota(order.begin(), order.end(), size_t{0});
    std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) {
        return byX ? places[a].x < places[b].x : places[a].y < places[b].y;
    });
    std::deque<Cpp_Selection> nodes;
    std::deque<unsigned long> generations;
    for (size_t i : order) {
        nodes.push_back(nodes_[i]);
        generations.push_back(generations_[i]);
    }
    nodes_.swap(nodes);
    generations_.swap(generations);

    const size_t n = order.size();
    const s_Place& first = places[order.front()];
    const s_Place& last = places[order.back()];
    const double step = byX ? (last.x - first.x) / static_cast<double>(n - 1)
                            : (last.y - first.y) / static_cast<double>(n - 1);
    double at = byX ? first.x : first.y;
    for (size_t i = 1; i + 1 < n; ++i) {
        at += step;
        const s_Place& own = places[order[i]];
        if (byX)
            nodes_[i].SetPointXY(at, own.y);
        else
            nodes_[i].SetPointXY(own.x, at);
    }
    return true;
}

bool Cpp_SelectionList::SpacePointsAlongLine() {
    std::vector<s_Place> places;
    for (unsigned long g : generations_)
        if (g != generation_) return false;
    if (!Positions(*this, places)) return false;
    double largest = 0;
    const size_t anchor = FarthestPairAnchor(places, largest);
    for (size_t i = 0; i < places.size(); ++i)
        nodes_[i].SetValue(largest > 0 ? Distance(places[anchor], places[i]) / largest : 0.0);
    std::vector<size_t> order(places.size());
    std::iota(order.begin(), order.end(), size_t{0});
    std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) {
        return nodes_[a].GetValue() < nodes_[b].GetValue();
    });
    std::deque<Cpp_Selection> nodes;
    std::deque<unsigned long> generations;
    for (size_t i : order) {
        nodes.push_back(nodes_[i]);
        generations.push_back(generations_[i]);
    }
    nodes_.swap(nodes);
    generations_.swap(generations);

    const size_t n = order.size();
    const s_Place first = places[order.front()];
    const s_Place last = places[order.back()];
    const double dx = (last.x - first.x) / static_cast<double>(n - 1);
    const double dy = (last.y - first.y) / static_cast<double>(n - 1);
    s_Place at = first;
    for (size_t i = 1; i + 1 < n; ++i) {
        at.x += dx;
        at.y += dy;
        nodes_[i].SetPointXY(at.x, at.y);
    }
    return true;
}
