// The line-load tools of the current stage: a load placed with the mouse or the line-load bar,
// the preview arrow following the cursor in green XOR, the drag of a load or of its tail, the
// bar's values given to a selected load, the wheel on the bar's forces, and the tool options.

#include "editing/edit_modes.h"
#include "editing/tool_table.h"
#include "editing/two_step_edits.h"
#include "editing/view_load_steps.h"
#include "editing/view_slip_surface_steps.h"
#include "editing/view_tool_steps.h"
#include "loads/line_load.h"

#include "core/cursor_mode.h"
#include "core/message_boxes.h"
#include "core/tool_option_dialogs.h"
#include "core/units.h"
#include "editing/cursor_modes.h"
#include "editing/line_load_tool.h"
#include "editing/selection_list.h"
#include "editing/tool_dialog_bars.h"
#include "editing/view_navigation.h"
#include "editing/view_overlay.h"
#include "graphics/graphic_grid.h"
#include "graphics/graphics.h"
#include "graphics/prompts.h"
#include "graphics/vector_arrow.h"
#include "loads/load_drawing_support.h"
#include "loads/loads_state.h"
#include "model/data_set.h"
#include "model/data_sets.h"
#include "model/program_state.h"
#include "profile/slope_geometry.h"
#include "registry/view_preparations.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <numbers>

namespace {

using namespace view_overlay;

platform::DeviceRect AroundWide(s_PixelPoint a, s_PixelPoint b) { return Around(a, b, 30); }

constexpr platform::ColorRef kGreenPen = platform::MakeRgb(0, 255, 0);
constexpr platform::ColorRef kGreyPen = platform::MakeRgb(160, 160, 160);
const s_ColorType kLoadColour(27, 7);
constexpr double kHeadInches = 0.25;

struct s_Arrow {
    bool shown = false;
    s_PixelPoint head, tail;
};

// The values of a load: the point, the option and its two values.
struct s_LoadValues {
    double x = 0, y = 0;
    int option = Cpp_LineLoad::ByComponents;
    double first = 0, second = 0;
};

struct s_ToolState {
    platform::ColorRef pen = kGreenPen;
    s_Arrow preview;
    // The drag.
    Cpp_LineLoadList* list = nullptr;
    Cpp_LineLoad* load = nullptr;
    bool moving = false;           // the load moved, else its force set by the tail
    s_tagTypePointXY point, tail;  // of the dragged arrow
    s_PixelPoint cursor;
};

struct s_Options {
    int snap = 0;
    double forceStep = 100.0;
    double inclinationStep = 1.0;
};
}  // namespace

// The tool's state, held by its object in the tool table.
struct LineLoadTool::s_State {
    s_ToolState tool;
    s_Options options;
};

