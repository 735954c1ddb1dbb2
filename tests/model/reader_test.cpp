#include <gtest/gtest.h>

#include "core/data_error_output.h"
#include "core/echo_writer.h"
#include "core/input_lines.h"
#include "core/text_files.h"
#include "model/data_sets.h"
#include "model/subsystem_registration.h"
#include "registry/block_readers.h"
#include "support/fake_services.h"

namespace {

// A stand-in block reader: consumes lines up to a blank line, records the block, and fails on
// a line holding "bad".
std::string g_blocks;

bool FakeBlock(s_BlockReadContext& c) {
    g_blocks += c.commandLine.substr(0, 3) + std::to_string(c.stage) + (c.echo ? "e" : "") +
                (c.unitSystem ? "u" + std::to_string(c.unitSystem) : "") + ";";
    std::string line;
    while (ReadNextLine(c.input, line)) {
        if (IsBlankLine(line)) break;
        if (line.find("bad") != std::string::npos) return false;
    }
    return true;
}

class ReaderTest : public ::testing::Test {
protected:
    void SetUp() override {
        ClearBlockReaders();
        InitializeBlockReaders();
        for (const char* w : {"PRO", "MAT", "DIS", "LIN", "SIU", "NAI"})
            RegisterBlockReader(w, FakeBlock);
        RegisterBlockReader("GRI", [](s_BlockReadContext& c) { return !FakeBlock(c) && false; });
        RegisterBlockReader("REI", nullptr);  // a word whose reader is missing
        g_blocks.clear();
    }
    void TearDown() override {
        ClearBlockReaders();
        Cpp_Kliven4Data::DeleteAllDataSets();
        Cpp_DataErrorOutput::ResetForTests();
        SetOutputFile(nullptr);
    }
    // Reads text into a fresh data set 1; returns the listing.
    std::string Read(const std::string& text, bool& ok, bool& endFlag) {
        InputText in(text);
        OutputText listing;
        Cpp_Kliven4DataSet* ds = Cpp_Kliven4Data::NewDataSet(1, false);
        ds->ResetForNewData();
        ok = ds->ReadInputData(nullptr, in.get(), listing.get(), endFlag);
        return listing.Text();
    }
};

const char kNormalEnd[] = "Read end-of-file on input while looking for another command word.\n"
                          "End of input data assumed - normal termination.\n";
const char kAbnormalEnd[] = "Read end-of-file on input while looking for command words.\n"
                            "Abormal termination of input data.\n";

TEST_F(ReaderTest, EndsAndFailuresOfADataSet) {
    struct Case {
        const char* name;
        std::string input;
        bool ok;
        bool endFlag;
        std::string blocks;
        std::vector<std::string> listingHas;
    } cases[] = {
        {"empty file", "", false, true, "", {std::string("\n") + kNormalEnd}},
        {"only comments", "// a\n  /* b\n", false, true, "", {kNormalEnd}},
        {"no COM", "PRO\n1 2\n\n", false, false, "PRO1e;", {std::string("\n") + kAbnormalEnd}},
        {"COM", "PROfile\n1 2\n\nCOMpute\n", true, false, "PRO1e;", {}},
        {"COM without line end", "PRO\n\nCOMpute", true, false, "PRO1e;", {}},
        {"CRLF", "PRO\r\n1 2\r\n\r\nCOMpute\r\n", true, false, "PRO1e;", {}},
        {"NO compute",
         "no computations\n",
         true,
         false,
         "",
         {"\nXXXXXXXXXX NO COMPUTATIONS FOR THESE DATA XXXXXXXXXX\n"}},
        {"NO alone",
         "NO\nCOM\n",
         false,
         false,
         "",
         {"Unrecognized command word: NO\n\n",
          "The end-of-file was reached in the input file while looking for another set of data.\n"}},
        {"comment after blanks", "  //PRO\nCOM\n", true, false, "", {}},
        {"comment after tab",
         "\t// PRO\nCOM\n",
         false,
         false,
         "",
         {"Unrecognized command word: // \n"}},
        {"SI units", "si units\n\nSIU\n\nCOM\n", true, false, "si 1eu2;SIU1eu2;", {}},
        {"SI alone", "SI\nCOM\n", false, false, "", {"Unrecognized command word: SI\n"}},
        {"SUR without KL3", "SUR\nCOM\n", false, false, "", {"Unrecognized command word: SUR"}},
        {"SUR after KL3", "KL3\nSEC\nSUR\n\nFOR\n\nPLO\nCOM\n", true, false, "SUR2e;FOR2e;", {}},
        {"ASC after KL3",
         "KL3\nASC\nKL4\nCOM\n",
         true,
         false,
         "",
         {"\nASCII command word (from KLIVEN3 input format) was read\n"
          "This has no meaning in KLIVEN4 and was ignored.\n"}},
        {"ASC without KL3", "ASC\nCOM\n", false, false, "", {"Unrecognized command word: ASC"}},
        {"stage switches", "SEC\nMAT\n\nFIR\nMAT\n\nCOM\n", true, false, "MAT2e;MAT1e;", {}},
        {"second data set not read", "COM\nPRO\n\nCOM\n", true, false, "", {}},
        {"blank line is a word",
         "PRO\n\n\nCOM\n",
         false,
         false,
         "PRO1e;",
         {"\nKLIVEN ERROR NUMBER 1200\nUnrecognized command word: \n"
          "The following line of input data was entered:\n\n"}},
        {"recovery at ***", "PRO\nbad\nXYZ\n***\nMAT\n\nCOM\n", true, false, "PRO1e;MAT1e;", {}},
        {"failed block, no ***", "PRO\nbad\n\nCOM\n", false, false, "PRO1e;", {}},
        {"no-recovery rows ignore the result",
         "GRI\n\nNAI\n\nSEP\nARE\nGRA\nCOM\n",
         true,
         false,
         "GRI1e;NAI1;",
         {}},
        {"row without reader fails the block",
         "REI\n1 2\n\nCOM\n",
         false,
         false,
         "",
         {"The data of the command word REI cannot be read by this version of the program.\nREI\n"}},
        {"CON without reader fails too",
         "CON\n\nCOM\n",
         false,
         false,
         "",
         {"command word CON cannot be read"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        g_blocks.clear();
        bool ok = false, endFlag = false;
        std::string listing = Read(c.input, ok, endFlag);
        EXPECT_EQ(ok, c.ok);
        EXPECT_EQ(endFlag, c.endFlag);
        EXPECT_EQ(g_blocks, c.blocks);
        for (const auto& text : c.listingHas)
            EXPECT_NE(listing.find(text), std::string::npos) << listing;
    }
}

TEST_F(ReaderTest, RecoveryEmptiesTheDataSetAndResetsTheModes) {
    bool ok = false, endFlag = false;
    Read("HEA\nFirst\n\nKL3\nSEC\nPRO\nbad\n***\nHEA\nSecond\n\nCOM\n", ok, endFlag);
    EXPECT_TRUE(ok);
    auto* ds = Cpp_Kliven4Data::CurrentDataSet();
    ASSERT_EQ(ds->Heading().NumberOfLines(), 1);
    EXPECT_EQ(ds->Heading().Lines()[0], "Second");
    EXPECT_EQ(Cpp_Kliven4DataSet::CurrentStage(), 1);
    EXPECT_FALSE(Cpp_Kliven4DataSet::IsOlderFormat());
}

TEST_F(ReaderTest, LabelLongerThanTheLimitIsNeverReadAsACommand) {
    bool ok = false, endFlag = false;
    std::string label = std::string(78, 'L') + "COMpute";
    Read("LAB\n" + label + "\nHEA\nTitle\n\nCOM\n", ok, endFlag);
    EXPECT_TRUE(ok);
    auto* ds = Cpp_Kliven4Data::CurrentDataSet();
    EXPECT_EQ(ds->Heading().Label(), std::string(78, 'L'));
    EXPECT_EQ(ds->Heading().NumberOfLines(), 1);
}

// Regression: an empty line typed in the heading was stored and written, ended the heading on
// reading and made the next line a command.
TEST_F(ReaderTest, AHeadingWithAnEmptyMiddleLineReadsBackWhole) {
    Cpp_Heading edited;
    edited.SetFromEditedText("First\r\n\r\nCOMpute", "");
    OutputText written;
    edited.WriteKLIVEN4InputDataFile(written.get());
    bool ok = false, endFlag = false;
    Read(written.Text() + "COM\n", ok, endFlag);
    EXPECT_TRUE(ok);
    EXPECT_EQ(Cpp_Kliven4Data::CurrentDataSet()->Heading().Lines(),
              (std::vector<std::string>{"First", "COMpute"}));
}

TEST(DataSets, RadiusToolNeedsCircularAnalysisData) {
    testsupport::FakeServices fakes;
    Cpp_Kliven4Data::DeleteAllDataSets();
    EXPECT_FALSE(Cpp_Kliven4Data::CheckCircleDataForRadius(nullptr));
    ASSERT_EQ(fakes.messageBoxes.requests.size(), 1u);
    EXPECT_EQ(fakes.messageBoxes.requests[0].caption, "Notice");
    EXPECT_EQ(fakes.messageBoxes.requests[0].text.rfind("There is currently no analysis", 0), 0u);
}

TEST(DataSets, LineLoadMaximumIgnoresStage2OfASingleStageSet) {
    Cpp_Kliven4Data::DeleteAllDataSets();
    auto* ds = Cpp_Kliven4Data::NewDataSet(1, false);
    ds->LineLoads(1)->AddByComponents(1, 0, 0, 0, 10);
    ds->LineLoads(2)->AddByComponents(1, 0, 0, 0, 50);
    EXPECT_DOUBLE_EQ(Cpp_Kliven4Data::MaximumLineLoad(), 10.0);
    ds->AnalysisComputationData()->SetStages(true, false);
    EXPECT_DOUBLE_EQ(Cpp_Kliven4Data::MaximumLineLoad(), 50.0);
    EXPECT_THROW(ds->LineLoads(3), Cpp_Kliven4DataSet::Exc_IllegalStage);
    Cpp_Kliven4Data::DeleteAllDataSets();
}

TEST(DataSets, ListAndCurrentDataSet) {
    Cpp_Kliven4Data::DeleteAllDataSets();
    auto* first = Cpp_Kliven4Data::CurrentDataSet();
    EXPECT_EQ(first->GetNumber(), 1);
    EXPECT_EQ(Cpp_Kliven4Data::CurrentDataSet(), first);
    auto* second = Cpp_Kliven4Data::NewDataSet(2, true);
    EXPECT_EQ(Cpp_Kliven4Data::NumberOfDataSets(), 2);
    EXPECT_EQ(Cpp_Kliven4Data::CurrentDataSet(), second);
    Cpp_Kliven4Data::SetCurrentDataSet(first);
    Cpp_Kliven4DataSet stranger(9);
    EXPECT_THROW(Cpp_Kliven4Data::SetCurrentDataSet(&stranger),
                 Cpp_Kliven4Data::Exc_IllegalDataSetToSetCurrent);
    Cpp_Kliven4Data::DeleteDataSetChain(second);
    EXPECT_EQ(Cpp_Kliven4Data::NumberOfDataSets(), 1);
    EXPECT_EQ(Cpp_Kliven4Data::CurrentDataSetOrNull(), first);
    Cpp_Kliven4Data::NewDataSet(5, false);
    EXPECT_EQ(Cpp_Kliven4Data::NumberOfDataSets(), 1);
    EXPECT_EQ(Cpp_Kliven4Data::FirstDataSet()->GetNumber(), 5);
    for (int bad : {0, 3})
        EXPECT_THROW(Cpp_Kliven4DataSet::SetCurrentStage(bad),
                     Cpp_Kliven4DataSet::Exc_IllegalStage);
    Cpp_Kliven4Data::DeleteAllDataSets();
    EXPECT_EQ(Cpp_Kliven4Data::CurrentDataSetOrNull(), nullptr);
}

}  // namespace
