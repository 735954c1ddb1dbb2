#include "editing/search_grid_tool.h"

#include "analysis/fixed_search_grid.h"
#include "core/cursor_mode.h"
#include "editing/circle_tool.h"
#include "editing/cursor_modes.h"
#include "editing/edit_modes.h"
#include "editing/tool_dialog_bars.h"
#include "editing/tool_table.h"
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

using e_GridTool = s_SearchGridStep::e_Kind;

// The step's state, held by the circle tool's object in the table.
s_SearchGridStep& Grid() {
    return static_cast<CircleTool&>(*ToolForEditMode(EditModeCircle)).searchGrid;
}

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
    if (Grid().line) {
        previous = next = Grid().corners[k == 1 ? 1 : 0];
        return;
    }
    previous = Grid().corners[(k + 2) % 4];
    next = Grid().corners[k % 4];
}

void BandOn(platform::DeviceContext& dc) {
    switch (Grid().tool) {
    case e_GridTool::Corners:
        XorLine(dc, ToPixel(Grid().corners[Grid().entered - 1]), Grid().band);
        break;
    case e_GridTool::Rectangle: {
        const s_PixelPoint a = ToPixel(Grid().corners[0]), b = Grid().band;
        XorLine(dc, a, {b.x, a.y});
        XorLine(dc, {b.x, a.y}, b);
        XorLine(dc, b, {a.x, b.y});
        XorLine(dc, {a.x, b.y}, a);
        break;
    }
    case e_GridTool::Move: {
        s_tagTypePointXY previous, next;
        Neighbours(Grid().corner, previous, next);
        XorLine(dc, ToPixel(previous), Grid().band);
        if (!Grid().line) XorLine(dc, Grid().band, ToPixel(next));
        break;
    }
    case e_GridTool::None: break;
    }
}
void Band() {
    if (Grid().tool != e_GridTool::None) OnView(BandOn);
}

// The sides entered so far, solid (palette colour 3).
void SideOn(platform::DeviceContext& dc, int from, int to) {
    const platform::Pen oldPen =
        dc.SetPen(platform::Pen{platform::PenStyle::Solid, 1, s_ColorType(3, 3).RGBColor()});
    const platform::RasterOp oldOp = dc.SetRop2(platform::RasterOp::CopyPen);
    const s_PixelPoint a = ToPixel(Grid().corners[from]), b = ToPixel(Grid().corners[to]);
    dc.MoveTo(a.x, a.y);
    dc.LineTo(b.x, b.y);
    dc.SetRop2(oldOp);
    dc.SetPen(oldPen);
}

void EndTool() {
    Grid().tool = e_GridTool::None;
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
    if (!bar.GetCircleData(mode, bx, by, kind, irregular, first, second) || mode != 4) return false;
    Grid() = s_SearchGridStep{};
    Grid().line = grid.IsLine();
    if (fromToolBar) {
        rectangle = false;
        Grid().corners[0] = {bx, by};
        Grid().band = ToPixel(Grid().corners[0]);
        bar.FocusXEdit();
    } else {
        Grid().corners[0] = {x, y};
        Grid().band = {px, py};
    }
    Grid().raw = Grid().band;
    Grid().world = Grid().corners[0];
    Grid().entered = 1;
    Grid().tool = rectangle ? e_GridTool::Rectangle : e_GridTool::Corners;
    SetCursorMode(rectangle ? CursorModeSearchGridDrag : CursorModeSearchGridCorners);
    ShowPrompt(Grid().line ? "Enter opposite end point of line"
               : rectangle ? "Enter opposite corner point grid"
                           : "Enter second corner point of grid");
    Band();
    return true;
}

bool Cpp_FixedSearchGridTool::EnterCornersClick(Cpp_FixedSearchGrid& grid, int px, int py, double x,
                                                double y, bool fromToolBar) {
    (void)px;
    (void)py;
    if (Grid().tool != e_GridTool::Corners) return true;
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
    if (Grid().line) {
        grid.SetCorner(1, Grid().corners[0].x, Grid().corners[0].y);
        grid.SetCorner(2, corner.x, corner.y);
        EndTool();
        return true;
    }
    const int index = Grid().entered++;
    Grid().corners[index] = corner;
    OnView([index](platform::DeviceContext& dc) { SideOn(dc, index - 1, index); });
    if (Grid().entered < 4) {
        ShowPrompt(Grid().entered == 2 ? "Enter third corner point of grid"
                                       : "Enter fourth corner point of grid");
        Grid().band = ToPixel(corner);
        Band();
        return false;
    }
    OnView([](platform::DeviceContext& dc) { SideOn(dc, 3, 0); });
    for (int i = 0; i < 4; ++i) grid.SetCorner(i + 1, Grid().corners[i].x, Grid().corners[i].y);
    EndTool();
    return true;
}

