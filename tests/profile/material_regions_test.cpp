#include "profile/profile_line.h"
#include "profile/profile_sweep.h"
#include "profile_fixtures.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace {

using profiletest::AddLine;

// The region outline exactly as the plain algorithm builds it: every interval of the sorted x
// values, every line scanned for its first covering segment.
s_RegionOutline PlainOutline(const Cpp_ProfileLineList& list, const Cpp_ProfileLine* line,
                             double floor) {
    std::vector<double> xs;
    for (int i = 0; i < list.Count(); ++i)
        for (const Cpp_PointXY* p = list.LineAt(i)->FirstPoint(); p; p = p->Next())
            xs.push_back(p->X());
    std::sort(xs.begin(), xs.end());
    xs.erase(std::unique(xs.begin(), xs.end()), xs.end());
    auto at = [](const Cpp_Line* l, double m, double xa, double xb, double& ya, double& yb) {
        for (const Cpp_PointXY* p = l->FirstPoint(); p && p->Next(); p = p->Next()) {
            const Cpp_PointXY* q = p->Next();
            if (p->X() <= m && m <= q->X()) {
                const double s = (q->Y() - p->Y()) / (q->X() - p->X());
                ya = p->Y() + s * (xa - p->X());
                yb = p->Y() + s * (xb - p->X());
                return true;
            }
        }
        return false;
    };
    s_RegionOutline o;
    int i0 = -1, i1 = -1;
    for (size_t i = 0; i + 1 < xs.size(); ++i) {
        const double m = (xs[i] + xs[i + 1]) * 0.5;
        if (i0 < 0 && m >= line->FirstPoint()->X()) i0 = static_cast<int>(i);
        if (m <= line->LastPoint()->X()) i1 = static_cast<int>(i);
    }
    if (i0 < 0 || i1 < i0) return o;
    for (int i = i0; i <= i1; ++i) {
        const double m = (xs[i] + xs[i + 1]) * 0.5;
        double tl = floor, tr = floor;
        at(line, m, xs[i], xs[i + 1], tl, tr);
        const double top = (tl + tr) * 0.5;
        double bl = floor, br = floor, best = floor;
        for (int k = 0; k < list.Count(); ++k) {
            if (list.LineAt(k) == line) continue;
            double a, b;
            if (!at(list.LineAt(k), m, xs[i], xs[i + 1], a, b)) continue;
            const double n = (a + b) * 0.5;
            if (best < n && n < top) {
                bl = a;
                br = b;
                best = n;
            }
        }
        o.x.push_back(xs[i]);
        o.topLeft.push_back(tl);
        o.topRight.push_back(tr);
        o.bottomLeft.push_back(bl);
        o.bottomRight.push_back(br);
    }
    o.x.push_back(xs[i1 + 1]);
    return o;
}

void ExpectSameOutline(const s_RegionOutline& a, const s_RegionOutline& b) {
    ASSERT_EQ(a.x, b.x);
    EXPECT_EQ(a.topLeft, b.topLeft);
    EXPECT_EQ(a.topRight, b.topRight);
    EXPECT_EQ(a.bottomLeft, b.bottomLeft);
    EXPECT_EQ(a.bottomRight, b.bottomRight);
}

TEST(MaterialRegions, OutlinesAgreeWithThePlainAlgorithm) {
    for (unsigned seed : {1u, 2u, 3u}) {
        for (bool cross : {false, true}) {
            Cpp_ProfileLineList list;
            profiletest::RandomProfile(list, 6, 12, seed, cross);
            // A short line inside the others and one that crosses them all.
            AddLine(list, 20, 2, {{200, 95}, {400, 20}, {600, 70}});
            for (int i = 0; i < list.Count(); ++i) {
                SCOPED_TRACE(testing::Message() << "seed " << seed << " line " << i);
                s_RegionOutline fast;
                list.RegionOutline(list.ProfileLineAt(i), -50.0, fast);
                ExpectSameOutline(fast, PlainOutline(list, list.ProfileLineAt(i), -50.0));
            }
        }
    }
}

