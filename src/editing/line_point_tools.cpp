#include "editing/line_point_tools.h"

#include "core/cursor_mode.h"
#include "core/geometry.h"
#include "core/selection_marks.h"
#include "editing/cursor_modes.h"
#include "editing/line_tool_state.h"
#include "editing/tool_dialog_bars.h"
#include "editing/tool_table.h"
#include "editing/view_navigation.h"
#include "graphics/graphic_grid.h"
#include "graphics/graphics.h"
#include "graphics/line.h"
#include "graphics/point_symbols.h"
#include "graphics/prompts.h"
#include "model/program_state.h"
#include "registry/view_preparations.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <utility>

namespace line_tool {

namespace {
s_State g_state;
constexpr int kMargin = 24;  // room around a figure for pens and symbols
// What runs once when the next tool on the line ends.
struct s_EndHook {
    const Cpp_Line* line = nullptr;
    std::function<void()> run;
};
s_EndHook g_endHook;
}  // namespace

s_State& State() { return g_state; }

s_PixelPoint PixelOf(double x, double y) {
    return {Cpp_Graphics::XToPixel(x), Cpp_Graphics::YToPixel(y)};
}
s_PixelPoint PixelOf(const Cpp_PointXY* p) { return PixelOf(p->X(), p->Y()); }

void OnView(std::initializer_list<s_PixelPoint> touched,
            const std::function<void(platform::DeviceContext&)>& draw) {
    ViewInputHost* view = GetViewWindow();
    if (!view) return;
    if (touched.size() == 0) {
        view->DrawOverlay(view->ClientRect(), draw);
        return;
    }
    platform::DeviceRect r{touched.begin()->x, touched.begin()->y, touched.begin()->x,
                           touched.begin()->y};
    for (const s_PixelPoint& p : touched) {
        r.left = std::min(r.left, p.x);
        r.top = std::min(r.top, p.y);
        r.right = std::max(r.right, p.x);
        r.bottom = std::max(r.bottom, p.y);
    }
    view->DrawOverlay(
        {r.left - kMargin, r.top - kMargin, r.right + kMargin + 1, r.bottom + kMargin + 1}, draw);
}

void OnWholeView(const std::function<void(platform::DeviceContext&)>& draw) { OnView({}, draw); }

namespace {
// Runs the draw with the XOR tool pen, the previous pen and mode restored after.
template <typename Draw>
void WithXorPen(platform::DeviceContext& dc, Draw&& draw) {
    const platform::Pen old = dc.SetPen(platform::Pen{platform::PenStyle::Solid, 1, g_state.pen});
    const platform::RasterOp oldOp = dc.SetRop2(platform::RasterOp::XorPen);
    draw();
    dc.SetRop2(oldOp);
    dc.SetPen(old);
}
void Line(platform::DeviceContext& dc, s_PixelPoint a, s_PixelPoint b) {
    dc.MoveTo(a.x, a.y);
    dc.LineTo(b.x, b.y);
}
}  // namespace

void XorRubberBand(platform::DeviceContext& dc, const Cpp_PointXY* p1, s_PixelPoint pixel,
                   const Cpp_PointXY* p2) {
    WithXorPen(dc, [&] {
        if (p1) Line(dc, PixelOf(p1), pixel);
        if (p2) Line(dc, pixel, PixelOf(p2));
    });
}

void XorSegmentRubberBand(platform::DeviceContext& dc, const Cpp_PointXY* p1, s_PixelPoint a,
                          s_PixelPoint b, const Cpp_PointXY* p2) {
    WithXorPen(dc, [&] {
        if (p1) Line(dc, PixelOf(p1), a);
        Line(dc, a, b);
        if (p2) Line(dc, b, PixelOf(p2));
    });
}

void XorSegment(platform::DeviceContext& dc, s_PixelPoint a, s_PixelPoint b) {
    WithXorPen(dc, [&] { Line(dc, a, b); });
}

void DrawSegmentWithPen(platform::DeviceContext& dc, s_PixelPoint a, s_PixelPoint b, bool erase) {
    const s_DrawAttributesType& at = g_state.attributes;
    const platform::ColorRef colour = erase ? dc.GetBkColor() : at.lineColour.RGBColor();
    const platform::Pen old =
        dc.SetPen(platform::Pen{platform::PenStyle::Solid, at.lineWidth.DeviceWidth(dc), colour});
    const platform::RasterOp oldOp = dc.SetRop2(platform::RasterOp::CopyPen);
    Line(dc, a, b);
    dc.SetRop2(oldOp);
    dc.SetPen(old);
}

void DrawSegments(platform::DeviceContext& dc, std::initializer_list<const Cpp_PointXY*> points,
                  bool erase) {
    const Cpp_PointXY* previous = nullptr;
    bool first = true;
    for (const Cpp_PointXY* p : points) {
        if (!first && previous && p) DrawSegmentWithPen(dc, PixelOf(previous), PixelOf(p), erase);
        previous = p;
        first = false;
    }
}

void DrawEditSymbol(platform::DeviceContext& dc, double x, double y, bool erase) {
    const s_DrawAttributesType& a = g_state.attributes;
    if (erase) {
        EraseSymbol(dc, x, y, a.pointPenWidth, a.markerSize, a.symbolStyle);
    } else {
        DrawWithAttributes(dc, x, y, a.pointPenWidth, a.pointColour, a.markerSize, a.symbolStyle);
    }
}

void ToggleMarker(platform::DeviceContext& dc, const Cpp_PointXY* p) {
    if (p) DrawPointMark(dc, p->X(), p->Y());
}

bool FindNeighboursOfPoint(const Cpp_Line& line, const Cpp_PointXY* point, Cpp_PointXY*& before,
                           Cpp_PointXY*& after) {
    before = after = nullptr;
    Cpp_PointXY* previous = nullptr;
    for (Cpp_PointXY* p = line.FirstPoint(); p; p = p->Next()) {
        if (p == point) {
            before = previous;
            after = p->Next();
            return true;
        }
        previous = p;
    }
    return false;
}

bool FindNeighboursOfSegment(const Cpp_Line& line, const Cpp_PointXY* start, Cpp_PointXY*& before,
                             Cpp_PointXY*& after) {
    Cpp_PointXY* next = nullptr;
    if (!FindNeighboursOfPoint(line, start, before, next) || !next) {
        before = after = nullptr;
        return false;
    }
    after = next->Next();
    return true;
}

void RestoreToolPrompts() {
    ClearPromptBar();
    ClearToolTip();
    if (ViewInputHost* view = GetViewWindow()) SetToolPrompt(true, view->EditMode(), {});
}

void EndTool() {
    const Cpp_Line* line = g_state.line;
    g_state.tool = e_Tool::None;
    g_state.line = nullptr;
    g_state.point = g_state.before = g_state.after = g_state.endPoint = nullptr;
    g_state.kind = 0;
    SetCursorMode(CursorModeNone);
    const s_EndHook hook = std::exchange(g_endHook, s_EndHook{});
    if (hook.run && line && hook.line == line) hook.run();
}

}  // namespace line_tool

