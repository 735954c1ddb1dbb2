// The distributed-load tools of the current stage: a new list of load points entered with the
// mouse or the distributed-load bar, a point added at an end or inserted into a segment, a point
// dragged, moved, replaced or deleted, the stresses changed with the wheel, and the tool options.
// The outlines of the normal-stress diagrams being made are drawn in XOR on the view, so drawing
// one twice removes it.

#include "loads/distributed_load_data.h"
#include "editing/edit_modes.h"
#include "editing/view_tool_steps.h"
#include "editing/view_slip_surface_steps.h"
#include "editing/view_load_steps.h"
#include "editing/two_step_edits.h"

#include "core/cursor_mode.h"
#include "core/format_text.h"
#include "core/message_boxes.h"
#include "core/selection_marks.h"
#include "core/tool_option_dialogs.h"
#include "core/units.h"
#include "editing/cursor_modes.h"
#include "editing/distributed_load_tool.h"
#include "editing/selection_list.h"
#include "editing/tool_dialog_bars.h"
#include "editing/view_input.h"
#include "editing/view_navigation.h"
#include "editing/view_overlay.h"
#include "graphics/graphic_grid.h"
#include "graphics/graphics.h"
#include "graphics/prompts.h"
#include "model/data_set.h"
#include "model/data_sets.h"
#include "model/program_state.h"
#include "porepressure/piezometric_line.h"
#include "profile/slope_geometry.h"
#include "registry/view_preparations.h"
#include "editing/tool_table.h"

#include <algorithm>
#include <array>
#include <vector>

