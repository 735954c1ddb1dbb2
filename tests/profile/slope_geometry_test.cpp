#include "profile/crack.h"
#include "profile/profile_line.h"
#include "profile/slope_geometry.h"
#include "profile_fixtures.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

using profiletest::AddLine;
using profiletest::CaptureListing;
using Points = std::vector<std::pair<double, double>>;

Points PointsOf(const Cpp_Line& line) {
    Points out;
    for (const Cpp_PointXY* p = line.FirstPoint(); p; p = p->Next())
        out.emplace_back(p->X(), p->Y());
    return out;
}

// The slope line as the plain algorithm builds it: every interval, every line scanned.
Points PlainSlope(const Cpp_ProfileLineList& list) {
    std::vector<double> xs;
    for (int i = 0; i < list.Count(); ++i)
        for (const Cpp_PointXY* p = list.LineAt(i)->FirstPoint(); p; p = p->Next())
            xs.push_back(p->X());
    std::sort(xs.begin(), xs.end());
    xs.erase(std::unique(xs.begin(), xs.end()), xs.end());
    Points out;
    for (size_t i = 1; i < xs.size(); ++i) {
        const double m = (xs[i - 1] + xs[i]) * 0.5;
        bool found = false;
        double best = 0, yl = 0, yr = 0;
        for (int k = 0; k < list.Count(); ++k) {
            for (const Cpp_PointXY* p = list.LineAt(k)->FirstPoint(); p && p->Next();
                 p = p->Next()) {
                const Cpp_PointXY* q = p->Next();
                if (p->X() == q->X() || !(p->X() <= m && m <= q->X())) continue;
                const double s = (q->Y() - p->Y()) / (q->X() - p->X());
                const double y = p->Y() + s * (m - p->X());
                if (!found || y > best) {
                    found = true;
                    best = y;
                    yl = p->Y() + s * (xs[i - 1] - p->X());
                    yr = p->Y() + s * (xs[i] - p->X());
                }
                break;
            }
        }
        if (!found) return {};
        if (out.empty() || !(out.back().first == xs[i - 1] && out.back().second == yl))
            out.emplace_back(xs[i - 1], yl);
        if (out.back().first != xs[i]) out.emplace_back(xs[i], yr);
    }
    return out;
}

TEST(SlopeGeneration, AgreesWithThePlainAlgorithm) {
    for (unsigned seed : {4u, 5u}) {
        Cpp_ProfileLineList list;
        profiletest::RandomProfile(list, 8, 30, seed, true);
        AddLine(list, 40, 1, {{100, 95}, {300, 130}, {500, 95}});
        Cpp_SlopeGeometry slope;
        ASSERT_TRUE(slope.Generate(list, false, nullptr));
        EXPECT_EQ(PointsOf(slope.GetSlopeLine()), PlainSlope(list));
    }
}

TEST(SlopeGeneration, VerticalStepWhereTheUppermostLineJumps) {
    Cpp_ProfileLineList list;
    AddLine(list, 1, 1, {{0, 20}, {10, 20}});
    AddLine(list, 2, 2, {{10, 10}, {30, 10}});
    Cpp_SlopeGeometry slope;
    ASSERT_TRUE(slope.Generate(list, false, nullptr));
    EXPECT_EQ(PointsOf(slope.GetSlopeLine()), (Points{{0, 20}, {10, 20}, {10, 10}, {30, 10}}));
    EXPECT_EQ(slope.GetSlopeLine().LastPoint()->Number(), 4);
}

TEST(SlopeGeneration, FailuresAreNumberedMessages) {
    Cpp_ProfileLineList empty;
    Cpp_SlopeGeometry slope;
    std::string text =
        CaptureListing([&](std::FILE* f) { EXPECT_FALSE(slope.Generate(empty, false, f)); });
    EXPECT_NE(text.find("KLIVEN ERROR NUMBER 5150"), std::string::npos);

    Cpp_ProfileLineList gap;
    AddLine(gap, 1, 1, {{0, 20}, {10, 20}});
    AddLine(gap, 2, 1, {{20, 20}, {30, 20}});
    text = CaptureListing([&](std::FILE* f) { EXPECT_FALSE(slope.Generate(gap, false, f)); });
    EXPECT_NE(text.find("KLIVEN ERROR NUMBER 5220"), std::string::npos);
    EXPECT_NE(text.find("at x = 15.00000"), std::string::npos);

    Cpp_ProfileLineList onePoint;
    AddLine(onePoint, 1, 1, {{0, 20}});
    text = CaptureListing([&](std::FILE* f) { EXPECT_FALSE(slope.Generate(onePoint, false, f)); });
    EXPECT_NE(text.find("KLIVEN ERROR NUMBER 2250"), std::string::npos);
    EXPECT_NE(text.find("KLIVEN ERROR NUMBER 5100"), std::string::npos);
}

