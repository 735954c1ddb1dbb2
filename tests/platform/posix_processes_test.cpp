#include "platform/posix_processes.h"
#include "support/test_support.h"

#include <chrono>
#include <gtest/gtest.h>
#include <thread>

namespace {

bool WaitUntilEnded(platform::PosixProcesses& processes, int handle) {
    for (int i = 0; i < 500; ++i) {
        if (!processes.IsRunning(handle)) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return false;
}

TEST(PosixProcesses, StartsWithArgumentsInTheWorkingFolder) {
    testsupport::TempDir dir;
    platform::PosixProcesses processes;
    const int handle = processes.Start(
        "/bin/sh", {"-c", "printf '%s|%s' \"$1\" \"$(pwd)\" > out.txt", "sh", "two words"},
        dir.Path());
    ASSERT_GT(handle, 0);
    ASSERT_TRUE(WaitUntilEnded(processes, handle));
    EXPECT_EQ(testsupport::ReadFile(dir.Path() / "out.txt"),
              "two words|" + std::filesystem::canonical(dir.Path()).string());
    processes.Release(handle);
    EXPECT_FALSE(processes.IsRunning(handle));
}

TEST(PosixProcesses, RunsUntilTerminatedAndRefusesMissingPrograms) {
    platform::PosixProcesses processes;
    const int handle = processes.Start("sleep", {"30"}, {});
    ASSERT_GT(handle, 0);
    EXPECT_TRUE(processes.IsRunning(handle));
    processes.Terminate(handle);
    EXPECT_TRUE(WaitUntilEnded(processes, handle));
    processes.Release(handle);
    EXPECT_EQ(processes.Start("/nonexistent/kliven4", {}, {}), 0);
    EXPECT_EQ(processes.Start("sleep", {"1"}, "/nonexistent-folder"), 0);
}

}  // namespace
