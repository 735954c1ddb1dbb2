#include "editing/noncircular_tool.h"

#include "analysis/analysis_computation_data.h"
#include "analysis/analysis_drawing_attributes.h"
#include "core/cursor_mode.h"
#include "core/message_boxes.h"
#include "editing/cursor_modes.h"
#include "editing/edit_modes.h"
#include "editing/line_entry_tool.h"
#include "editing/selection_list.h"
#include "editing/tool_dialog_bars.h"
#include "editing/view_navigation.h"
#include "graphics/graphics.h"
#include "graphics/line_drawing.h"
#include "graphics/point_symbols.h"
#include "graphics/prompts.h"
#include "model/program_state.h"
#include "profile/slope_geometry.h"
#include "registry/view_preparations.h"

#include <algorithm>
#include <cmath>

namespace {

CmDialogBarNoncircularTool& Bar() { return TheToolBars().noncircular; }

struct s_NoncircularEntry {
    bool active = false;
    std::vector<Cpp_NoncircularShearSurfacePoint> points;
    s_PixelPoint last, cursor;
};
s_NoncircularEntry g_entry;

s_PixelPoint ToPixel(double x, double y) {
    return {Cpp_Graphics::XToPixel(x), Cpp_Graphics::YToPixel(y)};
}

template <typename Draw>
void OnView(Draw&& draw) {
    if (ViewInputHost* view = GetViewWindow()) view->DrawOverlay(view->ClientRect(), draw);
}

void BandOn(platform::DeviceContext& dc) {
    const s_PixelPoint a = g_entry.last, b = g_entry.cursor;
    if (a.x == b.x && a.y == b.y) return;
    const platform::Pen old =
        dc.SetPen(platform::Pen{platform::PenStyle::Solid, 1, kEntryBandColor});
    const platform::RasterOp oldOp = dc.SetRop2(platform::RasterOp::XorPen);
    dc.MoveTo(a.x, a.y);
    dc.LineTo(b.x, b.y);
    dc.SetRop2(oldOp);
    dc.SetPen(old);
}
void Band() {
    if (g_entry.active) OnView(BandOn);
}

// A segment with the slip-surface line and its end symbol.
void SegmentOn(platform::DeviceContext& dc, s_PixelPoint a, s_PixelPoint b) {
    const s_LinePenType& look = analysis_look::SlipSurfaceLinePen();
    const platform::Pen old = dc.SetPen(platform::Pen{
        platform::PenStyle::Solid, look.width.DeviceWidth(dc), look.colour.RGBColor()});
    dc.MoveTo(a.x, a.y);
    dc.LineTo(b.x, b.y);
    dc.SetPen(old);
}
void SymbolOn(platform::DeviceContext& dc, const Cpp_NoncircularShearSurfacePoint& p) {
    if (!SetupPointPens(dc, analysis_look::SlipSurfacePointSymbol())) return;
    DrawSymbol(dc, p.X(), p.Y());
    DeletePointPens();
}

// Snaps a point to the slope line with the tool's snap option and tolerance.
bool SnapPoint(const Cpp_SlopeGeometry& slope, double& x, double& y, bool& snapped) {
    bool warned = false;
    return slope.SnapToSlope(nullptr, Cpp_AnalysisComputationData::NoncircularToolSnapOption(),
                             x, y, warned, Cpp_AnalysisComputationData::NoncircularToolSnapTolerance(),
                             snapped, PickToleranceInWorld());
}

bool Repeats(double last, double value) {
    return value == last || std::fabs(last - value) < std::fabs(last) * 1e-10;
}

bool LeftToRight(const std::vector<Cpp_NoncircularShearSurfacePoint>& points) {
    for (std::size_t i = 1; i < points.size(); ++i)
        if (!(points[i].X() > points[i - 1].X())) return false;
    return true;
}

void EndEntry() {
    Band();
    g_entry.active = false;
    SetCursorMode(CursorModeNone);
    ClearPromptBar();
}

void DrawFeedback(platform::DeviceContext& dc, Cpp_Kliven4DataSet*) {
    Cpp_NoncircularTool::Repaint(dc);
}

const bool g_resetAdded = (AddProgramStateReset(&Cpp_NoncircularTool::Reset), true);

}  // namespace

void Cpp_NoncircularTool::NoncircularToolUpdateBar(Cpp_AnalysisComputationData& analysis) {
    auto& shown = Cpp_AnalysisComputationData::ToolFlags();
    if (!shown[2]) {
        analysis.EditNoncircularToolOptions();
        shown[2] = true;
    }
    if (analysis.GetMode() != Cpp_AnalysisComputationData::kIndividual &&
        analysis.GetMode() != Cpp_AnalysisComputationData::kSearchType1)
        analysis.SetMode(Cpp_AnalysisComputationData::kSearchType1);
    Bar().SetPointData(analysis.GetMode(), 0.0, 0.0, true, true, 0.0);
    Bar().FocusXEdit();
}

bool Cpp_NoncircularTool::SetNoncircularToolEditMode(Cpp_AnalysisComputationData& analysis) {
    if (analysis.IsCircular()) return false;
    analysis.SetMode(Bar().GetMode());
    return true;
}

