#include "loads/load_messages.h"

#include "core/format_text.h"
#include "loads/load_message_output.h"

namespace {

const char* const kDistributedFrame = "ERROR IN DISTRIBUTED LOAD INPUT DATA.";
const char* const kLineLoadFrame = "ERROR IN LINE LOAD INPUT DATA.";
const char* const kReinforcementFrame = "ERROR IN REINFORCEMENT LINE INPUT DATA.";

std::vector<s_LoadMessage>& Emitted() {
    static std::vector<s_LoadMessage> messages;
    return messages;
}

bool Emit(s_LoadMessage m) {
    OutputLoadMessage(m);
    Emitted().push_back(std::move(m));
    return true;
}

// Reading message (form R), optionally with the input line (form L).
bool Reading(int number, const char* frame, std::vector<std::string> lines,
             const std::string* input = nullptr, bool pendingTitle = false) {
    s_LoadMessage m;
    m.number = number;
    m.pendingTitle = pendingTitle;
    m.lines.push_back(frame);
    for (auto& l : lines) m.lines.push_back(std::move(l));
    if (input) {
        m.hasInputLine = true;
        m.inputLine = *input;
    }
    return Emit(std::move(m));
}

// Check message (form T).
bool Check(int number, int kind, std::vector<std::string> lines) {
    s_LoadMessage m;
    m.number = number;
    m.kind = kind;
    m.pendingTitle = true;
    m.lines = std::move(lines);
    return Emit(std::move(m));
}

std::string ReinforcementPointLine(const char* label, long p, double x, double y, double l,
                                   double t) {
    return FormatText("%s%1ld; X: %1.2f, Y: %1.2f, Long Force: %1.2f, Trans. Force: %1.2f", label,
                      p, x, y, l, t);
}

}  // namespace

const std::vector<s_LoadMessage>& EmittedLoadMessages() { return Emitted(); }
void ClearEmittedLoadMessages() { Emitted().clear(); }

bool Cpp_LoadErrors::Error5300(int stage) {
    return Reading(5300, kDistributedFrame,
                   {FormatText("Bad line of data for distributed loads for stage %1d", stage)});
}

bool Cpp_LoadErrors::Error5320(int pieNumber, int stage, const std::string& line) {
    return Reading(
        5320, kDistributedFrame,
        {FormatText("Piezometric line number %d which was specified to generate the distributed",
                    pieNumber),
         FormatText("loads for stage %1d is not valid - must be greater than zero.\n", stage)},
        &line);
}

bool Cpp_LoadErrors::Error5330(int stage, const std::string& line) {
    return Reading(
        5330, kDistributedFrame,
        {FormatText("Bad line of data to terminate distributed load data for stage %1d", stage),
         "No numerical values and line is not blank - A blank line of data is required."},
        &line);
}

bool Cpp_LoadErrors::Error5340(int pieNumber, int stage) {
    return Reading(
        5340, kDistributedFrame,
        {FormatText("Piezometric line number %d which was specified to generate the distributed",
                    pieNumber),
         FormatText("loads for stage %1d does not exist.\n", stage)},
        nullptr, true);
}

bool Cpp_LoadErrors::Error5350(int stage) {
    return Reading(
        5350, kDistributedFrame,
        {"No slope geometry and slope geometry could not be generated.",
         FormatText("Thus, unable to generate distributed load data for stage %d.", stage)});
}

bool Cpp_LoadErrors::Error5380(int stage, long count, const std::string& line) {
    return Reading(
        5380, kDistributedFrame,
        {FormatText("Wrong number of values for coordinates for distributed loads (Stage %1d)",
                    stage),
         FormatText("%1ld values were input; integer multiples of 4 values (e. g. 4, 8, 12) are "
                    "required.",
                    count)},
        &line);
}

bool Cpp_LoadErrors::Error5410(int stage) {
    return Check(
        5410, s_LoadMessage::Error,
        {FormatText("Missing (no) data points for distributed loads for stage %1d.", stage)});
}

