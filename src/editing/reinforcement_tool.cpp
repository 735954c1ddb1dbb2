// The reinforcement-line tools. Entry: points clicked or typed in the reinforcement bar with the
// bar's two forces at each, a grey XOR band in the shape of the force diagram from the last
// point to the cursor, finished by a right click, the bar's "Finish Line" or the last point
// again with unchanged forces; the line takes the bar's number (a number in use is settled in
// the duplicate-number window), the tool options' force option and rotation, and the entered
// forces. Point steps on a selected line: adding a point at an end, inserting one into a
// segment (green bands), dragging a point (grey bands); typed values and the wheel on a
// selected point.

#include "editing/edit_modes.h"
#include "editing/two_step_edits.h"
#include "editing/view_load_steps.h"
#include "editing/view_slip_surface_steps.h"
#include "editing/view_tool_steps.h"
#include "loads/reinforcement_line.h"

#include "core/cursor_mode.h"
#include "core/message_boxes.h"
#include "core/selection_marks.h"
#include "core/tool_option_dialogs.h"
#include "core/units.h"
#include "editing/cursor_modes.h"
#include "editing/line_entry_tool.h"
#include "editing/reinforcement_tool.h"
#include "editing/selection_list.h"
#include "editing/tool_dialog_bars.h"
#include "editing/tool_table.h"
#include "editing/view_input.h"
#include "editing/view_navigation.h"
#include "editing/view_overlay.h"
#include "graphics/graphic_grid.h"
#include "graphics/graphics.h"
#include "graphics/point_symbols.h"
#include "graphics/prompts.h"
#include "model/data_set.h"
#include "model/data_sets.h"
#include "model/program_state.h"
#include "profile/slope_geometry.h"
#include "registry/view_preparations.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <memory>
#include <vector>

namespace {

using namespace view_overlay;

using Point = s_ReinforcementLinePtType;

constexpr platform::ColorRef kGreyPen = platform::MakeRgb(160, 160, 160);
constexpr platform::ColorRef kGreenPen = platform::MakeRgb(0, 255, 0);

// A band in XOR with a tool pen: drawn twice it is gone.
struct s_Band {
    bool shown = false;
    Corners corners{};
    platform::ColorRef pen = kGreyPen;
};

struct s_ToolState {
    bool entering = false;
    std::vector<Point> points;
    s_Band band;
    s_PixelPoint cursor;
    s_tagTypePointXY cursorPoint;
};

// The point step that runs on a selected line (cursor modes 85, 95, 116).
struct s_PointStep {
    Cpp_ReinforcementLine* line = nullptr;
    Cpp_ReinforcementPoint* point = nullptr;   // dragged, or the end point added to
    Cpp_ReinforcementPoint* before = nullptr;  // the neighbours of the new or moved point
    Cpp_ReinforcementPoint* after = nullptr;
    bool addBefore = false;  // adding at an end: before the first point
    s_Band band1, band2;
    Point cursor{};  // the place and forces last shown at the cursor
    s_PixelPoint cursorPixel;
};

struct s_Options {
    double maximumRotation = 0.0;
    int forceOption = 1;
    double step = 1.0;
    int snap = 0;
    double tolerance = 1.0;
    int displayedForce = 0;
    bool shown = false;  // the options window was shown on the tool's first use
};
}  // namespace

// The tool's state, held by its object in the tool table.
struct ReinforcementTool::s_State {
    s_ToolState tool;
    s_PointStep step;
    s_Options options;
};

