#pragma once
// The circle tool (edit mode 14): the user clicks the centre of a circle (an individual circle
// or the start centre of a floating-grid search) and then its radius rule - the tip of a given
// radius, a point the circle passes through or the elevation of a horizontal tangent line - with
// a grey XOR band from the centre (cursor mode 37), or types the same values in the circle bar
// and presses Enter. In the fixed-grid mode a click does nothing and Enter starts the entry of
// the grid's corners (search_grid_tool.h). Each operation works on the analysis data it is given.
//
//     Cpp_CircleTool::StartCircleTool(analysis);        // the button: options on first use
//     Cpp_CircleTool::FillCircleToolBar(analysis);      // the bar shows the circle data
//     Cpp_CircleTool::CircleToolClick(analysis, px, py, x, y);      // centre: cursor mode 37
//     Cpp_CircleTool::FinishCircleTool(analysis, x2, y2, false);    // radius rule: mode 0
//     UpdateCircleEndPoints(dataSet);                   // then the circle's end points
//
// Everything is drawn on the registered view (editing/view_navigation.h); after a full paint of
// the view the band is drawn again.

#include "core/cursor_mode.h"
#include "core/point_xy.h"
#include "editing/search_grid_tool.h"
#include "editing/tool.h"
#include "platform/device_context.h"

#include <string>

class Cpp_AnalysisComputationData;

// The grey pen of the circle, grid and radius bands.
inline constexpr platform::ColorRef kCircleBandColor = platform::MakeRgb(200, 200, 200);

// The band of a circle about the centre pixel through the tip pixel, in XOR (drawn twice it is
// gone): kind 0 a given radius (circle and the radius line), 1 a fixed point (circle and a small
// circle about the tip), 2 a tangent line (circle down to the tip's height and, unless
// irregular, the horizontal line there); any other kind draws nothing.
void DrawRadiusBand(platform::DeviceContext& dc, s_PixelPoint centre, s_PixelPoint tip, int kind,
                    bool irregular);

class Cpp_CircleTool {
public:
    // Counts of the fixed grid below 1 become 7, no radius option becomes a given radius, a
    // tangent line without option becomes horizontal at 0; the floating-grid (mode 3) or
    // fixed-grid (mode 4) options window the first time the tool starts in that mode.
    static bool StartCircleTool(Cpp_AnalysisComputationData& analysis);
    // The bar shows the circle data (corner 1 of the grid in mode 4) and reports its list
    // changes to them.
    static bool FillCircleToolBar(Cpp_AnalysisComputationData& analysis);
    // Mode, centre (grid corner index + 1 in mode 4), radius kind and its two values; false for
    // a radius option outside 0 to 3.
    static bool GetCircleToolData(const Cpp_AnalysisComputationData& analysis, int cornerIndex,
                                  int& mode, double& x, double& y, int& kind, bool& irregular,
                                  double& first, double& second);
    // The radius option and its values; false for another kind.
    static bool SetRadiusRule(Cpp_AnalysisComputationData& analysis, int kind, double first,
                              double second, bool irregular);
    // The bar's lists changed.
    static void CircleToolModeChanged(Cpp_AnalysisComputationData& analysis, int mode);
    static void CircleToolRadiusOptionChanged(Cpp_AnalysisComputationData& analysis, int kind,
                                              bool irregular);
    // Ctrl held with no step under way: a fixed point or a horizontal tangent follows the cursor
    // in the bar.
    static void CircleToolMouseMove(double x, double y);
    // The centre. False in the fixed-grid mode (the corners start with Enter or a drag).
    static bool CircleToolClick(Cpp_AnalysisComputationData& analysis, int px, int py, double x,
                                double y);
    // The radius step: the band follows; with Shift the bar's values too. The tool tip text is
    // returned (empty when there is none).
    static std::string CircleToolRadiusMouseMove(int px, int py, double x, double y, bool shift);
    // Stores the circle (the point clicked or, fromBar, the bar's values); cursor mode 0.
    static bool FinishCircleTool(Cpp_AnalysisComputationData& analysis, double x, double y,
                                 bool fromBar);
    static void CancelCircleToolRadius();
    // Enter with no step under way: the bar's centre and radius rule are stored (true), or in
    // the fixed-grid mode the corner entry starts at the bar's point (false).
    static bool CircleToolEnter(Cpp_AnalysisComputationData& analysis);
    // A corner of the grid entry; true when the grid is complete.
    static bool GridCornerClick(Cpp_AnalysisComputationData& analysis, int px, int py, double x,
                                double y, bool fromBar);
    // The button released after a grid rectangle was dragged.
    static bool CircleToolButtonUp(Cpp_AnalysisComputationData& analysis, double x, double y);
    // Leaving the tool: the bar's mode and radius kind stay with the data.
    static bool CircleToolBarData(Cpp_AnalysisComputationData& analysis);
    // A selected centre or grid corner takes the circle bar's values. centre: the bar's mode
    // and its X, Y as the centre of that mode (1 the given centre, 3 the start centre, 4 corner
    // cornerIndex + 1 of the fixed grid); otherwise the bar's radius rule. False (nothing
    // changed) when the bar is not in use or does not read, or for another mode or rule.
    static bool SetGridCornerFromBar(Cpp_AnalysisComputationData& analysis, bool centre,
                                     int cornerIndex);

