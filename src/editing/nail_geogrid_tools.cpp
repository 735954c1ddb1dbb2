#include "editing/nail_geogrid_tools.h"
#include "editing/edit_modes.h"
#include "editing/tool_table.h"
#include "editing/two_step_edits.h"
#include "editing/view_load_steps.h"
#include "editing/view_slip_surface_steps.h"
#include "editing/view_tool_steps.h"

#include "core/cursor_mode.h"
#include "core/format_text.h"
#include "core/message_boxes.h"
#include "core/preferences.h"
#include "core/tool_option_dialogs.h"
#include "editing/cursor_modes.h"
#include "editing/selection_list.h"
#include "editing/tool_dialog_bars.h"
#include "graphics/line.h"
#include "graphics/prompts.h"
#include "loads/geogrid_data.h"
#include "loads/nail_data.h"
#include "model/data_set.h"
#include "model/program_state.h"
#include "profile/slope_geometry.h"

#include <cmath>
#include <numbers>
#include <vector>

namespace {

// The nail tool (true) or the geogrid tool, holders of their snap option and their step.
PlacingTool& Of(bool nails) {
    return static_cast<PlacingTool&>(*ToolForEditMode(nails ? EditModeNails : EditModeGeogrids));
}
// The tool whose placing step or drag is under way (one at a time).
PlacingTool& Stepping() {
    PlacingTool& nails = Of(true);
    return nails.place.active || nails.drag.nail ? nails : Of(false);
}

const bool g_resetAdded = (AddProgramStateReset(&ResetNailGeogridTools), true);

double Degrees(double radians) { return radians * 180.0 / std::numbers::pi; }
double Radians(double degrees) { return degrees * std::numbers::pi / 180.0; }

// The point snapped to the slope with the option; false when the snap fails.
bool Snap(const Cpp_SlopeGeometry& slope, int option, s_tagTypePointXY& point) {
    if (option == 0) return true;
    bool warned = false, snapped = false;
    double x = point.x, y = point.y;
    if (!slope.SnapToSlope(nullptr, option, x, y, warned, 0.0, snapped, PickToleranceInWorld()))
        return false;
    point = {x, y};
    return true;
}

// Where the level y meets the slope horizontally; false when it does not.
bool HorizontalOnSlope(const Cpp_SlopeGeometry& slope, double y, double nearX, double& x) {
    std::vector<double> xs, angles;
    if (slope.GetSlopeLine().XValuesAtY(y, xs, angles) == 0) return false;
    x = xs[0];
    for (double v : xs)
        if (std::fabs(v - nearX) < std::fabs(x - nearX)) x = v;
    return true;
}

void ShowNailInBar(const Cpp_IndividualNail& nail) {
    if (IsToolBarVisible(BarNails)) TheToolBars().nails.SetFromNail(nail);
}
void ShowGeogridInBar(const Cpp_Geogrid& grid) {
    if (IsToolBarVisible(BarGeogrids)) TheToolBars().geogrids.SetFromGeogrid(grid);
}

bool ReadNailBar(s_NailBarValues& v) {
    if (!IsToolBarVisible(BarNails)) return false;
    return TheToolBars().nails.GetNailData(v.y, v.length, v.inclination, v.type, v.leftFacing,
                                           v.spacing);
}
bool ReadGeogridBar(s_GeogridBarValues& v) {
    if (!IsToolBarVisible(BarGeogrids)) return false;
    return TheToolBars().geogrids.GetGeogridData(v.y, v.length, v.type, v.leftFacing);
}

void EndStep() {
    ClearPromptBar();
    SetCursorMode(CursorModeNone);
}

}  // namespace

int NailSnapOption() { return Of(true).snap; }
int GeogridSnapOption() { return Of(false).snap; }

bool EditNailToolOptions() {
    s_NailToolOptions options{Of(true).snap};
    if (!ToolOptionDialogsSlot().Get().Nail(options)) return false;
    Of(true).snap = options.snap;
    return true;
}

bool EditGeogridToolOptions() {
    s_NailToolOptions options{Of(false).snap};
    if (!ToolOptionDialogsSlot().Get().Geogrid(options)) return false;
    Of(false).snap = options.snap;
    return true;
}

double FaceStep() { return std::pow(10.0, -Cpp_KlivenSettings::CoordinateDecimals()); }

