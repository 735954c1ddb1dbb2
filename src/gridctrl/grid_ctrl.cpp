#include "gridctrl/grid_ctrl.h"

#include <algorithm>
#include <new>

namespace gridctrl {

namespace {

constexpr int kNormal = 0, kFixedCol = 1, kFixedRow = 2, kCorner = 3;

int DefaultIndex(bool fixedRow, bool fixedCol) {
    if (fixedRow && fixedCol) return kCorner;
    if (fixedRow) return kFixedRow;
    if (fixedCol) return kFixedCol;
    return kNormal;
}

}  // namespace

CGridCtrl::CGridCtrl(int rows, int columns, int fixedRows, int fixedColumns)
    : gridBkColour_(sys_.shadow), cellFactory_(CellFactoryOf<CGridCell>()) {
    for (CGridDefaultCell& d : defaultCells_) {
        d.SetGrid(this);
        d.SetTextColour(sys_.windowText);
        d.SetBackColour(sys_.face);
    }
    defaultCells_[kNormal].SetBackColour(sys_.window);
    SetRowCount(rows);
    SetColumnCount(columns);
    SetFixedRowCount(fixedRows);
    SetFixedColumnCount(fixedColumns);
    selected_.Clear();
    prevSelected_.Clear();
}

CGridCtrl::~CGridCtrl() {
    window_ = nullptr;
    owner_ = nullptr;
}

void CGridCtrl::AttachWindow(GridWindow* window) {
    window_ = window;
    // The default cells measure their font where the grid is shown.
    if (window_) SetFont(DefaultFont());
    ResetScrollBars();
}

// ---- Cells

CGridCellBase* CGridCtrl::GetCell(int row, int col) const {
    if (!IsValid(row, col)) return nullptr;
    return rows_[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)].get();
}

const CGridDefaultCell* CGridCtrl::GetDefaultCell(bool fixedRow, bool fixedCol) const {
    return &defaultCells_[DefaultIndex(fixedRow, fixedCol)];
}

CGridDefaultCell* CGridCtrl::GetDefaultCell(bool fixedRow, bool fixedCol) {
    return &defaultCells_[DefaultIndex(fixedRow, fixedCol)];
}

TextSize CGridCtrl::GetTextExtent(int row, int col, const std::string& text) const {
    const CGridCellBase* cell = GetCell(row, col);
    if (!cell) return {};
    return cell->MeasureText(&text, window_ ? window_->Measurer() : nullptr);
}

std::unique_ptr<CGridCellBase> CGridCtrl::CreateCellObject(int row, int col) {
    std::unique_ptr<CGridCellBase> cell = cellFactory_ ? cellFactory_() : nullptr;
    if (!cell) return nullptr;
    cell->SetGrid(this);
    cell->SetPosition(row, col);
    unsigned state = cell->GetState();
    if (col < fixedCols_) state |= GVIS_FIXED | GVIS_FIXEDCOL;
    if (row < fixedRows_) state |= GVIS_FIXED | GVIS_FIXEDROW;
    cell->SetState(state);
    if (const CGridDefaultCell* d = cell->GetDefaults()) cell->SetFormat(d->GetFormat());
    return cell;
}

void CGridCtrl::DestroyCellObject(int row, int col) {
    SetCellState(row, col, 0);
    if (IsValid(row, col))
        rows_[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)].reset();
}

bool CGridCtrl::SetCell(int row, int col, std::unique_ptr<CGridCellBase> cell) {
    if (!IsValid(row, col) || !cell) return false;
    cell->SetPosition(row, col);
    auto& slot = rows_[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)];
    if (slot && slot->IsSelected() != cell->IsSelected()) {
        if (cell->IsSelected())
            selected_.Insert(row, col);
        else
            selected_.Erase(row, col);
    }
    slot = std::move(cell);
    return true;
}

