#pragma once
// Keeping the summary window and the dialog bars in step with a selected item after an edit of
// it: a drop of its drag, a move onto a line, a snap, typed values.
//
//     if (item.MoveToLine(first)) ...;   // calls RefreshSelectedItem(item) itself
//     const int before = GetCursorMode(); RunTheDrop(); EndSelectionDrag(before, true, select);

class Cpp_Selection;

// The summary window's tree emptied when the window is visible, the dialog bars loaded again
// from the item.
void RefreshSelectedItem(const Cpp_Selection& item);

// The drag of the first selected item has started (its tool runs in a cursor mode of its own).
void NoteSelectionDragStarted();
// Called after a click, a release, Enter or Escape in the view, with the cursor mode before it:
// when that input ended a drag of the selection, a drop (`dropped`) refreshes the first selected
// item for the kinds whose drop changes the item, draws it highlighted again and, in the select
// mode, shows its prompt with its new values; Escape does none of this.
void EndSelectionDrag(int modeBefore, bool dropped, bool selectMode);
