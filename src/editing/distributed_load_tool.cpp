// The distributed-load tools of the current stage: a new list of load points entered with the
// mouse or the distributed-load bar, a point added at an end or inserted into a segment, a point
// dragged, moved, replaced or deleted, the stresses changed with the wheel, and the tool options.
// The outlines of the normal-stress diagrams being made are drawn in XOR on the view, so drawing
// one twice removes it.

#include "editing/edit_modes.h"
#include "editing/two_step_edits.h"
#include "editing/view_load_steps.h"
#include "editing/view_slip_surface_steps.h"
#include "editing/view_tool_steps.h"
#include "loads/distributed_load_data.h"

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
#include "editing/tool_table.h"
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

#include <algorithm>
#include <array>
#include <memory>
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

struct s_Options {
    int snap = 0;
    double step = kDefaultStep;
};
}  // namespace

// The tool's state, held by its object in the tool table.
struct DistributedLoadTool::s_State {
    s_ToolState tool;
    s_Options options;
};

namespace {

DistributedLoadTool& Self() {
    return static_cast<DistributedLoadTool&>(*ToolForEditMode(EditModeDistributedLoads));
}
s_ToolState& ToolState() { return Self().state->tool; }
s_Options& Options() { return Self().state->options; }

void ResetTool() {
    ToolState() = s_ToolState{};
    Options() = s_Options{};
}
const bool g_resetAdded = (AddProgramStateReset(&ResetTool), true);

CmDialogBarDistributedLoad* Bar() { return ActiveDistributedLoadBar(); }

platform::DeviceRect AroundPoint(double x, double y) {
    const s_PixelPoint p = ToPixel(x, y);
    return Around(p, p);
}

// A band in XOR with the tool pen.
void BandOn(platform::DeviceContext& dc, const Corners& c) {
    DrawXorOutline(dc, c, ToolState().pen);
}
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
    Erase(ToolState().band1);
    Erase(ToolState().band2);
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
    ToolState().pen = kGreyPen;
    ToolState().moving = ToolState().previous = ToolState().next = nullptr;
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
    Cpp_Graphics::PixelToWorldPoint(ToolState().cursorPixel.x, ToolState().cursorPixel.y, at.x,
                                    at.y);
    if (snap && Cpp_GraphicGrid::SnapOn()) Cpp_GraphicGrid::SnapToGrid(at.x, at.y, true);
    return at;
}

// The bands of the point between previous and next (either may be absent) at p.
void ShowNeighbourBands(const s_DistributedLoadPoint& p) {
    if (ToolState().previous)
        Show(ToolState().band1, Record(ToolState().previous), p);
    else
        Erase(ToolState().band1);
    if (ToolState().next)
        Show(ToolState().band2, p, Record(ToolState().next));
    else
        Erase(ToolState().band2);
}

void DrawFeedback(platform::DeviceContext& dc, Cpp_Kliven4DataSet*) {
    switch (GetCursorMode()) {
    case CursorModeNone:
    case CursorModeZoomWindow:
    case CursorModeZoomBox:
        if (ToolState().entering && GetSavedCursorMode() == CursorModeDistributedLoadEntry)
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
    ToolState().band1.shown = ToolState().band2.shown = false;
    if (a) {
        ToolState().band1.corners = Cpp_DistributedLoadData::ComputeRubberBand(*a, at);
        BandOn(dc, ToolState().band1.corners);
        ToolState().band1.shown = true;
    }
    if (b) {
        ToolState().band2.corners = Cpp_DistributedLoadData::ComputeRubberBand(at, *b);
        BandOn(dc, ToolState().band2.corners);
        ToolState().band2.shown = true;
    }
    ToolState().cursor = at;
    ShowValues(at);
}

double Step(int delta) { return delta >= 0 ? Options().step : -Options().step; }

}  // namespace

// ---------------------------------------------------------------------------------------------
// Options and supporting operations

void RegisterDistributedLoadToolDrawing() {
    UnregisterAfterDataDrawing(e_AfterDataStep::ToolFeedback, &DrawFeedback);
    RegisterAfterDataDrawing(e_AfterDataStep::ToolFeedback, &DrawFeedback);
}

