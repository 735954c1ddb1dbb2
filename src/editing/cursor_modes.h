#pragma once
// The cursor modes: which step of which tool the view input is in (the number kept by
// GetCursorMode and SetCursorMode). 0 means no step is under way and the edit mode decides what
// an input does. A tool that starts a step sets its mode; finishing or cancelling the step
// returns to 0. The numbers are fixed and never reordered; the gaps are numbers no tool uses.

enum e_CursorMode : int {
    CursorModeNone = 0,
    CursorModeZoomWindow = 2,  // Zoom Window, before the first corner
    CursorModeZoomBox = 3,     // the zoom box, after the first corner
    CursorModePanStart = 4,    // pan, before the anchor (nothing sets it)
    CursorModePanEnd = 5,      // pan, after the anchor
    CursorModeZoomIn = 6,      // zoom in at a click (nothing sets it)
    CursorModeZoomOut = 7,     // zoom out at a click (nothing sets it)
    CursorModeRescaleFirstPoint = 10,
    CursorModeRescaleSecondPoint = 11,
    CursorModeLineEntry = 13,  // generic line point entry; every tool that starts it sets its own
    CursorModeDistributedLoadEntry = 14,
    CursorModeConstructionCircleEntry = 16,
    CursorModeConstructionLineEntry = 17,
    CursorModeProfileLineEntry = 18,
    CursorModePiezometricLineEntry = 19,
    CursorModeSlopeLineEntry = 23,
    CursorModeReinforcementLineEntry = 36,
    CursorModeCircleRadius = 37,       // the radius step of the circle tool
    CursorModeSearchGridCorners = 38,  // fixed search grid, corner by corner
    CursorModeSearchGridDrag = 39,     // fixed search grid, rectangle dragged with the button held
    CursorModeNoncircularEntry = 40,
    CursorModeTangentLineEntry = 41,  // the tangent line of a radius definition
    CursorModeCrackDepthEntry = 42,
    CursorModeCrackWaterEntry = 43,
    CursorModePickBand = 44,
    CursorModeGeogridPlacement = 47,
    CursorModeNailPlacement = 48,
    CursorModeMaterialTableDrag = 58,  // a material property table dragged to a new place
    CursorModeResultsDisplay = 59,     // nothing sets it
    CursorModeClickSelection = 77,     // nothing sets it
    CursorModeComputeDistance = 80,
    // Adding points at the end of a line.
    CursorModeAddPointConstructionLine = 81,
    CursorModeAddPointProfileLine = 82,
    CursorModeAddPointPiezometricLine = 83,
    CursorModeAddPointSlopeLine = 84,
    CursorModeAddPointReinforcementLine = 85,
    CursorModeAddPointDistributedLoad = 86,
    CursorModeAddPointNoncircular = 87,
    CursorModeAddPointTangentLine = 88,
    // Dragging a point or an item.
    CursorModeDragConstructionPoint = 89,
    CursorModeChangeDistributedLoadPoint = 90,
    CursorModeDragLineLoadTail = 91,
    CursorModeDragProfilePoint = 92,
    CursorModeDragPiezometricPoint = 93,
    CursorModeDragSlopePoint = 94,
    CursorModeDragReinforcementPoint = 95,
    CursorModeDragNoncircularPoint = 96,
    CursorModeDragTangentPoint = 97,
    CursorModeDragCrackPoint = 98,
    CursorModeMoveSearchGridCorner = 99,
    CursorModeDragSegment = 102,
    CursorModeMoveCircleCentre = 103,
    CursorModeDragRadiusTip = 104,
    CursorModeDragHorizontalTangent = 105,
    CursorModeDragFixedPoint = 106,
    CursorModeChangeGivenRadius = 107,
    CursorModeDragGeogrid = 108,
    CursorModeDragNail = 109,
    // Extending a line to another.
    CursorModeExtendChooseTarget = 110,
    CursorModeExtendChooseDirection = 111,
    // Inserting a point on a segment.
    CursorModeInsertConstructionPoint = 112,
    CursorModeInsertDistributedLoadPoint = 113,
    CursorModeInsertProfilePoint = 114,
    CursorModeInsertPiezometricPoint = 115,
    CursorModeInsertReinforcementPoint = 116,
    CursorModeInsertSlopePoint = 117,
    CursorModeInsertNoncircularPoint = 118,
    CursorModeInsertTangentPoint = 119,
    CursorModeInsertCrackDepthPoint = 120,
    CursorModeInsertCrackWaterPoint = 121,
    // Second steps of the edit commands.
    CursorModeMakeParallelChooseLine = 122,
    CursorModeAdjustChooseEnd = 123,
    CursorModeMoveDistanceFromPoint = 125,
    CursorModeMoveDistanceFromLine = 126,
    CursorModeMoveDistanceStraight = 127,  // horizontally or vertically a distance
    CursorModeMoveToLineTarget = 128,
    CursorModeMoveToLineReference = 129,
    CursorModeShiftDirection = 130,  // shift direction of a noncircular point
    CursorModeShiftParallelToLine = 131,
    CursorModeSplitConstructionLine = 132,
    CursorModeSplitProfileLine = 133,
    CursorModeSplitPiezometricLine = 134,
    CursorModeSplitReinforcementLine = 135,
    CursorModeSnapHorizontalOrVertical = 136,
    CursorModeSnapToPoint = 137,
    CursorModeChangeSegmentLength = 139,
    CursorModeChangeSegmentSlope = 140,
    CursorModeRenumberLines = 160,
};
