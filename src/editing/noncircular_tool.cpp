#include "editing/noncircular_tool.h"
#include "editing/two_step_edits.h"
#include "editing/view_load_steps.h"
#include "editing/view_slip_surface_steps.h"
#include "editing/view_tool_steps.h"
#include "model/data_set.h"

#include "analysis/analysis_computation_data.h"
#include "analysis/analysis_drawing.h"
#include "analysis/analysis_drawing_attributes.h"
#include "core/cursor_mode.h"
#include "core/message_boxes.h"
#include "editing/cursor_modes.h"
#include "editing/edit_modes.h"
#include "editing/line_entry_tool.h"
#include "editing/line_point_tools.h"
#include "editing/selection_list.h"
#include "editing/tool_dialog_bars.h"
#include "editing/tool_table.h"
#include "editing/view_navigation.h"
#include "editing/working_line.h"
#include "graphics/graphics.h"
#include "graphics/line.h"
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

// The tool's state, held by the tool object of the table.
NoncircularTool& Self() {
    return static_cast<NoncircularTool&>(*ToolForEditMode(EditModeNoncircular));
}
NoncircularTool::s_Entry& Entry() { return Self().entry; }

s_PixelPoint ToPixel(double x, double y) {
    return {Cpp_Graphics::XToPixel(x), Cpp_Graphics::YToPixel(y)};
}

template <typename Draw>
void OnView(Draw&& draw) {
    if (ViewInputHost* view = GetViewWindow()) view->DrawOverlay(view->ClientRect(), draw);
}

void BandOn(platform::DeviceContext& dc) {
    const s_PixelPoint a = Entry().last, b = Entry().cursor;
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
    if (Entry().active) OnView(BandOn);
}

// A segment with the slip-surface line (erase: in the background colour).
void SegmentOn(platform::DeviceContext& dc, s_PixelPoint a, s_PixelPoint b, bool erase = false) {
    const s_LinePenType& look = analysis_look::SlipSurfaceLinePen();
    const platform::Pen old =
        dc.SetPen(platform::Pen{platform::PenStyle::Solid, look.width.DeviceWidth(dc),
                                erase ? dc.GetBkColor() : look.colour.RGBColor()});
    dc.MoveTo(a.x, a.y);
    dc.LineTo(b.x, b.y);
    dc.SetPen(old);
}
void SymbolOn(platform::DeviceContext& dc, const Cpp_NoncircularShearSurfacePoint& p,
              bool erase = false) {
    s_SymbolAttributesType look = analysis_look::SlipSurfacePointSymbol();
    if (erase) look.colour = s_ColorType::FromRGB(dc.GetBkColor());
    if (!SetupPointPens(dc, look)) return;
    DrawSymbol(dc, p.X(), p.Y());
    DeletePointPens();
}

// Shift markers of the entry in a search: every point between two others, and an end point
// that is fixed or has its direction given (a computed direction waits for the next point).
bool MarkerShown(const std::vector<Cpp_NoncircularShearSurfacePoint>& points, std::size_t i) {
    const bool inner = i > 0 && i + 1 < points.size();
    return inner || !points[i].IsMoveable() || !points[i].IsShiftDirectionComputed();
}
bool Search() { return Bar().GetMode() == Cpp_AnalysisComputationData::kSearchType1; }
void MarkerOn(platform::DeviceContext& dc,
              const std::vector<Cpp_NoncircularShearSurfacePoint>& points, std::size_t i,
              bool erase = false) {
    Cpp_NoncircularShearSurface surface;
    surface.Points() = points;
    Cpp_ScopedGraphicsDC current(dc, Cpp_Graphics::kOutputScreen);
    DrawShiftMarker(surface, static_cast<int>(i), analysis_look::SearchPointWidth(),
                    analysis_look::SearchPointColour(), !erase);
}

