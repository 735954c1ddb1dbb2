// The editing tools of a polyline: change a segment's length or slope, extend a point to a
// line, make a segment parallel or perpendicular to another, split a segment, snap or move a
// point. They share the tool state and drawing steps of the point tools (line_tool_state.h).

#include "core/cursor_mode.h"
#include "core/geometry.h"
#include "core/message_boxes.h"
#include "editing/cursor_modes.h"
#include "editing/line_editing_dialogs.h"
#include "editing/line_point_tools.h"
#include "editing/line_tool_state.h"
#include "editing/view_navigation.h"
#include "editing/view_selection.h"
#include "graphics/graphics.h"
#include "graphics/line.h"
#include "graphics/prompts.h"
#include "model/program_state.h"

#include <cmath>
#include <limits>
#include <numbers>

using namespace line_tool;

namespace {

// What the editing tools keep besides the shared state; format and rule last from one use to
// the next.
struct s_EditState {
    double length = 0.0;
    int slopeFormat = 1;
    int slopeRule = 0;
    double slopeAngle = 0.0;
    double slopeRatio = 0.0;
    Cpp_Line* target = nullptr;
    Cpp_PointXY* targetSegment = nullptr;
    bool parallel = false;
    bool targetIsSegment = false;
    bool redrawAll = false;
    bool splitter = false;
    double directionX = 0.0, directionY = 0.0;
    double normalX = 0.0, normalY = 0.0;
    s_tagTypePointXY splitAt;
    s_PixelPoint splitPixel;
};
s_EditState g_edit;

s_State& S() { return State(); }

double EndDistance(double x1, double y1, double x2, double y2) {
    return std::hypot(x2 - x1, y2 - y1);
}

// The segment's end nearer the click (the first on a tie).
bool FirstEndNearer(const Cpp_PointXY* p1, const Cpp_PointXY* p2, double x, double y) {
    return EndDistance(x, y, p1->X(), p1->Y()) <= EndDistance(x, y, p2->X(), p2->Y());
}

// Moves the point on the view: its symbol and its segments to the neighbours erased, the point
// set, segments and symbol drawn again; with marker its selection marker is taken off first and
// put back after.
void MoveDrawn(Cpp_Line* line, Cpp_PointXY* before, Cpp_PointXY* point, Cpp_PointXY* after,
               double x, double y, bool marker) {
    const s_PixelPoint from = PixelOf(point), to = PixelOf(x, y);
    const s_PixelPoint b = before ? PixelOf(before) : from, a = after ? PixelOf(after) : from;
    OnView({from, to, b, a}, [&](platform::DeviceContext& dc) {
        if (marker) ToggleMarker(dc, point);
        DrawEditSymbol(dc, point->X(), point->Y(), true);
        DrawSegments(dc, {before, point, after}, true);
    });
    point->SetX(x);
    point->SetY(y);
    if (line) line->ClearSlopeCache();
    OnView({from, to, b, a}, [&](platform::DeviceContext& dc) {
        DrawSegments(dc, {before, point, after});
        if (before) DrawEditSymbol(dc, before->X(), before->Y());
        if (after) DrawEditSymbol(dc, after->X(), after->Y());
        DrawEditSymbol(dc, point->X(), point->Y());
        if (marker) ToggleMarker(dc, point);
    });
}

// The moving end of the edited segment and its neighbours on the line.
struct s_SegmentEnd {
    Cpp_PointXY* moving = nullptr;
    Cpp_PointXY* fixed = nullptr;
    Cpp_PointXY* before = nullptr;  // neighbours of the moving end
    Cpp_PointXY* after = nullptr;
    bool first = false;  // the moving end is the segment's first point
};
s_SegmentEnd ChooseEnd(double x, double y) {
    s_SegmentEnd end;
    Cpp_PointXY* p1 = S().point;
    Cpp_PointXY* p2 = p1->Next();
    end.first = FirstEndNearer(p1, p2, x, y);
    if (end.first) {
        end.moving = p1;
        end.fixed = p2;
        end.before = S().before;
        end.after = p2;
    } else {
        end.moving = p2;
        end.fixed = p1;
        end.before = p1;
        end.after = S().after;
    }
    return end;
}

// Stores the edited segment: false when the point starts none.
bool TakeSegment(Cpp_Line* line, Cpp_PointXY* segmentStart, const s_DrawAttributesType& attributes,
                 e_Tool tool) {
    if (!line || !segmentStart) return false;
    Cpp_PointXY* before = nullptr;
    Cpp_PointXY* after = nullptr;
    if (!FindNeighboursOfSegment(*line, segmentStart, before, after)) return false;
    s_State& s = S();
    s = s_State{};
    s.attributes = attributes;
    s.line = line;
    s.point = segmentStart;
    s.before = before;
    s.after = after;
    s.tool = tool;
    return true;
}

void Prompt(const char* text) {
    ShowPrompt(text);
    SetToolTipText(text);
}

void ClearPrompts() {
    ClearPromptBar();
    ClearToolTip();
}

// The new place of the moving end for a slope; false when the format and rule cannot make it.
bool SlopePosition(int format, int rule, double value, const Cpp_PointXY& fixed, double dx,
                   double dy, double length, double& x, double& y) {
    const double xF = fixed.X(), yF = fixed.Y();
    x = xF + dx;
    y = yF + dy;
    const double m = value;
    if (format == 0) {
        const double angle = value * std::numbers::pi / 180.0;
        switch (rule) {
        case 0:
            x = xF + length * std::cos(angle);
            y = yF + length * std::sin(angle);
            return true;
        case 1: {
            const double t = std::tan(angle);
            if (t == 0.0) return false;
            x = xF + dy / t;  // signed: the angle shown keeps the segment as it is
            return true;
        }
        case 2: y = yF + std::tan(angle) * dx; return true;
        default: return false;
        }
    }
    if (format == 1) {  // m = dx/dy
        switch (rule) {
        case 0:
            if (m != 0.0) {
                const double k = std::sqrt(m * m + 1.0);
                if (dx != 0.0) {
                    x = xF + (dx > 0 ? 1.0 : -1.0) * std::fabs(m) * length / k;
                    y = yF + (x - xF) / m;
                } else {
                    y = yF + (dy > 0 ? 1.0 : -1.0) * length / k;
                    x = xF + (y - yF) * m;
                }
            } else {
                x = xF;
                y = yF + (dy > 0 ? length : -length);
            }
            return true;
        case 1: x = xF + m * dy; return true;
        case 2:
            if (m == 0.0) return false;
            y = yF + dx / m;
            return true;
        default: return false;
        }
    }
    if (format == 2) {  // m = dy/dx
        switch (rule) {
        case 0:
            if (m != 0.0) {
                const double k = std::sqrt(m * m + 1.0);
                x = xF + (dx > 0 ? length / k : -length / k);
                y = yF + (x - xF) * m;
            } else {
                y = yF;
                x = xF + (dx > 0 ? length : -length);
            }
            return true;
        case 1:
            if (m == 0.0) return false;
            x = xF + dy / m;
            return true;
        case 2: y = yF + m * dx; return true;
        default: return false;
        }
    }
    return false;
}

void EndEditTool() {
    EndTool();
    g_edit.target = nullptr;
    g_edit.targetSegment = nullptr;
    ShowSelectModePromptAfterStep();
}

// The splitter line across the drawing area at the split position, in XOR.
void SplitterOn(platform::DeviceContext& dc) {
    const platform::DeviceRect r =
        GetViewWindow() ? GetViewWindow()->ClientRect() : platform::DeviceRect{0, 0, 0, 0};
    const double diagonal = std::hypot(r.right - r.left, r.bottom - r.top);
    const s_PixelPoint p = g_edit.splitPixel;
    const s_PixelPoint a{static_cast<int>(std::lround(p.x - g_edit.normalX * diagonal)),
                         static_cast<int>(std::lround(p.y + g_edit.normalY * diagonal))};
    const s_PixelPoint b{static_cast<int>(std::lround(p.x + g_edit.normalX * diagonal)),
                         static_cast<int>(std::lround(p.y - g_edit.normalY * diagonal))};
    XorSegment(dc, a, b);
}

// The band or splitter line of the split tool (XOR: drawn again it is gone).
void SplitFigureOn(platform::DeviceContext& dc) {
    if (g_edit.splitter) {
        SplitterOn(dc);
    } else {
        XorRubberBand(dc, S().before, S().bandEnd, S().after);
    }
}
void SplitFigure() { OnWholeView(SplitFigureOn); }

const bool g_resetAdded = (AddProgramStateReset([] { g_edit = s_EditState{}; }), true);

}  // namespace

