#pragma once
// The grid of trial circle centres of a fixed-grid circle search: a quadrilateral of four
// corners with centre positions across and up, or a straight line between two end points with
// centre positions along it.

#include <cstdio>
#include <iosfwd>

#include "core/point_xy.h"

// The grid page of the fixed-grid search dialog: a quadrilateral of corners 1 (lower left),
// 2 (lower right), 3 (upper right), 4 (upper left), or a line between two end points.
struct s_FixedGridPageType {
    bool line = false;
    int pointsAcross = 0;
    int pointsUp = 0;
    int pointsAlongLine = 0;
    double corner[4][2] = {};
    double firstEnd[2] = {};
    double secondEnd[2] = {};
};

class Cpp_FixedSearchGrid {
public:
    static constexpr int kDefaultCount = 7;

    // Line flag 0, both counts 0, all corners at the origin.
    void Clear();
    // A count of 0 or less becomes 7.
    void SetDefaultCounts();

    bool IsLine() const { return line_ != 0; }
    void SetLine(bool line) { line_ = line ? 1 : 0; }
    int PointsAcross() const { return across_; }
    int PointsUp() const { return up_; }
    void SetCounts(int across, int up) {
        across_ = across;
        up_ = up;
    }

    // Mean of corners 1 and 2 for a line, else of the four corners.
    s_tagTypePointXY Center() const;
    // Bilinear point between the corners at (u, v) in 0..1; for a line, along corners 1-2.
    s_tagTypePointXY GridPoint(double u, double v) const;
    // Corner i, 1..4 (corner 1 for any other i).
    s_tagTypePointXY Corner(int i) const;
    bool SetCorner(int i, double x, double y);
    // True when the used corners all coincide: the grid has not been entered.
    bool Compare() const;
    bool GetBounds(double& xMin, double& xMax, double& yMin, double& yMax) const;
    // x' = a x + b, y' = c y + d for every corner.
    void Transform(double a, double b, double c, double d);

    // toDialog: the grid into the page record (the line's end points are corners 1 and 2, its
    // count the count across). Back: the line flag; a line sets both counts to the count along
    // it and corners 1 and 2 to its end points (3 and 4 stay), a grid its counts and corners.
    bool ExchangeWithDialog(s_FixedGridPageType& page, bool toDialog);
    // "Options for "Fixed Grid" Search with Circles": the line flag and the counts. A grid
    // becoming a line runs from corner 1 to corner 3; a line becoming a grid has all four
    // corners at (0, 0). True after OK.
    bool EditToolOptions();

    // True when the grid is valid: at least 2 points across and up (7120), and for a
    // quadrilateral no two sides crossing (7110). Messages go to errorFile.
    bool Check(std::FILE* errorFile) const;
    // Reads the grid lines after "Circle Search 2"; false after a numbered message.
    bool ReadInput(std::FILE* file, std::FILE* echoFile, bool echo);

    // The grid lines of the input block. Quadrilateral: the counts line and four corner lines.
    // Line: one line of the two end points and the count along the line (five values).
    bool WriteKLIVEN4InputDataFile(std::ostream& out) const;

    bool operator==(const Cpp_FixedSearchGrid& other) const;

private:
    unsigned char line_ = 0;
    int across_ = 0;
    int up_ = 0;
    s_tagTypePointXY corners_[4];
};
