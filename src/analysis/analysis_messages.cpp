#include "analysis/analysis_messages.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>

#include "core/data_error_output.h"
#include "core/kliven4_messages.h"

namespace {

using Out = Cpp_DataErrorOutput;
const char* const kFrame = "ERROR IN ANALYSIS/COMPUTATION INPUT DATA.";

void Reading(long number) { Out::BeginReading(number, 0, kFrame); }
void Check(long number, int kind = 0) { Out::BeginCheck(number, kind); }
bool Done() { return Out::Output(1, 0); }
bool DoneWithLine(const std::string& line) {
    Out::AddInputLine(line);
    return Out::Output(1, 0);
}

std::string Text(const char* format, ...) __attribute__((format(printf, 1, 2)));
std::string Text(const char* format, ...) {
    char buffer[512];
    va_list args;
    va_start(args, format);
    std::vsnprintf(buffer, sizeof buffer, format, args);
    va_end(args);
    return buffer;
}

// A reading message of fixed lines that ends with the input line.
bool ReadingWithLine(long number, std::initializer_list<const char*> lines,
                     const std::string& line) {
    Reading(number);
    for (const char* l : lines) Out::AddString(l);
    return DoneWithLine(line);
}

bool ReadingOnly(long number, std::initializer_list<const char*> lines) {
    Reading(number);
    for (const char* l : lines) Out::AddString(l);
    return Done();
}

bool CheckOnly(long number, std::initializer_list<const char*> lines) {
    Check(number);
    for (const char* l : lines) Out::AddString(l);
    return Done();
}

const char* const kCountTwo = "%1d value(s) was/were entered; 2 values are required.";

}  // namespace

using E = Cpp_AnalysisDataErrors;

