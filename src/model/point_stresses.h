#pragma once
// Stresses at a point of the section: the total vertical (overburden) pressure from the slope
// surface and the unit weights of the layers above, and the pore-water pressure from the
// pore-pressure option of the material at the point. The stress dialogs form the effective
// vertical stress as their difference. Errors are shown in a box captioned "ERROR" and make the
// result false. Nothing here changes the data: a material that is missing is reported.

#include <functional>
#include <string>

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

// The pressure of a stage's piezometric line at a point; false when the line is missing or the
// point lies outside it. Registered by the owner of the piezometric lines.
using Cpp_PiezometricPressureQuery = std::function<bool(
    const Cpp_Kliven4DataSet&, int stage, int line, double x, double y, double& pressure)>;
void RegisterPiezometricPressureQuery(Cpp_PiezometricPressureQuery query);

// An interpolated value (kind 1 pressure, 2 r-sub-u) of a stage for a material at a point:
// 0 found, 1 no suitable interpolation data, 2 the point lies outside them. Registered by the
// owner of the interpolation data.
using Cpp_InterpolatedValueQuery = std::function<int(
    const Cpp_Kliven4DataSet&, int stage, int kind, int material, double x, double y, double& value)>;
void RegisterInterpolatedValueQuery(Cpp_InterpolatedValueQuery query);
