#pragma once
// The reinforcement entry tool's drawing after a full paint of the view; its operations are
// members of Cpp_ReinforcementLineList (loads/reinforcement_line.h).

// Makes the view's painting draw the running entry again (once is enough).
#include "editing/tool.h"

#include <memory>

void RegisterReinforcementToolDrawing();

// The tool of edit mode 13: a reinforcement line entered point by point (cursor mode 36)
// and the point tools of a selected line.
class ReinforcementTool final : public Tool {
public:
    ReinforcementTool();
    ~ReinforcementTool() override;
    // The step under way and the options, defined with the tool.
    struct s_State;
    std::unique_ptr<s_State> state;
    s_ToolInputs Inputs(int editMode) const override;
    std::span<const s_CursorModeRow> Steps() const override;
    void Reset(ToolContext& context) override;
    std::optional<bool> Wheel(ToolContext& context, int cursorMode, int delta, bool shift,
                              bool control) override;
    std::optional<bool> Delete(ToolContext& context, int cursorMode) override;
    void RegisterDrawing() const override;
    void Prompt(const s_ToolPrompt& prompt) const override;
    int Bar(int editMode) const override;
    void Chosen(ToolContext& context, int editMode) override;
};
