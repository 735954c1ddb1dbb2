#pragma once
// A text file written safely: the text goes to a temporary file in the target's folder, and
// Commit() checks the stream, closes it and renames it over the target, so a failed write is
// reported and never destroys the previous file. Without Commit() (or after a failed one) the
// temporary file is removed and the target stays as it was.
//
//     Cpp_SafeOutputFile out;
//     if (!out.Open(path)) { /* report */ }
//     std::fprintf(out.File(), "HEAding follows -\n");
//     if (!out.Commit()) { /* report: the old file is intact */ }

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

class Cpp_SafeOutputFile {
public:
    Cpp_SafeOutputFile() = default;
    ~Cpp_SafeOutputFile();
    Cpp_SafeOutputFile(const Cpp_SafeOutputFile&) = delete;
    Cpp_SafeOutputFile& operator=(const Cpp_SafeOutputFile&) = delete;

    // Opens a temporary file next to target; false when it cannot be created.
    bool Open(const std::filesystem::path& target);
    std::FILE* File() const { return file_; }
    bool IsOpen() const { return file_ != nullptr; }
    const std::filesystem::path& Target() const { return target_; }
    // Flushes, checks, closes and renames over the target; true when the target now holds the
    // text. Nothing to commit (not open) is false.
    bool Commit();
    // Closes and removes the temporary file; the target is untouched.
    void Discard();
    // Why the last Open or Commit failed, in the system's words ("Permission denied"); empty
    // after a success.
    const std::string& FailureReason() const { return reason_; }

private:
    std::string reason_;
    std::FILE* file_ = nullptr;
    std::filesystem::path target_;
    std::filesystem::path temp_;
    // The stream's buffer: big enough that a listing or document of many megabytes goes to the
    // system in few writes.
    std::unique_ptr<char[]> buffer_;
};
