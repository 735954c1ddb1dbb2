#pragma once
// A rectangle in world coordinates, and the extents of a set of items grown one item at a time:
// the one place where extents are merged.
//
//     Cpp_Extents extents;
//     for (const auto& p : points) extents.Add(p.x, p.y);
//     if (line.GetExtents(a, b, c, d)) extents.Add(a, b, c, d);
//     return extents.Get(xmin, xmax, ymin, ymax);  // false, nothing written, when none was added

struct s_WorldRect {
    double xmin = 0.0, xmax = 0.0, ymin = 0.0, ymax = 0.0;
    friend bool operator==(const s_WorldRect&, const s_WorldRect&) = default;
};

class Cpp_Extents {
public:
    bool IsEmpty() const { return empty_; }
    // All zero while empty.
    const s_WorldRect& Rect() const { return rect_; }

    // The first item sets the rectangle; each later one widens it (a smaller minimum or a larger
    // maximum replaces the one held, in the manner of std::min and std::max).
    void Add(const s_WorldRect& r);
    void Add(double xmin, double xmax, double ymin, double ymax) { Add({xmin, xmax, ymin, ymax}); }
    void Add(double x, double y) { Add({x, x, y, y}); }
    void Add(const Cpp_Extents& other) {
        if (!other.empty_) Add(other.rect_);
    }

    // Copies the rectangle out; false, with nothing written, while empty.
    bool Get(double& xmin, double& xmax, double& ymin, double& ymax) const;

private:
    bool empty_ = true;
    s_WorldRect rect_;
};
