#pragma once
// Renumbering lines by clicking: the user clicks every line of one kind in the wanted order;
// each click leaves a numbered disc on the view, and after the last line the lines take the
// numbers 1, 2, ... in click order at once. Escape (End) leaves every number as it was.
//
//     RenumberLines::Start(dataSet, RenumberLines::ProfileLines);       // cursor mode 160
//     if (RenumberLines::OnClick(world, tolerance, &viewDc)) redraw;    // each left click
//
// Piezometric lines are those of the stage current when the tool starts. The clicks reach
// OnClick from the view's input row of cursor mode 160 with the pick tolerance in world units.

#include "core/point_xy.h"
#include "platform/device_context.h"

class Cpp_Kliven4DataSet;

class RenumberLines {
public:
    enum Kind { ProfileLines = 1, PiezometricLines = 2, ReinforcementLines = 3 };

    // Starts the tool on the kind's lines: prompt for line 1, cursor mode 160. False (nothing to
    // redraw), also for an unknown kind or without a data set, which start nothing.
    static bool Start(Cpp_Kliven4DataSet* dataSet, int kind);
    // A click at the world point: the line owning the nearest point within the tolerance, else
    // the nearest segment. A miss or a line already clicked gives its error box and changes
    // nothing. A hit gets the next number's disc (at the hit point, else at the click) on the
    // device context when one is given. True when the last line was clicked and the numbers
    // were applied (the view must be redrawn).
    static bool OnClick(const s_tagTypePointXY& world, double tolerance,
                        platform::DeviceContext* dc);
    // One disc with the number centred on the pixel point, in the kind's colour.
    static void DrawNumbers(platform::DeviceContext& dc, int px, int py, int number);
    // Escape: the clicks are dropped, the prompt cleared, cursor mode 0; no number changes.
    static void End();

    static bool IsActive();
    static int ClickedCount();
    // Program-wide state back to idle (without touching the prompt or cursor mode).
    static void Reset();
};
