#include "editing/tool_table.h"

#include "core/cursor_mode.h"
#include "editing/circle_tool.h"
#include "editing/construction_items.h"
#include "editing/construction_tool.h"
#include "editing/crack_tool.h"
#include "editing/distributed_load_tool.h"
#include "editing/interpolation_tool.h"
#include "editing/line_load_tool.h"
#include "editing/material_tool.h"
#include "editing/nail_geogrid_tools.h"
#include "editing/noncircular_tool.h"
#include "editing/piezometric_tool.h"
#include "editing/profile_tool.h"
#include "editing/radius_tool.h"
#include "editing/reinforcement_tool.h"
#include "editing/select_tool.h"
#include "editing/slope_tool.h"
#include "editing/tool_dialog_bars.h"
#include "editing/view_navigation.h"
#include "editing/view_selection.h"
#include "graphics/graphic_grid.h"
#include "graphics/graphics.h"
#include "model/data_set.h"
#include "model/data_sets.h"
#include "platform/services.h"

#include <algorithm>
#include <memory>
#include <vector>

namespace {

template <class T>
std::unique_ptr<Tool> Make() {
    return std::make_unique<T>();
}

// One row per tool, in the order of their edit modes.
using ToolMaker = std::unique_ptr<Tool> (*)();
constexpr ToolMaker kTools[] = {
    Make<SelectTool>,           // 1
    Make<ConstructionTool>,     // 2
    Make<DistributedLoadTool>,  // 3
    Make<LineLoadTool>,         // 4
    Make<MaterialTool>,         // 5
    Make<ProfileTool>,          // 6
    Make<PiezometricTool>,      // 7
    Make<InterpolationTool>,    // 8 to 11
    Make<SlopeTool>,            // 12
    Make<ReinforcementTool>,    // 13
    Make<CircleTool>,           // 14
    Make<NoncircularTool>,      // 15
    Make<RadiusTool>,           // 16
    Make<CrackTool>,            // 17, 18
    Make<NailTool>,             // 19
    Make<GeogridTool>,          // 20
};

struct ToolTable {
    std::vector<std::unique_ptr<Tool>> owned;
    std::vector<Tool*> tools;
    ToolTable() {
        for (ToolMaker make : kTools) {
            owned.push_back(make());
            tools.push_back(owned.back().get());
        }
    }
};

const ToolTable& Table() {
    static const ToolTable table;
    return table;
}

}  // namespace

std::span<Tool* const> AllTools() { return Table().tools; }

Tool* ToolForEditMode(int editMode) {
    for (Tool* tool : AllTools())
        if (tool->Serves(editMode)) return tool;
    return nullptr;
}

Tool* ToolForCursorMode(int cursorMode) {
    for (Tool* tool : AllTools())
        for (const s_CursorModeRow& row : tool->Steps())
            if (row.firstMode <= cursorMode && cursorMode <= row.lastMode) return tool;
    return nullptr;
}

bool SwitchTool(ToolContext& context, int from, int to) {
    Tool* old = ToolForEditMode(from);
    Tool* next = ToolForEditMode(to);
    // A tool whose exit may refuse keeps its bar until it has left.
    const bool holdsBar = old && old->ExitMayRefuse();
    if (to == from || !holdsBar) HideCurrentToolBar();
    if (to == from) return false;
    if (old && !old->Exit(context, from)) return false;
    const int oldBar = old ? old->Bar(from) : BarNone;
    if (oldBar != BarNone) ShowToolBar(oldBar, false, 0);
    if (holdsBar) HideCurrentToolBar();
    if (next && !next->Enter(context, to)) return false;
    const int newBar = next ? next->Bar(to) : BarNone;
    if (newBar != BarNone) ShowToolBar(newBar, true, 1);
    for (Tool* tool : AllTools()) tool->Reset(context);
    return true;
}

void ResetTools(ToolContext& context) {
    for (Tool* tool : AllTools()) tool->Reset(context);
    if (ToolForCursorMode(GetCursorMode())) ResetCursorMode();
}

void RegisterToolDrawing() {
    RegisterNavigationDrawing();
    for (const Tool* tool : AllTools()) tool->RegisterDrawing();
    RegisterPickBandDrawing();
}

void SetToolPrompt(bool view, int editMode, const s_ToolPromptContext& context) {
    if (const Tool* tool = ToolForEditMode(editMode)) {
        tool->Prompt({view, editMode, context});
    } else {
        SetStatusText(view, "");
    }
}

void ShowToolPrompt(ToolContext& context, int editMode) {
    const Tool* tool = ToolForEditMode(editMode);
    SetToolPrompt(true, editMode, tool ? tool->PromptContext(context) : s_ToolPromptContext{});
}

int ToolBarForMode(int mode) {
    const Tool* tool = ToolForEditMode(mode);
    return tool ? tool->Bar(mode) : BarNone;
}

void Tool::Chosen(ToolContext& context, int editMode) { ShowToolPrompt(context, editMode); }

void Tool::EscapeAtRest(ToolContext& context) {
    if (context.View()) context.View()->EnterSelectMode();
}

// ---------------------------------------------------------------------------------------------
// The context.

s_tagTypePointXY ToolMapping::ToWorld(s_PixelPoint device) const {
    s_tagTypePointXY w;
    Cpp_Graphics::PixelToWorldPoint(device.x, device.y, w.x, w.y);
    return w;
}

s_PixelPoint ToolMapping::ToDevice(const s_tagTypePointXY& world) const {
    return {Cpp_Graphics::XToPixel(world.x), Cpp_Graphics::YToPixel(world.y)};
}

Cpp_Kliven4DataSet* ToolContext::DataSet() const { return Cpp_Kliven4Data::CurrentDataSetOrNull(); }
int ToolContext::Stage() const { return Cpp_Kliven4DataSet::CurrentStage(); }
ToolDialogBars& ToolContext::Bars() const { return TheToolBars(); }
platform::ServiceRegistry& ToolContext::Services() const { return platform::Services(); }

bool ToolSnapper::SnapPress(const ViewInputHost& view, s_tagTypePointXY& point) const {
    if (view.ConstructionPointSnapOn() && SnapToConstructionPoint(point.x, point.y)) return true;
    return Cpp_GraphicGrid::SnapOn() && Cpp_GraphicGrid::SnapToGrid(point.x, point.y, false);
}

bool ToolSnapper::SnapMove(s_tagTypePointXY& point, bool force) const {
    return (Cpp_GraphicGrid::SnapOn() || force) &&
           Cpp_GraphicGrid::SnapToGrid(point.x, point.y, true);
}
