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
        const std::string first = DocumentText(dir.Path(), "first");
        ASSERT_TRUE(app::ReadProblemFile(nullptr, dir.Path() / "first.preinput-kliven"));
        EXPECT_EQ(DocumentText(dir.Path(), "second"), first);
    }
    EXPECT_GE(count, 1);
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
    const std::string heading = *Cpp_Kliven4Data::CurrentDataSet()->HeadingAddress()->FirstNonBlankLine();

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
    ASSERT_TRUE(app::SavePreprocessorDataFile(dir.Path() / "again", app::kDocumentExtension, again));
    EXPECT_EQ(testsupport::ReadFile(again), saved);
    Cpp_FileIO::ResetForTests();
}

}  // namespace
