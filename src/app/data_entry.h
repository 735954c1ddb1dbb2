#pragma once
// The launchers of the data tables: each opens the table of one kind of data of the current
// data set (and stage), and after OK refreshes what depends on the data, redraws the view and
// marks the document modified. Cancel changes nothing, and so does a command whose window is
// not registered.

#include <functional>
#include <string>

class DialogSlotBase;

namespace app {

class MainFrame;

// Runs `open` when the slot has a window; after OK runs `after`, redraws and marks the document
// modified. What `open` answered (false when the window is missing).
bool RunDataTable(MainFrame& frame, const DialogSlotBase& slot, const std::function<bool()>& open,
                  const std::function<void()>& after = {});

// The line tables of the current data set: "Profile Lines" (after OK the view zooms to the
// extents, a generated slope is generated again, the crack lines and the water loads follow),
// "Piezometric Lines - Stage N" of the current stage (the water loads follow) and
// "Reinforcement Lines" (the largest force of all data sets becomes the force scale's largest
// value). With data-entry style 1 the profile and piezometric lines open their list windows.
bool EditProfileLines(MainFrame& frame);
bool EditPiezometricLines(MainFrame& frame);
bool EditReinforcementLines(MainFrame& frame);

// "Slope Line": the slope's points; an emptied slope is generated again from the profile lines.
bool EnterSlopeLine(MainFrame& frame);

// The distributed loads of the current stage ("Distributed Loads - Stage N"), proposing the
// stage's smallest piezometric line number.
bool EditDistributedLoads(MainFrame& frame);
// The line loads of the current stage ("Line Load Data - Stage N").
bool EditLineLoads(MainFrame& frame);

// The interpolation points of the current stage: pressures (kind 1), r-sub-u values (kind 2) and
// strengths (kind 3), each in "Interpolation Data - <kind> - Stage N".
bool EditPressureInterpolationData(MainFrame& frame);
bool EditRSubUInterpolationData(MainFrame& frame);
bool EditStrengthInterpolationData(MainFrame& frame);

}  // namespace app
