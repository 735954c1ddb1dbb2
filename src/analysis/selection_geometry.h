#pragma once
// Picking geometry of the slip surfaces a search tried: one record per surface (circular: its
// centre, radius and the two ends of the arc on the ground; noncircular: its points), kept by
// the results display so that a surface can be picked and its factor of safety shown. Nothing
// fills these lists yet; the finders work on whatever records a results loader supplies.

#include "graphics/pick.h"

#include <vector>

struct s_SelectionGeometry {
    double factorOfSafety = 0.0;
    double angle = 0.0;  // radians
    int number = 0;      // grid number (circles) or pass number (noncircular)
    int gridCount = 0;   // circles
    double centreX = 0.0, centreY = 0.0, radius = 0.0;
    double firstX = 0.0, firstY = 0.0;    // left end of the arc on the ground
    double secondX = 0.0, secondY = 0.0;  // right end
    std::vector<double> x, y;             // noncircular surfaces
};

class Cpp_SelectionGeometryList {
public:
    enum e_Kind { kNone = 0, kCircular = 1, kNoncircular = 2 };

    void Clear();
    void SetKind(int kind) { kind_ = kind; }
    int GetKind() const { return kind_; }
    // Noncircular records: the number of points of each.
    void SetPointCount(int n) { pointCount_ = n; }
    int GetPointCount() const { return pointCount_; }
    void Add(const s_SelectionGeometry& record) { records_.push_back(record); }
    int Count() const { return static_cast<int>(records_.size()); }
    bool IsEmpty() const { return records_.empty(); }

    // The record hit, with its number counted from 1 (0 and null when none). Circles: the arc
    // passes within the tolerance of the pick, between the arc's ends and below the higher end;
    // the nearest centre wins (the first on ties); the pick record is not changed. Noncircular:
    // the nearest point or segment within the tolerance over all records, ranked through the
    // pick record (a later record only when strictly nearer).
    const s_SelectionGeometry* FindAtPoint(s_PickType& pick, int& index) const;
    bool ContainsPoint(s_PickType& pick, int& index) const {
        return FindAtPoint(pick, index) != nullptr;
    }

private:
    std::vector<s_SelectionGeometry> records_;
    int kind_ = kNone;
    int pointCount_ = 0;
};
