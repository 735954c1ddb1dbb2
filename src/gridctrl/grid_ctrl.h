#pragma once
// The grid control's model: a rectangle of cells in rows and columns whose first rows and
// columns can be fixed (headings that do not scroll), per-row heights and per-column widths,
// a selection, a focus cell, in-place editing, clipboard text and a drop target that refuses
// drops. It never prints and never sorts.
//
// The model holds no toolkit type. It reaches its window through GridWindow (the widget
// GridCtrlWidget, or none in tests of the model alone) and reports to its owner through
// GridOwner. The member functions are split over files by concern: counts and items
// (grid_ctrl.cpp), geometry and scrolling (grid_geometry.cpp), painting (grid_painting.cpp),
// selection and focus (grid_selection.cpp), editing (grid_editing.cpp), clipboard and drop
// target (grid_clipboard.cpp), keys (grid_keys.cpp) and mouse (grid_mouse.cpp).

#include "gridctrl/cell_set.h"
#include "gridctrl/grid_cell.h"
#include "gridctrl/grid_cell_factory.h"
#include "gridctrl/grid_default_cell.h"
#include "gridctrl/grid_owner.h"
#include "gridctrl/grid_painter.h"
#include "gridctrl/grid_types.h"
#include "gridctrl/grid_window.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace gridctrl {

// The mouse interaction in progress.
enum class MouseMode {
    None,
    OverRowBorder,
    OverColumnBorder,
    SizingRow,
    SizingColumn,
    PrepareEdit,
    PrepareDrag,
    SelectAll,
    SelectColumns,
    SelectRows,
    SelectCells,
};

class CGridCtrl {
public:
    // The id of the in-place editors.
    static constexpr unsigned kInPlaceControlId = 8;
    // The automatic-scroll timer.
    static constexpr unsigned kAutoScrollTimerId = 513;

    CGridCtrl(int rows = 0, int columns = 0, int fixedRows = 0, int fixedColumns = 0);
    virtual ~CGridCtrl();
    CGridCtrl(const CGridCtrl&) = delete;
    CGridCtrl& operator=(const CGridCtrl&) = delete;

    // The window and the owner (either may be none).
    void AttachWindow(GridWindow* window);
    GridWindow* Window() const { return window_; }
    void SetOwner(GridOwner* owner) { owner_ = owner; }
    GridOwner* Owner() const { return owner_; }

    // ---- Cells
    CGridCellBase* GetCell(int row, int col) const;
    const CGridDefaultCell* GetDefaultCell(bool fixedRow, bool fixedCol) const;
    CGridDefaultCell* GetDefaultCell(bool fixedRow, bool fixedCol);
    bool IsCellFixed(int row, int col) const { return row < fixedRows_ || col < fixedCols_; }
    TextSize GetTextExtent(int row, int col, const std::string& text) const;
    // The class of the cells the grid makes; CGridCell by default.
    void SetDefaultCellType(CellFactory factory) { cellFactory_ = std::move(factory); }
    virtual std::unique_ptr<CGridCellBase> CreateCellObject(int row, int col);
    virtual void DestroyCellObject(int row, int col);
    // Puts a cell object in place of the old one, which goes; false outside the grid.
    bool SetCell(int row, int col, std::unique_ptr<CGridCellBase> cell);
    // Replaces the cell by one of another class that takes over its contents.
    bool SetCellType(int row, int col, const CellFactory& factory);

    // ---- Counts, rows and sizes
    int GetRowCount() const { return static_cast<int>(rowHeights_.size()); }
    int GetColumnCount() const { return static_cast<int>(colWidths_.size()); }
    int GetFixedRowCount() const { return fixedRows_; }
    int GetFixedColumnCount() const { return fixedCols_; }
    bool SetRowCount(int n);
    bool SetColumnCount(int n);
    bool SetFixedRowCount(int n);
    bool SetFixedColumnCount(int n);
    int InsertRow(const std::string& heading, int before = -1);
    bool DeleteRow(int row);
    bool DeleteAllItems();
    int GetRowHeight(int row) const;
    int GetColumnWidth(int col) const;
    bool SetRowHeight(int row, int height);
    bool SetColumnWidth(int col, int width);
    int GetFixedRowHeight() const;
    int GetFixedColumnWidth() const;
    int GetTotalRowHeight() const { return static_cast<int>(totalHeight_); }
    int GetTotalColumnWidth() const { return static_cast<int>(totalWidth_); }
    CCellBlock GetCellRange() const { return {0, 0, GetRowCount() - 1, GetColumnCount() - 1}; }
    bool IsValid(int row, int col) const {
        return row >= 0 && row < GetRowCount() && col >= 0 && col < GetColumnCount();
    }
    bool IsValid(const CCellID& c) const { return IsValid(c.row, c.col); }