namespace {

using namespace view_overlay;

constexpr platform::ColorRef kGreyPen = platform::MakeRgb(160, 160, 160);
constexpr platform::ColorRef kGreenPen = platform::MakeRgb(0, 255, 0);
constexpr double kDefaultStep = 25.0;
const char* const kLocatePrompt = "Locate new point - left-click to finish; Escape to cancel.";

struct s_Band {
    bool shown = false;
    Corners corners{};
};

struct s_ToolState {
    Cpp_DistributedLoadData* data = nullptr;
    std::vector<s_DistributedLoadPoint> entered;
    bool entering = false;
    Cpp_DistributedLoadPoint* moving = nullptr;  // the dragged point, or the end point added to
    Cpp_DistributedLoadPoint* previous = nullptr;
    Cpp_DistributedLoadPoint* next = nullptr;
    bool addBefore = false;  // adding at the end: before the first point
    platform::ColorRef pen = kGreyPen;
    s_Band band1, band2;
    s_DistributedLoadPoint cursor;  // the point and stresses last shown at the cursor
    s_PixelPoint cursorPixel;
};
s_ToolState g_tool;

struct s_Options {
    int snap = 0;
    double step = kDefaultStep;
};
s_Options g_options;

void ResetTool() {
    g_tool = s_ToolState{};
    g_options = s_Options{};
}
const bool g_resetAdded = (AddProgramStateReset(&ResetTool), true);

CmDialogBarDistributedLoad* Bar() { return ActiveDistributedLoadBar(); }

platform::DeviceRect AroundPoint(double x, double y) {
    const s_PixelPoint p = ToPixel(x, y);
    return Around(p, p);
}

// A band in XOR with the tool pen.
void BandOn(platform::DeviceContext& dc, const Corners& c) { DrawXorOutline(dc, c, g_tool.pen); }
void Toggle(s_Band& band) {
    OnView(Around(band.corners), [&](platform::DeviceContext& dc) { BandOn(dc, band.corners); });
    band.shown = !band.shown;
}
void Erase(s_Band& band) {
    if (band.shown) Toggle(band);
}
void Show(s_Band& band, const s_DistributedLoadPoint& a, const s_DistributedLoadPoint& b) {
    Erase(band);
    band.corners = Cpp_DistributedLoadData::ComputeRubberBand(a, b);
    Toggle(band);
}
void EraseBands() {
    Erase(g_tool.band1);
    Erase(g_tool.band2);
}

int Stage(const Cpp_DistributedLoadData& data) { return data.Stage(); }

// A finished segment's normal (resultant) diagram in the load colour, or erased.
void Segment(const Cpp_DistributedLoadData& data, const s_DistributedLoadPoint& a,
             const s_DistributedLoadPoint& b, bool colour) {
    Corners c = Cpp_DistributedLoadData::ComputeRubberBand(a, b);
    OnView(Around(c), [&](platform::DeviceContext& dc) {
        Cpp_DistributedLoadData::DrawSegmentDiagram(dc, a, b, Stage(data), true, true, colour);
    });
}
void Symbol(const Cpp_DistributedLoadData& data, double x, double y, bool erase) {
    OnView(AroundPoint(x, y), [&](platform::DeviceContext& dc) {
        Cpp_DistributedLoadData::DrawPointSymbol(dc, x, y, Stage(data), erase);
    });
}
void Marker(const Cpp_DistributedLoadPoint* node) {
    if (!node) return;
    const s_PixelPoint p = ToPixel(node->X(), node->Y());
    OnView(SelectionMarkerBounds(p.x, p.y),
           [&](platform::DeviceContext& dc) { DrawSelectionMarker(p.x, p.y, &dc); });
}

s_DistributedLoadPoint Record(const Cpp_DistributedLoadPoint* node) {
    return node->GetPointRecord();
}

// The bar's stresses at a point; false when the bar cannot be read.
bool BarStresses(double& normal, double& shear) {
    CmDialogBarDistributedLoad* bar = Bar();
    return bar && bar->GetStress(normal, true) && bar->GetStress(shear, false);
}

void ShowToolPromptAgain() {
    ClearPromptBar();
    if (ViewInputHost* view = GetViewWindow()) SetToolPrompt(true, view->EditMode(), {});
}

void EndStep() {
    g_tool.pen = kGreyPen;
    g_tool.moving = g_tool.previous = g_tool.next = nullptr;
    SetCursorMode(CursorModeNone);
}

s_DistributedLoadPoint CursorWithBar(double x, double y) {
    double normal = 0.0, shear = 0.0;
    BarStresses(normal, shear);
    return {x, y, normal, shear};
}

void ShowValues(const s_DistributedLoadPoint& p) {
    Cpp_DistributedLoadData::ShowValuesToolTip(p.x, p.y, p.normal, p.shear);
}

// The world point under the remembered cursor pixel, snapped to the snap grid.
s_tagTypePointXY CursorWorld(bool snap) {
    s_tagTypePointXY at;
    Cpp_Graphics::PixelToWorldPoint(g_tool.cursorPixel.x, g_tool.cursorPixel.y, at.x, at.y);
    if (snap && Cpp_GraphicGrid::SnapOn()) Cpp_GraphicGrid::SnapToGrid(at.x, at.y, true);
    return at;
}

// The bands of the point between previous and next (either may be absent) at p.
void ShowNeighbourBands(const s_DistributedLoadPoint& p) {
    if (g_tool.previous)
        Show(g_tool.band1, Record(g_tool.previous), p);
    else
        Erase(g_tool.band1);
    if (g_tool.next)
        Show(g_tool.band2, p, Record(g_tool.next));
    else
        Erase(g_tool.band2);
}

void DrawFeedback(platform::DeviceContext& dc, Cpp_Kliven4DataSet*) {
    switch (GetCursorMode()) {
    case CursorModeNone:
    case CursorModeZoomWindow:
    case CursorModeZoomBox:
        if (g_tool.entering && GetSavedCursorMode() == CursorModeDistributedLoadEntry)
            Cpp_DistributedLoadData::RepaintEnteredPoints(dc);
        break;
    case CursorModeDistributedLoadEntry: Cpp_DistributedLoadData::RepaintEnteredPoints(dc); break;
    case CursorModeAddPointDistributedLoad: Cpp_DistributedLoadData::DrawToolFeedbackA(dc); break;
    case CursorModeChangeDistributedLoadPoint:
        Cpp_DistributedLoadData::DrawToolFeedbackB(dc);
        break;
    case CursorModeInsertDistributedLoadPoint:
        Cpp_DistributedLoadData::DrawToolFeedbackC(dc);
        break;
    default: break;
    }
}

// The bands drawn again on a fresh paint at the cursor, with the stresses given.
void RepaintBands(platform::DeviceContext& dc, const s_DistributedLoadPoint* a,
                  const s_DistributedLoadPoint& at, const s_DistributedLoadPoint* b) {
    g_tool.band1.shown = g_tool.band2.shown = false;
    if (a) {
        g_tool.band1.corners = Cpp_DistributedLoadData::ComputeRubberBand(*a, at);
        BandOn(dc, g_tool.band1.corners);
        g_tool.band1.shown = true;
    }
    if (b) {
        g_tool.band2.corners = Cpp_DistributedLoadData::ComputeRubberBand(at, *b);
        BandOn(dc, g_tool.band2.corners);
        g_tool.band2.shown = true;
    }
    g_tool.cursor = at;
    ShowValues(at);
}

double Step(int delta) { return delta >= 0 ? g_options.step : -g_options.step; }

}  // namespace

