#include "engine/moon.h"

#include <gtest/gtest.h>

#include "test_support.h"

namespace starwise::engine {
namespace {

// The engine keeps the 25 largest terms and no additive terms of the full
// series; 0.0046 degree measured at the published example.
constexpr double kTruncatedSeriesToleranceDeg = 0.01;

// J. Meeus, Astronomical Algorithms, 2nd ed. (1998), Example 47.a: the Moon
// on 1992 April 12, 0h TD (T = -0.077221081451) at longitude 133.162655
// degrees from the full series. Wider comparisons: erfa_comparison_test.
TEST(MoonLongitude, MeeusExample47a) {
    constexpr double kCenturiesSinceJ2000 = -0.077221081451;
    constexpr double kPublishedDeg = 133.162655;
    EXPECT_NEAR(test::AngleDiffDeg(MoonLongitude(kCenturiesSinceJ2000), kPublishedDeg), 0.0,
                kTruncatedSeriesToleranceDeg)
        << "T " << kCenturiesSinceJ2000 << ": expected " << kPublishedDeg << ", got "
        << MoonLongitude(kCenturiesSinceJ2000);
}

TEST(MoonLongitude, ManyTurnsFromJ2000StillReduce) {
    for (double t = -1.0; t <= 0.51; t += 0.0137) {
        const double longitude = MoonLongitude(t);
        SCOPED_TRACE(t);
        EXPECT_GE(longitude, 0.0);
        EXPECT_LT(longitude, 360.0);
    }
}

TEST(LunarLongitudeTerms, LargestTermsInOrder) {
    // The second term is the equation of the centre, the largest of all.
    EXPECT_DOUBLE_EQ(kLunarLongitudeTerms[1].coefficientDeg, 6.288774);
    for (const LunarLongitudeTerm& term : kLunarLongitudeTerms) {
        SCOPED_TRACE(term.coefficientDeg);
        EXPECT_EQ(term.timesE, term.multipleOfM != 0);  // E multiplies exactly the terms in M
    }
}

}  // namespace
}  // namespace starwise::engine
