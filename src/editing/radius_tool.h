#pragma once
// The radius tool (edit mode 16) and the rubber-band circle (cursor mode 107).
//
// The radius tool gives the circles their radius rule with the radius bar: for an individual
// circle or a floating-grid search (circle modes 1 and 3) a click or Enter sets the circle's own
// rule (a given radius, a fixed point or a horizontal tangent line); in the fixed-grid mode (4)
// each one appends a radius definition, drawn at once about the grid's centre. An irregular
// tangent line is entered point by point (cursor mode 41) and stored only when it has two points
// or more: nothing, not even the radius option, changes before that.
//
//     Cpp_RadiusTool::RadiusToolClick(analysis, px, py, x, y, false);     // mode 4: appended
//
// The rubber-band circle changes one radius definition about a centre with a grey XOR circle
// that follows the cursor; a click sets it.
//
//     Cpp_RubberBandCircle::StartChange(&definition, cx, cy, px, py);    // cursor mode 107
//     Cpp_RubberBandCircle::Click(x, y, false);                           // mode 0

#include "core/point_xy.h"
#include "editing/tool.h"
#include "platform/device_context.h"

#include <string>

class Cpp_AnalysisComputationData;
class Cpp_RadiusDefinition;

class Cpp_RadiusTool {
public:
    // A click (the point) or Enter (fromBar: the bar's values). Always true.
    static bool RadiusToolClick(Cpp_AnalysisComputationData& analysis, int px, int py, double x,
                                double y, bool fromBar);
    // The first point of an irregular tangent line: cursor mode 41.
    static bool RadiusToolStartTangentLine(int px, int py, double x, double y);
    // A further point; the last point again finishes the line. Returns whether the line was
    // stored by it (stored).
    static bool RadiusToolEnterTypedPoint(Cpp_AnalysisComputationData& analysis, int px, int py,
                                          double x, double y, bool fromBar, bool& stored);
    // Two or more points: the circle's tangent line (modes 1, 3) or a new definition (mode 4)
    // becomes irregular with them (true). Fewer store nothing (false). Cursor mode 0 either way.
    static bool RadiusToolFinishTangentLine(Cpp_AnalysisComputationData& analysis);
    // Escape during the line: nothing is stored.
    static void CancelTangentLine();

    // The radius bar's kind, irregular flag and two values; false outside the select and radius
    // modes or when the bar does not read.
    static bool GetRadiusToolValues(int& kind, bool& irregular, double& first, double& second);
    // A selected radius item of an individual circle or a floating-grid search (modes 1 and 3)
    // takes the radius bar's values by the circle's radius option: the given radius, the fixed
    // point, the elevation of a horizontal tangent line or the point at pointIndex of an
    // irregular one. False (nothing changed) in another mode, for another option, without such
    // a point or when the bar is not in use or does not read.
    static bool RadiusToolApplyBarValues(Cpp_AnalysisComputationData& analysis, int pointIndex);
    // A selected radius definition takes the radius bar's values by its own option
    // (Cpp_RadiusDefinition::AssignFromToolBar); false when the bar hands out none.
    static bool AssignDefinitionFromBar(Cpp_RadiusDefinition& definition, int pointIndex);
};

class Cpp_RubberBandCircle {
public:
    static bool StartChange(Cpp_RadiusDefinition* definition, double centreX, double centreY,
                            int px, int py);
    static void MouseMove(int rawPx, int rawPy, int px, int py, double x, double y);
    // Sets the definition from the cursor point or (fromToolBar) the radius bar and ends the
    // tool; false (the tool goes on) when the bar does not read or the option takes no value.
    static bool Click(double x, double y, bool fromToolBar);
    static void Cancel();
    static bool Repaint(platform::DeviceContext& dc);
    static std::string TooltipText(double x, double y);
    static bool IsActive();
    static void RegisterDrawing();
    static void Reset();
};

// The tool of edit mode 16: radius definitions, their tangent lines (cursor mode 41) and
// the rubber band of a given radius (107).
class RadiusTool final : public Tool {
public:
    // The rubber-band circle, one at a time.
    struct s_RubberBand {
        Cpp_RadiusDefinition* definition = nullptr;
        s_tagTypePointXY centre;
        s_PixelPoint cursor, raw;
        s_tagTypePointXY world;
    };
    s_RubberBand rubberBand;

    RadiusTool();
    s_ToolInputs Inputs(int editMode) const override;
    std::span<const s_CursorModeRow> Steps() const override;
    void Reset(ToolContext& context) override;
    void RegisterDrawing() const override;
    void Prompt(const s_ToolPrompt& prompt) const override;
    int Bar(int editMode) const override;
    void Chosen(ToolContext& context, int editMode) override;
    s_ToolPromptContext PromptContext(ToolContext& context) const override;
};
