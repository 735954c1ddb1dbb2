#pragma once
// Stresses at a point of the section: the total vertical (overburden) pressure from the slope
// surface and the unit weights of the layers above, and the pore-water pressure from the
// pore-pressure option of the material at the point. The stress dialogs form the effective
// vertical stress as their difference. Errors are shown in a box captioned "ERROR" and make the
// result false. Nothing here changes the data: a material that is missing is reported.

#include <string>

#include "registry/point_stress_queries.h"

class Cpp_Kliven4DataSet;

// Depth below the slope surface at x and the overburden pressure there, for the current stage.
bool OverburdenPressure(const Cpp_Kliven4DataSet& dataSet, double x, double y, double& depth,
                        double& overburden);

// The pore-water pressure at (x, y) for a stage. The material is that of the profile line given
// by number (> 0), else the material given by number (> 0), else that of the line above the
// point; both numbers come back. description tells how the pressure was found.
bool PoreWaterPressureAtPoint(const Cpp_Kliven4DataSet& dataSet, double x, double y,
                              int& lineNumber, int& materialNumber, int stage, double& pressure,
                              std::string& description);
