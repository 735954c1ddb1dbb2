// Material regions of the profile: the sweep over all lines, region outlines and polygons, label
// placement, the line above a point, vertical intersections, the overburden stress and the usage
// text of a material.

#include "core/geometry.h"
#include "profile/profile_line.h"
#include "profile/profile_sweep.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdio>

namespace {

std::uint64_t Mix(std::uint64_t h, std::uint64_t v) {
    h ^= v + 0x9e3779b97f4a7c15ULL + (h << 6) + (h >> 2);
    return h * 0x100000001b3ULL;
}

std::uint64_t Fingerprint(const Cpp_ProfileLineList& list) {
    std::uint64_t h = Mix(0xcbf29ce484222325ULL, static_cast<std::uint64_t>(list.Count()));
    for (int i = 0; i < list.Count(); ++i) {
        const Cpp_ProfileLine* line = list.ProfileLineAt(i);
        h = Mix(h, static_cast<std::uint64_t>(static_cast<std::uint32_t>(line->GetNumber())));
        int n = 0;
        for (const Cpp_PointXY* p = line->FirstPoint(); p; p = p->Next(), ++n) {
            h = Mix(h, std::bit_cast<std::uint64_t>(p->X()));
            h = Mix(h, std::bit_cast<std::uint64_t>(p->Y()));
        }
        h = Mix(h, static_cast<std::uint64_t>(n));
    }
    return h;
}

struct Pt {
    double x, y;
};

std::vector<Pt> PointsOf(const Cpp_Line& line) {
    std::vector<Pt> points;
    for (const Cpp_PointXY* p = line.FirstPoint(); p; p = p->Next())
        points.push_back({p->X(), p->Y()});
    return points;
}

// Index of the first interval whose midpoint is at or right of x (Intervals() when none).
int FirstIntervalFrom(const Cpp_ProfileLineList::Sweep& s, double x) {
    int lo = 0, hi = s.Intervals();
    while (lo < hi) {
        const int mid = (lo + hi) / 2;
        if (s.Midpoint(mid) >= x)
            hi = mid;
        else
            lo = mid + 1;
    }
    return lo;
}

// Index of the last interval whose midpoint is at or left of x (-1 when none).
int LastIntervalTo(const Cpp_ProfileLineList::Sweep& s, double x) {
    int lo = 0, hi = s.Intervals();
    while (lo < hi) {
        const int mid = (lo + hi) / 2;
        if (s.Midpoint(mid) <= x)
            lo = mid + 1;
        else
            hi = mid;
    }
    return lo - 1;
}

const int kColourTable[10] = {40, 32, 33, 34, 35, 36, 37, 38, 39, 31};
const int kPatternTable[12] = {21, 2, 22, 3, 23, 10, 4, 9, 5, 14, 24, 33};

}  // namespace

