// The construction tool: construction lines entered point by point with the shared point-entry
// tool, construction circles entered with a green XOR band from the centre, and the drawing of
// both lists over the problem.

#include "editing/construction_tool.h"
#include "editing/construction_items.h"
#include "editing/edit_modes.h"
#include "editing/two_step_edits.h"
#include "editing/view_load_steps.h"
#include "editing/view_slip_surface_steps.h"
#include "editing/view_tool_steps.h"

#include "core/cursor_mode.h"
#include "editing/cursor_modes.h"
#include "editing/display_bounds.h"
#include "editing/line_entry_tool.h"
#include "editing/line_point_tools.h"
#include "editing/tool_dialog_bars.h"
#include "editing/tool_table.h"
#include "editing/view_navigation.h"
#include "graphics/graphic_string.h"
#include "graphics/graphics.h"
#include "graphics/line.h"
#include "graphics/line_drawing.h"
#include "graphics/point_symbols.h"
#include "graphics/prompts.h"
#include "model/program_state.h"
#include "registry/view_preparations.h"

#include <cmath>
#include <cstdlib>
#include <vector>

namespace {

CmDialogBarConstructionTool& Bar() { return TheToolBars().construction; }

// The look of construction items.
const s_ColorType kColour(27, 7);

s_LinePenType LinePen() {
    s_LinePenType pen;
    pen.width = s_LineWidthType(static_cast<short>(1));
    pen.style = 0;
    pen.colour = kColour;
    pen.layerName = "Construction_Lines";
    return pen;
}

s_SymbolAttributesType PointAttributes() {
    s_SymbolAttributesType a;
    a.markerSize = s_MarkerSizeType(static_cast<short>(5));
    a.penWidth = s_LineWidthType(static_cast<short>(1));
    a.style = 3;
    a.colour = kColour;
    a.layerName = "Construction_Points";
    return a;
}

const s_FontType& NumberFont() {
    static const s_FontType font("Arial", 8, 400);
    return font;
}

// The circles: 1-point solid line, centre symbol 16 of 11 points.
const s_LineWidthType kCircleWidth(static_cast<short>(1));
const s_MarkerSizeType kCentreSize(static_cast<short>(11));
constexpr int kCentreSymbol = 16;

// The pen of a line-style code: -2 dash, -3 dot, -4 dash-dot, -5 dash-dot-dot, else solid.
platform::PenStyle StyleOf(int code) {
    switch (code) {
    case -2: return platform::PenStyle::Dash;
    case -3: return platform::PenStyle::Dot;
    case -4: return platform::PenStyle::DashDot;
    case -5: return platform::PenStyle::DashDotDot;
    default: return platform::PenStyle::Solid;
    }
}

template <typename Draw>
void OnView(Draw&& draw) {
    if (ViewInputHost* view = GetViewWindow()) view->DrawOverlay(view->ClientRect(), draw);
}

// The tool's state, held by the tool object of the table.
ConstructionTool& Self() {
    return static_cast<ConstructionTool&>(*ToolForEditMode(EditModeConstruction));
}
ConstructionTool::s_CircleEntry& CircleEntry() { return Self().circleEntry; }

bool ValidType(int type) { return type >= CircleGivenRadius && type <= CircleTangentVertical; }

// The band in XOR: drawn twice it is gone.
void CircleBandOn(platform::DeviceContext& dc) {
    const int cx = CircleEntry().centre.x, cy = CircleEntry().centre.y;
    const int qx = CircleEntry().cursor.x, qy = CircleEntry().cursor.y;
    int r = 0;
    switch (CircleEntry().type) {
    case CircleTangentHorizontal: r = cy - qy; break;
    case CircleTangentVertical: r = cx - qx; break;
    default: r = static_cast<int>(std::hypot(qx - cx, qy - cy)); break;
    }
    r = std::abs(r);
    const platform::Pen oldPen =
        dc.SetPen(platform::Pen{platform::PenStyle::Solid, 1, kEntryBandColor});
    const platform::Brush oldBrush = dc.SetBrush(platform::Brush{platform::BrushKind::Hollow});
    const platform::RasterOp oldOp = dc.SetRop2(platform::RasterOp::XorPen);
    dc.Ellipse(cx - r, cy - r, cx + r, cy + r);
    const platform::DeviceRect page = dc.PageRect();
    switch (CircleEntry().type) {
    case CircleGivenRadius:
        dc.MoveTo(cx, cy);
        dc.LineTo(qx, qy);
        break;
    case CircleThroughPoint: dc.Ellipse(qx - 5, qy - 5, qx + 5, qy + 5); break;
    case CircleTangentHorizontal:
        dc.MoveTo(page.left, qy);
        dc.LineTo(page.right, qy);
        break;
    case CircleTangentVertical:
        dc.MoveTo(qx, page.top);
        dc.LineTo(qx, page.bottom);
        break;
    default: break;
    }
    dc.SetRop2(oldOp);
    dc.SetBrush(oldBrush);
    dc.SetPen(oldPen);
}
void CircleBand() {
    if (CircleEntry().active) OnView(CircleBandOn);
}

void EndCircleEntry() {
    CircleEntry().active = false;
    SetCursorMode(CursorModeNone);
    ClearPromptBar();
}

void DrawNewCircle(const Cpp_ConstructionCircle& circle) {
    OnView([&](platform::DeviceContext& dc) { circle.Draw(dc); });
}

void DrawItems(platform::DeviceContext& dc, Cpp_Kliven4DataSet*) { DrawConstructionItems(dc); }
void DrawCircleFeedback(platform::DeviceContext& dc, Cpp_Kliven4DataSet*) {
    if (CircleEntry().active && GetCursorMode() == CursorModeConstructionCircleEntry)
        CircleBandOn(dc);
}

// Program start: no circle entry, everything shown and selectable.
void ResetToolState() {
    CircleEntry() = ConstructionTool::s_CircleEntry{};
    GetConstructionLineList().ResetFlags();
    GetConstructionCircleList().ResetFlags();
}
const bool g_resetAdded = (AddProgramStateReset(&ResetToolState), true);

}  // namespace

