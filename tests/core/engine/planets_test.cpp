#include "engine/planets.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "engine/angles.h"
#include "engine/nodes.h"
#include "test_support.h"

namespace starwise::engine {
namespace {

constexpr double kKeplerResidualToleranceRad = 1e-12;
constexpr double kNodeToleranceDeg = 1e-6;

// Accuracy against an outside ephemeris is tested in erfa_comparison_test.
TEST(PlanetLongitude, StaysInOneTurnOverTheWholeRange) {
    auto random = test::TestRandom();
    std::uniform_real_distribution<double> days(-36160.0, 18628.0);  // 1901 .. 2050
    for (int i = 0; i < 3000; ++i) {
        const double d = days(random);
        const auto all = PlanetLongitudes(d);
        for (std::size_t row = 0; row < kElementRows; ++row) {
            SCOPED_TRACE(testing::Message() << "d=" << d << " " << kOrbitalElements[row].body);
            EXPECT_GE(all[row], 0.0);
            EXPECT_LT(all[row], 360.0);
            EXPECT_EQ(all[row], PlanetLongitude(row, d));  // the shared Earth changes nothing
        }
    }
}

TEST(TrueAnomaly, SolvesKeplersEquation) {
    auto random = test::TestRandom();
    std::uniform_real_distribution<double> anomaly(0.0, kTwoPi);
    for (const double e : {0.0, 0.0068, 0.0167, 0.2056, 0.2488, 0.6, 0.9}) {
        for (int i = 0; i < 500; ++i) {
            const double m = anomaly(random);
            const double nu = TrueAnomaly(m, e);
            SCOPED_TRACE(testing::Message() << "M=" << m << " e=" << e << " nu=" << nu);
            ASSERT_GE(nu, 0.0);
            ASSERT_LT(nu, kTwoPi + 1e-12);
            // Back from the true to the eccentric and mean anomaly.
            const double ecc = 2.0 * std::atan(std::sqrt((1 - e) / (1 + e)) * std::tan(nu / 2));
            const double meanBack = ReduceRadians(ecc - e * std::sin(ecc));
            EXPECT_NEAR(test::AngleDiffDeg(meanBack * kDegreesPerRadian, m * kDegreesPerRadian), 0.0,
                        kKeplerResidualToleranceRad * 1e3 * kDegreesPerRadian);
        }
    }
}

TEST(TrueAnomaly, EndsOnNonFiniteInput) {
    // Must return (not hang) even when the iteration cannot converge.
    EXPECT_TRUE(std::isnan(TrueAnomaly(std::numeric_limits<double>::quiet_NaN(), 0.1)));
    EXPECT_TRUE(std::isnan(TrueAnomaly(1.0, std::numeric_limits<double>::quiet_NaN())));
}

// N = 125.1228 - 0.0529538083 d degrees, reduced into [0, 360).
TEST(LunarNodes, MeanNodeAndItsOpposite) {
    const struct {
        const char* what;
        double daysSinceJ2000;
        double expectedNorthDeg;
    } cases[] = {
        {"J2000", 0.0, 125.1228},
        {"1980-07-15 06:30 UT", -7109.229166666667, 141.583558},
        {"half a degree into Aries", 124.6228 / 0.0529538083, 0.5},
        {"half a degree before Aries", 125.6228 / 0.0529538083, 359.5},
        // N a hair below a whole turn must not come out as 360.
        {"at the first point of Aries", 125.1228 / 0.0529538083 + 1e-9, 0.0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const LunarNodeLongitudes nodes = LunarNodes(c.daysSinceJ2000);
        EXPECT_NEAR(test::AngleDiffDeg(nodes.northDeg, c.expectedNorthDeg), 0.0, kNodeToleranceDeg);
        EXPECT_GE(nodes.northDeg, 0.0);
        EXPECT_LT(nodes.northDeg, 360.0);
        EXPECT_NEAR(test::AngleDiffDeg(nodes.southDeg, nodes.northDeg + 180.0), 0.0, kNodeToleranceDeg);
        EXPECT_GE(nodes.southDeg, 0.0);
        EXPECT_LT(nodes.southDeg, 360.0);
    }
}

// Found by fuzzing: a huge day number once made the south-node reduction loop
// forever; it must now end with an error.
TEST(LunarNodes, RefusesDayNumbersBeyondReduction) {
    for (const double days : {-1.6637750180667329e+308, std::numeric_limits<double>::infinity(),
                              std::numeric_limits<double>::quiet_NaN()}) {
        SCOPED_TRACE(days);
        EXPECT_THROW(LunarNodes(days), std::domain_error);
    }
}

}  // namespace
}  // namespace starwise::engine