void SetNailFromHead(Cpp_IndividualNail& nail, double headX, double headY, double length,
                     double inclination, int facing) {
    const double sign = facing == 1 ? -1.0 : 1.0;
    const double angle = Radians(inclination);
    nail.headX = headX;
    nail.headY = headY;
    nail.length = length;
    nail.inclination = inclination;
    nail.facing = facing == 1 ? 1 : 0;
    nail.endX = headX + sign * std::cos(angle) * length;
    nail.endY = headY - std::sin(angle) * length;
}

void SetGeogridFromHead(Cpp_Geogrid& grid, double headX, double headY, double length, int facing) {
    grid.facing = facing == 2 ? 2 : 1;
    grid.length = length;
    grid.SetGeometry(headX, headY, headX + (grid.facing == 2 ? -length : length));
}

bool NailFaceIntersection(const Cpp_Line& slope, double y, bool leftFacing, double& x) {
    std::vector<double> xs, angles;
    if (slope.XValuesAtY(y, xs, angles) == 0) {
        ShowErrorMessage("ERROR", "Unable to find intersection of nail head with slope.");
        return false;
    }
    int counted = 0;
    for (size_t i = 0; i < xs.size(); ++i)
        if (leftFacing ? angles[i] >= 0.0 : angles[i] <= 0.0) {
            ++counted;
            x = xs[i];
        }
    if (counted == 1) return true;
    std::string text = "Nail intersects the slope multiple times - unable to generate "
                       "reinforcement lines.  Nail intersects at the following x values: ";
    for (double v : xs) text += FormatText("  %1.2f", v);
    ShowErrorMessage("ERROR", text);
    return false;
}

bool GeogridFaceIntersection(const Cpp_Line& slope, double y, double& x) {
    std::vector<double> xs, angles;
    if (slope.XValuesAtY(y, xs, angles) == 0) {
        ShowErrorMessage("ERROR", "Unable to find intersection of geogrid head with slope.");
        return false;
    }
    int chosen = 0;
    if (xs.size() > 1 && !Cpp_GeogridData::ChooseFaceIntersection(xs, chosen)) return false;
    x = xs[static_cast<size_t>(chosen)];
    return true;
}

bool PlaceNailByClick(const s_tagTypePointXY& head, const s_tagTypePointXY& click,
                      const s_NailBarValues& bar, Cpp_IndividualNail& nail) {
    if (click.x == head.x) return false;
    const bool left = click.x > head.x;
    const double hx = head.x + (left ? FaceStep() : -FaceStep());
    const double dx = std::fabs(click.x - hx), drop = head.y - click.y;
    SetNailFromHead(nail, hx, head.y, std::hypot(dx, drop), Degrees(std::atan2(drop, dx)),
                    left ? 0 : 1);
    nail.endX = click.x;
    nail.endY = click.y;
    nail.nailType = bar.type;
    nail.horizontalSpacing = bar.spacing;
    return true;
}

bool PlaceGeogridByClick(const s_tagTypePointXY& head, const s_tagTypePointXY& click,
                         const s_GeogridBarValues& bar, Cpp_Geogrid& grid) {
    if (click.x == head.x) return false;
    const bool left = click.x > head.x;
    const double hx = head.x + (left ? FaceStep() : -FaceStep());
    grid.facing = left ? 1 : 2;
    grid.length = std::fabs(click.x - hx);
    grid.SetGeometry(hx, head.y, click.x);
    grid.geogridType = bar.type;
    return true;
}

void PlaceNailFromBar(const s_tagTypePointXY& face, const s_NailBarValues& bar,
                      Cpp_IndividualNail& nail) {
    const double hx = face.x + (bar.leftFacing ? FaceStep() : -FaceStep());
    SetNailFromHead(nail, hx, face.y, bar.length, bar.inclination, bar.leftFacing ? 0 : 1);
    nail.nailType = bar.type;
    nail.horizontalSpacing = bar.spacing;
}

void PlaceGeogridFromBar(const s_tagTypePointXY& face, const s_GeogridBarValues& bar,
                         Cpp_Geogrid& grid) {
    const double hx = face.x + (bar.leftFacing ? FaceStep() : -FaceStep());
    SetGeogridFromHead(grid, hx, face.y, bar.length, bar.leftFacing ? 1 : 2);
    grid.geogridType = bar.type;
}

