#pragma once
// Where a trial circle enters and leaves the ground of a data set: the slope line and, with a
// tension crack, the line of the crack bottom. The pair of intersections that bounds the slip
// surface is chosen under the lateral restrictions of the analysis data; what was found is
// reported in the computation message buffers (notices 8010-8260).

#include "analysis/circle.h"
#include "core/point_xy.h"

class Cpp_Kliven4DataSet;

// True when both end points were found: first where the ground, followed from left to right,
// enters the circle, second where it leaves it. Only the centre and radius of the circle are
// read. The message buffers are emptied first. A slope line of fewer than two points throws
// the text "No slope geometry in get_end_points_of_circle"; an active crack without a
// crack-bottom line gives a notice and false. Sets the slope orientation flag of the data set.
bool get_end_points_of_circle(Cpp_Kliven4DataSet& dataSet, Cpp_Circle circle,
                              s_tagTypePointXY& first, s_tagTypePointXY& second);

// The end points of the trial circles after a change of the circle or the ground. Modes 1, 3
// and 4: the initial trial circle's end points are stored in the analysis data (both at the
// circle's lowest point when the slope line is shorter than two points); false when a circle of
// positive radius has no end points. Mode 2: each circle of the circle list gets its own.
bool UpdateCircleEndPoints(Cpp_Kliven4DataSet& dataSet);
