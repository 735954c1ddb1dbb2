#include "loads/nail_force_distribution.h"

#include <algorithm>
#include <cmath>

std::vector<s_NailForceStation> NailForceStations(double P, double Th, double T, double length) {
    std::vector<s_NailForceStation> stations;
    const double LP = length * P;
    stations.push_back({0.0, std::min({Th, T, LP})});
    if (P > 0.0) {
        const double d1 = T > Th ? (T - Th) / P : 0.0;
        const double d2 = T / P;
        const double r = length - d1 - d2;
        if (r > 0.0) {
            if (d1 > 0.0) stations.push_back({d1, T});
            stations.push_back({d1 + r, T});
        } else if (LP > Th) {
            const double dp = (LP - Th) * 0.5 / P;
            stations.push_back({dp, Th + P * dp});
        }
    }
    stations.push_back({length, 0.0});
    return stations;
}

std::vector<s_NailLinePoint> NailLinePoints(double x0, double y0, int facing, double inclination,
                                            double length, double P, double Th, double T) {
    const double e = facing == 1 ? -1.0 : 1.0;
    const double c = std::cos(inclination);
    const double s = std::sin(inclination);
    std::vector<s_NailLinePoint> points;
    for (const s_NailForceStation& st : NailForceStations(P, Th, T, length))
        points.push_back({x0 + e * st.distance * c, y0 - st.distance * s, st.force});
    if (facing == 1) std::reverse(points.begin(), points.end());
    return points;
}
