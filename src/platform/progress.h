#pragma once
// The progress control of the main frame: a long task (reading a big file, say) shows how far
// it has come and asks now and then whether the user wants it to stop (Escape).
//
// Begin, then Step as often as is convenient (the control redraws only when the percentage
// changes), then End. ProgressScope pairs Begin and End, so a task that throws still hides the
// control. Without a registered control the stand-in shows nothing and is never cancelled.

#include <cstdint>
#include <string>

namespace platform {

class ProgressService {
public:
    virtual ~ProgressService() = default;
    // Shows the control at 0 of total steps (a total below 1 counts as 1) with a short text.
    virtual void Begin(const std::string& text, std::int64_t total) = 0;
    // Done steps out of the total given to Begin (clamped to the total).
    virtual void Step(std::int64_t done) = 0;
    // Hides the control; the cancel request is forgotten.
    virtual void End() = 0;
    // True once the user asked to stop the task begun last.
    virtual bool CancelRequested() const = 0;
    virtual bool IsActive() const = 0;
};

// The percentage of done steps out of total, clamped to 0..100 (0 for an empty total).
int ProgressPercent(std::int64_t done, std::int64_t total);

// Begin on construction, End on destruction, through the registered control.
class ProgressScope {
public:
    ProgressScope(const std::string& text, std::int64_t total);
    ~ProgressScope();
    ProgressScope(const ProgressScope&) = delete;
    ProgressScope& operator=(const ProgressScope&) = delete;

    void Step(std::int64_t done);
};

}  // namespace platform
