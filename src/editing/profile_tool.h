#pragma once
// The profile-line tool: a new profile line entered with the mouse or with points typed in the
// profile bar, finished with a right click, the bar's "Finish Line" or a click on the last
// point again, and added to the current data set with the number, material and description of
// the bar (a number in use asks "Resolve Duplicate Line").
//
//     Cpp_ProfileTool::StartEntryTool();                      // the tool chosen: bar prepared
//     Cpp_ProfileTool::StartLineEntry(px, py, x, y, false);   // first point, cursor mode 18
//     Cpp_ProfileTool::EnterPointFromTool(px, py, x, y, false);
//     Cpp_ProfileTool::AddLine();                             // true when a line was added

#include "editing/tool.h"
#include "graphics/drawing_attributes.h"

class Cpp_Line;
class Cpp_PointXY;
class Cpp_ProfileLineList;

class Cpp_ProfileTool {
public:
    // The bar gets the next free line number, an unused material and its description.
    static void StartEntryTool();
    // The first point, from the cursor or (fromBar) from the bar's X and Y; false when the bar
    // holds no point.
    static bool StartLineEntry(int px, int py, double x, double y, bool fromBar);
    // A further point; a repeat of the last point finishes the line. True when it added a line.
    static bool EnterPointFromTool(int px, int py, double x, double y, bool fromBar);
    // Finishes the line; true when a line was added.
    static bool AddLine();
    static void CancelEntryTool();
    // "Add Point at End" on a selected profile line: the point tool with the profile
    // attributes, the bar showing only X and Y (cursor mode 82).
    static bool StartAddPointAtEnd(Cpp_Line* line, Cpp_PointXY* endPoint);
    // Deletes the point (the whole line when it is the only one), drawn on the view.
    static bool DeletePoint(Cpp_Line* line, Cpp_PointXY* point);
    // Splitting a line in two, after "Information for New Profile Line" (Cancel: nothing
    // changes). At a point: both lines keep the point. On a segment: the split tool's position
    // (the bar's X and Y with fromBar; nothing in splitter mode) becomes the end of the one and
    // the start of the other. True when the line was split.
    static bool SplitLineAtPoint(Cpp_Line* line, Cpp_PointXY* point);
    static bool SplitLineAtSegment(Cpp_Line* line, Cpp_PointXY* segmentStart, bool fromBar);
    // The profile line and point attributes for the point tools.
    static s_DrawAttributesType GetDisplayAttributes();
};

// The tool of edit mode EditModeProfileLines: its point entry (cursor mode 18) and bar.
class ProfileTool final : public Tool {
public:
    ProfileTool();
    s_ToolInputs Inputs(int editMode) const override;
    std::span<const s_CursorModeRow> Steps() const override;
    void Reset(ToolContext& context) override;
    std::optional<bool> Delete(ToolContext& context, int cursorMode) override;
    void RegisterDrawing() const override;
    void Prompt(const s_ToolPrompt& prompt) const override;
    int Bar(int editMode) const override;
    void Chosen(ToolContext& context, int editMode) override;
};
