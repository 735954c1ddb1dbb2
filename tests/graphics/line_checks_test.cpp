#include "core/data_error_output.h"
#include "core/geometry.h"
#include "graphics/line.h"
#include "graphics/line_list.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <initializer_list>
#include <random>
#include <string>

namespace {

// The listing is also the error file while the action runs.
std::string Capture(const std::function<void(std::FILE*)>& action) {
    return testsupport::CaptureListing([&action](std::FILE* file) {
        Cpp_DataErrorOutput::SetErrorFile(file);
        action(file);
    });
}

int Count(const std::string& text, const std::string& what) {
    int n = 0;
    for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
    return n;
}

Cpp_Line* Add(Cpp_LineList& list, int number,
              std::initializer_list<std::pair<double, double>> points) {
    Cpp_Line* line = list.NewLine();
    line->SetNumber(number);
    for (auto [x, y] : points) line->AddPoint(x, y);
    return line;
}

TEST(LineChecks, DuplicatePointsAreDeletedWithTheirPositionNumbers) {
    Cpp_LineList list(LINEKIND_PROFILE);
    Cpp_Line* line = Add(list, 4, {{0, 0}, {0, 0}, {0, 0}, {1, 1}});
    const std::string text =
        Capture([&](std::FILE* f) { EXPECT_TRUE(list.CheckDuplicatePoints(true, f)); });
    EXPECT_EQ(line->NumberOfPoints(), 2);
    EXPECT_TRUE(line->DuplicatePointsDeleted());
    EXPECT_EQ(Count(text, "KLIVEN WARNING NUMBER 2200"), 2);
    EXPECT_NE(text.find("Second point number: 2;"), std::string::npos);
    EXPECT_NE(text.find("Second point number: 3;"), std::string::npos);

    Cpp_LineList keep(LINEKIND_PIEZOMETRIC);
    Cpp_Line* kept = Add(keep, 1, {{0, 0}, {0, 0}, {1, 1}});
    const std::string reported =
        Capture([&](std::FILE* f) { EXPECT_FALSE(keep.CheckDuplicatePoints(false, f)); });
    EXPECT_EQ(kept->NumberOfPoints(), 3);
    EXPECT_EQ(Count(reported, "KLIVEN ERROR NUMBER 4560"), 1);
}

TEST(LineChecks, PointOrderReversesOnlyLinesRunningWhollyLeftward) {
    Cpp_LineList list(LINEKIND_PROFILE);
    Cpp_Line* leftward = Add(list, 7, {{10, 0}, {5, 1}, {0, 2}});
    std::string text = Capture([&](std::FILE* f) { EXPECT_TRUE(list.CheckPointOrder(true, f)); });
    EXPECT_EQ(leftward->FirstPoint()->X(), 0.0);
    EXPECT_TRUE(leftward->PointsReversed());
    EXPECT_NE(text.find("KLIVEN WARNING NUMBER 2280"), std::string::npos);

    Cpp_LineList mixed(LINEKIND_PROFILE);
    Add(mixed, 1, {{0, 0}, {10, 0}, {5, 0}});
    text = Capture([&](std::FILE* f) { EXPECT_FALSE(mixed.CheckPointOrder(true, f)); });
    EXPECT_NE(text.find("KLIVEN ERROR NUMBER 2270"), std::string::npos);
    EXPECT_NE(text.find("Point: 3, X: 5.00"), std::string::npos);

    text = Capture([&](std::FILE* f) { EXPECT_TRUE(mixed.CheckPointOrder(false, f)); });
    EXPECT_NE(text.find("KLIVEN ERROR NUMBER 2260"), std::string::npos);
}

TEST(LineChecks, EnoughPointsAndOrderStopsAtAShortLine) {
    Cpp_LineList list(LINEKIND_PROFILE);
    Add(list, 1, {{0, 0}, {5, 0}, {4, 0}});
    Add(list, 2, {{0, 0}});
    Add(list, 3, {});
    std::string text =
        Capture([&](std::FILE* f) { EXPECT_FALSE(list.CheckEnoughPointsAndOrder(f)); });
    EXPECT_NE(text.find("KLIVEN ERROR NUMBER 2260"), std::string::npos);
    EXPECT_NE(text.find("KLIVEN ERROR NUMBER 2250"), std::string::npos);
    EXPECT_EQ(text.find("2230"), std::string::npos);
    text = Capture([&](std::FILE* f) { EXPECT_FALSE(list.CheckEnoughPoints(f)); });
    EXPECT_NE(text.find("KLIVEN ERROR NUMBER 2230"), std::string::npos);
}

TEST(LineChecks, SegmentsThatTouchAtEndsDoNotIntersectButOverlapsCoincide) {
    Cpp_LineList list(LINEKIND_PROFILE);
    Add(list, 1, {{0, 0}, {10, 0}, {20, 5}});
    Add(list, 2, {{10, 0}, {10, -5}});   // touches line 1 at a vertex
    Add(list, 3, {{5, 0}, {15, 0}});     // overlaps line 1's first segment
    Add(list, 4, {{12, -5}, {12, 10}});  // crosses line 1 and line 3
    std::string text = Capture(
        [&](std::FILE* f) { EXPECT_FALSE(list.CheckIntersectingSegments(1e-8, false, true, f)); });
    EXPECT_EQ(Count(text, "KLIVEN ERROR NUMBER 2310"), 2);  // line 4 with lines 1 and 3
    text = Capture(
        [&](std::FILE* f) { EXPECT_FALSE(list.CheckCoincidentSegments(1e-8, false, true, f)); });
    EXPECT_EQ(Count(text, "KLIVEN ERROR NUMBER 2300"), 1);
    ASSERT_FALSE(list.CheckMarks().empty());
    EXPECT_EQ(list.CheckMarks().back().kind, 2);
    EXPECT_EQ(list.CheckMarks().back().x1, 5.0);
    EXPECT_EQ(list.CheckMarks().back().x2, 10.0);

    Cpp_LineList reinforcement(LINEKIND_REINFORCEMENT);
    Add(reinforcement, 1, {{0, 0}, {10, 0}});
    Add(reinforcement, 2, {{5, 0}, {15, 0}});
    text =
        Capture([&](std::FILE* f) { reinforcement.CheckCoincidentSegments(1e-8, true, false, f); });
    EXPECT_NE(text.find("KLIVEN NOTICE NUMBER 5920"), std::string::npos);
    EXPECT_NE(text.find("Notice Only - not fatal"), std::string::npos);
}

// The pruned pair search reports exactly what comparing every pair of segments reports, in the
// same order.
TEST(LineChecks, PrunedSegmentPairsMatchEveryPairInOrder) {
    std::mt19937 random(7);
    std::uniform_real_distribution<double> coordinate(0.0, 100.0);
    Cpp_LineList list(LINEKIND_PROFILE);
    for (int l = 0; l < 6; ++l) {
        Cpp_Line* line = list.NewLine();
        line->SetNumber(l + 1);
        for (int k = 0; k < 12; ++k) line->AddPoint(coordinate(random), coordinate(random));
    }
    Cpp_Line* copy = list.NewLine();  // shares stretches with line 1
    copy->SetNumber(9);
    for (const Cpp_PointXY* p = list.LineAt(0)->FirstPoint(); p; p = p->Next())
        copy->AddPoint(p->X(), p->Y());

    std::string expected;
    int expectedCrossings = 0;
    for (int a = 0; a < list.Count(); ++a)
        for (int b = a + 1; b < list.Count(); ++b)
            for (const Cpp_PointXY* p = list.LineAt(a)->FirstPoint(); p->Next(); p = p->Next())
                for (const Cpp_PointXY* q = list.LineAt(b)->FirstPoint(); q->Next();
                     q = q->Next()) {
                    Cpp_PointXY point;
                    if (SegmentsIntersect(*p, *p->Next(), *q, *q->Next(), 1e-8, point)) {
                        ++expectedCrossings;
                        char buffer[80];
                        std::snprintf(buffer, sizeof buffer,
                                      "Intersection point - X: %1.2f, Y: %1.2f", point.X(),
                                      point.Y());
                        expected += buffer;
                    }
                }
    ASSERT_GT(expectedCrossings, 10);
    int expectedOverlaps = 0;
    for (int a = 0; a < list.Count(); ++a)
        for (int b = a + 1; b < list.Count(); ++b)
            for (const Cpp_PointXY* p = list.LineAt(a)->FirstPoint(); p->Next(); p = p->Next())
                for (const Cpp_PointXY* q = list.LineAt(b)->FirstPoint(); q->Next();
                     q = q->Next()) {
                    s_tagTypePointXY first, second;
                    if (SegmentsOverlap(*p, *p->Next(), *q, *q->Next(), first, second))
                        ++expectedOverlaps;
                }
    ASSERT_GT(expectedOverlaps, 0);
    const std::string overlaps =
        Capture([&](std::FILE* f) { list.CheckCoincidentSegments(1e-8, false, false, f); });
    EXPECT_EQ(Count(overlaps, "KLIVEN ERROR NUMBER 2300"), expectedOverlaps);
    const std::string text =
        Capture([&](std::FILE* f) { list.CheckIntersectingSegments(1e-8, false, false, f); });
    std::string found;
    for (size_t at = text.find("Intersection point"); at != std::string::npos;
         at = text.find("Intersection point", at + 1))
        found += text.substr(at, text.find('\n', at) - at);
    EXPECT_EQ(found, expected);
}

}  // namespace