// ---------------------------------------------------------------------------------------------
// Change length.

bool Cpp_LineTool::StartChangeLength(Cpp_Line* line, Cpp_PointXY* segmentStart,
                                     const s_DrawAttributesType& attributes) {
    if (!TakeSegment(line, segmentStart, attributes, e_Tool::ChangeLength)) return false;
    const Cpp_PointXY* p2 = segmentStart->Next();
    double length = EndDistance(segmentStart->X(), segmentStart->Y(), p2->X(), p2->Y());
    if (!LineEditingDialogsSlot().Get().EnterLength(length)) {
        EndEditTool();
        return false;
    }
    g_edit.length = length;
    Prompt("Choose end point to move.");
    SetCursorMode(CursorModeChangeSegmentLength);
    return true;
}

bool Cpp_LineTool::ChangeLengthClick(double x, double y) {
    if (S().tool != e_Tool::ChangeLength) return false;
    const s_SegmentEnd end = ChooseEnd(x, y);
    const Cpp_PointXY* p1 = S().point;
    const Cpp_PointXY* p2 = p1->Next();
    const double angle = std::atan2(p2->Y() - p1->Y(), p2->X() - p1->X());
    const double L = g_edit.length;
    const double nx = end.first ? p2->X() - L * std::cos(angle) : p1->X() + L * std::cos(angle);
    const double ny = end.first ? p2->Y() - L * std::sin(angle) : p1->Y() + L * std::sin(angle);
    MoveDrawn(S().line, end.before, end.moving, end.after, nx, ny, false);
    EndEditTool();
    ClearPromptBar();
    return true;
}

