#pragma once
// The numbered messages about the slope geometry (5000-5230). Reading messages carry the frame
// line "ERROR IN SLOPE_GEOMETRY INPUT DATA."; check messages take the pending block title first.
// 5150 and 5210 return false, every other one true.

#include <string>

class Cpp_SlopeMessages {
public:
    static bool NonBlankTermination5000(const std::string& input);
    static bool OddNumberOfValues5020(long values, const std::string& input);
    static bool EndOfFile5030();
    static bool BadProfileData5100();
    static bool NoProfileData5150();
    static bool TooFewProfilePoints5210();
    static bool NoSurfaceElevation5220(double x);
    static bool CrackBottomIntersectsSlope5230(int i, int j, double xi, double yi, double xj,
                                               double yj, double x1, double y1, double x2,
                                               double y2);
};
