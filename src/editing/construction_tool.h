#pragma once
// The construction tool: construction lines and circles entered with the mouse or the bar.

#include "core/cursor_mode.h"
#include "editing/tool.h"

// The tool of edit mode 2: a construction line (cursor mode 17) or circle (16).
class ConstructionTool final : public Tool {
public:
    // Circle entry, one at a time.
    struct s_CircleEntry {
        bool active = false;
        double x = 0.0, y = 0.0;  // the centre
        s_PixelPoint centre, cursor;
        int type = -1;
    };
    s_CircleEntry circleEntry;

    ConstructionTool();
    s_ToolInputs Inputs(int editMode) const override;
    std::span<const s_CursorModeRow> Steps() const override;
    void Reset(ToolContext& context) override;
    void RegisterDrawing() const override;
    void Prompt(const s_ToolPrompt& prompt) const override;
    int Bar(int editMode) const override;
};
