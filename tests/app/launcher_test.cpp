// Starting the computation and result-graphics programs: the stand-in programs are small shell
// scripts of the test's own in a folder named as the programs directory of the preferences.

#include "app/launcher.h"
#include "core/file_io.h"
#include "core/preferences.h"
#include "platform/posix_processes.h"
#include "support/fake_services.h"
#include "support/test_support.h"

#include <chrono>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <thread>

namespace fs = std::filesystem;

namespace {

void UseProgramsDirectory(const fs::path& folder) {
    s_KlivenSettingsValues values = Cpp_KlivenSettings::Values();
    values.programsDirectory = folder.string();
    values.locatePrograms = false;
    Cpp_KlivenSettings::SetValues(values);
}

fs::path StandIn(const fs::path& folder, const std::string& name, const std::string& body) {
    const fs::path program = folder / name;
    testsupport::WriteFile(program, "#!/bin/sh\n" + body);
    ::chmod(program.c_str(), 0755);
    return program;
}

// The input path with blanks reaches the program as one argument; a second run ends the first.
TEST(Launcher, RunsTheStoredProgramWithTheWholeFileNameAndEndsAnEarlierRun) {
    testsupport::FakeServices fakes;
    testsupport::TempDir dir;
    const fs::path programs = dir.Path() / "programs";
    fs::create_directories(programs);
    const fs::path program = StandIn(programs, "kliven4", "sleep 30\n");
    UseProgramsDirectory(programs);
    const fs::path input = dir.Path() / "my slope.input-kliven";
    testsupport::WriteFile(input, "NO compute\n");

    EXPECT_TRUE(app::LaunchComputationProgram(nullptr, input));
    ASSERT_EQ(fakes.processes.starts.size(), 1u);
    EXPECT_EQ(fakes.processes.starts[0].program, program);
    EXPECT_EQ(fakes.processes.starts[0].args, std::vector<std::string>{input.string()});
    EXPECT_EQ(fakes.processes.starts[0].workingDirectory, dir.Path());
    EXPECT_EQ(app::GraphicsExchangeFile(), dir.Path() / "my slope.graphics-kliven");

    EXPECT_TRUE(app::LaunchComputationProgram(nullptr, input));
    EXPECT_EQ(fakes.processes.terminated, std::vector<int>{1});
    EXPECT_EQ(fakes.processes.released, std::vector<int>{1});
    EXPECT_EQ(fakes.processes.starts.size(), 2u);
    app::ResetLaunchState();
    Cpp_KlivenSettings::Reset();
    Cpp_FileIO::ResetForTests();
}

// A real run through the platform's processes: the stand-in writes its arguments to a file.
TEST(Launcher, TheStandInReceivesItsArgument) {
    testsupport::FakeServices fakes;
    platform::PosixProcesses processes;
    platform::Services().SetProcesses(&processes);
    testsupport::TempDir dir;
    StandIn(dir.Path(), "kliven4", "printf '%s|' \"$@\" > \"$(dirname \"$1\")/args.txt\"\n");
    UseProgramsDirectory(dir.Path());
    const fs::path input = dir.Path() / "a b.input-kliven";
    testsupport::WriteFile(input, "NO compute\n");
    EXPECT_TRUE(app::LaunchComputationProgram(nullptr, input));
    const fs::path args = dir.Path() / "args.txt";
    for (int i = 0; i < 200 && !fs::exists(args); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    EXPECT_EQ(testsupport::ReadFile(args), input.string() + "|");
    app::ResetLaunchState();
    platform::Services().SetProcesses(&fakes.processes);
    Cpp_KlivenSettings::Reset();
    Cpp_FileIO::ResetForTests();
}

TEST(Launcher, MissingFilesAndProgramsAskBeforeAnything) {
    testsupport::FakeServices fakes;
    testsupport::TempDir dir;
    UseProgramsDirectory(dir.Path() / "none");
    // No graphics exchange file yet: the question, and No ends it.
    EXPECT_FALSE(app::LaunchGraphicsProgram(nullptr));
    ASSERT_EQ(fakes.messageBoxes.requests.size(), 1u);
    EXPECT_EQ(fakes.messageBoxes.requests[0].caption, "Graphics File Not Found");
    // A missing input file.
    EXPECT_FALSE(app::LaunchComputationProgram(nullptr, dir.Path() / "missing.input-kliven"));
    EXPECT_EQ(fakes.messageBoxes.requests.back().caption, "Application Not Found");
    EXPECT_TRUE(fakes.processes.starts.empty());
    app::ResetLaunchState();
    Cpp_KlivenSettings::Reset();
}

}  // namespace
