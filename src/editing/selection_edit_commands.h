#pragma once
// The edit commands of the drawing view on the current selection: deleting (the menu commands
// and the Delete key), the values typed into the selected item's bar (Enter), the arrow-key
// nudge, the wheel over the selected item, joining lines and spacing points. Each reports a
// change of data through ViewInputHost::DataChanged (the document is marked modified, the data
// that hang on the changed kind are made again) and draws the view again where it must; true
// when the data changed.
//
//     if (DeleteSelectedPoint(view)) ...;   // the Delete key in select mode
//
// A walk over the selection acts on the distinct items still in the model; afterwards the
// selection is emptied (its records refer to what was removed).

class ViewInputHost;

// "Delete All": every item of the kinds of the list's items (current list or pick list); the
// current list is emptied afterwards whichever list was the target.
bool DeleteAllForSelection(ViewInputHost& view, bool currentList);
// "Delete Entire Line", "Delete Line Segment", "Delete Point" and the other deletions of the
// current list; the list is emptied and the shown tool bar hidden.
bool DeleteEntireLineOfSelection(ViewInputHost& view);
bool DeleteSegmentOfSelection(ViewInputHost& view);
bool DeletePointOfSelection(ViewInputHost& view);
bool DeleteLineLoadOfSelection(ViewInputHost& view);
bool DeleteRadiusDefinitionOfSelection(ViewInputHost& view);
bool DeleteConstructionCircleOfSelection(ViewInputHost& view);
// The Delete key: the deletion that fits the kind of the first selected item (segments,
// points, circles, whole nails and geogrids, line loads, radius definitions); other kinds
// nothing.
bool DeleteSelectedPoint(ViewInputHost& view);
// "Delete Triangles Outside Material" on the first selected interpolation item; the list is
// emptied.
bool DeleteTrianglesOfSelection(ViewInputHost& view);

// Enter in select mode with exactly one item selected: the item takes its bar's values.
bool AssignNumberToSelection(ViewInputHost& view);
// The arrow keys (view keys 37 to 40) nudge every selected item; true for an arrow key.
bool NudgeKey(ViewInputHost& view, int key);
// The wheel over the first selected item; true when the wheel was used for it.
bool WheelEditSelection(ViewInputHost& view, int delta, bool control);

// "Move ("Drag") Item" and its kin ("Change Line Load", "Change radius", "Change Elevation of
// Horiz. Tangent Line"), and a press in select mode dragged over the selection: the drag tool
// of the first selected item starts with the cursor at the client pixel (x, y). False when
// nothing is selected.
bool ChangeValueOfSelection(ViewInputHost& view, int x, int y);

// "Add Point at End" and "Insert Point" on the first selected item.
bool StartAddPointAtEnd(ViewInputHost& view);
bool StartInsertPoint(ViewInputHost& view);

// "Join Lines" and "Space Points Evenly" (1 along the line, 2 horizontally, 3 vertically).
bool JoinSelectedLines(ViewInputHost& view);
bool SpacePointsEvenly(ViewInputHost& view, int mode);

// The refresh kind of a change to an item (ViewInputHost::DataChanged): 2 profile lines, 4
// piezometric lines, 9 analysis data, 0 the others.
int DataChangeKindOf(int selectionKind);
