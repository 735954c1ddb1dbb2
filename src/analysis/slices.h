#pragma once
// The slices of a computed slip surface: one Cpp_Slice per vertical slice with its geometry,
// weight, strengths, pore pressures, loads and the forces and stresses of the solution, and
// Cpp_Slices, the slices of one result with the water force in a tension crack, the display
// switches of the slice items, their hit tests, information pages and the scales of the result
// diagrams.
//
// Nothing in the program computes or reads results yet: a data set's slices stay empty, every
// hit test finds nothing and every largest value is 0. A loader of results fills the records
// with SetSlices and SetCrackWaterForce and sets the results display's has-results flag.
//
//     std::vector<Cpp_Slice> records(n + 1);   // record n + 1 holds the right-end values
//     ... fill them ...
//     slices.SetSlices(std::move(records));

#include "graphics/pick.h"

#include <vector>

class Cpp_LineLoad;
class Cpp_MaterialProperties;
class Cpp_NameValueList;

// One unit-weight entry of a slice: a soil layer crossed by the slice.
struct s_SliceUnitWeight {
    int materialNumber = 0;
    const Cpp_MaterialProperties* material = nullptr;
    double height = 0.0;
    double unitWeight1 = 0.0;
    double unitWeight2 = 0.0;
};

// A segment of a result diagram drawn for one slice.
struct s_SliceSegment {
    double x1 = 0.0, y1 = 0.0, x2 = 0.0, y2 = 0.0;
};

class Cpp_Slice {
public:
    class Exc_BadPorePressure {};
    // Declared for the computation; nothing throws them.
    class Exc_NoStrengthOption {};
    class Exc_TwoStageStrengthsForFirstStage {};
    class Exc_InterfacePropertiesNotImplemented {};

    // Values given by stage are indexed 1 to 3 (index 0 unused); angles are radians.
    std::vector<s_SliceUnitWeight> unitWeights;
    std::vector<const Cpp_LineLoad*> lineLoads1, lineLoads2;
    const Cpp_MaterialProperties* material = nullptr;
    int materialNumber = 0;
    double bottomLeftX = 0.0, bottomLeftY = 0.0;
    double bottomCenterX = 0.0, bottomCenterY = 0.0;
    double width = 0.0;
    double baseLength = 0.0;
    double baseInclination = 0.0;
    double topInclination = 0.0;
    double topSlope = 0.0;
    double topCenterY = 0.0;
    double weight[4] = {};
    double cohesion[4] = {}, frictionAngle[4] = {}, porePressure[4] = {};
    double seismicForce = 0.0, seismicY = 0.0;
    double normalForceTop = 0.0, shearForceTop = 0.0;
    double normalForceTopX = 0.0, normalForceTopY = 0.0;
    double horizontalForceLeft = 0.0, verticalForceLeft = 0.0;
    double horizontalForceRight = 0.0, verticalForceRight = 0.0;
    double reinforcementHorizontal = 0.0, reinforcementVertical = 0.0;
    double reinforcementHorizontalLeft = 0.0, reinforcementHorizontalRight = 0.0;
    double reinforcementVerticalLeft = 0.0, reinforcementVerticalRight = 0.0;
    double reinforcementYLeft = 0.0, reinforcementYRight = 0.0;
    double reinforcementHorizontalBaseLeft = 0.0, reinforcementHorizontalBaseRight = 0.0;
    double reinforcementVerticalBaseLeft = 0.0, reinforcementVerticalBaseRight = 0.0;
    double normalForceBase[4] = {}, normalStressBase[4] = {}, shearStressBase[4] = {};
    double sigmaFC = 0.0, tauFC = 0.0, computedKc = 0.0, envelopeKf = 0.0;
    double strengthKc1 = 0.0, strengthKcKf = 0.0;
    double effectiveStressStage3 = 0.0, drainedStrengthStage3 = 0.0, undrainedStrengthStage3 = 0.0;
    // On the left side of the slice.
    double thrustY = 0.0, interSliceForce = 0.0, interSliceInclination = 0.0, thrustFraction = 0.0;
    s_SliceSegment totalStressSegment, poreStressSegment, effectiveStressSegment;

    // The following record (set by Cpp_Slices::SetSlices); the right side of this slice is the
    // left side of the next one.
    const Cpp_Slice* Next() const { return next_; }

    // k: stage 1 to 3.
    double GetStageEntityValue(int k) const { return normalStressBase[k]; }
    double GetEntityValue(int k) const { return porePressure[k]; }
    double GetTableValue(int k) const { return cohesion[k]; }
    double GetAngleDegrees(int k) const;
    // Normal force on the base over the base length minus the pore pressure; a pore pressure
    // beyond +-1e100 throws Exc_BadPorePressure.
    double EffectiveNormalStress(int k) const;

    double GetInterSliceForceLeft() const { return interSliceForce; }
    double GetInterSliceForceRight() const { return next_ ? next_->interSliceForce : 0.0; }
    double GetInterSliceInclinationRight() const {
        return next_ ? next_->interSliceInclination : 0.0;
    }
    double GetLineOfThrustLeft() const { return thrustY; }
    double GetLineOfThrustRight() const { return next_ ? next_->thrustY : 0.0; }
    double GetLineOfThrustFractionLeft() const { return thrustFraction; }
    double GetLineOfThrustFractionRight() const { return next_ ? next_->thrustFraction : 0.0; }
    double GetBottomRightX() const { return next_ ? next_->bottomLeftX : 0.0; }
    double GetBottomRightY() const { return next_ ? next_->bottomLeftY : 0.0; }
    // Diagram segment 0 total stress, 1 pore pressure, 2 effective stress; null otherwise.
    const s_SliceSegment* GetSegment(int segment) const;