namespace {

ReinforcementTool& Self() {
    return static_cast<ReinforcementTool&>(*ToolForEditMode(EditModeReinforcement));
}
s_ToolState& ToolState() { return Self().state->tool; }
s_PointStep& PointStep() { return Self().state->step; }
s_Options& Options() { return Self().state->options; }

void ResetTool() {
    ToolState() = s_ToolState{};
    PointStep() = s_PointStep{};
    Options() = s_Options{};
}
const bool g_resetAdded = (AddProgramStateReset(&ResetTool), true);

CmDialogBarReinforcementTool* Bar() { return ActiveReinforcementBar(); }
Cpp_ReinforcementLineList* CurrentLines() {
    Cpp_Kliven4DataSet* dataSet = Cpp_Kliven4Data::CurrentDataSet();
    return dataSet ? dataSet->ReinforcementLines() : nullptr;
}

// The outline of a band; one without force is the bare segment.
void BandOn(platform::DeviceContext& dc, const s_Band& band) {
    DrawXorOutline(dc, band.corners, band.pen);
}
void Toggle(s_Band& band) {
    OnView(Around(band.corners), [&](platform::DeviceContext& dc) { BandOn(dc, band); });
    band.shown = !band.shown;
}
void Erase(s_Band& band) {
    if (band.shown) Toggle(band);
}
void Show(s_Band& band, const Point& a, const Point& b, bool longitudinal) {
    Erase(band);
    band.corners = Cpp_ReinforcementLineList::ComputeDiagramQuadrilateral(a, b, longitudinal);
    Toggle(band);
}
// On a fresh paint: the band drawn once, without erasing what the paint replaced.
void Redraw(platform::DeviceContext& dc, s_Band& band, const Point& a, const Point& b) {
    band.corners = Cpp_ReinforcementLineList::ComputeDiagramQuadrilateral(a, b, true);
    BandOn(dc, band);
    band.shown = true;
}

s_DrawAttributesType Look() {
    s_DrawAttributesType a;
    Cpp_ReinforcementLineList::GetDisplayAttributes(a);
    return a;
}
void SymbolOn(platform::DeviceContext& dc, const Point& p, bool erase) {
    const s_DrawAttributesType a = Look();
    if (erase)
        EraseSymbol(dc, p.x, p.y, a.pointPenWidth, a.markerSize, a.symbolStyle);
    else
        DrawWithAttributes(dc, p.x, p.y, a.pointPenWidth, a.pointColour, a.markerSize,
                           a.symbolStyle);
}
// A segment's diagram in colour (outline and fill) or erased in the background colour.
void Segment(const Point& a, const Point& b, bool erase, bool longitudinal = true) {
    const Corners c = Cpp_ReinforcementLineList::ComputeDiagramQuadrilateral(a, b, longitudinal);
    OnView(Around(c), [&](platform::DeviceContext& dc) {
        Cpp_ReinforcementLineList::DrawDiagramSegment(dc, a, b, longitudinal, true, true, erase);
    });
}
void Symbol(const Point& p, bool erase) {
    const s_PixelPoint at = ToPixel(p.x, p.y);
    OnView(Around(at, at), [&](platform::DeviceContext& dc) { SymbolOn(dc, p, erase); });
}
void Marker(const Cpp_ReinforcementPoint* p) {
    if (!p) return;
    const s_PixelPoint at = ToPixel(p->X(), p->Y());
    OnView(SelectionMarkerBounds(at.x, at.y),
           [&](platform::DeviceContext& dc) { DrawSelectionMarker(at.x, at.y, &dc); });
}

Point Record(const Cpp_ReinforcementPoint* p) {
    return {p->X(), p->Y(), p->longitudinalForce, p->transverseForce};
}

bool DisplayLongitudinal() { return Options().displayedForce == 0; }

std::string EntryPrompt() {
    return NumberedText("Left-click or Enter key to enter points (%d pts. entered); Shift-Esc = "
                        "undo; Right-click = finish; Esc = cancel.",
                        static_cast<int>(ToolState().points.size()));
}

void EndEntry() {
    Erase(ToolState().band);
    ToolState().entering = false;
    if (CmDialogBarReinforcementTool* bar = Bar()) bar->EnableFinishButton(false);
    SetSavedCursorMode(0);
    SetCursorMode(CursorModeNone);
    ClearPromptBar();
    if (ViewInputHost* view = GetViewWindow()) SetToolPrompt(true, view->EditMode(), {});
}

bool Snap(double& x, double& y) {
    if (Options().snap == 0) return true;
    Cpp_Kliven4DataSet* dataSet = Cpp_Kliven4Data::CurrentDataSet();
    if (!dataSet) return false;
    bool warned = false, snapped = false;
    return dataSet->SlopeGeometry().SnapToSlope(nullptr, Options().snap, x, y, warned,
                                                Options().tolerance, snapped,
                                                PickToleranceInWorld());
}

bool Repeats(double last, double value) {
    return value == last || std::fabs(value - last) < 1e-10 * std::fabs(last);
}

void DrawFeedback(platform::DeviceContext& dc, Cpp_Kliven4DataSet*) {
    const int mode = GetCursorMode();
    switch (mode) {
    case CursorModeAddPointReinforcementLine:
        Cpp_ReinforcementLineList::DrawToolFeedbackA(dc);
        return;
    case CursorModeDragReinforcementPoint: Cpp_ReinforcementLineList::DrawToolFeedbackB(dc); return;
    case CursorModeInsertReinforcementPoint:
        Cpp_ReinforcementLineList::DrawToolFeedbackC(dc);
        return;
    default: break;
    }
    if (ToolState().entering &&
        (mode == CursorModeReinforcementLineEntry ||
         (GetSavedCursorMode() == CursorModeReinforcementLineEntry &&
          (mode == CursorModeNone || mode == CursorModeZoomWindow || mode == CursorModeZoomBox))))
        Cpp_ReinforcementLineList::RepaintEnteredPoints(dc);
}

// The cursor's place with the bar's forces, for the bands of moves and repaints (no message
// for a field without a number there: the click reports it).
Point CursorWithBar(double x, double y) {
    Point p{x, y, 0.0, 0.0};
    if (CmDialogBarReinforcementTool* bar = Bar())
        bar->PeekForces(p.longitudinalForce, p.transverseForce);
    return p;
}

double Step(int delta) { return delta >= 0 ? Options().step : -Options().step; }

// The bar's force changed by one wheel step; the bar's values after it.
Point ChangeBarForce(int delta, bool transverse) {
    CmDialogBarReinforcementTool* bar = Bar();
    Point p{};
    if (!bar || !bar->GetPointData(p.x, p.y, p.longitudinalForce, p.transverseForce)) return p;
    (transverse ? p.transverseForce : p.longitudinalForce) += Step(delta);
    bar->SetForces(p.longitudinalForce, p.transverseForce);
    return p;
}

}  // namespace

