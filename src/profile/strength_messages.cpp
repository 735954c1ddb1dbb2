#include "profile/strength_messages.h"

#include "core/data_error_output.h"

namespace {

using Out = Cpp_DataErrorOutput;
constexpr int errorKind = 0;
constexpr int warningKind = 1;
const char* const frameLine = "ERROR IN MATERIAL (SHEAR STRENGTH) INPUT DATA";

void Reading(long number) { Out::BeginReading(number, errorKind, frameLine); }
bool WithLine(const std::string& line) {
    Out::FinishWithInputLine(line);
    return true;
}
bool Done() {
    Out::Finish();
    return true;
}

}  // namespace

bool Cpp_StrengthMessages::Message3010(long n, char a, char b, const std::string& line) {
    Reading(3010);
    Out::AddLine("Shear strength option for material number %ld could not be determined", n);
    Out::AddLine("from the following character or pair of characters: %c %c", a, b);
    return WithLine(line);
}

bool Cpp_StrengthMessages::Message3020(long n) {
    Reading(3020);
    Out::AddLine("Bad line of data for anisotropic shear strengths for material number %1ld.", n);
    return Done();
}

bool Cpp_StrengthMessages::Message3030(long n) {
    Reading(3030);
    Out::AddString("Bad line of data for shear strengths defined by a constant");
    Out::AddLine(" c/p ratio for material number: %d", static_cast<int>(n));
    return Done();
}

bool Cpp_StrengthMessages::Message3040(long n) {
    Reading(3040);
    Out::AddLine("Bad line of data for conventional shear strengths for material number: %ld", n);
    return Done();
}

bool Cpp_StrengthMessages::Message3050(long n) {
    Reading(3050);
    Out::AddString("Bad line of data for shear strengths increasing linearly below");
    Out::AddLine("the profile line for material number: %d", static_cast<int>(n));
    return Done();
}

bool Cpp_StrengthMessages::Message3060(long n) {
    Reading(3060);
    Out::AddString("Bad line of data for shear strengths increasing linearly below");
    Out::AddLine("horizontal reference for material number: %d", static_cast<int>(n));
    return Done();
}

bool Cpp_StrengthMessages::Message3070Strengths(long n) {
    Reading(3070);
    Out::AddString("Bad line of data for shear strengths defined by interpolation");
    Out::AddLine(" of strengths from scattered points for material number: %d",
                 static_cast<int>(n));
    return Done();
}

bool Cpp_StrengthMessages::Message3080(long n) {
    Reading(3080);
    Out::AddLine("Bad line of data for nonlinear failure envelope for material number %1ld.", n);
    return Done();
}

bool Cpp_StrengthMessages::Message3100(long n) {
    Reading(3100);
    Out::AddLine("Bad line of data for 2-stage linear strength envelopes for material number %1ld",
                 n);
    return Done();
}

bool Cpp_StrengthMessages::Message3110(long n) {
    Reading(3110);
    Out::AddLine("Bad line of data for 2-stage nonlinear envelope for material %ld.", n);
    return Done();
}

bool Cpp_StrengthMessages::Message3120(long n, long count, long multiple, const std::string& line) {
    Reading(3120);
    Out::AddString("Not enough numerical values were input to define a line of anisotropic");
    Out::AddLine("shear strength data for material number %1ld.", n);
    Out::AddLine("%ld values were input; even multiples of %ld are required.", count, multiple);
    return WithLine(line);
}

bool Cpp_StrengthMessages::Message3130(long n, long count, const std::string& line) {
    Reading(3130);
    Out::AddString("Not enough numerical values were input to define a line of nonlinear");
    Out::AddLine("envelope data for material number %1ld.", n);
    Out::AddLine("%ld values were input; even multiples of 2 are required.", count);
    return WithLine(line);
}

bool Cpp_StrengthMessages::Message3140(long n, int count, int multiple, const std::string& line) {
    Reading(3140);
    Out::AddString("Not enough numerical values were input to define a line of 2-Stage");
    Out::AddLine("nonlinear envelope data for material number %1ld.", n);
    Out::AddLine("%d values were input; even multiples of %d are required.", count, multiple);
    return WithLine(line);
}

