#pragma once
// What the table dialogs share: the grid widget that shows a data-entry table and the number
// formats of its columns.

#include "core/unit_words.h"
#include "gridctrl/grid_ctrl_kdx.h"
#include "gridctrl/grid_ctrl_widget.h"

#include <string>

class QWidget;

namespace dialogs {

// A grid widget named "table" over a data-entry table; `grid` is set to the table.
gridctrl::GridCtrlWidget* MakeTableWidget(QWidget* parent, gridctrl::CGridCtrlKDX*& grid);

// The fixed-point format of width 1 with the decimals given ("%1.3f").
std::string FixedFormat(int decimals);
// The coordinate format of the tables: fixed point with the preference's coordinate decimals.
std::string CoordinateFormat();

// A column title with the current unit word on a line of its own under it.
std::string TitleWithUnit(const std::string& title, Quantity quantity);

// A floating-point column written with the format, blanks refused or read as zero.
gridctrl::CGridColumnDescriptor DoubleColumn(const std::string& format, bool blankIsZero = false);

}  // namespace dialogs
