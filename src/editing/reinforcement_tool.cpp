// The reinforcement-line entry tool: points clicked or typed in the reinforcement bar with the
// bar's two forces at each, a grey XOR band from the last point to the cursor, finished by a
// right click, the bar's "Finish Line" or the last point again with unchanged forces; the line
// takes the bar's number (a number in use is settled in the duplicate-number window), the tool
// options' force option and rotation, and the entered forces.

#include "loads/reinforcement_line.h"

#include "core/cursor_mode.h"
#include "core/message_boxes.h"
#include "core/tool_option_dialogs.h"
#include "core/units.h"
#include "editing/cursor_modes.h"
#include "editing/line_entry_tool.h"
#include "editing/reinforcement_tool.h"
#include "editing/selection_list.h"
#include "editing/tool_dialog_bars.h"
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
#include <cmath>
#include <vector>

namespace {

using namespace view_overlay;

constexpr platform::ColorRef kGreyPen = platform::MakeRgb(160, 160, 160);

struct s_ToolState {
    bool entering = false;
    std::vector<s_ReinforcementLinePtType> points;
    bool bandShown = false;
    s_PixelPoint bandStart, bandEnd;
    s_PixelPoint cursor;
};
s_ToolState g_tool;

struct s_Options {
    double maximumRotation = 0.0;
    int forceOption = 1;
    double step = 1.0;
    int snap = 0;
    double tolerance = 1.0;
    int displayedForce = 0;
};
s_Options g_options;

void ResetTool() {
    g_tool = s_ToolState{};
    g_options = s_Options{};
}
const bool g_resetAdded = (AddProgramStateReset(&ResetTool), true);

CmDialogBarReinforcementTool* Bar() { return ActiveReinforcementBar(); }
Cpp_ReinforcementLineList* CurrentLines() {
    Cpp_Kliven4DataSet* dataSet = Cpp_Kliven4Data::CurrentDataSet();
    return dataSet ? dataSet->ReinforcementLines() : nullptr;
}


void BandOn(platform::DeviceContext& dc) {
    const platform::Pen old = dc.SetPen(platform::Pen{platform::PenStyle::Solid, 1, kGreyPen});
    const platform::RasterOp oldOp = dc.SetRop2(platform::RasterOp::XorPen);
    dc.MoveTo(g_tool.bandStart.x, g_tool.bandStart.y);
    dc.LineTo(g_tool.bandEnd.x, g_tool.bandEnd.y);
    dc.SetRop2(oldOp);
    dc.SetPen(old);
}
void ToggleBand() {
    OnView(Around(g_tool.bandStart, g_tool.bandEnd), BandOn);
    g_tool.bandShown = !g_tool.bandShown;
}
void EraseBand() {
    if (g_tool.bandShown) ToggleBand();
}

s_DrawAttributesType Look() {
    s_DrawAttributesType a;
    Cpp_ReinforcementLineList::GetDisplayAttributes(a);
    return a;
}
void SegmentOn(platform::DeviceContext& dc, const s_ReinforcementLinePtType& a,
               const s_ReinforcementLinePtType& b, bool erase) {
    const s_DrawAttributesType look = Look();
    const platform::ColorRef colour = erase ? dc.GetBkColor() : look.lineColour.RGBColor();
    const platform::Pen old = dc.SetPen(
        platform::Pen{platform::PenStyle::Solid, look.lineWidth.DeviceWidth(dc), colour});
    const s_PixelPoint p = ToPixel(a.x, a.y), q = ToPixel(b.x, b.y);
    dc.MoveTo(p.x, p.y);
    dc.LineTo(q.x, q.y);
    dc.SetPen(old);
}
void SymbolOn(platform::DeviceContext& dc, const s_ReinforcementLinePtType& p, bool erase) {
    const s_DrawAttributesType a = Look();
    if (erase)
        EraseSymbol(dc, p.x, p.y, a.pointPenWidth, a.markerSize, a.symbolStyle);
    else
        DrawWithAttributes(dc, p.x, p.y, a.pointPenWidth, a.pointColour, a.markerSize,
                           a.symbolStyle);
}
void Segment(const s_ReinforcementLinePtType& a, const s_ReinforcementLinePtType& b, bool erase) {
    OnView(Around(ToPixel(a.x, a.y), ToPixel(b.x, b.y)),
           [&](platform::DeviceContext& dc) { SegmentOn(dc, a, b, erase); });
}
void Symbol(const s_ReinforcementLinePtType& p, bool erase) {
    const s_PixelPoint at = ToPixel(p.x, p.y);
    OnView(Around(at, at), [&](platform::DeviceContext& dc) { SymbolOn(dc, p, erase); });
}

std::string EntryPrompt() {
    return NumberedText("Left-click or Enter key to enter points (%d pts. entered); Shift-Esc = "
                        "undo; Right-click = finish; Esc = cancel.",
                        static_cast<int>(g_tool.points.size()));
}

void EndEntry() {
    EraseBand();
    g_tool.entering = false;
    if (CmDialogBarReinforcementTool* bar = Bar()) bar->EnableFinishButton(false);
    SetSavedCursorMode(0);
    SetCursorMode(CursorModeNone);
    ClearPromptBar();
    if (ViewInputHost* view = GetViewWindow()) SetToolPrompt(true, view->EditMode(), {});
}

bool Snap(double& x, double& y) {
    if (g_options.snap == 0) return true;
    Cpp_Kliven4DataSet* dataSet = Cpp_Kliven4Data::CurrentDataSet();
    if (!dataSet) return false;
    bool warned = false, snapped = false;
    return dataSet->SlopeGeometry().SnapToSlope(nullptr, g_options.snap, x, y, warned,
                                                g_options.tolerance, snapped,
                                                PickToleranceInWorld());
}

bool Repeats(double last, double value) {
    return value == last || std::fabs(value - last) < 1e-10 * std::fabs(last);
}

void DrawFeedback(platform::DeviceContext& dc, Cpp_Kliven4DataSet*) {
    const int mode = GetCursorMode();
    if (g_tool.entering &&
        (mode == CursorModeReinforcementLineEntry ||
         (GetSavedCursorMode() == CursorModeReinforcementLineEntry &&
          (mode == CursorModeNone || mode == CursorModeZoomWindow || mode == CursorModeZoomBox))))
        Cpp_ReinforcementLineList::RepaintEnteredPoints(dc);
}

void ChangeBarForce(int delta, bool transverse) {
    CmDialogBarReinforcementTool* bar = Bar();
    double x = 0, y = 0, longitudinal = 0, trans = 0;
    if (!bar || !bar->GetPointData(x, y, longitudinal, trans)) return;
    (transverse ? trans : longitudinal) += delta >= 0 ? g_options.step : -g_options.step;
    bar->SetForces(longitudinal, trans);
}

}  // namespace