    // The information page of the slice and of its base; false without rows when a number
    // format cannot be made. material: the material at the base (may be null).
    bool ShowInformation(const Cpp_MaterialProperties* material, int stages,
                         Cpp_NameValueList& table) const;
    bool ShowBaseInformation(const Cpp_MaterialProperties* material, int stages,
                             Cpp_NameValueList& table) const;

private:
    friend class Cpp_Slices;
    const Cpp_Slice* next_ = nullptr;
};

class Cpp_Slices {
public:
    class Exc_InvalidEntityNumber {};
    // Declared for the computation; nothing throws them.
    class Exc_SlicesException {};
    class Exc_SliceOutOfBounds {};

    static constexpr int kSwitches = 10;

    Cpp_Slices();
    Cpp_Slices(const Cpp_Slices&) = delete;
    Cpp_Slices& operator=(const Cpp_Slices&) = delete;

    // The records of n slices and the right end: n + 1 records (fewer than two: no slices).
    void SetSlices(std::vector<Cpp_Slice> records);
    // Side 0 no force, 1 on the left of the first slice, 2 on the right of the last.
    void SetCrackWaterForce(int side, double depth, double force, double forceY);
    int Count() const { return count_; }
    // Slice i, 1 to n + 1; null outside.
    const Cpp_Slice* GetSlice(int i) const;

    // Slice i's page (1 <= i <= n), else false.
    bool ShowSliceInformation(int i, const Cpp_MaterialProperties* material, int stages,
                              Cpp_NameValueList& table) const;
    bool ShowSliceBaseInformation(int i, const Cpp_MaterialProperties* material, int stages,
                                  Cpp_NameValueList& table) const;
    // The crack water data; x: the first slice's left x (side 1), the last slice's right x
    // (side 2), else 0. True when the side is above 0.
    bool GetCrackWaterForce(int& side, double& depth, double& force, double& x, double& y) const;
    // Largest absolute value over the slices of entity 0 total normal stress, 1 pore pressure,
    // 2 effective normal stress, 3 cohesion, 4 friction angle (radians), for stage k; 0
    // without slices; another entity throws Exc_InvalidEntityNumber.
    double MaxAbsValue(int entity, int k) const;
    double GetLowestBottomY() const;

    // Hit tests on the pick record; index: the slice (or boundary) found.
    bool HitTestCrackWaterForce(s_PickType& pick) const;                      // kind 18
    bool HitTestLineOfThrust(s_PickType& pick, int& index) const;             // kind 66
    bool HitTestSliceItemA(s_PickType& pick, int segment, int& index) const;  // 118, 120, 122
    // Kind 30: the point found and its record number (1 to n + 1).
    bool HitTestSliceItemB(s_PickType& pick, double& px, double& py, int& index) const;
    bool HitTestSliceItemC(s_PickType& pick, int& index) const;     // kind 32
    bool FindSliceAtX(double x, double y, int& index) const;        // kind 128
    bool HitTestSliceBoundary(s_PickType& pick, int& index) const;  // kind 130

    // Display switches 0 slices, 1 surface points, 2 surface segments, 3 crack water force,
    // 4 line of thrust, 5 total stress, 6 pore pressure, 7 effective stress, 8 and 9 unread.
    bool GetDisplaySwitch(int n) const { return n >= 0 && n < kSwitches && switches_[n]; }
    void SetDisplaySwitch(int n, unsigned char on) {
        if (n >= 0 && n < kSwitches) switches_[n] = on;
    }
    // The program-wide defaults of switches 0 to 7 (set when the view starts).
    static void SetDefaultDisplayFlags(const unsigned char (&values)[8]);
    // Switches 0 to 7 from the defaults again.
    void LoadDefaultDisplayFlags();

    // Pick switches of the slice items (all on).
    static bool GetSelectionFilter() { return true; }
    static bool GetSelectionFilterB() { return true; }
    static bool GetSelectionFilterC() { return true; }
    static bool GetSelectionFilterD() { return true; }
    static bool GetSelectionFilterE() { return true; }
    static bool GetSelectionFilterF() { return true; }
    static bool GetSelectionFilterG() { return true; }
    static bool GetSelectionFilterH() { return true; }
    static bool GetSelectionFilterI() { return true; }

    // Frees the records and the crack water side.
    void Clear();

    // Scales of the result diagrams: largest values (A crack water force, B cohesion, C
    // effective stress, D friction angle, E pore pressure, F total stress) and the scales from
    // them and the option record of the unit system.
    static void SetLargestValueA(double value);
    static void SetLargestValueB(double value);
    static void SetLargestValueC(double value);
    static void SetLargestValueD(double value);
    static void SetLargestValueE(double value);
    static void SetLargestValueF(double value);
    static bool ComputeScaleA(int unitSystem);
    static bool ComputeScaleB(int unitSystem);
    static bool ComputeScaleC();
    static bool ComputeScaleD(int unitSystem);
    // Quantity 0 crack water force, 1 total stress, 2 effective stress, 3 pore pressure, 4
    // cohesion, 5 friction angle.
    struct s_Scale {
        bool computed = false;
        bool largestSet = false;
        double largest = 0.0;
        double scale = 0.0;
    };
    static const s_Scale& Scale(int quantity);

    // Program-wide defaults and scales back to their start.
    static void ResetProgramWide();

private:
    unsigned char switches_[kSwitches] = {};
    std::vector<Cpp_Slice> records_;
    int crackSide_ = 0;
    double crackWaterDepth_ = 0.0, crackWaterForce_ = 0.0, crackForceY_ = 0.0;
    int count_ = 0;
};
