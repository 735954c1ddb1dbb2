#pragma once
// One circle in world coordinates: centre, radius and the two points where it meets the ground
// when used as a slip surface. Held by value.

#include <string>

#include "core/point_xy.h"
#include "graphics/pick.h"

struct s_LineWidthType;
struct s_ColorType;
namespace platform {
class DeviceContext;
}

struct s_CircleValueType {
    double x = 0.0;
    double y = 0.0;
    double radius = 0.0;
};

class Cpp_Circle {
public:
    Cpp_Circle() = default;
    Cpp_Circle(double x, double y, double radius) : x_(x), y_(y), radius_(radius) {}

    void Set(double x, double y, double radius) {
        x_ = x;
        y_ = y;
        radius_ = radius;
    }
    void SetCenter(double x, double y) {
        x_ = x;
        y_ = y;
    }
    void SetRadius(double radius) { radius_ = radius; }

    double CenterX() const { return x_; }
    double CenterY() const { return y_; }
    double Radius() const { return radius_; }
    s_tagTypePointXY Center() const { return {x_, y_}; }
    s_CircleValueType GetValue() const { return {x_, y_, radius_}; }

    bool SetAll(const s_tagTypePointXY& first, const s_tagTypePointXY& second) {
        first_ = first;
        second_ = second;
        return true;
    }
    bool GetEndPoints(s_tagTypePointXY& first, s_tagTypePointXY& second) const {
        first = first_;
        second = second_;
        return true;
    }

    // Drawing (circle_drawing.cpp): one arc pen for the program, made before and deleted after
    // a group of arcs. Style: a dash-pattern index (1 to 8), -2 to -5 the system's dashed pens,
    // anything else solid.
    static bool CreateArcPen(const s_LineWidthType& width, int style, const s_ColorType& colour,
                             const std::string& layerName);
    static void DeleteArcPen();
    // Counter-clockwise (world y upwards) from the radial through first to the radial through
    // second; both on one radial draw the whole circle.
    bool DrawArc(const s_tagTypePointXY& first, const s_tagTypePointXY& second) const;
    // The centre's selection mark on the screen; false on other outputs.
    bool DrawHighlighted(platform::DeviceContext& dc) const;

private:
    double x_ = 0.0;
    double y_ = 0.0;
    double radius_ = 0.0;
    s_tagTypePointXY first_;
    s_tagTypePointXY second_;
};
