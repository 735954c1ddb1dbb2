#include <gtest/gtest.h>

#include "core/echo_writer.h"
#include "core/file_io.h"
#include "core/output_settings.h"
#include "core/output_table.h"
#include "core/text_files.h"
#include "core/text_formats.h"
#include "support/test_support.h"

namespace {

TEST(NumberFormats, MakeNumberFormat) {
    struct Case {
        int kind, width, decimals;
        const char* format;
    } cases[] = {{1, 20, 6, "%20.6f"}, {2, 15, 8, "%15.8e"}, {3, 10, 0, "%10d"},
                 {4, 5, 0, "%5ld"},    {5, 12, 0, "%12s"},   {1, -10, 2, "%-10.2f"}};
    for (const auto& c : cases) {
        std::string out;
        EXPECT_TRUE(Cpp_Strings::MakeNumberFormat(c.kind, c.width, c.decimals, out));
        EXPECT_EQ(out, c.format);
    }
    std::string out = "x";
    EXPECT_FALSE(Cpp_Strings::MakeNumberFormat(6, 10, 2, out));
    EXPECT_EQ(out, "");
    EXPECT_EQ(Cpp_Strings::FormatNumber(3.14159, 8, 3), "   3.142");
}

TEST(NumberFormats, FormatFixed) {
    struct Case {
        double x;
        int decimals;
        bool trim;
        const char* text;
    } cases[] = {{3.14159, 2, false, "3.14"}, {0.5, 3, false, "0.500"}, {0.05, 3, false, "0.050"},
                 {2.5, 3, true, "2.5"},       {4.0, 2, true, "4"},      {0.0, 2, true, "0"},
                 {-1.25, 1, false, "-1.2"},   {120.0, 0, false, "120"}, {-0.5, 3, true, "-0.5"}};
    for (const auto& c : cases)
        EXPECT_EQ(Cpp_Strings::FormatFixed(c.x, c.decimals, c.trim), c.text) << c.x;
}

TEST(NumberFormats, SkipWordsAndTrim) {
    std::string line = "FILE  name.prl\n";
    EXPECT_TRUE(Cpp_Strings::SkipWords(line, 1));
    EXPECT_EQ(line, " name.prl\n");
    Cpp_Strings::TrimLeadingBlanks(line);
    EXPECT_EQ(line, "name.prl\n");
    line = "FILE\n";
    EXPECT_FALSE(Cpp_Strings::SkipWords(line, 1));
    EXPECT_EQ(line, "\n");
}

class EchoTest : public ::testing::Test {
protected:
    void SetUp() override { SetOutputFile(out.get()); }
    void TearDown() override {
        testsupport::DetachListing();
        Cpp_FileIO::ResetForTests();
    }
    OutputText out;
};

TEST_F(EchoTest, PrintFunctions) {
    PrintSpaces(257);
    PrintSpaces(0);
    PrintText("a%sb", true);
    PrintDouble(1.5, 6, 2, true);
    PrintDoubleWithText(2.0, "x=", "\n", 1, 1);
    PrintExponential(1234.5, 1, 2, true);
    PrintIntegerWithText(42, "n:", "|", 4);
    PrintTextBetween("", "<", ">");
    PrintTextBetween("t", "<", ">");
    PrintRepeatedChar(3, '*');
    PrintFormFeed();
    EXPECT_EQ(out.Text(), "a%sb\n  1.50\nx=2.0\n1.23e+03\nn:  42|<t>***\f\n");
}

TEST_F(EchoTest, PrintSpacesLimit) {
    PrintSpaces(256);
    EXPECT_EQ(out.Text(), std::string(256, ' '));
}

TEST_F(EchoTest, AutoDecimalsWidenForSmallFractionsOfEitherSign) {
    EXPECT_EQ(AutoDecimals(0.0005, 2, 6), 4);
    EXPECT_EQ(AutoDecimals(0.0005, 2, 3), 3);
    EXPECT_EQ(AutoDecimals(-0.0005, 2, 6), 4);
    EXPECT_EQ(AutoDecimals(12.5, 2, 6), 2);
    PrintDoubleAutoDecimals(-0.0005, "", "", 1, 2, 6);
    EXPECT_EQ(out.Text(), "-0.0005");
}

TEST_F(EchoTest, TableWithHeaderNumberAndBoxedTitles) {
    SetRunTimeText("RUN");
    Cpp_FileIO::SetInputFileName("/data/slope.preinput-kliven");
    SetOutputSettingsSource([] {
        s_OutputSettings s;
        s.showFullPath = false;
        return s;
    });
    Cpp_OutputTable table(out.get());
    EXPECT_TRUE(table.SetTitleLine(1, "PROFILE LINES"));
    EXPECT_TRUE(table.SetTitleLine(3, "Stage 1"));
    EXPECT_FALSE(table.SetTitleLine(21, "x"));
    EXPECT_FALSE(table.SetTitleLine(0, "x"));
    table.StartTable(3, 2, '*', true);
    SetOutputSettingsSource(nullptr);
    EXPECT_EQ(out.Text(),
              "\f\nTime and date of run: RUN\nName of input data file: slope.preinput-kliven\n\n"
              "\nTABLE NO. 3.2\n"
              "*****************\n"
              "* PROFILE LINES *\n"
              "* Stage 1       *\n"
              "*****************\n");
}

TEST_F(EchoTest, TableTitlesAreCutAndStayUntilCleared) {
    Cpp_OutputTable table(out.get());
    table.SetTitleLine(1, std::string(100, 'T'));
    EXPECT_EQ(Cpp_OutputTable::GetTitleLine(1).size(), 79u);
    table.SetTitleLine(1, "AB");
    table.SetTitleLine(2, "C");
    Cpp_OutputTable::StartTable(0, 0, '2', false);
    Cpp_OutputTable::SetTitleLine(1, "D");
    Cpp_OutputTable::PrintTitle('*');
    EXPECT_EQ(out.Text(), "\n222222\n2 AB 2\n2 C  2\n222222\n******\n* D  *\n* C  *\n******\n");
}

TEST_F(EchoTest, TableWithoutFileThrows) {
    Cpp_OutputTable table(nullptr);
    EXPECT_THROW(Cpp_OutputTable::StartTable(3, 0, '*', false),
                 Cpp_OutputTable::Exc_NoFileForOutputTable);
    Cpp_OutputTable table2(out.get());
    Cpp_OutputTable::StartTable(0, 0, '*', false);
    EXPECT_EQ(out.Text(), "\n");
}

}  // namespace