namespace {

LineLoadTool& Self() { return static_cast<LineLoadTool&>(*ToolForEditMode(EditModeLineLoads)); }
s_ToolState& ToolState() { return Self().state->tool; }
s_Options& Options() { return Self().state->options; }

void ResetTool() {
    ToolState() = s_ToolState{};
    Options() = s_Options{};
}
const bool g_resetAdded = (AddProgramStateReset(&ResetTool), true);

double Radians(double degrees) { return degrees * std::numbers::pi / 180.0; }
double Degrees(double radians) { return radians * 180.0 / std::numbers::pi; }

void ArrowOn(platform::DeviceContext& dc, const s_Arrow& a) {
    const platform::Pen pen{platform::PenStyle::Solid, 1, ToolState().pen};
    const platform::RasterOp old = dc.SetRop2(platform::RasterOp::XorPen);
    Cpp_Vector::DrawRubberBand(a.tail.x, a.tail.y, a.head.x, a.head.y, dc, pen, pen,
                               platform::Brush{});
    dc.SetRop2(old);
}
void Toggle(s_Arrow& a) {
    OnView(AroundWide(a.head, a.tail), [&](platform::DeviceContext& dc) { ArrowOn(dc, a); });
    a.shown = !a.shown;
}
void Erase(s_Arrow& a) {
    if (a.shown) Toggle(a);
}
void Show(s_Arrow& a, s_PixelPoint head, s_PixelPoint tail) {
    Erase(a);
    a.head = head;
    a.tail = tail;
    Toggle(a);
}

// H and V of an option's two values.
void Components(int option, double first, double second, double& h, double& v) {
    if (option == Cpp_LineLoad::ByResultant) {
        h = first * std::cos(Radians(second));
        v = first * std::sin(Radians(second));
    } else {
        h = first;
        v = second;
    }
}

bool ZeroForce(const s_LoadValues& v) {
    return v.option == Cpp_LineLoad::ByResultant ? v.first == 0.0
                                                 : v.first == 0.0 && v.second == 0.0;
}

// The bar's values; false when it is not in use or does not read.
bool ReadBar(s_LoadValues& v) {
    CmDialogBarLineLoadTool* bar = ActiveLineLoadBar();
    return bar && bar->GetLineLoadData(v.x, v.y, v.first, v.second, v.option);
}

// A load drawn in the stage colour, or erased in the background colour.
void DrawLoad(const Cpp_LineLoadList& list, const Cpp_LineLoad& load, bool erase) {
    const s_PixelPoint head = ToPixel(load.X(), load.Y());
    const s_PixelPoint tail = ToPixel(load.tailX, load.tailY);
    OnView(AroundWide(head, tail), [&](platform::DeviceContext& dc) {
        const int w = std::max(1, s_LineWidthType(static_cast<short>(1)).DeviceWidth(dc));
        const s_ColorType colour = erase ? s_ColorType::FromRGB(dc.GetBkColor()) : kLoadColour;
        Cpp_Vector::SetDrawingAttributes(kHeadInches, 0, true, true, w, w, 0, colour,
                                         list.Stage() == 2 ? "Line_Loads_2" : "Line_Loads_1");
        Cpp_Vector(load.X(), load.Y(), load.tailX, load.tailY).DrawOnDC(dc);
        Cpp_Vector::DeleteDrawingObjects();
    });
}

void SetTail(Cpp_LineLoad& load) {
    const double s = Cpp_LineLoadList::ForceScale();
    load.tailX = load.X() - s * load.horizontal;
    load.tailY = load.Y() - s * load.vertical;
}

// The load drawn again with new values.
void Redraw(const Cpp_LineLoadList& list, Cpp_LineLoad& load, const s_LoadValues& v) {
    DrawLoad(list, load, true);
    load.Set(v.x, v.y);
    load.option = v.option;
    if (v.option == Cpp_LineLoad::ByResultant) {
        load.resultant = v.first;
        load.inclination = v.second;
    } else {
        load.horizontal = v.first;
        load.vertical = v.second;
    }
    load.UpdateDerivedValues();
    SetTail(load);
    DrawLoad(list, load, false);
}

s_LoadValues ValuesOf(const Cpp_LineLoad& load) {
    s_LoadValues v{load.X(), load.Y(), load.option, load.horizontal, load.vertical};
    if (load.option == Cpp_LineLoad::ByResultant)
        v.first = load.resultant, v.second = load.inclination;
    return v;
}

bool SnapToSlope(double& x, double& y) {
    if (Options().snap == 0) return true;
    Cpp_Kliven4DataSet* dataSet = Cpp_Kliven4Data::CurrentDataSet();
    if (!dataSet) return false;
    bool warned = false, snapped = false;
    return dataSet->SlopeGeometry().SnapToSlope(nullptr, Options().snap, x, y, warned, 0.0, snapped,
                                                PickToleranceInWorld());
}

// One wheel click on an option's two values.
void WheelValues(s_LoadValues& v, int delta, bool shift) {
    const double sign = delta >= 0 ? 1.0 : -1.0;
    if (v.option == Cpp_LineLoad::ByResultant && shift)
        v.second += sign * Options().inclinationStep;
    else if (shift)
        v.second += sign * Options().forceStep;
    else
        v.first += sign * Options().forceStep;
}

int FirstUnusedNumber(const Cpp_LineLoadList& list) {
    int number = 1;
    while (list.FindLoad(number)) ++number;
    return number;
}

void DrawFeedback(platform::DeviceContext& dc, Cpp_Kliven4DataSet*) {
    if (GetCursorMode() == CursorModeDragLineLoadTail)
        Cpp_LineLoadList::DrawToolFeedback(dc);
    else
        Cpp_LineLoadList::RepaintToolPreview(dc);
}

// The dragged arrow at the cursor.
void DragTo(double x, double y) {
    if (ToolState().moving) {
        const double dx = x - ToolState().point.x, dy = y - ToolState().point.y;
        ToolState().point = {x, y};
        ToolState().tail = {ToolState().tail.x + dx, ToolState().tail.y + dy};
    } else {
        ToolState().tail = {x, y};
    }
    Show(ToolState().preview, ToPixel(ToolState().point.x, ToolState().point.y),
         ToPixel(ToolState().tail.x, ToolState().tail.y));
}

// The values the dragged arrow stands for.
s_LoadValues DraggedValues() {
    s_LoadValues v = ValuesOf(*ToolState().load);
    if (ToolState().moving) {
        v.x = ToolState().point.x, v.y = ToolState().point.y;
        return v;
    }
    const double s = Cpp_LineLoadList::ForceScale();
    const double h = s != 0.0 ? (ToolState().point.x - ToolState().tail.x) / s : 0.0;
    const double vv = s != 0.0 ? (ToolState().point.y - ToolState().tail.y) / s : 0.0;
    if (v.option == Cpp_LineLoad::ByResultant) {
        v.first = std::hypot(h, vv);
        v.second = Degrees(std::atan2(vv, h));
    } else {
        v.first = h, v.second = vv;
    }
    return v;
}

void ShowDraggedInBar() {
    CmDialogBarLineLoadTool* bar = ActiveLineLoadBar();
    if (!bar) return;
    const s_LoadValues v = DraggedValues();
    if (ToolState().moving)
        bar->SetPoint(v.x, v.y);
    else
        bar->SetForces(v.first, v.second);
}

void EndDrag() {
    ToolState().load = nullptr;
    ToolState().list = nullptr;
    ToolState().pen = kGreenPen;
    ToolState().preview = s_Arrow{};
    SetCursorMode(CursorModeNone);
    ClearPromptBar();
}

}  // namespace