const Cpp_ProfileLineList::Sweep& Cpp_ProfileLineList::GetSweep() const {
    const std::uint64_t fingerprint = Fingerprint(*this);
    if (sweep_ && sweep_->built && sweep_->fingerprint == fingerprint) return *sweep_;
    if (!sweep_) sweep_ = std::make_unique<Sweep>();
    Sweep& s = *sweep_;
    s.fingerprint = fingerprint;
    s.built = true;
    s.x.clear();
    for (const auto& line : Lines())
        for (const Cpp_PointXY* p = line->FirstPoint(); p; p = p->Next()) s.x.push_back(p->X());
    std::sort(s.x.begin(), s.x.end());
    s.x.erase(std::unique(s.x.begin(), s.x.end()), s.x.end());

    const int count = Count();
    s.lines.assign(count, {});
    for (int li = 0; li < count; ++li) {
        Sweep::LineCover& cover = s.lines[li];
        const std::vector<Pt> pts = PointsOf(*LineAt(li));
        const int n = static_cast<int>(pts.size());
        if (n < 2 || s.Intervals() == 0) continue;
        double xmin = pts[0].x, xmax = pts[0].x;
        bool monotone = true;
        for (int k = 1; k < n; ++k) {
            xmin = std::min(xmin, pts[k].x);
            xmax = std::max(xmax, pts[k].x);
            if (pts[k].x < pts[k - 1].x) monotone = false;
        }
        const int first =
            static_cast<int>(std::lower_bound(s.x.begin(), s.x.end(), xmin) - s.x.begin());
        const int end =
            static_cast<int>(std::lower_bound(s.x.begin(), s.x.end(), xmax) - s.x.begin());
        const int c = std::max(0, end - first);
        cover.first = first;
        cover.covers.assign(c, 0);
        cover.left.assign(c, 0.0);
        cover.right.assign(c, 0.0);
        cover.middle.assign(c, 0.0);
        cover.below.assign(c, -1);
        int k = 0;
        for (int j = 0; j < c; ++j) {
            const int i = first + j;
            const double m = s.Midpoint(i);
            int seg = -1;
            if (monotone) {
                while (k < n - 1 && !(pts[k].x <= m && m <= pts[k + 1].x)) ++k;
                if (k < n - 1) seg = k;
            } else {
                for (int q = 0; q < n - 1; ++q)
                    if (pts[q].x <= m && m <= pts[q + 1].x) {
                        seg = q;
                        break;
                    }
            }
            if (seg < 0) continue;
            const Pt& a = pts[seg];
            const Pt& b = pts[seg + 1];
            cover.covers[j] = 1;
            cover.left[j] = ElevationOnSegment(a.x, a.y, b.x, b.y, s.x[i]);
            cover.right[j] = ElevationOnSegment(a.x, a.y, b.x, b.y, s.x[i + 1]);
            cover.middle[j] = ElevationOnSegment(a.x, a.y, b.x, b.y, m);
        }
    }

    // The line next below each line in each interval: the highest midpoint elevation strictly
    // below the line's own, the first line in list order on equal elevations. The order of the
    // previous interval is kept, so the insertion sort has little to do.
    std::vector<int> order;
    std::vector<int> present;
    std::vector<char> seen(count, 0);
    std::vector<double> level(count, 0.0);
    for (int i = 0; i < s.Intervals(); ++i) {
        present.clear();
        for (int li : order)
            if (s.lines[li].Covers(i)) present.push_back(li);
        for (int li : present) seen[li] = 1;
        for (int li = 0; li < count; ++li)
            if (!seen[li] && s.lines[li].Covers(i)) present.push_back(li);
        for (int li : present) seen[li] = 0;
        for (int li : present) level[li] = (s.lines[li].Left(i) + s.lines[li].Right(i)) * 0.5;
        auto before = [&](int a, int b) {
            return level[a] > level[b] || (level[a] == level[b] && a < b);
        };
        for (size_t q = 1; q < present.size(); ++q) {
            const int v = present[q];
            size_t r = q;
            while (r > 0 && before(v, present[r - 1])) {
                present[r] = present[r - 1];
                --r;
            }
            present[r] = v;
        }
        // A group of equal levels always takes its first line, so a level that equals nothing
        // (NaN from overflowing coordinates) still moves the scan on.
        for (size_t q = 0; q < present.size();) {
            size_t next = q + 1;
            while (next < present.size() && level[present[next]] == level[present[q]]) ++next;
            const int below = next < present.size() ? present[next] : -1;
            for (size_t r = q; r < next; ++r) {
                Sweep::LineCover& cover = s.lines[present[r]];
                cover.below[i - cover.first] = below;
            }
            q = next;
        }
        order.swap(present);
    }
    return s;
}

double Cpp_ProfileLineList::RegionFloor(double y) const {
    double lowest = 0.0;
    bool first = true;
    for (const auto& line : Lines()) {
        double low = 0.0;
        if (!line->LowestY(low)) low = 0.0;
        lowest = first ? low : std::min(lowest, low);
        first = false;
    }
    return first ? y : std::min(y, lowest);
}

