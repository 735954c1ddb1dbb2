#pragma once
// A cell edited through a drop-down list of options: an editable list (style 2) or a plain
// drop-down list (style 3). It draws a drop-down button while it can be edited.

#include "gridctrl/grid_cell.h"

#include <string>
#include <vector>

namespace gridctrl {

constexpr unsigned CBS_DROPDOWN = 2;
constexpr unsigned CBS_DROPDOWNLIST = 3;

class CGridCellCombo : public CGridCell {
public:
    void SetOptions(const std::vector<std::string>& options) { options_ = options; }
    const std::vector<std::string>& GetOptions() const { return options_; }
    void SetStyle(unsigned style) { style_ = style; }
    unsigned GetStyle() const { return style_; }

    bool Edit(int row, int col, DeviceRect rect, DevicePoint point, unsigned firstChar) override;
    InPlaceEditor* GetEditWindow() const override;
    bool Draw(GridPainter& painter, int row, int col, DeviceRect rect,
              bool eraseBackground) override;
    TextSize MeasureCell(const GridMeasurer* measurer) const override;

private:
    std::vector<std::string> options_;
    unsigned style_ = CBS_DROPDOWN;
};

}  // namespace gridctrl
