// The texts that show a material and its strength: label/value rows for the page of a selected
// item, items of the information tree, and short tool tips. The pore-pressure part of each comes
// from the pore-pressure record.

#include <cstdio>

#include "core/preferences.h"
#include "core/text_formats.h"
#include "graphics/drawing_attributes.h"
#include "profile/material_properties.h"
#include "profile/shear_strength.h"

namespace {

// "%1.Nf" with the decimals.
std::string Format(int decimals) {
    std::string format;
    if (!Cpp_Strings::MakeNumberFormat(1, 1, decimals, format)) format = "%1.2f";
    return format;
}

std::string Text(const std::string& format, double value) {
    char buffer[128];
    std::snprintf(buffer, sizeof buffer, format.c_str(), value);
    return buffer;
}

template <typename... Args>
std::string Printf(const char* format, Args... args) {
    char buffer[512];
    std::snprintf(buffer, sizeof buffer, format, args...);
    return buffer;
}

std::string StressFormat() { return Format(Cpp_KlivenSettings::StressDecimals()); }
std::string AngleFormat() { return Format(Cpp_KlivenSettings::AngleDecimals()); }
std::string CoordinateFormat() { return Format(Cpp_KlivenSettings::CoordinateDecimals()); }

void AddEnvelopeItems(platform::InfoWindowService& info, platform::InfoItem parent,
                      const std::vector<s_NonlinearPtType>& points) {
    const std::string c = CoordinateFormat();
    for (const auto& p : points)
        info.AddText(parent, "Normal stress: " + Text(c, p.normalStress) +
                                 " , Shear stress: " + Text(c, p.shearStress));
}

}  // namespace

bool Cpp_ShearStrength::GetPropertyGridText(Cpp_NameValueList& rows) const {
    const std::string s = StressFormat();
    const char* option = "Shear strength option:";
    switch (option_) {
    case 0: rows.AddText(option, "NONE"); break;
    case 1:
        rows.AddText(option, "Conventional - cohesion, friction angle");
        rows.AddFormatted("Cohesion:", s.c_str(), GetCohesion());
        rows.AddFormatted("Friction angle (degrees):", s.c_str(), GetFrictionAngle());
        break;
    case 2:
        rows.AddText(option, "Strength increases linearly with depth below profile line");
        rows.AddFormatted("Strength at profile line elevation:", s.c_str(), strength_);
        rows.AddFormatted("Rate of strength increase with depth:", s.c_str(), rate_);
        break;
    case 3:
        rows.AddText(option, "Strength increases linearly with depth below reference elevation");
        rows.AddFormatted("Strength at reference elevation:", s.c_str(), strength_);
        rows.AddFormatted("Rate of strength increase with depth:", s.c_str(), rate_);
        rows.AddFormatted("Reference elevation:", CoordinateFormat().c_str(), referenceElevation_);
        break;
    case 4:
        rows.AddText(option, "Strength specified by constant normalized strength (c/p) ratio");
        rows.AddFormatted("Constant normalized strength (c/p) ratio:", s.c_str(), cOverP_);
        rows.AddFormatted("\"Intercept\" strength:", s.c_str(), cZero_);
        rows.AddFormatted("Minimum strength:", s.c_str(), minimum_);
        rows.AddFormatted("Maximum strength:", s.c_str(), maximum_);
        break;
    case 5:
        rows.AddText(option, "Strength is anisotropic");
        rows.AddText("Number of points defining anisotropic cohesion:",
                     Printf("%1d", CohesionPointCount()).c_str());
        rows.AddText("Number of points defining anisotropic friction angle:",
                     Printf("%1d", FrictionPointCount()).c_str());
        break;
    case 6:
        rows.AddText(option, "Nonlinear envelope - defined by phi-zero & delta-phi");
        rows.AddFormatted("Phi-zero (degrees)", s.c_str(), GetPhiZero());
        rows.AddFormatted("Delta-phi (degrees)", s.c_str(), GetDeltaPhi());
        rows.AddFormatted("Reference pressure", "%1.6f", referencePressure_);
        rows.AddText("Pressure option", pressureOption_ == 0
                                            ? "Uses estimated minor principal stress"
                                            : "Uses normal stress on the failure plane");
        break;
    case 7:
        rows.AddText(option, "Strength is defined by general nonlinear envelope");
        rows.AddText("Number of points defining nonlinear envelope:",
                     Printf("%1d", static_cast<int>(normals_.size())).c_str());
        break;
    case 8:
        rows.AddText(option, "Undrained strength varies laterally");
        for (size_t i = 0; i < lateral_.size(); ++i) {
            rows.AddText(Printf("Lateral strength line: %d", static_cast<int>(i) + 1),
                         Printf("X = %1.2f", lateral_[i].x).c_str());
            rows.AddFormatted("    Y-Top of stratum:", "%1.6f", lateral_[i].strengthTop);
            rows.AddFormatted("    Y-Bottom of stratum:", "%1.6f", lateral_[i].strengthBottom);
        }
        break;
    case 9:
        rows.AddText(option, "Undrained strength interpolated");
        rows.AddFormatted("Minimum interpolated strength:", s.c_str(), minimum_);
        rows.AddFormatted("Maximum interpolated strength:", s.c_str(), maximum_);
        break;
    case 10:
        rows.AddText(option, "SHANSEP");
        rows.AddFormatted("Normally consolidated c/p ratio:", s.c_str(), cOverP_);
        rows.AddFormatted("Exponent:", s.c_str(), cZero_);
        rows.AddFormatted("Maximum past pressure or overconsolidation ratio:",
                          Format(Cpp_KlivenSettings::AlternateForceDecimals()).c_str(),
                          referencePressure_);
        break;
    case 13: rows.AddText(option, "Infinitely (very) strong"); break;
    default: break;  // 11, 12 and the others add no row
    }
    return true;
}

