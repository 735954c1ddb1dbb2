#pragma once
// The window under a grid, as the grid's model sees it: its client size, scroll bars, repaints,
// in-place editors, title tip, timer and cursor. The widget implements it; a grid without a
// window (tests of the model alone) behaves as one whose window does not exist yet.

#include "gridctrl/grid_painter.h"
#include "gridctrl/grid_types.h"

#include <string>
#include <vector>

namespace gridctrl {

// An open in-place editor. It reports its end to the grid (CGridCtrl::OnEndInPlaceEdit) once.
class InPlaceEditor {
public:
    virtual ~InPlaceEditor() = default;
    // Ends the edit now: the text goes to the grid and the editor closes.
    virtual void EndEdit() = 0;
    // Feeds one more typed character to the open editor.
    virtual void SendChar(unsigned ch) = 0;
    // Whether the text can be typed into (an edit field, or an editable list).
    virtual bool IsTextEdit() const = 0;
    // Inserts text at the caret (a paste into the editor).
    virtual void Paste(const std::string& text) = 0;
};

struct TextEditorRequest {
    int row = 0;
    int col = 0;
    DeviceRect rect;      // the cell's rectangle, inclusive edges
    unsigned format = 0;  // the cell's format: its alignment is the editor's
    std::string text;
    unsigned firstChar = 0;
    Font font;
};

struct ListEditorRequest {
    int row = 0;
    int col = 0;
    DeviceRect rect;
    bool editable = true;  // an editable drop-down (style 2) or a drop-down list (style 3)
    std::vector<std::string> options;
    std::string text;
    unsigned firstChar = 0;
    Font font;
};

struct TitleTipRequest {
    DeviceRect rect;  // the cell's rectangle in the grid's client coordinates
    std::string text;
    int xOffset = 0;
    DeviceRect hover;  // the rectangle the pointer may move in without hiding the tip
    Font font;
    ColorRef textColour = CLR_DEFAULT;
    ColorRef backColour = CLR_DEFAULT;
};

struct ScrollBarState {
    bool horizontal = false;
    bool vertical = false;
    int hLimit = 0;  // largest position of each bar
    int vLimit = 0;
    int hPage = 0;
    int vPage = 0;
    int hPos = 0;
    int vPos = 0;
};

class GridWindow {
public:
    virtual ~GridWindow() = default;
    // The client area (without the scroll bars shown now).
    virtual int ClientWidth() const = 0;
    virtual int ClientHeight() const = 0;
    // The width of a vertical scroll bar and the height of a horizontal one.
    virtual int VScrollWidth() const = 0;
    virtual int HScrollHeight() const = 0;
    virtual void ApplyScrollBars(const ScrollBarState& state) = 0;
    virtual void Invalidate(const DeviceRect& rect) = 0;  // right and bottom excluded
    virtual void InvalidateAll() = 0;
    virtual const GridMeasurer* Measurer() const = 0;
    virtual InPlaceEditor* OpenTextEditor(const TextEditorRequest& request) = 0;
    virtual InPlaceEditor* OpenListEditor(const ListEditorRequest& request) = 0;
    virtual void ShowTitleTip(const TitleTipRequest& request) = 0;
    virtual void HideTitleTip() = 0;
    virtual void StartAutoScroll(int milliseconds) = 0;
    virtual void StopAutoScroll() = 0;
    virtual void SetCursorShape(GridCursor cursor) = 0;
    // The line shown while a row or column border is dragged; -1 hides it.
    virtual void ShowSizingLine(bool vertical, int position) = 0;
    virtual void TakeFocus() = 0;
    // The pointer in client coordinates (for the automatic scrolling).
    virtual DevicePoint PointerPosition() const = 0;
    // Enables or disables the window (a disabled grid takes no input).
    virtual void EnableWindow(bool /*enable*/) {}
    // The window that owns the grid's message boxes (the dialog), opaque here; none: the
    // active window.
    virtual void* MessageOwner() const { return nullptr; }
};

}  // namespace gridctrl
