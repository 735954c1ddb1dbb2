// The view's steps of "Edit/Compute Distance": the click that picks the second item and Escape.

#include "editing/point_distances.h"
#include "editing/selection_list.h"
#include "editing/view_dispatch.h"
#include "editing/view_selection.h"
#include "model/data_sets.h"

namespace view_input_ops {

void DistancePick(s_InputCall& call) {
    Cpp_SelectionList& picks = GetPickList();
    picks.Clear();
    picks.SetAddMode(false);
    picks.SelectItemAtPoint(Cpp_Kliven4Data::CurrentDataSetOrNull(), call.raw.x, call.raw.y, false,
                            false, false);
    if (picks.IsEmpty()) {
        EraseSelection(GetCurrentSelection(), true);
        ShowSelectionPrompt();
        return;
    }
    int chosen = 1;
    if (picks.Count() >= 2) {
        // The candidates in the menu beside the click; another command is carried out as such.
        const s_PixelPoint corner = call.view.ScreenTopLeft();
        const int id =
            call.view.TrackMenu(CandidateMenu(picks), {corner.x + call.pickDevice.x + 4,
                                                       corner.y + call.pickDevice.y + 5});
        if (id < kFirstCandidateCommand || id >= kFirstCandidateCommand + kCandidateMenuSize) {
            picks.Clear();
            if (id != 0) call.view.RunCommand(id);
            return;
        }
        chosen = id - kFirstCandidateCommand + 1;
    }
    const Cpp_Selection* candidate = picks.GetNth(chosen);
    if (!candidate) return;
    const Cpp_Selection picked = *candidate;
    picks.Clear();
    bool moved = false;
    ComputeDistanceToPicked(&picked, &moved);
    if (moved) {
        call.modified = true;
        call.redraw = true;
    }
}

void DistanceEscape(s_InputCall&) { CancelDistanceTool(); }

}  // namespace view_input_ops
