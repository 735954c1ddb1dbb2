#pragma once
// The launchers of the analysis/computation data: the menu commands "Analysis/Computation"
// (Ctrl+A) and "Analysis/Computation - Optional Data", and the slip-surface tool buttons
// pressed with Shift or Ctrl.

namespace app {

class MainFrame;

// The main analysis dialog and the input of the chosen combination; after OK the view zooms
// to the data, the circles' end points are recomputed, the view is redrawn and the document
// marked modified. False after Cancel (nothing changed beyond the first dialog's choice).
bool EditAnalysisComputationData(MainFrame& frame);
// The optional analysis data; without primary data the main dialog opens instead. After OK the
// view is redrawn and the document marked modified.
bool EditOptionalAnalysisData(MainFrame& frame);

}  // namespace app
