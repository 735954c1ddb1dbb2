#include "editing/line_entry_tool.h"

#include "analysis/analysis_computation_data.h"
#include "core/cursor_mode.h"
#include "editing/cursor_modes.h"
#include "editing/tool_dialog_bars.h"
#include "editing/tool_table.h"
#include "editing/view_navigation.h"
#include "editing/view_overlay.h"
#include "graphics/data_entry_options.h"
#include "graphics/graphic_grid.h"
#include "graphics/graphics.h"
#include "graphics/line_list.h"
#include "graphics/point_symbols.h"
#include "graphics/prompts.h"
#include "model/data_set.h"
#include "model/data_sets.h"
#include "model/program_state.h"
#include "registry/view_preparations.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

using namespace view_overlay;

struct s_EntryState {
    bool active = false;
    s_DrawAttributesType attributes;
    std::vector<s_ComboPoint> points;
    s_PixelPoint lastPixel;  // start of the band
    s_PixelPoint bandEnd;    // moving end of the band
    s_tagTypePointXY bandWorld;
    s_PixelPoint mouse;
};
s_EntryState g_entry;

// The band from the last entered point to its end, in XOR: drawn twice it is gone. A band of
// no length is not drawn.
void BandOn(platform::DeviceContext& dc) { DrawXorBand(dc, {g_entry.lastPixel, g_entry.bandEnd}); }
void Band() {
    if (!g_entry.active || !RubberBandLinesOption()) return;
    OnView(Around(g_entry.lastPixel, g_entry.bandEnd), BandOn);
}

// A committed segment with the editing pen, or in the background colour to erase it.
void SegmentOn(platform::DeviceContext& dc, s_PixelPoint a, s_PixelPoint b, bool erase) {
    const int width = g_entry.attributes.lineWidth.DeviceWidth(dc);
    const platform::ColorRef colour =
        erase ? dc.GetBkColor() : g_entry.attributes.lineColour.RGBColor();
    const platform::Pen old = dc.SetPen(platform::Pen{platform::PenStyle::Solid, width, colour});
    dc.MoveTo(a.x, a.y);
    dc.LineTo(b.x, b.y);
    dc.SetPen(old);
}
void Segment(s_PixelPoint a, s_PixelPoint b, bool erase) {
    OnView(Around(a, b), [&](platform::DeviceContext& dc) { SegmentOn(dc, a, b, erase); });
}

void SymbolOn(platform::DeviceContext& dc, double x, double y, bool erase) {
    const s_DrawAttributesType& a = g_entry.attributes;
    if (erase) {
        EraseSymbol(dc, x, y, a.pointPenWidth, a.markerSize, a.symbolStyle);
    } else {
        DrawWithAttributes(dc, x, y, a.pointPenWidth, a.pointColour, a.markerSize, a.symbolStyle);
    }
}
void Symbol(double x, double y, bool erase) {
    const s_PixelPoint p = ToPixel(x, y);
    OnView(Around(p, p), [&](platform::DeviceContext& dc) { SymbolOn(dc, x, y, erase); });
}

void ShowEntryPrompt() { ShowPrompt(Cpp_LineEntry::EntryPrompt(Cpp_LineEntry::EnteredCount())); }

// The tool's standard prompt back on the status line, the prompt bar and tool tip cleared.
void RestoreToolPrompts() {
    ClearPromptBar();
    ClearToolTip();
    // The radius tool enters irregular tangent lines: its prompt depends on the mode of the
    // computations.
    s_ToolPromptContext context;
    if (Cpp_Kliven4DataSet* set = Cpp_Kliven4Data::CurrentDataSetOrNull())
        context.circleSearchMode = set->AnalysisComputationData()->GetMode();
    if (ViewInputHost* view = GetViewWindow()) SetToolPrompt(true, view->EditMode(), context);
}

void EndEntry() {
    g_entry.active = false;
    g_entry.points.clear();
    SetSavedCursorMode(0);
    SetCursorMode(CursorModeNone);
}

bool Repeats(double last, double value) {
    return value == last || std::fabs(value - last) < 1e-10 * std::fabs(last);
}

void AppendPoint(s_PixelPoint pixel, double x, double y) {
    Band();  // erased
    const s_ComboPoint& last = g_entry.points.back();
    Segment(ToPixel(last.x, last.y), pixel, false);
    Symbol(x, y, false);
    g_entry.points.push_back({pixel.x, pixel.y, x, y});
    g_entry.lastPixel = g_entry.bandEnd = pixel;
    g_entry.bandWorld = {x, y};
    ShowEntryPrompt();
}

