#pragma once
// The piezometric-line tool: a new piezometric line of the current stage entered with the mouse
// or with points typed in the piezometric bar, finished with a right click, the bar's "Finish
// Line" or a click on the last point again, and added with the number, unit weight and
// description of the bar (a number in use asks "Resolve Duplicate Line").
//
//     Cpp_PiezometricTool::StartEntryTool();                      // bar prepared
//     Cpp_PiezometricTool::StartLineEntry(px, py, x, y, false);   // first point, cursor mode 19
//     Cpp_PiezometricTool::EnterPointFromTool(px, py, x, y, false);
//     Cpp_PiezometricTool::AddLine();                             // true when a line was added

#include "editing/tool.h"
class Cpp_Line;
class Cpp_PointXY;

class Cpp_PiezometricTool {
public:
    // The bar gets the next free number, the unit weight of the stage's last line (of water
    // when there is none) and "Piezometric Line No. %d".
    static void StartEntryTool();
    static bool StartLineEntry(int px, int py, double x, double y, bool fromBar);
    // A further point; a repeat of the last point finishes the line. True when it added a line.
    static bool EnterPointFromTool(int px, int py, double x, double y, bool fromBar);
    // Finishes the line; true when a line was added (one point makes none, silently).
    static bool AddLine();
    static void CancelEntryTool();

    // The point tools on a line of the current stage, with the stage's attributes.
    // "Add Point at End": cursor mode 83, the bar showing only X and Y.
    static bool StartAddPointAtEnd(Cpp_Line* line, Cpp_PointXY* endPoint);
    // The click (or with fromBar the bar's X and Y) that adds the point.
    static bool AddPointAtEndFromToolBar(double x, double y, bool fromBar);
    // Completes an insertion on a segment.
    static bool CompleteInsertFromToolBar(double x, double y, bool link, bool fromBar);
    // Drops a dragged point (at the bar's X and Y with fromBar).
    static bool EndDragPoint(bool fromBar);

    // Splitting a line of the stage in two after "Information for New Piezometric Line" (Cancel:
    // nothing changes); both lines keep the split line's unit weight. At a point both keep the
    // point; on a segment the split tool's position (the bar's X and Y with fromBar; nothing
    // in splitter mode) ends the one and starts the other. True when the line was split.
    static bool SplitLineAtPoint(Cpp_Line* line, Cpp_PointXY* point);
    static bool SplitLineAtSegment(Cpp_Line* line, Cpp_PointXY* segmentStart, bool fromBar);
};

// The tool of edit mode EditModePiezometricLines: its point entry (cursor mode 19) and bar.
class PiezometricTool final : public Tool {
public:
    PiezometricTool();
    s_ToolInputs Inputs(int editMode) const override;
    std::span<const s_CursorModeRow> Steps() const override;
    void Reset(ToolContext& context) override;
    std::optional<bool> Delete(ToolContext& context, int cursorMode) override;
    void RegisterDrawing() const override;
    void Prompt(const s_ToolPrompt& prompt) const override;
    int Bar(int editMode) const override;
    void Chosen(ToolContext& context, int editMode) override;
};
