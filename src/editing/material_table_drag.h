#pragma once
// Dragging a material property table to a new place (cursor mode 58): the selected table (kinds
// 70 and 71) starts the drag from the cursor, its outline follows the mouse in XOR, and a click
// or the release of the press that started the drag puts the table there (its anchor point),
// which changes the document. Escape leaves the table where it was.

#include "editing/view_dispatch.h"

class Cpp_Selection;
class Cpp_MaterialTableLayout;

// Starts the drag of the item's table from the cursor pixel; false when the item names no
// table that is shown.
bool StartMaterialTableDrag(const Cpp_Selection& item, int x, int y);
// The table of a material-table item, null for any other item.
Cpp_MaterialTableLayout* MaterialTableOf(const Cpp_Selection& item);
// The drag under way ends without moving the table (its outline erased).
void CancelMaterialTableDrag();
// The outline is drawn again after a repaint of the view during the drag.
void RegisterMaterialTableDragDrawing();

namespace view_input_ops {
void MaterialTableDragMove(s_InputCall& call);
void MaterialTableDrop(s_InputCall& call);
void MaterialTableDragEscape(s_InputCall& call);
}  // namespace view_input_ops
