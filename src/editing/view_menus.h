#pragma once
// The pop-up menus of the drawing view as plain lists of entries (command id, text, enabled,
// checked, sub-menu); the view turns a list into a toolkit menu at the click.

#include "editing/view_input.h"

// The view menu: "Redraw", "Zoom All", "Zoom Window"; with the stage entry (materials tool) a
// separator and "Stage 1 -> Stage 2 Properties" after them.
MenuList ViewMenu(bool withStageEntry);

class Cpp_SelectionList;
class Cpp_Selection;

// Whether a selected point is the first or last point of its line (the point kinds of lines
// held as a line and a point node: construction, piezometric, profile, reinforcement, slope).
bool IsLineEnd(const Cpp_Selection& item);

// The edit context menu of the current selection: the edit commands that fit the kind of its
// first item and the number of items, with the sub-menus "Move Point a Distance" and "Space
// Points Evenly". Empty when the list is empty or the kind has no menu.
MenuList EditContextMenu(const Cpp_SelectionList& current);
