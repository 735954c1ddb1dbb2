// Spacing selected points evenly, checked against the rule written out plainly: the list sorted
// by a stable sort (of equal keys the item met first stays first), the anchor of the along-line
// order found by trying every pair, every position computed from the positions read before
// anything moved. Many small random selections with ties, repeated points and repeated records.

#include "editing/selection_list.h"
#include "model/data_set.h"
#include "profile/profile_line.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numeric>
#include <random>
#include <vector>

namespace {

// Two profile lines with the same points: the spacing runs on the first, the plain rule is
// applied by hand to the second.
struct s_Twins {
    Cpp_Kliven4DataSet ds{1};
    std::vector<Cpp_ProfileLine*> spaced, expected;

    explicit s_Twins(const std::vector<std::vector<s_tagTypePointXY>>& lines) {
        int number = 1;
        for (const auto& points : lines) {
            for (auto* list : {&spaced, &expected}) {
                Cpp_ProfileLine* line = ds.ProfileLines().CreateLine(number++, 1, "");
                for (const auto& p : points) line->AddPoint(p.x, p.y);
                list->push_back(line);
            }
        }
    }
};

struct s_Pick {
    size_t line;
    int point;  // from 0
};

Cpp_PointXY* NthPoint(const Cpp_Line* line, int n) {
    Cpp_PointXY* p = line->FirstPoint();
    while (p && n-- > 0) p = p->Next();
    return p;
}

int IndexOf(const Cpp_Line* line, const void* point) {
    int n = 0;
    for (const Cpp_PointXY* p = line->FirstPoint(); p; p = p->Next(), ++n)
        if (p == point) return n;
    return -1;
}

// The plain rule on the twin lines: the picks in their new order and the moves made.
std::vector<s_Pick> SpaceByTheRule(const s_Twins& twins, std::vector<s_Pick> picks, int mode,
                                   std::vector<double>& values) {
    const size_t n = picks.size();
    std::vector<s_tagTypePointXY> at(n);
    for (size_t i = 0; i < n; ++i)
        at[i] = NthPoint(twins.expected[picks[i].line], picks[i].point)->XY();
    std::vector<double> key(n);
    values.assign(n, 0.0);
    if (mode == 1) {
        auto distance = [&](size_t a, size_t b) {
            return std::hypot(at[b].x - at[a].x, at[b].y - at[a].y);
        };
        double largest = distance(0, 1);
        size_t anchor = 0;
        for (size_t i = 0; i < n; ++i)
            for (size_t j = i + 1; j < n; ++j)
                if (distance(i, j) > largest) largest = distance(i, j), anchor = i;
        for (size_t i = 0; i < n; ++i)
            values[i] = key[i] = largest > 0 ? distance(anchor, i) / largest : 0.0;
    } else {
        for (size_t i = 0; i < n; ++i) key[i] = mode == 2 ? at[i].x : at[i].y;
    }
    std::vector<size_t> order(n);
    std::iota(order.begin(), order.end(), size_t{0});
    std::stable_sort(order.begin(), order.end(),
                     [&](size_t a, size_t b) { return key[a] < key[b]; });

    const s_tagTypePointXY first = at[order.front()], last = at[order.back()];
    const double dx = (last.x - first.x) / static_cast<double>(n - 1);
    const double dy = (last.y - first.y) / static_cast<double>(n - 1);
    s_tagTypePointXY to = first;
    for (size_t i = 1; i + 1 < n; ++i) {
        const s_tagTypePointXY own = at[order[i]];
        to.x += dx;
        to.y += dy;
        const s_tagTypePointXY place = mode == 1   ? to
                                       : mode == 2 ? s_tagTypePointXY{to.x, own.y}
                                                   : s_tagTypePointXY{own.x, to.y};
        NthPoint(twins.expected[picks[order[i]].line], picks[order[i]].point)
            ->Set(place.x, place.y);
    }
    std::vector<s_Pick> sorted;
    std::vector<double> sortedValues;
    for (size_t i : order) sorted.push_back(picks[i]), sortedValues.push_back(values[i]);
    values = sortedValues;
    return sorted;
}

// Spaces the picks both ways and compares the list order, the values handed between the steps
// and every point of every line, exactly.
void ExpectTheRule(const std::vector<std::vector<s_tagTypePointXY>>& lines,
                   const std::vector<s_Pick>& picks, int mode, const std::string& what) {
    SCOPED_TRACE(what + ", mode " + std::to_string(mode));
    s_Twins twins(lines);
    Cpp_SelectionList list;
    for (const s_Pick& p : picks)
        list.Add(&twins.ds, 0, SEL_PROFILE_POINT, twins.spaced[p.line],
                 NthPoint(twins.spaced[p.line], p.point));
    std::vector<double> values;
    const std::vector<s_Pick> order = SpaceByTheRule(twins, picks, mode, values);
    ASSERT_TRUE(list.SpacePointsEvenly(mode));

    ASSERT_EQ(list.Count(), static_cast<int>(order.size()));
    for (int n = 1; const Cpp_Selection* s = list.GetNth(n); ++n) {
        const s_Pick& want = order[static_cast<size_t>(n - 1)];
        EXPECT_EQ(s->GetItemReferences().ref1, twins.spaced[want.line]) << "item " << n;
        EXPECT_EQ(IndexOf(twins.spaced[want.line], s->GetItemReferences().ref2), want.point)
            << "item " << n;
        if (mode == 1) {
            EXPECT_EQ(s->GetValue(), values[static_cast<size_t>(n - 1)]) << "item " << n;
        }
    }
    for (size_t l = 0; l < lines.size(); ++l)
        for (int k = 0; k < static_cast<int>(lines[l].size()); ++k) {
            const s_tagTypePointXY got = NthPoint(twins.spaced[l], k)->XY();
            const s_tagTypePointXY want = NthPoint(twins.expected[l], k)->XY();
            EXPECT_EQ(got.x, want.x) << "line " << l << " point " << k;
            EXPECT_EQ(got.y, want.y) << "line " << l << " point " << k;
        }
}

std::vector<s_tagTypePointXY> Points(std::initializer_list<s_tagTypePointXY> points) {
    return points;
}

std::vector<s_Pick> AllInOrder(const std::vector<std::vector<s_tagTypePointXY>>& lines) {
    std::vector<s_Pick> picks;
    for (size_t l = 0; l < lines.size(); ++l)
        for (int k = 0; k < static_cast<int>(lines[l].size()); ++k) picks.push_back({l, k});
    return picks;
}

}  // namespace