using namespace line_tool;

namespace {

s_State& S() { return State(); }

constexpr int kAddAtEndModes[] = {CursorModeAddPointConstructionLine,
                                  CursorModeAddPointProfileLine,
                                  CursorModeAddPointPiezometricLine,
                                  CursorModeAddPointSlopeLine,
                                  -1,
                                  CursorModeAddPointNoncircular,
                                  CursorModeAddPointTangentLine};
constexpr int kDragModes[] = {CursorModeDragConstructionPoint,  CursorModeDragProfilePoint,
                              CursorModeDragPiezometricPoint,   CursorModeDragSlopePoint,
                              CursorModeDragReinforcementPoint, CursorModeDragNoncircularPoint,
                              CursorModeDragTangentPoint};
constexpr int kInsertModes[] = {CursorModeInsertConstructionPoint,
                                CursorModeInsertProfilePoint,
                                CursorModeInsertPiezometricPoint,
                                CursorModeInsertSlopePoint,
                                -1,
                                CursorModeInsertNoncircularPoint,
                                CursorModeInsertTangentPoint};
constexpr const char* kDragPrompts[] = {
    "Drag construction line point to new location and left-click; Escape to cancel.",
    "Drag profile line point to new location and left-click; Escape to cancel.",
    "Drag piezometric point to new location and left-click; Escape to cancel.",
    "Drag slope point to new location and left-click; Escape to cancel.",
    "Drag reinforcement point to new location and left-click; Escape to cancel.",
    "Drag slip surface point to new location and left-click; Escape to cancel.",
    "Drag tangent line point to new location and left-click; Escape to cancel.",
};

bool KnownKind(int kind) { return kind >= 1 && kind <= 7; }

// The band of the running tool, in XOR (drawn again it is gone).
void BandOn(platform::DeviceContext& dc) {
    switch (S().tool) {
    case e_Tool::AddAtEnd: XorRubberBand(dc, S().endPoint, S().bandEnd, nullptr); break;
    case e_Tool::Insert:
    case e_Tool::DragPoint: XorRubberBand(dc, S().before, S().bandEnd, S().after); break;
    case e_Tool::DragSegment:
        XorSegmentRubberBand(dc, S().before, S().end1, S().end2, S().after);
        break;
    default: break;
    }
}
void Band() {
    s_State& s = S();
    const s_PixelPoint none = s.bandEnd;
    const s_PixelPoint b = s.before ? PixelOf(s.before) : none;
    const s_PixelPoint a = s.after ? PixelOf(s.after) : none;
    const s_PixelPoint e = s.endPoint ? PixelOf(s.endPoint) : none;
    if (s.tool == e_Tool::DragSegment) {
        OnView({b, a, s.end1, s.end2}, BandOn);
    } else {
        OnView({b, a, e, s.bandEnd}, BandOn);
    }
}

bool BarPoint(CmDialogBarConstructionTool& bar, double& x, double& y) { return bar.GetPoint(x, y); }
bool BarPoint(CmDialogBarProfileTool& bar, double& x, double& y) { return bar.GetPoint(x, y); }

void ReleaseTool() { EndTool(); }

}  // namespace

