#pragma once
// The entry points of the frame report what they catch through the one table of the model.

#include "model/exception_report.h"

namespace app {
using ::ReportEntryPointException;
}  // namespace app
