// Mouse input: selecting with the mouse, resizing rows and columns by dragging their borders,
// sizing by double-clicking a border, automatic scrolling while a selection is dragged past the
// edge, opening the editor by a second click, the title tip, and the click notifications.
#include "gridctrl/grid_ctrl.h"

#include <algorithm>

namespace gridctrl {

namespace {

bool Inside(const DeviceRect& r, DevicePoint p) {
    return p.x >= r.left && p.x <= r.right && p.y >= r.top && p.y <= r.bottom;
}

}  // namespace

bool CGridCtrl::IsOverColumnBorder(DevicePoint point) const {
    if (point.y >= GetFixedRowHeight()) return false;
    const CCellID cell = GetCellFromPoint(point);
    DevicePoint origin;
    if (!IsValid(cell) || !GetCellOrigin(cell.row, cell.col, origin)) return false;
    if (point.x - origin.x < resizeCaptureRange_ && cell.col != 0) return true;
    return origin.x + GetColumnWidth(cell.col) - point.x < resizeCaptureRange_;
}

bool CGridCtrl::IsOverRowBorder(DevicePoint point) const {
    if (point.x >= GetFixedColumnWidth()) return false;
    const CCellID cell = GetCellFromPoint(point);
    DevicePoint origin;
    if (!IsValid(cell) || !GetCellOrigin(cell.row, cell.col, origin)) return false;
    if (point.y - origin.y < resizeCaptureRange_ && cell.row != 0) return true;
    return origin.y + GetRowHeight(cell.row) - point.y < resizeCaptureRange_;
}

// The pointer is kept between one pixel past the sized column's (row's) edge and the width
// (height) of the data area past it, so a dragged border leaves at least one pixel.
int CGridCtrl::ClampSizingCoordinate(int v, bool vertical) const {
    const int span = vertical ? ClientRect().bottom - GetFixedRowHeight()
                              : ClientRect().right - GetFixedColumnWidth();
    return std::clamp(v, sizingEdge_ + 1, sizingEdge_ + std::max(1, span + 1));
}

void CGridCtrl::OnMouseMove(DevicePoint point, bool) {
    if (!Inside({0, 0, ClientRect().right - 1, ClientRect().bottom - 1}, point)) return;
    if (!leftButtonDown_ || mouseMode_ == MouseMode::None) {
        if (allowColResize_ && IsOverColumnBorder(point)) {
            if (mouseMode_ != MouseMode::OverColumnBorder) {
                if (window_) window_->SetCursorShape(GridCursor::SizeWE);
                mouseMode_ = MouseMode::OverColumnBorder;
            }
        } else if (allowRowResize_ && IsOverRowBorder(point)) {
            if (mouseMode_ != MouseMode::OverRowBorder) {
                if (window_) window_->SetCursorShape(GridCursor::SizeNS);
                mouseMode_ = MouseMode::OverRowBorder;
            }
        } else if (mouseMode_ != MouseMode::None) {
            if (window_) window_->SetCursorShape(GridCursor::Arrow);
            mouseMode_ = MouseMode::None;
        }
        if (mouseMode_ == MouseMode::None) {
            const CCellID id = GetCellFromPoint(point);
            if (CGridCellBase* cell = GetCell(id.row, id.col)) {
                cell->MouseOver();
                DeviceRect rect, tipRect;
                const std::string text = cell->GetTitleTipText();
                if (!text.empty() && !cell->IsEditing() && GetCellRect(id.row, id.col, rect) &&
                    (tipRect = rect, cell->GetTitleTipRect(tipRect)) && window_) {
                    const std::optional<Font> font = cell->GetFont();
                    window_->ShowTitleTip({tipRect, text, 0, rect, font ? *font : DefaultFont(),
                                           titleTipText_, titleTipBack_});
                }
            }
        }
    } else if (IsValid(leftClickDownCell_)) {
        switch (mouseMode_) {
        case MouseMode::SelectColumns:
        case MouseMode::SelectRows:
        case MouseMode::SelectCells: {
            const CCellID cell = GetCellFromPoint(point);
            if (!IsValid(cell)) break;
            if (cell != focus_) {
                OnSelecting(cell);
                if (!IsCellFixed(cell.row, cell.col) || mouseMode_ != MouseMode::SelectCells)
                    SetFocusCell(cell);
            }
            break;
        }
        case MouseMode::SizingRow:
            if (window_) window_->ShowSizingLine(false, ClampSizingCoordinate(point.y, true));
            break;
        case MouseMode::SizingColumn:
            if (window_) window_->ShowSizingLine(true, ClampSizingCoordinate(point.x, false));
            break;
        case MouseMode::PrepareEdit:
        case MouseMode::PrepareDrag: mouseMode_ = MouseMode::PrepareDrag; break;
        default: break;
        }
    }
    lastMousePoint_ = point;
}

void CGridCtrl::OnLButtonDown(DevicePoint point, bool ctrl, bool shift) {
    if (window_) window_->TakeFocus();
    leftClickDownPoint_ = point;
    leftButtonDown_ = true;
    leftClickDownCell_ = GetCellFromPoint(point);
    if (!IsValid(leftClickDownCell_)) return;
    const CCellID clicked = leftClickDownCell_;
    if (!shift)
        selStart_ = clicked;
    else if (!IsValid(selStart_))
        selStart_ = focus_;
    EndFocusCellEdit();
    CGridCellBase* cell = GetCell(clicked.row, clicked.col);
    if (!cell) return;
    cell->ButtonDown(GetPointInCell(clicked.row, clicked.col, point));

    if (clicked == focus_ && !ctrl) {
        DeviceRect rect;
        if (GetCellRect(clicked.row, clicked.col, rect) && cell->GetTextRect(rect) &&
            Inside(rect, point) && IsCellEditable(clicked.row, clicked.col)) {
            mouseMode_ = MouseMode::PrepareEdit;
            return;
        }
    }
    if (cell->IsSelected()) {
        SetFocusCell(clicked);
        if (ctrl) {
            SelectCells(clicked, true, false);
            return;
        }
    } else if (mouseMode_ != MouseMode::OverColumnBorder &&
               mouseMode_ != MouseMode::OverRowBorder) {
        SetFocusCell(IsCellFixed(clicked.row, clicked.col) ? CCellID() : clicked);
    }

    if (mouseMode_ == MouseMode::None) {
        if (allowColResize_ && IsOverColumnBorder(point)) {
            if (window_) window_->SetCursorShape(GridCursor::SizeWE);
            mouseMode_ = MouseMode::OverColumnBorder;
        } else if (allowRowResize_ && IsOverRowBorder(point)) {
            if (window_) window_->SetCursorShape(GridCursor::SizeNS);
            mouseMode_ = MouseMode::OverRowBorder;
        }
    }

    if (mouseMode_ == MouseMode::OverColumnBorder || mouseMode_ == MouseMode::OverRowBorder) {
        const bool rows = mouseMode_ == MouseMode::OverRowBorder;
        const int count = rows ? GetRowCount() : GetColumnCount();
        auto size = [&](int i) { return rows ? GetRowHeight(i) : GetColumnWidth(i); };
        auto edgeOf = [&](int i, int& edge) {
            DevicePoint origin;
            if (!GetCellOrigin(rows ? i : 0, rows ? 0 : i, origin)) return false;
            edge = rows ? origin.y : origin.x;
            return true;
        };
        const int p = rows ? point.y : point.x;
        mouseMode_ = rows ? MouseMode::SizingRow : MouseMode::SizingColumn;
        sizingIndex_ = rows ? clicked.row : clicked.col;
        DeviceRect extent;
        GetVisibleDataBlock(&extent);
        const int end = rows ? extent.bottom : extent.right;
        if (size(count - 1) < resizeCaptureRange_ && std::abs(p - end) < resizeCaptureRange_)
            sizingIndex_ = count - 1;
        int edge = 0;
        if (!edgeOf(sizingIndex_, edge)) return;
        if (p - edge < resizeCaptureRange_ &&
            !(sizingIndex_ == count - 1 && size(sizingIndex_) < resizeCaptureRange_) &&
            sizingIndex_ > 0) {
            --sizingIndex_;
            if (!edgeOf(sizingIndex_, edge)) return;
        }
        sizingEdge_ = edge;
        if (window_) window_->ShowSizingLine(!rows, ClampSizingCoordinate(p, rows));
    } else {
        NotifySelection(true, clicked);
        prevSelected_.Clear();
        if (ctrl) prevSelected_ = selected_;
        if (clicked.row < fixedRows_) {
            OnHeadingClick(clicked);
        } else if (clicked.col < fixedCols_) {
            OnFixedCellClick(clicked);
        } else {
            mouseMode_ = MouseMode::SelectCells;
            OnSelecting(clicked);
            if (window_) window_->StartAutoScroll(timerInterval_);
            timerRunning_ = true;
        }
    }
    lastMousePoint_ = point;
}

void CGridCtrl::OnLButtonUp(DevicePoint point) {
    leftButtonDown_ = false;
    if (timerRunning_ && window_) window_->StopAutoScroll();
    timerRunning_ = false;
    switch (mouseMode_) {
    case MouseMode::PrepareEdit: {
        const DevicePoint p = GetPointInCell(focus_.row, focus_.col, point);
        StartCellEdit(focus_.row, focus_.col, p.x, p.y, VK_CLICK_EDIT);
        break;
    }
    case MouseMode::PrepareDrag:
        if (CGridCellBase* cell = GetCell(focus_.row, focus_.col))
            cell->Clicked(GetPointInCell(focus_.row, focus_.col, point));
        if (owner_) owner_->OnClick(leftClickDownCell_);
        NotifySelection(true, leftClickDownCell_);
        ResetSelection();
        NotifySelection(false, focus_);
        break;
    case MouseMode::SizingColumn:
    case MouseMode::SizingRow: {
        const bool rows = mouseMode_ == MouseMode::SizingRow;
        if (window_) window_->ShowSizingLine(!rows, -1);
        if (point != leftClickDownPoint_ && !(point.x == 0 && point.y == 0)) {
            const int p = ClampSizingCoordinate(rows ? point.y : point.x, rows);
            const int size = std::max(0, p - sizingEdge_);
            if (rows)
                SetRowHeight(sizingIndex_, size);
            else
                SetColumnWidth(sizingIndex_, size);
            ResetScrollBars();
            Refresh();
        }
        break;
    }
    default:
        NotifySelection(false, focus_);
        if (CGridCellBase* cell = GetCell(focus_.row, focus_.col))
            cell->Clicked(GetPointInCell(focus_.row, focus_.col, point));
        if (owner_) owner_->OnClick(leftClickDownCell_);
        break;
    }
    mouseMode_ = MouseMode::None;
    if (window_) window_->SetCursorShape(GridCursor::Arrow);
    if (IsValid(leftClickDownCell_) && owner_) owner_->OnClickCommand();
}

void CGridCtrl::OnLButtonDblClk(DevicePoint point) {
    const CCellID cell = GetCellFromPoint(point);
    if (!IsValid(cell)) return;
    if (mouseMode_ == MouseMode::OverColumnBorder || mouseMode_ == MouseMode::OverRowBorder) {
        const bool rows = mouseMode_ == MouseMode::OverRowBorder;
        DevicePoint origin;
        GetCellOrigin(cell.row, cell.col, origin);
        int i = rows ? cell.row : cell.col;
        if ((rows ? point.y - origin.y : point.x - origin.x) < resizeCaptureRange_) --i;
        while (i >= 0 && (rows ? GetRowHeight(i) : GetColumnWidth(i)) <= 0) --i;
        if (i >= 0) {
            if (rows)
                AutoSizeRow(i, true);
            else
                AutoSizeColumn(i, autoSizeStyle_, true);
        }
        Refresh();
    } else if (mouseMode_ == MouseMode::None) {
        CGridCellBase* c = GetCell(cell.row, cell.col);
        const DevicePoint inCell = GetPointInCell(cell.row, cell.col, point);
        DeviceRect rect;
        if (!IsCellFixed(cell.row, cell.col) && IsValid(leftClickDownCell_) &&
            GetCellRect(cell.row, cell.col, rect) && c && c->GetTextRect(rect) &&
            Inside(rect, point))
            StartCellEdit(cell.row, cell.col, inCell.x, inCell.y, VK_LBUTTON);
        if ((c = GetCell(cell.row, cell.col))) c->DoubleClicked(inCell);
        if (owner_) owner_->OnDoubleClick(cell);
    }
}

void CGridCtrl::OnRButtonUp(DevicePoint point) {
    const CCellID cell = GetCellFromPoint(point);
    EndFocusCellEdit();
    if (!IsValid(cell)) {
        if (owner_) owner_->OnRightClick(CCellID());
        return;
    }
    SetFocusCell(-1, -1);
    SetFocusCell(std::max(cell.row, fixedRows_), std::max(cell.col, fixedCols_));
    if (CGridCellBase* c = GetCell(cell.row, cell.col))
        c->RightClicked(GetPointInCell(cell.row, cell.col, point));
    if (owner_) owner_->OnRightClick(cell);
}

void CGridCtrl::OnTimer() {
    if (!window_) return;
    const DevicePoint pt = window_->PointerPosition();
    const DeviceRect client = ClientRect();
    const int fixedH = GetFixedRowHeight();
    const int fixedW = GetFixedColumnWidth();
    const int x = std::clamp(pt.x, 0, std::max(0, client.right - 1));
    const int y = std::clamp(pt.y, 0, std::max(0, client.bottom - 1));
    if (pt.y >= client.bottom) {
        OnKeyDown(VK_DOWN, false, false);
        OnSelecting(GetCellFromPoint({x, client.bottom - 1}));
    } else if (pt.y < fixedH) {
        OnKeyDown(VK_UP, false, false);
        OnSelecting(GetCellFromPoint({x, fixedH + 1}));
    }
    if (pt.x >= client.right) {
        OnKeyDown(VK_RIGHT, false, false);
        OnSelecting(GetCellFromPoint({client.right - 1, y}));
    } else if (pt.x < fixedW) {
        OnKeyDown(VK_LEFT, false, false);
        OnSelecting(GetCellFromPoint({fixedW + 1, y}));
    }
}

}  // namespace gridctrl
