#include "profile/shear_strength.h"

#include <algorithm>
#include <cctype>

#include "core/format_text.h"
#include "core/geometry.h"
#include "core/kliven4_messages.h"
#include "core/preferences.h"
#include "core/text_exception.h"
#include "core/text_formats.h"
#include "profile/strength_messages.h"

namespace {

// Prints one value with a printf format built for it.
std::string Print(const std::string& format, double value) {
    // The whole text, however wide the number.
    return FormatDynamic(format, value);
}

std::string PrintInt(const char* format, int value) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, format, value);
    return buffer;
}

const std::string fifteen(15, ' ');
const std::string five(5, ' ');

// Order test of a curve: true when in order (possibly after reversing a wholly non-increasing
// curve; then reversed is set).
bool OrderCurve(std::vector<double>& x, std::vector<double>& y, bool& reversed) {
    reversed = false;
    const size_t k = x.size();
    size_t i = 0;
    while (i + 1 < k && !(x[i] > x[i + 1])) ++i;
    if (i + 1 >= k) return true;
    for (size_t j = 0; j + 1 < k; ++j)
        if (x[j + 1] > x[j]) return false;
    std::reverse(x.begin(), x.end());
    std::reverse(y.begin(), y.end());
    reversed = true;
    return true;
}

}  // namespace

void Cpp_ShearStrength::FreeArrays() {
    cohesionValues_.clear();
    cohesionAngles_.clear();
    frictionValues_.clear();
    frictionAngles_.clear();
    normals_.clear();
    shears_.clear();
    normals2_.clear();
    shears2_.clear();
    lateral_.clear();
    profile_.clear();
    factorAngles_.clear();
    factors_.clear();
    resetFlag_ = true;
}

void Cpp_ShearStrength::Reset() { *this = Cpp_ShearStrength(); }

void Cpp_ShearStrength::SetStrengthOption(int option) {
    FreeArrays();
    option_ = option;
}

int Cpp_ShearStrength::OptionFromInitials(char first, char second) {
    const char a = static_cast<char>(std::toupper(static_cast<unsigned char>(first)));
    const char b = static_cast<char>(std::toupper(static_cast<unsigned char>(second)));
    switch (a) {
    case 'C': return b == 'P' ? 4 : 1;
    case 'I':
        if (b == 'S') return 9;
        if (b == 'C' || b == 'A') return 0;
        return 1;
    case 'L': return 2;
    case 'R': return 3;
    case 'A': return 5;
    case 'N': return 7;
    case 'P': return 6;
    case '2':
    case 'T':
        if (b == 'L') return 11;
        if (b == 'N') return 12;
        return 0;
    case 'V': return b == 'S' ? 13 : 0;
    }
    return 0;
}

bool Cpp_ShearStrength::DecodeStrengthOption(char first, char second) {
    SetStrengthOption(OptionFromInitials(first, second));
    return option_ != 0;
}

void Cpp_ShearStrength::SetParameters(const s_StrengthParameters& p) {
    const double* v = p.value;
    switch (option_) {
    case 1:
        cohesion_ = v[0];
        frictionAngle_ = DegreesToRadians(v[1]);
        break;
    case 2:
        strength_ = v[0];
        rate_ = v[1];
        break;
    case 3:
        strength_ = v[0];
        rate_ = v[1];
        referenceElevation_ = v[2];
        break;
    case 4:
        cOverP_ = v[0];
        cZero_ = v[1];
        minimum_ = v[2];
        maximum_ = v[3];
        break;
    case 9:
        minimum_ = v[0];
        maximum_ = v[1];
        break;
    case 11:
        d1_ = v[0];
        psi1_ = DegreesToRadians(v[1]);
        d2_ = v[2];
        psi2_ = DegreesToRadians(v[3]);
        break;
    }
}

void Cpp_ShearStrength::BeginPoints() {
    if (resetFlag_) {
        const int option = option_;
        FreeArrays();
        option_ = option;
        resetFlag_ = false;
    }
}

bool Cpp_ShearStrength::AddAnisotropicPoint(double angle, double cohesion, double friction) {
    if (option_ != 5) return false;
    BeginPoints();
    cohesionValues_.push_back(cohesion);
    cohesionAngles_.push_back(DegreesToRadians(angle));
    frictionValues_.push_back(DegreesToRadians(friction));
    frictionAngles_.push_back(DegreesToRadians(angle));
    return true;
}

