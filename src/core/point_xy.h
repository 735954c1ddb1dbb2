#pragma once
// The point node of every polyline and point list, the plain x-y pair, and the singly linked
// point list with its nearest-point search.

#include <span>

// A plain pair of world coordinates.
struct s_tagTypePointXY {
    double x = 0.0;
    double y = 0.0;
};

class Cpp_PointXY {
public:
    // Thrown by value, without data.
    class Exc_AttemptToUseSlopeBeyondSegment {};
    class Exc_AttempToUseVerticalSlope {};

    Cpp_PointXY() = default;
    // Lines of some kinds chain nodes derived from this one (points with forces).
    virtual ~Cpp_PointXY() = default;
    Cpp_PointXY(double x, double y) : x_(x), y_(y) {}
    explicit Cpp_PointXY(const s_tagTypePointXY& p) : x_(p.x), y_(p.y) {}
    Cpp_PointXY(int number, double x, double y) : number_(number), x_(x), y_(y) {}

    // A copy is a free-standing point: it takes number and coordinates, never the link of the
    // original. Assigning to a node of a list keeps that node's own link.
    Cpp_PointXY(const Cpp_PointXY& other) : number_(other.number_), x_(other.x_), y_(other.y_) {}
    Cpp_PointXY& operator=(const Cpp_PointXY& other) {
        if (this != &other) {
            number_ = other.number_;
            x_ = other.x_;
            y_ = other.y_;
            ClearSlopeCache();
        }
        return *this;
    }

    double X() const { return x_; }
    double Y() const { return y_; }
    s_tagTypePointXY XY() const { return {x_, y_}; }
    s_tagTypePointXY GetXY() const { return XY(); }
    int Number() const { return number_; }
    void SetNumber(int number) { number_ = number; }
    Cpp_PointXY* Next() const { return next_; }

    void SetX(double x) {
        x_ = x;
        ClearSlopeCache();
    }
    void SetY(double y) {
        y_ = y;
        ClearSlopeCache();
    }
    void Set(double x, double y) {
        x_ = x;
        y_ = y;
        ClearSlopeCache();
    }
    void SetXY(const s_tagTypePointXY& p) { Set(p.x, p.y); }
    void SetFromPoint(const Cpp_PointXY& p) { Set(p.x_, p.y_); }
    void SetNext(Cpp_PointXY* next) {
        next_ = next;
        ClearSlopeCache();
    }
    void ClearSlopeCache() const {
        slopeValid_ = 0;
        slope_ = 0.0;
    }

    // x := a*x + b, y := c*y + d.
    void Transform(double a, double b, double c, double d);

    bool operator==(const Cpp_PointXY& p) const { return x_ == p.x_ && y_ == p.y_; }
    double Distance(const Cpp_PointXY& p) const;

    // next.x - x; throws Exc_AttemptToUseSlopeBeyondSegment at the last node.
    double DeltaXToNext() const;
    bool IsVerticalToNext() const { return DeltaXToNext() == 0.0; }
    // Cached slope dy/dx to the next node; throws at the last node and for a vertical segment.
    double SlopeToNext() const;
    // Never throws: 0 at the last node, 0 with vertical set for a vertical segment.
    double SlopeToNextChecked(bool& vertical) const;
    // Direction of the segment to the next node in degrees, in (-180, 180].
    double AngleToNext() const;

    bool IsInsideBox(double xmin, double xmax, double ymin, double ymax) const {
        return xmin <= x_ && x_ <= xmax && ymin <= y_ && y_ <= ymax;
    }
    // Point in a closed ring whose last entry repeats the first: 1 inside, -1 outside or fewer
    // than 4 entries, 0 on the boundary (within the tolerance).
    int IsInsidePolygon(std::span<const Cpp_PointXY> vertices, double tolerance) const;

private:
    Cpp_PointXY* next_ = nullptr;
    mutable int slopeValid_ = 0;
    mutable double slope_ = 0.0;
    int number_ = 0;
    double x_ = 0.0;
    double y_ = 0.0;
};

// State of a nearest-point search that may run over several lists in turn.
struct s_NearestPointSearchType {
    double x = 0.0;
    double y = 0.0;
    double tolerance = 0.0;
    bool found = false;
    double bestDistance = 0.0;
    double bestSegmentDistanceSquared = 0.0;
};

// A singly linked list of points that owns its nodes.
class Cpp_PointList {
public:
    Cpp_PointList() = default;
    ~Cpp_PointList() { DeleteAll(); }
    Cpp_PointList(const Cpp_PointList&) = delete;
    Cpp_PointList& operator=(const Cpp_PointList&) = delete;
    Cpp_PointList(Cpp_PointList&& other) noexcept : head_(other.head_) { other.head_ = nullptr; }
    Cpp_PointList& operator=(Cpp_PointList&& other) noexcept;

    Cpp_PointXY* Head() const { return head_; }
    // Appends a copy of the point at the tail; returns the new node.
    Cpp_PointXY* Append(const Cpp_PointXY& p);
    void DeleteAll();
    int Count() const;
    bool HasTwoPoints() const { return head_ && head_->Next(); }
    // False when the node is not in the list; else its previous (null for the head) and next.
    bool FindNeighbours(const Cpp_PointXY* node, Cpp_PointXY*& previous, Cpp_PointXY*& next) const;
    void Reverse();
    // The nearest point within the search box, compared with what the state already holds;
    // the accepted node is renumbered with its 1-based position. Null when none is accepted.
    Cpp_PointXY* FindPointNear(s_NearestPointSearchType& s) const;

private:
    Cpp_PointXY* head_ = nullptr;
};
