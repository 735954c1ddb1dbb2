#pragma once
// The pore-pressure values the stresses at a point (model/point_stresses.h) need from the
// owners of the piezometric lines and the interpolation data, registered by those owners.

#include <functional>

class Cpp_Kliven4DataSet;

// The pressure of a stage's piezometric line at a point; false when the line is missing or the
// point lies outside it. Registered by the owner of the piezometric lines.
using Cpp_PiezometricPressureQuery = std::function<bool(
    const Cpp_Kliven4DataSet&, int stage, int line, double x, double y, double& pressure)>;
void RegisterPiezometricPressureQuery(Cpp_PiezometricPressureQuery query);

// An interpolated value (kind 1 pressure, 2 r-sub-u) of a stage for a material at a point:
// 0 found, 1 no suitable interpolation data, 2 the point lies outside them. Registered by the
// owner of the interpolation data.
using Cpp_InterpolatedValueQuery =
    std::function<int(const Cpp_Kliven4DataSet&, int stage, int kind, int material, double x,
                      double y, double& value)>;
void RegisterInterpolatedValueQuery(Cpp_InterpolatedValueQuery query);

// What is registered (an empty function while nothing is).
const Cpp_PiezometricPressureQuery& RegisteredPiezometricPressureQuery();
const Cpp_InterpolatedValueQuery& RegisteredInterpolatedValueQuery();