void Cpp_LineTool::SetEditingAttributes(const s_DrawAttributesType& attributes) {
    S().attributes = attributes;
}

Cpp_Line* Cpp_LineTool::EditedLine() { return S().line; }
Cpp_PointXY* Cpp_LineTool::EditedPoint() { return S().point; }
Cpp_PointXY* Cpp_LineTool::EditedSegmentStart() {
    return S().tool == e_Tool::Insert || S().tool == e_Tool::Split ? S().before : nullptr;
}
bool Cpp_LineTool::IsActive() { return S().tool != e_Tool::None; }

// ---------------------------------------------------------------------------------------------
// Add a point at an end.

bool Cpp_LineTool::StartAddPointAtEnd(Cpp_Line* line, Cpp_PointXY* endPoint, int kind,
                                      const s_DrawAttributesType& attributes) {
    if (!line || !endPoint || !line->ContainsPoint(endPoint)) return false;
    s_State& s = S();
    s = s_State{};
    s.attributes = attributes;
    s.pen = kGreenBand;
    s.addBefore = endPoint == line->FirstPoint();
    s.endPoint = endPoint;
    s.line = line;
    s.kind = kind;
    s.tool = e_Tool::AddAtEnd;
    // The band starts at the cursor where it is now.
    int cx = 0, cy = 0;
    GetZoomAnchor(cx, cy);
    s.bandEnd = s.mouse = {cx, cy};
    Cpp_Graphics::PixelToWorldPoint(cx, cy, s.bandWorld.x, s.bandWorld.y);
    const s_PixelPoint end = PixelOf(endPoint);
    OnView({end, s.bandEnd}, [&](platform::DeviceContext& dc) {
        ToggleMarker(dc, endPoint);
        BandOn(dc);
    });
    if (KnownKind(kind) && kAddAtEndModes[kind - 1] > 0) SetCursorMode(kAddAtEndModes[kind - 1]);
    ShowPrompt("Place cursor at point being inserted and left-click /or/ type coordinates and "
               "press enter key; Escape to cancel");
    SetStatusText(true, "Left-click to add new point at end of line.");
    return true;
}

bool Cpp_LineTool::AddPointAtEndMouseMove(int bandX, int bandY, double x, double y) {
    if (S().tool != e_Tool::AddAtEnd) return false;
    Band();
    S().bandEnd = {bandX, bandY};
    S().bandWorld = {x, y};
    Band();
    SetCoordinateToolTip(x, y);
    return true;
}

