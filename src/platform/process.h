#pragma once
// Starting, watching and ending other programs (the computation and result-graphics programs).

#include <filesystem>
#include <string>
#include <vector>

namespace platform {

class ProcessService {
public:
    virtual ~ProcessService() = default;
    // Starts the program with its arguments in the given working folder; returns a handle > 0,
    // or 0 when it could not be started.
    virtual int Start(const std::filesystem::path& program, const std::vector<std::string>& args,
                      const std::filesystem::path& workingDirectory) = 0;
    virtual bool IsRunning(int handle) = 0;
    virtual void Terminate(int handle) = 0;
    // Forgets a finished process and releases what was held for it.
    virtual void Release(int handle) = 0;
};

}  // namespace platform
