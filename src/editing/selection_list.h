#pragma once
// The selection lists: the current selection (what the user has selected) and the pick list
// (the candidates under the cursor of the last pick, or the target of a two-step command). Each
// node is a copy of a filled Cpp_Selection record. Picking fills them: the full hit test lists
// every candidate under the cursor in the fixed order of the item kinds, the point-oriented hit
// test keeps the single best point (or, failing that, segment), band and box selection add the
// profile and reinforcement points inside.
//
//     Cpp_SelectionList& picks = GetPickList();
//     picks.Clear();
//     picks.SelectItemAtPoint(dataSet, x, y, false, false, false);
//     for (int n = 1; const Cpp_Selection* s = picks.GetNth(n); ++n) { s->GetName(text); ... }
//
// A record points into the model. Every node carries the model generation it was taken in;
// whatever deletes or replaces entities calls NoteModelChange() (File New and Open do, through
// ClearSelectionLists), after which IsLive() answers false for every older node.

#include "editing/selection.h"

#include <deque>
#include <vector>

namespace platform {
struct DevicePoint;
}

class Cpp_SelectionList {
public:
    Cpp_SelectionList() = default;
    Cpp_SelectionList(const Cpp_SelectionList&) = delete;
    Cpp_SelectionList& operator=(const Cpp_SelectionList&) = delete;

    // Adding: a point item (Cpp_Selection::SetPointItem), a whole reference block
    // (SetFromValues), a copy of a filled record. Nodes are appended at the tail.
    Cpp_Selection* Add(Cpp_Kliven4DataSet* dataSet, int stage, int kind, void* line, void* point);
    Cpp_Selection* AddItem(Cpp_Kliven4DataSet* dataSet, int stage, int kind,
                           const s_SelectionReferences& references);
    bool AddCopy(const Cpp_Selection& record);

    // Empties the list; nothing is redrawn.
    void Clear();
    // Erases every node's highlight on the view (last node first), then empties the list.
    void ClearAndErase();

    int Count() const { return static_cast<int>(nodes_.size()); }
    bool IsEmpty() const { return nodes_.empty(); }
    Cpp_Selection* GetLast();
    Cpp_Selection* GetTailNode() { return GetLast(); }
    // Node n counted from 1; null for n < 1 or beyond the count.
    Cpp_Selection* GetNth(int n);
    const Cpp_Selection* GetNth(int n) const;
    bool HasOneItem() const { return nodes_.size() == 1; }
    bool HasTwoItems() const { return nodes_.size() >= 2; }
    bool HasThreeItems() const { return nodes_.size() >= 3; }
    // False when empty; true when every node has the kind of the first.
    bool AllOfOneType() const;

    // Add mode: the point-oriented hit test adds to the list instead of emptying it first.
    void SetAddMode(bool on) { addMode_ = on; }
    bool GetAddMode() const { return addMode_; }
    // Kind filter: while in force each kind is tested only when its owner's pick flag is on.
    void SetKindFilter(bool on) { kindFilter_ = on; }
    bool GetKindFilter() const { return kindFilter_; }
    // Suspends the kind filter (answers the previous value) and brings it back.
    bool SaveOption();
    void RestoreOption() { kindFilter_ = savedKindFilter_; }

    // Liveness: the node was taken in the present model generation.
    bool IsLive(const Cpp_Selection* node) const;
    static void NoteModelChange() { ++generation_; }
    static unsigned long ModelGeneration() { return generation_; }