// Snaps a point to the slope line with the tool's snap option and tolerance.
bool SnapPoint(const Cpp_SlopeGeometry& slope, double& x, double& y, bool& snapped) {
    bool warned = false;
    return slope.SnapToSlope(nullptr, Cpp_AnalysisComputationData::NoncircularToolSnapOption(), x,
                             y, warned, Cpp_AnalysisComputationData::NoncircularToolSnapTolerance(),
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
    Entry().active = false;
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
    Entry() = NoncircularTool::s_Entry{};
    Entry().points.emplace_back(1, x, y, angle, moveable, computed);
    if (!fromBar) bar.SetPoint(x, y);
    Entry().active = true;
    Entry().last = Entry().cursor = {px, py};
    const bool marker = Search() && MarkerShown(Entry().points, 0);
    OnView([marker](platform::DeviceContext& dc) {
        SymbolOn(dc, Entry().points.back());
        if (marker) MarkerOn(dc, Entry().points, 0);
    });
    SetStatusTextFromId(true, 1356);
    ShowPromptResource(1356);
    SetCursorMode(CursorModeNoncircularEntry);
    return true;
}

bool Cpp_NoncircularTool::NoncircularToolNextPoint(Cpp_AnalysisComputationData& analysis, int px,
                                                   int py, double x, double y, bool fromBar,
                                                   const Cpp_SlopeGeometry& slope, bool& stored) {
    stored = false;
    if (!Entry().active) return true;
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
    const Cpp_NoncircularShearSurfacePoint& last = Entry().points.back();
    if (Repeats(last.X(), x) && Repeats(last.Y(), y)) {
        stored = FinishNoncircularEntry(analysis, slope);
        return true;
    }
    Entry().points.emplace_back(static_cast<int>(Entry().points.size()) + 1, x, y, angle, moveable,
                                computed);
    if (!fromBar) bar.SetPoint(x, y);
    Band();
    const s_PixelPoint from = Entry().last, to{px, py};
    const std::vector<Cpp_NoncircularShearSurfacePoint>& points = Entry().points;
    const std::size_t added = points.size() - 1;
    const bool search = Search();
    OnView([&](platform::DeviceContext& dc) {
        SegmentOn(dc, from, to);
        SymbolOn(dc, points.back());
        if (!search) return;
        // The point before now has both neighbours: a computed direction can be drawn.
        if (added >= 2 && !MarkerShown({points.begin(), points.end() - 1}, added - 1))
            MarkerOn(dc, points, added - 1);
        if (MarkerShown(points, added)) MarkerOn(dc, points, added);
    });
    Entry().last = Entry().cursor = to;
    return true;
}

void Cpp_NoncircularTool::NoncircularEntryMouseMove(int px, int py, double x, double y) {
    if (!Entry().active) return;
    Band();
    Entry().cursor = {px, py};
    Band();
    SetCoordinateToolTip(x, y);
}

bool Cpp_NoncircularTool::FinishNoncircularEntry(Cpp_AnalysisComputationData& analysis,
                                                 const Cpp_SlopeGeometry& slope) {
    if (!Entry().active) return false;
    EndEntry();
    // The entry's own prompt went to the status line too: the tool's prompt replaces it, stored
    // or not, as after Escape.
    SetToolPrompt(true, EditModeNoncircular, {});
    std::vector<Cpp_NoncircularShearSurfacePoint> points = std::move(Entry().points);
    Entry().points.clear();
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
    if (!Entry().active) return;
    EndEntry();
    Entry().points.clear();
    SetToolPrompt(true, EditModeNoncircular, {});
    if (ViewInputHost* view = GetViewWindow()) view->InvalidateView();
}

void Cpp_NoncircularTool::UndoLastEnteredPoint() {
    if (!Entry().active || Entry().points.empty()) return;
    Band();  // erased
    std::vector<Cpp_NoncircularShearSurfacePoint>& points = Entry().points;
    const bool search = Search();
    if (points.size() < 2) {
        OnView([&](platform::DeviceContext& dc) {
            if (search && MarkerShown(points, 0)) MarkerOn(dc, points, 0, true);
            SymbolOn(dc, points[0], true);
        });
        EndEntry();
        points.clear();
        SetToolPrompt(true, EditModeNoncircular, {});
        return;
    }
    const std::size_t last = points.size() - 1;
    const s_PixelPoint from = ToPixel(points[last - 1].X(), points[last - 1].Y());
    const s_PixelPoint to = ToPixel(points[last].X(), points[last].Y());
    OnView([&](platform::DeviceContext& dc) {
        if (search) {
            if (MarkerShown(points, last)) MarkerOn(dc, points, last, true);
            // The point before becomes the end: a computed direction is not drawn there.
            const std::vector<Cpp_NoncircularShearSurfacePoint> shorter(points.begin(),
                                                                        points.end() - 1);
            if (MarkerShown(points, last - 1) && !MarkerShown(shorter, last - 1))
                MarkerOn(dc, points, last - 1, true);
        }
        SegmentOn(dc, from, to, true);
        SymbolOn(dc, points[last], true);
        points.pop_back();
        SymbolOn(dc, points.back());
    });
    Entry().last = from;
    Band();
}

// ---------------------------------------------------------------------------------------------
// Point editing of a stored surface.

namespace {

Cpp_NoncircularShearSurfacePoint& NewPoint() { return Self().newPoint; }

Cpp_NoncircularShearSurfacePoint NewPointFromBar() {
    double x = 0, y = 0, angle = 0;
    bool moveable = true, computed = true;
    if (!Bar().GetPointData(x, y, moveable, computed, angle)) {
        moveable = computed = true;
        angle = 0;
    }
    return Cpp_NoncircularShearSurfacePoint(0, x, y, angle, moveable, computed);
}

std::vector<s_tagTypePointXY> XYOf(const Cpp_NoncircularShearSurface& surface) {
    std::vector<s_tagTypePointXY> out;
    for (const Cpp_NoncircularShearSurfacePoint& p : surface.Points()) out.push_back(p.XY());
    return out;
}

// The working copy of the surface's points: when a tool on it ends with a change, each point
// goes back with the shift data of the point it was made from (a new one with the tool's new
// point's), the points numbered again, and the view drawn again for the markers. The selection
// holds points by their place in the surface: when points moved up, it is emptied.
Cpp_Line* Begin(Cpp_NoncircularShearSurface* surface) {
    if (!surface || !surface->HasPoints()) return nullptr;
    NewPoint() = Cpp_NoncircularShearSurfacePoint{};
    return Cpp_WorkingLine::Begin(
        XYOf(*surface), [surface](const std::vector<s_WorkingPoint>& edited) {
            const std::vector<Cpp_NoncircularShearSurfacePoint> old = surface->Points();
            std::vector<Cpp_NoncircularShearSurfacePoint>& points = surface->Points();
            points.clear();
            bool moved = false;
            for (const s_WorkingPoint& e : edited) {
                const bool known = e.from >= 0 && e.from < static_cast<int>(old.size());
                Cpp_NoncircularShearSurfacePoint p =
                    known ? old[static_cast<std::size_t>(e.from)] : NewPoint();
                moved = moved || (known && e.from != static_cast<int>(points.size()));
                p.SetXY(e.x, e.y);
                points.push_back(p);
            }
            surface->NumberPoints();
            if (moved) GetCurrentSelection().Clear();
            if (ViewInputHost* view = GetViewWindow()) view->InvalidateView();
        });
}

}  // namespace

bool Cpp_NoncircularTool::StartAddPointAtEnd(Cpp_NoncircularShearSurface* surface, bool atFirst) {
    Cpp_Line* copy = Begin(surface);
    if (!copy) return false;
    Cpp_PointXY* end = atFirst ? copy->FirstPoint() : copy->LastPoint();
    Bar().SetEntryOption(4);
    return Cpp_LineTool::StartAddPointAtEnd(copy, end, LINEKIND_NONCIRCULAR,
                                            analysis_look::SlipSurfaceDisplayAttributes());
}

bool Cpp_NoncircularTool::AddPointAtEnd(double x, double y, bool fromBar) {
    if (fromBar && !Bar().GetPoint(x, y)) return false;
    NewPoint() = NewPointFromBar();
    return Cpp_LineTool::AddPointAtEnd(x, y);
}

bool Cpp_NoncircularTool::StartDragPoint(Cpp_NoncircularShearSurface* surface, int index, int px,
                                         int py) {
    Cpp_Line* copy = Begin(surface);
    if (!copy || !Cpp_WorkingLine::PointAt(index)) return false;
    return Cpp_LineTool::StartDragPoint(copy, LINEKIND_NONCIRCULAR, px, py,
                                        Cpp_WorkingLine::PointAt(index),
                                        analysis_look::SlipSurfaceDisplayAttributes());
}

bool Cpp_NoncircularTool::DropDraggedPoint(bool fromBar) {
    double x = 0, y = 0;
    if (fromBar && !Bar().GetPoint(x, y)) return false;
    return Cpp_LineTool::DropDraggedPoint(x, y, fromBar);
}

bool Cpp_NoncircularTool::StartInsertPoint(Cpp_NoncircularShearSurface* surface, int index) {
    Cpp_Line* copy = Begin(surface);
    if (!copy || !Cpp_WorkingLine::PointAt(index + 1)) return false;
    return Cpp_LineTool::StartInsertPointOnSegment(copy, Cpp_WorkingLine::PointAt(index),
                                                   LINEKIND_NONCIRCULAR,
                                                   analysis_look::SlipSurfaceDisplayAttributes());
}

bool Cpp_NoncircularTool::InsertPointClick(double x, double y, bool fromBar) {
    // The bar's shift data (and, typed, its point) are read before anything is drawn: a bar that
    // cannot be read leaves the tool running.
    double bx = 0, by = 0, angle = 0;
    bool moveable = true, computed = true;
    if (!Bar().GetPointData(bx, by, moveable, computed, angle)) return false;
    if (fromBar) {
        x = bx;
        y = by;
    }
    NewPoint() = Cpp_NoncircularShearSurfacePoint(0, x, y, angle, moveable, computed);
    return Cpp_LineTool::CompleteInsertOnSegment(x, y, true);
}

bool Cpp_NoncircularTool::DeletePoint(Cpp_NoncircularShearSurface* surface, int index) {
    if (!surface || index < 0 || index >= surface->NumberOfPoints()) return false;
    Cpp_LineTool::SetEditingAttributes(analysis_look::SlipSurfaceDisplayAttributes());
    Cpp_Line drawn;
    std::vector<Cpp_PointXY*> nodes;
    for (const Cpp_NoncircularShearSurfacePoint& p : surface->Points())
        nodes.push_back(drawn.AddPoint(p.X(), p.Y()));
    bool done = false;
    if (surface->NumberOfPoints() > 2) {
        done = Cpp_LineTool::DeletePoint(&drawn, nodes[static_cast<std::size_t>(index)]);
        if (done) surface->RemovePoint(index);
    } else {
        done = Cpp_LineTool::EraseInWindow(&drawn);
        surface->DeleteAllPoints();
    }
    surface->NumberPoints();
    return done;
}

Cpp_Line* Cpp_NoncircularTool::EditLine(Cpp_NoncircularShearSurface* surface, int index,
                                        Cpp_PointXY*& point) {
    Cpp_Line* copy = Begin(surface);
    point = copy ? Cpp_WorkingLine::PointAt(index) : nullptr;
    return point ? copy : nullptr;
}

bool Cpp_NoncircularTool::IsEntering() { return Entry().active; }

const std::vector<Cpp_NoncircularShearSurfacePoint>& Cpp_NoncircularTool::EnteredPoints() {
    return Entry().points;
}

void Cpp_NoncircularTool::Repaint(platform::DeviceContext& dc) {
    if (!Entry().active || Entry().points.empty()) return;
    s_PixelPoint previous = ToPixel(Entry().points[0].X(), Entry().points[0].Y());
    SymbolOn(dc, Entry().points[0]);
    for (std::size_t i = 1; i < Entry().points.size(); ++i) {
        const s_PixelPoint p = ToPixel(Entry().points[i].X(), Entry().points[i].Y());
        SegmentOn(dc, previous, p);
        SymbolOn(dc, Entry().points[i]);
        previous = p;
    }
    if (Search())
        for (std::size_t i = 0; i < Entry().points.size(); ++i)
            if (MarkerShown(Entry().points, i)) MarkerOn(dc, Entry().points, i);
    Entry().last = previous;
    BandOn(dc);
}

void Cpp_NoncircularTool::RegisterDrawing() {
    RegisterAfterDataDrawing(e_AfterDataStep::ToolFeedback, &DrawFeedback);
}

void Cpp_NoncircularTool::Reset() {
    Entry() = NoncircularTool::s_Entry{};
    NewPoint() = Cpp_NoncircularShearSurfacePoint{};
}

namespace view_slip_surface_steps {

namespace {
void SurfaceChanged(s_InputCall& c, bool done) {
    if (!done) return;
    c.modified = true;
    c.redraw = true;
    c.view.DataChanged(9);
}
void CursorToBar(s_InputCall& c) {
    if (c.in.shift) Bar().SetPoint(c.rounded.x, c.rounded.y);
}
void BarOfLastSelected() {
    Cpp_SelectionList& list = GetCurrentSelection();
    if (Cpp_Selection* last = list.GetNth(list.Count())) last->UpdateToolBars();
}
void InsertInput(s_InputCall& c, bool typed) {
    if (!Cpp_NoncircularTool::InsertPointClick(c.snapped.x, c.snapped.y, typed)) return;
    GetCurrentSelection().Clear();
    if (typed) {
        c.view.HideCurrentToolBar();
        SetToolPrompt(true, c.view.EditMode(), {});
    }
    SurfaceChanged(c, true);
}
}  // namespace

void NoncircularAddAtEndClick(s_InputCall& c) {
    const bool done = Cpp_NoncircularTool::AddPointAtEnd(c.snapped.x, c.snapped.y, false);
    if (done) BarOfLastSelected();
    SurfaceChanged(c, done);
}
void NoncircularAddAtEndEnter(s_InputCall& c) {
    SurfaceChanged(c, Cpp_NoncircularTool::AddPointAtEnd(0.0, 0.0, true));
}
void NoncircularAddAtEndMove(s_InputCall& c) {
    CursorToBar(c);
    view_input_ops::AddAtEndMove(c);
}
// After a drop the bar shows the dragged point where it is now.
void BarOfFirstSelected() {
    if (Cpp_Selection* first = GetCurrentSelection().GetNth(1)) first->UpdateToolBars();
}
void NoncircularDrop(s_InputCall& c) {
    const bool done = Cpp_NoncircularTool::DropDraggedPoint(false);
    if (done) {
        c.view.SetToolTip({});
        BarOfFirstSelected();
    }
    SurfaceChanged(c, done);
}
void NoncircularDropFromBar(s_InputCall& c) {
    const bool done = Cpp_NoncircularTool::DropDraggedPoint(true);
    if (done) BarOfFirstSelected();
    SurfaceChanged(c, done);
}
void NoncircularDragMove(s_InputCall& c) {
    CursorToBar(c);
    view_input_ops::DragPointMove(c);
}
void NoncircularInsertClick(s_InputCall& c) { InsertInput(c, false); }
void NoncircularInsertEnter(s_InputCall& c) { InsertInput(c, true); }
void NoncircularInsertMove(s_InputCall& c) {
    CursorToBar(c);
    view_input_ops::InsertMove(c);
}

}  // namespace view_slip_surface_steps

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
    {40,
     40,
     "Noncircular surface entry",
     {R(NoncircularPointClick), R(NoncircularPointMove), R(NoncircularPointEnter),
      R(NoncircularCancel), R(NoncircularCancel), R(NoncircularFinish)}},
    {87,
     87,
     "Add Point at End",
     {R(NoncircularAddAtEndClick), R(NoncircularAddAtEndMove), R(NoncircularAddAtEndEnter),
      R(AddAtEndCancel), N, H}},
    {96,
     96,
     "Move (\"Drag\") Item",
     {R(NoncircularDrop), R(NoncircularDragMove), R(NoncircularDropFromBar), R(DragPointCancel), N,
      H}},
    {118,
     118,
     "Insert Point",
     {R(NoncircularInsertClick), R(NoncircularInsertMove), R(NoncircularInsertEnter),
      R(InsertCancel), R(InsertCancel), H}},
    {130,
     130,
     "Shift direction",
     {R(ShiftDirectionClick), R(ShiftDirectionMove), D, R(ShiftDirectionCancel),
      R(ShiftDirectionCancel), H}},
    {131, 131, "Shift direction", {R(ShiftParallelPick), D, D, R(ShiftParallelCancel), N, H}},
};

}  // namespace

