#pragma once
// printf-style formatting onto the end of a text, in the C locale's number format.

#include <string>

namespace loads {

#if defined(__GNUC__)
__attribute__((format(printf, 2, 3)))
#endif
void AppendFormat(std::string& out, const char* format, ...);

#if defined(__GNUC__)
__attribute__((format(printf, 1, 2)))
#endif
std::string Format(const char* format, ...);

}  // namespace loads
