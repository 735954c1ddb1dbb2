#include "graphics/pick.h"

#include <cmath>

#include "core/geometry.h"

bool AcceptNearerCandidate(s_PickType& pick, double distanceSquared,
                           double secondaryDistanceSquared, e_PickTie tie) {
    // Written with < only, so that a distance that is not a number compares as the rules say.
    bool accept = !pick.found || distanceSquared < pick.bestDistanceSquared;
    if (!accept && !(pick.bestDistanceSquared < distanceSquared)) {
        if (tie == e_PickTie::TakeLater) accept = true;
        if (tie == e_PickTie::SmallerSecondary)
            accept = secondaryDistanceSquared < pick.secondaryDistanceSquared;
    }
    if (!accept) return false;
    pick.found = 1;
    pick.bestDistanceSquared = distanceSquared;
    pick.secondaryDistanceSquared = secondaryDistanceSquared;
    return true;
}

bool AcceptNearerSegment(s_PickType& pick, double distance, int segmentNumber) {
    if (!AcceptNearerCandidate(pick, distance * distance)) return false;
    pick.segmentNumber = segmentNumber;
    return true;
}

bool IsInPickBox(const s_PickType& pick, double x, double y) {
    return !(std::fabs(pick.x - x) > pick.tolerance || std::fabs(pick.y - y) > pick.tolerance);
}

bool IsNearPick(double x, double y, s_PickType& pick) {
    return IsInPickBox(pick, x, y) &&
           AcceptNearerCandidate(pick, DistanceSquared(pick.x, pick.y, x, y), e_PickTie::TakeLater);
}
