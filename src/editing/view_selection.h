#pragma once
// Selecting with the mouse in the drawing view: a click picks the items under the cursor (one
// becomes the selection, and so does the one moveable point among several; otherwise several
// are offered in the candidate menu), Shift adds to the
// selection, and a press dragged over empty drawing selects the points inside a box (or, with
// Shift, inside a band along the drag) drawn in XOR until the next click.
//
//     SelectAtClick(view, x, y, shift);   // cursor mode 0, select mode
//     StartPickBand(true, view, press, cursor);  // cursor mode 44 until FinishPickBand
//
// The selection lists themselves are editing/selection_list.h.

#include "editing/view_input.h"

class Cpp_Kliven4DataSet;
class Cpp_Selection;
class Cpp_SelectionList;

// The commands of the candidate menu: 40001 for the first candidate ... 40020 for the 20th.
inline constexpr int kFirstCandidateCommand = 40001;
inline constexpr int kCandidateMenuSize = 20;

// The list emptied with its highlights; for the current selection the information window too.
void EraseSelection(Cpp_SelectionList& list, bool isCurrentSelection);
// The kind filter of a pick: index 0 ("All") lets every kind be picked.
void SetPickKindFilter(Cpp_SelectionList& list, int index, int stage);
// The status-line prompt of select mode for the last selected item (or for none).
void ShowSelectionPrompt();
// After a step of the select mode ended: the prompt of the select mode for the last selected
// item when it still exists, else the prompt of an empty selection. Other modes: nothing.
void ShowSelectModePromptAfterStep();

// The click of select mode at the world point (x, y); Shift adds to the selection. The number
// of candidates the click found: 0, 1 (selected, also when one moveable point stood among
// several) or more (the candidate menu was shown).
int SelectAtClick(ViewInputHost& view, s_PixelPoint click, double x, double y, bool shift);
// The candidate menu of the pick list: up to 20 entries, each the candidate's name (or
// "Selection n" for a kind without one), command 40000 + n. Empty for an empty pick list.
MenuList CandidateMenu(const Cpp_SelectionList& picks);
// The tool tip of select mode with nothing selected, for the cursor at the world point (x, y):
// the item under it (a moveable point first; a material region under the coordinates), or the
// coordinates when no candidate has a tip. The candidates stay in the pick list.
std::string HoverToolTip(ViewInputHost& view, double x, double y, const std::string& coordinates);
// The first item of the list that is a point the user can move; null when none is.
const Cpp_Selection* FindMoveableSelection(const Cpp_SelectionList& list);
// The one moveable point among the candidates under a press, which the press takes in place of
// the candidate menu: null when none is, or when two or more are. A point of a slope line made
// from the profile lines, where another moveable point lies, does not count.
const Cpp_Selection* FindPressedPoint(const Cpp_SelectionList& picks);
// Rescaling (cursor modes 10 and 11): the picked item's point is the first point (it becomes
// the selection) or the second (the data are rescaled). True when the view must be redrawn.
bool PickedRescalePoint(ViewInputHost& view, const Cpp_Selection& picked);
// Shows it beside the click and carries out the choice.
bool ShowSelectionMenu(ViewInputHost& view, s_PixelPoint click);
// Candidate n of the pick list becomes the last item of the current selection. False when the
// pick list has no candidate n.
bool ViewCommandOnSelection(int n, ViewInputHost& view);

// The drag selection (cursor mode 44).
bool StartPickBand(bool band, ViewInputHost& view, s_PixelPoint press, s_PixelPoint cursor);
void RedrawPickBand(int x, int y);
// The outline once, on dc, for the cursor at (x, y) (band: its stored corners).
void DrawPickBand(platform::DeviceContext& dc, int x, int y);
// After a full paint during the drag (RegisterPickBandDrawing makes the painting call it).
void RepaintPickBand(platform::DeviceContext& dc);
void RegisterPickBandDrawing();
// Band only: wider adds 3 pixels to the half-width, narrower takes 3 away while it is above 4.
bool ChangePickBandWidth(bool wider);
// Ends the drag and selects what lies inside into the current selection (true) or the pick list.
bool FinishPickBand(bool toCurrentSelection, Cpp_Kliven4DataSet* dataSet);
// Abandons the drag: the outline goes, the selection stays.
void EndPickBand();
int PickBandHalfWidth();
bool PickBandIsBand();

void ResetViewSelectionState();