NoncircularTool::NoncircularTool()
    : Tool(EditModeNoncircular, EditModeNoncircular, "Noncircular Surface") {}

s_ToolInputs NoncircularTool::Inputs(int) const {
    return {R(NoncircularClick), R(NoncircularEnter), R(NoncircularMove), R(ShowViewMenu)};
}

std::span<const s_CursorModeRow> NoncircularTool::Steps() const { return kSteps; }

void NoncircularTool::Reset(ToolContext& context) {
    // A surface being entered is dropped.
    const bool underWay = entry.active;
    entry = s_Entry{};
    if (!underWay) return;
    ClearPromptBar();
    if (context.View()) context.View()->InvalidateView();
}

bool NoncircularTool::Exit(ToolContext& context, int) {
    // A surface being entered is dropped; the bar's mode stays with the data.
    if (Cpp_Kliven4DataSet* dataSet = context.DataSet())
        if (Cpp_AnalysisComputationData* analysis = dataSet->AnalysisComputationData()) {
            Cpp_NoncircularTool::CancelNoncircularEntry();
            Cpp_NoncircularTool::SetNoncircularToolEditMode(*analysis);
        }
    return true;
}

std::optional<bool> NoncircularTool::Delete(ToolContext&, int cursorMode) {
    if (cursorMode == CursorModeNoncircularEntry) Cpp_NoncircularTool::UndoLastEnteredPoint();
    return std::nullopt;
}

void NoncircularTool::Prompt(const s_ToolPrompt& prompt) const {
    SetStatusTextFromId(prompt.view, 1322);
}

int NoncircularTool::Bar(int) const { return BarNoncircular; }

void NoncircularTool::Chosen(ToolContext& context, int editMode) {
    if (Cpp_Kliven4DataSet* dataSet = context.DataSet())
        if (Cpp_AnalysisComputationData* analysis = dataSet->AnalysisComputationData())
            Cpp_NoncircularTool::NoncircularToolUpdateBar(*analysis);
    ShowToolPrompt(context, editMode);
}