bool Cpp_ShearStrength::AddNonlinearPoint(double normalStress, double shearStress) {
    if (option_ != 7) return false;
    BeginPoints();
    normals_.push_back(normalStress);
    shears_.push_back(shearStress);
    return true;
}

bool Cpp_ShearStrength::AddTwoStageNonlinearPoint(double normal1, double shear1, double normal2,
                                                  double shear2) {
    if (option_ != 12) return false;
    BeginPoints();
    normals_.push_back(normal1);
    shears_.push_back(shear1);
    normals2_.push_back(normal2);
    shears2_.push_back(shear2);
    return true;
}

void Cpp_ShearStrength::AddAnisotropicInterpolationPoint(double angle, double factor) {
    if (option_ != 15)
        throw Cpp_TextException(
            "Cpp_ShearStrength::AddAnisotropicInterpolationPoint - Invalid strength option");
    BeginPoints();
    factorAngles_.push_back(angle);
    factors_.push_back(factor);
}

double Cpp_ShearStrength::GetCohesion() const { return option_ == 1 ? cohesion_ : 0.0; }
double Cpp_ShearStrength::GetFrictionAngle() const {
    return option_ == 1 ? RadiansToDegrees(frictionAngle_) : 0.0;
}
double Cpp_ShearStrength::GetStrengthAtProfileLine() const {
    return option_ == 2 ? strength_ : 0.0;
}
double Cpp_ShearStrength::GetStrengthAtReference() const { return option_ == 3 ? strength_ : 0.0; }
double Cpp_ShearStrength::GetReferenceElevation() const {
    return option_ == 3 ? referenceElevation_ : 0.0;
}
double Cpp_ShearStrength::GetRateOfIncrease() const {
    return option_ == 2 || option_ == 3 ? rate_ : 0.0;
}

void Cpp_ShearStrength::GetCOverPParameters(double& cOverP, double& cZero, double& minimum,
                                            double& maximum) const {
    const bool ok = option_ == 4;
    cOverP = ok ? cOverP_ : 0.0;
    cZero = ok ? cZero_ : 0.0;
    minimum = ok ? minimum_ : 0.0;
    maximum = ok ? maximum_ : 0.0;
}

double Cpp_ShearStrength::GetPhiZero() const {
    return option_ == 6 ? RadiansToDegrees(phiZero_) : 0.0;
}
double Cpp_ShearStrength::GetDeltaPhi() const {
    return option_ == 6 ? RadiansToDegrees(deltaPhi_) : 0.0;
}

void Cpp_ShearStrength::GetInterpolationLimits(double& minimum, double& maximum) const {
    minimum = option_ == 9 ? minimum_ : 0.0;
    maximum = option_ == 9 ? maximum_ : 0.0;
}

void Cpp_ShearStrength::GetTwoStageLinearParameters(double& d1, double& psi1, double& d2,
                                                    double& psi2) const {
    const bool ok = option_ == 11;
    d1 = ok ? d1_ : 0.0;
    psi1 = ok ? RadiansToDegrees(psi1_) : 0.0;
    d2 = ok ? d2_ : 0.0;
    psi2 = ok ? RadiansToDegrees(psi2_) : 0.0;
}

std::vector<s_AnisotropicPtType> Cpp_ShearStrength::GetAnisotropicParameters() const {
    std::vector<s_AnisotropicPtType> points;
    for (size_t i = 0; i < cohesionValues_.size(); ++i) {
        s_AnisotropicPtType p;
        p.angle = RadiansToDegrees(cohesionAngles_[i]);
        p.cohesion = cohesionValues_[i];
        p.frictionAngle = i < frictionValues_.size() ? RadiansToDegrees(frictionValues_[i]) : 0.0;
        points.push_back(p);
    }
    return points;
}

std::vector<s_NonlinearPtType> Cpp_ShearStrength::GetNonlinearEnvelope() const {
    std::vector<s_NonlinearPtType> points;
    for (size_t i = 0; i < normals_.size(); ++i) points.push_back({normals_[i], shears_[i]});
    return points;
}