void RegisterLineLoadToolDrawing() {
    UnregisterAfterDataDrawing(e_AfterDataStep::ToolFeedback, &DrawFeedback);
    RegisterAfterDataDrawing(e_AfterDataStep::ToolFeedback, &DrawFeedback);
}

void Cpp_LineLoadList::StartEntryTool() {
    loads::s_ArrowScaleState& scale = loads::LineLoadScale();
    if (!scale.largestSet || !(scale.largest > 0.0)) SetLargestForce(10000.0);
    ComputeForceScale(GetUnitSystem());
    ToolState().preview = s_Arrow{};
    ToolState().pen = kGreenPen;
}

void Cpp_LineLoadList::ToolMouseMove(int px, int py, double x, double y) {
    s_LoadValues v;
    if (!ReadBar(v) || ZeroForce(v)) return;
    double h = 0, vv = 0;
    Components(v.option, v.first, v.second, h, vv);
    const double s = ForceScale();
    ToolState().pen = kGreenPen;
    Show(ToolState().preview, {px, py}, ToPixel(x - s * h, y - s * vv));
    TooltipText(x, y, v.option, h, vv, std::hypot(h, vv),
                v.option == Cpp_LineLoad::ByResultant ? v.second : Degrees(std::atan2(vv, h)));
}

void Cpp_LineLoadList::RepaintToolPreview(platform::DeviceContext& dc) {
    if (!ToolState().preview.shown) return;
    ArrowOn(dc, ToolState().preview);
}

