#include "core/geometry.h"
#include "core/text_exception.h"
#include "graphics/line.h"
#include "graphics/line_list.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <utility>
#include <vector>

namespace {

void Fill(Cpp_Line& line, std::initializer_list<std::pair<double, double>> points) {
    for (auto [x, y] : points) line.AddPoint(x, y);
}

std::vector<std::pair<double, double>> PointsOf(const Cpp_Line& line) {
    std::vector<std::pair<double, double>> out;
    for (const Cpp_PointXY* p = line.FirstPoint(); p; p = p->Next())
        out.emplace_back(p->X(), p->Y());
    return out;
}

TEST(ListItem, DescriptionKeepsLeadingAndDropsTrailingSpaces) {
    Cpp_ListItem item;
    EXPECT_FALSE(item.HasDescription());
    item.SetDescription("  clay   ");
    EXPECT_EQ(item.Description(), "  clay");
    item.SetDescription("   ");
    EXPECT_TRUE(item.HasDescription());
    EXPECT_EQ(item.Description(), "");
    item.SetDescription("sand\t");
    EXPECT_EQ(item.Description(), "sand\t");
    item.SetDescription("");
    EXPECT_FALSE(item.HasDescription());
    item.SetDescription("silt");
    std::string prefix;
    EXPECT_TRUE(item.DescriptionPrefix(prefix, 2));
    EXPECT_EQ(prefix, "si");
    item.SetDescription("  ");
    EXPECT_FALSE(item.DescriptionPrefix(prefix, 2));
}

TEST(Line, YLineTableWithVerticalRules) {
    Cpp_Line line;
    Fill(line, {{0, 0}, {5, 2}, {5, 8}, {10, 10}});
    struct Case {
        double x;
        int rule;
        double y;
        bool outside;
    };
    for (const Case& c : std::vector<Case>{{5, 1, 2, false},
                                           {5, 2, 5, false},
                                           {5, 3, 8, false},
                                           {4, 4, 1.6, false},
                                           {10, 1, 10, false},
                                           {12, 1, 0, true},
                                           {-1, 1, 0, true}}) {
        bool outside = false;
        EXPECT_DOUBLE_EQ(line.YLine(c.x, c.rule, outside), c.y) << c.x << " rule " << c.rule;
        EXPECT_EQ(outside, c.outside) << c.x;
    }
    bool outside = false;
    EXPECT_THROW(line.YLine(5, 4, outside), Cpp_TextException);
    try {
        line.YLine(5, 9, outside);
        FAIL();
    } catch (const Cpp_TextException& e) {
        EXPECT_EQ(e.Text(), "Cpp_Line::YLine - ReturnWhenVertical not defined");
    }
    Cpp_Line leftward;
    Fill(leftward, {{10, 0}, {0, 10}});
    leftward.YLine(5, 1, outside);
    EXPECT_TRUE(outside);
}

TEST(Line, XValuesAtYListsSharedCrossingsOnce) {
    Cpp_Line line;
    Fill(line, {{0, 0}, {5, 5}, {10, 0}});
    std::vector<double> xs, angles;
    ASSERT_EQ(line.XValuesAtY(5, xs, angles), 1);
    EXPECT_DOUBLE_EQ(xs[0], 5.0);
    ASSERT_EQ(line.XValuesAtY(0, xs, angles), 2);
    EXPECT_DOUBLE_EQ(xs[0], 0.0);
    EXPECT_DOUBLE_EQ(xs[1], 10.0);
    EXPECT_NEAR(angles[0], GetPi() / 4, 1e-12);
}

TEST(Line, InsertSortedReverseAndRemove) {
    Cpp_Line line;
    Fill(line, {{0, 0}, {5, 0}, {10, 0}});
    line.InsertPointSortedByX(5, 1);
    line.InsertPointSortedByX(-1, 2);
    line.InsertPointSortedByX(20, 3);
    EXPECT_EQ(PointsOf(line), (std::vector<std::pair<double, double>>{
                                  {-1, 2}, {0, 0}, {5, 0}, {5, 1}, {10, 0}, {20, 3}}));
    line.NumberPoints();
    line.ReversePoints();
    EXPECT_EQ(line.FirstPoint()->X(), 20.0);
    EXPECT_EQ(line.FirstPoint()->Number(), 6);
    EXPECT_EQ(line.PreviousPoint(line.FirstPoint()), nullptr);
    Cpp_PointXY stranger;
    EXPECT_THROW(line.PreviousPoint(&stranger), Cpp_Line::Exc_PreviousPointNotFound);

    line.SetDescription("x");
    EXPECT_THROW(line.DeleteAllPoints(), Cpp_TextException);
    EXPECT_EQ(line.NumberOfPoints(), 6);
    line.DeleteDescriptionAndPoints();
    EXPECT_FALSE(line.HasPoints());
}

TEST(Line, CopyIsDeep) {
    Cpp_Line line;
    line.SetNumber(3);
    line.SetDescription("top");
    Fill(line, {{0, 0}, {1, 1}});
    Cpp_Line copy(line);
    copy.FirstPoint()->SetX(7);
    EXPECT_EQ(line.FirstPoint()->X(), 0.0);
    EXPECT_EQ(copy.GetNumber(), 3);
    EXPECT_EQ(copy.Description(), "top");
    EXPECT_EQ(copy.NumberOfPoints(), 2);
}

TEST(Line, GeometryQueries) {
    Cpp_Line line;
    double a, b, c, d;
    EXPECT_FALSE(line.GetExtents(a, b, c, d));
    EXPECT_EQ(line.Length(), 0.0);
    Fill(line, {{0, 0}, {3, 4}, {3, 10}});
    EXPECT_DOUBLE_EQ(line.Length(), 11.0);
    ASSERT_TRUE(line.GetExtents(a, b, c, d));
    EXPECT_EQ(a, 0.0);
    EXPECT_EQ(b, 3.0);
    EXPECT_EQ(c, 0.0);
    EXPECT_EQ(d, 10.0);

    Cpp_Line other;
    Fill(other, {{0, 2}, {10, 2}, {10, 0}});
    std::vector<s_tagTypePointXY> crossings;
    ASSERT_EQ(line.IntersectionsWithLine(other, crossings, 1e-9), 1);
    EXPECT_DOUBLE_EQ(crossings[0].x, 1.5);

    double distance = 0;
    Cpp_PointXY point;
    ASSERT_TRUE(line.SnapHorizontally(0, 2, nullptr, distance, point));
    EXPECT_DOUBLE_EQ(point.X(), 1.5);
    EXPECT_DOUBLE_EQ(distance, 1.5);
    ASSERT_TRUE(line.SnapVertically(1.5, 0, nullptr, distance, point));
    EXPECT_DOUBLE_EQ(point.Y(), 2.0);
    EXPECT_FALSE(line.SnapVertically(5, 0, nullptr, distance, point));
    EXPECT_EQ(distance, 0.0);

    line.SetOption(3, true);
    EXPECT_TRUE(line.PointsReversed());
    EXPECT_FALSE(line.SetOption(5, true));
}

TEST(Line, HitTestsPreferNearerSegmentsAndIgnoreTheToleranceBorder) {
    Cpp_Line a, b;
    Fill(a, {{0, 0}, {10, 0}});
    Fill(b, {{10, 0}, {10, 10}});
    // The shared point resolves to the line whose segment passes nearer the pick.
    s_PickType pick{10.2, 1.0, 1.5};
    EXPECT_NE(a.FindNearestPoint(pick), nullptr);
    Cpp_PointXY* p = b.FindNearestPoint(pick);
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(p, b.FirstPoint());

    s_PickType exact{5, 1, 1};
    EXPECT_EQ(a.FindNearestSegment(exact), nullptr);  // distance equals the tolerance
    exact.tolerance = 1.0001;
    EXPECT_EQ(a.FindNearestSegment(exact), a.FirstPoint());
    EXPECT_EQ(exact.segmentNumber, 1);
    s_PickType far{5, 50, 1};
    EXPECT_EQ(a.FindNearestSegmentOnly(far), a.FirstPoint());
}

TEST(LineList, NumberingLookupAndRemoval) {
    Cpp_LineList list(2);
    EXPECT_EQ(list.FirstUnusedNumber(), 1);
    EXPECT_EQ(list.SmallestNumber(), 0);
    EXPECT_EQ(list.LongestLine(), 0.0);
    for (int n : {2, 3}) list.NewLine()->SetNumber(n);
    EXPECT_EQ(list.FirstUnusedNumber(), 1);
    list.LineAt(0)->SetNumber(1);
    list.NewLine()->SetNumber(4);
    list.LineAt(1)->SetNumber(2);
    EXPECT_EQ(list.FirstUnusedNumber(), 3);
    EXPECT_FALSE(list.SetLineNumber(list.LineAt(2), 2));
    EXPECT_EQ(list.LineAt(2)->GetNumber(), 4);
    EXPECT_TRUE(list.SetLineNumber(list.LineAt(2), 3));

    Cpp_Line* dup = list.NewLine();
    dup->SetNumber(1);
    EXPECT_EQ(list.FindLine(1), list.LineAt(0));
    EXPECT_TRUE(list.RemoveLineByNumber(1));
    EXPECT_EQ(list.FindLine(1), dup);
    EXPECT_FALSE(list.RemoveLineByNumber(9));
}

TEST(LineList, DeletingPointsAndSegmentsRemovesShortLines) {
    Cpp_LineList list;
    Cpp_Line* two = list.NewLine();
    Fill(*two, {{0, 0}, {1, 0}});
    EXPECT_TRUE(list.DeletePoint(two, two->FirstPoint()));
    EXPECT_EQ(two->NumberOfPoints(), 1);
    EXPECT_TRUE(list.DeletePoint(two, two->FirstPoint()));
    EXPECT_EQ(list.Count(), 0);

    Cpp_Line* four = list.NewLine();
    Fill(*four, {{0, 0}, {1, 0}, {2, 0}, {3, 0}});
    EXPECT_TRUE(list.DeleteSegment(four, four->FirstPoint()->Next()));
    EXPECT_EQ(PointsOf(*four), (std::vector<std::pair<double, double>>{{0, 0}, {3, 0}}));
    Cpp_Line* three = list.NewLine();
    Fill(*three, {{0, 0}, {1, 0}, {2, 0}});
    EXPECT_TRUE(list.DeleteSegment(three, three->FirstPoint()));
    EXPECT_EQ(list.Count(), 1);
    Cpp_Line stranger;
    EXPECT_FALSE(list.DeletePoint(&stranger, nullptr));
}

TEST(LineList, NearestPointAndLabelAcrossLines) {
    Cpp_LineList list;
    Cpp_Line* a = list.NewLine();
    Fill(*a, {{0, 0}, {10, 0}});
    Cpp_Line* b = list.NewLine();
    Fill(*b, {{9, 0.5}, {20, 0.5}});
    s_PickType pick{9.2, 0.4, 2};
    Cpp_Line* line = nullptr;
    Cpp_PointXY* p = list.FindNearestLinePoint(pick, line);
    EXPECT_EQ(line, b);
    EXPECT_EQ(p, b->FirstPoint());

    a->SetLabelAnchor(5, 5);
    b->SetLabelAnchor(5, 5);
    s_PickType labelPick{5.1, 5.1, 1};
    EXPECT_EQ(list.FindNearestLabel(labelPick), b);  // the later line wins a tie
}

}  // namespace
