#include "model/point_stress_dialogs.h"

#include <memory>

namespace {

class SilentPointStressDialogs final : public Cpp_PointStressDialogs {
public:
    void RunVerticalEffectiveStress(const Cpp_Kliven4DataSet&, double, double) override {}
    void RunOverburdenPressure(const Cpp_Kliven4DataSet&, double, double) override {}
    void RunPoreWaterPressure(const Cpp_Kliven4DataSet&) override {}
};

}  // namespace

DialogSlot<Cpp_PointStressDialogs>& PointStressDialogsSlot() {
    static DialogSlot<Cpp_PointStressDialogs> slot("point-stress dialogs",
                                                   std::make_unique<SilentPointStressDialogs>());
    return slot;
}

bool ShowVerticalEffectiveStressDialog(const Cpp_Kliven4DataSet& dataSet, double x, double y) {
    PointStressDialogsSlot().Get().RunVerticalEffectiveStress(dataSet, x, y);
    return true;
}

bool ShowOverburdenPressureDialog(const Cpp_Kliven4DataSet& dataSet, double x, double y) {
    PointStressDialogsSlot().Get().RunOverburdenPressure(dataSet, x, y);
    return true;
}

bool ShowPoreWaterPressureDialog(const Cpp_Kliven4DataSet& dataSet) {
    PointStressDialogsSlot().Get().RunPoreWaterPressure(dataSet);
    return true;
}
