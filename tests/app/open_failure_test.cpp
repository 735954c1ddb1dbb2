// Opening a file that is not a problem: the problem open before stays as it was, and the box
// says why the file could not be read.

#include "app/document.h"
#include "app/frame_on_example.h"
#include "app/main_frame.h"

#include "platform/progress.h"
#include "platform/qt/qt_progress.h"
#include "platform/services.h"

#include <QProgressBar>
#include <gtest/gtest.h>

#include <algorithm>

#include <cstdint>
#include <string>
#include <vector>

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

// The frame's progress control as a stand-in that asks to stop after two steps.
class StoppingProgress final : public platform::ProgressService {
public:
    void Begin(const std::string&, std::int64_t) override { ++begins, active = true; }
    void Step(std::int64_t done) override { steps.push_back(done); }
    void End() override { active = false; }
    bool CancelRequested() const override { return steps.size() >= 2; }
    bool IsActive() const override { return active; }
    int begins = 0;
    std::vector<std::int64_t> steps;
    bool active = false;
};

// A read stopped in the progress control (Escape) is a failed read that says it was cancelled:
// the problem open before keeps its data, path, title and unsaved changes, and no box comes but
// the question about the unsaved changes.
TEST_F(FailedOpen, AStoppedReadKeepsTheProblem) {
    OpenExample("layered_embankment.preinput-kliven");
    frame.Doc().SetModifiedFlag(true);
    const std::string before = Written();
    const QString title = frame.windowTitle();
    std::string big = "HEAding follows -\nBig\n\n";
    for (int i = 0; i < 20000; ++i) big += "// note " + std::to_string(i) + "\n";
    testsupport::WriteFile(dir.Path() / "big.preinput-kliven", big + "NO compute\n");
    StoppingProgress progress;
    platform::Services().SetProgress(&progress);
    fakes.messageBoxes.requests.clear();
    fakes.messageBoxes.answers = {platform::BoxResult::No};  // keep the changes unsaved
    const bool opened = frame.FileOpen(dir.Path() / "big.preinput-kliven");
    platform::Services().SetProgress(nullptr);
    EXPECT_FALSE(opened);
    EXPECT_EQ(fakes.messageBoxes.Texts(),
              std::vector<std::string>{"Save changes to layered_embankment.preinput-kliven?"});
    EXPECT_EQ(progress.begins, 1);  // the problem read back shows none
    EXPECT_EQ(progress.steps.size(), 2u);
    EXPECT_FALSE(progress.active);
    EXPECT_EQ(fakes.statusLine.Text(), "Reading cancelled.");
    EXPECT_EQ(frame.Doc().PathName(), example);
    EXPECT_TRUE(frame.Doc().IsModified());
    EXPECT_EQ(frame.windowTitle(), title);
    EXPECT_EQ(Written(), before);
    EXPECT_EQ(fs::current_path(), example.parent_path());
}

// A read moves the frame's own progress control forward and hides it at the end.
TEST_F(FailedOpen, AReadMovesTheFramesProgressControl) {
    std::string big = "HEAding follows -\nBig\n\n";
    for (int i = 0; i < 20000; ++i) big += "// note " + std::to_string(i) + "\n";
    testsupport::WriteFile(dir.Path() / "big.preinput-kliven", big + "NO compute\n");
    platform::qt::QtProgress& progress = frame.Progress();
    ASSERT_NE(progress.Control(), nullptr);
    std::vector<int> values;
    QObject::connect(progress.Control(), &QProgressBar::valueChanged,
                     [&](int value) { values.push_back(value); });
    platform::Services().SetProgress(&progress);
    const bool opened = frame.FileOpen(dir.Path() / "big.preinput-kliven");
    platform::Services().SetProgress(nullptr);
    EXPECT_TRUE(opened);
    ASSERT_GE(values.size(), 4u);
    EXPECT_TRUE(std::is_sorted(values.begin(), values.end()));
    EXPECT_GT(values.back(), 50);
    EXPECT_LE(values.back(), 100);
    EXPECT_FALSE(progress.IsActive());
    EXPECT_FALSE(progress.Control()->isVisible());
    EXPECT_EQ(frame.Doc().PathName(), dir.Path() / "big.preinput-kliven");
}

}  // namespace