int Cpp_ProfileLineList::RegionOutline(const Cpp_ProfileLine* line, double floor,
                                       s_RegionOutline& outline) const {
    return RegionOutlineOn(GetSweep(), line, floor, outline);
}

int Cpp_ProfileLineList::RegionOutlineOn(const Sweep& s, const Cpp_ProfileLine* line, double floor,
                                         s_RegionOutline& outline) const {
    outline = {};
    const int li = IndexOf(line);
    if (li < 0 || !line->HasPoints()) return 0;
    const int i0 = FirstIntervalFrom(s, line->FirstPoint()->X());
    const int i1 = LastIntervalTo(s, line->LastPoint()->X());
    if (i1 < i0) return 0;
    const Sweep::LineCover& top = s.lines[li];
    for (int i = i0; i <= i1; ++i) {
        outline.x.push_back(s.x[i]);
        double tl = floor, tr = floor, bl = floor, br = floor;
        if (top.Covers(i)) {
            tl = top.Left(i);
            tr = top.Right(i);
            const int b = top.Below(i);
            if (b >= 0) {
                const Sweep::LineCover& low = s.lines[b];
                const double level = (low.Left(i) + low.Right(i)) * 0.5;
                if (level > floor) {
                    bl = low.Left(i);
                    br = low.Right(i);
                }
            }
        }
        outline.topLeft.push_back(tl);
        outline.topRight.push_back(tr);
        outline.bottomLeft.push_back(bl);
        outline.bottomRight.push_back(br);
    }
    outline.x.push_back(s.x[i1 + 1]);
    return outline.Count();
}

bool Cpp_ProfileLineList::RegionPolygon(const Cpp_ProfileLine* line, double floor,
                                        std::vector<s_tagTypePointXY>& polygon) const {
    polygon.clear();
    s_RegionOutline o;
    const int n = RegionOutline(line, floor, o);
    if (n < 2) return false;
    auto add = [&](double x, double y) { polygon.push_back({x, y}); };
    auto addUnlessLast = [&](double x, double y) {
        if (polygon.back().x != x || polygon.back().y != y) add(x, y);
    };
    add(o.x[0], o.bottomLeft[0]);
    add(o.x[1], o.bottomRight[0]);
    for (int i = 1; i <= n - 2; ++i) {
        addUnlessLast(o.x[i], o.bottomLeft[i]);
        add(o.x[i + 1], o.bottomRight[i]);
    }
    addUnlessLast(o.x[n - 1], o.topRight[n - 2]);
    add(o.x[n - 2], o.topLeft[n - 2]);
    for (int i = n - 3; i >= 0; --i) {
        addUnlessLast(o.x[i + 1], o.topRight[i]);
        add(o.x[i], o.topLeft[i]);
    }
    addUnlessLast(polygon.front().x, polygon.front().y);
    return true;
}

