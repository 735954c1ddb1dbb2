#pragma once
// The pore-water pressure at a point of a material, by the material's pore-pressure option for
// the stage: none, constant, r-sub-u times the overburden, a piezometric line, or interpolation
// of pressures or r-sub-u values; then the negative-pressure rule. The point-stress computation
// of the data set chooses the material and calls this.

#include <functional>
#include <string>

class Cpp_InterpolationData;
class Cpp_PiezometricLineList;
class Cpp_PorePressure;

// overburden: the vertical stress at the point (false when it cannot be found), asked only for
// r-sub-u values. text: what the pressure was computed from, or why it could not be. False, with
// an empty text, for the options that give no pressure here (unset, old and spline procedures).
bool PorePressureAtPoint(const Cpp_PorePressure& record, const Cpp_PiezometricLineList& lines,
                         const Cpp_InterpolationData& data, int material, double x, double y,
                         const std::function<bool(double&)>& overburden, double& pressure,
                         std::string& text);
