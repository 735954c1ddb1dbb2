#pragma once
// The short texts that guide the user while a tool is active: the prompt bar above the drawing,
// the status text (the message pane of the status bar) and the tool tip beside the cursor.
// The status text and the tool tip remember the string-table number they came from (-1 when
// they were given as text); numbered texts come from the string table (core/string_table.h).

#include <optional>
#include <string>

// The prompt bar of the main frame (platform::Services().PromptBar()): show a text, or take
// the bar away.
void ShowPrompt(const std::string& text);
void ShowPromptResource(int number);
void ClearPromptBar();

// Status text (`view` tells whether the frame's message pane is updated).
void SetStatusTextFromId(bool view, int number);
void SetStatusTextWithSuffix(bool view, int number, const std::string& text);
void SetStatusText(bool view, const std::string& text);
std::string GetStatusText();
int GetStatusTextId();

// What the standard prompt of a tool depends on besides the edit mode (the tool table shows it:
// SetToolPrompt in editing/tool_table.h).
struct s_ToolPromptContext {
    // Edit mode 1: the prompt and the type code of the last item in the current selection.
    bool itemPicked = false;
    std::string pickedPrompt;
    int pickedType = 0;
    int circleToolMode = 0;        // edit mode 14
    bool fixedGridByLine = false;  // edit mode 14, mode 4
    int circleSearchMode = 0;      // edit mode 16
    std::string crackPrompt;       // edit mode 17
    std::string crackWaterPrompt;  // edit mode 18
};

// Tool tip.
void SetToolTipFromId(int number);
void SetToolTipText(const std::string& text);
void ClearToolTip();
bool GetToolTipText(std::string& text);
int GetToolTipId();
// "X: %s , Y: %s" with the coordinate decimals.
void SetCoordinateToolTip(double x, double y, int coordinateDecimals = 2);

// Back to the start (tests).
void ResetPrompts();
