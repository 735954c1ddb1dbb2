#include "analysis/side_force_functions.h"

#include <ostream>

#include "analysis/number_text.h"

using analysis_text::DecimalsToKeep;
using analysis_text::Fixed;
using analysis_text::Integer;

namespace {

// "%10.3f", widened to the decimals that keep the value.
std::string Value10(double v) { return Fixed(v, 10, DecimalsToKeep(v, 3)); }
// "%1.5f", likewise.
std::string AmplitudeText(double v) { return Fixed(v, 1, DecimalsToKeep(v, 5)); }

void WriteCustomPoints(std::ostream& out, const std::vector<s_SideForcePointType>& points) {
    for (const auto& p : points) out << "          " << Value10(p.x) << " " << Value10(p.f) << "\n";
    out << "\n";
}

const char* const kPriceTexts[12] = {
    " = f(x) is constant",
    " = f(x) is linear function",
    " = f(x) is a trapezoidal function",
    " = f(x) is half sine",
    " = f(x) is a clipped-sine function",
    " = f(x) is 1 - cosine",
    " = f(x) is a clipped-bell function",
    " = f(x) is trapezoid + half sine",
    " = f(x) is cosine interpolation",
    " = f(x) is custom - absolute coordinates",
    " = f(x) is custom",
    " = f(x) is function of change in slope of slip surface",
};

}  // namespace

void Cpp_SideForceFunctions::Clear() {
    kind_ = kNone;
    chenF_ = chenG_ = priceF_ = -1;
    custom_.clear();
    second_.clear();
}

void Cpp_SideForceFunctions::ForgetPointLists() {
    custom_.clear();
    second_.clear();
}

void Cpp_SideForceFunctions::AddCustomPoint(double x, double f) { custom_.push_back({x, 0.0, f}); }

void Cpp_SideForceFunctions::ComputeRelativeX() {
    if (custom_.empty()) return;
    const double first = custom_.front().x;
    const double span = custom_.back().x - first;
    for (auto& p : custom_) p.relativeX = span != 0.0 ? (p.x - first) / span : 0.0;
}

bool Cpp_SideForceFunctions::WriteInputChenAndMorgenstern(std::ostream& out) const {
    switch (chenF_) {
    case 0:
    case 1:
    case 2: {
        static const char* const texts[3] = {" = f(x) is half-sine", " = f(x) is full-sine",
                                             " = f(x) is 1 - cosine"};
        out << "          " << Integer(chenF_, 1) << texts[chenF_] << "\n";
        out << "               " << AmplitudeText(amplitude_) << "\n";
        break;
    }
    case 3:
        out << "          3 = f(x) is custom\n";
        WriteCustomPoints(out, custom_);
        break;
    default: return false;
    }
    switch (chenG_) {
    case 0:
        if (!leftGiven_ && !rightGiven_) {
            out << "          0 = g(x) is linear\n";
        } else {
            out << "          0" << Integer(leftGiven_ ? 1 : 0, 5) << " "
                << Fixed(leftValue_, 15, DecimalsToKeep(leftValue_, 9))
                << Integer(rightGiven_ ? 1 : 0, 5) << " "
                << Fixed(rightValue_, 15, DecimalsToKeep(rightValue_, 9)) << " = g(x) is linear\n";
        }
        return true;
    case 1:
    case 2:
        out << "          " << Integer(chenG_, 1)
            << (chenG_ == 1 ? " = g(x) is half-sine" : " = g(x) is full-sine") << "\n";
        out << "               " << AmplitudeText(gAmplitude_) << "\n";
        return true;
    case 3: out << "          3 = g(x) is half-cosine\n"; return true;
    default: return false;
    }
}

bool Cpp_SideForceFunctions::WriteInputMorgensternAndPrice(std::ostream& out) const {
    if (priceF_ < 0 || priceF_ > 11) return false;
    out << "          " << Integer(priceF_, 1) << kPriceTexts[priceF_] << "\n";
    switch (priceF_) {
    case 1:
    case 4:
    case 6:
    case 8:
        out << "               " << Value10(parameters_[0]) << " " << Value10(parameters_[1])
            << "\n";
        break;
    case 2:
        out << "               " << Value10(parameters_[2]) << " " << Value10(parameters_[3])
            << "\n";
        break;
    case 7:
        out << "               " << Value10(parameters_[0]) << " " << Value10(parameters_[1]) << " "
            << Value10(amplitude_) << "\n";
        break;
    case 9:
    case 10: WriteCustomPoints(out, custom_); break;
    case 11:
        out << "               " << Value10(slope_[0]) << " " << Value10(slope_[1]) << "\n";
        break;
    default: break;
    }
    return true;
}
