#pragma once
// The view's steps of the construction, crack and interpolation-point tools, as operations of
// the dispatch tables (view_dispatch.cpp).

#include "editing/view_dispatch.h"

namespace view_tool_steps {

// Construction tool: edit mode 2 at cursor mode 0, circle entry (16), line entry (17).
void ConstructionClick(s_InputCall& call);
void ConstructionEnter(s_InputCall& call);
void ConstructionMove(s_InputCall& call);
void CircleEntryClick(s_InputCall& call);
void CircleEntryEnter(s_InputCall& call);
void CircleEntryMove(s_InputCall& call);
void CircleEntryEscape(s_InputCall& call);
void LineEntryClick(s_InputCall& call);
void LineEntryEnter(s_InputCall& call);
void LineEntryMove(s_InputCall& call);
void LineEntryEscape(s_InputCall& call);
void LineEntryFinish(s_InputCall& call);

// Crack and crack-water tools: edit modes 17, 18 at cursor mode 0; point entry (42, 43).
void CrackToolClick(s_InputCall& call);
void CrackToolEnter(s_InputCall& call);
void CrackToolMove(s_InputCall& call);
void CrackEntryClick(s_InputCall& call);
void CrackEntryEnter(s_InputCall& call);
void CrackEntryMove(s_InputCall& call);
void CrackEntryEscape(s_InputCall& call);
void CrackEntryFinish(s_InputCall& call);
// Dragging a crack point (98) and inserting one (120, 121).
void CrackDragDrop(s_InputCall& call);
void CrackDragDropFromBar(s_InputCall& call);
void CrackDragMove(s_InputCall& call);
void CrackDragEscape(s_InputCall& call);
void CrackInsertClick(s_InputCall& call);
void CrackInsertMove(s_InputCall& call);
void CrackInsertEscape(s_InputCall& call);

// Interpolation-point tools: edit modes 8 to 10 at cursor mode 0.
void InterpolationClick(s_InputCall& call);
void InterpolationEnter(s_InputCall& call);
void InterpolationMove(s_InputCall& call);
void InterpolationMenu(s_InputCall& call);

}  // namespace view_tool_steps