bool CGridCtrl::SetCellType(int row, int col, const CellFactory& factory) {
    if (!IsValid(row, col) || !factory) return false;
    std::unique_ptr<CGridCellBase> cell = factory();
    if (!cell) return false;
    cell->CopyFrom(*GetCell(row, col));
    return SetCell(row, col, std::move(cell));
}

void CGridCtrl::FillRowCells(Row& row, int rowIndex, int from, int to) {
    for (int c = from; c < to; ++c) {
        std::unique_ptr<CGridCellBase> cell = CreateCellObject(rowIndex, c);
        if (!cell) throw std::bad_alloc();
        row.push_back(std::move(cell));
    }
}

// ---- Counts

// Every count operation makes everything it needs before it changes anything, so a failure
// half way (out of memory, or a cell that cannot be made) leaves the grid exactly as it was.
bool CGridCtrl::SetRowCount(int n) {
    if (n < 0) return false;
    const int old = GetRowCount();
    if (n == old) return true;
    InvalidateTopLeft();
    if (n > old) {
        std::vector<Row> added;
        try {
            added.reserve(static_cast<std::size_t>(n - old));
            for (int r = old; r < n; ++r) {
                Row row;
                row.reserve(static_cast<std::size_t>(GetColumnCount()));
                FillRowCells(row, r, 0, GetColumnCount());
                added.push_back(std::move(row));
            }
            rows_.reserve(static_cast<std::size_t>(n));
            rowHeights_.reserve(static_cast<std::size_t>(n));
        } catch (const std::bad_alloc&) {
            return false;
        }
        const int height = GetDefaultCell(false, false)->GetHeight();
        for (Row& row : added) rows_.push_back(std::move(row));
        rowHeights_.resize(static_cast<std::size_t>(n), height);
        totalHeight_ += static_cast<long long>(height) * (n - old);
    } else {
        if (fixedRows_ > n) fixedRows_ = n;
        if (focus_.row >= n) focus_ = CCellID();
        for (int r = n; r < old; ++r) {
            for (int c = 0; c < GetColumnCount(); ++c) DestroyCellObject(r, c);
            totalHeight_ -= rowHeights_[static_cast<std::size_t>(r)];
        }
        rows_.resize(static_cast<std::size_t>(n));
        rowHeights_.resize(static_cast<std::size_t>(n));
    }
    SetModified(true);
    ResetScrollBars();
    Refresh();
    return true;
}

bool CGridCtrl::SetColumnCount(int n) {
    if (n < 0) return false;
    const int old = GetColumnCount();
    if (n == old) return true;
    InvalidateTopLeft();
    if (n > old) {
        std::vector<Row> added;
        try {
            added.reserve(rows_.size());
            for (int r = 0; r < GetRowCount(); ++r) {
                Row cells;
                cells.reserve(static_cast<std::size_t>(n - old));
                FillRowCells(cells, r, old, n);
                added.push_back(std::move(cells));
            }
            for (Row& row : rows_) row.reserve(static_cast<std::size_t>(n));
            colWidths_.reserve(static_cast<std::size_t>(n));
        } catch (const std::bad_alloc&) {
            return false;
        }
        for (std::size_t r = 0; r < rows_.size(); ++r)
            for (auto& cell : added[r]) rows_[r].push_back(std::move(cell));
        const int width = GetDefaultCell(false, true)->GetWidth();
        colWidths_.resize(static_cast<std::size_t>(n), width);
        totalWidth_ += static_cast<long long>(width) * (n - old);
    } else {
        if (fixedCols_ > n) fixedCols_ = n;
        if (focus_.col >= n) focus_ = CCellID();
        for (int c = n; c < old; ++c) {
            for (int r = 0; r < GetRowCount(); ++r) DestroyCellObject(r, c);
            totalWidth_ -= colWidths_[static_cast<std::size_t>(c)];
        }
        for (Row& row : rows_) row.resize(static_cast<std::size_t>(n));
        colWidths_.resize(static_cast<std::size_t>(n));
    }
    SetModified(true);
    ResetScrollBars();
    Refresh();
    return true;
}