bool Cpp_ShearStrength::GetToolTipText(std::string& text) const {
    double a, b, c, d;
    switch (option_) {
    case 1:
        text = Printf("Cohesion: %1.2f\nFriction angle: %1.2f", GetCohesion(), GetFrictionAngle());
        break;
    case 2:
        text =
            Printf("Strength @ profile line: %1.2f\nIncrease with depth %1.2f", strength_, rate_);
        break;
    case 3:
        text =
            Printf("Strength @ reference elevation: %1.2f\nIncrease with depth: %1.2f\nReference "
                   "elevation: %1.2f",
                   strength_, rate_, referenceElevation_);
        break;
    case 4:
        text = Printf("Constant c/p: %1.2f\nC-zero: %1.2f\nMinimum C: %1.2f\nMaximum C: %1.2f",
                      cOverP_, cZero_, minimum_, maximum_);
        break;
    case 5: text = "Strength Option: Anisotropic"; break;
    case 7: text = "Strength Option: General nonlinear"; break;
    case 8:
        text = Printf("Strength option: Laterally varying strength\nNumber of strength lines: %1d",
                      static_cast<int>(lateral_.size()));
        break;
    case 9:
        text = Printf("Strength option: Interpolate Su\nMinimum s: %1.2f\nMaximum s: %1.2f",
                      minimum_, maximum_);
        break;
    case 10: text = "SHANSEP Strength:"; break;
    case 11:
        GetTwoStageLinearParameters(a, b, c, d);
        text = Printf(
            "Strength option: 2-Stage, Linear\nd (Kc = 1): %1.2f\npsi (Kc = 1): %1.2f\nd (Kc = "
            "Kf): %1.2f\npsi (Kc = Kf): %1.2f",
            a, b, c, d);
        break;
    case 12:
        text = Printf(
            "Strength option: 2-Stage, Nonlinear\n%1d points on Kc = 1 envelope\n%1d points on Kc "
            "= Kf envelope",
            static_cast<int>(normals_.size()), static_cast<int>(normals2_.size()));
        break;
    case 13: text = "Strength option: Very strong"; break;
    case 16:
        text = Printf(
            "Strength option: Interpolate c/p\nMinimum c/p: %1.2f\nMaximum c/p: %1.2f\nMinimum s: "
            "%1.2f\nMaximum s: %1.2f",
            cOverP_, cZero_, minimum_, maximum_);
        break;
    default: text = "Strength Option: ????"; break;
    }
    return true;
}

