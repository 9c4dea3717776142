#include "engine/natal_chart.h"

#include <stdexcept>

#include "engine/angles.h"
#include "engine/ascendant.h"
#include "engine/moon.h"
#include "engine/nodes.h"
#include "engine/planets.h"
#include "engine/position_text.h"
#include "engine/time_scales.h"

namespace starwise::engine {

const std::string& NatalChart::PositionText(int number) const {
    if (number >= 0 && number < kChartBodies) return Bodies[static_cast<std::size_t>(number)].PositionText;
    if (number == kNorthNodeText) return NorthNodeText;
    if (number == kSouthNodeText) return SouthNodeText;
    throw std::out_of_range("position text number outside 0..12");
}

void CalculateAscendant(const BirthData& birth, const ZoneOffset& zone, EngineWorking& working) {
    const double jdn = JulianDayNumber(birth.Month, birth.Day, birth.Year);
    const AscendantResult result =
        Ascendant(jdn, UniversalTimeHours(birth, zone), WestLongitudeDeg(birth), NorthLatitudeDeg(birth));
    std::string longText = FormatLongPosition(result.ascendantDeg);
    working.ascendantDeg = result.ascendantDeg;
    working.ascendantLongText = std::move(longText);
}

void CalculateMoon(const BirthData& birth, const ZoneOffset& zone, EngineWorking& working) {
    const double jdn = JulianDayNumber(birth.Month, birth.Day, birth.Year);
    const double moonDeg = MoonLongitude(CenturiesSinceJ2000(jdn, UniversalTimeHours(birth, zone)));
    std::string longText = FormatLongPosition(moonDeg);
    working.moonDeg = moonDeg;
    working.moonLongText = std::move(longText);
}

void CalculatePlanets(const BirthData& birth, const ZoneOffset& zone, const EngineWorking& working,
                      NatalChart& chart) {
    const UniversalDateTime ut = UniversalDateTimeOf(birth, zone);
    const double days = DayNumberJ2000(ut.year, ut.month, ut.day, ut.hour, ut.minute);

    // Element-table row of each chart body 0..9; the Moon (-1) comes from
    // the working values.
    static constexpr std::array<int, kReadingBodies> kElementRowOfBody{2, -1, 0, 1, 3, 4, 5, 6, 7, 8};
    const std::array<double, kElementRows> planetDeg = PlanetLongitudes(days);

    NatalChart filled;
    for (int body = 0; body < kReadingBodies; ++body) {
        const int row = kElementRowOfBody[static_cast<std::size_t>(body)];
        ChartBody& entry = filled.Bodies[static_cast<std::size_t>(body)];
        entry.BodyName = kBodyNames[static_cast<std::size_t>(body)];
        if (row < 0) {
            entry.Longitude = working.moonDeg;
            entry.PositionText = FormatShortPosition(working.moonLongText);
        } else {
            entry.Longitude = planetDeg[static_cast<std::size_t>(row)];
            entry.PositionText = ShortPositionOf(entry.Longitude);
        }
    }
    ChartBody& ascendant = filled.Bodies[kAscendant];
    ascendant.BodyName = kBodyNames[kAscendant];
    ascendant.Longitude = Normalize360(working.ascendantDeg);
    ascendant.PositionText = FormatShortPosition(working.ascendantLongText);

    const LunarNodeLongitudes nodes = LunarNodes(days);
    filled.NorthNodeText = ShortPositionOf(nodes.northDeg);
    filled.SouthNodeText = ShortPositionOf(nodes.southDeg);

    chart = std::move(filled);
}

}  // namespace starwise::engine
