#include "editing/material_tool.h"

#include "editing/edit_modes.h"
#include "graphics/prompts.h"

namespace {
using namespace tool_cells;
using namespace view_input_ops;
}  // namespace

MaterialTool::MaterialTool() : Tool(EditModeMaterials, EditModeMaterials, "Materials") {}

s_ToolInputs MaterialTool::Inputs(int) const {
    return {R(MaterialToolClick), H, N, R(ShowViewMenuWithStage)};
}

void MaterialTool::Prompt(const s_ToolPrompt& prompt) const {
    SetStatusTextFromId(prompt.view, 1312);
}