bool DropNail(Cpp_IndividualNail& nail, int mode, const s_tagTypePointXY& click,
              const Cpp_SlopeGeometry& slope, int snap) {
    const double ox = nail.endX - nail.headX, oy = nail.endY - nail.headY;
    if (mode == 1) {
        nail.endX = click.x;
        nail.endY = click.y;
        return true;
    }
    s_tagTypePointXY head =
        mode == 2 ? s_tagTypePointXY{click.x - ox / 2, click.y - oy / 2} : click;
    if (!Snap(slope, snap, head)) return false;
    nail.headX = head.x;
    nail.headY = head.y;
    if (mode == 2) {
        nail.endX = head.x + ox;
        nail.endY = head.y + oy;
    }
    return true;
}

bool DropGeogrid(Cpp_Geogrid& grid, int mode, const s_tagTypePointXY& click,
                 const Cpp_SlopeGeometry& slope, int snap) {
    double hx = grid.headX, hy = grid.headY, ex = grid.endX;
    if (mode == 1) {
        ex = click.x;
    } else {
        const double ox = grid.endX - grid.headX;
        s_tagTypePointXY head = mode == 2 ? s_tagTypePointXY{click.x - ox / 2, click.y} : click;
        if (!Snap(slope, snap, head)) return false;
        hx = head.x;
        hy = head.y;
        if (mode == 2) ex = hx + ox;
    }
    grid.SetGeometry(hx, hy, ex);
    grid.length = std::fabs(hx - ex);
    return true;
}

bool AssignNailFromBar(Cpp_IndividualNail& nail, const s_NailBarValues& bar,
                       const Cpp_SlopeGeometry& slope) {
    const double tolerance = 1e-8 * std::max(std::fabs(nail.length), std::fabs(bar.length));
    double hx = nail.headX, hy = nail.headY;
    bool geometry = true;
    if (std::fabs(bar.y - nail.headY) >= tolerance) {
        if (!HorizontalOnSlope(slope, bar.y, nail.headX, hx)) return false;
        hy = bar.y;
    } else if (std::fabs(bar.length - nail.length) < tolerance &&
               std::fabs(bar.inclination - nail.inclination) < 1e-6) {
        geometry = false;
    }
    if (geometry)
        SetNailFromHead(nail, hx, hy, bar.length, bar.inclination, bar.leftFacing ? 0 : 1);
    nail.nailType = bar.type;
    nail.horizontalSpacing = bar.spacing;
    return true;
}

bool AssignGeogridFromBar(Cpp_Geogrid& grid, const s_GeogridBarValues& bar,
                          const Cpp_SlopeGeometry& slope) {
    const double tolerance = 1e-8 * std::max(std::fabs(grid.length), std::fabs(bar.length));
    double hx = grid.headX, hy = grid.headY;
    if (std::fabs(bar.y - grid.headY) >= tolerance) {
        if (!HorizontalOnSlope(slope, bar.y, grid.headX, hx)) return false;
        hy = bar.y;
    } else if (std::fabs(bar.length - grid.length) < tolerance) {
        return true;
    }
    SetGeogridFromHead(grid, hx, hy, bar.length, bar.leftFacing ? 1 : 2);
    return true;
}

// ---------------------------------------------------------------------------------------------
// The placing tools.

namespace {

bool StartPlacement(Cpp_Kliven4DataSet* dataSet, const s_tagTypePointXY& click, bool nails) {
    if (!dataSet) return false;
    s_tagTypePointXY head = click;
    if (!Snap(dataSet->SlopeGeometry(), nails ? Of(true).snap : Of(false).snap, head)) return false;
    if (nails && IsToolBarVisible(BarNails)) TheToolBars().nails.SetY(head.y);
    Of(nails).place = {true, nails, head, head};
    SetCursorMode(nails ? CursorModeNailPlacement : CursorModeGeogridPlacement);
    return true;
}

// The new item added to its list, shown in its bar; the step ends.
void AddNail(Cpp_Kliven4DataSet& dataSet, const Cpp_IndividualNail& placed) {
    Cpp_IndividualNail* nail = dataSet.SoilNails()->GetIndividualNailList().AddNail(
        placed.headY, placed.length, placed.inclination, placed.horizontalSpacing, placed.nailType,
        placed.facing);
    nail->headX = placed.headX;
    nail->endX = placed.endX;
    nail->endY = placed.endY;
    Cpp_SelectionList::NoteModelChange();
    ShowNailInBar(*nail);
}

void AddGeogrid(Cpp_Kliven4DataSet& dataSet, const Cpp_Geogrid& placed) {
    Cpp_Geogrid* grid = dataSet.Geogrids()->GetIndividualGeogridList().AddCopy(placed);
    Cpp_SelectionList::NoteModelChange();
    ShowGeogridInBar(*grid);
}

}  // namespace