bool Cpp_NoncircularTool::StartNoncircularEntry(int px, int py, double x, double y, bool fromBar,
                                                const Cpp_SlopeGeometry& slope) {
    CmDialogBarNoncircularTool& bar = Bar();
    double bx = 0, by = 0, angle = 0;
    bool moveable = true, computed = true;
    if (!bar.GetPointData(bx, by, moveable, computed, angle)) return false;
    if (fromBar) {
        x = bx;
        y = by;
    }
    bool snapped = false;
    if (!SnapPoint(slope, x, y, snapped)) return false;
    if (fromBar || snapped) {
        px = Cpp_Graphics::XToPixel(x);
        py = Cpp_Graphics::YToPixel(y);
        bar.FocusXEdit();
    }
    g_entry = s_NoncircularEntry{};
    g_entry.points.emplace_back(1, x, y, angle, moveable, computed);
    if (!fromBar) bar.SetPoint(x, y);
    g_entry.active = true;
    g_entry.last = g_entry.cursor = {px, py};
    OnView([](platform::DeviceContext& dc) { SymbolOn(dc, g_entry.points.back()); });
    SetStatusTextFromId(true, 1356);
    ShowPromptResource(1356);
    SetCursorMode(CursorModeNoncircularEntry);
    return true;
}

bool Cpp_NoncircularTool::NoncircularToolNextPoint(Cpp_AnalysisComputationData& analysis, int px,
                                                   int py, double x, double y, bool fromBar,
                                                   const Cpp_SlopeGeometry& slope, bool& stored) {
    stored = false;
    if (!g_entry.active) return true;
    CmDialogBarNoncircularTool& bar = Bar();
    double bx = 0, by = 0, angle = 0;
    bool moveable = true, computed = true;
    if (!bar.GetPointData(bx, by, moveable, computed, angle)) return true;
    if (fromBar) {
        x = bx;
        y = by;
        px = Cpp_Graphics::XToPixel(x);
        py = Cpp_Graphics::YToPixel(y);
        bar.FocusXEdit();
    }
    const Cpp_NoncircularShearSurfacePoint& last = g_entry.points.back();
    if (Repeats(last.X(), x) && Repeats(last.Y(), y)) {
        stored = FinishNoncircularEntry(analysis, slope);
        return true;
    }
    g_entry.points.emplace_back(static_cast<int>(g_entry.points.size()) + 1, x, y, angle,
                                moveable, computed);
    if (!fromBar) bar.SetPoint(x, y);
    Band();
    const s_PixelPoint from = g_entry.last, to{px, py};
    OnView([&](platform::DeviceContext& dc) {
        SegmentOn(dc, from, to);
        SymbolOn(dc, g_entry.points.back());
    });
    g_entry.last = g_entry.cursor = to;
    return true;
}

void Cpp_NoncircularTool::NoncircularEntryMouseMove(int px, int py, double x, double y) {
    if (!g_entry.active) return;
    Band();
    g_entry.cursor = {px, py};
    Band();
    SetCoordinateToolTip(x, y);
}

bool Cpp_NoncircularTool::FinishNoncircularEntry(Cpp_AnalysisComputationData& analysis,
                                                 const Cpp_SlopeGeometry& slope) {
    if (!g_entry.active) return false;
    EndEntry();
    std::vector<Cpp_NoncircularShearSurfacePoint> points = std::move(g_entry.points);
    g_entry.points.clear();
    if (points.size() < 2) {
        ShowErrorMessage("ERROR", "Not enough points to define noncircular slip surface.");
        return false;
    }
    double x = points.back().X(), y = points.back().Y();
    bool snapped = false;
    if (SnapPoint(slope, x, y, snapped) && snapped) points.back().SetXY(x, y);
    if (!LeftToRight(points)) {
        if (!AskYesNoOnMainWindow("Notice",
                                  "Points on noncircular slip surface are not ordered in "
                                  "left-to-right sequence.  Do you want to reverse the order of "
                                  "the points?"))
            return false;
        std::reverse(points.begin(), points.end());
        if (!LeftToRight(points)) {
            ShowErrorMessage("ERROR",
                             "Cannot reverse order of points and obtain left-to-right sequence");
            return false;
        }
    }
    if (analysis.IsCircular()) analysis.SetCircular(false);
    analysis.SetDataDefined(true);
    Cpp_NoncircularShearSurface& surface = analysis.GetNoncircularPointList();
    surface.DeleteAllPoints();
    for (const Cpp_NoncircularShearSurfacePoint& p : points)
        surface.AddPoint(p.X(), p.Y(), p.GetShiftAngleDegrees(), p.IsMoveable(),
                         p.IsShiftDirectionComputed());
    return true;
}

void Cpp_NoncircularTool::CancelNoncircularEntry() {
    if (!g_entry.active) return;
    EndEntry();
    g_entry.points.clear();
    SetToolPrompt(true, EditModeNoncircular, {});
    if (ViewInputHost* view = GetViewWindow()) view->InvalidateView();
}

bool Cpp_NoncircularTool::IsEntering() { return g_entry.active; }

const std::vector<Cpp_NoncircularShearSurfacePoint>& Cpp_NoncircularTool::EnteredPoints() {
    return g_entry.points;
}

void Cpp_NoncircularTool::Repaint(platform::DeviceContext& dc) {
    if (!g_entry.active || g_entry.points.empty()) return;
    s_PixelPoint previous = ToPixel(g_entry.points[0].X(), g_entry.points[0].Y());
    SymbolOn(dc, g_entry.points[0]);
    for (std::size_t i = 1; i < g_entry.points.size(); ++i) {
        const s_PixelPoint p = ToPixel(g_entry.points[i].X(), g_entry.points[i].Y());
        SegmentOn(dc, previous, p);
        SymbolOn(dc, g_entry.points[i]);
        previous = p;
    }
    g_entry.last = previous;
    BandOn(dc);
}

void Cpp_NoncircularTool::RegisterDrawing() {
    RegisterAfterDataDrawing(e_AfterDataStep::ToolFeedback, &DrawFeedback);
}

void Cpp_NoncircularTool::Reset() { g_entry = s_NoncircularEntry{}; }
