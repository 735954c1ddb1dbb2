#pragma once
// Data derived from other data of a data set: the distributed loads of surface water standing on
// the slope, computed from a piezometric line.

#include "graphics/line.h"

#include <cstdio>
#include <vector>

class Cpp_Kliven4DataSet;

// One distributed-load point: its place on the slope and the normal pressure there.
struct s_WaterLoadPoint {
    double x = 0.0;
    double y = 0.0;
    double pressure = 0.0;
};

// The load points of the water above the slope line: the stretch of the surface under water, with
// one zero-pressure point at each dry end, a point at every change of the surface or water line,
// and points where the water level meets a vertical face of the slope. unitWeight is the fluid's.
// False when either line has no points; true with no points when nothing is under water.
bool ComputeWaterLoadPoints(const Cpp_Line& slope, const Cpp_Line& piezometric, double unitWeight,
                            std::vector<s_WaterLoadPoint>& points);

// The distributed loads of a stage from the piezometric line its loads name: the stage's load
// points are replaced; the slope is generated first when it has no points. With a listing the
// loads (and a generated slope) are echoed. False after message 5340 or 5350.
bool GenerateWaterLoads(Cpp_Kliven4DataSet& dataSet, int stage, std::FILE* listing);

// "Recompute Slope and Crack Geometry": the slope (no longer entered) is generated again from the
// profile lines and, when that succeeds, the crack lines follow. The generation's result.
bool RecomputeSlopeAndCrackGeometry(Cpp_Kliven4DataSet& dataSet);

// Numbers the points 1 to n of every profile line, piezometric line of both stages,
// reinforcement line and of the slope line.
bool RenumberAllLinePoints(Cpp_Kliven4DataSet& dataSet);
// x := a*x + b and y := c*y + d for every coordinate of the data set: profile lines, the
// piezometric lines, interpolation points (triangulated again) and distributed and line loads of
// both stages, the slope with its crack lines, the reinforcement lines and the analysis data.
// With a = c the lengths of the analysis data scale too; with a != c the user is told that
// circles cannot stay circles. A scale of 0 sets every x (or y) to one value. True when the
// data set was transformed (false when a value is not finite, nothing changed).
bool RescaleCoordinates(Cpp_Kliven4DataSet& dataSet, double a, double b, double c, double d);

// The slope line generated from the profile lines (echoed when a listing is given); the crack
// lines follow.
bool GenerateSlopeGeometry(Cpp_Kliven4DataSet& dataSet, std::FILE* listing);
// The crack bottom and the crack water of the slope from the analysis data's crack, after the
// crack changed (a read, a tool, a dialog).
bool ComputeCrackBottom(Cpp_Kliven4DataSet& dataSet, std::FILE* listing);
bool ComputeCrackWaterLevels(Cpp_Kliven4DataSet& dataSet);
