#pragma once
// The tension-crack and crack-water tools (edit modes 17 and 18): a constant depth or
// elevation typed in the crack bar and stored with Enter, or a crack or water profile entered
// point by point with clicks or typed values (cursor modes 42 and 43), finished with a right
// click or a repeated point. Each operation takes crackMode: true for the crack, false for the
// water in it.
//
//     Cpp_CrackTool::StartTool(crack, true);            // the tool chosen: bar filled
//     Cpp_CrackTool::OnToolInput(crack, px, py, x, y, true, false);   // first click
//     bool finished = false;
//     Cpp_CrackTool::EnterPoints(crack, px, py, x, y, true, false, finished);
//     Cpp_CrackTool::FinishEntry(crack, true);         // true: points stored
//
// After a stored change the caller recomputes the crack bottom or the crack-water levels of the
// data set.

#include "editing/tool.h"
#include "platform/device_context.h"
#include "profile/crack.h"

#include <string>
#include <vector>

class Cpp_Crack;
class Cpp_CrackPoint;

class Cpp_CrackTool {
public:
    // The bar's entry option 1, then its values from the crack.
    static void StartTool(Cpp_Crack& crack, bool crackMode);
    // The bar shows the crack's (or the water's) current setting.
    static void UpdateToolBarValues(const Cpp_Crack& crack, bool crackMode);
    // The tool's prompt by the bar's kind.
    static std::string GetToolPrompt(bool crackMode);
    // The tool's prompt on the status line.
    static void ShowToolPrompt(bool crackMode);

    // Enter with the tool idle: a constant kind stores the bar's value (true); a point kind
    // starts an entry at the typed point (false).
    static bool OnEnterKey(Cpp_Crack& crack, bool crackMode);
    // Starts a point entry; a constant kind says how to enter it ("Notice") and starts nothing.
    static bool OnToolInput(Cpp_Crack& crack, int px, int py, double x, double y, bool crackMode,
                            bool typed);
    // A further point; the last point again finishes the entry (finished: its result).
    static bool EnterPoints(Cpp_Crack& crack, int px, int py, double x, double y, bool crackMode,
                            bool typed, bool& finished);
    static void EntryMouseMove(int px, int py, double x, double y);
    // Two or more points replace the list and its option becomes the entry kind (true); fewer
    // change nothing.
    static bool FinishEntry(Cpp_Crack& crack, bool crackMode);
    static void CancelEntry();
    // After a full paint of the view: the entry at the current scale.
    static void DrawToolPoints(platform::DeviceContext& dc);

    // The mouse wheel: during a depth entry the bar's value (true), with the tool idle the
    // bar's value too; a delta below 1 subtracts the step.
    static bool WheelEditToolValue(int delta);
    static bool WheelMoveToolPoint(int delta);
    // "Crack Tool Options": the wheel step; true after OK.
    static bool ShowToolOptionsDialog();
    static double WheelStep();

    // The points of a crack or water profile (elevations by points), as the selection edits
    // them. MovePoint: false when the point is not in the list.
    static bool MovePoint(Cpp_Crack& crack, Cpp_CrackPoint* point, double x, double value,
                          bool crackMode);
    // Dragging a point (cursor mode 98): a grey band from the point before over the cursor to
    // the point after; the drop moves the point to the cursor or (fromBar) to the bar's X and
    // value; Escape leaves it.
    static bool StartDragPoint(Cpp_Crack& crack, Cpp_CrackPoint* point, bool crackMode, int px,
                               int py);
    static void DragPointMouseMove(int px, int py, double x, double y);
    static bool EndDragPoint(bool fromBar);
    static void CancelDrag();
    // Inserting a point on the segment that starts at a point (cursor mode 120 crack, 121
    // water): a green band over the cursor; the click links the new point in.
    static bool StartInsertPoint(Cpp_Crack& crack, Cpp_CrackPoint* segmentStart, bool crackMode);
    static void InsertMouseMove(int px, int py, double x, double y);
    static bool InsertPointAtCursor(double x, double y);
    static void CancelInsert();
    // Whether the drag or insertion under way works on the crack (true) or the water.
    static bool EditedCrackMode();
    // The wheel on a selected point: its value by the step (down for a delta below 1).
    static bool WheelMovePoint(Cpp_Crack& crack, Cpp_CrackPoint* point, bool crackMode, int delta);

    static bool IsEntering();
    static int EnteredCount();
    // The entry prompt with the count, by the crack mode and entry kind.
    static std::string EntryPrompt(bool crackMode, int kind, int count);

    // Registers the entry redraw with the view's painting (start-up).
    static void RegisterDrawing();
    static void Reset();
};

// The tool of edit modes 17 (the crack) and 18 (the water in it): points entered (cursor
// modes 42, 43), dragged (98) and inserted (120, 121).
class CrackTool final : public Tool {
public:
    // A crack or water profile entered point by point (cursor modes 42, 43).
    struct s_Entry {
        bool active = false;
        bool crackMode = true;
        int kind = 3;  // 3 depths, 4 elevations
        std::vector<Cpp_CrackPoint> points;
        s_PixelPoint anchor, bandEnd, mouse;
        s_tagTypePointXY world;
    };
    // A drag or an insertion: the list, the points around the band and the band's middle.
    struct s_PointEdit {
        bool active = false;
        Cpp_Crack* crack = nullptr;
        bool crackMode = true;
        Cpp_CrackPoint* point = nullptr;   // dragged point, or start of the split segment
        Cpp_CrackPoint* before = nullptr;  // drag: the point before (null for the first)
        s_PixelPoint band;
        s_tagTypePointXY world;
        platform::ColorRef colour = 0;
        bool drag = true;
    };
    s_Entry entry;
    s_PointEdit edit;
    double wheelStep = 1.0;  // of the wheel and of "Crack Tool Options"

    CrackTool();
    void Reset(ToolContext& context) override;
    s_ToolInputs Inputs(int editMode) const override;
    std::span<const s_CursorModeRow> Steps() const override;
    std::optional<bool> Wheel(ToolContext& context, int cursorMode, int delta, bool shift,
                              bool control) override;
    void RegisterDrawing() const override;
    void Prompt(const s_ToolPrompt& prompt) const override;
    int Bar(int editMode) const override;
    void Chosen(ToolContext& context, int editMode) override;
};