// ---------------------------------------------------------------------------------------------
// Lines.

s_DrawAttributesType Cpp_ConstructionLineList::GetDrawAttributes() {
    const s_LinePenType pen = LinePen();
    const s_SymbolAttributesType points = PointAttributes();
    return s_DrawAttributesType(pen.width, pen.colour, points.penWidth, points.markerSize,
                                points.style, points.colour);
}

void Cpp_ConstructionLineList::Draw(platform::DeviceContext& dc) {
    if (IsEmpty()) return;
    if (showLines_) {
        CreateLinePen(LinePen());
        for (const auto& line : Lines()) DrawLine(dc, *line);
        DeletePenObject();
    }
    if (showPoints_) {
        SetupPointPensOnBackground(PointAttributes());
        for (const auto& line : Lines()) DrawLinePoints(dc, *line);
        DeletePointPens();
    }
    // A construction point (a line of one point) shows its line's number beside it.
    bool attributesSet = false;
    for (const auto& line : Lines()) {
        Cpp_PointXY* point = line->FirstPoint();
        if (!point || point->Next()) continue;
        if (!attributesSet)
            attributesSet = Cpp_GraphicString::SetDrawingAttributes(
                NumberFont(), 3, 0, 1, 0, false, s_ColorType(1, 7), "Construction Point Number");
        point->SetNumber(line->GetNumber());
        DrawNumberLabel(point->X(), point->Y(), line->GetNumber(), false);
    }
    if (attributesSet) Cpp_GraphicString::ReleaseDrawingAttributes();
}

bool Cpp_ConstructionLineList::StartEntry(int px, int py, double x, double y, bool typed) {
    if (!ChooseEntryPoint(Bar(), px, py, x, y, typed)) return false;
    Cpp_LineEntry::StartEnterPoints(px, py, x, y, GetDrawAttributes());
    SetCursorMode(CursorModeConstructionLineEntry);
    return true;
}

bool Cpp_ConstructionLineList::EnterTypedPoint(int px, int py, double x, double y, bool typed) {
    if (!ChooseEntryPoint(Bar(), px, py, x, y, typed)) return false;
    const bool added =
        typed ? Cpp_LineEntry::AddTypedPoint(x, y) : Cpp_LineEntry::AddClickedPoint(px, py, x, y);
    if (added) return false;
    // The last point again: the line is finished.
    const bool made = AddConstructionLineFromToolBar();
    UpdateDisplayBoundsFromGeometry();
    return made;
}

