#include "graphics/line_errors.h"

#include <string>

#include "core/data_error_output.h"
#include "core/format_text.h"
#include "core/text_exception.h"

using M = Cpp_DataErrorOutput;

namespace {

struct FirstLine {
    long number = 0;
    int kind = 0;  // 0 error, 1 warning, 2 notice
    std::string text;
    bool known = false;
};

std::string Numbered(const char* format, long line) { return FormatText(format, line); }

FirstLine OutOfOrderLine(int lineKind, long line, int variant) {
    // variant 0 out of order, 1 not reversed, 2 reversed
    static const long profile[] = {2260, 2270, 2280}, piezo[] = {4530, 4540, 4550},
                      slope[] = {5180, 5190, 5200}, reinf[] = {5880, 5890, 5900},
                      noncirc[] = {7410, 7420, 7430};
    const int kind = variant == 2 ? 1 : 0;
    switch (lineKind) {
    case 2:
        return {
            profile[variant], kind,
            Numbered("The following points are out of order for profile line number: %1ld", line),
            true};
    case 3:
        return {piezo[variant], kind,
                Numbered("The following points are out of order for piezometric line number: "
                         "%1ld",
                         line),
                true};
    case 4:
        return {slope[variant], kind, "The following points are out of order for slope line.",
                true};
    case 5:
        return {reinf[variant], kind,
                Numbered("The following points are out of order for reinforcement line "
                         "number: %1ld",
                         line),
                true};
    case 6:
        return {noncirc[variant], kind,
                "The following points are out of order for noncircular shear surface", true};
    default: return {};
    }
}

bool OutOfOrder(int lineKind, long lineNumber, long point, double x1, double y1, double x2,
                double y2, int variant) {
    FirstLine first = OutOfOrderLine(lineKind, lineNumber, variant);
    if (!first.known) return true;
    M::BeginCheck(first.number, first.kind);
    M::AddString(first.text);
    M::AddLine("Point: %1ld, X: %1.2f, Y: %1.2f", point, x1, y1);
    M::AddLine("Point: %1ld, X: %1.2f, Y: %1.2f", point + 1, x2, y2);
    if (variant == 1) M::AddString("Points could not be reversed to achieve proper order.");
    if (variant == 2) M::AddString("Points were successfully reversed.");
    return M::Finish();
}

void SegmentLines(long line1, long segment1, double x1, double y1, double x2, double y2, long line2,
                  long segment2, double x3, double y3, double x4, double y4) {
    M::AddLine("Line number %1ld, segment %1ld, with the following end point coordinates:", line1,
               segment1);
    M::AddLine("X1: %1.2f, Y1: %1.2f; X2: %1.2f, Y2: %1.2f", x1, y1, x2, y2);
    M::AddLine("Line number %1ld, segment %1ld, with the following end point coordinates:", line2,
               segment2);
    M::AddLine("X1: %1.2f, Y1: %1.2f; X2: %1.2f, Y2: %1.2f", x3, y3, x4, y4);
}

}  // namespace

bool Cpp_LineErrors::DuplicatePoints(int lineKind, long lineNumber) {
    switch (lineKind) {
    case 2:
        M::BeginCheck(2210, 0);
        M::AddLine("Duplicate points for profile line number: %1ld", lineNumber);
        break;
    case 3:
        M::BeginCheck(4560, 0);
        M::AddLine("Duplicate points for piezometric line number: %1ld", lineNumber);
        break;
    case 4:
        M::BeginCheck(5110, 0);
        M::AddString("Duplicate points for slope line.");
        break;
    case 6: throw Cpp_TextException("EXCEPTION: Cpp_LineErrors::DuplicatePoints");
    default: return true;
    }
    return M::Finish();
}

bool Cpp_LineErrors::DuplicatePointDeleted(int lineKind, long lineNumber, long first, double x1,
                                           double y1, long second, double x2, double y2) {
    switch (lineKind) {
    case 2:
        M::BeginCheck(2200, 1);
        M::AddLine("Duplicate points for profile line number: %1ld", lineNumber);
        break;
    case 3:
        M::BeginCheck(4570, 1);
        M::AddLine("Duplicate points for piezometric line number: %1ld", lineNumber);
        break;
    case 4:
        M::BeginCheck(5120, 1);
        M::AddString("Duplicate points for slope line.");
        break;
    case 6:
        M::BeginCheck(7320, 1);
        M::AddString("Duplicate points for noncircular shear surface.");
        break;
    default: return true;
    }
    M::AddLine("First point number : %1ld; X: %1.2f, Y: %1.2f", first, x1, y1);
    M::AddLine("Second point number: %1ld; X: %1.2f, Y: %1.2f", second, x2, y2);
    M::AddString("Second point was deleted.");
    return M::Finish();
}

