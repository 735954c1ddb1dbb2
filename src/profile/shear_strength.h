#pragma once
// The shear strength of one material in one computation stage: a numbered option with its
// parameters, some of them point tables. Angles are held in radians and read, written and shown
// in degrees.
//
// Options: 0 none, 1 conventional (cohesion, friction angle), 2 linear increase below the
// profile line, 3 linear increase below a horizontal reference, 4 constant c/p ratio,
// 5 anisotropic, 6 phi-zero/delta-phi envelope, 7 general nonlinear envelope, 8 undrained
// strength varying laterally, 9 interpolated undrained strength, 10 SHANSEP, 11 two-stage
// linear envelopes, 12 two-stage nonlinear envelopes, 13 very strong, 14 trilinear envelope,
// 15 interpolated anisotropic strengths, 16 interpolated c/p ratio. The reader creates
// 1, 2, 3, 4, 5, 7, 9, 11, 12 and 13; the others are kept by the record and the writer only.

#include <cstdio>
#include <string>
#include <vector>

#include "platform/info_window.h"

class Cpp_NameValueList;

// Exchange records of the material dialog.
struct s_AnisotropicPtType {
    double angle = 0.0;  // degrees
    double cohesion = 0.0;
    double frictionAngle = 0.0;  // degrees
    bool operator==(const s_AnisotropicPtType&) const = default;
};
struct s_NonlinearPtType {
    double normalStress = 0.0;
    double shearStress = 0.0;
    bool operator==(const s_NonlinearPtType&) const = default;
};
struct s_LateralStrengthType {
    double x = 0.0;
    double strengthTop = 0.0;
    double strengthBottom = 0.0;
    double spare = 0.0;
    double spare2 = 0.0;
    int flag = 0;
    bool operator==(const s_LateralStrengthType&) const = default;
};
struct s_OCRProfileType {
    double position = 0.0;  // elevation or depth
    double value = 0.0;
    bool operator==(const s_OCRProfileType&) const = default;
};

// The five scalar values of the material dialog for the current option (angles in degrees):
// option 1 cohesion, friction angle; 2 strength, rate; 3 strength, rate, reference elevation;
// 4 c/p, c-zero, minimum, maximum; 9 minimum, maximum; 11 d1, psi1, d2, psi2.
struct s_StrengthParameters {
    double value[5] = {0.0, 0.0, 0.0, 0.0, 0.0};
};

// The most points of each strength table that the reader accepts.
constexpr int MaximumStrengthPoints = 50;

class Cpp_ShearStrength {
public:
    // Reported by the entry points; the operations of this class throw none of them.
    class Exc_BadAccessOfFrictionAngle {};
    class Exc_BadAccessOfStrengthAtDepth {};
    class Exc_BadAccessOfStrengthFromCOverP {};
    class Exc_BadAccessOfAnisotropicStrengths {};
    class Exc_BadAccessOfTwoStageStrengths {};
    class Exc_BadCallTo2StageNonlinearEnvelopes {};
    class Exc_SeriousErrorInStrengthFromNonlinearTwoStageEnvelopes {};

    Cpp_ShearStrength() = default;

    int Option() const { return option_; }
    // Frees the tables, option 0, reset flag set.
    void Reset();
    // Empties every table; reset flag set.
    void FreeArrays();
    // Frees the tables of the current option, stores the new one with empty tables.
    void SetStrengthOption(int option);
    // The option from the first two initials of an option line; 0 when none matches. Stores it
    // and returns whether it is not 0.
    bool DecodeStrengthOption(char first, char second);
    static int OptionFromInitials(char first, char second);

    // Deep copy (the tables are values).
    void CopyTo(Cpp_ShearStrength& target) const { target = *this; }
    // The scalar parameters of the current option from the dialog's five values.
    void SetParameters(const s_StrengthParameters& parameters);

    // Point adders: false and nothing changed for another option. While the reset flag is set
    // the first point empties the tables.
    bool AddAnisotropicPoint(double angleDegrees, double cohesion, double frictionDegrees);
    bool AddNonlinearPoint(double normalStress, double shearStress);
    bool AddTwoStageNonlinearPoint(double normal1, double shear1, double normal2, double shear2);
    // Throws the text "Cpp_ShearStrength::AddAnisotropicInterpolationPoint - Invalid strength
    // option" for another option than 15.
    void AddAnisotropicInterpolationPoint(double angleDegrees, double factor);

    // Scalar getters: 0 for another option. Angles in degrees.
    double GetCohesion() const;
    double GetFrictionAngle() const;
    double GetStrengthAtProfileLine() const;
    double GetStrengthAtReference() const;
    double GetReferenceElevation() const;
    double GetRateOfIncrease() const;
    void GetCOverPParameters(double& cOverP, double& cZero, double& minimum, double& maximum) const;
    double GetPhiZero() const;
    double GetDeltaPhi() const;
    void GetInterpolationLimits(double& minimum, double& maximum) const;
    void GetTwoStageLinearParameters(double& d1, double& psi1Degrees, double& d2,
                                     double& psi2Degrees) const;