TEST(MaterialRegions, SingleLineRunsDownToTheFloorAndPolygonCloses) {
    Cpp_ProfileLineList list;
    Cpp_ProfileLine* line = AddLine(list, 1, 1, {{0, 10}, {10, 12}, {20, 10}});
    EXPECT_EQ(list.RegionFloor(5.0), 5.0);
    EXPECT_EQ(list.RegionFloor(20.0), 10.0);
    s_RegionOutline o;
    ASSERT_EQ(list.RegionOutline(line, 0.0, o), 3);
    EXPECT_EQ(o.bottomLeft, (std::vector<double>{0, 0}));
    std::vector<s_tagTypePointXY> polygon;
    ASSERT_TRUE(list.RegionPolygon(line, 0.0, polygon));
    std::vector<std::pair<double, double>> points;
    for (auto p : polygon) points.emplace_back(p.x, p.y);
    EXPECT_EQ(points, (std::vector<std::pair<double, double>>{
                          {0, 0}, {10, 0}, {20, 0}, {20, 10}, {10, 12}, {0, 10}, {0, 0}}));
}

TEST(MaterialRegions, CrossingLinesBoundEachOtherOnlyWhereStrictlyBelow) {
    Cpp_ProfileLineList list;
    Cpp_ProfileLine* a = AddLine(list, 1, 1, {{0, 10}, {10, 0}});
    AddLine(list, 2, 2, {{0, 0}, {10, 10}});
    s_RegionOutline o;
    ASSERT_EQ(list.RegionOutline(a, -5.0, o), 2);  // one interval: midpoints equal, no bottom
    EXPECT_EQ(o.bottomLeft[0], -5.0);
    AddLine(list, 3, 3, {{0, 5}, {5, 5}, {10, 5}});
    ASSERT_EQ(list.RegionOutline(a, -5.0, o), 3);
    EXPECT_EQ(o.bottomLeft[0], 5.0);   // left half: line 3 is the highest one below
    EXPECT_EQ(o.bottomLeft[1], -5.0);  // right half: nothing lies below line 1
}

TEST(MaterialRegions, CachedSweepFollowsChangesOfTheLines) {
    Cpp_ProfileLineList list;
    Cpp_ProfileLine* top = AddLine(list, 1, 1, {{0, 10}, {10, 10}});
    Cpp_ProfileLine* low = AddLine(list, 2, 2, {{0, 5}, {10, 5}});
    s_RegionOutline o;
    list.RegionOutline(top, 0.0, o);
    EXPECT_EQ(o.bottomLeft[0], 5.0);
    low->FirstPoint()->SetY(4.0);
    list.RegionOutline(top, 0.0, o);
    EXPECT_EQ(o.bottomLeft[0], 4.0);
    low->AddPoint(20, 4);
    top->AddPoint(20, 10);
    EXPECT_EQ(list.RegionOutline(top, 0.0, o), 3);
}

// Regression: levels that overflow to NaN never compared equal, and the sweep looped for ever.
TEST(MaterialRegions, TheSweepEndsOnCoordinatesWhoseArithmeticOverflows) {
    Cpp_ProfileLineList list;
    Cpp_ProfileLine* top = AddLine(list, 1, 1, {{0, 1e308}, {1e308, -1e308}});
    AddLine(list, 2, 2, {{-1e308, 5}, {10, 5}});
    AddLine(list, 3, 3, {{0, 2}, {10, 2}});
    s_RegionOutline o;
    list.RegionOutline(top, 0.0, o);
    EXPECT_FALSE(list.GetSweep().x.empty());
}

TEST(MaterialRegions, LineAbovePointAndVerticalIntersections) {
    Cpp_ProfileLineList list;
    AddLine(list, 1, 1, {{0, 10}, {10, 10}});
    AddLine(list, 2, 0, {{0, 5}, {10, 5}});
    AddLine(list, 3, 3, {{0, 2}, {10, 2}});
    EXPECT_EQ(list.FindLineAbovePoint(5, 6)->GetNumber(), 1);
    EXPECT_EQ(list.FindLineAbovePoint(5, 3), nullptr);         // material 0 defines nothing
    EXPECT_EQ(list.FindLineAbovePoint(5, 5)->GetNumber(), 1);  // on a line: the next one up
    EXPECT_EQ(list.FindLineAbovePoint(5, 10), nullptr);
    EXPECT_EQ(list.FindLineAbovePoint(15, 0), nullptr);
    std::vector<s_VerticalIntersection> records;
    ASSERT_EQ(list.VerticalIntersections(5, 3, records), 2);
    EXPECT_EQ(records[0].elevation, 10.0);
    EXPECT_EQ(records[1].line->GetNumber(), 2);
}