bool Cpp_LineTool::AddPointAtEnd(double x, double y) {
    s_State& s = S();
    if (s.tool != e_Tool::AddAtEnd) return false;
    Band();  // erased
    Cpp_Line* line = s.line;
    Cpp_PointXY* end = s.endPoint;
    Cpp_PointXY* added =
        s.addBefore ? line->InsertPointAfter(nullptr, x, y) : line->InsertPointAfter(end, x, y);
    line->ClearSlopeCache();
    OnView({PixelOf(end), PixelOf(added)}, [&](platform::DeviceContext& dc) {
        DrawSegments(dc, {end, added});
        DrawEditSymbol(dc, x, y);
        ToggleMarker(dc, end);
    });
    line->NumberPoints();
    ReleaseTool();
    RestoreToolPrompts();
    return true;
}

bool Cpp_LineTool::AddPointAtEndFromBar(double x, double y, bool fromBar) {
    if (fromBar && !BarPoint(TheToolBars().construction, x, y)) return false;
    return AddPointAtEnd(x, y);
}

bool Cpp_LineTool::AddPointAtEndFromBar2(double x, double y, bool fromBar) {
    if (fromBar && !BarPoint(TheToolBars().profile, x, y)) return false;
    return AddPointAtEnd(x, y);
}

void Cpp_LineTool::CancelAddPointAtEnd() {
    s_State& s = S();
    if (s.tool != e_Tool::AddAtEnd) return;
    Cpp_PointXY* end = s.endPoint;
    OnView({PixelOf(end), s.bandEnd}, [&](platform::DeviceContext& dc) {
        BandOn(dc);
        ToggleMarker(dc, end);
    });
    ReleaseTool();
    RestoreToolPrompts();
}

void Cpp_LineTool::RedrawAddPointRubberBand(platform::DeviceContext& dc) {
    if (S().tool == e_Tool::AddAtEnd) BandOn(dc);
}

// ---------------------------------------------------------------------------------------------
// Insert a point on a segment.

bool Cpp_LineTool::StartInsertPointOnSegment(Cpp_Line* line, Cpp_PointXY* segmentStart, int kind,
                                             const s_DrawAttributesType& attributes) {
    if (kind == LINEKIND_REINFORCEMENT) return false;
    if (!line || !segmentStart || !line->ContainsPoint(segmentStart) || !segmentStart->Next())
        return false;
    s_State& s = S();
    s = s_State{};
    s.attributes = attributes;
    s.pen = kGreenBand;
    s.before = segmentStart;
    s.after = segmentStart->Next();
    s.line = line;
    s.kind = kind;
    s.tool = e_Tool::Insert;
    s.bandNotDrawn = true;
    OnView({PixelOf(s.before), PixelOf(s.after)}, [&](platform::DeviceContext& dc) {
        ToggleMarker(dc, s.before);
        ToggleMarker(dc, s.after);
    });
    if (KnownKind(kind)) SetCursorMode(kInsertModes[kind - 1]);
    ShowPrompt("Place cursor at point being inserted and left-click.");
    return true;
}

bool Cpp_LineTool::InsertMouseMove(int bandX, int bandY, double x, double y) {
    s_State& s = S();
    if (s.tool != e_Tool::Insert) return false;
    if (s.bandNotDrawn) {
        s.bandNotDrawn = false;
    } else {
        Band();
    }
    s.bandEnd = {bandX, bandY};
    s.bandWorld = {x, y};
    Band();
    SetCoordinateToolTip(x, y);
    return true;
}

bool Cpp_LineTool::CompleteInsertOnSegment(double x, double y, bool link) {
    s_State& s = S();
    if (s.tool != e_Tool::Insert) return false;
    if (!s.bandNotDrawn) Band();  // erased
    Cpp_PointXY* before = s.before;
    Cpp_PointXY* after = s.after;
    const s_PixelPoint at = PixelOf(x, y);
    OnView({PixelOf(before), PixelOf(after), at}, [&](platform::DeviceContext& dc) {
        DrawSegments(dc, {before, after}, true);
    });
    if (link) {
        s.line->InsertPointAfter(before, x, y);
        s.line->ClearSlopeCache();
        s.line->NumberPoints();
    }
    OnView({PixelOf(before), PixelOf(after), at}, [&](platform::DeviceContext& dc) {
        DrawSegmentWithPen(dc, PixelOf(before), at);
        DrawSegmentWithPen(dc, at, PixelOf(after));
        DrawEditSymbol(dc, before->X(), before->Y());
        DrawEditSymbol(dc, after->X(), after->Y());
        DrawEditSymbol(dc, x, y);
    });
    ReleaseTool();
    ClearPromptBar();
    ClearToolTip();
    return true;
}

