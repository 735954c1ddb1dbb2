#include "editing/crack_tool.h"
#include "analysis/analysis_computation_data.h"
#include "editing/two_step_edits.h"
#include "editing/view_load_steps.h"
#include "editing/view_slip_surface_steps.h"
#include "editing/view_tool_steps.h"
#include "model/data_set.h"

#include "core/cursor_mode.h"
#include "core/message_boxes.h"
#include "core/tool_option_dialogs.h"
#include "editing/cursor_modes.h"
#include "editing/edit_modes.h"
#include "editing/line_entry_tool.h"
#include "editing/tool_dialog_bars.h"
#include "editing/tool_table.h"
#include "editing/view_navigation.h"
#include "editing/view_overlay.h"
#include "graphics/graphic_grid.h"
#include "graphics/graphics.h"
#include "graphics/point_symbols.h"
#include "graphics/prompts.h"
#include "model/program_state.h"
#include "profile/crack.h"
#include "registry/view_preparations.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

using namespace view_overlay;

CmDialogBarCrackTool& Bar() { return TheToolBars().crack; }

// The crack-bottom and water-surface look of point lists (colour, symbol style).
const s_ColorType kBottomColour(5, 7);
const s_ColorType kWaterColour(13, 7);
constexpr int kBottomSymbol = 9, kWaterSymbol = 15;
const s_MarkerSizeType kSymbolSize(static_cast<short>(7));
const s_LineWidthType kLineWidth(static_cast<short>(1));

// The tool's state, held by the tool object of the table.
CrackTool& Self() { return static_cast<CrackTool&>(*ToolForEditMode(EditModeCrack)); }
CrackTool::s_Entry& Entry() { return Self().entry; }
CrackTool::s_PointEdit& Edit() { return Self().edit; }
double& WheelStepValue() { return Self().wheelStep; }

Cpp_CrackPointList& ListOf(Cpp_Crack& crack, bool crackMode) {
    return crackMode ? crack.CrackPointList() : crack.WaterPointList();
}

const s_ColorType& LineColour() { return Entry().crackMode ? kBottomColour : kWaterColour; }

// The band from the anchor to its end, in XOR (drawn twice it is gone); elevation entries only.
void BandOn(platform::DeviceContext& dc) { DrawXorBand(dc, {Entry().anchor, Entry().bandEnd}); }
void Band() {
    if (Entry().active && Entry().kind == 4)
        OnView(Around(Entry().anchor, Entry().bandEnd), BandOn);
}

void SegmentOn(platform::DeviceContext& dc, s_PixelPoint a, s_PixelPoint b) {
    const platform::Pen old = dc.SetPen(platform::Pen{
        platform::PenStyle::Solid, kLineWidth.DeviceWidth(dc), LineColour().RGBColor()});
    dc.MoveTo(a.x, a.y);
    dc.LineTo(b.x, b.y);
    dc.SetPen(old);
}

bool Repeats(double last, double value) {
    return value == last || std::fabs(last - value) < std::fabs(last) * 1e-10;
}

void ShowEntryPrompt() {
    ShowPrompt(
        Cpp_CrackTool::EntryPrompt(Entry().crackMode, Entry().kind, Cpp_CrackTool::EnteredCount()));
}

void EndEntry() {
    Entry().active = false;
    SetSavedCursorMode(0);
    SetCursorMode(CursorModeNone);
    Cpp_CrackTool::ShowToolPrompt(Entry().crackMode);
    ClearPromptBar();
}

// The bar's kind: 1 constant depth, 2 constant elevation, 3 depths, 4 elevations.
int BarKind() {
    CmDialogBarCrackTool& bar = Bar();
    const bool variable = bar.Controls().Index(CmDialogBarCrackTool::IdVariable) != 0;
    const bool elevation = bar.Controls().Index(CmDialogBarCrackTool::IdDepthOrElevation) == 1;
    return (variable ? 3 : 1) + (elevation ? 1 : 0);
}

bool WheelChange(int delta) {
    double x = 0.0, value = 0.0;
    if (!Bar().GetPoint(x, value)) return false;
    value += delta < 1 ? -WheelStepValue() : WheelStepValue();
    Bar().SetXAndValue(x, value);
    return true;
}

