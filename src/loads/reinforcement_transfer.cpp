#include "loads/reinforcement_transfer.h"

#include "loads/reinforcement_line.h"

void TransferGeneratedLines(Cpp_ReinforcementLineList& list,
                            const std::vector<s_GeneratedReinforcementLine>& lines,
                            WindowHandle parent) {
    if (lines.empty()) return;
    bool renumber = false;
    if (!list.IsEmpty()) {
        if (AskYesNo(parent, "Notice",
                     "Reinforcement line data already exist.  Do you want to delete the current "
                     "reinforcement line data before creating new ones?"))
            list.DeleteAllLines();
        else
            renumber = true;
    }
    list.AddGeneratedLines(lines, renumber);
}