    // ---- Items
    std::string GetCellText(int row, int col) const;
    bool SetCellText(int row, int col, const std::string& text);
    unsigned GetCellState(int row, int col) const;
    bool SetCellState(int row, int col, unsigned state);
    bool SetCellBackColour(int row, int col, ColorRef colour);
    bool SetCellAttributes(const GridItem* item);
    void SetModified(bool modified = true, int row = -1, int col = -1);
    bool GetModified() const { return modified_; }
    void ClearCellRange(const CCellBlock& block);
    bool IsEditable() const { return editable_; }
    void SetEditable(bool editable) { editable_ = editable; }

    // Font and colours of the system: the font goes to all four default cells.
    void SetFont(const Font& font);
    std::optional<Font> GetFont() const;
    // The normal default cell's font (what a cell without a font of its own draws with).
    Font DefaultFont() const;
    void SetSystemColours(const GridSystemColours& colours);
    const GridSystemColours& SystemColours() const { return sys_; }
    ColorRef GetGridBkColour() const { return gridBkColour_; }
    void SetGridBkColour(ColorRef c) { gridBkColour_ = c; }
    ColorRef GetGridLineColour() const { return gridLineColour_; }
    int GetGridLines() const { return gridLines_; }
    bool GetTrackFocusCell() const { return trackFocus_; }
    bool GetFrameFocusCell() const { return frameFocus_; }
    int GetAutoSizeStyle() const { return autoSizeStyle_; }
    void SetAutoSizeStyle(int style) { autoSizeStyle_ = style; }
    bool GetColumnResize() const { return allowColResize_; }
    void SetColumnResize(bool allow) { allowColResize_ = allow; }
    bool GetRowResize() const { return allowRowResize_; }
    void SetRowResize(bool allow) { allowRowResize_ = allow; }
    int GetWheelScrollLines() const { return wheelLines_; }
    void SetWheelScrollLines(int lines) { wheelLines_ = lines; }
    ColorRef GetTitleTipTextColour() const { return titleTipText_; }
    ColorRef GetTitleTipBackColour() const { return titleTipBack_; }

    // ---- Geometry and scrolling
    CCellID GetTopLeftNonFixedCell(bool recompute = false) const;
    bool GetCellOrigin(int row, int col, DevicePoint& origin) const;
    bool GetCellRect(int row, int col, DeviceRect& rect) const;
    DevicePoint GetPointInCell(int row, int col, DevicePoint point) const;
    CCellID GetCellFromPoint(DevicePoint point, bool includeFixed = true) const;
    bool IsCellVisible(int row, int col) const;
    CCellBlock GetVisibleDataBlock(DeviceRect* extent = nullptr) const;
    CCellBlock GetVisibleFixedBlock(DeviceRect* extent = nullptr) const;
    void EnsureVisible(int row, int col);
    int GetScrollPosition(ScrollBar bar) const {
        return bar == ScrollBar::Vertical ? vPos_ : hPos_;
    }
    void SetScrollPosition(ScrollBar bar, int position);
    int GetScrollLimit(ScrollBar bar) const;
    // Bit 1 horizontal bar shown, bit 2 vertical.
    int GetScrollBarState() const { return barState_; }
    void ResetScrollBars();
    bool AutoSizeColumn(int col, int style = 0, bool resetScrollBars = true);
    bool AutoSizeRow(int row, bool resetScrollBars = true);
    void AutoSizeColumns(int style = 0);
    // Scroll requests of either bar; `position` is the thumb position of SB_THUMBTRACK.
    void OnScroll(ScrollBar bar, int code, int position = 0);
    // A wheel turn of `delta` (120 per notch); the scroll requests are queued to the caller.
    std::vector<int> WheelScrollRequests(int delta) const;
    void OnSize();

    // ---- Painting
    virtual void DrawGrid(GridPainter& painter, const DeviceRect& clip);
    void EraseBackground(GridPainter& painter, const DeviceRect& clip);
    bool RedrawCell(int row, int col);
    bool InvalidateCell(int row, int col);
    void Refresh();