// A slope of (0, 10), (10, 10), (20, 0), (30, 0).
Cpp_SlopeGeometry Valley() {
    Cpp_ProfileLineList list;
    AddLine(list, 1, 1, {{0, 10}, {10, 10}, {20, 0}, {30, 0}});
    Cpp_SlopeGeometry slope;
    slope.Generate(list, false, nullptr);
    return slope;
}

TEST(CrackGeometry, ConstantBottomElevationTable) {
    struct Case {
        double level;
        Points bottom;
    };
    for (const Case& c : std::vector<Case>{
             {20, {{0, 10}, {10, 10}, {20, 0}, {30, 0}}},           // above the slope
             {-5, {{0, -5}, {10, -5}, {20, -5}, {30, -5}}},         // below the slope
             {5, {{0, 5}, {10, 5}, {15, 5}, {20, 0}, {30, 0}}}}) {  // crossing a segment
        Cpp_SlopeGeometry slope = Valley();
        Cpp_Crack crack;
        crack.SetCrackOption(2);
        crack.SetCrackConstant(c.level);
        EXPECT_TRUE(slope.ComputeCrackBottom(crack, nullptr));
        EXPECT_EQ(PointsOf(slope.GetCrackBottomLine()), c.bottom) << c.level;
    }
}

TEST(CrackGeometry, DepthsAtPointsAndWaterOptions) {
    Cpp_SlopeGeometry slope = Valley();
    Cpp_Crack crack;
    crack.SetCrackOption(3);
    crack.CrackPointList().AddPoint(0, 2);
    crack.CrackPointList().AddPoint(15, 2);
    crack.CrackPointList().AddPoint(30, 2);
    ASSERT_TRUE(slope.ComputeCrackBottom(crack, nullptr));
    EXPECT_EQ(PointsOf(slope.GetCrackBottomLine()),
              (Points{{0, 8}, {10, 8}, {15, 3}, {20, -2}, {30, -2}}));

    // A constant water elevation is imposed even below the bottom; elevations by points only
    // raise the water line.
    crack.SetWaterOption(2);
    crack.SetWaterConstant(0);
    ASSERT_TRUE(slope.ComputeCrackWaterLevels(crack));
    EXPECT_EQ(slope.GetCrackWaterLine().FirstPoint()->Y(), 0.0);
    EXPECT_EQ(slope.GetCrackWaterLine().LastPoint()->Y(), 0.0);
    crack.SetWaterOption(4);
    crack.WaterPointList().AddPoint(0, 0);
    crack.WaterPointList().AddPoint(30, 0);
    ASSERT_TRUE(slope.ComputeCrackWaterLevels(crack));
    EXPECT_EQ(slope.GetCrackWaterLine().FirstPoint()->Y(), 8.0);
    EXPECT_EQ(slope.GetCrackWaterLine().LastPoint()->Y(), 0.0);
    crack.SetWaterOption(1);
    crack.SetWaterConstant(1.5);
    ASSERT_TRUE(slope.ComputeCrackWaterLevels(crack));
    EXPECT_EQ(slope.GetCrackWaterLine().FirstPoint()->Y(), 9.5);
}

TEST(CrackGeometry, BottomCrossingTheSlopeIsReported) {
    Cpp_SlopeGeometry slope = Valley();
    Cpp_Crack crack;
    crack.SetCrackOption(3);
    crack.CrackPointList().AddPoint(0, -3);  // negative depths lift the bottom over the crest
    crack.CrackPointList().AddPoint(30, 3);
    const std::string text =
        CaptureListing([&](std::FILE* f) { EXPECT_FALSE(slope.ComputeCrackBottom(crack, f)); });
    EXPECT_NE(text.find("KLIVEN ERROR NUMBER 5230"), std::string::npos);
    EXPECT_NE(text.find("intersects the slope between points 2 and 3"), std::string::npos);
}

// Regression: the crack lines followed an old slope after the slope changed, so drawing met
// crack lines that no longer started where the slope starts.
TEST(CrackGeometry, CrackLinesFollowEveryChangeOfTheSlope) {
    Cpp_Crack crack;
    crack.SetCrackOption(1);
    crack.SetCrackConstant(2);
    crack.SetWaterOption(1);
    crack.SetWaterConstant(1);
    Cpp_SlopeGeometry slope;
    slope.SetCrackSource([&] { return &crack; });
    Cpp_ProfileLineList list;
    AddLine(list, 1, 1, {{0, 10}, {10, 10}});
    ASSERT_TRUE(slope.Generate(list, false, nullptr));
    EXPECT_EQ(PointsOf(slope.GetCrackBottomLine()), (Points{{0, 8}, {10, 8}}));
    EXPECT_EQ(PointsOf(slope.GetCrackWaterLine()), (Points{{0, 9}, {10, 9}}));

    std::FILE* in = std::tmpfile();
    std::fputs("  -5 20  15 20\n\n", in);
    std::rewind(in);
    ASSERT_TRUE(slope.ReadInput(in, nullptr, false));
    std::fclose(in);
    EXPECT_EQ(PointsOf(slope.GetCrackBottomLine()), (Points{{-5, 18}, {15, 18}}));

    slope.GetSlopeLine().AddPoint(25, 20);
    slope.SlopeChanged();
    EXPECT_EQ(slope.GetCrackWaterLine().NumberOfPoints(), 3);
    slope.DeleteAll();
    slope.SlopeChanged();
    EXPECT_FALSE(slope.GetCrackBottomLine().HasPoints());
}

