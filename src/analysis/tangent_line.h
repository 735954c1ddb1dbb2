#pragma once
// A line that trial circles touch: a horizontal line at an elevation, or an irregular line
// given by points. For a centre it gives the radius of the circle tangent to it.

#include <iosfwd>
#include <vector>

#include "core/point_xy.h"

class Cpp_TangentLine {
public:
    class Exc_MissingTangentLineOption {};
    class Exc_MissingPointsWhenCalcRadius {};

    enum { kUndefined = -1, kHorizontal = 0, kIrregular = 1 };

    int GetOption() const { return option_; }
    // 0: elevation 0; 1: points emptied (also when it was already 1); leaving 1 frees the
    // points. Other values are stored as they are.
    void ChangeOption(int option);
    double GetElevation() const { return option_ == kHorizontal ? elevation_ : 0.0; }
    // Only a horizontal line takes an elevation.
    bool SetElevation(double y);
    bool AddPoint(double x, double y);
    bool SetIrregularPoints(const s_tagTypePointXY* points, int count);
    bool DeleteAllPoints();
    int NumberOfPoints() const { return static_cast<int>(points_.size()); }
    const std::vector<s_tagTypePointXY>& Points() const { return points_; }
    std::vector<s_tagTypePointXY>& Points() { return points_; }
    // Box of the points; false without points.
    bool GetExtents(double& xMin, double& xMax, double& yMin, double& yMax) const;

    // Radius of the circle about (x, y) that touches the line. Throws
    // Exc_MissingTangentLineOption for an undefined line; 0 for an irregular line of fewer
    // than two points.
    double GetRadius(double x, double y) const;
    double GetRadius(const s_tagTypePointXY& centre) const { return GetRadius(centre.x, centre.y); }

    // Both coordinates: x' = a x + b, y' = c y + d (elevation and points).
    void Transform(double a, double b, double c, double d);

    // The tangent-line lines of the input block; false (after the header) for an undefined
    // line. An irregular line is written with the points it has (never invented ones), so
    // an incomplete line reads back as itself and the check reports it.
    bool WriteKLIVEN4InputDataFile(std::ostream& out) const;

    bool operator==(const Cpp_TangentLine& other) const;

private:
    int option_ = kUndefined;
    double elevation_ = 0.0;
    std::vector<s_tagTypePointXY> points_;
};
