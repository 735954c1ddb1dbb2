#include "editing/search_grid_tool.h"

#include "analysis/fixed_search_grid.h"
#include "core/cursor_mode.h"
#include "editing/circle_tool.h"
#include "editing/cursor_modes.h"
#include "editing/tool_dialog_bars.h"
#include "editing/view_navigation.h"
#include "graphics/drawing_attributes.h"
#include "graphics/graphic_grid.h"
#include "graphics/graphics.h"
#include "graphics/prompts.h"
#include "model/data_set.h"
#include "model/data_sets.h"
#include "model/program_state.h"
#include "registry/view_preparations.h"

#include <algorithm>

namespace {

CmDialogBarCircleTool& Bar() { return TheToolBars().circle; }

enum class e_GridTool { None, Corners, Rectangle, Move };

struct s_GridToolState {
    e_GridTool tool = e_GridTool::None;
    bool line = false;
    int entered = 0;  // corners entered so far
    int corner = 0;   // the corner being moved
    s_tagTypePointXY corners[4];
    s_PixelPoint band;  // the cursor end of the band
    s_PixelPoint raw;   // the last mouse pixel
    s_tagTypePointXY world;
};
s_GridToolState g_grid;

s_PixelPoint ToPixel(const s_tagTypePointXY& p) {
    return {Cpp_Graphics::XToPixel(p.x), Cpp_Graphics::YToPixel(p.y)};
}

template <typename Draw>
void OnView(Draw&& draw) {
    if (ViewInputHost* view = GetViewWindow()) view->DrawOverlay(view->ClientRect(), draw);
}

void XorLine(platform::DeviceContext& dc, s_PixelPoint a, s_PixelPoint b) {
    const platform::Pen oldPen =
        dc.SetPen(platform::Pen{platform::PenStyle::Solid, 1, kCircleBandColor});
    const platform::RasterOp oldOp = dc.SetRop2(platform::RasterOp::XorPen);
    dc.MoveTo(a.x, a.y);
    dc.LineTo(b.x, b.y);
    dc.SetRop2(oldOp);
    dc.SetPen(oldPen);
}

// The corners before and after corner k around the perimeter; a line's other end point for both.
void Neighbours(int k, s_tagTypePointXY& previous, s_tagTypePointXY& next) {
    if (g_grid.line) {
        previous = next = g_grid.corners[k == 1 ? 1 : 0];
        return;
    }
    previous = g_grid.corners[(k + 2) % 4];
    next = g_grid.corners[k % 4];
}

void BandOn(platform::DeviceContext& dc) {
    switch (g_grid.tool) {
    case e_GridTool::Corners:
        XorLine(dc, ToPixel(g_grid.corners[g_grid.entered - 1]), g_grid.band);
        break;
    case e_GridTool::Rectangle: {
        const s_PixelPoint a = ToPixel(g_grid.corners[0]), b = g_grid.band;
        XorLine(dc, a, {b.x, a.y});
        XorLine(dc, {b.x, a.y}, b);
        XorLine(dc, b, {a.x, b.y});
        XorLine(dc, {a.x, b.y}, a);
        break;
    }
    case e_GridTool::Move: {
        s_tagTypePointXY previous, next;
        Neighbours(g_grid.corner, previous, next);
        XorLine(dc, ToPixel(previous), g_grid.band);
        if (!g_grid.line) XorLine(dc, g_grid.band, ToPixel(next));
        break;
    }
    case e_GridTool::None: break;
    }
}
void Band() {
    if (g_grid.tool != e_GridTool::None) OnView(BandOn);
}

// The sides entered so far, solid (palette colour 3).
void SideOn(platform::DeviceContext& dc, int from, int to) {
    const platform::Pen oldPen = dc.SetPen(
        platform::Pen{platform::PenStyle::Solid, 1, s_ColorType(3, 3).RGBColor()});
    const platform::RasterOp oldOp = dc.SetRop2(platform::RasterOp::CopyPen);
    const s_PixelPoint a = ToPixel(g_grid.corners[from]), b = ToPixel(g_grid.corners[to]);
    dc.MoveTo(a.x, a.y);
    dc.LineTo(b.x, b.y);
    dc.SetRop2(oldOp);
    dc.SetPen(oldPen);
}

void EndTool() {
    g_grid.tool = e_GridTool::None;
    SetCursorMode(CursorModeNone);
    ClearPromptBar();
}

void RestoreToolPrompt() {
    if (Cpp_Kliven4DataSet* set = Cpp_Kliven4Data::CurrentDataSetOrNull())
        Cpp_CircleTool::ShowToolPrompt(*set->AnalysisComputationData());
}

void DrawFeedback(platform::DeviceContext& dc, Cpp_Kliven4DataSet*) {
    Cpp_FixedSearchGridTool::Repaint(dc);
}

const bool g_resetAdded = (AddProgramStateReset(&Cpp_FixedSearchGridTool::Reset), true);

}  // namespace

