#include "editing/material_table_drag.h"

#include "core/cursor_mode.h"
#include "editing/cursor_modes.h"
#include "editing/selection_family_ops.h"
#include "editing/selection_list.h"
#include "editing/view_navigation.h"
#include "graphics/prompts.h"
#include "model/data_set.h"
#include "model/program_state.h"
#include "profile/material_properties.h"
#include "registry/view_preparations.h"

#include <cstdint>

namespace {

bool g_dragging = false;

const bool g_resetAdded = (AddProgramStateReset([] { g_dragging = false; }), true);

std::uint32_t Packed(int x, int y) {
    return (static_cast<std::uint32_t>(static_cast<std::uint16_t>(x)) << 16) |
           static_cast<std::uint16_t>(y);
}

// The table of the first selected item while its drag is under way.
Cpp_MaterialTableLayout* DraggedTable() {
    if (!g_dragging || GetCursorMode() != CursorModeMaterialTableDrag) return nullptr;
    Cpp_SelectionList& list = GetCurrentSelection();
    const Cpp_Selection* first = list.GetNth(1);
    if (!first || !list.IsLive(first)) return nullptr;
    return MaterialTableOf(*first);
}

// Draws on the whole view (the outline may go anywhere in it).
template <typename Draw>
void OnWholeView(ViewInputHost& view, Draw&& draw) {
    view.DrawOverlay(view.ClientRect(), std::forward<Draw>(draw));
}

void DrawFeedback(platform::DeviceContext& dc, Cpp_Kliven4DataSet*) {
    if (const Cpp_MaterialTableLayout* table = DraggedTable()) table->DrawDragOutline(dc);
}

}  // namespace

Cpp_MaterialTableLayout* MaterialTableOf(const Cpp_Selection& item) {
    const int kind = item.GetType();
    Cpp_Kliven4DataSet* ds = item.GetDataSet();
    if ((kind != SEL_TABLE_LINES && kind != SEL_TABLE_TEXT) || !ds) return nullptr;
    if (item.GetStage() != 1 && item.GetStage() != 2) return nullptr;
    return &ds->MaterialData().TableLayout(item.GetStage());
}

bool StartMaterialTableDrag(const Cpp_Selection& item, int x, int y) {
    Cpp_MaterialTableLayout* table = MaterialTableOf(item);
    if (!table || !item.GetDataSet()->MaterialData().GetShowTable(item.GetStage())) return false;
    table->BeginDrag(x, y);
    g_dragging = true;
    SetCursorMode(CursorModeMaterialTableDrag);
    ShowPrompt("Drag the material property table to its new place - Escape leaves it where it "
               "was.");
    if (ViewInputHost* view = GetViewWindow())
        OnWholeView(*view, [&](platform::DeviceContext& dc) { table->DrawDragOutline(dc); });
    return true;
}

void CancelMaterialTableDrag() {
    Cpp_MaterialTableLayout* table = DraggedTable();
    const bool wasDragging = g_dragging;
    g_dragging = false;
    if (GetCursorMode() == CursorModeMaterialTableDrag) ResetCursorMode();
    // The drag's prompt over the status line goes with it.
    if (wasDragging) ClearPromptBar();
    if (!table) return;
    if (ViewInputHost* view = GetViewWindow())
        OnWholeView(*view, [&](platform::DeviceContext& dc) { table->DrawDragOutline(dc); });
}

void RegisterMaterialTableDragDrawing() {
    RegisterAfterDataDrawing(e_AfterDataStep::ToolFeedback, &DrawFeedback);
}

namespace selection_family {

bool MaterialTableChangeValue(const Cpp_Selection& item, int x, int y) {
    StartMaterialTableDrag(item, x, y);
    return true;
}

}  // namespace selection_family

namespace view_input_ops {

void MaterialTableDragMove(s_InputCall& c) {
    Cpp_MaterialTableLayout* table = DraggedTable();
    if (!table) return;
    OnWholeView(c.view, [&](platform::DeviceContext& dc) {
        table->DragMove(dc, Packed(c.in.device.x, c.in.device.y));
    });
}

void MaterialTableDrop(s_InputCall& c) {
    Cpp_MaterialTableLayout* table = DraggedTable();
    if (!table) {
        // The selection no longer names the table: the step ends where it is.
        CancelMaterialTableDrag();
        return;
    }
    const bool wasAnchored = table->IsAnchored();
    const Cpp_MaterialTableLayout::s_Point before = table->Anchor();
    OnWholeView(c.view, [&](platform::DeviceContext& dc) {
        table->DragEnd(dc, Packed(c.in.device.x, c.in.device.y));
    });
    g_dragging = false;
    ResetCursorMode();
    ClearPromptBar();
    c.view.InvalidateView();
    c.modified = !wasAnchored || !(table->Anchor() == before);
}

void MaterialTableDragEscape(s_InputCall&) { CancelMaterialTableDrag(); }

}  // namespace view_input_ops