void RegisterReinforcementToolDrawing() {
    UnregisterAfterDataDrawing(e_AfterDataStep::ToolFeedback, &DrawFeedback);
    RegisterAfterDataDrawing(e_AfterDataStep::ToolFeedback, &DrawFeedback);
}

bool Cpp_ReinforcementLineList::IsEnteringPoints() { return ToolState().entering; }
const std::vector<s_ReinforcementLinePtType>& Cpp_ReinforcementLineList::EnteredPoints() {
    return ToolState().points;
}

void Cpp_ReinforcementLineList::StartEntryTool() {
    // The options window the first time the tool is used; it asks for the largest force
    // ("Max. force (for scaling)"), so no second box asks for it then.
    const bool optionsShown = !Options().shown;
    if (optionsShown) {
        Options().shown = true;
        EditToolOptions();
    }
    const int units = GetUnitSystem();
    if (!optionsShown && NeedsLargestForce(units) && !(LargestForce() > 0.0)) {
        double value = 1000.0;
        if (!Cpp_Graphics::GetLargestValueForScaling(4, value)) return;
        SetLargestForce(value);
    }
    ComputeForceScale(units);
    Cpp_ReinforcementLineList* lines = CurrentLines();
    CmDialogBarReinforcementTool* bar = Bar();
    if (!lines || !bar) return;
    bar->SetLineNumber(lines->FirstUnusedNumber());
    bar->FocusBarFirstEdit();
}

bool Cpp_ReinforcementLineList::EnterPointsClick(double x, double y, bool typed) {
    CmDialogBarReinforcementTool* bar = Bar();
    if (!bar) return false;
    double bx = 0, by = 0, longitudinal = 0, transverse = 0;
    const bool read = bar->GetPointData(bx, by, longitudinal, transverse);
    if (typed) {
        if (!read) return false;
        x = bx, y = by;
    }
    if (!Snap(x, y)) return false;
    if (!read) longitudinal = transverse = 0.0;
    if (typed)
        bar->FocusBarSecondEdit();
    else
        bar->SetPoint(x, y);
    bar->EnableFinishButton(true);
    ToolState() = s_ToolState{};
    ToolState().entering = true;
    ToolState().points = {{x, y, longitudinal, transverse}};
    ToolState().cursor = ToPixel(x, y);
    ToolState().cursorPoint = {x, y};
    Symbol(ToolState().points.back(), false);
    SetCursorMode(CursorModeReinforcementLineEntry);
    ShowPrompt(EntryPrompt());
    return true;
}

void Cpp_ReinforcementLineList::ToolMouseMove(int px, int py, double x, double y) {
    if (!ToolState().entering) return;
    ToolState().cursor = {px, py};
    ToolState().cursorPoint = {x, y};
    const Point at = CursorWithBar(x, y);
    Show(ToolState().band, ToolState().points.back(), at, DisplayLongitudinal());
    TooltipText(x, y, at.longitudinalForce, at.transverseForce);
}

bool Cpp_ReinforcementLineList::EnterPointsTool(double x, double y, bool typed) {
    CmDialogBarReinforcementTool* bar = Bar();
    if (!ToolState().entering || !bar) return false;
    double bx = 0, by = 0, longitudinal = 0, transverse = 0;
    if (!bar->GetPointData(bx, by, longitudinal, transverse)) return false;
    Erase(ToolState().band);
    if (typed) x = bx, y = by;
    const s_ReinforcementLinePtType last = ToolState().points.back();
    if (Repeats(last.x, x) && Repeats(last.y, y) && longitudinal == last.longitudinalForce &&
        transverse == last.transverseForce)
        return AddLine();
    const s_ReinforcementLinePtType p{x, y, longitudinal, transverse};
    ToolState().points.push_back(p);
    Segment(last, p, false, DisplayLongitudinal());
    Symbol(last, false);
    Symbol(p, false);
    if (!typed) bar->SetPoint(x, y);
    ShowPrompt(EntryPrompt());
    return false;
}

