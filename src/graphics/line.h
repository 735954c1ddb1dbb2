#pragma once
// The polyline of the system: a numbered, described chain of points from which profile,
// piezometric, reinforcement, construction and slope lines, noncircular slip surfaces and tangent
// lines are made. This file holds its data, point operations, geometry queries, hit tests and the
// shared line checks. Drawing the line, its number label and point coordinates lives with the
// drawing code (graphics/line_drawing.*); the interactive tools live with the editing code.

#include "core/point_xy.h"
#include "graphics/list_item.h"
#include "graphics/pick.h"

#include <cstdio>
#include <vector>

// The line kinds by which line messages and checks name a line.
enum e_LineKind : int {
    LINEKIND_CONSTRUCTION = 1,
    LINEKIND_PROFILE = 2,
    LINEKIND_PIEZOMETRIC = 3,
    LINEKIND_SLOPE = 4,
    LINEKIND_REINFORCEMENT = 5,
    LINEKIND_NONCIRCULAR = 6,
    LINEKIND_TANGENT = 7,
};

// Rules for the height of a line at the x of vertical segments.
enum e_VerticalRule : int {
    VERTICAL_LOWEST = 1,
    VERTICAL_MEAN = 2,
    VERTICAL_HIGHEST = 3,
    VERTICAL_ILLEGAL = 4,  // a vertical segment at x throws
};

// The pixel frame of a number label as last drawn (offsets from nothing: absolute pixels).
struct s_LabelFrameType {
    short top = 0;
    short left = 0;
    short bottom = 0;
    short right = 0;
};

class Cpp_Line : public Cpp_ListItem {
public:
    class Exc_PreviousPointNotFound {};

    Cpp_Line() = default;
    ~Cpp_Line() override;
    // A copy holds copies of the points (numbers kept), the number, description, options and label.
    Cpp_Line(const Cpp_Line& other);
    Cpp_Line& operator=(const Cpp_Line& other);

    // Points.
    Cpp_PointXY* FirstPoint() const { return first_; }
    Cpp_PointXY* AddPoint(double x, double y);
    Cpp_PointXY* AddTaggedPoint(int number, double x, double y);
    Cpp_PointXY* AddPointVector(const s_tagTypePointXY& p) { return AddPoint(p.x, p.y); }
    // Inserted after the last point p with x(p) <= x (before the first when x is smaller).
    Cpp_PointXY* InsertPointSortedByX(double x, double y);
    // Inserts a new point after the given one (at the head for null).
    Cpp_PointXY* InsertPointAfter(Cpp_PointXY* after, double x, double y);
    int NumberOfPoints() const;
    bool HasPoints() const { return first_ != nullptr; }
    bool HasSegment() const { return first_ && first_->Next(); }
    Cpp_PointXY* LastPoint() const;
    // Null for the first point; throws Exc_PreviousPointNotFound for a point not in the line.
    Cpp_PointXY* PreviousPoint(const Cpp_PointXY* point) const;
    bool ContainsPoint(const Cpp_PointXY* point) const;
    // Unlinks and frees the point; false when it is not in the line.
    bool RemovePoint(Cpp_PointXY* point);
    void NumberPoints();
    void ReversePoints();
    void ClearSlopeCache();
    void Rescale(double xScale, double xOffset, double yScale, double yOffset);
    // Frees the points and appends the first n pairs; the last new point (null for n = 0).
    Cpp_PointXY* SetPointsFromXYArray(const std::vector<s_tagTypePointXY>& points, int n);
    int CopyToXYArray(std::vector<s_tagTypePointXY>& points) const;
    // Frees the points and takes over the chain.
    void ReplacePoints(Cpp_PointXY* chain);
    // Hands the chain over to the caller without freeing it; the line is left empty.
    Cpp_PointXY* ReleasePoints();
    // Throws "Cpp_Line::DeleteAllPoints - Non-Null description" when a description is held.
    void DeleteAllPoints();
    void DeleteDescriptionAndPoints();

    // Option bits 1 to 4.
    bool OptionBit(int n) const;
    bool SetOption(int n, bool on);
    bool EnteredInCurrentTable() const { return OptionBit(1); }
    void SetEnteredInCurrentTable(bool on) { SetOption(1, on); }
    bool DuplicatePointsDeleted() const { return OptionBit(2); }
    bool PointsReversed() const { return OptionBit(3); }

    // Number label.
    void SetLabelAnchor(double x, double y) {
        labelX_ = x;
        labelY_ = y;
    }
    double LabelAnchorX() const { return labelX_; }
    double LabelAnchorY() const { return labelY_; }
    const s_LabelFrameType& LabelFrame() const { return labelFrame_; }
    void SetLabelFrame(const s_LabelFrameType& frame) { labelFrame_ = frame; }

    // Geometry.
    double Length() const;
    bool GetExtents(double& xmin, double& xmax, double& ymin, double& ymax) const;
    bool LowestY(double& y) const;
    // Height of the line at x. Vertical segments at exactly x are resolved by the rule; outside
    // is set when the line has fewer than two points or no left-to-right segment covers x.
    // Throws the texts "Cpp_Line::YLine - Illegal vertical segment" (rule 4) and
    // "Cpp_Line::YLine - ReturnWhenVertical not defined" (other rules) at a vertical segment.
    double YLine(double x, int verticalRule, bool& outside) const;
    // The x (and the angle in radians) of every crossing of the level y, in line order; a
    // crossing at the same x as the one before is listed once. Returns the count.
    int XValuesAtY(double y, std::vector<double>& xs, std::vector<double>& angles) const;
    // Crossings strictly inside segments of both lines, appended to the array; the count found.
    int IntersectionsWithLine(const Cpp_Line& other, std::vector<s_tagTypePointXY>& points,
                              double tolerance) const;
    // Projection along x (y) onto the first segment whose y (x) range holds y (x), preferring
    // the hint segment; false when none.
    bool SnapHorizontally(double x, double y, const Cpp_PointXY* hint, double& distance,
                          Cpp_PointXY& point) const;
    bool SnapVertically(double x, double y, const Cpp_PointXY* hint, double& distance,
                        Cpp_PointXY& point) const;

    // Hit tests: the point (segment start) found, or null when nothing better than the record
    // already held was found here.
    Cpp_PointXY* FindNearestPoint(s_PickType& pick) const;
    Cpp_PointXY* FindNearestSegment(s_PickType& pick) const;
    Cpp_PointXY* FindNearestSegmentOnly(s_PickType& pick) const;

    // Checks shared by all line kinds; they report through the line messages of the kind.
    bool CheckEnoughPoints(int kind) const;
    // Compares each point with the following one; equal ones are deleted (warning) with the
    // flag, else reported (false).
    bool CheckDuplicatePoints(int kind, bool deleteDuplicates);
    // Reports pairs whose x decreases; with reverse a line whose x never increases is reversed.
    bool CheckPointOrder(int kind, bool reverse);

private:
    void FreePoints();
    void CopyPointsFrom(const Cpp_Line& other);

    unsigned char options_ = 0;
    Cpp_PointXY* first_ = nullptr;
    double labelX_ = 0.0;
    double labelY_ = 0.0;
    s_LabelFrameType labelFrame_;
};