// ---------------------------------------------------------------------------------------------
// Change slope.

bool Cpp_LineTool::StartChangeSlope(Cpp_Line* line, Cpp_PointXY* segmentStart,
                                    const s_DrawAttributesType& attributes, bool redrawAll) {
    if (!TakeSegment(line, segmentStart, attributes, e_Tool::ChangeSlope)) return false;
    g_edit.redrawAll = redrawAll;
    Prompt("Choose end point to move.");
    SetCursorMode(CursorModeChangeSegmentSlope);
    return true;
}

bool Cpp_LineTool::ChangeSlopeClick(double x, double y) {
    if (S().tool != e_Tool::ChangeSlope) return false;
    S().line->ClearSlopeCache();
    const s_SegmentEnd end = ChooseEnd(x, y);
    const double dx = end.moving->X() - end.fixed->X();
    const double dy = end.moving->Y() - end.fixed->Y();
    int format = g_edit.slopeFormat;
    int rule = g_edit.slopeRule;
    double value = 0.0;
    switch (format) {
    case 0: value = std::atan2(dy, dx) * 180.0 / std::numbers::pi; break;
    case 1: value = dy == 0.0 ? 0.0 : dx / dy; break;
    default: value = dx == 0.0 ? 0.0 : dy / dx; break;
    }
    if (!LineEditingDialogsSlot().Get().EnterSlope(format, value, rule)) {
        EndEditTool();
        ClearPrompts();
        return false;
    }
    g_edit.slopeFormat = format;
    g_edit.slopeRule = rule;
    if (format == 0) {
        g_edit.slopeAngle = value * std::numbers::pi / 180.0;
    } else {
        g_edit.slopeRatio = value;
    }
    double nx = 0, ny = 0;
    if (!SlopePosition(format, rule, value, *end.fixed, dx, dy, std::hypot(dx, dy), nx, ny))
        return false;  // the tool waits: the next click asks again
    if (g_edit.redrawAll) {
        end.moving->SetX(nx);
        end.moving->SetY(ny);
        S().line->ClearSlopeCache();
        InvalidateViewWindow();
    } else {
        MoveDrawn(S().line, end.before, end.moving, end.after, nx, ny, false);
    }
    EndEditTool();
    ClearPrompts();
    return true;
}

