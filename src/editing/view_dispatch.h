#pragma once
// What each input of the drawing view does, as data: one row per cursor mode (the step of a
// running tool) with a cell per input, and one row per edit mode (the active tool) for the
// inputs at cursor mode 0. The input functions (view_input.h) look the cell up and carry it
// out; tests walk the rows.

#include "editing/view_input.h"

#include <array>
#include <span>
#include <string>

// One call of an input function, as the operations of the tables see it.
struct s_InputCall {
    ViewInputHost& view;
    s_ViewInput in;            // device: recomputed from the snapped point
    s_PixelPoint pickDevice;   // the device point as it came (picking)
    s_tagTypePointXY raw;      // the device point in world units
    s_tagTypePointXY snapped;  // snapped to the grid or a construction point
    s_tagTypePointXY rounded;  // snapped, or rounded to the coordinate decimals
    const char* what = "";     // the step or tool of the row
    bool& redraw;
    bool modified = false;  // the left button changed the document
    bool handled = true;
};
using InputOperation = void (*)(s_InputCall&);

enum class e_InputCell : unsigned char {
    Nothing,     // nothing happens; the input counts as handled
    Default,     // what the same input does at cursor mode 0
    NotHandled,  // nothing happens and the input is not handled (the view's default runs)
    Run,         // the operation
    Delete,      // what the Delete key does
};

struct s_InputCell {
    e_InputCell kind = e_InputCell::Nothing;
    InputOperation run = nullptr;
};

// The columns of a cursor-mode row.
enum e_InputColumn : int {
    InputLeft,
    InputMove,
    InputEnter,
    InputEscape,
    InputBackspace,
    InputRight,
    InputColumnCount,
};

struct s_CursorModeRow {
    int firstMode = 0;
    int lastMode = 0;  // rows for a run of modes (10 and 11, 104 to 106, ...)
    const char* step = "";
    std::array<s_InputCell, InputColumnCount> cells;
};

// The inputs at cursor mode 0 for one edit mode: the left button, Enter, the move (after the
// coordinate tool tip, before the drag check) and the right button.
struct s_EditModeRow {
    int firstMode = 0;
    int lastMode = 0;
    const char* tool = "";
    s_InputCell left, enter, move, right;
};

std::span<const s_CursorModeRow> CursorModeTable();
// The row of a mode, or null when no input handles it.
const s_CursorModeRow* FindCursorModeRow(int cursorMode);
const s_EditModeRow* FindEditModeRow(int editMode);

// Operations the tables share with the input functions (view_input.cpp).
namespace view_input_ops {
void EscapeAtModeZero(s_InputCall& call);
void ShowViewMenu(s_InputCall& call);
void ShowViewMenuWithStage(s_InputCall& call);
void SelectWithMouse(s_InputCall& call);
void SelectModeEnter(s_InputCall& call);
void SelectModeMove(s_InputCall& call);
void SelectModeRight(s_InputCall& call);
// The selection band or box (cursor mode 44).
void FinishBand(s_InputCall& call);
void BandMove(s_InputCall& call);
void EndBand(s_InputCall& call);
// The tools of the view whose steps are built: rescaling from two picked points (cursor modes
// 10 and 11), renumbering lines by clicking (160).
void RescalePointClick(s_InputCall& call);
void RenumberClick(s_InputCall& call);
void RenumberEscape(s_InputCall& call);
void MaterialToolClick(s_InputCall& call);
// "Edit/Compute Distance" (cursor mode 80): the click picks the item to measure to; Escape
// ends the step.
void DistancePick(s_InputCall& call);
void DistanceEscape(s_InputCall& call);
// The nail and geogrid tools: the first click and Enter of edit modes 19 and 20, the placing
// steps (cursor modes 47, 48) and the drop of a drag (108, 109).
void NailToolClick(s_InputCall& call);
void GeogridToolClick(s_InputCall& call);
void NailToolEnter(s_InputCall& call);
void NailToolMove(s_InputCall& call);
void GeogridToolEnter(s_InputCall& call);
void PlacementBandMove(s_InputCall& call);
void PlacementClick(s_InputCall& call);
void PlacementEnter(s_InputCall& call);
void PlacementEscape(s_InputCall& call);
void DragBandMove(s_InputCall& call);
void DragDrop(s_InputCall& call);
// The point tools of a polyline (line_tool_rows.cpp): adding a point at an end (cursor modes
// 81 to 84), dragging a point (89, 92 to 94), dragging a segment (102), inserting a point on a
// segment (112, 114, 115, 117). A completion marks the document modified.
void AddAtEndClick(s_InputCall& call);
void AddAtEndEnter(s_InputCall& call);
void AddAtEndMove(s_InputCall& call);
void AddAtEndCancel(s_InputCall& call);
void InsertClick(s_InputCall& call);
void InsertEnter(s_InputCall& call);
void InsertMove(s_InputCall& call);
void InsertCancel(s_InputCall& call);
void DragPointDrop(s_InputCall& call);
void DragPointEnter(s_InputCall& call);
void DragPointMove(s_InputCall& call);
void DragPointCancel(s_InputCall& call);
void DragSegmentDrop(s_InputCall& call);
void DragSegmentMove(s_InputCall& call);
void DragSegmentCancel(s_InputCall& call);
// The editing tools' clicks and Escapes: change length (139) and slope (140), the direction of
// an extension (111; Escape also in 110), the end to adjust (123; Escape while choosing the
// line, 122).
void ChangeLengthClick(s_InputCall& call);
void ChangeSlopeClick(s_InputCall& call);
void ChangeSlopeEscape(s_InputCall& call);
void ExtendDirectionClick(s_InputCall& call);
void ExtendEscape(s_InputCall& call);
void AdjustEndClick(s_InputCall& call);
void ParallelEscape(s_InputCall& call);
// Splitting a profile (cursor mode 133) or piezometric (134) line on a segment.
void SplitClick(s_InputCall& call);
void SplitEnter(s_InputCall& call);
void SplitMove(s_InputCall& call);
void SplitEscape(s_InputCall& call);
// The point entry of the line kinds: a line of `kind` (as ViewInputHost::DataChanged) was
// added; the band to the cursor follows a move.
void LineKindAdded(s_InputCall& call, int kind);
void LineEntryPointMove(s_InputCall& call);
// The coordinates of the cursor as the tool tip of a move.
void CoordinateToolTip(s_InputCall& call);
// The tool tip a mouse move leaves on the view.
void SetMoveToolTip(const std::string& text);
// The press does nothing on release (consume) and no longer starts a drag (disarm).
void ConsumePress(bool disarm);
}  // namespace view_input_ops