    // ---- Selection and focus
    void SetSelectedRange(int r1, int c1, int r2, int c2, bool forceRepaint = false,
                          bool select = true);
    void SetSelectedRange(const CCellBlock& b, bool forceRepaint = false, bool select = true) {
        SetSelectedRange(b.minRow, b.minCol, b.maxRow, b.maxCol, forceRepaint, select);
    }
    void ResetSelection();
    CCellBlock GetSelectedCellRange() const;
    std::size_t GetSelectedCount() const { return selected_.Size(); }
    bool IsCellSelected(int row, int col) const;
    void SelectAll();
    virtual void SelectAllCells();
    void SelectCells(CCellID cell, bool forceRepaint = false, bool select = true);
    void SelectColumns(CCellID cell, bool forceRepaint = false, bool select = true);
    void SelectRows(CCellID cell, bool forceRepaint = false, bool select = true);
    void OnSelecting(CCellID cell);
    virtual void OnHeadingClick(CCellID cell);
    virtual void OnFixedCellClick(CCellID cell);
    CCellID SetFocusCell(int row, int col);
    CCellID SetFocusCell(CCellID c) { return SetFocusCell(c.row, c.col); }
    CCellID GetFocusCell() const { return focus_; }
    CCellID GetSelectionStartCell() const { return selStart_; }
    MouseMode GetMouseMode() const { return mouseMode_; }

    // ---- Editing
    bool IsCellEditable(int row, int col) const;
    virtual void StartCellEdit(int row, int col, int x, int y, unsigned firstChar);
    virtual void EndCellEdit(int row, int col, const std::string& text);
    virtual bool ValidateCellEdit(int row, int col, const std::string& text);
    // The text a typed or pasted entry is stored as; a grid whose columns have one display
    // format writes the value in it, so a cell shows what it holds.
    virtual std::string StoredCellText(int /*row*/, int /*col*/, const std::string& text) const {
        return text;
    }
    virtual void EndFocusCellEdit();
    void SetCellTextAndNotify(int row, int col, const std::string& text);
    // What an in-place editor reports: the end of the edit with its text and the key that
    // ended it (0 for none; Shift held with it), and a chosen option of a list.
    void OnEndInPlaceEdit(int row, int col, const std::string& text, unsigned exitKey,
                          bool shift = false);
    int OnInPlaceOptionChanged(int row, int col, int index);

    // ---- Clipboard and drop target
    std::optional<std::string> CopyTextFromSelection() const;
    virtual void CopySelectedText();
    virtual void CutSelectedText();
    virtual void ClearSelectedCellTexts();
    virtual void PasteFromClipboard();
    virtual bool PasteTextToGrid(int row, int col, const std::string& text, bool selectPastedCells);
    // What the last PasteTextToGrid left out: values beyond the grid's last row or column, and
    // values for read-only cells (an edit the owner refuses, the owner explains itself).
    struct PasteOutcome {
        int dropped = 0;
        int refused = 0;
    };
    const PasteOutcome& LastPasteOutcome() const { return pasteOutcome_; }
    // A message box about the grid's data: caption "ERROR", the OK button only, no icon, owned
    // by the grid's dialog.
    void ShowGridMessage(const std::string& text) const;
    bool CanCopy() const { return !selected_.Empty(); }
    bool CanCut() const { return editable_ && !selected_.Empty(); }
    // Paste is offered on a valid, editable focus cell while the clipboard holds text.
    bool CanPaste() const;
    virtual DropEffect OnDragEnter(DevicePoint point);
    virtual DropEffect OnDragOver(DevicePoint point, bool ctrl);
    virtual void OnDragLeave();
    virtual bool OnDrop(DevicePoint point);

    // ---- Keys
    // A key press (virtual key) with the Ctrl and Shift keys as they are.
    void OnKeyDown(unsigned key, bool ctrl, bool shift);
    // A key the user pressed in the grid or in its in-place editor, seen before the grid or
    // the editor acts on it (keys the grid sends itself, as the automatic scrolling does,
    // never come here).
    virtual void PreTranslateKeyDown(unsigned /*key*/) {}
    // A typed character (Ctrl up).
    void OnChar(unsigned ch, bool ctrl);

