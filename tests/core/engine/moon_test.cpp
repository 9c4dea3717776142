#include "engine/moon.h"

#include <gtest/gtest.h>

#include <cmath>

#include "test_support.h"

namespace starwise::engine {
namespace {

// The engine keeps the 25 largest terms and no additive terms of the full
// series; 0.0046 degree measured at the published example.
constexpr double kTruncatedSeriesToleranceDeg = 0.01;
// Table 47.A gives the coefficients in millionths of a degree.
constexpr double kCoefficientToleranceDeg = 5e-13;

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

// The engine's terms are the first rows of Meeus' Table 47.A
// (tests/data/lunar_longitude_terms.csv), in its order, which for these rows
// is that of decreasing amplitude; the first term left out is smaller than
// every term kept. E multiplies exactly the terms in M (none has 2M).
TEST(LunarLongitudeTerms, LargestTermsInOrder) {
    const auto table = test::ReadNumberTable("lunar_longitude_terms.csv");
    ASSERT_EQ(table.size(), kLunarTerms + 1);
    const double firstLeftOutDeg = table[kLunarTerms].at(4) * 1e-6;
    for (std::size_t k = 0; k < kLunarTerms; ++k) {
        const LunarLongitudeTerm& term = kLunarLongitudeTerms[k];
        const auto& row = table[k];
        SCOPED_TRACE(testing::Message() << "term " << k << ": engine " << term.multipleOfD << " "
                                        << term.multipleOfM << " " << term.multipleOfMPrime << " "
                                        << term.multipleOfF << " " << term.coefficientDeg << ", Table 47.A "
                                        << row.at(0) << " " << row.at(1) << " " << row.at(2) << " " << row.at(3)
                                        << " " << row.at(4) * 1e-6);
        EXPECT_EQ(term.multipleOfD, row.at(0));
        EXPECT_EQ(term.multipleOfM, row.at(1));
        EXPECT_EQ(term.multipleOfMPrime, row.at(2));
        EXPECT_EQ(term.multipleOfF, row.at(3));
        EXPECT_NEAR(term.coefficientDeg, row.at(4) * 1e-6, kCoefficientToleranceDeg);
        EXPECT_EQ(term.timesE, term.multipleOfM != 0);
        EXPECT_GT(std::abs(term.coefficientDeg), std::abs(firstLeftOutDeg));
        if (k > 0) {
            EXPECT_LE(std::abs(term.coefficientDeg), std::abs(kLunarLongitudeTerms[k - 1].coefficientDeg));
        }
    }
}

}  // namespace
}  // namespace starwise::engine
