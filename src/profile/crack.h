#pragma once
// The tension crack at the crest of the slope and the water standing in it: each absent,
// constant, or varying along x through a list of points. The analysis data own one crack and
// read, write and edit it; the slope geometry turns it into the crack-bottom and crack-water
// lines through the queries here.
//
// Options (crack / water): 0 none, 1 constant depth, 2 constant elevation (crack bottom / water
// surface), 3 depths at points, 4 elevations at points.
//
// At a vertical step of a point list (two points at the same x) every query answers the lower
// of the two values.

#include "core/point_xy.h"
#include "graphics/pick.h"
#include "platform/info_window.h"

#include <cstdio>

class Cpp_CrackPoint {
public:
    class Exc_AttemptToUseSlopeBeyondSegment {};
    class Exc_AttempToUseVerticalSlope {};

    Cpp_CrackPoint() = default;
    Cpp_CrackPoint(double x, double value) : x_(x), value_(value) {}

    double X() const { return x_; }
    double Value() const { return value_; }
    void SetXY(double x, double value) {
        x_ = x;
        value_ = value;
    }
    int Number() const { return number_; }
    void SetNumber(int number) { number_ = number; }
    Cpp_CrackPoint* Next() const { return next_; }
    void SetNext(Cpp_CrackPoint* next) { next_ = next; }
    // (value of next - value) / (x of next - x), from the two points as they are now (either
    // may have moved); throws at the last point and for equal x.
    double Slope() const;

private:
    Cpp_CrackPoint* next_ = nullptr;
    double x_ = 0.0;
    double value_ = 0.0;
    int number_ = 0;
};

// A list of crack points that owns them.
class Cpp_CrackPointList {
public:
    Cpp_CrackPointList() = default;
    ~Cpp_CrackPointList() { Clear(); }
    Cpp_CrackPointList(const Cpp_CrackPointList& other) { *this = other; }
    Cpp_CrackPointList& operator=(const Cpp_CrackPointList& other);

    Cpp_CrackPoint* Head() const { return head_; }
    Cpp_CrackPoint* AddPoint(double x, double value);
    void DeleteAllPoints() { Clear(); }
    void Clear();
    // With one or two points the whole list goes (a line needs two points); else the point.
    void DeletePoint(Cpp_CrackPoint* point);
    void Renumber();
    int Count() const;
    bool IsEmpty() const { return head_ == nullptr; }
    // The value at x on the first segment holding x (the lower value at a vertical step);
    // false when no segment holds x.
    bool ValueAt(double x, double& value) const;

private:
    Cpp_CrackPoint* head_ = nullptr;
};

class Cpp_Crack {
public:
    class Exc_WrongWaterDepthOption {};
    class Exc_NoWaterDepthOption {};

    Cpp_Crack() { Initialize(); }
    // Both options and constants 0, the unit weight of water of the preferences, both shown.
    // The point lists are left as they are.
    void Initialize();

    int GetCrackOption() const { return crackOption_; }
    int GetWaterOption() const { return waterOption_; }
    double GetCrackConstant() const { return crackConstant_; }
    double GetWaterConstant() const { return waterConstant_; }
    double GetUnitWeightOfWater() const { return unitWeightOfWater_; }
    bool GetShowCrack() const { return showCrack_; }
    bool GetShowCrackWater() const { return showWater_; }
    void SetCrackOption(int option) { crackOption_ = option; }
    void SetWaterOption(int option) { waterOption_ = option; }
    void SetCrackConstant(double value) { crackConstant_ = value; }
    void SetWaterConstant(double value) { waterConstant_ = value; }
    void SetUnitWeightOfWater(double value) { unitWeightOfWater_ = value; }
    void SetShowCrack(bool on) { showCrack_ = on; }
    void SetShowCrackWater(bool on) { showWater_ = on; }

    // The point lists whatever the option (for reading and entry).
    Cpp_CrackPointList& CrackPointList() { return crackPoints_; }
    Cpp_CrackPointList& WaterPointList() { return waterPoints_; }
    const Cpp_CrackPointList& CrackPointList() const { return crackPoints_; }
    const Cpp_CrackPointList& WaterPointList() const { return waterPoints_; }

    // Option 1 the constant, 3 by the points (0 outside), 0 gives 0; other options throw the
    // text "Illegal call to Cpp_Crack::CrackDepth".
    double CrackDepth(double x) const;
    // Option 2 the constant, 4 by the points; false outside and for every other option.
    bool CrackBottomElevation(double x, double& y) const;
    // Option 1 the constant, 3 by the points (0 outside), 0 gives 0; 2 and 4 throw
    // Exc_WrongWaterDepthOption, any other Exc_NoWaterDepthOption.
    double WaterDepth(double x) const;
    // Option 2 the constant, 4 by the points (false outside), 0 false; 1 and 3 throw
    // Exc_WrongWaterDepthOption, any other Exc_NoWaterDepthOption.
    bool WaterSurfaceElevation(double x, double& y) const;
    // Extents of the elevation lists (option 4) of the crack and the water.
    bool GetCrackPointExtents(double& xmin, double& xmax, double& ymin, double& ymax) const;

    // Hit tests on the elevation lists (option 4): the nearest point, or the first point of
    // the nearest segment; null when nothing nearer was found.
    Cpp_CrackPoint* HitTestPoint(bool water, s_PickType& pick) const;
    Cpp_CrackPoint* HitTestSegment(bool water, s_PickType& pick) const;
    // Fills the information tree: for a selected crack item (56 bottom point, 57 bottom segment,
    // 58 water point, 59 water segment; selected is the point, or the first point of the
    // segment) the item and its own section at the root, else both sections under parent.
    bool AddInformation(platform::InfoWindowService& info, platform::InfoItem parent,
                        int selectionKind, const Cpp_CrackPoint* selected) const;

    static void SetPickFilter(bool points, bool segments);
    static void SetWaterPickFilter(bool points, bool segments);
    static bool GetCrackPointsPickable();
    static bool GetCrackSegmentsPickable();
    static bool GetWaterPointsPickable();
    static bool GetWaterSegmentsPickable();

private:
    double unitWeightOfWater_ = 0.0;
    int crackOption_ = 0;
    int waterOption_ = 0;
    double crackConstant_ = 0.0;
    Cpp_CrackPointList crackPoints_;
    double waterConstant_ = 0.0;
    Cpp_CrackPointList waterPoints_;
    bool showCrack_ = true;
    bool showWater_ = true;
};
