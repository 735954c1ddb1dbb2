#pragma once
// The frame's side of the slip-surface tools: what the circle, noncircular and radius buttons do
// before and after the switch of the edit mode.

namespace app {

class MainFrame;

// The circle button: the circle tool started (also when it is the active tool); true.
bool PrepareCircleTool(MainFrame& frame);
// After the switch to the circle tool: the circle bar filled, the tool's prompt.
void ChooseCircleTool();
// After the switch to the noncircular tool: its bar loaded, the tool's prompt.
void ChooseNoncircularTool();
// The radius button: only with circular analysis data ("Notice" otherwise, false); the radius
// bar arranged for the circle mode.
bool PrepareRadiusTool(MainFrame& frame);
// After the switch to the radius tool: the bar's criterion list, the tool's prompt.
void ChooseRadiusTool();
// "Options" of the circle bar: the floating-grid (mode 3) or fixed-grid (mode 4) search options.
void CircleToolOptions(MainFrame& frame);
// "Options" of the noncircular bar: the snap and shifts of the noncircular tool.
void NoncircularToolOptions(MainFrame& frame);

}  // namespace app