bool Cpp_LineErrors::NoPoints(int lineKind, long lineNumber) {
    switch (lineKind) {
    case 2:
        M::BeginCheck(2230, 0);
        M::AddLine("No points for profile line number: %1ld", lineNumber);
        break;
    case 3:
        M::BeginCheck(4510, 0);
        M::AddLine("No points for piezometric line number: %1ld", lineNumber);
        break;
    case 4:
        M::BeginCheck(5140, 0);
        M::AddString("No points for slope line.");
        break;
    case 5:
        M::BeginCheck(5860, 0);
        M::AddLine("No points for reinforcement line number: %1ld", lineNumber);
        break;
    case 6:
        M::BeginCheck(7380, 0);
        M::AddString("No points for noncircular shear surface.");
        break;
    default: return true;
    }
    return M::Finish();
}

bool Cpp_LineErrors::OnlyOnePoint(int lineKind, long lineNumber) {
    switch (lineKind) {
    case 2:
        M::BeginCheck(2250, 0);
        M::AddLine("Only one point for profile line number: %1ld", lineNumber);
        break;
    case 3:
        M::BeginCheck(4520, 0);
        M::AddLine("Only one point for piezometric line number: %1ld", lineNumber);
        break;
    case 4:
        M::BeginCheck(5170, 0);
        M::AddString("Only one point for slope line");
        break;
    case 5:
        M::BeginCheck(5870, 0);
        M::AddLine("Only one point for reinforcement line number: %1ld", lineNumber);
        break;
    case 6:
        M::BeginCheck(7390, 0);
        M::AddString("Only one point for noncircular shear surface");
        break;
    default: return true;
    }
    return M::Finish();
}

bool Cpp_LineErrors::PointsOutOfOrder(int lineKind, long lineNumber, long point, double x1,
                                      double y1, double x2, double y2) {
    return OutOfOrder(lineKind, lineNumber, point, x1, y1, x2, y2, 0);
}

bool Cpp_LineErrors::PointsOutOfOrderNotReversed(int lineKind, long lineNumber, long point,
                                                 double x1, double y1, double x2, double y2) {
    return OutOfOrder(lineKind, lineNumber, point, x1, y1, x2, y2, 1);
}

bool Cpp_LineErrors::PointsOutOfOrderReversed(int lineKind, long lineNumber, long point, double x1,
                                              double y1, double x2, double y2) {
    return OutOfOrder(lineKind, lineNumber, point, x1, y1, x2, y2, 2);
}

bool Cpp_LineErrors::SegmentsCoincide(int lineKind, long line1, long segment1, double x1, double y1,
                                      double x2, double y2, long line2, long segment2, double x3,
                                      double y3, double x4, double y4, bool notice) {
    if (lineKind == 2) {
        M::BeginCheck(2300, 0);
        M::AddString("The following two profile line segments coincide:");
    } else if (lineKind == 5) {
        M::BeginCheck(5920, 2);
        M::AddString("The following two reinforcement line segments coincide:");
    } else {
        M::BeginCheck(1580, 0);
    }
    SegmentLines(line1, segment1, x1, y1, x2, y2, line2, segment2, x3, y3, x4, y4);
    if (notice) M::AddString("Notice Only - not fatal");
    return M::Finish();
}

bool Cpp_LineErrors::SegmentsIntersect(int lineKind, long line1, long segment1, double x1,
                                       double y1, double x2, double y2, long line2, long segment2,
                                       double x3, double y3, double x4, double y4, double xi,
                                       double yi, bool notice) {
    if (lineKind == 2) {
        M::BeginCheck(2310, 0);
        M::AddString("The following two profile line segments intersect:");
    } else if (lineKind == 5) {
        M::BeginCheck(5930, 2);
        M::AddString("The following two reinforcement line segments intersect:");
    } else {
        M::BeginCheck(1570, 0);
    }
    SegmentLines(line1, segment1, x1, y1, x2, y2, line2, segment2, x3, y3, x4, y4);
    M::AddLine("Intersection point - X: %1.2f, Y: %1.2f", xi, yi);
    if (notice) M::AddString("Notice Only - not fatal");
    return M::Finish();
}