void DrawEditBand(platform::DeviceContext& dc);
void DrawFeedback(platform::DeviceContext& dc, Cpp_Kliven4DataSet*) {
    Cpp_CrackTool::DrawToolPoints(dc);
    DrawEditBand(dc);
}

s_PixelPoint PixelOf(const Cpp_CrackPoint* p) {
    return {Cpp_Graphics::XToPixel(p->X()), Cpp_Graphics::YToPixel(p->Value())};
}

// The band of a drag or insertion over its middle, in XOR.
// The band of a drag or insertion: a drag runs from the point before the dragged one, an
// insertion from the segment's start, over the cursor to the next point.
std::vector<s_PixelPoint> EditBandPoints() {
    std::vector<s_PixelPoint> points;
    const Cpp_CrackPoint* first = Edit().drag ? Edit().before : Edit().point;
    const Cpp_CrackPoint* last = Edit().point->Next();
    if (first) points.push_back(PixelOf(first));
    points.push_back(Edit().band);
    if (last) points.push_back(PixelOf(last));
    return points;
}

void EditBand() {
    if (!Edit().active) return;
    const std::vector<s_PixelPoint> points = EditBandPoints();
    if (points.size() < 2) return;
    if (ViewInputHost* view = GetViewWindow())
        view->DrawOverlay(view->ClientRect(), [&](platform::DeviceContext& dc) {
            DrawXorBand(dc, points, Edit().colour);
        });
}

// After a full paint: the band of a drag or insertion again where the cursor was, its pixel
// following the new scale.
void DrawEditBand(platform::DeviceContext& dc) {
    if (!Edit().active) return;
    Edit().band = {Cpp_Graphics::XToPixel(Edit().world.x), Cpp_Graphics::YToPixel(Edit().world.y)};
    const std::vector<s_PixelPoint> points = EditBandPoints();
    if (points.size() >= 2) DrawXorBand(dc, points, Edit().colour);
}

// The step ends; what it changed is drawn by its caller (a full paint only when a crack line
// changed).
void EndPointEdit() {
    Edit().active = false;
    SetCursorMode(CursorModeNone);
    ClearPromptBar();
}

const bool g_resetAdded = (AddProgramStateReset(&Cpp_CrackTool::Reset), true);

}  // namespace

void Cpp_CrackTool::UpdateToolBarValues(const Cpp_Crack& crack, bool crackMode) {
    const int option = crackMode ? crack.GetCrackOption() : crack.GetWaterOption();
    const double constant = crackMode ? crack.GetCrackConstant() : crack.GetWaterConstant();
    const double unitWeight = crackMode ? 0.0 : crack.GetUnitWeightOfWater();
    CmDialogBarCrackTool& bar = Bar();
    bar.SetCrackOrWaterMode(crackMode);
    switch (option) {
    case 2: bar.SetCrackData(crackMode, false, true, constant, unitWeight); break;
    case 3: bar.SetCrackData(crackMode, true, false, 0.0, unitWeight); break;
    case 4: bar.SetCrackData(crackMode, false, false, 0.0, unitWeight); break;
    default:
        bar.SetCrackData(crackMode, true, true, option == 1 ? constant : 0.0, unitWeight);
        break;
    }
}

void Cpp_CrackTool::StartTool(Cpp_Crack& crack, bool crackMode) {
    Bar().SetEntryOption(1);
    UpdateToolBarValues(crack, crackMode);
}

std::string Cpp_CrackTool::GetToolPrompt(bool crackMode) {
    switch (BarKind()) {
    case 1:
        return crackMode ? "Type crack depth and press Enter key to enter depth."
                         : "Type water depth and press Enter key to enter depth.";
    case 2:
        return crackMode
                   ? "Type elevation of crack bottom and press Enter key to enter elevation."
                   : "Type surface elevation of water and press Enter key to enter elevation.";
    default:
        return crackMode ? "Left-click to enter 1st crack point /or/ type 1st point and press "
                           "Enter key."
                         : "Left-click to enter 1st water surface point /or/ type 1st point and "
                           "press Enter key.";
    }
}

void Cpp_CrackTool::ShowToolPrompt(bool crackMode) {
    s_ToolPromptContext context;
    (crackMode ? context.crackPrompt : context.crackWaterPrompt) = GetToolPrompt(crackMode);
    SetToolPrompt(true, crackMode ? EditModeCrack : EditModeCrackWater, context);
}