bool Cpp_LineTool::InsertOnSegmentFromBar(double x, double y, bool link, bool fromBar) {
    if (fromBar && !BarPoint(TheToolBars().construction, x, y)) return false;
    return CompleteInsertOnSegment(x, y, link);
}

bool Cpp_LineTool::InsertOnSegmentFromBar2(double x, double y, bool link, bool fromBar) {
    if (fromBar && !BarPoint(TheToolBars().profile, x, y)) return false;
    return CompleteInsertOnSegment(x, y, link);
}

void Cpp_LineTool::EndEditRubberBand() {
    s_State& s = S();
    if (s.tool != e_Tool::Insert) return;
    Cpp_PointXY* before = s.before;
    Cpp_PointXY* after = s.after;
    OnView({PixelOf(before), PixelOf(after), s.bandEnd}, [&](platform::DeviceContext& dc) {
        if (!s.bandNotDrawn) BandOn(dc);
    });
    ReleaseTool();
    RestoreToolPrompts();
}

void Cpp_LineTool::RedrawEditRubberBand(platform::DeviceContext& dc) {
    if (S().tool == e_Tool::Insert && !S().bandNotDrawn) BandOn(dc);
}

// ---------------------------------------------------------------------------------------------
// Drag a point.

bool Cpp_LineTool::StartDragPoint(Cpp_Line* line, int kind, int px, int py, Cpp_PointXY* point,
                                  const s_DrawAttributesType& attributes) {
    if (!KnownKind(kind) || !line || !point) return false;
    s_State& s = S();
    s = s_State{};
    if (!FindNeighboursOfPoint(*line, point, s.before, s.after)) return false;
    s.attributes = attributes;
    s.pen = kGreyBand;
    s.point = point;
    s.line = line;
    s.kind = kind;
    s.tool = e_Tool::DragPoint;
    line->ClearSlopeCache();
    s.bandEnd = s.mouse = {px, py};
    Cpp_Graphics::PixelToWorldPoint(px, py, s.bandWorld.x, s.bandWorld.y);
    Band();
    SetCursorMode(kDragModes[kind - 1]);
    ShowPrompt(kDragPrompts[kind - 1]);
    return true;
}

bool Cpp_LineTool::SetDragPosition(int mouseX, int mouseY, int bandX, int bandY, double x,
                                   double y) {
    s_State& s = S();
    if (s.tool != e_Tool::DragPoint) return false;
    Band();
    s.bandEnd = {bandX, bandY};
    Band();
    SetCoordinateToolTip(x, y);
    s.mouse = {mouseX, mouseY};
    s.bandWorld = {x, y};
    return true;
}

bool Cpp_LineTool::DropDraggedPoint(double x, double y, bool useGiven) {
    s_State& s = S();
    if (s.tool != e_Tool::DragPoint) return false;
    Band();  // erased
    Cpp_PointXY* point = s.point;
    Cpp_PointXY* before = s.before;
    Cpp_PointXY* after = s.after;
    const s_tagTypePointXY to = useGiven ? s_tagTypePointXY{x, y} : s.bandWorld;
    const s_PixelPoint from = PixelOf(point);
    OnView({from, before ? PixelOf(before) : from, after ? PixelOf(after) : from},
           [&](platform::DeviceContext& dc) {
               DrawEditSymbol(dc, point->X(), point->Y(), true);
               DrawSegments(dc, {before, point, after}, true);
           });
    point->SetX(to.x);
    point->SetY(to.y);
    s.line->ClearSlopeCache();
    const s_PixelPoint moved = PixelOf(point);
    OnView({moved, before ? PixelOf(before) : moved, after ? PixelOf(after) : moved},
           [&](platform::DeviceContext& dc) {
               DrawSegments(dc, {before, point, after});
               if (before) DrawEditSymbol(dc, before->X(), before->Y());
               if (after) DrawEditSymbol(dc, after->X(), after->Y());
               DrawEditSymbol(dc, point->X(), point->Y());
           });
    ReleaseTool();
    ClearPromptBar();
    ClearToolTip();
    return true;
}

