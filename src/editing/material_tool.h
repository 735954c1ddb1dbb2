#pragma once
// The material tool: a click on a profile line opens the dialog of its material.

#include "editing/tool.h"

// The tool of edit mode 5.
class MaterialTool final : public Tool {
public:
    MaterialTool();
    s_ToolInputs Inputs(int editMode) const override;
    void Prompt(const s_ToolPrompt& prompt) const override;
};