    // ---- Mouse (client points)
    bool IsOverColumnBorder(DevicePoint point) const;
    bool IsOverRowBorder(DevicePoint point) const;
    void OnMouseMove(DevicePoint point, bool leftDown);
    virtual void OnLButtonDown(DevicePoint point, bool ctrl, bool shift);
    // A right button press: the items of the pop-up menu to show at the point (none: no
    // menu). A chosen item's command comes back through OnMenuCommand.
    virtual std::vector<GridMenuItem> OnRButtonDown(DevicePoint /*point*/) { return {}; }
    virtual void OnMenuCommand(int /*command*/) {}
    void OnLButtonUp(DevicePoint point);
    void OnLButtonDblClk(DevicePoint point);
    void OnRButtonUp(DevicePoint point);
    void OnTimer();

protected:
    // Notifications to the owner.
    void NotifySelection(bool changing, CCellID cell);
    int NotifyBeginEdit(CCellID cell) { return owner_ ? owner_->OnBeginEdit(cell) : 0; }
    int NotifyEndEdit(CCellID cell) { return owner_ ? owner_->OnEndEdit(cell) : 0; }

private:
    using Row = std::vector<std::unique_ptr<CGridCellBase>>;

    void InvalidateTopLeft() const { topLeft_ = CCellID(); }
    void RepaintCell(int row, int col, bool now);
    void RepaintFixedOfColumn(int col);
    void RepaintFixedOfRow(int row);
    bool InVisibleBlocks(int row, int col, const CCellBlock& data, const CCellBlock& fixed) const;
    void FillRowCells(Row& row, int rowIndex, int from, int to);
    void MarkFixedRows(int from, int to, bool fixed);
    void MarkFixedColumns(int from, int to, bool fixed);
    int NextVisibleRow(int row, int step) const;
    int NextVisibleColumn(int col, int step) const;
    void ScrollLines(ScrollBar bar, int count);
    void MoveBy(ScrollBar bar, int code);
    void SelectAfterKey(CCellID next, bool shift, bool tab);
    void DrawCellAt(GridPainter& painter, int row, int col, const DeviceRect& rect);
    DeviceRect ClientRect() const;
    void SetMouseMode(MouseMode mode) { mouseMode_ = mode; }
    int ClampSizingCoordinate(int v, bool vertical) const;

    GridWindow* window_ = nullptr;
    GridOwner* owner_ = nullptr;
    GridSystemColours sys_;
    ColorRef gridBkColour_;
    ColorRef gridLineColour_ = platform::MakeRgb(192, 192, 192);
    ColorRef titleTipBack_ = CLR_DEFAULT;
    ColorRef titleTipText_ = CLR_DEFAULT;
    int gridLines_ = 3;
    bool editable_ = true;
    bool modified_ = false;
    bool trackFocus_ = true;
    bool frameFocus_ = true;
    int autoSizeStyle_ = 3;
    int fixedRows_ = 0;
    int fixedCols_ = 0;
    std::vector<int> rowHeights_;
    std::vector<int> colWidths_;
    long long totalHeight_ = 0;
    long long totalWidth_ = 0;
    int hPos_ = 0;
    int vPos_ = 0;
    int hMax_ = 0;  // scroll range of the non-fixed part minus 1, 0 without the bar
    int vMax_ = 0;
    int hPage_ = 0;
    int vPage_ = 0;
    int barState_ = 0;
    CellFactory cellFactory_;
    CGridDefaultCell defaultCells_[4];
    std::vector<Row> rows_;
    MouseMode mouseMode_ = MouseMode::None;
    bool leftButtonDown_ = false;
    DevicePoint leftClickDownPoint_;
    DevicePoint lastMousePoint_;
    CCellID leftClickDownCell_;
    CCellID selStart_;
    CCellID focus_;
    mutable CCellID topLeft_;
    bool timerRunning_ = false;
    int timerInterval_ = 25;
    int resizeCaptureRange_ = 3;
    bool allowRowResize_ = true;
    bool allowColResize_ = true;
    int wheelLines_ = 3;
    int sizingIndex_ = -1;  // the row or column being sized
    int sizingEdge_ = 0;    // its left (top) edge
    CellSet selected_;
    CellSet prevSelected_;
    CCellID lastDragOver_;
    PasteOutcome pasteOutcome_;
    bool inSize_ = false;
};

}  // namespace gridctrl
