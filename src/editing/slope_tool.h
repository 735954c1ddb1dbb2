#pragma once
// The slope tool: the slope line entered with the mouse or with points typed in the slope bar.
// A right click, Enter on the last point again or a click on it finishes: two or more points
// replace the slope line, which then counts as entered, and the crack lines follow it; one
// point leaves the slope as it was.
//
//     Cpp_SlopeTool::StartLineEntry(px, py, x, y, false);   // first point, cursor mode 23
//     Cpp_SlopeTool::EnterPointFromTool(px, py, x, y, false);
//     Cpp_SlopeTool::FinishEntry();                         // true when the slope was replaced

#include "editing/tool.h"
class Cpp_PointXY;

class Cpp_SlopeTool {
public:
    static bool StartLineEntry(int px, int py, double x, double y, bool fromBar);
    // A further point; a repeat of the last point finishes. True when the slope was replaced.
    static bool EnterPointFromTool(int px, int py, double x, double y, bool fromBar);
    static bool FinishEntry();
    static void CancelEntryTool();

    // "Add Point at End" on the slope line with its display attributes (cursor mode 84).
    static bool StartAddPointAtEnd(Cpp_PointXY* endPoint);
    // Completes an insertion on a slope segment (at the slope bar's X and Y with fromBar).
    static bool CompleteInsertFromToolBar(double x, double y, bool link, bool fromBar);
    // After a point tool changed the slope: it counts as entered, and the crack bottom and
    // water levels that hang on it are computed again.
    static void SlopeChanged();
};

// The tool of edit mode EditModeSlopeLine: its point entry (cursor mode 23) and bar.
class SlopeTool final : public Tool {
public:
    SlopeTool();
    s_ToolInputs Inputs(int editMode) const override;
    std::span<const s_CursorModeRow> Steps() const override;
    void Reset(ToolContext& context) override;
    std::optional<bool> Delete(ToolContext& context, int cursorMode) override;
    void RegisterDrawing() const override;
    void Prompt(const s_ToolPrompt& prompt) const override;
    int Bar(int editMode) const override;
};
