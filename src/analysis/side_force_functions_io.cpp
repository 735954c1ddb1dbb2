// Reading and checking the side-force functions.

#include "analysis/analysis_messages.h"
#include "analysis/number_text.h"
#include "analysis/side_force_functions.h"
#include "core/data_error_output.h"
#include "core/echo_lines.h"
#include "core/echo_writer.h"
#include "core/input_lines.h"

using analysis_convert::ToInt;
using E = Cpp_AnalysisDataErrors;

namespace {

// Pairs x, f(x) until a blank line or a line without numbers. f selects the f(x) wording of
// the messages. False after a message.
bool ReadCustomPoints(std::FILE* file, bool echo, const char* heading,
                      std::vector<s_SideForcePointType>& points) {
    if (echo) echo::Indented(32, heading);
    while (true) {
        s_InputLineType rec;
        if (!ReadNumberLine(file, rec)) return E::Error6100(true), false;
        if (rec.numValues == 0) break;
        if (rec.numValues == 1) return E::Error6640(true, rec.numValues, rec.text), false;
        if (rec.numValues % 2 != 0) return E::Error6060(true, rec.numValues, rec.text), false;
        for (int i = 0; i + 1 < rec.numValues; i += 2) {
            points.push_back({rec.values[i], 0.0, rec.values[i + 1]});
            if (echo) {
                PrintSpaces(25);
                PrintText(analysis_text::Fixed(rec.values[i], 10, 2) + " " +
                              analysis_text::Fixed(rec.values[i + 1], 10, 3),
                          true);
            }
        }
    }
    if (points.empty()) return E::Error6640(true, 0, ""), false;
    return true;
}

}  // namespace

bool Cpp_SideForceFunctions::ReadInputChenAndMorgenstern(std::FILE* file, std::FILE* echoFile,
                                                         bool echo) {
    Clear();
    kind_ = kChenMorgenstern;
    Cpp_DataErrorOutput::SetErrorFile(echoFile);
    s_InputLineType rec;
    rec.maxValues = 2;
    if (!ReadNumberLine(file, rec)) return E::Error6000(true, ""), false;
    if (rec.numValues == 0) return E::Error6010(true, rec.text), false;
    int option = -1;
    if (!ToInt(rec.values[0], option) || option < 0 || option > 3)
        return E::Error6020(true, rec.text), false;
    chenF_ = option;
    static const char* const names[4] = {"f(x) is half sine", "f(x) is full sine",
                                         "f(x) is (1 - cosine)", "Custom f(x)"};
    if (echo) echo::Line(names[option]);
    if (option <= 2) {
        s_InputLineType a;
        if (!ReadNumberLine(file, a) || a.numValues != 1) return E::Error6120(a.text), false;
        amplitude_ = a.values[0];
        if (echo) echo::Value("Amplitude of f(x) = ", amplitude_, 4);
    } else {
        if (!ReadCustomPoints(file, echo, "X         f(x)", custom_)) return false;
        ComputeRelativeX();
    }

    s_InputLineType g;
    g.maxValues = 5;
    if (!ReadNumberLine(file, g)) return E::Error6000(false, ""), false;
    if (g.numValues == 0) return E::Error6010(false, g.text), false;
    int gOption = -1;
    if (!ToInt(g.values[0], gOption) || gOption < 0 || gOption > 3)
        return E::Error6020(false, g.text), false;
    chenG_ = gOption;
    leftGiven_ = rightGiven_ = false;
    leftValue_ = rightValue_ = 0.0;
    if (g.numValues == 5) {
        int leftFlag = 0, rightFlag = 0;
        if (!ToInt(g.values[1], leftFlag) || !ToInt(g.values[3], rightFlag))
            return E::Error6020(false, g.text), false;
        SetLeftEnd(leftFlag != 0, g.values[2]);
        SetRightEnd(rightFlag != 0, g.values[4]);
    }
    if (gOption == 1 || gOption == 2) {
        if (echo) echo::Line(gOption == 1 ? "g(x) is half sine" : "g(x) is full sine");
        s_InputLineType a;
        if (!ReadNumberLine(file, a)) return E::Error6130(""), false;
        if (a.numValues == 0) return E::Error6660(a.numValues, a.text), false;
        gAmplitude_ = a.values[0];
        if (echo) echo::Value("Amplitude for g(x): ", gAmplitude_, 3);
    } else if (gOption == 0 && echo) {
        echo::Line("g(x) is linear");
    }
    return true;
}

