#include "core/read_progress.h"

#include "platform/services.h"

std::FILE* Cpp_ReadProgress::file_ = nullptr;
unsigned Cpp_ReadProgress::lines_ = 0;
bool Cpp_ReadProgress::cancelled_ = false;

Cpp_ReadProgress::Cpp_ReadProgress(std::FILE* file, std::int64_t size) {
    file_ = file;
    lines_ = 0;
    cancelled_ = false;
    platform::Services().Progress().Begin("Reading", size);
}

Cpp_ReadProgress::~Cpp_ReadProgress() {
    file_ = nullptr;
    platform::Services().Progress().End();
}

void Cpp_ReadProgress::Step() {
    platform::ProgressService& progress = platform::Services().Progress();
    if (!cancelled_) {
        const long position = std::ftell(file_);
        if (position >= 0) progress.Step(position);
    }
    if (cancelled_ || progress.CancelRequested()) {
        cancelled_ = true;
        throw Exc_ReadCancelled();
    }
}