void DrawEntryFigures(platform::DeviceContext& dc, Cpp_Kliven4DataSet*) {
    if (g_entry.active) Cpp_LineEntry::RedrawEnteredPoints(dc);
}

const bool g_resetAdded = (AddProgramStateReset(&Cpp_LineEntry::Reset), true);

}  // namespace

void DrawXorBand(platform::DeviceContext& dc, const std::vector<s_PixelPoint>& points,
                 platform::ColorRef colour) {
    const bool moves = std::adjacent_find(points.begin(), points.end(), [](auto a, auto b) {
                           return a.x != b.x || a.y != b.y;
                       }) != points.end();
    if (!moves) return;
    const platform::Pen old = dc.SetPen(platform::Pen{platform::PenStyle::Solid, 1, colour});
    const platform::RasterOp oldOp = dc.SetRop2(platform::RasterOp::XorPen);
    for (std::size_t i = 1; i < points.size(); ++i) {
        dc.MoveTo(points[i - 1].x, points[i - 1].y);
        dc.LineTo(points[i].x, points[i].y);
    }
    dc.SetRop2(oldOp);
    dc.SetPen(old);
}

std::string NumberedText(const char* format, int number) {
    char text[200];
    std::snprintf(text, sizeof text, format, number);
    return text;
}

bool SettleNewLineNumber(Cpp_LineList& lines, int lineKind, int& number) {
    Cpp_Line* existing = lines.FindLine(number);
    if (!existing) return true;
    int chosen = number;
    switch (lines.CheckDuplicateNumber(lineKind, number, chosen)) {
    case 0: lines.RemoveLine(existing); return true;
    case 1: number = chosen; return true;
    case 2: existing->SetNumber(chosen); return true;
    default: return false;
    }
}

std::vector<s_tagTypePointXY> CutLineAfter(Cpp_Line& line, Cpp_PointXY* point) {
    std::vector<s_tagTypePointXY> right;
    if (!point || !line.ContainsPoint(point)) return right;
    right.push_back(point->XY());
    while (Cpp_PointXY* next = point->Next()) {
        right.push_back(next->XY());
        line.RemovePoint(next);
    }
    line.ClearSlopeCache();
    return right;
}

std::string Cpp_LineEntry::EntryPrompt(int count) {
    return NumberedText("Left-click or Enter key to enter line points (%d pts. entered); "
                        "Shift-Esc = undo; Right-click = finish; Esc = cancel.",
                        count);
}

bool Cpp_LineEntry::IsEntryMode(int mode) {
    return mode == CursorModeLineEntry || mode == CursorModeConstructionLineEntry ||
           mode == CursorModeProfileLineEntry || mode == CursorModePiezometricLineEntry ||
           mode == CursorModeSlopeLineEntry || mode == CursorModeTangentLineEntry;
}

bool Cpp_LineEntry::IsActive() { return g_entry.active; }
int Cpp_LineEntry::EnteredCount() { return static_cast<int>(g_entry.points.size()); }
const std::vector<s_ComboPoint>& Cpp_LineEntry::EnteredPoints() { return g_entry.points; }

bool Cpp_LineEntry::StartEnterPoints(int px, int py, double x, double y,
                                     const s_DrawAttributesType& attributes) {
    g_entry = s_EntryState{};
    g_entry.active = true;
    g_entry.attributes = attributes;
    g_entry.points.push_back({px, py, x, y});
    g_entry.lastPixel = g_entry.bandEnd = g_entry.mouse = {px, py};
    g_entry.bandWorld = {x, y};
    Symbol(x, y, false);
    SetCursorMode(CursorModeLineEntry);
    ShowEntryPrompt();
    return true;
}

void Cpp_LineEntry::EnterPointsMouseMove(int mouseX, int mouseY, int bandX, int bandY, double x,
                                         double y) {
    if (!g_entry.active) return;
    Band();
    g_entry.bandEnd = {bandX, bandY};
    Band();
    SetCoordinateToolTip(x, y);
    g_entry.mouse = {mouseX, mouseY};
    g_entry.bandWorld = {x, y};
}

bool Cpp_LineEntry::AddClickedPoint(int px, int py, double x, double y) {
    if (!g_entry.active) return false;
    const s_ComboPoint& last = g_entry.points.back();
    if (Repeats(last.x, x) && Repeats(last.y, y)) return false;
    AppendPoint({px, py}, x, y);
    return true;
}