bool E::Error6000(bool f, const std::string& line) {
    return f ? ReadingWithLine(
                   6000, {"Bad first line of data for Chen & Morgenstern f(x) function."}, line)
             : ReadingWithLine(
                   6030, {"Bad first line of data for Chen & Morgenstern g(x) function."}, line);
}
bool E::Error6010(bool f, const std::string& line) {
    return f ? ReadingWithLine(
                   6010,
                   {"No numerical value was entered to define option for Chen & Morgenstern f(x) function."},
                   line)
             : ReadingWithLine(
                   6040,
                   {"No numerical value was entered to define option for Chen & Morgenstern g(x) function."},
                   line);
}
bool E::Error6020(bool f, const std::string& line) {
    return f ? ReadingWithLine(
                   6020,
                   {"Illegal value was entered to define option for Chen & Morgenstern f(x) function."},
                   line)
             : ReadingWithLine(
                   6050,
                   {"Illegal value was entered to define option for Chen & Morgenstern g(x) function."},
                   line);
}
bool E::Error6060(bool f, int count, const std::string& line) {
    Check(f ? 6060 : 6070);
    Out::AddString(kFrame);
    Out::AddString(f ? "Wrong number of values entered on line of data for custom f(x)"
                     : "Wrong number of values entered on line of data for custom g(x)");
    Out::AddLine("%1d value(s) was/were entered; integer multiples 2 values are required.", count);
    return DoneWithLine(line);
}
bool E::Error6080() {
    return ReadingOnly(6080, {"Bad first line of analysis/computation data to",
                              "indicate the type of shear surface, search, etc."});
}
bool E::Error6090() {
    return ReadingOnly(6090, {"Bad first line of data for constant or variable",
                              "depth of crack or depth of water in crack."});
}
bool E::Error6100(bool f) {
    return f ? ReadingOnly(6100, {"Bad line of data for custom Chen & Morgenstern f(x) values."})
             : ReadingOnly(6110, {"Bad line of data for custom Chen & Morgenstern g(x) values."});
}
bool E::Error6120(const std::string& line) {
    return ReadingWithLine(6120, {"Bad line of data for Chen & Morgenstern f(x) amplitude."}, line);
}
bool E::Error6130(const std::string& line) {
    return ReadingWithLine(6130, {"Bad line of data for Chen & Morgenstern g(x) values."}, line);
}
bool E::Error6150() {
    return ReadingOnly(6150, {"Bad first line of data for type 1 search with circles."});
}
bool E::Error6160() {
    return ReadingOnly(6160, {"Bad first line of data for type 1 search with circles."});
}
bool E::Error6170() {
    return ReadingOnly(6170, {"Bad line of data for corner points of fixed grid."});
}
bool E::Error6180() { return ReadingOnly(6180, {"Bad line of data for individual circle."}); }
bool E::Error6190() {
    return ReadingOnly(6190,
                       {"Bad line of data for initial trial shear surface points (coordinates)."});
}
bool E::Error6200() {
    return ReadingOnly(6200, {"Bad line of data for corner points of fixed grid."});
}
bool E::Error6202(const std::string& line) {
    return ReadingWithLine(
        6202, {"Bad line of data for bottom elevation (Y) of material property lines"}, line);
}
bool E::Error6204(const std::string& line) {
    return ReadingWithLine(
        6204, {"Bad line of data for horizontal (x) coordinates of material property lines"}, line);
}
bool E::Error6210() {
    return ReadingOnly(6210, {"Bad line of supplemental data for noncircular search type 1."});
}
bool E::Error6240() {
    return ReadingOnly(6240, {"Bad line of data for variable depth of crack or depth of",
                              "water in crack.  Second or subsequent line of data."});
}
bool E::Error6250() {
    return ReadingOnly(6250,
                       {"Bad line of data to define fixed point through which circles pass."});
}
bool E::Error6260() { return ReadingOnly(6260, {"Bad line of data for radius or circle."}); }
bool E::Error6270() {
    return ReadingOnly(
        6270, {"Bad line of data for to designate how radius is to be defined for circle(s)."});
}
bool E::Error6280() { return ReadingOnly(6280, {"Bad line of data for search restrictions."}); }
bool E::Error6290() { return ReadingOnly(6290, {"Bad line of data for tangent line."}); }
bool E::Error6300(const std::string& line) {
    return ReadingWithLine(
        6300, {"Bad first line of data for Morgenstern and Price f(x) function."}, line);
}
bool E::Error6310(const std::string& line) {
    return ReadingWithLine(
        6310,
        {"No numerical value was entered to define option for Morgenstern and Price f(x) function."},
        line);
}
bool E::Error6320(const std::string& line) {
    return ReadingWithLine(
        6320,
        {"Illegal value was entered to define option for Morgenstern and Price f(x) function."},
        line);
}
bool E::Error6330(long pointNumber, const std::string& line) {
    Reading(6330);
    Out::AddLine("Unrecognized information to define how point number %1ld is to be", pointNumber);
    Out::AddString("constrained in the search for a critical noncircular shear surface.");
    return DoneWithLine(line);
}
bool E::Error6340(const std::string& line) {
    return ReadingWithLine(6340,
                           {"Bad termination of data for individual noncircular shear surface.",
                            "No numerical values were entered, but line of input was non-blank."},
                           line);
}
bool E::Error6350(const std::string& line) {
    return ReadingWithLine(6350, {"Could not read maximum and minimum F for saving slip surfaces"},
                           line);
}
bool E::Error6370(char c, const std::string& line) {
    Reading(6370);
    Out::AddString("The character entered to designate how the radius is to be defined in");
    Out::AddString("a search for the critical radius could not be recognized as valid.");
    Out::AddLine("The leading character in the character string entered was interpreted as: %c", c);
    Out::AddString("Leading character must be: P (point), T(tangent line) or R (radius)");
    return DoneWithLine(line);
}
bool E::Error6380() { return ReadingOnly(6380, {"Error in reading coordinates for fixed point"}); }
bool E::Error6390() {
    return ReadingOnly(6390, {"Error in reading coordinates for given radius."});
}
bool E::Error6400(long count, const std::string& line) {
    Reading(6400);
    Out::AddString("Not enough values were input to define a fixed point designating the radius");
    Out::AddLine("limits for a critical radius search; %1ld value(s) entered - 2 are required.",
                 count);
    return DoneWithLine(line);
}
bool E::Error6410(long count, const std::string& line) {
    Reading(6410);
    Out::AddString("Not enough values were input to define a fixed point designating the radius");
    Out::AddLine("limits for a critical radius search; %1ld value(s) entered - 2 are required.",
                 count);
    return DoneWithLine(line);
}
bool E::Error6420() {
    return ReadingOnly(6420, {"End-of-file read while trying to read data for",
                              "the radius control (maximum/minimum) parameters."});
}
bool E::Error6430() {
    return ReadingOnly(6430,
                       {"End-of-file read while trying to read data for the search restrictions."});
}
bool E::Error6440(bool subtended, const std::string& line) {
    return subtended ? ReadingWithLine(
                           6440,
                           {"Illegal option for generating slices for noncircular shear surfaces.",
                            "Subtended angle can only be specified for circles."},
                           line)
                     : ReadingWithLine(
                           6450,
                           {"Illegal option for generating slices for noncircular shear surfaces.",
                            "Maximum arc length can only be specified for circles."},
                           line);
}
bool E::Error6460(bool increments, const std::string& line) {
    return increments ? ReadingWithLine(
                            6460,
                            {"Illegal option for generating slices for circular shear surfaces.",
                             "Nominal number of increments (slices) can only be specified for",
                             "noncircular shear surfaces."},
                            line)
                      : ReadingWithLine(
                            6470,
                            {"Illegal option for generating slices for circular shear surfaces.",
                             "Maximum slice base length can only be specified for",
                             "noncircular shear surfaces."},
                            line);
}
bool E::Error6480(char c, const std::string& line) {
    Reading(6480);
    Out::AddString("Illegal leading character to designate circular or");
    Out::AddLine("noncircular shear surface.  Leading character:%c\n", c);
    return DoneWithLine(line);
}
bool E::Error6490(const std::string& line) {
    return ReadingWithLine(
        6490,
        {"A leading character was missing from the 1st line of Analysis/Computation data",
         "to designate the shape of the shear surface - 1st line must start with a C or N"},
        line);
}
bool E::Error6500(char c, const std::string& line) {
    Reading(6500);
    Out::AddString("Illegal character at start of second string to designate");
    Out::AddString("individual shear surface or automatic search:");
    Out::AddLine("Character interpreted as %c - must be blank, I or S", c);
    return DoneWithLine(line);
}
bool E::Error6510(char c, const std::string& line) {
    Out::Begin(6510, 0);
    Out::AddString("Illegal integer at start of third string to designate type of automatic");
    if (c == ' ' || c == '\0')
        Out::AddString("search: Character interpreted as <blank character> - must be 1 or 2");
    else
        Out::AddLine("search: Character interpreted as %c - must be 1 or 2", c);
    return DoneWithLine(line);
}
bool E::Error6540(const std::string& line) {
    return ReadingWithLine(
        6540,
        {"The line of input did not begin with a recognizable character to define",
         "the radius.  The line of input must begin with the character P or T."},
        line);
}
bool E::Error6560(const std::string& line) {
    return ReadingWithLine(6560,
                           {"The line of input did not begin with a recognizable character",
                            "to define radii for the initial mode of search.",
                            "The line of input must begin with the character P, R or T."},
                           line);
}
bool E::Error6570(const std::string& line) {
    return ReadingWithLine(6570,
                           {"Non-blank termination of coordinates for variable",
                            "depth of crack or depth of water in crack."},
                           line);
}
bool E::Error6580(const std::string& line) {
    return ReadingWithLine(
        6580, {"Non-blank termination of coordinates for initial trial noncircular shear surface."},
        line);
}
bool E::Error6590(int count, const std::string& line) {
    Reading(6590);
    Out::AddString("Not enough values were input to define the number of");
    Out::AddString("radius increments and minimum radius for the search.");
    Out::AddLine("2 values are required - %d value(s) entered.", count);
    return DoneWithLine(line);
}
bool E::Error6600(int count, const std::string& line) {
    Reading(6600);
    Out::AddString("Not enough characters were entered to describe how the");
    Out::AddString("horizontal (x) bounds for the search are to be set.");
    Out::AddLine(kCountTwo, count);
    return DoneWithLine(line);
}
bool E::Error6620(int count, const std::string& line) {
    Reading(6620);
    Out::AddString("Not enough values were entered for the first line of");
    Out::AddString("data for a type 1 search with circles.");
    Out::AddLine("%1d value(s) was/were entered; 4 values are required.", count);
    return DoneWithLine(line);
}
bool E::Error6630(int count, const std::string& line) {
    Reading(6630);
    Out::AddString("Not enough values were entered for the first line of data for a Type 2");
    Out::AddLine("search with circles: %1d value(s) was/were entered; 2 values are", count);
    Out::AddString("required. Data must include the number of points across and up grid.");
    return DoneWithLine(line);
}
bool E::Error6640(bool f, int count, const std::string& line) {
    Reading(f ? 6640 : 6650);
    Out::AddString(f ? "Not enough values were entered to define custom f(x)"
                     : "Not enough values were entered to define custom g(x)");
    Out::AddLine(kCountTwo, count);
    return DoneWithLine(line);
}
bool E::Error6660(int count, const std::string& line) {
    Reading(6660);
    Out::AddString("Not enough values were entered to define f(x)");
    Out::AddLine(kCountTwo, count);
    return DoneWithLine(line);
}
bool E::Error6680(int count, const std::string& line) {
    Reading(6680);
    Out::AddString("Not enough values were entered to define f(x)");
    Out::AddLine(kCountTwo, count);
    return DoneWithLine(line);
}
bool E::Error6690(int count, const std::string& line) {
    Reading(6690);
    Out::AddString("Not enough values were entered to define a point for a variable");
    Out::AddLine("depth of crack or depth of water in crack: %1d value(s) was/were", count);
    Out::AddString("entered; even multiples of 2 values are required.");
    return DoneWithLine(line);
}
bool E::Error6700(int count, const std::string& line) {
    Reading(6700);
    Out::AddString("Not enough values were entered for to define a point through which");
    Out::AddLine("circles pass - %1d value(s) was/were entered; 2 values are required.", count);
    return DoneWithLine(line);
}
bool E::Error6710(int count, const std::string& line) {
    Reading(6710);
    Out::AddString("Not enough values were entered to define the corners of the fixed grid.");
    Out::AddLine("%1d value(s) was/were entered; a total of 8 values (4 corner points) are", count);
    return DoneWithLine(line);
}
bool E::Error6720(int count, const std::string& line) {
    Reading(6720);
    Out::AddString("Not enough values were entered for to an individual circle");
    Out::AddLine("%1d value(s) was/were entered; at least 2 values are required.", count);
    return DoneWithLine(line);
}
bool E::Error6740(int count, const std::string& line) {
    Reading(6740);
    Out::AddString("Not enough values were entered to define the coordinates for the");
    Out::AddLine("initial trial noncircular shear surface - %1d value(s) was/were", count);
    Out::AddString("entered; at least 2 values are required on a line of input.");
    return DoneWithLine(line);
}
bool E::Error6750(int count, const std::string& line) {
    Reading(6750);
    Out::AddString("Not enough values were entered to define the supplemental");
    Out::AddString("data for a type 1 search with noncircular shear surfaces.");
    Out::AddLine(kCountTwo, count);
    return DoneWithLine(line);
}
bool E::Error6780(const std::string& line) {
    return ReadingWithLine(
        6780, {"Not enough values entered to define radius - at least one value is required."},
        line);
}
bool E::Error6790(int count, const std::string& line) {
    Reading(6790);
    Out::AddString("Not enough values were entered to describe the horizontal (x)");
    Out::AddLine("bounds for the search restrictions.  %1d value(s) was/were", count);
    Out::AddString("entered; At least 2 values are required.");
    return DoneWithLine(line);
}
bool E::Error6800(const std::string& line) {
    return ReadingWithLine(
        6800, {"Not enough values entered for tangent line - at least one value is required."},
        line);
}
bool E::Error6805(int count, int required, const std::string& line) {
    Reading(6805);
    Out::AddString("Not enough values were entered for refining the search.");
    Out::AddLine("%1d value(s) was/were entered; %1d values are required.", count, required);
    return DoneWithLine(line);
}
bool E::Error6830() {
    return ReadingOnly(6830,
                       {"Could not read side force inclination for Corps of Engineers procedure"});
}
bool E::Error6840() {
    Out::Begin(6840, 0);
    Out::AddString("Undesignated or unrecognized mode of computations");
    return Done();
}
bool E::Error6850(char c, const std::string& line) {
    Reading(6850);
    if (c) {
        Out::AddString("Could not recognize the following character to designate whether the");
        Out::AddLine("crack depth is designated by depth or elevation of the crack bottom: %c", c);
    } else {
        Out::AddString("No character (or character string) was entered to designate whether the");
        Out::AddString("crack depth is designated by depth or elevation of the crack bottom.");
    }
    Out::AddString(
        "The numerical value must be followed by a string beginning with either D or E.");
    return DoneWithLine(line);
}
bool E::Error6860(char c, const std::string& line) {
    Reading(6860);
    if (c) {
        Out::AddString("Could not recognize the following character to designate");
        Out::AddString("whether the depth of water in the crack is designated by");
        Out::AddLine("depth or elevation of the water surface: %c (must be D or E).", c);
    } else {
        Out::AddString("No character (or character string) was entered to");
        Out::AddString("designate whether the depth of water in the crack is");
        Out::AddString("designated by depth or elevation of the water surface.");
    }
    Out::AddString(
        "The numerical value must be followed by a string beginning with either D or E.");
    return DoneWithLine(line);
}
bool E::Error6870(char c, const std::string& line) {
    Reading(6870);
    Out::AddString("Could not recognize the following character to designate how the circle");
    Out::AddLine("radius is to be defined for the circle: %c (must be P or T).", c);
    return DoneWithLine(line);
}
bool E::Error6890(char c, const std::string& line) {
    Reading(6890);
    Out::AddString("Could not recognize the following character to designate how the circle");
    Out::AddLine("radii are to be defined: %c (must be P, T or R).", c);
    return DoneWithLine(line);
}
bool E::Error6900(char c1, char c2, const std::string& line) {
    Reading(6900);
    Out::AddString("Could not recognize the following character to designate");
    Out::AddLine("how the search constraints are to be defined: %c %c", c1, c2);
    Out::AddString("Must be one of the following pairs:   R E,   R S,   A E,   A S");
    return DoneWithLine(line);
}
bool E::Error6910(char c, const std::string& line) {
    Reading(6910);
    Out::AddLine("Unrecognized leading character (= %c) to designate prcedure of analysis", c);
    Out::AddString("One of the following characters must be input: B, C, L, S");
    return DoneWithLine(line);
}
bool E::Error6920(const std::string& word, const std::string& line) {
    Reading(6920);
    Out::AddString("Unrecognized Sub-Command Word for the Analysis/Computation data.");
    std::string shown = word;
    while (!shown.empty() && (shown.back() == '\n' || shown.back() == '\r')) shown.pop_back();
    Out::AddString("The Sub-Command word was interpreted to be: " + shown);
    return DoneWithLine(line);
}
namespace {
std::string Word(std::string word) {
    while (!word.empty() && (word.back() == '\n' || word.back() == '\r' || word.back() == ' '))
        word.pop_back();
    return word;
}
}  // namespace
bool E::Error6920NoValue(const std::string& word, const std::string& line) {
    Reading(6920);
    Out::AddString("No numerical value was entered on the line of data for the Sub-Command " +
                   Word(word) + ".");
    return DoneWithLine(line);
}
bool E::Error6920NotAWholeNumber(const std::string& word, const std::string& line) {
    Reading(6920);
    Out::AddString("The value entered for the Sub-Command " + Word(word) +
                   " is not a whole number of the allowed range.");
    return DoneWithLine(line);
}
bool E::Error6920EndOfFile(const std::string& word) {
    Reading(6920);
    if (Word(word).empty()) {
        Out::AddString("End-of-file read while looking for a Sub-Command word or the blank line");
        Out::AddString("that ends the Analysis/Computation data.");
    } else {
        Out::AddString(
            "End-of-file read while trying to read the line of data for the Sub-Command " +
            Word(word) + ".");
    }
    return Done();
}
bool E::Error6940(long count, const std::string& line) {
    Reading(6940);
    Out::AddString("Wrong number of values entered to define a point");
    Out::AddString("on the variable depth of crack or depth of water");
    Out::AddLine("in crack profile:  %1ld values were entered;", count);
    Out::AddString("even multiples of 2 values should be entered.");
    return DoneWithLine(line);
}
bool E::Error6950(long count, const std::string& line) {
    Reading(6950);
    Out::AddString("The wrong number of values was entered to define points on an");
    Out::AddLine("individual noncircular shear surface: %1ld values were entered;", count);
    Out::AddString("even multiples of 2 values should be entered.");
    return DoneWithLine(line);
}
bool E::Error6960(long count, const std::string& line) {
    Reading(6960);
    Out::AddString("Wrong number of values entered for irregular tangent line.");
    Out::AddLine("%1ld values were entered; even multiples of 2 values should be entered.", count);
    return DoneWithLine(line);
}
bool E::BadRefinementOption(const std::string& line) {
    Out::Reset(Out::GetErrorFile());
    return DoneWithLine(line);
}

