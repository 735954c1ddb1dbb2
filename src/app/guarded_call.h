#pragma once
// The one wrapper around every event and command handler: whatever the handler throws is
// caught and reported here, so nothing ever reaches Qt's event loop and the program keeps
// running with the user's data intact.
//
//     app::GuardedCall("DrawingView::paintEvent", [&] { DrawEverything(dc); });

#include <string>
#include <utility>

namespace app {

// Runs the handler; true when it returned normally, false when it threw (and was reported).
template <typename F>
bool GuardedCall(const char* where, F&& handler) noexcept;

namespace detail {
// Classifies the exception in flight and reports it; call only inside a catch block.
void ReportCurrentException(const char* where) noexcept;
}  // namespace detail

template <typename F>
bool GuardedCall(const char* where, F&& handler) noexcept {
    try {
        std::forward<F>(handler)();
        return true;
    } catch (...) {
        detail::ReportCurrentException(where);
        return false;
    }
}

}  // namespace app