bool Cpp_ReinforcementLineList::AddLine() {
    Cpp_ReinforcementLineList* lines = CurrentLines();
    if (!ToolState().entering || !lines) return false;
    if (ToolState().points.size() < 2) {
        ShowErrorMessage("ERROR",
                         "Not enough points for reinforcement line.  Must enter at least 2 "
                         "points.");
        return false;
    }
    CmDialogBarReinforcementTool* bar = Bar();
    std::vector<s_ReinforcementLinePtType> points = ToolState().points;
    EndEntry();
    s_ReinforcementLinePtType& end = points.back();
    Snap(end.x, end.y);
    int number = 0;
    if (!bar || !bar->GetLineNumber(number) || number < 1) number = lines->FirstUnusedNumber();
    // A number in use is settled before the line is made: no two lines share a number.
    if (!SettleNewLineNumber(*lines, 5, number)) {
        InvalidateViewWindow();
        return false;
    }
    Cpp_ReinforcementLine* line = lines->AddEmptyLine();
    line->SetNumber(number);
    line->SetDescription(NumberedText("Reinforcement Line No. %1d", number));
    line->SetForceOption(Options().forceOption);
    line->SetAngle(Options().maximumRotation);
    for (const s_ReinforcementLinePtType& p : points)
        line->AddPoint(p.x, p.y, p.longitudinalForce, p.transverseForce);
    line->NumberPoints();
    if (bar) {
        bar->SetLineNumber(lines->FirstUnusedNumber());
        bar->FocusBarFirstEdit();
    }
    InvalidateViewWindow();
    return true;
}

void Cpp_ReinforcementLineList::DeleteKeyInTool() {
    if (!ToolState().entering) return;
    Erase(ToolState().band);
    if (ToolState().points.size() < 2) {
        Symbol(ToolState().points.front(), true);
        ToolState().points.clear();
        EndEntry();
        return;
    }
    const s_ReinforcementLinePtType last = ToolState().points.back();
    ToolState().points.pop_back();
    const s_ReinforcementLinePtType& before = ToolState().points.back();
    Segment(before, last, true);
    Symbol(last, true);
    Symbol(before, false);
    Show(ToolState().band, before, {ToolState().cursorPoint.x, ToolState().cursorPoint.y, 0.0, 0.0},
         true);
    ShowPrompt(EntryPrompt());
}

void Cpp_ReinforcementLineList::EscapeInEntryTool() {
    if (CmDialogBarReinforcementTool* bar = Bar()) bar->EnableFinishButton(false);
    if (!ToolState().entering || GetCursorMode() != CursorModeReinforcementLineEntry) return;
    Erase(ToolState().band);
    const std::vector<s_ReinforcementLinePtType> points = ToolState().points;
    for (std::size_t i = 1; i < points.size(); ++i) Segment(points[i - 1], points[i], true);
    for (const s_ReinforcementLinePtType& p : points) Symbol(p, true);
    ToolState().points.clear();
    EndEntry();
}

void Cpp_ReinforcementLineList::SaveToolModeForZoom() {
    if (!ToolState().entering) return;
    Erase(ToolState().band);
}

void Cpp_ReinforcementLineList::RepaintEnteredPoints(platform::DeviceContext& dc) {
    if (!ToolState().entering) return;
    if (GetCursorMode() == CursorModeNone && GetSavedCursorMode() != 0) {
        SetCursorMode(GetSavedCursorMode());
        SetSavedCursorMode(0);
    }
    const std::vector<s_ReinforcementLinePtType>& points = ToolState().points;
    for (std::size_t i = 1; i < points.size(); ++i)
        DrawDiagramSegment(dc, points[i - 1], points[i], true, true, true, false);
    for (const s_ReinforcementLinePtType& p : points) SymbolOn(dc, p, false);
    ToolState().band.shown = false;
    if (GetCursorMode() != CursorModeReinforcementLineEntry) return;
    s_tagTypePointXY at;
    Cpp_Graphics::PixelToWorldPoint(ToolState().cursor.x, ToolState().cursor.y, at.x, at.y);
    if (Cpp_GraphicGrid::SnapOn()) Cpp_GraphicGrid::SnapToGrid(at.x, at.y, true);
    ToolState().cursorPoint = at;
    Redraw(dc, ToolState().band, points.back(), {at.x, at.y, 0.0, 0.0});
}

void Cpp_ReinforcementLineList::WheelChangeForceA(int delta, bool transverse) {
    if (!ToolState().entering) return;
    const Point at = ChangeBarForce(delta, transverse);
    Show(ToolState().band, ToolState().points.back(),
         {ToolState().cursorPoint.x, ToolState().cursorPoint.y, at.longitudinalForce,
          at.transverseForce},
         true);
}

void Cpp_ReinforcementLineList::WheelChangeForceC(int delta, bool transverse) {
    ChangeBarForce(delta, transverse);
}