void Cpp_LineTool::CancelEditTool() {
    EndEditTool();
    ClearPromptBar();
}

// ---------------------------------------------------------------------------------------------
// Extend.

bool Cpp_LineTool::StartExtendToLine(bool targetIsSegment, Cpp_Line* line, Cpp_PointXY* point,
                                     const s_DrawAttributesType& attributes) {
    if (!line || !point) return false;
    Cpp_PointXY* before = nullptr;
    Cpp_PointXY* after = nullptr;
    if (!FindNeighboursOfPoint(*line, point, before, after)) return false;
    s_State& s = S();
    s = s_State{};
    s.attributes = attributes;
    s.line = line;
    s.point = point;
    s.before = before;
    s.after = after;
    s.tool = e_Tool::Extend;
    g_edit.targetIsSegment = targetIsSegment;
    g_edit.target = nullptr;
    g_edit.targetSegment = nullptr;
    Prompt("Choose line to extend to");
    SetCursorMode(CursorModeExtendChooseTarget);
    return true;
}

bool Cpp_LineTool::ExtendChooseDirection(Cpp_Line* target, Cpp_PointXY* targetSegmentStart) {
    if (S().tool != e_Tool::Extend) return false;
    g_edit.target = target;
    g_edit.targetSegment = targetSegmentStart;
    Cpp_PointXY* before = S().before;
    Cpp_PointXY* after = S().after;
    if (before && after) {
        SetCursorMode(CursorModeExtendChooseDirection);
        ShowPrompt("Choose which segment (left or right) defines direction of movement.");
        SetToolTipText("Choose segment defining movement direction.");
        return false;
    }
    if (!before && !after) return false;  // a point alone has no direction
    ExtendToLine(S().point, before ? before : after);
    return true;
}

bool Cpp_LineTool::ExtendToLineClick(double x, double y) {
    if (S().tool != e_Tool::Extend) return false;
    // The segment of the edited line nearest the click, at any distance.
    const Cpp_PointXY* nearest = nullptr;
    double best = std::numeric_limits<double>::infinity();
    for (const Cpp_PointXY* p = S().line->FirstPoint(); p && p->Next(); p = p->Next()) {
        const double d = PointSegmentDistance(x, y, *p, *p->Next());
        if (d < best) {
            best = d;
            nearest = p;
        }
    }
    Cpp_PointXY* point = S().point;
    Cpp_PointXY* direction = nullptr;
    if (nearest == point) {
        direction = point->Next();
    } else if (nearest && nearest->Next() == point) {
        direction = S().before;
    } else {
        return false;  // the tool waits for one of the point's segments
    }
    ExtendToLine(point, direction);
    return true;
}

bool Cpp_LineTool::ExtendToLine(Cpp_PointXY* point, Cpp_PointXY* directionPoint) {
    ClearPromptBar();
    if (!point || !directionPoint) return false;
    bool found = false;
    Cpp_PointXY at;
    if (g_edit.targetIsSegment) {
        const Cpp_PointXY* t1 = g_edit.targetSegment;
        if (t1 && t1->Next())
            found = LinesIntersectionPoint(*directionPoint, *point, *t1, *t1->Next(), 0.0, at);
    } else if (g_edit.target) {
        double best = std::numeric_limits<double>::infinity();
        for (const Cpp_PointXY* q = g_edit.target->FirstPoint(); q && q->Next(); q = q->Next()) {
            Cpp_PointXY crossing;
            if (!LineCrossesSegment(*directionPoint, *point, *q, *q->Next(), 0.0, crossing))
                continue;
            const double d = EndDistance(point->X(), point->Y(), crossing.X(), crossing.Y());
            if (d < best) {
                best = d;
                at = crossing;
                found = true;
            }
        }
    }
    if (found) {
        RedrawAfterEdit(S().line, S().before, point, S().after, {at.X(), at.Y()});
        EndEditTool();
        return true;
    }
    if (!AskOkCancel(nullptr, "Data Entry Notice",
                     "Extension of the selected point does not intersect the designated line.  "
                     "Try to designate a line to intersect again?")) {
        EndEditTool();
        return true;
    }
    // Another target is designated as the first was.
    SetCursorMode(CursorModeExtendChooseTarget);
    return false;
}

