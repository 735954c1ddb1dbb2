#include "core/file_io.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "core/text_exception.h"
#include "support/fake_services.h"
#include "support/test_support.h"

namespace fs = std::filesystem;

namespace {

class FileIoTest : public ::testing::Test {
protected:
    void SetUp() override {
        old_ = fs::current_path();
        fs::current_path(dir_.Path());
    }
    void TearDown() override {
        Cpp_FileIO::ResetForTests();
        fs::current_path(old_);
    }
    testsupport::TempDir dir_;
    testsupport::FakeServices fakes_;
    fs::path old_;
};

TEST_F(FileIoTest, ListingIsNamedAfterTheInputFileAndCompleteWhenClosed) {
    ASSERT_TRUE(Cpp_FileIO::OpenOutputFile(""));
    EXPECT_EQ(Cpp_FileIO::GetOutputFileName(), "OUTPUT.OUT");
    ASSERT_TRUE(Cpp_FileIO::OpenOutputFile("preoutput-kliven"));
    EXPECT_EQ(Cpp_FileIO::GetOutputFileName(), "OUTPUT.preoutput-kliven");

    Cpp_FileIO::SetInputFileName(dir_.Path() / "slope.preinput-kliven");
    ASSERT_TRUE(Cpp_FileIO::OpenOutputFile("preoutput-kliven"));
    std::fputs("echo\n", Cpp_FileIO::OutputFile());
    EXPECT_TRUE(Cpp_FileIO::CloseOutputFile());
    EXPECT_EQ(Cpp_FileIO::OutputFile(), nullptr);
    EXPECT_EQ(testsupport::ReadFile(dir_.Path() / "slope.preoutput-kliven"), "echo\n");
    EXPECT_EQ(Cpp_FileIO::GetInputFileTitle(), "slope.preinput-kliven");
}

TEST_F(FileIoTest, AListingThatCannotBeWrittenIsReported) {
    SetMainWindowExists(true);
    Cpp_FileIO::SetInputFileName(dir_.Path() / "no" / "such" / "slope.preinput-kliven");
    EXPECT_FALSE(Cpp_FileIO::OpenOutputFile("preoutput-kliven"));
    SetMainWindowExists(false);
    ASSERT_EQ(fakes_.messageBoxes.requests.size(), 1u);
    EXPECT_EQ(fakes_.messageBoxes.requests[0].caption, "File I/O Error");
}

TEST_F(FileIoTest, FilesBesideTheInputFile) {
    fs::create_directory(dir_.Path() / "data");
    testsupport::WriteFile(dir_.Path() / "data" / "lines.prl", "1 2\n");
    Cpp_FileIO::SetInputFileName(dir_.Path() / "data" / "slope.preinput-kliven");
    std::FILE* f = Cpp_FileIO::OpenInInputDirectory("  other/lines.prl\n");
    ASSERT_NE(f, nullptr);
    std::fclose(f);

    fs::path exchange;
    Cpp_FileIO::GraphicsExchangeFileName(dir_.Path() / "data" / "run.input-kliven", exchange);
    EXPECT_EQ(exchange, dir_.Path() / "data" / "run.graphics-kliven");
    EXPECT_EQ(fs::current_path(), dir_.Path() / "data");
}

TEST_F(FileIoTest, DialogsAndFilters) {
    int pairs = 0;
    EXPECT_EQ(Cpp_FileIO::CheckedFilter("A|*.a|B|*.b|", "X", pairs), "A|*.a|B|*.b");
    EXPECT_EQ(pairs, 2);
    fs::path path;
    EXPECT_THROW(Cpp_FileIO::GetWindowsInputFileName(nullptr, "t", {}, "A|*.a|B|", 1, path),
                 Cpp_TextException);
    fakes_.fileDialogs.openAnswers.push_back(dir_.Path() / "x.a");
    EXPECT_TRUE(Cpp_FileIO::GetWindowsInputFileName(nullptr, "t", {}, "A|*.a|B|*.b|", 3, path));
    EXPECT_EQ(fakes_.fileDialogs.openRequests.back().filterIndex, 1);
    EXPECT_EQ(path, dir_.Path() / "x.a");

    fs::path out;
    std::FILE* f = nullptr;
    EXPECT_FALSE(Cpp_FileIO::GetDataFileName(nullptr, 5, out, f));
    EXPECT_EQ(fakes_.fileDialogs.openRequests.size(), 1u);
    EXPECT_FALSE(Cpp_FileIO::GetDataFileName(nullptr, 1, out, f));  // cancelled
    EXPECT_EQ(fakes_.fileDialogs.openRequests.back().title, "Open file for profile line data");
}

TEST_F(FileIoTest, DebugFileGoesToTheProgramDataFolderWithoutAQuestion) {
    setenv("XDG_DATA_HOME", dir_.Path().c_str(), 1);
    ASSERT_TRUE(Cpp_FileIO::OpenDebugFile());
    EXPECT_NE(Cpp_FileIO::DebugOutputFile(), nullptr);
    Cpp_FileIO::CloseDebugFile();
    unsetenv("XDG_DATA_HOME");
    EXPECT_TRUE(fs::exists(dir_.Path() / "dravonet" / "debug.out"));
    EXPECT_TRUE(fakes_.messageBoxes.requests.empty());
}

}  // namespace