bool Cpp_DistributedLoadData::EditToolOptions() {
    s_DistributedLoadToolOptions options;
    options.snap = Options().snap;
    options.step = Options().step;
    const int units = GetUnitSystem();
    options.scalingAvailable = ScaleNeedsLargestValue(units);
    options.maximumStress = options.scalingAvailable ? LargestValue() : 0.0;
    if (!ToolOptionDialogsSlot().Get().DistributedLoad(options)) return false;
    Options().snap = options.snap;
    Options().step = options.step;
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
    if (Options().snap == 0) return true;
    Cpp_Kliven4DataSet* dataSet = Cpp_Kliven4Data::CurrentDataSet();
    if (!dataSet) return false;
    bool warned = false, snapped = false;
    return dataSet->SlopeGeometry().SnapToSlope(nullptr, Options().snap, x, y, warned, 0.0, snapped,
                                                PickToleranceInWorld());
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
    ToolState() = s_ToolState{};
    ToolState().data = this;
    ToolState().entering = true;
    ToolState().entered = {{x, y, normal, shear}};
    ToolState().cursor = ToolState().entered.back();
    ToolState().cursorPixel = ToPixel(x, y);
    Symbol(*this, x, y, false);
    SetCursorMode(CursorModeDistributedLoadEntry);
    ShowPrompt("Left-click to enter distributed load points; Right-click to finish; Escape to "
               "abandon.");
    return true;
}

void Cpp_DistributedLoadData::EntryToolMouseMove(int px, int py, double x, double y) {
    if (!ToolState().entering || ToolState().data != this) return;
    ToolState().cursorPixel = {px, py};
    ToolState().cursor = CursorWithBar(x, y);
    Show(ToolState().band1, ToolState().entered.back(), ToolState().cursor);
    ShowValues(ToolState().cursor);
}

bool Cpp_DistributedLoadData::EntryToolClick(double x, double y, bool typed) {
    if (!ToolState().entering || ToolState().data != this) return false;
    if (!SnapEnteredPoint(x, y, typed)) return false;
    double normal = 0.0, shear = 0.0;
    if (!BarStresses(normal, shear)) return false;
    Erase(ToolState().band1);
    const s_DistributedLoadPoint p{x, y, normal, shear};
    const s_DistributedLoadPoint last = ToolState().entered.back();
    if (p.x == last.x && p.y == last.y && p.normal == last.normal && p.shear == last.shear)
        return FinishPointEntry();
    ToolState().entered.push_back(p);
    if (!typed) Bar()->SetPoint(x, y);
    Segment(*this, last, p, true);
    Symbol(*this, last.x, last.y, false);
    Symbol(*this, x, y, false);
    ToolState().cursor = p;
    return false;
}

bool Cpp_DistributedLoadData::FinishPointEntry() {
    if (!ToolState().entering || ToolState().data != this) return false;
    if (ToolState().entered.size() < 2) {
        ShowErrorMessage("Error", "Less than two point were entered - input was ignored.");
        EndEntryTool();
        return false;
    }
    Erase(ToolState().band1);
    DeleteAllPoints();
    ClearPiezometricLine();
    for (const s_DistributedLoadPoint& p : ToolState().entered)
        AddPoint(p.x, p.y, p.normal, p.shear);
    ToolState().entering = false;
    SetSavedCursorMode(0);
    EndStep();
    ShowToolPromptAgain();
    InvalidateViewWindow();
    return true;
}

void Cpp_DistributedLoadData::EndEntryTool() {
    if (!ToolState().entering) return;
    Erase(ToolState().band1);
    ToolState().entering = false;
    SetSavedCursorMode(0);
    EndStep();
    ShowToolPromptAgain();
    InvalidateViewWindow();
}

void Cpp_DistributedLoadData::EraseEntryBandForZoom() {
    if (!ToolState().entering) return;
    Erase(ToolState().band1);
}

bool Cpp_DistributedLoadData::IsEnteringPoints() { return ToolState().entering; }

void Cpp_DistributedLoadData::RepaintEnteredPoints(platform::DeviceContext& dc) {
    if (!ToolState().entering || !ToolState().data) return;
    if (GetCursorMode() == CursorModeNone && GetSavedCursorMode() != 0) {
        SetCursorMode(GetSavedCursorMode());
        SetSavedCursorMode(0);
    }
    const int stage = ToolState().data->Stage();
    const std::vector<s_DistributedLoadPoint>& points = ToolState().entered;
    for (std::size_t i = 1; i < points.size(); ++i)
        DrawSegmentDiagram(dc, points[i - 1], points[i], stage, true, true, true);
    for (const s_DistributedLoadPoint& p : points) DrawPointSymbol(dc, p.x, p.y, stage, false);
    if (GetCursorMode() != CursorModeDistributedLoadEntry) {
        ToolState().band1.shown = false;
        return;
    }
    const s_tagTypePointXY at = CursorWorld(true);
    RepaintBands(dc, &points.back(),
                 {at.x, at.y, ToolState().cursor.normal, ToolState().cursor.shear}, nullptr);
}