bool StartNailPlacement(Cpp_Kliven4DataSet* dataSet, const s_tagTypePointXY& click) {
    return StartPlacement(dataSet, click, true);
}

bool StartGeogridPlacement(Cpp_Kliven4DataSet* dataSet, const s_tagTypePointXY& click) {
    return StartPlacement(dataSet, click, false);
}

void PlacementMove(const s_tagTypePointXY& at) {
    if (!Stepping().place.active) return;
    Stepping().place.end = at;
    if (!Stepping().place.nails || !IsToolBarVisible(BarNails)) return;
    const double dx = std::fabs(at.x - Stepping().place.head.x),
                 drop = Stepping().place.head.y - at.y;
    TheToolBars().nails.SetLengthAndInclination(std::hypot(dx, drop),
                                                Degrees(std::atan2(drop, dx)));
}

bool FinishPlacement(Cpp_Kliven4DataSet* dataSet, const s_tagTypePointXY& click, bool enter) {
    if (!Stepping().place.active || !dataSet) return false;
    bool placed = false;
    if (Stepping().place.nails) {
        s_NailBarValues bar;
        ReadNailBar(bar);
        Cpp_IndividualNail nail;
        if (enter) {
            PlaceNailFromBar(Stepping().place.head, bar, nail);
            placed = true;
        } else {
            placed = PlaceNailByClick(Stepping().place.head, click, bar, nail);
        }
        if (placed) AddNail(*dataSet, nail);
    } else {
        s_GeogridBarValues bar;
        ReadGeogridBar(bar);
        Cpp_Geogrid grid;
        if (enter) {
            PlaceGeogridFromBar(Stepping().place.head, bar, grid);
            placed = true;
        } else {
            placed = PlaceGeogridByClick(Stepping().place.head, click, bar, grid);
        }
        if (placed) AddGeogrid(*dataSet, grid);
    }
    if (!placed) return false;
    Stepping().place = {};
    EndStep();
    return true;
}

bool PlaceNailAtBarLevel(Cpp_Kliven4DataSet* dataSet) {
    s_NailBarValues bar;
    if (!dataSet || !ReadNailBar(bar)) return false;
    double x = 0.0;
    if (!NailFaceIntersection(dataSet->SlopeGeometry().GetSlopeLine(), bar.y, bar.leftFacing, x))
        return false;
    Cpp_IndividualNail nail;
    PlaceNailFromBar({x, bar.y}, bar, nail);
    AddNail(*dataSet, nail);
    TheToolBars().nails.FocusYEdit();
    return true;
}

bool PlaceGeogridAtBarLevel(Cpp_Kliven4DataSet* dataSet) {
    s_GeogridBarValues bar;
    if (!dataSet || !ReadGeogridBar(bar)) return false;
    double x = 0.0;
    if (!GeogridFaceIntersection(dataSet->SlopeGeometry().GetSlopeLine(), bar.y, x)) return false;
    Cpp_Geogrid grid;
    PlaceGeogridFromBar({x, bar.y}, bar, grid);
    AddGeogrid(*dataSet, grid);
    return true;
}

void CancelPlacement() {
    Stepping().place = {};
    EndStep();
}

bool PlacementBand(s_tagTypePointXY& head, s_tagTypePointXY& end) {
    if (!Stepping().place.active) return false;
    head = Stepping().place.head;
    end = Stepping().place.end;
    return true;
}

// ---------------------------------------------------------------------------------------------
// Drags.