    // Table getters: the points as they are (angles in degrees).
    std::vector<s_AnisotropicPtType> GetAnisotropicParameters() const;
    int CohesionPointCount() const { return static_cast<int>(cohesionValues_.size()); }
    int FrictionPointCount() const { return static_cast<int>(frictionValues_.size()); }
    std::vector<s_NonlinearPtType> GetNonlinearEnvelope() const;
    std::vector<s_NonlinearPtType> GetTwoStageEnvelope(int which) const;  // 1: Kc = 1, 2: Kc = Kf

    // Setters for the dialog.
    void SetAnisotropicParameters(const std::vector<s_AnisotropicPtType>& points);
    void SetNonlinearEnvelope(const std::vector<s_NonlinearPtType>& points);
    void SetTwoStageNonlinearEnvelopes(const std::vector<s_NonlinearPtType>& kcOne,
                                       const std::vector<s_NonlinearPtType>& kcKf);
    // The dormant scalar options (6, 14, 15, 16).
    void SetPhiZeroParameters(double phiZeroDegrees, double deltaPhiDegrees,
                              double referencePressure, int pressureOption);

    // The strength lines of the material block: the option line and its value lines.
    // False, with nothing written, when a number format cannot be built.
    bool WriteStrengthProperties(std::FILE* file);
    // The data check of one stage; messages carry the material number and the stage.
    bool Check(int stage, int materialNumber);

    // Texts: the property rows ("Shear strength option:" and the values of the option), the
    // tool tip (lines separated by "\n"), the items of the information tree under parent.
    bool GetPropertyGridText(Cpp_NameValueList& rows) const;
    bool GetToolTipText(std::string& text) const;
    bool AddInformation(platform::InfoWindowService& info, platform::InfoItem parent) const;

    // The equality of two records (all parameters and tables).
    bool operator==(const Cpp_ShearStrength& other) const = default;

    // Two-stage nonlinear envelopes: brings both envelopes onto the same ascending normal
    // stresses (the union of both, equal values once).
    bool MergeTwoStageEnvelopes();
    // The envelope's shear stress resampled at each value of the list (straight lines through
    // the first or last two points beyond the ends); false for fewer than 2 points.
    static bool ResampleEnvelope(std::vector<double>& normals, std::vector<double>& shears,
                                 const std::vector<double>& at);

    // Reading: the option line and its value lines, echoed to the echo file when asked; the
    // numbered messages go to the echo file. False after a message; the points read so far stay.
    friend bool read_strength_properties(Cpp_ShearStrength& strength, int stage, int materialNumber,
                                         std::FILE* input, std::FILE* echoFile, bool echo);

private:
    void BeginPoints();

    int option_ = 0;
    bool resetFlag_ = true;
    // Scalar parameters; which ones hold a value depends on the option.
    double cohesion_ = 0.0;            // 1
    double frictionAngle_ = 0.0;       // 1, radians
    double strength_ = 0.0;            // 2, 3: strength at the profile line or reference
    double rate_ = 0.0;                // 2, 3
    double referenceElevation_ = 0.0;  // 3
    double cOverP_ = 0.0;              // 4 c/p; 10 c/p; 16 minimum c/p
    double cZero_ = 0.0;               // 4 c-zero; 10 exponent; 16 maximum c/p
    double minimum_ = 0.0;             // 4, 9, 16 minimum strength
    double maximum_ = 0.0;             // 4, 9, 16 maximum strength
    double phiZero_ = 0.0;             // 6, radians
    double deltaPhi_ = 0.0;            // 6, radians
    double referencePressure_ = 0.0;   // 6; 10 past pressure or ratio
    int pressureOption_ = 0;           // 6; 10 sub-option; 15 interpolation option
    double d1_ = 0.0, psi1_ = 0.0, d2_ = 0.0, psi2_ = 0.0;                   // 11 (psi in radians)
    double ratio1_ = 0.0, ratio2_ = 0.0, triStress_ = 0.0, triAngle_ = 0.0;  // 14 (angle rad)
    int triFlag_ = 0;
    double interpolationAngles_[3] = {0.0, 0.0, 0.0};  // 15, degrees
    // Tables.
    std::vector<double> cohesionValues_, cohesionAngles_;  // 5 (angles in radians)
    std::vector<double> frictionValues_, frictionAngles_;  // 5 (radians)
    std::vector<double> normals_, shears_;                 // 7; 12 Kc = 1
    std::vector<double> normals2_, shears2_;               // 12 Kc = Kf
    std::vector<s_LateralStrengthType> lateral_;           // 8
    std::vector<s_OCRProfileType> profile_;                // 10
    std::vector<double> factorAngles_, factors_;           // 15 (degrees)
};