void Cpp_DistributedLoadData::WheelEditEntry(int delta, bool control) {
    if (!ToolState().entering) return;
    CmDialogBarDistributedLoad* bar = Bar();
    double value = 0.0;
    if (!bar || !bar->GetStress(value, !control)) return;
    value += Step(delta);
    bar->SetStress(value, !control);
    (control ? ToolState().cursor.shear : ToolState().cursor.normal) = value;
    Show(ToolState().band1, ToolState().entered.back(), ToolState().cursor);
    ShowValues(ToolState().cursor);
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
    ToolState() = s_ToolState{};
    ToolState().data = this;
    ToolState().pen = kGreenPen;
    ToolState().moving = end;
    ToolState().addBefore = end == first_;
    ToolState().cursor = Record(end);
    Marker(end);
    ShowPrompt(kLocatePrompt);
    SetCursorMode(CursorModeAddPointDistributedLoad);
    return true;
}

void Cpp_DistributedLoadData::AddEndToolMouseMove(int px, int py, double x, double y) {
    if (ToolState().data != this || !ToolState().moving) return;
    ToolState().cursorPixel = {px, py};
    ToolState().cursor = CursorWithBar(x, y);
    if (ToolState().addBefore)
        Show(ToolState().band1, ToolState().cursor, Record(ToolState().moving));
    else
        Show(ToolState().band1, Record(ToolState().moving), ToolState().cursor);
    ShowValues(ToolState().cursor);
}

