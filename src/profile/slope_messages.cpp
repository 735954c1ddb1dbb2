#include "profile/slope_messages.h"

#include "core/data_error_output.h"

namespace {

using Out = Cpp_DataErrorOutput;
const char* const kFrame = "ERROR IN SLOPE_GEOMETRY INPUT DATA.";
const char* const kGap =
    "There may be a gap in profile line data - Not able to generate slope geometry";

}  // namespace

bool Cpp_SlopeMessages::NonBlankTermination5000(const std::string& input) {
    Out::BeginReading(5000, 0, kFrame);
    Out::AddString("Non-blank termination of data for slope points.");
    Out::AddString("A blank line is required to terminate the slope geometry data.");
    return Out::FinishWithInputLine(input);
}

bool Cpp_SlopeMessages::OddNumberOfValues5020(long values, const std::string& input) {
    Out::BeginReading(5020, 0, kFrame);
    Out::AddString("Wrong number of values for coordinates for slope line.");
    Out::AddLine("%1ld value(s) was/were entered - even multiples of 2 values are required.",
                 values);
    return Out::FinishWithInputLine(input);
}

bool Cpp_SlopeMessages::EndOfFile5030() {
    // Slope points belong to no numbered line: the line-number place shows the slope line's 1.
    Out::BeginReading(5030, 0, kFrame);
    Out::AddLine("Bad line of data for points on profile line number %1ld", 1L);
    return Out::Finish();
}

bool Cpp_SlopeMessages::BadProfileData5100() {
    Out::BeginCheck(5100, 0);
    Out::AddString("Bad profile line data - unable to generate slope geometry.");
    return Out::Finish();
}

bool Cpp_SlopeMessages::NoProfileData5150() {
    Out::BeginCheck(5150, 0);
    Out::AddString("No profile line data - unable to generate slope geometry.");
    Out::Finish();
    return false;
}

bool Cpp_SlopeMessages::TooFewProfilePoints5210() {
    Out::BeginCheck(5210, 0);
    Out::AddString("Too few profile line points to generate slope geometry.");
    Out::Finish();
    return false;
}

bool Cpp_SlopeMessages::NoSurfaceElevation5220(double x) {
    Out::BeginCheck(5220, 0);
    Out::AddLine("Could not find a y value for the surface profile at x = %1.5f", x);
    Out::AddString(kGap);
    return Out::Finish();
}

bool Cpp_SlopeMessages::CrackBottomIntersectsSlope5230(int i, int j, double xi, double yi,
                                                       double xj, double yj, double x1, double y1,
                                                       double x2, double y2) {
    Out::BeginCheck(5230, 0);
    Out::AddLine(
        "Profile of the bottom of the crack intersects the slope between points %1d and %1d", i, j);
    Out::AddLine("Slope point %1d is at X = %1.4f, Y = %1.4f", i, xi, yi);
    Out::AddLine("Slope point %1d is at X = %1.4f, Y = %1.4f", j, xj, yj);
    Out::AddLine("First point on crack bottom profile is at X = %1.4f, Y = %1.4f", x1, y1);
    Out::AddLine("Second point on crack bottom profile is at X = %1.4f, Y = %1.4f", x2, y2);
    Out::AddString(kGap);
    return Out::Finish();
}
