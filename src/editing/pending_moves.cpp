#include "editing/pending_moves.h"

#include "core/cursor_mode.h"
#include "core/geometry.h"
#include "core/message_boxes.h"
#include "editing/cursor_modes.h"
#include "editing/edit_modes.h"
#include "editing/line_editing_dialogs.h"
#include "editing/tool_table.h"
#include "editing/view_input.h"
#include "editing/view_navigation.h"
#include "editing/view_selection.h"
#include "graphics/line.h"
#include "graphics/prompts.h"
#include "model/program_state.h"

#include <cmath>
#include <limits>

namespace {

void ResetPendingMove() { PendingMove() = s_PendingMove(); }

void PromptWithTip(int id) {
    ShowPromptResource(id);
    SetToolTipFromId(id);
}

}  // namespace

s_PendingMove& PendingMove() {
    static s_PendingMove* move = [] {
        AddProgramStateReset(&ResetPendingMove);
        return new s_PendingMove;
    }();
    return *move;
}

bool AskMoveDistance(int mode, double& distance) { return RunMoveDistanceDialog(mode, distance); }

bool StartPendingMove(int mode) {
    s_PendingMove& m = PendingMove();
    m.mode = mode;
    m.referenceLine = nullptr;
    m.referencePoint = nullptr;
    switch (mode) {
    case 3:
        SetCursorMode(CursorModeMoveDistanceStraight);
        ShowPromptResource(1338);
        break;
    case 4:
        SetCursorMode(CursorModeMoveDistanceStraight);
        ShowPromptResource(1339);
        break;
    case 5:
    case 6:
        SetCursorMode(CursorModeMoveDistanceFromPoint);
        PromptWithTip(1343);
        break;
    case 7:
    case 8:
    case 9:
        SetCursorMode(CursorModeMoveDistanceFromLine);
        PromptWithTip(1337);
        break;
    default: break;
    }
    return true;
}

bool SetPendingMoveReferenceLine(const Cpp_Line* line, const Cpp_PointXY* point) {
    s_PendingMove& m = PendingMove();
    m.referenceLine = line;
    m.referencePoint = point;
    return m.mode >= 7 && m.mode <= 9;
}

bool SetPendingMoveTarget(long first, long second) {
    s_PendingMove& m = PendingMove();
    if (m.mode != 9) return false;
    m.target1 = first;
    m.target2 = second;
    return true;
}

bool PerformPendingMove() {
    s_PendingMove& m = PendingMove();
    if (!AskMoveDistance(m.mode, m.distance)) return false;
    if (m.mode == 9 && m.referencePoint && m.referencePoint->Next()) {
        const s_tagTypePointXY a = m.referencePoint->XY(), b = m.referencePoint->Next()->XY();
        m.nx = b.y - a.y;
        m.ny = a.x - b.x;
    }
    return true;
}

bool ApplyPendingMoveToPoint(s_tagTypePointXY& point) {
    const s_PendingMove& m = PendingMove();
    const double d = m.distance;
    switch (m.mode) {
    case 1: point.x += d; return true;
    case 2: point.y += d; return true;
    case 7:
    case 8: {
        if (!m.referenceLine) return false;
        double distance = 0;
        Cpp_PointXY found;
        const bool ok = m.mode == 7
                            ? m.referenceLine->SnapHorizontally(point.x, point.y, m.referencePoint,
                                                                distance, found)
                            : m.referenceLine->SnapVertically(point.x, point.y, m.referencePoint,
                                                              distance, found);
        if (!ok) return false;
        if (m.mode == 7)
            point.x = found.X() + d;
        else
            point.y = found.Y() + d;
        return true;
    }
    case 9: {
        if (!m.referencePoint || !m.referencePoint->Next()) return false;
        const Cpp_PointXY& a = *m.referencePoint;
        const Cpp_PointXY& b = *m.referencePoint->Next();
        Cpp_PointXY foot;
        if (!LinesIntersectionPoint(Cpp_PointXY(point.x, point.y),
                                    Cpp_PointXY(point.x + m.nx, point.y + m.ny), a, b, 0.0, foot))
            return false;
        const double x1 = a.X(), y1 = a.Y(), x2 = b.X(), y2 = b.Y();
        if (x1 == x2) {
            point = {foot.X() + d, foot.Y()};
            return true;
        }
        const double theta =
            y2 == y1 ? (x1 - x2 > 0 ? M_PI / 2 : -M_PI / 2) : std::atan((x1 - x2) / (y2 - y1));
        const double sign = theta >= 0 ? 1.0 : -1.0;
        point = {foot.X() + sign * d * std::cos(theta), foot.Y() + sign * d * std::sin(theta)};
        return true;
    }
    default: return false;
    }
}

void EndPendingStep() {
    SetCursorMode(CursorModeNone);
    ClearPromptBar();
    ClearToolTip();
    ViewInputHost* view = GetViewWindow();
    if (view && view->EditMode() == EditModeSelect)
        ShowSelectModePromptAfterStep();  // the moved item described as it now is
    else if (view)
        SetToolPrompt(true, view->EditMode(), {});
}

bool StartPendingMoveToLine(bool parallel, bool reinforcement) {
    (void)reinforcement;
    s_PendingMove& m = PendingMove();
    m.parallel = parallel;
    m.referenceLine = nullptr;
    PromptWithTip(1333);
    SetCursorMode(CursorModeMoveToLineTarget);
    return true;
}

bool StartPickReferenceLine(const Cpp_Line* target) {
    s_PendingMove& m = PendingMove();
    m.referenceLine = target;
    SetCursorMode(CursorModeMoveToLineReference);
    PromptWithTip(m.parallel ? 1334 : 1335);
    return true;
}

bool MovePointToTargetLine(s_tagTypePointXY& point, const Cpp_PointXY* referenceFirst) {
    const s_PendingMove& m = PendingMove();
    if (!m.referenceLine || !referenceFirst || !referenceFirst->Next()) return false;
    const double a = referenceFirst->X() - referenceFirst->Next()->X();
    const double b = referenceFirst->Y() - referenceFirst->Next()->Y();
    const Cpp_PointXY from(0, point.x, point.y);
    const Cpp_PointXY toward =
        m.parallel ? Cpp_PointXY(point.x + a, point.y + b) : Cpp_PointXY(point.x + b, point.y - a);
    bool found = false;
    double nearest = std::numeric_limits<double>::max();
    s_tagTypePointXY best{};
    for (const Cpp_PointXY* p = m.referenceLine->FirstPoint(); p && p->Next(); p = p->Next()) {
        Cpp_PointXY crossing;
        if (!LineCrossesSegment(from, toward, *p, *p->Next(), 0.0, crossing)) continue;
        const double d = std::hypot(crossing.X() - point.x, crossing.Y() - point.y);
        if (d < nearest) {
            nearest = d;
            best = crossing.XY();
            found = true;
        }
    }
    if (found) {
        point = best;
        EndPendingStep();
        return true;
    }
    if (AskOkCancel(nullptr, "Data Entry Notice",
                    "Extension of the selected point does not intersect the designated line.  "
                    "Try to designate a line to intersect again?"))
        return false;
    EndPendingStep();
    return true;
}
