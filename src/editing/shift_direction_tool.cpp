#include "editing/shift_direction_tool.h"

#include "analysis/noncircular_shear_surface.h"
#include "core/cursor_mode.h"
#include "editing/cursor_modes.h"
#include "editing/edit_modes.h"
#include "editing/selection.h"
#include "editing/selection_edit_support.h"
#include "editing/selection_kinds.h"
#include "editing/selection_list.h"
#include "editing/tool_dialog_bars.h"
#include "editing/tool_table.h"
#include "editing/view_input.h"
#include "editing/view_navigation.h"
#include "graphics/graphics.h"
#include "graphics/prompts.h"
#include "graphics/vector_arrow.h"
#include "model/program_state.h"
#include "registry/view_preparations.h"

#include <cmath>
#include <numbers>

namespace {

struct s_ShiftToolState {
    Cpp_NoncircularShearSurface* surface = nullptr;
    int index = -1;
    bool arrow = false;  // the direction tool's arrow is shown
    s_PixelPoint cursor;
};
s_ShiftToolState g_shift;

Cpp_NoncircularShearSurfacePoint* Point() {
    if (!g_shift.surface || g_shift.index < 0 || g_shift.index >= g_shift.surface->NumberOfPoints())
        return nullptr;
    return &g_shift.surface->Points()[g_shift.index];
}

void ArrowOn(platform::DeviceContext& dc) {
    const Cpp_NoncircularShearSurfacePoint* p = Point();
    if (!p) return;
    const platform::Pen white{platform::PenStyle::Solid, 1, platform::MakeRgb(255, 255, 255)};
    const platform::Brush fill{platform::BrushKind::Solid, platform::MakeRgb(255, 255, 255)};
    const platform::RasterOp oldOp = dc.SetRop2(platform::RasterOp::XorPen);
    Cpp_Vector::DrawRubberBand(Cpp_Graphics::XToPixel(p->X()), Cpp_Graphics::YToPixel(p->Y()),
                               g_shift.cursor.x, g_shift.cursor.y, dc, white, white, fill);
    dc.SetRop2(oldOp);
}
void Arrow() {
    if (!g_shift.arrow) return;
    if (ViewInputHost* view = GetViewWindow()) view->DrawOverlay(view->ClientRect(), ArrowOn);
}

void End() {
    g_shift = s_ShiftToolState{};
    SetCursorMode(CursorModeNone);
    ClearPromptBar();
    ClearToolTip();
    SetToolPrompt(true, EditModeSelect, {});
}

void DrawFeedback(platform::DeviceContext& dc, Cpp_Kliven4DataSet*) {
    Cpp_ShiftDirectionTool::Repaint(dc);
}

const bool g_resetAdded = (AddProgramStateReset(&Cpp_ShiftDirectionTool::Reset), true);

}  // namespace

bool Cpp_ShiftDirectionTool::StartDirectionTool(Cpp_NoncircularShearSurface* surface, int index,
                                                int px, int py) {
    g_shift = s_ShiftToolState{surface, index, false, {px, py}};
    if (!Point()) {
        g_shift = s_ShiftToolState{};
        return false;
    }
    g_shift.arrow = true;
    Arrow();
    SetCursorMode(CursorModeShiftDirection);
    SetStatusTextFromId(true, 1403);
    return true;
}

void Cpp_ShiftDirectionTool::ShiftToolMouseMove(int px, int py) {
    if (!g_shift.arrow) return;
    Arrow();
    g_shift.cursor = {px, py};
    Arrow();
}

bool Cpp_ShiftDirectionTool::DirectionToolClick(double x, double y) {
    Cpp_NoncircularShearSurfacePoint* p = Point();
    if (!p || !g_shift.arrow) return false;
    Arrow();
    p->SetShiftAngle(std::atan2(y - p->Y(), x - p->X()) * 180.0 / std::numbers::pi, true, false);
    End();
    return true;
}

void Cpp_ShiftDirectionTool::CancelDirectionTool() {
    Arrow();
    End();
}

bool Cpp_ShiftDirectionTool::StartParallelToLine(Cpp_NoncircularShearSurface* surface, int index) {
    g_shift = s_ShiftToolState{surface, index, false, {}};
    if (!Point()) {
        g_shift = s_ShiftToolState{};
        return false;
    }
    SetCursorMode(CursorModeShiftParallelToLine);
    ShowPromptResource(1405);
    SetToolTipFromId(1405);
    return true;
}

bool Cpp_ShiftDirectionTool::SetMoveDirectionFromPickedSegment(const Cpp_Selection& picked) {
    if (!SelectionKindHas(picked.GetType(), selection_flags::kLineSegment)) return false;
    s_tagTypePointXY a, b;
    if (!picked.GetSegmentPoints(a, b)) return false;
    return FinishMoveableSetting(std::atan2(b.y - a.y, b.x - a.x) * 180.0 / std::numbers::pi);
}

bool Cpp_ShiftDirectionTool::FinishMoveableSetting(double angleDegrees) {
    Cpp_NoncircularShearSurfacePoint* p = Point();
    if (!p) return false;
    p->SetShiftAngle(angleDegrees, true, false);
    End();
    return true;
}

void Cpp_ShiftDirectionTool::CancelShiftTool() { End(); }

void Cpp_ShiftDirectionTool::Repaint(platform::DeviceContext& dc) {
    if (g_shift.arrow && GetCursorMode() == CursorModeShiftDirection) ArrowOn(dc);
}

void Cpp_ShiftDirectionTool::RegisterDrawing() {
    RegisterAfterDataDrawing(e_AfterDataStep::ToolFeedback, &DrawFeedback);
}

void Cpp_ShiftDirectionTool::Reset() { g_shift = s_ShiftToolState{}; }

namespace {

// The surface and point index of the first selected item when it is a noncircular point.
Cpp_NoncircularShearSurface* SelectedPoint(int& index) {
    const Cpp_Selection* first = GetCurrentSelection().GetNth(1);
    if (!first || first->GetType() != SEL_NONCIRCULAR_POINT) return nullptr;
    return selection_edit::NoncircularOf(*first, index);
}

}  // namespace

bool SetSelectedPointConstraint(ViewInputHost& view, bool moveable, bool directionComputed) {
    int index = 0;
    Cpp_NoncircularShearSurface* surface = SelectedPoint(index);
    if (!surface) return false;
    surface->Points()[static_cast<std::size_t>(index)].SetShiftAngle(0.0, moveable,
                                                                     directionComputed);
    if (CmDialogBarNoncircularTool* bar = ActiveNoncircularBar())
        bar->SetPointFixity(moveable, directionComputed, 0.0);
    view.DataChanged(9);
    view.InvalidateView();
    return true;
}

bool SetMoveableDirection(ViewInputHost&) {
    int index = 0;
    Cpp_NoncircularShearSurface* surface = SelectedPoint(index);
    int x = 0, y = 0;
    GetZoomAnchor(x, y);
    return surface && Cpp_ShiftDirectionTool::StartDirectionTool(surface, index, x, y);
}

bool SetMoveableParallelToLine() {
    int index = 0;
    Cpp_NoncircularShearSurface* surface = SelectedPoint(index);
    return surface && Cpp_ShiftDirectionTool::StartParallelToLine(surface, index);
}