void Cpp_LineTool::EndExtendTool() {
    EndEditTool();
    ClearPromptBar();
}

// ---------------------------------------------------------------------------------------------
// Parallel or perpendicular.

bool Cpp_LineTool::StartMakeParallel(bool parallel, Cpp_Line* line, Cpp_PointXY* segmentStart,
                                     const s_DrawAttributesType& attributes, bool redrawAll) {
    if (!TakeSegment(line, segmentStart, attributes, e_Tool::Parallel)) return false;
    g_edit.parallel = parallel;
    g_edit.redrawAll = redrawAll;
    Prompt(parallel ? "Choose line to be parallel to" : "Choose line to be perpendicular to");
    SetCursorMode(CursorModeMakeParallelChooseLine);
    return true;
}

bool Cpp_LineTool::StartAdjustEnd(Cpp_Line* target, Cpp_PointXY* targetSegmentStart) {
    if (S().tool != e_Tool::Parallel || !targetSegmentStart || !targetSegmentStart->Next())
        return false;
    g_edit.target = target;
    g_edit.targetSegment = targetSegmentStart;
    SetCursorMode(CursorModeAdjustChooseEnd);
    Prompt("Choose end to adjust");
    return true;
}

bool Cpp_LineTool::AdjustEndClick(double x, double y) {
    if (S().tool != e_Tool::Parallel || !g_edit.targetSegment) return false;
    const s_SegmentEnd end = ChooseEnd(x, y);
    const double xF = end.fixed->X(), yF = end.fixed->Y();
    const double dx = end.moving->X() - xF, dy = end.moving->Y() - yF;
    const double L = std::hypot(dx, dy);
    const Cpp_PointXY* t1 = g_edit.targetSegment;
    const Cpp_PointXY* t2 = t1->Next();
    double nx = xF, ny = yF;
    if (g_edit.parallel) {
        if (t1->X() != t2->X()) {
            const double m = (t2->Y() - t1->Y()) / (t2->X() - t1->X());
            const double k = std::sqrt(m * m + 1.0);
            const bool plus = dx > 0 || (dx == 0 && !end.first);
            nx = plus ? xF + L / k : xF - L / k;
            ny = yF + (nx - xF) * m;
        } else {
            ny = dy > 0 ? yF + L : yF - L;
        }
    } else {
        if (t1->Y() != t2->Y()) {
            const double m = -(t2->X() - t1->X()) / (t2->Y() - t1->Y());
            const double k = std::sqrt(m * m + 1.0);
            nx = dx > 0 ? xF + L / k : xF - L / k;
            ny = yF + (nx - xF) * m;
        } else {
            ny = dy > 0 ? yF + L : yF - L;
        }
    }
    // Both ends' markers off while the segment changes, then on again.
    OnView({PixelOf(end.fixed)}, [&](platform::DeviceContext& dc) { ToggleMarker(dc, end.fixed); });
    MoveDrawn(S().line, end.before, end.moving, end.after, nx, ny, true);
    OnView({PixelOf(end.fixed)}, [&](platform::DeviceContext& dc) { ToggleMarker(dc, end.fixed); });
    EndEditTool();
    ClearPrompts();
    if (g_edit.redrawAll) InvalidateViewWindow();
    return true;
}

void Cpp_LineTool::ClearEditPrompt() {
    ClearPrompts();
    EndEditTool();
}

// ---------------------------------------------------------------------------------------------
// Split.

