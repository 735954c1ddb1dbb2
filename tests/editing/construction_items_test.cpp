#include "editing/construction_items.h"

#include <gtest/gtest.h>

#include "core/data_error_output.h"
#include "core/echo_writer.h"
#include "core/input_lines.h"
#include "core/output_table.h"
#include "core/point_xy.h"
#include "core/preferences.h"
#include "core/text_formats.h"
#include "graphics/graphics.h"
#include "graphics/prompts.h"
#include "model/data_set.h"
#include "model/data_sets.h"
#include "model/subsystem_registration.h"
#include "model/writer.h"
#include "registry/block_readers.h"
#include "registry/block_writers.h"
#include "support/test_support.h"

using namespace testsupport;

namespace {

// The example: line 1 through (0, 0) and (10, 5), one interactive circle at (5, 5)
// with the given radius 2, default decimals.
const char kExample[] =
    "CONstruction line data follow -\n"
    "     1       1 = number of lines and circles\n"
    "     1\n"
    "                      0.000000            0.000000\n"
    "                     10.000000            5.000000\n"
    "\n"
    "\n"
    "          0 = circle number\n"
    "                      5.000000            5.000000    0                 2.000000\n"
    "\n";

class ConstructionItems : public ::testing::Test {
protected:
    void SetUp() override {
        Cpp_KlivenSettings::Reset();
        DeleteAllConstructionItems();
        ClearBlockReaders();
        ClearBlockWriters();
        InitializeBlockReaders();
        RegisterConstructionBlocks();
        ResetPrompts();
    }
    void TearDown() override {
        DeleteAllConstructionItems();
        ClearBlockReaders();
        ClearBlockWriters();
        Cpp_Kliven4Data::DeleteAllDataSets();
        Cpp_DataErrorOutput::ResetForTests();
        SetOutputFile(nullptr);
        ResetPrompts();
    }
    static std::string Written() {
        std::FILE* f = FileWith("");
        EXPECT_TRUE(WriteConstructionData(f));
        std::string text = Contents(f);
        std::fclose(f);
        return text;
    }
    // Reads the block's text (after its command line); returns the reader's result.
    static bool ReadBlock(const std::string& body, std::string* rest = nullptr,
                          std::string* listingText = nullptr) {
        std::FILE* in = FileWith(body);
        std::FILE* listing = FileWith("");
        Cpp_Errors errors(listing);
        const bool ok = ReadConstructionData(in, listing, true);
        if (rest) {
            std::string line, all;
            while (ReadPhysicalLine(in, line)) all += line + "\n";
            *rest = all;
        }
        if (listingText) *listingText = Contents(listing);
        Cpp_DataErrorOutput::SetErrorFile(nullptr);
        SetOutputFile(nullptr);
        std::fclose(in);
        std::fclose(listing);
        return ok;
    }
    static void MakeExample() {
        Cpp_Line* line = GetConstructionLineList().NewLine();
        line->SetNumber(1);
        line->AddPoint(0.0, 0.0);
        line->AddPoint(10.0, 5.0);
        GetConstructionCircleList().NewCircle(5.0, 5.0, CircleGivenRadius, 2.0, 0.0);
    }
};

std::string BodyOf(const std::string& block) { return block.substr(block.find('\n') + 1); }

// The head of a "NEW LINE DATA" echo table as the listing gets it.
std::string NewLineDataHead(long table) {
    std::FILE* f = FileWith("");
    {
        Cpp_OutputTable output(f);
        Cpp_OutputTable::SetTitleLine(1, "NEW LINE DATA");
        Cpp_OutputTable::StartTable(table, 0, '*', true);
    }
    std::string text = Contents(f);
    std::fclose(f);
    return text;
}

// The listing shows each part of the block under its own "NEW LINE DATA" table: 62 before the
// construction lines, 63 before the circles.
TEST_F(ConstructionItems, EachPartOfTheEchoBeginsItsNewLineDataTable) {
    SetRunTimeText("Fri Dec 11 10:00:00 2026");
    std::string listing;
    ASSERT_TRUE(ReadBlock(BodyOf(kExample), nullptr, &listing));
    const std::string lines = NewLineDataHead(62);
    const std::string circles = NewLineDataHead(63);
    ASSERT_NE(lines.find("62"), std::string::npos);
    ASSERT_NE(lines.find("NEW LINE DATA"), std::string::npos);
    EXPECT_EQ(listing.substr(0, lines.size()), lines);
    const std::size_t at = listing.find(circles);
    ASSERT_NE(at, std::string::npos) << listing;
    const std::string lineEcho = listing.substr(lines.size(), at - lines.size());
    EXPECT_EQ(lineEcho.rfind("\n-", 0), 0u) << lineEcho;
    EXPECT_NE(lineEcho.find("Construction Line No. 1"), std::string::npos);
    EXPECT_EQ(lineEcho.find("Construction Circle Data"), std::string::npos);
    EXPECT_NE(listing.find("Construction Circle Data", at), std::string::npos);
}

TEST_F(ConstructionItems, TheBlockIsWrittenAsSpecifiedAndReadsBackByteForByte) {
    MakeExample();
    EXPECT_EQ(Written(), kExample);

    DeleteAllConstructionItems();
    ASSERT_TRUE(ReadBlock(BodyOf(kExample)));
    ASSERT_EQ(GetConstructionLineList().Count(), 1);
    ASSERT_EQ(GetConstructionCircleList().GetCount(), 1);
    EXPECT_EQ(GetConstructionCircleList().Circles()[0]->GetNumber(), 0);
    EXPECT_TRUE(GetConstructionLineList().LineAt(0)->EnteredInCurrentTable());
    EXPECT_EQ(Written(), kExample);
}

TEST_F(ConstructionItems, EveryRadiusRuleRoundTrips) {
    Cpp_ConstructionCircleList& circles = GetConstructionCircleList();
    circles.NewCircle(1.0, 2.0, CircleThroughPoint, 1.0, 2.0)->SetNumber(4);  // radius 0
    circles.NewCircle(1.0, 2.0, CircleTangentHorizontal, 5.0, 0.0);
    circles.NewCircle(1.0, 2.0, CircleTangentHorizontal, -1.0, 0.0);
    circles.NewCircle(1.0, 2.0, CircleTangentVertical, -2.5, 0.0);
    EXPECT_DOUBLE_EQ(circles.Circles()[1]->GetRadius(), 3.0);
    EXPECT_DOUBLE_EQ(circles.Circles()[2]->GetRadius(), 3.0);
    EXPECT_DOUBLE_EQ(circles.Circles()[3]->GetRadius(), 3.5);

    const std::string text = Written();
    // Circles only: line count 0, no line part.
    const std::string head = "CONstruction line data follow -\n"
                             "     0       4 = number of lines and circles\n"
                             "          4 = circle number\n";
    EXPECT_EQ(text.substr(0, head.size()), head);
    DeleteAllConstructionItems();
    ASSERT_TRUE(ReadBlock(BodyOf(text)));
    EXPECT_EQ(GetConstructionLineList().Count(), 0);
    ASSERT_EQ(circles.GetCount(), 4);
    EXPECT_DOUBLE_EQ(circles.Circles()[0]->GetRadius(), 0.0);
    EXPECT_EQ(Written(), text);
}

TEST_F(ConstructionItems, EmptyListsWriteNothing) { EXPECT_EQ(Written(), ""); }

TEST_F(ConstructionItems, AnUndefinedCircleIsLeftOutWithANoticeAndTheRestReadsBack) {
    MakeExample();
    GetConstructionCircleList().NewCircle(7.0, 7.0, CircleUndefined, 0.0, 0.0);
    EXPECT_EQ(Written(), kExample);
    EXPECT_EQ(GetStatusText(), "1 construction circle(s) without a radius rule were not saved.");

    DeleteAllConstructionItems();
    ASSERT_TRUE(ReadBlock(BodyOf(kExample)));
    EXPECT_EQ(GetConstructionCircleList().GetCount(), 1);
}

TEST_F(ConstructionItems, LinesKeepTheNumbersOfTheFileAndCountsOnlyChooseParts) {
    // The count says 1, the part holds 3 lines; a line 0 and a line -4 keep their numbers, so
    // that the saved document reads back as the same lines.
    const std::string body = "1 0\n"
                             "0\n1 1\n\n"
                             "2\n2 2  3 3\n\n"
                             "-4\n4 4\n\n"
                             "\n";
    ASSERT_TRUE(ReadBlock(body));
    const Cpp_ConstructionLineList& lines = GetConstructionLineList();
    ASSERT_EQ(lines.Count(), 3);
    EXPECT_EQ(lines.LineAt(0)->GetNumber(), 0);
    EXPECT_EQ(lines.LineAt(1)->GetNumber(), 2);
    EXPECT_EQ(lines.LineAt(2)->GetNumber(), -4);
    EXPECT_EQ(lines.LineAt(1)->FirstPoint()->Next()->Number(), 2);
    const std::string written = Written();
    EXPECT_TRUE(Has(written, "     0\n                      1.000000            1.000000\n"))
        << written;
    EXPECT_TRUE(Has(written, "     -4\n                      4.000000            4.000000\n"))
        << written;
}

// Each bad block fails, keeps what was read before the fault and is consumed to its end, so
// the line after it ("NEXT") is what the dispatcher reads next.
TEST_F(ConstructionItems, ABadBlockFailsAndIsConsumedToItsEnd) {
    struct Case {
        const char* what;
        std::string body;
        int lines, circles;
    };
    const Case cases[] = {
        {"type-1 circle with four numbers", "0 2\n1\n0 0 1 3\n2\n0 0 0 1\n\n", 0, 0},
        {"circle type out of 0..3", "0 2\n1\n0 0 0 2\n2\n0 0 4 1\n\n", 0, 1},
        {"circle type beyond int", "0 1\n1\n0 0 1e30 1\n\n", 0, 0},
        {"circle number beyond int", "0 1\n-1e12\n0 0 0 1\n\n", 0, 0},
        {"line number beyond int", "2 1\n3e10\n1 1\n\n5\n2 2\n\n\n1\n0 0 0 1\n\n", 0, 1},
        {"odd coordinates, then a good line and a circle",
         "2 1\n1\n1 1 2\n3 3\n\n2\n4 4\n\n\n7\n0 0 0 1\n\n", 1, 1},
        {"text line among the points", "1 0\n1\n1 1\nabc\n2 2\n\n6\n1 1\n\n\n", 1, 0},
        {"text line for a line number", "1 0\n1\n1 1\n\nabc\n2 2\n\n\n", 1, 0},
        // Without the counts the block is read to its first empty line.
        {"count line with one number", "1\n1\n1 1\n\n", 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        DeleteAllConstructionItems();
        std::string rest;
        EXPECT_FALSE(ReadBlock(c.body + "NEXT\n", &rest));
        EXPECT_EQ(rest, "NEXT\n");
        EXPECT_EQ(GetConstructionLineList().Count(), c.lines);
        EXPECT_EQ(GetConstructionCircleList().GetCount(), c.circles);
    }
}

TEST_F(ConstructionItems, APointFaultIsReportedWithItsNumberedMessage) {
    std::string listing;
    EXPECT_FALSE(ReadBlock("1 0\n8\n1 1 2\n\n\n", nullptr, &listing));
    EXPECT_TRUE(Has(listing, "2020")) << listing;
    EXPECT_TRUE(Has(listing, "--------------- Construction Line No. 8  ---------------"))
        << listing;
}

TEST_F(ConstructionItems, ADocumentWithTheBlockOpensAndReadsOn) {
    const std::string text = std::string(kExample) + "FIRst stage\nCOMpute\n";
    std::FILE* in = FileWith(text);
    std::FILE* listing = FileWith("");
    Cpp_Kliven4DataSet* ds = Cpp_Kliven4Data::NewDataSet(1, false);
    ds->ResetForNewData();
    bool endFlag = false;
    EXPECT_TRUE(ds->ReadInputData(nullptr, in, listing, endFlag));  // COM reached
    EXPECT_EQ(GetConstructionLineList().Count(), 1);
    EXPECT_EQ(GetConstructionCircleList().GetCount(), 1);
    std::fclose(in);
    std::fclose(listing);
    Cpp_DataErrorOutput::SetErrorFile(nullptr);
    SetOutputFile(nullptr);

    // The document writer writes the block; the computation input never holds it.
    std::FILE* doc = FileWith("");
    std::FILE* input = FileWith("");
    WriteInputFile(*ds, true, false, doc);
    WriteInputFile(*ds, false, false, input);
    EXPECT_TRUE(Has(Contents(doc), kExample));
    EXPECT_FALSE(Has(Contents(input), "CONstruction"));
    std::fclose(doc);
    std::fclose(input);
}

}  // namespace

namespace {

TEST_F(ConstructionItems, AClickWithinFivePixelsSnapsExactlyOntoAConstructionPoint) {
    // 10 pixels per world unit: 5 pixels are half a unit.
    Cpp_Graphics::SetScaleState(0, 100, 0, 100, 0, 10, 1000, -10, 0, 100, 0, 100);
    Cpp_Line* line = GetConstructionLineList().NewLine();
    line->SetNumber(1);
    line->AddPoint(10.123, 5.456);
    EXPECT_DOUBLE_EQ(GetConstructionSnapTolerance(), 0.5);
    const struct {
        double x, y;
        bool snaps;
    } cases[] = {{10.4, 5.7, true}, {10.623, 5.456, true}, {10.7, 5.456, false}, {0, 0, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.x);
        double x = c.x, y = c.y;
        EXPECT_EQ(SnapToConstructionPoint(x, y), c.snaps);
        EXPECT_EQ(x, c.snaps ? 10.123 : c.x);
        EXPECT_EQ(y, c.snaps ? 5.456 : c.y);
    }
}

}  // namespace
