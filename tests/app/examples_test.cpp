// Every sample problem under examples/ is read, written back and read again without loss, and
// the program opens one, saves it under a new name and reopens it with the same data.

#include "app/document.h"
#include "app/draw_view.h"
#include "app/main_frame.h"
#include "core/file_io.h"
#include "model/data_sets.h"
#include "model/writer.h"
#include "support/fake_services.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace {

// The document text the current data set writes.
std::string DocumentText(const fs::path& folder, const std::string& name) {
    fs::path written;
    EXPECT_TRUE(app::SavePreprocessorDataFile(folder / name, app::kDocumentExtension, written));
    return testsupport::ReadFile(written);
}

TEST(Examples, EveryExampleReadsAndWritesBackUnchanged) {
    testsupport::FakeServices fakes;
    testsupport::TempDir dir;
    int count = 0;
    for (const auto& entry : fs::directory_iterator(testsupport::ExamplesDir())) {
        if (entry.path().extension() != app::kDocumentExtension) continue;
        ++count;
        SCOPED_TRACE(entry.path().string());
        // Read from a copy, so the listing and "Error.log" stay out of examples/.
        const fs::path copy = dir.Path() / entry.path().filename();
        fs::copy_file(entry.path(), copy, fs::copy_options::overwrite_existing);
        ASSERT_TRUE(app::ReadProblemFile(nullptr, copy));
        // Nothing was cut or repaired on reading (heading lines fit their 78 characters).
        fs::path listing = copy;
        listing.replace_extension(".preoutput-kliven");
        ASSERT_TRUE(fs::exists(listing));
        EXPECT_FALSE(testsupport::Has(testsupport::ReadFile(listing), "NOTE: "));
        const std::string first = DocumentText(dir.Path(), "first");
        ASSERT_TRUE(app::ReadProblemFile(nullptr, dir.Path() / "first.preinput-kliven"));
        EXPECT_EQ(DocumentText(dir.Path(), "second"), first);
    }
    EXPECT_GE(count, 1);
    Cpp_FileIO::ResetForTests();
}

// Regression: a number too wide for its fixed-width field ran into its neighbour, so a point read
// back as another one or the block no longer read at all. Each case widens one number of an
// example; the saved document must read back as the same data.
TEST(Examples, NumbersWiderThanTheirFieldsReadBackAsTheSameNumbers) {
    testsupport::FakeServices fakes;
    testsupport::TempDir dir;
    struct Case {
        const char* example;
        const char* from;
        const char* to;
        const char* written;  // the widened number as the first save writes it
    };
    for (const Case& c : std::vector<Case>{
             {"loaded_embankment", "                    100.000000            4.000000\n",
              "100 -10000000000000\n", " -10000000000000.000000\n"},
             {"loaded_embankment", "70 25 200 50", "70 10000000000000 -10000000000000 50",
              " 10000000000000.000000 -10000000000000.0"},
             {"loaded_embankment", "  1 10 40 0 -2000 1", "  1 -10000000000000 40 0 -2000 1",
              " -10000000000000.00"},
             {"loaded_embankment", "8 26 4000 0", "8 -10000000000000 4000 0",
              " -10000000000000.00"},
             {"loaded_embankment", "     40.0     28.0     25.227",
              "     40.0     -10000000000000     25.227", " -10000000000000."},
             {"interpolated_pressures", "0 28 60 28 160 34", "0 28 60 28 -10000000000000 34",
              " -10000000000000.000000           34.000000\n"},
             {"interpolated_pressures", "0 22 374.4\n", "0 22 -10000000000000\n",
              " -10000000000000.0"}}) {
        SCOPED_TRACE(std::string(c.example) + ": " + c.to);
        std::string text = testsupport::ReadFile(testsupport::ExamplesDir() /
                                                 (std::string(c.example) + ".preinput-kliven"));
        const auto at = text.find(c.from);
        ASSERT_NE(at, std::string::npos);
        text.replace(at, std::string(c.from).size(), c.to);
        const fs::path copy = dir.Path() / "widened.preinput-kliven";
        testsupport::WriteFile(copy, text);
        ASSERT_TRUE(app::ReadProblemFile(nullptr, copy));
        const std::string first = DocumentText(dir.Path(), "first");
        EXPECT_TRUE(testsupport::Has(first, c.written)) << first;
        ASSERT_TRUE(app::ReadProblemFile(nullptr, dir.Path() / "first.preinput-kliven"));
        EXPECT_EQ(DocumentText(dir.Path(), "second"), first);
    }
    Cpp_FileIO::ResetForTests();
}

TEST(Examples, TheProgramOpensSavesAsAndReopensAnExample) {
    testsupport::FakeServices fakes;
    testsupport::TempDir dir;
    const fs::path example = dir.Path() / "embankment.preinput-kliven";
    fs::copy_file(testsupport::ExamplesDir() / "embankment.preinput-kliven", example);
    app::MainFrame frame;
    ASSERT_TRUE(frame.FileOpen(example));
    EXPECT_EQ(frame.Doc().PathName(), example);
    EXPECT_FALSE(frame.Doc().IsModified());
    // The listing is written beside the file that was read.
    EXPECT_TRUE(fs::exists(dir.Path() / "embankment.preoutput-kliven"));
    const std::string heading =
        *Cpp_Kliven4Data::CurrentDataSet()->HeadingAddress()->FirstNonBlankLine();

    frame.Doc().SetModifiedFlag(true);
    ASSERT_TRUE(frame.FileSaveAs(dir.Path() / "copy"));
    const fs::path copy = dir.Path() / "copy.preinput-kliven";
    EXPECT_EQ(frame.Doc().PathName(), copy);
    EXPECT_FALSE(frame.Doc().IsModified());
    EXPECT_EQ(Cpp_FileIO::GetComputationInputFileName(), dir.Path() / "copy.input-kliven");
    EXPECT_EQ(frame.RecentFiles().front(), copy);
    const std::string saved = testsupport::ReadFile(copy);
    EXPECT_EQ(saved.rfind("VIEw data follow -", 0), 0u) << saved;

    ASSERT_TRUE(frame.FileNew());
    EXPECT_EQ(Cpp_Kliven4Data::CurrentDataSetOrNull(), nullptr);
    ASSERT_TRUE(frame.FileOpen(copy));
    EXPECT_EQ(*Cpp_Kliven4Data::CurrentDataSet()->HeadingAddress()->FirstNonBlankLine(), heading);
    fs::path again;
    ASSERT_TRUE(
        app::SavePreprocessorDataFile(dir.Path() / "again", app::kDocumentExtension, again));
    EXPECT_EQ(testsupport::ReadFile(again), saved);
    Cpp_FileIO::ResetForTests();
}

}  // namespace