void RegisterReinforcementToolDrawing() {
    UnregisterAfterDataDrawing(e_AfterDataStep::ToolFeedback, &DrawFeedback);
    RegisterAfterDataDrawing(e_AfterDataStep::ToolFeedback, &DrawFeedback);
}

bool Cpp_ReinforcementLineList::IsEnteringPoints() { return g_tool.entering; }
const std::vector<s_ReinforcementLinePtType>& Cpp_ReinforcementLineList::EnteredPoints() {
    return g_tool.points;
}

void Cpp_ReinforcementLineList::StartEntryTool() {
    const int units = GetUnitSystem();
    if (NeedsLargestForce(units) && !(LargestForce() > 0.0)) {
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
    g_tool = s_ToolState{};
    g_tool.entering = true;
    g_tool.points = {{x, y, longitudinal, transverse}};
    g_tool.bandStart = g_tool.bandEnd = g_tool.cursor = ToPixel(x, y);
    Symbol(g_tool.points.back(), false);
    SetCursorMode(CursorModeReinforcementLineEntry);
    ShowPrompt(EntryPrompt());
    return true;
}

void Cpp_ReinforcementLineList::ToolMouseMove(int px, int py, double x, double y) {
    if (!g_tool.entering) return;
    EraseBand();
    g_tool.cursor = g_tool.bandEnd = {px, py};
    const s_ReinforcementLinePtType& last = g_tool.points.back();
    g_tool.bandStart = ToPixel(last.x, last.y);
    ToggleBand();
    double bx = 0, by = 0, longitudinal = 0, transverse = 0;
    if (CmDialogBarReinforcementTool* bar = Bar())
        bar->GetPointData(bx, by, longitudinal, transverse);
    TooltipText(x, y, longitudinal, transverse);
}

bool Cpp_ReinforcementLineList::EnterPointsTool(double x, double y, bool typed) {
    CmDialogBarReinforcementTool* bar = Bar();
    if (!g_tool.entering || !bar) return false;
    double bx = 0, by = 0, longitudinal = 0, transverse = 0;
    if (!bar->GetPointData(bx, by, longitudinal, transverse)) return false;
    EraseBand();
    if (typed) x = bx, y = by;
    const s_ReinforcementLinePtType last = g_tool.points.back();
    if (Repeats(last.x, x) && Repeats(last.y, y) && longitudinal == last.longitudinalForce &&
        transverse == last.transverseForce)
        return AddLine();
    const s_ReinforcementLinePtType p{x, y, longitudinal, transverse};
    g_tool.points.push_back(p);
    Segment(last, p, false);
    Symbol(last, false);
    Symbol(p, false);
    g_tool.bandStart = g_tool.bandEnd = ToPixel(x, y);
    if (!typed) bar->SetPoint(x, y);
    ShowPrompt(EntryPrompt());
    return false;
}

bool Cpp_ReinforcementLineList::AddLine() {
    Cpp_ReinforcementLineList* lines = CurrentLines();
    if (!g_tool.entering || !lines) return false;
    if (g_tool.points.size() < 2) {
        ShowErrorMessage("ERROR",
                         "Not enough points for reinforcement line.  Must enter at least 2 "
                         "points.");
        return false;
    }
    CmDialogBarReinforcementTool* bar = Bar();
    std::vector<s_ReinforcementLinePtType> points = g_tool.points;
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
    line->SetForceOption(g_options.forceOption);
    line->SetAngle(g_options.maximumRotation);
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
    if (!g_tool.entering) return;
    EraseBand();
    if (g_tool.points.size() < 2) {
        Symbol(g_tool.points.front(), true);
        g_tool.points.clear();
        EndEntry();
        return;
    }
    const s_ReinforcementLinePtType last = g_tool.points.back();
    g_tool.points.pop_back();
    const s_ReinforcementLinePtType& before = g_tool.points.back();
    Segment(before, last, true);
    Symbol(last, true);
    Symbol(before, false);
    g_tool.bandStart = ToPixel(before.x, before.y);
    ToggleBand();
    ShowPrompt(EntryPrompt());
}

void Cpp_ReinforcementLineList::EscapeInEntryTool() {
    if (CmDialogBarReinforcementTool* bar = Bar()) bar->EnableFinishButton(false);
    if (!g_tool.entering || GetCursorMode() != CursorModeReinforcementLineEntry) return;
    EraseBand();
    const std::vector<s_ReinforcementLinePtType> points = g_tool.points;
    for (std::size_t i = 1; i < points.size(); ++i) Segment(points[i - 1], points[i], true);
    for (const s_ReinforcementLinePtType& p : points) Symbol(p, true);
    g_tool.points.clear();
    EndEntry();
}

void Cpp_ReinforcementLineList::SaveToolModeForZoom() {
    if (!g_tool.entering) return;
    EraseBand();
}

void Cpp_ReinforcementLineList::RepaintEnteredPoints(platform::DeviceContext& dc) {
    if (!g_tool.entering) return;
    if (GetCursorMode() == CursorModeNone && GetSavedCursorMode() != 0) {
        SetCursorMode(GetSavedCursorMode());
        SetSavedCursorMode(0);
    }
    const std::vector<s_ReinforcementLinePtType>& points = g_tool.points;
    for (std::size_t i = 1; i < points.size(); ++i) SegmentOn(dc, points[i - 1], points[i], false);
    for (const s_ReinforcementLinePtType& p : points) SymbolOn(dc, p, false);
    g_tool.bandShown = false;
    if (GetCursorMode() != CursorModeReinforcementLineEntry) return;
    s_tagTypePointXY at;
    Cpp_Graphics::PixelToWorldPoint(g_tool.cursor.x, g_tool.cursor.y, at.x, at.y);
    if (Cpp_GraphicGrid::SnapOn()) Cpp_GraphicGrid::SnapToGrid(at.x, at.y, true);
    g_tool.bandStart = ToPixel(points.back().x, points.back().y);
    g_tool.bandEnd = ToPixel(at.x, at.y);
    BandOn(dc);
    g_tool.bandShown = true;
}

void Cpp_ReinforcementLineList::WheelChangeForceA(int delta, bool transverse) {
    if (!g_tool.entering) return;
    ChangeBarForce(delta, transverse);
}

void Cpp_ReinforcementLineList::WheelChangeForceC(int delta, bool transverse) {
    ChangeBarForce(delta, transverse);
}

bool Cpp_ReinforcementLineList::EditToolOptions() {
    s_ReinforcementToolOptions options;
    options.forceApplication = g_options.forceOption == 2 ? 1 : 0;
    options.maximumRotation = g_options.maximumRotation;
    options.maximumForce = LargestForce();
    options.step = g_options.step;
    options.snap = g_options.snap;
    options.tolerance = g_options.tolerance;
    options.displayedForce = g_options.displayedForce;
    if (!ToolOptionDialogsSlot().Get().Reinforcement(options)) return false;
    g_options.forceOption = options.forceApplication == 1 ? 2 : 1;
    g_options.maximumRotation = options.maximumRotation;
    g_options.step = options.step;
    g_options.snap = options.snap;
    g_options.tolerance = options.tolerance;
    g_options.displayedForce = options.displayedForce;
    SetLargestForce(options.maximumForce);
    ComputeForceScale(GetUnitSystem());
    return true;
}
