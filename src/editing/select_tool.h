#pragma once
// The select tool: items picked with the mouse or a band, edited through their bars, the
// edit commands and the point tools of their lines.

#include "editing/tool.h"

// The tool of edit mode 1 and the steps of the edit commands on selected items.
class SelectTool final : public Tool {
public:
    SelectTool();
    s_ToolInputs Inputs(int editMode) const override;
    std::span<const s_CursorModeRow> Steps() const override;
    void Reset(ToolContext& context) override;
    std::optional<bool> Delete(ToolContext& context, int cursorMode) override;
    void RegisterDrawing() const override;
    s_ToolPromptContext PromptContext(ToolContext& context) const override;
    void Prompt(const s_ToolPrompt& prompt) const override;
    void EscapeAtRest(ToolContext& context) override;
    bool ShowsCoordinates() const override { return false; }
    bool Action(ToolContext& context) override;
};
