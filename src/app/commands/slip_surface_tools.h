#pragma once
// The frame's side of the slip-surface tools: what the circle, noncircular and radius buttons do
// before the switch of the edit mode, and the options of their bars.

namespace app {

class MainFrame;

// The circle button: the circle tool started (also when it is the active tool); true.
bool PrepareCircleTool(MainFrame& frame);
// The radius button: only with circular analysis data ("Notice" otherwise, false); the radius
// bar arranged for the circle mode.
bool PrepareRadiusTool(MainFrame& frame);
// "Options" of the circle bar: the floating-grid (mode 3) or fixed-grid (mode 4) search options.
void CircleToolOptions(MainFrame& frame);
// "Options" of the noncircular bar: the snap and shifts of the noncircular tool.
void NoncircularToolOptions(MainFrame& frame);

}  // namespace app
