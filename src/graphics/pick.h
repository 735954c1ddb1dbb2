#pragma once
// The pick record every hit test fills, and the one rule by which a hit test accepts a nearer
// candidate.
//
//     s_PickType pick{x, y, tolerance};
//     for (each point p of a list)
//         if (IsInPickBox(pick, p.x, p.y) &&
//             AcceptNearerCandidate(pick, DistanceSquared(pick.x, pick.y, p.x, p.y)))
//             best = &p;

// The pick record of every hit test: pick position and half side of the square pick box, and
// the best candidate the tests found so far. One record may pass through several hit tests in
// turn, so that only a nearer candidate replaces an earlier one.
struct s_PickType {
    double x = 0.0;
    double y = 0.0;
    double tolerance = 0.0;
    int found = 0;
    double bestDistanceSquared = 0.0;
    double secondaryDistanceSquared = 0.0;
    int segmentNumber = 0;
};

// What a candidate exactly as near as the best one so far does.
enum class e_PickTie {
    KeepEarlier,       // the earlier candidate stays
    TakeLater,         // the later candidate wins
    SmallerSecondary,  // the candidate wins when its secondary distance is smaller
};

// The one place a hit test accepts a candidate at the squared distance from the pick position:
// when nothing was found yet, when it is nearer than the best so far, or when it is as near and
// the tie rule takes it. An accepted candidate becomes the best: found is set and both
// distances of the record take the candidate's (the secondary is the distance itself unless
// given). A distance that is not a number is only accepted on a tie rule other than KeepEarlier.
bool AcceptNearerCandidate(s_PickType& pick, double distanceSquared,
                           double secondaryDistanceSquared, e_PickTie tie);
inline bool AcceptNearerCandidate(s_PickType& pick, double distanceSquared,
                                  e_PickTie tie = e_PickTie::KeepEarlier) {
    return AcceptNearerCandidate(pick, distanceSquared, distanceSquared, tie);
}
// A segment at the (unsquared) distance, KeepEarlier; an accepted one also sets segmentNumber.
bool AcceptNearerSegment(s_PickType& pick, double distance, int segmentNumber);

// The position lies in the square pick box (its edges included).
bool IsInPickBox(const s_PickType& pick, double x, double y);

// A position (a point, a label anchor) inside the pick box and not farther than the best hit so
// far; accepted positions update the record. Among equal distances the later one wins.
bool IsNearPick(double x, double y, s_PickType& pick);