bool Cpp_LineTool::StartSplitLine(const s_DrawAttributesType& attributes, Cpp_Line* line,
                                  Cpp_PointXY* segmentStart, bool splitter) {
    if (!line || !segmentStart || !line->ContainsPoint(segmentStart) || !segmentStart->Next())
        return false;
    s_State& s = S();
    s = s_State{};
    s.attributes = attributes;
    s.pen = kGreyBand;
    s.line = line;
    s.before = segmentStart;
    s.after = segmentStart->Next();
    s.tool = e_Tool::Split;
    s.bandNotDrawn = true;
    g_edit.splitter = splitter;
    const double x1 = s.before->X(), y1 = s.before->Y(), x2 = s.after->X(), y2 = s.after->Y();
    g_edit.splitAt = {x1, y1};
    g_edit.splitPixel = PixelOf(x1, y1);
    if (splitter) {
        g_edit.directionX = y2 - y1;
        g_edit.directionY = x1 - x2;
        const double length = std::hypot(x2 - x1, y2 - y1);
        g_edit.normalX = g_edit.directionX / length;
        g_edit.normalY = g_edit.directionY / length;
    }
    OnView({PixelOf(s.before), PixelOf(s.after)}, [&](platform::DeviceContext& dc) {
        ToggleMarker(dc, s.before);
        ToggleMarker(dc, s.after);
    });
    if (splitter) {
        ShowPrompt("Use \"splitter\" line to set where segment is to be split.");
        SetStatusText(true, "Locate where line is to be split");
    } else {
        ShowPrompt("Place cursor at new point where line segment is to be split & left click");
    }
    return true;
}

bool Cpp_LineTool::SplitMouseMove(int bandX, int bandY, double x, double y,
                                  s_tagTypePointXY& position) {
    s_State& s = S();
    if (s.tool != e_Tool::Split) return false;
    if (!g_edit.splitter) {
        if (s.bandNotDrawn) {
            s.bandNotDrawn = false;
        } else {
            SplitFigure();
        }
        s.bandEnd = {bandX, bandY};
        SplitFigure();
        g_edit.splitAt = {x, y};
        g_edit.splitPixel = {bandX, bandY};
        SetCoordinateToolTip(x, y);
    } else {
        const Cpp_PointXY cursor(x, y);
        const Cpp_PointXY along(x + g_edit.directionX, y + g_edit.directionY);
        Cpp_PointXY crossing;
        if (LineCrossesSegment(cursor, along, *s.before, *s.after, 0.0, crossing)) {
            if (s.bandNotDrawn) {
                s.bandNotDrawn = false;
            } else {
                SplitFigure();
            }
            g_edit.splitAt = {crossing.X(), crossing.Y()};
            g_edit.splitPixel = PixelOf(crossing.X(), crossing.Y());
            SplitFigure();
            SetCoordinateToolTip(crossing.X(), crossing.Y());
        }
    }
    position = g_edit.splitAt;
    return true;
}

bool Cpp_LineTool::CompleteSplit(s_tagTypePointXY& position, bool useGiven) {
    s_State& s = S();
    if (s.tool != e_Tool::Split) return false;
    if (g_edit.splitter || !useGiven) position = g_edit.splitAt;
    if (!s.bandNotDrawn) SplitFigure();  // removed
    Cpp_PointXY* before = s.before;
    Cpp_PointXY* after = s.after;
    const s_PixelPoint at = PixelOf(position.x, position.y);
    OnView({PixelOf(before), PixelOf(after), at}, [&](platform::DeviceContext& dc) {
        if (!g_edit.splitter) {
            DrawSegments(dc, {before, after}, true);
            DrawSegmentWithPen(dc, PixelOf(before), at);
            DrawSegmentWithPen(dc, at, PixelOf(after));
        }
        DrawEditSymbol(dc, position.x, position.y);
    });
    EndEditTool();
    RestoreToolPrompts();
    return true;
}

void Cpp_LineTool::CancelSplit() {
    s_State& s = S();
    if (s.tool != e_Tool::Split) return;
    if (!s.bandNotDrawn) SplitFigure();  // removed
    EndEditTool();
    RestoreToolPrompts();
}

