// Geometry of the grid: where cells lie in the client area, which cell lies under a point,
// which cells are visible, the scroll bars and scrolling, and automatic sizing.
#include "gridctrl/grid_ctrl.h"

#include <algorithm>

namespace gridctrl {

DeviceRect CGridCtrl::ClientRect() const {
    if (!window_) return {};
    return {0, 0, window_->ClientWidth(), window_->ClientHeight()};
}

CCellID CGridCtrl::GetTopLeftNonFixedCell(bool recompute) const {
    if (!recompute && topLeft_.row >= 0 && topLeft_.col >= 0) return topLeft_;
    int col = fixedCols_;
    long long x = 0;
    while (x < hPos_ && col < GetColumnCount() - 1)
        x += colWidths_[static_cast<std::size_t>(col++)];
    int row = fixedRows_;
    long long y = 0;
    while (y < vPos_ && row < GetRowCount() - 1) y += rowHeights_[static_cast<std::size_t>(row++)];
    topLeft_ = CCellID(row, col);
    return topLeft_;
}

bool CGridCtrl::GetCellOrigin(int row, int col, DevicePoint& origin) const {
    if (!IsValid(row, col)) return false;
    const CCellID tl = GetTopLeftNonFixedCell();
    if (col >= fixedCols_ && col < tl.col) return false;
    if (row >= fixedRows_ && row < tl.row) return false;
    int x = 0;
    if (col < fixedCols_) {
        for (int c = 0; c < col; ++c) x += colWidths_[static_cast<std::size_t>(c)];
    } else {
        x = GetFixedColumnWidth();
        for (int c = tl.col; c < col; ++c) x += colWidths_[static_cast<std::size_t>(c)];
    }
    int y = 0;
    if (row < fixedRows_) {
        for (int r = 0; r < row; ++r) y += rowHeights_[static_cast<std::size_t>(r)];
    } else {
        y = GetFixedRowHeight();
        for (int r = tl.row; r < row; ++r) y += rowHeights_[static_cast<std::size_t>(r)];
    }
    origin = {x, y};
    return true;
}

bool CGridCtrl::GetCellRect(int row, int col, DeviceRect& rect) const {
    DevicePoint origin;
    if (!GetCellOrigin(row, col, origin)) return false;
    rect = {origin.x, origin.y, origin.x + GetColumnWidth(col) - 1,
            origin.y + GetRowHeight(row) - 1};
    return true;
}

DevicePoint CGridCtrl::GetPointInCell(int row, int col, DevicePoint point) const {
    DevicePoint origin;
    if (!GetCellOrigin(row, col, origin)) return {0, 0};
    return {point.x - origin.x, point.y - origin.y};
}

CCellID CGridCtrl::GetCellFromPoint(DevicePoint point, bool includeFixed) const {
    const CCellID tl = GetTopLeftNonFixedCell();
    if (!includeFixed && !IsValid(tl)) return {};
    auto find = [&](int p, int fixedCount, int fixedSize, int first,
                    const std::vector<int>& sizes) {
        if (p < 0) return -1;
        const int count = static_cast<int>(sizes.size());
        if (p < fixedSize) {
            if (!includeFixed) return -1;
            int edge = 0;
            for (int i = 0; i < fixedCount; ++i) {
                edge += sizes[static_cast<std::size_t>(i)];
                if (edge > p) return i;
            }
            return -1;
        }
        long long edge = fixedSize;
        for (int i = first; i < count; ++i) {
            edge += sizes[static_cast<std::size_t>(i)];
            if (edge > p) return i;
        }
        return -1;
    };
    return {find(point.y, fixedRows_, GetFixedRowHeight(), tl.row, rowHeights_),
            find(point.x, fixedCols_, GetFixedColumnWidth(), tl.col, colWidths_)};
}

bool CGridCtrl::IsCellVisible(int row, int col) const {
    if (!window_ || !IsValid(row, col)) return false;
    const CCellID tl = GetTopLeftNonFixedCell();
    if (col >= fixedCols_ && col < tl.col) return false;
    if (row >= fixedRows_ && row < tl.row) return false;
    const int width = window_->ClientWidth();
    const int height = window_->ClientHeight();
    // The edges accumulate as for the origin, stopping at the client edge.
    auto edge = [](const std::vector<int>& sizes, int index, int fixed, int first, int limit) {
        long long e = 0;
        for (int i = 0; i < std::min(index, fixed) && e < limit; ++i)
            e += sizes[static_cast<std::size_t>(i)];
        for (int i = first; i < index && e < limit; ++i) e += sizes[static_cast<std::size_t>(i)];
        return e;
    };
    return edge(colWidths_, col, fixedCols_, std::max(tl.col, fixedCols_), width) < width &&
           edge(rowHeights_, row, fixedRows_, std::max(tl.row, fixedRows_), height) < height;
}

CCellBlock CGridCtrl::GetVisibleDataBlock(DeviceRect* extent) const {
    const CCellID tl = GetTopLeftNonFixedCell();
    const DeviceRect client = ClientRect();
    long long bottom = GetFixedRowHeight();
    int lastRow = tl.row;
    for (int r = tl.row; r < GetRowCount(); ++r) {
        bottom += rowHeights_[static_cast<std::size_t>(r)];
        lastRow = r;
        if (bottom >= client.bottom) break;
    }
    long long right = GetFixedColumnWidth();
    int lastCol = tl.col;
    for (int c = tl.col; c < GetColumnCount(); ++c) {
        right += colWidths_[static_cast<std::size_t>(c)];
        lastCol = c;
        if (right >= client.right) break;
    }
    if (extent)
        *extent = {0, 0, static_cast<int>(std::min<long long>(right, client.right)),
                   static_cast<int>(std::min<long long>(bottom, client.bottom))};
    return {tl.row, tl.col, std::min(lastRow, GetRowCount() - 1),
            std::min(lastCol, GetColumnCount() - 1)};
}

CCellBlock CGridCtrl::GetVisibleFixedBlock(DeviceRect* extent) const {
    DeviceRect dataExtent;
    const CCellBlock data = GetVisibleDataBlock(&dataExtent);
    const DeviceRect client = ClientRect();
    int right = 0;
    int lastCol = -1;
    for (int c = 0; c < fixedCols_; ++c) {
        right += colWidths_[static_cast<std::size_t>(c)];
        lastCol = c;
        if (right >= client.right) break;
    }
    if (extent) *extent = {0, 0, std::min(right, client.right), dataExtent.bottom};
    return {data.minRow, lastCol >= 0 ? 0 : -1, data.maxRow, lastCol};
}

int CGridCtrl::GetScrollLimit(ScrollBar bar) const {
    if (bar == ScrollBar::Vertical) return vMax_ > 0 ? std::max(0, vMax_ - vPage_ + 1) : 0;
    return hMax_ > 0 ? std::max(0, hMax_ - hPage_ + 1) : 0;
}

void CGridCtrl::SetScrollPosition(ScrollBar bar, int position) {
    int& pos = bar == ScrollBar::Vertical ? vPos_ : hPos_;
    pos = std::clamp(position, 0, GetScrollLimit(bar));
    InvalidateTopLeft();
    if (window_) {
        ScrollBarState s{(barState_ & 1) != 0,
                         (barState_ & 2) != 0,
                         GetScrollLimit(ScrollBar::Horizontal),
                         GetScrollLimit(ScrollBar::Vertical),
                         hPage_,
                         vPage_,
                         hPos_,
                         vPos_};
        window_->ApplyScrollBars(s);
    }
}

void CGridCtrl::ResetScrollBars() {
    InvalidateTopLeft();
    if (!window_) return;
    int width = window_->ClientWidth();
    int height = window_->ClientHeight();
    if (width <= 0 || height <= 0) return;
    if (barState_ & 2) width += window_->VScrollWidth();
    if (barState_ & 1) height += window_->HScrollHeight();

    const int fixedW = GetFixedColumnWidth();
    const int fixedH = GetFixedRowHeight();
    ScrollBarState s;
    if (fixedW >= width || fixedH >= height) {
        barState_ = 0;
        hMax_ = vMax_ = hPage_ = vPage_ = 0;
        hPos_ = vPos_ = 0;
        window_->ApplyScrollBars(s);
        return;
    }
    const long long virtualH = totalHeight_ - fixedH;
    const long long virtualW = totalWidth_ - fixedW;
    int availH = height - fixedH;
    int availW = (availH < virtualH ? width - window_->VScrollWidth() : width) - fixedW;
    if (availW < virtualW) {
        height -= window_->HScrollHeight();
        availH = height - fixedH;
    }
    const bool vertical = availH < virtualH;
    const bool horizontal = availW < virtualW;
    vMax_ = vertical ? static_cast<int>(virtualH - 1) : 0;
    hMax_ = horizontal ? static_cast<int>(virtualW - 1) : 0;
    vPage_ = vMax_ > 0 ? availH : 0;
    hPage_ = hMax_ > 0 ? availW : 0;
    barState_ = (horizontal ? 1 : 0) | (vertical ? 2 : 0);
    hPos_ = std::clamp(hPos_, 0, GetScrollLimit(ScrollBar::Horizontal));
    vPos_ = std::clamp(vPos_, 0, GetScrollLimit(ScrollBar::Vertical));
    s = {horizontal,
         vertical,
         GetScrollLimit(ScrollBar::Horizontal),
         GetScrollLimit(ScrollBar::Vertical),
         hPage_,
         vPage_,
         hPos_,
         vPos_};
    window_->ApplyScrollBars(s);
}

// Scrolls `count` lines (negative: up or left) as that many line requests would, in one pass.
void CGridCtrl::ScrollLines(ScrollBar bar, int count) {
    if (count == 0) return;
    const bool vertical = bar == ScrollBar::Vertical;
    const std::vector<int>& sizes = vertical ? rowHeights_ : colWidths_;
    const int fixed = vertical ? fixedRows_ : fixedCols_;
    const int n = static_cast<int>(sizes.size());
    if (n == 0) return;
    int& pos = vertical ? vPos_ : hPos_;
    const int limit = GetScrollLimit(bar);
    const CCellID tl = GetTopLeftNonFixedCell();
    int index = vertical ? tl.row : tl.col;
    long long left = 0;  // the left (top) edge of `index`, from the first non-fixed one
    for (int i = fixed; i < index; ++i) left += sizes[static_cast<std::size_t>(i)];
    const int old = pos;
    if (count > 0) {
        for (int k = 0; k < count && pos < limit; ++k) {
            int c = index;
            while (c < n - 1 && sizes[static_cast<std::size_t>(c)] < 1) ++c;
            pos = std::min(limit, pos + sizes[static_cast<std::size_t>(c)]);
            while (left < pos && index < n - 1) left += sizes[static_cast<std::size_t>(index++)];
        }
    } else {
        for (int k = 0; k < -count && pos > 0 && index > fixed; ++k) {
            int c = index - 1;
            while (c > fixed && sizes[static_cast<std::size_t>(c)] < 1) --c;
            pos = std::max(0, pos - sizes[static_cast<std::size_t>(c)]);
            while (index > fixed && left - sizes[static_cast<std::size_t>(index - 1)] >= pos)
                left -= sizes[static_cast<std::size_t>(--index)];
        }
    }
    if (pos != old) {
        SetScrollPosition(bar, pos);
        topLeft_ = vertical ? CCellID(index, tl.col) : CCellID(tl.row, index);
        Refresh();
    }
}

void CGridCtrl::OnScroll(ScrollBar bar, int code, int position) {
    EndFocusCellEdit();
    if (window_) window_->HideTitleTip();
    const bool vertical = bar == ScrollBar::Vertical;
    const int pos = GetScrollPosition(bar);
    const int limit = GetScrollLimit(bar);
    const int page = window_ ? (vertical ? window_->ClientHeight() - GetFixedRowHeight()
                                         : window_->ClientWidth() - GetFixedColumnWidth())
                             : 0;
    switch (code) {
    case SB_LINEDOWN: ScrollLines(bar, 1); break;
    case SB_LINEUP: ScrollLines(bar, -1); break;
    case SB_PAGEDOWN:
        if (pos >= limit) return;
        SetScrollPosition(bar, std::min(limit, pos + std::max(0, page)));
        Refresh();
        break;
    case SB_PAGEUP:
        if (pos <= 0) return;
        SetScrollPosition(bar, std::max(0, pos - std::max(0, page)));
        Refresh();
        break;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK: {
        const CCellID before = GetTopLeftNonFixedCell();
        int& p = vertical ? vPos_ : hPos_;
        p = std::clamp(position, 0, limit);
        if (GetTopLeftNonFixedCell(true) != before) Refresh();
        break;
    }
    case SB_TOP:
        if (pos <= 0) return;
        SetScrollPosition(bar, 0);
        Refresh();
        break;
    case SB_BOTTOM:
        if (pos >= limit) return;
        SetScrollPosition(bar, limit);
        Refresh();
        break;
    default: break;
    }
}

std::vector<int> CGridCtrl::WheelScrollRequests(int delta) const {
    std::vector<int> requests;
    if (wheelLines_ == -1) {
        const int n = delta / 120;
        requests.assign(static_cast<std::size_t>(std::abs(n)), n > 0 ? SB_PAGEUP : SB_PAGEDOWN);
    } else {
        const int n = delta * wheelLines_ / 120;
        requests.assign(static_cast<std::size_t>(std::abs(n)), n > 0 ? SB_LINEUP : SB_LINEDOWN);
    }
    return requests;
}

void CGridCtrl::OnSize() {
    if (inSize_ || !window_) return;
    inSize_ = true;
    EndFocusCellEdit();
    ResetScrollBars();
    inSize_ = false;
}

void CGridCtrl::EnsureVisible(int row, int col) {
    if (!IsValid(row, col)) return;
    const CCellBlock visible = GetVisibleDataBlock();
    // As many lines as there are shown rows and columns between the visible range and the cell.
    auto between = [](const std::vector<int>& sizes, int from, int to) {
        int n = 0;
        for (int i = from; i <= to; ++i)
            if (sizes[static_cast<std::size_t>(i)] > 0) ++n;
        return n;
    };
    if (col > visible.maxCol)
        ScrollLines(ScrollBar::Horizontal, between(colWidths_, visible.maxCol + 1, col));
    if (col < visible.minCol && col >= 0)
        ScrollLines(ScrollBar::Horizontal, -between(colWidths_, col, visible.minCol - 1));
    if (row > visible.maxRow)
        ScrollLines(ScrollBar::Vertical, between(rowHeights_, visible.maxRow + 1, row));
    if (row < visible.minRow && row >= 0)
        ScrollLines(ScrollBar::Vertical, -between(rowHeights_, row, visible.minRow - 1));

    DeviceRect rect;
    if (!GetCellRect(row, col, rect) || !window_) return;
    const DeviceRect client = ClientRect();
    while (rect.right > client.right && rect.left > GetFixedColumnWidth() && (barState_ & 1)) {
        const int before = hPos_;
        ScrollLines(ScrollBar::Horizontal, 1);
        if (hPos_ == before || !GetCellRect(row, col, rect)) break;
    }
    while (rect.bottom > client.bottom && rect.top > GetFixedRowHeight() && (barState_ & 2)) {
        const int before = vPos_;
        ScrollLines(ScrollBar::Vertical, 1);
        if (vPos_ == before || !GetCellRect(row, col, rect)) break;
    }
}

bool CGridCtrl::AutoSizeColumn(int col, int style, bool resetScrollBars) {
    if (col < 0 || col >= GetColumnCount() || GetColumnWidth(col) <= 0) return false;
    const GridMeasurer* measurer = window_ ? window_->Measurer() : nullptr;
    if (!measurer) return false;
    if (style == 0) style = autoSizeStyle_;
    const int first = (style & 1) ? 0 : fixedRows_;
    const int last = (style & 2) ? GetRowCount() - 1 : fixedRows_ - 1;
    int width = 0;
    for (int r = first; r <= last; ++r)
        if (const CGridCellBase* cell = GetCell(r, col))
            width = std::max(width, cell->MeasureCell(measurer).cx);
    int& w = colWidths_[static_cast<std::size_t>(col)];
    totalWidth_ += width - w;
    w = width;
    if (resetScrollBars) ResetScrollBars();
    return true;
}

bool CGridCtrl::AutoSizeRow(int row, bool resetScrollBars) {
    if (row < 0 || row >= GetRowCount() || GetRowHeight(row) <= 0) return false;
    const GridMeasurer* measurer = window_ ? window_->Measurer() : nullptr;
    if (!measurer) return false;
    int height = 0;
    for (int c = 0; c < GetColumnCount(); ++c)
        if (const CGridCellBase* cell = GetCell(row, c))
            height = std::max(height, cell->MeasureCell(measurer).cy);
    int& h = rowHeights_[static_cast<std::size_t>(row)];
    totalHeight_ += height - h;
    h = height;
    if (resetScrollBars) ResetScrollBars();
    return true;
}

void CGridCtrl::AutoSizeColumns(int style) {
    for (int c = 0; c < GetColumnCount(); ++c)
        if (GetColumnWidth(c) > 0) AutoSizeColumn(c, style, false);
    ResetScrollBars();
}

}  // namespace gridctrl