bool Cpp_FixedSearchGridTool::StartEntry(Cpp_FixedSearchGrid& grid, int px, int py, double x,
                                         double y, bool rectangle, bool fromToolBar) {
    CmDialogBarCircleTool& bar = Bar();
    int mode = 0, kind = 0;
    bool irregular = false;
    double bx = 0, by = 0, first = 0, second = 0;
    if (!bar.GetCircleData(mode, bx, by, kind, irregular, first, second) || mode != 4)
        return false;
    g_grid = s_GridToolState{};
    g_grid.line = grid.IsLine();
    if (fromToolBar) {
        rectangle = false;
        g_grid.corners[0] = {bx, by};
        g_grid.band = ToPixel(g_grid.corners[0]);
        bar.FocusXEdit();
    } else {
        g_grid.corners[0] = {x, y};
        g_grid.band = {px, py};
    }
    g_grid.raw = g_grid.band;
    g_grid.world = g_grid.corners[0];
    g_grid.entered = 1;
    g_grid.tool = rectangle ? e_GridTool::Rectangle : e_GridTool::Corners;
    SetCursorMode(rectangle ? CursorModeSearchGridDrag : CursorModeSearchGridCorners);
    ShowPrompt(g_grid.line   ? "Enter opposite end point of line"
               : rectangle ? "Enter opposite corner point grid"
                           : "Enter second corner point of grid");
    Band();
    return true;
}

bool Cpp_FixedSearchGridTool::EnterCornersClick(Cpp_FixedSearchGrid& grid, int px, int py,
                                                double x, double y, bool fromToolBar) {
    (void)px;
    (void)py;
    if (g_grid.tool != e_GridTool::Corners) return true;
    CmDialogBarCircleTool& bar = Bar();
    double bx = 0, by = 0;
    if (!bar.GetCenter(bx, by)) return true;
    Band();
    s_tagTypePointXY corner{x, y};
    if (fromToolBar) {
        corner = {bx, by};
        bar.FocusXEdit();
    } else {
        bar.SetCenter(x, y);
    }
    if (g_grid.line) {
        grid.SetCorner(1, g_grid.corners[0].x, g_grid.corners[0].y);
        grid.SetCorner(2, corner.x, corner.y);
        EndTool();
        return true;
    }
    const int index = g_grid.entered++;
    g_grid.corners[index] = corner;
    OnView([index](platform::DeviceContext& dc) { SideOn(dc, index - 1, index); });
    if (g_grid.entered < 4) {
        ShowPrompt(g_grid.entered == 2 ? "Enter third corner point of grid"
                                       : "Enter fourth corner point of grid");
        g_grid.band = ToPixel(corner);
        Band();
        return false;
    }
    OnView([](platform::DeviceContext& dc) { SideOn(dc, 3, 0); });
    for (int i = 0; i < 4; ++i) grid.SetCorner(i + 1, g_grid.corners[i].x, g_grid.corners[i].y);
    EndTool();
    return true;
}

bool Cpp_FixedSearchGridTool::ToolMouseMove(int rawPx, int rawPy, int px, int py, double x,
                                            double y, bool rectangle) {
    (void)rectangle;
    if (g_grid.tool == e_GridTool::None) return true;
    Band();
    g_grid.band = {px, py};
    g_grid.raw = {rawPx, rawPy};
    g_grid.world = {x, y};
    Band();
    SetCoordinateToolTip(x, y);
    return true;
}

