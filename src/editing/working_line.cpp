#include "editing/working_line.h"

#include "editing/line_point_tools.h"
#include "graphics/line.h"
#include "model/program_state.h"

#include <algorithm>
#include <memory>

namespace {

struct s_WorkingState {
    std::unique_ptr<Cpp_Line> line;
    std::vector<Cpp_PointXY*> made;  // the copy's nodes by the owner's point index
    std::vector<s_tagTypePointXY> original;
};
s_WorkingState g_working;

std::vector<s_WorkingPoint> EditedPoints() {
    std::vector<s_WorkingPoint> out;
    for (const Cpp_PointXY* p = g_working.line->FirstPoint(); p; p = p->Next()) {
        const auto at = std::find(g_working.made.begin(), g_working.made.end(), p);
        out.push_back(
            {p->X(), p->Y(),
             at == g_working.made.end() ? -1 : static_cast<int>(at - g_working.made.begin())});
    }
    return out;
}

bool Unchanged(const std::vector<s_WorkingPoint>& points) {
    if (points.size() != g_working.original.size()) return false;
    for (std::size_t i = 0; i < points.size(); ++i) {
        const s_WorkingPoint& p = points[i];
        if (p.from != static_cast<int>(i) || p.x != g_working.original[i].x ||
            p.y != g_working.original[i].y)
            return false;
    }
    return true;
}

const bool g_resetAdded = (AddProgramStateReset(&Cpp_WorkingLine::Reset), true);

}  // namespace

Cpp_Line* Cpp_WorkingLine::Begin(const std::vector<s_tagTypePointXY>& points, WriteBack writeBack) {
    if (g_working.line && Cpp_LineTool::EditedLine() == g_working.line.get())
        Cpp_LineTool::CancelTool();
    g_working = s_WorkingState{};
    g_working.line = std::make_unique<Cpp_Line>();
    g_working.original = points;
    for (const s_tagTypePointXY& p : points)
        g_working.made.push_back(g_working.line->AddPoint(p.x, p.y));
    g_working.line->NumberPoints();
    Cpp_LineTool::WhenToolEnds(g_working.line.get(), [writeBack = std::move(writeBack)] {
        const std::vector<s_WorkingPoint> edited = EditedPoints();
        if (!Unchanged(edited) && writeBack) writeBack(edited);
    });
    return g_working.line.get();
}

Cpp_PointXY* Cpp_WorkingLine::PointAt(int index) {
    if (index < 0 || index >= static_cast<int>(g_working.made.size())) return nullptr;
    return g_working.made[static_cast<std::size_t>(index)];
}

bool Cpp_WorkingLine::Holds(const Cpp_Line* line) { return line && line == g_working.line.get(); }

void Cpp_WorkingLine::Reset() { g_working = s_WorkingState{}; }