bool Cpp_LineLoadList::EnterLoad(double x, double y, bool typed, bool& redraw) {
    redraw = false;
    Erase(ToolState().preview);
    s_LoadValues v;
    if (!ReadBar(v)) return false;
    if (ZeroForce(v)) {
        ShowErrorMessage("ERROR", "Cannot enter zero-force line load.");
        return false;
    }
    if (typed) x = v.x, y = v.y;
    if (!SnapToSlope(x, y)) return false;
    const int number = FirstUnusedNumber(*this);
    Cpp_LineLoad* load = v.option == Cpp_LineLoad::ByResultant
                             ? AddByMagnitude(number, x, y, v.first, v.second)
                             : AddByComponents(number, x, y, v.first, v.second);
    if (!typed) ActiveLineLoadBar()->SetPoint(x, y);
    const bool wasSet = ForceScaleSet();
    const double before = ForceScale();
    SetLargestForce(GetMaxForce());
    ComputeForceScale(GetUnitSystem());
    SetTail(*load);
    if ((!wasSet || ForceScale() != before) && Count() > 1)
        redraw = true;
    else
        DrawLoad(*this, *load, false);
    return true;
}

bool Cpp_LineLoadList::WheelEditTool(bool shift, int delta) {
    CmDialogBarLineLoadTool* bar = ActiveLineLoadBar();
    s_LoadValues v;
    if (!bar || !ReadBar(v)) return false;
    WheelValues(v, delta, shift);
    return bar->SetForces(v.first, v.second);
}

bool Cpp_LineLoadList::DragForceTool(Cpp_LineLoad* load, int px, int py, bool move) {
    if (!load ||
        std::none_of(loads_.begin(), loads_.end(), [&](const auto& l) { return l.get() == load; }))
        return false;
    Erase(ToolState().preview);
    SetTail(*load);
    ToolState().list = this;
    ToolState().load = load;
    ToolState().moving = move;
    ToolState().pen = kGreyPen;
    ToolState().point = {load->X(), load->Y()};
    ToolState().tail = {load->tailX, load->tailY};
    ToolState().cursor = {px, py};
    if (move) DrawLoad(*this, *load, true);
    // The bar shows the dragged values in the load's own form.
    if (CmDialogBarLineLoadTool* bar = ActiveLineLoadBar()) bar->SetFromLineLoad(*load);
    Show(ToolState().preview, ToPixel(ToolState().point.x, ToolState().point.y),
         ToPixel(ToolState().tail.x, ToolState().tail.y));
    SetCursorMode(CursorModeDragLineLoadTail);
    ShowPrompt("Drag line load tail to set new force - Press Shift key to display values of "
               "force.");
    return true;
}

void Cpp_LineLoadList::DragMove(int px, int py, double x, double y) {
    if (ToolState().list != this || !ToolState().load) return;
    ToolState().cursor = {px, py};
    DragTo(x, y);
    ShowDraggedInBar();
}

bool Cpp_LineLoadList::DragEnd() {
    if (ToolState().list != this || !ToolState().load) return false;
    Erase(ToolState().preview);
    Cpp_LineLoad& load = *ToolState().load;
    s_LoadValues v = DraggedValues();
    bool changed = false;
    if (ToolState().moving) {
        if (SnapToSlope(v.x, v.y)) {
            Redraw(*this, load, v);
            changed = true;
        } else {
            DrawLoad(*this, load, false);
        }
    } else {
        Redraw(*this, load, v);
        changed = true;
    }
    if (CmDialogBarLineLoadTool* bar = ActiveLineLoadBar()) bar->SetFromLineLoad(load);
    EndDrag();
    return changed;
}

void Cpp_LineLoadList::CancelDrag() {
    if (!ToolState().load) return;
    Erase(ToolState().preview);
    if (ToolState().moving && ToolState().list)
        DrawLoad(*ToolState().list, *ToolState().load, false);
    EndDrag();
}

void Cpp_LineLoadList::DrawToolFeedback(platform::DeviceContext& dc) {
    if (!ToolState().load) return;
    s_tagTypePointXY at;
    Cpp_Graphics::PixelToWorldPoint(ToolState().cursor.x, ToolState().cursor.y, at.x, at.y);
    if (Cpp_GraphicGrid::SnapOn()) Cpp_GraphicGrid::SnapToGrid(at.x, at.y, true);
    const s_tagTypePointXY& end = ToolState().moving ? ToolState().point : ToolState().tail;
    if (at.x != end.x || at.y != end.y) {
        if (ToolState().moving) {
            ToolState().tail = {ToolState().tail.x + at.x - end.x,
                                ToolState().tail.y + at.y - end.y};
            ToolState().point = at;
        } else {
            ToolState().tail = at;
        }
    }
    ToolState().preview.head = ToPixel(ToolState().point.x, ToolState().point.y);
    ToolState().preview.tail = ToPixel(ToolState().tail.x, ToolState().tail.y);
    ToolState().preview.shown = true;
    ArrowOn(dc, ToolState().preview);
}

