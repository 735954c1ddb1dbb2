// The view's steps of the construction tool: a click or Enter starts a line or a circle, the
// entry steps add points or finish, Shift with a move writes the cursor point into the bar.

#include "editing/construction_items.h"
#include "editing/display_bounds.h"
#include "editing/line_entry_tool.h"
#include "editing/tool_dialog_bars.h"
#include "editing/view_tool_steps.h"

namespace view_tool_steps {

namespace {

// A construction item was added: the document holds it (CON block).
void ItemAdded(s_InputCall& c) {
    c.modified = true;
    c.redraw = true;
    c.view.DataChanged(0);
}

void ShiftToBar(s_InputCall& c) {
    if (c.in.shift) TheToolBars().construction.SetPoint(c.rounded.x, c.rounded.y);
}

}  // namespace

void ConstructionClick(s_InputCall& c) {
    ConstructionToolClick(c.in.device.x, c.in.device.y, c.snapped.x, c.snapped.y, false);
}

void ConstructionEnter(s_InputCall& c) {
    const bool circle = TheToolBars().construction.IsCircleChecked();
    if (ConstructionToolClick(0, 0, 0.0, 0.0, true) && circle) ItemAdded(c);
}

void ConstructionMove(s_InputCall& c) { ShiftToBar(c); }

void CircleEntryClick(s_InputCall& c) {
    if (ConstructionCircleClick(c.in.device.x, c.in.device.y, c.snapped.x, c.snapped.y, false))
        ItemAdded(c);
}

void CircleEntryEnter(s_InputCall& c) {
    if (ConstructionCircleClick(0, 0, 0.0, 0.0, true)) ItemAdded(c);
}

void CircleEntryMove(s_InputCall& c) {
    if (c.in.shift) TheToolBars().construction.UpdateCircleFromPoint(c.rounded.x, c.rounded.y);
    Cpp_ConstructionCircleList::RubberBandMove(c.in.device.x, c.in.device.y);
    view_input_ops::CoordinateToolTip(c);
}

void CircleEntryEscape(s_InputCall&) { Cpp_ConstructionCircleList::CancelEntry(); }

void LineEntryClick(s_InputCall& c) {
    if (GetConstructionLineList().EnterTypedPoint(c.in.device.x, c.in.device.y, c.snapped.x,
                                                  c.snapped.y, false))
        ItemAdded(c);
}

void LineEntryEnter(s_InputCall& c) {
    if (GetConstructionLineList().EnterTypedPoint(0, 0, 0.0, 0.0, true)) ItemAdded(c);
}

void LineEntryMove(s_InputCall& c) {
    ShiftToBar(c);
    Cpp_LineEntry::EnterPointsMouseMove(c.pickDevice.x, c.pickDevice.y, c.in.device.x,
                                        c.in.device.y, c.snapped.x, c.snapped.y);
    view_input_ops::CoordinateToolTip(c);
}

void LineEntryEscape(s_InputCall& c) {
    if (c.in.shift)
        Cpp_LineEntry::UndoLastEnteredPoint();
    else
        Cpp_LineEntry::CancelEnterPoints();
}

void LineEntryFinish(s_InputCall& c) {
    if (!AddConstructionLineFromToolBar()) return;
    UpdateDisplayBoundsFromGeometry();
    ItemAdded(c);
}

}  // namespace view_tool_steps
