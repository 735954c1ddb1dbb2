#include "gridctrl/grid_cell_combo.h"

#include "gridctrl/grid_ctrl.h"

#include <algorithm>

namespace gridctrl {

namespace {

int VScrollWidth(const CGridCtrl* grid) {
    return grid && grid->Window() ? grid->Window()->VScrollWidth() : 16;
}
int HScrollHeight(const CGridCtrl* grid) {
    return grid && grid->Window() ? grid->Window()->HScrollHeight() : 16;
}

}  // namespace

bool CGridCellCombo::Edit(int row, int col, DeviceRect rect, DevicePoint, unsigned firstChar) {
    GridWindow* window = grid_ ? grid_->Window() : nullptr;
    if (!window) return true;
    ListEditorRequest request;
    request.row = row;
    request.col = col;
    request.rect = rect;
    request.editable = style_ != CBS_DROPDOWNLIST;
    request.options = options_;
    request.text = GetText();
    request.firstChar = firstChar;
    const std::optional<Font> font = GetFont();
    request.font = font ? *font : grid_->DefaultFont();
    editing_ = true;
    editWindow_ = window->OpenListEditor(request);
    if (!editWindow_) editing_ = false;
    return true;
}

InPlaceEditor* CGridCellCombo::GetEditWindow() const {
    return style_ != CBS_DROPDOWNLIST ? editWindow_ : nullptr;
}

bool CGridCellCombo::Draw(GridPainter& painter, int row, int col, DeviceRect rect,
                          bool eraseBackground) {
    CGridCtrl* grid = GetGrid();
    const int buttonWidth = VScrollWidth(grid);
    const int buttonHeight = HScrollHeight(grid);
    if (grid && grid->IsEditable() && !IsReadOnly() && !IsEditing() &&
        rect.Width() > buttonHeight && rect.Height() > buttonHeight) {
        painter.DropButton(
            {rect.right - buttonWidth, rect.top, rect.right, rect.top + buttonHeight});
        rect.right -= buttonWidth;
    }
    if (!IsEditing()) return CGridCell::Draw(painter, row, col, rect, eraseBackground);
    // While the list is open only the list shows the text.
    const std::string text = text_;
    text_.clear();
    const bool drawn = CGridCell::Draw(painter, row, col, rect, eraseBackground);
    text_ = text;
    return drawn;
}

TextSize CGridCellCombo::MeasureCell(const GridMeasurer* measurer) const {
    TextSize size = CGridCell::MeasureCell(measurer);
    size.cx += VScrollWidth(GetGrid());
    size.cy = std::max(size.cy, HScrollHeight(GetGrid()));
    return size;
}

}  // namespace gridctrl
