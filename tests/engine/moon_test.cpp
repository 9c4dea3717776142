#include "engine/moon.h"

#include <gtest/gtest.h>

#include "engine/time_scales.h"
#include "test_support.h"

namespace starwise::engine {
namespace {

constexpr double kPeriodicSumToleranceDeg = 0.00005;  // published to 0.0001
constexpr double kPublishedLongitudeToleranceDeg = 0.0005;

struct MoonCase {
    const char* epoch;
    double centuriesSinceJ2000;
    double expectedDeg;
};

TEST(MoonLongitude, PublishedPositions) {
    const MoonCase cases[] = {
        {"2000-01-01 12:00 UT", 0.0, 223.316},
        {"1980-07-15 06:30 UT", CenturiesSinceJ2000(2444436, 6.5), 148.095},  // T = -0.1946401
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.epoch);
        EXPECT_NEAR(test::AngleDiffDeg(MoonLongitude(c.centuriesSinceJ2000), c.expectedDeg), 0.0,
                    kPublishedLongitudeToleranceDeg);
    }
    EXPECT_NEAR(LunarPeriodicSumDeg(0.0), 4.9996, kPeriodicSumToleranceDeg);
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