// ---------------------------------------------------------------------------------------------
// Options and supporting operations

int DistributedLoadSnapOption() { return g_options.snap; }
double DistributedLoadWheelStep() { return g_options.step; }

void RegisterDistributedLoadToolDrawing() {
    UnregisterAfterDataDrawing(e_AfterDataStep::ToolFeedback, &DrawFeedback);
    RegisterAfterDataDrawing(e_AfterDataStep::ToolFeedback, &DrawFeedback);
}

bool Cpp_DistributedLoadData::EditToolOptions() {
    s_DistributedLoadToolOptions options;
    options.snap = g_options.snap;
    options.step = g_options.step;
    const int units = GetUnitSystem();
    options.scalingAvailable = ScaleNeedsLargestValue(units);
    options.maximumStress = options.scalingAvailable ? LargestValue() : 0.0;
    if (!ToolOptionDialogsSlot().Get().DistributedLoad(options)) return false;
    g_options.snap = options.snap;
    g_options.step = options.step;
    if (options.scalingAvailable && options.maximumStress > 0.0)
        SetLargestValue(options.maximumStress);
    ComputeLoadScale(units);
    return true;
}

bool Cpp_DistributedLoadData::SnapEnteredPoint(double& x, double& y, bool typed) const {
    CmDialogBarDistributedLoad* bar = Bar();
    if (!bar) return false;
    if (typed) {
        double normal = 0.0, shear = 0.0;
        if (!bar->GetLoadData(x, y, normal, shear)) return false;
    }
    if (g_options.snap == 0) return true;
    Cpp_Kliven4DataSet* dataSet = Cpp_Kliven4Data::CurrentDataSet();
    if (!dataSet) return false;
    bool warned = false, snapped = false;
    return dataSet->SlopeGeometry().SnapToSlope(nullptr, g_options.snap, x, y, warned, 0.0,
                                                snapped, PickToleranceInWorld());
}

bool Cpp_DistributedLoadData::FindNeighbours(const Cpp_DistributedLoadPoint* node,
                                             Cpp_DistributedLoadPoint*& previous,
                                             Cpp_DistributedLoadPoint*& next) const {
    previous = next = nullptr;
    for (Cpp_DistributedLoadPoint* p = first_; p; previous = p, p = p->NextPoint())
        if (p == node) {
            next = p->NextPoint();
            return true;
        }
    previous = nullptr;
    return false;
}

Cpp_DistributedLoadPoint* Cpp_DistributedLoadData::LinkPoint(Cpp_DistributedLoadPoint* previous,
                                                             const s_DistributedLoadPoint& p) {
    auto* node = new Cpp_DistributedLoadPoint(p.x, p.y, p.normal, p.shear);
    Cpp_DistributedLoadPoint* after = previous ? previous->NextPoint() : first_;
    node->SetNext(after);
    if (previous)
        previous->SetNext(node);
    else
        first_ = node;
    if (!after) last_ = node;
    ++count_;
    return node;
}

// ---------------------------------------------------------------------------------------------
// Point entry

bool Cpp_DistributedLoadData::EnterPointsTool(double x, double y, bool typed) {
    CmDialogBarDistributedLoad* bar = Bar();
    if (!bar) return false;
    if (bar->IsUsingPiezometricLine()) {
        int number = 0;
        if (!bar->GetPiezometricLineNumber(number)) return false;
        return SetPiezometricLine(number);
    }
    if (!SnapEnteredPoint(x, y, typed)) return false;
    double normal = 0.0, shear = 0.0;
    if (!BarStresses(normal, shear)) return false;
    if (typed)
        bar->FocusXEdit();
    else
        bar->SetPoint(x, y);
    // The stage keeps its piezometric line until the entry is finished: Escape leaves the
    // loads as they were.
    g_tool = s_ToolState{};
    g_tool.data = this;
    g_tool.entering = true;
    g_tool.entered = {{x, y, normal, shear}};
    g_tool.cursor = g_tool.entered.back();
    g_tool.cursorPixel = ToPixel(x, y);
    Symbol(*this, x, y, false);
    SetCursorMode(CursorModeDistributedLoadEntry);
    ShowPrompt("Left-click to enter distributed load points; Right-click to finish; Escape to "
               "abandon.");
    return true;
}

void Cpp_DistributedLoadData::EntryToolMouseMove(int px, int py, double x, double y) {
    if (!g_tool.entering || g_tool.data != this) return;
    g_tool.cursorPixel = {px, py};
    g_tool.cursor = CursorWithBar(x, y);
    Show(g_tool.band1, g_tool.entered.back(), g_tool.cursor);
    ShowValues(g_tool.cursor);
}