    // Moving the centre of the trial circle (cursor mode 103): a grey circle of the radius the
    // radius rule gives follows the cursor; a click sets the centre (modes 1 and 3).
    static bool StartCenterChange(const Cpp_AnalysisComputationData& analysis, int px, int py);
    static void CenterToolMouseMove(const Cpp_AnalysisComputationData& analysis, int px, int py);
    static bool CenterToolClick(Cpp_AnalysisComputationData& analysis, double x, double y);
    static void CancelCenterTool();
    // Dragging the radius rule (cursor modes 104 radius tip, 105 horizontal tangent, 106 fixed
    // point); the tool tip text is returned by the move.
    static bool StartRadiusRuleDrag(const Cpp_AnalysisComputationData& analysis, int px, int py);
    static std::string RadiusRuleDragMouseMove(int px, int py, double x, double y);
    static bool RadiusRuleDragClick(Cpp_AnalysisComputationData& analysis, double x, double y);
    static void CancelRadiusRuleDrag();

    // The tool's prompt on the status line, by the circle mode.
    static void ShowToolPrompt(const Cpp_AnalysisComputationData& analysis);
    // Whether the radius step is under way.
    static bool IsActive();
    // After a full paint of the view: the band again.
    static void Repaint(platform::DeviceContext& dc);
    static void RegisterDrawing();
    static void Reset();
};

// The tool of edit mode 14: a circle, the trial circle of a floating grid or a fixed grid
// entered with the mouse or the bar, and the drags of their parts.
class CircleTool final : public Tool {
public:
    // The radius step of the circle tool, one at a time.
    struct s_RadiusStep {
        bool active = false;
        int kind = 0;      // 0 given radius, 1 fixed point, 2 tangent line
        int tangent = -1;  // -1 none, 0 horizontal, 1 irregular
        s_tagTypePointXY centre;
        s_PixelPoint tip;
        // The centre drag: the circle about the centre pixel.
        bool centreDrag = false;
        s_PixelPoint centrePixel;
        int pixelRadius = 0;
    };
    s_RadiusStep radiusStep;
    s_SearchGridStep searchGrid;

    CircleTool();
    void Reset(ToolContext& context) override;
    s_ToolInputs Inputs(int editMode) const override;
    std::span<const s_CursorModeRow> Steps() const override;
    bool Exit(ToolContext& context, int editMode) override;
    void RegisterDrawing() const override;
    void Prompt(const s_ToolPrompt& prompt) const override;
    int Bar(int editMode) const override;
    void ButtonUp(ToolContext& context, int cursorMode, const s_ViewInput& in) override;
    bool DragsFromRest() const override { return false; }
    void Chosen(ToolContext& context, int editMode) override;
};