bool Cpp_SideForceFunctions::ReadInputMorgensternAndPrice(std::FILE* file, std::FILE* echoFile,
                                                          bool echo) {
    Clear();
    kind_ = kMorgensternPrice;
    Cpp_DataErrorOutput::SetErrorFile(echoFile);
    s_InputLineType rec;
    if (!ReadNumberLine(file, rec)) return E::Error6300(""), false;
    if (rec.numValues == 0) return E::Error6310(rec.text), false;
    int option = -1;
    if (!ToInt(rec.values[0], option) || option < 0 || option > 11)
        return E::Error6320(rec.text), false;
    priceF_ = option;
    static const char* const names[12] = {
        "f(x) is constant",
        "f(x) = linear function ",
        "f(x) = trapezoid function",
        "f(x) = half-sine function",
        "f(x) = clipped-sine function",
        "f(x) = 1 - cosine function",
        "f(x) = clipped-bell function",
        "f(x) = trapezoid + half-sine function",
        "f(x) = cosine interpolation",
        "Custom f(x) - x values are absolute",
        "Custom f(x) - starts and ends at ends of shear surface",
        "f(x) = function of change in slope of slip surface",
    };
    if (echo) echo::Indented(5, names[option]);

    int needed = 0;
    switch (option) {
    case 1:
    case 2:
    case 4:
    case 6:
    case 8:
    case 11: needed = 2; break;
    case 7: needed = 3; break;
    case 9:
    case 10:
        if (!ReadCustomPoints(file, echo, "X        f(x)", custom_)) return false;
        ComputeRelativeX();
        return true;
    default: return true;
    }
    s_InputLineType p;
    if (!ReadNumberLine(file, p)) return E::Error6680(0, ""), false;
    if (p.numValues < needed) return E::Error6680(p.numValues, p.text), false;
    auto echoValue = [echo](const char* label, double v) {
        if (!echo) return;
        PrintSpaces(10);
        echo::Value(label, v, 3);
    };
    if (option == 2) {
        parameters_[2] = p.values[0];
        parameters_[3] = p.values[1];
        echoValue("x for second point on trapezoid: ", parameters_[2]);
        echoValue("x for third point on trapezoid: ", parameters_[3]);
    } else if (option == 11) {
        slope_[0] = p.values[0];
        slope_[1] = p.values[1];
        echoValue("f(x) constant: ", slope_[0]);
        echoValue("Maximum delta slope of slip surface: ", slope_[1]);
    } else {
        parameters_[0] = p.values[0];
        parameters_[1] = p.values[1];
        echoValue("f(x) at left end: ", parameters_[0]);
        echoValue("f(x) at right end: ", parameters_[1]);
        if (option == 7) {
            amplitude_ = p.values[2];
            echoValue("f(x) amplitude: ", amplitude_);
        }
    }
    return true;
}

bool Cpp_SideForceFunctions::Check(std::FILE* errorFile) const {
    Cpp_DataErrorOutput::SetErrorFile(errorFile);
    if (chenF_ != 3 || custom_.empty()) return true;
    bool ok = true;
    if (custom_.front().x != 0.0) {
        E::Error7010(true, custom_.front().x);
        ok = false;
    }
    if (custom_.back().x != 1.0) {
        E::Error7010(false, custom_.back().x);
        ok = false;
    }
    return ok;
}