bool Cpp_LineTool::RedrawSplitRubberBand(platform::DeviceContext& dc) {
    if (S().tool != e_Tool::Split || S().bandNotDrawn) return true;
    SplitFigureOn(dc);
    return true;
}

bool Cpp_LineTool::SplitterLineMode() { return g_edit.splitter; }

// ---------------------------------------------------------------------------------------------
// Point moves.

bool Cpp_LineTool::SnapPointHorizontalOrVertical(int direction,
                                                 const s_DrawAttributesType& attributes,
                                                 Cpp_Line* line, Cpp_PointXY* point,
                                                 Cpp_PointXY* targetSegmentStart) {
    if (!line || !point || !targetSegmentStart || !targetSegmentStart->Next()) return false;
    const Cpp_PointXY& t1 = *targetSegmentStart;
    const Cpp_PointXY& t2 = *targetSegmentStart->Next();
    Cpp_PointXY along;
    if (direction == 1) {
        if (t1.Y() == t2.Y()) {
            ShowErrorMessage("Error", "Cannot snap point horizontally to a horizontal line.");
            return false;
        }
        along = Cpp_PointXY(point->X() + 1.0, point->Y());
    } else {
        if (t1.X() == t2.X()) {
            ShowErrorMessage("Error", "Cannot snap point vertically to a vertical line.");
            return false;
        }
        along = Cpp_PointXY(point->X(), point->Y() + 1.0);
    }
    Cpp_PointXY at;
    if (!LinesIntersectionPoint(*point, along, t1, t2, 0.0, at)) return false;
    S().attributes = attributes;
    Cpp_PointXY* before = nullptr;
    Cpp_PointXY* after = nullptr;
    if (!FindNeighboursOfPoint(*line, point, before, after)) return false;
    RedrawAfterEdit(line, before, point, after, {at.X(), at.Y()});
    EndEditTool();
    RestoreToolPrompts();
    return true;
}

bool Cpp_LineTool::MovePointToSnapPosition(Cpp_Line* line, Cpp_PointXY* point,
                                           const s_tagTypePointXY& position,
                                           const s_DrawAttributesType& attributes) {
    Cpp_PointXY* before = nullptr;
    Cpp_PointXY* after = nullptr;
    if (!line || !FindNeighboursOfPoint(*line, point, before, after)) return false;
    S().attributes = attributes;
    RedrawAfterEdit(line, before, point, after, position);
    EndEditTool();
    return true;
}

bool Cpp_LineTool::MovePointByDistance(Cpp_Line* line, Cpp_PointXY* point,
                                       const s_DrawAttributesType& attributes,
                                       const std::function<bool(Cpp_PointXY&)>& applyPendingMove) {
    Cpp_PointXY* before = nullptr;
    Cpp_PointXY* after = nullptr;
    if (!line || !FindNeighboursOfPoint(*line, point, before, after)) return false;
    Cpp_PointXY moved(*point);
    if (!applyPendingMove || !applyPendingMove(moved)) return false;
    S().attributes = attributes;
    MoveDrawn(line, before, point, after, moved.X(), moved.Y(), true);
    return true;
}

bool Cpp_LineTool::MovePointTo(Cpp_Line* line, double x, double y, Cpp_PointXY* point,
                               bool toggleMarker, const s_DrawAttributesType& attributes) {
    Cpp_PointXY* before = nullptr;
    Cpp_PointXY* after = nullptr;
    if (!line || !FindNeighboursOfPoint(*line, point, before, after)) return false;
    S().attributes = attributes;
    line->ClearSlopeCache();
    MoveDrawn(line, before, point, after, x, y, toggleMarker);
    return true;
}

void Cpp_LineTool::RedrawAfterEdit(Cpp_Line* line, Cpp_PointXY* before, Cpp_PointXY* point,
                                   Cpp_PointXY* after, const s_tagTypePointXY& position) {
    if (!point) return;
    MoveDrawn(line, before, point, after, position.x, position.y, true);
}
