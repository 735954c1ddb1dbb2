#include "profile/profile_messages.h"

#include "core/data_error_output.h"

namespace {

using Out = Cpp_DataErrorOutput;
const char* const kFrame = "ERROR IN PROFILE LINE INPUT DATA.";

}  // namespace

bool Cpp_ProfileMessages::DuplicateLineNumber2000(long line) {
    Out::BeginReading(2000, 0, kFrame);
    Out::AddLine("You have entered data for another Profile Line number %1ld.", line);
    Out::AddString("You already entered data for a Profile Line with this number.");
    return Out::Finish();
}

bool Cpp_ProfileMessages::BadPointLine2010(long line) {
    Out::BeginReading(2010, 0, kFrame);
    Out::AddLine("Bad line of data for points on profile line number %1ld", line);
    return Out::Finish();
}

bool Cpp_ProfileMessages::OddNumberOfValues2020(int line, const std::string& input) {
    Out::BeginReading(2020, 0, kFrame);
    Out::AddString("Bad number of values on line of input data for Profile Line coordinates for");
    Out::AddLine("Profile Line number %1d - Must be multiples of 2 numerical values.", line);
    return Out::FinishWithInputLine(input);
}

bool Cpp_ProfileMessages::FirstLineUnreadable2030() {
    Out::BeginReading(2030, 0, kFrame);
    Out::AddString("First line of data for current profile line could not be read.");
    return Out::Finish();
}

bool Cpp_ProfileMessages::NotEnoughHeaderValues2040(const std::string& input) {
    Out::BeginReading(2040, 0, kFrame);
    Out::AddString("Not enough values were input for the first line of profile line data.");
    Out::AddString("1 value was input - 2 values are required.");
    return Out::FinishWithInputLine(input);
}

bool Cpp_ProfileMessages::NoSeparateFile2070(const std::string& input) {
    Out::BeginReading(2070, 0, kFrame);
    Out::AddString("Based on the following line of data in the input file attempted to");
    Out::AddString("read the Profile Line data from an external file:");
    Out::AddLine("%s", input.c_str());
    Out::AddString("No file name was entered and attempts to prompt for a file name");
    Out::AddString("and open a separate input file were not successful.");
    return Out::Finish();
}

bool Cpp_ProfileMessages::IgnoredText2090(const std::string& text, const std::string& input) {
    Out::Begin(2090, 2);
    Out::AddString(
        "A line of input data for the Profile Line contained the following string at the end:");
    Out::AddLine("%s", text.c_str());
    Out::AddString("The string was ignored, but could contain signifcant data.");
    return Out::FinishWithInputLine(input);
}

bool Cpp_ProfileMessages::BadBlockTerminator2100(const std::string& input) {
    Out::BeginReading(2100, 0, kFrame);
    Out::AddString("Bad line of data to terminate all profile line data - blank line required.");
    Out::AddString("Data end with 2 blank lines: One to terminate the current line, the other");
    Out::AddString("blank line to designate the end of all profile line data");
    return Out::FinishWithInputLine(input);
}

bool Cpp_ProfileMessages::BadPointTerminator2110(long line, const std::string& input) {
    Out::BeginReading(2110, 0, kFrame);
    Out::AddLine("Bad data terminator for points for profile line number %1ld", line);
    Out::AddString("Must be a blank line.");
    return Out::FinishWithInputLine(input);
}

bool Cpp_ProfileMessages::FileNotOnFirstLine2130(const std::string& input) {
    Out::BeginReading(2130, 0, kFrame);
    Out::AddString("Other than the first line of profile line input data indicated the");
    Out::AddString("name of an external file to be read - If an external file is to be");
    Out::AddString("read it must be declared on the first line of input.");
    return Out::FinishWithInputLine(input);
}

bool Cpp_ProfileMessages::CannotOpenSeparateFile2140(const std::string& name,
                                                     const std::string& input) {
    Out::BeginReading(2140, 0, kFrame);
    Out::AddString("Unable to open external file to read profile line data.");
    Out::AddLine("File name:%s", name.c_str());
    return Out::FinishWithInputLine(input);
}

bool Cpp_ProfileMessages::NoMaterialProperties2220(long line, long material) {
    Out::BeginCheck(2220, 0);
    Out::AddLine("Profile line number %1ld has no material properties", line);
    Out::AddLine("Specified material number for this profile line is %1ld", material);
    return Out::Finish();
}

bool Cpp_ProfileMessages::NoProfileLines2240() {
    Out::BeginCheck(2240, 0);
    Out::AddString("There are no data for profile lines.");
    return Out::Finish();
}

bool Cpp_ProfileMessages::InterfaceProperties2290(long line, long material) {
    Out::BeginCheck(2290, 0);
    Out::AddLine(
        "Error in material properties for profile line number %1ld - cannot have interface properties.",
        line);
    Out::AddLine("Specified material number for this profile line is %1ld", material);
    return Out::Finish();
}

bool Cpp_ProfileMessages::EntirelyVertical2320(int line, double x) {
    Out::BeginCheck(2320, 1);
    Out::AddLine("Profile Line number %1d located at x = %1.3e is entirely vertical.", line, x);
    Out::AddString("This is a warning only - the Profile Line actually defines nothing.");
    return Out::Finish();
}