bool Cpp_DistributedLoadData::EntryToolClick(double x, double y, bool typed) {
    if (!g_tool.entering || g_tool.data != this) return false;
    if (!SnapEnteredPoint(x, y, typed)) return false;
    double normal = 0.0, shear = 0.0;
    if (!BarStresses(normal, shear)) return false;
    Erase(g_tool.band1);
    const s_DistributedLoadPoint p{x, y, normal, shear};
    const s_DistributedLoadPoint last = g_tool.entered.back();
    if (p.x == last.x && p.y == last.y && p.normal == last.normal && p.shear == last.shear)
        return FinishPointEntry();
    g_tool.entered.push_back(p);
    if (!typed) Bar()->SetPoint(x, y);
    Segment(*this, last, p, true);
    Symbol(*this, last.x, last.y, false);
    Symbol(*this, x, y, false);
    g_tool.cursor = p;
    return false;
}

bool Cpp_DistributedLoadData::FinishPointEntry() {
    if (!g_tool.entering || g_tool.data != this) return false;
    if (g_tool.entered.size() < 2) {
        ShowErrorMessage("Error", "Less than two point were entered - input was ignored.");
        EndEntryTool();
        return false;
    }
    Erase(g_tool.band1);
    DeleteAllPoints();
    ClearPiezometricLine();
    for (const s_DistributedLoadPoint& p : g_tool.entered) AddPoint(p.x, p.y, p.normal, p.shear);
    g_tool.entering = false;
    SetSavedCursorMode(0);
    EndStep();
    ShowToolPromptAgain();
    InvalidateViewWindow();
    return true;
}

void Cpp_DistributedLoadData::EndEntryTool() {
    if (!g_tool.entering) return;
    Erase(g_tool.band1);
    g_tool.entering = false;
    SetSavedCursorMode(0);
    EndStep();
    ShowToolPromptAgain();
    InvalidateViewWindow();
}

void Cpp_DistributedLoadData::EraseEntryBandForZoom() {
    if (!g_tool.entering) return;
    Erase(g_tool.band1);
}

bool Cpp_DistributedLoadData::IsEnteringPoints() { return g_tool.entering; }
const std::vector<s_DistributedLoadPoint>& Cpp_DistributedLoadData::EnteredPoints() {
    return g_tool.entered;
}

void Cpp_DistributedLoadData::RepaintEnteredPoints(platform::DeviceContext& dc) {
    if (!g_tool.entering || !g_tool.data) return;
    if (GetCursorMode() == CursorModeNone && GetSavedCursorMode() != 0) {
        SetCursorMode(GetSavedCursorMode());
        SetSavedCursorMode(0);
    }
    const int stage = g_tool.data->Stage();
    const std::vector<s_DistributedLoadPoint>& points = g_tool.entered;
    for (std::size_t i = 1; i < points.size(); ++i)
        DrawSegmentDiagram(dc, points[i - 1], points[i], stage, true, true, true);
    for (const s_DistributedLoadPoint& p : points) DrawPointSymbol(dc, p.x, p.y, stage, false);
    if (GetCursorMode() != CursorModeDistributedLoadEntry) {
        g_tool.band1.shown = false;
        return;
    }
    const s_tagTypePointXY at = CursorWorld(true);
    RepaintBands(dc, &points.back(), {at.x, at.y, g_tool.cursor.normal, g_tool.cursor.shear},
                 nullptr);
}

void Cpp_DistributedLoadData::WheelEditEntry(int delta, bool control) {
    if (!g_tool.entering) return;
    CmDialogBarDistributedLoad* bar = Bar();
    double value = 0.0;
    if (!bar || !bar->GetStress(value, !control)) return;
    value += Step(delta);
    bar->SetStress(value, !control);
    (control ? g_tool.cursor.shear : g_tool.cursor.normal) = value;
    Show(g_tool.band1, g_tool.entered.back(), g_tool.cursor);
    ShowValues(g_tool.cursor);
}

bool Cpp_DistributedLoadData::WheelEditTool(int delta, bool shear) {
    CmDialogBarDistributedLoad* bar = Bar();
    double value = 0.0;
    if (!bar || !bar->GetStress(value, !shear)) return false;
    bar->SetStress(value + Step(delta), !shear);
    return true;
}

// ---------------------------------------------------------------------------------------------
// Adding a point at an end

