#include "loads/nail_layout.h"

#include <cmath>

namespace {
// Integer part plus 1 when the fraction is at least 0.5; negative values truncate toward zero.
double RoundUpHalf(double x) {
    const double whole = std::trunc(x);
    if (x < 0.0) return whole;
    return x - whole >= 0.5 ? whole + 1.0 : whole;
}
}  // namespace

bool Cpp_NailLayout::GetSpacingAndCount(double& s, int& n) const {
    const double highest = topOfSlope - distanceFromTop;
    const double lowest = bottomOfSlope + distanceFromBottom;
    switch (verticalOption) {
    case ByTopCountSpacing:
    case ByBottomCountSpacing:
        s = verticalSpacing;
        n = numberOfNails;
        return true;
    case ByTopBottomCount:
        if (numberOfNails < 1) return false;
        n = numberOfNails;
        s = n > 1 ? (highest - lowest) / (n - 1) : 0.0;
        return true;
    case ByTopBottomSpacing:
        if (!(verticalSpacing > 0.0)) return false;
        s = verticalSpacing;
        n = static_cast<int>(RoundUpHalf((highest - lowest) / s)) + 1;
        return true;
    default: return false;
    }
}

bool Cpp_NailLayout::GetTopNailElevation(double& y) const {
    double s = 0.0;
    int n = 0;
    if (!GetSpacingAndCount(s, n)) return false;
    if (verticalOption == ByBottomCountSpacing)
        y = bottomOfSlope + distanceFromBottom + (n - 1) * s;
    else
        y = topOfSlope - distanceFromTop;
    return true;
}

double Cpp_NailLayout::GetHorizontalSpacing() const {
    if (!sameAsVertical) return horizontalSpacing;
    double s = 0.0;
    int n = 0;
    return GetSpacingAndCount(s, n) ? s : 0.0;
}

double Cpp_NailLayout::GetInclination() const { return inclination * std::atan(1.0) / 45.0; }

void Cpp_NailLayout::WriteKLIVEN4InputDataFile(std::FILE* file) const {
    std::fprintf(file, "          %1d\n", propertySet);
    std::fprintf(file, "          %1d\n", facing);
    if (sameAsVertical)
        std::fprintf(file, "          1 0.0\n");
    else
        std::fprintf(file, "          0 %15.8e\n", horizontalSpacing);
    std::fprintf(file, "          %1d\n", verticalOption);
    std::fprintf(file, "          %1d\n", numberOfNails);
    std::fprintf(file, "  %15.8e  %15.8e  %15.8e  %15.8e  %15.8e\n", verticalSpacing, topOfSlope,
                 distanceFromTop, bottomOfSlope, distanceFromBottom);
    std::fprintf(file, "  %15.8e  %15.8e\n", inclination, nailLength);
}

s_NailLayoutPage Cpp_NailLayout::ToDialogData() const {
    s_NailLayoutPage page;
    page.nailType = propertySet;
    if (propertySet < 1) return page;
    page.face = facing;
    page.unit = dialogLengthUnit;
    page.sameAsVertical = sameAsVertical;
    page.horizontalSpacing = horizontalSpacing;
    page.option = verticalOption;
    page.numberOfNails = numberOfNails;
    page.verticalSpacing = verticalSpacing;
    page.topY = topOfSlope;
    page.topDistance = distanceFromTop;
    page.bottomY = bottomOfSlope;
    page.bottomDistance = distanceFromBottom;
    page.inclination = inclination;
    page.length = nailLength;
    return page;
}

void Cpp_NailLayout::FromDialogData(const s_NailLayoutPage& page) {
    propertySet = page.nailType;
    if (page.nailType <= 0) return;
    facing = page.face;
    dialogLengthUnit = page.unit;
    sameAsVertical = page.sameAsVertical;
    horizontalSpacing = page.sameAsVertical ? 0.0 : page.horizontalSpacing;
    verticalOption = page.option;
    numberOfNails = page.numberOfNails;
    verticalSpacing = page.verticalSpacing;
    topOfSlope = page.topY;
    distanceFromTop = page.topDistance;
    bottomOfSlope = page.bottomY;
    distanceFromBottom = page.bottomDistance;
    inclination = page.inclination;
    nailLength = page.length;
}