std::vector<s_NonlinearPtType> Cpp_ShearStrength::GetTwoStageEnvelope(int which) const {
    const auto& n = which == 2 ? normals2_ : normals_;
    const auto& s = which == 2 ? shears2_ : shears_;
    std::vector<s_NonlinearPtType> points;
    for (size_t i = 0; i < n.size(); ++i) points.push_back({n[i], s[i]});
    return points;
}

void Cpp_ShearStrength::SetAnisotropicParameters(const std::vector<s_AnisotropicPtType>& points) {
    resetFlag_ = true;
    for (const auto& p : points) AddAnisotropicPoint(p.angle, p.cohesion, p.frictionAngle);
}

void Cpp_ShearStrength::SetNonlinearEnvelope(const std::vector<s_NonlinearPtType>& points) {
    resetFlag_ = true;
    for (const auto& p : points) AddNonlinearPoint(p.normalStress, p.shearStress);
}

void Cpp_ShearStrength::SetTwoStageNonlinearEnvelopes(const std::vector<s_NonlinearPtType>& one,
                                                      const std::vector<s_NonlinearPtType>& kf) {
    if (option_ != 12) return;
    normals_.clear();
    shears_.clear();
    normals2_.clear();
    shears2_.clear();
    for (const auto& p : one) {
        normals_.push_back(p.normalStress);
        shears_.push_back(p.shearStress);
    }
    for (const auto& p : kf) {
        normals2_.push_back(p.normalStress);
        shears2_.push_back(p.shearStress);
    }
    resetFlag_ = false;
}

void Cpp_ShearStrength::SetPhiZeroParameters(double phiZero, double deltaPhi,
                                             double referencePressure, int pressureOption) {
    if (option_ != 6) return;
    phiZero_ = DegreesToRadians(phiZero);
    deltaPhi_ = DegreesToRadians(deltaPhi);
    referencePressure_ = referencePressure;
    pressureOption_ = pressureOption;
}

bool Cpp_ShearStrength::ResampleEnvelope(std::vector<double>& x, std::vector<double>& y,
                                         const std::vector<double>& at) {
    const size_t k = x.size();
    if (k < 2 || y.size() != k) return false;
    auto line = [&](size_t i, double v) {
        const double dx = x[i + 1] - x[i];
        if (dx == 0.0) return y[i];
        return y[i] + (y[i + 1] - y[i]) * (v - x[i]) / dx;
    };
    std::vector<double> newY;
    newY.reserve(at.size());
    for (double v : at) {
        double value;
        if (v < x[0]) {
            value = line(0, v);
        } else if (v == x[0]) {
            value = y[0];
        } else if (v == x[k - 1]) {
            value = y[k - 1];
        } else if (v > x[k - 1]) {
            value = line(k - 2, v);
        } else {
            value = 0.0;
            bool found = false;
            for (size_t j = 1; j < k && !found; ++j)
                if (x[j] == v) {
                    value = y[j];
                    found = true;
                }
            for (size_t j = 0; j + 1 < k && !found; ++j)
                if (x[j + 1] > v && x[j] <= v) {
                    value = line(j, v);
                    found = true;
                }
        }
        newY.push_back(value);
    }
    x = at;
    y = std::move(newY);
    return true;
}

bool Cpp_ShearStrength::MergeTwoStageEnvelopes() {
    if (normals_ == normals2_) return true;
    std::vector<double> all = normals_;
    all.insert(all.end(), normals2_.begin(), normals2_.end());
    std::sort(all.begin(), all.end());
    all.erase(std::unique(all.begin(), all.end()), all.end());
    // Both envelopes are resampled from copies so that a failure leaves them unchanged.
    auto n1 = normals_, s1 = shears_, n2 = normals2_, s2 = shears2_;
    if (!ResampleEnvelope(n1, s1, all) || !ResampleEnvelope(n2, s2, all)) return false;
    normals_ = std::move(n1);
    shears_ = std::move(s1);
    normals2_ = std::move(n2);
    shears2_ = std::move(s2);
    return true;
}

