#pragma once
// Radius criteria of circle searches over a fixed grid or interactive circles: a given radius,
// a fixed point the circles pass through, or a tangent line they touch. The list holds them
// with the number of radius subdivisions, the minimum radius increment and the sorting switch.

#include <iosfwd>
#include <memory>
#include <vector>

#include "analysis/tangent_line.h"
#include "core/point_xy.h"

class Cpp_RadiusDefinition {
public:
    class Exc_RadiusDefinitionOptionNotFixedPoint {};
    class Exc_RadiusDefinitionOptionNotGivenRadius {};
    class Exc_BadRadiusDefinitionOption {};
    class Exc_RadiusDefinitionOptionNotTangentLine {};

    enum { kGivenRadius = 0, kFixedPoint = 1, kTangentLine = 2, kUnused = 3 };

    Cpp_RadiusDefinition() = default;
    explicit Cpp_RadiusDefinition(double radius) : radius_(radius) {}
    Cpp_RadiusDefinition(double x, double y) : option_(kFixedPoint), point_{x, y} {}
    static Cpp_RadiusDefinition WithOption(int option);

    // The option when it is 0..3, else 0.
    int GetOption() const { return option_ >= 0 && option_ <= 3 ? option_ : 0; }
    void SetOption(int option) {
        if (option >= 0 && option <= 3) option_ = option;
    }
    void SetGivenRadius(double r) {
        option_ = kGivenRadius;
        radius_ = r;
    }
    void SetFixedPoint(double x, double y) {
        option_ = kFixedPoint;
        point_ = {x, y};
    }
    double GetGivenRadius() const;
    s_tagTypePointXY GetFixedPoint() const;
    Cpp_TangentLine* GetTangentLine() { return &tangent_; }
    const Cpp_TangentLine* GetTangentLine() const { return &tangent_; }

    // Radius for the centre (x, y); throws Exc_BadRadiusDefinitionOption for option 3.
    double RadiusForCenter(double x, double y) const;
    // The same, 0 for an option without a radius.
    double RadiusAt(double x, double y) const;
    bool GetBounds(double x, double y, double& xMin, double& xMax, double& yMin,
                   double& yMax) const;
    // The two values typed in the radius bar, by the definition's own option: the given
    // radius (first), the fixed point (first, second), the elevation of a horizontal tangent
    // line (first) or, on an irregular one, the point at pointIndex moved to (first, second).
    // False when nothing took them (no such point, an undefined line or another option).
    bool AssignFromToolBar(double first, double second, int pointIndex);
    void DeleteTangentLinePoints() {
        if (option_ == kTangentLine) tangent_.DeleteAllPoints();
    }
    // x' = a x + b, y' = c y + d for the fixed point and the tangent line.
    void Transform(double a, double b, double c, double d);
    // A given radius times the factor (a rescaling by equal factors in x and y).
    void ScaleLength(double factor) {
        if (option_ == kGivenRadius) radius_ *= factor;
    }

    bool WriteKLIVEN4InputDataFile(std::ostream& out) const;

    bool operator==(const Cpp_RadiusDefinition& other) const;

private:
    int option_ = kGivenRadius;
    s_tagTypePointXY point_;
    Cpp_TangentLine tangent_;
    double radius_ = 0.0;
};

class Cpp_RadiusDefinitionList {
public:
    static constexpr int kMaximumSubdivisions = 25;

    Cpp_RadiusDefinitionList() = default;
    Cpp_RadiusDefinitionList(const Cpp_RadiusDefinitionList& other);
    Cpp_RadiusDefinitionList& operator=(const Cpp_RadiusDefinitionList& other);
    Cpp_RadiusDefinitionList(Cpp_RadiusDefinitionList&&) noexcept = default;
    Cpp_RadiusDefinitionList& operator=(Cpp_RadiusDefinitionList&&) noexcept = default;

    Cpp_RadiusDefinition* AddGivenRadius(double r);
    Cpp_RadiusDefinition* AddFixedPoint(double x, double y);
    // Appends a definition with an undefined tangent line for the caller to fill.
    Cpp_RadiusDefinition* AddTangentLine();
    // Definition n, 1-based, or null.
    Cpp_RadiusDefinition* GetNth(int n);
    const Cpp_RadiusDefinition* GetNth(int n) const;
    int GetCount() const { return static_cast<int>(items_.size()); }
    bool IsEmpty() const { return items_.empty(); }

    void SetIncrementControl(int subdivisions, double minimumIncrement) {
        subdivisions_ = subdivisions;
        minimumIncrement_ = minimumIncrement;
    }
    int GetSubdivisions() const { return subdivisions_; }
    double GetMinimumIncrement() const { return minimumIncrement_; }
    void SetSortRadii(bool sort) { sort_ = sort ? 1 : 0; }
    bool GetSortRadii() const { return sort_ != 0; }
    // Copies the three control values (not the definitions).
    void CopyControl(const Cpp_RadiusDefinitionList& from) {
        subdivisions_ = from.subdivisions_;
        minimumIncrement_ = from.minimumIncrement_;
        sort_ = from.sort_;
    }

    // Radius subdivisions within 1..25 (7140) and a positive minimum increment (7130); both
    // are tested. The caller sets the message file.
    bool Check() const;

    // False for an n outside 1..count.
    bool RemoveNth(int n);
    // A segment of a definition's irregular tangent line deleted: with more than 3 points its
    // two points (from segmentStart) go, with 3 or fewer the whole definition. False when the
    // definition is not in the list.
    bool RemoveOrEditTangentPoint(const Cpp_RadiusDefinition* definition, int segmentStart);
    void DeleteAll() { items_.clear(); }
    // Appends one definition per element (options 0 to 2; others skipped).
    bool SetFromTable(const Cpp_RadiusDefinition* array, int count);
    // Copies every definition (tangent lines with their points) into the array, in order.
    bool FindSingleTangentLineDefinitions(std::vector<Cpp_RadiusDefinition>& array,
                                          int& count) const;
    bool GetBounds(double x, double y, double& xMin, double& xMax, double& yMin,
                   double& yMax) const;
    void Transform(double a, double b, double c, double d);
    // The given radii and the minimum increment times the factor.
    void ScaleLengths(double factor) {
        for (auto& item : items_) item->ScaleLength(factor);
        minimumIncrement_ *= factor;
    }

    bool WriteKLIVEN4InputDataFile(std::ostream& out) const;

    bool operator==(const Cpp_RadiusDefinitionList& other) const;

private:
    std::vector<std::unique_ptr<Cpp_RadiusDefinition>> items_;
    int subdivisions_ = 0;
    double minimumIncrement_ = 0.0;
    unsigned char sort_ = 1;
};
