#include "profile/material_messages.h"

#include "core/data_error_output.h"

namespace {

using Out = Cpp_DataErrorOutput;
const char* const frameLine = "ERROR IN MATERIAL PROPERTY INPUT DATA";

void Reading(long number) { Out::BeginReading(number, 0, frameLine); }
bool WithLine(const std::string& line) {
    Out::FinishWithInputLine(line);
    return true;
}
bool Done() {
    Out::Finish();
    return true;
}

}  // namespace

bool Cpp_MaterialMessages::Message2600(long n) {
    Reading(2600);
    Out::AddLine("You have entered data for another material number %1ld.", n);
    Out::AddString("You already entered data for a material with this number.");
    return Done();
}

bool Cpp_MaterialMessages::Message2610() {
    Reading(2610);
    Out::AddString("Bad first line of data for a material.");
    return Done();
}

bool Cpp_MaterialMessages::Message2620(long n) {
    Reading(2620);
    Out::AddLine("Bad line of data for the unit weight for material number: %ld", n);
    return Done();
}

bool Cpp_MaterialMessages::Message2625(int n, int s) {
    Reading(2625);
    Out::AddLine("Bad line of data for the unit weight for material number: %d - Stage: %1d", n, s);
    return Done();
}

bool Cpp_MaterialMessages::Message2630(const std::string& line) {
    Reading(2630);
    Out::AddString("Non-blank termination of material property data or the material");
    Out::AddString("number was missing from the line of input data.  A blank line of");
    Out::AddString("data is required to end the current data for material properties.");
    return WithLine(line);
}

bool Cpp_MaterialMessages::Message2635(int n, int s, const std::string& line) {
    Reading(2635);
    Out::AddLine("Non-blank termination of unit weight data for material %1d - stage %1d", n, s);
    Out::AddString("or the material number was missing from the line of input data.  A blank");
    Out::AddString("line of data is required to end the current data for unit weights.");
    return WithLine(line);
}

bool Cpp_MaterialMessages::Message2680(int n, int s, int maximum, const std::string& line) {
    Reading(2680);
    Out::AddLine("Too many unit weights for material %1d - stage %1d", n, s);
    Out::AddLine("Maximum number allowed = %1d", maximum);
    return WithLine(line);
}

bool Cpp_MaterialMessages::Message2690Option(int n, int s, const std::string& line) {
    Reading(2690);
    Out::AddLine("Unrecognized option for unit weights for material %1d (Stage %1d)", n, s);
    return WithLine(line);
}

bool Cpp_MaterialMessages::Message2690Count(int n, int s, const std::string& line) {
    Reading(2690);
    Out::AddLine("Wrong number of values for unit weights for material %1d - stage %1d", n, s);
    Out::AddString("Must be even multiples of two (2) per line of input,");
    return WithLine(line);
}

bool Cpp_MaterialMessages::Message2800(long n, int s) {
    Out::BeginCheck(2800, 2);
    Out::AddLine("Zero or negative unit weight for material number %ld (Stage %1d).", n, s);
    Out::AddString("Warning only - not fatal");
    return Done();
}

bool Cpp_MaterialMessages::Message2810(long n) {
    Out::BeginCheck(2810, 0);
    Out::AddLine("Strength option for material number %ld is not a valid option for drained ", n);
    Out::AddString("shear strengths for the first stage of multi-stage computations.");
    Out::AddString("Warning only - not fatal");
    return Done();
}

bool Cpp_MaterialMessages::Message2820() {
    Out::BeginCheck(2820, 0);
    Out::AddString("No material property data.");
    return Done();
}

bool Cpp_MaterialMessages::Message2830(int n, int s) {
    Reading(2830);
    Out::AddString("Not enough points to define lateral variation in unit weight");
    Out::AddLine("for material %1d - stage %1d - at least one point is required", n, s);
    return Done();
}

bool Cpp_MaterialMessages::Message2840(int n, int s, int point) {
    Reading(2840);
    Out::AddLine("Points defining lateral variation in unit weight for material %1d - stage %1d", n,
                 s);
    Out::AddLine("are out of order.  Error detected for points %1d and %1d", point, point + 1);
    Out::AddString("Thepoints must be in a left-to-right order.");
    return Done();
}

bool Cpp_MaterialMessages::Message3545(int n, int s) {
    Reading(3545);
    Out::AddLine("No unit weight option for material %1d - stage %1d", n, s);
    Out::AddString("Material property data may be missing for this stage");
    return Done();
}
