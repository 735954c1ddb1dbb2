#pragma once
// The table of the drawing tools: one object per tool, built once, looked up by edit mode or by
// the cursor mode of one of its steps. The frame switches tools only through SwitchTool; the
// view input asks the table what an input does; opening a document and changing the stage reset
// every tool.
//
//     ToolContext context(&view);
//     if (!SwitchTool(context, EditModeSelect, EditModeProfileLines)) return;  // refused
//     ResetTools(context);                                                     // File Open

#include "editing/tool.h"

#include <span>

// The tool of an edit mode; null for a mode no tool serves (0, or past the last).
Tool* ToolForEditMode(int editMode);
// The tool that owns the step of a cursor mode; null for the view's own steps.
Tool* ToolForCursorMode(int cursorMode);
// Every tool, in the order of their edit modes.
std::span<Tool* const> AllTools();

// Leaves the tool of `from` for the tool of `to`: the old tool's exit (which may refuse: false,
// nothing changed), its bar hidden, the new tool's bar shown, its entry, and every tool's step
// still under way ended. The caller then makes `to` its edit mode.
bool SwitchTool(ToolContext& context, int from, int to);
// Every tool's step under way ended and the cursor mode of a tool's step back to 0 (a document
// opened or made new, the stage changed): nothing of the old data is kept by a tool.
void ResetTools(ToolContext& context);

// What the tools draw over the data, added to the painting once (in the table's order).
void RegisterToolDrawing();

// The standard prompt of the tool of an edit mode on the status line; "" for a mode without a
// tool or without a prompt.
void SetToolPrompt(bool view, int editMode, const s_ToolPromptContext& context);
// The standard prompt of the tool of an edit mode as the tool stands now (its PromptContext).
void ShowToolPrompt(ToolContext& context, int editMode);
