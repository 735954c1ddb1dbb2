#pragma once
// Profile lines: the boundaries of the soil layers, each a left-to-right polyline carrying the
// number of the material below it, and the data set's list of them with its display flags, pick
// filters, material regions, label placement, the line above a point and the overburden stress.
// Materials are looked up by number when needed; a profile line holds no link to its material.

#include "graphics/line_list.h"

#include <cstdint>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class Cpp_ProfileLine : public Cpp_Line {
public:
    Cpp_ProfileLine() = default;
    Cpp_ProfileLine(int number, int materialNumber, std::string_view description);

    int GetMaterialNumber() const { return materialNumber_; }
    void SetMaterialNumber(int number) { materialNumber_ = number; }

    bool HasOwnColour() const { return ownColourFlag_ != 0; }
    std::uint32_t GetOwnColour() const { return ownColour_; }
    void SetOwnColour(bool on, std::uint32_t rgb) {
        ownColourFlag_ = on;
        ownColour_ = rgb;
    }
    // -1 solid fill, 0 not filled, 1 and above a fill pattern, below -1 taken from the pattern
    // table by material number.
    int GetFillPattern() const { return fillPattern_; }
    void SetFillPattern(int pattern) { fillPattern_ = static_cast<short>(pattern); }

    // The material-number label of the line's region.
    bool IsMaterialLabelPlaced() const { return labelPlaced_ != 0; }
    double MaterialLabelX() const { return materialLabelX_; }
    double MaterialLabelY() const { return materialLabelY_; }
    void SetMaterialLabel(double x, double y) {
        materialLabelX_ = x;
        materialLabelY_ = y;
        labelPlaced_ = 1;
    }
    void ClearMaterialLabel() {
        materialLabelX_ = materialLabelY_ = 0.0;
        labelPlaced_ = 0;
    }
    const s_LabelFrameType& MaterialLabelFrame() const { return materialLabelFrame_; }
    void SetMaterialLabelFrame(const s_LabelFrameType& frame) { materialLabelFrame_ = frame; }

    // A fresh line with the description, number, material number and points of this one.
    void CopyTo(Cpp_ProfileLine& target) const;

private:
    int materialNumber_ = 0;
    unsigned char ownColourFlag_ = 0;
    std::uint32_t ownColour_ = 0;
    short fillPattern_ = -1;
    unsigned char labelPlaced_ = 0;
    double materialLabelX_ = 0.0;
    double materialLabelY_ = 0.0;
    s_LabelFrameType materialLabelFrame_;
};

// The outline of the region below one profile line: the x values and, for each interval between
// consecutive x values, the top and bottom elevations at both ends.
struct s_RegionOutline {
    std::vector<double> x;
    std::vector<double> bottomLeft;
    std::vector<double> bottomRight;
    std::vector<double> topLeft;
    std::vector<double> topRight;
    int Count() const { return static_cast<int>(x.size()); }
};

// One crossing of a vertical with a profile line.
struct s_VerticalIntersection {
    double elevation = 0.0;
    double slope = 0.0;
    const Cpp_ProfileLine* line = nullptr;
};

// What the profile-line check needs to know of the materials, found by number when asked.
struct s_MaterialQuery {
    std::function<bool(int material)> exists;
    // The strength option of a material for a stage (17 and 18 are interface properties).
    std::function<int(int material, int stage)> strengthOption;
    int stages = 1;  // 2 for two- and three-stage analyses
};

// The unit weight of a material for a stage at an x; false when it is not available.
using UnitWeightLookup =
    std::function<bool(int materialNumber, int stage, double x, double& unitWeight)>;

class Cpp_ProfileLineList : public Cpp_LineList {
public:
    Cpp_ProfileLineList();
    ~Cpp_ProfileLineList() override;

    Cpp_ProfileLine* ProfileLineAt(int index) const {
        return static_cast<Cpp_ProfileLine*>(LineAt(index));
    }
    Cpp_ProfileLine* FindProfileLine(int number) const {
        return static_cast<Cpp_ProfileLine*>(FindLine(number));
    }
    Cpp_ProfileLine* CreateLine(int number, int materialNumber, std::string_view description);
    void DeleteAllLines() { Clear(); }
    // The smallest material number from 1 that no profile line uses.
    int FirstUnusedMaterialNumber() const;
    // The list-style window (profile_list_dialog.h) on copies of every line; on OK every line is
    // made again from the window's copies, in its order. True on OK.
    bool EditWithInputDialog();
    // The family table (graphics/line_table_dialogs.h) on copies of every line; on OK the two
    // display flags are stored and every line is made again from the table's copies, in its
    // order. True on OK.
    bool EditWithGridDialog();
    void TransformCoordinates(double xScale, double xOffset, double yScale, double yOffset);

