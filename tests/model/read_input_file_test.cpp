#include "model/read_input_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "core/data_error_output.h"
#include "core/file_io.h"
#include "model/data_sets.h"
#include "platform/progress.h"
#include "platform/services.h"
#include "registry/block_readers.h"
#include "support/fake_services.h"
#include "support/test_support.h"

namespace fs = std::filesystem;

namespace {

class ReadInputFileTest : public ::testing::Test {
protected:
    void SetUp() override { old_ = fs::current_path(); }
    void TearDown() override {
        fs::current_path(old_);
        Cpp_FileIO::ResetForTests();
        Cpp_DataErrorOutput::ResetForTests();
        Cpp_Kliven4Data::DeleteAllDataSets();
        ClearBlockReaders();
    }
    testsupport::TempDir dir_;
    testsupport::FakeServices fakes_;
    fs::path old_;
};

TEST_F(ReadInputFileTest, ReadsIntoDataSet1AndLeavesACompleteListingBesideTheFile) {
    fs::create_directory(dir_.Path() / "sub");
    fs::path file = dir_.Path() / "sub" / "slope.preinput-kliven";
    testsupport::WriteFile(file, "HEAding follows -\r\nTitle line\r\n\r\nNO compute\r\n");
    ASSERT_TRUE(ReadInputDataFile(nullptr, file));
    EXPECT_EQ(fs::current_path(), dir_.Path() / "sub");
    EXPECT_EQ(Cpp_Kliven4Data::NumberOfDataSets(), 1);
    auto* ds = Cpp_Kliven4Data::CurrentDataSet();
    EXPECT_EQ(ds->GetNumber(), 1);
    EXPECT_EQ(ds->Heading().Lines(), std::vector<std::string>{"Title line"});
    EXPECT_EQ(testsupport::ReadFile(dir_.Path() / "sub" / "slope.preoutput-kliven"),
              "\nXXXXXXXXXX NO COMPUTATIONS FOR THESE DATA XXXXXXXXXX\n");
    EXPECT_TRUE(fakes_.messageBoxes.requests.empty());
}

// The box names the listing and gives the first message of the read as the reason.
TEST_F(ReadInputFileTest, AFailedReadIsReportedAndNamesTheListing) {
    fs::path file = dir_.Path() / "bad.preinput-kliven";
    testsupport::WriteFile(file, "PROfile lines\n1 0 0\n\nCOMpute\n");
    EXPECT_FALSE(ReadInputDataFile(nullptr, file));
    ASSERT_EQ(fakes_.messageBoxes.requests.size(), 1u);
    EXPECT_EQ(fakes_.messageBoxes.requests[0].text,
              "Unable to read input data.  Check output file for details.  Output file is "
              "named: bad.preoutput-kliven\n\nKLIVEN ERROR NUMBER 2100\nERROR IN PROFILE LINE "
              "INPUT DATA.\nBad line of data to terminate all profile line data - blank line "
              "required.\nData end with 2 blank lines: One to terminate the current line, the "
              "other\nblank line to designate the end of all profile line data\nThe following "
              "line of input data was entered:\nCOMpute");
    std::string listing = testsupport::ReadFile(dir_.Path() / "bad.preoutput-kliven");
    EXPECT_NE(listing.find("The end-of-file was reached in the input file while looking for "
                           "another set of data.\n"),
              std::string::npos);
}

TEST_F(ReadInputFileTest, AMissingFileKeepsTheDataThatWereThere) {
    auto* ds = Cpp_Kliven4Data::NewDataSet(1, false);
    ds->HeadingAddress()->AddLine("kept");
    EXPECT_FALSE(ReadInputDataFile(nullptr, dir_.Path() / "missing.preinput-kliven"));
    EXPECT_EQ(Cpp_Kliven4Data::CurrentDataSet()->Heading().Lines()[0], "kept");
    EXPECT_EQ(fakes_.messageBoxes.requests.size(), 1u);
}

TEST_F(ReadInputFileTest, TheListingIsOnDiskBeforeTheFailureBoxWaits) {
    struct Boxes final : platform::MessageBoxService {
        fs::path listing;
        std::string seen;
        platform::BoxResult Show(const platform::MessageBoxRequest&) override {
            seen = testsupport::ReadFile(listing);
            return platform::BoxResult::Ok;
        }
    } boxes;
    boxes.listing = dir_.Path() / "cut.preoutput-kliven";
    platform::Services().SetMessageBoxes(&boxes);
    fs::path file = dir_.Path() / "cut.preinput-kliven";
    testsupport::WriteFile(file, "HEA\nT\n\n");
    EXPECT_FALSE(ReadInputDataFile(nullptr, file));
    platform::Services().SetMessageBoxes(&fakes_.messageBoxes);
    EXPECT_NE(boxes.seen.find("Abormal termination of input data.\n"), std::string::npos);
}

// The progress control while a file is read: shown with the file's size, moved forward to the
// file position as the lines come, hidden at the end. Asked to stop, the read ends at once,
// fails without an error box and says so on the status line.
class RecordingProgress final : public platform::ProgressService {
public:
    void Begin(const std::string& text, std::int64_t total) override {
        texts.push_back(text);
        totals.push_back(total);
        active = true;
    }
    void Step(std::int64_t done) override { steps.push_back(done); }
    void End() override {
        active = false;
        ++ends;
    }
    bool CancelRequested() const override {
        return stopAfter >= 0 && static_cast<long>(steps.size()) >= stopAfter;
    }
    bool IsActive() const override { return active; }
    std::vector<std::string> texts;
    std::vector<std::int64_t> totals;
    std::vector<std::int64_t> steps;
    bool active = false;
    int ends = 0;
    long stopAfter = -1;
};

// A heading, then many comment lines (each read and counted), then the end.
std::string ManyLines(int n) {
    std::string text = "HEAding follows -\nMany lines\n\n";
    for (int i = 0; i < n; ++i) text += "// note " + std::to_string(i) + "\n";
    return text + "NO compute\n";
}

TEST_F(ReadInputFileTest, AReadMovesTheProgressControlToTheFilePositionAndHidesItAtTheEnd) {
    RecordingProgress progress;
    platform::Services().SetProgress(&progress);
    const fs::path file = dir_.Path() / "many.preinput-kliven";
    testsupport::WriteFile(file, ManyLines(20000));
    const auto size = static_cast<std::int64_t>(fs::file_size(file));
    const bool read = ReadInputDataFile(nullptr, file);
    platform::Services().SetProgress(nullptr);
    EXPECT_TRUE(read);
    EXPECT_EQ(progress.texts, std::vector<std::string>{"Reading"});
    EXPECT_EQ(progress.totals, std::vector<std::int64_t>{size});
    ASSERT_EQ(progress.steps.size(), 4u);  // one step per 4096 lines
    EXPECT_TRUE(std::is_sorted(progress.steps.begin(), progress.steps.end()));
    EXPECT_GT(progress.steps.front(), 0);
    EXPECT_LT(progress.steps.back(), size);
    EXPECT_EQ(progress.ends, 1);
    EXPECT_FALSE(progress.active);
    EXPECT_EQ(Cpp_Kliven4Data::CurrentDataSet()->Heading().Lines(),
              std::vector<std::string>{"Many lines"});
    EXPECT_TRUE(fakes_.messageBoxes.requests.empty());
}

TEST_F(ReadInputFileTest, AReadStoppedByTheUserFailsWithoutAnErrorBox) {
    RecordingProgress progress;
    progress.stopAfter = 2;
    platform::Services().SetProgress(&progress);
    const fs::path file = dir_.Path() / "many.preinput-kliven";
    testsupport::WriteFile(file, ManyLines(20000));
    EXPECT_FALSE(ReadInputDataFile(nullptr, file));
    EXPECT_EQ(progress.steps.size(), 2u);
    EXPECT_EQ(progress.ends, 1);
    EXPECT_FALSE(progress.active);
    EXPECT_TRUE(fakes_.messageBoxes.requests.empty());
    EXPECT_EQ(fakes_.statusLine.Text(), "Reading cancelled.");
    // The next read starts afresh.
    progress.stopAfter = -1;
    testsupport::WriteFile(file, ManyLines(10));
    EXPECT_TRUE(ReadInputDataFile(nullptr, file));
    platform::Services().SetProgress(nullptr);
    EXPECT_TRUE(fakes_.messageBoxes.requests.empty());
}

}  // namespace