bool Cpp_LoadErrors::Warning5420() {
    return Check(5420, s_LoadMessage::Warning,
                 {"Unable to check if the distributed loads lie on the surface",
                  "of the slope because no slope data are available."});
}

bool Cpp_LoadErrors::Error5430(int stage) {
    return Check(5430, s_LoadMessage::Error,
                 {FormatText("Only one data point for distributed loads for stage %1d.", stage)});
}

bool Cpp_LoadErrors::Error5440(long point, int stage, double x, double y) {
    return Check(
        5440, s_LoadMessage::Error,
        {FormatText("Distributed load point number %1ld for stage %1d is not on the slope.", point,
                    stage),
         FormatText("Point coordinates are - X: %1.2f, Y: %1.2f", x, y)});
}

bool Cpp_LoadErrors::Error5450(int reversed, long stage, long point, double x1, double y1,
                               double x2, double y2) {
    std::vector<std::string> lines = {
        FormatText(
            "The following points are out of order for the distributed loads for stage: %1ld",
            stage),
        FormatText("Point: %1ld, X: %1.2f, Y: %1.2f", point, x1, y1),
        FormatText("Point: %1ld, X: %1.2f, Y: %1.2f", point + 1, x2, y2)};
    int number = 5450;
    if (reversed == 1) {
        number = 5460;
        lines.push_back("Points were successfully reversed.");
    } else if (reversed == 0) {
        number = 5470;
        lines.push_back("Points could not be reversed to achieve proper order.");
    }
    return Check(number, s_LoadMessage::Error, std::move(lines));
}

bool Cpp_LoadErrors::Error5480(long segment, int stage, long p1, double x1, double y1, long p2,
                               double x2, double y2) {
    return Check(5480, s_LoadMessage::Error,
                 {FormatText("Distributed load segment number %1ld for stage %1d does not coincide "
                             "with slope.",
                             segment, stage),
                  FormatText("First point  (%1ld) X: %1.2f, Y: %1.2f", p1, x1, y1),
                  FormatText("Second point (%1ld) X: %1.2f, Y: %1.2f", p2, x2, y2)});
}

bool Cpp_LoadErrors::Error5500(int stage) {
    return Reading(5500, kLineLoadFrame,
                   {FormatText("Bad line of data for line load for stage %1d", stage)});
}

bool Cpp_LoadErrors::Error5510(long number, int stage, int option) {
    return Reading(5510, kLineLoadFrame,
                   {FormatText("Bad option for defining force format for line load number %1ld "
                               "(Stage %1d).",
                               number, stage),
                    FormatText("Option = %1d - Must be either 1 or 2.", option)});
}

bool Cpp_LoadErrors::Error5550(int stage, const std::string& line) {
    return Reading(5550, kLineLoadFrame,
                   {FormatText("Bad line of data to terminate line load data for stage %1d", stage),
                    "No numerical values and line is not blank - A blank line of data is "
                    "required."},
                   &line);
}

bool Cpp_LoadErrors::Error5580(int stage, long count, const std::string& line) {
    return Reading(
        5580, kLineLoadFrame,
        {FormatText("Wrong number of values for a line load (Stage %1d) - %1ld values were input",
                    stage, count),
         "Integer multiples of 6 values (e. g. 6, 12, etc.) are required."},
        &line);
}

bool Cpp_LoadErrors::Error5600(long number, int stage, int option) {
    return Check(5600, s_LoadMessage::Error,
                 {FormatText("Bad option for defining force format for line load number %1ld "
                             "(Stage %1d).",
                             number, stage),
                  FormatText("Option = %1d - Must be either 1 or 2.", option)});
}

bool Cpp_LoadErrors::Error5610(long first, long second, int stage) {
    return Check(
        5610, s_LoadMessage::Error,
        {FormatText("Line loads numbers %1ld and %1ld (Stage %1d) coincide.", first, second, stage),
         "Two line loads cannot have the same coordinates.\n"});
}