bool Cpp_LineLoadList::AssignFromBar(Cpp_LineLoad* load) {
    s_LoadValues v;
    if (!load || !ReadBar(v)) return false;
    if ((v.x != load->X() || v.y != load->Y()) && !SnapToSlope(v.x, v.y)) return false;
    const s_LoadValues old = ValuesOf(*load);
    if (v.x == old.x && v.y == old.y && v.option == old.option && v.first == old.first &&
        v.second == old.second)
        return false;
    Redraw(*this, *load, v);
    return true;
}

bool Cpp_LineLoadList::MoveLoadTo(Cpp_LineLoad* load, double x, double y) {
    if (!load) return false;
    s_LoadValues v = ValuesOf(*load);
    v.x = x, v.y = y;
    Redraw(*this, *load, v);
    return true;
}

bool Cpp_LineLoadList::WheelEditSelected(Cpp_LineLoad* load, int delta, bool shift) {
    CmDialogBarLineLoadTool* bar = ActiveLineLoadBar();
    s_LoadValues v;
    if (!load || !bar || !ReadBar(v)) return false;
    WheelValues(v, delta, shift);
    bar->SetForces(v.first, v.second);
    Redraw(*this, *load, v);
    return true;
}

bool Cpp_LineLoadList::EditToolOptions() {
    s_LineLoadToolOptions options;
    options.snap = Options().snap;
    options.forceStep = Options().forceStep;
    options.inclinationStep = Options().inclinationStep;
    loads::s_ArrowScaleState& scale = loads::LineLoadScale();
    const int units = GetUnitSystem();
    options.scalingAvailable = scale.NeedsLargest(units);
    options.maximumLoad = options.scalingAvailable && scale.largestSet ? scale.largest : 0.0;
    if (!ToolOptionDialogsSlot().Get().LineLoad(options)) return false;
    Options().snap = options.snap;
    if (options.scalingAvailable && options.maximumLoad > 0.0) SetLargestForce(options.maximumLoad);
    Options().forceStep = options.forceStep;
    Options().inclinationStep = options.inclinationStep;
    ComputeForceScale(units);
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
    {91,
     91,
     "Move (\"Drag\") Item",
     {R(LineLoadDragDrop), R(LineLoadDragMove), R(LineLoadDragEnter), R(LineLoadDragEscape), N, H}},
};

}  // namespace

LineLoadTool::LineLoadTool()
    : Tool(EditModeLineLoads, EditModeLineLoads, "Line Loads"), state(std::make_unique<s_State>()) {
}
LineLoadTool::~LineLoadTool() = default;

s_ToolInputs LineLoadTool::Inputs(int) const {
    return {R(LineLoadClick), R(LineLoadEnter), R(LineLoadMove), R(ShowViewMenu)};
}

std::span<const s_CursorModeRow> LineLoadTool::Steps() const { return kSteps; }

void LineLoadTool::Reset(ToolContext& context) {
    // A load being dragged and the arrow shown at the cursor are dropped; the options stay.
    const bool underWay = state->tool.load || state->tool.preview.shown;
    state->tool = s_ToolState{};
    if (!underWay) return;
    ClearPromptBar();
    if (context.View()) context.View()->InvalidateView();
}

std::optional<bool> LineLoadTool::Wheel(ToolContext&, int cursorMode, int delta, bool shift, bool) {
    if (cursorMode != CursorModeNone) return std::nullopt;
    Cpp_LineLoadList::WheelEditTool(shift, delta);
    return true;
}

void LineLoadTool::RegisterDrawing() const { RegisterLineLoadToolDrawing(); }

int LineLoadTool::Bar(int) const { return BarLineLoad; }

void LineLoadTool::Chosen(ToolContext& context, int editMode) {
    Cpp_LineLoadList::StartEntryTool();
    ShowToolPrompt(context, editMode);
}
