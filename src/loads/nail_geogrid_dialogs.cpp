#include "loads/nail_geogrid_dialogs.h"

namespace {

class CancellingDialogs final : public Cpp_NailGeogridDialogs {
public:
    bool EditNailProperties(std::vector<Cpp_NailProperties>&) override { return false; }
    bool EditNailLayouts(std::array<s_NailLayoutPage, 8>&,
                         const std::vector<std::string>&) override {
        return false;
    }
    bool EditGeogridProperties(s_GeogridPropertiesDialogData&) override { return false; }
    bool EditGeogridLayouts(s_GeogridLayoutsDialogData&) override { return false; }
    bool EditIndividualGeogrids(s_IndividualGeogridsDialogData&) override { return false; }
};

}  // namespace

DialogSlot<Cpp_NailGeogridDialogs>& NailGeogridDialogsSlot() {
    static DialogSlot<Cpp_NailGeogridDialogs> slot("nail and geogrid dialogs",
                                                   std::make_unique<CancellingDialogs>());
    return slot;
}

Cpp_NailGeogridDialogs& NailGeogridDialogs() { return NailGeogridDialogsSlot().Get(); }