bool Cpp_ShearStrength::AddInformation(platform::InfoWindowService& info,
                                       platform::InfoItem parent) const {
    const std::string s = StressFormat();
    const std::string angle = AngleFormat();
    switch (option_) {
    case 1:
        info.AddReal(parent, "Cohesion:", cohesion_, s);
        info.AddReal(parent, "Friction angle (degrees):", GetFrictionAngle(), angle);
        break;
    case 2:
        info.AddReal(parent, "Strength at profile line:", strength_, s);
        info.AddReal(parent, "Increase in strength with depth:", rate_, s);
        break;
    case 3:
        info.AddReal(parent, "Strength at reference elevation:", strength_, s);
        info.AddReal(parent, "Increase in strength with depth:", rate_, s);
        info.AddReal(parent, "Reference elevation:", referenceElevation_, CoordinateFormat());
        break;
    case 4:
        info.AddReal(parent, "Constant normalized strength (c/p) ratio:", cOverP_,
                     Format(Cpp_KlivenSettings::CpRatioDecimals()));
        info.AddReal(parent, "\"Intercept\" strength:", cZero_, s);
        info.AddReal(parent, "Minimum strength:", minimum_, s);
        info.AddReal(parent, "Maximum strength:", maximum_, s);
        break;
    case 5: {
        platform::InfoItem item = info.AddText(parent, "Anisotropic strengths");
        for (const auto& p : GetAnisotropicParameters())
            info.AddText(item, "Angle: " + Text(angle, p.angle) +
                                   " , Cohesion: " + Text(s, p.cohesion) +
                                   ", Friction angle (degs): " + Text(angle, p.frictionAngle));
        break;
    }
    case 7:
        AddEnvelopeItems(info, info.AddText(parent, "General nonlinear strength envelope"),
                         GetNonlinearEnvelope());
        break;
    case 9:
        info.AddText(parent, "Undrained shear strengths are interpolated");
        info.AddReal(parent, "Minimum interpolated value used: ", minimum_, s);
        info.AddReal(parent, "Maximum interpolated value used: ", maximum_, s);
        break;
    case 11: {
        double d1, psi1, d2, psi2;
        GetTwoStageLinearParameters(d1, psi1, d2, psi2);
        info.AddText(parent, "Two-stage strengths linear envelopes");
        info.AddReal(parent, "Intercept for Kc = 1 envelope:", d1, s);
        info.AddReal(parent, "Slope for Kc = 1 envelope (degs):", psi1, angle);
        info.AddReal(parent, "Intercept for Kc = Kf envelope:", d2, s);
        info.AddReal(parent, "Slope for Kc = Kf envelope (degs):", psi2, angle);
        break;
    }
    case 12:
        AddEnvelopeItems(info,
                         info.AddText(parent, "Stage 2 nonlinear strength envelope for Kc = 1"),
                         GetTwoStageEnvelope(1));
        AddEnvelopeItems(info,
                         info.AddText(parent, "Stage 2 nonlinear strength envelope for Kc = Kf"),
                         GetTwoStageEnvelope(2));
        break;
    case 13: info.AddText(parent, "Very (infinitely) strong material"); break;
    default: break;
    }
    return true;
}

bool Cpp_MaterialStageData::AddRows(Cpp_NameValueList& rows) const {
    rows.AddFormatted("Unit weight:", Format(Cpp_KlivenSettings::UnitWeightDecimals()).c_str(),
                      unitWeight_);
    if (!strength_.GetPropertyGridText(rows)) return false;
    return porePressure_.GetGridRows(rows);
}

std::string Cpp_MaterialStageData::UnitWeightToolTip() const {
    std::string text;
    switch (unitWeightOption_) {
    case UnitWeightConstant: text = Printf("Unit Wt.: %1.2f", unitWeight_); break;
    case UnitWeightLateral: text = "Unit Wt.: Varies laterally"; break;
    case UnitWeightInterpolated: text = "Unit Wt.: Interpolated"; break;
    default: text = "Unit Wt.: ?????"; break;
    }
    std::string strength;
    strength_.GetToolTipText(strength);
    text += "\n" + strength;
    std::string porePressure;
    porePressure_.ShortDescription(porePressure);
    if (!porePressure.empty()) text += "\n" + porePressure;
    return text;
}

bool Cpp_MaterialProperties::GetUnitWeightToolTip(int stage, std::string& text) const {
    if (stage != 1 && stage != 2) {
        text.clear();
        return false;
    }
    text = Stage(stage).UnitWeightToolTip();
    return true;
}

bool Cpp_MaterialProperties::PrintHeading(int stage, Cpp_NameValueList& rows) const {
    if (stage == 1) {
        rows.AddText("*** Material Properties ***", "***************************************");
        rows.AddText("Stage:", "1");
        std::string description;
        if (DescriptionPrefix(description, 80))
            rows.AddText("Material Description:", description.c_str());
    } else {
        const char* dashes = "- - - - - - - - - - - - - - - - - - - -";
        rows.AddText(dashes, dashes);
        rows.AddText("Stage:", Printf("%1d", stage).c_str());
    }
    Stage(stage).AddRows(rows);
    return true;
}

bool Cpp_MaterialProperties::AddInformation(platform::InfoWindowService& info, int stage,
                                            platform::InfoItem parent) const {
    if (!info.Exists()) return true;
    const auto& record = Stage(stage);
    const std::string w = Format(Cpp_KlivenSettings::UnitWeightDecimals());
    if (record.GetUnitWeightOption() == Cpp_MaterialStageData::UnitWeightConstant) {
        info.AddReal(parent, "Unit weight:", record.GetConstantUnitWeight(), w);
    } else if (record.GetUnitWeightOption() == Cpp_MaterialStageData::UnitWeightLateral) {
        platform::InfoItem item = info.AddText(parent, "Unit weights vary laterally:");
        const std::string c = CoordinateFormat();
        for (const auto& p : record.GetLateralUnitWeights())
            info.AddText(item, "X: " + Text(c, p.x) + " , Unit weight: " + Text(w, p.unitWeight));
    }
    record.GetShearStrengthRecord().AddInformation(info, parent);
    record.GetPorePressureRecord().Describe(info, parent);
    return true;
}
