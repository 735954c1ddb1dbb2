#include "loads/generation_dialogs.h"

namespace {

class CancellingDialogs final : public Cpp_ReinforcementGenerationDialogs {
public:
    bool EditNailGenerationUnits(int&, int&) override { return false; }
    bool EditGeogridGenerationOptions(s_GeogridGenerationOptions&) override { return false; }
    bool ChooseXValue(const std::vector<double>&, int&) override { return false; }
};

}  // namespace

DialogSlot<Cpp_ReinforcementGenerationDialogs>& ReinforcementGenerationDialogsSlot() {
    static DialogSlot<Cpp_ReinforcementGenerationDialogs> slot(
        "reinforcement generation dialogs", std::make_unique<CancellingDialogs>());
    return slot;
}

Cpp_ReinforcementGenerationDialogs& ReinforcementGenerationDialogs() {
    return ReinforcementGenerationDialogsSlot().Get();
}