bool Cpp_FixedSearchGridTool::FinishRectangleEntry(Cpp_FixedSearchGrid& grid, double x, double y) {
    if (g_grid.tool != e_GridTool::Rectangle) return false;
    Band();
    const s_tagTypePointXY first = g_grid.corners[0];
    const double xMin = std::min(x, first.x), xMax = std::max(x, first.x);
    const double yMin = std::min(y, first.y), yMax = std::max(y, first.y);
    grid.SetCorner(1, xMin, yMin);
    grid.SetCorner(2, xMax, yMin);
    grid.SetCorner(3, xMax, yMax);
    grid.SetCorner(4, xMin, yMax);
    grid.SetDefaultCounts();
    EndTool();
    return true;
}

void Cpp_FixedSearchGridTool::EscapeEntry() {
    Band();
    EndTool();
    RestoreToolPrompt();
}

bool Cpp_FixedSearchGridTool::MovePointTool(const Cpp_FixedSearchGrid& grid, int px, int py,
                                            int corner) {
    if (corner < 1 || corner > 4) return false;
    g_grid = s_GridToolState{};
    g_grid.line = grid.IsLine();
    if (g_grid.line && corner > 2) return false;
    for (int i = 0; i < 4; ++i) g_grid.corners[i] = grid.Corner(i + 1);
    g_grid.corner = corner;
    g_grid.band = g_grid.raw = {px, py};
    g_grid.world = grid.Corner(corner);
    g_grid.tool = e_GridTool::Move;
    Band();
    ShowPrompt(g_grid.line ? "Move grid end point - click to finish move; Esc to cancel"
                           : "Move grid corner point - click to finish move; Esc to cancel");
    SetCursorMode(CursorModeMoveSearchGridCorner);
    return true;
}

void Cpp_FixedSearchGridTool::DragMove(int px, int py, double x, double y) {
    if (g_grid.tool != e_GridTool::Move) return;
    Band();
    g_grid.band = g_grid.raw = {px, py};
    g_grid.world = {x, y};
    Band();
    SetCoordinateToolTip(x, y);
}

bool Cpp_FixedSearchGridTool::DragEnd(Cpp_FixedSearchGrid& grid, bool fromToolBar) {
    if (g_grid.tool != e_GridTool::Move) return false;
    s_tagTypePointXY at = g_grid.world;
    if (fromToolBar && !Bar().GetCenter(at.x, at.y)) return false;
    Band();
    grid.SetCorner(g_grid.corner, at.x, at.y);
    EndTool();
    return true;
}

void Cpp_FixedSearchGridTool::CancelTool() {
    Band();
    EndTool();
    RestoreToolPrompt();
}

bool Cpp_FixedSearchGridTool::IsEntering() {
    return g_grid.tool == e_GridTool::Corners || g_grid.tool == e_GridTool::Rectangle;
}

int Cpp_FixedSearchGridTool::EnteredCorners() { return g_grid.entered; }

void Cpp_FixedSearchGridTool::MoveBandNeighbours(s_tagTypePointXY& previous,
                                                 s_tagTypePointXY& next) {
    Neighbours(g_grid.corner, previous, next);
}

void Cpp_FixedSearchGridTool::Repaint(platform::DeviceContext& dc) {
    if (g_grid.tool == e_GridTool::None) return;
    if (g_grid.tool == e_GridTool::Corners)
        for (int i = 1; i < g_grid.entered; ++i) SideOn(dc, i - 1, i);
    // After a zoom the band's end follows the last mouse pixel at the new scale.
    s_tagTypePointXY at;
    Cpp_Graphics::PixelToWorldPoint(g_grid.raw.x, g_grid.raw.y, at.x, at.y);
    if (Cpp_GraphicGrid::SnapOn()) Cpp_GraphicGrid::SnapToGrid(at.x, at.y, true);
    if (at.x != g_grid.world.x || at.y != g_grid.world.y) {
        g_grid.world = at;
        g_grid.band = ToPixel(at);
    }
    BandOn(dc);
}

void Cpp_FixedSearchGridTool::RegisterDrawing() {
    RegisterAfterDataDrawing(e_AfterDataStep::ToolFeedback, &DrawFeedback);
}

void Cpp_FixedSearchGridTool::Reset() { g_grid = s_GridToolState{}; }
