#pragma once
// The force that one horizontal geogrid can develop along its length, per unit width.
//
// Along the grid the pullout resistance p (both faces, per length of grid) is integrated by the
// trapezoid rule twice: from the face (starting with the force developed at the face) and from
// the inner end (starting with 0). The grid carries the smaller of the two, limited by the
// allowable force Ta: it rises along the face curve to Ta, holds Ta, and falls along the inner
// curve to 0 at the end. When the two curves cross below Ta the peak is the crossing.

#include <string>
#include <vector>

struct s_GeogridCurvePoint {
    double x = 0.0;
    double force = 0.0;
};

enum class e_GeogridCurveResult {
    Ok,
    // The curves cross below Ta and the user asked to stop in that case.
    NotDeveloped,
    // The face curve never reaches Ta nor the inner curve.
    NotDevelopedAtFace,
    // The inner curve never reaches Ta.
    NotDevelopedInternally,
    // Fewer than two stations: nothing to integrate over.
    NoLine,
};

// The message shown for a result other than Ok (empty for Ok and NoLine).
std::string GeogridCurveMessage(e_GeogridCurveResult result);

// x: the m + 1 stations from the face (x[0]) to the inner end (x[m]), m >= 1, running in the
// direction e (+1 or -1); p: the pullout resistance at each station; fa0: the force developed
// at the face; ta: the allowable force; stop: refuse a grid whose curves cross below Ta.
// On Ok, points receives the points of the line from the face to the inner end.
e_GeogridCurveResult GeogridForcePoints(const std::vector<double>& x, const std::vector<double>& p,
                                        double e, double fa0, double ta, bool stop,
                                        std::vector<s_GeogridCurvePoint>& points);