bool Cpp_ConstructionLineList::AddLineFromPoints() {
    if (!Cpp_LineEntry::IsActive()) return false;
    std::vector<s_tagTypePointXY> points;
    int count = 1;
    Cpp_LineEntry::FinishEnterPoints(points, count);
    InvalidateViewWindow();
    if (count == 0) return false;
    const int number = FirstUnusedNumber();
    Cpp_Line* line = NewLine();
    line->SetNumber(number);
    for (const s_tagTypePointXY& p : points) line->AddPoint(p.x, p.y);
    line->NumberPoints();
    return true;
}

bool Cpp_ConstructionLineList::SplitLineAtSegment(Cpp_Line* line, Cpp_PointXY* segmentStart,
                                                  bool fromBar) {
    if (!line || IndexOf(line) < 0 || !segmentStart || !line->ContainsPoint(segmentStart))
        return false;
    s_tagTypePointXY at;
    if (!CompleteSplitFromBar(Bar(), fromBar, at)) return false;
    Cpp_PointXY* cut = line->InsertPointAfter(segmentStart, at.x, at.y);
    const std::vector<s_tagTypePointXY> rest = CutLineAfter(*line, cut);
    line->NumberPoints();
    const int number = FirstUnusedNumber();
    Cpp_Line* added = NewLine();
    added->SetNumber(number);
    for (const s_tagTypePointXY& p : rest) added->AddPoint(p.x, p.y);
    added->NumberPoints();
    InvalidateViewWindow();
    return true;
}

bool AddConstructionLineFromToolBar() { return GetConstructionLineList().AddLineFromPoints(); }

bool ConstructionToolClick(int px, int py, double x, double y, bool typed) {
    if (Bar().IsCircleChecked()) return ConstructionCircleTool(px, py, x, y, typed);
    return GetConstructionLineList().StartEntry(px, py, x, y, typed);
}

// ---------------------------------------------------------------------------------------------
// Circles.

void Cpp_ConstructionCircle::Draw(platform::DeviceContext& dc) const {
    const int r = Cpp_Graphics::WorldLengthToPixelsX(radius_);
    const int cx = Cpp_Graphics::XToPixel(x_), cy = Cpp_Graphics::YToPixel(y_);
    const platform::Pen oldPen =
        dc.SetPen(platform::Pen{StyleOf(0), kCircleWidth.DeviceWidth(dc), kColour.RGBColor()});
    const platform::Brush oldBrush = dc.SetBrush(platform::Brush{platform::BrushKind::Hollow});
    dc.Ellipse(cx - r, cy - r, cx + r, cy + r);
    dc.SetBrush(oldBrush);
    dc.SetPen(oldPen);
    DrawWithAttributes(dc, x_, y_, kCircleWidth, kColour, kCentreSize, kCentreSymbol);
}

void Cpp_ConstructionCircleList::Draw(platform::DeviceContext& dc) const {
    if (!showCircles_) return;
    for (const auto& circle : circles_) circle->Draw(dc);
}

std::string ConstructionCirclePrompt(int type) {
    switch (type) {
    case CircleGivenRadius: return "Set radius of circle; Escape to cancel";
    case CircleThroughPoint: return "Set point through which circles passes; Escape to cancel";
    case CircleTangentHorizontal:
        return "Set elevation (Y) of horizontal tangent; Escape to cancel";
    case CircleTangentVertical:
        return "Set horizontal position (X) of vertical tangent; Escape to cancel";
    default: return "";
    }
}

