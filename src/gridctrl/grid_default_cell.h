#pragma once
// One of the four default cells of a grid: the formatting every cell of its kind takes when it
// has none of its own, and the size of new rows and columns. Always read-only.

#include "gridctrl/grid_cell.h"

namespace gridctrl {

class CGridDefaultCell : public CGridCell {
public:
    CGridDefaultCell();

    void SetData(std::intptr_t) override {}
    void SetState(unsigned) override {}
    unsigned GetState() const override { return state_ | GVIS_READONLY; }
    std::optional<Font> GetFont() const override { return font_; }
    unsigned GetFormat() const override { return format_; }
    int GetMargin() const override { return margin_; }
    // The font; with a measurer also the margin (one blank), the width (" XXXXXXXXXXXX ") and
    // the height (1.5 times that text's height); without one 3, 40 and 16. Null: no change.
    void SetFont(const Font* font) override;
    void SetFont(const Font* font, const GridMeasurer* measurer);

    int GetWidth() const { return width_; }
    int GetHeight() const { return height_; }
    void SetWidth(int width) { width_ = width; }
    void SetHeight(int height) { height_ = height; }

private:
    int width_ = 30;
    int height_ = 10;
};

}  // namespace gridctrl
