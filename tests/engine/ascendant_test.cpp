#include "engine/ascendant.h"

#include <gtest/gtest.h>

#include <cmath>

#include "engine/angles.h"
#include "engine/time_scales.h"
#include "test_support.h"

namespace starwise::engine {
namespace {

constexpr double kPublishedAscendantToleranceDeg = 0.0005;
constexpr double kPublishedSiderealToleranceDeg = 0.00005;
constexpr double kHorizonToleranceDeg = 1e-7;

struct AscendantCase {
    const char* place;
    double jdn;
    double utHours;
    double westLongitudeDeg;
    double northLatitudeDeg;
    double expectedSiderealDeg;  // NaN when not published
    double expectedAscendantDeg;
};

TEST(Ascendant, PublishedCharts) {
    const double nan = std::nan("");
    const AscendantCase cases[] = {
        {"Greenwich latitude 51:30N, 2000-01-01 12:00", 2451545, 12.0, 0.0, 51.5, 280.4609, 24.298},
        {"New York, 1980-07-15 06:30 EDT", 2444436, 10.5, 74.0, 40.0 + 43.0 / 60, 16.9321, 122.505},
        {"Delhi, 1980-07-15 06:30 IST", 2444436, 1.0, -(77.0 + 13.0 / 60), 28.0 + 37.0 / 60, nan, 123.935},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.place);
        const AscendantResult result = Ascendant(c.jdn, c.utHours, c.westLongitudeDeg, c.northLatitudeDeg);
        if (!std::isnan(c.expectedSiderealDeg)) {
            EXPECT_NEAR(result.localSiderealTimeDeg, c.expectedSiderealDeg, kPublishedSiderealToleranceDeg);
        }
        EXPECT_NEAR(test::AngleDiffDeg(result.ascendantDeg, c.expectedAscendantDeg), 0.0,
                    kPublishedAscendantToleranceDeg);
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

TEST(Ascendant, PolarChartWhoseFormulaLandsOnTheDescendant) {
    // Tromso (18:57 E, 69:39 N), 1995-01-10 09:00 UT: the closed formula gives
    // 215.635, the setting point; the Ascendant is the point opposite.
    const double lat = 69.0 + 39.0 / 60;
    const AscendantResult r = Ascendant(JulianDayNumber(1, 10, 1995), 9.0, -(18.0 + 57.0 / 60), lat);
    EXPECT_NEAR(test::AngleDiffDeg(r.ascendantDeg, 35.6353), 0.0, kPublishedAscendantToleranceDeg);
    EXPECT_LT(OnTheSky(r.ascendantDeg, r, lat).sinHourAngle, 0.0);
}

}  // namespace
}  // namespace starwise::engine