bool Cpp_LineTool::DropPointFromBar(bool fromBar) {
    double x = 0, y = 0;
    if (fromBar && !BarPoint(TheToolBars().construction, x, y)) return false;
    return DropDraggedPoint(x, y, fromBar);
}

bool Cpp_LineTool::DropPointFromBar2(bool fromBar) {
    double x = 0, y = 0;
    if (fromBar && !BarPoint(TheToolBars().profile, x, y)) return false;
    return DropDraggedPoint(x, y, fromBar);
}

bool Cpp_LineTool::CancelDragPoint() {
    s_State& s = S();
    if (s.tool != e_Tool::DragPoint) return false;
    Cpp_PointXY* point = s.point;
    Band();  // erased
    OnView({PixelOf(point)}, [&](platform::DeviceContext& dc) { ToggleMarker(dc, point); });
    ReleaseTool();
    RestoreToolPrompts();
    return true;
}

void Cpp_LineTool::RedrawDragRubberBand(platform::DeviceContext& dc) {
    s_State& s = S();
    if (s.tool != e_Tool::DragPoint) return;
    s_tagTypePointXY at;
    Cpp_Graphics::PixelToWorldPoint(s.mouse.x, s.mouse.y, at.x, at.y);
    if (Cpp_GraphicGrid::SnapOn()) Cpp_GraphicGrid::SnapToGrid(at.x, at.y, true);
    if (at.x != s.bandWorld.x || at.y != s.bandWorld.y) {
        s.bandEnd = PixelOf(at.x, at.y);
        s.bandWorld = at;
        SetCoordinateToolTip(at.x, at.y);
    }
    BandOn(dc);
}

// ---------------------------------------------------------------------------------------------
// Drag a segment.

bool Cpp_LineTool::StartDragSegment(Cpp_Line* line, int px, int py, Cpp_PointXY* segmentStart,
                                    const s_DrawAttributesType& attributes) {
    if (!line || !segmentStart) return false;
    s_State& s = S();
    s = s_State{};
    if (!FindNeighboursOfSegment(*line, segmentStart, s.before, s.after)) return false;
    s.attributes = attributes;
    s.pen = kGreyBand;
    s.point = segmentStart;
    s.line = line;
    s.tool = e_Tool::DragSegment;
    SetCursorMode(CursorModeDragSegment);
    Cpp_PointXY* p1 = segmentStart;
    Cpp_PointXY* p2 = segmentStart->Next();
    OnView({PixelOf(p1), PixelOf(p2)}, [&](platform::DeviceContext& dc) {
        ToggleMarker(dc, p1);
        ToggleMarker(dc, p2);
    });
    // The segment is shifted to pass through the grab point: both ends move by the offset of
    // the grab point from its foot on the segment.
    s_tagTypePointXY grab;
    Cpp_Graphics::PixelToWorldPoint(px, py, grab.x, grab.y);
    const double dx = p2->X() - p1->X(), dy = p2->Y() - p1->Y();
    const double length2 = dx * dx + dy * dy;
    double t = length2 > 0 ? ((grab.x - p1->X()) * dx + (grab.y - p1->Y()) * dy) / length2 : 0;
    t = std::clamp(t, 0.0, 1.0);
    const double fx = p1->X() + t * dx, fy = p1->Y() + t * dy;
    const s_PixelPoint e1 = PixelOf(grab.x + p1->X() - fx, grab.y + p1->Y() - fy);
    const s_PixelPoint e2 = PixelOf(grab.x + p2->X() - fx, grab.y + p2->Y() - fy);
    s.end1 = e1;
    s.end2 = e2;
    s.offset1 = {e1.x - px, e1.y - py};
    s.offset2 = {e2.x - px, e2.y - py};
    s.bandEnd = {px, py};
    Band();
    return true;
}

