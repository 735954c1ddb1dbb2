#include "core/selection_marks.h"

#include "core/text_exception.h"

void DrawSelectionSquare(int x, int y, platform::DeviceContext* dc) {
    if (!dc) throw Cpp_TextException("EXCEPTION: Cpp_Selection::DrawSelectionSquare");
    const platform::Pen pen = dc->SetPen({platform::PenStyle::Null, 1, 0});
    platform::Brush white;
    white.kind = platform::BrushKind::Solid;
    white.color = 0xFFFFFF;
    const platform::Brush brush = dc->SetBrush(white);
    const platform::RasterOp op = dc->SetRop2(platform::RasterOp::XorPen);
    // Without a pen a rectangle fills its box less the outline's last column and row, so the
    // box reaches one pixel beyond the square.
    const platform::DeviceRect r = SelectionSquareBounds(x, y);
    dc->Rectangle(r.left, r.top, r.right + 1, r.bottom + 1);
    dc->SetRop2(op);
    dc->SetBrush(brush);
    dc->SetPen(pen);
}

void DrawSelectionMarker(int x, int y, platform::DeviceContext* dc) {
    if (!dc) throw Cpp_TextException("EXCEPTION: Cpp_Selection::DrawSelectionSquare");
    DrawSelectionSquare(x - 3, y + 3, dc);
    DrawSelectionSquare(x + 3, y + 3, dc);
    DrawSelectionSquare(x + 3, y - 3, dc);
    DrawSelectionSquare(x - 3, y - 3, dc);
}

platform::DeviceRect SelectionSquareBounds(int x, int y) { return {x - 2, y - 2, x + 2, y + 2}; }

platform::DeviceRect SelectionMarkerBounds(int x, int y) { return {x - 5, y - 5, x + 5, y + 5}; }