std::string Cpp_CrackTool::EntryPrompt(bool crackMode, int kind, int count) {
    const char* what = crackMode ? (kind == 4 ? "crack bottom" : "crack depth")
                                 : (kind == 4 ? "water surface" : "water depth");
    return "Left-click or Enter key to enter " + std::string(what) + " points (" +
           std::to_string(count) +
           " pts. entered); Backspace = undo; Right-click = finish; Esc = cancel.";
}

bool Cpp_CrackTool::OnEnterKey(Cpp_Crack& crack, bool crackMode) {
    int kind = 0;
    double x = 0.0, value = 0.0, unitWeight = 0.0;
    if (!Bar().GetCrackData(kind, x, value, unitWeight)) return false;
    if (kind == 1 || kind == 2) {
        if (crackMode) {
            crack.SetCrackOption(kind);
            crack.SetCrackConstant(value);
        } else {
            crack.SetWaterOption(kind);
            crack.SetWaterConstant(value);
        }
        return true;
    }
    OnToolInput(crack, 0, 0, 0.0, 0.0, crackMode, true);
    return false;
}

bool Cpp_CrackTool::OnToolInput(Cpp_Crack&, int px, int py, double x, double y, bool crackMode,
                                bool typed) {
    int kind = 0;
    double barX = 0.0, barValue = 0.0, unitWeight = 0.0;
    if (!Bar().GetCrackData(kind, barX, barValue, unitWeight)) return false;
    if (kind == 1 || kind == 2) {
        const char* text =
            crackMode ? (kind == 1 ? "Press enter key to enter crack depth."
                                   : "Press enter key to enter elevation of crack bottom.")
                      : (kind == 1 ? "Press enter key to enter water depth."
                                   : "Press enter key to enter elevation of water surface.");
        ShowQuestionMessage(nullptr, "Notice", text);
        return false;
    }
    Entry() = CrackTool::s_Entry{};
    Entry().active = true;
    Entry().crackMode = crackMode;
    Entry().kind = kind;
    Cpp_CrackPoint first =
        typed ? Cpp_CrackPoint(barX, barValue) : Cpp_CrackPoint(x, kind == 4 ? y : barValue);
    Entry().points.push_back(first);
    ShowEntryPrompt();
    SetCursorMode(crackMode ? CursorModeCrackDepthEntry : CursorModeCrackWaterEntry);
    const s_PixelPoint pixel = typed ? ToPixel(barX, barValue) : s_PixelPoint{px, py};
    Entry().anchor = Entry().bandEnd = Entry().mouse = pixel;
    Entry().world = {first.X(), first.Value()};
    return true;
}

bool Cpp_CrackTool::EnterPoints(Cpp_Crack& crack, int px, int py, double x, double y,
                                bool crackMode, bool typed, bool& finished) {
    finished = false;
    if (!Entry().active) return false;
    double barX = 0.0, barValue = 0.0;
    if (!Bar().GetPoint(barX, barValue)) return false;
    const int k = Entry().kind;
    const double nx = typed ? barX : x;
    const double nv = typed ? barValue : (k == 4 ? y : barValue);
    // A copy: the list grows below.
    const Cpp_CrackPoint last = Entry().points.back();
    if (Repeats(last.X(), nx) && Repeats(last.Value(), nv)) {
        finished = FinishEntry(crack, crackMode);
        return true;
    }
    Entry().points.emplace_back(nx, nv);
    ShowEntryPrompt();
    if (k == 4) {
        Band();  // erased
        const s_PixelPoint from = ToPixel(last.X(), last.Value());
        const s_PixelPoint to = typed ? ToPixel(nx, nv) : s_PixelPoint{px, py};
        OnView(Around(from, to), [&](platform::DeviceContext& dc) { SegmentOn(dc, from, to); });
        Entry().anchor = Entry().bandEnd = to;
    }
    if (typed)
        Bar().FocusXEdit();
    else
        Bar().SetPoint(nx, nv);
    return true;
}

void Cpp_CrackTool::EntryMouseMove(int px, int py, double x, double y) {
    if (!Entry().active || Entry().kind != 4) return;
    Band();
    Entry().bandEnd = {px, py};
    Band();
    SetCoordinateToolTip(x, y);
    Entry().mouse = {px, py};
    Entry().world = {x, y};
}

