#include "editing/view_navigation.h"

#include "core/string_table.h"
#include "editing/cursor_modes.h"
#include "editing/line_entry_tool.h"
#include "editing/line_point_tools.h"
#include "graphics/graphics.h"
#include "loads/distributed_load_data.h"
#include "loads/reinforcement_line.h"
#include "registry/view_preparations.h"

#include <algorithm>

namespace {

ViewInputHost* g_view = nullptr;
std::string g_cursorText;
std::string g_savedCursorText;

// One XOR stroke on the view, the device's pen and raster operation restored after it.
template <typename Draw>
void Stroke(platform::DeviceContext& dc, Draw&& draw) {
    const platform::Pen old =
        dc.SetPen(platform::Pen{platform::PenStyle::Solid, 1, kNavigationPenColor});
    const platform::RasterOp oldOp = dc.SetRop2(platform::RasterOp::XorPen);
    draw(dc);
    dc.SetRop2(oldOp);
    dc.SetPen(old);
}

void CrosshairOn(platform::DeviceContext& dc, s_PixelPoint at, const platform::DeviceRect& r) {
    Stroke(dc, [&](platform::DeviceContext& d) {
        d.MoveTo(0, at.y);
        d.LineTo(r.right - r.left, at.y);
        d.MoveTo(at.x, 0);
        d.LineTo(at.x, r.bottom - r.top);
    });
}

void BoxOn(platform::DeviceContext& dc, s_PixelPoint a, s_PixelPoint b) {
    const int x1 = std::min(a.x, b.x), x2 = std::max(a.x, b.x);
    const int y1 = std::min(a.y, b.y), y2 = std::max(a.y, b.y);
    Stroke(dc, [&](platform::DeviceContext& d) {
        d.Polyline({{x1, y1}, {x2, y1}, {x2, y2}, {x1, y2}, {x1, y1}});
    });
}

void LineOn(platform::DeviceContext& dc, s_PixelPoint a, s_PixelPoint b) {
    Stroke(dc, [&](platform::DeviceContext& d) {
        d.MoveTo(a.x, a.y);
        d.LineTo(b.x, b.y);
    });
}

// The pixels of a box or line between two points, both ends included.
platform::DeviceRect Around(s_PixelPoint a, s_PixelPoint b) {
    return {std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x) + 1, std::max(a.y, b.y) + 1};
}

// Each helper draws (or, drawn a second time, erases) one figure on the view.
void Crosshair(s_PixelPoint at) {
    if (!g_view) return;
    const platform::DeviceRect r = g_view->ClientRect();
    g_view->DrawOverlay(r, [&](platform::DeviceContext& dc) { CrosshairOn(dc, at, r); });
}

// A box of one point is never drawn (the box appears at the first move).
void Box(s_PixelPoint a, s_PixelPoint b) {
    if (!g_view || (a.x == b.x && a.y == b.y)) return;
    g_view->DrawOverlay(Around(a, b), [&](platform::DeviceContext& dc) { BoxOn(dc, a, b); });
}

// A pan line of one point is never drawn.
void PanLine(s_PixelPoint a, s_PixelPoint b) {
    if (!g_view || (a.x == b.x && a.y == b.y)) return;
    g_view->DrawOverlay(Around(a, b), [&](platform::DeviceContext& dc) { LineOn(dc, a, b); });
}

void SetBand(int x, int y) {
    SetRubberBandStart(x, y);
    SetRubberBandEnd(x, y);
}

}  // namespace

void SetViewWindow(ViewInputHost* view) { g_view = view; }
ViewInputHost* GetViewWindow() { return g_view; }

void InvalidateViewWindow() {
    if (g_view) g_view->InvalidateView();
}

bool StartZoomWindow(int x, int y) {
    const int mode = GetCursorMode();
    // The point-entry tools take their step back when they redraw after the zoom.
    const bool entryStep = mode == CursorModeLineEntry || mode == CursorModeProfileLineEntry ||
                           mode == CursorModePiezometricLineEntry ||
                           mode == CursorModeSlopeLineEntry ||
                           mode == CursorModeReinforcementLineEntry;
    if (entryStep) Cpp_LineEntry::EraseEnterRubberBand();
    const bool loadEntry = mode == CursorModeDistributedLoadEntry;
    if (loadEntry) Cpp_DistributedLoadData::EraseEntryBandForZoom();
    if (mode == CursorModeReinforcementLineEntry) Cpp_ReinforcementLineList::SaveToolModeForZoom();
    SetSavedCursorMode(entryStep || loadEntry ? mode : 0);
    // So do the point and editing tools of a line.
    if (!entryStep && !loadEntry && mode != CursorModeNone && Cpp_LineTool::IsActive())
        Cpp_LineTool::EraseBandBeforeZoom();
    // Drawn before the mode changes: a view drawn again first must not show it already.
    SetBand(x, y);
    Crosshair({x, y});
    SetCursorMode(CursorModeZoomWindow);
    return true;
}