bool Cpp_ReinforcementLineList::EditToolOptions() {
    s_ReinforcementToolOptions options;
    options.forceApplication = Options().forceOption == 2 ? 1 : 0;
    options.maximumRotation = Options().maximumRotation;
    options.maximumForce = LargestForce();
    options.step = Options().step;
    options.snap = Options().snap;
    options.tolerance = Options().tolerance;
    options.displayedForce = Options().displayedForce;
    if (!ToolOptionDialogsSlot().Get().Reinforcement(options)) return false;
    Options().forceOption = options.forceApplication == 1 ? 2 : 1;
    Options().maximumRotation = options.maximumRotation;
    Options().step = options.step;
    Options().snap = options.snap;
    Options().tolerance = options.tolerance;
    Options().displayedForce = options.displayedForce;
    SetLargestForce(options.maximumForce);
    ComputeForceScale(GetUnitSystem());
    return true;
}

// ---------------------------------------------------------------------------------------------
// Point steps on a selected line

namespace {

// The world point under the remembered cursor pixel, snapped to the snap grid when it is on.
// The last cursor pixel as a world point, on the snap grid when snapping is on or, with
// altForcesSnap (the drag and insert steps), while Alt is held.
s_tagTypePointXY CursorWorld(bool altForcesSnap = false) {
    s_tagTypePointXY at;
    Cpp_Graphics::PixelToWorldPoint(PointStep().cursorPixel.x, PointStep().cursorPixel.y, at.x,
                                    at.y);
    if (Cpp_GraphicGrid::SnapOn() || (altForcesSnap && IsAltDown()))
        Cpp_GraphicGrid::SnapToGrid(at.x, at.y, true);
    return at;
}

// The bands from the point before to p and from p to the point after (either may be absent).
void ShowNeighbourBands(const Point& p) {
    if (PointStep().before)
        Show(PointStep().band1, Record(PointStep().before), p, true);
    else
        Erase(PointStep().band1);
    if (PointStep().after)
        Show(PointStep().band2, p, Record(PointStep().after), true);
    else
        Erase(PointStep().band2);
}
void RepaintNeighbourBands(platform::DeviceContext& dc, const Point& p) {
    PointStep().band1.shown = PointStep().band2.shown = false;
    if (PointStep().before) Redraw(dc, PointStep().band1, Record(PointStep().before), p);
    if (PointStep().after) Redraw(dc, PointStep().band2, p, Record(PointStep().after));
    PointStep().cursor = p;
}

void StartStep(Cpp_ReinforcementLine* line, platform::ColorRef pen) {
    PointStep() = s_PointStep{};
    PointStep().line = line;
    PointStep().band1.pen = PointStep().band2.pen = pen;
}

void EndStep() {
    Erase(PointStep().band1);
    Erase(PointStep().band2);
    PointStep() = s_PointStep{};
    SetCursorMode(CursorModeNone);
    ClearPromptBar();
    ClearToolTip();
    if (ViewInputHost* view = GetViewWindow()) SetToolPrompt(true, view->EditMode(), {});
}

bool Running(int mode) { return PointStep().line && GetCursorMode() == mode; }

bool Contains(const Cpp_ReinforcementLine* line, const Cpp_ReinforcementPoint* point) {
    return line && point && line->ContainsPoint(point);
}

}  // namespace

bool Cpp_ReinforcementLineList::IsPointStepRunning() { return PointStep().line != nullptr; }

bool Cpp_ReinforcementLineList::StartAddPointAtEnd(Cpp_ReinforcementLine* line,
                                                   Cpp_ReinforcementPoint* end) {
    if (!Contains(line, end)) return false;
    const bool first = end == line->FirstReinforcementPoint();
    if (!first && end->NextPoint()) return false;
    StartStep(line, kGreenPen);
    PointStep().point = end;
    PointStep().addBefore = first;
    PointStep().cursor = Record(end);
    Marker(end);
    SetCursorMode(CursorModeAddPointReinforcementLine);
    ShowPrompt("Place cursor at point being inserted and left-click or type coordinates and "
               "press enter key; Escape to cancel");
    return true;
}

void Cpp_ReinforcementLineList::AddPointAtEndMouseMove(int px, int py, double x, double y) {
    if (!Running(CursorModeAddPointReinforcementLine)) return;
    PointStep().cursorPixel = {px, py};
    PointStep().cursor = CursorWithBar(x, y);
    const Point end = Record(PointStep().point);
    if (PointStep().addBefore)
        Show(PointStep().band1, PointStep().cursor, end, true);
    else
        Show(PointStep().band1, end, PointStep().cursor, true);
    TooltipText(x, y, PointStep().cursor.longitudinalForce, PointStep().cursor.transverseForce);
}

