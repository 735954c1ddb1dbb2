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

#include "analysis/noncircular_shear_surface.h"
#include "platform/device_context.h"

#include <vector>

class Cpp_AnalysisComputationData;
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

    static bool IsEntering();
    static const std::vector<Cpp_NoncircularShearSurfacePoint>& EnteredPoints();
    static void Repaint(platform::DeviceContext& dc);
    static void RegisterDrawing();
    static void Reset();
};
