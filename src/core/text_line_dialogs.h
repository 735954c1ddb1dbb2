#pragma once
// The two OK-only windows that show plain text lines: "Summary of Data" (the counts of the data
// set's blocks) and "Information on Selected Item" (what a picked item has to say). The lines
// are shown in the order given, as many as there are.

#include "core/dialog_slot.h"

#include <string>
#include <vector>

class Cpp_TextLineDialogs {
public:
    virtual ~Cpp_TextLineDialogs() = default;
    virtual void ShowSummary(const std::vector<std::string>& lines) = 0;
    virtual void ShowInformation(const std::vector<std::string>& lines) = 0;
};

// The registered windows; the stand-in shows nothing.
DialogSlot<Cpp_TextLineDialogs>& TextLineDialogsSlot();
