#pragma once
// A noncircular slip surface: points from the left end to the right end. For a noncircular
// search each point is fixed or moveable, a moveable point being shifted in a given direction
// or in one the computation program computes.

#include <cstdio>
#include <vector>

#include "core/point_xy.h"

class Cpp_NoncircularShearSurfacePoint {
public:
    Cpp_NoncircularShearSurfacePoint() = default;
    explicit Cpp_NoncircularShearSurfacePoint(int number) : number_(number) {}
    Cpp_NoncircularShearSurfacePoint(int number, double x, double y, double angleDegrees,
                                     bool moveable, bool computed);

    void Set(int number, double x, double y, double angleDegrees, bool moveable, bool computed);
    void SetShiftAngle(double angleDegrees, bool moveable, bool computed);

    int Number() const { return number_; }
    void SetNumber(int number) { number_ = number; }
    double X() const { return x_; }
    double Y() const { return y_; }
    void SetXY(double x, double y) {
        x_ = x;
        y_ = y;
    }
    s_tagTypePointXY XY() const { return {x_, y_}; }
    bool IsMoveable() const { return moveable_ != 0; }
    bool IsShiftDirectionComputed() const { return computed_ != 0; }
    void SetMoveable(bool moveable) { moveable_ = moveable ? 1 : 0; }
    void SetShiftDirectionComputed(bool computed) { computed_ = computed ? 1 : 0; }
    double GetShiftAngleDegrees() const;
    double GetShiftAngleRadians() const { return angleRadians_; }
    // Exactly the same coordinates.
    bool IsAt(const Cpp_NoncircularShearSurfacePoint& other) const {
        return x_ == other.x_ && y_ == other.y_;
    }
    double DistanceTo(const Cpp_NoncircularShearSurfacePoint& other) const;
    // Same coordinates and the same shift constraints.
    bool operator==(const Cpp_NoncircularShearSurfacePoint& other) const;

private:
    int number_ = 0;
    double x_ = 0.0;
    double y_ = 0.0;
    double angleDegrees_ = 0.0;
    double angleRadians_ = 0.0;
    unsigned char moveable_ = 1;
    unsigned char computed_ = 1;
};

// The ground lines a noncircular surface is checked against: the slope line and the line of
// the crack bottom (empty without a crack), each ordered from left to right.
struct s_SlopeLinesType {
    std::vector<s_tagTypePointXY> slope;
    std::vector<s_tagTypePointXY> crackBottom;
};

class Cpp_NoncircularShearSurface {
public:
    // Option bits kept with the surface by its check.
    enum { kDuplicatesDeleted = 2, kReversed = 3 };

    // Appends a point numbered count + 1 and returns it.
    Cpp_NoncircularShearSurfacePoint& AddPoint(double x, double y, double angleDegrees,
                                               bool moveable, bool computed);
    int NumberOfPoints() const { return static_cast<int>(points_.size()); }
    bool HasPoints() const { return !points_.empty(); }
    void DeleteAllPoints() { points_.clear(); }
    // False when index is outside the points.
    bool RemovePoint(int index);
    // Numbers the points 1..n in order.
    void NumberPoints();
    void ReversePoints();
    const std::vector<Cpp_NoncircularShearSurfacePoint>& Points() const { return points_; }
    std::vector<Cpp_NoncircularShearSurfacePoint>& Points() { return points_; }
    bool OptionBit(int bit) const { return (options_ >> bit) & 1u; }
    void SetOption(int bit, bool value) {
        if (value)
            options_ |= (1u << bit);
        else
            options_ &= ~(1u << bit);
    }
    void Transform(double a, double b, double c, double d);
    bool GetExtents(double& xMin, double& xMax, double& yMin, double& yMax) const;

    // The whole check before the input file is written: enough points, duplicates removed,
    // no vertical segment, points from left to right (reversed when they all run the other
    // way), end points moved onto the slope or the crack bottom, and the surface within the
    // slope. tolerance is a length. True when no error was reported.
    // The end points are moved in a copy for the computation input (PointsForComputation);
    // the stored points keep the user's ends, so checking, saving and opening again never move
    // them.
    bool Check(const s_SlopeLinesType& lines, bool search, double tolerance, std::FILE* errorFile);
    // The points as the last check adjusted them while the stored points are still the ones
    // it checked; the stored points otherwise.
    const std::vector<Cpp_NoncircularShearSurfacePoint>& PointsForComputation() const {
        return !adjusted_.empty() && checked_ == points_ ? adjusted_ : points_;
    }
    // Moves the end points of the stored points (Check calls it on its copy).
    bool AdjustEndPoints(const s_SlopeLinesType& lines, double tolerance, bool& adjusted,
                         std::FILE* file);

    // Echo tables of the points.
    static void PrintIndividualSurface(std::FILE* file);
    static void PrintIndividualPoint(long number, double x, double y, std::FILE* file);
    static void PrintShiftPoints(std::FILE* file);
    static void PrintShiftPoint(long number, double x, double y, double angleDegrees, bool moveable,
                                bool computed, std::FILE* file);

    bool operator==(const Cpp_NoncircularShearSurface& other) const {
        return points_ == other.points_;
    }

private:
    std::vector<Cpp_NoncircularShearSurfacePoint> points_;
    std::vector<Cpp_NoncircularShearSurfacePoint> checked_;   // the stored points last checked
    std::vector<Cpp_NoncircularShearSurfacePoint> adjusted_;  // and their adjusted copy
    unsigned options_ = 0;
};