void Cpp_ProfileLineList::PlaceMaterialLabels(double vxMin, double vxMax, double vyMin,
                                              double vyMax) {
    const double floor = RegionFloor(vyMin);
    const Sweep& sweep = GetSweep();
    for (int li = 0; li < Count(); ++li) {
        Cpp_ProfileLine* line = ProfileLineAt(li);
        s_RegionOutline o;
        const int n = RegionOutlineOn(sweep, line, floor, o);
        if (n == 0) continue;

        // Merge runs of intervals whose top and bottom keep their slopes.
        std::vector<char> keep(n, 1);
        int runStart = 0;
        for (int i = 1; i <= n - 2; ++i) {
            const double w1 = o.x[i] - o.x[i - 1];
            const double w2 = o.x[i + 1] - o.x[i];
            const double s1 = (o.topRight[i - 1] - o.topLeft[i - 1]) / w1;
            const double s2 = (o.topRight[i] - o.topLeft[i]) / w2;
            const double b1 = (o.bottomRight[i - 1] - o.bottomLeft[i - 1]) / w1;
            const double b2 = (o.bottomRight[i] - o.bottomLeft[i]) / w2;
            const double tol = std::max(0.001, 1e-5 * std::max({std::fabs(s1), std::fabs(s2),
                                                                std::fabs(b1), std::fabs(b2)}));
            if (std::fabs(s1 - s2) < tol && std::fabs(b1 - b2) < tol) {
                keep[i] = 0;
                o.topRight[runStart] = o.topRight[i];
                o.bottomRight[runStart] = o.bottomRight[i];
            } else {
                runStart = i;
            }
        }
        struct Interval {
            double xa, xb, ta, tb, ba, bb;
        };
        std::vector<Interval> iv;
        int previous = -1;
        for (int i = 0; i < n; ++i) {
            if (!keep[i]) continue;
            if (previous >= 0)
                iv.push_back({o.x[previous], o.x[i], o.topLeft[previous], o.topRight[previous],
                              o.bottomLeft[previous], o.bottomRight[previous]});
            previous = i;
        }
        if (iv.empty()) {
            line->ClearMaterialLabel();
            continue;
        }

        // The smallest distance from a candidate to the tops and bottoms of all intervals,
        // searched outward from its own interval; gives up once it cannot beat the best.
        auto score = [&](double cx, double cy, int k, double best) {
            double d = HUGE_VAL;
            auto visit = [&](int j) {
                const Interval& v = iv[j];
                d = std::min(d, PointSegmentDistanceCoords(cx, cy, v.xa, v.ta, v.xb, v.tb));
                d = std::min(d, PointSegmentDistanceCoords(cx, cy, v.xa, v.ba, v.xb, v.bb));
            };
            for (int j = k; j >= 0; --j) {
                if (cx - iv[j].xb >= d) break;
                visit(j);
                if (d <= best) return d;
            }
            for (int j = k + 1; j < static_cast<int>(iv.size()); ++j) {
                if (iv[j].xa - cx >= d) break;
                visit(j);
                if (d <= best) return d;
            }
            return d;
        };
        auto visible = [&](double x, double y) {
            return x >= vxMin && x <= vxMax && y >= vyMin && y <= vyMax;
        };
        double best = 0.0;
        bool found = false;
        double bestX = 0.0, bestY = 0.0;
        auto consider = [&](double x, double y, int k) {
            if (!visible(x, y)) return;
            const double d = score(x, y, k, best);
            if (d > best) {
                best = d;
                bestX = x;
                bestY = y;
                found = true;
            }
        };
        for (int k = 0; k < static_cast<int>(iv.size()); ++k) {
            Interval c = iv[k];
            bool leftClipped = false;
            if (vxMin > c.xa && vxMin < c.xb) {
                const double f = (vxMin - c.xa) / (c.xb - c.xa);
                c.ta += f * (c.tb - c.ta);
                c.ba += f * (c.bb - c.ba);
                c.xa = vxMin;
                leftClipped = true;
            }
            if (vxMax > c.xa && vxMax < c.xb) {
                const double f = (vxMax - c.xa) / (c.xb - c.xa);
                c.tb = c.ta + f * (c.tb - c.ta);
                c.bb = c.ba + f * (c.bb - c.ba);
                c.xb = vxMax;
            }
            consider((c.xa + c.xb) * 0.5, ((c.ta + c.tb) * 0.5 + (c.ba + c.bb) * 0.5) * 0.5, k);
            if (!leftClipped) consider(c.xa, (c.ta + c.ba) * 0.5, k);
        }
        if (found)
            line->SetMaterialLabel(bestX, bestY);
        else
            line->ClearMaterialLabel();
    }
}

