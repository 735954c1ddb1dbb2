#pragma once
// The data check of loads and reinforcement as the data set's check runs it: steps 7 to 9, each
// under its banner (written before the block's first message and dropped when it reports
// nothing).

#include <cstdio>

class Cpp_Line;
class Cpp_LoadsData;

// Distributed loads, line loads and reinforcement lines; stage 2 of the loads only when the
// analysis is multi-stage. slope may be null or without points. tolerance is the data set's
// length tolerance (1e-8 times the diagonal of its extents). True when no block had errors.
bool CheckLoadsAndReinforcement(Cpp_LoadsData& loads, const Cpp_Line* slope, double tolerance,
                                bool multiStage, std::FILE* listing);

// The box of the load points, line loads, reinforcement lines and individual geogrids; false
// when none has points.
bool LoadsExtents(const Cpp_LoadsData& loads, double& xmin, double& xmax, double& ymin,
                  double& ymax);