bool Cpp_CrackTool::FinishEntry(Cpp_Crack& crack, bool crackMode) {
    if (!Entry().active) return false;
    Band();  // erased
    bool stored = false;
    if (Entry().points.size() > 1) {
        Cpp_CrackPointList& list = crackMode ? crack.CrackPointList() : crack.WaterPointList();
        list.Clear();
        if (crackMode)
            crack.SetCrackOption(Entry().kind);
        else
            crack.SetWaterOption(Entry().kind);
        for (const Cpp_CrackPoint& p : Entry().points) list.AddPoint(p.X(), p.Value());
        list.Renumber();
        stored = true;
    }
    EndEntry();
    InvalidateViewWindow();
    return stored;
}

void Cpp_CrackTool::CancelEntry() {
    if (!Entry().active) return;
    Band();  // erased
    EndEntry();
    // The segments drawn during the entry go with the next paint.
    InvalidateViewWindow();
}

void Cpp_CrackTool::DrawToolPoints(platform::DeviceContext& dc) {
    if (!Entry().active) return;
    if (GetCursorMode() == CursorModeNone && GetSavedCursorMode() != 0) {
        SetCursorMode(GetSavedCursorMode());
        SetSavedCursorMode(0);
    }
    if (Entry().kind != 4) return;
    const std::vector<Cpp_CrackPoint>& points = Entry().points;
    for (std::size_t i = 1; i < points.size(); ++i)
        SegmentOn(dc, ToPixel(points[i - 1].X(), points[i - 1].Value()),
                  ToPixel(points[i].X(), points[i].Value()));
    for (const Cpp_CrackPoint& p : points)
        DrawWithAttributes(dc, p.X(), p.Value(), kLineWidth, LineColour(), kSymbolSize,
                           Entry().crackMode ? kBottomSymbol : kWaterSymbol);
    // The band again, from the last point to the cursor at the new scale.
    s_tagTypePointXY at;
    Cpp_Graphics::PixelToWorldPoint(Entry().mouse.x, Entry().mouse.y, at.x, at.y);
    if (Cpp_GraphicGrid::SnapOn()) Cpp_GraphicGrid::SnapToGrid(at.x, at.y, false);
    Entry().anchor = ToPixel(points.back().X(), points.back().Value());
    if (at.x != Entry().world.x || at.y != Entry().world.y) {
        Entry().bandEnd = ToPixel(at.x, at.y);
        Entry().world = at;
    }
    const int mode = GetCursorMode();
    if (mode == CursorModeCrackDepthEntry || mode == CursorModeCrackWaterEntry) BandOn(dc);
}

bool Cpp_CrackTool::WheelEditToolValue(int delta) {
    if (!Entry().active || Entry().kind != 3) return false;
    return WheelChange(delta);
}

bool Cpp_CrackTool::WheelMoveToolPoint(int delta) { return WheelChange(delta); }

bool Cpp_CrackTool::ShowToolOptionsDialog() {
    s_CrackToolOptions options{WheelStepValue()};
    if (!ToolOptionDialogsSlot().Get().Crack(options)) return false;
    WheelStepValue() = options.step;
    return true;
}

namespace {

// The point's two segments and its symbol on the view, in the list's colour or (erase) in the
// background colour; the neighbours' symbols are drawn again with them. Only a list of
// elevations is drawn at all.
void DrawAroundPoint(const Cpp_Crack& crack, bool crackMode, const Cpp_CrackPoint* before,
                     const Cpp_CrackPoint* point, bool erase) {
    if ((crackMode ? crack.GetCrackOption() : crack.GetWaterOption()) != 4) return;
    const Cpp_CrackPoint* after = point->Next();
    const s_PixelPoint at = PixelOf(point);
    const s_PixelPoint from = before ? PixelOf(before) : at, to = after ? PixelOf(after) : at;
    const platform::DeviceRect touched{
        std::min({from.x, at.x, to.x}) - 24, std::min({from.y, at.y, to.y}) - 24,
        std::max({from.x, at.x, to.x}) + 25, std::max({from.y, at.y, to.y}) + 25};
    const s_ColorType& colour = crackMode ? kBottomColour : kWaterColour;
    const int symbol = crackMode ? kBottomSymbol : kWaterSymbol;
    OnView(touched, [&](platform::DeviceContext& dc) {
        const platform::Pen old =
            dc.SetPen(platform::Pen{platform::PenStyle::Solid, kLineWidth.DeviceWidth(dc),
                                    erase ? dc.GetBkColor() : colour.RGBColor()});
        dc.MoveTo(from.x, from.y);
        dc.LineTo(at.x, at.y);
        dc.LineTo(to.x, to.y);
        dc.SetPen(old);
        if (erase) {
            EraseSymbol(dc, point->X(), point->Value(), kLineWidth, kSymbolSize, symbol);
            return;
        }
        for (const Cpp_CrackPoint* p : {before, point, after})
            if (p)
                DrawWithAttributes(dc, p->X(), p->Value(), kLineWidth, colour, kSymbolSize, symbol);
    });
}

}  // namespace

