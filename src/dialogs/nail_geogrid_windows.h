#pragma once
// The windows of the nail and geogrid data, registered in NailGeogridDialogsSlot().

#include "loads/nail_geogrid_dialogs.h"

class QWidget;

namespace dialogs {

class QtNailGeogridDialogs final : public Cpp_NailGeogridDialogs {
public:
    explicit QtNailGeogridDialogs(QWidget* owner = nullptr) : owner_(owner) {}
    bool EditNailProperties(std::vector<Cpp_NailProperties>& types) override;
    bool EditNailLayouts(std::array<s_NailLayoutPage, 8>& pages,
                         const std::vector<std::string>& typeNames) override;
    bool EditGeogridProperties(s_GeogridPropertiesDialogData& data) override;
    bool EditGeogridLayouts(s_GeogridLayoutsDialogData& data) override;
    bool EditIndividualGeogrids(s_IndividualGeogridsDialogData& data) override;

private:
    QWidget* owner_;
};

}  // namespace dialogs
