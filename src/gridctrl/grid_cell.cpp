#include "gridctrl/grid_cell.h"

#include "gridctrl/grid_ctrl.h"
#include "gridctrl/grid_default_cell.h"

#include <algorithm>

namespace gridctrl {

namespace {

std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (;;) {
        const std::size_t nl = text.find('\n', start);
        lines.push_back(text.substr(start, nl == std::string::npos ? nl : nl - start));
        if (nl == std::string::npos) break;
        start = nl + 1;
    }
    return lines;
}

}  // namespace

const CGridDefaultCell* CGridCellBase::GetDefaults() const {
    const CGridCtrl* grid = GetGrid();
    return grid ? grid->GetDefaultCell(IsFixedRow(), IsFixedColumn()) : nullptr;
}

void CGridCellBase::CopyFrom(const CGridCellBase& other) {
    if (&other == this) return;
    SetGrid(other.GetGrid());
    SetText(other.GetText());
    SetImage(other.GetImage());
    SetData(other.GetData());
    SetState(other.GetState());
    SetFormat(other.GetFormat());
    SetTextColour(other.GetTextColour());
    SetBackColour(other.GetBackColour());
    if (other.HasDefaultFont()) {
        SetFont(nullptr);
    } else {
        const std::optional<Font> font = other.GetFont();
        SetFont(font ? &*font : nullptr);
    }
    SetMargin(other.GetMargin());
}

bool CGridCellBase::Draw(GridPainter& painter, int row, int col, DeviceRect rect,
                         bool eraseBackground) {
    CGridCtrl* grid = GetGrid();
    if (!grid || rect.Width() <= 0 || rect.Height() <= 0) return false;
    const CGridDefaultCell* defaults = GetDefaults();
    if (!defaults) return false;
    const GridSystemColours& sys = grid->SystemColours();
    const bool gridLines = grid->GetGridLines() != 0;

    ColorRef textColour =
        GetTextColour() == CLR_DEFAULT ? defaults->GetTextColour() : GetTextColour();
    ColorRef backColour = defaults->GetBackColour();
    if (GetBackColour() != CLR_DEFAULT) {
        backColour = GetBackColour();
        eraseBackground = true;
    }

    if (IsFocused() || IsDropHighlighted()) {
        if (IsSelected()) {
            backColour = sys.highlight;
            textColour = sys.highlightText;
            eraseBackground = true;
        }
        rect.right++;
        rect.bottom++;
        if (eraseBackground) painter.FillRect(rect, backColour);
        if (gridLines) {
            rect.right--;
            rect.bottom--;
        }
        if (grid->GetFrameFocusCell()) painter.FrameRect(rect, textColour);
        if (!gridLines) {
            rect.right--;
            rect.bottom--;
        }
    } else if (IsSelected()) {
        painter.FillRect({rect.left, rect.top, rect.right + 1, rect.bottom + 1}, sys.highlight);
        textColour = sys.highlightText;
    } else if (eraseBackground) {
        painter.FillRect({rect.left, rect.top, rect.right + 1, rect.bottom + 1}, backColour);
    }

    if (IsFixed() && gridLines) {
        const CCellID focus = grid->GetFocusCell();
        const bool inFocusLine = grid->GetTrackFocusCell() && grid->IsValid(focus) &&
                                 (focus.row == row || focus.col == col);
        if (inFocusLine) {
            // Pressed: dark along the top and left, light along the right and bottom.
            const DeviceRect r{rect.left, rect.top, rect.right + 1, rect.bottom + 1};
            painter.Line(r.left, r.bottom - 1, r.left, r.top, sys.darkShadow);
            painter.Line(r.left, r.top, r.right - 1, r.top, sys.darkShadow);
            painter.Line(r.right - 1, r.top, r.right - 1, r.bottom - 1, sys.light);
            painter.Line(r.right - 1, r.bottom - 1, r.left - 1, r.bottom - 1, sys.light);
            rect = {r.left + 1, r.top + 1, r.right - 1, r.bottom - 1};
        } else {
            // Raised: light along the top and left, dark along the right and bottom.
            painter.Line(rect.right, rect.top, rect.left, rect.top, sys.light);
            painter.Line(rect.left, rect.top, rect.left, rect.bottom, sys.light);
            painter.Line(rect.right, rect.top, rect.right, rect.bottom, sys.darkShadow);
            painter.Line(rect.right, rect.bottom, rect.left, rect.bottom, sys.darkShadow);
            rect = {rect.left + 1, rect.top + 1, rect.right - 1, rect.bottom - 1};
        }
    }

    const int margin = std::max(0, GetMargin());
    rect = {rect.left + margin, rect.top + margin, rect.right - margin + 2,
            rect.bottom - margin + 2};
    const std::optional<Font> font = GetFont();
    painter.DrawText(rect, GetText(), GetFormat() | DT_NOPREFIX, textColour,
                     font ? *font : grid->DefaultFont());
    return true;
}