// --- checking

bool E::Error7000(bool entire, double minimum, double maximum) {
    Check(7000);
    if (entire) {
        Out::AddString("The maximum/minimum shear surface restrictions that require the ENTIRE");
        Out::AddString("shear surface to be within absolute bounds are out of order");
    } else {
        Out::AddString("The maximum/minimum shear surface restrictions that require at least SOME");
        Out::AddString("of the shear surface to be within absolute bounds are out of order");
    }
    Out::AddLine("Minimum value: %1.2f > Maximum value: %1.2f", minimum, maximum);
    return Done();
}
bool E::Error7010(bool start, double value) {
    Check(start ? 7010 : 7020);
    if (start) {
        Out::AddLine(
            "Bad starting value (= %1.2f) for custom f(x) for Chen and Morgenstern procedure",
            value);
        Out::AddString("The value for x must begin at zero.");
    } else {
        Out::AddLine(
            "Bad ending value (= %1.2f) for custom f(x) for Chen and Morgenstern procedure", value);
        Out::AddString("The value for x must end at unity (1.0).");
    }
    return Done();
}
bool E::Error7030(double radius) {
    Check(7030);
    Out::AddLine("Bad value for radius of initial trial circle  = %1.2f", radius);
    return Done();
}
bool E::Error7040() {
    Check(7040);
    Out::AddString(kFrame);
    Out::AddString("Bad initial mode of search - mode could not be recognized.");
    return Done();
}
bool E::Error7040Interactive() {
    Check(7040);
    Out::AddString(kFrame);
    Out::AddString("Interactive circles (mode of computations 5) are not computed.");
    Out::AddString("An individual shear surface or a search must be chosen for the computations.");
    return Done();
}
bool E::Error7050(double radius) {
    Check(7050);
    Out::AddLine("Zero or negative radius (= %1.2f) for individual circle.", radius);
    return Done();
}
bool E::Error7060(double spacing) {
    Check(7060);
    Out::AddLine("Zero or negative minimum grid spacing (= %1.2f) for circular search.", spacing);
    return Done();
}
bool E::Error7070(bool initial, double distance) {
    Check(initial ? 7070 : 7080);
    if (initial)
        Out::AddLine("Bad initial distance (= %1.2f) for shifting of noncircular shear surface.",
                     distance);
    else
        Out::AddLine("Bad final distance (= %1.2f) for shifting of noncircular shear surface.",
                     distance);
    return Done();
}
bool E::Error7090(double startY, double lowestY) {
    Check(7090);
    Out::AddLine("Bad center for starting search.  Starting center is at Y = %1.2f", startY);
    Out::AddLine("This is below the lowest point at Y = %1.2f where centers are permitted",
                 lowestY);
    return Done();
}
bool E::Error7100(double x, double y) {
    Check(7100);
    Out::AddLine("Crack bottom elevation profile intersects the slope at x = %1.3e, y = %1.3e", x,
                 y);
    return Done();
}
bool E::Error7110(int a, int b) {
    Check(7110);
    Out::AddLine(
        "Side %1d (between corners %1d & %1d) and side %1d (between corners %1d & %1d) cross.", a,
        a, a + 1, b, b, (b % 4) + 1);
    Out::AddString("Grid corners must be specified counter-clockwise around grid perimeter.");
    const bool logged = Done();
    Cpp_KLIVEN4Messages::SetStatus(1);
    return logged;
}
bool E::Error7120(long across, long up) {
    Check(7120);
    Out::AddString("The number of points across or up the fixed grid is less than 2.");
    Out::AddString("A minimum of 2 points is required in each direction.");
    Out::AddLine("Points across: %1ld; Points up: %1ld", across, up);
    return Done();
}
bool E::Error7130(double increment) {
    Check(7130);
    Out::AddString("Illegal minimum radius increment specified for finding critical radius.");
    Out::AddLine("Specified value = %1.2f; Value must be greater than zero.", increment);
    return Done();
}
bool E::Error7140(long number, long largest) {
    Check(7140);
    Out::AddString("Illegal number of radius increments to find critical radius.");
    Out::AddLine("Number specified = %1ld; Must be between 1 and %1ld", number, largest);
    return Done();
}
bool E::Error7150() {
    return CheckOnly(
        7150, {"Specified procedure of analysis is not valid for noncircular slip surfaces."});
}
bool E::Error7160(double finalDistance, double initialDistance) {
    Check(7160);
    Out::AddLine("Final distance (= %0.2f) for shifting points on the", finalDistance);
    Out::AddLine("noncircular shear surface exceeds the initial distance (= %0.2f).",
                 initialDistance);
    return Done();
}
bool E::Error7170(double steepness) {
    Check(7170);
    Out::AddLine("Maximum steepness for shifting noncircular shear surface (= %1.2f degrees)",
                 steepness);
    Out::AddString("is either negative or at least 90 degrees - this is out of bounds");
    return Done();
}
bool E::Error7180(bool low, double steepness, double limit) {
    Check(low ? 7180 : 7190);
    Out::AddLine("Maximum steepness for shifting noncircular shear surface (= %1.2f degrees)",
                 steepness);
    if (low)
        Out::AddLine("Is probably too low (< %1.0f degrees) - this may cause problems.", limit);
    else
        Out::AddLine("Is probably too high (> %1.0f degrees) - this may cause problems.", limit);
    Out::AddString("Warning only - not fatal error.");
    return Done();
}
bool E::Error7200(double minimumWeight, double factor) {
    Check(7200);
    Out::AddString("Minimum allowable weight for computations is too low.");
    Out::AddLine("Minimum weight = %1.3e", minimumWeight);
    Out::AddLine("Allowable force imbalance must be less than %1.3f times the minimum weight.",
                 factor);
    return Done();
}
bool E::Error7210() {
    return CheckOnly(
        7210, {"Analysis/computation data are incomplete - Mode of Computations, e. g. search,",
               "individual slip surface, etc. is not defined."});
}
bool E::Error7220(double depth) {
    Check(7220);
    Out::AddLine("Crack depth (= %1.2f) is negative - not allowed.", depth);
    return Done();
}
bool E::Error7230(double depth) {
    Check(7230);
    Out::AddLine("Water depth (= %1.2f) is negative - not allowed.", depth);
    return Done();
}
bool E::Error7240(double unitWeight) {
    Check(7240);
    Out::AddLine("Unit weight of water in crack (= %1.2f) is negative - not allowed.", unitWeight);
    return Done();
}
bool E::Error7250() {
    Check(7250);
    Out::AddString(kFrame);
    Out::AddString("No analysis/computation data.");
    return Done();
}
bool E::Error7260(double angleDegrees, double length) {
    Check(7260);
    Out::AddString("Both the arc length and subtended angle for subdividing the");
    Out::AddString("circle into slices are zero or negative.");
    Out::AddLine("Subtended angle (degrees): %1.2f; Max. slice base length: %1.2f", angleDegrees,
                 length);
    return Done();
}
bool E::Error7270(long pointNumber) {
    Check(pointNumber == 1 ? 7270 : 7280);
    Out::AddLine(pointNumber == 1 ? "Point number %1ld at the left end of the noncircular"
                                  : "Point number %1ld at the right end of the noncircular",
                 pointNumber);
    Out::AddString("shear surface is beyond the end of the slope.");
    return Done();
}
bool E::Error7290(long pointNumber) {
    Check(pointNumber == 1 ? 7290 : 7300);
    Out::AddLine(pointNumber == 1 ? "Unable to adjust left end point (number %1ld) to lie on"
                                  : "Unable to adjust right end point (number %1ld) to lie on",
                 pointNumber);
    Out::AddString("the slope surface or crack profile.");
    return Done();
}
bool E::Error7310(bool deleted, long n1, double x1, double y1, long n2, double x2, double y2) {
    Check(deleted ? 7320 : 7310, deleted ? 1 : 0);
    Out::AddString("Duplicate points for noncircular shear surface");
    Out::AddLine("First point number : %1ld; X: %1.2f, Y: %1.2f", n1, x1, y1);
    Out::AddLine("Second point number: %1ld; X: %1.2f, Y: %1.2f", n2, x2, y2);
    if (deleted) Out::AddString("Second point was deleted.");
    return Done();
}
bool E::Error7330(long n1, double x1, double y1, long n2, double x2, double y2) {
    Check(7330);
    Out::AddString(
        "The following two points on the noncircular shear surface have the same coordinates");
    Out::AddLine("First point number : %1ld; X: %1.2f, Y: %1.2f", n1, x1, y1);
    Out::AddLine("Second point number: %1ld; X: %1.2f, Y: %1.2f", n2, x2, y2);
    Out::AddString(
        "However, they have different constraints for moving them - This is not allowed");
    return Done();
}
bool E::Error7340(bool left, bool right) {
    const long number = left && right ? 7340 : (left ? 7350 : 7360);
    Check(number);
    Out::AddString(left && right ? "Both end points of shear surface are outside slope."
                   : left        ? "Left end point of shear surface is outside slope."
                                 : "Right end point of shear surface is outside slope.");
    Out::AddString("Cannot adjust end point(s) of noncircular shear surface.");
    return Done();
}
bool E::Error7370(const std::vector<s_tagTypePointXY>& points) {
    Check(7370);
    Out::AddString("The noncircular shear surface intersects the slope at the following points.");
    for (const auto& p : points) Out::AddLine("X: %15.2f,     Y: %15.2f", p.x, p.y);
    return Done();
}
bool E::Error7380() { return CheckOnly(7380, {"No points for noncircular shear surface."}); }
bool E::Error7390() { return CheckOnly(7390, {"Only one point for noncircular shear surface"}); }
bool E::Error7400(long n, double x1, double y1, double x2, double y2) {
    Check(7400);
    Out::AddString("The following segment of the noncircular slip surface is vertical:");
    Out::AddLine("Point: %1ld, X: %1.2f, Y: %1.2f", n, x1, y1);
    Out::AddLine("Point: %1ld, X: %1.2f, Y: %1.2f", n + 1, x2, y2);
    return Done();
}

