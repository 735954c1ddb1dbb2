// Reading and echo of the strength lines of the material block: the option line and its value
// lines.

#include <cctype>
#include <functional>

#include "core/data_error_output.h"
#include "core/echo_writer.h"
#include "core/geometry.h"
#include "core/input_lines.h"
#include "core/preferences.h"
#include "profile/shear_strength.h"
#include "profile/strength_messages.h"

namespace {

using Msg = Cpp_StrengthMessages;

int Stress() { return Cpp_KlivenSettings::StressDecimals(); }
int Angle() { return Cpp_KlivenSettings::AngleDecimals(); }

void EchoValue(bool echo, const char* label, double value, int decimals,
               const char* trailing = nullptr) {
    if (!echo) return;
    PrintText(label);
    PrintDouble(value, 1, decimals, trailing == nullptr);
    if (trailing) PrintText(trailing);
}

// One number line of a single-line option. False after its message.
bool ReadValues(std::FILE* input, s_InputLineType& record, int required, bool (*badLine)(long),
                const std::function<bool(int count, const std::string& line)>& tooFew,
                long material) {
    record = s_InputLineType{};
    record.maxValues = 0;
    if (!ReadNumberLine(input, record)) {
        badLine(material);
        return false;
    }
    if (record.numValues < required) {
        tooFew(record.numValues, record.text);
        return false;
    }
    return true;
}

char ShownInitial(char c) { return c == '\0' ? ' ' : c; }

}  // namespace