bool Cpp_LoadErrors::Error5620(long number, int stage) {
    return Check(
        5620, s_LoadMessage::Error,
        {FormatText("Zero force for line load number %1ld (Stage %1d).\n", number, stage)});
}

bool Cpp_LoadErrors::Error5700(long line) {
    return Reading(
        5700, kReinforcementFrame,
        {FormatText("You have entered data for another reinforcement line number %1ld.", line),
         "You already entered data for a reinforcement line with this number."});
}

bool Cpp_LoadErrors::Error5710() {
    return Reading(5710, kReinforcementFrame, {"Bad line of data for reinforcement line."});
}

bool Cpp_LoadErrors::Error5720(int line) {
    return Reading(
        5720, kReinforcementFrame,
        {FormatText("Bad line of data for points for reinforcement line number %1d", line)});
}

bool Cpp_LoadErrors::Error5740(const std::string& line) {
    return Reading(5740, kReinforcementFrame,
                   {"Bad line of data to terminate all reinforcement line data - blank line "
                    "required."},
                   &line);
}

bool Cpp_LoadErrors::Error5770(long line, long count, const std::string& input) {
    return Reading(
        5770, kReinforcementFrame,
        {FormatText("Not enough values for a point on reinforcement line number %1ld.", line),
         FormatText("%1ld values were input - At least 4 values are required.", count)},
        &input);
}

bool Cpp_LoadErrors::Error5810(long line, long count, const std::string& input) {
    return Reading(
        5810, kReinforcementFrame,
        {"Wrong number of values on line of data for reinformement line points for",
         FormatText("line %1ld.  %1ld values were entered - Must be even multiples of 4 values.",
                    line, count)},
        &input);
}

bool Cpp_LoadErrors::Error5820(long line) {
    return Check(5820, s_LoadMessage::Error,
                 {"Bad option to specify how reinforcement forces are applied to slices",
                  FormatText("and shear surface for reinforcement line number %1ld", line)});
}

bool Cpp_LoadErrors::Error5840(bool deleted, long line, long p1, double x1, double y1, double l1,
                               double t1, long p2, double x2, double y2, double l2, double t2) {
    std::vector<std::string> lines = {
        FormatText("Duplicate points for line number: %1ld", line),
        ReinforcementPointLine("First point number : ", p1, x1, y1, l1, t1),
        ReinforcementPointLine("Second point number: ", p2, x2, y2, l2, t2)};
    if (deleted) lines.push_back("Second point was deleted.");
    return Check(deleted ? 5830 : 5840, deleted ? s_LoadMessage::Warning : s_LoadMessage::Error,
                 std::move(lines));
}

bool Cpp_LoadErrors::Error5850(long line, long p1, double x1, double y1, double l1, double t1,
                               long p2, double x2, double y2, double l2, double t2) {
    return Check(
        5850, s_LoadMessage::Error,
        {FormatText("The following two points on line %1ld have the same coordinates,", line),
         "but the values for the forces are different.",
         ReinforcementPointLine("First point number : ", p1, x1, y1, l1, t1),
         ReinforcementPointLine("Second point number: ", p2, x2, y2, l2, t2),
         "This is not allowed."});
}

bool Cpp_LoadErrors::Error5860(long line) {
    return Check(5860, s_LoadMessage::Error,
                 {FormatText("No points for reinforcement line number: %1ld", line)});
}

bool Cpp_LoadErrors::Error5870(long line) {
    return Check(5870, s_LoadMessage::Error,
                 {FormatText("Only one point for reinforcement line number: %1ld", line)});
}

bool Cpp_LoadErrors::Error5890(bool reversed, long line, long point, double x1, double y1,
                               double x2, double y2) {
    return Check(
        reversed ? 5900 : 5890, reversed ? s_LoadMessage::Warning : s_LoadMessage::Error,
        {FormatText("The following points are out of order for reinforcement line number: %1ld",
                    line),
         FormatText("Point: %1ld, X: %1.2f, Y: %1.2f", point, x1, y1),
         FormatText("Point: %1ld, X: %1.2f, Y: %1.2f", point + 1, x2, y2),
         reversed ? "Points were successfully reversed."
                  : "Points could not be reversed to achieve proper order."});
}

