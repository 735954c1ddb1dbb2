#pragma once
// The view's steps of the slip-surface tools, as operations of the dispatch tables
// (view_dispatch.cpp): the circle tool (edit mode 14; its radius step, cursor mode 37), the
// fixed search grid's corner entry (38, 39) and corner move (99), the radius tool (edit mode
// 16, its tangent line 41) and the rubber-band circle (107).

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
// The centre of the trial circle moved (103), its radius rule dragged (104 to 106).
void CentreClick(s_InputCall& call);
void CentreMove(s_InputCall& call);
void CentreCancel(s_InputCall& call);
void RadiusRuleClick(s_InputCall& call);
void RadiusRuleMove(s_InputCall& call);
void RadiusRuleCancel(s_InputCall& call);
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
// Radius tool at cursor mode 0 (edit mode 16), its irregular tangent line (41), and the
// rubber-band circle of a radius definition (107).
void RadiusClick(s_InputCall& call);
void RadiusEnter(s_InputCall& call);
void RadiusMove(s_InputCall& call);
void TangentPointClick(s_InputCall& call);
void TangentPointEnter(s_InputCall& call);
void TangentPointMove(s_InputCall& call);
void TangentEscape(s_InputCall& call);
void TangentFinish(s_InputCall& call);
void RubberBandClick(s_InputCall& call);
void RubberBandEnter(s_InputCall& call);
void RubberBandMove(s_InputCall& call);
void RubberBandCancel(s_InputCall& call);
// Noncircular tool at cursor mode 0 (edit mode 15) and its point entry (40).
void NoncircularClick(s_InputCall& call);
void NoncircularEnter(s_InputCall& call);
void NoncircularMove(s_InputCall& call);
void NoncircularPointClick(s_InputCall& call);
void NoncircularPointEnter(s_InputCall& call);
void NoncircularPointMove(s_InputCall& call);
void NoncircularCancel(s_InputCall& call);
void NoncircularFinish(s_InputCall& call);
// The shift direction of a noncircular point by a vector (130) or parallel to a line (131).
void ShiftDirectionClick(s_InputCall& call);
void ShiftDirectionMove(s_InputCall& call);
void ShiftDirectionCancel(s_InputCall& call);
void ShiftParallelPick(s_InputCall& call);
void ShiftParallelCancel(s_InputCall& call);

}  // namespace view_slip_surface_steps
