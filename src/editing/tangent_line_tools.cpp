#include "editing/tangent_line_tools.h"

#include "analysis/analysis_drawing_attributes.h"
#include "analysis/tangent_line.h"
#include "core/cursor_mode.h"
#include "editing/line_point_tools.h"
#include "editing/tool_dialog_bars.h"
#include "graphics/line.h"
#include "model/program_state.h"

#include <memory>

namespace {

struct s_TangentToolState {
    Cpp_TangentLine* owner = nullptr;
    std::unique_ptr<Cpp_Line> line;
};
s_TangentToolState g_tangent;

Cpp_PointXY* NthPoint(int index) {
    Cpp_PointXY* p = g_tangent.line ? g_tangent.line->FirstPoint() : nullptr;
    for (int i = 0; p && i < index; ++i) p = p->Next();
    return p;
}

bool Begin(Cpp_TangentLine* owner) {
    if (!owner || owner->GetOption() != Cpp_TangentLine::kIrregular) return false;
    g_tangent.owner = owner;
    g_tangent.line = std::make_unique<Cpp_Line>();
    g_tangent.line->SetPointsFromXYArray(owner->Points(), owner->NumberOfPoints());
    return true;
}

// After a step: the working line's points go back to the tangent line.
bool Finished(bool done) {
    if (!done || !g_tangent.owner || !g_tangent.line) return false;
    std::vector<s_tagTypePointXY> points;
    for (const Cpp_PointXY* p = g_tangent.line->FirstPoint(); p; p = p->Next())
        points.push_back({p->X(), p->Y()});
    g_tangent.owner->SetIrregularPoints(points.data(), static_cast<int>(points.size()));
    g_tangent.owner = nullptr;
    g_tangent.line.reset();
    return true;
}

bool BarPoint(double& x, double& y) {
    s_tagTypePointXY p;
    if (!TheToolBars().radius.GetRadiusPoint(p)) return false;
    x = p.x;
    y = p.y;
    return true;
}

const bool g_resetAdded = (AddProgramStateReset(&Cpp_TangentLineTool::Reset), true);

}  // namespace

bool Cpp_TangentLineTool::StartAddPointAtEnd(Cpp_TangentLine* line, bool atFirst) {
    if (!Begin(line)) return false;
    Cpp_PointXY* end = atFirst ? g_tangent.line->FirstPoint() : g_tangent.line->LastPoint();
    TheToolBars().radius.SetEntryOption(2);
    return Cpp_LineTool::StartAddPointAtEnd(g_tangent.line.get(), end, LINEKIND_TANGENT,
                                            analysis_look::TangentLineDisplayAttributes());
}

bool Cpp_TangentLineTool::AddPointAtEnd(double x, double y, bool fromBar) {
    if (fromBar && !BarPoint(x, y)) return false;
    return Finished(Cpp_LineTool::AddPointAtEnd(x, y));
}

bool Cpp_TangentLineTool::StartDragPoint(Cpp_TangentLine* line, int index, int px, int py) {
    if (!Begin(line) || !NthPoint(index)) return false;
    return Cpp_LineTool::StartDragPoint(g_tangent.line.get(), LINEKIND_TANGENT, px, py,
                                        NthPoint(index),
                                        analysis_look::TangentLineDisplayAttributes());
}

bool Cpp_TangentLineTool::DropDraggedPoint(double x, double y, bool fromBar) {
    if (fromBar && !BarPoint(x, y)) return false;
    return Finished(Cpp_LineTool::DropDraggedPoint(x, y, true));
}

bool Cpp_TangentLineTool::StartInsertPoint(Cpp_TangentLine* line, int index) {
    if (!Begin(line) || !NthPoint(index + 1)) return false;
    return Cpp_LineTool::StartInsertPointOnSegment(g_tangent.line.get(), NthPoint(index),
                                                   LINEKIND_TANGENT,
                                                   analysis_look::TangentLineDisplayAttributes());
}

bool Cpp_TangentLineTool::InsertPointEnter(double x, double y, bool fromBar) {
    if (fromBar && !BarPoint(x, y)) return false;
    return Finished(Cpp_LineTool::CompleteInsertOnSegment(x, y, true));
}

void Cpp_TangentLineTool::Reset() {
    g_tangent.owner = nullptr;
    g_tangent.line.reset();
}

namespace view_slip_surface_steps {

namespace {
void Changed(s_InputCall& c, bool done) {
    if (!done) return;
    c.modified = true;
    c.redraw = true;
    c.view.DataChanged(0);
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