bool Cpp_StrengthMessages::Message3190(long n) {
    Reading(3190);
    Out::AddString("A nonlinear shear strength (failure) envelope is not");
    Out::AddString("available in this version of KLIVEN.  A nonlinear");
    Out::AddLine("shear strength envelope was specified for material number: %ld", n);
    return Done();
}

bool Cpp_StrengthMessages::Message3200(long n, const std::string& line) {
    Reading(3200);
    Out::AddLine("Non-blank termination of anisotropic strength data for material number %1ld.", n);
    return WithLine(line);
}

bool Cpp_StrengthMessages::Message3210(long n, const std::string& line) {
    Reading(3210);
    Out::AddLine("Bad data for coordinates for nonlinear envelope for material %1ld", n);
    Out::AddString("Must either be multiples of 2 or blank line to terminate.");
    return WithLine(line);
}

bool Cpp_StrengthMessages::Message3220(long n, const std::string& line) {
    Reading(3220);
    Out::AddString("Non-blank termination of data for nonlinear envelope for two-stage");
    Out::AddLine("shear strengths for material number %1ld.", n);
    return WithLine(line);
}

bool Cpp_StrengthMessages::Message3230(int n, int count, int required, const std::string& line) {
    Reading(3230);
    Out::AddString("Not enough numerical values were input to define the shear strength when the");
    Out::AddLine("shear strength is defined by a constant c/p ratio for material number %d", n);
    Out::AddLine("%d values were input; %d value is required.", count, required);
    return WithLine(line);
}

bool Cpp_StrengthMessages::Message3240(int n, int count, int required, const std::string& line) {
    Reading(3240);
    Out::AddString("Not enough numerical values were input to define the conventional");
    Out::AddLine("Shear strengths for material number %d", n);
    Out::AddLine("%d values were input; %d value is required.", count, required);
    return WithLine(line);
}

bool Cpp_StrengthMessages::Message3250(long n, long count, long required, const std::string& line) {
    Reading(3250);
    Out::AddString("Not enough numerical values were input to define the shear strength when the");
    Out::AddLine("shear strength increases linearly below the profile line for material number %ld",
                 n);
    Out::AddLine("%ld values were input; %ld value is required.", count, required);
    return WithLine(line);
}

bool Cpp_StrengthMessages::Message3260(int n, int count, int required, const std::string& line) {
    Reading(3260);
    Out::AddString("Not enough numerical values were input to define the shear strength when");
    Out::AddString("the shear strength increases linearly below a horizontal reference datum ");
    Out::AddLine("for material number %d.  %d values were input; %d value is required.", n, count,
                 required);
    return WithLine(line);
}

bool Cpp_StrengthMessages::Message3280(int n, int count, const std::string& line) {
    Reading(3280);
    Out::AddString("Not enough numerical values were input to define the shear strength when");
    Out::AddString("the shear strength is defined by interpolation of strength values for ");
    Out::AddLine("material number %d.  %d value(s) was(were) input; 2 values are required.", n,
                 count);
    return WithLine(line);
}

bool Cpp_StrengthMessages::Message3300(long n, long count, const std::string& line) {
    Reading(3300);
    Out::AddString("Not enough numerical values were input to define a line of");
    Out::AddLine("2-Stage nonlinear envelope data for material number %1ld.", n);
    Out::AddLine("%ld values were input; 4 values are required.", count);
    return WithLine(line);
}

bool Cpp_StrengthMessages::Message3400(long n, long maximum, const std::string& line) {
    Reading(3400);
    Out::AddString("Too many data points have been entered to define anisotropic");
    Out::AddLine("shear strengths for material number %1ld.", n);
    Out::AddLine("The maximum number allowed is %1ld.", maximum);
    return WithLine(line);
}

