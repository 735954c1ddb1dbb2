// Opening a file that is not a problem: the problem open before stays as it was, and the box
// says why the file could not be read.

#include "app/document.h"
#include "app/main_frame.h"
#include "app/frame_on_example.h"

#include <gtest/gtest.h>

#include <string>

namespace fs = std::filesystem;

namespace {

class FailedOpen : public testsupport::FrameOn<::testing::Test> {
protected:
    std::string Written() {
        fs::path written;
        EXPECT_TRUE(app::SavePreprocessorDataFile(dir.Path() / "written.preinput-kliven",
                                                  app::kDocumentExtension, written));
        return testsupport::ReadFile(written);
    }
};

// Regression: File > Open on a text file or a picture closed the problem first and left an
// empty window, and the box only named a listing. The problem, its path, title and unsaved
// changes stay; the box names the listing and gives the first message of the read.
TEST_F(FailedOpen, KeepsTheProblemAndSaysWhy) {
    OpenExample("layered_embankment.preinput-kliven");
    frame.Doc().SetModifiedFlag(true);
    const std::string before = Written();
    const QString title = frame.windowTitle();
    const std::string listingBox =
        "Unable to read input data.  Check output file for details.  Output file is named: ";
    struct Case {
        const char* name;
        std::string bytes;
        std::string box;
    } cases[] = {
        {"notes.txt", "Things to check on site\nthe toe drain\n",
         listingBox +
             "notes.preoutput-kliven\n\nKLIVEN ERROR NUMBER 1200\nUnrecognized command word: "
             "THI\nThe following line of input data was entered:\nThings to check on site"},
        {"photo.png", std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR\0\0\0\x10", 24),
         listingBox +
             "photo.preoutput-kliven\n\nKLIVEN ERROR NUMBER 1200\nUnrecognized command word: "
             "?PN\nThe following line of input data was entered:\n?PNG"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        testsupport::WriteFile(dir.Path() / c.name, c.bytes);
        fakes.messageBoxes.requests.clear();
        fakes.messageBoxes.answers = {platform::BoxResult::No};  // keep the changes unsaved
        EXPECT_FALSE(frame.FileOpen(dir.Path() / c.name));
        ASSERT_EQ(fakes.messageBoxes.Texts(),
                  (std::vector<std::string>{"Save changes to layered_embankment.preinput-kliven?",
                                            c.box}));
        EXPECT_EQ(frame.Doc().PathName(), example);
        EXPECT_TRUE(frame.Doc().IsModified());
        EXPECT_EQ(frame.windowTitle(), title);
        EXPECT_EQ(Written(), before);
        EXPECT_EQ(fs::current_path(), example.parent_path());
    }
}

}  // namespace
