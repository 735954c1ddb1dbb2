// The load and reinforcement blocks read through the data set's reader dispatcher and written
// back by the block writers.

#include <gtest/gtest.h>

#include <algorithm>

#include "core/data_error_output.h"
#include "core/echo_writer.h"
#include "loads/load_messages.h"
#include "loads_test_support.h"
#include "model/data_check.h"
#include "model/data_sets.h"
#include "model/load_blocks.h"
#include "model/subsystem_registration.h"
#include "model/writer.h"
#include "registry/block_readers.h"
#include "support/fake_services.h"

namespace {

const char kDocument[] = "NAIl data follow -\n"
                         "     1 = Number of sets of nail properties.\n"
                         "Bar 25\n"
                         "     2 1 0\n"
                         "  0 0 0 0\n"
                         "  0 0 30000 0\n"
                         "  10000 0\n"
                         "  0 0 0 0 2000 0\n"
                         "  1 1 1 1\n"
                         "     0 = Number of nail layouts.\n"
                         "     0 = Number of individual nails.\n"
                         "GEOgrid data data follow -\n"
                         "     1     0     2\n"
                         "Grid A\n"
                         "  0  0\n"
                         "  2000 0 0 0 0 0\n"
                         "  1 1 1 1 1 1 1\n"
                         "  0\n"
                         "  0.5 0 0 0\n"
                         "  1 1\n"
                         "  0 0\n"
                         "  1\n"
                         "     0 = Number of individual geogrids.\n"
                         "DIStributed load data follow -\n"
                         "  0 10 100 0   10 10 100 0\n"
                         "\n"
                         "LINe load data follow -\n"
                         "  1 5 10 0 -500 1\n"
                         "\n"
                         "REInforcement line data follow -\n"
                         "  1 0 1 Anchor\n"
                         "  0 5 100 0  20 5 0 0\n"
                         "\n"
                         "\n"
                         "SECond stage input data\n"
                         "DIStributed load data follow -\n"
                         "  2 = Piezometric line\n"
                         "COMpute\n";

class LoadBlocksInDataSet : public ::testing::Test {
protected:
    void TearDown() override {
        ClearBlockReaders();
        Cpp_Kliven4Data::DeleteAllDataSets();
        Cpp_DataErrorOutput::ResetForTests();
        SetOutputFile(nullptr);
    }
    testsupport::FakeServices fakes;
};

TEST_F(LoadBlocksInDataSet, EveryBlockReachesItsStageAndWritesBack) {
    ClearBlockReaders();
    InitializeBlockReaders();
    Cpp_Kliven4DataSet* ds = Cpp_Kliven4Data::NewDataSet(1, false);
    ds->ResetForNewData();
    TextInput in(kDocument);
    std::FILE* listing = std::tmpfile();
    bool endFlag = false;
    ASSERT_TRUE(ds->ReadInputData(nullptr, in.File(), listing, endFlag));
    std::fclose(listing);
    EXPECT_TRUE(fakes.messageBoxes.Texts().empty());

    Cpp_LoadsData& loads = ds->Loads();
    EXPECT_EQ(loads.DistributedLoads(1).Count(), 2);
    EXPECT_EQ(loads.DistributedLoads(2).PiezometricLineNumber(), 2);
    EXPECT_EQ(loads.LineLoads(1).Count(), 1);
    EXPECT_EQ(loads.LineLoads(2).Count(), 0);
    ASSERT_EQ(loads.reinforcement.Count(), 1);
    EXPECT_EQ(loads.reinforcement.ReinforcementLineAt(0)->Description(), "Anchor");
    EXPECT_EQ(loads.nails.NumberOfPropertySets(), 1);
    EXPECT_EQ(loads.geogrids.NumberOfPropertySets(), 1);
    EXPECT_EQ(loads.geogrids.layoutFacing, 2);
    EXPECT_EQ(ds->DistributedLoads(1), &loads.DistributedLoads(1));
    EXPECT_THROW(ds->LineLoads(3), Cpp_Kliven4DataSet::Exc_IllegalStage);

    const std::string stage2 =
        WrittenText([&](std::FILE* f) { WriteLoadBlocksOfStage(loads, 2, f); });
    EXPECT_EQ(stage2, "DIStributed load data follow -\n"
                      "     2 = Piezometric line for generating distributed loads\n");
    const std::string own = WrittenText([&](std::FILE* f) { WriteNailAndGeogridBlocks(loads, f); });
    EXPECT_EQ(own.rfind("NAIl data follow -\n", 0), 0u);
    EXPECT_NE(own.find("GEOgrid data data follow -\n"), std::string::npos);
    EXPECT_EQ(WrittenText([&](std::FILE* f) {
                  WriteReinforcementBlock(loads, f);
              }).rfind("REInforcement line data follow -\n     1       0.00     1 Anchor\n", 0),
              0u);

    // The document carries the nails and geogrids first and every stage's loads.
    ClearBlockWriters();
    InitializeBlockWriters();
    const std::string document =
        WrittenText([&](std::FILE* f) { WriteInputFile(*ds, true, false, f); });
    ClearBlockWriters();
    const size_t nai = document.find("NAIl data follow -\n");
    const size_t geo = document.find("GEOgrid data data follow -\n");
    const size_t dis = document.find("DIStributed load data follow -\n");
    const size_t rei = document.find("REInforcement line data follow -\n");
    const size_t sec = document.find("SECond");
    ASSERT_NE(nai, std::string::npos) << document;
    EXPECT_LT(nai, geo);
    EXPECT_LT(geo, dis);
    EXPECT_LT(dis, rei);
    EXPECT_LT(rei, sec);
    EXPECT_NE(document.find("     2 = Piezometric line for generating distributed loads\n", sec),
              std::string::npos)
        << document;

    // Clearing the data set empties the loads; a reset keeps none of the piezometric choice.
    ds->ResetForNewData();
    EXPECT_FALSE(loads.DistributedLoads(2).UsesPiezometricLine());
    ds->Clear();
    EXPECT_EQ(loads.DistributedLoads(1).Count(), 0);
    EXPECT_TRUE(loads.reinforcement.IsEmpty());
}

TEST_F(LoadBlocksInDataSet, DocumentWrittenAndReadAgainGivesTheSameText) {
    ClearBlockReaders();
    InitializeBlockReaders();
    ClearBlockWriters();
    InitializeBlockWriters();
    auto readInto = [](const std::string& text) {
        Cpp_Kliven4Data::DeleteAllDataSets();
        Cpp_Kliven4DataSet* ds = Cpp_Kliven4Data::NewDataSet(1, false);
        ds->ResetForNewData();
        TextInput in(text);
        std::FILE* listing = std::tmpfile();
        bool endFlag = false;
        EXPECT_TRUE(ds->ReadInputData(nullptr, in.File(), listing, endFlag));
        std::fclose(listing);
        return ds;
    };
    Cpp_Kliven4DataSet* first = readInto(kDocument);
    const std::string once =
        WrittenText([&](std::FILE* f) { WriteInputFile(*first, true, false, f); });
    Cpp_Kliven4DataSet* second = readInto(once);
    const std::string twice =
        WrittenText([&](std::FILE* f) { WriteInputFile(*second, true, false, f); });
    EXPECT_EQ(once, twice);
    EXPECT_EQ(second->Loads().DistributedLoads(1).Count(), 2);
    EXPECT_EQ(second->Loads().reinforcement.Count(), 1);
    EXPECT_EQ(second->Loads().nails.Properties()[0].barYieldForce.value, 30000);
    ClearBlockWriters();
}

TEST_F(LoadBlocksInDataSet, OlderFormatReadsSurchargesAndForcesAsLoads) {
    ClearBlockReaders();
    InitializeBlockReaders();
    Cpp_Kliven4DataSet* ds = Cpp_Kliven4Data::NewDataSet(1, false);
    ds->ResetForNewData();
    TextInput in("KL3\nSURface pressure data follow -\n0 10 100 0 10 10 100 0\n\n"
                 "FORce data follow -\n3 5 10 0 -500 1\n\nCOM\n");
    std::FILE* listing = std::tmpfile();
    bool endFlag = false;
    ASSERT_TRUE(ds->ReadInputData(nullptr, in.File(), listing, endFlag));
    std::fclose(listing);
    EXPECT_EQ(ds->Loads().DistributedLoads(1).Count(), 2);
    ASSERT_EQ(ds->Loads().LineLoads(1).Count(), 1);
    EXPECT_EQ(ds->Loads().LineLoads(1).Loads()[0]->number, 3);
    ds->ResetForNewData();
}

TEST_F(LoadBlocksInDataSet, TheDataCheckRunsTheLoadChecksAndCountsThem) {
    Cpp_Kliven4DataSet* ds = Cpp_Kliven4Data::NewDataSet(1, false);
    ds->Loads().LineLoads(1).AddByComponents(4, 1, 1, 5, 0);
    ds->Loads().LineLoads(1).AddByComponents(7, 1, 1, 5, 0);
    ds->Loads().reinforcement.AddNewLine(2, nullptr, 0, 1)->AddPoint(50, 60, 1, 0);
    ClearEmittedLoadMessages();
    std::FILE* listing = std::tmpfile();
    EXPECT_FALSE(CheckDataSet(*ds, 0, listing));
    std::rewind(listing);
    std::string text(65536, '\0');
    text.resize(std::fread(text.data(), 1, text.size(), listing));
    std::fclose(listing);
    std::vector<int> numbers;
    for (const auto& m : EmittedLoadMessages()) numbers.push_back(m.number);
    EXPECT_EQ(numbers, (std::vector<int>{5610, 5870}));
    const size_t banner = text.find("IN LINE LOAD DATA **********\n");
    ASSERT_NE(banner, std::string::npos) << text;
    EXPECT_LT(banner, text.find("Line loads numbers 4 and 7 (Stage 1) coincide."));
    EXPECT_LT(text.find("IN REINFORCEMENT DATA"),
              text.find("Only one point for reinforcement line number: 2"));

    // The loads widen the data set's extents; the summary counts them.
    double xmin, xmax, ymin, ymax;
    ASSERT_TRUE(DataSetExtents(*ds, xmin, xmax, ymin, ymax));
    EXPECT_EQ(xmax, 50);
    EXPECT_EQ(ymax, 60);
    const auto lines = SummaryLines(*ds);
    EXPECT_NE(std::find(lines.begin(), lines.end(), "Number of line loads: 2"), lines.end());
    EXPECT_NE(std::find(lines.begin(), lines.end(), "Number of reinforcement lines: 1"),
              lines.end());
}

}  // namespace
