#pragma once
// The force that one soil nail can develop along its length, per unit width of slope, and the
// points of the reinforcement line that carries it.
//
// The force rises from the head value with the pullout slope P up to the tendon capacity T,
// stays at T, and falls with slope P to 0 at the embedded end; a nail too short for that rises
// from the head capacity to the peak where the two slopes meet.

#include <vector>

// One station of the distribution: distance from the head along the nail, and the force there.
struct s_NailForceStation {
    double distance = 0.0;
    double force = 0.0;
};

// One point of a generated reinforcement line.
struct s_NailLinePoint {
    double x = 0.0;
    double y = 0.0;
    double force = 0.0;
};

// Stations from the head (distance 0) to the end (distance length) for pullout resistance P per
// length of nail, head capacity Th and tendon capacity T (all per unit width). P must be above 0.
std::vector<s_NailForceStation> NailForceStations(double P, double Th, double T, double length);

// The points of the nail's reinforcement line: head (x0, y0), facing 0 (the nail runs toward +x)
// or 1 (toward -x), inclination in radians below the horizontal. The points run so that x grows
// along the line: from the head for facing 0, from the embedded end for facing 1.
std::vector<s_NailLinePoint> NailLinePoints(double x0, double y0, int facing, double inclination,
                                            double length, double P, double Th, double T);
