#include "dialogs/nail_geogrid_windows.h"

#include "core/dialog_slot.h"
#include "dialogs/geogrid_layouts_dialog.h"
#include "dialogs/geogrid_properties_dialog.h"
#include "dialogs/nail_layout_sheet.h"
#include "dialogs/nail_properties_dialog.h"
#include "platform/services.h"

namespace dialogs {

namespace {

// A window of this family that is not there yet says so.
bool NotThereYet(const char* what) {
    platform::Services().StatusLine().SetText(NotAvailableText(what));
    return false;
}

}  // namespace

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

bool QtNailGeogridDialogs::EditIndividualGeogrids(s_IndividualGeogridsDialogData&) {
    return NotThereYet("Individual Geogrids");
}

}  // namespace dialogs