TextSize CGridCellBase::MeasureText(const std::string* text, const GridMeasurer* measurer) const {
    const CGridDefaultCell* defaults = GetDefaults();
    if (!text || !measurer) {
        return defaults ? TextSize{defaults->GetWidth(), defaults->GetHeight()} : TextSize{};
    }
    const std::optional<Font> own = GetFont();
    const CGridCtrl* grid = GetGrid();
    const Font font = own ? *own : (grid ? grid->DefaultFont() : Font{});
    const unsigned format = GetFormat();
    TextSize size;
    if ((format & DT_WORDBREAK) && !(format & DT_SINGLELINE)) {
        int widest = 0;
        for (const std::string& line : SplitLines(*text))
            widest = std::max(widest, measurer->MeasureText(line, font, DT_SINGLELINE, 0).cx);
        size = measurer->MeasureText(*text, font, format, widest + 1);
    } else {
        size = measurer->MeasureText(*text, font, DT_SINGLELINE, 0);
    }
    const int margin = std::max(0, GetMargin());
    size.cx += 2 * margin;
    size.cy += 2 * margin;
    return size;
}

TextSize CGridCellBase::MeasureCell(const GridMeasurer* measurer) const {
    const std::string text = GetText();
    TextSize size = MeasureText(&text, measurer);
    const int extra = IsFixed() ? 2 : 1;
    size.cx += extra;
    size.cy += extra;
    return size;
}

// ---- CGridCell

void CGridCell::SetFont(const Font* font) {
    if (font)
        font_ = *font;
    else
        font_.reset();
}

unsigned CGridCell::GetFormat() const {
    if (format_ == kDefaultFormat) {
        if (const CGridDefaultCell* d = GetDefaults()) return d->GetFormat();
    }
    return format_;
}

std::optional<Font> CGridCell::GetFont() const {
    if (font_) return font_;
    if (const CGridDefaultCell* d = GetDefaults()) return d->GetFont();
    return std::nullopt;
}

int CGridCell::GetMargin() const {
    if (margin_ == -1) {
        if (const CGridDefaultCell* d = GetDefaults()) return d->GetMargin();
    }
    return margin_;
}

void CGridCell::Reset() {
    CGridCellBase::Reset();
    text_.clear();
    image_ = -1;
    data_ = 0;
    grid_ = nullptr;
    editing_ = false;
    editWindow_ = nullptr;
    format_ = kDefaultFormat;
    textColour_ = CLR_DEFAULT;
    backColour_ = CLR_DEFAULT;
    margin_ = -1;
    font_.reset();
}

bool CGridCell::Edit(int row, int col, DeviceRect rect, DevicePoint, unsigned firstChar) {
    if (editing_) {
        if (editWindow_) editWindow_->SendChar(firstChar);
        return true;
    }
    GridWindow* window = grid_ ? grid_->Window() : nullptr;
    if (!window) return true;
    TextEditorRequest request;
    request.row = row;
    request.col = col;
    request.rect = rect;
    request.format = GetFormat();
    request.text = GetText();
    request.firstChar = firstChar;
    const std::optional<Font> font = GetFont();
    request.font = font ? *font : grid_->DefaultFont();
    editing_ = true;
    editWindow_ = window->OpenTextEditor(request);
    if (!editWindow_) editing_ = false;
    return true;
}

void CGridCell::StopEdit() {
    if (editWindow_) editWindow_->EndEdit();
}

// ---- CGridDefaultCell

CGridDefaultCell::CGridDefaultCell() {
    format_ = DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS;
    textColour_ = CLR_DEFAULT;
    backColour_ = CLR_DEFAULT;
    const Font font;
    SetFont(&font, nullptr);
}

void CGridDefaultCell::SetFont(const Font* font) {
    SetFont(font, grid_ && grid_->Window() ? grid_->Window()->Measurer() : nullptr);
}

void CGridDefaultCell::SetFont(const Font* font, const GridMeasurer* measurer) {
    if (!font) return;
    font_ = *font;
    if (measurer) {
        margin_ = measurer->MeasureText(" ", *font, DT_SINGLELINE, 0).cx;
        const TextSize size = measurer->MeasureText(" XXXXXXXXXXXX ", *font, DT_SINGLELINE, 0);
        width_ = size.cx;
        height_ = size.cy * 3 / 2;
    } else {
        margin_ = 3;
        width_ = 40;
        height_ = 16;
    }
}

}  // namespace gridctrl
