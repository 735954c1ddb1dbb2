#pragma once
// One traced contour line: the points where it crosses the triangulation, with its contour value
// and its major and label flags. The class also keeps the working polyline through which every
// contour line is drawn; its storage is kept between lines, so drawing many lines allocates
// nothing after the longest one has been built once.

#include <cstddef>
#include <vector>

class Cpp_ContourLabel;

// A crossing of a contour line with the triangulation.
struct Cpp_ContourControlPoint {
    double x = 0.0;
    double y = 0.0;
};

// A node of the working polyline: the label placed on the segment that starts here, or null.
struct Cpp_ContourWorkingPoint {
    double x = 0.0;
    double y = 0.0;
    Cpp_ContourLabel* label = nullptr;
};

class Cpp_ContourControlPointList {
public:
    Cpp_ContourControlPointList(double value, bool major, bool label)
        : value_(value), major_(major ? 1 : 0), label_(label ? 1 : 0) {}
    // Frees whatever points remain; never throws.
    ~Cpp_ContourControlPointList() noexcept = default;
    Cpp_ContourControlPointList(const Cpp_ContourControlPointList&) = delete;
    Cpp_ContourControlPointList& operator=(const Cpp_ContourControlPointList&) = delete;

    void AddPoint(double x, double y) { points_.push_back({x, y}); }
    void DeleteAllPoints() {
        points_.clear();
        points_.shrink_to_fit();
    }
    const std::vector<Cpp_ContourControlPoint>& Points() const { return points_; }
    int CountPoints() const { return static_cast<int>(points_.size()); }
    double Value() const { return value_; }
    bool IsMajor() const { return major_ != 0; }
    bool IsLabelled() const { return label_ != 0; }

    // The working polyline (one contour drawing at a time, on the drawing thread).
    static void InitWorkingList();
    static Cpp_ContourWorkingPoint& AppendWorkingPoint(double x, double y);
    // For one-component values (the only kind the contours use) appends the to point.
    static void InterpolateControlPoints(const Cpp_ContourControlPoint& from,
                                         const Cpp_ContourControlPoint& to, int valueKind,
                                         double tolerance, double blend);
    static std::vector<Cpp_ContourWorkingPoint>& WorkingList() { return working_; }
    static Cpp_ContourWorkingPoint* FirstWorkingPoint() {
        return working_.empty() ? nullptr : &working_.front();
    }
    // Draws the working polyline with the major or the ordinary contour pen (screen and
    // printer only).
    static void Draw(bool major);
    // Empties the working list and keeps its storage for the next line.
    static void ClearWorkingList() { working_.clear(); }
    // Empties it and frees the storage.
    static void ReleaseWorkingNodes() {
        working_.clear();
        working_.shrink_to_fit();
    }

private:
    std::vector<Cpp_ContourControlPoint> points_;
    double value_;
    unsigned char major_;
    unsigned char label_;

    static std::vector<Cpp_ContourWorkingPoint> working_;
};
