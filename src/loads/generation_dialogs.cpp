#include "loads/generation_dialogs.h"

namespace {

class CancellingDialogs final : public Cpp_ReinforcementGenerationDialogs {
public:
    bool EditNailGenerationUnits(int&, int&) override { return false; }
    bool EditGeogridGenerationOptions(s_GeogridGenerationOptions&) override { return false; }
    bool ChooseXValue(const std::vector<double>&, int&) override { return false; }
};

Cpp_ReinforcementGenerationDialogs* registered = nullptr;

}  // namespace

Cpp_ReinforcementGenerationDialogs& ReinforcementGenerationDialogs() {
    static CancellingDialogs standIn;
    return registered ? *registered : standIn;
}

void SetReinforcementGenerationDialogs(Cpp_ReinforcementGenerationDialogs* dialogs) {
    registered = dialogs;
}
