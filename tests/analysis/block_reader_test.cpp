// Reading the analysis block: accepted first lines, sub-commands, and the numbered message of
// every bad line.

#include "block_fixture.h"

namespace {

using A = Cpp_AnalysisComputationData;

TEST_F(AnalysisBlockTest, FirstLinesGiveShapeAndMode) {
    struct Case {
        const char* text;
        bool older;
        bool circular;
        int mode;
    } cases[] = {
        {"none\n\n", false, true, 0},
        {"NONE - Recognized by preprocessor only\n\n", false, true, 0},
        {"C\n 10 20 5\n\n", false, true, 1},
        {"C S\n 10 20 1 0\n R\n 5\n\n", true, true, 3},
        {"C S 2\n 10 20 1 0\n R\n 5\n\n", true, true, 3},
        {"Circle Search 2\n 2 2\n 0 0 10 0\n 10 10 0 10\n 5 1\n R\n 5\n\n\n", false, true, 4},
        {"Circle Interactive\n 5 1\n R\n 5\n\n\n", false, true, 5},
        {"Noncircular\n 0 0 10 -5 20 0\n\n\n", false, false, 1},
        {"N S 1\n 0 0\n 10 -5\n\n 1 0.1\n\n", false, false, 3},
    };
    for (const Case& c : cases) {
        A a;
        EXPECT_TRUE(Read(a, c.text, c.older)) << c.text << listing_;
        EXPECT_EQ(a.IsCircular(), c.circular) << c.text;
        EXPECT_EQ(a.GetMode(), c.mode) << c.text;
        EXPECT_TRUE(a.HasData()) << c.text;
    }
    A a;
    ASSERT_TRUE(Read(a, "C\n 10 20 5\n\n"));
    EXPECT_EQ(a.GetCircleCenter().x, 10.0);
    EXPECT_EQ(a.GetCircleCenter().y, 20.0);
    EXPECT_EQ(a.GetRadius(), 5.0);
}

TEST_F(AnalysisBlockTest, BadLinesGiveTheirMessageAndFail) {
    struct Case {
        const char* text;
        int message;
    } cases[] = {
        {"", 6080},
        {"\n", 6490},
        {"X\n", 6480},
        {"C X\n", 6500},
        {"C S\n 10 20 1 0\n R\n 5\n\n", 6510},
        {"Circle Search 3\n", 6510},
        {"C\n", 6180},
        {"C\n 10\n", 6720},
        {"C\n 10 20\n", 6270},
        {"C\n 10 20\n\n", 6540},
        {"C\n 10 20\n Q\n", 6870},
        {"C\n 10 20\n P\n 3\n", 6700},
        {"C\n 10 20\n T\n 1 2 3\n", 6960},
        {"C\n 10 20\n T\n\n", 6800},
        {"C\n 10 20\n T\n 1 2\n", 6290},
        {"C S 1\n 10 20 1\n", 6620},
        {"C S 1\n 10 20 1 0\n", 6270},
        {"C S 1\n 10 20 1 0\n Z\n", 6890},
        {"C S 1\n 10 20 1 0\n R\n\n", 6780},
        {"C S 2\n 2\n", 6630},
        {"C S 2\n 2 2\n 0 0 10 0\n\n", 6710},
        {"C S 2\n 2 2\n 0 0 10 0\n", 6170},
        {"C S 2\n 1e12 2\n", 6630},
        {"C I\n 5\n", 6590},
        {"C I\n 5 1\n Q\n", 6370},
        {"C I\n 5 1\n R\n 5\n", 6420},
        {"C I\n", 6420},
        {"N\n 0 0 1\n", 6950},
        {"N\n 0 0\n text\n", 6340},
        {"N\n 0 0\n", 6200},
        {"N S\n 5 6 free\n", 6330},
        {"N S\n 5\n", 6740},
        {"N S\n 5 6\n words\n", 6580},
        {"N S\n 5 6\n\n", 6210},
        {"N S\n 5 6\n\n 1\n", 6750},
        {"N S 2\n 5 6\n\n", 6840},
    };
    for (const Case& c : cases) {
        A a;
        EXPECT_FALSE(Read(a, c.text)) << c.text;
        EXPECT_TRUE(Message(c.message)) << c.text << "\n" << listing_;
    }
}

TEST_F(AnalysisBlockTest, NoncircularSearchPointKinds) {
    A a;
    ASSERT_TRUE(Read(a, "N S\n 0 10 fixed\n 5 6\n 7 4 -45\n 12 9 FIXED\n\n 1 0.1 40\n\n"))
        << listing_;
    const auto& p = a.GetNoncircularPointList().Points();
    ASSERT_EQ(p.size(), 4u);
    EXPECT_FALSE(p[0].IsMoveable());
    EXPECT_TRUE(p[1].IsMoveable());
    EXPECT_TRUE(p[1].IsShiftDirectionComputed());
    EXPECT_FALSE(p[2].IsShiftDirectionComputed());
    EXPECT_EQ(p[2].GetShiftAngleDegrees(), -45.0);
    EXPECT_EQ(a.GetMaximumSteepness(), 40.0);
    EXPECT_TRUE(Listed("   1       0.000000      10.000000                        - fixed\n"));
    EXPECT_TRUE(Listed("   2       5.000000       6.000000   angle to be computed - moveable\n"));
}

TEST_F(AnalysisBlockTest, OlderShiftLineGivesFinalDistanceAsTenth) {
    A a;
    ASSERT_TRUE(Read(a, "N S\n 0 10\n 5 6\n\n 2 35\n\n", true)) << listing_;
    EXPECT_EQ(a.GetInitialShiftDistance(), 2.0);
    EXPECT_EQ(a.GetFinalShiftDistance(), 0.2);
    EXPECT_EQ(a.GetMaximumSteepness(), 35.0);
}

TEST_F(AnalysisBlockTest, SubCommands) {
    const char* head = "C\n 10 20 5\n";
    A a;
    ASSERT_TRUE(Read(a, std::string(head) +
                            "PRO\n spencer\n2nd stage\nSEI\n 0.15 bottom\nRES\n A S\n 10 40\n\n"
                            "KEE\n -1 2\nCRA\n 3.5 E\n\n"))
        << listing_;
    EXPECT_EQ(a.GetProcedure(), A::kSpencer);
    EXPECT_TRUE(a.IsTwoStage());
    EXPECT_EQ(a.GetSeismicLocation(), 2);
    bool set = false;
    double lo = 0, hi = 0;
    a.GetRestriction(A::kAbsoluteSome, set, lo, hi);
    EXPECT_TRUE(set);
    EXPECT_EQ(hi, 40.0);
    EXPECT_EQ(a.GetSaveOption(), 0);
    EXPECT_EQ(a.GetCrack().GetCrackOption(), 2);
    EXPECT_EQ(a.GetCrack().GetCrackConstant(), 3.5);

    A older;
    ASSERT_TRUE(Read(older, std::string(head) + "CRA\n 3.5\n\n", true)) << listing_;
    EXPECT_EQ(older.GetCrack().GetCrackOption(), 1);

    A chen;
    ASSERT_TRUE(Read(chen, std::string(head) + "PRO\n C M\n 0\n 1.0\n 0\n\n")) << listing_;
    EXPECT_EQ(chen.GetProcedure(), A::kChenMorgenstern);
    EXPECT_EQ(chen.GetSideForceFunctions().ChenFOption(), 0);
    EXPECT_EQ(chen.GetSideForceFunctions().ChenGOption(), 0);

    // The Corps inclination on the next line (the earlier layout) reads too.
    A corps;
    ASSERT_TRUE(Read(corps, std::string(head) + "PRO\n C\n 8\n\n")) << listing_;
    EXPECT_EQ(corps.GetProcedure(), A::kCorps);
    EXPECT_DOUBLE_EQ(corps.GetCorpsSideForceInclination(), 8.0);
}

TEST_F(AnalysisBlockTest, BadSubCommandsGiveTheirMessageAndKeepValues) {
    const std::string head = "C\n 10 20 5\n";
    struct Case {
        std::string text;
        int message;
    } cases[] = {
        {head + "XYZ\n\n", 6920},
        {head + "FAC\n none\n\n", 6920},
        {head + "ITE\n 1e12\n\n", 6920},
        {head + "FAC\n 1.5\n", 6920},  // the block ends without its blank line
        {head + "PRO\n X\n\n", 6910},
        {head + "PRO\n C\n\n", 6830},
        {head + "KEE\n 1\n\n", 6350},
        {head + "INC\n 5\n\n", 6460},
        {head + "CRA\n 3.5\n\n", 6850},
        {head + "WAT\n 3.5 X\n\n", 6860},
        {head + "CRA\n Depth\n 1 2 3\n\n", 6940},
        {head + "CRA\n Depth\n 1\n\n", 6690},
        {head + "CRA\n Depth\n words\n\n", 6570},
        {head + "CRA\n Depth\n 1 2\n", 6240},
        {head + "CRA\n", 6090},
        {head + "RES\n A X\n 1 2\n\n", 6900},
        {head + "RES\n A E\n 1\n\n", 6790},
        {head + "RES\n A E\n", 6280},
        {head + "RES\n", 6430},
        {head + "REF\n 1 1 1 0.1 50\n\n", 6805},
        {head + "TAB\n", 6202},
        {head + "PRO\n M\n 12\n\n", 6320},
        {head + "PRO\n M\n 1\n 0.5\n\n", 6680},
        {head + "PRO\n C M\n 3\n 0 0\n 0.5\n\n", 6640},
        {head + "PRO\n C M\n 0\n 1 2\n\n", 6120},
        {head + "PRO\n C M\n 0\n 1\n 7\n\n", 6050},
    };
    for (const Case& c : cases) {
        A a;
        EXPECT_FALSE(Read(a, c.text)) << c.text;
        EXPECT_TRUE(Message(c.message)) << c.text << "\n" << listing_;
        EXPECT_EQ(a.GetTrialFactorOfSafety(),
                  c.message == 6920 && c.text.find("1.5") != std::string::npos ? 1.5 : 3.0);
        EXPECT_EQ(a.GetIterationLimit(), 100);
    }
    A a;
    EXPECT_FALSE(Read(a, "N\n 0 0 5 1\n\nSUB\n 3\n\n"));
    EXPECT_TRUE(Message(6440));
}

// Regression: a known sub-command whose value line held no number, or that the end of the file
// cut off, was reported as an unrecognized sub-command word; the message names the word and
// the cause.
TEST_F(AnalysisBlockTest, AKnownSubCommandWithoutItsValueIsReportedAsSuch) {
    const std::string head = "C\n 10 20 5\n";
    const char* const kHead =
        "KLIVEN ERROR NUMBER 6920\nERROR IN ANALYSIS/COMPUTATION INPUT DATA.\n";
    struct Case {
        std::string text;
        std::string message;
    } cases[] = {
        {head + "FOR\n words\n\n",
         std::string(kHead) +
             "No numerical value was entered on the line of data for the Sub-Command FOR.\n"
             "The following line of input data was entered:\n words\n"},
        {head + "FOR\n",
         std::string(kHead) +
             "End-of-file read while trying to read the line of data for the Sub-Command FOR.\n"},
        {head + "FAC\n 1.5\n",
         std::string(kHead) +
             "End-of-file read while looking for a Sub-Command word or the blank line\n"
             "that ends the Analysis/Computation data.\n"},
        {head + "ITE\n 1e12\n\n",
         std::string(kHead) + "The value entered for the Sub-Command ITE is not a whole number of "
                              "the allowed range.\nThe following line of input data was entered:\n"
                              " 1e12\n"},
    };
    for (const Case& c : cases) {
        A a;
        EXPECT_FALSE(Read(a, c.text)) << c.text;
        EXPECT_TRUE(Listed(c.message)) << c.text << "\n" << listing_;
        EXPECT_FALSE(Listed("Unrecognized Sub-Command Word")) << listing_;
    }
}

TEST_F(AnalysisBlockTest, EchoOfDefaultsAndGivenValues) {
    A a;
    ASSERT_TRUE(Read(a, "C\n 10 20 5\nTWO\n\n"));
    for (const char* line :
         {"Subtended angle for slice subdivision: 3.00 (degrees)\n", "There is no crack.\n",
          "Seismic coefficient: 0.000\n", "Procedure of Analysis: Spencer\n",
          "Iteration limit: 100\n", "Initial trial factor of safety: 3.000\n",
          "Force imbalance: 1.000000e-05 (fraction of total weight)\n",
          "Center coordinates for center of circle -\n",
          "                                        Radius: 5.000\n"})
        EXPECT_TRUE(Listed(line)) << line << listing_;
    EXPECT_FALSE(Listed("Conventional (single-stage) computations will be performed."));
    EXPECT_TRUE(Listed("Two-stage computations will be performed.\n"));

    A small;
    ASSERT_TRUE(Read(small, "C\n 10 20 5\nFOR\n 0.00002\nMIN\n 2000000\n\n"));
    EXPECT_TRUE(Listed("Force imbalance: 0.00002 (absolute force units)\n")) << listing_;
    EXPECT_TRUE(Listed("Minimum weight required for computations to be performed: 2.000e+06\n"));
}

}  // namespace