bool read_strength_properties(Cpp_ShearStrength& s, int stage, int n, std::FILE* input,
                              std::FILE* echoFile, bool echo) {
    (void)stage;
    Cpp_Errors errors(echoFile);
    SetOutputFile(echoFile);

    std::string line;
    if (!ReadNextLine(input, line)) {
        Msg::Message3450();
        return false;
    }
    std::string initials;
    KeywordInitials(line, initials);
    auto upper = [](char c) {
        return static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    };
    const char a = initials.size() > 0 ? upper(initials[0]) : '\0';
    const char b = initials.size() > 1 ? upper(initials[1]) : '\0';
    if (!s.DecodeStrengthOption(a, b)) {
        Msg::Message3010(n, ShownInitial(a), ShownInitial(b), line);
        return false;
    }

    s_InputLineType r;
    const double* v = nullptr;
    switch (s.option_) {
    case 1:
        if (!ReadValues(
                input, r, 2, Msg::Message3040,
                [n](int c, const std::string& l) { return Msg::Message3240(n, c, 2, l); }, n))
            return false;
        v = r.values.data();
        s.cohesion_ = v[0];
        s.frictionAngle_ = DegreesToRadians(v[1]);
        if (echo) {
            PrintBlankLines(1);
            PrintText("CONVENTIONAL (ISOTROPIC) SHEAR STRENGTHS", true);
            EchoValue(echo, "Cohesion - - - - - - - - ", v[0], Stress());
            EchoValue(echo, "Friction angle - - - - - ", v[1], Angle(), " (degrees)\n");
        }
        return true;
    case 2:
        if (!ReadValues(
                input, r, 2, Msg::Message3050,
                [n](int c, const std::string& l) { return Msg::Message3250(n, c, 2, l); }, n))
            return false;
        v = r.values.data();
        s.strength_ = v[0];
        s.rate_ = v[1];
        if (echo) {
            PrintBlankLines(1);
            PrintText("LINEAR STRENGTH INCREASE BELOW PROFILE LINE\n");
            EchoValue(echo, "Shear strength at profile line elevation(s) - - - - - - - - ", v[0],
                      Stress());
            EchoValue(echo, "Rate of increase in strength below profile line - - - - - - ", v[1],
                      Cpp_KlivenSettings::UnitWeightDecimals());
        }
        return true;
    case 3:
        if (!ReadValues(
                input, r, 3, Msg::Message3060,
                [n](int c, const std::string& l) { return Msg::Message3260(n, c, 3, l); }, n))
            return false;
        v = r.values.data();
        s.referenceElevation_ = v[0];
        s.strength_ = v[1];
        s.rate_ = v[2];
        if (echo) {
            PrintBlankLines(1);
            PrintText("LINEAR STRENGTH INCREASE BELOW HORIZONTAL REFERENCE", true);
            EchoValue(echo, "Elevation (Y) of horizontal reference - - - - - - - - ", v[0],
                      Cpp_KlivenSettings::CoordinateDecimals());
            EchoValue(echo, "Strength at reference elevation - - - - - - - - - - - ", v[1],
                      Stress());
            EchoValue(echo, "Increase in strength below horizontal reference - - - ", v[2],
                      Cpp_KlivenSettings::UnitWeightDecimals());
        }
        return true;
    case 4:
        if (!ReadValues(
                input, r, 4, Msg::Message3030,
                [n](int c, const std::string& l) { return Msg::Message3230(n, c, 4, l); }, n))
            return false;
        v = r.values.data();
        s.cOverP_ = v[0];
        s.cZero_ = v[1];
        s.minimum_ = v[2];
        s.maximum_ = v[3];
        if (echo) {
            PrintBlankLines(1);
            PrintText("SHEAR STRENGTHS COMPUTED FROM CONSTANT C-OVER-P RATIO\n");
            EchoValue(echo, "C/P ratio  - - - - - - - - - - - - - - - - - - ", v[0],
                      Cpp_KlivenSettings::CpRatioDecimals());
            EchoValue(echo, "C-zero (Intercept value) - - - - - - - - - - - ", v[1], Stress());
            EchoValue(echo, "Minimum strength - - - - - - - - - - - - - - - ", v[2], Stress());
            EchoValue(echo, "Maximum strength - - - - - - - - - - - - - - - ", v[3], Stress());
        }
        return true;
    case 6:
        // Refused: the record keeps no option, so that it is not written back in a form that
        // fails again.
        s.Reset();
        Msg::Message3190(n);
        return false;
    case 9:
        if (!ReadValues(
                input, r, 2, Msg::Message3070Strengths,
                [n](int c, const std::string& l) { return Msg::Message3280(n, c, l); }, n))
            return false;
        v = r.values.data();
        s.minimum_ = v[0];
        s.maximum_ = v[1];
        if (echo) {
            PrintBlankLines(1);
            PrintText("Shear Strengths Computed by Interpolating Shear Strength Values\n");
            if (v[0] >= v[1]) {
                PrintText("No Minimum Interpolated Strength Specified", true);
                PrintText("No Maximum Interpolated Strength Specified", true);
                PrintNewLine();
            } else {
                EchoValue(echo, "Minimum interpolated strength allowed - - - - - - - - ", v[0],
                          Stress());
                EchoValue(echo, "Maximum interpolated strength allowed - - - - - - - - ", v[1],
                          Stress());
            }
        }
        return true;
    case 11:
        if (!ReadValues(
                input, r, 4, Msg::Message3100,
                [n](int c, const std::string& l) { return Msg::Message3300(n, c, l); }, n))
            return false;
        v = r.values.data();
        s.d1_ = v[0];
        s.psi1_ = DegreesToRadians(v[1]);
        s.d2_ = v[2];
        s.psi2_ = DegreesToRadians(v[3]);
        if (echo) {
            PrintBlankLines(1);
            PrintText("---- 2-STAGE STRENGTHS FOR SECOND STAGE OF COMPUTATIONS\n");
            PrintBlankLines(1);
            PrintText("Kc = 1 ENVELOPE:\n");
            EchoValue(echo, "     Intercept of envelope (\"d\") - - - - - - - - ", v[0], Stress());
            EchoValue(echo, "     Slope of envelope (\"psi\") - - - - - - - - - ", v[1], Angle(),
                      " (degrees)\n");
            PrintText("Kc = Kf ENVELOPE:\n");
            EchoValue(echo, "     Intercept of envelope (\"d\") - - - - - - - - ", v[2], Stress());
            EchoValue(echo, "     Slope of envelope (\"psi\") - - - - - - - - - ", v[3], Angle(),
                      " (degrees)\n");
        }
        return true;
    case 13:
        if (echo) {
            PrintBlankLines(1);
            PrintText("SHEAR STRENGTH IS VERY LARGE (INFINITE)", true);
        }
        return true;
    case 5:
        if (echo) {
            PrintBlankLines(1);
            PrintText("     ---- ANISOTROPIC SHEAR STRENGTHS ----", true);
            PrintText("     Failure Plane                Friction", true);
            PrintText("      Orientation     Cohesion     Angle", true);
            PrintText("       (degrees)                  (degrees)", true);
            PrintBlankLines(1);
        }
        break;
    default: break;
    }

    // Point options: number lines until a blank line.
    int stored = 0;
    bool titled = false;
    for (;;) {
        r = s_InputLineType{};
        r.maxValues = 0;
        if (!ReadNumberLine(input, r)) {
            if (s.option_ == 5) Msg::Message3020(n);
            if (s.option_ == 7) Msg::Message3080(n);
            if (s.option_ == 12) Msg::Message3110(n);
            return false;
        }
        if (r.blankLine) return true;
        if (r.numValues == 0) {
            if (s.option_ == 5) Msg::Message3200(n, r.text);
            if (s.option_ == 7) Msg::Message3210(n, r.text);
            if (s.option_ == 12) Msg::Message3220(n, r.text);
            return false;
        }
        v = r.values.data();
        const int count = r.numValues;
        if (s.option_ == 5) {
            for (int i = 0; i + 3 <= count; i += 3) {
                if (stored >= MaximumStrengthPoints) {
                    Msg::Message3400(n, MaximumStrengthPoints, r.text);
                    return false;
                }
                s.AddAnisotropicPoint(v[i], v[i + 1], v[i + 2]);
                ++stored;
                if (echo) {
                    PrintSpaces(5);
                    PrintDouble(v[i], 10, Angle());
                    PrintDouble(v[i + 1], 15, Stress());
                    PrintDouble(v[i + 2], 11, Angle(), true);
                }
            }
            if (count % 3 != 0) {
                Msg::Message3120(n, count, 3, r.text);
                return false;
            }
        } else {
            const int per = s.option_ == 7 ? 2 : 3;
            if (echo && !titled) {
                titled = true;
                PrintBlankLines(1);
                if (s.option_ == 7) {
                    PrintText("---- GENERAL NONLINEAR SHEAR STRENGTH ENVELOPE ----", true);
                    PrintText("     Point     Normal Stress     Shear Stress", true);
                } else {
                    PrintText("---- 2-STAGE STRENGTHS FOR SECOND STAGE OF COMPUTATIONS ----\n");
                    PrintText("--------------- NONLINEAR STRENGTH ENVELOPES ---------------\n");
                    PrintText(
                        "          Normal Stress on     Kc = 1 Envelope    Kc = Kf Envelope\n");
                    PrintText("          Failure Plane at\n");
                    PrintText("           Consolidation\n");
                }
                PrintBlankLines(1);
            }
            for (int i = 0; i + per <= count; i += per) {
                if (stored >= MaximumStrengthPoints) {
                    if (s.option_ == 7)
                        Msg::Message3410(n, MaximumStrengthPoints, r.text);
                    else
                        Msg::Message3430(n, MaximumStrengthPoints, r.text);
                    return false;
                }
                ++stored;
                if (s.option_ == 7) {
                    s.AddNonlinearPoint(v[i], v[i + 1]);
                    if (echo) {
                        PrintSpaces(5);
                        PrintInteger(stored, 3);
                        PrintDouble(v[i], 20, Stress());
                        PrintDouble(v[i + 1], 17, Stress(), true);
                    }
                } else {
                    s.AddTwoStageNonlinearPoint(v[i], v[i + 1], v[i], v[i + 2]);
                    if (echo) {
                        PrintInteger(stored, 4);
                        PrintDouble(v[i], 18, Stress());
                        PrintDouble(v[i + 1], 21, Stress());
                        PrintDouble(v[i + 2], 19, Stress(), true);
                    }
                }
            }
            if (count % per != 0) {
                if (s.option_ == 7)
                    Msg::Message3130(n, count, r.text);
                else
                    Msg::Message3140(n, count, 3, r.text);
                return false;
            }
        }
    }
}