namespace {
std::vector<std::string> SegmentLines(const char* first, long line1, long segment1, double ax1,
                                      double ay1, double ax2, double ay2, long line2, long segment2,
                                      double bx1, double by1, double bx2, double by2) {
    const char* const head = "Line number %1ld, segment %1ld, with the following end point "
                             "coordinates:";
    const char* const ends = "X1: %1.2f, Y1: %1.2f; X2: %1.2f, Y2: %1.2f";
    return {first, FormatText(head, line1, segment1), FormatText(ends, ax1, ay1, ax2, ay2),
            FormatText(head, line2, segment2), FormatText(ends, bx1, by1, bx2, by2)};
}
}  // namespace

bool Cpp_LoadErrors::Notice5920(long line1, long segment1, double ax1, double ay1, double ax2,
                                double ay2, long line2, long segment2, double bx1, double by1,
                                double bx2, double by2) {
    auto lines = SegmentLines("The following two reinforcement line segments coincide:", line1,
                              segment1, ax1, ay1, ax2, ay2, line2, segment2, bx1, by1, bx2, by2);
    lines.push_back("Notice Only - not fatal");
    return Check(5920, s_LoadMessage::Notice, std::move(lines));
}

bool Cpp_LoadErrors::Notice5930(long line1, long segment1, double ax1, double ay1, double ax2,
                                double ay2, long line2, long segment2, double bx1, double by1,
                                double bx2, double by2, double x, double y) {
    auto lines = SegmentLines("The following two reinforcement line segments intersect:", line1,
                              segment1, ax1, ay1, ax2, ay2, line2, segment2, bx1, by1, bx2, by2);
    lines.push_back(FormatText("Intersection point - X: %1.2f, Y: %1.2f", x, y));
    lines.push_back("Notice Only - not fatal");
    return Check(5930, s_LoadMessage::Notice, std::move(lines));
}

bool Cpp_LoadErrors::Error5910(int line, int r1, int r2, int s1, int s2) {
    return Check(
        5910, s_LoadMessage::Error,
        {FormatText("Reinforcement line number %1d intersects slope", line),
         FormatText("Intersection occurs between reinforcement line points %1d and %1d.", r1, r2),
         FormatText("Intersection occurs between slope line points %1d and %1d.", s1, s2)});
}

bool Cpp_LoadErrors::Notice5940(long line, long point) {
    return Check(5940, s_LoadMessage::Notice,
                 {FormatText("Zero force at interior point on reinforcement for line %1ld, point "
                             "%1ld.",
                             line, point),
                  "This is a WARNING ONLY - not a fatal error"});
}

bool Cpp_LoadErrors::Error5950(bool above, long line, long segment, long material) {
    s_LoadMessage m;
    m.number = 5950;
    m.listingOnly = true;
    m.lines = {FormatText("Missing material properties for interface %s reinforcement line %1ld",
                          above ? "ABOVE" : "BELOW", line),
               FormatText("Segment number %1ld - Material number %1ld", segment, material)};
    return Emit(std::move(m));
}

bool Cpp_LoadErrors::Error5950Reading(long line, long count, long required,
                                      const std::string& input) {
    return Reading(
        5950, kReinforcementFrame,
        {FormatText(
             "Interface material properties were missing for reinforcement line number %1ld.",
             line),
         FormatText("%1ld values were input - %1ld values are required.", count, required)},
        &input, true);
}

bool Cpp_LoadErrors::Error5960(bool above, long line, long segment, long material, int stage) {
    s_LoadMessage m;
    m.number = 5960;
    m.listingOnly = true;
    m.lines = {FormatText("Material properties for interface %s reinforcement line %1ld",
                          above ? "ABOVE" : "BELOW", line),
               "are not interface properties.",
               FormatText("Segment number %1ld - Material number %1ld (Stage %1d)", segment,
                          material, stage)};
    return Emit(std::move(m));
}
