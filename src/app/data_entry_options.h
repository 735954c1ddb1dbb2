#pragma once
// Settings > "Data Entry Options": whether rubber-band lines follow the cursor while points of
// a line are entered.

namespace app {

// Runs the window on RubberBandLinesOption; OK stores the box (true), Cancel keeps it.
bool EditDataEntryOptions();

}  // namespace app
