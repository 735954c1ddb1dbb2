#include "editing/slope_tool.h"

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
    const bool added = fromBar ? Cpp_LineEntry::AddTypedPoint(x, y)
                               : Cpp_LineEntry::AddClickedPoint(px, py, x, y);
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
