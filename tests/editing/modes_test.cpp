// The edit-mode and cursor-mode numbers are fixed: the view input dispatches on them and the
// tools set them, so a renumbered constant would send an input to the wrong tool. (The input
// record is included so that it is built against the model library alone.)

#include "editing/cursor_modes.h"
#include "editing/edit_modes.h"
#include "editing/view_input.h"

#include <gtest/gtest.h>

namespace {

TEST(Modes, NumbersNeverMove) {
    const std::pair<int, int> editModes[] = {{EditModeNone, 0},
                                             {EditModeSelect, 1},
                                             {EditModeConstruction, 2},
                                             {EditModeDistributedLoads, 3},
                                             {EditModeLineLoads, 4},
                                             {EditModeMaterials, 5},
                                             {EditModeProfileLines, 6},
                                             {EditModePiezometricLines, 7},
                                             {EditModePressurePoints, 8},
                                             {EditModeRSubUPoints, 9},
                                             {EditModeStrengthPoints, 10},
                                             {EditModeInterpolationSpare, 11},
                                             {EditModeSlopeLine, 12},
                                             {EditModeReinforcement, 13},
                                             {EditModeCircle, 14},
                                             {EditModeNoncircular, 15},
                                             {EditModeRadius, 16},
                                             {EditModeCrack, 17},
                                             {EditModeCrackWater, 18},
                                             {EditModeNails, 19},
                                             {EditModeGeogrids, 20}};
    for (const auto& [mode, number] : editModes) EXPECT_EQ(mode, number);
    const std::pair<int, int> cursorModes[] = {{CursorModeZoomWindow, 2},
                                               {CursorModeZoomBox, 3},
                                               {CursorModeZoomIn, 6},
                                               {CursorModeZoomOut, 7},
                                               {CursorModeLineEntry, 13},
                                               {CursorModeSlopeLineEntry, 23},
                                               {CursorModePickBand, 44},
                                               {CursorModeAddPointTangentLine, 88},
                                               {CursorModeDragNail, 109},
                                               {CursorModeSplitReinforcementLine, 135},
                                               {CursorModeChangeSegmentSlope, 140},
                                               {CursorModeRenumberLines, 160}};
    for (const auto& [mode, number] : cursorModes) EXPECT_EQ(mode, number);
}

}  // namespace