namespace {

TEST_F(AnalysisBlockTest, EchoTablesOfGridRadiiAndShiftData) {
    A grid;
    ASSERT_TRUE(Read(grid, "Circle Search 2\n 3 4\n 0 0 10 0\n 10 10 0 10\n 5 0.00025\n"
                           " P\n 1 2\n R\n 7.5\n T\n 4\n\n\n"))
        << listing_;
    for (const char* line :
         {"Search will be conducted using a fixed grid.\n",
          "Number of Points Across Grid: 3\nNumber of Points Up Grid: 4\n",
          "Grid Corner\n   Number           X              Y\n\n",
          "     2        10.000000       0.000000\n",
          "radius for finding a critical radius/radii: 5\n",
          "Minimum radius increment for terminating subdivision of radii: 0.0003\n",
          "     Point circles pass through - X: 1.000000     Y: 2.000000\n",
          "     Radius of circles: 7.500\n", "     Tangent Line  - Y: 4.000000\n",
          "Radii for each grid point will be sorted in the order of increasing radius.\n"})
        EXPECT_TRUE(Listed(line)) << line << listing_;

    A search;
    ASSERT_TRUE(Read(search, "N S\n 0 10\n 5 6 -30\n\n 2 0.2\n\n")) << listing_;
    for (const char* line :
         {"Coordinates of points on shear surface which are to be shifted\n\n"
          "Point         X              Y      Shift Angle\n\n",
          "   2       5.000000       6.000000    -30.00              - moveable\n",
          "Initial distance for shifting points on noncircular slip surface = 2.000\n",
          "Final distance for shifting points on noncircular slip surface   = 0.200\n",
          "Maximum steepness permitted for toe of noncircular slip surface  = 50.00\n",
          "Maximum number of passes for noncircular search: 50\n"})
        EXPECT_TRUE(Listed(line)) << line << listing_;
}

}  // namespace

#include <filesystem>

#include "support/test_support.h"

namespace {

TEST_F(AnalysisBlockTest, ReadingMessagesReachTheErrorLog) {
    testsupport::TempDir dir;
    const auto previous = std::filesystem::current_path();
    std::filesystem::current_path(dir.Path());
    ASSERT_TRUE(Cpp_DataErrorOutput::OpenErrorLog());
    A a;
    EXPECT_FALSE(Read(a, "X\n"));
    Cpp_DataErrorOutput::CloseErrorLog();
    const std::string log = testsupport::ReadFile(dir.Path() / "Error.log");
    std::filesystem::current_path(previous);
    EXPECT_NE(log.find("KLIVEN ERROR NUMBER 6480"), std::string::npos) << log;
    EXPECT_NE(log.find("noncircular shear surface.  Leading character:X"), std::string::npos)
        << log;
    EXPECT_NE(log.find("The following line of input data was entered:\nX"), std::string::npos)
        << log;
}

}  // namespace