bool Cpp_DistributedLoadData::StartAddPointAtEnd(Cpp_DistributedLoadPoint* end) {
    Cpp_DistributedLoadPoint *previous = nullptr, *next = nullptr;
    if (!end || !FindNeighbours(end, previous, next)) return false;
    if (end != first_ && next) return false;
    g_tool = s_ToolState{};
    g_tool.data = this;
    g_tool.pen = kGreenPen;
    g_tool.moving = end;
    g_tool.addBefore = end == first_;
    g_tool.cursor = Record(end);
    Marker(end);
    ShowPrompt(kLocatePrompt);
    SetCursorMode(CursorModeAddPointDistributedLoad);
    return true;
}

void Cpp_DistributedLoadData::AddEndToolMouseMove(int px, int py, double x, double y) {
    if (g_tool.data != this || !g_tool.moving) return;
    g_tool.cursorPixel = {px, py};
    g_tool.cursor = CursorWithBar(x, y);
    if (g_tool.addBefore)
        Show(g_tool.band1, g_tool.cursor, Record(g_tool.moving));
    else
        Show(g_tool.band1, Record(g_tool.moving), g_tool.cursor);
    ShowValues(g_tool.cursor);
}

bool Cpp_DistributedLoadData::AddPointAtEnd(double x, double y, bool typed) {
    if (g_tool.data != this || !g_tool.moving) return false;
    Erase(g_tool.band1);
    s_DistributedLoadPoint p{x, y, 0.0, 0.0};
    CmDialogBarDistributedLoad* bar = Bar();
    double bx = 0.0, by = 0.0;
    if (!bar || !bar->GetLoadData(bx, by, p.normal, p.shear)) p.normal = p.shear = 0.0;
    if (typed && bar && bar->GetLoadData(bx, by, p.normal, p.shear)) p.x = bx, p.y = by;
    Cpp_DistributedLoadPoint* end = g_tool.moving;
    if (g_tool.addBefore) {
        LinkPoint(nullptr, p);
        Segment(*this, p, Record(end), true);
    } else {
        LinkPoint(last_, p);
        Segment(*this, Record(end), p, true);
    }
    Symbol(*this, p.x, p.y, false);
    Marker(end);
    EndStep();
    ShowToolPromptAgain();
    return true;
}

void Cpp_DistributedLoadData::CancelEntryTool() {
    if (g_tool.data != this) return;
    Erase(g_tool.band1);
    if (GetCursorMode() == CursorModeAddPointDistributedLoad) Marker(g_tool.moving);
    EndStep();
    ShowToolPromptAgain();
}

void Cpp_DistributedLoadData::DrawToolFeedbackA(platform::DeviceContext& dc) {
    if (!g_tool.data || !g_tool.moving) return;
    const s_tagTypePointXY at = CursorWorld(true);
    const s_DistributedLoadPoint end = Record(g_tool.moving);
    const s_DistributedLoadPoint p = CursorWithBar(at.x, at.y);
    g_tool.band2.shown = false;
    g_tool.band1.shown = true;
    g_tool.band1.corners = g_tool.addBefore ? ComputeRubberBand(p, end) : ComputeRubberBand(end, p);
    BandOn(dc, g_tool.band1.corners);
    g_tool.cursor = p;
    ShowValues(p);
}

// ---------------------------------------------------------------------------------------------
// Inserting a point

bool Cpp_DistributedLoadData::StartInsertPoint(Cpp_DistributedLoadPoint* segmentStart) {
    Cpp_DistributedLoadPoint *previous = nullptr, *next = nullptr;
    if (!segmentStart || !FindNeighbours(segmentStart, previous, next) || !next) return false;
    g_tool = s_ToolState{};
    g_tool.data = this;
    g_tool.pen = kGreenPen;
    g_tool.previous = segmentStart;
    g_tool.next = next;
    Marker(g_tool.previous);
    Marker(g_tool.next);
    SetCursorMode(CursorModeInsertDistributedLoadPoint);
    ShowPrompt(kLocatePrompt);
    SetToolTipText("Locate new point");
    return true;
}

void Cpp_DistributedLoadData::InsertToolMouseMove(int px, int py, double x, double y) {
    if (g_tool.data != this || !g_tool.previous) return;
    g_tool.cursorPixel = {px, py};
    g_tool.cursor = CursorWithBar(x, y);
    ShowNeighbourBands(g_tool.cursor);
    ShowValues(g_tool.cursor);
}

