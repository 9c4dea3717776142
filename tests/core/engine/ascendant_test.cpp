#include "engine/ascendant.h"

#include <gtest/gtest.h>

#include <cmath>

#include "engine/angles.h"
#include "engine/time_scales.h"
#include "test_support.h"

namespace starwise::engine {
namespace {

// The engine's sidereal time keeps Newcomb's coefficients to fewer digits:
// 0.00023 degree measured at both published examples.
constexpr double kSiderealToleranceDeg = 0.0005;
constexpr double kHorizonToleranceDeg = 1e-7;

// Greenwich mean sidereal time from J. Meeus, Astronomical Algorithms, 2nd ed.
// (1998), Examples 12.a and 12.b (1987 April 10). The Ascendant itself is
// compared with ERFA in erfa_comparison_test.
TEST(Ascendant, SiderealTimeOfMeeusExamples12aAnd12b) {
    const struct {
        const char* epoch;
        double utHours;
        double expectedDeg;
    } cases[] = {
        {"1987-04-10 0h UT", 0.0, 197.693195},
        {"1987-04-10 19:21 UT", 19.35, 128.7378734},
    };
    for (const auto& c : cases) {
        const AscendantResult result = Ascendant(JulianDayNumber(4, 10, 1987), c.utHours, 0.0, 51.5);
        EXPECT_NEAR(test::AngleDiffDeg(result.localSiderealTimeDeg, c.expectedDeg), 0.0, kSiderealToleranceDeg)
            << c.epoch << ": expected " << c.expectedDeg << ", got " << result.localSiderealTimeDeg;
    }
}

// Altitude and hour angle (degrees) of an ecliptic point of latitude 0.
struct HorizonPosition {
    double altitudeDeg;
    double sinHourAngle;
};

HorizonPosition OnTheSky(double longitudeDeg, const AscendantResult& r, double latitudeDeg) {
    const double lambda = longitudeDeg * kRadiansPerDegree;
    const double declination = std::asin(std::sin(r.obliquityRad) * std::sin(lambda));
    const double rightAscension = std::atan2(std::sin(lambda) * std::cos(r.obliquityRad), std::cos(lambda));
    const double hourAngle = r.localSiderealTimeDeg * kRadiansPerDegree - rightAscension;
    const double phi = latitudeDeg * kRadiansPerDegree;
    const double sinAltitude =
        std::sin(phi) * std::sin(declination) + std::cos(phi) * std::cos(declination) * std::cos(hourAngle);
    return {std::asin(sinAltitude) * kDegreesPerRadian, std::sin(hourAngle)};
}

// The Ascendant is the ecliptic point on the EASTERN horizon, at every
// latitude the form accepts, polar ones included.
TEST(Ascendant, AlwaysTheRisingPointOnTheHorizon) {
    auto random = test::TestRandom();
    std::uniform_real_distribution<double> jdn(2415386.0, 2470172.0), ut(-13.0, 37.0), longitude(-179.99, 179.99),
        latitude(-89.99, 89.99);
    int polarCases = 0;
    for (int i = 0; i < 20000; ++i) {
        const double lat = i % 4 == 0 ? std::copysign(66.6 + std::fmod(std::abs(latitude(random)), 23.3), latitude(random))
                                      : latitude(random);
        const double day = std::floor(jdn(random));
        const AscendantResult r = Ascendant(day, ut(random), longitude(random), lat);
        const HorizonPosition sky = OnTheSky(r.ascendantDeg, r, lat);
        SCOPED_TRACE(testing::Message() << "latitude " << lat << " asc " << r.ascendantDeg);
        ASSERT_GE(r.ascendantDeg, 0.0);
        ASSERT_LT(r.ascendantDeg, 360.0);
        EXPECT_NEAR(sky.altitudeDeg, 0.0, kHorizonToleranceDeg * (1 + std::abs(std::tan(lat * kRadiansPerDegree))));
        EXPECT_LE(sky.sinHourAngle, 1e-9) << "the point is west of the meridian: it is setting";
        if (std::abs(lat) > 66.6) ++polarCases;
    }
    EXPECT_GT(polarCases, 1000);
}

}  // namespace
}  // namespace starwise::engine
