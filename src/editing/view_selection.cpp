#include "editing/view_selection.h"

#include "analysis/analysis_computation_data.h"
#include "analysis/noncircular_shear_surface.h"
#include "core/point_xy.h"
#include "core/summary_window.h"
#include "editing/construction_items.h"
#include "editing/cursor_modes.h"
#include "editing/edit_modes.h"
#include "editing/rescale_coordinates.h"
#include "editing/selection_information.h"
#include "editing/selection_kinds.h"
#include "editing/selection_list.h"
#include "editing/shift_direction_tool.h"
#include "editing/tool_table.h"
#include "editing/view_navigation.h"
#include "graphics/prompts.h"
#include "loads/distributed_load_data.h"
#include "loads/line_load.h"
#include "loads/reinforcement_line.h"
#include "model/data_set.h"
#include "model/data_sets.h"
#include "model/program_state.h"
#include "platform/services.h"
#include "porepressure/interpolation_data.h"
#include "porepressure/piezometric_drawing.h"
#include "porepressure/vertex.h"
#include "profile/crack.h"
#include "profile/profile_line.h"
#include "profile/slope_geometry.h"
#include "registry/view_preparations.h"

#include <algorithm>
#include <cmath>

namespace {

// The drag selection: one at a time.
struct s_PickBand {
    bool band = false;
    s_PixelPoint press;
    s_PixelPoint cursor;
    platform::DevicePoint corners[4];
    int halfWidth = 8;  // kept from one band to the next
};
s_PickBand g_band;

void ResetBand() { g_band = s_PickBand{}; }
const bool g_resetAdded = (AddProgramStateReset(&ResetBand), true);

platform::DeviceRect Bounds(const std::vector<platform::DevicePoint>& points) {
    platform::DeviceRect r{points[0].x, points[0].y, points[0].x + 1, points[0].y + 1};
    for (const platform::DevicePoint& p : points) {
        r.left = std::min(r.left, p.x);
        r.top = std::min(r.top, p.y);
        r.right = std::max(r.right, p.x + 1);
        r.bottom = std::max(r.bottom, p.y + 1);
    }
    return r;
}

// The outline's points, closed.
std::vector<platform::DevicePoint> Outline(int x, int y) {
    if (g_band.band) {
        const platform::DevicePoint* c = g_band.corners;
        return {c[3], c[0], c[1], c[2], c[3]};
    }
    const s_PixelPoint p = g_band.press;
    return {{p.x, p.y}, {x, p.y}, {x, y}, {p.x, y}, {p.x, p.y}};
}

// Draws (or, a second time, erases) the outline on the view.
void OutlineOnView(int x, int y) {
    ViewInputHost* view = GetViewWindow();
    if (!view) return;
    const std::vector<platform::DevicePoint> points = Outline(x, y);
    // An outline of one point is never drawn.
    if (std::all_of(points.begin(), points.end(),
                    [&](const platform::DevicePoint& p) { return p == points[0]; }))
        return;
    view->DrawOverlay(Bounds(points), [&](platform::DeviceContext& dc) { DrawPickBand(dc, x, y); });
}

void BandCorners(int x, int y) {
    const s_PixelPoint p = g_band.press;
    const double dx = x - p.x, dy = y - p.y;
    const double length = std::sqrt(dx * dx + dy * dy);
    if (length == 0) {
        for (platform::DevicePoint& c : g_band.corners) c = {x, y};
        return;
    }
    const int m = static_cast<int>(dy * (1 / length) * g_band.halfWidth);
    const int o = static_cast<int>(dx * (1 / length) * g_band.halfWidth);
    g_band.corners[0] = {p.x - m, p.y + o};
    g_band.corners[1] = {p.x + m, p.y - o};
    g_band.corners[2] = {x + m, y - o};
    g_band.corners[3] = {x - m, y + o};
}

// The item just added to the current selection: highlighted, prompted and described.
void ShowLastSelected(Cpp_SelectionList& current) {
    const Cpp_Selection* last = current.GetLast();
    if (!last) return;
    last->RedrawHighlighted();
    ShowSelectionPrompt();
    last->UpdateToolBars();
    ShowSelectionInformation(*last);
    UpdateSummaryWindow(*last);
}

void DrawPickBandStep(platform::DeviceContext& dc, Cpp_Kliven4DataSet*) { RepaintPickBand(dc); }

}  // namespace

