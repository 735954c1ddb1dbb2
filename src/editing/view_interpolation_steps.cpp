// The view's steps of the interpolation-point tools (edit modes 8 to 10): a click or Enter adds
// a point, Shift or Ctrl with a move shows the value under the cursor, the right button opens
// the tools' menu.

#include "editing/interpolation_tool.h"
#include "editing/view_tool_steps.h"

namespace view_tool_steps {

namespace {

// A point added: the document changed; the view is drawn again whole unless the insertion drew
// its changed triangles on the view's picture already.
void PointAdded(s_InputCall& c) {
    if (Cpp_InterpolationTool::DrawnInPlace()) {
        c.view.DataChangedDrawn(0);
        return;
    }
    c.redraw = true;
    c.view.DataChanged(0);
    c.view.InvalidateView();
}

}  // namespace

void InterpolationClick(s_InputCall& c) {
    if (!Cpp_InterpolationTool::AddPointFromTool(c.rounded.x, c.rounded.y, false)) return;
    c.modified = true;
    PointAdded(c);
}

void InterpolationEnter(s_InputCall& c) {
    if (Cpp_InterpolationTool::AddPointFromTool(0.0, 0.0, true)) {
        const bool redraw = c.redraw;
        PointAdded(c);
        c.redraw = redraw;
    }
    c.handled = false;
}

void InterpolationMove(s_InputCall& c) {
    if (!c.in.shift && !c.in.control) return;
    std::string text;
    if (Cpp_InterpolationTool::GetToolToolTipText(c.rounded.x, c.rounded.y, c.in.shift,
                                                  c.in.control, text))
        view_input_ops::SetMoveToolTip(text);
}

void InterpolationMenu(s_InputCall& c) {
    const s_PixelPoint corner = c.view.ScreenTopLeft();
    const int id = c.view.TrackMenu(Cpp_InterpolationTool::PopupMenu(),
                                    {corner.x + c.pickDevice.x + 4, corner.y + c.pickDevice.y + 5});
    if (id != 0) c.view.RunCommand(id);
}

}  // namespace view_tool_steps