TEST(SlopeBlock, ReadWriteAndCancel) {
    Cpp_SlopeGeometry slope;
    std::FILE* in = std::tmpfile();
    std::fputs("0 10 5 10\n  20 0\n\nNEXT\n", in);
    std::rewind(in);
    ASSERT_TRUE(slope.ReadInput(in, nullptr, false));
    EXPECT_TRUE(slope.IsEntered());
    EXPECT_EQ(slope.GetPointCount(), 3);
    std::FILE* out = std::tmpfile();
    ASSERT_TRUE(slope.WriteInputDataFile(out));
    std::rewind(out);
    char buffer[512] = {};
    std::fread(buffer, 1, sizeof buffer - 1, out);
    std::fclose(out);
    EXPECT_EQ(std::string(buffer), "SLOpe geometry data follow -\n"
                                   "                 0.000000           10.000000\n"
                                   "                 5.000000           10.000000\n"
                                   "                20.000000            0.000000\n"
                                   "\n");
    // A block of a single blank line cancels the entered slope: nothing is written.
    std::fputs("\n", in);
    std::rewind(in);
    std::FILE* blank = std::tmpfile();
    std::fputs("\n", blank);
    std::rewind(blank);
    ASSERT_TRUE(slope.ReadInput(blank, nullptr, false));
    std::fclose(blank);
    std::fclose(in);
    EXPECT_FALSE(slope.HasSlopeData());
    out = std::tmpfile();
    slope.WriteInputDataFile(out);
    EXPECT_EQ(std::ftell(out), 0);
    std::fclose(out);
}

TEST(SlopeBlock, BadLinesAreNumberedMessages) {
    struct Case {
        const char* text;
        const char* number;
    };
    for (const Case& c :
         std::vector<Case>{{"0 10 5\n\n", "5020"}, {"0 10\nabc\n", "5000"}, {"0 10\n", "5030"}}) {
        Cpp_SlopeGeometry slope;
        std::FILE* in = std::tmpfile();
        std::fputs(c.text, in);
        std::rewind(in);
        const std::string text =
            CaptureListing([&](std::FILE* f) { EXPECT_FALSE(slope.ReadInput(in, f, false)); });
        std::fclose(in);
        EXPECT_NE(text.find(std::string("KLIVEN ERROR NUMBER ") + c.number), std::string::npos)
            << c.text;
    }
}

TEST(SlopeSnap, KindsAndMaximumDistance) {
    Cpp_SlopeGeometry slope = Valley();
    bool warned = false, snapped = false;
    double x = 15, y = 20;
    ASSERT_TRUE(slope.SnapToSlope(nullptr, 2, x, y, warned, 0, snapped, 0.1));
    EXPECT_TRUE(snapped);
    EXPECT_DOUBLE_EQ(y, 5.0);
    x = 0, y = 5;
    ASSERT_TRUE(slope.SnapToSlope(nullptr, 1, x, y, warned, 0, snapped, 0.1));
    EXPECT_DOUBLE_EQ(x, 15.0);
    x = 5, y = 13;
    ASSERT_TRUE(slope.SnapToSlope(nullptr, 2, x, y, warned, 3, snapped, 0.1));
    EXPECT_FALSE(snapped);  // exactly the maximum distance away
    EXPECT_EQ(y, 13.0);
    x = 5, y = 12;
    ASSERT_TRUE(slope.SnapToSlope(nullptr, 3, x, y, warned, 0, snapped, 0.1));
    EXPECT_DOUBLE_EQ(y, 10.0);
    x = 10.05, y = 10.05;
    ASSERT_TRUE(slope.SnapToSlope(nullptr, 4, x, y, warned, 0, snapped, 0.1));
    EXPECT_EQ(x, 10.0);
    x = 50, y = 0;
    EXPECT_FALSE(slope.SnapToSlope(nullptr, 2, x, y, warned, 0, snapped, 0.1));
    Cpp_SlopeGeometry none;
    EXPECT_TRUE(none.SnapToSlope(nullptr, 0, x, y, warned, 0, snapped, 0.1));
    EXPECT_FALSE(none.SnapToSlope(nullptr, 2, x, y, warned, 0, snapped, 0.1));
    EXPECT_TRUE(warned);
}

}  // namespace