bool Cpp_ShearStrength::WriteStrengthProperties(std::FILE* file) {
    if (file == nullptr) return false;
    const int coordinates = Cpp_KlivenSettings::CoordinateDecimals();
    const int stresses = Cpp_KlivenSettings::StressDecimals();
    const int unitWeights = Cpp_KlivenSettings::UnitWeightDecimals();
    const int rateDecimals = std::max(unitWeights, coordinates + stresses);
    int rateWidth = 10 + stresses + rateDecimals;
    if (rateWidth < 0) rateWidth = 10;
    // Angles are written with the angle decimals, so that a friction angle of 32.25 survives.
    std::string E, S, R, P, A;
    if (!Cpp_Strings::MakeNumberFormat(1, 10, coordinates, E) ||
        !Cpp_Strings::MakeNumberFormat(1, 10, stresses, S) ||
        !Cpp_Strings::MakeNumberFormat(1, rateWidth, rateDecimals, R) ||
        !Cpp_Strings::MakeNumberFormat(1, 10, Cpp_KlivenSettings::CpRatioDecimals(), P) ||
        !Cpp_Strings::MakeNumberFormat(1, 10, Cpp_KlivenSettings::AngleDecimals(), A))
        return false;
    auto deg = [](double radians) { return RadiansToDegrees(radians); };
    auto values = [&](std::initializer_list<std::string> texts) {
        std::string line = fifteen;
        bool first = true;
        for (const auto& t : texts) {
            if (!first) line += five;
            line += t;
            first = false;
        }
        return line + "\n";
    };

    std::string out(10, ' ');
    switch (option_) {
    case 1:
        out += "Conventional\n";
        out += values({Print(S, cohesion_), Print(A, deg(frictionAngle_))});
        break;
    case 2:
        out += "Linear increase below profile line\n";
        out += values({Print(S, strength_), Print(R, rate_)});
        break;
    case 3:
        out += "Reference elevation w/ increase below\n";
        out += values({Print(E, referenceElevation_), Print(S, strength_), Print(R, rate_)});
        break;
    case 4:
        out += "C/ P ratio\n";
        out +=
            values({Print(P, cOverP_), Print(S, cZero_), Print(S, minimum_), Print(S, maximum_)});
        break;
    case 5:
        out += "Anisotropic strengths\n";
        for (size_t i = 0; i < cohesionValues_.size(); ++i) {
            const double friction = i < frictionValues_.size() ? frictionValues_[i] : 0.0;
            out += values({Print(A, deg(cohesionAngles_[i])), Print(S, cohesionValues_[i]),
                           Print(A, deg(friction))});
        }
        out += "\n";
        break;
    case 6:
        out += "Phi-zero_Delta-phi_nonlinear_envelope\n";
        out += values({PrintInt("%1d", pressureOption_), Print(A, deg(phiZero_)),
                       Print(A, deg(deltaPhi_)), Print(S, referencePressure_)});
        break;
    case 7:
        out += "Nonlinear envelope\n";
        for (size_t i = 0; i < normals_.size(); ++i)
            out += values({Print(S, normals_[i]), Print(S, shears_[i])});
        out += "\n";
        break;
    case 8:
        out += "Varies Laterally\n";
        for (const auto& row : lateral_)
            out +=
                values({Print(E, row.x), Print(S, row.strengthTop), Print(S, row.strengthBottom)});
        out += "\n";
        break;
    case 9:
        out += "Interpolate Strengths\n";
        out += values({Print(S, minimum_), Print(S, maximum_)});
        break;
    case 10:
        out += "SHANSEP\n";
        out += values({Print(P, cOverP_), Print(P, cZero_), PrintInt("%2d", pressureOption_),
                       Print(S, referencePressure_)});
        if (pressureOption_ >= 3 && pressureOption_ <= 6) {
            for (const auto& p : profile_)
                out += std::string(25, ' ') + Print(E, p.position) + five +
                       Print("%10.4f", p.value) + "\n";
            out += "\n";
        }
        break;
    case 11:
        out += "2-Stage Linear envelope\n";
        out += values({Print(S, d1_), Print(A, deg(psi1_)), Print(S, d2_), Print(A, deg(psi2_))});
        break;
    case 12: {
        if (!MergeTwoStageEnvelopes()) {
            out += "ERROR- Unable to write data for 2-Stage Nonlinear envelope\n";
            std::fputs(out.c_str(), file);
            return false;
        }
        out += "2-Stage Nonlinear envelope\n";
        for (size_t i = 0; i < normals_.size(); ++i)
            out += values({Print(S, normals_[i]), Print(S, shears_[i]), Print(S, shears2_[i])});
        out += "\n";
        break;
    }
    case 13: out += "Very Strong\n"; break;
    case 14:
        out += "Trilinear Envelope\n";
        out += fifteen + Print(P, ratio1_) + five + Print(P, ratio2_) + five +
               Print(S, triStress_) + SeparatedField(Print(A, deg(triAngle_))) + "\n";
        break;
    case 15:
        out += "Interpolate Anisotropic Strengths\n";
        for (double angle : interpolationAngles_) out += Print(A, angle) + five;
        out += PrintInt("%5d", pressureOption_) + "\n";
        for (size_t i = 0; i < factors_.size(); ++i)
            out += values({Print(A, factorAngles_[i]), Print("%10.5f", factors_[i])});
        out += "\n";
        break;
    case 16: break;
    default: std::fputs(out.c_str(), file); return false;
    }
    std::fputs(out.c_str(), file);
    return true;
}

