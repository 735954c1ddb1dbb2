#pragma once
// Starting other programs with posix_spawn: arguments passed as they are (no shell), the
// working folder set for the child only. Handles are small integers, never process ids.

#include "platform/process.h"

#include <map>
#include <sys/types.h>
#include <vector>

namespace platform {

class PosixProcesses final : public ProcessService {
public:
    ~PosixProcesses() override;
    int Start(const std::filesystem::path& program, const std::vector<std::string>& args,
              const std::filesystem::path& workingDirectory) override;
    bool IsRunning(int handle) override;
    // Asks the program to end (SIGTERM).
    void Terminate(int handle) override;
    // Forgets the handle; a program still running is left to run and reaped when it ends.
    void Release(int handle) override;

private:
    void ReapOrphans();
    std::map<int, pid_t> children_;
    std::vector<pid_t> orphans_;
    int next_ = 1;
};

}  // namespace platform