bool Cpp_ReinforcementLineList::AddPointAtEnd(double x, double y, bool typed) {
    if (!Running(CursorModeAddPointReinforcementLine)) return false;
    Erase(PointStep().band1);
    Point p{x, y, 0.0, 0.0};
    double bx = 0, by = 0;
    CmDialogBarReinforcementTool* bar = Bar();
    const bool read = bar && bar->GetPointData(bx, by, p.longitudinalForce, p.transverseForce);
    if (!read) p.longitudinalForce = p.transverseForce = 0.0;
    if (typed) {
        if (!read) return false;  // no typed point to take: the step goes on
        p.x = bx, p.y = by;
    }
    Cpp_ReinforcementLine* line = PointStep().line;
    Cpp_ReinforcementPoint* end = PointStep().point;
    Marker(end);
    if (PointStep().addBefore) {
        line->InsertPoint(nullptr, p.x, p.y, p.longitudinalForce, p.transverseForce);
        Segment(p, Record(end), false);
    } else {
        line->InsertPoint(end, p.x, p.y, p.longitudinalForce, p.transverseForce);
        Segment(Record(end), p, false);
    }
    line->NumberPoints();
    Symbol(p, false);
    EndStep();
    return true;
}

void Cpp_ReinforcementLineList::CancelAddPointAtEnd() {
    if (!Running(CursorModeAddPointReinforcementLine)) return;
    Marker(PointStep().point);
    EndStep();
}

void Cpp_ReinforcementLineList::DrawToolFeedbackA(platform::DeviceContext& dc) {
    if (!Running(CursorModeAddPointReinforcementLine)) return;
    const s_tagTypePointXY at = CursorWorld();
    const Point p = CursorWithBar(at.x, at.y);
    const Point end = Record(PointStep().point);
    PointStep().band1.shown = false;
    if (PointStep().addBefore)
        Redraw(dc, PointStep().band1, p, end);
    else
        Redraw(dc, PointStep().band1, end, p);
    PointStep().cursor = p;
}

bool Cpp_ReinforcementLineList::StartInsertPoint(Cpp_ReinforcementLine* line,
                                                 Cpp_ReinforcementPoint* segmentStart) {
    if (!Contains(line, segmentStart) || !segmentStart->NextPoint()) return false;
    Cpp_ReinforcementPoint* next = segmentStart->NextPoint();
    StartStep(line, kGreenPen);
    PointStep().before = segmentStart;
    PointStep().after = next;
    PointStep().cursor = Record(segmentStart);
    if (CmDialogBarReinforcementTool* bar = Bar()) {
        bar->SetEntryOption(4);
        bar->SetForces((segmentStart->longitudinalForce + next->longitudinalForce) / 2.0,
                       (segmentStart->transverseForce + next->transverseForce) / 2.0);
    }
    Marker(segmentStart);
    Marker(next);
    SetCursorMode(CursorModeInsertReinforcementPoint);
    ShowPrompt("Place cursor at point being inserted and left-click.");
    return true;
}

void Cpp_ReinforcementLineList::InsertToolMouseMove(int px, int py, double x, double y) {
    if (!Running(CursorModeInsertReinforcementPoint)) return;
    PointStep().cursorPixel = {px, py};
    PointStep().cursor = CursorWithBar(x, y);
    ShowNeighbourBands(PointStep().cursor);
    TooltipText(x, y, PointStep().cursor.longitudinalForce, PointStep().cursor.transverseForce);
}

bool Cpp_ReinforcementLineList::InsertPointClick(double x, double y, bool typed) {
    if (!Running(CursorModeInsertReinforcementPoint)) return false;
    Cpp_ReinforcementLine* line = PointStep().line;
    Cpp_ReinforcementPoint *a = PointStep().before, *b = PointStep().after;
    Erase(PointStep().band1);
    Erase(PointStep().band2);
    Marker(a);
    Marker(b);
    Point p{x, y, 0.0, 0.0};
    double bx = 0, by = 0;
    CmDialogBarReinforcementTool* bar = Bar();
    const bool read = bar && bar->GetPointData(bx, by, p.longitudinalForce, p.transverseForce);
    // The segment may have changed since the step started: insert only while a still leads to b.
    const bool inserted = read && Contains(line, a) && a->NextPoint() == b;
    if (inserted) {
        if (typed) p.x = bx, p.y = by;
        Segment(Record(a), Record(b), true);
        line->InsertPoint(a, p.x, p.y, p.longitudinalForce, p.transverseForce);
        line->NumberPoints();
        Segment(Record(a), p, false);
        Segment(p, Record(b), false);
        Symbol(Record(a), false);
        Symbol(p, false);
        Symbol(Record(b), false);
    }
    EndStep();
    return inserted;
}

void Cpp_ReinforcementLineList::CancelInsertTool() {
    if (!Running(CursorModeInsertReinforcementPoint)) return;
    Marker(PointStep().before);
    Marker(PointStep().after);
    EndStep();
}

