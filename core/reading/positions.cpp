#include "reading/positions.h"

#include <cmath>
#include <cstdio>

#include "engine/position_text.h"

namespace starwise::reading {
namespace {

PositionRow RowOf(std::string_view body, double longitudeDeg, int house) {
    const int wholeDegrees = engine::WholeDegreesOf(longitudeDeg);
    const int minutes = static_cast<int>(std::floor(60.0 * (longitudeDeg - std::floor(longitudeDeg))));
    char text[24];
    std::snprintf(text, sizeof text, "%d\u00B0%02d\u2032", wholeDegrees % 30, minutes);
    return {body, engine::SignAbbreviation(wholeDegrees / 30), text, house};
}

}  // namespace

std::vector<PositionRow> PositionRowsOf(const Reading& reading) {
    std::vector<PositionRow> rows;
    if (!reading.chart) return rows;
    const engine::NatalChart& chart = *reading.chart;
    for (int body = 0; body < engine::kReadingBodies; ++body) {
        const auto b = static_cast<std::size_t>(body);
        rows.push_back(RowOf(engine::kBodyNames[b], chart.bodies[b].longitudeDeg,
                             reading.houses ? reading.houses->houseOfBody[b] : 0));
    }
    rows.push_back(RowOf(engine::kBodyNames[engine::kAscendant], chart.bodies[engine::kAscendant].longitudeDeg, 0));
    rows.push_back(RowOf("North Node", chart.northNodeDeg, 0));
    rows.push_back(RowOf("South Node", chart.southNodeDeg, 0));
    return rows;
}

}  // namespace starwise::reading
