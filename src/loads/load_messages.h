#pragma once
// The numbered data messages of distributed loads (5300-5480), line loads (5500-5620) and
// reinforcement lines (5700-5960): one function per message, each returning true.
//
// A message is built as a s_LoadMessage (number, kind, form and its lines) and handed to the
// data-error output: forms R (the block's frame line first), L (the input line last), T (the
// pending block title first) go to the echo listing and "Error.log"; form P goes to the listing
// only.

#include <string>
#include <vector>

struct s_LoadMessage {
    enum Kind { Error = 0, Warning = 1, Notice = 2 };
    int number = 0;
    int kind = Error;
    bool pendingTitle = false;       // form T
    bool listingOnly = false;        // form P
    std::vector<std::string> lines;  // the frame line (form R) included
    bool hasInputLine = false;       // form L
    std::string inputLine;
};

// Every message emitted since the last reset, in order (kept for the information of callers
// and tests; the listing and the log get them as they come).
const std::vector<s_LoadMessage>& EmittedLoadMessages();
void ClearEmittedLoadMessages();

class Cpp_LoadErrors {
public:
    // Distributed loads.
    static bool Error5300(int stage);
    static bool Error5320(int pieNumber, int stage, const std::string& line);
    static bool Error5330(int stage, const std::string& line);
    static bool Error5340(int pieNumber, int stage);
    static bool Error5350(int stage);
    static bool Error5380(int stage, long count, const std::string& line);
    static bool Error5410(int stage);
    static bool Warning5420();
    static bool Error5430(int stage);
    static bool Error5440(long point, int stage, double x, double y);
    // 5450 out of order, 5460 reversed, 5470 could not be reversed (reversed: 1 yes, 0 no,
    // -1 not attempted).
    static bool Error5450(int reversed, long stage, long point, double x1, double y1, double x2,
                          double y2);
    static bool Error5480(long segment, int stage, long p1, double x1, double y1, long p2,
                          double x2, double y2);
    // Line loads.
    static bool Error5500(int stage);
    static bool Error5510(long number, int stage, int option);
    static bool Error5550(int stage, const std::string& line);
    static bool Error5580(int stage, long count, const std::string& line);
    static bool Error5600(long number, int stage, int option);
    static bool Error5610(long first, long second, int stage);
    static bool Error5620(long number, int stage);
    // Reinforcement lines.
    static bool Error5700(long line);
    static bool Error5710();
    static bool Error5720(int line);
    static bool Error5740(const std::string& line);
    static bool Error5770(long line, long count, const std::string& input);
    static bool Error5810(long line, long count, const std::string& input);
    static bool Error5820(long line);
    // 5830 (deleted: a warning ending "Second point was deleted.") or 5840.
    static bool Error5840(bool deleted, long line, long p1, double x1, double y1, double l1,
                          double t1, long p2, double x2, double y2, double l2, double t2);
    static bool Error5850(long line, long p1, double x1, double y1, double l1, double t1, long p2,
                          double x2, double y2, double l2, double t2);
    // The line errors of reinforcement lines.
    static bool Error5860(long line);
    static bool Error5870(long line);
    // 5900 (reversed, a warning) or 5890 (could not be reversed): points i and i + 1.
    static bool Error5890(bool reversed, long line, long point, double x1, double y1, double x2,
                          double y2);
    // 5920 segments coincide, 5930 segments intersect (with the intersection point); notices.
    static bool Notice5920(long line1, long segment1, double ax1, double ay1, double ax2,
                           double ay2, long line2, long segment2, double bx1, double by1,
                           double bx2, double by2);
    static bool Notice5930(long line1, long segment1, double ax1, double ay1, double ax2,
                           double ay2, long line2, long segment2, double bx1, double by1,
                           double bx2, double by2, double x, double y);
    static bool Error5910(int line, int r1, int r2, int s1, int s2);
    static bool Notice5940(long line, long point);
    // Interface checks (listing only): above true for the interface above the line.
    static bool Error5950(bool above, long line, long segment, long material);
    static bool Error5950Reading(long line, long count, long required, const std::string& input);
    static bool Error5960(bool above, long line, long segment, long material, int stage);
};
