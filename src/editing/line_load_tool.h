#pragma once
// What the line-load tools keep besides their operations, which are members of
// Cpp_LineLoadList (loads/line_load.h): the snap option of "Line Load Data Entry Options" and
// the drawing of the preview or dragged arrow after a full paint of the view.

// Makes the view's painting draw the running tool's arrow again (once is enough).
#include "editing/tool.h"

#include <memory>

void RegisterLineLoadToolDrawing();

// The tool of edit mode 4: line loads placed with the mouse or the bar, and the drag of a
// selected load's tail (cursor mode 91).
class LineLoadTool final : public Tool {
public:
    LineLoadTool();
    ~LineLoadTool() override;
    // The step under way and the options, defined with the tool.
    struct s_State;
    std::unique_ptr<s_State> state;
    void Reset(ToolContext& context) override;
    s_ToolInputs Inputs(int editMode) const override;
    std::span<const s_CursorModeRow> Steps() const override;
    std::optional<bool> Wheel(ToolContext& context, int cursorMode, int delta, bool shift,
                              bool control) override;
    void RegisterDrawing() const override;
    int Bar(int editMode) const override;
    bool ShowsCoordinates() const override { return false; }
    void Chosen(ToolContext& context, int editMode) override;
};
