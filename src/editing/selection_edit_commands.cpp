#include "editing/selection_edit_commands.h"

#include "core/summary_window.h"
#include "editing/edit_modes.h"
#include "editing/selection_commands.h"
#include "editing/selection_kinds.h"
#include "editing/selection_list.h"
#include "editing/selection_refresh.h"
#include "editing/view_input.h"
#include "editing/view_selection.h"

#include <algorithm>

namespace {

// The selected item's description in the status line carries its values: after an edit of the
// item in the select mode it is written again, so that it shows the values the item now has.
void ShowEditedSelectionPrompt(const ViewInputHost& view) {
    if (view.EditMode() == EditModeSelect) ShowSelectionPrompt();
}

// The change is reported with the refresh kind of the first item (taken before the walk:
// the walk leaves the records stale).
bool Report(ViewInputHost& view, int kind, bool changed, bool repaint = true) {
    if (changed) view.DataChanged(DataChangeKindOf(kind));
    if (changed || repaint) view.InvalidateView();
    return changed;
}

int FirstKind(const Cpp_SelectionList& list) {
    const Cpp_Selection* first = list.GetNth(1);
    return first ? first->GetType() : 0;
}

// The current list after a deletion: emptied, its highlights gone with the view's repaint, the
// shown bar hidden, the summary window cleared and the prompt of an empty selection shown.
void EndDeletion(ViewInputHost& view) {
    GetCurrentSelection().Clear();
    ClearSummaryWindow();
    view.HideCurrentToolBar();
    ShowSelectionPrompt();
}

template <class Walk>
bool DeleteFromCurrent(ViewInputHost& view, Walk walk) {
    Cpp_SelectionList& list = GetCurrentSelection();
    const int kind = FirstKind(list);
    const bool changed = walk(list);
    EndDeletion(view);
    return Report(view, kind, changed, changed);
}

}  // namespace

int DataChangeKindOf(int kind) {
    const s_SelectionKindRow* row = FindSelectionKind(kind);
    return row ? row->dataChange : 0;
}

bool DeleteAllForSelection(ViewInputHost& view, bool currentList) {
    Cpp_SelectionList& list = currentList ? GetCurrentSelection() : GetPickList();
    const int kind = FirstKind(list);
    const bool changed = list.DeleteAll();
    list.Clear();
    EndDeletion(view);
    return Report(view, kind, changed);
}

bool DeleteEntireLineOfSelection(ViewInputHost& view) {
    return DeleteFromCurrent(view, [](Cpp_SelectionList& list) {
        bool repaint = false;
        return list.DeleteEntireLines(repaint);
    });
}

bool DeleteSegmentOfSelection(ViewInputHost& view) {
    return DeleteFromCurrent(view, [](Cpp_SelectionList& list) { return list.DeleteSegments(); });
}

bool DeletePointOfSelection(ViewInputHost& view) {
    return DeleteFromCurrent(view, [](Cpp_SelectionList& list) { return list.DeletePoints(); });
}

bool DeleteLineLoadOfSelection(ViewInputHost& view) {
    return DeleteFromCurrent(view, [](Cpp_SelectionList& list) { return list.DeleteLineLoads(); });
}

bool DeleteRadiusDefinitionOfSelection(ViewInputHost& view) {
    return DeleteFromCurrent(
        view, [](Cpp_SelectionList& list) { return list.DeleteRadiusDefinitions(); });
}

bool DeleteConstructionCircleOfSelection(ViewInputHost& view) {
    return DeleteFromCurrent(
        view, [](Cpp_SelectionList& list) { return list.DeleteConstructionCircles(); });
}

