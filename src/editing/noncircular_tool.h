#pragma once
// The noncircular tool (edit mode 15): the user clicks (or types in the noncircular bar and
// presses Enter) the points of a noncircular slip surface from left to right, each with the
// bar's shift data; a green band runs from the last point to the cursor (cursor mode 40). A
// right click or the last point again finishes: fewer than two points are refused, points in
// the wrong order may be reversed, the first and last points are snapped to the slope line,
// and the points replace the surface of the analysis data.
//
//     Cpp_NoncircularTool::StartNoncircularEntry(analysis, px, py, x, y, false, slope);
//     Cpp_NoncircularTool::NoncircularToolNextPoint(analysis, px2, py2, x2, y2, false, slope);
//     Cpp_NoncircularTool::FinishNoncircularEntry(analysis, slope);   // true: stored
//
// Everything is drawn on the registered view; after a full paint the entry is drawn again.
//
// The points of the stored surface are edited by the polyline point tools on a working copy
// (working_line.h): add a point at an end (cursor mode 87), drag a point (96), insert a point on
// a segment (118), and the line commands (extend, make parallel, change length or slope). Every
// point keeps its shift data; a new point takes the noncircular bar's.
//
//     Cpp_NoncircularTool::StartDragPoint(&surface, 1, px, py);   // cursor mode 96
//     Cpp_NoncircularTool::DropDraggedPoint(false);               // the surface changed

#include "analysis/noncircular_shear_surface.h"
#include "editing/tool.h"
#include "editing/view_dispatch.h"
#include "platform/device_context.h"

#include <vector>

class Cpp_AnalysisComputationData;
class Cpp_Line;
class Cpp_PointXY;
class Cpp_SlopeGeometry;

class Cpp_NoncircularTool {
public:
    // Entering the tool: the options window the first time, a mode other than 1 or 3 becomes 3,
    // the bar gets the mode and default point data (the origin, moveable, direction computed).
    static void NoncircularToolUpdateBar(Cpp_AnalysisComputationData& analysis);
    // Leaving it: the analysis mode becomes the bar's (1 individual, 3 search).
    static bool SetNoncircularToolEditMode(Cpp_AnalysisComputationData& analysis);

    // The first point (snapped to the slope by the tool's snap option): cursor mode 40.
    static bool StartNoncircularEntry(int px, int py, double x, double y, bool fromBar,
                                      const Cpp_SlopeGeometry& slope);
    // A further point; the last point again finishes the entry (finished: its result).
    static bool NoncircularToolNextPoint(Cpp_AnalysisComputationData& analysis, int px, int py,
                                         double x, double y, bool fromBar,
                                         const Cpp_SlopeGeometry& slope, bool& stored);
    static void NoncircularEntryMouseMove(int px, int py, double x, double y);
    // True when the points were stored.
    static bool FinishNoncircularEntry(Cpp_AnalysisComputationData& analysis,
                                       const Cpp_SlopeGeometry& slope);
    static void CancelNoncircularEntry();

    // Removes the last entered point and its segment (the Delete key); with one point left
    // the entry ends.
    static void UndoLastEnteredPoint();

    // Point editing of a stored surface; index is the point's (the segment's first point's).
    // atFirst: before the first point, else after the last; the bar gets entry option 4.
    static bool StartAddPointAtEnd(Cpp_NoncircularShearSurface* surface, bool atFirst);
    // With fromBar the bar's point (false when it has none).
    static bool AddPointAtEnd(double x, double y, bool fromBar);
    static bool StartDragPoint(Cpp_NoncircularShearSurface* surface, int index, int px, int py);
    // Where the drag shows the point, or with fromBar the bar's point (false when it has none).
    static bool DropDraggedPoint(bool fromBar);
    static bool StartInsertPoint(Cpp_NoncircularShearSurface* surface, int index);
    // The new point at (x, y) or with fromBar at the bar's point, with the bar's shift data;
    // false (the tool going on) when the bar cannot be read.
    static bool InsertPointClick(double x, double y, bool fromBar);
    // More than two points: the point goes and its neighbours are joined; two or fewer: the
    // whole surface is erased and emptied. The points are numbered again.
    static bool DeletePoint(Cpp_NoncircularShearSurface* surface, int index);
    // The working copy for another polyline tool and its point made from index.
    static Cpp_Line* EditLine(Cpp_NoncircularShearSurface* surface, int index, Cpp_PointXY*& point);

    static bool IsEntering();
    static const std::vector<Cpp_NoncircularShearSurfacePoint>& EnteredPoints();
    static void Repaint(platform::DeviceContext& dc);
    static void RegisterDrawing();
    static void Reset();
};

namespace view_slip_surface_steps {
// The rows of cursor modes 87, 96 and 118.
void NoncircularAddAtEndClick(s_InputCall& call);
void NoncircularAddAtEndEnter(s_InputCall& call);
void NoncircularAddAtEndMove(s_InputCall& call);
void NoncircularDrop(s_InputCall& call);
void NoncircularDropFromBar(s_InputCall& call);
void NoncircularDragMove(s_InputCall& call);
void NoncircularInsertClick(s_InputCall& call);
void NoncircularInsertEnter(s_InputCall& call);
void NoncircularInsertMove(s_InputCall& call);
}  // namespace view_slip_surface_steps

// The tool of edit mode 15: a noncircular surface entered point by point (cursor mode 40),
// the point tools of a selected surface and the shift direction of its points.
class NoncircularTool final : public Tool {
public:
    // A surface entered point by point (cursor mode 40).
    struct s_Entry {
        bool active = false;
        std::vector<Cpp_NoncircularShearSurfacePoint> points;
        s_PixelPoint last, cursor;
    };
    s_Entry entry;
    // The shift data a point new in an edited surface takes: the bar's, else moveable with a
    // computed direction.
    Cpp_NoncircularShearSurfacePoint newPoint;

    NoncircularTool();
    void Reset(ToolContext& context) override;
    s_ToolInputs Inputs(int editMode) const override;
    std::span<const s_CursorModeRow> Steps() const override;
    bool Exit(ToolContext& context, int editMode) override;
    std::optional<bool> Delete(ToolContext& context, int cursorMode) override;
    void Prompt(const s_ToolPrompt& prompt) const override;
    int Bar(int editMode) const override;
    void Chosen(ToolContext& context, int editMode) override;
};