void Cpp_ReinforcementLineList::DrawToolFeedbackC(platform::DeviceContext& dc) {
    if (!Running(CursorModeInsertReinforcementPoint)) return;
    const s_tagTypePointXY at = CursorWorld(true);
    RepaintNeighbourBands(dc, CursorWithBar(at.x, at.y));
}

void Cpp_ReinforcementLineList::WheelChangeForceB(int delta, bool transverse) {
    const Point bar = ChangeBarForce(delta, transverse);
    if (!Running(CursorModeInsertReinforcementPoint)) return;
    PointStep().cursor.longitudinalForce = bar.longitudinalForce;
    PointStep().cursor.transverseForce = bar.transverseForce;
    ShowNeighbourBands(PointStep().cursor);
}

bool Cpp_ReinforcementLineList::StartDragPoint(Cpp_ReinforcementLine* line,
                                               Cpp_ReinforcementPoint* point, int px, int py) {
    if (!Contains(line, point)) return false;
    StartStep(line, kGreyPen);
    PointStep().point = point;
    PointStep().before = line->GetPreviousPoint(point);
    PointStep().after = point->NextPoint();
    PointStep().cursorPixel = {px, py};
    PointStep().cursor = Record(point);
    SetCursorMode(CursorModeDragReinforcementPoint);
    ShowPrompt("\"Drag\" point to new location and left-click.");
    return true;
}

void Cpp_ReinforcementLineList::DragMove(int px, int py, double x, double y) {
    if (!Running(CursorModeDragReinforcementPoint)) return;
    PointStep().cursorPixel = {px, py};
    Point p = Record(PointStep().point);
    p.x = x, p.y = y;
    PointStep().cursor = p;
    ShowNeighbourBands(p);
    TooltipText(x, y, p.longitudinalForce, p.transverseForce);
}

bool Cpp_ReinforcementLineList::DragEnd(bool typed) {
    if (!Running(CursorModeDragReinforcementPoint)) return false;
    double x = PointStep().cursor.x, y = PointStep().cursor.y;
    if (typed) {
        double l = 0, t = 0;
        CmDialogBarReinforcementTool* bar = Bar();
        if (!bar || !bar->GetPointData(x, y, l, t)) return false;
    }
    Erase(PointStep().band1);
    Erase(PointStep().band2);
    Cpp_ReinforcementLine* line = PointStep().line;
    Cpp_ReinforcementPoint* point = PointStep().point;
    const bool moved = (x != point->X() || y != point->Y()) && Contains(line, point) &&
                       MovePointAndRedraw(line, point, x, y);
    EndStep();
    return moved;
}

void Cpp_ReinforcementLineList::CancelDrag() {
    if (!Running(CursorModeDragReinforcementPoint)) return;
    EndStep();
}

void Cpp_ReinforcementLineList::DrawToolFeedbackB(platform::DeviceContext& dc) {
    if (!Running(CursorModeDragReinforcementPoint)) return;
    const s_tagTypePointXY at = CursorWorld(true);
    Point p = Record(PointStep().point);
    p.x = at.x, p.y = at.y;
    RepaintNeighbourBands(dc, p);
}

// ---------------------------------------------------------------------------------------------
// Single-point edits

bool Cpp_ReinforcementLineList::MovePointAndRedraw(Cpp_ReinforcementLine* line,
                                                   Cpp_ReinforcementPoint* point, double x,
                                                   double y) {
    if (!point) return false;
    Cpp_ReinforcementPoint* before = line ? line->GetPreviousPoint(point) : PointStep().before;
    Cpp_ReinforcementPoint* after = point->NextPoint();
    Symbol(Record(point), true);
    if (before) Segment(Record(before), Record(point), true);
    if (after) Segment(Record(point), Record(after), true);
    point->Set(x, y);
    if (before) Segment(Record(before), Record(point), false);
    if (after) Segment(Record(point), Record(after), false);
    Symbol(Record(point), false);
    return true;
}

bool Cpp_ReinforcementLineList::AssignPointValues(Cpp_ReinforcementLine* line,
                                                  Cpp_ReinforcementPoint* point, bool& changed) {
    changed = false;
    CmDialogBarReinforcementTool* bar = Bar();
    int number = 0;
    double x = 0, y = 0, longitudinal = 0, transverse = 0;
    if (!Contains(line, point) || !bar || !bar->GetLineNumber(number) ||
        !bar->GetPointData(x, y, longitudinal, transverse))
        return false;
    if (number != line->GetNumber()) {
        line->SetNumber(number);
        changed = true;
    }
    if (longitudinal == point->longitudinalForce && transverse == point->transverseForce) {
        if (x != point->X() || y != point->Y()) {
            MovePointAndRedraw(line, point, x, y);
            changed = true;
        }
        return false;
    }
    point->Set(x, y);
    point->longitudinalForce = longitudinal;
    point->transverseForce = transverse;
    changed = true;
    return true;
}