bool Cpp_ShearStrength::Check(int stage, int n) {
    using Msg = Cpp_StrengthMessages;
    bool errors = false;
    bool reversed = false;
    switch (option_) {
    case 0: Msg::Message3600(n, stage); return false;
    case 1:
        if (cohesion_ < 0.0) {
            Msg::Message3560(n);
            errors = true;
        }
        if (frictionAngle_ < 0.0) {
            Msg::Message3570(n);
            errors = true;
        }
        if (cohesion_ == 0.0 && frictionAngle_ == 0.0) Msg::Message3720(n);
        break;
    case 2:
    case 3:
        if (strength_ == 0.0 && rate_ == 0.0) Msg::Message3740(n, stage);
        break;
    case 4:
        if (cOverP_ == 0.0 && cZero_ == 0.0) Msg::Message3740(n, stage);
        if (minimum_ >= maximum_) {
            Msg::Message3550(n, stage);
            errors = true;
        }
        break;
    case 5:
        if (cohesionValues_.size() < 2) {
            Msg::Message3610(n, stage);
            errors = true;
        } else if (!OrderCurve(cohesionAngles_, cohesionValues_, reversed)) {
            Msg::Message3490(n, stage);
            errors = true;
        } else if (reversed) {
            Msg::Message3660(n, stage);
        }
        if (frictionValues_.size() < 2) {
            Msg::Message3620(n, stage);
            errors = true;
            break;
        }
        if (!OrderCurve(frictionAngles_, frictionValues_, reversed)) {
            Msg::Message3500(n, stage);
            errors = true;
        } else if (reversed) {
            Msg::Message3670(n, stage);
        }
        break;
    case 7:
        if (normals_.size() < 2) {
            Msg::Message3630(n, stage);
            errors = true;
        } else if (!OrderCurve(normals_, shears_, reversed)) {
            Msg::Message3510(n, stage);
            errors = true;
        } else if (reversed) {
            Msg::Message3680(n, stage);
        }
        break;
    case 11:
        if (stage == 1) {
            Msg::Message3710(n);
            errors = true;
        } else if (d1_ == 0.0 && psi1_ == 0.0) {
            Msg::Message3760(n);
            errors = true;
        } else if (d1_ < 0.0 || psi1_ < 0.0) {
            Msg::Message3590(n);
            errors = true;
        } else if (d2_ == 0.0 && psi2_ == 0.0) {
            Msg::Message3750(n);
            errors = true;
        } else if (d2_ < 0.0 || psi2_ < 0.0) {
            Msg::Message3580(n);
            errors = true;
        }
        break;
    case 12:
        if (stage == 1) {
            Msg::Message3710(n);
            errors = true;
            break;
        }
        if (normals_.size() < 2) {
            Msg::Message3650(n);
            errors = true;
        } else if (!OrderCurve(normals_, shears_, reversed)) {
            Msg::Message3530(n);
            errors = true;
        } else if (reversed) {
            Msg::Message3700(n);
        }
        if (normals2_.size() < 2) {
            Msg::Message3640(n);
            errors = true;
            break;
        }
        if (!OrderCurve(normals2_, shears2_, reversed)) {
            Msg::Message3520(n);
            errors = true;
        } else if (reversed) {
            Msg::Message3690(n);
        }
        break;
    default: break;
    }
    Cpp_KLIVEN4Messages::SetStatus(1);
    return !errors;
}
