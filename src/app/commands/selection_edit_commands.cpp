// The edit context menu's commands on the selected items: deleting, joining lines, spacing
// points, moving ("dragging") an item; and command 32903, the scale action of the edit mode,
// which no menu item, button or key issues. The operations report their changes through the
// frame's view input (the document is marked modified there).

#include "editing/selection_edit_commands.h"
#include "app/commands/command_table.h"
#include "app/drawing_view.h"
#include "app/main_frame.h"
#include "app/view_input_host.h"
#include "core/command_ids.h"
#include "editing/edit_modes.h"
#include "editing/interpolation_value_edit.h"
#include "editing/selection_list.h"
#include "editing/shift_direction_tool.h"
#include "editing/tool_table.h"
#include "editing/two_step_edits.h"
#include "editing/view_input.h"
#include "editing/view_navigation.h"
#include "graphics/graphics.h"
#include "loads/distributed_load_data.h"

#include <QCursor>
#include <QGuiApplication>
#include <QScreen>
#include <utility>

namespace app {

namespace {

// Where "Edit Value" stands: beside the selected point on the screen, at the pointer that chose
// the command, inside the screen.
s_EditValuePlacement EditValuePlacement(MainFrame& frame) {
    s_EditValuePlacement placement;
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        placement.screenWidth = screen->geometry().width();
        placement.screenHeight = screen->geometry().height();
    }
    s_tagTypePointXY world;
    const Cpp_Selection* first = GetCurrentSelection().GetNth(1);
    if (first && first->GetPointXY(world)) {
        const QPoint at = frame.View()->mapToGlobal(
            QPoint(Cpp_Graphics::XToPixel(world.x), Cpp_Graphics::YToPixel(world.y)));
        placement.point = {at.x(), at.y()};
    }
    const QPoint pointer = QCursor::pos();
    placement.click = {pointer.x(), pointer.y()};
    return placement;
}

}  // namespace

bool RunEditModeAction(int editMode) {
    ToolContext context(GetViewWindow());
    Tool* tool = ToolForEditMode(editMode);
    return tool && tool->Action(context);
}

