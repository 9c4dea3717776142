#include "engine/natal_chart.h"

#include "engine/angles.h"
#include "engine/ascendant.h"
#include "engine/moon.h"
#include "engine/nodes.h"
#include "engine/planets.h"
#include "engine/position_text.h"

namespace starwise::engine {

double AscendantAt(const Instant& instant, const BirthMoment& birth) {
    return Ascendant(instant.julianDayNumber, instant.utHoursOnLocalDate, -birth.longitudeDeg, birth.latitudeDeg)
        .ascendantDeg;
}

double MoonAt(const Instant& instant) {
    return MoonLongitude(CenturiesSinceJ2000(instant.julianDayNumber, instant.utHoursOnLocalDate));
}

NatalChart ChartAt(const Instant& instant, double moonDeg, double ascendantDeg) {
    // Element-table row of each chart body 0..9; the Moon (-1) is given.
    static constexpr std::array<int, kReadingBodies> kElementRowOfBody{2, -1, 0, 1, 3, 4, 5, 6, 7, 8};
    const std::array<double, kElementRows> planetDeg = PlanetLongitudes(instant.daysSinceJ2000);

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
    ascendant.longitudeDeg = Normalize360(ascendantDeg);
    ascendant.positionText = FormatShortPosition(FormatLongPosition(ascendantDeg));

    const LunarNodeLongitudes nodes = LunarNodes(instant.daysSinceJ2000);
    chart.northNodeDeg = nodes.northDeg;
    chart.southNodeDeg = nodes.southDeg;
    chart.northNodeText = ShortPositionOf(nodes.northDeg);
    chart.southNodeText = ShortPositionOf(nodes.southDeg);
    return chart;
}

}  // namespace starwise::engine
