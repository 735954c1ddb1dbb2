#include "loads/geogrid_force_curve.h"

#include <algorithm>
#include <cmath>

std::string GeogridCurveMessage(e_GeogridCurveResult result) {
    switch (result) {
    case e_GeogridCurveResult::NotDeveloped:
        return "Insufficient pullout resistance to develop allowable force in geogrid.  Cannot "
               "generate reinforcement lines.";
    case e_GeogridCurveResult::NotDevelopedAtFace:
        return "Insufficient pullout resistance at slope face to develop allowable force in "
               "geogrid.  Cannot generate reinforcement lines.";
    case e_GeogridCurveResult::NotDevelopedInternally:
        return "Insufficient pullout resistance internally in slope to develop allowable force "
               "in geogrid.  Cannot generate reinforcement lines.";
    default: return {};
    }
}

e_GeogridCurveResult GeogridForcePoints(const std::vector<double>& x, const std::vector<double>& p,
                                        double e, double fa0, double ta, bool stop,
                                        std::vector<s_GeogridCurvePoint>& points) {
    points.clear();
    const int m = static_cast<int>(x.size()) - 1;
    if (m < 1 || p.size() != x.size()) return e_GeogridCurveResult::NoLine;

    std::vector<double> fa(m + 1), fi(m + 1);
    fa[0] = fa0;
    for (int k = 0; k < m; ++k)
        fa[k + 1] = fa[k] + (p[k] + p[k + 1]) / 2.0 * std::fabs(x[k + 1] - x[k]);
    fi[m] = 0.0;
    for (int k = m; k > 0; --k)
        fi[k - 1] = fi[k] + (p[k - 1] + p[k]) / 2.0 * std::fabs(x[k] - x[k - 1]);

    // First transition: where the face curve reaches Ta, or where the two curves cross when
    // that happens below Ta (the grid cannot hold more than the inner curve allows).
    bool found = false, crossing = false;
    double xT1 = 0.0, fT1 = 0.0;
    for (int k = 0; k <= m && !found; ++k) {
        const bool aboveTa = fa[k] > ta;
        const bool crosses = fa[k] > fi[k];
        if (!aboveTa && !crosses) continue;
        double xc = x[0], fc = fi[0];
        if (crosses && k > 0) {
            const double d0 = fa[k - 1] - fi[k - 1];
            const double d1 = fa[k] - fi[k];
            const double t = d1 != d0 ? -d0 / (d1 - d0) : 0.0;
            xc = x[k - 1] + t * (x[k] - x[k - 1]);
            fc = fa[k - 1] + t * (fa[k] - fa[k - 1]);
        }
        found = true;
        if (crosses && (!aboveTa || fc < ta)) {
            if (stop) return e_GeogridCurveResult::NotDeveloped;
            crossing = true;
            xT1 = xc;
            fT1 = fc;
        } else {
            xT1 = k == 0 ? x[0]
                         : x[k - 1] + (ta - fa[k - 1]) * (x[k] - x[k - 1]) / (fa[k] - fa[k - 1]);
            fT1 = ta;
        }
    }
    if (!found) return e_GeogridCurveResult::NotDevelopedAtFace;

    double xT2 = xT1;
    if (!crossing) {
        found = false;
        for (int k = m; k >= 0 && !found; --k) {
            if (fi[k] > ta) {
                xT2 = k == m ? x[m] : x[k] + (ta - fi[k]) * (x[k] - x[k + 1]) / (fi[k] - fi[k + 1]);
                found = true;
            } else if (fi[k] > fa[k]) {
                // The curves meet below Ta on this side: the grid cannot develop Ta inside.
                return e_GeogridCurveResult::NotDevelopedInternally;
            }
        }
        if (!found) return e_GeogridCurveResult::NotDevelopedInternally;
    }

    // The force at the face never exceeds what the grid can carry there.
    if (e * xT1 > e * x[0]) points.push_back({x[0], fa0});
    const double s0 = (fa[1] - fa[0]) / (x[1] - x[0]);
    for (int k = 1; k <= m - 1 && e * x[k] < e * xT1; ++k) {
        const double sk = (fa[k + 1] - fa[k]) / (x[k + 1] - x[k]);
        if (std::fabs(s0 - sk) > 0.01 * std::fabs(std::max(s0, sk)))
            points.push_back({x[k], fa[k]});
    }
    points.push_back({xT1, fT1});
    if (e * xT2 > e * xT1) points.push_back({xT2, ta});
    if (e * x[m] > e * points.back().x) points.push_back({x[m], 0.0});
    return e_GeogridCurveResult::Ok;
}