bool Cpp_DistributedLoadData::InsertToolClick(double x, double y, bool typed) {
    if (g_tool.data != this || !g_tool.previous) return false;
    const bool snapped = SnapEnteredPoint(x, y, typed);
    double normal = 0.0, shear = 0.0;
    const bool read = snapped && BarStresses(normal, shear);
    EraseBands();
    Marker(g_tool.previous);
    Marker(g_tool.next);
    bool inserted = false;
    if (read) {
        const s_DistributedLoadPoint p{x, y, normal, shear};
        // The segment may have changed since the step started: link after the previous node
        // only while it still leads to the next one.
        Cpp_DistributedLoadPoint *before = nullptr, *after = nullptr;
        if (FindNeighbours(g_tool.previous, before, after) && after == g_tool.next) {
            Segment(*this, Record(g_tool.previous), Record(g_tool.next), false);
            LinkPoint(g_tool.previous, p);
            Segment(*this, Record(g_tool.previous), p, true);
            Segment(*this, p, Record(g_tool.next), true);
            Symbol(*this, p.x, p.y, false);
            inserted = true;
        }
    } else {
        Segment(*this, Record(g_tool.previous), Record(g_tool.next), true);
    }
    EndStep();
    ClearPromptBar();
    ClearToolTip();
    InvalidateViewWindow();
    return inserted;
}

void Cpp_DistributedLoadData::CancelInsertTool() {
    if (!g_tool.data || !g_tool.previous) return;
    EraseBands();
    Marker(g_tool.previous);
    Marker(g_tool.next);
    Segment(*g_tool.data, Record(g_tool.previous), Record(g_tool.next), true);
    EndStep();
    ClearPromptBar();
    ClearToolTip();
}

void Cpp_DistributedLoadData::DrawToolFeedbackC(platform::DeviceContext& dc) {
    if (!g_tool.data || !g_tool.previous) return;
    // Alt held keeps the inserted point off the snap grid.
    const s_tagTypePointXY at = CursorWorld(!IsAltDown());
    const s_DistributedLoadPoint p = CursorWithBar(at.x, at.y);
    const s_DistributedLoadPoint a = Record(g_tool.previous), b = Record(g_tool.next);
    RepaintBands(dc, &a, p, &b);
}

// ---------------------------------------------------------------------------------------------
// Dragging a point

bool Cpp_DistributedLoadData::StartDragPoint(int px, int py, Cpp_DistributedLoadPoint* node) {
    Cpp_DistributedLoadPoint *previous = nullptr, *next = nullptr;
    if (!node || !FindNeighbours(node, previous, next)) return false;
    g_tool = s_ToolState{};
    g_tool.data = this;
    g_tool.moving = node;
    g_tool.previous = previous;
    g_tool.next = next;
    g_tool.cursorPixel = {px, py};
    g_tool.cursor = Record(node);
    const platform::DevicePoint at{px, py};
    g_tool.band1.corners = g_tool.band2.corners = Corners{{at, at, at, at}};
    SetCursorMode(CursorModeChangeDistributedLoadPoint);
    return true;
}

void Cpp_DistributedLoadData::DragMove(int px, int py, double x, double y) {
    if (g_tool.data != this || !g_tool.moving) return;
    g_tool.cursorPixel = {px, py};
    s_DistributedLoadPoint p = Record(g_tool.moving);
    p.x = x, p.y = y;
    g_tool.cursor = p;
    ShowNeighbourBands(p);
}

bool Cpp_DistributedLoadData::DragEnd() {
    if (g_tool.data != this || !g_tool.moving) return false;
    EraseBands();
    double x = g_tool.cursor.x, y = g_tool.cursor.y;
    Cpp_DistributedLoadPoint* node = g_tool.moving;
    const bool moved = SnapEnteredPoint(x, y, false) && MovePoint(node, x, y);
    EndStep();
    ClearPromptBar();
    return moved;
}

void Cpp_DistributedLoadData::EraseToolPreview() {
    if (!g_tool.data) return;
    EraseBands();
    EndStep();
    ClearPromptBar();
}

void Cpp_DistributedLoadData::DrawToolFeedbackB(platform::DeviceContext& dc) {
    if (!g_tool.data || !g_tool.moving) return;
    const s_tagTypePointXY at = CursorWorld(true);
    s_DistributedLoadPoint p = Record(g_tool.moving);
    p.x = at.x, p.y = at.y;
    s_DistributedLoadPoint a{}, b{};
    if (g_tool.previous) a = Record(g_tool.previous);
    if (g_tool.next) b = Record(g_tool.next);
    RepaintBands(dc, g_tool.previous ? &a : nullptr, p, g_tool.next ? &b : nullptr);
}

// ---------------------------------------------------------------------------------------------
// Single-point edits

