#include "loads/load_message_output.h"

#include "core/data_error_output.h"

void OutputLoadMessage(const s_LoadMessage& m) {
    if (m.listingOnly) {
        Cpp_PrintString s;
        PrintErrorNumber(s, m.number, m.kind);
        for (const std::string& line : m.lines) s.AddString(line);
        if (m.hasInputLine) PrintInputLine(s, m.inputLine);
        s.Print(Cpp_DataErrorOutput::GetErrorFile(), 1, 0);
        return;
    }
    if (m.pendingTitle)
        Cpp_DataErrorOutput::BeginCheck(m.number, m.kind);
    else
        Cpp_DataErrorOutput::Begin(m.number, m.kind);
    for (const std::string& line : m.lines) Cpp_DataErrorOutput::AddString(line);
    if (m.hasInputLine)
        Cpp_DataErrorOutput::FinishWithInputLine(m.inputLine);
    else
        Cpp_DataErrorOutput::Finish();
}
