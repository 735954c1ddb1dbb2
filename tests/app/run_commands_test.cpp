// The frame's commands that write the computation input and start the programs, check the
// data and copy the drawing, on a sample problem.

#include "app/draw_view.h"
#include "app/drawing_view.h"
#include "app/launcher.h"
#include "app/main_frame.h"
#include "core/file_io.h"
#include "core/preferences.h"
#include "support/fake_services.h"
#include "support/test_support.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

namespace fs = std::filesystem;

namespace {

TEST(RunCommands, RunKlivenWritesTheInputAndStartsTheProgramOnIt) {
    testsupport::FakeServices fakes;
    testsupport::TempDir dir;
    const fs::path programs = dir.Path() / "bin";
    fs::create_directories(programs);
    testsupport::WriteFile(programs / "kliven4", "#!/bin/sh\n");
    ::chmod((programs / "kliven4").c_str(), 0755);
    s_KlivenSettingsValues values = Cpp_KlivenSettings::Values();
    values.programsDirectory = programs.string();
    Cpp_KlivenSettings::SetValues(values);

    const fs::path example = dir.Path() / "embankment.preinput-kliven";
    fs::copy_file(testsupport::ExamplesDir() / "embankment.preinput-kliven", example);
    app::MainFrame frame;
    ASSERT_TRUE(frame.FileOpen(example));
    frame.OnCommand(32824);  // Check Data shows the log
    EXPECT_GE(fakes.dataErrors.logFiles.size(), 1u);
    frame.OnCommand(33070);  // Run KLIVEN
    const fs::path input = dir.Path() / "embankment.input-kliven";
    ASSERT_TRUE(fs::exists(input)) << platform::Services().StatusLine().Text();
    ASSERT_EQ(fakes.processes.starts.size(), 1u);
    EXPECT_EQ(fakes.processes.starts[0].program, programs / "kliven4");
    EXPECT_EQ(fakes.processes.starts[0].args, std::vector<std::string>{input.string()});
    EXPECT_EQ(app::GraphicsExchangeFile(), dir.Path() / "embankment.graphics-kliven");

    // Copy: the picture goes to the clipboard from memory.
    app::InitializeView(frame.View()->ViewWindow());
    frame.resize(800, 600);
    frame.OnCommand(57634);
    EXPECT_EQ(fakes.clipboard.copies, 1);
    EXPECT_NE(fakes.clipboard.svg.find("<svg"), std::string::npos);
    frame.Doc().SetModifiedFlag(false);
    app::ResetLaunchState();
    Cpp_KlivenSettings::Reset();
    Cpp_FileIO::ResetForTests();
}

// Regression: a computation input that could not be written was reported by nothing (Create
// KLIVEN Data File left "Ready"); the failure is told with its reason and never as "Wrote ...".
TEST(RunCommands, AnInputFileThatCannotBeWrittenIsReportedWithTheReason) {
    testsupport::FakeServices fakes;
    testsupport::TempDir dir;
    const fs::path example = dir.Path() / "embankment.preinput-kliven";
    fs::copy_file(testsupport::ExamplesDir() / "embankment.preinput-kliven", example);
    app::MainFrame frame;
    ASSERT_TRUE(frame.FileOpen(example));
    const fs::path unwritable = dir.Path() / "missing" / "run.input-kliven";
    const std::string expected = "Unable to write the KLIVEN data file " + unwritable.string() +
                                 " (No such file or directory).  The previous file, if any, was "
                                 "kept.";

    fakes.fileDialogs.saveAnswers.push_back(unwritable);
    fakes.messageBoxes.requests.clear();
    frame.OnCommand(32947);  // Create KLIVEN Data File
    ASSERT_EQ(fakes.messageBoxes.Texts(), std::vector<std::string>{expected});
    EXPECT_EQ(fakes.messageBoxes.requests[0].caption, "File I/O Error");

    Cpp_FileIO::SetComputationInputFileName(unwritable);
    fakes.messageBoxes.requests.clear();
    fakes.messageBoxes.answers.push_back(platform::BoxResult::No);
    frame.OnCommand(33070);  // Run KLIVEN writes the same name without asking
    EXPECT_EQ(fakes.messageBoxes.Texts(),
              (std::vector<std::string>{
                  expected, "Unable to create KLIVEN data file.  Would you like to look for an "
                            "existing KLIVEN data file?"}));
    EXPECT_TRUE(fakes.processes.starts.empty());
    for (const std::string& text : fakes.statusLine.history)
        EXPECT_EQ(text.rfind("Wrote ", 0), std::string::npos) << text;
    frame.Doc().SetModifiedFlag(false);
    Cpp_FileIO::ResetForTests();
}

}  // namespace
