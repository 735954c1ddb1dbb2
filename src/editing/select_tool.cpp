#include "editing/select_tool.h"
#include "editing/cursor_modes.h"
#include "editing/edit_modes.h"
#include "editing/line_point_tools.h"
#include "editing/material_table_drag.h"
#include "editing/selection_edit_commands.h"
#include "editing/selection_kinds.h"
#include "editing/selection_list.h"
#include "editing/tool_dialog_bars.h"
#include "editing/two_step_edits.h"
#include "editing/view_load_steps.h"
#include "editing/view_navigation.h"
#include "editing/view_selection.h"
#include "editing/view_slip_surface_steps.h"
#include "editing/view_tool_steps.h"
#include "graphics/prompts.h"

// ---------------------------------------------------------------------------------------------
// The tool object.

namespace {

using namespace tool_cells;
using namespace view_input_ops;
using namespace view_tool_steps;
using namespace view_slip_surface_steps;
using namespace view_load_ops;
using namespace view_edit_steps;

e_SelectPromptEnd PromptEnd(int kind) {
    const s_SelectionKindRow* row = FindSelectionKind(kind);
    return row ? row->promptEnd : e_SelectPromptEnd::Default;
}

//                                 Left  Move  Enter Esc   Bksp  Right
const s_CursorModeRow kSteps[] = {
    {58,
     58,
     "Material table drag",
     {R(MaterialTableDrop), R(MaterialTableDragMove), D, R(MaterialTableDragEscape), H, N}},
    {81,
     83,
     "Add Point at End",
     {R(AddAtEndClick), R(AddAtEndMove), R(AddAtEndEnter), R(AddAtEndCancel), R(AddAtEndCancel),
      H}},
    {84,
     84,
     "Add Point at End",
     {R(AddAtEndClick), R(AddAtEndMove), R(AddAtEndEnter), R(AddAtEndCancel), H, H}},
    {89,
     89,
     "Move (\"Drag\") Item",
     {R(DragPointDrop), R(DragPointMove), R(DragPointEnter), R(DragPointCancel), R(DragPointCancel),
      H}},
    {92,
     93,
     "Move (\"Drag\") Item",
     {R(DragPointDrop), R(DragPointMove), R(DragPointEnter), R(DragPointCancel), R(DragPointCancel),
      H}},
    {94,
     94,
     "Move (\"Drag\") Item",
     {R(DragPointDrop), R(DragPointMove), D, R(DragPointCancel), H, H}},
    {102,
     102,
     "Move (\"Drag\") Item",
     {R(DragSegmentDrop), R(DragSegmentMove), D, R(DragSegmentCancel), R(DragSegmentCancel), H}},
    {110, 110, "Extend to Line", {R(ExtendTargetClick), D, D, R(ExtendEscape), H, H}},
    {111, 111, "Extend to Line", {R(ExtendDirectionClick), D, D, R(ExtendEscape), H, H}},
    {112,
     112,
     "Insert Point",
     {R(InsertClick), R(InsertMove), R(InsertEnter), R(InsertCancel), R(InsertCancel), H}},
    {114,
     115,
     "Insert Point",
     {R(InsertClick), R(InsertMove), R(InsertEnter), R(InsertCancel), R(InsertCancel), H}},
    {117,
     117,
     "Insert Point",
     {R(InsertClick), R(InsertMove), R(InsertEnter), R(InsertCancel), R(InsertCancel), H}},
    {122, 122, "Move to Line Parallel", {R(ParallelReferenceClick), D, D, R(ParallelEscape), H, H}},
    {123, 123, "Adjust end of segment", {R(AdjustEndClick), D, D, H, H, H}},
    {125, 125, "Move Point a Distance", {R(MoveFromPointClick), D, D, R(EndStep), H, H}},
    {126, 126, "Move Point a Distance", {R(MoveFromLineClick), D, D, R(EndStep), H, H}},
    {127, 127, "Move Point a Distance", {R(MoveModeThreeFourClick), D, D, H, H, H}},
    {128, 128, "Move to Line", {R(MoveToLineTargetClick), D, D, R(EndStep), H, H}},
    {129, 129, "Move to Line", {R(MoveToLineReferenceClick), D, D, R(EndStep), H, H}},
    {132, 134, "Split Line", {R(SplitClick), R(SplitMove), R(SplitEnter), R(SplitEscape), H, H}},
    {136, 136, "Snap Horizontally", {R(SnapLineClick), D, D, R(EndStep), H, H}},
    {137, 137, "Snap to Point", {R(SnapPointClick), D, D, R(EndStep), H, H}},
    {139, 139, "Change segment length", {R(ChangeLengthClick), D, D, H, H, H}},
    {140, 140, "Change segment slope", {R(ChangeSlopeClick), D, D, R(ChangeSlopeEscape), H, H}},
};

}  // namespace

SelectTool::SelectTool() : Tool(EditModeSelect, EditModeSelect, "Select Items") {}

s_ToolInputs SelectTool::Inputs(int) const {
    return {R(SelectWithMouse), R(SelectModeEnter), R(SelectModeMove), R(SelectModeRight)};
}

std::span<const s_CursorModeRow> SelectTool::Steps() const { return kSteps; }

void SelectTool::Reset(ToolContext&) {
    CancelMaterialTableDrag();
    // A point or editing tool of a line ends.
    if (Cpp_LineTool::IsActive()) {
        Cpp_LineTool::CancelTool();
        InvalidateViewWindow();
    }
}

std::optional<bool> SelectTool::Delete(ToolContext& context, int) {
    return context.View() && DeleteSelectedPoint(*context.View());
}

void SelectTool::RegisterDrawing() const {
    Cpp_LineTool::RegisterDrawing();
    RegisterMaterialTableDragDrawing();
}

void SelectTool::Prompt(const s_ToolPrompt& prompt) const {
    const s_ToolPromptContext& c = prompt.context;
    const bool view = prompt.view;
    if (!c.itemPicked) {
        SetStatusTextFromId(view, 1308);
    } else if (PromptEnd(c.pickedType) == e_SelectPromptEnd::RightClick) {
        SetStatusText(view, c.pickedPrompt + " - Right-click for edit options.");
    } else if (PromptEnd(c.pickedType) == e_SelectPromptEnd::RightClickOrEnter) {
        SetStatusText(view, c.pickedPrompt +
                                " - Right-click for edit options; Press enter key to change "
                                "point values.");
    } else {
        SetStatusTextWithSuffix(view, 1309, c.pickedPrompt);
    }
}

void SelectTool::EscapeAtRest(ToolContext& context) {
    EraseSelection(GetCurrentSelection(), true);
    if (context.View()) context.View()->HideCurrentToolBar();
}

s_ToolPromptContext SelectTool::PromptContext(ToolContext&) const {
    s_ToolPromptContext context;
    if (const Cpp_Selection* last = GetCurrentSelection().GetLast()) {
        context.itemPicked = true;
        context.pickedType = last->GetType();
        last->GetPromptText(context.pickedPrompt);
    }
    return context;
}

bool SelectTool::Action(ToolContext&) { return GetCurrentSelection().HandleScaleHotKey(); }