    // The PRO block. ReadInput replaces every line with those of the block; the window owns the
    // question boxes of the "FILE" form. The writer writes every line, in ascending number.
    bool ReadInput(void* window, std::FILE* in, std::FILE* echoFile, bool echo);
    bool WriteInputDataFile(std::FILE* out) const;
    // The data check; materials may be null when skipMaterials is set.
    bool CheckData(std::FILE* file, double tolerance, bool skipMaterials, bool collect,
                   const s_MaterialQuery* materials);
    // Whether every line's material exists; the first line without one is reported (2220) when
    // report is set. Materials are always looked up by number; nothing is linked.
    bool AssignMaterials(const s_MaterialQuery& materials, bool report, std::FILE* file) const;
    // The numbers of the lines whose material has no record, in list order.
    std::vector<int> LinesWithoutMaterial(const s_MaterialQuery& materials) const;

    // Display flags.
    bool GetShowPoints() const { return showPoints_; }
    bool GetShowLines() const { return showLines_; }
    bool GetShowLineNumbers() const { return showLineNumbers_; }
    bool GetShowMaterialNumbers() const { return showMaterialNumbers_; }
    bool GetShowMaterialFill() const { return showMaterialFill_; }
    bool GetShowPointCoordinates() const { return showPointCoordinates_; }
    bool GetShowCheckMarks() const { return showCheckMarks_; }
    void SetShowPoints(bool on) { showPoints_ = on; }
    void SetShowLines(bool on) { showLines_ = on; }
    void SetShowLineNumbers(bool on) { showLineNumbers_ = on; }
    void SetShowMaterialNumbers(bool on) { showMaterialNumbers_ = on; }
    void SetShowMaterialFill(bool on) { showMaterialFill_ = on; }
    void SetShowPointCoordinates(bool on) { showPointCoordinates_ = on; }
    // Program-wide defaults (lines, points, line numbers, material numbers, material fill).
    static void SetDefaultDisplayFlags(bool lines, bool points, bool lineNumbers,
                                       bool materialNumbers, bool materialFill);
    void ApplyDefaultDisplayFlags();

    // Pick filters 1 profile points, 2 profile segments, 3 number labels, 4 material labels,
    // 5 material regions; set for a pick kind (0 all, 3 points, 4 segments).
    static void SetPickFilter(int kind);
    static bool GetPickFilter(int filter);

    // Material regions.
    // The smaller of y and the lowest point of all lines (a line without points counts as 0).
    double RegionFloor(double y) const;
    int RegionOutline(const Cpp_ProfileLine* line, double floor, s_RegionOutline& outline) const;
    bool RegionPolygon(const Cpp_ProfileLine* line, double floor,
                       std::vector<s_tagTypePointXY>& polygon) const;
    // Places the material-number label of every line inside the visible window.
    void PlaceMaterialLabels(double visibleXMin, double visibleXMax, double visibleYMin,
                             double visibleYMax);
    // The line that defines the material at a point (null when none or its material is below 1).
    Cpp_ProfileLine* FindLineAbovePoint(double x, double y) const;
    int VerticalIntersections(double x, double y,
                              std::vector<s_VerticalIntersection>& records) const;
    bool OverburdenStress(double x, double y, double surface, int stage, double tolerance,
                          const UnitWeightLookup& unitWeight, double& stress) const;
    // The text telling which lines (given as pairs of line and material numbers) use a material.
    static std::string MaterialUsage(int materialNumber,
                                     const std::vector<std::pair<int, int>>& pairs,
                                     bool& moreThanTen);
    // Palette index and fill-pattern number of the tables by material (or line) number.
    static int ColourTableIndex(int number);
    static int PatternTableNumber(int number);

    // The sweep over the sorted x values of all lines, rebuilt when the lines change.
    struct Sweep;
    const Sweep& GetSweep() const;

protected:
    std::unique_ptr<Cpp_Line> MakeLine() const override {
        return std::make_unique<Cpp_ProfileLine>();
    }

private:
    // RegionOutline on a sweep already at hand (finding it checks every point of every line).
    int RegionOutlineOn(const Sweep& s, const Cpp_ProfileLine* line, double floor,
                        s_RegionOutline& outline) const;

    bool showPoints_ = true;
    bool showLines_ = true;
    bool showLineNumbers_ = true;
    bool showMaterialNumbers_ = true;
    bool showMaterialFill_ = true;
    bool showPointCoordinates_ = false;
    bool showCheckMarks_ = true;
    mutable std::unique_ptr<Sweep> sweep_;
};