bool Cpp_DistributedLoadData::ReplacePointAndRedraw(Cpp_DistributedLoadPoint* node, double x,
                                                    double y, double normal, double shear) {
    Cpp_DistributedLoadPoint *previous = nullptr, *next = nullptr;
    if (!node || !FindNeighbours(node, previous, next)) return false;
    Symbol(*this, node->X(), node->Y(), true);
    if (previous) Segment(*this, Record(previous), Record(node), false);
    if (next) Segment(*this, Record(node), Record(next), false);
    node->SetValues(x, y, normal, shear);
    if (previous) Segment(*this, Record(previous), Record(node), true);
    if (next) Segment(*this, Record(node), Record(next), true);
    Symbol(*this, x, y, false);
    return true;
}

bool Cpp_DistributedLoadData::MovePoint(Cpp_DistributedLoadPoint* node, double x, double y) {
    if (!node) return false;
    return ReplacePointAndRedraw(node, x, y, node->normalStress, node->shearStress);
}

bool Cpp_DistributedLoadData::DeletePoint(Cpp_DistributedLoadPoint* node) {
    Cpp_DistributedLoadPoint *previous = nullptr, *next = nullptr;
    if (count_ < 2 || !node || !FindNeighbours(node, previous, next)) return false;
    if (previous) Segment(*this, Record(previous), Record(node), false);
    if (next) Segment(*this, Record(node), Record(next), false);
    Symbol(*this, node->X(), node->Y(), true);
    if (previous && next) Segment(*this, Record(previous), Record(next), true);
    if (previous)
        previous->SetNext(next);
    else
        first_ = next;
    if (!next) last_ = previous;
    --count_;
    delete node;
    return true;
}

bool Cpp_DistributedLoadData::ApplyBarToSelectedPoint(Cpp_DistributedLoadPoint*& selected,
                                                      bool switchOnly) {
    CmDialogBarDistributedLoad* bar = Bar();
    if (!bar) return false;
    if (bar->IsUsingPiezometricLine()) {
        if (!usesPiezometricLine_ && count_ > 0 &&
            !AskYesNoOnMainWindow("Notice",
                                  "Using piezometric line to compute distributed loads will "
                                  "delete all existing data for distributed load points.  Do "
                                  "you want to delete existing points?"))
            return false;
        // The number is checked before anything is deleted: a refused number leaves the stage
        // as it was.
        int number = 0;
        if (!bar->GetPiezometricLineNumber(number)) return false;
        if (number < 1) return SetPiezometricLine(number);
        DeleteAllPoints();
        selected = nullptr;
        usesPiezometricLine_ = true;
        piezometricLine_ = number;
        return true;
    }
    ClearPiezometricLine();
    if (switchOnly) return true;
    double x = 0.0, y = 0.0, normal = 0.0, shear = 0.0;
    if (!selected || !bar->GetLoadData(x, y, normal, shear)) return false;
    if (x != selected->X() || y != selected->Y()) {
        if (!SnapEnteredPoint(x, y, false)) return false;
    }
    if (x == selected->X() && y == selected->Y() && normal == selected->normalStress &&
        shear == selected->shearStress)
        return true;
    return ReplacePointAndRedraw(selected, x, y, normal, shear);
}

void Cpp_DistributedLoadData::WheelEditSelected(Cpp_DistributedLoadPoint* node, int delta,
                                                bool control) {
    Cpp_DistributedLoadPoint *previous = nullptr, *next = nullptr;
    if (!node || !FindNeighbours(node, previous, next)) return;
    double& value = control ? node->shearStress : node->normalStress;
    const double changed = value + Step(delta);
    if (CmDialogBarDistributedLoad* bar = Bar()) bar->SetStress(changed, !control);
    if (previous) Segment(*this, Record(previous), Record(node), false);
    if (next) Segment(*this, Record(node), Record(next), false);
    value = changed;
    if (previous) Segment(*this, Record(previous), Record(node), true);
    if (next) Segment(*this, Record(node), Record(next), true);
}

bool Cpp_DistributedLoadData::SetPiezometricLineFromBar() {
    CmDialogBarDistributedLoad* bar = Bar();
    int number = 0;
    if (bar && bar->IsUsingPiezometricLine() && bar->GetPiezometricLineNumber(number)) {
        // Already generated from this line: nothing to ask or change.
        if (usesPiezometricLine_ && piezometricLine_ == number) return true;
        return SetPiezometricLine(number);
    }
    ClearPiezometricLine();
    return true;
}