bool Cpp_LineTool::DragSegmentMouseMove(int px, int py) {
    s_State& s = S();
    if (s.tool != e_Tool::DragSegment) return false;
    Band();
    s.end1 = {px + s.offset1.x, py + s.offset1.y};
    s.end2 = {px + s.offset2.x, py + s.offset2.y};
    s.bandEnd = {px, py};
    Band();
    return true;
}

bool Cpp_LineTool::DropDraggedSegment() {
    s_State& s = S();
    if (s.tool != e_Tool::DragSegment) return false;
    Band();  // erased
    Cpp_PointXY* p1 = s.point;
    Cpp_PointXY* p2 = p1->Next();
    Cpp_PointXY* before = s.before;
    Cpp_PointXY* after = s.after;
    const s_PixelPoint old1 = PixelOf(p1), old2 = PixelOf(p2);
    OnView({old1, old2, before ? PixelOf(before) : old1, after ? PixelOf(after) : old2},
           [&](platform::DeviceContext& dc) {
               DrawEditSymbol(dc, p1->X(), p1->Y(), true);
               DrawEditSymbol(dc, p2->X(), p2->Y(), true);
               DrawSegments(dc, {before, p1, p2, after}, true);
           });
    double x = 0, y = 0;
    Cpp_Graphics::PixelToWorldPoint(s.end1.x, s.end1.y, x, y);
    p1->SetX(x);
    p1->SetY(y);
    Cpp_Graphics::PixelToWorldPoint(s.end2.x, s.end2.y, x, y);
    p2->SetX(x);
    p2->SetY(y);
    s.line->ClearSlopeCache();
    const s_PixelPoint new1 = PixelOf(p1), new2 = PixelOf(p2);
    OnView({new1, new2, before ? PixelOf(before) : new1, after ? PixelOf(after) : new2},
           [&](platform::DeviceContext& dc) {
               DrawSegments(dc, {before, p1, p2, after});
               if (before) DrawEditSymbol(dc, before->X(), before->Y());
               if (after) DrawEditSymbol(dc, after->X(), after->Y());
               DrawEditSymbol(dc, p1->X(), p1->Y());
               DrawEditSymbol(dc, p2->X(), p2->Y());
               ToggleMarker(dc, p1);
               ToggleMarker(dc, p2);
           });
    ReleaseTool();
    return true;
}

bool Cpp_LineTool::CancelDragSegment() {
    s_State& s = S();
    if (s.tool != e_Tool::DragSegment) return false;
    Band();  // erased
    Cpp_PointXY* p1 = s.point;
    Cpp_PointXY* p2 = p1->Next();
    OnView({PixelOf(p1), PixelOf(p2)}, [&](platform::DeviceContext& dc) {
        ToggleMarker(dc, p1);
        ToggleMarker(dc, p2);
    });
    ReleaseTool();
    RestoreToolPrompts();
    return true;
}

// ---------------------------------------------------------------------------------------------
// Deleting.

bool Cpp_LineTool::DeletePoint(Cpp_Line* line, Cpp_PointXY* point) {
    Cpp_PointXY* before = nullptr;
    Cpp_PointXY* after = nullptr;
    if (!line || !FindNeighboursOfPoint(*line, point, before, after)) return false;
    const s_PixelPoint at = PixelOf(point);
    OnView({at, before ? PixelOf(before) : at, after ? PixelOf(after) : at},
           [&](platform::DeviceContext& dc) {
               ToggleMarker(dc, point);
               DrawEditSymbol(dc, point->X(), point->Y(), true);
               DrawSegments(dc, {before, point, after}, true);
               if (before && after) DrawSegments(dc, {before, after});
               if (before) DrawEditSymbol(dc, before->X(), before->Y());
               if (after) DrawEditSymbol(dc, after->X(), after->Y());
           });
    line->RemovePoint(point);
    line->ClearSlopeCache();
    return true;
}

