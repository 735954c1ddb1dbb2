// Painting of the grid: the background areas, every cell in the clip box and the grid lines.
#include "gridctrl/grid_ctrl.h"

#include <algorithm>

namespace gridctrl {

void CGridCtrl::DrawCellAt(GridPainter& painter, int row, int col, const DeviceRect& rect) {
    CGridCellBase* cell = GetCell(row, col);
    if (!cell) return;
    cell->SetPosition(row, col);
    cell->Draw(painter, row, col, rect, false);
}

void CGridCtrl::DrawGrid(GridPainter& painter, const DeviceRect& clip) {
    if (clip.Width() <= 0 || clip.Height() <= 0) return;
    EraseBackground(painter, clip);
    const int fixedH = GetFixedRowHeight();
    const int fixedW = GetFixedColumnWidth();
    const CCellID tl = GetTopLeftNonFixedCell();
    DeviceRect extent;
    const CCellBlock visible = GetVisibleDataBlock(&extent);
    const int rowCount = GetRowCount();
    const int colCount = GetColumnCount();
    const int lastRow = std::min(visible.maxRow, rowCount - 1);
    const int lastCol = std::min(visible.maxCol, colCount - 1);

    // Rows [r0, r1] from the edge `startBottom` against columns [c0, c1] from `startRight`.
    auto drawBlock = [&](int r0, int r1, int startBottom, int c0, int c1, int startRight,
                         bool clipTests) {
        int bottom = startBottom;
        for (int r = r0; r <= r1; ++r) {
            const int h = rowHeights_[static_cast<std::size_t>(r)];
            if (h <= 0) continue;
            const int top = bottom + 1;
            bottom = top + h - 1;
            if (clipTests && top >= clip.bottom) break;
            if (clipTests && bottom < clip.top) continue;
            int right = startRight;
            for (int c = c0; c <= c1; ++c) {
                const int w = colWidths_[static_cast<std::size_t>(c)];
                if (w <= 0) continue;
                const int left = right + 1;
                right = left + w - 1;
                if (clipTests && left >= clip.right) break;
                if (clipTests && right < clip.left) continue;
                DrawCellAt(painter, r, c, {left, top, right, bottom});
            }
        }
    };
    drawBlock(0, fixedRows_ - 1, -1, 0, fixedCols_ - 1, -1, false);
    drawBlock(tl.row, lastRow, fixedH - 1, 0, fixedCols_ - 1, -1, true);
    drawBlock(0, fixedRows_ - 1, -1, tl.col, lastCol, fixedW - 1, true);
    drawBlock(tl.row, lastRow, fixedH - 1, tl.col, lastCol, fixedW - 1, true);

    if (gridLines_ & 2) {
        int x = fixedW;
        for (int c = tl.col; c <= lastCol; ++c) {
            const int w = colWidths_[static_cast<std::size_t>(c)];
            if (w <= 0) continue;
            x += w;
            painter.Line(x - 1, fixedH, x - 1, extent.bottom, gridLineColour_);
        }
    }
    if (gridLines_ & 1) {
        int y = fixedH;
        for (int r = tl.row; r <= lastRow; ++r) {
            const int h = rowHeights_[static_cast<std::size_t>(r)];
            if (h <= 0) continue;
            y += h;
            painter.Line(fixedW, y - 1, extent.right, y - 1, gridLineColour_);
        }
    }
}

void CGridCtrl::EraseBackground(GridPainter& painter, const DeviceRect& c) {
    DeviceRect v;
    GetVisibleDataBlock(&v);
    const int w = GetFixedColumnWidth();
    const int h = GetFixedRowHeight();
    auto fill = [&](DeviceRect r, ColorRef colour) {
        r.left = std::max(r.left, c.left);
        r.top = std::max(r.top, c.top);
        r.right = std::min(r.right, c.right);
        r.bottom = std::min(r.bottom, c.bottom);
        if (r.right > r.left && r.bottom > r.top) painter.FillRect(r, colour);
    };
    if (c.left < w) {
        fill({c.left, c.top, w, h}, GetDefaultCell(true, true)->GetBackColour());
        fill({c.left, std::max(c.top, h), w, v.bottom},
             GetDefaultCell(false, true)->GetBackColour());
    }
    if (c.top < h && c.right > w && c.left < v.right)
        fill({w - 1, c.top, v.right, h}, GetDefaultCell(true, false)->GetBackColour());
    fill({std::max(v.left, w), std::max(v.top, h), v.right, v.bottom},
         GetDefaultCell(false, false)->GetBackColour());
    if (v.right < c.right) fill({v.right, c.top, c.right, c.bottom}, gridBkColour_);
    if (v.bottom < c.bottom && c.left < v.right)
        fill({c.left, v.bottom, v.right, c.bottom}, gridBkColour_);
}

bool CGridCtrl::InvalidateCell(int row, int col) {
    if (!window_ || !IsValid(row, col) || !IsCellVisible(row, col)) return false;
    DeviceRect rect;
    if (!GetCellRect(row, col, rect)) return false;
    window_->Invalidate({rect.left, rect.top, rect.right + 2, rect.bottom + 2});
    return true;
}

// Qt paints only in its paint pass: a cell to be drawn now is invalidated, and the pass that
// follows draws it with its grid lines.
bool CGridCtrl::RedrawCell(int row, int col) { return InvalidateCell(row, col); }

void CGridCtrl::RepaintCell(int row, int col, bool) { InvalidateCell(row, col); }

void CGridCtrl::RepaintFixedOfColumn(int col) {
    for (int r = 0; r < fixedRows_; ++r) InvalidateCell(r, col);
}

void CGridCtrl::RepaintFixedOfRow(int row) {
    for (int c = 0; c < fixedCols_; ++c) InvalidateCell(row, c);
}

void CGridCtrl::Refresh() {
    if (window_) window_->InvalidateAll();
}

}  // namespace gridctrl
