#include "loads/echo_support.h"

#include "core/echo_writer.h"
#include "core/output_table.h"

namespace loads {

void StartEchoTable(std::FILE* echoFile, long number, char frame,
                    const std::vector<std::string>& titles) {
    if (!echoFile) return;
    Cpp_OutputTable table(echoFile);
    int n = 1;
    for (const std::string& t : titles) Cpp_OutputTable::SetTitleLine(n++, t);
    Cpp_OutputTable::StartTable(number, 0, frame, true);
}

void Echo(std::FILE* echoFile, const std::string& text) {
    if (echoFile) std::fputs(text.c_str(), echoFile);
}

}  // namespace loads