bool Cpp_LineEntry::AddTypedPoint(double x, double y) {
    if (!g_entry.active) return false;
    const s_ComboPoint& last = g_entry.points.back();
    if (last.x == x && last.y == y) return false;
    AppendPoint(ToPixel(x, y), x, y);
    return true;
}

void Cpp_LineEntry::UndoLastEnteredPoint() {
    if (!g_entry.active) return;
    Band();  // erased
    if (g_entry.points.size() < 2) {
        const s_ComboPoint only = g_entry.points.front();
        Symbol(only.x, only.y, true);
        EndEntry();
        RestoreToolPrompts();
        return;
    }
    const s_ComboPoint last = g_entry.points.back();
    g_entry.points.pop_back();
    const s_ComboPoint& before = g_entry.points.back();
    Segment(ToPixel(before.x, before.y), ToPixel(last.x, last.y), true);
    Symbol(last.x, last.y, true);
    // The point before lost a part of its symbol under the erased segment.
    Symbol(before.x, before.y, false);
    g_entry.lastPixel = ToPixel(before.x, before.y);
    Band();
    ShowEntryPrompt();
}

void Cpp_LineEntry::FinishEnterPoints(std::vector<s_tagTypePointXY>& points, int& count) {
    const int minimum = count < 1 ? 2 : count;
    count = 0;
    if (!g_entry.active) return;
    Band();  // erased
    if (EnteredCount() >= minimum) {
        points.clear();
        for (const s_ComboPoint& p : g_entry.points) points.push_back({p.x, p.y});
        count = EnteredCount();
    }
    EndEntry();
    RestoreToolPrompts();
}

void Cpp_LineEntry::CancelEnterPoints() {
    if (!g_entry.active || !IsEntryMode(GetCursorMode())) return;
    Band();  // erased
    const std::vector<s_ComboPoint> points = g_entry.points;
    for (std::size_t i = 1; i < points.size(); ++i)
        Segment(ToPixel(points[i - 1].x, points[i - 1].y), ToPixel(points[i].x, points[i].y), true);
    for (const s_ComboPoint& p : points) Symbol(p.x, p.y, true);
    EndEntry();
    RestoreToolPrompts();
}

void Cpp_LineEntry::EraseEnterRubberBand() {
    if (!g_entry.active) return;
    SetSavedCursorMode(GetCursorMode());
    Band();
}

void Cpp_LineEntry::RedrawEnteredPoints(platform::DeviceContext& dc) {
    if (!g_entry.active) return;
    if (GetCursorMode() == CursorModeNone && GetSavedCursorMode() != 0) {
        SetCursorMode(GetSavedCursorMode());
        SetSavedCursorMode(0);
    }
    for (s_ComboPoint& p : g_entry.points) {
        const s_PixelPoint pixel = ToPixel(p.x, p.y);
        p.px = pixel.x;
        p.py = pixel.y;
    }
    const std::vector<s_ComboPoint>& points = g_entry.points;
    for (std::size_t i = 1; i < points.size(); ++i)
        SegmentOn(dc, {points[i - 1].px, points[i - 1].py}, {points[i].px, points[i].py}, false);
    for (const s_ComboPoint& p : points) SymbolOn(dc, p.x, p.y, false);
    g_entry.lastPixel = {points.back().px, points.back().py};
    // The band goes again to the cursor, wherever the new scale puts its point.
    s_tagTypePointXY at;
    Cpp_Graphics::PixelToWorldPoint(g_entry.mouse.x, g_entry.mouse.y, at.x, at.y);
    if (Cpp_GraphicGrid::SnapOn()) Cpp_GraphicGrid::SnapToGrid(at.x, at.y, true);
    if (at.x != g_entry.bandWorld.x || at.y != g_entry.bandWorld.y) {
        g_entry.bandEnd = ToPixel(at.x, at.y);
        g_entry.bandWorld = at;
    }
    if (RubberBandLinesOption() && IsEntryMode(GetCursorMode())) BandOn(dc);
}

void Cpp_LineEntry::RegisterDrawing() {
    RegisterAfterDataDrawing(e_AfterDataStep::ToolFeedback, &DrawEntryFigures);
}

void Cpp_LineEntry::Reset() { g_entry = s_EntryState{}; }

void Cpp_LineEntry::Drop() {
    if (!IsActive()) return;
    CancelEnterPoints();
    Reset();
    TheToolBars().profile.EnableFinishButton(false);
    TheToolBars().piezometric.EnableFinishButton(false);
    InvalidateViewWindow();
}