bool Cpp_LineTool::DeleteSegment(Cpp_Line* line, Cpp_PointXY* segmentStart) {
    Cpp_PointXY* before = nullptr;
    Cpp_PointXY* after = nullptr;
    if (!line || !FindNeighboursOfSegment(*line, segmentStart, before, after)) return false;
    Cpp_PointXY* p1 = segmentStart;
    Cpp_PointXY* p2 = segmentStart->Next();
    const s_PixelPoint a = PixelOf(p1), b = PixelOf(p2);
    OnView({a, b, before ? PixelOf(before) : a, after ? PixelOf(after) : b},
           [&](platform::DeviceContext& dc) {
               ToggleMarker(dc, p1);
               ToggleMarker(dc, p2);
               DrawEditSymbol(dc, p1->X(), p1->Y(), true);
               DrawEditSymbol(dc, p2->X(), p2->Y(), true);
               DrawSegments(dc, {before, p1, p2, after}, true);
               if (before && after) DrawSegments(dc, {before, after});
               if (before) DrawEditSymbol(dc, before->X(), before->Y());
               if (after) DrawEditSymbol(dc, after->X(), after->Y());
           });
    line->RemovePoint(p2);
    line->RemovePoint(p1);
    line->ClearSlopeCache();
    return true;
}

bool Cpp_LineTool::EraseInWindow(Cpp_Line* line) {
    if (!line) return false;
    OnWholeView([&](platform::DeviceContext& dc) {
        for (const Cpp_PointXY* p = line->FirstPoint(); p; p = p->Next()) {
            DrawEditSymbol(dc, p->X(), p->Y(), true);
            if (p->Next()) DrawSegmentWithPen(dc, PixelOf(p), PixelOf(p->Next()), true);
        }
    });
    line->DeleteDescriptionAndPoints();
    return true;
}

// ---------------------------------------------------------------------------------------------

namespace {

void DrawToolFigures(platform::DeviceContext& dc, Cpp_Kliven4DataSet*) {
    if (S().tool == e_Tool::None) return;
    // After a zoom the step comes back.
    if (GetCursorMode() == CursorModeNone && GetSavedCursorMode() != 0) {
        SetCursorMode(GetSavedCursorMode());
        SetSavedCursorMode(0);
    }
    switch (S().tool) {
    case e_Tool::AddAtEnd: Cpp_LineTool::RedrawAddPointRubberBand(dc); break;
    case e_Tool::Insert: Cpp_LineTool::RedrawEditRubberBand(dc); break;
    case e_Tool::DragPoint: Cpp_LineTool::RedrawDragRubberBand(dc); break;
    case e_Tool::DragSegment: BandOn(dc); break;
    case e_Tool::Split: Cpp_LineTool::RedrawSplitRubberBand(dc); break;
    default: break;
    }
}

const bool g_resetAdded = (AddProgramStateReset(&Cpp_LineTool::Reset), true);

}  // namespace

void Cpp_LineTool::CancelTool() {
    switch (S().tool) {
    case e_Tool::AddAtEnd: CancelAddPointAtEnd(); break;
    case e_Tool::Insert: EndEditRubberBand(); break;
    case e_Tool::DragPoint: CancelDragPoint(); break;
    case e_Tool::DragSegment: CancelDragSegment(); break;
    case e_Tool::Split: CancelSplit(); break;
    case e_Tool::ChangeLength:
    case e_Tool::ChangeSlope:
    case e_Tool::Parallel: CancelEditTool(); break;
    case e_Tool::Extend: EndExtendTool(); break;
    case e_Tool::None: break;
    }
}

void Cpp_LineTool::EraseBandBeforeZoom() {
    if (S().tool == e_Tool::None) return;
    SetSavedCursorMode(GetCursorMode());
    switch (S().tool) {
    case e_Tool::AddAtEnd:
    case e_Tool::DragPoint:
    case e_Tool::DragSegment: Band(); break;
    case e_Tool::Insert:
        if (!S().bandNotDrawn) Band();
        break;
    case e_Tool::Split: {
        // Drawn again it is gone.
        OnWholeView([](platform::DeviceContext& dc) { RedrawSplitRubberBand(dc); });
        break;
    }
    default: break;
    }
}

void Cpp_LineTool::RegisterDrawing() {
    UnregisterAfterDataDrawing(e_AfterDataStep::ToolFeedback, &DrawToolFigures);
    RegisterAfterDataDrawing(e_AfterDataStep::ToolFeedback, &DrawToolFigures);
}

void Cpp_LineTool::WhenToolEnds(const Cpp_Line* line, std::function<void()> run) {
    g_endHook = {line, std::move(run)};
}

void Cpp_LineTool::Reset() {
    S() = s_State{};
    g_endHook = {};
}