bool WaterPressureForDistributedLoad(const Cpp_Kliven4DataSet& dataSet, double x, double y,
                                     double& pressure) {
    pressure = 0.0;
    CmDialogBarDistributedLoad* bar = ActiveDistributedLoadBar();
    int number = 0;
    if (!bar || !bar->GetPiezometricLineNumber(number)) return false;
    const Cpp_PiezometricLineList* lines =
        dataSet.PiezometricLines(Cpp_Kliven4DataSet::CurrentStage());
    const Cpp_PiezometricLine* line = lines ? lines->FindLine(number) : nullptr;
    if (!line) {
        ShowMessageByKind("Notice",
                          FormatText("Piezometric line number %1d does not exist for computing "
                                     "distributed loads.",
                                     number),
                          3);
        return false;
    }
    // Beyond the line's ends there is no pressure; the cursor passes there often, so the line is
    // not asked (which would note a data error each time).
    bool spans = false;
    for (const Cpp_PointXY* p = line->FirstPoint(); p && p->Next() && !spans; p = p->Next())
        spans = !p->IsVerticalToNext() && p->X() <= x && x <= p->Next()->X();
    return spans && line->PressureAt(x, y, pressure);
}

// ---------------------------------------------------------------------------------------------
// The tool object.

namespace {

using namespace tool_cells;
using namespace view_input_ops;
using namespace view_tool_steps;
using namespace view_slip_surface_steps;
using namespace view_load_ops;
using namespace view_edit_steps;


//                                 Left  Move  Enter Esc   Bksp  Right
const s_CursorModeRow kSteps[] = {
    {14,
     14,
     "Distributed-load point entry",
     {R(DistributedLoadClick), R(DistributedLoadMove), R(DistributedLoadEnter),
      R(DistributedLoadEscape), X, R(DistributedLoadFinish)}},
    {86,
     86,
     "Add Point at End",
     {R(DistributedLoadAddEndClick), R(DistributedLoadAddEndMove), R(DistributedLoadAddEndEnter),
      R(DistributedLoadAddEndEscape), R(DistributedLoadAddEndEscape), H}},
    {90,
     90,
     "Move (\"Drag\") Item",
     {R(DistributedLoadDragDrop), R(DistributedLoadDragMove), R(DistributedLoadDragEnter),
      R(DistributedLoadDragEscape), R(DistributedLoadDragEscape), H}},
    {113,
     113,
     "Insert Point",
     {R(DistributedLoadInsertClick), R(DistributedLoadInsertMove), R(DistributedLoadInsertEnter),
      R(DistributedLoadInsertEscape), N, H}},
};

}  // namespace

DistributedLoadTool::DistributedLoadTool() : Tool(EditModeDistributedLoads, EditModeDistributedLoads, "Distributed Loads") {}

s_ToolInputs DistributedLoadTool::Inputs(int) const {
    return {R(DistributedLoadFirstClick), R(DistributedLoadFirstEnter), R(DistributedLoadToolMove),
            R(ShowViewMenu)};
}

std::span<const s_CursorModeRow> DistributedLoadTool::Steps() const { return kSteps; }

bool DistributedLoadTool::Exit(ToolContext& context, int) {
    // Leaving takes over the bar's piezometric-line choice; a choice refused keeps the tool,
    // its bar and its button.
    Cpp_Kliven4DataSet* dataSet = context.DataSet();
    Cpp_DistributedLoadData* loads = dataSet ? dataSet->DistributedLoads(context.Stage()) : nullptr;
    Cpp_DistributedLoadData::EndEntryTool();
    return !loads || loads->SetPiezometricLineFromBar();
}



std::optional<bool> DistributedLoadTool::Wheel(ToolContext& context, int cursorMode, int delta,
                                               bool shift, bool control) {
    if (cursorMode == CursorModeDistributedLoadEntry)
        return context.View() && context.View()->WheelEditingOn() &&
               DistributedLoadWheel(cursorMode, delta, shift, control);
    if (cursorMode != CursorModeNone) return std::nullopt;
    DistributedLoadWheel(cursorMode, delta, shift, control);
    return true;
}

void DistributedLoadTool::RegisterDrawing() const { RegisterDistributedLoadToolDrawing(); }

void DistributedLoadTool::Prompt(const s_ToolPrompt& prompt) const {
    SetStatusTextFromId(prompt.view, 1317);
}

int DistributedLoadTool::Bar(int) const { return BarDistributedLoad; }

bool DistributedLoadTool::Action(ToolContext&) { return Cpp_DistributedLoadData::ScaleDialog(); }

void DistributedLoadTool::Chosen(ToolContext& context, int editMode) {
    // The slope made when there is none and the loads' display scale made sure.
    if (Cpp_Kliven4DataSet* dataSet = Cpp_Kliven4Data::CurrentDataSet())
        dataSet->StartDistributedLoadEntry(context.Stage());
    ShowToolPrompt(context, editMode);
}