void EraseSelection(Cpp_SelectionList& list, bool isCurrentSelection) {
    list.ClearAndErase();
    if (isCurrentSelection) platform::Services().InfoWindow().Clear();
}

void SetPickKindFilter(Cpp_SelectionList& list, int index, int stage) {
    // With "All" the per-kind flags are not consulted, so every kind shown can be picked.
    list.SetKindFilter(index > 0);
    if (index < 0) return;
    const bool all = index == 0;
    const auto on = [index, all](int kind) { return all || index == kind; };
    GetConstructionLineList().SetSelectable(on(2), on(1));
    GetConstructionCircleList().SetSelectable(on(2));
    Cpp_ProfileLineList::SetPickFilter(index);
    SetPiezometricPickFilter(stage, on(5), on(6), all);
    Cpp_InterpolationData::SetPickFilter(stage, on(7), all, on(8), all, on(9), all);
    Cpp_SlopeLine::SetPickFilter(index);
    Cpp_DistributedLoadData::SetSelectionFilters(stage, on(12), on(13), all, all);
    Cpp_LineLoadList::SetSelectionFilters(on(14), on(14));
    Cpp_ReinforcementLineList::SetSelectionFilters(on(15), on(16), on(17), on(18));
    // Slip-surface segments, slip-surface points and the centre, radius-definition lines,
    // radius-definition points, the search grid.
    Cpp_AnalysisComputationData::SetSelectionFilters(on(20), on(19), on(22), on(21), all);
    Cpp_Crack::SetPickFilter(all, all);
    Cpp_Crack::SetWaterPickFilter(all, all);
}

void ShowSelectionPrompt() {
    ToolContext context(GetViewWindow());
    ShowToolPrompt(context, EditModeSelect);
}

void ShowSelectModePromptAfterStep() {
    const ViewInputHost* view = GetViewWindow();
    if (!view || view->EditMode() != EditModeSelect) return;
    Cpp_SelectionList& list = GetCurrentSelection();
    const Cpp_Selection* last = list.GetLast();
    if (last && (!list.IsLive(last) || !last->TargetExists())) {
        SetToolPrompt(true, EditModeSelect, {});
        return;
    }
    ShowSelectionPrompt();
}

int SelectAtClick(ViewInputHost& view, s_PixelPoint click, double x, double y, bool shift) {
    Cpp_SelectionList& current = GetCurrentSelection();
    Cpp_SelectionList& picks = GetPickList();
    SetPickKindFilter(picks, view.PickKindIndex(), Cpp_Kliven4DataSet::CurrentStage());
    current.SetAddMode(shift);
    if (!shift) EraseSelection(current, true);
    picks.Clear();
    picks.SetAddMode(true);
    picks.SelectItemAtPoint(Cpp_Kliven4Data::CurrentDataSet(), x, y, false, false, false);
    if (picks.IsEmpty()) {
        view.HideCurrentToolBar();
        ShowSelectionPrompt();
        ClearSummaryWindow();
        return 0;
    }
    const Cpp_Selection* taken = picks.GetNth(1);
    if (const int found = picks.Count(); found >= 2) {
        // One moveable point among the candidates is what a press on it means; the menu
        // offers the choice between two or more.
        taken = FindPressedPoint(picks);
        if (!taken) {
            ShowSelectionMenu(view, click);
            return found;
        }
    }
    current.AddCopy(*taken);
    picks.Clear();
    ShowLastSelected(current);
    return 1;
}

MenuList CandidateMenu(const Cpp_SelectionList& picks) {
    MenuList menu;
    for (int n = 1; n <= kCandidateMenuSize; ++n) {
        const Cpp_Selection* item = picks.GetNth(n);
        if (!item) break;
        std::string text = "Selection " + std::to_string(n);
        item->GetName(text);
        menu.push_back({kFirstCandidateCommand + n - 1, text});
    }
    return menu;
}

const Cpp_Selection* FindMoveableSelection(const Cpp_SelectionList& list) {
    for (int n = 1; const Cpp_Selection* item = list.GetNth(n); ++n)
        if (SelectionKindHas(item->GetType(), selection_flags::kMoveablePoint)) return item;
    return nullptr;
}