bool ConstructionCircleTool(int px, int py, double x, double y, bool typed) {
    CmDialogBarConstructionTool& bar = Bar();
    // Only a circle with a radius rule can be made (and written).
    const int type = bar.GetCircleDefinition();
    if (typed) {
        double first = 0.0, second = 0.0;
        if (!ValidType(type) || !bar.GetPoint(x, y) || !bar.GetCircleValues(first, second))
            return false;
        DrawNewCircle(*GetConstructionCircleList().NewCircle(x, y, type, first, second));
        return true;
    }
    bar.SetPoint(x, y);
    if (!ValidType(type)) return false;
    CircleEntry().active = true;
    CircleEntry().x = x;
    CircleEntry().y = y;
    CircleEntry().centre = CircleEntry().cursor = {px, py};
    CircleEntry().type = type;
    CircleBand();
    SetCursorMode(CursorModeConstructionCircleEntry);
    ShowPrompt(ConstructionCirclePrompt(type));
    return true;
}

bool ConstructionCircleClick(int, int, double x, double y, bool typed) {
    if (!CircleEntry().active) return false;
    CmDialogBarConstructionTool& bar = Bar();
    double first = 0.0, second = 0.0;
    if (typed && !bar.GetCircleValues(first, second)) return false;  // the entry goes on
    CircleBand();                                                    // erased
    const int type = bar.GetCircleDefinition();
    if (!typed) {
        switch (type) {
        case CircleGivenRadius: first = std::hypot(x - CircleEntry().x, y - CircleEntry().y); break;
        case CircleThroughPoint:
            first = x;
            second = y;
            break;
        case CircleTangentHorizontal: first = y; break;
        case CircleTangentVertical: first = x; break;
        default: break;
        }
    }
    EndCircleEntry();
    if (!ValidType(type)) return false;
    DrawNewCircle(*GetConstructionCircleList().NewCircle(CircleEntry().x, CircleEntry().y, type,
                                                         first, second));
    return true;
}

bool DefineSelectedConstructionCircle(Cpp_ConstructionCircle& circle) {
    CmDialogBarConstructionTool& bar = Bar();
    const int type = bar.GetCircleDefinition();
    double x = 0.0, y = 0.0, first = 0.0, second = 0.0;
    if (!ValidType(type) || !bar.GetPoint(x, y) || !bar.GetCircleValues(first, second))
        return false;
    circle.Define(x, y, type, first, second);
    return true;
}

void Cpp_ConstructionCircleList::RubberBandMove(int px, int py) {
    if (!CircleEntry().active) return;
    CircleBand();
    CircleEntry().cursor = {px, py};
    CircleBand();
}

void Cpp_ConstructionCircleList::CancelEntry() {
    if (!CircleEntry().active) return;
    CircleBand();  // erased
    EndCircleEntry();
}

// ---------------------------------------------------------------------------------------------

void DrawConstructionItems(platform::DeviceContext& dc) {
    GetConstructionLineList().Draw(dc);
    GetConstructionCircleList().Draw(dc);
}

void RegisterConstructionDrawing() {
    RegisterAfterDataDrawing(e_AfterDataStep::ConstructionItems, &DrawItems);
    RegisterAfterDataDrawing(e_AfterDataStep::ToolFeedback, &DrawCircleFeedback);
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
    {16,
     16,
     "Construction circle entry",
     {R(CircleEntryClick), R(CircleEntryMove), R(CircleEntryEnter), R(CircleEntryEscape), N, H}},
    {17,
     17,
     "Construction line entry",
     {R(LineEntryClick), R(LineEntryMove), R(LineEntryEnter), R(LineEntryEscape), N,
      R(LineEntryFinish)}},
};

}  // namespace

ConstructionTool::ConstructionTool()
    : Tool(EditModeConstruction, EditModeConstruction, "Construction Lines") {}

s_ToolInputs ConstructionTool::Inputs(int) const {
    return {R(ConstructionClick), R(ConstructionEnter), R(ConstructionMove), R(ShowViewMenu)};
}

std::span<const s_CursorModeRow> ConstructionTool::Steps() const { return kSteps; }

void ConstructionTool::Reset(ToolContext&) {
    Cpp_LineEntry::Drop();
    Cpp_ConstructionCircleList::CancelEntry();
}

void ConstructionTool::RegisterDrawing() const {
    Cpp_LineEntry::RegisterDrawing();
    RegisterConstructionDrawing();
}

void ConstructionTool::Prompt(const s_ToolPrompt& prompt) const {
    SetStatusTextFromId(prompt.view, 1310);
}

int ConstructionTool::Bar(int) const { return BarConstruction; }
