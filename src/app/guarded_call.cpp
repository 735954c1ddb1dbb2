#include "app/guarded_call.h"

#include "app/exception_report.h"
#include "platform/services.h"

#include <cstdio>

namespace app {

namespace detail {

void ReportCurrentException(const char* where) noexcept { ReportEntryPointException(where); }

}  // namespace detail

}  // namespace app
