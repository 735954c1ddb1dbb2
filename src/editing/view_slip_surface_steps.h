#pragma once
// The view's steps of the slip-surface tools, as operations of the dispatch tables
// (view_dispatch.cpp): the circle tool (edit mode 14; its radius step, cursor mode 37), the
// fixed search grid's corner entry (38, 39) and corner move (99).

#include "editing/view_dispatch.h"

namespace view_slip_surface_steps {

// Circle tool at cursor mode 0.
void CircleClick(s_InputCall& call);
void CircleEnter(s_InputCall& call);
void CircleMove(s_InputCall& call);
// The left button released in edit mode 14 (cursor mode 0: the grid's corner entry starts at
// the point) or at the end of a dragged grid rectangle (39).
void CircleButtonUp(ViewInputHost& view, const s_ViewInput& in);
// The radius step (37).
void CircleRadiusClick(s_InputCall& call);
void CircleRadiusEnter(s_InputCall& call);
void CircleRadiusMove(s_InputCall& call);
void CircleRadiusCancel(s_InputCall& call);
// The grid's corners (38, 39) and a corner moved (99).
void GridCornerClick(s_InputCall& call);
void GridCornerEnter(s_InputCall& call);
void GridCornerMove(s_InputCall& call);
void GridRectangleMove(s_InputCall& call);
void GridEntryEscape(s_InputCall& call);
void GridCornerDrop(s_InputCall& call);
void GridCornerDropFromBar(s_InputCall& call);
void GridCornerDragMove(s_InputCall& call);
void GridCornerMoveCancel(s_InputCall& call);

}  // namespace view_slip_surface_steps