bool Cpp_StrengthMessages::Message3410(long n, long maximum, const std::string& line) {
    Reading(3410);
    Out::AddString("Too many data points have been entered to define the nonlinear failure");
    Out::AddLine("envelope for material number %1ld.  The maximum number allowed is %ld.", n,
                 maximum);
    return WithLine(line);
}

bool Cpp_StrengthMessages::Message3430(long n, long maximum, const std::string& line) {
    Reading(3430);
    Out::AddString("Too many data points have been entered to define 2-stage nonlinear");
    Out::AddLine("envelopes for material number %1ld.  The maximum number allowed is %ld.", n,
                 maximum);
    return WithLine(line);
}

bool Cpp_StrengthMessages::Message3450() {
    Reading(3450);
    Out::AddString("Unable to read characters that define the shear strength option.");
    return Done();
}

// Check messages.

bool Cpp_StrengthMessages::Message3490(long n, int s) {
    Out::BeginCheck(3490, errorKind);
    Out::AddString("Anisotropic cohesion points were out of order and could not be reversed");
    Out::AddLine("to obtain proper order - Material number %ld (Stage %1d).", n, s);
    return Done();
}

bool Cpp_StrengthMessages::Message3500(long n, int s) {
    Out::BeginCheck(3500, errorKind);
    Out::AddString("Anisotropic friction angle  points were out of order and could not be");
    Out::AddLine("reversed to obtain proper order - Material number %ld (Stage %1d).", n, s);
    return Done();
}

bool Cpp_StrengthMessages::Message3510(long n, int s) {
    Out::BeginCheck(3510, errorKind);
    Out::AddString("Points for nonlinear strength envelope were out of order and could not be");
    Out::AddLine("reversed to obtain proper order - Material number %ld (Stage %1d).", n, s);
    return Done();
}

bool Cpp_StrengthMessages::Message3520(long n) {
    Out::BeginCheck(3520, errorKind);
    Out::AddLine("Points are out-of-order for the nonlinear envelope for Kc = Kf, material %1ld",
                 n);
    return Done();
}

bool Cpp_StrengthMessages::Message3530(long n) {
    Out::BeginCheck(3530, errorKind);
    Out::AddLine("Points are out-of-order for the nonlinear envelope for Kc = 1, material %1ld", n);
    return Done();
}

bool Cpp_StrengthMessages::Message3550(long n, int s) {
    Out::BeginCheck(3550, errorKind);
    Out::AddLine("c/p ratio minimum strength exceeds maximum strength for material %ld - Stage %d",
                 n, s);
    return Done();
}

bool Cpp_StrengthMessages::Message3560(long n) {
    Out::BeginCheck(3560, errorKind);
    Out::AddLine("Negative cohesion value for material number %ld", n);
    return Done();
}

bool Cpp_StrengthMessages::Message3570(long n) {
    Out::BeginCheck(3570, errorKind);
    Out::AddLine("Negative friction angle for material number %ld", n);
    return Done();
}

bool Cpp_StrengthMessages::Message3580(long n) {
    Out::BeginCheck(3580, errorKind);
    Out::AddString("Negative intercept or slope for linear Two-Stage strength envelope");
    Out::AddLine("for Kc = Kfailure - Material number %ld.", n);
    return Done();
}

bool Cpp_StrengthMessages::Message3590(long n) {
    Out::BeginCheck(3590, errorKind);
    Out::AddString("Negative intercept or slope for linear Two-Stage strength envelope");
    Out::AddLine("for Kc = unity (1.0) - Material number %ld.", n);
    return Done();
}

bool Cpp_StrengthMessages::Message3600(long n, int s) {
    Out::BeginCheck(3600, errorKind);
    Out::AddLine("No shear strength characterization option for material number %ld (Stage %1d).",
                 n, s);
    Out::AddString("Material property data may be missing for this stage");
    return Done();
}

bool Cpp_StrengthMessages::Message3610(long n, int s) {
    Out::BeginCheck(3610, errorKind);
    Out::AddLine("Not enough points for anisotropic cohesion for material number %ld (Stage %1d).",
                 n, s);
    return Done();
}

