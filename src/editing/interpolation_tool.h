#pragma once
// The interpolation-point tools (edit modes 8, 9, 10: pressures, r-sub-u values, strengths of
// the current stage): points clicked or typed in the interpolation bar go into the data set of
// the bar's material, inserted into its triangulation at once; the right-click menu of the tools,
// their options and the mouse-wheel steps; and the point operations the selection uses (delete,
// move, wheel change), which repair the triangulation locally.
//
//     Cpp_InterpolationTool::StartEntryTool(1, stage);     // pressures
//     Cpp_InterpolationTool::AddPointFromTool(x, y, false); // a click at (x, y)

#include "editing/tool.h"
#include "editing/view_input.h"

class Cpp_InterpolationData;
class Cpp_InterpolationDataSet;
class Cpp_VERTEX;

class Cpp_InterpolationTool {
public:
    // The tool of a kind (1 to 3) on a stage: the receiving data set is the kind's data set for
    // all materials (made when missing); the bar shows its next point number.
    static void StartEntryTool(int kind, int stage);
    // Leaving the tool.
    static void ResetToolState();
    static bool IsActive();
    static int Kind();
    static Cpp_InterpolationDataSet* CurrentDataSet();

    // A click (the point is then written to the bar) or Enter (the bar's point): the bar's
    // number, point, value and material. A point at the very place of one of the receiving
    // data set's points gives "This point has already been entered"; false then, and for a bar
    // field that holds no number.
    static bool AddPointFromTool(double x, double y, bool typed);

    // "Show Point Values": the value labels of the tool's stage on or off; the new state.
    static bool ToggleShowPointValues();
    static bool ShowPointValues();
    // The right-click menu of the tools ("Interpolation Data Entry").
    static MenuList PopupMenu();
    // "Options" of the interpolation bar; true after OK.
    static bool ShowToolOptionsDialog();

    // The wheel step of a kind (the head step for pressures in head mode); 0 for kinds without
    // one.
    static double WheelStep(int kind, bool head);
    // The bar's value by the tool kind's step (down for a negative delta); false when it does
    // not read.
    static bool WheelChangeToolValue(int delta);
    // A point's value (its head in head mode) by its kind's step, down for a delta below 1.
    static bool WheelChangeValue(Cpp_InterpolationDataSet& set, Cpp_VERTEX* vertex, int delta);
    // Deleting and moving a point of a data set, the triangulation repaired around it; the
    // points follow the vertices. A move that would turn a triangle over asks first.
    static bool DeletePoint(Cpp_InterpolationDataSet& set, Cpp_VERTEX* vertex);
    static bool MovePoint(Cpp_InterpolationDataSet& set, Cpp_VERTEX* vertex, double x, double y);
    // Whether the last point added, deleted or moved was drawn on the view's kept picture step
    // by step (only the changed triangles and points); false when the view must draw its
    // picture again whole (contours or value labels shown, no picture up to date, a new
    // triangulation of the whole set).
    static bool DrawnInPlace();

    // The tooltip of a move with Shift or Ctrl: the value at the point in the receiving data
    // set ("U: %1.2f" and the like); Shift writes the point, Ctrl the value to the bar. False
    // outside the triangulation.
    static bool GetToolToolTipText(double x, double y, bool shift, bool control, std::string& text);
    static void Reset();
};

// The tool of edit modes 8 to 11: interpolation points of pressures (8), r sub u (9) and
// strengths (10); 11 is never set.
class InterpolationTool final : public Tool {
public:
    // The running tool: its kind and stage, the material of the set it fills.
    struct s_State {
        bool active = false;
        int kind = 1;
        int stage = 1;
        int material = 0;  // of the receiving data set
    };
    // Wheel steps: pressure, total head, r-sub-u, undrained strength, c/p.
    struct s_WheelSteps {
        double pressure = 10.0, head = 1.0, rSubU = 0.05, strength = 10.0, cOverP = 0.05;
    };
    s_State state;
    s_WheelSteps steps;

    InterpolationTool();
    s_ToolInputs Inputs(int editMode) const override;
    bool Enter(ToolContext& context, int editMode) override;
    bool Exit(ToolContext& context, int editMode) override;
    std::optional<bool> Wheel(ToolContext& context, int cursorMode, int delta, bool shift,
                              bool control) override;
    void Prompt(const s_ToolPrompt& prompt) const override;
    int Bar(int editMode) const override;
    void Chosen(ToolContext& context, int editMode) override;
};
