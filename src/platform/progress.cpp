#include "platform/progress.h"

#include "platform/services.h"

namespace platform {

int ProgressPercent(std::int64_t done, std::int64_t total) {
    if (total <= 0 || done <= 0) return 0;
    if (done >= total) return 100;
    return static_cast<int>((done * 100) / total);
}

ProgressScope::ProgressScope(const std::string& text, std::int64_t total) {
    Services().Progress().Begin(text, total);
}

ProgressScope::~ProgressScope() { Services().Progress().End(); }

void ProgressScope::Step(std::int64_t done) { Services().Progress().Step(done); }

}  // namespace platform