namespace {

// A point of a slope line made from the profile lines that lies where another moveable
// candidate lies: it follows that point, so it is no choice of its own.
bool FollowsAnotherPoint(const Cpp_Selection& slopePoint,
                         const std::vector<const Cpp_Selection*>& moveable) {
    if (slopePoint.GetType() != SEL_SLOPE_POINT) return false;
    const Cpp_Kliven4DataSet* dataSet = slopePoint.GetDataSet();
    if (!dataSet || dataSet->SlopeGeometry().IsEntered()) return false;
    s_tagTypePointXY at;
    if (!slopePoint.GetPointXY(at)) return false;
    return std::any_of(moveable.begin(), moveable.end(), [&](const Cpp_Selection* other) {
        s_tagTypePointXY there;
        return other != &slopePoint && other->GetType() != SEL_SLOPE_POINT &&
               other->GetPointXY(there) && there.x == at.x && there.y == at.y;
    });
}

}  // namespace

const Cpp_Selection* FindPressedPoint(const Cpp_SelectionList& picks) {
    std::vector<const Cpp_Selection*> moveable;
    for (int n = 1; const Cpp_Selection* item = picks.GetNth(n); ++n)
        if (SelectionKindHas(item->GetType(), selection_flags::kMoveablePoint))
            moveable.push_back(item);
    const Cpp_Selection* found = nullptr;
    for (const Cpp_Selection* item : moveable) {
        if (FollowsAnotherPoint(*item, moveable)) continue;
        if (found) return nullptr;
        found = item;
    }
    return found;
}

std::string HoverToolTip(ViewInputHost& view, double x, double y, const std::string& coordinates) {
    Cpp_SelectionList& picks = GetPickList();
    SetPickKindFilter(picks, view.PickKindIndex(), Cpp_Kliven4DataSet::CurrentStage());
    picks.Clear();
    picks.SetAddMode(true);
    picks.SelectItemAtPoint(Cpp_Kliven4Data::CurrentDataSetOrNull(), x, y, false, false, false);
    if (picks.IsEmpty()) return coordinates;
    std::string tip;
    if (const Cpp_Selection* moveable = FindMoveableSelection(picks)) {
        moveable->GetToolTipText(tip);
        return tip;
    }
    for (int n = 1; const Cpp_Selection* item = picks.GetNth(n); ++n) {
        tip.clear();
        const bool has = item->GetToolTipText(tip);
        if (item->GetType() == SEL_MATERIAL_REGION)
            return has ? coordinates + "\n" + tip : coordinates;
        if (has) return tip;
    }
    return coordinates;
}

bool ShowSelectionMenu(ViewInputHost& view, s_PixelPoint click) {
    const MenuList menu = CandidateMenu(GetPickList());
    if (menu.empty()) return true;
    const s_PixelPoint corner = view.ScreenTopLeft();
    const int id = view.TrackMenu(menu, {corner.x + click.x + 4, corner.y + click.y + 5});
    if (id >= kFirstCandidateCommand && id < kFirstCandidateCommand + kCandidateMenuSize)
        ViewCommandOnSelection(id - kFirstCandidateCommand + 1, view);
    else if (id != 0)
        view.RunCommand(id);
    return true;
}

bool PickedRescalePoint(ViewInputHost& view, const Cpp_Selection& picked) {
    (void)view;
    s_tagTypePointXY point;
    if (!picked.GetPointXY(point)) return false;
    if (GetCursorMode() == CursorModeRescaleFirstPoint) {
        if (!RescaleCoordinates::FirstPointClick(picked.GetDataSet(), point)) return false;
        Cpp_SelectionList& current = GetCurrentSelection();
        EraseSelection(current, true);
        current.AddCopy(picked);
        if (const Cpp_Selection* last = current.GetLast()) last->RedrawHighlighted();
        return false;
    }
    return RescaleCoordinates::SecondPointClick(point);
}

