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

}  // namespace
