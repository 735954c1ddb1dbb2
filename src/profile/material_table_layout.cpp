#include "profile/material_table_layout.h"

#include <cmath>

#include "graphics/graphics.h"

namespace {

constexpr int kGridLineReach = 5;

int CursorX(std::uint32_t cursor) { return static_cast<std::int16_t>(cursor >> 16); }
int CursorY(std::uint32_t cursor) { return static_cast<std::int16_t>(cursor & 0xFFFF); }

void MarkHit(s_PickType& pick) {
    pick.found = 1;
    pick.bestDistanceSquared = 0.0;
    pick.secondaryDistanceSquared = 0.0;
    pick.segmentNumber = 0;
}

void ClearExtra(s_PickType& pick) {
    pick.bestDistanceSquared = 0.0;
    pick.secondaryDistanceSquared = 0.0;
    pick.segmentNumber = 0;
}

}  // namespace

void Cpp_MaterialTableLayout::FreeArrays() {
    textBlocks_.clear();
    columnLines_.clear();
    rowLines_.clear();
}

bool Cpp_MaterialTableLayout::GetAnchorPoint(double x, double y, s_Point& point) const {
    if (anchorCode_ < 1 || anchorCode_ > 9) return false;
    const int column = (anchorCode_ - 1) % 3;  // 0 right, 1 centre, 2 left
    const int row = (anchorCode_ - 1) / 3;     // 0 bottom, 1 middle, 2 top
    point.x = column == 0 ? x + width_ : column == 1 ? x + width_ / 2 : x;
    point.y = row == 0 ? y : row == 1 ? y + height_ / 2 : y + height_;
    return true;
}

bool Cpp_MaterialTableLayout::HitTestBox(s_PickType& pick) const {
    if (!(left_ < pick.x && pick.x < right_ && bottom_ < pick.y && pick.y < top_)) return false;
    MarkHit(pick);
    return true;
}

bool Cpp_MaterialTableLayout::HitTestGridLines(s_PickType& pick, s_GridLineHit& hit) const {
    const platform::DevicePoint p = Cpp_Graphics::WorldToPixel(pick.x, pick.y);
    ClearExtra(pick);
    const int columns = static_cast<int>(columnLines_.size());
    const int rows = static_cast<int>(rowLines_.size());
    if (rows > 0)
        for (int i = 0; i < columns; ++i)
            if (std::abs(p.x - columnLines_[i]) < kGridLineReach &&
                rowLines_.front() - kGridLineReach < p.y &&
                p.y < rowLines_.back() + kGridLineReach) {
                hit = {i == 0 || i == columns - 1, i, -1};
                MarkHit(pick);
                return true;
            }
    if (columns > 0)
        for (int j = 0; j < rows; ++j)
            if (std::abs(p.y - rowLines_[j]) < kGridLineReach &&
                columnLines_.front() - kGridLineReach < p.x &&
                p.x < columnLines_.back() + kGridLineReach) {
                hit = {j == 0 || j == rows - 1, -1, j};
                MarkHit(pick);
                return true;
            }
    return false;
}

void Cpp_MaterialTableLayout::DrawOutline(platform::DeviceContext& dc) const {
    platform::Pen pen;
    pen.style = platform::PenStyle::Solid;
    pen.width = 1;
    pen.color = platform::MakeRgb(0, 255, 0);
    const platform::Pen oldPen = dc.SetPen(pen);
    const platform::RasterOp oldRop = dc.SetRop2(platform::RasterOp::XorPen);
    dc.Polyline({{outlineLeft_, outlineTop_},
                 {outlineRight_, outlineTop_},
                 {outlineRight_, outlineBottom_},
                 {outlineLeft_, outlineBottom_},
                 {outlineLeft_, outlineTop_}});
    dc.SetRop2(oldRop);
    dc.SetPen(oldPen);
}

void Cpp_MaterialTableLayout::BeginDrag(int cursorX, int cursorY) {
    const platform::DevicePoint corner = Cpp_Graphics::WorldToPixel(left_, bottom_);
    SetGrabOffset(corner.x - cursorX, corner.y - cursorY);
    outlineLeft_ = corner.x;
    outlineBottom_ = corner.y;
    outlineRight_ = outlineLeft_ + Cpp_Graphics::WorldLengthToPixelsX(width_);
    outlineTop_ = outlineBottom_ - Cpp_Graphics::WorldLengthToPixelsY(height_);
    lastCursor_ = (static_cast<std::uint32_t>(static_cast<std::uint16_t>(cursorX)) << 16) |
                  static_cast<std::uint16_t>(cursorY);
}

void Cpp_MaterialTableLayout::DragMove(platform::DeviceContext& dc, std::uint32_t cursor) {
    DrawOutline(dc);
    outlineLeft_ = grabX_ + CursorX(cursor);
    outlineBottom_ = grabY_ + CursorY(cursor);
    outlineRight_ = outlineLeft_ + Cpp_Graphics::WorldLengthToPixelsX(width_);
    outlineTop_ = outlineBottom_ - Cpp_Graphics::WorldLengthToPixelsY(height_);
    DrawOutline(dc);
    lastCursor_ = cursor;
}

void Cpp_MaterialTableLayout::DragEnd(platform::DeviceContext& dc, std::uint32_t cursor) {
    DrawOutline(dc);
    double x = 0.0, y = 0.0;
    Cpp_Graphics::PixelToWorldPoint(CursorX(cursor) + grabX_, CursorY(cursor) + grabY_, x, y);
    s_Point point;
    if (GetAnchorPoint(x, y, point)) anchor_ = point;
    anchored_ = true;
}
