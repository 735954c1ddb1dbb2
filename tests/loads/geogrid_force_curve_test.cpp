// Force curves of single geogrids against hand-integrated values.

#include <gtest/gtest.h>

#include "loads/geogrid_force_curve.h"

namespace {

std::vector<double> Stations(double x0, double e, int m) {
    std::vector<double> x;
    for (int k = 0; k <= m; ++k) x.push_back(x0 + e * k);
    return x;
}

void ExpectPoints(const std::vector<s_GeogridCurvePoint>& got,
                  const std::vector<s_GeogridCurvePoint>& expected) {
    ASSERT_EQ(got.size(), expected.size());
    for (size_t i = 0; i < got.size(); ++i) {
        EXPECT_NEAR(got[i].x, expected[i].x, 1e-12) << "point " << i;
        EXPECT_NEAR(got[i].force, expected[i].force, 1e-12) << "point " << i;
    }
}

// p = 2 on a grid of length 10: the face curve is 1 + 2x, the inner curve 2 (10 - x).
TEST(GeogridForceCurve, RisesToAllowableHoldsItAndFallsToTheEnd) {
    std::vector<s_GeogridCurvePoint> pts;
    ASSERT_EQ(
        GeogridForcePoints(Stations(0, 1, 10), std::vector<double>(11, 2.0), 1, 1, 5, true, pts),
        e_GeogridCurveResult::Ok);
    ExpectPoints(pts, {{0, 1}, {2, 5}, {7.5, 5}, {10, 0}});

    // A slope facing right: the same grid mirrored, x falling along the line.
    ASSERT_EQ(
        GeogridForcePoints(Stations(10, -1, 10), std::vector<double>(11, 2.0), -1, 1, 5, true, pts),
        e_GeogridCurveResult::Ok);
    ExpectPoints(pts, {{10, 1}, {8, 5}, {2.5, 5}, {0, 0}});
}

TEST(GeogridForceCurve, CurvesCrossingBelowAllowablePeakAtTheCrossingUnlessStopped) {
    std::vector<s_GeogridCurvePoint> pts;
    const auto x = Stations(0, 1, 10);
    const std::vector<double> p(11, 2.0);
    ASSERT_EQ(GeogridForcePoints(x, p, 1, 1, 100, false, pts), e_GeogridCurveResult::Ok);
    ExpectPoints(pts, {{0, 1}, {4.75, 10.5}, {10, 0}});
    EXPECT_EQ(GeogridForcePoints(x, p, 1, 1, 100, true, pts), e_GeogridCurveResult::NotDeveloped);
    EXPECT_EQ(GeogridCurveMessage(e_GeogridCurveResult::NotDeveloped),
              "Insufficient pullout resistance to develop allowable force in geogrid.  Cannot "
              "generate reinforcement lines.");
}

// p = 2 over the first station, 4 beyond: the face curve bends, so its stations are kept.
TEST(GeogridForceCurve, KeepsFaceStationsWhereTheCurveBends) {
    std::vector<double> p(11, 4.0);
    p[0] = p[1] = 2.0;
    std::vector<s_GeogridCurvePoint> pts;
    ASSERT_EQ(GeogridForcePoints(Stations(0, 1, 10), p, 1, 0, 10, true, pts),
              e_GeogridCurveResult::Ok);
    ExpectPoints(pts, {{0, 0}, {1, 2}, {2, 5}, {3, 9}, {3.25, 10}, {7.5, 10}, {10, 0}});
}

// Regression: when the face curve passes Ta on the same piece on which the curves have already
// crossed below Ta, the grid's peak is the crossing (never a silent stop of the generation).
TEST(GeogridForceCurve, CrossingBeforeAllowableOnTheSamePieceIsACrossing) {
    std::vector<double> p(11, 4.0);
    p[0] = p[1] = 2.0;
    std::vector<s_GeogridCurvePoint> pts;
    ASSERT_EQ(GeogridForcePoints(Stations(0, 1, 10), p, 1, 0, 20, false, pts),
              e_GeogridCurveResult::Ok);
    ExpectPoints(pts, {{0, 0}, {1, 2}, {2, 5}, {3, 9}, {4, 13}, {5, 17}, {5.375, 18.5}, {10, 0}});
}

TEST(GeogridForceCurve, FaceForceAboveTheInnerResistanceIsLimitedAtTheFace) {
    std::vector<s_GeogridCurvePoint> pts;
    // Fi0 = 2 * 10 = 20 below the face force 25 (Ta 30).
    ASSERT_EQ(
        GeogridForcePoints(Stations(0, 1, 10), std::vector<double>(11, 2.0), 1, 25, 30, false, pts),
        e_GeogridCurveResult::Ok);
    ExpectPoints(pts, {{0, 20}, {10, 0}});
}

TEST(GeogridForceCurve, ReportsWhereTheAllowableForceCannotBeDeveloped) {
    std::vector<s_GeogridCurvePoint> pts;
    // No pullout resistance at all: the face curve stays at the face force.
    EXPECT_EQ(
        GeogridForcePoints(Stations(0, 1, 4), std::vector<double>(5, 0.0), 1, 0, 5, true, pts),
        e_GeogridCurveResult::NotDevelopedAtFace);
    EXPECT_EQ(GeogridForcePoints({0.0}, {1.0}, 1, 0, 5, true, pts), e_GeogridCurveResult::NoLine);
}

}  // namespace