void AddSelectionEditCommands(CommandTable& table) {
    table.Add(ID_DELETE_ALL, [](MainFrame& f) { DeleteAllForSelection(f.ViewInput(), true); });
    table.Add(ID_DELETE_ENTIRE_LINE,
              [](MainFrame& f) { DeleteEntireLineOfSelection(f.ViewInput()); });
    table.Add(ID_DELETE_LINE_SEGMENT,
              [](MainFrame& f) { DeleteSegmentOfSelection(f.ViewInput()); });
    table.Add(ID_DELETE_POINT, [](MainFrame& f) { DeletePointOfSelection(f.ViewInput()); });
    // The edit menu's "Delete Entire Item" of a nail or geogrid removes it whole, as "Delete
    // Entire Line" does; "Delete Interval or Segment" of a distributed-load segment removes the
    // segment as "Delete Line Segment" does a line's.
    table.Add(ID_DELETE_ENTIRE_ITEM,
              [](MainFrame& f) { DeleteEntireLineOfSelection(f.ViewInput()); });
    table.Add(ID_DELETE_INTERVAL_OR_SEGMENT,
              [](MainFrame& f) { DeleteSegmentOfSelection(f.ViewInput()); });
    table.Add(ID_DELETE_TRIANGLES_OUTSIDE_MATERIAL,
              [](MainFrame& f) { DeleteTrianglesOfSelection(f.ViewInput()); });
    table.Add(ID_JOIN_LINES, [](MainFrame& f) { JoinSelectedLines(f.ViewInput()); });
    table.Add(ID_GET_INFORMATION, [](MainFrame&) { GetCurrentSelection().ShowInformation(); });
    table.Add(ID_SPACE_ALONG_LINE, [](MainFrame& f) { SpacePointsEvenly(f.ViewInput(), 1); });
    table.Add(ID_SPACE_HORIZONTALLY, [](MainFrame& f) { SpacePointsEvenly(f.ViewInput(), 2); });
    table.Add(ID_SPACE_VERTICALLY, [](MainFrame& f) { SpacePointsEvenly(f.ViewInput(), 3); });
    for (int id :
         {ID_MOVE_ITEM, ID_CHANGE_LINE_LOAD, ID_CHANGE_RADIUS, ID_CHANGE_TANGENT_ELEVATION})
        table.Add(id, [](MainFrame& f) {
            int x = 0, y = 0;
            GetZoomAnchor(x, y);
            ChangeValueOfSelection(f.ViewInput(), x, y);
        });
    table.Add(ID_ADD_POINT_AT_END, [](MainFrame& f) { StartAddPointAtEnd(f.ViewInput()); });
    table.Add(ID_INSERT_POINT, [](MainFrame& f) { StartInsertPoint(f.ViewInput()); });
    // Move Point a Distance: the pending modes of its commands.
    for (auto [id, mode] : {std::pair{ID_MOVE_POINT_HORIZONTALLY, 1},
                            {ID_MOVE_POINT_VERTICALLY, 2},
                            {ID_MOVE_HORIZONTALLY_FROM_POINT, 5},
                            {ID_MOVE_VERTICALLY_FROM_POINT, 6},
                            {ID_MOVE_HORIZONTALLY_FROM_LINE, 7},
                            {ID_MOVE_VERTICALLY_FROM_LINE, 8},
                            {ID_MOVE_PERPENDICULAR_FROM_LINE, 9}})
        table.Add(id, [mode](MainFrame& f) { StartMovePointDistance(f.ViewInput(), mode); });
    table.Add(ID_MOVE_TO_LINE_PARALLEL, [](MainFrame&) { StartMoveToLine(true); });
    table.Add(ID_MOVE_TO_LINE_PERPENDICULAR, [](MainFrame&) { StartMoveToLine(false); });
    table.Add(ID_SNAP_HORIZONTALLY, [](MainFrame&) { StartSnapSelection(1); });
    table.Add(ID_SNAP_VERTICALLY, [](MainFrame&) { StartSnapSelection(2); });
    table.Add(ID_SNAP_TO_POINT, [](MainFrame&) { StartSnapToPoint(); });
    table.Add(ID_MAKE_PARALLEL, [](MainFrame&) { MakeParallelOrPerpendicular(true); });
    table.Add(ID_MAKE_PERPENDICULAR, [](MainFrame&) { MakeParallelOrPerpendicular(false); });
    table.Add(ID_EXTEND_TO_LINE, [](MainFrame&) { ExtendToLine(false); });
    table.Add(ID_EXTEND_TO_LINE_SEGMENT, [](MainFrame&) { ExtendToLine(true); });
    table.Add(ID_CHANGE_SEGMENT_LENGTH, [](MainFrame&) { StartChangeSegmentLength(); });
    table.Add(ID_CHANGE_SEGMENT_SLOPE, [](MainFrame&) { StartChangeSegmentSlope(); });
    table.Add(ID_SPLIT_LINE_AT_POINT, [](MainFrame& f) { SplitLineAtPoint(f.ViewInput()); });
    table.Add(ID_SPLIT_LINE_AT_SEGMENT, [](MainFrame&) { SplitLineAtSegment(true); });
    table.Add(ID_SPLIT_LINE_WITH_NEW_POINT, [](MainFrame&) { SplitLineAtSegment(false); });
    // Set Constraint for Shifting of a noncircular search surface's point.
    table.Add(ID_CONSTRAINT_FIXED,
              [](MainFrame& f) { SetSelectedPointConstraint(f.ViewInput(), false, false); });
    table.Add(ID_CONSTRAINT_DIRECTION_COMPUTED,
              [](MainFrame& f) { SetSelectedPointConstraint(f.ViewInput(), true, true); });
    table.Add(ID_CONSTRAINT_SET_DIRECTION,
              [](MainFrame& f) { SetMoveableDirection(f.ViewInput()); });
    table.Add(ID_CONSTRAINT_PARALLEL_TO_LINE, [](MainFrame&) { SetMoveableParallelToLine(); });
    // A selected interpolation point's value, and heads or pressures of its data set.
    table.Add(ID_EDIT_VALUES, [](MainFrame& f) {
        if (!EditSelectedValues(GetCurrentSelection(), EditValuePlacement(f))) return;
        f.Redraw();
        f.Doc().SetModifiedFlag(true);
    });
    table.Add(ID_EDIT_HEADS, [](MainFrame& f) {
        if (!ToggleHeadsOfSelection(GetCurrentSelection())) return;
        f.Redraw();
        f.Doc().SetModifiedFlag(true);
    });
    table.Add(ID_EDIT_MODE_ACTION, [](MainFrame& f) {
        if (RunEditModeAction(f.GetEditMode())) f.Redraw();
    });
}

}  // namespace app
