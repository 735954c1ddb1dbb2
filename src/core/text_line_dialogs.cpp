#include "core/text_line_dialogs.h"

#include <memory>

namespace {

class SilentTextLineDialogs final : public Cpp_TextLineDialogs {
public:
    void ShowSummary(const std::vector<std::string>&) override {}
    void ShowInformation(const std::vector<std::string>&) override {}
};

}  // namespace

DialogSlot<Cpp_TextLineDialogs>& TextLineDialogsSlot() {
    static DialogSlot<Cpp_TextLineDialogs> slot("summary and information dialogs",
                                                std::make_unique<SilentTextLineDialogs>());
    return slot;
}