TEST(MaterialRegions, OverburdenSumsTheLayersAboveThePoint) {
    Cpp_ProfileLineList list;
    AddLine(list, 1, 1, {{0, 10}, {10, 10}});
    AddLine(list, 2, 2, {{0, 6}, {10, 6}});
    AddLine(list, 3, 7, {{0, 2}, {10, 2}});  // material 7 has no unit weight
    const UnitWeightLookup weights = [](int material, int, double, double& w) {
        if (material == 7) return false;
        w = material == 1 ? 100.0 : 120.0;
        return true;
    };
    double stress = 0;
    ASSERT_TRUE(list.OverburdenStress(5, 8, 10, 1, 1e-8, weights, stress));
    EXPECT_DOUBLE_EQ(stress, 200.0);  // top layer: (S - y) * 100
    ASSERT_TRUE(list.OverburdenStress(5, 4, 10, 1, 1e-8, weights, stress));
    EXPECT_DOUBLE_EQ(stress, 4 * 100.0 + 2 * 120.0);
    ASSERT_TRUE(list.OverburdenStress(5, 4, 9, 1, 1e-8, weights, stress));  // surface inside
    EXPECT_DOUBLE_EQ(stress, 3 * 100.0 + 2 * 120.0);
    ASSERT_TRUE(list.OverburdenStress(5, 0, 10, 1, 1e-8, weights, stress));
    EXPECT_DOUBLE_EQ(stress, 4 * 100.0 + 4 * 120.0);  // the layer without weight adds nothing
    EXPECT_FALSE(list.OverburdenStress(5, 4, 11, 1, 1e-8, weights, stress));  // above all lines
    EXPECT_FALSE(list.OverburdenStress(50, 4, 10, 1, 1e-8, weights, stress));
}

TEST(MaterialRegions, UsageTextsAndTables) {
    bool more = false;
    EXPECT_EQ(Cpp_ProfileLineList::MaterialUsage(3, {}, more),
              "Material is not used by current profile lines");
    EXPECT_EQ(Cpp_ProfileLineList::MaterialUsage(3, {{4, 3}, {5, 2}}, more),
              "Material used by profile line number 4.");
    EXPECT_EQ(Cpp_ProfileLineList::MaterialUsage(3, {{4, 3}, {5, 3}, {9, 3}}, more),
              "Material used by profile line numbers: 4, 5, 9.");
    std::vector<std::pair<int, int>> eleven;
    for (int i = 1; i <= 11; ++i) eleven.emplace_back(i, 3);
    EXPECT_EQ(Cpp_ProfileLineList::MaterialUsage(3, eleven, more),
              "Material used by more than 10 Profile Lines.");
    EXPECT_TRUE(more);
    EXPECT_EQ(Cpp_ProfileLineList::ColourTableIndex(11), Cpp_ProfileLineList::ColourTableIndex(1));
    EXPECT_EQ(Cpp_ProfileLineList::ColourTableIndex(1), 40);
    EXPECT_EQ(Cpp_ProfileLineList::PatternTableNumber(13),
              Cpp_ProfileLineList::PatternTableNumber(1));
    EXPECT_EQ(Cpp_ProfileLineList::PatternTableNumber(12), 33);
}

TEST(MaterialRegions, LabelsArePlacedInsideTheVisibleRegionAndClearedOutOfView) {
    Cpp_ProfileLineList list;
    Cpp_ProfileLine* top = AddLine(list, 1, 1, {{0, 10}, {100, 10}});
    Cpp_ProfileLine* low = AddLine(list, 2, 2, {{0, 0}, {100, 0}});
    list.PlaceMaterialLabels(-10, 110, -20, 20);
    ASSERT_TRUE(top->IsMaterialLabelPlaced());
    EXPECT_DOUBLE_EQ(top->MaterialLabelX(), 50.0);
    EXPECT_DOUBLE_EQ(top->MaterialLabelY(), 5.0);
    ASSERT_TRUE(low->IsMaterialLabelPlaced());
    EXPECT_DOUBLE_EQ(low->MaterialLabelY(), -10.0);  // halfway to the visible floor
    // Only the right part visible: the label moves into it.
    list.PlaceMaterialLabels(80, 110, -20, 20);
    EXPECT_DOUBLE_EQ(top->MaterialLabelX(), 90.0);
    list.PlaceMaterialLabels(200, 300, -20, 20);
    EXPECT_FALSE(top->IsMaterialLabelPlaced());
}

}  // namespace
