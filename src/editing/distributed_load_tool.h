#pragma once
// What the distributed-load tools keep for the run besides their operations, which are
// members of Cpp_DistributedLoadData (loads/distributed_load_data.h): the snap option and the
// stress step per wheel click of "Distributed Load Data Entry Options", and the drawing of the
// tools' figures after a full paint of the view.

// Makes the view's painting draw the running tool's figures again (once is enough).
#include "editing/tool.h"

#include <memory>

void RegisterDistributedLoadToolDrawing();

class Cpp_Kliven4DataSet;

// The pore-water pressure at (x, y) of the piezometric line that the distributed-load bar
// names, among the current stage's lines. A line that is not there gives the notice "Piezometric
// line number %d does not exist for computing distributed loads." and false; a point beyond the
// line's ends false.
bool WaterPressureForDistributedLoad(const Cpp_Kliven4DataSet& dataSet, double x, double y,
                                     double& pressure);

// The tool of edit mode 3: a distributed load entered point by point (cursor mode 14) and
// the point tools of a selected load.
class DistributedLoadTool final : public Tool {
public:
    DistributedLoadTool();
    ~DistributedLoadTool() override;
    // The step under way and the options, defined with the tool.
    struct s_State;
    std::unique_ptr<s_State> state;
    void Reset(ToolContext& context) override;
    s_ToolInputs Inputs(int editMode) const override;
    std::span<const s_CursorModeRow> Steps() const override;
    bool Exit(ToolContext& context, int editMode) override;
    bool ExitMayRefuse() const override { return true; }
    std::optional<bool> Wheel(ToolContext& context, int cursorMode, int delta, bool shift,
                              bool control) override;
    void RegisterDrawing() const override;
    void Prompt(const s_ToolPrompt& prompt) const override;
    int Bar(int editMode) const override;
    bool Action(ToolContext& context) override;
    void Chosen(ToolContext& context, int editMode) override;
};
