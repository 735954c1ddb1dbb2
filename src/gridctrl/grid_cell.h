#pragma once
// The cells of the grid: the base with its state flags and hooks, and the ordinary text cell.
// A cell leaves any of its colours, format, margin and font at "default", and then takes it
// from the default cell of its kind (normal, fixed row, fixed column or corner).

#include "gridctrl/grid_painter.h"
#include "gridctrl/grid_types.h"

#include <cstdint>
#include <optional>
#include <string>

namespace gridctrl {

class CGridCtrl;
class CGridDefaultCell;
class InPlaceEditor;

class CGridCellBase {
public:
    CGridCellBase() = default;
    virtual ~CGridCellBase() = default;
    CGridCellBase(const CGridCellBase&) = delete;
    CGridCellBase& operator=(const CGridCellBase&) = delete;

    virtual void SetText(const std::string& text) = 0;
    virtual void SetImage(int image) = 0;
    virtual void SetData(std::intptr_t data) = 0;
    virtual void SetState(unsigned state) { state_ = state; }
    virtual void SetFormat(unsigned format) = 0;
    virtual void SetTextColour(ColorRef colour) = 0;
    virtual void SetBackColour(ColorRef colour) = 0;
    virtual void SetFont(const Font* font) = 0;
    virtual void SetMargin(int margin) = 0;
    virtual void SetGrid(CGridCtrl* grid) = 0;
    virtual void SetPosition(int /*row*/, int /*col*/) {}

    virtual std::string GetText() const = 0;
    virtual std::string GetTitleTipText() const { return GetText(); }
    virtual int GetImage() const = 0;
    virtual std::intptr_t GetData() const = 0;
    virtual unsigned GetState() const { return state_; }
    virtual unsigned GetFormat() const = 0;
    virtual ColorRef GetTextColour() const = 0;
    virtual ColorRef GetBackColour() const = 0;
    // The cell's own font, else its default cell's; none when neither has one.
    virtual std::optional<Font> GetFont() const = 0;
    virtual CGridCtrl* GetGrid() const = 0;
    virtual InPlaceEditor* GetEditWindow() const = 0;
    virtual int GetMargin() const = 0;
    // The default cell chosen by the flags; none without a grid.
    virtual const CGridDefaultCell* GetDefaults() const;
    virtual bool HasDefaultFont() const = 0;
    virtual bool IsEditing() const = 0;

    bool IsFocused() const { return GetState() & GVIS_FOCUSED; }
    bool IsFixed() const { return GetState() & GVIS_FIXED; }
    bool IsFixedColumn() const { return GetState() & GVIS_FIXEDCOL; }
    bool IsFixedRow() const { return GetState() & GVIS_FIXEDROW; }
    bool IsSelected() const { return GetState() & GVIS_SELECTED; }
    bool IsReadOnly() const { return GetState() & GVIS_READONLY; }
    bool IsModified() const { return GetState() & GVIS_MODIFIED; }
    bool IsDropHighlighted() const { return GetState() & GVIS_DROPHILITED; }

    virtual void CopyFrom(const CGridCellBase& other);
    virtual void Reset() { state_ = 0; }

    // Draws the cell into its rectangle (inclusive edges); false when nothing was drawn.
    virtual bool Draw(GridPainter& painter, int row, int col, DeviceRect rect,
                      bool eraseBackground);
    virtual bool GetTextRect(DeviceRect&) const { return true; }
    virtual bool GetTitleTipRect(DeviceRect& rect) const { return GetTextRect(rect); }
    // The size the text needs in this cell; the default cell's size without a text or a
    // measurer.
    virtual TextSize MeasureText(const std::string* text, const GridMeasurer* measurer) const;
    virtual TextSize MeasureCell(const GridMeasurer* measurer) const;

    virtual bool Edit(int /*row*/, int /*col*/, DeviceRect /*rect*/, DevicePoint /*point*/,
                      unsigned /*firstChar*/) {
        return false;
    }
    virtual bool AcceptEdit(const std::string&) { return true; }
    virtual void StopEdit() {}
    virtual void EditEnded() {}

    virtual void MouseEntered() {}
    virtual void MouseOver() {}
    virtual void MouseLeft() {}
    virtual void Clicked(DevicePoint) {}
    virtual void ButtonDown(DevicePoint) {}
    virtual void RightClicked(DevicePoint) {}
    virtual void DoubleClicked(DevicePoint) {}
    virtual GridCursor CursorShape() const { return GridCursor::Arrow; }

protected:
    unsigned state_ = 0;
};

// The ordinary text cell.
class CGridCell : public CGridCellBase {
public:
    CGridCell() { Reset(); }

    void SetText(const std::string& text) override { text_ = text; }
    void SetImage(int image) override { image_ = image; }
    void SetData(std::intptr_t data) override { data_ = data; }
    void SetFormat(unsigned format) override { format_ = format; }
    void SetTextColour(ColorRef colour) override { textColour_ = colour; }
    void SetBackColour(ColorRef colour) override { backColour_ = colour; }
    void SetFont(const Font* font) override;
    void SetMargin(int margin) override { margin_ = margin; }
    void SetGrid(CGridCtrl* grid) override { grid_ = grid; }

    std::string GetText() const override { return text_; }
    int GetImage() const override { return image_; }
    std::intptr_t GetData() const override { return data_; }
    unsigned GetFormat() const override;
    ColorRef GetTextColour() const override { return textColour_; }
    ColorRef GetBackColour() const override { return backColour_; }
    std::optional<Font> GetFont() const override;
    CGridCtrl* GetGrid() const override { return grid_; }
    InPlaceEditor* GetEditWindow() const override { return editWindow_; }
    int GetMargin() const override;
    bool HasDefaultFont() const override { return !font_.has_value(); }
    bool IsEditing() const override { return editing_; }

    void Reset() override;
    bool Edit(int row, int col, DeviceRect rect, DevicePoint point, unsigned firstChar) override;
    void StopEdit() override;
    void EditEnded() override {
        editing_ = false;
        editWindow_ = nullptr;
    }

protected:
    std::string text_;
    std::intptr_t data_ = 0;
    int image_ = -1;
    unsigned format_ = kDefaultFormat;
    ColorRef textColour_ = CLR_DEFAULT;
    ColorRef backColour_ = CLR_DEFAULT;
    std::optional<Font> font_;
    int margin_ = -1;
    bool editing_ = false;
    CGridCtrl* grid_ = nullptr;
    InPlaceEditor* editWindow_ = nullptr;
};

}  // namespace gridctrl