Cpp_ProfileLine* Cpp_ProfileLineList::FindLineAbovePoint(double x, double y) const {
    Cpp_ProfileLine* result = nullptr;
    double lowest = 0.0;
    for (int i = 0; i < Count(); ++i) {
        Cpp_ProfileLine* line = ProfileLineAt(i);
        bool outside = false;
        const double e = line->YLine(x, VERTICAL_MEAN, outside);
        if (outside || !(e > y)) continue;
        if (!result || e < lowest) {
            result = line;
            lowest = e;
        }
    }
    if (result && result->GetMaterialNumber() < 1) return nullptr;
    return result;
}

int Cpp_ProfileLineList::VerticalIntersections(double x, double y,
                                               std::vector<s_VerticalIntersection>& records) const {
    records.clear();
    for (int i = 0; i < Count(); ++i) {
        const Cpp_ProfileLine* line = ProfileLineAt(i);
        for (const Cpp_PointXY* p = line->FirstPoint(); p && p->Next(); p = p->Next()) {
            const Cpp_PointXY* q = p->Next();
            if (p->X() == q->X() || !(p->X() <= x && x <= q->X())) continue;
            const double slope = (q->Y() - p->Y()) / (q->X() - p->X());
            const double e = p->Y() + slope * (x - p->X());
            if (e >= y) records.push_back({e, slope, line});
            break;
        }
    }
    std::stable_sort(records.begin(), records.end(),
                     [](const auto& a, const auto& b) { return a.elevation > b.elevation; });
    return static_cast<int>(records.size());
}

bool Cpp_ProfileLineList::OverburdenStress(double x, double y, double surface, int stage,
                                           double tolerance, const UnitWeightLookup& unitWeight,
                                           double& stress) const {
    stress = 0.0;
    std::vector<s_VerticalIntersection> r;
    const int n = VerticalIntersections(x, y, r);
    if (n == 0) return false;
    if (surface > tolerance + r[0].elevation) return false;
    auto weight = [&](int k) {
        double w = 0.0;
        if (unitWeight && unitWeight(r[k].line->GetMaterialNumber(), stage, x, w)) return w;
        return 0.0;
    };
    if (surface <= tolerance + r[n - 1].elevation) {
        stress = (surface - y) * weight(n - 1);
        return true;
    }
    int j = 0;
    for (int k = 0; k < n; ++k)
        if (r[k].elevation >= surface) j = k;
    stress += (surface - r[j + 1].elevation) * weight(j);
    for (int k = j + 1; k <= n - 2; ++k)
        stress += (r[k].elevation - r[k + 1].elevation) * weight(k);
    stress += (r[n - 1].elevation - y) * weight(n - 1);
    return true;
}

std::string Cpp_ProfileLineList::MaterialUsage(int materialNumber,
                                               const std::vector<std::pair<int, int>>& pairs,
                                               bool& moreThanTen) {
    moreThanTen = false;
    std::vector<int> lines;
    for (const auto& [line, material] : pairs) {
        if (material != materialNumber) continue;
        if (lines.size() == 10) {
            moreThanTen = true;
            break;
        }
        lines.push_back(line);
    }
    char buffer[64];
    if (lines.empty()) return "Material is not used by current profile lines";
    if (moreThanTen) {
        std::snprintf(buffer, sizeof buffer, "Material used by more than %1d Profile Lines.", 10);
        return buffer;
    }
    if (lines.size() == 1) {
        std::snprintf(buffer, sizeof buffer, "Material used by profile line number %1d.", lines[0]);
        return buffer;
    }
    std::snprintf(buffer, sizeof buffer, "Material used by profile line numbers: %1d", lines[0]);
    std::string text = buffer;
    for (size_t i = 1; i < lines.size(); ++i) {
        std::snprintf(buffer, sizeof buffer, ", %1d", lines[i]);
        text += buffer;
    }
    return text + ".";
}

int Cpp_ProfileLineList::ColourTableIndex(int number) {
    if (number < 1) return kColourTable[0];
    return kColourTable[(number - 1) % 10];
}

int Cpp_ProfileLineList::PatternTableNumber(int number) {
    if (number < 1) return kPatternTable[0];
    return kPatternTable[(number - 1) % 12];
}