bool Cpp_StrengthMessages::Message3620(long n, int s) {
    Out::BeginCheck(3620, errorKind);
    Out::AddString("Not enough points to define the anisotropic friction angle");
    Out::AddLine("for material number %ld (Stage %1d).", n, s);
    return Done();
}

bool Cpp_StrengthMessages::Message3630(long n, int s) {
    Out::BeginCheck(3630, errorKind);
    Out::AddString("Not enough points for the nonlinear shear strength envelope");
    Out::AddLine("for material number %ld (Stage %1d).", n, s);
    return Done();
}

bool Cpp_StrengthMessages::Message3640(long n) {
    Out::BeginCheck(3640, errorKind);
    Out::AddLine("Not enough points on the nonlinear envelope for Kc = Kf for material %1ld", n);
    return Done();
}

bool Cpp_StrengthMessages::Message3650(long n) {
    Out::BeginCheck(3650, errorKind);
    Out::AddLine("Not enough points on the nonlinear envelope for Kc = 1 for material %1ld", n);
    return Done();
}

bool Cpp_StrengthMessages::Message3660(long n, int s) {
    Out::BeginCheck(3660, errorKind);
    Out::AddString("Anisotropic cohesion points were out of order and the");
    Out::AddLine("order was reversed - Material number %ld (Stage %1d).", n, s);
    return Done();
}

bool Cpp_StrengthMessages::Message3670(long n, int s) {
    Out::BeginCheck(3670, errorKind);
    Out::AddString("Anisotropic friction angle points were out of order and");
    Out::AddLine("the order was reversed - Material number %ld (Stage %1d).", n, s);
    return Done();
}

bool Cpp_StrengthMessages::Message3680(long n, int s) {
    Out::BeginCheck(3680, errorKind);
    Out::AddString("Points for nonlinear strength envelope were out of order and");
    Out::AddLine("the order was reversed - Material number %ld (Stage %1d).", n, s);
    return Done();
}

bool Cpp_StrengthMessages::Message3690(long n) {
    Out::BeginCheck(3690, errorKind);
    Out::AddString("Points were out-of-order and reversed for the nonlinear envelope");
    Out::AddLine("for Kc = Kf, material %1ld", n);
    return Done();
}

bool Cpp_StrengthMessages::Message3700(long n) {
    Out::BeginCheck(3700, errorKind);
    Out::AddString("Points were out-of-order and reversed for the nonlinear envelope");
    Out::AddLine("for Kc = 1, material %1ld", n);
    return Done();
}

bool Cpp_StrengthMessages::Message3710(long n) {
    Out::BeginCheck(3710, errorKind);
    Out::AddLine("Two stage strengths were specified for the first stage for material %ld.", n);
    return Done();
}

bool Cpp_StrengthMessages::Message3720(long n) {
    Out::BeginCheck(3720, warningKind);
    Out::AddLine("Both cohesion and friction angle are zero for material %ld", n);
    Out::AddString("This is a WARNING ONLY - not a fatal error");
    return Done();
}

bool Cpp_StrengthMessages::Message3740(long n, int s) {
    Out::BeginCheck(3740, warningKind);
    Out::AddLine("Zero strength for material %ld - Stage %d", n, s);
    Out::AddString("This is a WARNING ONLY - not a fatal error");
    return Done();
}

bool Cpp_StrengthMessages::Message3750(long n) {
    Out::BeginCheck(3750, errorKind);
    Out::AddString("Both intercept and slope for linear Two-Stage strength envelope");
    Out::AddLine("for Kc = Kfailure are zero - Material number %ld.", n);
    return Done();
}

bool Cpp_StrengthMessages::Message3760(long n) {
    Out::BeginCheck(3760, errorKind);
    Out::AddString("Both intercept and slope for linear Two-Stage strength envelope");
    Out::AddLine("for Kc = unity (1.0) are zero - Material number %ld.", n);
    return Done();
}
