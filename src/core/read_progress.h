#pragma once
// The progress of reading a problem file, shown in the frame's progress control: the reader of
// the file begins it with the file, every line read anywhere (the file itself or a point file
// it names) counts, and every few thousand lines the control is moved to the file's position
// and asked whether the user wants the read to stop. A stop throws Exc_ReadCancelled out of the
// line reader, and every later line throws again, so nothing reads on; the reader of the file
// catches it, and ReadCancelled() tells the stop from an error in the data.
//
//     Cpp_ReadProgress progress(input, fileSize);   // control shown; hidden when it goes
//     try { ReadBlocks(input); } catch (const Cpp_ReadProgress::Exc_ReadCancelled&) {}
//     if (Cpp_ReadProgress::ReadCancelled()) { /* no error box: the user stopped it */ }

#include <cstdint>
#include <cstdio>

class Cpp_ReadProgress {
public:
    class Exc_ReadCancelled {};

    Cpp_ReadProgress(std::FILE* file, std::int64_t size);
    ~Cpp_ReadProgress();
    Cpp_ReadProgress(const Cpp_ReadProgress&) = delete;
    Cpp_ReadProgress& operator=(const Cpp_ReadProgress&) = delete;

    // Counts one line; on every kLinesPerStep-th, steps the control and throws when a stop was
    // asked. Once stopped, every line throws.
    static void LineRead() {
        if (file_ != nullptr && (cancelled_ || ++lines_ % kLinesPerStep == 0)) Step();
    }
    // The read begun last was stopped by the user (until the next one begins).
    static bool ReadCancelled() { return cancelled_; }

    static constexpr unsigned kLinesPerStep = 4096;

private:
    static void Step();
    static std::FILE* file_;
    static unsigned lines_;
    static bool cancelled_;
};