bool ViewCommandOnSelection(int n, ViewInputHost& view) {
    Cpp_SelectionList& picks = GetPickList();
    const Cpp_Selection* chosen = picks.GetNth(n);
    if (!chosen) return false;
    const int mode = GetCursorMode();
    if (mode == CursorModeRescaleFirstPoint || mode == CursorModeRescaleSecondPoint) {
        const Cpp_Selection picked = *chosen;
        picks.Clear();
        if (PickedRescalePoint(view, picked)) view.InvalidateView();
        return true;
    }
    if (mode == CursorModeShiftParallelToLine) {
        const Cpp_Selection picked = *chosen;
        picks.Clear();
        if (Cpp_ShiftDirectionTool::SetMoveDirectionFromPickedSegment(picked)) view.DataChanged(0);
        return true;
    }
    Cpp_SelectionList& current = GetCurrentSelection();
    current.AddCopy(*chosen);
    picks.Clear();
    ShowLastSelected(current);
    SetToolTipFromId(1367);
    return true;
}

// ---------------------------------------------------------------------------------------------
// The drag selection.

bool StartPickBand(bool band, ViewInputHost& view, s_PixelPoint press, s_PixelPoint cursor) {
    (void)view;
    g_band.band = band;
    g_band.press = press;
    g_band.cursor = cursor;
    for (platform::DevicePoint& c : g_band.corners) c = {press.x, press.y};
    if (!band) OutlineOnView(cursor.x, cursor.y);
    SetCursorMode(CursorModePickBand);
    SetStatusTextFromId(true, band ? 550 : 551);
    return true;
}

void RedrawPickBand(int x, int y) {
    OutlineOnView(g_band.cursor.x, g_band.cursor.y);
    if (g_band.band) BandCorners(x, y);
    g_band.cursor = {x, y};
    OutlineOnView(x, y);
}

void DrawPickBand(platform::DeviceContext& dc, int x, int y) {
    const platform::Pen old =
        dc.SetPen(platform::Pen{platform::PenStyle::Solid, 1, kNavigationPenColor});
    const platform::RasterOp oldOp = dc.SetRop2(platform::RasterOp::XorPen);
    dc.Polyline(Outline(x, y));
    dc.SetRop2(oldOp);
    dc.SetPen(old);
}

void RepaintPickBand(platform::DeviceContext& dc) {
    if (GetCursorMode() != CursorModePickBand) return;
    const std::vector<platform::DevicePoint> points = Outline(g_band.cursor.x, g_band.cursor.y);
    if (std::any_of(points.begin(), points.end(),
                    [&](const platform::DevicePoint& p) { return !(p == points[0]); }))
        DrawPickBand(dc, g_band.cursor.x, g_band.cursor.y);
}

void RegisterPickBandDrawing() {
    RegisterAfterDataDrawing(e_AfterDataStep::NavigationFigures, &DrawPickBandStep);
}

bool ChangePickBandWidth(bool wider) {
    if (!g_band.band) return false;
    if (wider)
        g_band.halfWidth += 3;
    else if (g_band.halfWidth > 4)
        g_band.halfWidth -= 3;
    RedrawPickBand(g_band.cursor.x, g_band.cursor.y);
    return true;
}

bool FinishPickBand(bool toCurrentSelection, Cpp_Kliven4DataSet* dataSet) {
    OutlineOnView(g_band.cursor.x, g_band.cursor.y);
    Cpp_SelectionList& target = toCurrentSelection ? GetCurrentSelection() : GetPickList();
    const bool result =
        g_band.band ? target.SelectInBand(dataSet, g_band.corners)
                    : target.SelectProfilePointsInBox(dataSet, g_band.press.x, g_band.press.y,
                                                      g_band.cursor.x, g_band.cursor.y);
    if (toCurrentSelection)
        if (const Cpp_Selection* last = target.GetLast()) {
            ShowSelectionInformation(*last);
            UpdateSummaryWindow(*last);
        }
    SetCursorMode(CursorModeNone);
    ShowSelectionPrompt();
    return result;
}

void EndPickBand() {
    OutlineOnView(g_band.cursor.x, g_band.cursor.y);
    SetCursorMode(CursorModeNone);
    ShowSelectionPrompt();
}

int PickBandHalfWidth() { return g_band.halfWidth; }
bool PickBandIsBand() { return g_band.band; }
void ResetViewSelectionState() { ResetBand(); }
