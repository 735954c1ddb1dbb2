#pragma once
// The numbered messages of the line checks, by line kind (2 profile, 3 piezometric, 4 slope,
// 5 reinforcement, 6 noncircular shear surface). All are check messages: the pending block title
// comes first (core/data_error_output.h). Each returns true.
//
//     Cpp_LineErrors::OnlyOnePoint(Cpp_LineKindProfile, line.GetNumber());

class Cpp_LineErrors {
public:
    // 2210, 4560, 5110; kind 6 throws the text "EXCEPTION: Cpp_LineErrors::DuplicatePoints".
    static bool DuplicatePoints(int lineKind, long lineNumber);
    // 2200, 4570, 5120, 7320 (warnings).
    static bool DuplicatePointDeleted(int lineKind, long lineNumber, long first, double x1,
                                      double y1, long second, double x2, double y2);
    static bool NoPoints(int lineKind, long lineNumber);
    static bool OnlyOnePoint(int lineKind, long lineNumber);
    // Points i and i + 1 (the message numbers them) out of order.
    static bool PointsOutOfOrder(int lineKind, long lineNumber, long point, double x1, double y1,
                                 double x2, double y2);
    static bool PointsOutOfOrderNotReversed(int lineKind, long lineNumber, long point, double x1,
                                            double y1, double x2, double y2);
    static bool PointsOutOfOrderReversed(int lineKind, long lineNumber, long point, double x1,
                                         double y1, double x2, double y2);
    static bool SegmentsCoincide(int lineKind, long line1, long segment1, double x1, double y1,
                                 double x2, double y2, long line2, long segment2, double x3,
                                 double y3, double x4, double y4, bool notice);
    static bool SegmentsIntersect(int lineKind, long line1, long segment1, double x1, double y1,
                                  double x2, double y2, long line2, long segment2, double x3,
                                  double y3, double x4, double y4, double xi, double yi,
                                  bool notice);
};