bool Cpp_ReinforcementLineList::WheelChangeSelectedForce(Cpp_ReinforcementLine* line,
                                                         Cpp_ReinforcementPoint* point, int delta,
                                                         bool transverse) {
    if (!Contains(line, point)) return false;
    const bool longitudinal = !transverse;
    Cpp_ReinforcementPoint* before = line->GetPreviousPoint(point);
    Cpp_ReinforcementPoint* after = point->NextPoint();
    if (before) Segment(Record(before), Record(point), true, longitudinal);
    if (after) Segment(Record(point), Record(after), true, longitudinal);
    (transverse ? point->transverseForce : point->longitudinalForce) += Step(delta);
    if (CmDialogBarReinforcementTool* bar = Bar())
        bar->SetForces(point->longitudinalForce, point->transverseForce);
    if (before) Segment(Record(before), Record(point), false, longitudinal);
    if (after) Segment(Record(point), Record(after), false, longitudinal);
    Symbol(Record(point), false);
    return true;
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
    {36,
     36,
     "Reinforcement line entry",
     {R(ReinforcementClick), R(ReinforcementMove), R(ReinforcementEnter), R(ReinforcementEscape),
      R(ReinforcementBackspace), R(ReinforcementFinish)}},
    {85,
     85,
     "Add Point at End",
     {R(ReinforcementAddEndClick), R(ReinforcementAddEndMove), R(ReinforcementAddEndEnter),
      R(ReinforcementAddEndEscape), R(ReinforcementAddEndEscape), H}},
    {95,
     95,
     "Move (\"Drag\") Item",
     {R(ReinforcementDragDrop), R(ReinforcementDragMove), R(ReinforcementDragEnter),
      R(ReinforcementDragEscape), R(ReinforcementDragEscape), H}},
    {116,
     116,
     "Insert Point",
     {R(ReinforcementInsertClick), R(ReinforcementInsertMove), R(ReinforcementInsertEnter),
      R(ReinforcementInsertEscape), R(ReinforcementInsertEscape), H}},
    {135,
     135,
     "Split Line",
     {R(ReinforcementSplitClick), N, R(ReinforcementSplitClick), R(ReinforcementSplitEscape), H,
      H}},
};

}  // namespace

ReinforcementTool::ReinforcementTool()
    : Tool(EditModeReinforcement, EditModeReinforcement, "Reinforcement"),
      state(std::make_unique<s_State>()) {}
ReinforcementTool::~ReinforcementTool() = default;

s_ToolInputs ReinforcementTool::Inputs(int) const {
    return {R(ReinforcementFirstClick), R(ReinforcementFirstEnter), R(ReinforcementIdleMove),
            R(ShowViewMenu)};
}

std::span<const s_CursorModeRow> ReinforcementTool::Steps() const { return kSteps; }

void ReinforcementTool::Reset(ToolContext& context) {
    // A reinforcement line being entered is dropped.
    if (Cpp_ReinforcementLineList::IsEnteringPoints()) {
        Cpp_ReinforcementLineList::EscapeInEntryTool();
        InvalidateViewWindow();
    }
    // So is a point step on a selected line; the options stay.
    const bool stepping = state->step.line != nullptr;
    state->step = s_PointStep{};
    if (!stepping) return;
    ClearPromptBar();
    if (context.View()) context.View()->InvalidateView();
}

std::optional<bool> ReinforcementTool::Wheel(ToolContext& context, int cursorMode, int delta,
                                             bool shift, bool) {
    switch (cursorMode) {
    case CursorModeNone: Cpp_ReinforcementLineList::WheelChangeForceC(delta, shift); return true;
    case CursorModeReinforcementLineEntry:
        if (!context.View() || !context.View()->WheelEditingOn()) return std::nullopt;
        Cpp_ReinforcementLineList::WheelChangeForceA(delta, shift);
        return true;
    case CursorModeInsertReinforcementPoint:
        if (!context.View() || !context.View()->WheelEditingOn()) return std::nullopt;
        Cpp_ReinforcementLineList::WheelChangeForceB(delta, shift);
        return true;
    default: return std::nullopt;
    }
}

std::optional<bool> ReinforcementTool::Delete(ToolContext&, int cursorMode) {
    if (cursorMode != CursorModeReinforcementLineEntry) return std::nullopt;
    Cpp_ReinforcementLineList::DeleteKeyInTool();
    return true;
}

void ReinforcementTool::RegisterDrawing() const { RegisterReinforcementToolDrawing(); }

void ReinforcementTool::Prompt(const s_ToolPrompt& prompt) const {
    SetStatusTextFromId(prompt.view, 1320);
}

int ReinforcementTool::Bar(int) const { return BarReinforcement; }

void ReinforcementTool::Chosen(ToolContext& context, int editMode) {
    Cpp_ReinforcementLineList::StartEntryTool();
    ShowToolPrompt(context, editMode);
}