bool Cpp_DistributedLoadData::AddPointAtEnd(double x, double y, bool typed) {
    if (ToolState().data != this || !ToolState().moving) return false;
    Erase(ToolState().band1);
    s_DistributedLoadPoint p{x, y, 0.0, 0.0};
    CmDialogBarDistributedLoad* bar = Bar();
    double bx = 0.0, by = 0.0;
    if (!bar || !bar->GetLoadData(bx, by, p.normal, p.shear)) p.normal = p.shear = 0.0;
    if (typed && bar && bar->GetLoadData(bx, by, p.normal, p.shear)) p.x = bx, p.y = by;
    Cpp_DistributedLoadPoint* end = ToolState().moving;
    if (ToolState().addBefore) {
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
    if (ToolState().data != this) return;
    Erase(ToolState().band1);
    if (GetCursorMode() == CursorModeAddPointDistributedLoad) Marker(ToolState().moving);
    EndStep();
    ShowToolPromptAgain();
}

void Cpp_DistributedLoadData::DrawToolFeedbackA(platform::DeviceContext& dc) {
    if (!ToolState().data || !ToolState().moving) return;
    const s_tagTypePointXY at = CursorWorld(true);
    const s_DistributedLoadPoint end = Record(ToolState().moving);
    const s_DistributedLoadPoint p = CursorWithBar(at.x, at.y);
    ToolState().band2.shown = false;
    ToolState().band1.shown = true;
    ToolState().band1.corners =
        ToolState().addBefore ? ComputeRubberBand(p, end) : ComputeRubberBand(end, p);
    BandOn(dc, ToolState().band1.corners);
    ToolState().cursor = p;
    ShowValues(p);
}

// ---------------------------------------------------------------------------------------------
// Inserting a point

bool Cpp_DistributedLoadData::StartInsertPoint(Cpp_DistributedLoadPoint* segmentStart) {
    Cpp_DistributedLoadPoint *previous = nullptr, *next = nullptr;
    if (!segmentStart || !FindNeighbours(segmentStart, previous, next) || !next) return false;
    ToolState() = s_ToolState{};
    ToolState().data = this;
    ToolState().pen = kGreenPen;
    ToolState().previous = segmentStart;
    ToolState().next = next;
    Marker(ToolState().previous);
    Marker(ToolState().next);
    SetCursorMode(CursorModeInsertDistributedLoadPoint);
    ShowPrompt(kLocatePrompt);
    SetToolTipText("Locate new point");
    return true;
}

void Cpp_DistributedLoadData::InsertToolMouseMove(int px, int py, double x, double y) {
    if (ToolState().data != this || !ToolState().previous) return;
    ToolState().cursorPixel = {px, py};
    ToolState().cursor = CursorWithBar(x, y);
    ShowNeighbourBands(ToolState().cursor);
    ShowValues(ToolState().cursor);
}

bool Cpp_DistributedLoadData::InsertToolClick(double x, double y, bool typed) {
    if (ToolState().data != this || !ToolState().previous) return false;
    const bool snapped = SnapEnteredPoint(x, y, typed);
    double normal = 0.0, shear = 0.0;
    const bool read = snapped && BarStresses(normal, shear);
    EraseBands();
    Marker(ToolState().previous);
    Marker(ToolState().next);
    bool inserted = false;
    if (read) {
        const s_DistributedLoadPoint p{x, y, normal, shear};
        // The segment may have changed since the step started: link after the previous node
        // only while it still leads to the next one.
        Cpp_DistributedLoadPoint *before = nullptr, *after = nullptr;
        if (FindNeighbours(ToolState().previous, before, after) && after == ToolState().next) {
            Segment(*this, Record(ToolState().previous), Record(ToolState().next), false);
            LinkPoint(ToolState().previous, p);
            Segment(*this, Record(ToolState().previous), p, true);
            Segment(*this, p, Record(ToolState().next), true);
            Symbol(*this, p.x, p.y, false);
            inserted = true;
        }
    } else {
        Segment(*this, Record(ToolState().previous), Record(ToolState().next), true);
    }
    EndStep();
    ClearPromptBar();
    ClearToolTip();
    InvalidateViewWindow();
    return inserted;
}

void Cpp_DistributedLoadData::CancelInsertTool() {
    if (!ToolState().data || !ToolState().previous) return;
    EraseBands();
    Marker(ToolState().previous);
    Marker(ToolState().next);
    Segment(*ToolState().data, Record(ToolState().previous), Record(ToolState().next), true);
    EndStep();
    ClearPromptBar();
    ClearToolTip();
}

void Cpp_DistributedLoadData::DrawToolFeedbackC(platform::DeviceContext& dc) {
    if (!ToolState().data || !ToolState().previous) return;
    // Alt held keeps the inserted point off the snap grid.
    const s_tagTypePointXY at = CursorWorld(!IsAltDown());
    const s_DistributedLoadPoint p = CursorWithBar(at.x, at.y);
    const s_DistributedLoadPoint a = Record(ToolState().previous), b = Record(ToolState().next);
    RepaintBands(dc, &a, p, &b);
}

// ---------------------------------------------------------------------------------------------
// Dragging a point

bool Cpp_DistributedLoadData::StartDragPoint(int px, int py, Cpp_DistributedLoadPoint* node) {
    Cpp_DistributedLoadPoint *previous = nullptr, *next = nullptr;
    if (!node || !FindNeighbours(node, previous, next)) return false;
    ToolState() = s_ToolState{};
    ToolState().data = this;
    ToolState().moving = node;
    ToolState().previous = previous;
    ToolState().next = next;
    ToolState().cursorPixel = {px, py};
    ToolState().cursor = Record(node);
    const platform::DevicePoint at{px, py};
    ToolState().band1.corners = ToolState().band2.corners = Corners{{at, at, at, at}};
    SetCursorMode(CursorModeChangeDistributedLoadPoint);
    return true;
}

void Cpp_DistributedLoadData::DragMove(int px, int py, double x, double y) {
    if (ToolState().data != this || !ToolState().moving) return;
    ToolState().cursorPixel = {px, py};
    s_DistributedLoadPoint p = Record(ToolState().moving);
    p.x = x, p.y = y;
    ToolState().cursor = p;
    ShowNeighbourBands(p);
}

bool Cpp_DistributedLoadData::DragEnd() {
    if (ToolState().data != this || !ToolState().moving) return false;
    EraseBands();
    double x = ToolState().cursor.x, y = ToolState().cursor.y;
    Cpp_DistributedLoadPoint* node = ToolState().moving;
    const bool moved = SnapEnteredPoint(x, y, false) && MovePoint(node, x, y);
    EndStep();
    ClearPromptBar();
    return moved;
}

void Cpp_DistributedLoadData::EraseToolPreview() {
    if (!ToolState().data) return;
    EraseBands();
    EndStep();
    ClearPromptBar();
}

void Cpp_DistributedLoadData::DrawToolFeedbackB(platform::DeviceContext& dc) {
    if (!ToolState().data || !ToolState().moving) return;
    const s_tagTypePointXY at = CursorWorld(true);
    s_DistributedLoadPoint p = Record(ToolState().moving);
    p.x = at.x, p.y = at.y;
    s_DistributedLoadPoint a{}, b{};
    if (ToolState().previous) a = Record(ToolState().previous);
    if (ToolState().next) b = Record(ToolState().next);
    RepaintBands(dc, ToolState().previous ? &a : nullptr, p, ToolState().next ? &b : nullptr);
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

DistributedLoadTool::DistributedLoadTool()
    : Tool(EditModeDistributedLoads, EditModeDistributedLoads, "Distributed Loads"),
      state(std::make_unique<s_State>()) {}
DistributedLoadTool::~DistributedLoadTool() = default;

s_ToolInputs DistributedLoadTool::Inputs(int) const {
    return {R(DistributedLoadFirstClick), R(DistributedLoadFirstEnter), R(DistributedLoadToolMove),
            R(ShowViewMenu)};
}

std::span<const s_CursorModeRow> DistributedLoadTool::Steps() const { return kSteps; }

void DistributedLoadTool::Reset(ToolContext& context) {
    // A load being entered and a point being moved, added or inserted are dropped; the options
    // stay.
    const s_ToolState& step = state->tool;
    const bool underWay = step.entering || step.data || step.moving || step.previous || step.next;
    state->tool = s_ToolState{};
    if (!underWay) return;
    ClearPromptBar();
    if (context.View()) context.View()->InvalidateView();
}

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