namespace {
bool OutOfOrder(long number, int kind, const char* last, long n, double x1, double y1, double x2,
                double y2) {
    Check(number, kind);
    Out::AddString("The following points are out of order for noncircular shear surface");
    Out::AddLine("Point: %1ld, X: %1.2f, Y: %1.2f", n, x1, y1);
    Out::AddLine("Point: %1ld, X: %1.2f, Y: %1.2f", n + 1, x2, y2);
    if (last) Out::AddString(last);
    return Done();
}
}  // namespace

bool E::Error7420(long n, double x1, double y1, double x2, double y2) {
    return OutOfOrder(7420, 0, "Points could not be reversed to achieve proper order.", n, x1, y1,
                      x2, y2);
}
bool E::Warning7430(long n, double x1, double y1, double x2, double y2) {
    return OutOfOrder(7430, 1, "Points were successfully reversed.", n, x1, y1, x2, y2);
}
bool E::Error7450(bool absolute) {
    return absolute
               ? CheckOnly(7450,
                           {"Value of allowable force imbalance specified is zero or negative."})
               : CheckOnly(
                     7460,
                     {"Value of allowable force imbalance fraction specified is zero or negative."});
}
bool E::Error7470(double minimumWeight) {
    Check(7470);
    Out::AddString("Minimum total weight allowed for stability computations is zero or negative.");
    Out::AddLine("Minimum total weight specified or assumed = %1.3e", minimumWeight);
    return Done();
}
bool E::Error7480(bool absolute) {
    return absolute
               ? CheckOnly(7480,
                           {"Value of allowable moment imbalance specified is zero or negative."})
               : CheckOnly(
                     7490,
                     {"Value of allowable moment imbalance fraction specified is zero or negative."});
}