void CGridCtrl::MarkFixedRows(int from, int to, bool fixed) {
    for (int r = from; r < to; ++r)
        for (int c = 0; c < GetColumnCount(); ++c) {
            CGridCellBase* cell = GetCell(r, c);
            if (!cell) continue;
            if (fixed) {
                cell->SetState(cell->GetState() | GVIS_FIXED | GVIS_FIXEDROW);
                cell->SetBackColour(CLR_DEFAULT);
                cell->SetTextColour(CLR_DEFAULT);
            } else if (c < fixedCols_) {
                cell->SetState(cell->GetState() & ~GVIS_FIXEDROW);
            } else {
                cell->SetState(cell->GetState() & ~(GVIS_FIXED | GVIS_FIXEDROW));
                cell->SetBackColour(CLR_DEFAULT);
                cell->SetTextColour(CLR_DEFAULT);
            }
        }
}

void CGridCtrl::MarkFixedColumns(int from, int to, bool fixed) {
    for (int r = 0; r < GetRowCount(); ++r)
        for (int c = from; c < to; ++c) {
            CGridCellBase* cell = GetCell(r, c);
            if (!cell) continue;
            if (fixed) {
                cell->SetState(cell->GetState() | GVIS_FIXED | GVIS_FIXEDCOL);
                cell->SetBackColour(CLR_DEFAULT);
                cell->SetTextColour(CLR_DEFAULT);
            } else if (r < fixedRows_) {
                cell->SetState(cell->GetState() & ~GVIS_FIXEDCOL);
            } else {
                cell->SetState(cell->GetState() & ~(GVIS_FIXED | GVIS_FIXEDCOL));
                cell->SetBackColour(CLR_DEFAULT);
                cell->SetTextColour(CLR_DEFAULT);
            }
        }
}

bool CGridCtrl::SetFixedRowCount(int n) {
    if (n < 0) return false;
    if (n == fixedRows_) return true;
    ResetSelection();
    InvalidateTopLeft();
    if (n > GetRowCount() && !SetRowCount(n)) return false;
    if (focus_.row >= 0 && focus_.row < n) SetFocusCell(-1, -1);
    if (n > fixedRows_)
        MarkFixedRows(fixedRows_, n, true);
    else
        MarkFixedRows(n, fixedRows_, false);
    fixedRows_ = n;
    Refresh();
    return true;
}

bool CGridCtrl::SetFixedColumnCount(int n) {
    if (n < 0) return false;
    if (n == fixedCols_) return true;
    if (n > GetColumnCount() && !SetColumnCount(n)) return false;
    if (focus_.col >= 0 && focus_.col < n) SetFocusCell(-1, -1);
    ResetSelection();
    InvalidateTopLeft();
    if (n > fixedCols_)
        MarkFixedColumns(fixedCols_, n, true);
    else
        MarkFixedColumns(n, fixedCols_, false);
    fixedCols_ = n;
    Refresh();
    return true;
}

int CGridCtrl::InsertRow(const std::string& heading, int before) {
    if (before != -1 && (before < fixedRows_ || before >= GetRowCount())) return -1;
    InvalidateTopLeft();
    ResetSelection();
    if (GetColumnCount() == 0 && !SetColumnCount(1)) return -1;
    const int index = before == -1 ? GetRowCount() : before;
    Row row;
    try {
        row.reserve(static_cast<std::size_t>(GetColumnCount()));
        FillRowCells(row, index, 0, GetColumnCount());
        rows_.reserve(rows_.size() + 1);
        rowHeights_.reserve(rowHeights_.size() + 1);
    } catch (const std::bad_alloc&) {
        return -1;
    }
    rows_.insert(rows_.begin() + index, std::move(row));
    rowHeights_.insert(rowHeights_.begin() + index, 0);
    GetCell(index, 0)->SetText(heading);
    const int height = heading.empty() ? GetDefaultCell(true, false)->GetHeight()
                                       : GetTextExtent(index, 0, heading).cy;
    rowHeights_[static_cast<std::size_t>(index)] = height;
    totalHeight_ += height;
    if (focus_.row > index) ++focus_.row;
    ResetScrollBars();
    SetModified(true);
    return index;
}