bool Cpp_FixedSearchGridTool::ToolMouseMove(int rawPx, int rawPy, int px, int py, double x,
                                            double y, bool rectangle) {
    (void)rectangle;
    if (Grid().tool == e_GridTool::None) return true;
    Band();
    Grid().band = {px, py};
    Grid().raw = {rawPx, rawPy};
    Grid().world = {x, y};
    Band();
    SetCoordinateToolTip(x, y);
    return true;
}

bool Cpp_FixedSearchGridTool::FinishRectangleEntry(Cpp_FixedSearchGrid& grid, double x, double y) {
    if (Grid().tool != e_GridTool::Rectangle) return false;
    Band();
    const s_tagTypePointXY first = Grid().corners[0];
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
    Grid() = s_SearchGridStep{};
    Grid().line = grid.IsLine();
    if (Grid().line && corner > 2) return false;
    for (int i = 0; i < 4; ++i) Grid().corners[i] = grid.Corner(i + 1);
    Grid().corner = corner;
    Grid().band = Grid().raw = {px, py};
    Grid().world = grid.Corner(corner);
    Grid().tool = e_GridTool::Move;
    Band();
    ShowPrompt(Grid().line ? "Move grid end point - click to finish move; Esc to cancel"
                           : "Move grid corner point - click to finish move; Esc to cancel");
    SetCursorMode(CursorModeMoveSearchGridCorner);
    return true;
}

void Cpp_FixedSearchGridTool::DragMove(int px, int py, double x, double y) {
    if (Grid().tool != e_GridTool::Move) return;
    Band();
    Grid().band = Grid().raw = {px, py};
    Grid().world = {x, y};
    Band();
    SetCoordinateToolTip(x, y);
}

bool Cpp_FixedSearchGridTool::DragEnd(Cpp_FixedSearchGrid& grid, bool fromToolBar) {
    if (Grid().tool != e_GridTool::Move) return false;
    s_tagTypePointXY at = Grid().world;
    if (fromToolBar && !Bar().GetCenter(at.x, at.y)) return false;
    Band();
    grid.SetCorner(Grid().corner, at.x, at.y);
    EndTool();
    return true;
}

void Cpp_FixedSearchGridTool::CancelTool() {
    Band();
    EndTool();
    RestoreToolPrompt();
}

bool Cpp_FixedSearchGridTool::IsEntering() {
    return Grid().tool == e_GridTool::Corners || Grid().tool == e_GridTool::Rectangle;
}

int Cpp_FixedSearchGridTool::EnteredCorners() { return Grid().entered; }

void Cpp_FixedSearchGridTool::Repaint(platform::DeviceContext& dc) {
    if (Grid().tool == e_GridTool::None) return;
    if (Grid().tool == e_GridTool::Corners)
        for (int i = 1; i < Grid().entered; ++i) SideOn(dc, i - 1, i);
    // After a zoom the band's end follows the last mouse pixel at the new scale.
    s_tagTypePointXY at;
    Cpp_Graphics::PixelToWorldPoint(Grid().raw.x, Grid().raw.y, at.x, at.y);
    if (Cpp_GraphicGrid::SnapOn()) Cpp_GraphicGrid::SnapToGrid(at.x, at.y, true);
    if (at.x != Grid().world.x || at.y != Grid().world.y) {
        Grid().world = at;
        Grid().band = ToPixel(at);
    }
    BandOn(dc);
}

void Cpp_FixedSearchGridTool::RegisterDrawing() {
    RegisterAfterDataDrawing(e_AfterDataStep::ToolFeedback, &DrawFeedback);
}

void Cpp_FixedSearchGridTool::Reset() { Grid() = s_SearchGridStep{}; }
