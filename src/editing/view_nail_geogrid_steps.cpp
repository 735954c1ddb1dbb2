// The view's steps of the nail and geogrid tools: the clicks and Enter of edit modes 19 and 20,
// the placing steps (cursor modes 47, 48) with their grey XOR band, and the drops of a drag
// (cursor modes 108, 109).

#include "core/cursor_mode.h"
#include "editing/cursor_modes.h"
#include "editing/edit_modes.h"
#include "editing/nail_geogrid_tools.h"
#include "editing/tool_dialog_bars.h"
#include "editing/view_dispatch.h"
#include "editing/view_navigation.h"
#include "graphics/graphics.h"
#include "model/data_sets.h"

#include <algorithm>

namespace {

// The band drawn now, in pixels; none when drawn is false.
struct s_Band {
    bool drawn = false;
    platform::DevicePoint a, b;
};
s_Band g_band;

void DrawBand(ViewInputHost& view, platform::DevicePoint a, platform::DevicePoint b) {
    const platform::DeviceRect touched{std::min(a.x, b.x) - 1, std::min(a.y, b.y) - 1,
                                       std::max(a.x, b.x) + 2, std::max(a.y, b.y) + 2};
    view.DrawOverlay(touched, [&](platform::DeviceContext& dc) {
        const platform::Pen old =
            dc.SetPen(platform::Pen{platform::PenStyle::Solid, 1, kNavigationPenColor});
        const platform::RasterOp oldOp = dc.SetRop2(platform::RasterOp::XorPen);
        dc.MoveTo(a.x, a.y);
        dc.LineTo(b.x, b.y);
        dc.SetRop2(oldOp);
        dc.SetPen(old);
    });
}

void EraseBand(ViewInputHost& view) {
    if (g_band.drawn) DrawBand(view, g_band.a, g_band.b);
    g_band = {};
}

// The band of the placing step or the drag as it stands now.
void ShowBand(ViewInputHost& view, const s_tagTypePointXY& from, const s_tagTypePointXY& to) {
    EraseBand(view);
    g_band = {true, Cpp_Graphics::WorldToPixel(from.x, from.y),
              Cpp_Graphics::WorldToPixel(to.x, to.y)};
    DrawBand(view, g_band.a, g_band.b);
}

Cpp_Kliven4DataSet* DataSet() { return Cpp_Kliven4Data::CurrentDataSetOrNull(); }

}  // namespace

void ErasePlacingBand() { g_band = {}; }

namespace view_input_ops {

void NailToolClick(s_InputCall& call) { StartNailPlacement(DataSet(), call.snapped); }
void GeogridToolClick(s_InputCall& call) { StartGeogridPlacement(DataSet(), call.snapped); }
// With Shift the nail bar's Y follows the cursor.
void NailToolMove(s_InputCall& call) {
    if (call.in.shift) TheToolBars().nails.SetY(call.snapped.y);
}
void NailToolEnter(s_InputCall& call) {
    if (PlaceNailAtBarLevel(DataSet())) call.redraw = call.modified = true;
}
void GeogridToolEnter(s_InputCall& call) {
    if (PlaceGeogridAtBarLevel(DataSet())) call.redraw = call.modified = true;
}

void PlacementBandMove(s_InputCall& call) {
    PlacementMove(call.snapped);
    s_tagTypePointXY head, end;
    if (PlacementBand(head, end)) ShowBand(call.view, head, end);
}

void PlacementClick(s_InputCall& call) {
    if (!FinishPlacement(DataSet(), call.snapped, false)) return;
    EraseBand(call.view);
    call.redraw = call.modified = true;
}

void PlacementEnter(s_InputCall& call) {
    if (!FinishPlacement(DataSet(), call.snapped, true)) return;
    EraseBand(call.view);
    call.redraw = call.modified = true;
}

void PlacementEscape(s_InputCall& call) {
    EraseBand(call.view);
    CancelPlacement();
}

void DragBandMove(s_InputCall& call) {
    DragMove(call.snapped);
    s_tagTypePointXY head, end;
    if (DragBand(head, end)) ShowBand(call.view, head, end);
}

void DragDrop(s_InputCall& call) {
    EraseBand(call.view);
    const bool moved = DropDrag(DataSet(), call.snapped);
    call.redraw = true;
    if (moved) call.modified = true;
}

}  // namespace view_input_ops
