#pragma once
// Moving a selected item to a point, for the commands that compute where an item must go
// (the distance tool). The slot answers the selection's own move (Cpp_Selection::MoveToXY);
// tests put a recording mover in its place.
//
//     if (SelectionMoverSlot().Get().MoveToXY(item, x, y, true)) redraw;

#include "core/dialog_slot.h"

class Cpp_Selection;

class Cpp_SelectionMover {
public:
    virtual ~Cpp_SelectionMover() = default;
    // Moves the item's point to (x, y); keepMarked keeps its selection mark on. True when the
    // item moved.
    virtual bool MoveToXY(const Cpp_Selection& item, double x, double y, bool keepMarked) = 0;
};
DialogSlot<Cpp_SelectionMover>& SelectionMoverSlot();
