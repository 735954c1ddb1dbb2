#include "graphics/pick.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

// A record that already holds a hit at squared distance 4 with secondary distance 1.
s_PickType HeldAt4() {
    s_PickType pick{0.0, 0.0, 10.0};
    pick.found = 1;
    pick.bestDistanceSquared = 4.0;
    pick.secondaryDistanceSquared = 1.0;
    pick.segmentNumber = 7;
    return pick;
}

TEST(AcceptNearerCandidate, RanksAgainstTheHeldHitByTheTieRule) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    struct Case {
        double distance, secondary;
        e_PickTie tie;
        bool accepted;
    } cases[] = {
        {3.0, 9.0, e_PickTie::KeepEarlier, true},  // nearer wins whatever its secondary
        {5.0, 0.0, e_PickTie::TakeLater, false},   // farther loses under every rule
        {5.0, 0.0, e_PickTie::SmallerSecondary, false},
        {4.0, 0.5, e_PickTie::KeepEarlier, false},  // ties
        {4.0, 9.0, e_PickTie::TakeLater, true},
        {4.0, 0.5, e_PickTie::SmallerSecondary, true},
        {4.0, 1.0, e_PickTie::SmallerSecondary, false},  // equal secondary keeps the earlier
        {nan, 0.0, e_PickTie::KeepEarlier, false},
        {nan, 0.0, e_PickTie::TakeLater, true},
        {nan, 0.5, e_PickTie::SmallerSecondary, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << c.distance << " " << c.secondary << " " << static_cast<int>(c.tie));
        s_PickType pick = HeldAt4();
        EXPECT_EQ(AcceptNearerCandidate(pick, c.distance, c.secondary, c.tie), c.accepted);
        if (c.accepted) {
            EXPECT_TRUE(pick.bestDistanceSquared == c.distance || std::isnan(c.distance));
            EXPECT_EQ(pick.secondaryDistanceSquared, c.secondary);
        } else {
            EXPECT_EQ(pick.bestDistanceSquared, 4.0);
            EXPECT_EQ(pick.secondaryDistanceSquared, 1.0);
        }
        EXPECT_EQ(pick.found, 1);
        EXPECT_EQ(pick.segmentNumber, 7);  // only a segment sets the number
    }
}

TEST(AcceptNearerCandidate, FirstCandidateIsTakenAtAnyDistance) {
    s_PickType pick{0.0, 0.0, 1.0};
    EXPECT_TRUE(AcceptNearerCandidate(pick, 1e6));  // the box test is the caller's
    EXPECT_EQ(pick.found, 1);
    EXPECT_EQ(pick.bestDistanceSquared, 1e6);
    EXPECT_EQ(pick.secondaryDistanceSquared, 1e6);
}

TEST(AcceptNearerSegment, SquaresTheDistanceAndNumbersOnlyAnAcceptedSegment) {
    s_PickType pick = HeldAt4();
    EXPECT_FALSE(AcceptNearerSegment(pick, 2.0, 3));  // 2 squared ties with 4: earlier stays
    EXPECT_EQ(pick.segmentNumber, 7);
    EXPECT_TRUE(AcceptNearerSegment(pick, 1.5, 3));
    EXPECT_EQ(pick.segmentNumber, 3);
    EXPECT_EQ(pick.bestDistanceSquared, 2.25);
    EXPECT_EQ(pick.secondaryDistanceSquared, 2.25);
}

TEST(IsNearPick, BoxEdgesCountAndTheLaterOfEqualPositionsWins) {
    s_PickType pick{1.0, 1.0, 0.5};
    EXPECT_TRUE(IsInPickBox(pick, 1.5, 0.5));  // corner of the box
    EXPECT_FALSE(IsInPickBox(pick, 1.5000001, 1.0));
    EXPECT_FALSE(IsNearPick(1.0, 1.6, pick));
    EXPECT_EQ(pick.found, 0);
    EXPECT_TRUE(IsNearPick(1.5, 1.0, pick));
    EXPECT_TRUE(IsNearPick(0.5, 1.0, pick));   // as near: taken
    EXPECT_FALSE(IsNearPick(1.5, 1.5, pick));  // farther
    EXPECT_TRUE(IsNearPick(1.25, 1.0, pick));
    EXPECT_EQ(pick.bestDistanceSquared, 0.0625);
}

}  // namespace
