// Piezometric lines: the PIE block both ways, the pressure at a point and the data check.

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "core/data_error_output.h"
#include "core/kliven4_messages.h"
#include "core/text_formats.h"
#include "porepressure/piezometric_line.h"
#include "support/test_support.h"

namespace {

using testsupport::Contents;
using testsupport::FileWith;
using testsupport::Has;

class PiezometricLineTest : public ::testing::Test {
protected:
    void SetUp() override {
        Cpp_DataErrorOutput::ResetForTests();
        Cpp_KLIVEN4Messages::Clear();
        SetRunTimeText("Thu Jan  1 00:00:00 2026");
        listing = std::tmpfile();
        list.SetStage(1);
    }
    void TearDown() override {
        Cpp_DataErrorOutput::ResetForTests();
        std::fclose(listing);
    }
    bool Read(const std::string& text) {
        std::FILE* in = FileWith(text);
        const bool ok = list.ReadInput(in, listing, true);
        std::fclose(in);
        return ok;
    }
    std::string Written() {
        std::FILE* out = std::tmpfile();
        EXPECT_TRUE(list.WriteInputDataFile(out));
        std::string s = Contents(out);
        std::fclose(out);
        return s;
    }
    std::FILE* listing = nullptr;
    Cpp_PiezometricLineList list;
};

TEST_F(PiezometricLineTest, BlockReadsEchoesAndWritesBack) {
    const std::string long80(90, 'd');
    ASSERT_TRUE(Read("1\n0 10 100 10\n\n2 62.4 Perched water   \n0,5\t50 6\n\n3 9.81 " + long80 +
                     "\n1 1 2 2\n\n\n"));
    ASSERT_EQ(list.Count(), 3);
    EXPECT_DOUBLE_EQ(list.FindLine(1)->UnitWeight(), 62.4);
    EXPECT_FALSE(list.FindLine(1)->HasDescription());
    EXPECT_EQ(list.FindLine(2)->Description(), "Perched water");
    EXPECT_EQ(list.FindLine(3)->Description().size(), 80u);
    EXPECT_EQ(list.FindLine(2)->NumberOfPoints(), 2);
    const std::string echo = Contents(listing);
    EXPECT_TRUE(Has(echo, "TABLE NO. 6"));
    EXPECT_TRUE(Has(echo, "NEW PIEZOMETRIC LINE DATA - CONVENTIONAL/FIRST-STAGE COMPUTATIONS"));
    EXPECT_TRUE(Has(echo, "--------------- Piezometric Line Number 2 ---------------"));
    EXPECT_TRUE(Has(echo, "Description: Perched water"));
    EXPECT_TRUE(Has(echo, "Unit weight of fluid (water): 62.40"));
    EXPECT_TRUE(Has(echo, "  2   50.000000    6.000000"));
    EXPECT_FALSE(Has(echo, "Data retained"));

    const std::string written = Written();
    EXPECT_EQ(written.substr(0, 99), "PIEzometric line data follow -\n     1     62.40\n" +
                                         std::string(22, ' ') + "0.000000           10.000000\n");
    EXPECT_TRUE(Has(written, "     2     62.40 Perched water\n"));
    EXPECT_EQ(written.substr(written.size() - 2), "\n\n");

    // Reading the written block (after its command line) gives the same lines.
    Cpp_PiezometricLineList again;
    again.SetStage(1);
    std::FILE* in = FileWith(written.substr(written.find('\n') + 1));
    ASSERT_TRUE(again.ReadInput(in, listing, false));
    std::fclose(in);
    ASSERT_EQ(again.Count(), 3);
    for (int n = 1; n <= 3; ++n) {
        EXPECT_EQ(again.FindLine(n)->UnitWeight(), list.FindLine(n)->UnitWeight());
        EXPECT_EQ(again.FindLine(n)->NumberOfPoints(), list.FindLine(n)->NumberOfPoints());
    }
}

TEST_F(PiezometricLineTest, LaterBlockReplacesALineAndCountsTheRest) {
    ASSERT_TRUE(Read("1\n0 10 100 10\n\n2\n0 5 100 5\n\n\n"));
    ASSERT_TRUE(Read("2 50\n0 7 100 7\n\n\n"));
    ASSERT_EQ(list.Count(), 2);
    EXPECT_DOUBLE_EQ(list.FindLine(2)->UnitWeight(), 50.0);
    const std::string echo = Contents(listing);
    EXPECT_TRUE(Has(echo, "Data entered for 1 new piezometric lines"));
    EXPECT_TRUE(Has(echo, "Data retained for 1 old piezometric lines - See earlier input tables."));
}

TEST_F(PiezometricLineTest, BadBlocksGiveTheirMessages) {
    struct Case {
        std::string input;
        std::string message;
        int points;  // points of line 1 kept
    };
    const std::vector<Case> cases = {
        {"1\n0 10 100\n", "Bad data for coordinates for piezometric line number 1", 1},
        {"1\n0 10\n\n1\n5 5\n\n\n",
         "You have entered data for another piezometric line number 1 (stage 1).", 1},
        {"1\n0 10 100 10\n\nend\n",
         "Bad line of data to terminate all piezometric line data - blank line required.", 2},
        {"1\n0 10 100 10\n\n", "Bad first line of data for a piezometric line.", 2},
        {"1\n0 10\n", "Bad line of data for points on piezometric line number 1", 1},
        {"1\n0 10 1e308 10\n\n\n", "Bad line of data for points on piezometric line number 1", 1},
        {"1\n0 10\nxx\n", "Bad data terminator for points for piezometric line number 1", 1},
    };
    for (const Case& c : cases) {
        list.Clear();
        std::fclose(listing);
        listing = std::tmpfile();
        EXPECT_FALSE(Read(c.input)) << c.input;
        EXPECT_TRUE(Has(Contents(listing), c.message)) << Contents(listing);
        ASSERT_NE(list.FindLine(1), nullptr);
        EXPECT_EQ(list.FindLine(1)->NumberOfPoints(), c.points);
    }
}

TEST_F(PiezometricLineTest, PressureAtAPoint) {
    Cpp_PiezometricLine* line = list.CreateLine(1, 62.4, "");
    line->AddPoint(0, 10);
    line->AddPoint(100, 10);
    double u = 0;
    ASSERT_TRUE(line->PressureAt(50, 0, u));
    EXPECT_NEAR(u, 624.0, 1e-9);
    ASSERT_TRUE(line->PressureAt(50, 12, u));
    EXPECT_NEAR(u, -124.8, 1e-9);
    EXPECT_FALSE(line->PressureAt(150, 0, u));
    EXPECT_EQ(u, 0.0);
    ASSERT_FALSE(Cpp_KLIVEN4Messages::Errors().empty());
    EXPECT_TRUE(Has(Cpp_KLIVEN4Messages::Errors().back(),
                    "Minimum X for piezometric line = 0.00, Maximum X = 100.00"));

    Cpp_PiezometricLine* stepped = list.CreateLine(2, 62.4, "");
    for (auto [x, y] : {std::pair{0.0, 10.0}, {50.0, 10.0}, {50.0, 20.0}, {100.0, 20.0}})
        stepped->AddPoint(x, y);
    ASSERT_TRUE(list.CheckPressureAt(2, 50, 0, u));
    EXPECT_NEAR(u, 624.0, 1e-9);
    EXPECT_FALSE(list.CheckPressureAt(3, 50, 0, u));
    EXPECT_TRUE(Has(Cpp_KLIVEN4Messages::Errors().back(), "for stage number 1."));
}

TEST_F(PiezometricLineTest, CheckRevisesLinesAndReportsThem) {
    Cpp_KLIVEN4Messages::SetStatus(1);
    Cpp_PiezometricLine* reversed = list.CreateLine(1, 62.4, "");
    for (double x : {100.0, 50.0, 50.0, 0.0}) reversed->AddPoint(x, 10);
    list.CreateLine(2, 0.0, "")->AddPoint(5, 5);
    EXPECT_FALSE(list.Check(listing));
    EXPECT_EQ(reversed->NumberOfPoints(), 3);
    EXPECT_DOUBLE_EQ(reversed->FirstPoint()->X(), 0.0);
    const std::string echo = Contents(listing);
    EXPECT_TRUE(Has(echo, "Zero or negative unit weight for piezometric line number 2 (Stage 1)."));
    EXPECT_TRUE(Has(echo, "Only one point for piezometric line number: 2"));
    EXPECT_TRUE(Has(echo, "TABLE NO. 18"));
    EXPECT_TRUE(Has(echo, "(Revised Data Sets with Points Reversed and/or Deleted)"));
    EXPECT_TRUE(
        Has(echo, "Duplicate points on the following line have been deleted and points reversed."));
}

TEST_F(PiezometricLineTest, EmptyListWritesNothing) { EXPECT_EQ(Written(), ""); }

}  // namespace
