#include "editing/slope_tool.h"
#include "editing/edit_modes.h"
#include "graphics/prompts.h"

#include "core/cursor_mode.h"
#include "editing/cursor_modes.h"
#include "editing/display_bounds.h"
#include "editing/line_entry_tool.h"
#include "editing/line_point_tools.h"
#include "editing/tool_dialog_bars.h"
#include "editing/view_navigation.h"
#include "graphics/graphics.h"
#include "model/data_set.h"
#include "model/data_sets.h"
#include "model/derived_data.h"
#include "profile/slope_drawing.h"
#include "profile/slope_geometry.h"

#include <vector>

namespace {

CmDialogBarSlopeTool& Bar() { return TheToolBars().slope; }

}  // namespace

bool Cpp_SlopeTool::StartLineEntry(int px, int py, double x, double y, bool fromBar) {
    if (!ChooseEntryPoint(Bar(), px, py, x, y, fromBar)) return false;
    Cpp_LineEntry::StartEnterPoints(px, py, x, y, GetSlopeDisplayAttributes());
    SetCursorMode(CursorModeSlopeLineEntry);
    return true;
}

bool Cpp_SlopeTool::EnterPointFromTool(int px, int py, double x, double y, bool fromBar) {
    if (!ChooseEntryPoint(Bar(), px, py, x, y, fromBar)) return false;
    const bool added =
        fromBar ? Cpp_LineEntry::AddTypedPoint(x, y) : Cpp_LineEntry::AddClickedPoint(px, py, x, y);
    return added ? false : FinishEntry();
}

bool Cpp_SlopeTool::FinishEntry() {
    if (!Cpp_LineEntry::IsActive()) return false;
    std::vector<s_tagTypePointXY> points;
    int count = 2;
    Cpp_LineEntry::FinishEnterPoints(points, count);
    InvalidateViewWindow();
    if (count == 0) return false;
    Cpp_Kliven4DataSet& dataSet = *Cpp_Kliven4Data::CurrentDataSet();
    Cpp_SlopeGeometry& geometry = dataSet.SlopeGeometry();
    geometry.GetSlopeLine().SetPointsFromXYArray(points, count);
    geometry.GetSlopeLine().NumberPoints();
    geometry.SetEnteredFlag(true);
    // The crack hangs on the slope.
    ComputeCrackBottom(dataSet, nullptr);
    ComputeCrackWaterLevels(dataSet);
    UpdateDisplayBoundsFromGeometry();
    return true;
}

void Cpp_SlopeTool::CancelEntryTool() { Cpp_LineEntry::CancelEnterPoints(); }

bool Cpp_SlopeTool::StartAddPointAtEnd(Cpp_PointXY* endPoint) {
    Cpp_SlopeLine& slope = Cpp_Kliven4Data::CurrentDataSet()->SlopeGeometry().GetSlopeLine();
    return Cpp_LineTool::StartAddPointAtEnd(&slope, endPoint, LINEKIND_SLOPE,
                                            GetSlopeDisplayAttributes());
}

bool Cpp_SlopeTool::CompleteInsertFromToolBar(double x, double y, bool link, bool fromBar) {
    if (fromBar && !Bar().GetPoint(x, y)) return false;
    return Cpp_LineTool::CompleteInsertOnSegment(x, y, link);
}

void Cpp_SlopeTool::SlopeChanged() {
    Cpp_Kliven4DataSet& dataSet = *Cpp_Kliven4Data::CurrentDataSet();
    dataSet.SlopeGeometry().SetEnteredFlag(true);
    ComputeCrackBottom(dataSet, nullptr);
    ComputeCrackWaterLevels(dataSet);
}

// ---------------------------------------------------------------------------------------------
// The tool object.

namespace {

using namespace tool_cells;
using namespace view_input_ops;

// With Shift held the cursor's point goes into the bar's X and Y.
void SlopeShiftMove(s_InputCall& c) {
    if (c.in.shift) TheToolBars().slope.SetPoint(c.rounded.x, c.rounded.y);
}
void SlopeEntryMove(s_InputCall& c) {
    SlopeShiftMove(c);
    LineEntryPointMove(c);
}
void SlopeFirstPoint(s_InputCall& c) {
    Cpp_SlopeTool::StartLineEntry(c.in.device.x, c.in.device.y, c.rounded.x, c.rounded.y, false);
}
void SlopeFirstPointFromBar(s_InputCall&) { Cpp_SlopeTool::StartLineEntry(0, 0, 0, 0, true); }
void SlopePoint(s_InputCall& c) {
    if (Cpp_SlopeTool::EnterPointFromTool(c.in.device.x, c.in.device.y, c.rounded.x, c.rounded.y,
                                          false))
        LineKindAdded(c, 2);
}
void SlopePointFromBar(s_InputCall& c) {
    if (Cpp_SlopeTool::EnterPointFromTool(0, 0, 0, 0, true)) LineKindAdded(c, 2);
}
void SlopeFinish(s_InputCall& c) {
    if (Cpp_SlopeTool::FinishEntry()) LineKindAdded(c, 2);
}
void SlopeEscape(s_InputCall& c) {
    if (c.in.shift) {
        Cpp_LineEntry::UndoLastEnteredPoint();
    } else {
        Cpp_SlopeTool::CancelEntryTool();
    }
}

//                                 Left  Move  Enter Esc   Bksp  Right
const s_CursorModeRow kSteps[] = {
    {23,
     23,
     "Slope line entry",
     {R(SlopePoint), R(SlopeEntryMove), R(SlopePointFromBar), R(SlopeEscape), X, R(SlopeFinish)}},
};

}  // namespace

SlopeTool::SlopeTool() : Tool(EditModeSlopeLine, EditModeSlopeLine, "Slope Line") {}

s_ToolInputs SlopeTool::Inputs(int) const {
    return {R(SlopeFirstPoint), R(SlopeFirstPointFromBar), R(SlopeShiftMove), R(ShowViewMenu)};
}

std::span<const s_CursorModeRow> SlopeTool::Steps() const { return kSteps; }

void SlopeTool::Reset(ToolContext&) { Cpp_LineEntry::Drop(); }

std::optional<bool> SlopeTool::Delete(ToolContext& context, int cursorMode) {
    (void)context;
    (void)cursorMode;
    return std::nullopt;
}

void SlopeTool::RegisterDrawing() const { Cpp_LineEntry::RegisterDrawing(); }

void SlopeTool::Prompt(const s_ToolPrompt& prompt) const { SetStatusTextFromId(prompt.view, 1315); }

int SlopeTool::Bar(int) const { return BarSlope; }
