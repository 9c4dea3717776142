#include "engine/angles.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "test_support.h"

namespace starwise::engine {
namespace {

constexpr double kRadTolerance = 1e-15;

struct AngleOfCase {
    double y;
    double x;
    double expectedRad;
};

TEST(AngleOf, CoversEveryQuadrantAndAxis) {
    const AngleOfCase cases[] = {
        {0, 0, 0},        {1, 0, kPi / 2},       {-1, 0, -kPi / 2},        {0, -1, kPi},
        {0, 1, 0},        {1, 1, kPi / 4},       {1, -1, 3 * kPi / 4},     {-1, -1, -3 * kPi / 4},
        {-1, 1, -kPi / 4}, {-0.0, -1, kPi},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "y=" << c.y << " x=" << c.x);
        EXPECT_NEAR(AngleOf(c.y, c.x), c.expectedRad, kRadTolerance);
    }
}

TEST(AngleOf, AgreesWithAtan2OffTheNegativeAxis) {
    auto random = test::TestRandom();
    std::uniform_real_distribution<double> coordinate(-10.0, 10.0);
    for (int i = 0; i < 10000; ++i) {
        const double y = coordinate(random);
        const double x = coordinate(random);
        SCOPED_TRACE(testing::Message() << "y=" << y << " x=" << x);
        // The program's pi differs from M_PI by 3e-15.
        EXPECT_NEAR(AngleOf(y, x), std::atan2(y, x), 1e-14);
    }
}

struct ReduceCase {
    double (*reduce)(double);
    double input;
    double expected;
};

TEST(Reductions, LandInOneTurn) {
    const ReduceCase cases[] = {
        {ReduceRadians, 0, 0},     {ReduceRadians, kTwoPi, 0},   {ReduceRadians, -1, kTwoPi - 1},
        {ReduceRadians, -7, 2 * kTwoPi - 7},
        {Normalize360, -10, 350},  {Normalize360, 360, 0},       {Normalize360, 370, 10},
        {Normalize360, -1e-20, 0},  // rounds to 360 first, then wraps
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.input);
        EXPECT_NEAR(c.reduce(c.input), c.expected, kRadTolerance * 10);
    }
}

TEST(ReduceDegrees, MatchesRepeatedSubtractionAndStaysInRange) {
    auto random = test::TestRandom();
    std::uniform_real_distribution<double> degrees(-3e5, 3e5);
    for (int i = 0; i < 20000; ++i) {
        const double input = degrees(random);
        double looped = input;
        while (looped < 0) looped += 360.0;
        while (looped >= 360.0) looped -= 360.0;
        const double reduced = ReduceDegrees(input);
        SCOPED_TRACE(input);
        EXPECT_GE(reduced, 0.0);
        EXPECT_LT(reduced, 360.0);
        EXPECT_EQ(reduced, looped);
    }
}

TEST(ReduceDegrees, RefusesNonFiniteValues) {
    for (const double bad : {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity(),
                             -std::numeric_limits<double>::infinity()}) {
        SCOPED_TRACE(bad);
        EXPECT_THROW(ReduceDegrees(bad), std::domain_error);
    }
}

}  // namespace
}  // namespace starwise::engine