void MoveCrosshair(int x, int y) {
    Crosshair(GetRubberBandEnd());
    Crosshair({x, y});
    SetBand(x, y);
}

void StartZoomBox(int x, int y) {
    Crosshair(GetRubberBandEnd());
    SetBand(x, y);
    SetCursorMode(CursorModeZoomBox);
}

void DrawZoomBoxMove(int x, int y) {
    const s_PixelPoint start = GetRubberBandStart();
    Box(start, GetRubberBandEnd());
    SetRubberBandEnd(x, y);
    Box(start, {x, y});
}

void FinishZoomBox() {
    const s_PixelPoint start = GetRubberBandStart(), end = GetRubberBandEnd();
    Box(start, end);
    SetCursorMode(CursorModeNone);
    ZoomToPixelBox(start.x, start.y, end.x, end.y);
}

bool ZoomToPixelBox(int x1, int y1, int x2, int y2) {
    // A box without width or height has no window to show; the view stays as it was.
    if (x1 == x2 || y1 == y2) return false;
    Cpp_Graphics::SetWindowFromPixels(std::min(x1, x2), std::max(y1, y2), std::max(x1, x2),
                                      std::min(y1, y2));
    Cpp_Graphics::InvalidateScale();
    InvalidateViewWindow();
    return true;
}

bool EraseRubberBand(int kind) {
    if (kind == 1) {
        Crosshair(GetRubberBandEnd());
    } else {
        Box(GetRubberBandStart(), GetRubberBandEnd());
    }
    SetCursorMode(CursorModeNone);
    // A point entry under way takes its step back when the view is drawn again.
    if (GetSavedCursorMode() != 0) InvalidateViewWindow();
    return true;
}

void StartPan(int x, int y) {
    // The cross-hair stays, at the anchor: the moves erase it where they find it.
    Crosshair(GetRubberBandEnd());
    Crosshair({x, y});
    SetBand(x, y);
    SetCursorMode(CursorModePanEnd);
}

void DrawPanLineMove(int x, int y) {
    const s_PixelPoint start = GetRubberBandStart(), end = GetRubberBandEnd();
    Crosshair(end);
    Crosshair({x, y});
    PanLine(start, end);
    SetRubberBandEnd(x, y);
    PanLine(start, {x, y});
}

void FinishPan() {
    const s_PixelPoint start = GetRubberBandStart(), end = GetRubberBandEnd();
    Crosshair(end);
    PanLine(start, end);
    SetCursorMode(CursorModeNone);
    PanByPixels(start.x, start.y, end.x, end.y);
}

void PanByPixels(int x1, int y1, int x2, int y2) {
    Cpp_Graphics::PanWindow(Cpp_Graphics::PixelToX(x1), Cpp_Graphics::PixelToY(y1),
                            Cpp_Graphics::PixelToX(x2), Cpp_Graphics::PixelToY(y2));
    InvalidateViewWindow();
}

void EraseRubberBandOnRightClick(int kind) {
    Crosshair(GetRubberBandEnd());
    if (kind == 2) PanLine(GetRubberBandStart(), GetRubberBandEnd());
    SetCursorMode(CursorModeNone);
}

namespace {
void DrawNavigationFigures(platform::DeviceContext& dc, Cpp_Kliven4DataSet*) {
    RepaintNavigation(dc);
}
}  // namespace

void RegisterNavigationDrawing() {
    RegisterAfterDataDrawing(e_AfterDataStep::NavigationFigures, &DrawNavigationFigures);
}

void RepaintNavigation(platform::DeviceContext& dc) {
    const s_PixelPoint start = GetRubberBandStart(), end = GetRubberBandEnd();
    switch (GetCursorMode()) {
    case CursorModeZoomWindow:
    case CursorModePanStart:
        if (g_view) CrosshairOn(dc, end, g_view->ClientRect());
        break;
    case CursorModeZoomBox:
        // Before the first move the box is not drawn yet.
        if (start.x != end.x || start.y != end.y) BoxOn(dc, start, end);
        break;
    case CursorModePanEnd:
        if (g_view) CrosshairOn(dc, end, g_view->ClientRect());
        if (start.x != end.x || start.y != end.y) LineOn(dc, start, end);
        break;
    default: break;
    }
}

void LoadCursorText(int stringId, bool save) {
    std::optional<std::string> text = LoadStringText(stringId);
    if (!text) return;
    if (save) g_savedCursorText = g_cursorText;
    g_cursorText = std::move(*text);
}

void RestoreCursorText() { g_cursorText = g_savedCursorText; }
const std::string& GetCursorText() { return g_cursorText; }

s_CursorModeHooks NavigationCursorModeHooks() {
    s_CursorModeHooks hooks;
    hooks.loadPromptText = [](int id, bool save) { LoadCursorText(id, save); };
    hooks.restorePromptText = [] { RestoreCursorText(); };
    return hooks;
}

void ResetViewNavigationState() {
    g_view = nullptr;
    g_cursorText.clear();
    g_savedCursorText.clear();
}