bool Cpp_CrackTool::MovePoint(Cpp_Crack& crack, Cpp_CrackPoint* point, double x, double value,
                              bool crackMode) {
    Cpp_CrackPoint* before = nullptr;
    Cpp_CrackPoint* p = ListOf(crack, crackMode).Head();
    for (; p && p != point; p = p->Next()) before = p;
    if (!p) return false;
    DrawAroundPoint(crack, crackMode, before, p, true);
    p->SetXY(x, value);
    DrawAroundPoint(crack, crackMode, before, p, false);
    return true;
}

bool Cpp_CrackTool::StartDragPoint(Cpp_Crack& crack, Cpp_CrackPoint* point, bool crackMode, int px,
                                   int py) {
    Cpp_CrackPoint* before = nullptr;
    Cpp_CrackPoint* p = ListOf(crack, crackMode).Head();
    for (; p && p != point; p = p->Next()) before = p;
    if (!p) return false;
    Edit() = CrackTool::s_PointEdit{true,
                                    &crack,
                                    crackMode,
                                    point,
                                    before,
                                    {px, py},
                                    {point->X(), point->Value()},
                                    platform::MakeRgb(160, 160, 160),
                                    true};
    SetCursorMode(CursorModeDragCrackPoint);
    EditBand();
    return true;
}

void Cpp_CrackTool::DragPointMouseMove(int px, int py, double x, double y) {
    if (!Edit().active) return;
    EditBand();
    Edit().band = {px, py};
    Edit().world = {x, y};
    EditBand();
}

bool Cpp_CrackTool::EndDragPoint(bool fromBar) {
    if (!Edit().active) return false;
    double x = Edit().world.x, value = Edit().world.y;
    if (fromBar && !Bar().GetPoint(x, value)) return false;
    EditBand();  // erased
    const bool moved = MovePoint(*Edit().crack, Edit().point, x, value, Edit().crackMode);
    EndPointEdit();
    return moved;
}

void Cpp_CrackTool::CancelDrag() {
    if (!Edit().active) return;
    EditBand();
    EndPointEdit();
}

bool Cpp_CrackTool::StartInsertPoint(Cpp_Crack& crack, Cpp_CrackPoint* segmentStart,
                                     bool crackMode) {
    if (!segmentStart || !segmentStart->Next()) return false;
    Edit() = CrackTool::s_PointEdit{true,
                                    &crack,
                                    crackMode,
                                    segmentStart,
                                    nullptr,
                                    PixelOf(segmentStart),
                                    {segmentStart->X(), segmentStart->Value()},
                                    kEntryBandColor,
                                    false};
    SetCursorMode(crackMode ? CursorModeInsertCrackDepthPoint : CursorModeInsertCrackWaterPoint);
    ShowPrompt("Place cursor at point being inserted and left-click.");
    EditBand();
    return true;
}

void Cpp_CrackTool::InsertMouseMove(int px, int py, double x, double y) {
    DragPointMouseMove(px, py, x, y);
    if (Edit().active) SetCoordinateToolTip(x, y);
}

bool Cpp_CrackTool::InsertPointAtCursor(double x, double y) {
    if (!Edit().active) return false;
    EditBand();  // erased
    auto* inserted = new Cpp_CrackPoint(x, y);
    inserted->SetNext(Edit().point->Next());
    Edit().point->SetNext(inserted);
    ListOf(*Edit().crack, Edit().crackMode).Renumber();
    const bool crackMode = Edit().crackMode;
    EndPointEdit();
    ShowToolPrompt(crackMode);
    return true;
}

