#pragma once
// The pore-pressure items in the data set's drawing: registers their layers (interpolation
// triangles; piezometric points and lines; interpolation points and contours kind by kind; the
// stage-1 pressure values; piezometric numbers and coordinates) and hands the data set's
// display flags of the piezometric lines to the lists, which keep flags of their own. Called
// once at start-up; registering again changes nothing.

class Cpp_Kliven4DataSet;
struct s_DisplayFlagsType;

void RegisterPorePressureDrawing();

// The layer functions (tests call them directly).
void DrawInterpolationFirstPass(Cpp_Kliven4DataSet& dataSet);
void DrawPiezometricPointsAndLines(Cpp_Kliven4DataSet& dataSet);
void DrawInterpolationPointsAndContours(Cpp_Kliven4DataSet& dataSet);
void DrawInterpolationThirdPass(Cpp_Kliven4DataSet& dataSet);
void DrawPiezometricNumbersAndCoordinates(Cpp_Kliven4DataSet& dataSet);
// The piezometric flags of the record onto the data set's two lists.
void ApplyPiezometricDisplayFlags(Cpp_Kliven4DataSet& dataSet, const s_DisplayFlagsType& flags);