// --- circle and slope intersections

using M = Cpp_KLIVEN4Messages;

bool E::Notice8010(long intersections, long segments) {
    M::StartMessage(8010, 2);
    M::AddNoticeLine(Text("Circle intersects the slope %1ld times and there are %1ld segments.",
                          intersections, segments));
    M::AddNoticeLine("All were rejected because they were outside the restrictions.");
    return true;
}
bool E::Notice8070() {
    M::StartMessage(8070, 2);
    M::AddNoticeLine("Circle does not intersect the slope.");
    return true;
}
bool E::Error8100() {
    M::StartMessage(8100, 0);
    M::AddErrorLine("Depth of crack is greater than depth of circle.");
    return true;
}
bool E::Notice8140(long intersections) {
    M::StartMessage(8140, 2);
    M::AddNoticeLine(
        Text("Circle intersects slope %1ld times, but there is no segment", intersections));
    M::AddNoticeLine("entirely within the slope");
    return true;
}
bool E::Warning8220(long intersections, long segments, long valid) {
    M::StartMessage(8220, 1);
    M::AddWarningLine(
        Text("Circle intersects the slope %1ld times and there are %1ld segments that intersect",
             intersections, segments));
    M::AddWarningLine(Text(
        "the slope.  There are %1ld valid segments and only the uppermost one is used.", valid));
    return true;
}
bool E::Notice8230(long intersections, long segments) {
    M::StartMessage(8230, 2);
    M::AddNoticeLine(Text("Circle intersects the slope %1ld times and there are %1ld segments",
                          intersections, segments));
    M::AddNoticeLine("that intersect the slope.  Only one segment was valid and was used.");
    return true;
}
bool E::Notice8240(long intersections) {
    M::StartMessage(8240, 2);
    M::AddNoticeLine(
        Text("Circle intersects the slope %1ld times and there is more than one", intersections));
    M::AddNoticeLine("valid segment.  Only the uppermost valid segment was analyzed.");
    return true;
}
bool E::Warning8260(const std::vector<s_tagTypePointXY>& points, long total) {
    const long shown = std::min<long>(15, static_cast<long>(points.size()));
    M::StartMessage(8260, 1);
    M::AddWarningLine(
        Text("Circle intersects slope an odd number of times (%1ld intersections)", total));
    if (shown == total)
        M::AddWarningLine("The following intersections of the circle with the slope were found:");
    else
        M::AddWarningLine(Text(
            "Following are the first %1ld intersections of the circle with the slope:", shown));
    for (long i = 0; i < shown; ++i)
        M::AddWarningLine(Text("X: %1.2f, Y: %1.2f", points[i].x, points[i].y));
    M::AddWarningLine("There should be an even number of intersections.");
    M::AddWarningLine("There may not be sufficient slope data.");
    return true;
}
