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

}  // namespace view_tool_steps
