#pragma once
// The diagram of one distributed-load segment on the current device context, for the tools'
// rubber bands: (x1, y1) and (x2, y2) with their normal and shear stresses. Both end values 0
// draw the plain segment. The outer line of the diagram goes to normalLine (normal flag set)
// or shearLine, when given (two points each).

#include "core/point_xy.h"

bool DrawDistributedLoadSegment(double x1, double y1, double normal1, double shear1, double x2,
                                double y2, double normal2, double shear2, bool normal,
                                bool resultant, bool hatch, bool outline,
                                s_tagTypePointXY* normalLine, s_tagTypePointXY* shearLine);
