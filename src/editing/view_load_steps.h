#pragma once
// The input operations of the load and reinforcement tools for the dispatch tables
// (view_dispatch.cpp): the distributed-load point entry (edit mode 3, cursor mode 14) and its
// point steps (86 adding at an end, 90 dragging, 113 inserting), the line-load tool (edit mode 4,
// 91), the reinforcement entry (edit mode 13, 36) and its point steps (85, 95, 116).

#include "editing/view_dispatch.h"

namespace view_load_ops {
void DistributedLoadFirstClick(s_InputCall& call);
void DistributedLoadFirstEnter(s_InputCall& call);
// The move in edit mode 3 with no step running.
void DistributedLoadToolMove(s_InputCall& call);
void DistributedLoadClick(s_InputCall& call);
void DistributedLoadEnter(s_InputCall& call);
void DistributedLoadMove(s_InputCall& call);
void DistributedLoadEscape(s_InputCall& call);
void DistributedLoadFinish(s_InputCall& call);
void DistributedLoadAddEndClick(s_InputCall& call);
void DistributedLoadAddEndEnter(s_InputCall& call);
void DistributedLoadAddEndMove(s_InputCall& call);
void DistributedLoadAddEndEscape(s_InputCall& call);
void DistributedLoadDragDrop(s_InputCall& call);
void DistributedLoadDragEnter(s_InputCall& call);
void DistributedLoadDragMove(s_InputCall& call);
void DistributedLoadDragEscape(s_InputCall& call);
void DistributedLoadInsertClick(s_InputCall& call);
void DistributedLoadInsertEnter(s_InputCall& call);
void DistributedLoadInsertMove(s_InputCall& call);
void DistributedLoadInsertEscape(s_InputCall& call);
// The line-load tool (edit mode 4) and the drag of a load or its tail (cursor mode 91).
void LineLoadClick(s_InputCall& call);
void LineLoadEnter(s_InputCall& call);
void LineLoadMove(s_InputCall& call);
void LineLoadDragDrop(s_InputCall& call);
void LineLoadDragEnter(s_InputCall& call);
void LineLoadDragMove(s_InputCall& call);
void LineLoadDragEscape(s_InputCall& call);
// The reinforcement entry tool (edit mode 13, cursor mode 36).
void ReinforcementFirstClick(s_InputCall& call);
void ReinforcementFirstEnter(s_InputCall& call);
void ReinforcementClick(s_InputCall& call);
void ReinforcementEnter(s_InputCall& call);
void ReinforcementMove(s_InputCall& call);
void ReinforcementIdleMove(s_InputCall& call);
void ReinforcementEscape(s_InputCall& call);
void ReinforcementBackspace(s_InputCall& call);
void ReinforcementFinish(s_InputCall& call);
// The point steps on a selected reinforcement line: adding at an end (85), dragging (95),
// inserting (116).
void ReinforcementAddEndClick(s_InputCall& call);
void ReinforcementAddEndEnter(s_InputCall& call);
void ReinforcementAddEndMove(s_InputCall& call);
void ReinforcementAddEndEscape(s_InputCall& call);
void ReinforcementDragDrop(s_InputCall& call);
void ReinforcementDragEnter(s_InputCall& call);
void ReinforcementDragMove(s_InputCall& call);
void ReinforcementDragEscape(s_InputCall& call);
void ReinforcementInsertClick(s_InputCall& call);
void ReinforcementInsertEnter(s_InputCall& call);
void ReinforcementInsertMove(s_InputCall& call);
void ReinforcementInsertEscape(s_InputCall& call);
// "Split Line at Segment" on a reinforcement interval (135): nothing to split.
void ReinforcementSplitClick(s_InputCall& call);
void ReinforcementSplitEscape(s_InputCall& call);
// The wheel of the distributed-load tool: during entry (cursor mode 14) and at cursor mode 0.
bool DistributedLoadWheel(int cursorMode, int delta, bool shift, bool control);
}  // namespace view_load_ops
