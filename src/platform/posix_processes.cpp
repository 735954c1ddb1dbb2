#include "platform/posix_processes.h"

#include <cerrno>
#include <csignal>
#include <spawn.h>
#include <sys/wait.h>

extern char** environ;

namespace platform {

namespace {
// True while the child has not ended (it is reaped when it has).
bool StillRunning(pid_t pid) {
    int status = 0;
    const pid_t r = waitpid(pid, &status, WNOHANG);
    if (r == 0) return true;
    if (r < 0 && errno == EINTR) return true;
    return false;
}
}  // namespace

PosixProcesses::~PosixProcesses() {
    // The started programs outlive the application; nothing is killed here.
}

int PosixProcesses::Start(const std::filesystem::path& program,
                          const std::vector<std::string>& args,
                          const std::filesystem::path& workingDirectory) {
    ReapOrphans();
    posix_spawn_file_actions_t actions;
    if (posix_spawn_file_actions_init(&actions) != 0) return 0;
    if (!workingDirectory.empty() &&
        posix_spawn_file_actions_addchdir_np(&actions, workingDirectory.c_str()) != 0) {
        posix_spawn_file_actions_destroy(&actions);
        return 0;
    }
    std::vector<std::string> argStrings;
    argStrings.push_back(program.string());
    argStrings.insert(argStrings.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (auto& a : argStrings) argv.push_back(a.data());
    argv.push_back(nullptr);
    pid_t pid = 0;
    // A name without a folder is looked up on the PATH.
    const bool search = program.string().find('/') == std::string::npos;
    const int rc =
        search ? posix_spawnp(&pid, program.c_str(), &actions, nullptr, argv.data(), environ)
               : posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (rc != 0) return 0;
    const int handle = next_++;
    children_[handle] = pid;
    return handle;
}

bool PosixProcesses::IsRunning(int handle) {
    auto it = children_.find(handle);
    if (it == children_.end() || it->second <= 0) return false;
    if (StillRunning(it->second)) return true;
    it->second = 0;  // reaped
    return false;
}

void PosixProcesses::Terminate(int handle) {
    auto it = children_.find(handle);
    if (it == children_.end() || it->second <= 0) return;
    if (StillRunning(it->second)) kill(it->second, SIGTERM);
}

void PosixProcesses::Release(int handle) {
    auto it = children_.find(handle);
    if (it == children_.end()) return;
    if (it->second > 0 && StillRunning(it->second)) orphans_.push_back(it->second);
    children_.erase(it);
    ReapOrphans();
}

void PosixProcesses::ReapOrphans() {
    std::erase_if(orphans_, [](pid_t pid) { return !StillRunning(pid); });
}

}  // namespace platform
