#include "dialogs/nail_geogrid_windows.h"

#include "dialogs/geogrid_layouts_dialog.h"
#include "dialogs/geogrid_properties_dialog.h"
#include "dialogs/individual_geogrids_dialog.h"
#include "dialogs/nail_layout_sheet.h"
#include "dialogs/nail_properties_dialog.h"

namespace dialogs {

bool QtNailGeogridDialogs::EditNailProperties(std::vector<Cpp_NailProperties>& types) {
    NailPropertiesDialog dialog(types, owner_);
    if (dialog.exec() != QDialog::Accepted) return false;
    types = dialog.Form().Types();
    return true;
}

bool QtNailGeogridDialogs::EditNailLayouts(std::array<s_NailLayoutPage, 8>& pages,
                                           const std::vector<std::string>& typeNames) {
    std::array<s_NailLayoutPage, 8> edited = pages;
    NailLayoutSheet sheet(edited, typeNames, owner_);
    if (sheet.exec() != QDialog::Accepted) return false;
    pages = edited;
    return true;
}

bool QtNailGeogridDialogs::EditGeogridProperties(s_GeogridPropertiesDialogData& data) {
    GeogridPropertiesDialog dialog(data, owner_);
    if (dialog.exec() != QDialog::Accepted) return false;
    data.types = dialog.Form().Types();
    return true;
}

bool QtNailGeogridDialogs::EditGeogridLayouts(s_GeogridLayoutsDialogData& data) {
    GeogridLayoutsDialog dialog(data, owner_);
    if (dialog.exec() != QDialog::Accepted) return false;
    data = dialog.Data();
    return true;
}

bool QtNailGeogridDialogs::EditIndividualGeogrids(s_IndividualGeogridsDialogData& data) {
    IndividualGeogridsDialog dialog(data, owner_);
    if (dialog.exec() != QDialog::Accepted) return false;
    data.grids = dialog.Grids();
    return true;
}

}  // namespace dialogs
