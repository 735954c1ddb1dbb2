#pragma once
// The commands that open the material data: the material properties of the current stage for
// every material, and the copy of the stage-1 properties to stage 2. Each marks the document
// modified when the data changed (OK, or a copy made) and leaves it as it was otherwise; the
// drawing does not change, so nothing is redrawn.

namespace app {

class MainFrame;

// The material properties window of the current stage over all materials, with the profile
// lines' (line number, material number) pairs for "Add Missing". True after OK.
bool EditMaterialProperties(MainFrame& frame);
// "Copy Stage 1 to Stage 2" (after its question). True when the copy was made.
bool CopyStage1ToStage2(MainFrame& frame);

}  // namespace app
