#include "dialogs/table_grid.h"

#include "core/preferences.h"
#include "core/text_formats.h"

#include <memory>

namespace dialogs {

gridctrl::GridCtrlWidget* MakeTableWidget(QWidget* parent, gridctrl::CGridCtrlKDX*& grid) {
    auto table = std::make_unique<gridctrl::CGridCtrlKDX>();
    grid = table.get();
    auto* widget = new gridctrl::GridCtrlWidget(parent, std::move(table));
    widget->setObjectName("table");
    return widget;
}

std::string FixedFormat(int decimals) {
    std::string format;
    Cpp_Strings::MakeNumberFormat(1, 1, decimals, format);
    return format;
}

std::string CoordinateFormat() { return FixedFormat(Cpp_KlivenSettings::CoordinateDecimals()); }

std::string TitleWithUnit(const std::string& title, Quantity quantity) {
    return title + "\n(" + UnitName(quantity) + ")";
}

gridctrl::CGridColumnDescriptor DoubleColumn(const std::string& format, bool blankIsZero) {
    return {gridctrl::kDoubleColumn, blankIsZero, format};
}

}  // namespace dialogs