bool CGridCtrl::DeleteRow(int row) {
    if (row < 0 || row >= GetRowCount()) return false;
    ResetSelection();
    for (int c = 0; c < GetColumnCount(); ++c) DestroyCellObject(row, c);
    rows_.erase(rows_.begin() + row);
    totalHeight_ -= rowHeights_[static_cast<std::size_t>(row)];
    rowHeights_.erase(rowHeights_.begin() + row);
    if (row < fixedRows_) --fixedRows_;
    if (focus_.row == row)
        focus_ = CCellID();
    else if (focus_.row > row)
        --focus_.row;
    InvalidateTopLeft();
    ResetScrollBars();
    SetModified(true);
    return true;
}

bool CGridCtrl::DeleteAllItems() {
    ResetSelection();
    rowHeights_.clear();
    colWidths_.clear();
    totalHeight_ = totalWidth_ = 0;
    rows_.clear();
    selected_.Clear();
    prevSelected_.Clear();
    focus_ = CCellID();
    fixedRows_ = fixedCols_ = 0;
    InvalidateTopLeft();
    ResetScrollBars();
    SetModified(true);
    return true;
}

int CGridCtrl::GetRowHeight(int row) const {
    if (row < 0 || row >= GetRowCount()) return -1;
    return rowHeights_[static_cast<std::size_t>(row)];
}

int CGridCtrl::GetColumnWidth(int col) const {
    if (col < 0 || col >= GetColumnCount()) return -1;
    return colWidths_[static_cast<std::size_t>(col)];
}

bool CGridCtrl::SetRowHeight(int row, int height) {
    if (row < 0 || row >= GetRowCount() || height < 0) return false;
    int& h = rowHeights_[static_cast<std::size_t>(row)];
    totalHeight_ += height - h;
    h = height;
    ResetScrollBars();
    return true;
}

bool CGridCtrl::SetColumnWidth(int col, int width) {
    if (col < 0 || col >= GetColumnCount() || width < 0) return false;
    int& w = colWidths_[static_cast<std::size_t>(col)];
    totalWidth_ += width - w;
    w = width;
    ResetScrollBars();
    return true;
}

int CGridCtrl::GetFixedRowHeight() const {
    int h = 0;
    for (int r = 0; r < fixedRows_; ++r) h += rowHeights_[static_cast<std::size_t>(r)];
    return h;
}

int CGridCtrl::GetFixedColumnWidth() const {
    int w = 0;
    for (int c = 0; c < fixedCols_; ++c) w += colWidths_[static_cast<std::size_t>(c)];
    return w;
}

// ---- Items

std::string CGridCtrl::GetCellText(int row, int col) const {
    const CGridCellBase* cell = GetCell(row, col);
    return cell ? cell->GetText() : std::string();
}

bool CGridCtrl::SetCellText(int row, int col, const std::string& text) {
    CGridCellBase* cell = GetCell(row, col);
    if (!cell) return false;
    cell->SetText(text);
    SetModified(true, row, col);
    return true;
}

unsigned CGridCtrl::GetCellState(int row, int col) const {
    const CGridCellBase* cell = GetCell(row, col);
    return cell ? cell->GetState() : 0;
}

bool CGridCtrl::SetCellState(int row, int col, unsigned state) {
    CGridCellBase* cell = GetCell(row, col);
    const bool wasSelected = selected_.Contains(row, col);
    if (wasSelected && !(state & GVIS_SELECTED))
        selected_.Erase(row, col);
    else if (!wasSelected && (state & GVIS_SELECTED) && cell)
        selected_.Insert(row, col);
    if (!cell) return false;
    cell->SetState(state);
    return true;
}

