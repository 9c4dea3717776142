#include "engine/natal_chart.h"

#include <cmath>
#include <string>
#include <utility>

#include "engine/angles.h"
#include "engine/ascendant.h"
#include "engine/moon.h"
#include "engine/nodes.h"
#include "engine/planets.h"
#include "engine/position_text.h"

namespace starwise::engine {

namespace {

// A longitude that must lie in [0, 360): Ok, or OutOfRange naming it.
Result<double> LongitudeResult(double degrees, std::string_view what) {
    if (!IsInOneTurn(degrees)) {
        return Result<double>::Failed(Status::OutOfRange, std::string{what} + " longitude is not in 0..360 degrees");
    }
    return Result<double>::Of(degrees);
}

}  // namespace

Result<double> AscendantAt(const Instant& instant, const BirthMoment& birth) {
    return LongitudeResult(
        Ascendant(instant.julianDayNumber, instant.utHoursOnLocalDate, -birth.longitudeDeg, birth.latitudeDeg)
            .ascendantDeg,
        "Ascendant");
}

Result<double> MoonAt(const Instant& instant) {
    return LongitudeResult(MoonLongitude(CenturiesSinceJ2000(instant.julianDayNumber, instant.utHoursOnLocalDate)),
                           "Moon");
}

Result<NatalChart> ChartAt(const Instant& instant, double moonDeg, double ascendantDeg) {
    if (!IsInOneTurn(moonDeg) || !IsInOneTurn(ascendantDeg)) {
        return Result<NatalChart>::Failed(Status::OutOfRange, "Moon or Ascendant longitude is not in 0..360 degrees");
    }
    if (!(std::abs(instant.daysSinceJ2000) <= kMaxDaysFromJ2000)) {
        return Result<NatalChart>::Failed(Status::OutOfRange, "instant too far from J2000");
    }
    // Element-table row of each chart body 0..9; the Moon (-1) is given.
    static constexpr std::array<int, kReadingBodies> kElementRowOfBody{2, -1, 0, 1, 3, 4, 5, 6, 7, 8};
    const std::array<double, kElementRows> planetDeg = PlanetLongitudes(instant.daysSinceJ2000);
    for (const double longitudeDeg : planetDeg) {
        if (!IsInOneTurn(longitudeDeg)) {
            return Result<NatalChart>::Failed(Status::OutOfRange, "a planet's longitude is not in 0..360 degrees");
        }
    }

    NatalChart chart;
    for (int body = 0; body < kReadingBodies; ++body) {
        const int row = kElementRowOfBody[static_cast<std::size_t>(body)];
        ChartBody& entry = chart.bodies[static_cast<std::size_t>(body)];
        entry.name = kBodyNames[static_cast<std::size_t>(body)];
        if (row < 0) {
            entry.longitudeDeg = moonDeg;
            entry.positionText = FormatShortPosition(FormatLongPosition(moonDeg));
        } else {
            entry.longitudeDeg = planetDeg[static_cast<std::size_t>(row)];
            entry.positionText = ShortPositionOf(entry.longitudeDeg);
        }
    }
    ChartBody& ascendant = chart.bodies[kAscendant];
    ascendant.name = kBodyNames[kAscendant];
    ascendant.longitudeDeg = ascendantDeg;
    ascendant.positionText = FormatShortPosition(FormatLongPosition(ascendantDeg));

    const LunarNodeLongitudes nodes = LunarNodes(instant.daysSinceJ2000);
    chart.northNodeDeg = nodes.northDeg;
    chart.southNodeDeg = nodes.southDeg;
    chart.northNodeText = ShortPositionOf(nodes.northDeg);
    chart.southNodeText = ShortPositionOf(nodes.southDeg);
    return Result<NatalChart>::Of(std::move(chart));
}

Result<NatalChart> ChartOf(const BirthMoment& birth) {
    const Result<Instant> instant = InstantOf(birth);
    if (!instant.Ok()) return instant.AsFailure();
    const Result<double> moonDeg = MoonAt(instant.value);
    if (!moonDeg.Ok()) return moonDeg.AsFailure();
    const Result<double> ascendantDeg = AscendantAt(instant.value, birth);
    if (!ascendantDeg.Ok()) return ascendantDeg.AsFailure();
    return ChartAt(instant.value, moonDeg.value, ascendantDeg.value);
}

}  // namespace starwise::engine