bool StartNailDrag(Cpp_IndividualNail* nail, int mode) {
    if (!nail || mode < 0 || mode > 2) return false;
    Of(true).drag = {nail, nullptr, mode, {nail->headX, nail->headY}, {nail->endX, nail->endY}};
    SetCursorMode(CursorModeDragNail);
    ShowPrompt("Drag nail to new location");
    return true;
}

bool StartGeogridDrag(Cpp_Geogrid* grid, int mode) {
    if (!grid || mode < 0 || mode > 2) return false;
    Of(false).drag = {nullptr, grid, mode, {grid->headX, grid->headY}, {grid->endX, grid->headY}};
    SetCursorMode(CursorModeDragGeogrid);
    ShowPrompt("Drag geogrid to new location");
    return true;
}

void DragMove(const s_tagTypePointXY& at) {
    if (!Stepping().drag.nail && !Stepping().drag.grid) return;
    const double ox = Stepping().drag.end.x - Stepping().drag.start.x,
                 oy = Stepping().drag.end.y - Stepping().drag.start.y;
    if (Stepping().drag.mode == 0) {
        Stepping().drag.start = at;
    } else if (Stepping().drag.mode == 1) {
        Stepping().drag.end = at;
    } else {
        Stepping().drag.start = {at.x - ox / 2, at.y - oy / 2};
        Stepping().drag.end = {at.x + ox / 2, at.y + oy / 2};
    }
}

bool DragBand(s_tagTypePointXY& head, s_tagTypePointXY& end) {
    if (!Stepping().drag.nail && !Stepping().drag.grid) return false;
    head = Stepping().drag.start;
    end = Stepping().drag.end;
    return true;
}

bool DropDrag(Cpp_Kliven4DataSet* dataSet, const s_tagTypePointXY& click) {
    PlacingTool& tool = Stepping();
    const PlacingTool::s_Drag drag = tool.drag;
    tool.drag = {};
    EndStep();
    if (!dataSet) return false;
    if (drag.nail)
        return DropNail(*drag.nail, drag.mode, click, dataSet->SlopeGeometry(), Of(true).snap);
    if (drag.grid)
        return DropGeogrid(*drag.grid, drag.mode, click, dataSet->SlopeGeometry(), Of(false).snap);
    return false;
}

void ResetNailGeogridTools() {
    for (const bool nails : {true, false}) {
        PlacingTool& tool = Of(nails);
        tool.snap = PlacingTool::kStartSnap;
        tool.place = {};
        tool.drag = {};
    }
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
    {48,
     48,
     "Reinforcement placement",
     {R(PlacementClick), R(PlacementBandMove), R(PlacementEnter), R(PlacementEscape), H, H}},
    {109, 109, "Move (\"Drag\") Item", {R(DragDrop), R(DragBandMove), D, H, H, H}},
};

}  // namespace

void PlacingTool::Reset(ToolContext& context) {
    // A placing step or a drag under way is dropped; the snap option stays.
    const bool underWay = place.active || drag.nail || drag.grid;
    place = {};
    drag = {};
    if (!underWay) return;
    ErasePlacingBand();
    ClearPromptBar();
    if (context.View()) context.View()->InvalidateView();
}

NailTool::NailTool() : PlacingTool(EditModeNails, EditModeNails, "Nails") {}

s_ToolInputs NailTool::Inputs(int) const {
    return {R(NailToolClick), R(NailToolEnter), R(NailToolMove), R(ShowViewMenu)};
}

std::span<const s_CursorModeRow> NailTool::Steps() const { return kSteps; }

int NailTool::Bar(int) const { return BarNails; }

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
const s_CursorModeRow kGeogridSteps[] = {
    {47,
     47,
     "Reinforcement placement",
     {R(PlacementClick), R(PlacementBandMove), R(PlacementEnter), R(PlacementEscape), H, H}},
    {108, 108, "Move (\"Drag\") Item", {R(DragDrop), R(DragBandMove), D, H, H, H}},
};

}  // namespace

GeogridTool::GeogridTool() : PlacingTool(EditModeGeogrids, EditModeGeogrids, "Geogrids") {}

s_ToolInputs GeogridTool::Inputs(int) const {
    return {R(GeogridToolClick), R(GeogridToolEnter), N, R(ShowViewMenu)};
}

std::span<const s_CursorModeRow> GeogridTool::Steps() const { return kGeogridSteps; }

int GeogridTool::Bar(int) const { return BarGeogrids; }
