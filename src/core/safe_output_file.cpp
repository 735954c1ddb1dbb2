#include "core/safe_output_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string>
#include <system_error>
#include <vector>

Cpp_SafeOutputFile::~Cpp_SafeOutputFile() { Discard(); }

bool Cpp_SafeOutputFile::Open(const std::filesystem::path& requested) {
    Discard();
    reason_.clear();
    // Absolute, so that a change of the current folder while the file is open does not matter.
    std::error_code ec;
    std::filesystem::path target = std::filesystem::absolute(requested, ec);
    if (ec) target = requested;
    std::filesystem::path folder = target.parent_path();
    if (folder.empty()) folder = ".";
    std::string pattern = (folder / ("." + target.filename().string() + ".XXXXXX")).string();
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    int fd = ::mkstemp(name.data());
    if (fd < 0) {
        reason_ = std::strerror(errno);
        return false;
    }
    ::fchmod(
        fd, 0644 & ~[] {
            mode_t m = ::umask(0);
            ::umask(m);
            return m;
        }());
    file_ = ::fdopen(fd, "w");
    if (file_ == nullptr) {
        reason_ = std::strerror(errno);
        ::close(fd);
        ::unlink(name.data());
        return false;
    }
    constexpr std::size_t kBufferSize = 1 << 20;
    if (!buffer_) buffer_ = std::make_unique<char[]>(kBufferSize);
    std::setvbuf(file_, buffer_.get(), _IOFBF, kBufferSize);
    target_ = target;
    temp_ = name.data();
    return true;
}

bool Cpp_SafeOutputFile::Commit() {
    if (file_ == nullptr) {
        if (reason_.empty()) reason_ = "the file is not open";
        return false;
    }
    errno = 0;
    bool ok = std::fflush(file_) == 0 && !std::ferror(file_);
    if (!ok) reason_ = errno ? std::strerror(errno) : "the text could not be written";
    errno = 0;
    if (std::fclose(file_) != 0 && ok) {
        reason_ = errno ? std::strerror(errno) : "the file could not be closed";
        ok = false;
    }
    file_ = nullptr;
    if (ok) {
        std::error_code ec;
        std::filesystem::rename(temp_, target_, ec);
        ok = !ec;
        if (ec) reason_ = ec.message();
    }
    if (!ok) {
        std::error_code ec;
        std::filesystem::remove(temp_, ec);
    }
    temp_.clear();
    return ok;
}

void Cpp_SafeOutputFile::Discard() {
    if (file_ != nullptr) {
        std::fclose(file_);
        file_ = nullptr;
    }
    if (!temp_.empty()) {
        std::error_code ec;
        std::filesystem::remove(temp_, ec);
        temp_.clear();
    }
}
