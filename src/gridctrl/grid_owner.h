#pragma once
// The owner of a grid (the dialog holding it) hears about clicks, selection changes and edits.
// The grid's owner notifications in one interface; each answer is 0 to accept or negative to
// refuse, as the owner protocol has it. Every call has a do-nothing default.

#include "gridctrl/grid_types.h"

#include <string>

namespace gridctrl {

class GridOwner {
public:
    virtual ~GridOwner() = default;
    // -2: the left button was released after a click on the cell.
    virtual void OnClick(CCellID) {}
    // -3: a double click on the cell.
    virtual void OnDoubleClick(CCellID) {}
    // -5: the right button was released over the cell, or (-1, -1) outside the cells.
    virtual void OnRightClick(CCellID) {}
    // -100: the selection is about to change.
    virtual void OnSelectionChanging(CCellID) {}
    // -101: the selection has changed.
    virtual void OnSelectionChanged(CCellID) {}
    // -105: the cell is about to be edited (editor, paste, clearing); negative forbids it.
    virtual int OnBeginEdit(CCellID) { return 0; }
    // -106: the cell's text was edited; negative puts the old text back.
    virtual int OnEndEdit(CCellID) { return 0; }
    // -402: an option of a drop-down cell was chosen; `index` is the option's index.
    virtual int OnOptionChanged(CCellID, int /*index*/) { return 0; }
    // The command the grid posts after every left button release on a cell.
    virtual void OnClickCommand() {}
};

}  // namespace gridctrl
