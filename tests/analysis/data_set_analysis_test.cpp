// The analysis block read through the data set's reader, in the current and the older format.

#include "block_fixture.h"
#include "model/data_set.h"
#include "model/subsystem_registration.h"
#include "registry/block_readers.h"

namespace {

TEST_F(AnalysisBlockTest, DataSetReadsTheBlockInBothFormats) {
    InitializeBlockReaders();
    struct Case {
        const char* text;
        int mode;
    } cases[] = {
        {"ANAlysis/computation data follow\n C S 1\n 10 20 1 0\n R\n 5\n\nCOMpute\n", 3},
        {"KL3\nANAlysis/computation data follow\n C S 2\n 10 20 1 0\n R\n 5\n\nCOMpute\n", 3},
    };
    for (const Case& c : cases) {
        Cpp_Kliven4DataSet ds(1);
        ds.ResetForNewData();
        std::FILE* in = std::tmpfile();
        std::FILE* out = std::tmpfile();
        std::fputs(c.text, in);
        std::rewind(in);
        bool end = false;
        EXPECT_TRUE(ds.ReadInputData(nullptr, in, out, end)) << FileText(out);
        EXPECT_EQ(ds.AnalysisMode(), c.mode);
        EXPECT_TRUE(ds.Analysis().HasData());
        std::fclose(in);
        std::fclose(out);
        ds.Clear();
        EXPECT_FALSE(ds.Analysis().HasData());
    }
    Cpp_Kliven4DataSet::SetOlderFormat(false);
}

}  // namespace

#include "model/writer.h"

namespace {

TEST_F(AnalysisBlockTest, WriterOfTheDataSetWritesTheAnalysisBlock) {
    InitializeBlockWriters();
    Cpp_Kliven4DataSet ds(1);
    Cpp_AnalysisComputationData& a = *ds.AnalysisComputationData();
    a.SetDataDefined(true);
    a.SetMode(1);
    a.SetCircleCenter(10, 20);
    a.SetRadius(5);
    a.SetStages(true, false);
    EXPECT_TRUE(IsMultiStage(ds));
    std::FILE* f = std::tmpfile();
    ASSERT_TRUE(WriteInputFile(ds, true, false, f));
    const std::string text = FileText(f);
    std::fclose(f);
    EXPECT_NE(text.find("ANAlysis/computation data follow\n     Circle\n"), std::string::npos)
        << text;
}

}  // namespace

#include "model/data_check.h"

namespace {

TEST_F(AnalysisBlockTest, DataCheckRunsTheAnalysisCheckUnderItsBanner) {
    Cpp_Kliven4DataSet ds(1);
    ds.AnalysisComputationData()->SetDataDefined(true);
    std::FILE* out = std::tmpfile();
    EXPECT_FALSE(CheckDataSet(ds, 0, out));
    listing_ = FileText(out);
    std::fclose(out);
    const size_t banner =
        listing_.find("********** ERROR(S) OR WARNING(S) IN ANALYSIS/COMPUTATION DATA **********");
    ASSERT_NE(banner, std::string::npos) << listing_;
    EXPECT_NE(listing_.find("KLIVEN ERROR NUMBER 7210", banner), std::string::npos) << listing_;
}

}  // namespace

#include "support/test_support.h"

namespace {

TEST_F(AnalysisBlockTest, ExampleWithACircleSearchReadsAndPassesTheCheck) {
    InitializeBlockReaders();
    Cpp_Kliven4DataSet ds(1);
    ds.ResetForNewData();
    std::FILE* in = std::fopen(
        (testsupport::ExamplesDir() / "embankment_circle_search.preinput-kliven").c_str(), "r");
    ASSERT_NE(in, nullptr);
    std::FILE* out = std::tmpfile();
    bool end = false;
    ds.ReadInputData(nullptr, in, out, end);
    std::fclose(in);
    EXPECT_EQ(ds.AnalysisMode(), 3) << FileText(out);
    EXPECT_EQ(ds.Analysis().GetCrack().GetCrackOption(), 1);
    std::FILE* check = std::tmpfile();
    EXPECT_TRUE(CheckDataSet(ds, 0, check)) << FileText(check);
    std::fclose(check);
    std::fclose(out);
}

}  // namespace

namespace {

TEST_F(AnalysisBlockTest, DataSetExtentsHoldTheAnalysisItems) {
    Cpp_Kliven4DataSet ds(1);
    Cpp_AnalysisComputationData& a = *ds.AnalysisComputationData();
    a.SetDataDefined(true);
    a.SetMode(3);
    a.SetStartCenter(60, 70);
    a.SetRadiusOption(1);
    a.SetThroughPoint(10, 5);
    double xmin = 0, xmax = 0, ymin = 0, ymax = 0;
    ASSERT_TRUE(DataSetExtents(ds, xmin, xmax, ymin, ymax));
    EXPECT_EQ(xmin, 10.0);
    EXPECT_EQ(xmax, 60.0);
    EXPECT_EQ(ymin, 5.0);
    EXPECT_EQ(ymax, 70.0);
}

}  // namespace
