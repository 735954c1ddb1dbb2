#include "editing/tangent_line_tools.h"

#include "analysis/analysis_drawing_attributes.h"
#include "analysis/tangent_line.h"
#include "core/cursor_mode.h"
#include "editing/line_point_tools.h"
#include "editing/tool_dialog_bars.h"
#include "editing/view_navigation.h"
#include "editing/working_line.h"
#include "graphics/line.h"

#include <vector>

namespace {

// The working copy of the tangent line's points; each completed step writes them back.
Cpp_Line* Begin(Cpp_TangentLine* owner) {
    if (!owner || owner->GetOption() != Cpp_TangentLine::kIrregular) return nullptr;
    return Cpp_WorkingLine::Begin(
        owner->Points(), [owner](const std::vector<s_WorkingPoint>& edited) {
            std::vector<s_tagTypePointXY> points;
            for (const s_WorkingPoint& p : edited) points.push_back({p.x, p.y});
            owner->SetIrregularPoints(points.data(), static_cast<int>(points.size()));
            InvalidateViewWindow();
        });
}

bool BarPoint(double& x, double& y) {
    s_tagTypePointXY p;
    if (!TheToolBars().radius.GetRadiusPoint(p)) return false;
    x = p.x;
    y = p.y;
    return true;
}

}  // namespace

bool Cpp_TangentLineTool::StartAddPointAtEnd(Cpp_TangentLine* line, bool atFirst) {
    Cpp_Line* copy = Begin(line);
    if (!copy) return false;
    Cpp_PointXY* end = atFirst ? copy->FirstPoint() : copy->LastPoint();
    TheToolBars().radius.SetEntryOption(2);
    return Cpp_LineTool::StartAddPointAtEnd(copy, end, LINEKIND_TANGENT,
                                            analysis_look::TangentLineDisplayAttributes());
}

bool Cpp_TangentLineTool::AddPointAtEnd(double x, double y, bool fromBar) {
    if (fromBar && !BarPoint(x, y)) return false;
    return Cpp_LineTool::AddPointAtEnd(x, y);
}

bool Cpp_TangentLineTool::StartDragPoint(Cpp_TangentLine* line, int index, int px, int py) {
    Cpp_Line* copy = Begin(line);
    if (!copy || !Cpp_WorkingLine::PointAt(index)) return false;
    return Cpp_LineTool::StartDragPoint(copy, LINEKIND_TANGENT, px, py,
                                        Cpp_WorkingLine::PointAt(index),
                                        analysis_look::TangentLineDisplayAttributes());
}

bool Cpp_TangentLineTool::DropDraggedPoint(double x, double y, bool fromBar) {
    if (fromBar && !BarPoint(x, y)) return false;
    return Cpp_LineTool::DropDraggedPoint(x, y, true);
}

bool Cpp_TangentLineTool::StartInsertPoint(Cpp_TangentLine* line, int index) {
    Cpp_Line* copy = Begin(line);
    if (!copy || !Cpp_WorkingLine::PointAt(index + 1)) return false;
    return Cpp_LineTool::StartInsertPointOnSegment(copy, Cpp_WorkingLine::PointAt(index),
                                                   LINEKIND_TANGENT,
                                                   analysis_look::TangentLineDisplayAttributes());
}

bool Cpp_TangentLineTool::InsertPointEnter(double x, double y, bool fromBar) {
    if (fromBar && !BarPoint(x, y)) return false;
    return Cpp_LineTool::CompleteInsertOnSegment(x, y, true);
}

Cpp_Line* Cpp_TangentLineTool::EditLine(Cpp_TangentLine* line, int index, Cpp_PointXY*& point) {
    Cpp_Line* copy = Begin(line);
    point = copy ? Cpp_WorkingLine::PointAt(index) : nullptr;
    return point ? copy : nullptr;
}

namespace view_slip_surface_steps {

namespace {
void Changed(s_InputCall& c, bool done) {
    if (!done) return;
    c.modified = true;
    c.redraw = true;
    c.view.DataChanged(9);  // the circles' end points follow
}
void RadiusBarFollows(s_InputCall& c) {
    if (c.in.shift) TheToolBars().radius.UpdateFromPoint(c.rounded.x, c.rounded.y, false);
}
}  // namespace

void TangentAddAtEndEnter(s_InputCall& c) {
    Changed(c, Cpp_TangentLineTool::AddPointAtEnd(0.0, 0.0, true));
}
void TangentDrop(s_InputCall& c) {
    Changed(c, Cpp_TangentLineTool::DropDraggedPoint(c.snapped.x, c.snapped.y, false));
}
void TangentDropFromBar(s_InputCall& c) {
    Changed(c, Cpp_TangentLineTool::DropDraggedPoint(0.0, 0.0, true));
}
void TangentDragMove(s_InputCall& c) {
    RadiusBarFollows(c);
    view_input_ops::DragPointMove(c);
}
void TangentInsertClick(s_InputCall& c) {
    Changed(c, Cpp_TangentLineTool::InsertPointEnter(c.snapped.x, c.snapped.y, false));
}
void TangentInsertEnter(s_InputCall& c) {
    Changed(c, Cpp_TangentLineTool::InsertPointEnter(0.0, 0.0, true));
}
void TangentInsertMove(s_InputCall& c) {
    RadiusBarFollows(c);
    view_input_ops::InsertMove(c);
}

}  // namespace view_slip_surface_steps
