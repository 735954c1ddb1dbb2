// The REI block: reading, writing back, the reader's messages and the data check.

#include <gtest/gtest.h>

#include "core/data_error_output.h"
#include "core/kliven4_messages.h"
#include "loads/load_messages.h"
#include "loads/reinforcement_line.h"
#include "loads_test_support.h"

namespace {

class ReinforcementBlock : public ::testing::Test {
protected:
    void SetUp() override {
        Cpp_DataErrorOutput::ResetForTests();
        Cpp_KLIVEN4Messages::SetStatus(1);
        ClearEmittedLoadMessages();
    }
    void TearDown() override { Cpp_DataErrorOutput::ResetForTests(); }

    std::vector<int> Numbers() const {
        std::vector<int> n;
        for (const auto& m : EmittedLoadMessages()) n.push_back(m.number);
        return n;
    }
    bool Read(const std::string& text) {
        TextInput in(text);
        return list.ReadInput(in.File(), nullptr, false);
    }
    Cpp_ReinforcementLineList list;
};

TEST_F(ReinforcementBlock, HeaderLinesTakeNumberAngleOptionAndDescription) {
    ASSERT_TRUE(Read("4\n0 0 1 1\n5 0 1 1\n\n"
                     "5 15\n0 1 1 1\n5 1 1 1\n\n"
                     "6, 15, 2.9, 7\n0 2 1 1\t5 2 1 1\n\n"
                     "7 15 2 10 kN grid\n0 3 1 1 5 3 1 1\n\n\n"));
    ASSERT_EQ(list.Count(), 4);
    const Cpp_ReinforcementLine* a = list.FindReinforcementLine(4);
    EXPECT_EQ(a->GetAngle(), 0.0);
    EXPECT_EQ(a->GetForceOption(), 1);
    EXPECT_FALSE(a->HasDescription());
    EXPECT_EQ(list.FindReinforcementLine(5)->GetAngle(), 15.0);
    EXPECT_EQ(list.FindReinforcementLine(6)->GetForceOption(), 2);
    EXPECT_EQ(list.FindReinforcementLine(6)->NumberOfPoints(), 2);
    EXPECT_EQ(list.FindReinforcementLine(7)->Description(), "kN grid");
    EXPECT_NEAR(list.FindReinforcementLine(7)->GetAngleRadians(), 0.2617993877991494, 1e-15);
    EXPECT_TRUE(Numbers().empty());
}

TEST_F(ReinforcementBlock, WritesWhatItReadsAndNothingWhenEmpty) {
    EXPECT_EQ(WrittenText([&](std::FILE* f) { list.WriteKLIVEN4InputDataFile(f); }), "");
    Cpp_ReinforcementLine* line = list.AddNewLine(3, "Nail number 1", 0.0, 1);
    line->AddPoint(10.5, 20, 100, 0);
    line->AddPoint(20, 15.25, 0, 0);
    list.AddNewLine(1, nullptr, 12.5, 2)->AddPoint(1, 2, 3, 4);
    const std::string text = WrittenText([&](std::FILE* f) { list.WriteKLIVEN4InputDataFile(f); });
    EXPECT_EQ(text, "REInforcement line data follow -\n"
                    "     3       0.00     1 Nail number 1\n"
                    "                  10.500000000        20.000000000                 100"
                    "                   0\n"
                    "                  20.000000000        15.250000000                   0"
                    "                   0\n"
                    "\n"
                    "     1      12.50     2\n"
                    "                   1.000000000         2.000000000                   3"
                    "                   4\n"
                    "\n"
                    "\n");
    Cpp_ReinforcementLineList back;
    TextInput in(text.substr(text.find('\n') + 1));
    ASSERT_TRUE(back.ReadInput(in.File(), nullptr, false));
    ASSERT_EQ(back.Count(), 2);
    EXPECT_EQ(back.ReinforcementLineAt(0)->GetNumber(), 3);
    EXPECT_EQ(back.ReinforcementLineAt(0)->Description(), "Nail number 1");
    EXPECT_EQ(back.ReinforcementLineAt(0)->GetLastPoint()->Y(), 15.25);
    EXPECT_EQ(back.ReinforcementLineAt(1)->GetAngle(), 12.5);
    EXPECT_EQ(back.ReinforcementLineAt(1)->FirstReinforcementPoint()->transverseForce, 4);
}

TEST_F(ReinforcementBlock, ReaderMessages) {
    struct Case {
        const char* text;
        bool result;
        std::vector<int> numbers;
        int lines;
    } cases[] = {
        {"1\n0 0 1 1\n\n1\n0 0 1 1\n\n\n", false, {5700}, 1},
        {"1\n0 0 1 1\n\n", false, {5710}, 1},
        {"1\n0 0 1 1\n", false, {5720}, 1},
        {"1\n0 0 1 1 1e308 0 1 1\n\n\n", false, {5720}, 1},  // a coordinate that overflows
        {"1\n0 0 1\n\n\n", false, {5770}, 1},
        {"1\n0 0 1 1 5 0\n\n\n", false, {5810}, 1},
        {"some text\n", false, {5740}, 0},
        // A text line after the points reports 5740 and reading goes on with a header line.
        {"1\n0 0 1 1\nend of points\n2\n0 1 1 1\n\n\n", true, {5740}, 2},
    };
    for (const Case& c : cases) {
        list.DeleteAllLines();
        ClearEmittedLoadMessages();
        EXPECT_EQ(Read(c.text), c.result) << c.text;
        EXPECT_EQ(Numbers(), c.numbers) << c.text;
        EXPECT_EQ(list.Count(), c.lines) << c.text;
    }
}

TEST_F(ReinforcementBlock, MessageTextsAsCatalogued) {
    ASSERT_FALSE(Read("12\n0 0 1 1 5 0\n\n\n"));
    const s_LoadMessage& m = EmittedLoadMessages().back();
    EXPECT_EQ(m.lines, (std::vector<std::string>{
                           "ERROR IN REINFORCEMENT LINE INPUT DATA.",
                           "Wrong number of values on line of data for reinformement line "
                           "points for",
                           "line 12.  6 values were entered - Must be even multiples of 4 "
                           "values."}));
    EXPECT_EQ(m.inputLine, "0 0 1 1 5 0");
    // The point of the whole group stays.
    EXPECT_EQ(list.FindLine(12)->NumberOfPoints(), 1);
}

TEST_F(ReinforcementBlock, LaterBlockReplacesLineOfSameNumberAtTheEnd) {
    ASSERT_TRUE(Read("1\n0 0 1 1\n5 0 1 1\n\n2\n0 1 1 1\n5 1 1 1\n\n\n"));
    ASSERT_TRUE(Read("1 30\n0 5 1 1\n5 5 1 1\n\n\n"));
    ASSERT_EQ(list.Count(), 2);
    EXPECT_EQ(list.ReinforcementLineAt(0)->GetNumber(), 2);
    EXPECT_EQ(list.ReinforcementLineAt(1)->GetAngle(), 30.0);
}

TEST_F(ReinforcementBlock, CheckReportsDuplicatesOrderPointsAndSlopeCrossings) {
    // Line 1: three coincident points with equal forces; line 2: right to left (reversed);
    // line 3: up and down in x; line 4: one point; line 5: crosses the slope twice with a zero
    // interior point.
    ASSERT_TRUE(Read("1\n0 0 1 1 0 0 1 1 0 0 1 1 5 0 1 1\n\n"
                     "2\n9 10 1 1 5 10 1 1\n\n"
                     "3\n0 20 1 1 5 20 1 1 3 20 1 1\n\n"
                     "4\n0 30 1 1\n\n"
                     "5\n-8 4 1 0 5 4 0 0 15 4 1 0\n\n\n"));
    Cpp_Line slope;
    slope.AddPoint(-10, 0);
    slope.AddPoint(0, 10);
    slope.AddPoint(10, 0);
    Cpp_KLIVEN4Messages::SetStatus(1);
    EXPECT_FALSE(list.Check(0.0, &slope, nullptr));
    EXPECT_EQ(Numbers(), (std::vector<int>{5840, 5840, 5900, 5890, 5870, 5940, 5910, 5910}));
    const Cpp_ReinforcementLine* reversed = list.FindReinforcementLine(2);
    EXPECT_EQ(reversed->FirstPoint()->X(), 5.0);
    EXPECT_TRUE(reversed->PointsReversed());
    // Pairs (1, 2) and (1, 3) of line 1.
    EXPECT_EQ(EmittedLoadMessages()[1].lines[2],
              "Second point number: 3; X: 0.00, Y: 0.00, Long Force: 1.00, Trans. Force: 1.00");
}

TEST_F(ReinforcementBlock, TouchingTheSlopeAtAnEndIsNotACrossingAndNoticesPass) {
    ASSERT_TRUE(Read("1\n0 5 1 1 5 5 0 0 9 5 1 1\n\n2\n4 2 1 1 4 8 1 1\n\n\n"));
    Cpp_Line slope;
    slope.AddPoint(0, 0);
    slope.AddPoint(0, 10);
    slope.AddPoint(20, 10);
    EXPECT_TRUE(list.Check(1e-6, &slope, nullptr));
    // The interior zero point and the crossing of the two lines: notices only.
    EXPECT_EQ(Numbers(), (std::vector<int>{5930, 5940}));
}

// Regression: generated lines added after the user's lines take free numbers and never replace
// one of them.
TEST_F(ReinforcementBlock, GeneratedLinesTakeNumbersAfterTheHighest) {
    list.AddNewLine(2, "mine", 0, 1)->AddPoint(0, 0, 1, 0);
    list.AddNewLine(7, "mine too", 0, 1)->AddPoint(0, 0, 1, 0);
    std::vector<s_GeneratedReinforcementLine> lines(2);
    lines[0].number = 1;
    lines[0].description = "Nail number 1";
    lines[1].number = 2;
    lines[1].description = "Nail number 2";
    list.AddGeneratedLines(lines, true);
    ASSERT_EQ(list.Count(), 4);
    EXPECT_EQ(list.FindLine(2)->Description(), "mine");
    EXPECT_EQ(list.FindLine(8)->Description(), "Nail number 1");
    EXPECT_EQ(list.FindLine(9)->Description(), "Nail number 2");
}

// Regression: a line begun by entry takes a free number, never one already in use.
TEST_F(ReinforcementBlock, EntryTakesTheSmallestFreeNumberAndExtentsCoverEveryLine) {
    list.AddNewLine(1, nullptr, 0, 1)->AddPoint(0, -3, 1, 0);
    list.AddNewLine(3, nullptr, 0, 1)->AddPoint(10, 4, 1, 0);
    EXPECT_EQ(list.AddEmptyLine()->GetNumber(), 2);
    EXPECT_EQ(list.AddEmptyLine()->GetNumber(), 4);
    double xmin, xmax, ymin, ymax, low;
    ASSERT_TRUE(list.GetExtents(xmin, xmax, ymin, ymax));
    EXPECT_EQ(xmax, 10);
    EXPECT_EQ(ymin, -3);
    ASSERT_TRUE(list.GetLowestY(low));
    EXPECT_EQ(low, -3);
}

TEST_F(ReinforcementBlock, DeletingAPointKeepsTheBackLinksAndCopiesKeepTheForces) {
    Cpp_ReinforcementLine* line = list.AddNewLine(1, "a", 5, 2);
    line->AddPoint(0, 0, 1, 2);
    Cpp_ReinforcementPoint* middle = line->AddPoint(1, 0, 3, 4);
    Cpp_ReinforcementPoint* last = line->AddPoint(2, 0, 5, 6);
    ASSERT_TRUE(list.DeletePoint(line, middle));
    EXPECT_EQ(last->previous, line->FirstReinforcementPoint());
    const Cpp_ReinforcementLine copy(*line);
    EXPECT_EQ(copy.GetAngle(), 5);
    EXPECT_EQ(copy.GetForceOption(), 2);
    EXPECT_EQ(copy.GetLastPoint()->transverseForce, 6);
    EXPECT_EQ(copy.GetLastPoint()->previous, copy.FirstReinforcementPoint());
    Cpp_ReinforcementLine* single = list.AddNewLine(2, nullptr, 0, 1);
    ASSERT_TRUE(list.DeletePoint(single, single->AddPoint(0, 0, 1, 0)));
    EXPECT_EQ(list.FindLine(2), nullptr);
}

TEST_F(ReinforcementBlock, EchoCountsLinesEnteredAndRetained) {
    ASSERT_TRUE(Read("1\n0 0 1 1 5 0 1 1\n\n\n"));
    std::FILE* listing = std::tmpfile();
    TextInput in("2 10 2 Geogrid\n0 1 100.5 0\n\n\n");
    ASSERT_TRUE(list.ReadInput(in.File(), listing, true));
    std::rewind(listing);
    std::string text(4096, '\0');
    text.resize(std::fread(text.data(), 1, text.size(), listing));
    std::fclose(listing);
    EXPECT_NE(text.find("TABLE NO. 15"), std::string::npos) << text;
    EXPECT_NE(text.find("_________________ Reinforcement Line: 2 _________________\n"
                        "Description: Geogrid\n"
                        "Maximum rotation angle: 10.00 degrees\n"
                        "Option 2 - Reinforcement forces are applied to base\n"
                        "           of slice (slip surface) only.\n"
                        "                               Longitudinal   Transverse\n"
                        "Point      X            Y          Force         Force\n"
                        "  1     0.000000     1.000000           100             0\n"),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("\nData entered for 1 new reinforcement lines\n"
                        "Data retained for 1 old reinforcement lines - See earlier input "
                        "tables.\n"),
              std::string::npos)
        << text;
}

}  // namespace
