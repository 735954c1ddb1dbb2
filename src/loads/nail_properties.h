#pragma once
// One nail type: the tendon, the nail head, the pullout resistance and the strength factors,
// with the design values per unit width of slope that the generation of reinforcement uses.

#include <cstdio>
#include <string>
#include <vector>

#include "core/units.h"

// A standard bar type. The program-wide table is empty: nothing adds entries.
struct s_NailBarType {
    int kind = 0;  // 0 by diameter and yield stress, 1 by area and yield stress, 2 by yield force
    std::string description;
    s_UnitValueType area;
    s_UnitValueType diameter;
    s_UnitValueType yieldStress;
    s_UnitValueType yieldForce;
};

class Cpp_NailProperties {
public:
    enum {
        ByDiameterAndYieldStress = 0,
        ByAreaAndYieldStress = 1,
        ByYieldForce = 2,
        FromBarTypes = 3
    };
    enum { ByBondStressAndHoleDiameter = 0, ByResistancePerLength = 1 };
    static constexpr size_t MaximumNameLength = 255;

    std::string name;
    int capacityOption = ByDiameterAndYieldStress;
    int pulloutOption = ByBondStressAndHoleDiameter;
    int barTypeIndex = 0;
    s_UnitValueType barArea{0.0, 0};
    s_UnitValueType barDiameter{0.0, 0};
    s_UnitValueType barYieldStress{0.0, 0};
    s_UnitValueType barYieldForce{0.0, 0};
    s_UnitValueType nailHeadStrength{0.0, 0};
    s_UnitValueType holeDiameter{0.0, 0};
    s_UnitValueType bondStress{0.0, 0};
    s_UnitValueType resistancePerLength{0.0, 0};
    double alphaF = 1.0;
    double alphaN = 1.0;
    double alphaQ = 1.0;
    double supplementalFactorOfSafety = 1.0;

    // A name the document can hold: one line of at most 255 characters that the reader would
    // not skip as a comment line (it may not begin, after blanks, with "//" or "/*").
    static bool IsValidName(const std::string& name);
    // Sets the name when it is valid; false and nothing changed otherwise.
    bool SetName(const std::string& text);

    static int GetNumberOfBarTypes();
    // Entry i of the table; an empty entry outside it (the table never grows).
    static s_NailBarType GetBarType(int i);

    // The tendon's tensile capacity in the force unit.
    double Capacity(int forceUnit) const;
    // The pullout resistance per length of nail in the force-per-length unit.
    double PulloutResistancePerLength(int forcePerLengthUnit) const;
    // P (pullout per length of nail), Th (head capacity) and T (tensile capacity), each per unit
    // width of slope, for the horizontal spacing sh given in the length unit. The arithmetic
    // runs in feet and pounds; P is returned in force per square length unit, Th and T in force
    // per length unit of the pair. False when the spacing or the factor of safety is not above 0.
    bool DesignValuesPerWidth(int lengthUnit, int forceUnit, double sh, double& P, double& Th,
                              double& T) const;

    // The seven lines of the set in the document.
    void WriteKLIVEN4InputDataFile(std::FILE* file) const;
};