    // The full hit test: appends every candidate within the pick tolerance of (x, y), kind by
    // kind in the fixed order. The list is not emptied first. Without a data set only
    // construction points and segments are tested and the answer is false; else true when the
    // list is not empty afterwards.
    bool SelectItemAtPoint(Cpp_Kliven4DataSet* dataSet, double x, double y, bool ignoreFilter,
                           bool pointsOnly, bool segmentsOnly);
    // The point-oriented hit test: the single best candidate, points before segments, inserted
    // at the head. Without add mode the list is erased and emptied first. True when a candidate
    // was added.
    bool SelectPointAtPoint(Cpp_Kliven4DataSet* dataSet, double x, double y, bool ignoreFilter,
                            bool pointsOnly, bool segmentsOnly, bool skip);
    // Profile points (84), then reinforcement points (98), inside the band's quadrilateral
    // (four pixel corners) or the box between two pixel corners (either order), each
    // highlighted as it is added. False without a data set.
    bool SelectInBand(Cpp_Kliven4DataSet* dataSet, const platform::DevicePoint corners[4]);
    bool SelectProfilePointsInBox(Cpp_Kliven4DataSet* dataSet, int x1, int y1, int x2, int y2);

    // Destructive walks (selection_list_edits.cpp). Each walks the distinct live targets of
    // the list: a record taken before the model last changed, or whose entity an earlier
    // record already removed, is passed over. True when anything changed; every record is
    // stale afterwards (the model generation moves on).
    bool DeleteAll();
    // repaint: a removed line shows only after a repaint (reinforcement lines).
    bool DeleteEntireLines(bool& repaint);
    bool DeleteSegments();
    bool DeletePoints();
    bool DeleteLineLoads();
    bool DeleteRadiusDefinitions();
    bool DeleteConstructionCircles();
    // The arrow-key nudge of every item by the key step (dx, dy each -1, 0 or 1), in pixels or
    // the nudge distance (selection_commands.h). repaint as for Cpp_Selection::Nudge; true
    // when any item moved.
    bool NudgeSelection(int dx, int dy, bool& repaint);
    // The scale dialog of the first item's kind (distributed loads, line loads,
    // reinforcement); false when empty.
    bool HandleScaleHotKey() const;
    // "Get Information" on the first item (Cpp_Selection::ShowTriangleInformation); false when
    // empty.
    bool ShowInformation() const;
    // The wheel over the first item; false when empty.
    bool WheelEditFirst(int delta, bool control, bool& repaint);

    // Joining lines (selection_join_lines.cpp). Joinable: at least two items on at least two
    // distinct lines, the first item a profile, piezometric or reinforcement point or segment,
    // every other item of the same family (piezometric: of the same stage).
    bool SelectedLinesAreJoinable() const;
    // Two line ends: joined end to end (JoinLines); any other selection: the lines chained
    // through end points that coincide exactly (JoinLinesByPoints). True when a line was made;
    // the list is emptied then.
    bool JoinLinesCommand();
    bool JoinLines();
    bool JoinLinesByPoints();

    // Spacing points evenly (selection_spacing.cpp): mode 1 along the line between the two
    // points farthest apart, 2 in x, 3 in y; the first and the last item keep their places
    // and the list ends sorted. Fewer than three items: nothing (false).
    bool SpacePointsEvenly(int mode);
    bool SpacePointsOnAxis(bool byX);
    bool SpacePointsAlongLine();

private:
    void PushBack(const Cpp_Selection& record);
    void PushFront(const Cpp_Selection& record);
    void AddInsidePoints(Cpp_Kliven4DataSet* dataSet, bool (*inside)(double, double, const void*),
                         const void* shape);

    std::deque<Cpp_Selection> nodes_;
    std::deque<unsigned long> generations_;
    bool addMode_ = false;
    bool kindFilter_ = false;
    bool savedKindFilter_ = false;

    static unsigned long generation_;
};

// The two program-wide lists.
Cpp_SelectionList& GetCurrentSelection();
Cpp_SelectionList& GetPickList();
// Empties both lists (nothing redrawn), returns their modes to the start and starts a new
// model generation. File New and Open, and the program-wide reset, call it.
void ClearSelectionLists();

// Registers the drawing of the current selection's highlights (its live records) with the
// whole-view drawing, in the selection-marks step. The program calls it once at start.
void RegisterSelectionDrawing();

// The pick tolerance: 5 pixels as a world length along x; any pixel count likewise.
double PickToleranceInWorld();
double PixelsToWorldLength(double pixels);