void Cpp_CrackTool::CancelInsert() {
    if (!Edit().active) return;
    EditBand();
    const bool crackMode = Edit().crackMode;
    EndPointEdit();
    ShowToolPrompt(crackMode);
}

bool Cpp_CrackTool::WheelMovePoint(Cpp_Crack& crack, Cpp_CrackPoint* point, bool crackMode,
                                   int delta) {
    if (!point) return false;
    const double value = point->Value() + (delta < 1 ? -WheelStepValue() : WheelStepValue());
    Bar().SetXAndValue(point->X(), value);
    return MovePoint(crack, point, point->X(), value, crackMode);
}

bool Cpp_CrackTool::EditedCrackMode() { return Edit().crackMode; }

double Cpp_CrackTool::WheelStep() { return WheelStepValue(); }
bool Cpp_CrackTool::IsEntering() { return Entry().active; }
int Cpp_CrackTool::EnteredCount() { return static_cast<int>(Entry().points.size()); }

void Cpp_CrackTool::RegisterDrawing() {
    RegisterAfterDataDrawing(e_AfterDataStep::ToolFeedback, &DrawFeedback);
}

void Cpp_CrackTool::Reset() {
    Entry() = CrackTool::s_Entry{};
    Edit() = CrackTool::s_PointEdit{};
    WheelStepValue() = 1.0;
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
    {42,
     43,
     "Crack entry",
     {R(CrackEntryClick), R(CrackEntryMove), R(CrackEntryEnter), R(CrackEntryEscape), N,
      R(CrackEntryFinish)}},
    {98,
     98,
     "Move (\"Drag\") Item",
     {R(CrackDragDrop), R(CrackDragMove), R(CrackDragDropFromBar), R(CrackDragEscape), N, H}},
    {120,
     121,
     "Insert Point",
     {R(CrackInsertClick), R(CrackInsertMove), D, R(CrackInsertEscape), N, H}},
};

}  // namespace

CrackTool::CrackTool() : Tool(EditModeCrack, EditModeCrackWater, "Crack") {}

s_ToolInputs CrackTool::Inputs(int) const {
    return {R(CrackToolClick), R(CrackToolEnter), R(CrackToolMove), R(ShowViewMenu)};
}

std::span<const s_CursorModeRow> CrackTool::Steps() const { return kSteps; }

void CrackTool::Reset(ToolContext& context) {
    // An entry, drag or insertion under way is dropped; the wheel step stays.
    const bool underWay = entry.active || edit.active;
    entry = s_Entry{};
    edit = s_PointEdit{};
    if (!underWay) return;
    ClearPromptBar();
    if (context.View()) context.View()->InvalidateView();
}

std::optional<bool> CrackTool::Wheel(ToolContext& context, int cursorMode, int delta, bool, bool) {
    if (cursorMode == CursorModeNone) return Cpp_CrackTool::WheelMoveToolPoint(delta);
    if (cursorMode != CursorModeCrackDepthEntry || !context.View() ||
        !context.View()->WheelEditingOn())
        return std::nullopt;
    Cpp_CrackTool::WheelEditToolValue(delta);
    return true;
}

void CrackTool::RegisterDrawing() const { Cpp_CrackTool::RegisterDrawing(); }

void CrackTool::Prompt(const s_ToolPrompt& prompt) const {
    SetStatusText(prompt.view, prompt.editMode == EditModeCrack ? prompt.context.crackPrompt
                                                                : prompt.context.crackWaterPrompt);
}

int CrackTool::Bar(int) const { return BarCrack; }

void CrackTool::Chosen(ToolContext& context, int editMode) {
    // 1 for the crack, 0 for the water in it; the button has made sure of analysis data.
    const bool crackMode = editMode == EditModeCrack;
    if (Cpp_Kliven4DataSet* dataSet = context.DataSet())
        if (Cpp_AnalysisComputationData* analysis = dataSet->AnalysisComputationData())
            Cpp_CrackTool::StartTool(analysis->GetCrack(), crackMode);
    Cpp_CrackTool::ShowToolPrompt(crackMode);
}