bool CGridCtrl::SetCellBackColour(int row, int col, ColorRef colour) {
    CGridCellBase* cell = GetCell(row, col);
    if (!cell) return false;
    cell->SetBackColour(colour);
    return true;
}

bool CGridCtrl::SetCellAttributes(const GridItem* item) {
    if (!item) return false;
    CGridCellBase* cell = GetCell(item->row, item->col);
    if (!cell) return false;
    SetModified(true, item->row, item->col);
    if (item->mask & GVIF_TEXT) cell->SetText(item->text);
    if (item->mask & GVIF_PARAM) cell->SetData(item->data);
    if (item->mask & GVIF_IMAGE) cell->SetImage(item->image);
    if (item->mask & GVIF_STATE) SetCellState(item->row, item->col, item->state);
    if (item->mask & GVIF_FORMAT) cell->SetFormat(item->format);
    if (item->mask & GVIF_BKCLR) cell->SetBackColour(item->backColour);
    if (item->mask & GVIF_FGCLR) cell->SetTextColour(item->textColour);
    if (item->mask & GVIF_FONT) cell->SetFont(item->font ? &*item->font : nullptr);
    if (item->mask & GVIF_MARGIN) cell->SetMargin(static_cast<int>(item->margin));
    return true;
}

void CGridCtrl::SetModified(bool modified, int row, int col) {
    if (row < 0 || col < 0) {
        modified_ = modified;
    } else if (CGridCellBase* cell = GetCell(row, col)) {
        cell->SetState(modified ? cell->GetState() | GVIS_MODIFIED
                                : cell->GetState() & ~GVIS_MODIFIED);
        if (modified) modified_ = true;
    }
    if (!modified_) {
        for (Row& r : rows_)
            for (auto& cell : r)
                if (cell && (cell->GetState() & GVIS_MODIFIED))
                    cell->SetState(cell->GetState() & ~GVIS_MODIFIED);
    }
}

void CGridCtrl::ClearCellRange(const CCellBlock& block) {
    if (!block.InRange(GetCellRange())) return;
    for (int r = block.minRow; r <= block.maxRow; ++r) {
        if (GetRowHeight(r) <= 0) continue;
        for (int c = block.minCol; c <= block.maxCol; ++c)
            if (GetColumnWidth(c) > 0) SetCellTextAndNotify(r, c, "");
    }
    Refresh();
}

// ---- Font and colours

void CGridCtrl::SetFont(const Font& font) {
    const GridMeasurer* measurer = window_ ? window_->Measurer() : nullptr;
    for (CGridDefaultCell& d : defaultCells_) d.SetFont(&font, measurer);
    Refresh();
}

std::optional<Font> CGridCtrl::GetFont() const { return defaultCells_[kNormal].GetFont(); }

Font CGridCtrl::DefaultFont() const {
    const std::optional<Font> font = GetFont();
    return font ? *font : Font{};
}

void CGridCtrl::SetSystemColours(const GridSystemColours& colours) {
    for (int i = 0; i < 4; ++i) {
        CGridDefaultCell& d = defaultCells_[i];
        if (d.GetTextColour() == sys_.windowText) d.SetTextColour(colours.windowText);
        const ColorRef oldBack = i == kNormal ? sys_.window : sys_.face;
        const ColorRef newBack = i == kNormal ? colours.window : colours.face;
        if (d.GetBackColour() == oldBack) d.SetBackColour(newBack);
    }
    if (gridBkColour_ == sys_.shadow) gridBkColour_ = colours.shadow;
    sys_ = colours;
    Refresh();
}

void CGridCtrl::NotifySelection(bool changing, CCellID cell) {
    if (!owner_) return;
    if (changing)
        owner_->OnSelectionChanging(cell);
    else
        owner_->OnSelectionChanged(cell);
}

}  // namespace gridctrl