bool DeleteSelectedPoint(ViewInputHost& view) {
    const s_SelectionKindRow* row = FindSelectionKind(FirstKind(GetCurrentSelection()));
    switch (row ? row->deleteKey : e_DeleteKey::None) {
    case e_DeleteKey::Segment: return DeleteSegmentOfSelection(view);
    case e_DeleteKey::Point: return DeletePointOfSelection(view);
    case e_DeleteKey::ConstructionCircle: return DeleteConstructionCircleOfSelection(view);
    case e_DeleteKey::EntireLine: return DeleteEntireLineOfSelection(view);
    case e_DeleteKey::LineLoad: return DeleteLineLoadOfSelection(view);
    case e_DeleteKey::RadiusDefinition: return DeleteRadiusDefinitionOfSelection(view);
    case e_DeleteKey::None: break;
    }
    return false;
}

bool DeleteTrianglesOfSelection(ViewInputHost& view) {
    Cpp_SelectionList& list = GetCurrentSelection();
    const bool changed = DeleteTrianglesOutsideMaterial(list);
    if (list.IsEmpty()) view.HideCurrentToolBar();
    return Report(view, 0, changed, changed);
}

bool AssignNumberToSelection(ViewInputHost& view) {
    Cpp_SelectionList& list = GetCurrentSelection();
    if (!list.HasOneItem()) return false;
    Cpp_Selection* item = list.GetNth(1);
    if (!list.IsLive(item)) return false;
    const int kind = item->GetType();
    bool clear = false, repaint = false, modified = false;
    item->ApplyToolBarValues(clear, repaint, modified);
    if (clear) {
        EraseSelection(list, true);
        view.HideCurrentToolBar();
        ShowSelectionPrompt();
    } else if (modified) {
        ShowEditedSelectionPrompt(view);
    }
    return Report(view, kind, modified, repaint);
}

bool NudgeKey(ViewInputHost& view, int key) {
    int dx = 0, dy = 0;
    switch (key) {
    case ViewKeyArrowLeft: dx = -1; break;
    case ViewKeyArrowUp: dy = 1; break;
    case ViewKeyArrowRight: dx = 1; break;
    case ViewKeyArrowDown: dy = -1; break;
    default: return false;
    }
    Cpp_SelectionList& list = GetCurrentSelection();
    const int kind = FirstKind(list);
    bool repaint = false;
    const bool moved = list.NudgeSelection(dx, dy, repaint);
    Report(view, kind, moved);
    if (moved) ShowEditedSelectionPrompt(view);
    return true;
}

bool WheelEditSelection(ViewInputHost& view, int delta, bool control) {
    Cpp_SelectionList& list = GetCurrentSelection();
    const int kind = FirstKind(list);
    bool repaint = false;
    const bool used = list.WheelEditFirst(delta, control, repaint);
    if (repaint) Report(view, kind, true);
    if (used) ShowEditedSelectionPrompt(view);
    return used;
}

bool ChangeValueOfSelection(ViewInputHost& view, int x, int y) {
    (void)view;
    Cpp_SelectionList& list = GetCurrentSelection();
    const Cpp_Selection* first = list.GetNth(1);
    if (!first || !list.IsLive(first)) return false;
    first->RedrawHighlighted();
    const bool done = first->ChangeValue(x, y);
    NoteSelectionDragStarted();
    return done;
}

bool StartAddPointAtEnd(ViewInputHost& view) {
    (void)view;
    const Cpp_Selection* first = GetCurrentSelection().GetNth(1);
    return first && GetCurrentSelection().IsLive(first) && first->StartAddPointAtEnd();
}

bool StartInsertPoint(ViewInputHost& view) {
    (void)view;
    const Cpp_Selection* first = GetCurrentSelection().GetNth(1);
    return first && GetCurrentSelection().IsLive(first) && first->StartInsertPoint();
}

bool JoinSelectedLines(ViewInputHost& view) {
    Cpp_SelectionList& list = GetCurrentSelection();
    const int kind = FirstKind(list);
    const bool joined = list.JoinLinesCommand();
    if (joined) view.HideCurrentToolBar();
    return Report(view, kind, joined, false);
}

bool SpacePointsEvenly(ViewInputHost& view, int mode) {
    Cpp_SelectionList& list = GetCurrentSelection();
    const int kind = FirstKind(list);
    const bool moved = list.SpacePointsEvenly(mode);
    return Report(view, kind, moved);
}