// Shapes where the ties decide: the twelve lattice points of a circle of radius 5 (six pairs
// at the largest distance), points on one line (a hull of two corners), every point the same
// (largest distance 0), a square with its centre, and equal keys on each axis.
TEST(SpacingTest, TiesFollowTheRuleOnShapesWithManyEqualDistances) {
    struct s_Case {
        const char* name;
        std::vector<s_tagTypePointXY> points;
    };
    const s_Case cases[] = {
        {"circle", Points({{3, 4},
                           {5, 0},
                           {-4, 3},
                           {0, 5},
                           {-3, -4},
                           {4, -3},
                           {-5, 0},
                           {0, -5},
                           {4, 3},
                           {-3, 4},
                           {-4, -3},
                           {3, -4}})},
        {"collinear", Points({{2, 2}, {0, 0}, {4, 4}, {1, 1}, {4, 4}, {3, 3}})},
        {"one place", Points({{1, 2}, {1, 2}, {1, 2}, {1, 2}})},
        {"square", Points({{0, 0}, {2, 2}, {1, 1}, {0, 2}, {2, 0}})},
        {"equal keys", Points({{1, 5}, {1, 3}, {0, 3}, {2, 5}, {1, 4}, {0, 5}})},
    };
    for (const s_Case& c : cases)
        for (int mode : {1, 2, 3}) ExpectTheRule({c.points}, AllInOrder({c.points}), mode, c.name);
}

// Random selections on a small lattice (so keys and distances tie often), over two lines, in a
// shuffled order, some points picked twice.
TEST(SpacingTest, RandomSelectionsFollowTheRule) {
    std::mt19937 random(7);
    for (int trial = 0; trial < 300; ++trial) {
        std::uniform_int_distribution<int> size(2, 20), coordinate(-4, 4);
        std::vector<std::vector<s_tagTypePointXY>> lines(2);
        for (auto& line : lines)
            for (int k = size(random); k > 0; --k)
                line.push_back({coordinate(random) * 0.5, coordinate(random) * 0.25});
        std::vector<s_Pick> picks = AllInOrder(lines);
        if (trial % 3 != 0) std::shuffle(picks.begin(), picks.end(), random);
        if (trial % 4 == 0) picks.push_back(picks[picks.size() / 2]);
        for (int mode : {1, 2, 3})
            ExpectTheRule(lines, picks, mode, "trial " + std::to_string(trial));
    }
}

// A record whose point has left its line stops the spacing before anything moves.
TEST(SpacingTest, ARecordOfARemovedPointMovesNothing) {
    Cpp_Kliven4DataSet ds(1);
    Cpp_ProfileLine* line = ds.ProfileLines().CreateLine(1, 1, "");
    for (double x : {0.0, 1.0, 7.0, 10.0, 12.0}) line->AddPoint(x, 0);
    Cpp_SelectionList list;
    for (Cpp_PointXY* p = line->FirstPoint(); p; p = p->Next())
        list.Add(&ds, 0, SEL_PROFILE_POINT, line, p);
    ASSERT_TRUE(line->RemovePoint(NthPoint(line, 4)));
    EXPECT_FALSE(list.SpacePointsEvenly(2));
    std::vector<double> xs;
    for (const Cpp_PointXY* p = line->FirstPoint(); p; p = p->Next()) xs.push_back(p->X());
    EXPECT_EQ(xs, (std::vector<double>{0, 1, 7, 10}));
}
